#pragma once
// The common look of every window: the three colours of section "Settings",
// the default button and the standard tooltips; and the fixed colour tables of
// the table of draws.
#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>

namespace compat {
class Form;
}

// "ColoreForm", "ColoreEtichette", "ColoreListe" as last read by ImpostaForm.
extern std::array<QString, 3> ColoriForm;

// Applies the look to `frm` (callers pass Forms::current, just set to the
// window). Controls by kind, skipping owned windows and the insides of
// composite controls:
//  - form colour: the window, plain containers (QWidget, QFrame: picture
//    boxes), QGroupBox (frames), QCheckBox, QRadioButton and checkable
//    QToolButton (graphical check boxes);
//  - label colour: QLabel, except one showing a picture (an image);
//  - list colour: QLineEdit, QTextEdit, QPlainTextEdit, QAbstractItemView,
//    QComboBox, except in "frmConsultaEstrazioni";
//  - the rest (buttons, pickers, bars, charts) keep their colours.
// Never fails: whatever cannot be applied is passed over.
void ImpostaForm(compat::Form* frm);

// The colour of a settings text, nullopt when the text is no colour.
std::optional<quint32> ColoreDaTesto(const QString& testo);

// Highlight colour pairs 0..8 and wheel heading colours 1..11 of the table
// of draws.
extern std::array<quint32, 9> ColoriSfondoElenco;
extern std::array<quint32, 9> ColoriTestoElenco;
extern std::array<quint32, 12> ColoriRuoteElenco;
void InizializzaColoriElenco();
