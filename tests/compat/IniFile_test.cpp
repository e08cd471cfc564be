#include "compat/IniFile.h"
#include "ArchivioTest.h"
#include "LimiteFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

class IniTest : public ::testing::Test {
protected:
    void scrivi(const QByteArray& b)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(b);
    }
    QByteArray leggi() const
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir dir;
    QString path = dir.filePath("Quorvane.ini");
    compat::IniFile ini{path};
};

TEST_F(IniTest, ReadsAsTheProfileFunctionsDo)
{
    scrivi("[restrizioni]\r\n"
           "GIORNI=\r\n"
           "Mesi=  YYNNYYNNYYNN  \r\n"
           "Tab=Y\tN\r\n"
           "Citta=Citt\xE0\r\n"
           "Quoted=\" a b \"\r\n"
           "Mesi=secondo\r\n"
           "[Restrizioni]\r\n"
           "Giorno=Y\r\n");
    struct Caso {
        const char* chiave;
        const char* predefinito;
        QString atteso;
    } casi[] = {
        {"Giorni", "YYYYYYY", ""},                 // present but empty: not the default
        {"mesi", "", "YYNNYYNNYYNN"},              // trimmed; the first duplicate wins
        {"Tab", "", "YN"},                         // control characters dropped
        {"Citta", "", QString::fromUtf8("Città")}, // Windows-1252 byte kept
        {"Quoted", "", "a b"},                     // quotes removed, then trimmed
        {"Giorno", "N", "N"},                      // only the first of duplicate sections counts
        {"Manca", "  1000  ", "1000"},             // default cleaned alike
        {"Manca", "", ""},
    };
    for (const Caso& c : casi)
        EXPECT_EQ(ini.get("Restrizioni", c.chiave, c.predefinito), c.atteso) << c.chiave;
}

TEST_F(IniTest, LongValueIsCutTo999Characters)
{
    scrivi("[S]\r\nK=" + QByteArray(1500, 'x') + "\r\n");
    EXPECT_EQ(ini.get("S", "K", "").size(), 999);
}

TEST_F(IniTest, WritesKeepOtherLinesAndPlaceNewKeysInTheirSection)
{
    scrivi("; commento\r\n[Forms]\r\nMainLeft=10\r\n\r\n[Settings]\r\nColoreForm=1\r\n");
    EXPECT_TRUE(ini.set("forms", "MainTop", QString("20")));
    EXPECT_TRUE(ini.set("Settings", "coloreform", QString("2")));
    EXPECT_TRUE(ini.set("Options", "LogFile", QString("1")));
    EXPECT_EQ(leggi(), "; commento\r\n[Forms]\r\nMainLeft=10\r\nMainTop=20\r\n\r\n"
                       "[Settings]\r\ncoloreform=2\r\n[Options]\r\nLogFile=1\r\n");
    EXPECT_TRUE(ini.set("Forms", "MainLeft", std::nullopt));
    EXPECT_EQ(ini.get("Forms", "MainLeft", "5"), "5");
    EXPECT_EQ(ini.get("Forms", "MainTop", "5"), "20");
}

TEST_F(IniTest, MissingFileReadsDefaultsAndFirstWriteCreatesIt)
{
    EXPECT_EQ(ini.get("Settings", "InizioRicerca", "1"), "1");
    EXPECT_TRUE(ini.set("Settings", "InizioRicerca", QString::fromUtf8("1è")));
    EXPECT_EQ(leggi(), "[Settings]\r\nInizioRicerca=1\xE8\r\n");
}

TEST_F(IniTest, WriteIntoAMissingFolderFailsSilently)
{
    compat::IniFile altrove(dir.filePath("manca/Quorvane.ini"));
    EXPECT_FALSE(altrove.set("S", "K", QString("V")));
}

} // namespace

TEST_F(IniTest, AWriteOnAFullDiskLeavesTheFileAsItWas)
{
    const QByteArray prima = "[Options]\r\nGiorni estrazione=NNYNYNY\r\n[Forms]\r\nMainLeft=120\r\n"
                             "MainTop=45\r\nMainHeight=6000\r\n";
    scrivi(prima);
    bool ok = true;
    {
        LimiteFile disco(26);
        ok = ini.set(QStringLiteral("Options"), QStringLiteral("Giorni estrazione"),
                     QStringLiteral("NNYNYNN"));
    }
    EXPECT_FALSE(ok);
    EXPECT_EQ(leggi(), prima);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

// A file the user may not write, or may write but not read: a write from what
// could be read would drop every other setting.
TEST_F(IniTest, AFileThatCannotBeReadOrWrittenIsLeftAsItWas)
{
    const QByteArray prima = "[Options]\r\nGiorni estrazione=NNYNYNY\r\n[Forms]\r\nMainTop=45\r\n";
    scrivi(prima);
    ::chmod(QFile::encodeName(dir.path()).constData(), 0777);
    for (const mode_t modo : {0444, 0222}) {
        ::chmod(QFile::encodeName(path).constData(), modo);
        bool ok = true;
        {
            SenzaPrivilegi utente;
            if (!utente.attivo())
                GTEST_SKIP() << "cannot run as an unprivileged user";
            ok = ini.set(QStringLiteral("Forms"), QStringLiteral("MainLeft"), QStringLiteral("1"));
        }
        EXPECT_FALSE(ok) << modo;
        EXPECT_EQ(leggi(), prima) << modo;
    }
}
