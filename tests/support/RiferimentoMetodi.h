#pragma once
// The method search written out literally, step by step (one draw read at
// a time, plain tables, the whole hidden list sorted, its own row texts and
// codes), with the same mends as the fast engine. Slow; it is the yardstick
// the fast engine is held to. It takes the options as the window collects
// them: the period's end is lowered here, not by controllaParametri.
#include "metodi/RicercaMetodi.h"

EsitoRicerca cercaMetodiRiferimento(ArchivioEstrazioni& archivio, const Restrizioni& restrizioni,
                                    const CalendarioMensile& calendario,
                                    const ParametriRicerca& p,
                                    const ProgressoRicerca& progresso = {});

// "" when both runs gave the same rows (every text), counts and line;
// otherwise the first difference, for a failure message.
QString differenzaEsiti(const EsitoRicerca& a, const EsitoRicerca& b);
