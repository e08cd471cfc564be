#pragma once
// The sum and distance analyses of the board ("Ciclometria"): pairs of cells
// whose numbers add up to, or lie, a chosen value apart, and the same two
// positions of two rows with equal sums or distances.
#include "consulta/Tabellone.h"

#include <QStringList>

// Single target: every pair of cells, across rows and within them, whose sum
// (`somma`) or distance equals `obiettivo`; `fuori90` reduces sums above 90,
// `isotopi` pairs only cells of the same position. Unmarked partners of one
// cell share a colour pair; a partner already marked lends the cell its
// colours. Returns the summary lines, header first.
QStringList MarcaSommaDistanza(bool somma, qint64 obiettivo, bool fuori90, bool isotopi,
                               ModelloCelle& m);

// Equal pairs: the same positions a < b of two rows whose Fuori 90 sums
// (`somma`) or distances are equal mark their four cells, when all four are
// still unmarked. A pair with a cell that holds no number has no value, so
// rows without numbers never match.
void MarcaUgualiIsotope(bool somma, ModelloCelle& m);
