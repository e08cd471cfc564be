#pragma once
// Small builders shared by the shell's windows.
#include <QString>
#include <QStyle>
#include <array>

#include <QWidget>
#include <type_traits>

class QPushButton;

// "base_i": the name of element i of a control array.
QString NomeElemento(const char* base, int i);

// A control as designed: named `nome`, with its caption where it has one.
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

// A picture button without caption (the look of the program's small
// windows), named `nome`, with its tooltip.
QPushButton* PulsanteImmagine(QWidget* padre, const QString& nome, QStyle::StandardPixmap icona,
                              const QString& suggerimento);

class QAbstractButton;

// The wheel boxes `prefisso`_0 .. `prefisso`_11 of a window (0 = "Tutte",
// 11 = Nazionale); a missing box reads as not ticked and is left alone.
QAbstractButton* CasellaRuota(QWidget* w, const QString& prefisso, int i);
void SpuntaRuota(QWidget* w, const QString& prefisso, int i, bool valore);
bool RuotaSpuntata(QWidget* w, const QString& prefisso, int i);

// Ticks the boxes from 11 stored flags: ten leading "Y" tick "Tutte" alone.
void SpuntaRuoteDaFlag(QWidget* w, const QString& prefisso, const QString& flag);

// The rule of a click on box `indice`: "Tutte" unticks the ten wheels, a
// regional wheel unticks "Tutte". Returns the 11 flags to store; none ticked
// stores "YYYYYYYYYYN".
QString FlagDaRuoteSpuntate(QWidget* w, const QString& prefisso, int indice);

namespace compat {
class Form;
}
class QHBoxLayout;

// The confirm, cancel and help picture buttons of the small windows, with
// their tooltips, confirm as the default button; returns their row.
QHBoxLayout* PulsantiConferma(compat::Form* f, QPushButton*& cmdOk, QPushButton*& cmdAnnulla,
                              QPushButton*& cmdHelp);

class QDateEdit;
class QToolButton;

// A date picker showing dd/MM/yyyy in the Italian calendar, named `nome`.
QDateEdit* SelettoreData(QWidget* padre, const QString& nome);

// The main window's wheel pictures (plain and ticked) on the wheel boxes
// 0..11 of another window (null entries skipped); without the main window
// the boxes keep their captions.
void CopiaImmaginiRuote(const std::array<QToolButton*, 12>& caselle);
