#pragma once
// The back-test of the current method over the period: every draw in which
// the method's spia comes out on a search wheel is a case; the method's number
// (the capogioco) and its paired numbers, computed on the case draw, are
// played on the play wheels for the next colpi draws. Returns the counts and
// every win as a row of the win-detail list; the report's texts are in
// metodi/TestiBacktest.h.
#include "metodi/CodiceMetodo.h"

#include <QString>
#include <array>
#include <memory>
#include <vector>

class ArchivioMemoria;
class Restrizioni;
struct CalendarioMensile;

// The window's options, already turned into draws and tables.
struct ParametriBacktest {
    QString codice;                          // the current method's CodiceMetodo
    int colpi = 6;
    std::array<bool, 6> posizioniValidita{}; // 1..5
    std::array<bool, 12> ruoteRicerca{};     // 1..11
    std::array<bool, 12> ruoteGioco{};       // 1..11
    // The paired algorithms' codes, entry 0 unused (as the window keeps them).
    std::vector<QString> codiciAbbinati;
    qint32 estrazioneInizio = 1;
    qint32 estrazioneFine = 0;               // already lowered by the colpi when asked
    bool perSortite = false;                 // the last `sortite` cases
    int sortite = 0;
    int indiceScelto = 0;                    // 0 all, 1..max that index, max + 1 the last of the month
    int indiceMassimo = 0;
};

// At most this many paired numbers are played per case.
constexpr int kMassimoAbbinati = 30;

// One row of the win-detail list: a separator before the first win of each
// case, one row per win, one row per further ambo on the same wheel.
struct RigaDettaglio {
    enum class Tipo : quint8 { Separatore, Vincita, Ambo };
    Tipo tipo = Tipo::Separatore;
    bool ditto = false;       // the case columns show the ditto mark
    quint8 ruota = 0;         // wheel of the win
    qint32 colpo = 0;
    qint32 caso = -1;         // index into EsitoBacktest::casi
    qint32 esito = 0;         // draw of the win
    qint16 capogioco = 0;
    qint16 abbinato = 0;      // the paired number of the ambo; 0 = none
};

struct CasoDettaglio {
    qint32 estrazione = 0;
    QString data;             // as the record's characters stand
    QString ruote;            // "BA NA ": the search wheels of the spia
    QString numeri;           // "C: 45 in  1'  2' pos. A: 12-33-0"
};

struct EsitoBacktest {
    qint32 casiRilevati = 0;
    qint32 casiInGioco = 0;
    qint32 casiFavorevoli = 0;
    qint64 ambate = 0;
    qint64 ambiSecchi = 0;
    qint64 sommaColpi = 0;

    std::vector<CasoDettaglio> casi;   // the cases that have rows
    std::vector<RigaDettaglio> righe;

    // The text of a detail cell (column 0..8, as the list's nine columns).
    QString cella(size_t riga, int colonna) const;
    std::shared_ptr<const ArchivioMemoria> archivio;
};

// "C:" & Str(C) & validity text, then " A: " and the paired numbers joined by "-".
QString testoNumeri(int capogioco, const QString& testoValidita, const std::vector<int>& abbinati);

// Makes the paired numbers distinct from the capogioco and from each other:
// a clash moves to the next number (90 to 1) until none is left. A number
// moved onto the capogioco moves on again, so no pair of a number with itself
// is ever played. 0 (no number) is left alone.
void distinguiAbbinati(int capogioco, std::vector<int>& abbinati);

// Runs the back-test. The archive view is kept in the result for its cells.
EsitoBacktest eseguiBacktest(std::shared_ptr<const ArchivioMemoria> archivio,
                             const Restrizioni& restrizioni, const CalendarioMensile& calendario,
                             const ParametriBacktest& p, const QString& testoValidita);
