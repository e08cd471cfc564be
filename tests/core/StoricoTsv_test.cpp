#include "ArchivioTest.h"
#include "core/Archivio.h"
#include "core/StoricoTsv.h"

#include <gtest/gtest.h>

namespace {

TEST(ArchivioStorico, BundledHistoryBuildsTheKnownArchive)
{
    const QString tsv = QStringLiteral(QV_SOURCE_DIR) + "/data/estrazioni-1871-2026.tsv";
    const StoricoTsv s = leggiStoricoTsv(tsv);
    ASSERT_TRUE(s.errore.isEmpty()) << s.errore.toStdString();
    CartellaProgramma c;
    c.scrivi(s.estrazioni);
    ArchivioEstrazioni a;
    ASSERT_TRUE(a.apri(c.percorso()).ok());
    EXPECT_EQ(a.numeroEstrazioni(), 10813);
    EXPECT_EQ(a.dataEstrazione(1), "07/01/1871");
    const RecEstrazione ultima = a.leggi(10813);
    EXPECT_EQ(ultima.dataTesto(), "27/02/2026");
    EXPECT_EQ(ultima.ProgressivoAnno(), 34);
    EXPECT_EQ(ultima.numero(8, 1), 87);     // the file's RM column is Roma
    EXPECT_EQ(ultima.numero(11, 1), 86);    // and NZ the Nazionale
    EXPECT_EQ(a.leggi(1).numero(1, 1), 0);  // no Bari in 1871
    EXPECT_EQ(a.leggi(1).numero(3, 1), 15);
    const auto prime = primeEstrazioniRuote(a);
    EXPECT_EQ(prime[1], 174);
    EXPECT_EQ(prime[2], 3575);
    EXPECT_EQ(prime[11], 7440);
    EXPECT_EQ(a.leggi(174).numero(1, 1) != 0, true);
    EXPECT_EQ(a.leggi(173).numero(1, 1), 0);
    EXPECT_EQ(a.cercaEstrazione(u"04/01/1947", false).estrazione, 3966);
    EXPECT_EQ(a.numeroAnni(), 2026 - 1871 + 1);
}

TEST(ArchivioStorico, RefusesAMalformedHistory)
{
    CartellaProgramma c;
    c.scriviFile("h.tsv", "data\tprogressivo\tBA\tCA\tFI\tGE\tMI\tNA\tPA\tRM\tTO\tVE\tNZ\n"
                          "07/01/1871\t1\t\t\t15 71 18 64 15\t\t\t\t\t\t\t\t\n");
    EXPECT_FALSE(leggiStoricoTsv(c.percorso() + "/h.tsv").errore.isEmpty());
}

} // namespace
