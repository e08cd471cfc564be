#pragma once
// What the draw entry window computes: a box's value, the numbers a draw needs,
// the proposal of the next draw, the decoding of pasted text, the checks before
// a store and the record it writes.
#include "core/RecEstrazione.h"

#include <QDate>
#include <QString>
#include <QStringView>
#include <array>
#include <vector>

constexpr int kCaselle = 55;

// The numbers of the 55 boxes, index 1..55 (0 unused).
using ValoriCaselle = std::array<int, kCaselle + 1>;

// Leading blanks skipped, then the digits up to the first other character; no
// digits gives 0. Large values saturate well above 90.
int valoreCasella(QStringView testo);

// 55 for a draw dated on or after the Nazionale's first draw, else 50.
int numeriRichiesti(QDate data, QDate primaNazionale);

struct PropostaEstrazione {
    QDate data;
    int giornoSettimana = 0;     // 1 = Sunday .. 7 = Saturday
    QString numeroAnno;          // " n" in the last draw's year, "1" in a new one
};
// The first draw day after the last stored draw, by "Giorni estrazione", with
// its number within the year counted on from that last draw.
PropostaEstrazione proponiEstrazione(const RecEstrazione& ultima, const QString& giorni);

// Pasted text: the runs of digits, at most 55; none when the text is shorter
// than 10 characters.
std::vector<QString> tokenTesto(QStringView testo);

// Where the tokens go: token k fills box k until one is not 1..90, which
// empties its box and stops the decoding.
struct Incollatura {
    std::vector<QString> testi;  // texts for boxes 1..testi.size()
    int casellaErrata = 0;       // the box emptied by the offending token (0 = none)
};
Incollatura incolla(QStringView testo);

// The first box of 1..55 whose value is above 90 (0 = none).
int primaCasellaFuoriIntervallo(const ValoriCaselle& v);
// Empty boxes (value 0) among 1..n.
int caselleVuote(const ValoriCaselle& v, int n);
// Whether a wheel among the first n / 5 holds two equal numbers.
bool numeriRipetuti(const ValoriCaselle& v, int n);

// The record the store writes: both weekday digits, the number within the year,
// the three date texts joined into 8 characters, and the 55 values.
RecEstrazione componiRecord(const ValoriCaselle& v, const QString& giorno, const QString& mese,
                            const QString& anno, int numeroAnno, int giornoSettimana,
                            int giornoEtichetta);
