#pragma once
// The back-test written out literally: one record read at a time, every
// evaluation reading its draw again, the rows built as texts as they are
// added to the list. Same mends as the fast engine; shares nothing with it.
#include "metodi/Backtest.h"

#include <QStringList>
#include <array>
#include <vector>

class ArchivioEstrazioni;
struct BozzaEstrazione;

// Seven draws every three days from 02/01/2024, Bari and Napoli only: the
// spia 7 comes out on Bari at the first and fifth; 1st of Bari + 10 gives 17
// (won on Bari at colpo 1, on Napoli at colpo 2) and 43 (won on Napoli at
// colpo 1); 2nd of Bari + 5 gives 25 (drawn beside the first 17) and 12.
std::vector<BozzaEstrazione> bozzeBacktestAMano();

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
