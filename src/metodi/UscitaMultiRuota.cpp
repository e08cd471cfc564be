#include "metodi/UscitaMultiRuota.h"

#include "compat/vb.h"
#include "compat/vbdate.h"
#include "core/Archivio.h"

using namespace compat;

namespace {

const QString kTitolo = QStringLiteral("Quorvane 2");
const QString kBordo = QStringLiteral(
    "*--------------------------------*-------*-------------------*---------*----*------*----------------*");

QString etichetta(const char* testo)
{
    QString l = vbSpace(32);
    vbOverlay(l, 31, u":");
    vbOverlay(l, 1, QString::fromLatin1(testo));
    return l;
}

QString testoRuote(const std::array<bool, 12>& r)
{
    if (r[0])
        return r[11] ? QStringLiteral("Tutte + NZ") : QStringLiteral("Tutte");
    QString s;
    for (int i = 1; i <= 11; ++i)
        if (r[size_t(i)])
            s += siglaRuota(i) + u' ';
    return s;
}

QString testoPosizioni(const std::array<bool, 6>& p)
{
    QString s;
    for (int i = 1; i <= 5; ++i)
        if (p[size_t(i)])
            s += QString::number(i) + QStringLiteral("' ");
    return s;
}

QString testata(const QString& intestazioneSpia)
{
    return QStringLiteral("| Descrizione algoritmo          | Sort. | Presenze/quantità | % pres. | ")
           + vbLeft(intestazioneSpia, 1) + QStringLiteral(". | ric. | ruote gioco    |");
}

QString rigaDidascalia(const QString& didascalia)
{
    QString l = vbSpace(50);
    vbOverlay(l, 1, vbTrim(didascalia));
    return l;
}

QString riga(const CelleMultiRuota& c)
{
    QString l = vbSpace(100);
    const int colonne[] = {2, 36, 44, 64, 74, 79, 86};
    for (size_t i = 0; i < c.size(); ++i)
        vbOverlay(l, colonne[i], c[i]);
    return l;
}

} // namespace

QStringList righeDescrizioneMultiRuota(const DescrizioneMultiRuota& o)
{
    const QString intervallo = o.perDate ? QStringLiteral("dal ") + vbDateText(o.da) + QStringLiteral(" al ")
                                               + vbDateText(o.a)
                                         : o.sortite + u' ' + o.descriviRicerca;
    int posizioni = 0;
    for (int i = 1; i <= 5; ++i)
        posizioni += o.posizioni[size_t(i)] ? 1 : 0;
    QString tipo = o.tipoSpia;
    if (o.posizioneDeterminata && posizioni < 5)
        tipo += QStringLiteral(" in ") + testoPosizioni(o.posizioni) + QStringLiteral("posizione");
    QString spia = o.valoreFisso ? o.didascaliaFisso + u' ' + o.numero : o.didascaliaTutti;
    if (o.spiaNumero)
        spia += o.posizioneDeterminata ? QStringLiteral(" in posizione ") + testoPosizioni(o.posizioni)
                                       : QStringLiteral(" in qualsiasi posizione");
    return {etichetta("Intervallo di ricerca ") + intervallo,
            etichetta("Ruota/e di ricerca condizione ") + testoRuote(o.ruote),
            etichetta("Ruota/e di gioco ") + testoRuote(o.ruoteGioco),
            etichetta("Tipo di gioco ") + tipo,
            etichetta("Spia ") + spia,
            etichetta("Colpi di gioco ") + vbTrim(o.colpi),
            etichetta("Indice mensile ") + vbTrim(o.indice)};
}

QStringList fileMultiRuota(const DescrizioneMultiRuota& o, const QString& didascalia,
                           const std::vector<CelleMultiRuota>& righe)
{
    const QString vuota = vbSpace(90);
    QStringList out{kTitolo, vuota};
    out << righeDescrizioneMultiRuota(o) << rigaDidascalia(didascalia) << vuota << kBordo
        << testata(o.intestazioneSpia) << kBordo << vuota;
    for (const CelleMultiRuota& c : righe)
        out << riga(c);
    out << vuota << vuota;
    return out;
}

std::vector<RigaStampaMulti> stampaMultiRuota(const DescrizioneMultiRuota& o, const QString& didascalia,
                                              const std::vector<CelleMultiRuota>& righe, int copie)
{
    const QStringList tabella{QString(), kBordo, testata(o.intestazioneSpia), kBordo, QString()};
    std::vector<RigaStampaMulti> out;
    auto scrivi = [&out](const QStringList& l) {
        for (const QString& t : l)
            out.push_back({false, t});
    };
    for (int c = 1; c <= copie; ++c) {
        if (c > 1)
            out.push_back({true, {}});
        scrivi({QString(), kTitolo, QString()});
        scrivi(righeDescrizioneMultiRuota(o) << rigaDidascalia(didascalia));
        scrivi(tabella);
        int contatore = 15;
        for (size_t r = 0; r < righe.size(); ++r) {
            out.push_back({false, riga(righe[r])});
            ++contatore;
            if (r + 1 < righe.size() && contatore >= 92) {
                out.push_back({true, {}});
                scrivi(tabella);
                contatore = 5;
            }
        }
    }
    return out;
}
