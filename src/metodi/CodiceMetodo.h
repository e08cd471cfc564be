#pragma once
// The method code (`CodiceMetodo`), its description and the evaluation of a
// code's formula on a draw, with the Lotto arithmetic "Fuori 90".
#include "core/Fuori90.h"
#include "core/RecEstrazione.h"

#include <QChar>
#include <QString>
#include <QStringView>
#include <array>

// The operation of a code's character 4: "+", "-", anything else "x".
int OperazioneFuori90(QChar operazione, int a, int b);

// A stored number that is a drawn number: 1..90. A 0 byte (a wheel that did
// not exist yet, a war-time gap) or anything above 90 is no number.
inline bool numeroValido(int n)
{
    return n >= 1 && n <= 90;
}

// Whether the draw has Nazionale numbers: that wheel is drawn from 04/05/2005.
bool conNazionale(const RecEstrazione& r);

// Characters 1..9 of a code, read.
struct FormulaMetodo {
    int posizione1 = 0;
    int ruota1 = 0;
    QChar operazione;
    int posizione2 = 0;   // 0 = constant form
    int ruota2 = 0;       // 0 = constant form
    int costante = 0;
    bool conCostante() const { return posizione2 == 0 || ruota2 == 0; }
};

// Why a code cannot be evaluated, in the order the checks are made.
enum class ErroreCodice {
    Nessuno,
    CapogiocoMancante,   // empty or shorter than 9 characters
    Posizione,
    Ruota1,
    Operazione,
    Posizione2,
    Ruota2,
    Numero,
};
// "Calcolo impossibile: ..." ("" for Nessuno).
QString messaggioErroreCodice(ErroreCodice e);

// The length check alone: the evaluator tests it before looking up its date.
inline bool codiceMancante(QStringView codice)
{
    return codice.size() < 9;
}
// All checks, in order; on success `formula` holds the fields.
ErroreCodice leggiCodice(QStringView codice, FormulaMetodo& formula);

// The formula's number on a draw; 0 when the formula gives 0 or when a term
// it reads is no number (a missing number plays nothing).
int CalcolaAlgoritmo(const FormulaMetodo& f, const RecEstrazione& r);
// Checks the code, then evaluates it; 0 with `errore` set when refused.
int CalcolaAlgoritmo(QStringView codice, const RecEstrazione& r, ErroreCodice* errore = nullptr);

// Spia types as written in character 10 of a code.
enum class TipoSpia { Numero = 0, Somma = 1, Differenza = 2 };

// Spia-position mask: "1"/"0" for positions 1..5 (element 0 unused).
QString mascheraPosizioni(const std::array<bool, 6>& posizioni);

// The two searched families, always with "+": family A an estratto plus a
// constant, family B the sum of two estratti of different wheels. The mask
// is empty for a sum or difference spia.
QString codiceFamigliaA(int posizione, int ruota, int costante, TipoSpia tipo, int valore,
                        QStringView maschera);
QString codiceFamigliaB(int posizione1, int ruota1, int posizione2, int ruota2, TipoSpia tipo,
                        int valore, QStringView maschera);
// " 3' su BA + 15", " 3' su BA +  7", " 2' su NA +  4' su RO".
QString descrizioneFamigliaA(int posizione, int ruota, int costante);
QString descrizioneFamigliaB(int posizione1, int ruota1, int posizione2, int ruota2);
