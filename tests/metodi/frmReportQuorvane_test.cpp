#include "metodi/frmReportQuorvane.h"

#include "compat/ui/LinePrinter.h"
#include "support/ui/AmbienteServizi.h"

#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace compat;

namespace {

struct Finestra {
    AmbienteServizi a{componi({{QDate(2024, 1, 2), {{1, {1, 2, 3, 4, 5}}}}})};
    frmReportQuorvane* f = Forms::get<frmReportQuorvane>();
    QString path = a.cartella.percorso() + QStringLiteral("/ReportQuorvane.Txt");
    Finestra()
    {
        f->lstReport->addItems({QStringLiteral("Quorvane"), QStringLiteral(" "),
                                QStringLiteral("Città: à"), QStringLiteral(" Casi rilevati   :     2")});
        f->vbShow();
    }
    QByteArray file() const
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<assente>");
    }
};

const QByteArray kFile = "Quorvane\r\n \r\nCitt\xE0: \xE0\r\n Casi rilevati   :     2\r\n";

} // namespace

TEST(frmReportQuorvane, TwoCopiesAreOneDocumentWithAPageBreak)
{
    Finestra w;
    w.a.fake.expectPrinterDialog(2);
    QTest::mouseClick(w.f->cmdStampa, Qt::LeftButton);
    ASSERT_EQ(w.a.fake.printedDocuments().size(), 1u);
    const QStringList copia = {"", "  Quorvane", "   ", "  Città: à", "   Casi rilevati   :     2"};
    EXPECT_EQ(w.a.fake.printedDocuments()[0].lines,
              copia + QStringList{PdfLinePrinter::kNewPage} + copia
                  + QStringList{PdfLinePrinter::kEndDoc});
}

TEST(frmReportQuorvane, TextFileHoldsTheLinesAsTheyStand)
{
    Finestra w;
    w.a.fake.expectSave(w.path);
    QTest::mouseClick(w.f->cmdPrintToFile, Qt::LeftButton);
    EXPECT_EQ(w.file(), kFile);
    EXPECT_EQ(w.a.fake.fileCall(0).request.initialName, QStringLiteral("ReportQuorvane"));

    // An existing file: No keeps it, Yes replaces it.
    const QString domanda = QStringLiteral("Il file ") + w.path + QStringLiteral(" è già esistente. Sovrascrivi ?");
    w.f->lstReport->addItem(QStringLiteral("altra"));
    w.a.fake.expectSave(w.path);
    w.a.fake.expectMsgBox(domanda, vbNo);
    QTest::mouseClick(w.f->cmdPrintToFile, Qt::LeftButton);
    EXPECT_EQ(w.file(), kFile);
    w.a.fake.expectSave(w.path);
    w.a.fake.expectMsgBox(domanda, vbYes);
    QTest::mouseClick(w.f->cmdPrintToFile, Qt::LeftButton);
    EXPECT_EQ(w.file(), kFile + "altra\r\n");
}

TEST(frmReportQuorvane, EmptyListAsksNothingAndExitUnloads)
{
    Finestra w;
    w.f->lstReport->clear();
    QTest::mouseClick(w.f->cmdStampa, Qt::LeftButton);
    QTest::mouseClick(w.f->cmdPrintToFile, Qt::LeftButton);
    EXPECT_TRUE(w.a.fake.fileCalls().empty());
    QTest::mouseClick(w.f->cmdOk, Qt::LeftButton);
    EXPECT_EQ(Forms::find<frmReportQuorvane>(), nullptr);
}
