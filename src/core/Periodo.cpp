#include "core/Periodo.h"

#include <algorithm>

namespace {

qint32 numeroOppure(const QString& testo, qint32 predefinito)
{
    bool ok = false;
    const qint32 v = testo.trimmed().toInt(&ok);
    return ok ? v : predefinito;
}

} // namespace

PeriodoRicerca periodoDaImpostazioni(const QString& inizio, const QString& fine, qint32 n)
{
    const qint32 massimo = std::max<qint32>(n, 1);
    PeriodoRicerca p;
    p.inizio = std::clamp(numeroOppure(inizio, 1), 1, massimo);
    p.fine = std::clamp(numeroOppure(fine, massimo), 1, massimo);
    p.inizio = std::min(p.inizio, p.fine);
    return p;
}

PeriodoRicerca allineaPeriodo(PeriodoRicerca p, bool bloccato, qint32 ampiezza, bool inizioMosso,
                              qint32 n)
{
    if (!bloccato) {
        if (p.fine < p.inizio)
            p.fine = p.inizio;
    } else if (!inizioMosso) {
        if (p.fine - ampiezza >= 1) {
            p.inizio = p.fine - ampiezza;
        } else {
            p.inizio = 1;
            p.fine = 1 + ampiezza;
        }
    } else {
        if (p.inizio + ampiezza <= n) {
            p.fine = p.inizio + ampiezza;
        } else {
            p.fine = n;
            p.inizio = n - ampiezza;
        }
    }
    return p;
}

bool passoSullInizio(int indice)
{
    switch (indice) {
    case 1: case 2: case 3: case 4: case 9: case 12: return true;
    default: return false;
    }
}

PeriodoRicerca passoPeriodo(int indice, PeriodoRicerca p, qint32 n)
{
    switch (indice) {
    case 1: p.inizio = std::max(p.inizio - 1, 1); break;
    case 2: p.inizio = std::max(p.inizio - 10, 1); break;
    case 9: p.inizio = std::max(p.inizio - 100, 1); break;
    case 4: p.inizio = std::min(p.inizio + 1, p.fine - 1); break;
    case 3: p.inizio = std::min(p.inizio + 10, p.fine - 1); break;
    case 12: p.inizio = std::min(p.inizio + 100, p.fine - 1); break;
    case 5: p.fine = std::max(p.fine - 1, p.inizio + 1); break;
    case 6: p.fine = std::max(p.fine - 10, p.inizio + 1); break;
    case 11: p.fine = std::max(p.fine - 100, p.inizio + 1); break;
    case 8: p.fine = std::min(p.fine + 1, n); break;
    case 7: p.fine = std::min(p.fine + 10, n); break;
    case 10: p.fine = std::min(p.fine + 100, n); break;
    default: break;
    }
    return p;
}
