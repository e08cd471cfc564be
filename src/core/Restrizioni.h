#pragma once
// The search restrictions: weekdays, months and a period of the calendar
// year that a draw must fall in to be counted by any search.
#include "core/RecEstrazione.h"
#include "core/TabellaImpostazioni.h"

#include <QByteArrayView>
#include <QString>
#include <array>

// The keys of section "Restrizioni" as read.
struct ImpostazioniRestrizioni {
    QString Giorno = imp::Giorno.valorePredefinito();
    QString Giorni = imp::Giorni.valorePredefinito();
    QString Mese = imp::Mese.valorePredefinito();
    QString Mesi = imp::Mesi.valorePredefinito();
    QString Periodo = imp::Periodo.valorePredefinito();
    QString Dal = imp::Dal.valorePredefinito();
    QString Al = imp::Al.valorePredefinito();
};

// The one reader and writer of the section, for the restrictions window and
// the shell alike. `giorni` is the entry whose default the reader passes.
ImpostazioniRestrizioni LeggiImpostazioniRestrizioni(const Impostazione& giorni = imp::Giorni);
// Writes every key; the weekday and month flags are stored only while their
// switch is "Y" and removed otherwise.
void SalvaImpostazioniRestrizioni(const ImpostazioniRestrizioni& r);

class Restrizioni {
public:
    // No restriction at all: every valid draw passes.
    Restrizioni();
    // Builds the three tables from the settings.
    static Restrizioni daImpostazioni(const ImpostazioniRestrizioni& imp);

    // Whether a draw (its DDMMYYYY date and weekday digit) passes every
    // active restriction; an invalid date never passes.
    bool verifica(QByteArrayView dataCompatta, char giornoSettimana) const;
    bool verifica(const RecEstrazione& r) const
    {
        return verifica(r.DataCompatta(), r.GiornoSettimana());
    }

    // Switch copies as last read ("Y" = in force) and the tables.
    QString Giorno, Mese, Periodo;
    std::array<bool, 8> FlagGiorni{};    // 1 = Sunday .. 7 = Saturday
    std::array<bool, 13> FlagMesi{};     // 1 = January .. 12
    std::array<bool, 365> FlagPeriodo{}; // day of the year in 2001, 0 = 1 January
};

// The month (1..12) whose Italian name the text is, whatever its letter
// case; 0 when none.
int meseDaNome(QStringView nome);
