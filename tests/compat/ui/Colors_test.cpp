#include "compat/ui/Colors.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

using namespace compat;

namespace {

TEST(Colours, ValuesKeepTheOriginalsByteOrder)
{
    EXPECT_EQ(vbRGB(205, 205, 156), 10276301u);
    EXPECT_EQ(vbRGB(250, 216, 137), 9033978u);
    EXPECT_EQ(vbColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(vbColor(vbButtonFace), QApplication::palette().color(QPalette::Button));

    QWidget w;
    auto* le = new QLineEdit(&w);
    vbSetBackColor(le, 0xFFFFC0);
    vbSetForeColor(le, 0x0000C0);
    EXPECT_EQ(vbBackColor(le), 0xFFFFC0u);
    EXPECT_EQ(vbForeColor(le), 0x0000C0u);
    EXPECT_EQ(le->palette().color(QPalette::Base), QColor(0xC0, 0xFF, 0xFF));
}


// Relative luminance and contrast ratio as the accessibility guidelines
// define them, written out here on their own.
double luminanza(const QColor& c)
{
    double l[3];
    const int v[3] = {c.red(), c.green(), c.blue()};
    for (int i = 0; i < 3; ++i) {
        const double s = v[i] / 255.0;
        l[i] = s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    }
    return 0.2126 * l[0] + 0.7152 * l[1] + 0.0722 * l[2];
}
double contrasto(const QColor& a, const QColor& b)
{
    const double x = luminanza(a), y = luminanza(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

TEST(Colours, DisabledTextStaysReadableOnEveryBackgroundTheUserMayChoose)
{
    const quint32 sfondi[] = {10276301, 15531993, 0x000000, 0xFFFFFF, 0x808080, 0x767676,
                              0x303030, vbRGB(0, 0, 128), vbRGB(255, 255, 0), vbRGB(190, 190, 190)};
    for (quint32 s : sfondi) {
        SCOPED_TRACE(s);
        QWidget finestra;
        auto* menu = new QMenuBar(&finestra);
        menu->addAction(QStringLiteral("Comando"))->setEnabled(false);
        auto* casella = new QCheckBox(QStringLiteral("Gennaio"), &finestra);
        casella->setEnabled(false);
        auto* testo = new QLineEdit(&finestra);
        testo->setEnabled(false);
        vbSetBackColor(&finestra, s);
        vbSetBackColor(casella, s);
        vbSetBackColor(testo, s);
        const QColor fondo = vbColor(s);
        EXPECT_GE(contrasto(fondo, casella->palette().color(QPalette::Disabled, QPalette::WindowText)), 3.0);
        EXPECT_GE(contrasto(fondo, testo->palette().color(QPalette::Disabled, QPalette::Text)), 3.0);
        EXPECT_GE(contrasto(fondo, menu->palette().color(QPalette::Disabled, QPalette::ButtonText)), 3.0);
        // The menu bar still follows the window's colour.
        EXPECT_EQ(menu->palette().color(QPalette::Window), fondo);
        // Disabled text still looks disabled: never as dark as black on a light
        // background, nor as light as white on a dark one.
        const QColor d = casella->palette().color(QPalette::Disabled, QPalette::WindowText);
        EXPECT_LT(contrasto(fondo, d), std::max(contrasto(fondo, Qt::black), contrasto(fondo, Qt::white)));
    }
    // A colour already readable is kept as it is.
    EXPECT_EQ(readableDisabledText(Qt::white, QColor(110, 110, 110)), QColor(110, 110, 110));
}

} // namespace
