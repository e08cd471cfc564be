#pragma once
// The summative pairs method on one wheel: every formula (A, k1, B, k2) takes
// the numbers at position codes A < B of the month's index draw, adds k1 and
// k2 "fuori 90", and plays the resulting pair for the next colpi draws. The
// search ranks all formulas over a number of cycles; the detail plays one
// formula cycle by cycle.
#include "core/ArchivioMemoria.h"
#include "core/CalendarioEstrazioni.h"
#include "core/Fuori90.h"

#include <QString>
#include <array>
#include <functional>
#include <vector>

// The first draw a search may start from (06/01/1945).
inline constexpr qint32 kInizioMinimoSommativa = 3862;
// Inputs keep to what their boxes can hold.
inline constexpr int kMassimoColpi = 99;
inline constexpr int kMassimoCicli = 99;
inline constexpr int kMassimoQuanti = 999;

// "3' su RO + 17", "1' su NZ".
QString DescriviAlgoritmo(int codice, int k);
// Codes in use on draw i: 50, or 55 from the Nazionale's first draw.
int numeroCodici(const ArchivioMemoria& a, qint32 i);

// The monthly index of the index draws: 1..indiceMassimo, or
// indiceMassimo + 1 for the last draw of each month.
struct SceltaIndice {
    int indice = 1;
    int indiceMassimo = 0;
    bool ultima() const { return indice == indiceMassimo + 1; }
};
// Whether draw i is an index draw of that kind (false past the calendar).
bool eIndice(const CalendarioMensile& c, SceltaIndice s, qint32 i);

// The start of a simulation: the cicli-th index draw counted back from the
// latest one whose colpi follow-up draws all lie at or before `fine`.
struct EsitoInizio {
    enum class Errore { Nessuno, IndiciInsufficienti, RuotaInsufficiente };
    Errore errore = Errore::Nessuno;
    qint32 inizio = 0;
    QString messaggio() const;
};
EsitoInizio calcolaNumeroIniziale(const CalendarioMensile& c, SceltaIndice s, qint32 fine,
                                  int colpi, int cicli, qint32 primaEstrazioneRuota);

struct ParametriSommativa {
    int ruota = 1;        // 1..11
    int colpi = 5;
    int cicli = 10;
    int quanti = 50;
    SceltaIndice indice;
    qint32 inizio = 0;    // first index draw
    qint32 fine = 0;      // end draw
    int lavoratori = 0;   // threads; 0 = one per core
};

// One ranked formula, with the texts of its list row.
struct RigaSommativa {
    int A = 0, k1 = 0, B = 0, k2 = 0;
    int positivi = 0;
    int quantita = 0;
    QString algoritmo;    // "1' su BA + 3  e  2' su CA"
    QString codice;       // "01030200"
    QString casiPositivi; // "  3  (30,00%)"
    QString casiNegativi; // "  7  (70,00%)" or "  --"
    QString testoQuantita;
    QString numeriAl;     // " 5 - 47  ", "(3)" when several rows play the pair
};

struct EsitoSommativa {
    std::vector<RigaSommativa> righe;
    QString intestazioneNumeri = QStringLiteral("Numeri al");
    int cicli = 0;        // index draws examined as cycles
    bool interrotta = false;
};

// Called on the caller's thread with the cycles counted so far out of the
// cycles of the run: before each cycle, after the last one, and now and then
// while a cycle is being counted. True stops the search, which then returns
// nothing.
using ProgressoSommativa = std::function<bool(int cicliFatti, int cicliTotali)>;

EsitoSommativa cercaSommativa(const ArchivioMemoria& a, const CalendarioMensile& c,
                              const ParametriSommativa& p, const ProgressoSommativa& progresso = {});

// The eight-digit code and its four fields; false when it is not one.
QString codiceFormula(int A, int k1, int B, int k2);
bool leggiCodiceFormula(const QString& codice, int& A, int& k1, int& B, int& k2);

// One row of the play-by-play detail.
struct RigaDettaglioSommativa {
    QString data;         // "Data previsione"
    QString numeri;       // "Numeri in gioco"
    QString esito;        // "Esito"
};
struct EsitoDettaglio {
    enum class Errore { Nessuno, IntervalloInvertito, CodiceMancante };
    Errore errore = Errore::Nessuno;
    std::vector<RigaDettaglioSommativa> righe;
    QString messaggio() const;
};
// The formula `codice` over the index draws da..a whose colpi follow-up
// draws lie at or before a.
EsitoDettaglio dettaglioSommativa(const ArchivioMemoria& arch, const CalendarioMensile& c,
                                  SceltaIndice s, int ruota, int colpi, qint32 da, qint32 a,
                                  const QString& codice);
