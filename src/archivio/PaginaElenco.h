#pragma once
// The table of draws: one page of 36 consecutive draws with all 55 numbers,
// its highlighting, and the page as text lines for the file and the printer.
// Everything here is a pure function of the in-memory archive and the
// choices passed in; the window only paints what these return.
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>
#include <vector>

class ArchivioMemoria;

inline constexpr int kRigheElenco = 36;
inline constexpr int kCelleRiga = 55;
inline constexpr int kCelleElenco = kRigheElenco * kCelleRiga;

struct RigaElenco {
    qint32 record = 0;    // 0: a blank row, no draw behind it
    QString data;         // DD/MM/YYYY
    QString indice;       // number in the year, or in the month ("U4" for a month's last)
    QString giorno;       // "Dom" .. "Sab"
    QString nEstraz;      // record number, thousands grouped
    std::array<quint8, kCelleRiga> numeri{}; // 0 = missing
};

struct PaginaElenco {
    qint32 ultima = 0;    // record of row 36; 0 before any page
    std::array<RigaElenco, kRigheElenco> righe;
};

// The last draw a page may end on, for a wanted `ultima`: never before draw
// 36 (or the last draw of a shorter archive), never past the last draw.
// 0 for an empty archive.
qint32 ultimaValida(qint32 ultima, qint32 numeroEstrazioni);

// The page whose row 36 is draw `ultima` (1..n). Rows before draw 1 stay
// blank. With `mensile` the index column reads the monthly index; a draw
// past the end of `indiceMensile` shows no index rather than a wrong one.
PaginaElenco riempiPagina(const ArchivioMemoria& a, qint32 ultima, bool mensile,
                          const std::vector<qint32>& indiceMensile,
                          const std::vector<bool>& ultimaDelMese);

// The 55 numbers of one row, Tab-separated, as copied to the clipboard.
QString testoRigaAppunti(const RigaElenco& r);

// ---- Highlighting ----------------------------------------------------------

enum ModoEvidenziazione : int {
    EvidenziaSelezionati = 0,
    EvidenziaRipetuti = 1,        // numbers again on a wheel in the next draw
    EvidenziaAmbiRipetuti = 2,    // pairs again on a wheel in the next draw
    EvidenziaAmbiStessaEstrazione = 3,
    EvidenziaVertibili = 4,
    EvidenziaComplementari = 5,
};

struct ScelteEvidenzia {
    std::array<bool, 91> numeri{}; // the selected numbers, index 1..90
    int sorteMinima = 0;           // 0..5: selected numbers needed on one wheel (mode 0)
    int modo = EvidenziaSelezionati;
};

inline constexpr qint8 kNonSegnata = -1;
inline constexpr qint8 kSegnoDoppio = 8; // a cell of two pairs of one draw (orange)

struct Evidenziazione {
    // Stripes: row r (0-based) white when true, light yellow otherwise.
    std::array<bool, kRigheElenco> rigaBianca{};
    // Per cell (row * 55 + position, 0-based): the colour entry 0..8 it is
    // marked with (shown bold), or kNonSegnata.
    std::array<qint8, kCelleElenco> segno{};
};

// Repaints a page: the stripes flip `rigaAlterna` once per call (so two
// repaints of one page swap them), then the marks of the chosen mode.
Evidenziazione evidenzia(const PaginaElenco& p, const ScelteEvidenzia& s, bool& rigaAlterna);

// ---- Settings window formations --------------------------------------------

enum FormazioneElenco : int {
    FormazioneCadenza = 0,
    FormazioneDecina = 1,
    FormazioneFigura = 2,
    FormazioneGemelli = 3,
    FormazioneVertibili = 4,
    FormazioneComplementari = 5,
    FormazioneControfigura = 6,
    FormazioneRadicali = 7,
};

// The numbers a digit button selects for a formation, ascending; none for
// the twins, reversible and complementary formations.
std::vector<int> numeriFormazione(int formazione, int cifra);

// ---- Text file and printer ---------------------------------------------------

// Row r as a 195-character line: date, index ending in column 15, each
// wheel's numbers from column 18 + 16w, three columns apart.
QString rigaPaginaElenco(const RigaElenco& r);
// "Data        Ind  BARI ..." (193 characters).
QString intestazioneElenco();
// The 42 lines of the text file.
QStringList righeFileElenco(const PaginaElenco& p);
// The 42 printed lines (each text line one blank further right; blank lines empty).
QStringList righeStampaElenco(const PaginaElenco& p);
