#include "compat/AppError.h"
#include "compat/vb.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace compat;

namespace {

int errorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const AppError& e) {
        return e.number;
    }
    return 0;
}

} // namespace

TEST(VbText, StrAndCStr)
{
    struct Case { double v; const char* str; const char* cstr; };
    const Case cases[] = {
        {5, " 5", "5"},
        {-5, "-5", "-5"},
        {0, " 0", "0"},
        {-0.0, " 0", "0"},
        {0.5, " .5", "0,5"},
        {-0.5, "-.5", "-0,5"},
        {37.5, " 37.5", "37,5"},
        {0.1 + 0.2, " .3", "0,3"},                 // 15 significant digits
        {2.0 / 3, " .666666666666667", "0,666666666666667"},
        {123456789012345, " 123456789012345", "123456789012345"},
        {1234567890123456, " 1.23456789012346E+15", "1,23456789012346E+15"},
        {1e20, " 1E+20", "1E+20"},
        {-1.5e100, "-1.5E+100", "-1,5E+100"},
        {0.0001, " .0001", "0,0001"},
        {0.00001, " 1E-05", "1E-05"},
        {100, " 100", "100"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(vbStr(c.v), QString::fromLatin1(c.str)) << c.v;
        EXPECT_EQ(vbCStr(c.v), QString::fromLatin1(c.cstr)) << c.v;
    }
    EXPECT_EQ(vbCStr(true), "True");
    EXPECT_EQ(vbCStr(false), "False");
    EXPECT_EQ(vbCStr(7), "7"); // an int picks the number, not the Boolean
    EXPECT_EQ(errorOf([] { vbStr(INFINITY); }), 6);
}

TEST(VbText, Val)
{
    struct Case { const char16_t* text; double v; };
    const Case cases[] = {
        {u"", 0}, {u"X", 0}, {u"U4", 0}, {u"-", 0}, {u".", 0},
        {u"12", 12}, {u"1 2", 12}, {u" \t1\n2 ", 12}, {u"12abc", 12},
        {u"-3.5", -3.5}, {u"+4", 4}, {u"- 3", -3}, {u".5", 0.5},
        {u"3,5", 3}, {u"1.2.3", 1.2}, {u"--5", 0},
        {u"1e3", 1000}, {u"1E-2", 0.01}, {u"1d2", 100}, {u"1e", 1}, {u"2e+x", 2},
        {u"&H1F", 31}, {u"&h1f", 31}, {u"&O17", 15}, {u"&O18", 1}, {u"&HFFFF", -1},
        {u"&H8000", -32768}, {u"&H10000", 65536}, {u"&HFFFFFFFF", -1}, {u"&", 0}, {u"&X1", 0},
        {u"1e-400", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vbVal(c.text), c.v) << QString::fromUtf16(c.text).toStdString();
    EXPECT_EQ(errorOf([] { vbVal(u"1e400"); }), 6);
    EXPECT_EQ(errorOf([] { vbVal(u"&H100000000"); }), 6);
}

TEST(VbText, CDbl)
{
    struct Case { const char16_t* text; double v; };
    const Case cases[] = {
        {u"12", 12}, {u" 37,5 ", 37.5}, {u"-0,5", -0.5}, {u"1.234,5", 1234.5},
        {u"1.5", 15}, {u",5", 0.5}, {u"1,5E2", 150}, {u"+3", 3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vbCDbl(c.text), c.v) << QString::fromUtf16(c.text).toStdString();
    for (const char16_t* bad : {u"", u" ", u"abc", u"12abc", u"1,2,3", u"1E", u"-", u"3 4"})
        EXPECT_EQ(errorOf([bad] { vbCDbl(bad); }), 13) << QString::fromUtf16(bad).toStdString();
    EXPECT_EQ(errorOf([] { vbCDbl(u"1E400"); }), 6);
}

TEST(VbNumber, CIntAndCLngHalveToEven)
{
    struct Case { double v; int r; };
    const Case cases[] = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {12.5, 12}, {0.5, 0},
        {2.4999, 2}, {2.5001, 3}, {-0.4, 0}, {32767.4, 32767}, {-32768.5, -32768},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(vbCInt(c.v), c.r) << c.v;
        EXPECT_EQ(vbCLng(c.v), c.r) << c.v;
    }
    EXPECT_EQ(vbCInt(vbVal(u"17")), 17);
    EXPECT_EQ(vbCLng(2147483647.4), 2147483647);
    EXPECT_EQ(vbCLng(-2147483648.5), -2147483647 - 1);
    for (double v : {32767.5, -32768.6, 40000.0, double(NAN)})
        EXPECT_EQ(errorOf([v] { vbCInt(v); }), 6) << v;
    for (double v : {2147483647.5, -2147483649.0, 1e20})
        EXPECT_EQ(errorOf([v] { vbCLng(v); }), 6) << v;
}

TEST(VbNumber, RoundIntFix)
{
    struct Case { double v; int digits; double r; };
    const Case cases[] = {
        {2.5, 0, 2}, {3.5, 0, 4}, {-2.5, 0, -2}, {2.51, 0, 3}, {0.5, 0, 0}, {1.5, 0, 2},
        {2.345, 2, 2.34}, {2.355, 2, 2.36}, {0.125, 2, 0.12}, {0.375, 2, 0.38},
        {1.23456, 3, 1.235}, {9.995, 2, 10}, {-0.004, 2, 0}, {7, 5, 7},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vbRound(c.v, c.digits), c.r) << c.v << " " << c.digits;
    EXPECT_EQ(errorOf([] { vbRound(1, -1); }), 5);

    EXPECT_EQ(vbInt(-2.5), -3);
    EXPECT_EQ(vbFix(-2.5), -2);
    EXPECT_EQ(vbInt(2.9), 2);
    EXPECT_EQ(vbFix(2.9), 2);
    EXPECT_FALSE(std::signbit(vbFix(-0.5))); // no "-0" to print later
}

TEST(VbNumber, IntDivAndMod)
{
    struct Case { double a, b; qint32 div, mod; };
    const Case cases[] = {
        {7, 2, 3, 1}, {-7, 2, -3, -1}, {7, -2, -3, 1}, {-7, -2, 3, -1},
        {7.5, 2, 4, 0},   // 7.5 -> 8 first
        {6.5, 2.5, 3, 0}, // 6.5 -> 6, 2.5 -> 2
        {5, 0.6, 5, 0},   // 0.6 -> 1
    };
    for (const auto& c : cases) {
        EXPECT_EQ(vbIntDiv(c.a, c.b), c.div) << c.a << " \\ " << c.b;
        EXPECT_EQ(vbMod(c.a, c.b), c.mod) << c.a << " Mod " << c.b;
    }
    EXPECT_EQ(errorOf([] { vbIntDiv(5, 0); }), 11);
    EXPECT_EQ(errorOf([] { vbMod(5, 0.4); }), 11); // 0.4 -> 0
    EXPECT_EQ(errorOf([] { vbIntDiv(-2147483648.0, -1); }), 6);
    EXPECT_EQ(vbMod(-2147483648.0, -1), 0);
    EXPECT_EQ(errorOf([] { vbMod(1e10, 3); }), 6);
}

TEST(VbString, MidLeftRight)
{
    struct Case { int start, len; const char* r; };
    const Case cases[] = {
        {1, 3, "abc"}, {2, 2, "bc"}, {4, -1, "def"}, {6, 5, "f"}, {7, 1, ""},
        {100, 1, ""}, {0, 2, "ab"}, {-5, -1, "abcdef"}, {3, 0, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vbMid(u"abcdef", c.start, c.len), c.r) << c.start << "," << c.len;
    EXPECT_EQ(vbLeft(u"abc", 2), "ab");
    EXPECT_EQ(vbLeft(u"abc", 9), "abc");
    EXPECT_EQ(vbLeft(u"abc", -1), "");
    EXPECT_EQ(vbRight(u"abc", 2), "bc");
    EXPECT_EQ(vbRight(u"abc", 9), "abc");
    EXPECT_EQ(vbRight(u"abc", -1), "");
}

TEST(VbString, InStr)
{
    struct Case { const char16_t* s; const char16_t* find; int start; int r; };
    const Case cases[] = {
        {u"abcabc", u"bc", 1, 2}, {u"abcabc", u"bc", 3, 5}, {u"abcabc", u"BC", 1, 0},
        {u"abc", u"x", 1, 0}, {u"abc", u"c", 0, 3}, {u"abc", u"", 1, 1}, {u"abc", u"", 4, 4},
        {u"abc", u"", 5, 0}, {u"abc", u"c", 4, 0}, {u"", u"", 1, 0}, {u"", u"a", 1, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vbInStr(c.s, c.find, c.start), c.r)
            << QString::fromUtf16(c.s).toStdString() << "/" << QString::fromUtf16(c.find).toStdString();
}

TEST(VbString, TrimSpaceFixedOverlay)
{
    EXPECT_EQ(vbTrim(u"  a b  "), "a b");
    EXPECT_EQ(vbLTrim(u"  a  "), "a  ");
    EXPECT_EQ(vbRTrim(u"  a  "), "  a");
    EXPECT_EQ(vbTrim(u"\ta\t"), "\ta\t"); // tabs stay
    EXPECT_EQ(vbTrim(u"   "), "");

    EXPECT_EQ(vbSpace(3), "   ");
    EXPECT_EQ(vbSpace(0), "");
    EXPECT_EQ(vbSpace(-2), "");

    EXPECT_EQ(vbFixed(u"ab", 4), "ab  ");
    EXPECT_EQ(vbFixed(u"abcdef", 4), "abcd");
    EXPECT_EQ(vbFixed(u"ab", 0), "");

    struct Case { int col; const char16_t* t; const char* r; };
    const Case cases[] = {
        {1, u"xy", "xy...."}, {3, u"xy", "..xy.."}, {5, u"xyz", "....xy"},
        {6, u"xy", ".....x"}, {7, u"xy", "......"}, {0, u"xy", "xy...."}, {2, u"", "......"},
    };
    for (const auto& c : cases) {
        QString line = QStringLiteral("......");
        vbOverlay(line, c.col, c.t);
        EXPECT_EQ(line, c.r) << c.col;
    }
    QString l = vbSpace(20); // fixed-column line: later writes win
    vbOverlay(l, 4, u"abcdef");
    vbOverlay(l, 6, u"XY");
    EXPECT_EQ(l, "   abXYef           ");
}
