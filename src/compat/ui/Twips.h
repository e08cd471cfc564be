#pragma once
// Positions and sizes in twips, 15 to a logical pixel. For a window Left/Top
// are its frame's origin and Width/Height its client size: the desktop's
// frame is unknown until a window has been shown, and a size stored with the
// frame but restored without it would grow the window at every run. For a
// control they are its geometry within its parent.
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

// Screen.Width / Screen.Height: the primary screen.
double screenWidthTwips();
double screenHeightTwips();

} // namespace compat
