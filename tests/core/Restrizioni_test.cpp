#include "core/Restrizioni.h"

#include "compat/vbdate.h"
#include "core/Impostazioni.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

bool passa(const Restrizioni& r, QDate d, char giorno = 0)
{
    if (giorno == 0)
        giorno = char('0' + compat::vbWeekday(d));
    return r.verifica(compat::toCompatta(d), giorno);
}

Restrizioni periodo(const char* dal, const char* al)
{
    ImpostazioniRestrizioni imp;
    imp.Periodo = "Y";
    imp.Dal = QString::fromUtf8(dal);
    imp.Al = QString::fromUtf8(al);
    return Restrizioni::daImpostazioni(imp);
}

TEST(Restrizioni, NoneSetEveryValidDrawPasses)
{
    const Restrizioni r = Restrizioni::daImpostazioni({});
    EXPECT_TRUE(passa(r, QDate(2024, 2, 29)));
    EXPECT_FALSE(r.verifica("31022024", '1'));     // no such date
    EXPECT_FALSE(r.verifica("xx022024", '1'));
}

TEST(Restrizioni, PeriodAcrossTheYearEnd)
{
    const Restrizioni r = periodo("15novembre", "10febbraio");
    for (int i = 0; i < 365; ++i)
        EXPECT_EQ(r.FlagPeriodo[i], i >= 318 || i <= 40) << i;
    EXPECT_TRUE(passa(r, QDate(1999, 1, 5)));
    EXPECT_FALSE(passa(r, QDate(1999, 2, 11)));
}

TEST(Restrizioni, PeriodEdgeCases)
{
    struct Caso {
        const char *dal, *al;
        QDate data;
        bool passa;
    } casi[] = {
        {"05marzo", "05marzo", QDate(2010, 3, 5), true},      // one single day
        {"05marzo", "05marzo", QDate(2010, 3, 6), false},
        {"01febbraio", "28febbraio", QDate(2024, 2, 29), true}, // 29/02 counts as 28/02
        {"01marzo", "31marzo", QDate(2024, 2, 29), false},
        {"01Marzo", "31MARZO", QDate(2024, 3, 9), true},     // month names ignore case
        {"01march", "31marzo", QDate(2024, 3, 9), false},    // unknown name: all fail
        {"31febbraio", "31marzo", QDate(2024, 3, 9), false}, // no date of 2001: all fail
    };
    for (const Caso& c : casi)
        EXPECT_EQ(passa(periodo(c.dal, c.al), c.data), c.passa) << c.dal << " " << c.al;
}

TEST(Restrizioni, WeekdaysAndMonths)
{
    ImpostazioniRestrizioni imp;
    imp.Giorno = "Y";
    imp.Giorni = "NNYYYNY";
    imp.Mese = "Y";
    imp.Mesi = "YYYYYYYYYYYN";   // no December
    const Restrizioni r = Restrizioni::daImpostazioni(imp);
    EXPECT_TRUE(passa(r, QDate(2026, 2, 24)));     // Tuesday
    EXPECT_FALSE(passa(r, QDate(2026, 2, 27)));    // Friday
    EXPECT_FALSE(passa(r, QDate(2025, 12, 2)));    // Tuesday in December
    // A weekday digit that is no day fails instead of reading past the table.
    for (char g : {'0', '8', '\0', 'x'})
        EXPECT_FALSE(r.verifica("24022026", g)) << int(g);
    imp.Giorni = "";                               // switch on, no day: all fail
    EXPECT_FALSE(passa(Restrizioni::daImpostazioni(imp), QDate(2026, 2, 24)));
}

class RestrizioniSalvate : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(cartella.isValid());
        IniImpostazioni().setFileName(cartella.filePath(QStringLiteral("Quorvane.ini")));
    }
    void TearDown() override { IniImpostazioni().setFileName(QString()); }
    QTemporaryDir cartella;
};

TEST_F(RestrizioniSalvate, FlagsAreKeptOnlyWhileTheirSwitchIsOn)
{
    ImpostazioniRestrizioni r;
    r.Giorno = "Y";
    r.Giorni = "YNNNNNY";
    r.Mese = "N";
    r.Mesi = "NYNYNYNYNYNY";
    r.Periodo = "Y";
    r.Dal = "05marzo";
    r.Al = "20aprile";
    SalvaImpostazioniRestrizioni(r);

    const ImpostazioniRestrizioni letto = LeggiImpostazioniRestrizioni();
    EXPECT_EQ(letto.Giorno, "Y");
    EXPECT_EQ(letto.Giorni, "YNNNNNY");
    EXPECT_EQ(letto.Mese, "N");
    EXPECT_EQ(letto.Mesi, "YYYYYYYYYYYY"); // removed, so its default
    EXPECT_EQ(letto.Periodo, "Y");
    EXPECT_EQ(letto.Dal, "05marzo");
    EXPECT_EQ(letto.Al, "20aprile");

    r.Giorno = "N";
    SalvaImpostazioniRestrizioni(r);
    // The main window's panel passes its own default for the absent flags.
    EXPECT_EQ(LeggiImpostazioniRestrizioni(imp::GiorniPannello).Giorni, "NNYYYNY");
    EXPECT_EQ(LeggiImpostazioniRestrizioni().Giorni, "YYYYYYY");
}

} // namespace
