#include "metodi/TestiBacktest.h"

#include "compat/vb.h"
#include "compat/vbdate.h"
#include "compat/vbformat.h"
#include "metodi/Backtest.h"
#include "metodi/CodiceMetodo.h"
#include "core/Archivio.h"

#include <cmath>

using compat::vbCInt;
using compat::vbDateText;
using compat::vbFormat;
using compat::vbMid;
using compat::vbOverlay;
using compat::vbRight;
using compat::vbSpace;
using compat::vbStr;
using compat::vbTrim;
using compat::vbVal;

const std::array<int, 8> kColonneDettaglio = {4, 18, 26, 65, 72, 81, 94, 101};

QString testoValidita(const std::array<bool, 6>& posizioni)
{
    if (posizioni[1] && posizioni[2] && posizioni[3] && posizioni[4] && posizioni[5])
        return {};
    QString t = QStringLiteral(" in ");
    for (int q = 1; q <= 5; ++q)
        if (posizioni[q])
            t += vbStr(q) + u'\'';
    return t + QStringLiteral(" pos.");
}

QString testoCondizione(const QString& codice)
{
    QString t = QStringLiteral("Condizione di gioco: sortita ");
    const int tipo = vbCInt(vbVal(vbMid(codice, 10, 1)));
    if (tipo < 0 || tipo > 2)
        return t;
    static const char* const nomi[] = {"del n. ", "della somma ", "della differenza "};
    t += QString::fromLatin1(nomi[tipo]) + vbMid(codice, 11, 2);
    if (tipo != 0)
        return t;
    bool tutte = true;
    QString posizioni;
    for (int q = 1; q <= 5; ++q) {
        if (vbMid(codice, 12 + q, 1) == u"1")
            posizioni += vbFormat(q, u"@@");
        else
            tutte = false;
    }
    return t + (tutte ? QStringLiteral(" in qualsiasi posizione")
                      : QStringLiteral(" in posizione") + posizioni);
}

QString testoGiorni(const std::array<bool, 8>& flag)
{
    bool tutti = true;
    for (int g = 1; g <= 7; ++g)
        tutti = tutti && flag[g];
    if (tutti)
        return {};
    // Monday first; every allowed day is named, Friday and the weekend too.
    static const int ordine[] = {2, 3, 4, 5, 6, 7, 1};
    static const char* const nomi[] = {"", " domenica", " lunedì", " martedì", " mercoledì",
                                       " giovedì", " venerdì", " sabato"};
    QString t = QStringLiteral("Solo nelle estrazioni del ");
    for (int g : ordine)
        if (flag[g])
            t += QString::fromUtf8(nomi[g]);
    return t;
}

QString testoRuote(const QString& multi, bool tutte, bool nazionale,
                   const std::array<bool, 12>& ruote, bool gioco)
{
    if (!multi.isEmpty())
        return multi;
    if (tutte)
        return nazionale ? QStringLiteral("Tutte + NZ") : QStringLiteral("Tutte");
    QString t;
    for (int w = 1; w <= kRuote; ++w)
        if (ruote[w])
            t += gioco ? u' ' + siglaRuota(w) : siglaRuota(w) + u' ';
    return t;
}

void distinguiRiferimenti(std::vector<int>& r)
{
    for (size_t j = 1; j < r.size(); ++j) {
        bool uguale = true;
        while (r[j] > 0 && uguale) {
            uguale = false;
            for (size_t k = 0; k < j; ++k)
                if (r[k] == r[j]) {
                    r[j] = SommaFuori90(r[j], 1);
                    uguale = true;
                    break;
                }
        }
    }
}

QStringList righeIntestazione(const IntestazioneReport& i)
{
    const QString vuota = QStringLiteral(" ");
    QStringList l;
    l << QStringLiteral("Quorvane") << vuota;
    if (i.perDate) {
        l << QStringLiteral("Data inizio ricerca : ") + vbDateText(i.da)
          << QStringLiteral("Data fine ricerca   : ") + vbDateText(i.a);
    } else {
        l << i.sortite + u' ' + i.descriviRicerca + QStringLiteral(" al ") + vbDateText(i.a);
    }
    l << QStringLiteral("Indice mensile      : ") + i.indice << vuota << i.condizione;
    if (!i.giorni.isEmpty())
        l << i.giorni;
    l << QStringLiteral("Ruota/e di ricerca condizione : ") + i.ruoteRicerca
      << QStringLiteral("Ruota/e di gioco : ") + i.ruoteGioco;
    QString colpi = QStringLiteral("Colpi di gioco ") + i.colpi;
    if (i.ultime)
        colpi += QStringLiteral(" (con ") + i.ultimeDidascalia + u')';
    l << colpi << vuota;
    const int capogioco = i.riferimenti.empty() ? 0 : i.riferimenti[0];
    l << QStringLiteral("Ambata/capogioco : ") + vbTrim(vbStr(capogioco)) + i.validita;
    if (i.riferimenti.size() > 1) {
        l << QStringLiteral("Abbinamenti per ambo (da algoritmi) : ");
        QString numeri;
        for (size_t j = 1; j < i.riferimenti.size(); ++j)
            if (i.riferimenti[j] > 0)
                numeri += u' ' + vbFormat(vbTrim(vbStr(i.riferimenti[j])), u"@@");
        l << numeri;
    }
    if (!i.numeriAbbinati.isEmpty()) {
        l << QStringLiteral("Abbinamenti per ambo (da numeri abbinati al capogioco): ");
        QString numeri;
        for (const QString& n : i.numeriAbbinati)
            numeri += u' ' + vbRight(n, 2);
        l << numeri;
    }
    l << vuota << QStringLiteral("Operazioni da eseguire") << vuota
      << QStringLiteral("Calcolo capogioco:") << i.descrizione << vuota;
    if (!i.algoritmiAbbinati.isEmpty()) {
        l << QStringLiteral("Calcolo abbinamenti:");
        for (const QString& a : i.algoritmiAbbinati)
            l << vbMid(a, 9);
    }
    return l;
}

QStringList righeRisultati(const EsitoBacktest& e)
{
    auto cifra = [](qint64 n) { return vbFormat(vbStr(double(n)), u"@@@@@"); };
    // No case, or no won case: the figures read 0,0 rather than a division by zero.
    auto percento = [&](qint64 n) {
        const double p = e.casiRilevati > 0 ? double(n * 100) / e.casiRilevati : 0.0;
        return QStringLiteral(" (") + vbFormat(p, u"##0.0") + QStringLiteral(" %)");
    };
    qint64 negativi = qint64(e.casiRilevati) - e.casiInGioco - e.casiFavorevoli;
    qint64 sfaldati = 0;
    if (negativi < 0) {
        sfaldati = -negativi;
        negativi = 0;
    }
    const double attesa =
        e.casiFavorevoli > 0 ? double(e.sommaColpi) / double(e.casiFavorevoli) : 0.0;

    QStringList l;
    l << QStringLiteral(" ");
    l << QStringLiteral(" Casi rilevati   : ") + cifra(e.casiRilevati);
    l << QStringLiteral(" Casi favorevoli : ") + cifra(e.casiFavorevoli) + percento(e.casiFavorevoli);
    l << QStringLiteral(" Casi negativi   : ") + cifra(negativi) + percento(negativi);
    if (sfaldati > 0)
        l << QStringLiteral(" Casi in gioco   : ") + cifra(e.casiInGioco - sfaldati)
                 + QStringLiteral(" (") + QString::number(sfaldati)
                 + QStringLiteral(" già sfaldato/i)");
    else
        l << QStringLiteral(" Casi in gioco   : ") + cifra(e.casiInGioco);
    l << QStringLiteral(" Ambate          : ") + cifra(e.ambate);
    l << QStringLiteral(" Ambi secchi     : ") + cifra(e.ambiSecchi);
    l << QStringLiteral(" Attesa media    : ") + vbFormat(vbFormat(attesa, u"#0.0"), u"@@@@@")
             + QStringLiteral(" colpi");
    return l;
}

QStringList righeTitoloDettaglio(const QString& descrizione, const QString& descrizione2)
{
    const QString regola = QStringLiteral(
        " *-------------*-------*--------------------------------------*------*--------*------------*-----*-----------*");
    return {QStringLiteral("Quorvane by Miravell - Dettaglio delle vincite"), descrizione,
            descrizione2, regola,
            QStringLiteral(" | Sortita     | Ruota | Numeri in gioco                      "
                           "|Ambata|  Ambo  | Data esito |Colpo|Ruota esito|"),
            regola};
}

QString rigaDettaglio(const std::array<QString, 8>& celle)
{
    QString riga = vbSpace(110);
    for (size_t c = 0; c < celle.size(); ++c)
        vbOverlay(riga, kColonneDettaglio[c], celle[c]);
    return riga;
}

int colonnaCentrata(const QString& testo)
{
    return std::max(1, vbCInt((80.0 - testo.size()) / 2));
}
