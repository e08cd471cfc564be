#include "compat/ui/TitleBar.h"

#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QWidget>

namespace compat {

int titleRoomPx(const QWidget* w, int width)
{
    QStyleOptionTitleBar o;
    o.initFrom(w);
    o.text = w->windowTitle();
    o.titleBarFlags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                      Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
    o.rect = QRect(0, 0, width, w->style()->pixelMetric(QStyle::PM_TitleBarHeight, &o, w));
    // Desktops pad the title on either side by about a button's width.
    const int pad = w->style()->pixelMetric(QStyle::PM_TitleBarHeight, &o, w);
    return w->style()->subControlRect(QStyle::CC_TitleBar, &o, QStyle::SC_TitleBarLabel, w).width() - 2 * pad;
}

int titleTextPx(const QWidget* w)
{
    QFont grassetto = w->font();
    grassetto.setBold(true);
    return QFontMetrics(grassetto).horizontalAdvance(w->windowTitle());
}

int titleWidthPx(const QWidget* w)
{
    // The icon and the buttons take the same room at any width wide enough.
    constexpr int kAmpia = 2000;
    return titleTextPx(w) + kAmpia - titleRoomPx(w, kAmpia);
}

} // namespace compat
