#include "compat/ui/Twips.h"

#include "compat/ui/Form.h"
#include "compat/vb.h"

#include <QGuiApplication>
#include <algorithm>
#include <cmath>
#include <limits>
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

namespace {

void moveFramePx(QWidget* w, const QPoint& origin)
{
    if (auto* f = qobject_cast<Form*>(w))
        f->moveFrame(origin);
    else
        w->move(origin);
}

} // namespace

double vbLeft(const QWidget* w)
{
    return pxToTwips(w->isWindow() ? frameRectPx(w).x() : w->pos().x());
}

double vbTop(const QWidget* w)
{
    return pxToTwips(w->isWindow() ? frameRectPx(w).y() : w->pos().y());
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
    if (w->isWindow())
        moveFramePx(w, QPoint(twipsToPx(twips), frameRectPx(w).y()));
    else
        w->move(twipsToPx(twips), w->pos().y());
}

void vbSetTop(QWidget* w, double twips)
{
    if (w->isWindow())
        moveFramePx(w, QPoint(frameRectPx(w).x(), twipsToPx(twips)));
    else
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
    if (const auto* f = qobject_cast<const Form*>(w))
        return f->frameRect();
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
// `prima` is how far before the area an origin may lie.
void dentro(double& origine, double& estensione, double inizio, double area, double prima)
{
    if (!(estensione <= area)) { // also catches NaN
        estensione = area;
        origine = inizio;
        return;
    }
    if (!(origine >= inizio - prima && origine <= inizio + area - 1000))
        origine = inizio + std::trunc(vbRound(area - estensione) / 2.0);
}

} // namespace

FrameTwips keepOnScreen(FrameTwips f, const QRectF& area)
{
    if (area.isEmpty())
        return f;
    dentro(f.left, f.width, area.left(), area.width(), 120);
    // A title bar above the area is brought in just enough.
    dentro(f.top, f.height, area.top(), area.height(), std::numeric_limits<double>::infinity());
    f.top = std::max(f.top, area.top());
    return f;
}

FrameTwips keepOnScreen(FrameTwips f)
{
    return keepOnScreen(f, availableScreenTwips());
}

FrameTwips frameOf(const QWidget* w)
{
    const QRect r = frameRectPx(w);
    return {pxToTwips(r.x()), pxToTwips(r.y()), pxToTwips(r.width()), pxToTwips(r.height())};
}

void setFrame(QWidget* w, const FrameTwips& f)
{
    const QSize dimensione(std::max(0, twipsToPx(f.width)), std::max(0, twipsToPx(f.height)));
    if (auto* form = qobject_cast<Form*>(w))
        form->resizeFrame(dimensione);
    else
        w->resize(dimensione.shrunkBy(corniceSostituita).expandedTo(QSize(0, 0)));
    moveFramePx(w, QPoint(twipsToPx(f.left), twipsToPx(f.top)));
}

void restoreFrameOrigin(QWidget* w, double left, double top)
{
    const FrameTwips attuale = frameOf(w);
    const FrameTwips f = keepOnScreen({left, top, attuale.width, attuale.height});
    moveFramePx(w, QPoint(twipsToPx(f.left), twipsToPx(f.top)));
}

} // namespace compat
