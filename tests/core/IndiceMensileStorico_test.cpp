#include "core/Archivio.h"
#include "core/CalendarioEstrazioni.h"
#include "core/StoricoTsv.h"
#include "support/ArchivioTest.h"

#include <gtest/gtest.h>
#include <map>

namespace {

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
