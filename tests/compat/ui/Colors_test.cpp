#include "compat/ui/Colors.h"

#include <QApplication>
#include <QLineEdit>
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

} // namespace
