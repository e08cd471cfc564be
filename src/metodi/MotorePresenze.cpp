#include "metodi/MotorePresenze.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#if defined(__GNUC__) && defined(__x86_64__)
#include <immintrin.h>
#define QV_AVX2 1
#endif

namespace motore {

namespace {

constexpr int kFormuleAA = kTermini * 90;   // family A in list order

// Family B's terms in list order: a term of wheel r1 with every term of wheels r1 + 1..11.
struct TerminiB {
    std::array<quint8, kFormuleB> primo{}, secondo{};
    TerminiB()
    {
        int f = 0;
        for (int t1 = 0; t1 < 50; ++t1)
            for (int t2 = (t1 / 5 + 1) * 5; t2 < kTermini; ++t2, ++f) {
                primo[size_t(f)] = quint8(t1);
                secondo[size_t(f)] = quint8(t2);
            }
    }
};

const TerminiB& terminiB()
{
    static const TerminiB t;
    return t;
}

#ifdef QV_AVX2
// 32 bits to 32 bytes, 0xFF where the bit is set.
__attribute__((target("avx2"))) inline __m256i espandi(quint32 parola)
{
    const __m256i ordine = _mm256_setr_epi8(0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2,
                                            2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3);
    const __m256i bitm = _mm256_set1_epi64x(static_cast<long long>(0x8040201008040201ull));
    const __m256i x = _mm256_shuffle_epi8(_mm256_set1_epi32(static_cast<int>(parola)), ordine);
    return _mm256_cmpeq_epi8(_mm256_and_si256(x, bitm), bitm);
}

inline quint32 parola(const quint8* p)
{
    quint32 w;
    std::memcpy(&w, p, 4);
    return w;
}
#endif

// Bytes of 0 or 1, eight at a time, into bits (byte i to bit i).
void impacca(const quint8* v, quint8* bit, int nBit8)
{
    for (int i = 0; i < nBit8; ++i) {
        quint64 x;
        std::memcpy(&x, v + 8 * i, 8);
        bit[i] = quint8((x * 0x0102040810204080ull) >> 56);
    }
}

} // namespace

std::vector<quint8> indiciEstrazioni(const Estrazioni& est)
{
    std::vector<quint8> ex(size_t(est.n) * 56, kManca);
    for (size_t j = 0; j < size_t(est.n); ++j)
        for (int t = 0; t < kTermini; ++t) {
            const quint8 e = est.numeri[j * kTermini + size_t(t)];
            ex[j * 56 + size_t(t)] = e ? e : kManca;
        }
    return ex;
}

// ---------------------------------------------------------------------------

GiocoPresenze::GiocoPresenze(const Estrazioni& est, const std::vector<quint8>& indici,
                             const Finestre* const* finestre, int nFinestre)
{
    bit_.assign(size_t(est.n) * kBitDraw, 0);
    conti_.assign(size_t(est.n) * 90, 0);
    // u[x]: whether number x (x - 90 past 90) came out; 0 at 0 and past 180.
    alignas(32) std::array<quint8, 512> u{};
    alignas(32) std::array<quint8, kLaneB> v{};
    for (qint32 j = 0; j < est.n; ++j) {
        if (!est.candidata[size_t(j)])
            continue;
        quint8* b = &bit_[size_t(j) * kBitDraw];
        v.fill(0);
        for (int k = 0; k < 90; ++k) {
            quint32 x = 0;
            for (int g = 0; g < nFinestre; ++g)
                x += finestre[g]->conteggi[size_t(j) * kConteggi + size_t(k)];
            v[size_t(k)] = u[size_t(k) + 1] = u[size_t(k) + 91] = x ? 1 : 0;
            conti_[size_t(j) * 90 + size_t(k)] = x;
        }
        impacca(v.data(), b, 12);
        // Family B: a missing term reads u past 180, where it is 0.
        const quint8* ex = &indici[size_t(j) * 56];
        int f = 0;
        v.fill(0);
        for (int t1 = 0; t1 < 50; ++t1) {
            const quint8* base = u.data() + ex[t1];
            for (int t2 = (t1 / 5 + 1) * 5; t2 < kTermini; ++t2)
                v[size_t(f++)] = base[ex[t2]];
        }
        impacca(v.data(), b + 12, kBitBDraw);
    }
}

// ---------------------------------------------------------------------------

CorsiePresenze::CorsiePresenze()
{
    std::memset(u_, 0, sizeof u_);
    azzera();
}

void CorsiePresenze::azzera()
{
    std::memset(corsie_, 0, sizeof corsie_);
    casi_ = 0;
}

namespace {

void aggiungiPortabile(quint8* corsie, quint8* u, const quint8* ex, const quint8* bit)
{
    for (int n = 0; n < 90; ++n)
        u[n + 1] = u[n + 91] = (bit[n >> 3] >> (n & 7)) & 1;
    for (int t = 0; t < kTermini; ++t) {
        if (ex[t] == kManca)
            continue;
        quint8* riga = corsie + t * kRigaA;
        const quint8* sorgente = u + ex[t];
        for (int k = 0; k < kRigaA; ++k)
            riga[k] = quint8(riga[k] + sorgente[k]);
    }
    quint8* b = corsie + kTermini * kRigaA;
    const quint8* bb = bit + 12;
    for (int f = 0; f < kFormuleB; ++f)
        b[f] = quint8(b[f] + ((bb[f >> 3] >> (f & 7)) & 1));
}

#ifdef QV_AVX2
// u[1..96], then u[91..186]: the second pass rewrites 91..96 and leaves
// 181..186 at 0 (bits 90..95 are never set).
__attribute__((target("avx2"))) inline void tabellaAvx2(quint8* u, const quint8* bit)
{
    const __m256i uno = _mm256_set1_epi8(1);
    for (int copia = 1; copia <= 91; copia += 90)
        for (int w = 0; w < 3; ++w)
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(u + copia + 32 * w),
                                _mm256_and_si256(espandi(parola(bit + 4 * w)), uno));
}

// Several cases at once: each lane is read and written once for all of them.
__attribute__((target("avx2"))) void aggiungiAvx2(quint8* corsie, quint8 (*u)[512],
                                                  const quint8* const* ex,
                                                  const quint8* const* bit, int n)
{
    for (int i = 0; i < n; ++i)
        tabellaAvx2(u[i], bit[i]);
    for (int t = 0; t < kTermini; ++t) {
        auto* riga = reinterpret_cast<__m256i*>(corsie + t * kRigaA);
        __m256i s0 = _mm256_load_si256(riga);
        __m256i s1 = _mm256_load_si256(riga + 1);
        __m256i s2 = _mm256_load_si256(riga + 2);
        // A missing number reads u past 180: zeros.
        for (int i = 0; i < n; ++i) {
            const quint8* sorgente = u[i] + ex[i][t];
            s0 = _mm256_add_epi8(s0, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(sorgente)));
            s1 = _mm256_add_epi8(s1, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(sorgente + 32)));
            s2 = _mm256_add_epi8(s2, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(sorgente + 64)));
        }
        _mm256_store_si256(riga, s0);
        _mm256_store_si256(riga + 1, s1);
        _mm256_store_si256(riga + 2, s2);
    }
    auto* b = reinterpret_cast<__m256i*>(corsie + kTermini * kRigaA);
    for (int w = 0; w < kLaneB / 32; ++w) {   // a set bit reads 0xFF: subtracting it adds 1
        __m256i s = _mm256_load_si256(b + w);
        for (int i = 0; i < n; ++i)
            s = _mm256_sub_epi8(s, espandi(parola(bit[i] + 12 + 4 * w)));
        _mm256_store_si256(b + w, s);
    }
}

__attribute__((target("avx2"))) void sommaAvx2(const quint8* sorgente, quint32* const* tabelle,
                                               int nTabelle, int d, int quanti)
{
    int k = 0;
    for (; k + 8 <= quanti; k += 8) {
        const __m256i x =
            _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(sorgente + k)));
        for (int i = 0; i < nTabelle; ++i) {
            auto* p = reinterpret_cast<__m256i*>(tabelle[i] + d + k);
            _mm256_storeu_si256(p, _mm256_add_epi32(_mm256_loadu_si256(p), x));
        }
    }
    for (; k < quanti; ++k)
        for (int i = 0; i < nTabelle; ++i)
            tabelle[i][d + k] += sorgente[k];
}

__attribute__((target("avx2"))) void scaricaAvx2(const quint8* corsie, quint32* const* tabelle,
                                                 int nTabelle)
{
    for (int t = 0; t < kTermini; ++t)
        sommaAvx2(corsie + t * kRigaA, tabelle, nTabelle, t * 90, 90);
    sommaAvx2(corsie + kTermini * kRigaA, tabelle, nTabelle, kFormuleAA, kFormuleB);
}
#endif

} // namespace

void CorsiePresenze::aggiungi(const quint8* const* ex, const quint8* const* bit, int n,
                              bool vettoriale)
{
    casi_ += n;
#ifdef QV_AVX2
    if (vettoreUsabile(vettoriale)) {
        aggiungiAvx2(corsie_, u_, ex, bit, n);
        return;
    }
#endif
    (void)vettoriale;
    for (int i = 0; i < n; ++i)
        aggiungiPortabile(corsie_, u_[0], ex[i], bit[i]);
}

void CorsiePresenze::scarica(quint32* const* tabelle, int nTabelle, bool vettoriale)
{
    if (casi_ == 0)
        return;
#ifdef QV_AVX2
    if (vettoreUsabile(vettoriale)) {
        scaricaAvx2(corsie_, tabelle, nTabelle);
        azzera();
        return;
    }
#endif
    (void)vettoriale;
    for (int i = 0; i < nTabelle; ++i) {
        quint32* p = tabelle[i];
        for (int t = 0; t < kTermini; ++t) {
            const quint8* riga = corsie_ + t * kRigaA;
            quint32* d = p + t * 90;
            for (int k = 0; k < 90; ++k)
                d[k] += riga[k];
        }
        const quint8* b = corsie_ + kTermini * kRigaA;
        quint32* d = p + kFormuleAA;
        for (int f = 0; f < kFormuleB; ++f)
            d[f] += b[f];
    }
    azzera();
}

// ---------------------------------------------------------------------------

namespace {

#ifdef QV_AVX2
__attribute__((target("avx2"))) quint32 unioneAvx2(const quint32* a, const quint32* b,
                                                   const quint32* c, quint32* u)
{
    __m256i m = _mm256_setzero_si256();
    int f = 0;
    for (; f + 8 <= kFormule; f += 8) {
        const __m256i x = _mm256_sub_epi32(
            _mm256_add_epi32(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(a + f)),
                             _mm256_loadu_si256(reinterpret_cast<const __m256i*>(b + f))),
            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(c + f)));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(u + f), x);
        m = _mm256_max_epu32(m, x);
    }
    alignas(32) quint32 v[8];
    _mm256_store_si256(reinterpret_cast<__m256i*>(v), m);
    quint32 massimo = *std::max_element(v, v + 8);
    for (; f < kFormule; ++f) {
        u[f] = a[f] + b[f] - c[f];
        massimo = std::max(massimo, u[f]);
    }
    return massimo;
}

__attribute__((target("avx2"))) void candidateAvx2(const quint32* p, quint32 soglia,
                                                   std::vector<int>& out)
{
    // x >= soglia as max(x, soglia) == x
    const __m256i s = _mm256_set1_epi32(static_cast<int>(soglia));
    int f = 0;
    for (; f + 8 <= kFormule; f += 8) {
        const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + f));
        unsigned m = unsigned(_mm256_movemask_ps(
            _mm256_castsi256_ps(_mm256_cmpeq_epi32(_mm256_max_epu32(x, s), x))));
        while (m) {
            out.push_back(f + std::countr_zero(m));
            m &= m - 1;
        }
    }
    for (; f < kFormule; ++f)
        if (p[f] >= soglia)
            out.push_back(f);
}
#endif

} // namespace

quint32 unione(const quint32* a, const quint32* b, const quint32* comuni, quint32* u,
               bool vettoriale)
{
#ifdef QV_AVX2
    if (vettoreUsabile(vettoriale))
        return unioneAvx2(a, b, comuni, u);
#endif
    (void)vettoriale;
    quint32 massimo = 0;
    for (int f = 0; f < kFormule; ++f) {
        u[f] = a[f] + b[f] - comuni[f];
        massimo = std::max(massimo, u[f]);
    }
    return massimo;
}

quint32 sogliaCandidate(const quint32* presenze, int quante)
{
    quint32 top[5] = {0, 0, 0, 0, 0};   // the largest, counted with repeats
    const int ultimo = std::clamp(quante, 1, 5) - 1;
    for (int f = 0; f < kFormule; ++f) {
        const quint32 v = presenze[f];
        if (v <= top[ultimo])
            continue;
        int i = ultimo;
        while (i > 0 && top[i - 1] < v) {
            top[i] = top[i - 1];
            --i;
        }
        top[i] = v;
    }
    return std::max<quint32>(top[ultimo], 1);
}

void formuleCandidate(const quint32* presenze, quint32 soglia, std::vector<int>& candidate,
                      bool vettoriale)
{
    candidate.clear();
#ifdef QV_AVX2
    if (vettoreUsabile(vettoriale)) {
        candidateAvx2(presenze, soglia, candidate);
        return;
    }
#endif
    (void)vettoriale;
    for (int f = 0; f < kFormule; ++f)
        if (presenze[f] >= soglia)
            candidate.push_back(f);
}

IndiceFormula::IndiceFormula(int formula)
{
    if (formula < kFormuleAA) {
        a_ = formula / 90;
        k_ = formula % 90;
        return;
    }
    const TerminiB& tb = terminiB();
    a_ = tb.primo[size_t(formula - kFormuleAA)];
    b_ = tb.secondo[size_t(formula - kFormuleAA)];
}

int miglioriCandidate(const std::vector<int>& formule, const std::vector<quint64>& totali,
                      Migliore (&top)[5])
{
    int n = 0;
    quint64 soglia = 0;
    for (size_t c = 0; c < formule.size(); ++c)
        proponi(top, n, soglia, totali[c], formule[c]);
    return n;
}

} // namespace motore
