#include "compat/ui/LinePrinter.h"

#include "support/ui/PdfText.h"
#include "LimiteFile.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>

using namespace compat;
using testsupport::pdfLines;
using testsupport::pdfPages;
using testsupport::pdfPageSize;

namespace {

struct Documents {
    struct Doc {
        QString pdf;
        QStringList lines;
    };
    std::vector<Doc> docs;
    PdfLinePrinter::OnDocument sink()
    {
        return [this](const QString& pdf, const QStringList& lines) { docs.push_back({pdf, lines}); };
    }
};

class LinePrinterTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    Documents out;
    std::unique_ptr<PdfLinePrinter> printer()
    {
        return std::make_unique<PdfLinePrinter>(dir.path(), QStringLiteral("t"), out.sink());
    }
};

} // namespace

TEST_F(LinePrinterTest, ColumnsTabsAndOverlayAsPrintedAndReadBack)
{
    auto p = printer();
    p->setFont(QStringLiteral("Courier New"), 10);
    p->tab(3);
    p->print(u"Città àèìòù €");
    p->endLine();
    p->print(u"abc");
    p->tab(10);
    p->print(u"x");
    p->tab(5); // already past column 5: next line
    p->print(u"y");
    p->endLine();
    p->endLine();
    p->tab(7);
    p->print(u"z");
    p->endDoc();

    ASSERT_EQ(out.docs.size(), 1u);
    const QStringList expected = {QStringLiteral("  Città àèìòù €"), QStringLiteral("abc      x"),
                                  QStringLiteral("    y"), QString(), QStringLiteral("      z"),
                                  PdfLinePrinter::kEndDoc};
    EXPECT_EQ(out.docs[0].lines, expected);

    // The PDF holds the same text in the same columns, after a 2-column margin.
    const QStringList read = pdfLines(out.docs[0].pdf);
    QStringList shifted;
    for (qsizetype i = 0; i + 1 < expected.size(); ++i)
        shifted << (expected[i].isEmpty() ? QString() : QStringLiteral("  ") + expected[i]);
    EXPECT_EQ(read, shifted);
}

TEST_F(LinePrinterTest, LaterTextOverwritesTheColumnsItCovers)
{
    auto p = printer();
    p->tab(0); // below 1 counts as 1
    p->print(u"12345");
    p->setCurrentX(0);
    p->print(u"AB");
    p->setCurrentX(1440); // one inch = 12 columns of 10-point Courier
    p->print(u"Z");
    EXPECT_NEAR(p->currentX(), 1440 + 120, 1);
    p->endDoc();
    ASSERT_EQ(out.docs.size(), 1u);
    EXPECT_EQ(out.docs[0].lines.value(0), QStringLiteral("AB345       Z"));
}

TEST_F(LinePrinterTest, FullPageBreaksBeforeTheLineThatDoesNotFitAndCountsPages)
{
    auto p = printer();
    p->setFont(QStringLiteral("Courier New"), 10);
    // Landscape A4 holds a heading of 8 lines and 45 rows, portrait 76 lines.
    p->setOrientation(Orientation::Landscape);
    int lines = 0;
    while (p->page() == 1 && lines < 200) {
        p->print(QString::number(++lines));
        p->endLine();
    }
    EXPECT_GE(lines - 1, 53);
    EXPECT_EQ(p->page(), 2);
    p->newPage();
    EXPECT_EQ(p->page(), 3);
    p->print(u"ultima");
    p->endDoc();
    EXPECT_EQ(p->page(), 1); // the next document starts again

    ASSERT_EQ(out.docs.size(), 1u);
    const QStringList& t = out.docs[0].lines;
    ASSERT_FALSE(t.isEmpty());
    EXPECT_EQ(t.count(PdfLinePrinter::kNewPage), 2);
    EXPECT_EQ(t.indexOf(PdfLinePrinter::kNewPage), lines - 1); // before the line that did not fit
    EXPECT_EQ(t.back(), PdfLinePrinter::kEndDoc);
    EXPECT_EQ(pdfPages(out.docs[0].pdf), 3);
    EXPECT_EQ(pdfPageSize(out.docs[0].pdf), QStringLiteral("842x595"));
}

TEST_F(LinePrinterTest, EmptyLinesAlsoFillThePage)
{
    auto p = printer();
    for (int i = 0; i < 200 && p->page() == 1; ++i)
        p->endLine();
    EXPECT_EQ(p->page(), 2);
    p->endDoc();
}

TEST_F(LinePrinterTest, OrientationAndPageNumbersBelongToOneDocument)
{
    auto p = printer();
    p->setOrientation(Orientation::Landscape);
    p->print(u"primo");
    p->newPage();
    p->endDoc();
    p->print(u"secondo"); // a new document, back in portrait, from page 1
    EXPECT_EQ(p->page(), 1);
    p->endDoc();

    ASSERT_EQ(out.docs.size(), 2u);
    EXPECT_NE(out.docs[0].pdf, out.docs[1].pdf);
    EXPECT_EQ(pdfPageSize(out.docs[0].pdf), QStringLiteral("842x595"));
    EXPECT_EQ(pdfPageSize(out.docs[1].pdf), QStringLiteral("595x842"));
    EXPECT_EQ(out.docs[1].lines, (QStringList{QStringLiteral("secondo"), PdfLinePrinter::kEndDoc}));
}

TEST_F(LinePrinterTest, AJobNeverEndedIsDiscarded)
{
    QString pdf;
    {
        auto p = printer();
        p->print(u"mai inviato");
        p->endLine();
        pdf = dir.path() + QStringLiteral("/t-1.pdf");
    }
    EXPECT_TRUE(out.docs.empty());
    EXPECT_FALSE(QFileInfo::exists(pdf));
}

TEST_F(LinePrinterTest, EndDocWithoutOutputSendsNothing)
{
    auto p = printer();
    p->endDoc();
    EXPECT_TRUE(out.docs.empty());
    EXPECT_FALSE(p->failed());
}

TEST_F(LinePrinterTest, FailureIsKeptAndLaterCallsDoNothing)
{
    PdfLinePrinter p(dir.path() + QStringLiteral("/manca/cartella"), QStringLiteral("t"), out.sink());
    p.print(u"x");
    p.endLine();
    p.newPage();
    p.endDoc();
    EXPECT_TRUE(p.failed());
    EXPECT_TRUE(p.error().contains(QStringLiteral("manca/cartella")));
    EXPECT_TRUE(out.docs.empty());

    auto none = LinePrinter::unavailable(QStringLiteral("Nessuna stampante installata."));
    none->print(u"x");
    none->endDoc();
    EXPECT_EQ(none->error(), QStringLiteral("Nessuna stampante installata."));
}

// A print to a file on a full disk, or one never ended: the cut file is no
// document sent, and an earlier file of that name stays alone, as it was.
TEST_F(LinePrinterTest, AFailedPrintToAFileLeavesTheEarlierFileAsItWas)
{
    const QByteArray vecchio = "%PDF-1.4 stampa precedente\n%%EOF\n";
    // What the disk takes (-1: no endDoc), and whether an earlier file is there.
    for (const auto& [limite, prima] : {std::pair{2000, false}, {2000, true}, {0, true}, {-1, true}}) {
        SCOPED_TRACE(limite);
        QTemporaryDir cartella;
        const QString pdf = cartella.filePath(QStringLiteral("t-1.pdf"));
        if (prima) {
            QFile f(pdf);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(vecchio) > 0);
        }
        Documents inviati;
        {
            PdfLinePrinter p(cartella.path(), QStringLiteral("t"), inviati.sink());
            std::optional<LimiteFile> disco;
            if (limite >= 0)
                disco.emplace(limite);
            for (int i = 0; i < 200; ++i) {
                p.print(u"riga di un rapporto stampato su file");
                p.endLine();
            }
            if (limite >= 0)
                p.endDoc();
            disco.reset();
            EXPECT_EQ(p.error(), limite < 0 ? QString()
                                            : QStringLiteral("Impossibile stampare nel file ") + pdf + u'.');
        }
        EXPECT_TRUE(inviati.docs.empty());
        EXPECT_EQ(QDir(cartella.path()).entryList(QDir::Files | QDir::Hidden).size(), prima ? 1 : 0);
        QFile f(pdf);
        EXPECT_EQ(f.open(QIODevice::ReadOnly) ? f.readAll() : "", prima ? vecchio : "");
    }
}

TEST(ResolveFontFamily, KnownFamiliesFallBackToInstalledLookAlikes)
{
    const QString courier = resolveFontFamily(QStringLiteral("Courier New"));
    EXPECT_TRUE(QFontInfo(QFont(courier)).fixedPitch()) << courier.toStdString();
    const QString arial = resolveFontFamily(QStringLiteral("Arial"));
    EXPECT_TRUE(QFontDatabase::hasFamily(arial) || arial == u"Arial") << arial.toStdString();
    EXPECT_FALSE(QFontInfo(QFont(arial)).fixedPitch());
    EXPECT_EQ(resolveFontFamily(QStringLiteral("Qualcosa")), QStringLiteral("Qualcosa"));
}
