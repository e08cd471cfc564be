#pragma once
// Boards of cells for the analysis tests.
#include "consulta/Tabellone.h"

#include <array>
#include <vector>

// A board whose first rows are given; the others stay without numbers
// (value 0, no text).
inline ModelloCelle tabellone(const std::vector<std::array<int, 5>>& righe)
{
    ModelloCelle m;
    for (size_t r = 0; r < righe.size(); ++r)
        for (int p = 1; p <= 5; ++p)
            m.at(int(r), p).scrivi(righe[r][size_t(p - 1)]);
    return m;
}
