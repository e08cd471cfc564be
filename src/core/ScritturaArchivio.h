#pragma once
// The whole archive written in its stored format: Estrazioni.ind (one
// 66-byte record per draw) and anni.ind (one 12-byte record per year, at its
// first draw). Appending or correcting single draws is not done here.
#include "core/RecEstrazione.h"

#include <QByteArray>
#include <QString>
#include <vector>

struct ContenutoArchivio {
    QByteArray estrazioni;
    QByteArray anni;
};

// Both files' bytes for the draws, in the order given.
ContenutoArchivio contenutoArchivio(const std::vector<RecEstrazione>& estrazioni);

// Writes both files into `cartella` (made when missing) through temporary
// files renamed at the end, so no partial file is ever left. Returns an error
// text, empty on success.
QString scriviArchivio(const std::vector<RecEstrazione>& estrazioni, const QString& cartella);
