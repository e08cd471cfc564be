#pragma once
// The capogioco's paired algorithms and numbers written out literally: one
// record read at a time, every candidate formula evaluated at every
// appearance, texts and codes built here. Same mends as the fast engines.
#include <QString>
#include <QStringList>
#include <array>

class ArchivioEstrazioni;
class Restrizioni;

struct RiferimentoAlgoAbbinati {
    QStringList righe;    // the list's rows
    QStringList codici;   // entry j - 1 for row j
};

// `codice` is the method code (already accepted); `quanti` rows asked.
RiferimentoAlgoAbbinati algoAbbinatiRiferimento(ArchivioEstrazioni& archivio,
                                                const Restrizioni& restrizioni,
                                                const QString& codice, int colpi,
                                                qint32 inizio, qint32 fine, bool perSortite,
                                                int sortite, const std::array<bool, 12>& ricerca,
                                                const std::array<bool, 12>& gioco, int quanti);

// Rows of the paired-number list, percentages with a comma.
QStringList numeriAbbinatiRiferimento(ArchivioEstrazioni& archivio, const Restrizioni& restrizioni,
                                      int capogioco, qint32 fine,
                                      const std::array<bool, 12>& gioco, int quanti);
