#pragma once
// Whether the texts of a window's controls show whole at the font they are
// drawn with, in the room their control and its containers leave them.
#include <QString>

class QAbstractItemView;
class QWidget;

// Why the text of `w` (a label, a button, a check box, an option box or a
// frame's caption) does not show whole within `finestra`; empty when it does,
// or when `w` shows no text. A container that scrolls its content stops the
// search for containers that cut it: what lies outside its view is reached
// by scrolling.
QString testoTagliato(const QWidget* w, const QWidget* finestra);

// Why a column of the list `v` cuts its header or the value of a row in
// view; empty when every shown column shows both whole.
QString colonnaTagliata(const QAbstractItemView* v);

// Why the title of window `finestra` would not show whole in a title bar
// with the usual buttons; empty when it would.
QString titoloTagliato(const QWidget* finestra);
