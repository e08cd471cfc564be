#include "compat/ui/Colors.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace compat {

QColor vbColor(quint32 colour)
{
    if ((colour & 0xFF000000u) == 0x80000000u) {
        const QPalette p = QApplication::palette();
        switch (colour & 0xFF) {
        case 0x0F: return p.color(QPalette::Button);
        case 0x05: return p.color(QPalette::Base);
        case 0x08: return p.color(QPalette::Text);
        case 0x12: return p.color(QPalette::ButtonText);
        case 0x0D: return p.color(QPalette::Highlight);
        case 0x0E: return p.color(QPalette::HighlightedText);
        default: return p.color(QPalette::Window);
        }
    }
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

quint32 vbFromColor(const QColor& c)
{
    return vbRGB(c.red(), c.green(), c.blue());
}

void vbSetBackColor(QWidget* w, quint32 colour)
{
    if (!w)
        return;
    w->setProperty("BackColor", QVariant::fromValue(colour));
    const QColor c = vbColor(colour);
    QPalette p = w->palette();
    p.setColor(w->backgroundRole(), c);
    if (qobject_cast<QComboBox*>(w)) {
        p.setColor(QPalette::Base, c);
        p.setColor(QPalette::Button, c);
    }
    w->setPalette(p);
    w->setAutoFillBackground(true);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) {
        QPalette vp = area->viewport()->palette();
        vp.setColor(area->viewport()->backgroundRole(), c);
        area->viewport()->setPalette(vp);
        area->viewport()->setAutoFillBackground(true);
    }
}

void vbSetForeColor(QWidget* w, quint32 colour)
{
    if (!w)
        return;
    w->setProperty("ForeColor", QVariant::fromValue(colour));
    const QColor c = vbColor(colour);
    QPalette p = w->palette();
    p.setColor(w->foregroundRole(), c);
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Text, c);
    p.setColor(QPalette::ButtonText, c);
    w->setPalette(p);
}

quint32 vbBackColor(const QWidget* w)
{
    if (!w)
        return 0;
    const QVariant v = w->property("BackColor");
    if (v.isValid())
        return v.value<quint32>();
    return vbFromColor(w->palette().color(w->backgroundRole()));
}

quint32 vbForeColor(const QWidget* w)
{
    if (!w)
        return 0;
    const QVariant v = w->property("ForeColor");
    if (v.isValid())
        return v.value<quint32>();
    return vbFromColor(w->palette().color(w->foregroundRole()));
}

} // namespace compat
