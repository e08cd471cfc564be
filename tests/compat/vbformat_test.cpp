#include "compat/vbformat.h"

#include <gtest/gtest.h>

using namespace compat;

TEST(VbFormat, NumberPatterns)
{
    struct Case { double v; const char16_t* pattern; const char* r; };
    const Case cases[] = {
        {7, u"00", "07"}, {1, u"00000", "00001"}, {7, u"0", "7"}, {123, u"00", "123"},
        {-7, u"000", "-007"}, {2.5, u"0", "3"}, {-2.5, u"0", "-3"}, {0.5, u"0", "1"},
        {5, u"00.0", "05,0"}, {37.5, u"00.0", "37,5"}, {100, u"00.0", "100,0"},
        {0.1, u"#0.0", "0,1"}, {35, u"#0.0", "35,0"}, {12.25, u"#0.0", "12,3"},
        {0.1, u"##0.0", "0,1"}, {35, u"##0.0", "35,0"}, {-12.25, u"##0.0", "-12,3"},
        {0.3, u"#0.00%", "30,00%"}, {0.125, u"#0.00%", "12,50%"},
        {0.00005, u"#0.00%", "0,01%"}, {1, u"#0.00%", "100,00%"},
        {7890, u"#,###", "7.890"}, {36, u"#,###", "36"}, {0, u"#,###", ""},
        {1234567.5, u"#,###", "1.234.568"}, {-1234, u"#,###", "-1.234"}, {0.4, u"#,###", ""},
        {2.675, u"0.00", "2,68"},   // 2.67499999999999982 is 2.675 in 15 digits
        {1.005, u"0.00", "1,01"}, {0.05, u"0.0", "0,1"}, {9.96, u"0.0", "10,0"},
        {-0.04, u"0.0", "0,0"},     // rounds to zero: no sign
        {5, u"#0", "5"}, {0, u"#0", "0"}, {3.14159, u"##0.00", "3,14"},
        {1e20, u"0", "100000000000000000000"},
        {1.5, u"0.0#", "1,5"}, {1.25, u"0.0#", "1,25"}, {5, u"#.##", "5,"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vbFormat(c.v, c.pattern), c.r)
            << c.v << " " << QString::fromUtf16(c.pattern).toStdString();
}

TEST(VbFormat, TextPatterns)
{
    struct Case { const char16_t* text; const char16_t* pattern; const char* r; };
    const Case cases[] = {
        {u"-", u"@@", " -"}, {u"", u"@@", "  "}, {u"123456", u"@@", "123456"},
        {u"ab", u"@", "ab"}, {u"ab", u"@@@@@", "   ab"},
        {u"37,5", u"00.0", "37,5"}, {u"5", u"00.0", "05,0"},
        {u"abc", u"00.0", "abc"}, // not a number: unchanged
    };
    for (const auto& c : cases)
        EXPECT_EQ(vbFormat(c.text, c.pattern), c.r) << QString::fromUtf16(c.text).toStdString();

    EXPECT_EQ(vbFormat(6, u"@@"), " 6");
    EXPECT_EQ(vbFormat(37.5, u"@@@@@"), " 37,5"); // through CStr: decimal comma
    EXPECT_EQ(vbFormat(-5, u"@@@"), " -5");
    // Nested uses, as the percentage columns do.
    EXPECT_EQ(vbFormat(vbFormat(3 * 100.0 / 8, u"00.0"), u"@@@@@") + " %", " 37,5 %");
    EXPECT_EQ(vbFormat(vbFormat(100, u"00.0"), u"@@@@@"), "100,0");
}
