#pragma once
// The method search: for each spia value, every draw of the period in which
// the spia comes out on a search wheel is a case; every formula of families A
// (estratto + constant) and B (sum of two estratti) is scored on the colpi
// that follow each case, and the best formulas become the result rows.
#include "compat/AppError.h"
#include "metodi/CodiceMetodo.h"

#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

class ArchivioEstrazioni;
class ArchivioMemoria;
class Restrizioni;
struct CalendarioMensile;

// What the window's options say, already turned into draws and tables.
struct ParametriRicerca {
    TipoSpia tipoSpia = TipoSpia::Numero;
    bool tuttiIValori = false;          // "Tutti i numeri" / "Tutte le somme" / ...
    int valoreSpia = 0;                 // the single value otherwise
    std::array<bool, 6> posizioniSpia{false, true, true, true, true, true};   // 1..5
    std::array<bool, 6> posizioniValidita{true, true, true, true, true, true}; // 0 = any of 1..5
    std::array<bool, 12> ruoteRicerca{};   // 1..11
    std::array<bool, 12> ruoteGioco{};     // 1..11
    int colpi = 6;
    bool ultimeEstrazioni = false;      // "controllo delle ultime ... estraz." ticked
    bool perSortite = false;            // the last `sortite` cases instead of a date range
    int sortite = 10;
    qint32 estrazioneInizio = 1;        // with perSortite the window passes 1
    qint32 estrazioneFine = 0;          // as lowered by controllaParametri()
    int indiceScelto = 0;               // monthly filter: 0 all, 1..max that index, max + 1 last
    int indiceMassimo = 0;
    // "Numeri usciti il": the spias are taken from draw `estrazioneData` (the
    // draw on or before the chosen date) on the one search wheel: its numbers,
    // or the sums or differences of its pairs; a missing number is no spia.
    // `tuttiIValori`, `valoreSpia`, `posizioniSpia` and the monthly filter are
    // then not used.
    bool numeriUscitiIl = false;
    qint32 estrazioneData = 0;
    bool stessaPosizione = false;       // a number counts only in its position on that draw
    int thread = 0;                     // workers; 0 = one per core
    bool vettoriale = true;             // use the processor's vector unit where it has one
};

// A refused input: the message, its box and where the focus goes back.
struct ControlloRicerca {
    enum class Errore {
        Nessuno,
        PosizioneSpia,
        PosizioneValidita,
        Colpi,
        Periodo,
        RuotaRicerca,
        ValoreSpia,
        Sortite,
        DifferenzaNonPermessa,
        UnaRuotaRicerca,
    };
    enum class Fuoco { Nessuno, Colpi, Numero, Sortite };
    Errore errore = Errore::Nessuno;
    QString messaggio;
    bool esclamativo = true;        // exclamation icon; "Differenza non permessa." has none
    Fuoco fuoco = Fuoco::Nessuno;
    bool risultatiPuliti = false;   // refused after the result lists were emptied
    bool ok() const { return errore == Errore::Nessuno; }
};

// The checks made before the period is looked up (spia and validity
// positions); none for the date search, which checks the validity positions
// after the period.
ControlloRicerca controllaPosizioni(const ParametriRicerca& p);
// The checks made after it, in order; unless `ultimeEstrazioni`, lowers
// `estrazioneFine` by the colpi (as the original, even when a later check
// fails). For the date search the window looks up the date of its draw
// after these checks pass, or when only the last one (the number of cases)
// fails, whose refusal then follows the lookup.
ControlloRicerca controllaParametri(ParametriRicerca& p);

// One row of the result list, as shown, plus the counts behind it.
struct RigaRisultato {
    QString descrizione;        // "Descrizione algoritmo"
    QString presenzeQuantita;   // "Pres./Quantità"
    QString percentuale;        // "% Presenze"
    QString numero;             // the spia value ("Numero"/"Somma"/"Differenza")
    QString sortite;            // "Sortite": the value's cases
    QString codice;             // CodiceMetodo (the row's tag)
    qint64 presenze = 0;
    qint64 quantita = 0;
    qint32 casi = 0;
    int valore = 0;
};

// The counts of one searched spia value.
struct EsitoValore {
    int valore = 0;
    qint32 casi = 0;      // draws in which the spia came out
    qint32 sortite = 0;   // appearances, one per search wheel
};

struct EsitoRicerca {
    std::vector<RigaRisultato> righe;   // in list order, values ascending
    std::vector<EsitoValore> valori;    // the values completed
    QString testoSortite;               // the line on the cases (single value only)
    bool interrotta = false;
    std::optional<compat::AppError> erroreFile;   // the archive could not be read
};

// Progress for the window: called on the caller's thread at least every
// 10 ms while the search runs; returning true stops it. The value runs up to
// the maximum: scanned draws (single value, date range), cases found (single
// value, last cases), values completed (all values).
using ProgressoRicerca = std::function<bool(int valore, int massimo)>;

// The spia values searched, in order.
std::vector<int> valoriSpia(const ParametriRicerca& p);
// The progress maximum of a run.
int massimoProgresso(const ParametriRicerca& p);
// "Casi validi del numero  7 sulle ruote ...: " & Str(sortite).
QString testoSortite(TipoSpia tipo, int valore, qint32 sortite);
// Sub-item 1..4 of a result row ("Pres./Quantità", "% Presenze", the spia
// value, "Sortite").
QString cellaRisultato(int colonna, qint64 presenze, qint64 quantita, qint32 casi, int valore);
// The result row of one ranked formula.
RigaRisultato rigaRisultato(const QString& descrizione, const QString& codice, qint64 presenze,
                            qint64 quantita, qint32 casi, int valore);

// Runs the search over the in-memory archive. On a stop the rows of the
// values completed as an unbroken prefix from the first are kept.
EsitoRicerca cercaMetodi(const ArchivioMemoria& archivio, const Restrizioni& restrizioni,
                         const CalendarioMensile& calendario, const ParametriRicerca& p,
                         const ProgressoRicerca& progresso = {});
// The same over the program's shared view of `archivio`; a closed or
// unreadable archive is returned as `erroreFile`.
EsitoRicerca cercaMetodi(ArchivioEstrazioni& archivio, const Restrizioni& restrizioni,
                         const CalendarioMensile& calendario, const ParametriRicerca& p,
                         const ProgressoRicerca& progresso = {});
