#pragma once
// Display side of the original's colours. The value a control was given is
// kept in its "BackColor"/"ForeColor" property: compare that, never the palette.
#include "compat/colors.h"

#include <QColor>

class QWidget;

namespace compat {

QColor vbColor(quint32 colour);
quint32 vbFromColor(const QColor& colour);

void vbSetBackColor(QWidget* w, quint32 colour);
void vbSetForeColor(QWidget* w, quint32 colour);
// The colour last set through the setters; otherwise the palette's.
quint32 vbBackColor(const QWidget* w);
quint32 vbForeColor(const QWidget* w);

} // namespace compat
