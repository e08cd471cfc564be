#include "shell/modCalendario.h"
#include "support/ui/AmbienteServizi.h"

#include <gtest/gtest.h>

namespace {

TEST(CostruisciIndiceMensile, FillsTheModuleArraysFromTheOpenArchive)
{
    // Thursdays 1, 8, 15, 22 and 29 March 2001.
    AmbienteServizi a(estrazioniCasuali(QDate(2001, 3, 1), 5, 7, 5));
    EXPECT_EQ(CostruisciIndiceMensile(), 5);
    ASSERT_EQ(IndiceMensile.size(), 6u);
    EXPECT_EQ(IndiceMensile[5], 5);
    // The default draw days put the next draw on Friday 30 March.
    EXPECT_FALSE(UltimaDelMese[5]);
    // Tuesdays only: the next draw is on 3 April.
    a.imposta("Options", "Giorni estrazione", "NNYNNNN");
    CostruisciIndiceMensile();
    EXPECT_TRUE(UltimaDelMese[5]);
}

} // namespace
