#include "archivio/FileAggiornamento.h"
#include "archivio/frmAggiornamenti.h"
#include "archivio/frmElenco.h"
#include "archivio/frmEsportazione.h"
#include "compat/files.h"
#include "compat/ui/Controls.h"
#include "metodi/frmMultiRuota.h"
#include "shell/frmMain.h"
#include "support/ui/AmbienteServizi.h"
#include "LimiteFile.h"

#include <QAction>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <map>
#include <string>

#include <unistd.h>

using namespace compat;

namespace {

const QString kTitolo = QStringLiteral("Esportazione archivi");

struct Ambiente : AmbienteServizi {
    explicit Ambiente(const std::vector<RecEstrazione>& r) : AmbienteServizi(r)
    {
        InizializzazioneFatta = false;
        auto* main = Forms::get<frmMain>();
        main->vbShow();
        main->mnuEstrazioniEsporta->trigger();
    }
    frmEsportazione* f() const { return Forms::find<frmEsportazione>(); }
    QByteArray leggi(const char* rel) const { return cartella.leggiFile(QString::fromLatin1(rel)); }
    QString percorso(const char* rel) const
    {
        return cartella.percorso() + u'/' + QString::fromLatin1(rel);
    }
};

// Weekly draws from 1871 to a year and more past the exported first record.
std::vector<RecEstrazione> storico()
{
    return estrazioniCasuali(QDate(1871, 1, 7), kPrimoRecordEsportato + 60, 7, 11);
}

TEST(frmEsportazione, ExportMergedIntoACutArchiveRestoresBothFiles)
{
    const auto tutte = storico();
    QByteArray esportato, estrazioniIntere, anniInteri;
    {
        Ambiente a(tutte);
        ASSERT_NE(a.f(), nullptr);
        EXPECT_EQ(a.f()->lblUltima->text(), tutte.back().dataTesto());
        estrazioniIntere = a.leggi("Archivi/Estrazioni.ind");
        anniInteri = a.leggi("Archivi/anni.ind");
        a.cartella.scriviFile(QStringLiteral("esp.bin"), "vecchio contenuto");
        a.fake.expectSave(a.percorso("esp.bin"));
        a.fake.expectMsgBox(QStringLiteral("Esportazione archivio ") + a.percorso("esp.bin")
                                + QStringLiteral(" al ") + tutte.back().dataTesto()
                                + QStringLiteral(" effettuata"),
                            vbOK);
        QTest::mouseClick(a.f()->cmdEsporta, Qt::LeftButton);
        EXPECT_EQ(a.fake.fileCall(-1).request.title, "Salva");
        EXPECT_EQ(a.fake.fileCall(-1).request.filter,
                  "File aggiornamento Trevalda (*.bin)|*.bin|File aggiornamento Trevalda (*.trv)|*.trv");
        EXPECT_EQ(a.fake.msgBoxCall(-1).title, kTitolo);
        EXPECT_EQ(a.f(), nullptr);
        esportato = a.leggi("esp.bin");
        EXPECT_EQ(esportato, estrazioniIntere.mid((kPrimoRecordEsportato - 1) * 66));
    }
    // An archive that ends on the export's first draw takes the rest back.
    Ambiente b({tutte.begin(), tutte.begin() + kPrimoRecordEsportato});
    ASSERT_NE(b.leggi("Archivi/anni.ind"), anniInteri);
    b.cartella.scriviFile(QStringLiteral("esp.bin"), esportato);
    Forms::get<frmMain>()->mnuEstrazioniAggiorna->trigger();
    auto* agg = Forms::find<frmAggiornamenti>();
    b.fake.expectOpen(b.percorso("esp.bin"));
    QTest::mouseClick(agg->cmdApri, Qt::LeftButton);
    b.fake.expectMsgBox(QStringLiteral("Aggiornamento archivi al ") + tutte.back().dataTesto()
                            + QStringLiteral(" effettuato"),
                        vbOK);
    QTest::mouseClick(agg->cmdAggiorna, Qt::LeftButton);
    EXPECT_EQ(b.leggi("Archivi/Estrazioni.ind"), estrazioniIntere);
    EXPECT_EQ(b.leggi("Archivi/anni.ind"), anniInteri);
}

// Every file below the program folder, hidden ones included: its size and
// a digest of its bytes.
std::map<std::string, std::string> contenuto(const CartellaProgramma& c)
{
    std::map<std::string, std::string> file;
    const QDir radice(c.percorso());
    QDirIterator it(c.percorso(), QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString nome = radice.relativeFilePath(it.next());
        const QByteArray byte = c.leggiFile(nome);
        file[nome.toStdString()] =
            std::to_string(byte.size()) + " byte "
            + QCryptographicHash::hash(byte, QCryptographicHash::Sha1).toHex().toStdString();
    }
    return file;
}

// Whatever name reaches one of the program's own files, in any letter case,
// through any link, existing or not yet, no export, page of the draw table,
// print to a file or report added to writes it: refused before any question,
// every file left as it was.
TEST(frmEsportazione, NeverOverTheProgramsOwnFilesNorAfterAFailedWrite)
{
    Ambiente a(storico());
    const QByteArray primaE = a.leggi("Archivi/Estrazioni.ind");
    // An update window holds this one open.
    a.cartella.scriviFile(QStringLiteral("agg.bin"), primaE.right(2 * 66));
    Forms::get<frmMain>()->mnuEstrazioniAggiorna->trigger();
    a.fake.expectOpen(a.percorso("agg.bin"));
    vbPress(Forms::find<frmAggiornamenti>()->cmdApri);
    for (const char* f : {"Quorvane.ini", "Quorvane.lock"})
        a.cartella.scriviFile(QString::fromLatin1(f), "del programma");
    ASSERT_TRUE(QFile::link(a.percorso("Archivi/Estrazioni.ind"), a.percorso("simbolico.ind")));
    ASSERT_TRUE(QFile::link(a.percorso("Archivi"), a.percorso("collegata")));
    const QByteArray anni = QFile::encodeName(a.percorso("Archivi/anni.ind"));
    ASSERT_EQ(::link(anni.constData(), QFile::encodeName(a.percorso("fisico.ind")).constData()), 0);
    auto* elenco = Forms::get<frmElenco>();
    elenco->vbShow();
    // A report that asks whether to add to an existing file.
    auto* multi = Forms::get<frmMultiRuota>();
    multi->vbShow();
    multi->iniziaRicerca(QStringLiteral("Spia"));
    multi->aggiungiRiga({QStringLiteral(" 5' su BA +  5' su CA"), QStringLiteral("1"),
                         QStringLiteral("1 / 1"), QStringLiteral("100,0 %"), QStringLiteral("45"),
                         QStringLiteral("BA"), QStringLiteral("NA")},
                        QStringLiteral("1"));
    multi->fineRicerca({});
    const struct {
        const char* nome;
        bool log = true;   // whether the error log exists
    } righe[] = {{"Archivi/Estrazioni.ind"}, {"Archivi/../Archivi/Estrazioni.ind"}, {"simbolico.ind"},
                 {"fisico.ind"}, {"Archivi/anni.ind"}, {"Quorvane.ini"}, {"Quorvane.lock"},
                 {"IniFile/Errori.log"}, {"agg.bin"}, {"Archivi/estrazioni.IND"},
                 {"collegata/estrazioni.IND"}, {"Archivi/ANNI.IND"}, {"quorvane.INI"},
                 {"IniFile/Errori.log", false}};
    for (const auto& [proprio, log] : righe) {
        ASSERT_NE(a.f(), nullptr);
        for (QPushButton* luogo : {a.f()->cmdEsporta, elenco->cmdPrintToFile, elenco->cmdStampa,
                                   multi->cmdPrintToFile}) {
            SCOPED_TRACE(std::string(proprio) + (log ? " " : " (nessun log) ")
                         + luogo->window()->objectName().toStdString() + "."
                         + luogo->objectName().toStdString());
            if (log)
                a.cartella.scriviFile(QStringLiteral("IniFile/Errori.log"), "del programma");
            else
                QFile::remove(a.percorso("IniFile/Errori.log"));
            const auto prima = contenuto(a.cartella);
            const QString nome = a.percorso(proprio);
            const QString titolo = luogo == a.f()->cmdEsporta ? kTitolo : QStringLiteral("Errore");
            if (luogo == elenco->cmdStampa)
                a.fake.expectPrinterDialog(1, nome);
            else
                a.fake.expectSave(nome);
            a.fake.expectMsgBox(QStringLiteral("Il file ") + nome
                                    + QStringLiteral(" è in uso dal programma: scegliere un altro nome."),
                                vbOK);
            QTest::mouseClick(luogo, Qt::LeftButton);
            a.fake.verifyAllUsed();
            EXPECT_EQ(a.fake.msgBoxCall(-1).title, titolo);
            EXPECT_EQ(a.fake.msgBoxCall(-1).style, vbOKOnly | vbCritical);
            EXPECT_EQ(contenuto(a.cartella), prima);
        }
    }

    a.cartella.scriviFile(QStringLiteral("esp.bin"), "da tenere");
    compat::setWriteFault([](const QString&, qint64) -> qint64 { return 100; });
    a.fake.expectSave(a.percorso("esp.bin"));
    a.fake.expectMsgBox(QStringLiteral("Esportazione archivio ") + a.percorso("esp.bin")
                            + QStringLiteral(" non riuscita (Errore di accesso al percorso/file)"),
                        vbOK);
    QTest::mouseClick(a.f()->cmdEsporta, Qt::LeftButton);
    compat::setWriteFault({});
    EXPECT_EQ(a.leggi("esp.bin"), "da tenere");
    ASSERT_NE(a.f(), nullptr);
    // A cancelled dialog keeps the window.
    a.fake.expectSave(std::nullopt);
    QTest::mouseClick(a.f()->cmdEsporta, Qt::LeftButton);
    EXPECT_NE(a.f(), nullptr);
}

// Eight draws are well within any write buffer: the failure is still told,
// and neither an empty nor a cut file is left where the export was to go.
TEST(frmEsportazione, OnAFullDiskTheExportFailsAndLeavesTheFileAsItWas)
{
    const std::optional<QByteArray> casi[] = {std::nullopt, QByteArray("esportazione precedente")};
    for (const auto& prima : casi) {
        Ambiente a(estrazioniCasuali(QDate(1871, 1, 7), kPrimoRecordEsportato + 7, 7, 11));
        if (prima)
            a.cartella.scriviFile(QStringLiteral("esp.bin"), *prima);
        a.fake.expectSave(a.percorso("esp.bin"));
        a.fake.expectMsgBox(QStringLiteral("Esportazione archivio ") + a.percorso("esp.bin")
                                + QStringLiteral(" non riuscita (Disco pieno)"),
                            vbOK);
        {
            LimiteFile disco(100);
            QTest::mouseClick(a.f()->cmdEsporta, Qt::LeftButton);
        }
        ASSERT_EQ(a.fake.msgBoxCalls().size(), 1u);
        EXPECT_EQ(a.fake.msgBoxCalls()[0].style, vbOKOnly | vbCritical);
        EXPECT_EQ(QFile::exists(a.percorso("esp.bin")), prima.has_value());
        if (prima) {
            EXPECT_EQ(a.leggi("esp.bin"), *prima);
        }
        EXPECT_NE(a.f(), nullptr);
    }
}

TEST(frmEsportazione, ShortArchiveExportsAnEmptyFile)
{
    Ambiente a(estrazioniCasuali(QDate(2001, 1, 2), 10, 7, 1));
    a.fake.expectSave(a.percorso("vuoto.bin"));
    a.fake.expectMsgBox(QStringLiteral("Esportazione archivio ") + a.percorso("vuoto.bin")
                            + QStringLiteral(" al  effettuata"),
                        vbOK);
    QTest::mouseClick(a.f()->cmdEsporta, Qt::LeftButton);
    EXPECT_TRUE(QFile::exists(a.percorso("vuoto.bin")));
    EXPECT_EQ(a.leggi("vuoto.bin"), QByteArray());
}

} // namespace
