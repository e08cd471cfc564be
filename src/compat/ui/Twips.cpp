#include "compat/ui/Twips.h"

#include "compat/vb.h"

#include <QGuiApplication>
#include <algorithm>
#include <cmath>
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

void vbMove(QWidget* w, double left, double top, double width, double height)
{
    w->setGeometry(twipsToPx(left), twipsToPx(top), twipsToPx(width), twipsToPx(height));
}

namespace {

QRect schermoSostituito;
QRect disponibileSostituito;
QMargins corniceSostituita;

} // namespace

void setScreenOverride(const QRect& px, const QRect& available, const QMargins& frame)
{
    schermoSostituito = px;
    disponibileSostituito = px.isEmpty() || available.isEmpty() ? px : available;
    corniceSostituita = px.isEmpty() ? QMargins() : frame;
}

QMargins screenOverrideFrame()
{
    return corniceSostituita;
}

QRect frameRectPx(const QWidget* w)
{
    // Qt places a window by its frame's origin: the override's frame only
    // stands in for the desktop's size of it.
    if (!corniceSostituita.isNull())
        return QRect(w->pos(), w->size().grownBy(corniceSostituita));
    return w->frameGeometry();
}

QRect screenPx()
{
    if (!schermoSostituito.isEmpty())
        return schermoSostituito;
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry() : QRect();
}

QRect availableScreenPx()
{
    if (!schermoSostituito.isEmpty())
        return disponibileSostituito;
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect();
}

double screenWidthTwips()
{
    return pxToTwips(screenPx().width());
}

double screenHeightTwips()
{
    return pxToTwips(screenPx().height());
}

QRectF availableScreenTwips()
{
    const QRect r = availableScreenPx();
    if (r.isEmpty())
        return {};
    return QRectF(pxToTwips(r.x()), pxToTwips(r.y()), pxToTwips(r.width()),
                  pxToTwips(r.height()));
}

namespace {

// One axis: origin and extent against the area's start and extent. An
// extent cut to the area leaves no room: the window takes the whole axis.
void dentro(double& origine, double& estensione, double inizio, double area)
{
    if (!(estensione <= area)) { // also catches NaN
        estensione = area;
        origine = inizio;
        return;
    }
    if (!(origine >= inizio - 120 && origine <= inizio + area - 1000))
        origine = inizio + std::trunc(vbRound(area - estensione) / 2.0);
}

} // namespace

FrameTwips keepOnScreen(FrameTwips f, const QRectF& area)
{
    if (area.isEmpty())
        return f;
    dentro(f.left, f.width, area.left(), area.width());
    dentro(f.top, f.height, area.top(), area.height());
    return f;
}

FrameTwips keepOnScreen(FrameTwips f)
{
    return keepOnScreen(f, availableScreenTwips());
}

FrameTwips frameOf(const QWidget* w)
{
    return {vbLeft(w), vbTop(w), vbWidth(w), vbHeight(w)};
}

void setFrame(QWidget* w, const FrameTwips& f)
{
    vbSetWidth(w, f.width);
    vbSetHeight(w, f.height);
    vbSetLeft(w, f.left);
    vbSetTop(w, f.top);
}

} // namespace compat
