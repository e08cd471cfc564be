#include "ArchivioTest.h"
#include "core/Archivio.h"

#include <QFile>
#include "compat/vbdate.h"
#include <gtest/gtest.h>

namespace {

using E = EsitoRicercaData::Errore;

// Saturday draws from Saturday 06/01/2001, then three in the new year.
std::vector<RecEstrazione> archivioPiccolo()
{
    std::vector<BozzaEstrazione> b;
    for (QDate d(2001, 1, 6); d.year() == 2001; d = d.addDays(7))
        b.push_back({d, {{1, {1, 2, 3, 4, 5}}}});
    b.push_back({QDate(2002, 1, 5), {}});
    b.push_back({QDate(2002, 1, 8), {}});     // Tuesday
    b.push_back({QDate(2002, 1, 12), {}});
    return componi(b);
}

class ArchivioTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        cartella.scrivi(archivioPiccolo());
        ASSERT_TRUE(a.apri(cartella.percorso()).ok());
    }
    CartellaProgramma cartella;
    ArchivioEstrazioni a;
};

TEST_F(ArchivioTest, DrawDateClampsTheIndex)
{
    const qint32 n = a.numeroEstrazioni();
    EXPECT_EQ(n, 52 + 3);
    EXPECT_EQ(a.dataEstrazione(0), "06/01/2001");
    EXPECT_EQ(a.dataEstrazione(-5), "06/01/2001");
    EXPECT_EQ(a.dataEstrazione(n + 10), "12/01/2002");
    EXPECT_EQ(a.dataEstrazione(2), "13/01/2001");
}

TEST_F(ArchivioTest, SearchByDate)
{
    struct Caso {
        const char* data;
        bool precedente;
        E errore;
        const char* trovata;
    } casi[] = {
        {"13/01/2001", false, E::Nessuno, "13/01/2001"},
        {"13/01/2001", true, E::Nessuno, "13/01/2001"},
        {"07/01/2002", false, E::Nessuno, "08/01/2002"},   // Monday between Sat and Tue
        {"07/01/2002", true, E::Nessuno, "05/01/2002"},
        {"01/01/2002", true, E::Nessuno, "29/12/2001"},   // previous year's last draw
        {"12/01/2002", false, E::Nessuno, "12/01/2002"},  // the last stored draw
        {"13/01/2002", false, E::Superiore, nullptr},
        {"05/01/2001", false, E::Inferiore, nullptr},
        {"29/02/2001", false, E::Formato, nullptr},       // no such date
        {"31/04/2001", false, E::Formato, nullptr},
        {"12/31/2001", false, E::DataErrata, nullptr},   // read month-first, then refused
        {"1/2/03", false, E::Formato, nullptr},
        {"01/02/03", false, E::Formato, nullptr},
        {"", false, E::Formato, nullptr},
    };
    for (const Caso& c : casi) {
        const EsitoRicercaData e = a.cercaEstrazione(QString::fromLatin1(c.data), c.precedente);
        EXPECT_EQ(e.errore, c.errore) << c.data;
        if (c.trovata) {
            EXPECT_EQ(compat::vbDateText(e.data), QString::fromLatin1(c.trovata)) << c.data;
        }
    }
}

TEST_F(ArchivioTest, RejectionMessagesNameTheArchiveEnds)
{
    EXPECT_EQ(a.cercaEstrazione(u"13/01/2002", false).messaggio(),
              "La data non può essere superiore alla data ultima estrazione inserita "
              "(12/01/2002)");
    EXPECT_EQ(a.cercaEstrazione(u"01/01/2001", false).messaggio(),
              "La data non può essere inferiore alla data inizio gestione archivi (06/01/2001)");
    EXPECT_EQ(a.cercaEstrazione(u"31/12/2001", true).messaggio().isEmpty(), true);
    const QString formato = a.cercaEstrazione(u"1/2/03", false).messaggio();
    EXPECT_EQ(formato.count(u'\r'), 3);
    EXPECT_TRUE(formato.startsWith("Inserire la data nel formato GG/MM/AAAA !\r"));
}

TEST_F(ArchivioTest, LeapDayOfALeapYearPassesBothTests)
{
    CartellaProgramma c;
    c.scrivi(componi({{QDate(2000, 2, 26), {}}, {QDate(2000, 3, 4), {}}}));
    ArchivioEstrazioni b;
    ASSERT_TRUE(b.apri(c.percorso()).ok());
    const auto e = b.cercaEstrazione(u"29/02/2000", false);
    EXPECT_TRUE(e.trovata());
    EXPECT_EQ(e.estrazione, 2);
}

TEST(ArchivioAnni, MissingOrWrongYearRecordsStillFindTheDraw)
{
    CartellaProgramma c;
    c.scrivi(archivioPiccolo());
    // 2002 missing from the index, 2001 pointing past the end of the archive.
    c.scriviFile("Archivi/anni.ind", RecAnno::crea(2001, 9999).toBytes());
    ArchivioEstrazioni a;
    ASSERT_TRUE(a.apri(c.percorso()).ok());
    EXPECT_EQ(a.cercaEstrazione(u"08/01/2002", false).estrazione, 54);
    EXPECT_EQ(a.cercaEstrazione(u"20/01/2001", false).estrazione, 3);
}

TEST(ArchivioApertura, EmptyMissingFilesAndFolder)
{
    {
        CartellaProgramma c;
        const EsitoApertura e = ArchivioEstrazioni().apri(c.percorso());
        EXPECT_TRUE(e.cartellaMancante);
        EXPECT_EQ(e.messaggio(), "Archivio Estrazioni.ind Anni.ind mancante/i !");
    }
    {
        CartellaProgramma c;
        c.scriviFile("Archivi/anni.ind", RecAnno::crea(2001, 1).toBytes());
        ArchivioEstrazioni a;
        const EsitoApertura e = a.apri(c.percorso());
        EXPECT_FALSE(e.ok());
        EXPECT_EQ(e.messaggio(), "Archivio Estrazioni.ind mancante/i !");
        // The opening leaves an empty file where one was missing.
        EXPECT_TRUE(QFile::exists(c.archivi() + "/Estrazioni.ind"));
    }
    {
        CartellaProgramma c;
        c.scriviFile("Archivi/Estrazioni.ind", RecEstrazione().toBytes());
        c.scriviFile("Archivi/anni.ind", {});
        EXPECT_EQ(ArchivioEstrazioni().apri(c.percorso()).messaggio(),
                  "Archivio Anni.ind mancante/i !");
    }
}

TEST(ArchivioApertura, FindsFileNamesWhateverTheirCase)
{
    CartellaProgramma c;
    const auto recs = archivioPiccolo();
    QByteArray est;
    for (const auto& r : recs)
        est += r.toBytes();
    c.scriviFile("ARCHIVI/ESTRAZIONI.IND", est);
    c.scriviFile("ARCHIVI/ANNI.IND", RecAnno::crea(2001, 1).toBytes());
    ArchivioEstrazioni a;
    ASSERT_TRUE(a.apri(c.percorso()).ok());
    EXPECT_EQ(a.numeroEstrazioni(), 55);
    EXPECT_FALSE(QFile::exists(c.percorso() + "/Archivi/Estrazioni.ind"));
}

TEST(ArchivioApertura, PartialTrailingRecordIsNoDraw)
{
    CartellaProgramma c;
    c.scrivi(archivioPiccolo());
    QByteArray est = c.leggiFile("Archivi/Estrazioni.ind");
    est += RecEstrazione::crea(QDate(2002, 1, 19), 4).toBytes().left(40);
    c.scriviFile("Archivi/Estrazioni.ind", est);
    ArchivioEstrazioni a;
    ASSERT_TRUE(a.apri(c.percorso()).ok());
    EXPECT_EQ(a.numeroEstrazioni(), 55);
    EXPECT_EQ(a.dataEstrazione(1000), "12/01/2002");
}

} // namespace
