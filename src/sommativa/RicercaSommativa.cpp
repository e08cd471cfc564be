#include "sommativa/RicercaSommativa.h"

#include "compat/vb.h"
#include "compat/vbformat.h"
#include "core/Esecutore.h"

#include <algorithm>
#include <map>
#include <queue>

using namespace compat;

namespace {

constexpr int kCodici = 55;
constexpr int kCostanti = 90;
constexpr int kFormulePerCoppia = kCostanti * kCostanti;

const char* const kSigle[] = {"BA", "CA", "FI", "GE", "MI", "NA", "PA", "RO", "TO", "VE", "NZ"};

// The constant that turns x into r "fuori 90" (both 1..90).
inline int costante(int r, int x)
{
    const int d = r - x;
    return d < 0 ? d + kCostanti : d;
}

// Position of the code pair (A, B), A < B, among the 1485 pairs, A first.
struct IndiceCoppie {
    std::array<int, kCodici + 1> inizio{};
    IndiceCoppie()
    {
        int k = 0;
        for (int A = 1; A < kCodici; ++A) {
            inizio[A] = k;
            k += kCodici - A;
        }
    }
    int operator()(int A, int B) const { return inizio[A] + (B - A - 1); }
    static constexpr int totale = kCodici * (kCodici - 1) / 2;
};

// One cycle: the numbers of its index draw and the pairs its follow-up draws
// brought out, with how many draws brought each.
struct Ciclo {
    int codici = 0;
    std::array<quint8, kCodici + 1> numeri{};
    struct Coppia {
        quint8 a, b;
        quint16 volte;
    };
    std::vector<Coppia> coppie;
    // How many follow-up draws brought out x and y (either order).
    int volte(int x, int y) const
    {
        if (x > y)
            std::swap(x, y);
        // The pairs stand in ascending order.
        const auto it = std::lower_bound(coppie.begin(), coppie.end(), std::pair(x, y),
                                         [](const Coppia& c, std::pair<int, int> v) {
                                             return std::pair<int, int>(c.a, c.b) < v;
                                         });
        return it != coppie.end() && it->a == x && it->b == y ? it->volte : 0;
    }
};

bool codiciCompleti(const ArchivioMemoria& a, qint32 i, int n)
{
    const quint8* v = a.numeri(i);
    return std::all_of(v, v + n, [](quint8 x) { return x >= 1; });
}

// The pairs brought out on `ruota` by draws i + 1 .. i + colpi; a draw with a
// missing number brings none. Equal numbers in a draw count as they stand.
std::vector<Ciclo::Coppia> coppieUscite(const ArchivioMemoria& a, int ruota, qint32 i, int colpi)
{
    std::array<quint16, 91 * 91> volte{};
    for (qint32 j = i + 1; j <= i + colpi; ++j) {
        std::array<int, 5> v;
        for (int p = 1; p <= 5; ++p)
            v[p - 1] = a.numero(j, ruota, p);
        if (*std::min_element(v.begin(), v.end()) < 1)
            continue;
        std::sort(v.begin(), v.end());
        for (int p = 0; p < 5; ++p)
            for (int q = p + 1; q < 5; ++q)
                ++volte[v[p] * 91 + v[q]];
    }
    std::vector<Ciclo::Coppia> coppie;
    for (int x = 1; x <= 90; ++x)
        for (int y = x + 1; y <= 90; ++y)
            if (volte[x * 91 + y] > 0)
                coppie.push_back({quint8(x), quint8(y), volte[x * 91 + y]});
    return coppie;
}

// Rank key: more positives first, then the order A, k1, B, k2.
struct Candidato {
    int positivi;
    int A, k1, B, k2;
    int quantita;
};
bool migliore(const Candidato& x, const Candidato& y)
{
    if (x.positivi != y.positivi)
        return x.positivi > y.positivi;
    return std::tie(x.A, x.k1, x.B, x.k2) < std::tie(y.A, y.k1, y.B, y.k2);
}

QString percentuale(int parte, int tutto)
{
    return vbFormat(double(parte), u"@@@") + QStringLiteral("  (")
           + vbFormat(double(parte) / double(tutto), u"#0.00%") + QStringLiteral(")");
}

QString coppiaTesto(int n1, int n2)
{
    return vbFormat(double(n1), u"@@") + QStringLiteral(" - ") + vbFormat(double(n2), u"@@")
           + QStringLiteral("  ");
}

// Adds "(n)" to every text whose pair (either order) is played by n > 1 of them.
void segnaRipetute(std::vector<QString*>& testi, const std::vector<std::pair<int, int>>& coppie)
{
    std::map<std::pair<int, int>, int> conta;
    for (const auto& c : coppie)
        if (c.first > 0 && c.second > 0)
            ++conta[std::minmax(c.first, c.second)];
    for (size_t r = 0; r < testi.size(); ++r) {
        const auto& c = coppie[r];
        if (c.first <= 0 || c.second <= 0)
            continue;
        const int n = conta[std::minmax(c.first, c.second)];
        if (n > 1)
            *testi[r] += QStringLiteral("(") + QString::number(n) + QStringLiteral(")");
    }
}

} // namespace

QString DescriviAlgoritmo(int codice, int k)
{
    if (codice < 1 || codice > kCodici)
        return {};
    QString s = QString::number((codice - 1) % 5 + 1) + QStringLiteral("' su ")
                + QLatin1String(kSigle[(codice - 1) / 5]);
    if (k > 0)
        s += QStringLiteral(" + ") + QString::number(k);
    return s;
}

int numeroCodici(const ArchivioMemoria& a, qint32 i)
{
    return i >= a.primaEstrazioneRuota(11) ? 55 : 50;
}

bool eIndice(const CalendarioMensile& c, SceltaIndice s, qint32 i)
{
    if (i < 1)
        return false;
    if (s.ultima())
        return size_t(i) < c.UltimaDelMese.size() && c.UltimaDelMese[size_t(i)];
    return size_t(i) < c.IndiceMensile.size() && c.IndiceMensile[size_t(i)] == s.indice;
}

QString EsitoInizio::messaggio() const
{
    switch (errore) {
    case Errore::IndiciInsufficienti:
        return QStringLiteral(
            "Numero estrazioni insufficiente o quantitativo di indici mensili non disponibile.");
    case Errore::RuotaInsufficiente:
        return QStringLiteral("Numero estrazioni insufficiente per la ruota selezionata.");
    case Errore::Nessuno: break;
    }
    return {};
}

EsitoInizio calcolaNumeroIniziale(const CalendarioMensile& c, SceltaIndice s, qint32 fine,
                                  int colpi, int cicli, qint32 primaEstrazioneRuota)
{
    EsitoInizio e;
    if (s.indice >= 1 && s.indice <= s.indiceMassimo + 1) {
        qint32 j = fine;
        while (j >= 1 && !(eIndice(c, s, j) && j + colpi <= fine))
            --j;
        int contati = j >= 1 ? 1 : 0;
        qint32 m = j - 1;
        while (j >= 1 && contati < cicli && m >= 1) {
            if (eIndice(c, s, m))
                ++contati;
            if (contati < cicli)
                --m;
        }
        if (j < 1 || contati < cicli) {
            e.errore = EsitoInizio::Errore::IndiciInsufficienti;
            return e;
        }
        e.inizio = cicli == 1 ? j : m;
    }
    if (primaEstrazioneRuota > e.inizio) {
        e.errore = EsitoInizio::Errore::RuotaInsufficiente;
        e.inizio = 0;
    }
    return e;
}

QString codiceFormula(int A, int k1, int B, int k2)
{
    return QString::asprintf("%02d%02d%02d%02d", A, k1, B, k2);
}

bool leggiCodiceFormula(const QString& codice, int& A, int& k1, int& B, int& k2)
{
    if (codice.size() != 8
        || !std::all_of(codice.begin(), codice.end(), [](QChar ch) { return ch.isDigit(); }))
        return false;
    A = codice.mid(0, 2).toInt();
    k1 = codice.mid(2, 2).toInt();
    B = codice.mid(4, 2).toInt();
    k2 = codice.mid(6, 2).toInt();
    return A >= 1 && A < B && B <= kCodici && k1 < kCostanti && k2 < kCostanti;
}

EsitoSommativa cercaSommativa(const ArchivioMemoria& a, const CalendarioMensile& c,
                              const ParametriSommativa& p, const ProgressoSommativa& progresso)
{
    EsitoSommativa esito;
    const qint32 n = a.numeroEstrazioni();
    // The counters hold what inputs within their boxes' ranges can reach.
    if (p.colpi < 1 || p.colpi > kMassimoColpi || p.cicli < 1 || p.cicli > kMassimoCicli
        || p.ruota < 1 || p.ruota > 11)
        return esito;

    // The cycles: index draws with all their codes, whose follow-up draws are stored.
    std::vector<Ciclo> cicli;
    for (qint32 i = std::max(p.inizio, 1); i <= std::min(p.fine, n); ++i) {
        if (!eIndice(c, p.indice, i))
            continue;
        const int codici = numeroCodici(a, i);
        if (!codiciCompleti(a, i, codici) || i + p.colpi > n)
            continue;
        Ciclo ciclo;
        ciclo.codici = codici;
        std::copy_n(a.numeri(i), codici, ciclo.numeri.begin() + 1);
        ciclo.coppie = coppieUscite(a, p.ruota, i, p.colpi);
        cicli.push_back(std::move(ciclo));
        if (int(cicli.size()) == p.cicli)
            break;
    }
    esito.cicli = int(cicli.size());
    if (cicli.empty())
        return esito;

    // Per code pair (A, B) the 90 x 90 formulas (k1, k2) lie together: for a
    // pair (x, y) brought out in a cycle exactly one k1 gives x from A and one
    // k2 gives y from B, so a cycle touches two formulas per pair brought out.
    // Only the positives are counted for every formula; the quantity is summed
    // for the ranked ones alone.
    const IndiceCoppie indice;
    std::vector<quint8> positivi(size_t(IndiceCoppie::totale) * kFormulePerCoppia, 0);
    // The cycles are counted one after another, so that the progress tells
    // the cycles done; within a cycle each first code A is a unit of the
    // runner, its code pairs (A, B) being its own part of the table.
    const int ncicli = int(cicli.size());
    auto fermata = [&] {
        esito.interrotta = true;
        esito.cicli = 0;
        return esito;
    };
    for (int c = 0; c < ncicli; ++c) {
        // Asked before each cycle, so that a short run can be stopped too.
        if (progresso && progresso(c, ncicli))
            return fermata();
        const Ciclo& ci = cicli[size_t(c)];
        // The constant that gives each pair's first (second) number from code
        // C's number: a row offset when C is A, a column when C is B.
        std::array<std::vector<quint8>, kCodici + 1> perPrimo, perSecondo;
        for (int C = 1; C <= ci.codici; ++C)
            for (const Ciclo::Coppia& cp : ci.coppie) {
                perPrimo[C].push_back(quint8(costante(cp.a, ci.numeri[C])));
                perSecondo[C].push_back(quint8(costante(cp.b, ci.numeri[C])));
            }
        const size_t np = ci.coppie.size();
        auto calcola = [&](int unita, ContestoUnita& contesto) {
            const int A = unita + 1;
            if (A >= ci.codici)
                return true;
            std::vector<quint16> riga1(np), riga2(np);
            for (size_t j = 0; j < np; ++j) {
                riga1[j] = quint16(perPrimo[A][j] * kCostanti);
                riga2[j] = quint16(perSecondo[A][j] * kCostanti);
            }
            for (int B = A + 1; B <= ci.codici; ++B) {
                if (contesto.fermato())
                    return false;
                quint8* blocco = &positivi[size_t(indice(A, B)) * kFormulePerCoppia];
                const quint8* c1 = perPrimo[B].data();
                const quint8* c2 = perSecondo[B].data();
                for (size_t j = 0; j < np; ++j) {
                    ++blocco[riga1[j] + c2[j]];
                    ++blocco[riga2[j] + c1[j]];
                }
            }
            return true;
        };
        std::function<bool(const Avanzamento&)> avanzamento;
        if (progresso)
            avanzamento = [&](const Avanzamento&) { return progresso(c, ncicli); };
        OpzioniEsecuzione opzioni;
        opzioni.lavoratori = p.lavoratori;
        if (esegui(kCodici - 1, calcola, avanzamento, opzioni) < kCodici - 1)
            return fermata();
    }
    if (progresso && progresso(ncicli, ncicli))
        return fermata();

    // The best quanti, worst of them on top.
    auto peggiore = [](const Candidato& x, const Candidato& y) { return migliore(x, y); };
    std::priority_queue<Candidato, std::vector<Candidato>, decltype(peggiore)> scelti(peggiore);
    const size_t quanti = size_t(std::clamp(p.quanti, 0, kMassimoQuanti));
    if (quanti > 0) {
        for (int A = 1; A < kCodici; ++A) {
            for (int B = A + 1; B <= kCodici; ++B) {
                const size_t base = size_t(indice(A, B)) * kFormulePerCoppia;
                for (int e = 0; e < kFormulePerCoppia; ++e) {
                    const int v = positivi[base + size_t(e)];
                    if (v == 0 || (scelti.size() == quanti && v < scelti.top().positivi))
                        continue;
                    const Candidato cand{v, A, e / kCostanti, B, e % kCostanti, 0};
                    if (scelti.size() < quanti) {
                        scelti.push(cand);
                    } else if (migliore(cand, scelti.top())) {
                        scelti.pop();
                        scelti.push(cand);
                    }
                }
            }
        }
    }
    std::vector<Candidato> ordinati;
    while (!scelti.empty()) {
        ordinati.push_back(scelti.top());
        scelti.pop();
    }
    std::reverse(ordinati.begin(), ordinati.end());
    for (Candidato& f : ordinati)
        for (const Ciclo& ci : cicli)
            if (f.B <= ci.codici)
                f.quantita += ci.volte(SommaFuori90(ci.numeri[f.A], f.k1),
                                       SommaFuori90(ci.numeri[f.B], f.k2));

    // The numbers of each formula on the latest complete index draw.
    qint32 ultima = 0;
    for (qint32 j = n; j >= 1 && ultima == 0; --j)
        if (eIndice(c, p.indice, j) && codiciCompleti(a, j, kCodici))
            ultima = j;

    std::vector<std::pair<int, int>> giocati;
    for (const Candidato& f : ordinati) {
        RigaSommativa r;
        r.A = f.A;
        r.k1 = f.k1;
        r.B = f.B;
        r.k2 = f.k2;
        r.positivi = f.positivi;
        r.quantita = f.quantita;
        r.algoritmo = DescriviAlgoritmo(f.A, f.k1) + QStringLiteral("  e  ")
                      + DescriviAlgoritmo(f.B, f.k2);
        r.codice = codiceFormula(f.A, f.k1, f.B, f.k2);
        r.casiPositivi = percentuale(f.positivi, esito.cicli);
        const int negativi = esito.cicli - f.positivi;
        r.casiNegativi = negativi > 0 ? percentuale(negativi, esito.cicli) : QStringLiteral("  --");
        r.testoQuantita = vbFormat(double(f.quantita), u"@@@@@");
        if (ultima > 0) {
            const int n1 = SommaFuori90(a.numeri(ultima)[f.A - 1], f.k1);
            const int n2 = SommaFuori90(a.numeri(ultima)[f.B - 1], f.k2);
            r.numeriAl = coppiaTesto(n1, n2);
            giocati.push_back({n1, n2});
        } else {
            r.numeriAl = QStringLiteral("   --");
            giocati.push_back({0, 0});
        }
        esito.righe.push_back(std::move(r));
    }
    if (ultima > 0 && !esito.righe.empty())
        esito.intestazioneNumeri = QStringLiteral("Numeri al ") + a.dataTesto(ultima);
    std::vector<QString*> testi;
    for (RigaSommativa& r : esito.righe)
        testi.push_back(&r.numeriAl);
    segnaRipetute(testi, giocati);
    return esito;
}

QString EsitoDettaglio::messaggio() const
{
    switch (errore) {
    case Errore::IntervalloInvertito: return QStringLiteral("Data inizio maggiore data fine");
    case Errore::CodiceMancante:
        return QStringLiteral("Manca identificativo algoritmo - Calcolo impossibile!");
    case Errore::Nessuno: break;
    }
    return {};
}

EsitoDettaglio dettaglioSommativa(const ArchivioMemoria& arch, const CalendarioMensile& c,
                                  SceltaIndice s, int ruota, int colpi, qint32 da, qint32 a,
                                  const QString& codice)
{
    EsitoDettaglio esito;
    if (a < da) {
        esito.errore = EsitoDettaglio::Errore::IntervalloInvertito;
        return esito;
    }
    int A, k1, B, k2;
    if (!leggiCodiceFormula(codice, A, k1, B, k2)) {
        esito.errore = EsitoDettaglio::Errore::CodiceMancante;
        return esito;
    }
    a = std::min(a, arch.numeroEstrazioni());
    std::vector<std::pair<int, int>> giocati;
    for (qint32 i = std::max(da, 1); i <= a; ++i) {
        if (i + colpi > a)
            break;
        if (i < kInizioMinimoSommativa || !eIndice(c, s, i))
            continue;
        RigaDettaglioSommativa r;
        r.data = arch.dataTesto(i);
        const int codici = numeroCodici(arch, i);
        // A formula on a Nazionale code has no numbers before that wheel's first draw.
        if (!codiciCompleti(arch, i, codici) || B > codici) {
            esito.righe.push_back(r);
            giocati.push_back({0, 0});
            continue;
        }
        const int n1 = SommaFuori90(arch.numeri(i)[A - 1], k1);
        const int n2 = SommaFuori90(arch.numeri(i)[B - 1], k2);
        r.numeri = coppiaTesto(n1, n2);
        giocati.push_back({n1, n2});
        if (n1 == n2) {
            r.esito = QStringLiteral("Non giocabile");
            esito.righe.push_back(r);
            continue;
        }
        QString colpiVincenti;
        for (int k = 1; k <= colpi; ++k) {
            bool c1 = false, c2 = false, completa = true;
            for (int p = 1; p <= 5; ++p) {
                const int v = arch.numero(i + k, ruota, p);
                completa = completa && v >= 1;
                c1 = c1 || v == n1;
                c2 = c2 || v == n2;
            }
            // As in the search, a draw with a missing number brings out no pair.
            if (completa && c1 && c2)
                colpiVincenti += QString::number(k) + QStringLiteral("' ");
        }
        r.esito = colpiVincenti.isEmpty() ? QStringLiteral("Negativo ")
                                          : QStringLiteral("Positivo ") + colpiVincenti
                                                + QStringLiteral("colpo");
        esito.righe.push_back(r);
    }
    std::vector<QString*> testi;
    for (RigaDettaglioSommativa& r : esito.righe)
        testi.push_back(&r.numeri);
    segnaRipetute(testi, giocati);
    return esito;
}
