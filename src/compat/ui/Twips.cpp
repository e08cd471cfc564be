#include "compat/ui/Twips.h"

#include "compat/ui/Form.h"
#include "compat/vb.h"

#include <algorithm>
#include <cmath>
#include <limits>
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

// A window's place is its frame's, which a Form knows; Qt places any other
// window by its frame's origin too.
QPoint origine(const QWidget* w)
{
    const auto* f = w->isWindow() ? qobject_cast<const Form*>(w) : nullptr;
    return f ? f->frameRect().topLeft() : w->pos();
}

void sposta(QWidget* w, const QPoint& p)
{
    if (auto* f = w->isWindow() ? qobject_cast<Form*>(w) : nullptr)
        f->moveFrame(p);
    else
        w->move(p);
}

} // namespace

double vbLeft(const QWidget* w)
{
    return pxToTwips(origine(w).x());
}

double vbTop(const QWidget* w)
{
    return pxToTwips(origine(w).y());
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
    sposta(w, QPoint(twipsToPx(twips), origine(w).y()));
}

void vbSetTop(QWidget* w, double twips)
{
    sposta(w, QPoint(origine(w).x(), twipsToPx(twips)));
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

FrameTwips frameOf(const Form* w)
{
    const QRect r = w->frameRect();
    return {pxToTwips(r.x()), pxToTwips(r.y()), pxToTwips(r.width()), pxToTwips(r.height())};
}

void setFrame(Form* w, const FrameTwips& f)
{
    w->resizeFrame(QSize(std::max(0, twipsToPx(f.width)), std::max(0, twipsToPx(f.height))));
    w->moveFrame(QPoint(twipsToPx(f.left), twipsToPx(f.top)));
}

FrameTwips keptFrameOf(const Form* w)
{
    const FrameTwips f = frameOf(w);
    const QPoint proprio = w->keptFrameOrigin();
    return keepOnScreen({pxToTwips(proprio.x()), pxToTwips(proprio.y()), f.width, f.height});
}

void restoreFrameOrigin(Form* w, double left, double top)
{
    const FrameTwips attuale = frameOf(w);
    const FrameTwips f = keepOnScreen({left, top, attuale.width, attuale.height});
    // A window larger than the screen is placed wholly on it, away from the
    // place it would take where it fitted.
    const QRectF area = availableScreenTwips();
    const FrameTwips proprio = keepOnScreen(
        {left, top, std::min(attuale.width, area.width()), std::min(attuale.height, area.height())});
    const QPoint qui(twipsToPx(f.left), twipsToPx(f.top));
    const QPoint suo(twipsToPx(proprio.left), twipsToPx(proprio.top));
    if (qui == suo)
        w->moveFrame(qui);
    else
        w->forceFrameOrigin(qui, suo);
}

} // namespace compat
