#include "metodi/frmDettaglioQuorvane.h"

#include "ArchivioTest.h"
#include "compat/ui/LinePrinter.h"
#include "core/Archivio.h"
#include "core/ArchivioMemoria.h"
#include "metodi/Backtest.h"
#include "support/ui/AmbienteServizi.h"
#include "support/ui/PdfText.h"

#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

using namespace compat;

namespace {

using Ruota = std::pair<int, std::array<int, 5>>;

std::vector<RecEstrazione> dueEstrazioni()
{
    return componi({{QDate(2024, 1, 2), {Ruota{1, {7, 20, 30, 40, 50}}}},
                    {QDate(2024, 1, 5), {Ruota{1, {17, 25, 2, 3, 4}}}}});
}

// `n` rows: a separator, then wins of one case (the first with the case's
// texts, the others with ditto marks), all dated on the second draw.
std::shared_ptr<EsitoBacktest> esito(int n, const QString& numeri = QStringLiteral("C: 17"))
{
    auto e = std::make_shared<EsitoBacktest>();
    QByteArray raw;
    for (const RecEstrazione& r : dueEstrazioni())
        raw += r.toBytes();
    e->archivio = ArchivioMemoria::daBytes(raw, primaDataNazionale());
    e->casi.push_back({1, QStringLiteral("02/01/2024"), QStringLiteral("BA "), numeri});
    for (int i = 0; i < n; ++i) {
        RigaDettaglio r;
        if (i > 0) {
            r.tipo = RigaDettaglio::Tipo::Vincita;
            r.ditto = i > 1;
            r.caso = 0;
            r.ruota = 1;
            r.colpo = 1;
            r.esito = 2;
            r.capogioco = 17;
            r.abbinato = i == 1 ? 25 : 0;
        }
        e->righe.push_back(r);
    }
    return e;
}

struct Finestra {
    AmbienteServizi a{dueEstrazioni()};
    frmDettaglioQuorvane* f = Forms::get<frmDettaglioQuorvane>();
    explicit Finestra(int righe)
    {
        f->lblDescrizione->setText(QStringLiteral("Condizione di gioco: sortita del n. 07 su BA "));
        f->lblDescrizione2->setText(QStringLiteral(" - Indice mensile: Tutti -"));
        f->mostraEsito(esito(righe));
        f->vbShow();
    }
    const FakePlatform::PrintedDocument& stampa(int copie)
    {
        a.fake.expectPrinterDialog(copie);
        QTest::mouseClick(f->cmdStampa, Qt::LeftButton);
        EXPECT_EQ(a.fake.printedDocuments().size(), 1u);
        return a.fake.printedDocument(-1);
    }
};

QStringList pagine(const QStringList& trascrizione)
{
    QStringList numeri;
    for (const QString& l : trascrizione)
        if (l.contains(QStringLiteral("Pag.")))
            numeri << l.mid(l.indexOf(QStringLiteral("Pag.")));
    return numeri;
}

} // namespace

TEST(frmDettaglioQuorvane, PagesHold45RowsUnderTheirHeading)
{
    {
        Finestra w(45);
        const auto& doc = w.stampa(1);
        EXPECT_EQ(doc.lines.count(PdfLinePrinter::kNewPage), 0);
        EXPECT_EQ(pagine(doc.lines), QStringList{"Pag.1"});
        EXPECT_EQ(testsupport::pdfPages(doc.pdf), 1);
        EXPECT_EQ(testsupport::pdfPageSize(doc.pdf), QStringLiteral("842x595"));
    }
    {
        Finestra w(46);
        const auto& doc = w.stampa(1);
        EXPECT_EQ(pagine(doc.lines), (QStringList{"Pag.1", "Pag.2"}));
        // The second page: the whole heading and one row.
        const qsizetype salto = doc.lines.indexOf(PdfLinePrinter::kNewPage);
        const QStringList seconda = doc.lines.mid(salto + 1);
        ASSERT_EQ(seconda.size(), 8 + 1 + 1); // heading, the row, end of document
        EXPECT_TRUE(seconda[1].startsWith(QString(16, u' ') + QStringLiteral("Quorvane by Miravell")));
        EXPECT_TRUE(seconda[2].contains(QStringLiteral("Condizione di gioco")));
        EXPECT_TRUE(seconda[6].startsWith(QStringLiteral(" | Sortita")));
        EXPECT_EQ(testsupport::pdfPages(doc.pdf), 2);
        // Read back from the PDF, the heading of page 2 is there, in bold too.
        const QStringList letto = testsupport::pdfLines(doc.pdf);
        EXPECT_TRUE(std::any_of(letto.begin(), letto.end(), [](const QString& l) {
            return l.contains(QStringLiteral("Quorvane by Miravell - Dettaglio delle vincite"))
                   && l.endsWith(QStringLiteral("Pag.2"));
        }));
    }
    {
        Finestra w(90);
        EXPECT_EQ(pagine(w.stampa(1).lines), (QStringList{"Pag.1", "Pag.2"}));
    }
    {
        // Two copies go on numbering through the one document.
        Finestra w(50);
        EXPECT_EQ(pagine(w.stampa(2).lines), (QStringList{"Pag.1", "Pag.2", "Pag.3", "Pag.4"}));
    }
}

TEST(frmDettaglioQuorvane, RowsPrintInTheirColumnsAndALongFieldPushesTheNextToANewLine)
{
    Finestra w(2);
    const QString lungo = QString(40, u'x');
    w.f->mostraEsito(esito(2, lungo));
    const auto& doc = w.stampa(1);
    const QStringList& l = doc.lines;
    const qsizetype riga = l.indexOf(QStringLiteral("   02/01/2024    BA      ") + lungo);
    ASSERT_GE(riga, 0) << l.join(u'\n').toStdString();
    ASSERT_LT(riga + 1, l.size());
    EXPECT_EQ(l[riga + 1].toStdString(),
              (QString(64, u' ') + QStringLiteral(" 17     17- 25  05/01/2024    1     BA")).toStdString());
}

TEST(frmDettaglioQuorvane, TextFileInFixedColumnsByteForByte)
{
    Finestra w(2);
    const QString path = w.a.cartella.percorso() + QStringLiteral("/Quorvane.Txt");
    w.a.fake.expectSave(path);
    QTest::mouseClick(w.f->cmdPrintToFile, Qt::LeftButton);
    ASSERT_EQ(w.a.fake.fileCalls().size(), 1u);
    EXPECT_EQ(w.a.fake.fileCalls()[0].request.initialName, QStringLiteral("Quorvane"));

    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray atteso =
        "Quorvane by Miravell - Dettaglio delle vincite\r\n"
        "Condizione di gioco: sortita del n. 07 su BA \r\n"
        " - Indice mensile: Tutti -\r\n"
        " *-------------*-------*--------------------------------------*------*--------*------------*-----*-----------*\r\n"
        " | Sortita     | Ruota | Numeri in gioco                      |Ambata|  Ambo  | Data esito |Colpo|Ruota esito|\r\n"
        " *-------------*-------*--------------------------------------*------*--------*------------*-----*-----------*\r\n"
        + QByteArray(110, ' ') + "\r\n"
        + "   02/01/2024    BA      C: 17                                   17     17- 25  05/01/2024    1     BA        \r\n";
    EXPECT_EQ(f.readAll().toStdString(), atteso.toStdString());
}

TEST(frmDettaglioQuorvane, EmptyListOrCancelOutputsNothing)
{
    Finestra w(0);
    QTest::mouseClick(w.f->cmdStampa, Qt::LeftButton);
    QTest::mouseClick(w.f->cmdPrintToFile, Qt::LeftButton);
    EXPECT_TRUE(w.a.fake.fileCalls().empty());

    w.f->mostraEsito(esito(3));
    w.a.fake.expectPrinterDialog(std::nullopt);
    QTest::mouseClick(w.f->cmdStampa, Qt::LeftButton);
    w.a.fake.expectSave(std::nullopt);
    QTest::mouseClick(w.f->cmdPrintToFile, Qt::LeftButton);
    EXPECT_TRUE(w.a.fake.printedDocuments().empty());

    // Without a printer the failure is told, never taken for done.
    w.a.fake.setPrinterInstalled(false);
    w.a.fake.expectPrinterDialog(1);
    w.a.fake.expectMsgBox(QStringLiteral("Nessuna stampante installata."), vbOK);
    QTest::mouseClick(w.f->cmdStampa, Qt::LeftButton);
}

// At the common look's font every header and every value of fixed width
// (dates, numbers, an ambo, a colpo, a wheel code) shows whole.
TEST(frmDettaglioQuorvane, HeadersAndFixedWidthValuesShowWhole)
{
    Finestra w(3);
    std::shared_ptr<EsitoBacktest> e = esito(3);
    for (RigaDettaglio& r : e->righe)
        if (r.tipo != RigaDettaglio::Tipo::Separatore) {
            r.capogioco = 88;
            r.abbinato = 89;
            r.colpo = 28;
            r.ruota = 11;
        }
    w.f->mostraEsito(e);
    QTableView* v = w.f->lvDettaglioVincite;
    QHeaderView* h = v->horizontalHeader();
    ASSERT_EQ(w.f->testo(1, 4), QStringLiteral(" 88- 89"));
    for (int c = 0; c < 8; ++c) {
        SCOPED_TRACE(h->model()->headerData(c, Qt::Horizontal).toString().toStdString());
        EXPECT_GE(v->columnWidth(c), h->sectionSizeHint(c));
        if (c != 1 && c != 2) {   // the wheels and the numbers of a case vary in length
            EXPECT_GE(v->columnWidth(c), static_cast<QAbstractItemView*>(v)->sizeHintForColumn(c));
        }
    }
}
