#pragma once
// Controls and helpers every window shares: builders that give each control
// its own name, the wheel-box row, the period block, the Italian day and
// month names, numbers typed in boxes, and the typed access
// through which the shell's procedures reach a window's controls.
#include "compat/ui/DatePicker.h"

#include <QString>
#include <QStringList>
#include <QStyle>
#include <array>
#include <initializer_list>
#include <optional>
#include <type_traits>
#include <vector>

class QAbstractButton;
class QAbstractItemView;
class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QHeaderView;
class QIcon;
class QLineEdit;
class QPixmap;
class QPushButton;
class QToolButton;
class QWidget;

namespace compat {
class Form;
}

// ---------------------------------------------------------------------------
// Builders

// "base_i": the name of element i of a control array.
QString NomeElemento(const char* base, int i);

// A control of type W named `nome`, with caption `testo` where W takes one.
template <class W>
W* CreaControllo(QWidget* padre, const QString& nome, const QString& testo = {})
{
    W* w;
    if constexpr (std::is_constructible_v<W, QString, QWidget*>)
        w = new W(testo, padre);
    else
        w = new W(padre);
    w->setObjectName(nome);
    return w;
}

// A date picker as the program shows dates: dd/MM/yyyy, Italian calendar
// popup, typed as the original's picker is typed (compat::DatePicker).
compat::DatePicker* creaData(QWidget* padre, const QString& nome);

// A combo box. An editable one takes typed text as typed: nothing completes
// it inline (typing 7 must not read as 70), the list fills the box only when
// an item is chosen, and Enter never adds the text to the list.
QComboBox* creaCombo(QWidget* padre, const QString& nome, bool modificabile);

// A picture button without caption (the look of the program's small
// windows), named `nome`, with its tooltip.
QPushButton* PulsanteImmagine(QWidget* padre, const QString& nome, QStyle::StandardPixmap icona,
                              const QString& suggerimento);

// The confirm, cancel and help picture buttons of the small windows, with
// their tooltips, confirm as the default button; returns their row.
QHBoxLayout* PulsantiConferma(compat::Form* f, QPushButton*& cmdOk, QPushButton*& cmdAnnulla,
                              QPushButton*& cmdHelp);

// The output buttons of a result window: print (cmdStampa) and write to a
// text file (cmdPrintToFile), picture buttons whose tooltips come from the
// common look; `esci` (may be null) closes the window, at the row's end.
QHBoxLayout* PulsantiUscita(compat::Form* f, QPushButton*& cmdStampa, QPushButton*& cmdPrintToFile,
                            QPushButton* esci = nullptr);

// The columns 0.. of a list at their designed widths in twips, each widened
// until its header and campioni[c] (the widest value the column holds, when
// given) show whole at the list's font.
void LarghezzeColonne(QAbstractItemView* lista, QHeaderView* intestazione, const std::vector<int>& twips,
                      const QStringList& campioni = {});

// A list at least as wide as its shown columns and a vertical scroll bar:
// no column needs scrolling sideways.
void ColonneInVista(QAbstractItemView* lista, const QHeaderView* intestazione);

// Twips are laid out at the common look's font: a control whose designed
// width is too narrow for `testo`, the longest text it shows, grows until
// that text is whole, and the controls after it in its row move along.
void AllargaPerTesto(QWidget* w, const QString& testo, std::initializer_list<QWidget*> seguenti = {});

// ---------------------------------------------------------------------------
// Wheel boxes

// A window's wheel boxes: 0 = "Tutte", 1..10 the regional wheels, 11 the
// Nazionale. A window without box 0 leaves it null.
using CaselleRuote = std::array<QAbstractButton*, 12>;

// The picture of wheel i (0 = "Tutte"): grey, or yellow when ticked. Made once.
QPixmap immagineRuota(int i, bool gialla);

// The row of picture boxes `prefisso`_0..11 (tooltips the wheel names), made
// checkable and placed on `riga` of `griglia`, columns 0..11.
std::array<QToolButton*, 12> creaCaselleRuote(QWidget* padre, const QString& prefisso,
                                              QGridLayout* griglia, int riga);

// Boxes through typed arrays; a missing box reads as not ticked and is left alone.
void SpuntaRuota(const CaselleRuote& caselle, int i, bool valore);
bool RuotaSpuntata(const CaselleRuote& caselle, int i);
// Ticks the boxes from 11 stored flags: ten leading "Y" tick "Tutte" alone.
void SpuntaRuoteDaFlag(const CaselleRuote& caselle, const QString& flag);
// The rule of a click on box `indice`: "Tutte" unticks the ten wheels, a
// regional wheel unticks "Tutte". Returns the 11 flags to store; none ticked
// stores "YYYYYYYYYYN".
QString FlagDaRuoteSpuntate(const CaselleRuote& caselle, int indice);

template <class B>
CaselleRuote caselle(const std::array<B*, 12>& a)
{
    CaselleRuote c{};
    for (size_t i = 0; i < a.size(); ++i)
        c[i] = a[i];
    return c;
}

// ---------------------------------------------------------------------------
// Period block

// The start and end pickers DTPickerDa and DTPickerA of a period frame, on
// row 0 of its grid: `inizio` (a "Dal" label when null), DTPickerDa, a free
// column 2, "al", DTPickerA, a free column 5.
struct BloccoPeriodo {
    compat::DatePicker* DTPickerDa = nullptr;
    compat::DatePicker* DTPickerA = nullptr;
    QGridLayout* griglia = nullptr;
};
BloccoPeriodo creaBloccoPeriodo(QWidget* riquadro, QWidget* inizio = nullptr);

// ---------------------------------------------------------------------------
// What the shell's period and wheel procedures reach in a window

// Null where the window lacks the control.
struct ControlliAnalisi {
    CaselleRuote ruote{};        // chkRuota_0..11
    CaselleRuote ruoteGioco{};   // chkRuotaG_0..11
    QWidget* txtDataInizio = nullptr;   // a text box or a label
    QWidget* txtDataFine = nullptr;
    QDateEdit* DTPickerDa = nullptr;
    QDateEdit* DTPickerA = nullptr;
    QDateEdit* DTPickerARit = nullptr;
};

// Implemented by every window the shell's period and wheel procedures fill.
class FinestraAnalisi {
public:
    virtual ControlliAnalisi controlliAnalisi() = 0;

protected:
    ~FinestraAnalisi() = default;
};

// The controls of `w` when it is such a window; all null otherwise.
ControlliAnalisi controlliAnalisi(QWidget* w);

// Sets the text of a text box (its change handler runs) or of a label.
void scriviTesto(QWidget* casella, const QString& testo);

// ---------------------------------------------------------------------------
// Names and numbers

// "Domenica" .. "Sabato" for 1..7; "Gennaio" .. "Dicembre" for 1..12.
QString nomeGiorno(int giorno);
QString nomeMese(int mese);

// A number typed in a box, read as Val reads it; one too large for a Double
// saturates to the largest (or, negative, the smallest) instead of overflowing.
double numeroDigitato(const QString& testo);
// A whole number typed in a box, read as Val reads it and rounded as CInt
// does; nothing when it does not fit an Integer (-32768..32767), so that the
// caller refuses it with the box's own message instead of overflowing.
std::optional<int> interoDigitato(const QString& testo);
// The same where a refused number reads as 0, below every range that starts at 1.
int interoDigitatoOZero(const QString& testo);

// Keeps a box to digits by every route, not only typing: a paste, a drop or
// the context menu that would leave anything else in it is refused whole,
// as a typed non-digit is dropped ("-7" must not become 7); blanks and line
// breaks around the digits are dropped. `altri` are the other characters the
// box takes when typed (the "/" of a typed date).
void soloCifre(QLineEdit* casella, const QString& altri = {});
