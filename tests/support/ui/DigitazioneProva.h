#pragma once
// Typing into boxes as a user does: a click at a place of the text, keys
// sent one by one to whatever has the focus when each is pressed.
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPoint>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>

// A point of the text that a click puts at `posizione` (the place before
// character `posizione`, rounded to the nearer side).
inline QPoint puntoNelTesto(QLineEdit* testo, int posizione)
{
    const int y = testo->height() / 2;
    int x = 0;
    while (x < testo->width() && testo->cursorPositionAt(QPoint(x, y)) < posizione)
        ++x;
    return QPoint(x + 1, y);
}

// A click on the text of `casella` (a line edit, or a control holding one) at `posizione`.
inline void clicNelTesto(QWidget* casella, int posizione)
{
    auto* testo = qobject_cast<QLineEdit*>(casella);
    if (!testo)
        testo = casella->findChild<QLineEdit*>();
    QTest::mouseClick(testo, Qt::LeftButton, {}, puntoNelTesto(testo, posizione));
}

// One notch of the wheel up at `punto` of `sotto`, given to it as the desktop
// gives it to the widget under the pointer: what it leaves goes on to its parents.
inline void scattoRotella(QWidget* sotto, QPoint punto)
{
    QWheelEvent e(punto, sotto->mapToGlobal(punto), QPoint(), QPoint(0, 120), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&e);
    qApp->notify(sotto, &e);
}

inline void digitaAlFuoco(const char* tasti)
{
    for (const char* t = tasti; *t; ++t)
        QTest::keyClick(QApplication::focusWidget(), *t);
}

// A right click at `posizione` of `testo`, sent to its window as the desktop
// sends it (sent to the widget it opens no context menu), and the menu's
// paste clicked once the menu shows.
inline void incollaDalMenu(QLineEdit* testo, int posizione)
{
    QTimer::singleShot(0, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        for (QAction* a : menu ? menu->actions() : QList<QAction*>()) {
            if (a->text().startsWith(QLineEdit::tr("&Paste")))
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
        }
        if (menu)
            menu->close();
    });
    QWidget* finestra = testo->window();
    QTest::mouseClick(finestra->windowHandle(), Qt::RightButton, {},
                      testo->mapTo(finestra, puntoNelTesto(testo, posizione)));
    finestra->activateWindow();   // as the desktop does once the menu is gone
    static_cast<void>(QTest::qWaitForWindowActive(finestra));
}
