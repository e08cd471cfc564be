#pragma once
// A window's title bar is the desktop's, drawn in its own font with its own
// buttons, and unknown to the program: the style's title bar (the window's
// icon, the title in bold at the window's font, the buttons to minimise,
// maximise and close) stands in for it when a window is sized for its title.
class QWidget;

namespace compat {

// The room for the title in the title bar of `w` were it `width` pixels wide.
int titleRoomPx(const QWidget* w, int width);
// The width of the title of `w` as its title bar shows it.
int titleTextPx(const QWidget* w);
// The least width of `w` whose title bar shows its whole title.
int titleWidthPx(const QWidget* w);

} // namespace compat
