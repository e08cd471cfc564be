#pragma once
// What the highlight settings window hands to the table of draws.
#include <QtGlobal>
#include <array>

extern std::array<bool, 91> NumeriEvidenziati; // 1..90; 0 is never set
extern int SorteMinima;                        // 0 until first chosen, then 1..5
extern int ModoEvidenzia;                      // 0..5, see archivio/PaginaElenco.h
