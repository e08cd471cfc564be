#include "compat/ui/Twips.h"

#include "compat/ui/Form.h"

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

TEST(Twips, AStoredGeometryIsKeptOnTheScreenAndACutSizeIsPlacedWhollyOnIt)
{
    setScreenOverride(QRect(0, 0, 1280, 1024));
    EXPECT_EQ(screenWidthTwips(), 19200);
    EXPECT_EQ(screenHeightTwips(), 15360);
    EXPECT_EQ(availableScreenTwips(), QRectF(0, 0, 19200, 15360));
    struct Caso {
        FrameTwips stored, atteso;
    } casi[] = {
        {{5595, 4935, 999999999, 999999999}, {0, 0, 19200, 15360}},
        {{5595, 4935, 999999999, 6000}, {0, 4935, 19200, 6000}},
        {{-120, 14360, 9300, 6000}, {-120, 14360, 9300, 6000}}, // the edges still allowed
        {{-121, 14361, 9300, 6000}, {4950, 4680, 9300, 6000}},  // centred
    };
    for (const Caso& c : casi) {
        const FrameTwips f = keepOnScreen(c.stored);
        EXPECT_EQ(f.left, c.atteso.left) << c.stored.width;
        EXPECT_EQ(f.top, c.atteso.top) << c.stored.height;
        EXPECT_EQ(f.width, c.atteso.width);
        EXPECT_EQ(f.height, c.atteso.height);
    }
    setScreenOverride({});
    EXPECT_EQ(screenWidthTwips(), QGuiApplication::primaryScreen()->geometry().width() * 15.0);
}

} // namespace
