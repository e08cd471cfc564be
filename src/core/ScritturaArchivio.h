#pragma once
// The whole archive written in its stored format: Estrazioni.ind (one
// 66-byte record per draw) and anni.ind (one 12-byte record per year, at its
// first draw). Appending or correcting single draws is not done here.
#include "core/RecEstrazione.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>
#include <vector>

class ArchivioMemoria;

struct ContenutoArchivio {
    QByteArray estrazioni;
    QByteArray anni;
};

// Both files' bytes for the draws, in the order given.
ContenutoArchivio contenutoArchivio(const std::vector<RecEstrazione>& estrazioni);

// The year index of `n` draws in date order, `anno(i)` giving the year of
// draw i (1..n): one record at each year's first draw. A draw without a date
// (year 0) stays in the year of the draw before it.
QByteArray indiceAnni(qint32 n, const std::function<int(qint32)>& anno);
// The year index of the whole draw records in `estrazioni`.
QByteArray indiceAnni(QByteArrayView estrazioni);
// The year index of the draws of `vista` followed by the whole records in `aggiunte`.
QByteArray indiceAnni(const ArchivioMemoria& vista, QByteArrayView aggiunte = {});

// Writes both files into `cartella` (made when missing) through temporary
// files renamed at the end, so no partial file is ever left. Returns an error
// text, empty on success.
QString scriviArchivio(const std::vector<RecEstrazione>& estrazioni, const QString& cartella);
