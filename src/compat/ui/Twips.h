#pragma once
// Positions and sizes in twips, 15 to a logical pixel. For a window Left/Top
// are its frame's origin and Width/Height its client size: the desktop's
// frame is unknown until a window has been shown, and a size stored with the
// frame but restored without it would grow the window at every run. For a
// control they are its geometry within its parent.
#include <QMargins>
#include <QRect>
#include <QRectF>

class QWidget;

namespace compat {

int twipsToPx(double twips); // halves to even
double pxToTwips(int px);

double vbLeft(const QWidget* w);
double vbTop(const QWidget* w);
double vbWidth(const QWidget* w);
double vbHeight(const QWidget* w);
void vbSetLeft(QWidget* w, double twips);
void vbSetTop(QWidget* w, double twips);
void vbSetWidth(QWidget* w, double twips);
void vbSetHeight(QWidget* w, double twips);
// Move: a control's place and size within its parent at once.
void vbMove(QWidget* w, double left, double top, double width, double height);

// The primary screen and the part of it that windows may take (the screen
// less its panels), in pixels.
QRect screenPx();
QRect availableScreenPx();
// Stands a screen of that size in for the desktop's, so that the fitting
// and placing of windows can be tried on small screens: `available` is the
// part left by its panels (all of it when empty), `frame` what its window
// manager puts around every window (none when null). An empty rectangle
// gives the desktop's screen back.
void setScreenOverride(const QRect& px, const QRect& available = {}, const QMargins& frame = {});
// The frame the override's desktop gives every window; null without one.
QMargins screenOverrideFrame();
// A window's frame (the outer window, title bar included) in pixels.
QRect frameRectPx(const QWidget* window);

// Screen.Width / Screen.Height: the primary screen.
double screenWidthTwips();
double screenHeightTwips();

// The primary screen less its panels, in twips.
QRectF availableScreenTwips();

// A window's place and size in twips.
struct FrameTwips {
    double left = 0, top = 0, width = 0, height = 0;
};
// Brought inside the available area before a stored geometry is used or
// saved: the size no larger than the area, a size cut to it placed wholly
// on it, and an axis whose origin lies more than 120 twips before the area
// or less than 1000 before its far end centred on its own.
FrameTwips keepOnScreen(FrameTwips f, const QRectF& area);
FrameTwips keepOnScreen(FrameTwips f);
FrameTwips frameOf(const QWidget* w);
// Size first, so that the position is taken for the size it was checked with.
void setFrame(QWidget* w, const FrameTwips& f);

} // namespace compat
