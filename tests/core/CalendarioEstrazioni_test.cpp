#include "core/CalendarioEstrazioni.h"

#include "core/Archivio.h"
#include "core/StoricoTsv.h"
#include "support/ArchivioTest.h"

#include <gtest/gtest.h>
#include <map>

namespace {

TEST(Calendario, MonthlyIndexAndLastOfMonth)
{
    // The 2nd, 4th, ... 30th of June 2001, then 1 July; draws on every day.
    std::vector<QDate> date{QDate()};
    for (int g = 2; g <= 30; g += 2)
        date.push_back(QDate(2001, 6, g));
    date.push_back(QDate(2001, 7, 1));
    const CalendarioMensile c = costruisciIndiceMensile(date, "YYYYYYY");
    for (int i = 1; i <= 15; ++i)
        EXPECT_EQ(c.IndiceMensile[i], i);
    EXPECT_TRUE(c.UltimaDelMese[15]);
    EXPECT_EQ(c.IndiceMensile[16], 1);
    EXPECT_FALSE(c.UltimaDelMese[16]);     // the next draw is on 2 July
    EXPECT_EQ(c.massimo, 15);
}

TEST(Calendario, NewestDrawIsLastOfItsMonthByTheNextDrawDate)
{
    // Tuesday, Thursday and Saturday draws; September 2001 has 30 days.
    const QString giorni = "NNYNYNY";
    EXPECT_EQ(prossimaDataEstrazione(QDate(2001, 9, 27), giorni), QDate(2001, 9, 29));
    EXPECT_FALSE(costruisciIndiceMensile({QDate(), QDate(2001, 9, 27)}, giorni).UltimaDelMese[1]);
    EXPECT_TRUE(costruisciIndiceMensile({QDate(), QDate(2001, 9, 29)}, giorni).UltimaDelMese[1]);
    // No draw day at all: Saturday alone; a short setting leaves the rest out.
    EXPECT_EQ(prossimaDataEstrazione(QDate(2001, 9, 27), "NNNNNNN"), QDate(2001, 9, 29));
    EXPECT_EQ(prossimaDataEstrazione(QDate(2001, 9, 27), "NNY"), QDate(2001, 10, 2));
}

TEST(Calendario, FirstDrawOfTheArchiveIsPositionOne)
{
    const CalendarioMensile c =
        costruisciIndiceMensile({QDate(), QDate(2001, 6, 3), QDate(2001, 6, 10)}, "NNNNNNY");
    EXPECT_EQ(c.IndiceMensile[1], 1);
    EXPECT_EQ(c.IndiceMensile[2], 2);
}

// The whole bundled history against a count by calendar month (year and month).
TEST(IndiceMensileStorico, EveryDrawOfTheBundledArchive)
{
    const StoricoTsv s = leggiStoricoTsv(QStringLiteral(QV_SOURCE_DIR) +
                                         "/data/estrazioni-1871-2026.tsv");
    ASSERT_TRUE(s.errore.isEmpty());
    CartellaProgramma c;
    c.scrivi(s.estrazioni);
    ArchivioEstrazioni a;
    ASSERT_TRUE(a.apri(c.percorso()).ok());
    const qint32 n = a.numeroEstrazioni();

    const CalendarioMensile cal = costruisciIndiceMensile(a, "NNYNYYY");
    ASSERT_EQ(cal.IndiceMensile.size(), size_t(n + 1));

    std::map<std::pair<int, int>, int> perMese;
    std::vector<int> atteso(n + 1, 0);
    int massimo = 0;
    for (qint32 i = 1; i <= n; ++i) {
        const QDate d = *s.estrazioni[i - 1].data();
        atteso[i] = ++perMese[{d.year(), d.month()}];
        massimo = std::max(massimo, atteso[i]);
    }
    for (qint32 i = 1; i <= n; ++i) {
        ASSERT_EQ(cal.IndiceMensile[i], atteso[i]) << i;
        if (i < n) {
            ASSERT_EQ(cal.UltimaDelMese[i], atteso[i + 1] == 1) << i;
        }
    }
    EXPECT_EQ(cal.massimo, massimo);
    EXPECT_EQ(cal.massimo, 19);
    // The newest draw, Friday 27/02/2026, is followed by Saturday 28/02.
    EXPECT_FALSE(cal.UltimaDelMese[n]);
    EXPECT_TRUE(costruisciIndiceMensile(a, "NNYNYNN").UltimaDelMese[n]);
}

} // namespace
