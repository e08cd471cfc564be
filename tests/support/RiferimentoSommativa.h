#pragma once
// The summative pairs search and detail written out step by step, with the
// full counter tables, for comparison with the program's engine. It shares
// only the archive view and the monthly index with it and builds its own
// texts.
#include "core/ArchivioMemoria.h"
#include "core/CalendarioEstrazioni.h"

#include <QString>
#include <QStringList>
#include <vector>

struct RiferimentoSommativa {
    struct Riga {
        QString algoritmo, codice, positivi, negativi, quantita, numeriAl;
    };
    std::vector<Riga> righe;
    QString intestazione;
    int cicli = 0;
    qint64 formuleEsaminate = 0;   // formulas evaluated, over all cycles
};

// indice: 1..indiceMassimo, indiceMassimo + 1 = the month's last draw.
// Returns 0 when no start exists or it lies before `primaRuota`.
qint32 inizioRiferimento(const CalendarioMensile& c, int indice, int indiceMassimo, qint32 fine,
                         int colpi, int cicli, qint32 primaRuota);

RiferimentoSommativa sommativaRiferimento(const ArchivioMemoria& a, const CalendarioMensile& c,
                                          int ruota, int colpi, int cicli, int quanti, int indice,
                                          int indiceMassimo, qint32 inizio, qint32 fine);

// Rows "date|numbers|outcome".
QStringList dettaglioRiferimento(const ArchivioMemoria& a, const CalendarioMensile& c, int ruota,
                                 int colpi, int indice, int indiceMassimo, qint32 da, qint32 al,
                                 int A, int k1, int B, int k2);
