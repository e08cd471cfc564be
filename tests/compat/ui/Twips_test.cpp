#include "compat/ui/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

using namespace compat;

namespace {

TEST(Twips, FifteenToAPixelHalvesToEven)
{
    struct Case {
        double twips;
        int px;
    } cases[] = {{0, 0}, {15, 1}, {37.5, 2}, {52.5, 4}, {9300, 620}, {-120, -8}};
    for (const Case& c : cases)
        EXPECT_EQ(twipsToPx(c.twips), c.px) << c.twips;

    QWidget w;
    auto* child = new QWidget(&w);
    vbSetLeft(child, 1500);
    vbSetTop(child, 300);
    vbSetWidth(child, 3000);
    vbSetHeight(child, 450);
    EXPECT_EQ(child->geometry(), QRect(100, 20, 200, 30));
    EXPECT_EQ(vbLeft(child), 1500);
    EXPECT_EQ(vbHeight(child), 450);
    EXPECT_EQ(screenWidthTwips(), QGuiApplication::primaryScreen()->geometry().width() * 15.0);
}

} // namespace
