#pragma once
// The consultation board without its widgets: the per-board state, the 55
// cells as values (number, text, colours, tooltip) and the steps of a redraw
// that fill and mark them. The window only copies the cells to its text boxes;
// analyses read and mark the cells here, never the widgets.
#include <QDate>
#include <QString>
#include <QtGlobal>
#include <array>

class ArchivioMemoria;
class IndiceUscite;

constexpr int kCelleTabellone = 55;
constexpr quint32 kSfondoCella = 0xFFFFC0;
constexpr quint32 kTestoCella = 0x800000;
// Largest and smallest value of the delay and frequency modes.
constexpr quint32 kSfondoMassimo = 0x0000FF;
constexpr quint32 kSfondoMinimo = 0xFF0000;
constexpr quint32 kTestoEstremi = 0x00FFFF;

struct Cella {
    int valore = 0;        // the numeric value of the text (0 = no number)
    QString testo;
    quint32 sfondo = kSfondoCella;
    quint32 colore = kTestoCella;
    QString suggerimento;

    // A number shown as plain digits.
    void scrivi(int v)
    {
        valore = v;
        testo = QString::number(v);
    }
    void svuota()
    {
        valore = 0;
        testo.clear();
    }
    void coloriPredefiniti()
    {
        sfondo = kSfondoCella;
        colore = kTestoCella;
    }
    void marca(quint32 fondo, quint32 testoColore)
    {
        sfondo = fondo;
        colore = testoColore;
    }
    bool marcata() const { return sfondo != kSfondoCella; }
};

// Cells 1..55: row r (0..10) and position p (1..5) at r * 5 + p.
struct ModelloCelle {
    std::array<Cella, kCelleTabellone + 1> celle{};

    Cella& operator[](int i) { return celle[size_t(i)]; }
    const Cella& operator[](int i) const { return celle[size_t(i)]; }
    Cella& at(int riga, int posizione) { return celle[size_t(riga * 5 + posizione)]; }
    const Cella& at(int riga, int posizione) const { return celle[size_t(riga * 5 + posizione)]; }
};

// Everything one board keeps between its handlers.
struct StatoTabellone {
    qint32 EstrazioneCorrente = 0;
    int RuotaSingola = 0;          // 0 all wheels, 1..11 ten draws of that wheel
    int TipoAnalisi = 0;
    int TipoVisualizzazione = 0;   // 0 numbers, 1 delays at the draw, 2 frequencies
    int Salto = 0;
    qint32 InizioPeriodo = 0;
    qint32 FinePeriodo = 0;
    double SortitaMedia = 0;
    std::array<qint32, 10> EstrazioneRiga{};   // one-wheel layout: draw of each row
    bool Riepilogo = true;

    // Find searches: chosen numbers, target sums and distances (0 = empty
    // slot), and the running counts of what the redraws matched.
    std::array<bool, 91> NumeriCercati{};
    std::array<qint32, 91> PresenzeNumeri{};
    bool TrovaNumeri = false;
    std::array<int, 6> SommeCercate{};
    std::array<qint32, 6> TotaleSomme{};
    bool TrovaSomme = false;
    std::array<int, 6> DistanzeCercate{};
    std::array<qint32, 6> TotaleDistanze{};
    bool TrovaDistanze = false;
};

// The header of the draw shown: in the one-wheel layout, that of the last row.
struct IntestazioneEstrazione {
    int progressivoAnno = 0;
    QString anno;                    // four characters
    std::array<QString, 10> dateRighe;   // one-wheel layout: DD/MM/YYYY per row
};

// Fills the cells with the draw `estrazione` on all wheels, each cell with
// default colours; `ordinate` sorts each row ascending (missing numbers first).
IntestazioneEstrazione RiempiTutteLeRuote(const ArchivioMemoria& v, qint32 estrazione,
                                          bool ordinate, ModelloCelle& m);
// Fills rows 0..9 with wheel `ruota` in the ten draws ending at the current
// one (draws 1..10 below draw 10), records each row's draw in the state, and
// leaves row 10 empty.
IntestazioneEstrazione RiempiRuotaSingola(const ArchivioMemoria& v, StatoTabellone& s,
                                          bool ordinate, ModelloCelle& m);

// Mode 1: every cell shows its number's delay at its draw; the largest and
// then the smallest values are marked (smallest wins a tie).
void MostraRitardiSortita(const ArchivioMemoria& v, const StatoTabellone& s, ModelloCelle& m);
// The "last delay at least" marking of the all-wheels layout: cells whose
// number's delay at draw `estrazione` is `soglia` or more; texts unchanged.
void MarcaRitardiAlmeno(const ArchivioMemoria& v, qint32 estrazione, qint64 soglia, ModelloCelle& m);

// Mode 2: every cell shows how often its number came out on its wheel in the
// period; in the one-wheel layout each row counts as many draws, ending at
// its own draw (the one before it when `escludiAttuale`), never before draw 1.
void MostraFrequenze(const IndiceUscite& ind, const StatoTabellone& s, bool escludiAttuale,
                     ModelloCelle& m);

// The Fuori 90 running sum of a row's five cells.
int SommaRuota(const ModelloCelle& m, int riga);

// Find colour pairs of slot 0..5 (background, text).
std::array<quint32, 2> ColoriTrova(int slot);
// The three find markings of a redraw; each adds its matches to the running
// counts of the state. Only numbers 1..90 are looked up among the chosen ones.
void MarcaNumeriCercati(StatoTabellone& s, ModelloCelle& m);
void MarcaSommeCercate(StatoTabellone& s, bool fuori90, ModelloCelle& m);
void MarcaDistanzeCercate(StatoTabellone& s, ModelloCelle& m);

// The whole number in a number box: Val of the text, rounded, held within the
// 32-bit range so that a long row of digits is a large number, never an overflow.
qint32 ValoreIntero(QStringView testo);
