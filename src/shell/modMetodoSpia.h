#pragma once
// Window positions kept in section "Forms" for the windows that use the
// shared procedures, and the method-search window's play wheels and period.
#include <QString>
#include <array>

namespace compat {
class Form;
}

// No code sets it: windows are never forced to the centre.
extern bool CentraFinestre;

// On Load: Left and Top from name & "Left" / name & "Top" (default "1000",
// twips); an axis off the screen (below -120, or beyond the screen less 1000)
// is centred on its own.
void CaricaPosizioneForm(compat::Form* frm, bool centra = CentraFinestre);
// On Unload: Left and Top written unless `nonSalvare` or the window is minimised.
void SalvaPosizioneForm(compat::Form* frm, int nonSalvare = 0);

// Search (1) and play (2) wheels 1..11 of a method taken from the multi-wheel
// results.
extern std::array<bool, 12> FlagRuoteRicercaMulti;
extern std::array<bool, 12> FlagRuoteGiocoMulti;
// "Tutte+NZ", "Tutte" or wheel codes joined by "-" into the flags of `tipo`.
void ImpostaRuote(const QString& testo, int tipo);

// Click of play-wheel box `indice` (chkRuotaG_0..11) of `frm`: keeps the boxes
// consistent and saves "RuoteConNzGioco".
void SalvaRuoteConNzGioco(compat::Form* frm, int indice);
// Load of the method-search window (Forms::current): play wheels and period.
void CaricaImpostazioniRicerca();
