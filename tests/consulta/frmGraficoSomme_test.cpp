#include "compat/vb.h"
#include "compat/ui/LinePrinter.h"
#include "compat/ui/Twips.h"
#include "consulta/frmGraficoSomme.h"
#include "support/ui/AmbienteServizi.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace compat;

namespace {

std::vector<RecEstrazione> archivio()
{
    return componi({{QDate(2024, 3, 12), {{1, {30, 60, 61, 1, 90}}}}});
}

DatiGrafico dati()
{
    DatiGrafico g;
    g.titolo = QStringLiteral("Bari - 12/03/2024");
    g.etichette = QStringList{"1 - 2", "1 - 3", "1 - 4"};
    g.somme = QStringList{"90", "-", ""};
    g.distanze = QStringList{"30", "31", "-"};
    return g;
}

// Records the widths the window and the chart take.
struct LarghezzeStampa : QObject {
    frmGraficoSomme* g;
    std::vector<double> finestra, grafico;
    explicit LarghezzeStampa(frmGraficoSomme* f) : g(f)
    {
        g->installEventFilter(this);
        g->MSChart1->installEventFilter(this);
    }
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Resize)
            (o == g ? finestra : grafico).push_back(pxToTwips(static_cast<QWidget*>(o)->width()));
        return false;
    }
};

} // namespace

TEST(frmGraficoSomme, TypeButtonSwitchesBarsAndLines)
{
    AmbienteServizi a(archivio());
    auto* g = Forms::get<frmGraficoSomme>();
    g->vbShow();
    g->Carica(dati());
    EXPECT_EQ(g->windowTitle(), " Grafico Somme e distanze");
    EXPECT_EQ(g->lblDescrizione->text(), "Bari - 12/03/2024");
    EXPECT_EQ(g->cmdTipoGrafico->text(), "Grafico a barre");
    EXPECT_EQ(g->cmdTipoGrafico->toolTip(), "Grafico a barre/Grafico a linee");
    EXPECT_EQ(g->TipoGrafico(), frmGraficoSomme::kBarre2D);
    // Bars: two sets, "-" and an empty cell at 0.
    auto barre = g->MSChart1->chart()->series();
    ASSERT_EQ(barre.size(), 1);
    auto* serie = qobject_cast<QBarSeries*>(barre[0]);
    ASSERT_NE(serie, nullptr);
    ASSERT_EQ(serie->barSets().size(), 2);
    EXPECT_EQ(serie->barSets()[0]->at(0), 90);
    EXPECT_EQ(serie->barSets()[0]->at(1), 0);
    EXPECT_EQ(serie->barSets()[1]->at(1), 31);

    QTest::mouseClick(g->cmdTipoGrafico, Qt::LeftButton);
    EXPECT_EQ(g->TipoGrafico(), frmGraficoSomme::kLinee2D);
    EXPECT_EQ(g->cmdTipoGrafico->text(), "Grafico a linee");
    const auto linee = g->MSChart1->chart()->series();
    ASSERT_EQ(linee.size(), 2);
    auto* distanze = qobject_cast<QLineSeries*>(linee[1]);
    ASSERT_NE(distanze, nullptr);
    EXPECT_EQ(distanze->count(), 3);
    EXPECT_EQ(distanze->at(0).y(), 30);

    QTest::mouseClick(g->cmdTipoGrafico, Qt::LeftButton);
    EXPECT_EQ(g->TipoGrafico(), frmGraficoSomme::kBarre2D);
    EXPECT_EQ(g->cmdTipoGrafico->text(), "Grafico a barre");
    // Any type other than bars becomes bars at the next click.
    g->ImpostaTipoGrafico(2);
    QTest::mouseClick(g->cmdTipoGrafico, Qt::LeftButton);
    EXPECT_EQ(g->TipoGrafico(), frmGraficoSomme::kBarre2D);
}

TEST(frmGraficoSomme, StoredPlaceIsCheckedAgainstTheScreen)
{
    AmbienteServizi a(archivio());
    AmbienteServizi::imposta("Forms", "GraficoSommeDistanzeLeft", "900000");
    AmbienteServizi::imposta("Forms", "GraficoSommeDistanzeTop", "-5000");
    auto* g = Forms::get<frmGraficoSomme>();
    const QRectF schermo = availableScreenTwips();
    EXPECT_GE(vbLeft(g), schermo.left());
    EXPECT_LE(vbLeft(g) + vbWidth(g), schermo.right() + 15);
    EXPECT_GE(vbTop(g), schermo.top() - 120);
    vbUnload(g);

    AmbienteServizi::imposta("Forms", "GraficoSommeDistanzeLeft", "1500");
    AmbienteServizi::imposta("Forms", "GraficoSommeDistanzeTop", "1200");
    g = Forms::get<frmGraficoSomme>();
    EXPECT_NEAR(vbLeft(g), 1500, 8);
    EXPECT_NEAR(vbTop(g), 1200, 8);
    g->vbShow();
    vbSetLeft(g, 2000);
    g->showMinimized();
    vbUnload(g);
    // Closed while minimised: the place stays as stored.
    EXPECT_EQ(AmbienteServizi::ini("Forms", "GraficoSommeDistanzeLeft"), "1500");
}

TEST(frmGraficoSomme, PrintsAtThePageWidthAndKeepsItsOwn)
{
    AmbienteServizi a(archivio());
    auto* g = Forms::get<frmGraficoSomme>();
    g->vbShow();
    g->Carica(dati());
    const double larghezza = vbWidth(g);
    EXPECT_NEAR(pxToTwips(g->MSChart1->width()), larghezza - 175, 15);
    // The widths the window and the chart take while the window prints.
    LarghezzeStampa larghezze(g);
    QTest::mouseClick(g->cmdStampa, Qt::LeftButton);
    // A4 less 5 mm margins: 200 mm of 1440 twips to the inch.
    ASSERT_FALSE(larghezze.finestra.empty() || larghezze.grafico.empty());
    EXPECT_NEAR(larghezze.finestra.front(), 200 / 25.4 * 1440, 15);
    EXPECT_NEAR(larghezze.grafico.front(), 200 / 25.4 * 1440 - 175, 15);
    ASSERT_EQ(a.fake.printedDocuments().size(), 1u);
    EXPECT_TRUE(a.fake.printedDocuments()[0].defaultPrinter);
    EXPECT_EQ(a.fake.printedDocuments()[0].lines,
              (QStringList{"<<finestra frmGraficoSomme>>", PdfLinePrinter::kEndDoc}));
    EXPECT_NEAR(vbWidth(g), larghezza, 15);
    EXPECT_NEAR(pxToTwips(g->MSChart1->width()), larghezza - 175, 15);

    a.fake.setPrinterInstalled(false);
    a.fake.expectMsgBox("Nessuna stampante installata.", vbOK);
    QTest::mouseClick(g->cmdStampa, Qt::LeftButton);
}
