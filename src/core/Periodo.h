#pragma once
// The search period: a first and a last draw of the archive.
#include <QString>
#include <QtGlobal>

struct PeriodoRicerca {
    qint32 inizio = 1;
    qint32 fine = 1;
};

// "InizioRicerca" and "FineRicerca" as read, for an archive of n draws: a
// value that is empty or no number takes its default (1, n), one outside
// 1..n is brought inside, and the start never falls after the end.
PeriodoRicerca periodoDaImpostazioni(const QString& inizio, const QString& fine, qint32 n);

// The period window's rule for its two sliders after one side moved
// (`inizioMosso`): unlocked, the end follows the start; locked, the other side
// keeps the span `ampiezza`, stopped by the ends of the archive.
PeriodoRicerca allineaPeriodo(PeriodoRicerca p, bool bloccato, qint32 ampiezza,
                              bool inizioMosso, qint32 n);

// The step buttons 1..12 of the period window: the period after the step.
// Whether a start button's step also moves the end is up to the caller.
PeriodoRicerca passoPeriodo(int indice, PeriodoRicerca p, qint32 n);
// Buttons 1, 2, 3, 4, 9, 12 move the start.
bool passoSullInizio(int indice);
