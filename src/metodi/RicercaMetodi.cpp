#include "metodi/RicercaMetodi.h"

#include "compat/vb.h"
#include "compat/vbformat.h"
#include "core/Archivio.h"
#include "core/ArchivioMemoria.h"
#include "core/CalendarioEstrazioni.h"
#include "core/Esecutore.h"
#include "core/Restrizioni.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <limits>
#include <memory>

#if defined(__GNUC__) && defined(__x86_64__)
#include <immintrin.h>
#endif

using compat::vbFormat;
using compat::vbStr;

// ---------------------------------------------------------------------------
// Input checks and texts

ControlloRicerca controllaPosizioni(const ParametriRicerca& p)
{
    using E = ControlloRicerca::Errore;
    ControlloRicerca c;
    if (mascheraPosizioni(p.posizioniSpia) == u"00000") {
        c.errore = E::PosizioneSpia;
        c.messaggio = QStringLiteral("Scegliere almeno una posizione estrattiva !");
    } else if (!p.posizioniValidita[0]) {
        c.errore = E::PosizioneValidita;
        c.messaggio = QStringLiteral("Scegliere almeno una posizione validità algoritmo !");
    }
    return c;
}

ControlloRicerca controllaParametri(ParametriRicerca& p)
{
    using E = ControlloRicerca::Errore;
    using F = ControlloRicerca::Fuoco;
    ControlloRicerca c;
    auto rifiuta = [&](E e, QString testo, F fuoco) {
        c.errore = e;
        c.messaggio = std::move(testo);
        c.fuoco = fuoco;
        return c;
    };
    if (p.colpi < 1)
        return rifiuta(E::Colpi, QStringLiteral("Inserire il n. di colpi di gioco !"), F::Colpi);
    if (!p.ultimeEstrazioni)
        p.estrazioneFine -= p.colpi;
    if (p.estrazioneFine < p.estrazioneInizio || p.estrazioneFine < 1)
        return rifiuta(E::Periodo,
                       QStringLiteral("Data finale minore della data iniziale oppure n. di "
                                      "estrazioni insufficienti!"),
                       F::Nessuno);
    if (std::count(p.ruoteRicerca.begin() + 1, p.ruoteRicerca.end(), true) < 1)
        return rifiuta(E::RuotaRicerca, QStringLiteral("Scegliere almeno una ruota di ricerca !"),
                       F::Nessuno);
    if (!p.tuttiIValori && p.valoreSpia < 1) {
        static const char* const testi[] = {"Inserire il numero spia !",
                                            "Inserire la somma spia !",
                                            "Inserire la differenza spia !"};
        return rifiuta(E::ValoreSpia, QString::fromUtf8(testi[static_cast<int>(p.tipoSpia)]),
                       F::Numero);
    }
    // From here on the window has already emptied its result lists.
    c.risultatiPuliti = true;
    if (p.perSortite && p.sortite < 1)
        return rifiuta(E::Sortite, QStringLiteral("Inserire il n. di sortite da ricercare!"),
                       F::Sortite);
    if (!p.tuttiIValori && p.tipoSpia == TipoSpia::Differenza && p.valoreSpia == 90) {
        rifiuta(E::DifferenzaNonPermessa, QStringLiteral("Differenza non permessa."), F::Numero);
        c.esclamativo = false;
        return c;
    }
    c.risultatiPuliti = false;
    return c;
}

std::vector<int> valoriSpia(const ParametriRicerca& p)
{
    if (!p.tuttiIValori)
        return {p.valoreSpia};
    std::vector<int> v(p.tipoSpia == TipoSpia::Differenza ? 89 : 90);
    for (size_t i = 0; i < v.size(); ++i)
        v[i] = static_cast<int>(i) + 1;
    return v;
}

int massimoProgresso(const ParametriRicerca& p)
{
    if (p.tuttiIValori)
        return p.tipoSpia == TipoSpia::Differenza ? 89 : 90;
    return p.perSortite ? p.sortite : p.estrazioneFine - p.estrazioneInizio;
}

QString testoSortite(TipoSpia tipo, int valore, qint32 sortite)
{
    static const char* const testi[] = {"Casi validi del numero ", "Casi validi della somma ",
                                        "Casi validi della differenza "};
    return QString::fromUtf8(testi[static_cast<int>(tipo)]) + vbStr(valore)
           + QStringLiteral(" sulle ruote di ricerca nel periodo considerato: ") + vbStr(sortite);
}

RigaRisultato rigaRisultato(const QString& descrizione, const QString& codice, qint64 presenze,
                            qint64 quantita, qint32 casi, int valore)
{
    RigaRisultato r;
    r.descrizione = descrizione;
    r.presenzeQuantita = vbFormat(static_cast<double>(presenze), u"@@@@@") + QStringLiteral(" / ")
                         + vbFormat(static_cast<double>(quantita), u"@@@@@");
    r.percentuale = vbFormat(vbFormat(static_cast<double>(presenze) * 100.0 / casi, u"00.0"),
                             u"@@@@@")
                    + QStringLiteral(" %");
    r.numero = vbFormat(valore, u"@@");
    r.sortite = vbFormat(casi, u"@@@@");
    r.codice = codice;
    r.presenze = presenze;
    r.quantita = quantita;
    r.casi = casi;
    r.valore = valore;
    return r;
}

// ---------------------------------------------------------------------------
// The fast engine

namespace {

constexpr int kTermini = 55;       // wheel x position, (w - 1) * 5 + (p - 1)
constexpr int kCorsia = 96;        // family A row: 90 constants, padded to whole vectors
constexpr int kFormuleA = kTermini * kCorsia;
constexpr int kFormuleB = 1375;
constexpr int kConteggi = 96;      // counts of numbers 1..90 at 0..89, then zeros
constexpr int kAssente = 181;      // a missing second term reads W[e1 + 181]: always 0
constexpr int kBuffer = 288;       // W[0..287]; 181..287 stay 0
constexpr quint32 kLimite16 = 65535;

// The scores of one spia value. A case's colpi are first laid out as W over
// 1..180: W[n] and W[n + 90] hold the count of n in the colpi (low half) and
// whether it came out (high half), so that a formula e + K or e1 + e2 reads W
// at that sum with no wrap-around, and one addition scores both presences and
// quantity. The packed accumulators are emptied into the 64-bit totals before
// a case could make a half overflow.
struct Punteggi {
    alignas(64) quint32 a[kFormuleA];
    alignas(64) quint32 b[kFormuleB + 8];   // a vector may run past a row, adding 0
    alignas(64) quint32 w[kBuffer];
    alignas(64) qint32 secondo[64];         // W offset of each term, kAssente when missing
    qint64 quantitaA[kFormuleA];
    qint64 presenzeA[kFormuleA];
    qint64 quantitaB[kFormuleB];
    qint64 presenzeB[kFormuleB];
    quint32 sommaMassimi = 0;
    quint32 casiDaScarico = 0;

    void azzera()
    {
        std::memset(a, 0, sizeof a);
        std::memset(b, 0, sizeof b);
        std::memset(w, 0, sizeof w);
        std::fill(std::begin(secondo), std::end(secondo), kAssente);
        std::memset(quantitaA, 0, sizeof quantitaA);
        std::memset(presenzeA, 0, sizeof presenzeA);
        std::memset(quantitaB, 0, sizeof quantitaB);
        std::memset(presenzeB, 0, sizeof presenzeB);
        sommaMassimi = 0;
        casiDaScarico = 0;
    }

    void scarica()
    {
        for (int f = 0; f < kFormuleA; ++f) {
            quantitaA[f] += a[f] & 0xFFFFu;
            presenzeA[f] += a[f] >> 16;
        }
        for (int f = 0; f < kFormuleB; ++f) {
            quantitaB[f] += b[f] & 0xFFFFu;
            presenzeB[f] += b[f] >> 16;
        }
        std::memset(a, 0, sizeof a);
        std::memset(b, 0, sizeof b);
        sommaMassimi = 0;
        casiDaScarico = 0;
    }
};

// One case, portable: `e` its 55 numbers (0 = none), `c` its colpi's counts.
void sommaCasoPortabile(Punteggi& s, const quint8* e, const quint32* c)
{
    for (int n = 1; n <= 90; ++n)
        s.w[n] = s.w[n + 90] = c[n - 1] | (c[n - 1] ? 0x10000u : 0u);
    for (int t = 0; t < kTermini; ++t)
        s.secondo[t] = e[t] ? e[t] : kAssente;
    // Family A: every term e adds W[e .. e + 89] to its row of constants.
    for (int t = 0; t < kTermini; ++t) {
        if (!e[t])
            continue;
        quint32* riga = s.a + t * kCorsia;
        const quint32* sorgente = s.w + e[t];
        for (int k = 0; k < 90; ++k)
            riga[k] += sorgente[k];
    }
    // Family B: a term of wheel r1 with every term of wheels r1 + 1..11.
    int base = 0;
    for (int t1 = 0; t1 < 50; ++t1) {
        const int primo = (t1 / 5 + 1) * 5;
        const int quanti = kTermini - primo;
        if (e[t1]) {
            const quint32* sorgente = s.w + e[t1];
            for (int t = 0; t < quanti; ++t)
                s.b[base + t] += sorgente[s.secondo[primo + t]];
        }
        base += quanti;
    }
}

#if defined(__GNUC__) && defined(__x86_64__)
#define QV_AVX2 1

bool conAvx2()
{
    static const bool si = __builtin_cpu_supports("avx2");
    return si;
}

// The same with 8-lane vectors and gathers.
__attribute__((target("avx2"))) void sommaCasoAvx2(Punteggi& s, const quint8* e,
                                                   const quint32* c)
{
    const __m256i zero = _mm256_setzero_si256();
    const __m256i uscito = _mm256_set1_epi32(0x10000);
    // W[1..96], then W[91..186]: the second pass puts numbers 1..6 over the
    // padding at 91..96 and the padding at 181..186.
    for (int copia = 1; copia <= 91; copia += 90)
        for (int k = 0; k < kConteggi; k += 8) {
            __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(c + k));
            x = _mm256_or_si256(x, _mm256_andnot_si256(_mm256_cmpeq_epi32(x, zero), uscito));
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(s.w + copia + k), x);
        }
    for (int t = 0; t < kTermini; ++t)
        s.secondo[t] = e[t] ? e[t] : kAssente;

    for (int t = 0; t < kTermini; ++t) {
        if (!e[t])
            continue;
        quint32* riga = s.a + t * kCorsia;
        const quint32* sorgente = s.w + e[t];
        for (int k = 0; k < kCorsia; k += 8) {
            auto* r = reinterpret_cast<__m256i*>(riga + k);
            _mm256_store_si256(
                r, _mm256_add_epi32(_mm256_load_si256(r),
                                    _mm256_loadu_si256(
                                        reinterpret_cast<const __m256i*>(sorgente + k))));
        }
    }
    int base = 0;
    for (int t1 = 0; t1 < 50; ++t1) {
        const int primo = (t1 / 5 + 1) * 5;
        const int quanti = kTermini - primo;
        if (e[t1]) {
            const int* sorgente = reinterpret_cast<const int*>(s.w + e[t1]);
            // Past the row's end the offsets are kAssente: the next row gets 0 added.
            for (int t = 0; t < quanti; t += 8) {
                const __m256i indici =
                    _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s.secondo + primo + t));
                auto* r = reinterpret_cast<__m256i*>(s.b + base + t);
                _mm256_storeu_si256(r, _mm256_add_epi32(_mm256_loadu_si256(r),
                                                        _mm256_i32gather_epi32(sorgente, indici,
                                                                               4)));
            }
        }
        base += quanti;
    }
}
#endif

void sommaCaso(Punteggi& s, const quint8* e, const quint32* c, bool vettoriale)
{
#ifdef QV_AVX2
    if (vettoriale && conAvx2()) {
        sommaCasoAvx2(s, e, c);
        return;
    }
#endif
    (void)vettoriale;
    sommaCasoPortabile(s, e, c);
}

// A case whose counts do not fit the 16-bit halves goes straight to the totals.
void sommaDiretta(Punteggi& s, const quint8* e, const quint32* c)
{
    auto n = [](int x) { return x > 90 ? x - 90 : x; };
    for (int t = 0; t < kTermini; ++t) {
        if (!e[t])
            continue;
        for (int k = 0; k < 90; ++k) {
            const quint32 q = c[n(e[t] + k) - 1];
            s.quantitaA[t * kCorsia + k] += q;
            s.presenzeA[t * kCorsia + k] += q ? 1 : 0;
        }
    }
    int f = 0;
    for (int t1 = 0; t1 < 50; ++t1) {
        const int r1 = t1 / 5 + 1;
        for (int t2 = r1 * 5; t2 < kTermini; ++t2, ++f) {
            if (!e[t1] || !e[t2])
                continue;
            const quint32 q = c[n(e[t1] + e[t2]) - 1];
            s.quantitaB[f] += q;
            s.presenzeB[f] += q ? 1 : 0;
        }
    }
}

// The period read once: numbers (0 = no number), which draws may be cases,
// and for those the counts of each number over their colpi.
struct Periodo {
    qint32 inizio = 1;
    qint32 fine = 0;
    int n = 0;
    std::vector<quint8> numeri;       // n x 55
    std::vector<quint8> candidata;    // passes restrictions and the monthly filter
    std::unique_ptr<quint32[]> conteggi;   // n x kConteggi, written for candidates only
    std::vector<quint32> massimo;     // largest count of each candidate's window
};

struct Caso {
    qint32 indice;     // draw - inizio
    qint32 sortite;    // search wheels on which the spia came out
};

bool passaFiltroMensile(const ParametriRicerca& p, const CalendarioMensile& cal, qint32 i)
{
    if (p.indiceScelto == 0)
        return true;
    // A draw stored after the window built its monthly index has no index: it never matches.
    if (p.indiceScelto == p.indiceMassimo + 1)
        return i >= 0 && static_cast<size_t>(i) < cal.UltimaDelMese.size() && cal.UltimaDelMese[i];
    return i >= 0 && static_cast<size_t>(i) < cal.IndiceMensile.size()
           && cal.IndiceMensile[i] == p.indiceScelto;
}

void preparaPeriodo(Periodo& per, const ArchivioMemoria& archivio, const Restrizioni& restrizioni,
                    const CalendarioMensile& cal, const ParametriRicerca& p)
{
    per.inizio = std::max<qint32>(1, p.estrazioneInizio);
    per.fine = std::min<qint32>(p.estrazioneFine, archivio.numeroEstrazioni());
    per.n = std::max<qint32>(0, per.fine - per.inizio + 1);
    if (per.n == 0)
        return;

    // The view already reads numbers above 90, and the Nazionale's before its
    // first draw, as missing.
    per.numeri.assign(archivio.numeri(per.inizio), archivio.numeri(per.fine) + kTermini);
    per.candidata.assign(per.n, 0);
    std::vector<quint8> ammessa(per.n, 0);
    for (int j = 0; j < per.n; ++j) {
        const qint32 i = per.inizio + j;
        ammessa[j] = restrizioni.verifica(archivio.dataCompatta(i),
                                          static_cast<char>('0' + archivio.giornoSettimana(i)));
        per.candidata[j] = ammessa[j] && passaFiltroMensile(p, cal, i);
    }

    // Windows, from the end backwards: the allowed draws after i, nearest first.
    std::array<int, kTermini> gioco{};
    int nGioco = 0;
    for (int w = 1; w <= kRuote; ++w)
        for (int pos = 1; pos <= 5; ++pos)
            if (p.ruoteGioco[w] && p.posizioniValidita[pos])
                gioco[nGioco++] = (w - 1) * 5 + pos - 1;
    auto aggiungi = [&](std::array<quint32, 91>& c, int j, int segno) {
        const quint8* e = &per.numeri[size_t(j) * kTermini];
        for (int g = 0; g < nGioco; ++g)
            if (e[gioco[g]])
                c[e[gioco[g]]] += segno;
    };
    per.conteggi.reset(new quint32[size_t(per.n) * kConteggi]);
    per.massimo.assign(per.n, 0);
    std::array<quint32, 91> correnti{};
    std::vector<int> finestra(per.n);   // ring of allowed draws, nearest at `testa`
    int testa = per.n, lunghezza = 0;
    for (int j = per.n - 1; j >= 0; --j) {
        if (per.candidata[j]) {
            quint32* c = &per.conteggi[size_t(j) * kConteggi];
            std::copy(correnti.begin() + 1, correnti.end(), c);
            std::fill(c + 90, c + kConteggi, 0u);
            per.massimo[j] = *std::max_element(correnti.begin() + 1, correnti.end());
        }
        if (ammessa[j] && p.colpi > 0) {
            finestra[--testa] = j;
            ++lunghezza;
            aggiungi(correnti, j, 1);
            if (lunghezza > p.colpi) {
                aggiungi(correnti, finestra[testa + lunghezza - 1], -1);
                --lunghezza;
            }
        }
    }
}

// For each draw, from the end backwards, the values whose spia came out on it.
std::vector<std::vector<Caso>> trovaCasi(const Periodo& per, const ParametriRicerca& p,
                                         const std::vector<int>& valori)
{
    std::array<int, 91> posto{};   // value -> its list, -1 when not searched
    posto.fill(-1);
    for (size_t k = 0; k < valori.size(); ++k)
        if (valori[k] >= 1 && valori[k] <= 90)
            posto[valori[k]] = static_cast<int>(k);
    std::vector<std::vector<Caso>> casi(valori.size());

    std::array<qint32, 91> colpiti{};
    std::array<int, 91> trovati{};
    std::array<quint8, 91> visto{};
    for (int j = per.n - 1; j >= 0; --j) {
        if (!per.candidata[j])
            continue;
        const quint8* e = &per.numeri[size_t(j) * kTermini];
        int nTrovati = 0;
        for (int w = 1; w <= kRuote; ++w) {
            if (!p.ruoteRicerca[w])
                continue;
            const quint8* x = e + (w - 1) * 5;
            int nRuota = 0;
            std::array<int, 10> ruota;
            auto segna = [&](int v) {
                if (v >= 1 && v <= 90 && !visto[v]) {
                    visto[v] = 1;
                    ruota[nRuota++] = v;
                }
            };
            if (p.tipoSpia == TipoSpia::Numero) {
                for (int q = 0; q < 5; ++q)
                    if (x[q] && p.posizioniSpia[q + 1])
                        segna(x[q]);
            } else {
                for (int a = 0; a < 4; ++a)
                    for (int b = a + 1; b < 5; ++b)
                        if (x[a] && x[b])
                            segna(p.tipoSpia == TipoSpia::Somma ? SommaFuori90(x[a], x[b])
                                                                : DifferenzaFuori90(x[a], x[b]));
            }
            for (int k = 0; k < nRuota; ++k) {
                visto[ruota[k]] = 0;
                if (colpiti[ruota[k]]++ == 0)
                    trovati[nTrovati++] = ruota[k];
            }
        }
        for (int k = 0; k < nTrovati; ++k) {
            const int v = trovati[k];
            if (posto[v] >= 0)
                casi[posto[v]].push_back({j, colpiti[v]});
            colpiti[v] = 0;
        }
    }
    return casi;
}

struct RisultatoValore {
    std::vector<RigaRisultato> righe;
    EsitoValore conteggi;
};

struct Chiave {
    qint64 presenze;
    qint64 quantita;
    int formula;   // list order: family A (r, p, K) then family B
};

// The five best formulas, ties kept in list order.
std::vector<Chiave> migliori(const Punteggi& s)
{
    std::vector<Chiave> top;
    top.reserve(6);
    auto considera = [&](qint64 pr, qint64 q, int formula) {
        if (q <= 0)
            return;
        auto dopo = std::find_if(top.begin(), top.end(), [&](const Chiave& c) {
            return c.presenze < pr || (c.presenze == pr && c.quantita < q);
        });
        if (dopo - top.begin() >= 5)
            return;
        top.insert(dopo, {pr, q, formula});
        if (top.size() > 5)
            top.pop_back();
    };
    for (int t = 0; t < kTermini; ++t)
        for (int k = 0; k < 90; ++k)
            considera(s.presenzeA[t * kCorsia + k], s.quantitaA[t * kCorsia + k], t * 90 + k);
    for (int f = 0; f < kFormuleB; ++f)
        considera(s.presenzeB[f], s.quantitaB[f], 4950 + f);
    return top;
}

RigaRisultato rigaDi(const Chiave& c, const ParametriRicerca& p, int valore, qint32 casi,
                     const QString& maschera)
{
    if (c.formula < 4950) {
        const int t = c.formula / 90, k = c.formula % 90;
        const int r = t / 5 + 1, pos = t % 5 + 1;
        return rigaRisultato(descrizioneFamigliaA(pos, r, k),
                             codiceFamigliaA(pos, r, k, p.tipoSpia, valore, maschera), c.presenze,
                             c.quantita, casi, valore);
    }
    int f = c.formula - 4950;
    for (int t1 = 0; t1 < 50; ++t1) {
        const int r1 = t1 / 5 + 1;
        const int quanti = 5 * (11 - r1);
        if (f >= quanti) {
            f -= quanti;
            continue;
        }
        const int t2 = r1 * 5 + f;
        const int p1 = t1 % 5 + 1, r2 = t2 / 5 + 1, p2 = t2 % 5 + 1;
        return rigaRisultato(descrizioneFamigliaB(p1, r1, p2, r2),
                             codiceFamigliaB(p1, r1, p2, r2, p.tipoSpia, valore, maschera),
                             c.presenze, c.quantita, casi, valore);
    }
    return {};
}

// Scores one spia value over its cases; nothing when stopped.
std::optional<RisultatoValore> calcolaValore(const Periodo& per, const std::vector<Caso>& casi,
                                             const ParametriRicerca& p, int valore,
                                             Punteggi& s, ContestoUnita& esecuzione)
{
    s.azzera();
    const qint32 limite = p.perSortite ? p.sortite : std::numeric_limits<qint32>::max();
    RisultatoValore r;
    r.conteggi.valore = valore;
    for (const Caso& caso : casi) {
        if (r.conteggi.casi >= limite)
            break;
        if (esecuzione.fermato())
            return std::nullopt;
        ++r.conteggi.casi;
        r.conteggi.sortite += caso.sortite;
        if (!p.tuttiIValori)
            esecuzione.avanza(p.perSortite ? r.conteggi.casi : per.n - 1 - caso.indice);

        const quint32 massimo = per.massimo[caso.indice];
        if (massimo == 0)
            continue;   // an empty window scores nothing
        const quint8* e = &per.numeri[size_t(caso.indice) * kTermini];
        const quint32* c = &per.conteggi[size_t(caso.indice) * kConteggi];
        if (massimo > kLimite16) {
            sommaDiretta(s, e, c);
            continue;
        }
        if (s.sommaMassimi + massimo > kLimite16 || s.casiDaScarico >= kLimite16)
            s.scarica();
        s.sommaMassimi += massimo;
        ++s.casiDaScarico;
        sommaCaso(s, e, c, p.vettoriale);
    }
    s.scarica();
    const QString maschera =
        p.tipoSpia == TipoSpia::Numero ? mascheraPosizioni(p.posizioniSpia) : QString();
    const std::vector<Chiave> top = migliori(s);
    for (size_t k = 0; k < top.size(); ++k) {
        // With all values only the rows that tie with the first are listed.
        if (p.tuttiIValori
            && (top[k].presenze != top[0].presenze || top[k].quantita != top[0].quantita))
            break;
        r.righe.push_back(rigaDi(top[k], p, valore, r.conteggi.casi, maschera));
    }
    return r;
}

} // namespace

EsitoRicerca cercaMetodi(const ArchivioMemoria& archivio, const Restrizioni& restrizioni,
                         const CalendarioMensile& calendario, const ParametriRicerca& p,
                         const ProgressoRicerca& progresso)
{
    EsitoRicerca esito;
    const std::vector<int> valori = valoriSpia(p);
    Periodo per;
    preparaPeriodo(per, archivio, restrizioni, calendario, p);
    const std::vector<std::vector<Caso>> casi = trovaCasi(per, p, valori);

    const int nValori = static_cast<int>(valori.size());
    // One score table per worker: it is large, so it is made once and reused.
    std::vector<std::unique_ptr<Punteggi>> punteggi(numeroLavoratori(nValori, p.thread));
    std::function<bool(const Avanzamento&)> avanzamento;
    if (progresso) {
        const int massimo = massimoProgresso(p);
        avanzamento = [&, massimo](const Avanzamento& a) {
            return progresso(p.tuttiIValori ? a.completate : a.valore, massimo);
        };
    }
    Esecuzione<RisultatoValore> run = eseguiUnita<RisultatoValore>(
        nValori,
        [&](int k, ContestoUnita& c) {
            std::unique_ptr<Punteggi>& s = punteggi[c.lavoratore()];
            if (!s)
                s.reset(new Punteggi);
            return calcolaValore(per, casi[k], p, valori[k], *s, c);
        },
        avanzamento, {p.thread, std::chrono::milliseconds(10)});

    esito.interrotta = run.interrotta;
    for (RisultatoValore& r : run.risultati) {
        esito.valori.push_back(r.conteggi);
        for (RigaRisultato& riga : r.righe)
            esito.righe.push_back(std::move(riga));
    }
    if (!p.tuttiIValori && !esito.interrotta)
        esito.testoSortite = testoSortite(p.tipoSpia, p.valoreSpia, esito.valori[0].sortite);
    return esito;
}

EsitoRicerca cercaMetodi(ArchivioEstrazioni& archivio, const Restrizioni& restrizioni,
                         const CalendarioMensile& calendario, const ParametriRicerca& p,
                         const ProgressoRicerca& progresso)
{
    std::shared_ptr<const ArchivioMemoria> vista;
    try {
        if (!archivio.aperto())
            compat::raise(52);
        vista = vistaArchivio(archivio);
    } catch (const compat::AppError& e) {
        EsitoRicerca esito;
        esito.erroreFile = e;
        return esito;
    }
    return cercaMetodi(*vista, restrizioni, calendario, p, progresso);
}
