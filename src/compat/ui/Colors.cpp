#include "compat/ui/Colors.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QMenuBar>
#include <algorithm>
#include <cmath>
#include <initializer_list>
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

namespace {

double luminanza(const QColor& c)
{
    const auto lineare = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lineare(c.red()) + 0.7152 * lineare(c.green()) + 0.0722 * lineare(c.blue());
}

void testoDisabilitatoLeggibile(QPalette& p, const QColor& sfondo,
                                std::initializer_list<QPalette::ColorRole> ruoli)
{
    for (QPalette::ColorRole r : ruoli)
        p.setColor(QPalette::Disabled, r,
                   readableDisabledText(sfondo, p.color(QPalette::Disabled, r)));
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminanza(a), lb = luminanza(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableDisabledText(const QColor& background, const QColor& current)
{
    if (contrastRatio(background, current) >= kDisabledContrast)
        return current;
    const QColor verso = contrastRatio(background, Qt::black) >= contrastRatio(background, Qt::white)
                             ? QColor(Qt::black)
                             : QColor(Qt::white);
    for (int passo = 1; passo <= 20; ++passo) {
        const double t = passo / 20.0;
        const QColor c(qRound(current.red() + (verso.red() - current.red()) * t),
                       qRound(current.green() + (verso.green() - current.green()) * t),
                       qRound(current.blue() + (verso.blue() - current.blue()) * t));
        if (contrastRatio(background, c) >= kDisabledContrast)
            return c;
    }
    return verso;
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
    testoDisabilitatoLeggibile(p, c, {QPalette::WindowText, QPalette::Text});
    if (qobject_cast<QComboBox*>(w))
        testoDisabilitatoLeggibile(p, c, {QPalette::ButtonText});
    w->setPalette(p);
    // A menu bar draws its commands on the window's background.
    if (w->isWindow())
        for (QMenuBar* m : w->findChildren<QMenuBar*>(Qt::FindDirectChildrenOnly)) {
            // Only the disabled text becomes its own: the rest still follows
            // the window at the next change of colours.
            QPalette mp = m->palette();
            mp.setResolveMask(0);
            testoDisabilitatoLeggibile(mp, c, {QPalette::ButtonText, QPalette::WindowText});
            m->setPalette(mp);
        }
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
