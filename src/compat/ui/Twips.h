#pragma once
// Positions and sizes in twips, 15 to a logical pixel. For a window Left/Top
// are its frame's origin (the outer window, title bar included) and
// Width/Height its client size, which its code lays its controls out in; the
// place it keeps (keptFrameOf, setFrame) is its frame's, size included. For a
// control they are its geometry within its parent. The frame itself, in
// pixels, and the screen are the window's (Form.h).
#include <QRectF>

class QWidget;

namespace compat {

class Form;

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

// Screen.Width / Screen.Height: the primary screen.
double screenWidthTwips();
double screenHeightTwips();

// The primary screen less its panels, in twips.
QRectF availableScreenTwips();

// A window's frame in twips: its origin and its size.
struct FrameTwips {
    double left = 0, top = 0, width = 0, height = 0;
};
// Brought inside the available area before a stored geometry is used or
// saved: the size no larger than the area, a size cut to it placed wholly
// on it, a left more than 120 twips before the area, or an origin less than
// 1000 before its far end, centred on its own axis, and a top above the
// area (the title bar out of reach) moved down just enough. The shown
// window keeps its close button on the screen itself (Form::fitToScreen),
// with the size it shows at.
FrameTwips keepOnScreen(FrameTwips f, const QRectF& area);
FrameTwips keepOnScreen(FrameTwips f);
FrameTwips frameOf(const Form* w);
// The frame a window keeps from one run to the next: at its own place
// (Form::keptFrameOrigin), kept on the screen.
FrameTwips keptFrameOf(const Form* w);
// Size first, so that the position is taken for the size it was checked with.
void setFrame(Form* w, const FrameTwips& f);
// Puts the window's frame at a stored origin kept on the screen with the
// frame's size; a stored origin that only a window fitting the screen could
// keep stays its own place.
void restoreFrameOrigin(Form* w, double left, double top);

} // namespace compat
