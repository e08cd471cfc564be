#include "compat/ui/Twips.h"

#include "compat/vb.h"

#include <QGuiApplication>
#include <algorithm>
#include <QScreen>
#include <QWidget>

namespace compat {


int twipsToPx(double twips)
{
    return static_cast<int>(vbRound(twips / 15.0));
}

double pxToTwips(int px)
{
    return px * 15.0;
}

double vbLeft(const QWidget* w)
{
    return pxToTwips(w->pos().x());
}

double vbTop(const QWidget* w)
{
    return pxToTwips(w->pos().y());
}

double vbWidth(const QWidget* w)
{
    return pxToTwips(w->width());
}

double vbHeight(const QWidget* w)
{
    return pxToTwips(w->height());
}

void vbSetLeft(QWidget* w, double twips)
{
    w->move(twipsToPx(twips), w->pos().y());
}

void vbSetTop(QWidget* w, double twips)
{
    w->move(w->pos().x(), twipsToPx(twips));
}

void vbSetWidth(QWidget* w, double twips)
{
    w->resize(std::max(0, twipsToPx(twips)), w->height());
}

void vbSetHeight(QWidget* w, double twips)
{
    w->resize(w->width(), std::max(0, twipsToPx(twips)));
}

double screenWidthTwips()
{
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? pxToTwips(s->geometry().width()) : 0.0;
}

double screenHeightTwips()
{
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? pxToTwips(s->geometry().height()) : 0.0;
}

} // namespace compat
