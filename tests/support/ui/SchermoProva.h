#pragma once
// Windows on a small screen: what the user can reach of them.
#include "compat/ui/Form.h"

#include <QCoreApplication>
#include <QRect>
#include <QScrollArea>
#include <QWidget>

// The pending layout requests and the fits they ask for.
inline void lasciaPassare()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// The window's frame lies wholly on `area`.
inline bool sulloSchermo(const QWidget* w, const QRect& area)
{
    return area.contains(w->frameGeometry());
}

// Part `parte` of control `w` (all of it when empty) lies in what the user
// sees of window `f`, once scrolled to.
inline bool raggiungibile(compat::Form* f, QWidget* w, QRect parte = {})
{
    if (!w->isVisible())
        return false;
    if (parte.isNull())
        parte = w->rect();
    QRect visibile = f->rect();
    if (QScrollArea* s = f->scrollArea()) {
        const QPoint centro = w->mapTo(s->widget(), parte.center());
        s->ensureVisible(centro.x(), centro.y(), parte.width() / 2 + 1, parte.height() / 2 + 1);
        visibile = QRect(s->viewport()->mapTo(f, QPoint(0, 0)), s->viewport()->size());
    }
    return visibile.contains(QRect(w->mapTo(f, parte.topLeft()), parte.size()));
}
