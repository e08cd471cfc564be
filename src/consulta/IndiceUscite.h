#pragma once
// Delays and frequencies of the board over the shared archive view.
//
// A draw counts for a wheel's delays only when the wheel has all five numbers
// (the Nazionale before its first draw has none); a wheel's numbers are read
// up to the first missing one, as every reader of the board does.
#include <QDate>
#include <QString>
#include <QtGlobal>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class ArchivioMemoria;

// Where every number came out on every wheel, built once per archive view, so
// that a frequency is two binary searches instead of a scan.
class IndiceUscite {
public:
    explicit IndiceUscite(const ArchivioMemoria& v);

    qint32 numeroEstrazioni() const { return n_; }
    // How often `numero` came out on `ruota` in draws da..a (clamped to the
    // archive; an empty range gives 0).
    qint32 frequenza(int ruota, int numero, qint32 da, qint32 a) const;

private:
    qint32 n_ = 0;
    // Draws where (wheel, number) came out, once per position, ascending.
    std::array<std::array<std::vector<qint32>, 91>, 12> uscite_;
};

// The delays of all 90 numbers of `ruota` at draw `estrazione` (index 0 is
// 0): the draws of that wheel before it since each number last came out, all
// of them for a number that never did. A backward scan of the view that ends
// once every number was seen.
std::array<qint32, 91> RitardiAllaEstrazione(const ArchivioMemoria& v, int ruota, qint32 estrazione);

// The index of the given view, rebuilt when the view changes.
std::shared_ptr<const IndiceUscite> indiceUscite(const std::shared_ptr<const ArchivioMemoria>& v);

// The frequency period: the option chosen (0 the last n draws, 1 the last
// year, 2 from the first of January, 3 the last n cycles of 18 draws, any
// other value none) and its inputs as the boxes hold them.
struct ParametriPeriodo {
    int opzione = 0;
    QDate dataMostrata;          // the date of the board's picker
    QString estrazioni;          // "Ultime n estrazioni"
    QString cicli;               // "Ultimi n cicli"
    bool escludiAttuale = false;
};

struct Periodo {
    qint32 inizio = 0;
    qint32 fine = 0;
    double sortitaMedia = 0;
};

// The draw of a date, or the first after it; nullopt when the date is refused
// (the caller tells the user why).
using CercaDraw = std::function<std::optional<qint32>(QDate)>;

// nullopt when the choice gives no period. A date a year or a January before
// the first draw starts the period at draw 1; 29 February a year back is the
// 28th.
std::optional<Periodo> CalcolaPeriodo(const ParametriPeriodo& p, const ArchivioMemoria& v,
                                      const CercaDraw& cerca);
