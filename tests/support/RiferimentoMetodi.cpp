#include "RiferimentoMetodi.h"

#include "core/Archivio.h"
#include "core/CalendarioEstrazioni.h"
#include "core/Restrizioni.h"

#include <algorithm>
#include <memory>

namespace {

struct Tabelle {
    qint64 QuantitaA[12][6][90];
    qint64 PresenzeA[12][6][90];
    qint64 QuantitaB[12][6][12][6];
    qint64 PresenzeB[12][6][12][6];
};

const char* const kSigle[12] = {"", "BA", "CA", "FI", "GE", "MI", "NA",
                               "PA", "RO", "TO", "VE", "NZ"};

QString destra(const QString& s, int larghezza)
{
    return s.rightJustified(larghezza, u' ');
}
QString due(int n)
{
    return QString::number(n).rightJustified(2, u'0');
}
QString conSegno(qint64 n)   // Str: a blank before a number that is not negative
{
    return (n >= 0 ? QStringLiteral(" ") : QString()) + QString::number(n);
}
QString termine(int pos, int r)
{
    return conSegno(pos) + QStringLiteral("' su ") + QLatin1String(kSigle[r]);
}

// The visible list's row, its texts written out here.
RigaRisultato riga(qint64 presenze, qint64 quantita, int p1, int r1, int p2, int r2, int K,
                   int T, int v, const QString& maschera, qint32 Casi)
{
    RigaRisultato x;
    const bool a = r2 == 0;
    x.descrizione = a ? termine(p1, r1) + QStringLiteral(" + ") + destra(QString::number(K), 2)
                      : termine(p1, r1) + QStringLiteral(" + ") + termine(p2, r2);
    x.codice = QString::number(p1) + due(r1) + u'+' + (a ? QStringLiteral("000") + due(K)
                                                         : QString::number(p2) + due(r2) + "00")
               + QString::number(T) + due(v) + maschera;
    x.presenzeQuantita = destra(QString::number(presenze), 5) + QStringLiteral(" / ")
                         + destra(QString::number(quantita), 5);
    // Tenths of the percentage, halves rounded up.
    const qint64 decimi = (2000 * presenze + Casi) / (2 * qint64(Casi));
    x.percentuale = destra(QStringLiteral("%1,%2")
                               .arg(decimi / 10, 2, 10, QLatin1Char('0'))
                               .arg(decimi % 10),
                           5)
                    + QStringLiteral(" %");
    x.numero = destra(QString::number(v), 2);
    x.sortite = destra(QString::number(Casi), 4);
    x.presenze = presenze;
    x.quantita = quantita;
    x.casi = Casi;
    x.valore = v;
    return x;
}

// A row of the hidden sorted list; its texts are written when it is copied.
struct RigaOrdin {
    qint64 presenze, quantita;
    int p1, r1, p2, r2, K;   // r2 = 0: family A
};

class Ricerca {
public:
    Ricerca(ArchivioEstrazioni& a, const Restrizioni& r, const CalendarioMensile& c,
            const ParametriRicerca& p)
        : archivio(a), restrizioni(r), cal(c), p(p)
    {
    }

    EsitoRicerca esegui(const ProgressoRicerca& progresso);

private:
    // The number at (wheel, position) of draw i; 0 when it is no number.
    int numero(const RecEstrazione& rec, int w, int pos, qint32 i) const
    {
        const int n = rec.numero(w, pos);
        if (!numeroValido(n) || (w == kNazionale && i < primaNazionale))
            return 0;
        return n;
    }
    bool spiaSullaRuota(const std::array<int, 6>& E, int v) const;
    void valutaCaso(qint32 i, const RecEstrazione& rec);

    ArchivioEstrazioni& archivio;
    const Restrizioni& restrizioni;
    const CalendarioMensile& cal;
    const ParametriRicerca& p;
    qint32 primaNazionale = 0;
    qint32 EstrazioneFine = 0;
    std::array<bool, 6> PosizioniSpia{};
    std::unique_ptr<Tabelle> t = std::make_unique<Tabelle>();
};

bool Ricerca::spiaSullaRuota(const std::array<int, 6>& E, int v) const
{
    if (p.tipoSpia == TipoSpia::Numero) {
        for (int pos = 1; pos <= 5; ++pos)
            if (E[pos] != 0 && E[pos] == v && PosizioniSpia[pos])
                return true;
        return false;
    }
    for (int a = 1; a <= 4; ++a)
        for (int b = a + 1; b <= 5; ++b) {
            if (E[a] == 0 || E[b] == 0)
                continue;
            const int x = p.tipoSpia == TipoSpia::Somma ? SommaFuori90(E[a], E[b])
                                                         : DifferenzaFuori90(E[a], E[b]);
            if (x == v)
                return true;
        }
    return false;
}

void Ricerca::valutaCaso(qint32 i, const RecEstrazione& rec)
{
    int EstrattiCaso[12][6] = {};
    for (int r = 1; r <= 11; ++r)
        for (int pos = 1; pos <= 5; ++pos)
            EstrattiCaso[r][pos] = numero(rec, r, pos, i);
    bool Uscito[91] = {};
    qint64 Conteggio[91] = {};
    int colpo = 0;
    for (qint32 k = i + 1; k <= EstrazioneFine && colpo < p.colpi; ++k) {
        const RecEstrazione d = archivio.leggi(k);
        if (!restrizioni.verifica(d))
            continue;
        ++colpo;
        for (int g = 1; g <= 11; ++g) {
            if (!p.ruoteGioco[g])
                continue;
            for (int pos = 1; pos <= 5; ++pos) {
                if (!p.posizioniValidita[pos])
                    continue;
                const int n = numero(d, g, pos, k);
                if (n == 0)
                    continue;
                Uscito[n] = true;
                Conteggio[n] += 1;
            }
        }
    }
    for (int r = 1; r <= 11; ++r)
        for (int pos = 1; pos <= 5; ++pos)
            for (int K = 0; K <= 89; ++K) {
                if (EstrattiCaso[r][pos] == 0)
                    continue;
                const int n = SommaFuori90(EstrattiCaso[r][pos], K);
                t->QuantitaA[r][pos][K] += Conteggio[n];
                if (Uscito[n])
                    t->PresenzeA[r][pos][K] += 1;
            }
    for (int r1 = 1; r1 <= 10; ++r1)
        for (int p1 = 1; p1 <= 5; ++p1)
            for (int r2 = r1 + 1; r2 <= 11; ++r2)
                for (int p2 = 1; p2 <= 5; ++p2) {
                    if (EstrattiCaso[r1][p1] == 0 || EstrattiCaso[r2][p2] == 0)
                        continue;
                    const int n = SommaFuori90(EstrattiCaso[r1][p1], EstrattiCaso[r2][p2]);
                    t->QuantitaB[r1][p1][r2][p2] += Conteggio[n];
                    if (Uscito[n])
                        t->PresenzeB[r1][p1][r2][p2] += 1;
                }
}

EsitoRicerca Ricerca::esegui(const ProgressoRicerca& progresso)
{
    EsitoRicerca esito;
    primaNazionale = archivio.primaEstrazioneDal(primaDataNazionale());
    const int T = static_cast<int>(p.tipoSpia);
    // The period's end, lowered here by the colpi unless the last draws are checked.
    EstrazioneFine = p.estrazioneFine;
    if (!p.ultimeEstrazioni)
        EstrazioneFine -= p.colpi;

    // The spia values in search order, each with the positions in which it counts.
    struct Valore {
        int v;
        std::array<bool, 6> posizioni;
    };
    std::vector<Valore> ValoriSpia;
    int massimo = 0;
    if (p.numeriUscitiIl) {
        massimo = T == 0 ? 5 : 10;
        int RuotaRicerca = 0;
        for (int w = 11; w >= 1; --w)
            if (p.ruoteRicerca[w])
                RuotaRicerca = w;
        const RecEstrazione data = archivio.leggi(p.estrazioneData);
        int NumeriData[6] = {};
        for (int pos = 1; pos <= 5; ++pos)
            NumeriData[pos] = numero(data, RuotaRicerca, pos, p.estrazioneData);
        if (T == 0) {
            for (int s = 1; s <= 5; ++s) {
                if (NumeriData[s] == 0)
                    continue;   // a missing number is no spia
                std::array<bool, 6> pos{false, true, true, true, true, true};
                if (p.stessaPosizione)
                    for (int k = 1; k <= 5; ++k)
                        pos[k] = k == s;
                ValoriSpia.push_back({NumeriData[s], pos});
            }
        } else {
            for (int a = 1; a <= 4; ++a)
                for (int b = a + 1; b <= 5; ++b) {
                    if (NumeriData[a] == 0 || NumeriData[b] == 0)
                        continue;
                    ValoriSpia.push_back(
                        {T == 1 ? SommaFuori90(NumeriData[a], NumeriData[b])
                                : DifferenzaFuori90(NumeriData[a], NumeriData[b]),
                         {}});
                }
        }
    } else if (p.tuttiIValori) {
        massimo = T == 2 ? 89 : 90;
        for (int v = 1; v <= massimo; ++v)
            ValoriSpia.push_back({v, p.posizioniSpia});
    } else {
        massimo = p.perSortite ? p.sortite : EstrazioneFine - p.estrazioneInizio;
        ValoriSpia.push_back({p.valoreSpia, p.posizioniSpia});
    }
    const bool singolo = !p.tuttiIValori && !p.numeriUscitiIl;
    int valoreProgresso = 0;

    for (size_t s = 0; s < ValoriSpia.size(); ++s) {
        const int v = ValoriSpia[s].v;
        PosizioniSpia = ValoriSpia[s].posizioni;
        QString maschera;
        if (T == 0)
            for (int k = 1; k <= 5; ++k)
                maschera += PosizioniSpia[k] ? u'1' : u'0';
        if (p.tuttiIValori)
            valoreProgresso = v;
        else if (p.numeriUscitiIl)
            valoreProgresso = static_cast<int>(s) + 1;
        std::vector<RigaOrdin> ListViewOrdin;
        *t = Tabelle{};
        qint32 Casi = 0, Sortite = 0;

        for (qint32 i = EstrazioneFine; i >= p.estrazioneInizio; --i) {
            if (progresso && progresso(valoreProgresso, massimo)) {
                esito.interrotta = true;
                return esito;
            }
            if (p.indiceScelto != 0 && !p.numeriUscitiIl) {
                if (p.indiceScelto == p.indiceMassimo + 1) {
                    if (size_t(i) >= cal.UltimaDelMese.size() || !cal.UltimaDelMese[i])
                        continue;
                } else if (size_t(i) >= cal.IndiceMensile.size()
                           || cal.IndiceMensile[i] != p.indiceScelto) {
                    continue;
                }
            }
            const RecEstrazione rec = archivio.leggi(i);
            if (!restrizioni.verifica(rec))
                continue;
            bool caso = false;
            if (singolo && !p.perSortite)
                valoreProgresso = EstrazioneFine - i;
            if (p.perSortite && Casi >= p.sortite)
                break;
            for (int w = 1; w <= 11; ++w) {
                if (!p.ruoteRicerca[w])
                    continue;
                std::array<int, 6> E{};
                for (int pos = 1; pos <= 5; ++pos)
                    E[pos] = numero(rec, w, pos, i);
                if (!spiaSullaRuota(E, v))
                    continue;
                ++Sortite;
                if (caso)
                    continue;
                ++Casi;
                if (singolo && p.perSortite)
                    valoreProgresso = Casi;
                valutaCaso(i, rec);
                caso = true;
            }
        }

        // The hidden list: every formula that scored, then kept in order of
        // presences and quantity, highest first; ties stay in list order.
        for (int r = 1; r <= 11; ++r)
            for (int pos = 1; pos <= 5; ++pos)
                for (int K = 0; K <= 89; ++K)
                    if (t->QuantitaA[r][pos][K] > 0)
                        ListViewOrdin.push_back(
                            {t->PresenzeA[r][pos][K], t->QuantitaA[r][pos][K], pos, r, 0, 0, K});
        for (int r1 = 1; r1 <= 10; ++r1)
            for (int p1 = 1; p1 <= 5; ++p1)
                for (int r2 = r1 + 1; r2 <= 11; ++r2)
                    for (int p2 = 1; p2 <= 5; ++p2)
                        if (t->QuantitaB[r1][p1][r2][p2] > 0)
                            ListViewOrdin.push_back({t->PresenzeB[r1][p1][r2][p2],
                                                     t->QuantitaB[r1][p1][r2][p2], p1, r1, p2,
                                                     r2, 0});
        std::stable_sort(ListViewOrdin.begin(), ListViewOrdin.end(),
                         [](const RigaOrdin& a, const RigaOrdin& b) {
                             return a.presenze > b.presenze
                                    || (a.presenze == b.presenze && a.quantita > b.quantita);
                         });
        // A single value copies rows 1..5; all values those of 1..5 that tie
        // with row 1; the date search rows 1..3 until one differs from row 1.
        const size_t n = std::min<size_t>(p.numeriUscitiIl ? 3 : 5, ListViewOrdin.size());
        for (size_t k = 0; k < n; ++k) {
            const RigaOrdin& r = ListViewOrdin[k];
            const bool pari = r.presenze == ListViewOrdin[0].presenze
                              && r.quantita == ListViewOrdin[0].quantita;
            if (p.numeriUscitiIl && !pari)
                break;
            if (p.tuttiIValori && !pari)
                continue;
            esito.righe.push_back(riga(r.presenze, r.quantita, r.p1, r.r1, r.p2, r.r2, r.K, T, v,
                                       maschera, Casi));
        }
        if (singolo) {
            static const char* const testi[] = {"Casi validi del numero ",
                                                "Casi validi della somma ",
                                                "Casi validi della differenza "};
            esito.testoSortite = QString::fromUtf8(testi[T]) + conSegno(v)
                                 + QStringLiteral(" sulle ruote di ricerca nel periodo considerato: ")
                                 + conSegno(Sortite);
        }
        esito.valori.push_back({v, Casi, Sortite});
    }
    return esito;
}

} // namespace

EsitoRicerca cercaMetodiRiferimento(ArchivioEstrazioni& archivio, const Restrizioni& restrizioni,
                                    const CalendarioMensile& calendario,
                                    const ParametriRicerca& p, const ProgressoRicerca& progresso)
{
    try {
        return Ricerca(archivio, restrizioni, calendario, p).esegui(progresso);
    } catch (const compat::AppError& e) {
        EsitoRicerca esito;
        esito.erroreFile = e;
        return esito;
    }
}

QString differenzaEsiti(const EsitoRicerca& a, const EsitoRicerca& b)
{
    auto riga = [](const RigaRisultato& r) {
        return QStringLiteral("[%1|%2|%3|%4|%5|%6]")
            .arg(r.descrizione, r.presenzeQuantita, r.percentuale, r.numero, r.sortite, r.codice);
    };
    if (a.erroreFile.has_value() != b.erroreFile.has_value())
        return QStringLiteral("file error only on one side");
    if (a.interrotta != b.interrotta)
        return QStringLiteral("stopped only on one side");
    if (a.testoSortite != b.testoSortite)
        return QStringLiteral("line: '%1' vs '%2'").arg(a.testoSortite, b.testoSortite);
    if (a.valori.size() != b.valori.size())
        return QStringLiteral("values: %1 vs %2").arg(a.valori.size()).arg(b.valori.size());
    for (size_t k = 0; k < a.valori.size(); ++k) {
        const EsitoValore &x = a.valori[k], &y = b.valori[k];
        if (x.valore != y.valore || x.casi != y.casi || x.sortite != y.sortite)
            return QStringLiteral("value %1/%2: cases %3 vs %4, appearances %5 vs %6")
                .arg(x.valore)
                .arg(y.valore)
                .arg(x.casi)
                .arg(y.casi)
                .arg(x.sortite)
                .arg(y.sortite);
    }
    const size_t n = std::max(a.righe.size(), b.righe.size());
    for (size_t k = 0; k < n; ++k) {
        const QString x = k < a.righe.size() ? riga(a.righe[k]) : QStringLiteral("(none)");
        const QString y = k < b.righe.size() ? riga(b.righe[k]) : QStringLiteral("(none)");
        if (x != y)
            return QStringLiteral("row %1: %2 vs %3").arg(k + 1).arg(x, y);
    }
    return {};
}
