#pragma once
// The draw history as distributed in data/: a TAB-separated text file, one
// draw a line (date, number within the year, the 11 wheels by column).
#include "core/RecEstrazione.h"

#include <QString>
#include <vector>

struct StoricoTsv {
    std::vector<RecEstrazione> estrazioni;
    QString errore;                    // empty when the whole file was read
};

StoricoTsv leggiStoricoTsv(const QString& percorso);

// Writes Estrazioni.ind and anni.ind (one year record per year, at its first
// draw) into `cartella`, through temporary files renamed at the end, so no
// partial file is ever left. Returns an error text, empty on success.
QString scriviArchivio(const std::vector<RecEstrazione>& estrazioni, const QString& cartella);
