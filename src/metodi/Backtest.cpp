#include "metodi/Backtest.h"

#include "compat/vb.h"
#include "compat/vbformat.h"
#include "core/Archivio.h"
#include "core/ArchivioMemoria.h"
#include "core/CalendarioEstrazioni.h"
#include "core/Restrizioni.h"

#include <algorithm>

using compat::vbCInt;
using compat::vbFormat;
using compat::vbMid;
using compat::vbStr;
using compat::vbTrim;
using compat::vbVal;

namespace {

const QString kDitto = QStringLiteral("\"");
const QString kBlank = QStringLiteral(" ");

// A formula read once; `valida` false evaluates to 0 (a refused or empty code).
struct Formula {
    FormulaMetodo f;
    bool valida = false;

    explicit Formula(const QString& codice)
    {
        valida = !codice.isEmpty() && leggiCodice(codice, f) == ErroreCodice::Nessuno;
    }
    // As the evaluator: a term that is no number gives no number.
    int valuta(const quint8* e) const
    {
        if (!valida)
            return 0;
        const int a = e[(f.ruota1 - 1) * 5 + f.posizione1 - 1];
        if (a == 0)
            return 0;
        int b = f.costante;
        if (!f.conCostante()) {
            b = e[(f.ruota2 - 1) * 5 + f.posizione2 - 1];
            if (b == 0)
                return 0;
        }
        return OperazioneFuori90(f.operazione, a, b);
    }
};

bool passaIndice(const ParametriBacktest& p, const CalendarioMensile& cal, qint32 i)
{
    if (p.indiceScelto == 0)
        return true;
    // A draw stored after the window built its monthly index has none: it never matches.
    if (p.indiceScelto == p.indiceMassimo + 1)
        return static_cast<size_t>(i) < cal.UltimaDelMese.size() && cal.UltimaDelMese[i];
    return static_cast<size_t>(i) < cal.IndiceMensile.size()
           && cal.IndiceMensile[i] == p.indiceScelto;
}

// Whether the spia comes out on one wheel's five numbers; a missing number
// takes part in no spia.
bool spiaSullaRuota(int tipo, int valore, const std::array<bool, 6>& posizioni, const quint8* x)
{
    if (tipo == 0) {
        for (int q = 0; q < 5; ++q)
            if (x[q] != 0 && x[q] == valore && posizioni[q + 1])
                return true;
        return false;
    }
    if (tipo != 1 && tipo != 2)
        return false;
    for (int a = 0; a < 4; ++a)
        for (int b = a + 1; b < 5; ++b) {
            if (x[a] == 0 || x[b] == 0)
                continue;
            const int r = tipo == 1 ? SommaFuori90(x[a], x[b]) : DifferenzaFuori90(x[a], x[b]);
            if (r == valore)
                return true;
        }
    return false;
}

} // namespace

QString testoNumeri(int capogioco, const QString& testoValidita, const std::vector<int>& abbinati)
{
    QString t = QStringLiteral("C:") + vbStr(capogioco) + testoValidita;
    if (!abbinati.empty()) {
        t += QStringLiteral(" A: ");
        for (size_t j = 0; j < abbinati.size(); ++j) {
            if (j > 0)
                t += u'-';
            t += vbTrim(vbStr(abbinati[j]));
        }
    }
    return t;
}

void distinguiAbbinati(int capogioco, std::vector<int>& a)
{
    auto avanza = [capogioco](int& n) {
        do
            n = SommaFuori90(n, 1);
        while (n == capogioco);
    };
    for (int& n : a)
        if (n > 0 && n == capogioco)
            avanza(n);
    bool ancora = true;
    while (ancora) {
        ancora = false;
        for (size_t j = 0; j < a.size() && !ancora; ++j)
            for (size_t k = j + 1; k < a.size() && !ancora; ++k)
                if (a[j] > 0 && a[j] == a[k]) {
                    avanza(a[k]);
                    ancora = true;
                }
    }
}

QString EsitoBacktest::cella(size_t riga, int colonna) const
{
    const RigaDettaglio& r = righe[riga];
    if (colonna == 8)
        return vbFormat(double(riga + 1), u"00000");
    if (r.tipo == RigaDettaglio::Tipo::Separatore)
        return kBlank;
    const CasoDettaglio& c = casi[size_t(r.caso)];
    switch (colonna) {
    case 0: return r.ditto ? kDitto : c.data;
    case 1: return r.ditto ? kDitto : c.ruote;
    case 2: return r.ditto ? kDitto : c.numeri;
    case 3: return vbStr(r.capogioco);
    case 4:
        if (r.abbinato == 0)
            return kBlank;
        return vbStr(r.capogioco) + u'-' + vbStr(r.abbinato);
    case 5: return archivio->dataTesto(r.esito);
    case 6: return vbStr(r.colpo);
    case 7: return siglaRuota(r.ruota);
    default: return {};
    }
}

EsitoBacktest eseguiBacktest(std::shared_ptr<const ArchivioMemoria> archivio,
                             const Restrizioni& restrizioni, const CalendarioMensile& calendario,
                             const ParametriBacktest& p, const QString& testoValidita)
{
    EsitoBacktest esito;
    esito.archivio = archivio;
    const ArchivioMemoria& am = *archivio;
    const qint32 inizio = std::max<qint32>(1, p.estrazioneInizio);
    const qint32 fine = std::min<qint32>(p.estrazioneFine, am.numeroEstrazioni());
    if (fine < inizio)
        return esito;

    // The code's spia: type, value and positions, read as the characters stand.
    const int tipo = vbCInt(vbVal(vbMid(p.codice, 10, 1)));
    const int valore = vbCInt(vbVal(vbMid(p.codice, 11, 2)));
    std::array<bool, 6> posizioniSpia{};
    for (int q = 1; q <= 5; ++q)
        posizioniSpia[q] = tipo == 0 && vbMid(p.codice, 12 + q, 1) == u"1";

    const Formula metodo(p.codice);
    std::vector<Formula> abbinati;
    const size_t nAbbinati =
        p.codiciAbbinati.size() > 1
            ? std::min<size_t>(p.codiciAbbinati.size() - 1, kMassimoAbbinati)
            : 0;
    for (size_t j = 1; j <= nAbbinati; ++j)
        abbinati.emplace_back(p.codiciAbbinati[j]);

    std::vector<quint8> ammessa(size_t(fine - inizio + 1));
    for (qint32 i = inizio; i <= fine; ++i) {
        const QString d = am.dataTesto(i);
        const QByteArray compatta = (vbMid(d, 1, 2) + vbMid(d, 4, 2) + vbMid(d, 7, 4)).toLatin1();
        ammessa[size_t(i - inizio)] =
            restrizioni.verifica(compatta, char('0' + am.giornoSettimana(i)));
    }
    auto passa = [&](qint32 i) { return ammessa[size_t(i - inizio)] != 0; };

    std::vector<int> ruoteGioco;
    for (int w = 1; w <= kRuote; ++w)
        if (p.ruoteGioco[w])
            ruoteGioco.push_back(w);

    QString ultimaData;
    std::vector<int> a(nAbbinati);
    for (qint32 i = fine; i >= inizio; --i) {
        if (!passaIndice(p, calendario, i) || !passa(i))
            continue;
        if (p.perSortite && esito.casiRilevati >= p.sortite)
            break;
        const quint8* e = am.numeri(i);
        QString ruoteCaso;
        for (int w = 1; w <= kRuote; ++w)
            if (p.ruoteRicerca[w] && spiaSullaRuota(tipo, valore, posizioniSpia, e + (w - 1) * 5))
                ruoteCaso += siglaRuota(w) + u' ';
        if (ruoteCaso.isEmpty())
            continue;
        ++esito.casiRilevati;
        if (qint64(i) + p.colpi > fine)
            ++esito.casiInGioco;

        const int capogioco = metodo.valuta(e);
        for (size_t j = 0; j < nAbbinati; ++j)
            a[j] = abbinati[j].valuta(e);
        distinguiAbbinati(capogioco, a);

        qint32 caso = -1;   // its CasoDettaglio, made at its first win
        bool vinto = false;
        int colpo = 0;
        for (qint32 k = i + 1; k <= fine && capogioco > 0; ++k) {
            if (!passa(k))
                continue;
            ++colpo;
            const quint8* x = am.numeri(k);
            for (int w : ruoteGioco) {
                const quint8* r = x + (w - 1) * 5;
                size_t ultimaVincita = 0;
                bool vincitaRuota = false;
                for (int q = 1; q <= 5; ++q) {
                    if (!p.posizioniValidita[q] || r[q - 1] != capogioco)
                        continue;
                    ++esito.ambate;
                    if (caso < 0) {
                        caso = qint32(esito.casi.size());
                        esito.casi.push_back({i, am.dataTesto(i), ruoteCaso,
                                              testoNumeri(capogioco, testoValidita, a)});
                    }
                    RigaDettaglio riga;
                    riga.tipo = RigaDettaglio::Tipo::Vincita;
                    riga.caso = caso;
                    riga.ruota = quint8(w);
                    riga.colpo = colpo;
                    riga.esito = k;
                    riga.capogioco = qint16(capogioco);
                    const QString& data = esito.casi[size_t(caso)].data;
                    if (data != ultimaData) {
                        esito.righe.push_back(RigaDettaglio{});
                        ultimaData = data;
                    } else {
                        riga.ditto = true;
                    }
                    ultimaVincita = esito.righe.size();
                    esito.righe.push_back(riga);
                    vincitaRuota = true;
                }
                if (!vincitaRuota)
                    continue;
                if (!vinto) {
                    vinto = true;
                    esito.sommaColpi += colpo;
                }
                bool primo = true;
                for (int q = 1; q <= 5; ++q)
                    for (size_t j = 0; j < nAbbinati; ++j) {
                        if (a[j] == 0 || r[q - 1] != a[j])
                            continue;
                        ++esito.ambiSecchi;
                        if (primo) {
                            esito.righe[ultimaVincita].abbinato = qint16(a[j]);
                            primo = false;
                            continue;
                        }
                        RigaDettaglio ambo = esito.righe[ultimaVincita];
                        ambo.tipo = RigaDettaglio::Tipo::Ambo;
                        ambo.ditto = true;
                        ambo.abbinato = qint16(a[j]);
                        esito.righe.push_back(ambo);
                    }
            }
            if (colpo == p.colpi)
                break;
        }
        if (vinto)
            ++esito.casiFavorevoli;
    }
    return esito;
}
