#include "core/TabellaImpostazioni.h"

#include "compat/vbdate.h"
#include "core/Impostazioni.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class TabellaImpostazioni : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(cartella.isValid());
        percorso = cartella.filePath(QStringLiteral("Quorvane.ini"));
        IniImpostazioni().setFileName(percorso);
    }
    void TearDown() override { IniImpostazioni().setFileName(QString()); }

    QByteArray file() const
    {
        QFile f(percorso);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir cartella;
    QString percorso;
};

// What each reader got before the table existed: section, key and default
// as they were spelt at the call sites.
struct Atteso {
    const Impostazione* voce;
    const char* sezione;
    const char* chiave;
    const char* predefinito; // nullptr: computed by the reader
};

const Atteso kAttesi[] = {
    {&imp::MainLeft, "Forms", "MainLeft", nullptr},
    {&imp::MainTop, "Forms", "MainTop", nullptr},
    {&imp::MainWidth, "Forms", "MainWidth", "9300"},
    {&imp::MainHeight, "Forms", "MainHeight", "6000"},
    {&imp::Url, "Options", "Url", "http://localhost/"},
    {&imp::DatiLeft, "Forms", "DatiLeft", nullptr},
    {&imp::DatiTop, "Forms", "DatiTop", "0"},
    {&imp::InizioRicercaDati, "Settings", "InizioRicerca", "6998"},
    {&imp::InizioRicerca, "Settings", "InizioRicerca", "1"},
    {&imp::FineRicerca, "Settings", "FineRicerca", nullptr},
    {&imp::DataInizioRicerca, "Settings", "DataInizioRicerca", ""},
    {&imp::DataFineRicerca, "Settings", "DataFineRicerca", ""},
    {&imp::Blocco, "Settings", "Blocco", "N"},
    {&imp::UltimaEstrazione, "Settings", "UltimaEstrazione", "Y"},
    {&imp::RuoteConNz, "Settings", "RuoteConNz", "YNNNNNNNNNN"},
    {&imp::Ruota, "Settings", "Ruota", "YNNNNNNNNNN"},
    {&imp::RuoteConNzGioco, "Settings", "RuoteConNzGioco", "YNNNNNNNNNN"},
    {&imp::ColoreForm, "Settings", "ColoreForm", "10276301"},
    {&imp::ColoreEtichette, "Settings", "ColoreEtichette", "16777215"},
    {&imp::ColoreListe, "Settings", "ColoreListe", "16777215"},
    {&imp::GiorniEstrazione, "Options", "Giorni estrazione", "NNYNYNY"},
    {&imp::GiorniEstrazioneIndice, "Options", "Giorni estrazione", "NNYNYYY"},
    {&imp::ShowTipsAtStartup, "Options", "Show Tips at Startup", "1"},
    {&imp::LogFile, "Options", "LogFile", "1"},
    {&imp::Giorno, "Restrizioni", "Giorno", "N"},
    {&imp::Giorni, "Restrizioni", "Giorni", "YYYYYYY"},
    {&imp::GiorniPannello, "Restrizioni", "Giorni", "NNYYYNY"},
    {&imp::Mese, "Restrizioni", "Mese", "N"},
    {&imp::Mesi, "Restrizioni", "Mesi", "YYYYYYYYYYYY"},
    {&imp::Periodo, "Restrizioni", "Periodo", "N"},
    {&imp::Dal, "Restrizioni", "Dal", "01gennaio"},
    {&imp::Al, "Restrizioni", "Al", "31dicembre"},
};

TEST_F(TabellaImpostazioni, EveryEntryReadsAndWritesItsKeyWithTodaysDefault)
{
    for (const Atteso& a : kAttesi) {
        SCOPED_TRACE(a.chiave);
        const QString sezione = QString::fromLatin1(a.sezione);
        const QString chiave = QString::fromLatin1(a.chiave);
        // Absent: the reader's default.
        if (a.predefinito)
            EXPECT_EQ(leggi(*a.voce), QString::fromLatin1(a.predefinito));
        else
            EXPECT_EQ(leggi(*a.voce, QStringLiteral("calcolato")), QStringLiteral("calcolato"));
        // Written through the entry, found under the old section and key.
        salva(*a.voce, QStringLiteral("v1"));
        EXPECT_EQ(LeggiImpostazione({}, sezione, chiave, {}), QStringLiteral("v1"));
        EXPECT_TRUE(file().contains(QByteArray("[") + a.sezione + "]"));
        EXPECT_TRUE(file().contains(QByteArray(a.chiave) + "=v1"));
        // Written under the old key, read through the entry.
        SalvaImpostazione({}, sezione, chiave, QStringLiteral("v2"));
        EXPECT_EQ(a.predefinito ? leggi(*a.voce) : leggi(*a.voce, {}), QStringLiteral("v2"));
        salva(*a.voce, std::nullopt);
        EXPECT_EQ(LeggiImpostazione({}, sezione, chiave, QStringLiteral("assente")),
                  QStringLiteral("assente"));
    }
}

TEST_F(TabellaImpostazioni, PeriodEndsDefaultToTheWholeYear)
{
    EXPECT_EQ(imp::Dal.valorePredefinito(), QStringLiteral("01") + compat::vbMonthName(1));
    EXPECT_EQ(imp::Al.valorePredefinito(), QStringLiteral("31") + compat::vbMonthName(12));
}

TEST_F(TabellaImpostazioni, KeysBuiltAtRunTime)
{
    EXPECT_EQ(leggi(imp::kForms, QStringLiteral("frmProvaLeft"),
                    QString::fromLatin1(imp::kPosizionePredefinita)),
              QStringLiteral("1000"));
    salva(imp::kForms, QStringLiteral("frmProvaLeft"), QStringLiteral("250"));
    EXPECT_TRUE(file().contains("[Forms]"));
    EXPECT_EQ(leggi(imp::kForms, QStringLiteral("frmProvaLeft"), {}), QStringLiteral("250"));
}

} // namespace
