#pragma once
// Windows on a small screen: what the user can reach of them.
#include "compat/ui/Form.h"
#include "compat/ui/Twips.h"

#include <QCoreApplication>
#include <QMargins>
#include <QRect>
#include <QScrollArea>
#include <QWidget>

// The pending layout requests and the fits they ask for.
inline void lasciaPassare()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// The desktop of the tests that place windows: its window manager frames
// every window with a 20 px title bar and 1 px borders, its panel takes the
// top 32 px of the screen.
inline constexpr QMargins kCorniceProva(1, 20, 1, 1);
inline constexpr int kPannelloProva = 32;

// Stands that desktop in, on a screen `schermo`; returns its available area.
inline QRect schermoConPannello(const QRect& schermo)
{
    const QRect disponibile = schermo.adjusted(0, kPannelloProva, 0, 0);
    compat::setScreenOverride(schermo, disponibile, kCorniceProva);
    return disponibile;
}

// The window's frame lies wholly on `area`.
inline bool sulloSchermo(const compat::Form* w, const QRect& area)
{
    return area.contains(w->frameRect());
}

// Part `parte` of control `w` (all of it when empty) is in sight in window
// `f` as it stands: no container cuts it, and nothing needs scrolling.
inline bool inVista(const QWidget* f, const QWidget* w, QRect parte = {})
{
    if (!w->isVisible())
        return false;
    if (parte.isNull())
        parte = w->rect();
    const QRect r(w->mapTo(f, parte.topLeft()), parte.size());
    for (const QWidget* p = w->parentWidget(); p && p != f; p = p->parentWidget())
        if (!QRect(p->mapTo(f, QPoint(0, 0)), p->size()).contains(r))
            return false;
    return f->rect().contains(r);
}

// Part `parte` of control `w` (all of it when empty) lies in what the user
// sees of window `f`, once each container that scrolls it has scrolled to it.
inline bool raggiungibile(compat::Form* f, QWidget* w, QRect parte = {})
{
    if (parte.isNull())
        parte = w->rect();
    for (QWidget* p = w->parentWidget(); p && p != f; p = p->parentWidget()) {
        if (auto* s = qobject_cast<QScrollArea*>(p)) {
            const QPoint centro = w->mapTo(s->widget(), parte.center());
            s->ensureVisible(centro.x(), centro.y(), parte.width() / 2 + 1, parte.height() / 2 + 1);
        }
    }
    return inVista(f, w, parte);
}
