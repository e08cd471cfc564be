#include "core/ArchivioMemoria.h"

#include "core/Archivio.h"
#include "core/RecEstrazione.h"

#include <algorithm>
#include <mutex>

std::shared_ptr<const ArchivioMemoria> ArchivioMemoria::costruisci(ArchivioEstrazioni& a)
{
    auto m = std::make_shared<ArchivioMemoria>();
    const qint32 n = a.numeroEstrazioni();
    m->riempi(n > 0 ? a.leggiBlocco(1, n) : QByteArray(), n, primaDataNazionale());
    return m;
}

std::shared_ptr<const ArchivioMemoria> ArchivioMemoria::daBytes(const QByteArray& raw,
                                                                QDate primaDataNazionale)
{
    auto m = std::make_shared<ArchivioMemoria>();
    m->riempi(raw, qint32(raw.size() / kLunghezzaRecEstrazione), primaDataNazionale);
    return m;
}

namespace {
const std::array<char, 8> kSenzaData{'0', '0', '0', '0', '0', '0', '0', '0'};
} // namespace

void ArchivioMemoria::riempi(const QByteArray& raw, qint32 n, QDate primaNz)
{
    n_ = 0;
    numeri_.assign(kNumeriEstrazione, 0);
    giorni_.assign(1, 0);
    giorno_.assign(1, 0);
    progressivo_.assign(1, 0);
    dataCompatta_.assign(1, kSenzaData);
    danneggiati_ = 0;
    primoDanneggiato_ = 0;
    primaRuota_[kNazionale] = 1;
    aggiungi(raw, n, primaNz);
}

void ArchivioMemoria::aggiungi(const QByteArray& raw, qint32 quanti, QDate primaNz)
{
    const qint32 da = n_ + 1;
    const qint32 n = n_ += quanti;
    numeri_.resize(size_t(n + 1) * kNumeriEstrazione, 0);
    giorni_.resize(size_t(n + 1), 0);
    giorno_.resize(size_t(n + 1), 0);
    progressivo_.resize(size_t(n + 1), 0);
    dataCompatta_.resize(size_t(n + 1), kSenzaData);

    qint32 primaNazionale = primaRuota_[kNazionale] < da ? primaRuota_[kNazionale] : n + 1;
    for (qint32 r = da; r <= n; ++r) {
        const auto* p = reinterpret_cast<const quint8*>(raw.constData())
                        + size_t(r - da) * kLunghezzaRecEstrazione;
        bool danneggiato = false;
        const int g = p[0] - '0';
        if (g >= 1 && g <= 7)
            giorno_[r] = quint8(g);
        else
            danneggiato = true;
        progressivo_[r] = p[2];
        std::copy(p + 3, p + 11, dataCompatta_[r].begin());
        const RecEstrazione rec = RecEstrazione::daBytes(
            QByteArrayView(reinterpret_cast<const char*>(p), kLunghezzaRecEstrazione));
        if (const auto d = rec.data())
            giorni_[r] = d->toJulianDay();
        else
            danneggiato = true;
        if (primaNazionale > n && giorni_[r] != 0 && giorni_[r] >= primaNz.toJulianDay())
            primaNazionale = r;
        quint8* dst = &numeri_[size_t(r) * kNumeriEstrazione];
        for (int i = 0; i < kNumeriEstrazione; ++i) {
            const quint8 v = p[11 + i];
            if (v > 90)
                danneggiato = true;
            dst[i] = v <= 90 ? v : 0;
        }
        if (danneggiato) {
            if (danneggiati_ == 0)
                primoDanneggiato_ = r;
            ++danneggiati_;
        }
    }
    // Regional wheels: as the shell's table says; the Nazionale from its first draw.
    primaRuota_ = {0, 174, 3575, 1, 3575, 1, 1, 1, 1, 1, 1, primaNazionale};
    for (qint32 r = da; r < std::min(primaNazionale, n + 1); ++r)
        std::fill_n(&numeri_[size_t(r) * kNumeriEstrazione + 50], 5, quint8(0));
}

QString ArchivioMemoria::dataTesto(qint32 r) const
{
    const auto& c = dataCompatta_[r];
    QString s;
    s.reserve(10);
    s += QLatin1Char(c[0]);
    s += QLatin1Char(c[1]);
    s += u'/';
    s += QLatin1Char(c[2]);
    s += QLatin1Char(c[3]);
    s += u'/';
    for (int i = 4; i < 8; ++i)
        s += QLatin1Char(c[i]);
    return s;
}

qint32 ArchivioMemoria::primaDataFuoriOrdine(QDate oggi) const
{
    const qint64 limite = oggi.toJulianDay();
    qint64 prima = 0;
    for (qint32 r = 1; r <= n_; ++r) {
        const qint64 g = giorni_[r];
        if (g == 0)
            continue;
        if (g <= prima || g > limite)
            return r;
        prima = g;
    }
    return 0;
}

qint32 ArchivioMemoria::precedenteSano(qint32 r) const
{
    for (--r; r >= 1; --r)
        if (giorni_[r] != 0)
            return r;
    return 0;
}

qint32 ArchivioMemoria::cerca(QDate d, Direzione dir) const
{
    if (!d.isValid() || n_ < 1)
        return 0;
    const qint64 g = d.toJulianDay();
    // Binary search over the sound dates; a damaged date is stepped over.
    qint32 lo = 1, hi = n_ + 1;   // first record dated on or after d
    while (lo < hi) {
        qint32 mid = lo + (hi - lo) / 2;
        qint32 m = mid;
        while (m < hi && giorni_[m] == 0)
            ++m;
        if (m == hi) {
            hi = mid;
            continue;
        }
        if (giorni_[m] >= g)
            hi = mid;
        else
            lo = m + 1;
    }
    while (lo <= n_ && giorni_[lo] == 0)
        ++lo;
    if (lo <= n_ && giorni_[lo] == g)
        return lo;
    if (dir == Direzione::Successiva)
        return lo <= n_ ? lo : 0;
    qint32 r = lo - 1;
    while (r >= 1 && giorni_[r] == 0)
        --r;
    return r;
}

namespace {
std::mutex gMutex;
std::shared_ptr<const ArchivioMemoria> gVista;
const void* gFile = nullptr;
} // namespace

std::shared_ptr<const ArchivioMemoria> vistaArchivio(ArchivioEstrazioni& a)
{
    std::lock_guard lock(gMutex);
    const qint32 n = a.numeroEstrazioni();
    if (gVista && gFile == &a && gVista->numeroEstrazioni() < n) {
        // Draws appended since: only they are read. The view is shared, so a
        // new one is made.
        const qint32 vecchie = gVista->numeroEstrazioni();
        auto nuova = std::make_shared<ArchivioMemoria>(*gVista);
        nuova->aggiungi(a.leggiBlocco(vecchie + 1, n - vecchie), n - vecchie, primaDataNazionale());
        gVista = std::move(nuova);
    } else if (!gVista || gFile != &a || gVista->numeroEstrazioni() != n) {
        gVista = ArchivioMemoria::costruisci(a);
        gFile = &a;
    }
    return gVista;
}

void invalidaVistaArchivio()
{
    std::lock_guard lock(gMutex);
    gVista.reset();
}
