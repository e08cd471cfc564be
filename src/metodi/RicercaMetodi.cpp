#include "metodi/RicercaMetodi.h"
#include "metodi/MotoreRicerca.h"

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
    if (p.numeriUscitiIl)
        return c;
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
    if (p.numeriUscitiIl && !p.posizioniValidita[0])
        return rifiuta(E::PosizioneValidita,
                       QStringLiteral("Scegliere almeno una posizione validità algoritmo !"),
                       F::Nessuno);
    if (p.colpi < 1)
        return rifiuta(E::Colpi, QStringLiteral("Inserire il n. di colpi di gioco !"), F::Colpi);
    if (!p.ultimeEstrazioni)
        p.estrazioneFine -= p.colpi;
    if (p.estrazioneFine < p.estrazioneInizio || p.estrazioneFine < 1)
        return rifiuta(E::Periodo,
                       QStringLiteral("Data finale minore della data iniziale oppure n. di "
                                      "estrazioni insufficienti!"),
                       F::Nessuno);
    const auto ruote = std::count(p.ruoteRicerca.begin() + 1, p.ruoteRicerca.end(), true);
    if (p.numeriUscitiIl) {
        if (ruote != 1)
            return rifiuta(E::UnaRuotaRicerca,
                           QStringLiteral("Scegliere una sola ruota di ricerca !"), F::Nessuno);
        c.risultatiPuliti = true;
        if (p.perSortite && p.sortite < 1)
            return rifiuta(E::Sortite, QStringLiteral("Inserire il n. di sortite da ricercare!"),
                           F::Nessuno);
        c.risultatiPuliti = false;
        return c;
    }
    if (ruote < 1)
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
    if (p.numeriUscitiIl)
        return p.tipoSpia == TipoSpia::Numero ? 5 : 10;
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

QString cellaRisultato(int colonna, qint64 presenze, qint64 quantita, qint32 casi, int valore)
{
    switch (colonna) {
    case 1:
        return vbFormat(static_cast<double>(presenze), u"@@@@@") + QStringLiteral(" / ")
               + vbFormat(static_cast<double>(quantita), u"@@@@@");
    case 2:
        return vbFormat(vbFormat(static_cast<double>(presenze) * 100.0 / casi, u"00.0"), u"@@@@@")
               + QStringLiteral(" %");
    case 3: return vbFormat(valore, u"@@");
    case 4: return vbFormat(casi, u"@@@@");
    default: return {};
    }
}

RigaRisultato rigaRisultato(const QString& descrizione, const QString& codice, qint64 presenze,
                            qint64 quantita, qint32 casi, int valore)
{
    RigaRisultato r;
    r.descrizione = descrizione;
    r.presenzeQuantita = cellaRisultato(1, presenze, quantita, casi, valore);
    r.percentuale = cellaRisultato(2, presenze, quantita, casi, valore);
    r.numero = cellaRisultato(3, presenze, quantita, casi, valore);
    r.sortite = cellaRisultato(4, presenze, quantita, casi, valore);
    r.codice = codice;
    r.presenze = presenze;
    r.quantita = quantita;
    r.casi = casi;
    r.valore = valore;
    return r;
}

// ---------------------------------------------------------------------------
// ---------------------------------------------------------------------------
// The fast engine

namespace motore {

bool vettoreUsabile(bool vettoriale)
{
#if defined(__GNUC__) && defined(__x86_64__)
    static const bool avx2 = __builtin_cpu_supports("avx2");
    return vettoriale && avx2;
#else
    (void)vettoriale;
    return false;
#endif
}

constexpr int kCorsia = 96;        // family A row: 90 constants, padded to whole vectors
constexpr int kFormuleA = kTermini * kCorsia;
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

namespace {

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
    if (vettoreUsabile(vettoriale)) {
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


} // namespace

// Score tables for one worker; large, so made once and reused.
struct Tavolo {
    Tavolo() : s(new Punteggi) {}
    std::unique_ptr<Punteggi> s;
};

std::vector<Spia> spieRicerca(const ArchivioMemoria& archivio, const ParametriRicerca& p)
{
    std::vector<Spia> spie;
    auto aggiungi = [&](int valore, const std::array<bool, 6>& posizioni) {
        Spia s;
        s.valore = valore;
        s.posizioni = posizioni;
        if (p.tipoSpia == TipoSpia::Numero)
            s.maschera = mascheraPosizioni(posizioni);
        spie.push_back(std::move(s));
    };
    if (!p.numeriUscitiIl) {
        for (int v : valoriSpia(p))
            aggiungi(v, p.posizioniSpia);
        return spie;
    }
    // The date search: the draw's numbers on the one search wheel, in
    // position order, or the sums or differences of its pairs; a missing
    // number gives no spia, and equal values are searched once each.
    const int ruota = static_cast<int>(
        std::find(p.ruoteRicerca.begin() + 1, p.ruoteRicerca.end(), true) - p.ruoteRicerca.begin());
    if (ruota > kRuote || p.estrazioneData < 1 || p.estrazioneData > archivio.numeroEstrazioni())
        return spie;
    const quint8* x = archivio.numeri(p.estrazioneData) + (ruota - 1) * 5;
    if (p.tipoSpia == TipoSpia::Numero) {
        for (int s = 0; s < 5; ++s) {
            if (!x[s])
                continue;
            std::array<bool, 6> posizioni{false, true, true, true, true, true};
            if (p.stessaPosizione)
                posizioni = {false, s == 0, s == 1, s == 2, s == 3, s == 4};
            aggiungi(x[s], posizioni);
        }
        return spie;
    }
    for (int a = 0; a < 4; ++a)
        for (int b = a + 1; b < 5; ++b) {
            if (!x[a] || !x[b])
                continue;
            const int v = p.tipoSpia == TipoSpia::Somma ? SommaFuori90(x[a], x[b])
                                                        : DifferenzaFuori90(x[a], x[b]);
            if (v != 0)   // two equal numbers (a damaged draw) give no spia
                aggiungi(v, p.posizioniSpia);
        }
    return spie;
}

Scelta sceltaRighe(const ParametriRicerca& p)
{
    if (p.numeriUscitiIl)
        return Scelta::PariTre;
    return p.tuttiIValori ? Scelta::PariCinque : Scelta::Cinque;
}

namespace {

bool passaFiltroMensile(const ParametriRicerca& p, const CalendarioMensile& cal, qint32 i)
{
    if (p.indiceScelto == 0 || p.numeriUscitiIl)
        return true;
    // A draw stored after the window built its monthly index has no index: it never matches.
    if (p.indiceScelto == p.indiceMassimo + 1)
        return i >= 0 && static_cast<size_t>(i) < cal.UltimaDelMese.size() && cal.UltimaDelMese[i];
    return i >= 0 && static_cast<size_t>(i) < cal.IndiceMensile.size()
           && cal.IndiceMensile[i] == p.indiceScelto;
}

} // namespace

void preparaEstrazioni(Estrazioni& est, const ArchivioMemoria& archivio,
                       const Restrizioni& restrizioni, const CalendarioMensile& cal,
                       const ParametriRicerca& p)
{
    est.inizio = std::max<qint32>(1, p.estrazioneInizio);
    est.fine = std::min<qint32>(p.estrazioneFine, archivio.numeroEstrazioni());
    est.n = std::max<qint32>(0, est.fine - est.inizio + 1);
    if (est.n == 0)
        return;
    // The view already reads numbers above 90, and the Nazionale's before its
    // first draw, as missing.
    est.numeri.assign(archivio.numeri(est.inizio), archivio.numeri(est.fine) + kTermini);
    est.candidata.assign(est.n, 0);
    est.ammessa.assign(est.n, 0);
    for (int j = 0; j < est.n; ++j) {
        const qint32 i = est.inizio + j;
        est.ammessa[j] = restrizioni.verifica(archivio.dataCompatta(i),
                                              static_cast<char>('0' + archivio.giornoSettimana(i)));
        est.candidata[j] = est.ammessa[j] && passaFiltroMensile(p, cal, i);
    }
}

void preparaFinestre(Finestre& f, const Estrazioni& est, const std::array<bool, 12>& ruoteGioco,
                     const ParametriRicerca& p)
{
    if (est.n == 0)
        return;
    // Windows, from the end backwards: the allowed draws after i, nearest first.
    std::array<int, kTermini> gioco{};
    int nGioco = 0;
    for (int w = 1; w <= kRuote; ++w)
        for (int pos = 1; pos <= 5; ++pos)
            if (ruoteGioco[w] && p.posizioniValidita[pos])
                gioco[nGioco++] = (w - 1) * 5 + pos - 1;
    auto aggiungi = [&](std::array<quint32, 91>& c, int j, int segno) {
        const quint8* e = &est.numeri[size_t(j) * kTermini];
        for (int g = 0; g < nGioco; ++g)
            if (e[gioco[g]])
                c[e[gioco[g]]] += segno;
    };
    f.conteggi.reset(new quint32[size_t(est.n) * kConteggi]);
    f.massimo.assign(est.n, 0);
    std::array<quint32, 91> correnti{};
    std::vector<int> finestra(est.n);   // ring of allowed draws, nearest at `testa`
    int testa = est.n, lunghezza = 0;
    for (int j = est.n - 1; j >= 0; --j) {
        if (est.candidata[j]) {
            quint32* c = &f.conteggi[size_t(j) * kConteggi];
            std::copy(correnti.begin() + 1, correnti.end(), c);
            std::fill(c + 90, c + kConteggi, 0u);
            f.massimo[j] = *std::max_element(correnti.begin() + 1, correnti.end());
        }
        if (est.ammessa[j] && p.colpi > 0) {
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

namespace {

// One pass for the spias whose values are `posto` (value -> its list, -1
// when not searched), counting a number only in `posizioni`.
void scansiona(const Estrazioni& est, const std::array<bool, 12>& ruoteRicerca, TipoSpia tipo,
               const std::array<bool, 6>& posizioni, const std::array<int, 91>& posto,
               std::vector<Casi>& casi)
{
    std::array<qint32, 91> colpiti{};
    std::array<int, 91> trovati{};
    std::array<quint8, 91> visto{};
    for (int j = est.n - 1; j >= 0; --j) {
        if (!est.candidata[j])
            continue;
        const quint8* e = &est.numeri[size_t(j) * kTermini];
        int nTrovati = 0;
        for (int w = 1; w <= kRuote; ++w) {
            if (!ruoteRicerca[w])
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
            if (tipo == TipoSpia::Numero) {
                for (int q = 0; q < 5; ++q)
                    if (x[q] && posizioni[q + 1])
                        segna(x[q]);
            } else {
                for (int a = 0; a < 4; ++a)
                    for (int b = a + 1; b < 5; ++b)
                        if (x[a] && x[b])
                            segna(tipo == TipoSpia::Somma ? SommaFuori90(x[a], x[b])
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
}

} // namespace

std::vector<Casi> trovaCasi(const Estrazioni& est, const std::array<bool, 12>& ruoteRicerca,
                            TipoSpia tipo, const std::vector<Spia>& spie)
{
    std::vector<Casi> casi(spie.size());
    std::vector<bool> fatta(spie.size(), false);
    // One pass per set of positions; a value searched twice shares its cases.
    for (size_t s0 = 0; s0 < spie.size(); ++s0) {
        if (fatta[s0])
            continue;
        std::array<int, 91> posto;
        posto.fill(-1);
        std::vector<size_t> gruppo;
        for (size_t s = s0; s < spie.size(); ++s) {
            if (fatta[s] || (tipo == TipoSpia::Numero && spie[s].posizioni != spie[s0].posizioni))
                continue;
            fatta[s] = true;
            gruppo.push_back(s);
            const int v = spie[s].valore;
            if (v >= 1 && v <= 90 && posto[v] < 0)
                posto[v] = static_cast<int>(s);
        }
        scansiona(est, ruoteRicerca, tipo, spie[s0].posizioni, posto, casi);
        for (size_t s : gruppo) {
            const int v = spie[s].valore;
            if (v >= 1 && v <= 90 && posto[v] != static_cast<int>(s))
                casi[s] = casi[posto[v]];
        }
    }
    return casi;
}

// Scores the cases (at most `limite`) on the play wheels' windows; false
// when stopped meanwhile. `casi` and `sortite` are counted; progress is
// reported per case when `avanzaPerCaso`.
bool calcolaTotali(const Estrazioni& est, const Finestre& finestre, const Casi& casi,
                   qint32 limite, bool vettoriale, Tavolo& tavolo, Totali& totali,
                   Conteggio& conteggio, ContestoUnita* contesto, bool avanzaPerCaso,
                   bool perSortite)
{
    Punteggi& s = *tavolo.s;
    s.azzera();
    for (const Caso& caso : casi) {
        if (conteggio.casi >= limite)
            break;
        if (contesto && contesto->fermato())
            return false;
        ++conteggio.casi;
        conteggio.sortite += caso.sortite;
        if (avanzaPerCaso && contesto)
            contesto->avanza(perSortite ? conteggio.casi : est.n - 1 - caso.indice);

        const size_t j = static_cast<size_t>(caso.indice);
        const quint32* c = &finestre.conteggi[j * kConteggi];
        const quint32 massimo = finestre.massimo[j];
        if (massimo == 0)
            continue;   // an empty window scores nothing
        const quint8* e = &est.numeri[j * kTermini];
        if (massimo > kLimite16) {
            sommaDiretta(s, e, c);
            continue;
        }
        if (s.sommaMassimi + massimo > kLimite16 || s.casiDaScarico >= kLimite16)
            s.scarica();
        s.sommaMassimi += massimo;
        ++s.casiDaScarico;
        sommaCaso(s, e, c, vettoriale);
    }
    s.scarica();
    totali.resize(kFormule);
    auto impacca = [](qint64 pr, qint64 q) {
        const quint64 limite32 = 0xFFFFFFFFu;
        return (std::min<quint64>(quint64(pr), limite32) << 32) | std::min<quint64>(quint64(q), limite32);
    };
    for (int t = 0; t < kTermini; ++t)
        for (int k = 0; k < 90; ++k)
            totali[size_t(t) * 90 + k] = impacca(s.presenzeA[t * kCorsia + k], s.quantitaA[t * kCorsia + k]);
    for (int f = 0; f < kFormuleB; ++f)
        totali[size_t(kTermini) * 90 + f] = impacca(s.presenzeB[f], s.quantitaB[f]);
    return true;
}

int migliori(const quint64* totali, Migliore (&top)[5])
{
    int n = 0;
    quint64 soglia = 0;   // a formula must beat it: the fifth best, or 0 (no quantity)
    for (int f = 0; f < kFormule; ++f)
        proponi(top, n, soglia, totali[f], f);
    return n;
}

RigaRisultato rigaDi(const Migliore& m, TipoSpia tipo, const Spia& spia, qint32 casi)
{
    const qint64 pr = qint64(presenze(m.totale)), q = qint64(quantita(m.totale));
    if (m.formula < kTermini * 90) {
        const int t = m.formula / 90, k = m.formula % 90;
        const int r = t / 5 + 1, pos = t % 5 + 1;
        return rigaRisultato(descrizioneFamigliaA(pos, r, k),
                             codiceFamigliaA(pos, r, k, tipo, spia.valore, spia.maschera), pr, q,
                             casi, spia.valore);
    }
    int f = m.formula - kTermini * 90;
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
                             codiceFamigliaB(p1, r1, p2, r2, tipo, spia.valore, spia.maschera),
                             pr, q, casi, spia.valore);
    }
    return {};
}

int righeListate(const Migliore* top, int n, Scelta scelta)
{
    if (scelta == Scelta::PariTre)
        n = std::min(n, 3);
    int k = 0;
    // Past a single value only the rows that tie with the first are listed.
    while (k < n && (scelta == Scelta::Cinque || top[k].totale == top[0].totale))
        ++k;
    return k;
}

} // namespace motore

namespace {

struct RisultatoValore {
    std::vector<RigaRisultato> righe;
    EsitoValore conteggi;
};

} // namespace

EsitoRicerca cercaMetodi(const ArchivioMemoria& archivio, const Restrizioni& restrizioni,
                         const CalendarioMensile& calendario, const ParametriRicerca& p,
                         const ProgressoRicerca& progresso)
{
    using namespace motore;
    EsitoRicerca esito;
    const std::vector<Spia> spie = spieRicerca(archivio, p);
    Estrazioni est;
    preparaEstrazioni(est, archivio, restrizioni, calendario, p);
    Finestre finestre;
    preparaFinestre(finestre, est, p.ruoteGioco, p);
    const std::vector<Casi> casi = trovaCasi(est, p.ruoteRicerca, p.tipoSpia, spie);
    const Scelta scelta = sceltaRighe(p);
    // A single value reports its progress case by case; the others value by value.
    const bool perCaso = scelta == Scelta::Cinque;
    const qint32 limite = p.perSortite ? p.sortite : std::numeric_limits<qint32>::max();

    const int nSpie = static_cast<int>(spie.size());
    std::vector<std::unique_ptr<Tavolo>> tavoli(numeroLavoratori(nSpie, p.thread));
    std::function<bool(const Avanzamento&)> avanzamento;
    if (progresso) {
        const int massimo = massimoProgresso(p);
        avanzamento = [&, massimo](const Avanzamento& a) {
            return progresso(perCaso ? a.valore : a.completate, massimo);
        };
    }
    Esecuzione<RisultatoValore> run = eseguiUnita<RisultatoValore>(
        nSpie,
        [&](int k, ContestoUnita& c) -> std::optional<RisultatoValore> {
            std::unique_ptr<Tavolo>& t = tavoli[c.lavoratore()];
            if (!t)
                t.reset(new Tavolo);
            Totali totali;
            Conteggio conteggio;
            if (!calcolaTotali(est, finestre, casi[k], limite, p.vettoriale, *t, totali,
                               conteggio, &c, perCaso, p.perSortite))
                return std::nullopt;
            Migliore top[5];
            const int n = migliori(totali.data(), top);
            RisultatoValore r;
            r.conteggi = {spie[k].valore, conteggio.casi, conteggio.sortite};
            for (int j = 0; j < righeListate(top, n, scelta); ++j)
                r.righe.push_back(rigaDi(top[j], p.tipoSpia, spie[k], conteggio.casi));
            return r;
        },
        avanzamento, {p.thread, std::chrono::milliseconds(10)});

    esito.interrotta = run.interrotta;
    for (RisultatoValore& r : run.risultati) {
        esito.valori.push_back(r.conteggi);
        for (RigaRisultato& riga : r.righe)
            esito.righe.push_back(std::move(riga));
    }
    if (scelta == Scelta::Cinque && !esito.interrotta && !esito.valori.empty())
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
