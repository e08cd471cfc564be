#pragma once
// The search period and the wheel choice of the analysis windows, kept in
// section "Settings".
#include <QtGlobal>

namespace compat {
class Form;
}

// True while a window's wheel boxes are filled from the settings: their
// click handlers then save nothing.
extern bool CaricamentoForm;

// After draws are stored: when "UltimaEstrazione" is "Y" the period's end
// moves to the newest draw (through the hidden period window).
void AggiornaFineRicerca();

// Fill the window in Forms::current from the settings: the period
// (NumInizioRicerca, NumFineRicerca, txtDataInizio, DTPickerDa, txtDataFine,
// DTPickerA) and the wheel boxes chkRuota_0..11. CaricaRuoteConNz reads
// "RuoteConNz" (method search); CaricaRuote reads "Ruota" for one wheel
// (summative pairs) or "Ruote" for several, and fills DTPickerARit too.
// Controls the window lacks are skipped.
void CaricaRuoteConNz();
void CaricaRuote(bool singola);

// A wheel box `indice` of `frm` was clicked: saves the choice ("RuoteConNz",
// "Ruota"); nothing while CaricamentoForm or while its own box changes run.
void SalvaRuoteConNz(compat::Form* frm, int indice);
void SalvaRuote(compat::Form* frm, int indice);
