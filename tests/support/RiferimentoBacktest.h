#pragma once
// The back-test written out literally: one record read at a time, every
// evaluation reading its draw again, the rows built as texts as they are
// added to the list. Same mends as the fast engine; shares nothing with it.
#include "metodi/Backtest.h"

#include <QStringList>
#include <array>
#include <vector>

class ArchivioEstrazioni;

struct EsitoRiferimentoBacktest {
    qint32 casiRilevati = 0;
    qint32 casiInGioco = 0;
    qint32 casiFavorevoli = 0;
    qint64 ambate = 0;
    qint64 ambiSecchi = 0;
    qint64 sommaColpi = 0;
    std::vector<std::array<QString, 9>> righe;
    QStringList risultati;   // the summary's figure lines
};

EsitoRiferimentoBacktest backtestRiferimento(ArchivioEstrazioni& archivio,
                                             const Restrizioni& restrizioni,
                                             const CalendarioMensile& calendario,
                                             const ParametriBacktest& p,
                                             const std::array<bool, 6>& validita);

// "" when the fast result has the same counts, rows (every cell) and figure
// lines; otherwise the first difference.
QString differenzaBacktest(const EsitoBacktest& veloce, const EsitoRiferimentoBacktest& rif);
