#include "ArchivioTest.h"
#include "core/Archivio.h"

#include "compat/AppError.h"

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
    const struct { const char *indice, *data; bool precedente; qint32 attesa; } casi[] = {
        // 2002 missing from the index, 2001 pointing past the end of the archive.
        {"20019999   \r", "08/01/2002", false, 54},
        {"20019999   \r", "20/01/2001", false, 3},
        // Pointing past the year's first draw, still inside the year.
        {"20011      \r200254     \r", "05/01/2002", false, 53},
        {"20011      \r200254     \r", "01/01/2002", true, 52},
        {"20013      \r200253     \r", "13/01/2001", false, 2},
    };
    for (const auto& c : casi) {
        CartellaProgramma cartella;
        cartella.scrivi(archivioPiccolo());
        cartella.scriviFile("Archivi/anni.ind", c.indice);
        ArchivioEstrazioni a;
        ASSERT_TRUE(a.apri(cartella.percorso()).ok());
        const auto e = a.cercaEstrazione(QString::fromLatin1(c.data), c.precedente);
        EXPECT_EQ(e.estrazione, c.attesa) << c.data;
    }
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

namespace {

// The small archive with records 1, 30 and 55 (the first, one in the middle,
// the last) dated with no date, and a Bari number of 95 in record 10.
QByteArray danneggia(QByteArray est)
{
    for (int r : {1, 30, 55})
        est.replace((r - 1) * 66 + 3, 8, "3A0X2001");
    est[9 * 66 + 11] = char(95);
    return est;
}

} // namespace

TEST(ArchivioDanneggiato, LookupsSkipDamagedDatesAndNumbersAbove90ReadAsMissing)
{
    CartellaProgramma c;
    c.scrivi(archivioPiccolo());
    const QByteArray est = danneggia(c.leggiFile("Archivi/Estrazioni.ind"));
    c.scriviFile("Archivi/Estrazioni.ind", est);
    ArchivioEstrazioni a;
    ASSERT_TRUE(a.apri(c.percorso()).ok());

    // A damaged record's date is that of the sound one before it (after it
    // for the first record).
    EXPECT_EQ(a.dataEstrazione(1), "13/01/2001");
    EXPECT_EQ(a.dataEstrazione(30), "21/07/2001");
    EXPECT_EQ(a.dataEstrazione(55), "08/01/2002");
    EXPECT_EQ(a.dataEstrazione(9999), "08/01/2002");

    struct Caso {
        const char* data;
        bool precedente;
        E errore;
        qint32 estrazione;
    } casi[] = {
        {"13/01/2001", false, E::Nessuno, 2},
        {"28/07/2001", false, E::Nessuno, 31},   // the damaged record's own day
        {"28/07/2001", true, E::Nessuno, 29},
        {"29/07/2001", true, E::Nessuno, 29},
        {"08/01/2002", false, E::Nessuno, 54},
        {"06/01/2001", false, E::Inferiore, 0},  // the archive's sound ends
        {"12/01/2002", false, E::Superiore, 0},
    };
    for (const Caso& k : casi) {
        const EsitoRicercaData e = a.cercaEstrazione(QString::fromLatin1(k.data), k.precedente);
        EXPECT_EQ(e.errore, k.errore) << k.data << k.precedente;
        EXPECT_EQ(e.estrazione, k.estrazione) << k.data << k.precedente;
    }
    EXPECT_EQ(a.cercaEstrazione(u"12/01/2002", false).messaggio(),
              "La data non può essere superiore alla data ultima estrazione inserita "
              "(08/01/2002)");

    EXPECT_EQ(a.leggi(10).numero(1, 1), 0);
    EXPECT_EQ(a.leggi(10).numero(1, 2), 2);
    a.chiudi();
    EXPECT_EQ(c.leggiFile("Archivi/Estrazioni.ind"), est);   // never repaired behind the user's back
}

TEST(ArchivioApertura, ReadOnlyFolderIsReadAndAnUnreadableFileIsNamed)
{
    CartellaProgramma c, illeggibile;
    c.scrivi(archivioPiccolo());
    illeggibile.scrivi(archivioPiccolo());
    const QByteArray est = c.leggiFile("Archivi/Estrazioni.ind");
    c.soloLettura();
    illeggibile.soloLettura({"Archivi/anni.ind"});
    SenzaPrivilegi utente;
    if (!utente.attivo())
        GTEST_SKIP() << "cannot run as an unprivileged user";

    ArchivioEstrazioni a;
    const EsitoApertura e = a.apri(c.percorso());
    EXPECT_TRUE(e.ok());
    EXPECT_TRUE(e.solaLettura);
    EXPECT_TRUE(a.solaLettura());
    EXPECT_EQ(a.numeroEstrazioni(), 55);
    EXPECT_EQ(a.cercaEstrazione(u"08/01/2002", false).estrazione, 54);
    try {
        a.fileEstrazioni().put(56, RecEstrazione::crea(QDate(2002, 1, 15), 4).toBytes());
        ADD_FAILURE() << "a read-only archive took a record";
    } catch (const compat::AppError& err) {
        EXPECT_EQ(err.number, 75);
    }
    a.riapriEstrazioni();
    EXPECT_EQ(a.numeroEstrazioni(), 55);
    a.chiudi();
    EXPECT_EQ(c.leggiFile("Archivi/Estrazioni.ind"), est);

    const EsitoApertura f = a.apri(illeggibile.percorso());
    EXPECT_FALSE(f.ok());
    EXPECT_TRUE(f.anniIlleggibile);
    EXPECT_EQ(f.messaggio(), "Archivio Anni.ind non leggibile/i !");
    EXPECT_FALSE(a.aperto());
}
