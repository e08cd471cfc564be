#pragma once
// The board's find searches without their panels: the targets the panels
// accept, what a confirm does to the board's state, and the list of found
// numbers. The markings themselves are steps of the redraw (Tabellone.h).
#include "consulta/Tabellone.h"

#include <QString>
#include <array>
#include <utility>
#include <vector>

// The values a sum or a distance of two numbers 1..90 can take, as the
// analysis boxes accept them.
struct Intervallo {
    int minimo;
    int massimo;
};
constexpr Intervallo kIntervalloSomma{2, 180};
constexpr Intervallo kIntervalloDistanza{1, 89};
// What a target box of the find panels can hold: any small integer, also one
// that no sum or distance reaches (it is searched for and never found).
constexpr Intervallo kIntervalloObiettivo{-32768, 32767};

bool NelIntervallo(QStringView testo, Intervallo r);
// The refusal of a value box outside its range.
QString MessaggioIntervallo(Intervallo r);

// The six target boxes of the sums or distances panel: an empty box is no
// target; any other text is one, read as a number rounded halves to even,
// unless that lies beyond kIntervalloObiettivo.
struct ObiettiviLetti {
    int rifiutato = -1;            // the first box refused, -1 when none
    std::array<int, 6> valori{};   // 0 = no target
    bool attiva = false;           // at least one box holds a target
};
ObiettiviLetti LeggiObiettivi(const std::array<QString, 6>& testi);

// A confirm: the chosen targets become the search and its counts restart;
// a search with targets switches the other two off.
void ConfermaNumeri(StatoTabellone& s, const std::array<bool, 91>& spuntati);
void ConfermaSomme(StatoTabellone& s, const ObiettiviLetti& o);
void ConfermaDistanze(StatoTabellone& s, const ObiettiviLetti& o);

// The found-numbers list: every chosen number ("@@@") with its count ("@@@@").
std::vector<std::pair<QString, QString>> NumeriTrovati(const StatoTabellone& s);
