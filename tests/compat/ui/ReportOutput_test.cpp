#include "compat/ui/ReportOutput.h"

#include "compat/ui/LinePrinter.h"
#include "support/ui/FakePlatform.h"
#include "LimiteFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace compat;

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

class ReportOutputTest : public ::testing::Test {
protected:
    FakePlatform fake;
    FakePlatformScope scope{fake};
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Report.Txt"));

    void existing()
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("vecchio\r\n");
    }
    bool save(IfExists ifExists, const QStringList& lines)
    {
        const std::optional<OutputFile> f = askOutputFile(QStringLiteral("Report"), ifExists);
        return f && writeOutputFile(*f, lines);
    }
};

} // namespace

TEST_F(ReportOutputTest, SaveDialogHasTheProgramsTitleFilterAndProposedName)
{
    fake.expectSave(path);
    EXPECT_TRUE(save(IfExists::AskOverwrite, {QStringLiteral("riga")}));
    ASSERT_EQ(fake.fileCalls().size(), 1u);
    const FileRequest& r = fake.fileCalls()[0].request;
    EXPECT_EQ(r.title, QStringLiteral("Salva risultati su file"));
    EXPECT_EQ(r.filter, QStringLiteral("File di testo (*.Txt)|*.Txt"));
    EXPECT_EQ(r.initialName, QStringLiteral("Report"));
    EXPECT_EQ(bytesOf(path), QByteArray("riga\r\n"));
}

TEST_F(ReportOutputTest, CancelOrEmptyNameWritesNothing)
{
    fake.expectSave(std::nullopt);
    EXPECT_FALSE(askOutputFile(QStringLiteral("Report")));
    fake.expectSave(QString());
    EXPECT_FALSE(askOutputFile(QStringLiteral("Report")));
    EXPECT_TRUE(fake.msgBoxCalls().empty());
}

// Whether the name is chosen as it stands on disk or in another letter case,
// the file there is the one asked about and written: no second file appears.
TEST_F(ReportOutputTest, OverwriteQuestionOnlyYesReplaces)
{
    for (const QString& chosen : {path, dir.filePath(QStringLiteral("report.TXT"))}) {
        SCOPED_TRACE(chosen.toStdString());
        existing();
        const QString overwrite =
            QStringLiteral("Il file ") + chosen + QStringLiteral(" è già esistente. Sovrascrivi ?");
        fake.expectSave(chosen);
        fake.expectMsgBox(overwrite, vbNo);
        EXPECT_FALSE(save(IfExists::AskOverwrite, {QStringLiteral("nuovo")}));
        EXPECT_EQ(bytesOf(path), QByteArray("vecchio\r\n"));
        EXPECT_EQ(fake.msgBoxCall(-1).style, vbYesNo + vbExclamation + vbDefaultButton2);
        EXPECT_EQ(fake.msgBoxCall(-1).title, QStringLiteral("Conferma"));

        fake.expectSave(chosen);
        fake.expectMsgBox(overwrite, vbYes);
        EXPECT_TRUE(save(IfExists::AskOverwrite, {QStringLiteral("nuovo")}));
        EXPECT_EQ(bytesOf(path), QByteArray("nuovo\r\n"));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Report.Txt")});
    }
}

TEST_F(ReportOutputTest, AppendQuestionYesAppendsNoReplacesCancelKeeps)
{
    for (const QString& chosen : {path, dir.filePath(QStringLiteral("report.txt"))}) {
        SCOPED_TRACE(chosen.toStdString());
        existing();
        const QString append = QStringLiteral("Il file ") + chosen
                               + QStringLiteral(" è già esistente. Le informazioni vanno aggiunte in calce ?");
        fake.expectSave(chosen);
        fake.expectMsgBox(append, vbCancel);
        EXPECT_FALSE(save(IfExists::AskAppend, {QStringLiteral("x")}));
        EXPECT_EQ(bytesOf(path), QByteArray("vecchio\r\n"));
        EXPECT_EQ(fake.msgBoxCall(-1).style, vbYesNoCancel + vbExclamation + vbDefaultButton2);

        fake.expectSave(chosen);
        fake.expectMsgBox(append, vbYes);
        EXPECT_TRUE(save(IfExists::AskAppend, {QStringLiteral("aggiunto")}));
        EXPECT_EQ(bytesOf(path), QByteArray("vecchio\r\naggiunto\r\n"));

        fake.expectSave(chosen);
        fake.expectMsgBox(append, vbNo);
        EXPECT_TRUE(save(IfExists::AskAppend, {QStringLiteral("solo")}));
        EXPECT_EQ(bytesOf(path), QByteArray("solo\r\n"));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Report.Txt")});
    }
}

TEST_F(ReportOutputTest, AFailedWriteIsReportedNeverDone)
{
    const QString bad = dir.filePath(QStringLiteral("manca/Report.Txt"));
    fake.expectSave(bad);
    const std::optional<OutputFile> f = askOutputFile(QStringLiteral("Report"));
    ASSERT_TRUE(f);
    fake.expectMsgBox(QStringLiteral("Impossibile creare il file ") + bad
                          + QStringLiteral(": Impossibile trovare il percorso."),
                      vbOK);
    EXPECT_FALSE(writeOutputFile(*f, {QStringLiteral("x")}));
    EXPECT_EQ(fake.msgBoxCall(-1).style, vbCritical);
}

// A short report on a full disk, replacing, adding to or creating the file:
// told as a folder that cannot be written is, and the file is as it was.
TEST_F(ReportOutputTest, AFullDiskIsReportedAndTheFileStaysAsItWas)
{
    struct Caso {
        bool esiste;
        IfExists domanda;
        QString risposta;   // to the question about the existing file
        QString messaggio;
    };
    const QString pieno = path + QStringLiteral(": Disco pieno.");
    const Caso casi[] = {
        {true, IfExists::AskOverwrite, QStringLiteral(" è già esistente. Sovrascrivi ?"),
         QStringLiteral("Impossibile scrivere il file ") + pieno},
        {true, IfExists::AskAppend,
         QStringLiteral(" è già esistente. Le informazioni vanno aggiunte in calce ?"),
         QStringLiteral("Errore di scrittura nel file ") + pieno},
        {false, IfExists::AskOverwrite, {}, QStringLiteral("Impossibile scrivere il file ") + pieno},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.messaggio.toStdString());
        QFile::remove(path);
        if (c.esiste)
            existing();
        const QByteArray prima = bytesOf(path);
        fake.expectSave(path);
        if (c.esiste)
            fake.expectMsgBox(QStringLiteral("Il file ") + path + c.risposta, vbYes);
        fake.expectMsgBox(c.messaggio, vbOK);
        {
            LimiteFile disco(12);
            EXPECT_FALSE(save(c.domanda, {QStringLiteral("Riepilogo"), QStringLiteral("riga")}));
        }
        ASSERT_FALSE(fake.msgBoxCalls().empty());
        EXPECT_EQ(fake.msgBoxCalls().back().style, vbCritical);
        EXPECT_EQ(fake.msgBoxCalls().back().title, QStringLiteral("Errore"));
        EXPECT_EQ(bytesOf(path), prima);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), c.esiste ? 1 : 0);
    }
}

TEST_F(ReportOutputTest, PrinterDialogCopiesAndFailures)
{
    fake.expectPrinterDialog(std::nullopt);
    EXPECT_FALSE(askPrintCopies());
    fake.expectPrinterDialog(3);
    EXPECT_EQ(askPrintCopies(), 3);

    auto p = platform().printers().open();
    p->print(u"ok");
    EXPECT_TRUE(finishPrint(*p));
    ASSERT_EQ(fake.printedDocuments().size(), 1u);

    fake.setPrinterInstalled(false);
    auto none = platform().printers().open();
    none->print(u"x");
    fake.expectMsgBox(QStringLiteral("Nessuna stampante installata."), vbOK);
    EXPECT_FALSE(finishPrint(*none));
    EXPECT_EQ(fake.printedDocuments().size(), 1u);
}
