#include "consulta/IndiceUscite.h"

#include "consulta/Tabellone.h"
#include "core/ArchivioMemoria.h"

#include <algorithm>
#include <cmath>
#include <mutex>

IndiceUscite::IndiceUscite(const ArchivioMemoria& v) : n_(v.numeroEstrazioni())
{
    for (int w = 1; w <= 11; ++w) {
        for (auto& u : uscite_[w])
            u.reserve(size_t(n_) / 18 + 8);
    }
    for (qint32 r = 1; r <= n_; ++r) {
        const quint8* numeri = v.numeri(r);
        for (int w = 1; w <= 11; ++w)
            for (int p = 0; p < 5; ++p) {
                const int n = numeri[(w - 1) * 5 + p];
                if (n == 0)
                    break;
                uscite_[w][n].push_back(r);
            }
    }
}

qint32 IndiceUscite::frequenza(int ruota, int numero, qint32 da, qint32 a) const
{
    if (numero < 1 || numero > 90 || ruota < 1 || ruota > 11)
        return 0;
    da = std::max<qint32>(da, 1);
    a = std::min(a, n_);
    if (da > a)
        return 0;
    const auto& u = uscite_[ruota][numero];
    return qint32(std::upper_bound(u.begin(), u.end(), a) - std::lower_bound(u.begin(), u.end(), da));
}

std::array<qint32, 91> RitardiAllaEstrazione(const ArchivioMemoria& v, int ruota, qint32 estrazione)
{
    std::array<qint32, 91> ritardo;
    ritardo.fill(-1);
    ritardo[0] = 0;
    int visti = 0;
    qint32 contati = 0;
    // The view holds no Nazionale numbers before its first draw: nothing to see there.
    const qint32 primo = ruota == 11 ? std::max<qint32>(v.primaEstrazioneRuota(ruota), 1) : 1;
    for (qint32 r = std::min(estrazione - 1, v.numeroEstrazioni()); r >= primo && visti < 90; --r) {
        const quint8* numeri = v.numeri(r) + (ruota - 1) * 5;
        bool completa = true;
        for (int p = 0; p < 5; ++p) {
            const int n = numeri[p];
            if (n == 0) {
                completa = false;
                break;
            }
            if (ritardo[n] < 0) {
                ritardo[n] = contati;
                ++visti;
            }
        }
        contati += completa ? 1 : 0;
    }
    for (qint32& x : ritardo)
        if (x < 0)
            x = contati;
    return ritardo;
}

std::shared_ptr<const IndiceUscite> indiceUscite(const std::shared_ptr<const ArchivioMemoria>& v)
{
    static std::mutex m;
    static std::weak_ptr<const ArchivioMemoria> vista;
    static std::shared_ptr<const IndiceUscite> indice;
    std::lock_guard lock(m);
    if (!indice || vista.lock() != v) {
        indice = std::make_shared<const IndiceUscite>(*v);
        vista = v;
    }
    return indice;
}

namespace {

// The draw of `d`, or draw 1 when `d` lies before the archive.
std::optional<qint32> primaDal(QDate d, const ArchivioMemoria& v, const CercaDraw& cerca)
{
    if (v.numeroEstrazioni() >= 1 && v.dataValida(1) && d < v.data(1))
        return 1;
    return cerca(d);
}

} // namespace

std::optional<Periodo> CalcolaPeriodo(const ParametriPeriodo& p, const ArchivioMemoria& v,
                                      const CercaDraw& cerca)
{
    const auto trovata = cerca(p.dataMostrata);
    if (!trovata)
        return std::nullopt;
    Periodo r;
    r.fine = p.escludiAttuale ? *trovata - 1 : *trovata;
    qint64 inizio = 0;
    switch (p.opzione) {
    case 0:
    case 3: {
        const qint64 n = ValoreIntero(p.opzione == 0 ? p.estrazioni : p.cicli);
        if (n < 1)
            return std::nullopt;
        inizio = qint64(r.fine) - (p.opzione == 0 ? n : 18 * n) + 1;
        if (inizio < 1)
            return std::nullopt;
        break;
    }
    case 1: {
        const auto da = primaDal(p.dataMostrata.addYears(-1), v, cerca);
        if (!da)
            return std::nullopt;
        inizio = *da;
        break;
    }
    case 2: {
        const qint32 n = v.numeroEstrazioni();
        const QDate fine = v.data(std::clamp<qint32>(r.fine, 1, std::max(n, 1)));
        const auto da = primaDal(QDate(fine.year(), 1, 1), v, cerca);
        if (!da)
            return std::nullopt;
        inizio = *da;
        break;
    }
    default:
        return std::nullopt;
    }
    r.inizio = qint32(inizio);
    r.sortitaMedia = double(r.fine - r.inizio + 1) / 18.0;
    return r;
}
