#pragma once
// Display side of the original's colours. The value a control was given is
// kept in its "BackColor"/"ForeColor" property: compare that, never the palette.
#include "compat/colors.h"

#include <QColor>

class QWidget;

namespace compat {

QColor vbColor(quint32 colour);
quint32 vbFromColor(const QColor& colour);

// Also keeps the widget's disabled text readable on the new background (and,
// for a window, that of its menu bar).
void vbSetBackColor(QWidget* w, quint32 colour);

// Contrast ratio of two colours, 1 (none) .. 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);
// `current`, or the nearest grey towards black or white from it, whichever
// first reaches kDisabledContrast with `background`: still dimmer than
// enabled text, never lost in the background.
inline constexpr double kDisabledContrast = 3.0;
QColor readableDisabledText(const QColor& background, const QColor& current);
void vbSetForeColor(QWidget* w, quint32 colour);
// The colour last set through the setters; otherwise the palette's.
quint32 vbBackColor(const QWidget* w);
quint32 vbForeColor(const QWidget* w);

} // namespace compat
