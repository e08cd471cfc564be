#pragma once
// Setters through which code changes a control's value, so that the handler
// the original ran on such a change runs here too, at once, inside the caller.
#include <QDate>
#include <QPointer>
#include <QWidget>
#include <QString>

class QAbstractButton;
class QComboBox;
class QDateEdit;
class QLineEdit;

namespace compat {

// CommandButton.Value = True: emits clicked() synchronously, even when the
// button is hidden or disabled.
void vbPress(QAbstractButton* button);
// CheckBox.Value: 0 unticked, 1 ticked.
int vbValue(const QAbstractButton* button);
// TextBox.Text = t: textChanged is emitted even when the text stays the same.
void vbSetText(QLineEdit* box, const QString& text);
// ComboBox.Text = t: selects the item reading exactly t; an editable combo
// takes a text that is not an item as its edit text.
void vbSetComboText(QComboBox* box, const QString& text);
// DTPicker.Value = d.
void vbSetDate(QDateEdit* picker, QDate date);
// True while vbSetDate is changing this picker: a dateChanged seen outside
// it came from the user (the original's Click).
bool vbDateSetByCode(const QDateEdit* picker);

// DoEvents.
void vbDoEvents();

// Sets a guard flag for a scope and clears it on every way out.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

// Keeps a widget disabled for a scope (a window's inputs while it computes);
// a widget gone meanwhile is left alone.
class DisabledScope {
public:
    explicit DisabledScope(QWidget* w);
    ~DisabledScope();
    DisabledScope(const DisabledScope&) = delete;
    DisabledScope& operator=(const DisabledScope&) = delete;

private:
    QPointer<QWidget> w_;
};

// The hourglass for a scope; nested scopes stack.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace compat
