#include "compat/ui/Colors.h"
#include "compat/ui/Controls.h"
#include "compat/ui/LinePrinter.h"
#include "compat/ui/Twips.h"
#include "consulta/frmConsultaEstrazioni.h"
#include "consulta/frmGraficoSomme.h"
#include "consulta/frmSommeDistanze.h"
#include "support/ui/AmbienteServizi.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace compat;

namespace {

// Twelve draws, the last on 12/03/2024: Bari 30 60 61 1 90, the other
// regional wheels 1 2 3 4 5, no Nazionale. Draw i before it has Bari i .. i+4.
std::vector<RecEstrazione> archivio()
{
    std::vector<BozzaEstrazione> b;
    for (int i = 1; i <= 11; ++i)
        b.push_back({QDate(2024, 3, 12).addDays(-4 * (12 - i)), {{1, {i, i + 1, i + 2, i + 3, i + 4}}}});
    BozzaEstrazione ultima{QDate(2024, 3, 12), {{1, {30, 60, 61, 1, 90}}}};
    for (int w = 2; w <= 10; ++w)
        ultima.ruote.push_back({w, {1, 2, 3, 4, 5}});
    b.push_back(ultima);
    return componi(b);
}

struct Ambiente {
    AmbienteServizi a{archivio()};
    frmConsultaEstrazioni* board;
    Ambiente()
    {
        CaricaNomiRuote();
        board = apriTabellone();
    }
    frmConsultaEstrazioni* apriTabellone()
    {
        auto* b = Forms::create<frmConsultaEstrazioni>();
        b->vbShow();
        return b;
    }
    frmSommeDistanze* apriTabella(frmConsultaEstrazioni* b)
    {
        QTest::mouseClick(b->cmdSommeDistanze, Qt::LeftButton);
        return Forms::find<frmSommeDistanze>();
    }
    static void clic(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
};

QString rigaTabella(const QString& nome, const QString& celle)
{
    return QStringLiteral("     ") + nome.leftJustified(10) + u'|' + celle + QStringLiteral("  ");
}

const QString kBari = QStringLiteral("90 30| 1 31|31 29|30 30|31  1|61 31|60 30|62 30|61 29| 1  1|");
const QString kUnoCinque = QStringLiteral(" 3  1| 4  2| 5  3| 6  4| 5  1| 6  2| 7  3| 7  1| 8  2| 9  1|");
const QString kVuota = QStringLiteral(" -  -| -  -| -  -| -  -| -  -| -  -| -  -| -  -| -  -| -  -|");
const QString kBordo = QStringLiteral("    *----------*-----*-----*-----*-----*-----*-----*-----*-----*-----*-----*");
const QString kChiusura =
    QStringLiteral("               *-----*-----*-----*-----*-----*-----*-----*-----*-----*-----*");

bool evidenziata(QLabel* l)
{
    return vbBackColor(l) == 0x000000 && vbForeColor(l) == 0x00FFFF && l->font().bold();
}

} // namespace

TEST(frmSommeDistanze, BoardCommandFillsTheTableFromItsDraw)
{
    Ambiente e;
    frmSommeDistanze* t = e.apriTabella(e.board);
    ASSERT_NE(t, nullptr);
    EXPECT_TRUE(t->isVisible());
    EXPECT_TRUE(SommeDistanzeAperto);
    EXPECT_EQ(t->windowTitle(), "  Somme e distanze");
    EXPECT_EQ(t->lblDescrizioneRuota->text(), "12/03/2024");
    EXPECT_EQ(t->lblRuota[1]->text(), "Bari");
    EXPECT_EQ(t->lblRuota[11]->text(), "Nazionale");
    EXPECT_EQ(t->lblSomma[1]->text(), "90");
    EXPECT_EQ(t->Label1[1]->text(), "30");
    EXPECT_EQ(t->lblSomma[1]->toolTip(), " 30 - 60");
    EXPECT_EQ(t->lblSomma[101]->text(), "-");
    EXPECT_EQ(t->lblSomma[101]->toolTip(), "");
    EXPECT_EQ(t->lblEtichetta[0]->toolTip(), "Un click per visualizzare il grafico");
    // No setting: equal values by columns. The nine rows 1 2 3 4 5 mark one another.
    EXPECT_TRUE(t->chkColonne->isChecked());
    EXPECT_FALSE(t->chkRighe->isChecked());
    EXPECT_TRUE(evidenziata(t->lblSomma[11]));
    EXPECT_FALSE(evidenziata(t->lblSomma[1]));
    EXPECT_EQ(vbBackColor(t->lblSomma[1]), 0xC0FFFFu);
    EXPECT_EQ(vbBackColor(t->Label1[1]), 0xFFFFC0u);
    EXPECT_FALSE(evidenziata(t->lblSomma[101]));

    // Pressing again refills the same window.
    Ambiente::clic(e.board->cmdSommeDistanze);
    int tabelle = 0;
    for (Form* f : Forms::all())
        tabelle += dynamic_cast<frmSommeDistanze*>(f) != nullptr;
    EXPECT_EQ(tabelle, 1);
}

TEST(frmSommeDistanze, SwitchRefillsByRowsAndIsStored)
{
    Ambiente e;
    frmSommeDistanze* t = e.apriTabella(e.board);
    // Bari's row by rows: sums 31 (columns 3, 5) and 1 (2, 10); by columns none of them.
    EXPECT_FALSE(evidenziata(t->lblSomma[3]));
    Ambiente::clic(t->chkRighe);
    EXPECT_TRUE(t->chkRighe->isChecked());
    EXPECT_FALSE(t->chkColonne->isChecked());
    EXPECT_TRUE(evidenziata(t->lblSomma[3]));
    EXPECT_TRUE(evidenziata(t->lblSomma[5]));
    EXPECT_TRUE(evidenziata(t->lblSomma[2]));
    EXPECT_TRUE(evidenziata(t->lblSomma[10]));
    EXPECT_FALSE(evidenziata(t->lblSomma[1]));
    // Clicking the button that is down puts it up and the other down.
    Ambiente::clic(t->chkRighe);
    EXPECT_TRUE(t->chkColonne->isChecked());
    EXPECT_FALSE(evidenziata(t->lblSomma[3]));
    Ambiente::clic(t->chkColonne);
    vbUnload(t);
    EXPECT_FALSE(SommeDistanzeAperto);
    EXPECT_EQ(AmbienteServizi::ini("Settings", "AnalisiSommeDistanze"), "0");

    for (const char* valore : {"0", "-1", "x", "2"}) {
        AmbienteServizi::imposta("Settings", "AnalisiSommeDistanze", QString::fromLatin1(valore));
        auto* u = e.apriTabella(e.board);
        EXPECT_EQ(u->chkColonne->isChecked(), QByteArray(valore) == "2") << valore;
        EXPECT_NE(u->chkColonne->isChecked(), u->chkRighe->isChecked());
        vbUnload(u);
    }
}

TEST(frmSommeDistanze, FromTheBoardToTheChartAndBackByClicks)
{
    Ambiente e;
    frmSommeDistanze* t = e.apriTabella(e.board);
    Ambiente::clic(t->lblEtichetta[0]);
    auto* grafico = Forms::find<frmGraficoSomme>();
    ASSERT_NE(grafico, nullptr);
    EXPECT_TRUE(grafico->isVisible());
    EXPECT_EQ(grafico->lblDescrizione->text(), "12/03/2024 - Ambo 1 - 2");
    EXPECT_EQ(grafico->Dati().etichette,
              (QStringList{"BA", "CA", "FI", "GE", "MI", "NA", "PA", "RO", "TO", "VE", "NZ"}));
    ASSERT_FALSE(grafico->Dati().somme.isEmpty() || grafico->Dati().distanze.isEmpty());
    EXPECT_EQ(grafico->Dati().somme.front(), "90");
    EXPECT_EQ(grafico->Dati().distanze.front(), "30");
    Ambiente::clic(grafico->cmdTipoGrafico);
    EXPECT_EQ(grafico->TipoGrafico(), frmGraficoSomme::kLinee2D);
    Ambiente::clic(e.board->cmdPrecedente);
    EXPECT_EQ(Forms::find<frmGraficoSomme>(), nullptr);
    EXPECT_EQ(t->lblSomma[1]->text(), "23");   // 11 + 12
    EXPECT_EQ(t->lblDescrizioneRuota->text(), "08/03/2024");

    // One-wheel layout of Bari: the ten dates, an empty row 11, the padded name.
    Ambiente::clic(e.board->cmdRuota[1]);
    EXPECT_EQ(t->lblDescrizioneRuota->text(), "Bari      ");
    EXPECT_EQ(t->lblRuota[1]->text(), "01/02/2024");
    EXPECT_EQ(t->lblRuota[10]->text(), "08/03/2024");
    EXPECT_EQ(t->lblRuota[11]->text(), "");
    EXPECT_EQ(t->lblSomma[110]->text(), "-");
    // The row chart of the empty row opens nothing.
    Ambiente::clic(t->lblRuota[11]);
    EXPECT_EQ(Forms::find<frmGraficoSomme>(), nullptr);
    Ambiente::clic(t->lblRuota[2]);
    auto* g = Forms::find<frmGraficoSomme>();
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->lblDescrizione->text(), "Bari - 05/02/2024");
}

TEST(frmSommeDistanze, ClosingTheBoardLeavesTheTableWorking)
{
    Ambiente e;
    frmSommeDistanze* t = e.apriTabella(e.board);
    Ambiente::clic(t->lblEtichetta[0]);
    ASSERT_NE(Forms::find<frmGraficoSomme>(), nullptr);
    setScreenOverride(QRect(0, 0, 1920, 1080)); // the table whole where it is put
    vbSetLeft(t, 2100);
    vbSetTop(t, 1200);
    QPointer<frmConsultaEstrazioni> board = e.board;
    Ambiente::clic(e.board->cmdEsci);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(board.isNull());
    // The table is still there, with the last draw the board showed.
    ASSERT_EQ(Forms::find<frmSommeDistanze>(), t);
    EXPECT_TRUE(t->isVisible());
    EXPECT_TRUE(SommeDistanzeAperto);
    EXPECT_EQ(t->Tabellone(), nullptr);
    EXPECT_EQ(t->lblSomma[1]->text(), "90");
    // The switch changes the mode and refills nothing.
    Ambiente::clic(t->chkRighe);
    EXPECT_TRUE(t->chkRighe->isChecked());
    EXPECT_FALSE(evidenziata(t->lblSomma[3]));
    // The chart opens from the table as before.
    Ambiente::clic(t->lblEtichetta[1]);
    ASSERT_NE(Forms::find<frmGraficoSomme>(), nullptr);
    EXPECT_EQ(Forms::find<frmGraficoSomme>()->lblDescrizione->text(), "12/03/2024 - Ambo 1 - 3");

    // Another board takes the table over.
    auto* altro = e.apriTabellone();
    EXPECT_EQ(t->Tabellone(), altro);
    EXPECT_TRUE(evidenziata(t->lblSomma[3]));   // refilled by rows
    Ambiente::clic(t->lblEtichetta[0]);

    // Closed, the table saves its switch and place; the chart stays open.
    vbUnload(t);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(SommeDistanzeAperto);
    EXPECT_EQ(AmbienteServizi::ini("Settings", "AnalisiSommeDistanze"), "0");
    EXPECT_NEAR(vbVal(AmbienteServizi::ini("Forms", "SommeDistanzeLeft")), 2100, 8);
    EXPECT_NEAR(vbVal(AmbienteServizi::ini("Forms", "SommeDistanzeTop")), 1200, 8);
    auto* g = Forms::find<frmGraficoSomme>();
    ASSERT_NE(g, nullptr);
    EXPECT_TRUE(g->isVisible());
    // A later redraw opens no table.
    Ambiente::clic(altro->cmdPrecedente);
    EXPECT_EQ(Forms::find<frmSommeDistanze>(), nullptr);
}

TEST(frmSommeDistanze, TextFileByteForByte)
{
    Ambiente e;
    frmSommeDistanze* t = e.apriTabella(e.board);
    const QString percorso = e.a.cartella.percorso() + QStringLiteral("/somme.txt");
    e.a.fake.expectSave(percorso);
    Ambiente::clic(t->cmdPrintToFile);
    EXPECT_EQ(e.a.fake.fileCall(0).request.initialName, "SommeDistanze_12_03_2024");
    EXPECT_EQ(e.a.fake.fileCall(0).request.title, "Salva risultati su file");
    EXPECT_EQ(e.a.fake.fileCall(0).request.filter, "File di testo (*.Txt)|*.Txt");

    QStringList righe = {QString(10, u' '),
                         QString(26, u' ') + "Quorvane - Somme e distanze",
                         QString(10, u' '),
                         QString(35, u' ') + "12/03/2024",
                         QString(10, u' '),
                         kBordo,
                         "    |          | 1-2 | 1-3 | 1-4 | 1-5 | 2-3 | 2-4 | 2-5 | 3-4 | 3-5 | 4-5 |",
                         kBordo,
                         "               |So Di|So Di|So Di|So Di|So Di|So Di|So Di|So Di|So Di|So Di|",
                         kChiusura,
                         rigaTabella("Bari", kBari)};
    for (const char* nome : {"Cagliari", "Firenze", "Genova", "Milano", "Napoli", "Palermo", "Roma",
                             "Torino", "Venezia"})
        righe << rigaTabella(QString::fromLatin1(nome), kUnoCinque);
    righe << rigaTabella("Nazionale", kVuota) << kChiusura;
    ASSERT_EQ(righe.size(), 22);
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), (righe.join("\r\n") + "\r\n").toLatin1());
    f.close();

    // An existing file is replaced only after Yes.
    e.a.fake.expectSave(percorso);
    e.a.fake.expectMsgBox("Il file " + percorso + " è già esistente. Sovrascrivi ?", vbNo);
    Ambiente::clic(e.board->cmdRuota[1]);
    Ambiente::clic(t->cmdPrintToFile);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("12/03/2024\r\n"));
    f.close();
    e.a.fake.expectSave(percorso);
    e.a.fake.expectMsgBox("Il file " + percorso + " è già esistente. Sovrascrivi ?", vbYes);
    Ambiente::clic(t->cmdPrintToFile);
    EXPECT_EQ(e.a.fake.fileCall(-1).request.initialName, "SommeDistanze_Bari      ");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> scritte = f.readAll().split('\n');
    ASSERT_EQ(scritte.size(), 23);   // 22 lines and nothing after the last CR LF
    EXPECT_EQ(scritte[3], QByteArray(35, ' ') + "Bari      \r");
    EXPECT_EQ(scritte[20], QByteArray(15, ' ') + "|" + kVuota.toLatin1() + "  \r");

    // A cancelled dialog writes nothing.
    e.a.fake.expectSave(std::nullopt);
    Ambiente::clic(t->cmdPrintToFile);
}

TEST(frmSommeDistanze, PrintsOneDocumentPerCopy)
{
    Ambiente e;
    frmSommeDistanze* t = e.apriTabella(e.board);
    e.a.fake.expectPrinterDialog(std::nullopt);
    Ambiente::clic(t->cmdStampa);
    EXPECT_TRUE(e.a.fake.printedDocuments().empty());

    e.a.fake.expectPrinterDialog(2);
    Ambiente::clic(t->cmdStampa);
    ASSERT_EQ(e.a.fake.printedDocuments().size(), 2u);
    QStringList attese = {"",
                          "",
                          QString(13, u' ') + "Quorvane - Somme e distanze - 01/01/2025 - 12:00:00",
                          "",
                          QString(34, u' ') + "12/03/2024",
                          "",
                          kBordo,
                          "    |          | 1-2 | 1-3 | 1-4 | 1-5 | 2-3 | 2-4 | 2-5 | 3-4 | 3-5 | 4-5 |",
                          kBordo,
                          "               |So Di|So Di|So Di|So Di|So Di|So Di|So Di|So Di|So Di|So Di|",
                          kChiusura,
                          rigaTabella("Bari", kBari).chopped(2)};
    for (const char* nome : {"Cagliari", "Firenze", "Genova", "Milano", "Napoli", "Palermo", "Roma",
                             "Torino", "Venezia"})
        attese << rigaTabella(QString::fromLatin1(nome), kUnoCinque).chopped(2);
    attese << rigaTabella("Nazionale", kVuota).chopped(2) << kChiusura << PdfLinePrinter::kEndDoc;
    EXPECT_EQ(e.a.fake.printedDocuments()[0].lines, attese);
    EXPECT_EQ(e.a.fake.printedDocuments()[1].lines, attese);

    // No printer: told once, nothing printed.
    e.a.fake.setPrinterInstalled(false);
    e.a.fake.expectPrinterDialog(3);
    e.a.fake.expectMsgBox("Nessuna stampante installata.", vbOK);
    Ambiente::clic(t->cmdStampa);
    EXPECT_EQ(e.a.fake.printedDocuments().size(), 2u);
}
