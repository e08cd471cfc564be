#include "compat/vbdate.h"

#include <gtest/gtest.h>

namespace {

TEST(VbDate, ParsesDayFirstWithFourDigitYears)
{
    struct Caso {
        const char* testo;
        QDate atteso;   // invalid = no date
    } casi[] = {
        {"05/03/2026", QDate(2026, 3, 5)},
        {"5/3/2026", QDate(2026, 3, 5)},
        {"05-03-2026", QDate(2026, 3, 5)},
        {"05.03.2026", QDate(2026, 3, 5)},
        {"12/31/2001", QDate(2001, 12, 31)},   // month above 12 is read month-first
        {"29/02/2000", QDate(2000, 2, 29)},
        {"29/02/2001", QDate()},
        {"31/04/2020", QDate()},
        {"31/13/2001", QDate()},
        {"1/2/03", QDate()},
        {"05/03-2026", QDate()},
        {"05/03/2026x", QDate()},
        {"", QDate()},
    };
    for (const Caso& c : casi) {
        const auto d = compat::vbCDate(QString::fromLatin1(c.testo));
        EXPECT_EQ(d.value_or(QDate()), c.atteso) << c.testo;
        EXPECT_EQ(compat::vbIsDate(QString::fromLatin1(c.testo)), c.atteso.isValid()) << c.testo;
    }
}

TEST(VbDate, CompactDatesWeekdaysAndNames)
{
    EXPECT_EQ(compat::toCompatta(QDate(1871, 1, 7)), "07011871");
    EXPECT_EQ(compat::fromCompatta("27022026"), QDate(2026, 2, 27));
    EXPECT_FALSE(compat::fromCompatta("3102202").has_value());
    EXPECT_FALSE(compat::fromCompatta("31022026").has_value());
    EXPECT_FALSE(compat::fromCompatta(QByteArray(8, '\0')).has_value());
    EXPECT_EQ(compat::vbWeekday(QDate(2026, 3, 8)), 1);   // Sunday
    EXPECT_EQ(compat::vbWeekday(QDate(2026, 3, 7)), 7);   // Saturday
    EXPECT_EQ(compat::vbWeekdayName(4), QString::fromUtf8("mercoledì"));
    EXPECT_EQ(compat::vbWeekdayAbbr(1), "Dom");
    EXPECT_EQ(compat::vbMonthName(3), "marzo");
    EXPECT_EQ(compat::vbMonthName(13), "");
    EXPECT_EQ(compat::vbDateText(QDate(2005, 5, 4)), "04/05/2005");
}

} // namespace
