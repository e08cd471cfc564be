#include "consulta/frmGraficoSomme.h"

#include "compat/vb.h"
#include "compat/ui/Colors.h"
#include "compat/ui/LinePrinter.h"
#include "compat/ui/Platform.h"
#include "compat/ui/ReportOutput.h"
#include "compat/ui/Twips.h"
#include "core/TabellaImpostazioni.h"
#include "shell/modAspetto.h"
#include "shell/modControlli.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QValueAxis>
#include <cmath>

using namespace compat;

namespace {

constexpr quint32 kColoreSomme = 0x0000FF;
constexpr quint32 kColoreDistanze = 0x00FF00;
// The chart is this much narrower than the window.
constexpr double kMargineGrafico = 175;

// The cells' texts as values of the chart: "-" and an empty cell stand at 0.
QList<double> valori(const QStringList& testi)
{
    QList<double> v;
    for (const QString& t : testi)
        v << vbVal(t);
    return v;
}

} // namespace

frmGraficoSomme::frmGraficoSomme()
{
    setObjectName(QStringLiteral("frmGraficoSomme"));
    setWindowTitle(QStringLiteral(" Grafico Somme e distanze"));
    lblDescrizione = CreaControllo<QLabel>(this, QStringLiteral("lblDescrizione"));
    vbMove(lblDescrizione, 2800, 120, 6000, 315);
    const char* legende[] = {"Somme", "Distanze"};
    for (int i = 0; i <= 1; ++i) {
        Label1[size_t(i)] = CreaControllo<QLabel>(this, NomeElemento("Label1", i));
        vbMove(Label1[size_t(i)], 120, 120 + 300.0 * i, 195, 195);
        vbSetBackColor(Label1[size_t(i)], i == 0 ? kColoreSomme : kColoreDistanze);
        Label2[size_t(i)] = CreaControllo<QLabel>(this, NomeElemento("Label2", i), QString::fromLatin1(legende[i]));
        vbMove(Label2[size_t(i)], 400, 90 + 300.0 * i, 1200, 255);
    }
    MSChart1 = new QChartView(this);
    MSChart1->setObjectName(QStringLiteral("MSChart1"));
    MSChart1->setRenderHint(QPainter::Antialiasing);
    vbMove(MSChart1, 60, 720, 9000 - kMargineGrafico, 5000);
    cmdTipoGrafico = CreaControllo<QPushButton>(this, QStringLiteral("cmdTipoGrafico"),
                                                QStringLiteral("Grafico a barre"));
    vbMove(cmdTipoGrafico, 5880, 5820, 1800, 405);
    cmdStampa = PulsanteImmagine(this, QStringLiteral("cmdStampa"), QStyle::SP_FileDialogDetailedView, {});
    vbMove(cmdStampa, 7800, 5820, 975, 405);
    resize(twipsToPx(9000), twipsToPx(6345));
    disegna();
    on(cmdTipoGrafico, &QPushButton::clicked, QStringLiteral("cmdTipoGrafico_Click"),
       [this] { cmdTipoGrafico_Click(); });
    on(cmdStampa, &QPushButton::clicked, QStringLiteral("cmdStampa_Click"), [this] { cmdStampa_Click(); });
}

void frmGraficoSomme::formLoad()
{
    Forms::current = this;
    ImpostaForm(this);
    // The legend's squares keep the colours of their series.
    vbSetBackColor(Label1[0], kColoreSomme);
    vbSetBackColor(Label1[1], kColoreDistanze);
    restoreFrameOrigin(this, vbVal(leggi(imp::GraficoSommeDistanzeLeft)),
                       vbVal(leggi(imp::GraficoSommeDistanzeTop)));
    cmdTipoGrafico->setToolTip(QStringLiteral("Grafico a barre/Grafico a linee"));
}

void frmGraficoSomme::formResize()
{
    MSChart1->resize(std::max(0, twipsToPx(vbWidth(this) - kMargineGrafico)), MSChart1->height());
}

void frmGraficoSomme::formUnload(bool&)
{
    if (isMinimized())
        return;
    const FrameTwips f = keptFrameOf(this);
    salva(imp::GraficoSommeDistanzeLeft, vbCStr(f.left));
    salva(imp::GraficoSommeDistanzeTop, vbCStr(f.top));
}

void frmGraficoSomme::Carica(const DatiGrafico& g)
{
    dati_ = g;
    lblDescrizione->setText(g.titolo);
    disegna();
}

void frmGraficoSomme::ImpostaTipoGrafico(int tipo)
{
    tipo_ = tipo;
    disegna();
}

void frmGraficoSomme::disegna()
{
    auto* chart = new QChart;
    chart->legend()->hide();
    auto* asseX = new QBarCategoryAxis;
    asseX->append(dati_.etichette);
    auto* asseY = new QValueAxis;
    asseY->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(asseX, Qt::AlignBottom);
    chart->addAxis(asseY, Qt::AlignLeft);
    const QList<double> colonne[] = {valori(dati_.somme), valori(dati_.distanze)};
    const quint32 colori[] = {kColoreSomme, kColoreDistanze};
    double massimo = 0;
    for (const QList<double>& c : colonne)
        for (double v : c)
            massimo = std::max(massimo, v);
    if (tipo_ == kBarre2D) {
        auto* serie = new QBarSeries;
        for (int c = 0; c <= 1; ++c) {
            auto* set = new QBarSet(Label2[size_t(c)]->text());
            set->setColor(vbColor(colori[c]));
            set->append(colonne[c]);
            serie->append(set);
        }
        chart->addSeries(serie);
        serie->attachAxis(asseX);
        serie->attachAxis(asseY);
    } else {
        for (int c = 0; c <= 1; ++c) {
            auto* serie = new QLineSeries;
            serie->setName(Label2[size_t(c)]->text());
            serie->setColor(vbColor(colori[c]));
            serie->setPointsVisible(true);
            for (int i = 0; i < colonne[c].size(); ++i)
                serie->append(i, colonne[c][i]);
            chart->addSeries(serie);
            serie->attachAxis(asseX);
            serie->attachAxis(asseY);
        }
    }
    asseY->setRange(0, std::max(10.0, massimo));
    asseY->applyNiceNumbers();
    QChart* vecchio = MSChart1->chart();
    MSChart1->setChart(chart);
    delete vecchio;
}

void frmGraficoSomme::cmdTipoGrafico_Click()
{
    if (tipo_ == kBarre2D) {
        ImpostaTipoGrafico(kLinee2D);
        cmdTipoGrafico->setText(QStringLiteral("Grafico a linee"));
    } else {
        cmdTipoGrafico->setText(QStringLiteral("Grafico a barre"));
        ImpostaTipoGrafico(kBarre2D);
    }
}

// The window at the page's width, printed as it shows, then as wide as before.
void frmGraficoSomme::cmdStampa_Click()
{
    const double larghezza = std::round(vbWidth(this));
    // No dialog: the default printer, never a file an earlier dialog chose.
    auto p = platform().printers().openDefault();
    const double pagina = p->pageWidth();
    if (pagina > 0)
        vbSetWidth(this, pagina);
    p->printWidget(this);
    vbSetWidth(this, larghezza);
    finishPrint(*p);
}
