#pragma once
// The capogioco's companions: the formulas whose number tends to come out
// with it on the play wheels (paired algorithms), the numbers that came out
// beside its last appearances (paired numbers), and the texts of the
// numbers-to-play window and its file.
#include "metodi/CodiceMetodo.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

class ArchivioMemoria;
class Restrizioni;

// ---- Paired algorithms

// The method code read for the paired-algorithm search; `errore` holds the
// refusal's text (empty when the code is usable).
struct CodiceCapogioco {
    FormulaMetodo formula;
    int tipoSpia = 0;               // 0 number, 1 sum, 2 difference; others find no case
    int valoreSpia = 0;
    std::array<bool, 6> posizioniSpia{};   // 1..5, type 0 only
    QString errore;
};
CodiceCapogioco leggiCodiceCapogioco(const QString& codice);

struct ParametriAlgoAbbinati {
    CodiceCapogioco codice;
    int colpi = 6;
    qint32 estrazioneInizio = 1;
    qint32 estrazioneFine = 0;   // already lowered by the colpi when asked
    bool perSortite = false;     // the last `sortite` cases
    int sortite = 0;
    std::array<bool, 12> ruoteRicerca{};   // 1..11
    std::array<bool, 12> ruoteGioco{};     // 1..11
};

// A counted formula: family A (posizione1 of ruota1 plus costante) when
// ruota2 is 0, family B (the sum of two numbers of wheels ruota1 < ruota2)
// otherwise.
struct CandidatoAbbinato {
    int conteggio = 0;
    quint8 posizione1 = 0, ruota1 = 0, posizione2 = 0, ruota2 = 0, costante = 0;
    // With its leading blank: " 3' su MI + 15", " 2' su NA +  4' su RO".
    QString descrizione() const;
    // The 9-character formula code: "305+00015", "206+40800".
    QString codice() const;
};

struct EsitoAlgoAbbinati {
    qint64 uscite = 0;   // appearances of the capogioco in the windows
    int casi = 0;
    // Every counted candidate, highest count first; equal counts keep family
    // A before B, each in wheel, position, constant order.
    std::vector<CandidatoAbbinato> candidati;
};

// How far the scan has come, as the window's progress bar shows it: the
// draws scanned back from the end of the period (estrazioneFine - the draw
// reached), or the cases taken when the period is the last cases. Called on
// the caller's thread as the counting goes, with values that only grow.
using AvanzamentoAbbinati = std::function<void(int valore)>;

EsitoAlgoAbbinati cercaAlgoritmiAbbinati(const ArchivioMemoria& archivio,
                                         const Restrizioni& restrizioni,
                                         const ParametriAlgoAbbinati& p,
                                         const AvanzamentoAbbinati& avanzamento = {});

// "%3d %   description": the percentage of the appearances, a half to even.
QString rigaAlgoritmoAbbinato(const CandidatoAbbinato& c, qint64 uscite);

// ---- Paired numbers

struct EsitoNumeriAbbinati {
    int occorrenze = 0;
    std::array<int, 91> conteggi{};   // 1..90
};

// Looks back from `estrazioneFine` to draw `estrazioneInizio` for the
// capogioco on the play wheels until 10 occurrences; the companions are the
// other numbers of the wheel in that draw and in the nearest valid draw on
// each side (within five).
EsitoNumeriAbbinati cercaNumeriAbbinati(const ArchivioMemoria& archivio,
                                        const Restrizioni& restrizioni, int capogioco,
                                        qint32 estrazioneFine,
                                        const std::array<bool, 12>& ruoteGioco,
                                        qint32 estrazioneInizio = 100);

// At most `quanti` rows, highest count first, ties to the lower number:
// "%5s%  n. %4d", the percentage to one decimal with the decimal comma.
QStringList righeNumeriAbbinati(const EsitoNumeriAbbinati& e, int quanti);

// ---- Numbers to play

// Whether the spia of the code's characters 10-17 is present on a search
// wheel of the draw's numbers (wheel 1..11 x position 1..5).
bool spiaPresente(const QString& codiceMetodo, const std::array<std::array<int, 6>, 12>& numeri,
                  const std::array<bool, 12>& ruoteRicerca);
// "Attenzione! Numero spia  5 non presente nelle ruote di ricerca il 12/03/2024"
QString avvisoSpiaAssente(const QString& codiceMetodo, const QString& data);

// " Tutte", " Tutte + NZ" or " BA NA NZ".
QString testoRuoteGioco(bool tutte, const std::array<bool, 12>& ruoteGioco);
// The multi-signal note for M other rows giving the capogioco ("" below 1).
QString testoMultiSegnalazione(int altri);
// " " and each number > 0 right-aligned in two characters.
QString testoNumeriAbbinati(const std::vector<int>& numeri);
// The four lines of the text file.
QStringList righeFileNumeri(const QString& ruote, const QString& data, const QString& capogioco,
                               const QString& algoritmi, const QString& abbinati);
