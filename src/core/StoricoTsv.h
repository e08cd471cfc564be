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
