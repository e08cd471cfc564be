#pragma once
// The automatic search: the method search run once for every combination of
// search wheels and play wheels drawn from the ticked ones, the best rows of
// each run gathered with the wheels that produced them.
#include "metodi/RicercaMetodi.h"

#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

// One run's wheels, 1..11 (index 0 unused).
struct CombinazioneRuote {
    std::array<bool, 12> ricerca{};
    std::array<bool, 12> gioco{};
};

// The runs, in the order they are made, from the wheel boxes as ticked
// (index 0 the "Tutte" box, 1..11 the wheels) and the frame's choices:
// `ricercaInsieme` 0 "Tutte assieme" (the ten, with the Nazionale when its
// box is ticked), 1 or 2 search wheels per run; `giocoInsieme` 1..3 play
// wheels per run. A ticked "Tutte" box counts as wheels 1..10. Too few
// candidates for the set size give no run.
std::vector<CombinazioneRuote> combinazioniMultiRuota(const std::array<bool, 12>& chkRuota,
                                                      const std::array<bool, 12>& chkRuotaG,
                                                      int ricercaInsieme, int giocoInsieme);

// A wheel set as the multi-wheel list shows it: "Tutte" (wheels 1..10),
// "Tutte+NZ" (1..11), or the wheel codes ascending joined by "-" (the
// window's ImpostaRuote reads it back).
QString testoRuoteMulti(const std::array<bool, 12>& ruote);

// One gathered row: the run's result row and the run's wheels.
struct RigaMulti {
    RigaRisultato riga;
    QString ruoteRicerca;                // "R.ricerca"
    QString ruoteGioco;                  // "R.gioco"
    std::array<bool, 12> flagRicerca{};  // 1..11
    std::array<bool, 12> flagGioco{};    // 1..11
    int combinazione = 0;                // the run, 0-based
};

// What the automatic search takes from each run's result list.
struct OpzioniMultiRuota {
    int righe = 1;              // the first 1..3 rows of each run's list (`cboQuanti`)
    // The order of the method-search result list, whose first rows are taken:
    // 0 as the search listed them, 1..4 sorted on that sub-item's text
    // (ties in listing order).
    int chiaveOrdinamento = 0;
    bool decrescente = false;
};

struct EsitoMultiRuota {
    std::vector<RigaMulti> righe;       // in run order
    int completate = 0;                 // runs completed, an unbroken prefix
    bool interrotta = false;            // stopped between runs
    // The first run whose inputs were refused: the search stops there, with
    // this one message; `completate` runs before it are kept.
    std::optional<ControlloRicerca> rifiuto;
    std::optional<compat::AppError> erroreFile;
};

// Progress on the caller's thread, at least every 10 ms: runs done of the
// total (runs end in groups, not always in run order); returning true stops
// the search, keeping the runs completed as an unbroken prefix in run order.
using ProgressoMulti = std::function<bool(int fatte, int totale)>;

// The runs of `combinazioni` with `base` as the window collected it (the
// dates already turned into draws, the period's end NOT yet lowered by
// controllaParametri, which each run applies to its own copy).
EsitoMultiRuota cercaMultiRuota(const ArchivioMemoria& archivio, const Restrizioni& restrizioni,
                                const CalendarioMensile& calendario, const ParametriRicerca& base,
                                const std::vector<CombinazioneRuote>& combinazioni,
                                const OpzioniMultiRuota& opzioni,
                                const ProgressoMulti& progresso = {});

// The first rows of one run's list as the window would show them.
std::vector<RigaRisultato> primeRighe(std::vector<RigaRisultato> righe,
                                      const OpzioniMultiRuota& opzioni);
