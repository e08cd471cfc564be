#pragma once
// The original's KeyPress and GotFocus events of a control, as handlers of
// its window (run through Form::runHandler like every other handler).
#include <QString>
#include <Qt>
#include <functional>

class QWidget;

namespace compat {

class Form;

// KeyPress(KeyAscii): `fn` gets the character code of a typed key (control
// keys too: 8 Backspace, 13 Enter, 27 Esc) and returns it, or 0 to drop the
// key. Keys that type no character (arrows, Delete) are not given to it.
void onKeyPress(Form* form, QWidget* control, const QString& name, std::function<int(int)> fn);
// GotFocus.
void onGotFocus(Form* form, QWidget* control, const QString& name, std::function<void()> fn);
// LostFocus, with the reason the focus went (a switch to another window or a
// popup is no move to another control).
void onLostFocus(Form* form, QWidget* control, const QString& name,
                 std::function<void(Qt::FocusReason)> fn);

} // namespace compat
