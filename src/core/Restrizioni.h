#pragma once
// The search restrictions: weekdays, months and a period of the calendar
// year that a draw must fall in to be counted by any search.
#include "core/RecEstrazione.h"

#include <QByteArrayView>
#include <QString>
#include <array>

// The keys of section "Restrizioni" as read.
struct ImpostazioniRestrizioni {
    QString Giorno = QStringLiteral("N");
    QString Giorni = QStringLiteral("YYYYYYY");
    QString Mese = QStringLiteral("N");
    QString Mesi = QStringLiteral("YYYYYYYYYYYY");
    QString Periodo = QStringLiteral("N");
    QString Dal;   // default "01gennaio"
    QString Al;    // default "31dicembre"
    ImpostazioniRestrizioni();
};

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
