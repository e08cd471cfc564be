#pragma once
// The restrictions in force for every search of this run.
#include "core/Restrizioni.h"

#include <array>

// The tables and switch copies, as last read by LeggiRestrizioni.
Restrizioni& RestrizioniAttive();

void LeggiRestrizioni();
// Redraws the main window's restrictions panel (nothing when it is not loaded).
void MostraRestrizioni();
// For one draw: its DDMMYYYY date and weekday digit.
bool VerificaRestrizioni(QByteArrayView dataCompatta, char giornoSettimana);

// The panel's layout in twips: which of lblRestrizioni 0..3 show and at
// which top, whether "Nessuna" shows, the panel's height and the top of its
// "Cambia..." button.
struct PannelloRestrizioni {
    std::array<bool, 4> riga{};
    std::array<double, 4> alto{};
    bool nessuna = true;
    double altezza = 0;
    double altoPulsante = 0;
};
PannelloRestrizioni pannelloRestrizioni(const QString& giorno, const QString& giorni,
                                        const QString& mese, const QString& mesi,
                                        const QString& periodo);
