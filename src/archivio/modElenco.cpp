#include "archivio/modElenco.h"

std::array<bool, 91> NumeriEvidenziati{};
int SorteMinima = 0;
int ModoEvidenzia = 0;
