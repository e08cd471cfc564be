#pragma once
// The sums and distances table of a board: for each of its eleven rows and
// each of the ten pairs of positions within a row, the pair's sum "Fuori 90"
// and its cyclometric distance, equal values marked within each pair column
// or within each row. Also what the table's chart shows of one column or one
// row, and the table as the fixed-column text of its file and its print.
#include "consulta/Tabellone.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

constexpr int kRigheSommeDistanze = 11;
constexpr int kCoppieSommeDistanze = 10;
constexpr int kCelleSommeDistanze = 110;

// Looks of the table's cells (0xBBGGRR).
constexpr quint32 kSfondoSomma = 0xC0FFFF;
constexpr quint32 kSfondoDistanza = 0xFFFFC0;
constexpr quint32 kTestoSommaDistanza = 0x000000;
constexpr quint32 kSfondoUguale = 0x000000;
constexpr quint32 kTestoUguale = 0x00FFFF;

struct CellaSommeDistanze {
    QString testo;          // a number, "-", or empty when never filled
    QString suggerimento;   // " 5 - 37"; empty on "-"
    bool uguale = false;    // equal to another cell of its column or row
};

// Cell n = (row - 1) * 10 + pair, row 1..11, pair 1..10.
struct TabellaSommeDistanze {
    QString intestazione;                                // a date, or a wheel name padded to 10
    std::array<QString, kRigheSommeDistanze + 1> righe;  // 1..11
    std::array<CellaSommeDistanze, kCelleSommeDistanze + 1> somme;
    std::array<CellaSommeDistanze, kCelleSommeDistanze + 1> distanze;
};

// What the table takes of a board besides its cells.
struct OrigineSommeDistanze {
    int ruotaSingola = 0;                  // 0 all wheels, else the wheel of the one-wheel layout
    std::array<QString, 12> nomiRuote;     // 1..11, padded as stored
    QString data;                          // the date of the draw shown (all-wheels layout)
    std::array<QString, 10> dateRighe;     // the board's row dates (one-wheel layout)
};

// The caption of pair column k (0..9): "1 - 2" .. "4 - 5".
QString DidascaliaCoppia(int k);

// The whole table from what the board's cells show; equal values marked
// within each pair column when `perColonne`, else within each row.
TabellaSommeDistanze RiempiSommeDistanze(const ModelloCelle& m, const OrigineSommeDistanze& o,
                                         bool perColonne);

// One column or one row of the table as its chart shows it; the values as
// the cells hold them ("-" and empty included).
struct DatiGrafico {
    QString titolo;
    QStringList etichette;
    QStringList somme;
    QStringList distanze;
};
// Pair column k (0..9): a row per wheel ("BA" .. "NZ", from `sigle` 1..11)
// when the header is a date, else a row per draw (DD/MM/YY).
DatiGrafico GraficoCoppia(const TabellaSommeDistanze& t, int k, const std::array<QString, 12>& sigle);
// Row r (1..11): a row per pair; nothing for a row without a name.
std::optional<DatiGrafico> GraficoRiga(const TabellaSommeDistanze& t, int r);

// The fixed lines of the text table, each 72 characters.
extern const QString kBordoSommeDistanze;
extern const QString kTestataSommeDistanze;
extern const QString kSottotestataSommeDistanze;
extern const QString kChiusuraSommeDistanze;

// The first title of the file; the printed one adds the date and time.
QString TitoloSommeDistanze();
// The 1-based column at which a title stands centred in 80 characters.
int ColonnaTitolo(const QString& titolo);
// Row r (1..11) as 78 characters: the name from column 6, a bar at 16, then
// each pair's sum and distance right-aligned in two and a bar.
QString RigaTestoSommeDistanze(const TabellaSommeDistanze& t, int r);
// Cell k (1..10) of row r as it stands in the row: "ss dd|".
QString CellaTestoSommeDistanze(const TabellaSommeDistanze& t, int r, int k);
// The 22 lines of the text file.
QStringList FileSommeDistanze(const TabellaSommeDistanze& t);
// The proposed file name: "SommeDistanze_" and the header with "/" as "_".
QString NomeFileSommeDistanze(const QString& intestazione);
