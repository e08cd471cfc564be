#pragma once
// The board's highlight analyses: pure functions over the cell model. Each
// marks cells (by their values, never by what a cell displays) and may give
// the lines of the summary window.
#include "consulta/Tabellone.h"

#include <QStringList>
#include <array>

class ArchivioMemoria;

// Analysis codes.
enum CodiceAnalisi : int {
    AnalisiNessuna = 0,
    AnalisiDecina = 1,
    AnalisiCadenza = 2,
    AnalisiFigura = 3,
    AnalisiQuindicina = 4,
    AnalisiComplementari = 5,
    AnalisiSimmetrici = 6,
    AnalisiGemelli = 7,
    AnalisiVertibili = 8,
    AnalisiRadicali = 9,
    AnalisiNumeriRipetuti = 10,
    AnalisiAmbiRipetuti = 11,
    AnalisiUsciti = 12,
    AnalisiNonUsciti = 13,
    AnalisiUscitiScorsa = 14,
    AnalisiNonUscitiScorsa = 15,
    Analisi1X2 = 16,
    AnalisiPariDispari = 17,
    AnalisiSomma = 51,
    AnalisiSommeUguali = 52,
    AnalisiDistanzeUguali = 53,
    AnalisiDistanza = 54,
    AnalisiRitardo = 105,
    AnalisiTerzine = 110,
};

// The colour pairs (background, text) that groups of marked cells take in turn.
constexpr int kCoppieColori = 13;
std::array<quint32, 2> ColoriAnalisi(int indice);
// Red on yellow: the mark of the analyses that mark single numbers.
constexpr quint32 kSfondoAnalisi = 0x0000FF;
constexpr quint32 kTestoAnalisi = 0x00FFFF;

struct ContestoAnalisi {
    int codice = 0;
    int famiglia = 0;
    bool tutteLeRuote = true;    // rows are wheels 1..11 (else ten draws of one wheel)
    bool isotopi = false;        // repeats, sums or distances only in the same positions
    qint64 obiettivo = 0;        // the sum or distance looked for
    bool fuori90 = false;        // sums above 90 reduced
    qint32 estrazione = 0;       // the draw shown
    qint64 sogliaRitardo = 0;
    const ArchivioMemoria* vista = nullptr;   // for the previous draw and the delays
};

struct EsitoAnalisi {
    bool titolo = false;      // the summary window's caption is set
    bool riepilogo = false;   // the summary window is shown (when wanted) and holds `righe`
    QStringList righe;
};

// Runs the analysis of `c.codice` on the cells; an unknown code does nothing.
EsitoAnalisi EseguiAnalisi(const ContestoAnalisi& c, ModelloCelle& m);
