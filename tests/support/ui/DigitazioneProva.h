#pragma once
// Typing into boxes as a user does: a click at a place of the text, keys
// sent one by one to whatever has the focus when each is pressed.
#include <QApplication>
#include <QLineEdit>
#include <QPoint>
#include <QTest>

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

inline void digitaAlFuoco(const char* tasti)
{
    for (const char* t = tasti; *t; ++t)
        QTest::keyClick(QApplication::focusWidget(), *t);
}
