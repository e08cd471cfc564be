#pragma once
// Position of each draw within its month, and the next draw date.
#include "core/Archivio.h"

#include <QDate>
#include <QString>
#include <array>
#include <vector>

struct CalendarioMensile {
    std::vector<qint32> IndiceMensile;   // 0..N, position of draw i within its month
    std::vector<bool> UltimaDelMese;     // 0..N, last draw of its month
    int massimo = 0;                     // largest position found
};

// From the draws' dates (index 1..N; index 0 unused) and "Giorni estrazione".
CalendarioMensile costruisciIndiceMensile(const std::vector<QDate>& date, const QString& giorni);
// Reads the dates from the archive.
CalendarioMensile costruisciIndiceMensile(ArchivioEstrazioni& a, const QString& giorni);

// Draw weekdays of "Giorni estrazione" (1 = Sunday .. 7 = Saturday); with no
// "Y" at all, Saturday alone.
std::array<bool, 8> giorniDiEstrazione(const QString& giorni);
// The first draw day after `ultima`.
QDate prossimaDataEstrazione(QDate ultima, const QString& giorni);
