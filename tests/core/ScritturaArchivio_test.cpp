#include "ArchivioTest.h"
#include "core/Archivio.h"
#include "core/ScritturaArchivio.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

TEST(ScritturaArchivio, OneRecordPerDrawAndOnePerYearAtItsFirstDraw)
{
    const auto e = componi({{QDate(2001, 12, 22), {{1, {1, 2, 3, 4, 5}}}},
                            {QDate(2001, 12, 29), {}},
                            {QDate(2002, 1, 5), {}},
                            {QDate(2004, 1, 3), {}}});
    const ContenutoArchivio c = contenutoArchivio(e);
    ASSERT_EQ(c.estrazioni.size(), 4 * kLunghezzaRecEstrazione);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(c.estrazioni.mid(i * kLunghezzaRecEstrazione, kLunghezzaRecEstrazione),
                  e[i].toBytes());
    // A year without draws has no record.
    EXPECT_EQ(c.anni, QByteArray("20011      \r"
                                 "20023      \r"
                                 "20044      \r"));
    EXPECT_TRUE(contenutoArchivio({}).estrazioni.isEmpty());
}

TEST(ScritturaArchivio, WrittenArchiveReadsBackAndLeavesNoTemporaryFile)
{
    CartellaProgramma c;
    const auto e = estrazioniCasuali(QDate(2004, 12, 4), 40, 7, 3);
    ASSERT_TRUE(scriviArchivio(e, c.archivi()).isEmpty());
    // Rewriting replaces, never appends.
    ASSERT_TRUE(scriviArchivio(e, c.archivi()).isEmpty());
    EXPECT_EQ(QDir(c.archivi()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 2);
    ArchivioEstrazioni a;
    ASSERT_TRUE(a.apri(c.percorso()).ok());
    ASSERT_EQ(a.numeroEstrazioni(), 40);
    for (int i = 1; i <= 40; ++i)
        EXPECT_EQ(a.leggi(i).toBytes(), e[i - 1].toBytes()) << i;
}

TEST(ScritturaArchivio, AFailedWriteIsReportedAndKeepsTheOldFiles)
{
    CartellaProgramma c;
    const auto vecchie = estrazioniCasuali(QDate(2004, 12, 4), 3, 7, 1);
    c.scriviFile(QStringLiteral("Archivi/Estrazioni.ind"), "vecchio");
    // The year index cannot be replaced: a folder stands in its place.
    ASSERT_TRUE(QDir(c.archivi()).mkdir(QStringLiteral("anni.ind")));
    EXPECT_FALSE(scriviArchivio(vecchie, c.archivi()).isEmpty());
    EXPECT_EQ(c.leggiFile(QStringLiteral("Archivi/Estrazioni.ind")), "vecchio");
    EXPECT_EQ(QDir(c.archivi()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 2);
    // A folder that cannot be made.
    c.scriviFile(QStringLiteral("file"), "x");
    EXPECT_FALSE(scriviArchivio(vecchie, c.percorso() + QStringLiteral("/file/Archivi")).isEmpty());
}

} // namespace
