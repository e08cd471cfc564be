#include "core/Periodo.h"

#include <gtest/gtest.h>

namespace {

TEST(Periodo, SettingsValuesAreBroughtInsideTheArchive)
{
    struct Caso {
        const char *inizio, *fine;
        qint32 attesoInizio, attesoFine;
    } casi[] = {
        {"1", "500", 1, 500},
        {"6998", "1000", 1000, 1000},   // start never after the end
        {"0", "-3", 1, 1},
        {"", "", 1, 1000},              // empty: the reader's defaults
        {"abc", "9999", 1, 1000},
        {" 250 ", "750", 250, 750},
    };
    for (const Caso& c : casi) {
        const PeriodoRicerca p = periodoDaImpostazioni(c.inizio, c.fine, 1000);
        EXPECT_EQ(p.inizio, c.attesoInizio) << c.inizio << " " << c.fine;
        EXPECT_EQ(p.fine, c.attesoFine) << c.inizio << " " << c.fine;
    }
}

TEST(Periodo, LockedSpanAndSteps)
{
    const qint32 n = 1000;
    // Start moved to n - 50 with a locked span of 100.
    PeriodoRicerca p = allineaPeriodo({n - 50, n}, true, 100, true, n);
    EXPECT_EQ(p.inizio, n - 100);
    EXPECT_EQ(p.fine, n);
    // End moved below the span.
    p = allineaPeriodo({300, 40}, true, 100, false, n);
    EXPECT_EQ(p.inizio, 1);
    EXPECT_EQ(p.fine, 101);
    EXPECT_EQ(passoPeriodo(3, {495, 500}, n).inizio, 499);   // ">>" stops at end - 1
    EXPECT_EQ(passoPeriodo(11, {450, 500}, n).fine, 451);    // end stays past the start
}

} // namespace
