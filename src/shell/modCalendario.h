#pragma once
// The monthly index of the open archive, as the analysis windows use it.
#include <QtGlobal>
#include <vector>

// Indexed by draw number 0..NumeroEstrazioni (index 0 holds nothing).
extern std::vector<qint32> IndiceMensile;   // position of each draw within its month
extern std::vector<bool> UltimaDelMese;     // last draw of its month

// Rebuilds both arrays from the archive and "Giorni estrazione" of
// "Options"; returns the largest position in any month.
qint16 CostruisciIndiceMensile();
