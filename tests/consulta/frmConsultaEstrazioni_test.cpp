#include "compat/vbdate.h"
#include "compat/ui/Colors.h"
#include "compat/ui/Controls.h"
#include "compat/ui/Twips.h"
#include "consulta/IndiceUscite.h"
#include "consulta/frmAnalisi.h"
#include "consulta/frmConsultaEstrazioni.h"
#include "consulta/frmShadow.h"
#include "core/ArchivioMemoria.h"
#include "shell/frmMain.h"
#include "support/ui/AmbienteServizi.h"
#include "support/ui/TabelloneProva.h"
#include "support/ui/PdfText.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QFocusEvent>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace compat;

namespace {

// 200 draws every third day from 03/01/2004: the Nazionale starts at draw 163.
std::vector<RecEstrazione> archivio()
{
    return estrazioniCasuali(QDate(2004, 1, 3), 200, 3, 21);
}

struct Tabellone {
    AmbienteServizi a;
    std::vector<RecEstrazione> e;
    frmConsultaEstrazioni* f;
    explicit Tabellone(std::vector<RecEstrazione> estrazioni = archivio())
        : a(estrazioni), e(std::move(estrazioni))
    {
        CaricaNomiRuote();
        f = Forms::create<frmConsultaEstrazioni>();
        f->vbShow();
    }
    void clic(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
    qint32 corrente() const { return f->Stato.EstrazioneCorrente; }
    // The cells show wheel by wheel the numbers of draw `n`.
    void mostra(qint32 n) const
    {
        for (int w = 1; w <= 11; ++w)
            for (int p = 1; p <= 5; ++p)
                ASSERT_EQ(f->txtEstratto[(w - 1) * 5 + p]->text(),
                          QString::number(e[size_t(n - 1)].numero(w, p)))
                    << "draw " << n << " wheel " << w;
    }
};

// Where `w` lies on the board.
QRect riquadro(const QWidget* w, const QWidget* f)
{
    return QRect(w->mapTo(f, QPoint(0, 0)), w->size());
}

// The text of a label or button fits the room its control leaves for it.
bool mostraIntero(const QWidget* w)
{
    auto opzione = [](const QAbstractButton* b) {
        QStyleOptionButton o;
        o.initFrom(b);
        o.text = b->text();
        return o;
    };
    auto entra = [w](QString testo, int spazio) {
        return testo.isEmpty() || w->fontMetrics().horizontalAdvance(testo.remove(u'&')) <= spazio;
    };
    if (auto* l = qobject_cast<const QLabel*>(w))
        return entra(l->text(), l->contentsRect().width());
    QStyle::SubElement parte;
    if (qobject_cast<const QPushButton*>(w))
        parte = QStyle::SE_PushButtonContents;
    else if (qobject_cast<const QCheckBox*>(w))
        parte = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton*>(w))
        parte = QStyle::SE_RadioButtonContents;
    else
        return true;
    auto* b = static_cast<const QAbstractButton*>(w);
    const QStyleOptionButton o = opzione(b);
    return entra(b->text(), b->style()->subElementRect(parte, &o, b).width());
}

TEST(frmConsultaEstrazioni, OpensOnTheLastDrawWithItsHeader)
{
    Tabellone t;
    frmConsultaEstrazioni* f = t.f;
    EXPECT_EQ(f->windowTitle(), "Quorvane - Consulta estrazioni");
    EXPECT_EQ(t.corrente(), 200);
    t.mostra(200);
    EXPECT_EQ(f->lblTotaleEstrazioni->text(), " 200");
    EXPECT_EQ(f->Slider1->maximum(), 200);
    EXPECT_EQ(f->Slider1->value(), 200);
    const QDate d = QDate(2004, 1, 3).addDays(199 * 3);
    EXPECT_EQ(f->DTPicker1->date(), d);
    EXPECT_EQ(f->DTPicker2->date(), d);
    EXPECT_EQ(f->lblAnnoEstrazione->text(), " / " + QString::number(d.year()));
    EXPECT_EQ(f->lblNumeroAnnoEstraz->text(), vbStr(t.e[199].ProgressivoAnno()));
    EXPECT_EQ(f->lblGiornoEstraz->text(), vbWeekdayName(vbWeekday(d)));
    EXPECT_EQ(f->Stato.Salto, 10);
    EXPECT_EQ(f->cboSalto->currentText(), "10");
    EXPECT_EQ(vbBackColor(f->txtEstratto[1]), kSfondoCella);
    EXPECT_EQ(vbForeColor(f->txtEstratto[1]), kTestoCella);
    EXPECT_EQ(f->lblVisualizzazione->text(), "Numeri estratti");
    EXPECT_FALSE(f->lblSorMedia->isVisible());
    EXPECT_TRUE(f->mnuVisualizzaRiepilogo->isChecked());
    for (QPushButton* b : f->cmdNumero)
        EXPECT_FALSE(b->isEnabled());
    EXPECT_EQ(f->cmdReset->toolTip(), "Annulla la selezione impostata");
}

TEST(frmConsultaEstrazioni, MainWindowOpensANewBoardAtEveryPressCascading)
{
    Tabellone t;
    setScreenOverride(QRect(0, 0, 1920, 1080)); // the boards fit it where they are put
    AmbienteServizi::imposta("Forms", "ConsultaLeft", "2000");
    AmbienteServizi::imposta("Forms", "ConsultaTop", "1500");
    auto* m = Forms::get<frmMain>();
    m->mnuEstrazioniConsulta->trigger();
    m->mnuEstrazioniConsulta->trigger();
    std::vector<frmConsultaEstrazioni*> tabelloni;
    for (Form* x : Forms::all())
        if (auto* b = dynamic_cast<frmConsultaEstrazioni*>(x))
            tabelloni.push_back(b);
    ASSERT_EQ(tabelloni.size(), 3u);
    // One board was open before: the new ones move 500 and 1000 twips away
    // (to the nearest pixel).
    EXPECT_NEAR(vbLeft(tabelloni[1]), 2500, 8);
    EXPECT_NEAR(vbTop(tabelloni[1]), 2000, 8);
    EXPECT_NEAR(vbLeft(tabelloni[2]), 3000, 8);
    EXPECT_NEAR(vbTop(tabelloni[2]), 2500, 8);
    EXPECT_TRUE(tabelloni[2]->isVisible());
    EXPECT_EQ(tabelloni[2]->Stato.EstrazioneCorrente, 200);
}

TEST(frmConsultaEstrazioni, StepButtonsStayWithinTheArchive)
{
    Tabellone t;
    frmConsultaEstrazioni* f = t.f;
    t.clic(f->cmdSuccessiva);   // at the last draw: nothing
    EXPECT_EQ(t.corrente(), 200);
    t.clic(f->cmdPrecedente);
    EXPECT_EQ(t.corrente(), 199);
    t.mostra(199);
    EXPECT_EQ(f->Slider1->value(), 199);
    t.clic(f->cmdSuccessiva);
    EXPECT_EQ(t.corrente(), 200);

    t.clic(f->cmdFastPrec);
    EXPECT_EQ(t.corrente(), 190);
    f->cboSalto->setCurrentIndex(9);   // 100
    EXPECT_EQ(f->Stato.Salto, 100);
    EXPECT_EQ(f->Slider1->pageStep(), 100);
    vbSetDate(f->DTPicker1, t.e[49].data().value());
    t.clic(f->cmdConferma);
    EXPECT_EQ(t.corrente(), 50);
    t.clic(f->cmdFastPrec);
    EXPECT_EQ(t.corrente(), 1);
    t.mostra(1);
    t.clic(f->cmdPrecedente);   // at draw 1: draw 1 again
    EXPECT_EQ(t.corrente(), 1);
    f->cboSalto->setCurrentIndex(0);
    vbSetDate(f->DTPicker1, t.e[194].data().value());
    t.clic(f->cmdConferma);
    t.clic(f->cmdFastSucc);
    EXPECT_EQ(t.corrente(), 200);
}

TEST(frmConsultaEstrazioni, CompactButtonsShowWithTheNarrowWidth)
{
    Tabellone t;
    frmConsultaEstrazioni* f = t.f;
    EXPECT_FALSE(f->fraComandiSmall->isVisible());
    t.clic(f->cmdResize);
    EXPECT_TRUE(f->FormaRidotta());
    EXPECT_EQ(vbWidth(f), 4170);
    EXPECT_TRUE(f->fraComandiSmall->isVisible());
    t.clic(f->cmdPrec);
    t.clic(f->cmdPrec);
    EXPECT_EQ(t.corrente(), 198);
    t.clic(f->cmdPrecPlus);
    EXPECT_EQ(t.corrente(), 188);
    t.clic(f->cmdsucc);
    EXPECT_EQ(t.corrente(), 189);
    t.clic(f->cmdSuccPlus);
    EXPECT_EQ(t.corrente(), 199);
    t.clic(f->cmdSuccPlus);
    EXPECT_EQ(t.corrente(), 200);
    // The compact date picker is its own source.
    vbSetDate(f->DTPicker2, t.e[9].data().value());
    t.clic(f->cmdConfermaSmall);
    EXPECT_EQ(t.corrente(), 10);
    t.clic(f->cmdResize);
    EXPECT_EQ(vbWidth(f), 15585);
    EXPECT_FALSE(f->fraComandiSmall->isVisible());
}

TEST(frmConsultaEstrazioni, CompactNavigationLeavesTheGridCaptionsInSight)
{
    Tabellone t;
    frmConsultaEstrazioni* f = t.f;
    t.clic(f->cmdRuota[4]);
    t.clic(f->cmdResize);
    const QRect barra = riquadro(f->fraComandiSmall, f);
    for (QLabel* l : {f->Label1, f->lblVisualizzazione}) {
        const QRect r = riquadro(l, f);
        EXPECT_TRUE(l->isVisible());
        EXPECT_FALSE(r.intersects(barra)) << l->objectName().toStdString();
        EXPECT_FALSE(r.intersects(riquadro(f->cmdResize, f))) << l->objectName().toStdString();
        for (int i = 1; i <= 55; ++i)
            EXPECT_FALSE(r.intersects(riquadro(f->txtEstratto[i], f))) << i;
        EXPECT_TRUE(f->Frame1->contentsRect().contains(QRect(l->pos(), l->size())));
        EXPECT_TRUE(mostraIntero(l));
    }
    EXPECT_EQ(f->Label1->text(), "Genova");
    EXPECT_EQ(f->lblVisualizzazione->text(), "Numeri estratti");
    // Wide again: the captions are back above the cells.
    t.clic(f->cmdResize);
    EXPECT_LT(f->lblVisualizzazione->y(), f->txtEstratto[1]->y());
}

TEST(frmConsultaEstrazioni, EveryCaptionShowsWholeAtTheFont)
{
    Tabellone t;
    frmConsultaEstrazioni* f = t.f;
    setScreenOverride(QRect(0, 0, 1920, 1080)); // the widths asked for, not cut to a screen
    f->vbShow();
    auto controlla = [f](const char* stato) {
        for (QWidget* w : f->findChildren<QWidget*>()) {
            if (w->isVisibleTo(f)) {
                EXPECT_TRUE(mostraIntero(w)) << stato << " " << w->objectName().toStdString();
            }
        }
    };
    controlla("all wheels");
    t.clic(f->optTipoVis[2]);
    EXPECT_EQ(vbWidth(f), 15585);   // the designed width suffices at this font
    controlla("frequencies");
    t.clic(f->cmdRuota[11]);
    controlla("one wheel");
    t.clic(f->cmdResize);
    controlla("compact");

    // At a larger font the period column grows, and the full width with it.
    auto* g = TabelloneAFontGrande();
    for (QWidget* w : g->fraTipi->findChildren<QWidget*>())
        EXPECT_TRUE(mostraIntero(w)) << w->objectName().toStdString();
    EXPECT_GT(vbWidth(g), 15585);
}

TEST(frmConsultaEstrazioni, SliderMovesTheBoardAndFollowsDrawsStoredMeanwhile)
{
    Tabellone t;
    frmConsultaEstrazioni* f = t.f;
    f->Slider1->setFocus();
    QTest::keyClick(f->Slider1, Qt::Key_Left);
    EXPECT_EQ(t.corrente(), 199);
    t.mostra(199);
    QTest::keyClick(f->Slider1, Qt::Key_Home);
    EXPECT_EQ(t.corrente(), 1);
    EXPECT_EQ(f->lblTotaleEstrazioni->text(), " 1");

    // A draw stored while the board is open is reached and the slider's
    // range grows with it.
    auto altra = estrazioniCasuali(QDate(2004, 1, 3), 201, 3, 21);
    t.a.cartella.scrivi(altra);
    Archivio().riapriEstrazioni();
    AggiornaNumeroEstrazioni();
    t.e = altra;
    QTest::keyClick(f->Slider1, Qt::Key_End);
    EXPECT_EQ(t.corrente(), 200);
    t.clic(f->cmdSuccessiva);
    EXPECT_EQ(t.corrente(), 201);
    t.mostra(201);
    EXPECT_EQ(f->Slider1->maximum(), 201);
    EXPECT_EQ(f->Slider1->value(), 201);
}

TEST(frmConsultaEstrazioni, GoToADateWithoutADrawShowsTheNextOneAndARefusedDateChangesNothing)
{
    Tabellone t;
    frmConsultaEstrazioni* f = t.f;
    vbSetDate(f->DTPicker1, QDate(2004, 1, 4));
    t.clic(f->cmdConferma);
    EXPECT_EQ(t.corrente(), 2);
    EXPECT_EQ(f->DTPicker1->date(), QDate(2004, 1, 6));
    EXPECT_EQ(f->DTPicker2->date(), QDate(2004, 1, 6));

    vbSetDate(f->DTPicker1, QDate(2003, 12, 1));
    t.a.fake.expectMsgBox(QStringLiteral("La data non può essere inferiore alla data inizio gestione "
                                         "archivi (03/01/2004)"),
                          vbOK);
    t.clic(f->cmdConferma);
    EXPECT_EQ(t.corrente(), 2);
}

TEST(frmConsultaEstrazioni, OneWheelLayoutShowsTenDrawsAndComesBack)
{
    Tabellone t;
    frmConsultaEstrazioni* f = t.f;
    vbSetDate(f->DTPicker1, t.e[3].data().value());
    t.clic(f->cmdConferma);
    ASSERT_EQ(t.corrente(), 4);
    t.clic(f->cmdRuota[3]);
    EXPECT_EQ(f->Label1->text(), "Firenze");
    EXPECT_EQ(f->lblNazionale->text(), "");
    EXPECT_FALSE(f->cmdUsciti->isEnabled());
    EXPECT_FALSE(f->txtRitardo->isEnabled());
    // Below draw 10: draws 1 to 10, header of draw 10, slider on draw 4.
    for (int r = 0; r <= 9; ++r) {
        EXPECT_TRUE(f->lblData[r]->isVisible());
        EXPECT_EQ(f->lblData[r]->text(), t.e[size_t(r)].dataTesto());
        EXPECT_EQ(f->txtEstratto[r * 5 + 1]->text(), QString::number(t.e[size_t(r)].numero(3, 1)));
    }
    EXPECT_EQ(f->txtEstratto[51]->text(), "");
    // The row dates stand where the wheel pictures were, and only they show.
    for (int r = 0; r <= 9; ++r) {
        EXPECT_FALSE(f->imgRuota[r]->isVisible());
        EXPECT_TRUE(mostraIntero(f->lblData[r])) << r;
        for (int p = 1; p <= 5; ++p)
            EXPECT_FALSE(riquadro(f->lblData[r], f).intersects(riquadro(f->txtEstratto[r * 5 + p], f)));
    }
    EXPECT_EQ(f->lblNumeroAnnoEstraz->text(), " 10");
    EXPECT_EQ(f->lblTotaleEstrazioni->text(), " 4");
    EXPECT_EQ(f->Slider1->value(), 4);

    t.clic(f->cmdSuccessiva);
    EXPECT_EQ(f->lblData[0]->text(), t.e[0].dataTesto());
    t.clic(f->cmdRuota[0]);
    EXPECT_EQ(f->Label1->text(), "Tutte le ruote");
    EXPECT_EQ(f->lblNazionale->text(), "Nazionale");
    EXPECT_FALSE(f->lblData[0]->isVisible());
    EXPECT_TRUE(f->imgRuota[0]->isVisible());
    EXPECT_TRUE(f->cmdUsciti->isEnabled());
    t.mostra(5);
}

TEST(frmConsultaEstrazioni, AllWheelsLayoutOffersTheDrawAnalysesOnlyOnDrawnNumbers)
{
    Tabellone t;
    frmConsultaEstrazioni* f = t.f;
    const std::vector<QWidget*> analisi = {f->cmdUsciti, f->cmdNonUsciti, f->cmdUscitiScorsa,
                                           f->cmdNonUscitiScorsa, f->cmd1x2, f->cmdPariDispari,
                                           f->cmdRitardi, f->txtRitardo};
    for (int modo : {1, 2}) {
        t.clic(f->optTipoVis[modo]);
        t.clic(f->cmdRuota[0]);
        for (QWidget* w : analisi)
            EXPECT_FALSE(w->isEnabled()) << "mode " << modo << " " << w->objectName().toStdString();
        t.clic(f->cmdRuota[5]);
        t.clic(f->cmdRuota[0]);
        for (QWidget* w : analisi)
            EXPECT_FALSE(w->isEnabled()) << "mode " << modo << " " << w->objectName().toStdString();
    }
    t.clic(f->optTipoVis[0]);
    for (QWidget* w : analisi)
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    t.clic(f->cmdRuota[5]);
    t.clic(f->cmdRuota[0]);
    for (QWidget* w : analisi)
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
}

TEST(frmConsultaEstrazioni, DisplayModesShowDelaysAndFrequencies)
{
    Tabellone t;
    frmConsultaEstrazioni* f = t.f;
    const auto v = vistaArchivio(Archivio());
    const IndiceUscite ind(*v);
    t.clic(f->optTipoVis[1]);
    EXPECT_EQ(f->lblVisualizzazione->text(), "Ritardi alla sortita");
    EXPECT_TRUE(f->Label7[1]->font().bold());
    EXPECT_FALSE(f->Label7[0]->font().bold());
    EXPECT_FALSE(f->cmdDecine->isEnabled());
    EXPECT_FALSE(f->mnuMostraNumeri->isEnabled());
    EXPECT_FALSE(f->optPeriodo[0]->isEnabled());
    for (int w = 1; w <= 11; ++w)
        for (int p = 1; p <= 5; ++p)
            EXPECT_EQ(f->Celle().at(w - 1, p).valore, RitardiAllaEstrazione(*v, w, 200)[t.e[199].numero(w, p)]);
    bool rosso = false, blu = false;
    for (int i = 1; i <= 55; ++i) {
        EXPECT_EQ(f->txtEstratto[i]->text(), f->Celle()[i].testo);
        rosso = rosso || vbBackColor(f->txtEstratto[i]) == kSfondoMassimo;
        blu = blu || vbBackColor(f->txtEstratto[i]) == kSfondoMinimo;
    }
    EXPECT_TRUE(rosso);
    EXPECT_TRUE(blu);

    t.clic(f->optTipoVis[2]);
    EXPECT_EQ(f->lblVisualizzazione->text(), "Frequenze nel periodo");
    EXPECT_TRUE(f->lblSorMedia->isVisible());
    EXPECT_EQ(f->lblSorMedia->text(), "Sortita media: 5,0");
    EXPECT_EQ(f->Stato.InizioPeriodo, 111);
    EXPECT_EQ(f->Celle()[1].valore, ind.frequenza(1, t.e[199].numero(1, 1), 111, 200));
    // Five cycles are 90 draws as well; leaving the current draw out moves the period.
    t.clic(f->optPeriodo[3]);
    EXPECT_EQ(f->Stato.InizioPeriodo, 111);
    t.clic(f->chkConsideraAttuale);
    EXPECT_EQ(f->Stato.FinePeriodo, 199);
    // An empty count recounts nothing.
    f->txtCicli->clear();
    f->txtCicli->setFocus();
    QTest::keyClicks(f->txtCicli, "x3");
    EXPECT_EQ(f->txtCicli->text(), "3");
    EXPECT_EQ(f->Stato.InizioPeriodo, 199 - 54 + 1);

    t.clic(f->optTipoVis[0]);
    t.mostra(200);
    EXPECT_TRUE(f->cmdDecine->isEnabled());
    EXPECT_TRUE(f->mnuMostraNumeri->isEnabled());
}

TEST(frmConsultaEstrazioni, RefusedPeriodLeavesTheDrawnNumbersWithoutAnAverage)
{
    Tabellone t;
    frmConsultaEstrazioni* f = t.f;
    t.clic(f->optTipoVis[2]);
    EXPECT_EQ(f->lblSorMedia->text(), "Sortita media: 5,0");
    // The last 90 draws would start before draw 1 at draw 50.
    vbSetDate(f->DTPicker1, t.e[49].data().value());
    t.clic(f->cmdConferma);
    ASSERT_EQ(t.corrente(), 50);
    t.mostra(50);
    EXPECT_EQ(f->lblSorMedia->text(), "Sortita media: ");
    for (int i = 0; i < 4; ++i)   // to draw 90: the period fits again
        t.clic(f->cmdFastSucc);
    EXPECT_EQ(f->lblSorMedia->text(), "Sortita media: 5,0");
}

TEST(frmConsultaEstrazioni, RedrawShowsTheHourglassWhileItRuns)
{
    Tabellone t;
    frmConsultaEstrazioni* f = t.f;
    // The slider is moved by the redraw itself, half way through it.
    std::vector<bool> attesa;
    QObject::connect(f->Slider1, &QSlider::valueChanged, f, [&] {
        const QCursor* c = QGuiApplication::overrideCursor();
        attesa.push_back(c && c->shape() == Qt::WaitCursor);
    });
    t.clic(f->cmdPrecedente);
    t.clic(f->optTipoVis[2]);
    t.clic(f->cmdPrecedente);
    t.clic(f->optTipoVis[1]);
    t.clic(f->cmdPrecedente);
    EXPECT_EQ(attesa, std::vector<bool>(3, true));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(frmConsultaEstrazioni, ModeSwitchClearsTheFindSearchesBeforeItsRedraw)
{
    Tabellone t;
    frmConsultaEstrazioni* f = t.f;
    f->Stato.TrovaNumeri = true;
    f->Stato.NumeriCercati.fill(true);
    f->Stato.TrovaSomme = true;
    f->Stato.SommeCercate[0] = 3;
    t.clic(f->optTipoVis[1]);
    EXPECT_FALSE(f->Stato.TrovaNumeri);
    EXPECT_FALSE(f->Stato.TrovaSomme);
    EXPECT_FALSE(f->Stato.TrovaDistanze);
    for (int i = 1; i <= 55; ++i)
        EXPECT_NE(vbBackColor(f->txtEstratto[i]), ColoriTrova(0)[0]);
}

TEST(frmConsultaEstrazioni, RowSumsBesideTheClickedRow)
{
    Tabellone t;
    frmConsultaEstrazioni* f = t.f;
    t.clic(f->imgRuota[0]);
    EXPECT_TRUE(f->fraSomma->isVisible());
    EXPECT_NEAR(vbTop(f->fraSomma), 445, 8);
    int somma = 0;
    for (int p = 1; p <= 5; ++p) {
        somma += t.e[199].numero(1, p);
        if (somma > 90)
            somma -= 90;
    }
    EXPECT_EQ(f->lblSomma->text(), QString::number(somma));
    t.clic(f->lblNazionale);
    EXPECT_NEAR(vbTop(f->fraSomma), 4600, 8);
    t.clic(f->cmdCancella);
    EXPECT_FALSE(f->fraSomma->isVisible());
    // Before the Nazionale existed its row sums to 0.
    t.clic(f->cmdFastPrec);
    t.clic(f->cmdFastPrec);
    t.clic(f->cmdFastPrec);
    t.clic(f->cmdFastPrec);
    t.clic(f->lblNazionale);
    EXPECT_EQ(f->lblSomma->text(), "0");
}

TEST(frmConsultaEstrazioni, OrderedDisplaySortsEachRow)
{
    Tabellone t;
    frmConsultaEstrazioni* f = t.f;
    t.clic(f->chkOrdin);
    std::array<int, 5> n;
    for (int p = 1; p <= 5; ++p)
        n[p - 1] = t.e[199].numero(2, p);
    std::sort(n.begin(), n.end());
    for (int p = 1; p <= 5; ++p)
        EXPECT_EQ(f->txtEstratto[5 + p]->text(), QString::number(n[p - 1]));
}

TEST(frmConsultaEstrazioni, AFailedRedrawLeavesAWorkingBoard)
{
    Tabellone t;
    frmConsultaEstrazioni* f = t.f;
    Archivio().chiudi();
    invalidaVistaArchivio();
    t.a.fake.expectMsgBox(QStringLiteral("Errore 63 : Numero di record non valido in riga 2 - "
                                         "Procedura ConsultaEstrazioni_Visualizza"),
                          vbOK);
    t.clic(f->cmdPrecedente);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    Archivio().apri(PercorsoApp);
    t.clic(f->cmdPrecedente);
    t.mostra(198);
}

TEST(frmConsultaEstrazioni, PositionAndSummaryOptionAreKept)
{
    Tabellone t;
    setScreenOverride(QRect(0, 0, 1920, 1080)); // the board fits it where it is put
    AmbienteServizi::imposta("Options", "Riepilogo", "False");
    auto* g = Forms::create<frmConsultaEstrazioni>();
    EXPECT_FALSE(g->Stato.Riepilogo);
    EXPECT_FALSE(g->mnuVisualizzaRiepilogo->isChecked());
    g->mnuVisualizzaRiepilogo->trigger();
    EXPECT_TRUE(g->Stato.Riepilogo);
    vbSetLeft(g, 3000);
    vbSetTop(g, 1200);
    t.clic(g->cmdEsci);
    EXPECT_EQ(AmbienteServizi::ini("Forms", "ConsultaLeft"), "3000");
    EXPECT_EQ(AmbienteServizi::ini("Forms", "ConsultaTop"), "1200");
    EXPECT_EQ(AmbienteServizi::ini("Options", "Riepilogo"), "True");
}

} // namespace

namespace {

frmAnalisi* riepilogo()
{
    return Forms::find<frmAnalisi>();
}

TEST(frmConsultaEstrazioni, AnalysisButtonsMarkTheBoardAndFollowTheNavigation)
{
    Tabellone t;
    frmConsultaEstrazioni* f = t.f;
    t.clic(f->cmdDecine);
    EXPECT_EQ(f->lblDescrFamiglia->text(), "Decina");
    EXPECT_TRUE(f->cmdNumero[8]->isEnabled());
    EXPECT_FALSE(f->cmdNumero[9]->isEnabled());
    EXPECT_EQ(vbBackColor(f->lblNFamiglia), 0xC0E0FFu);
    for (int i = 1; i <= 55; ++i)
        EXPECT_EQ(vbBackColor(f->txtEstratto[i]), kSfondoCella);
    t.clic(f->cmdNumero[3]);
    EXPECT_EQ(f->lblNFamiglia->text(), " 3");
    auto decina4 = [&] {
        for (int i = 1; i <= 55; ++i) {
            const int v = f->Celle()[i].valore;
            EXPECT_EQ(vbBackColor(f->txtEstratto[i]) == 0x0000FF, v >= 31 && v <= 40) << i;
        }
    };
    decina4();
    t.clic(f->cmdPrecedente);
    decina4();

    t.clic(f->cmd1x2);
    EXPECT_FALSE(f->cmdNumero[3]->isEnabled());
    EXPECT_EQ(f->lblNFamiglia->text(), "");
    ASSERT_NE(riepilogo(), nullptr);
    EXPECT_TRUE(riepilogo()->isVisible());
    EXPECT_EQ(riepilogo()->windowTitle(), "Estrazione del " + vbDateText(f->DTPicker1->date()));
    EXPECT_EQ(riepilogo()->lstAnalisi->count(), 3);
    EXPECT_TRUE(QStringList({"1", "X", "2"}).contains(f->txtEstratto[1]->text()));

    t.clic(f->cmdReset);
    EXPECT_EQ(riepilogo(), nullptr);
    EXPECT_EQ(f->lblDescrFamiglia->text(), "Nessuna selezione");
    t.mostra(199);
}

TEST(frmConsultaEstrazioni, SummaryOptionOffFillsTheWindowWithoutShowingIt)
{
    Tabellone t;
    frmConsultaEstrazioni* f = t.f;
    f->mnuVisualizzaRiepilogo->trigger();
    EXPECT_FALSE(f->Stato.Riepilogo);
    t.clic(f->cmdUsciti);
    ASSERT_NE(riepilogo(), nullptr);
    EXPECT_FALSE(riepilogo()->isVisible());
    EXPECT_GT(riepilogo()->lstAnalisi->count(), 9);
    f->mnuVisualizzaRiepilogo->trigger();
    ASSERT_NE(riepilogo(), nullptr);
    EXPECT_TRUE(riepilogo()->isVisible());
    // The one-wheel layout closes it (the analysis, kept, only sets the
    // caption of a hidden one).
    t.clic(f->cmdRuota[1]);
    ASSERT_NE(riepilogo(), nullptr);
    EXPECT_FALSE(riepilogo()->isVisible());
    EXPECT_EQ(riepilogo()->lstAnalisi->count(), 0);
    EXPECT_EQ(f->Stato.TipoAnalisi, 12);
    EXPECT_FALSE(f->cmdUsciti->isEnabled());
}

// Leaving a box as the focus moves away.
void esci(QWidget* w)
{
    QFocusEvent e(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(w, &e);
}

TEST(frmConsultaEstrazioni, ValueBoxesTakeDigitsAndCheckTheirRange)
{
    Tabellone t;
    frmConsultaEstrazioni* f = t.f;
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    t.clic(f->txtDistanza);
    f->txtDistanza->clear();
    QTest::keyClicks(f->txtDistanza, "9a0");
    EXPECT_EQ(f->txtDistanza->text(), "90");
    // Tab onto the option box that, clicked, would press the button: the box's own check.
    t.a.fake.expectMsgBox(QStringLiteral("inserisci un numero tra 1 e 89 !"), vbOK);
    QTest::keyClick(f->txtDistanza, Qt::Key_Tab);
    ASSERT_FALSE(t.a.fake.msgBoxCalls().empty());
    EXPECT_EQ(t.a.fake.msgBoxCalls().back().style, vbExclamation);
    QCoreApplication::processEvents();   // the refused value stays selected
    EXPECT_EQ(QApplication::focusWidget(), f->txtDistanza);
    EXPECT_EQ(f->txtDistanza->selectedText(), "90");
    vbSetText(f->txtDistanza, QStringLiteral("45"));   // the focus can leave now

    t.clic(f->txtSomma);
    f->txtSomma->clear();
    QTest::keyClicks(f->txtSomma, "99999999999");
    t.a.fake.expectMsgBox(QStringLiteral("inserisci un numero tra 2 e 180 !"), vbOK);
    t.clic(f->txtDistanza);
    QCoreApplication::processEvents();
    vbSetText(f->txtSomma, QStringLiteral("180"));
    t.clic(f->txtDistanza);   // accepted: no message

    t.clic(f->cmdVertibili);
    f->txtRitardo->clear();
    QTest::keyClicks(f->txtRitardo, "50");
    esci(f->txtRitardo);
    EXPECT_EQ(f->lblDescrFamiglia->text(), "Ultimo ritardo => a 50");
    EXPECT_EQ(f->Stato.TipoAnalisi, 8);
}

// What typing keeps out of a value box, a paste keeps out too.
TEST(frmConsultaEstrazioni, ValueBoxesRefuseAPasteTypingWouldNotGive)
{
    Tabellone t;
    frmConsultaEstrazioni* f = t.f;
    for (QLineEdit* box : {f->txtSomma, f->txtDistanza, f->txtRitardo, f->txtNumeroEstrazioni,
                           f->txtCicli}) {
        const QString prima = box->text();
        for (const char* incollato : {"12abc", "-7", "1 2"}) {
            QGuiApplication::clipboard()->setText(QString::fromLatin1(incollato));
            box->selectAll();
            box->paste();
            EXPECT_EQ(box->text(), prima) << box->objectName().toStdString() << " " << incollato;
        }
        QGuiApplication::clipboard()->setText(QStringLiteral(" 77\r\n"));
        box->selectAll();
        box->paste();
        EXPECT_EQ(box->text(), "77") << box->objectName().toStdString();
    }
}

} // namespace

namespace {

TEST(frmConsultaEstrazioni, PrintsTheBoardAsShownAndReportsAMissingPrinter)
{
    Tabellone t;
    frmConsultaEstrazioni* f = t.f;
    t.clic(f->optTipoVis[2]);
    t.clic(f->cmdStampa);
    ASSERT_EQ(t.a.fake.printedDocuments().size(), 1u);
    // No dialog: the default printer, not a file an earlier print dialog chose.
    EXPECT_TRUE(t.a.fake.printedDocuments()[0].defaultPrinter);
    EXPECT_TRUE(t.a.fake.printedDocuments()[0].lines.join(u'\n').contains("frmShadow"));
    EXPECT_EQ(Forms::find<frmShadow>(), nullptr);
    // Text read back from the page was drawn as text, not as a screen image.
    auto senzaSpazi = [](QString s) { return s.remove(u' ').remove(u'\n'); };
    const QString pagina =
        senzaSpazi(testsupport::pdfLines(t.a.fake.printedDocuments()[0].pdf).join(QString()));
    EXPECT_TRUE(pagina.contains(senzaSpazi(QStringLiteral("Estrazione n. ")
                                           + f->lblNumeroAnnoEstraz->text())))
        << pagina.toStdString();
    EXPECT_TRUE(pagina.contains(senzaSpazi(f->lblDescrFamiglia->text()))) << pagina.toStdString();

    t.a.fake.setPrinterInstalled(false);
    t.a.fake.expectMsgBox(QStringLiteral("Nessuna stampante installata."), vbOK);
    t.clic(f->cmdStampa);
    EXPECT_EQ(Forms::find<frmShadow>(), nullptr);
}

} // namespace

namespace {

// On paper: no text over another, the Nazionale label level with its numbers.
TEST(frmConsultaEstrazioni, ThePrintedBoardKeepsItsRowsAndCaptionApart)
{
    Tabellone t;
    frmConsultaEstrazioni* f = t.f;
    t.clic(f->optTipoVis[1]);   // a number in every cell
    t.clic(f->cmdStampa);
    ASSERT_EQ(t.a.fake.printedDocuments().size(), 1u);
    const auto parole = testsupport::pdfWords(t.a.fake.printedDocuments()[0].pdf);
    QStringList riga;
    for (const auto& a : parole) {
        for (const auto& b : parole)
            EXPECT_FALSE(&a < &b && a.left < b.right && b.left < a.right && a.top < b.bottom &&
                         b.top < a.bottom)
                << a.text.toStdString() << " over " << b.text.toStdString();
        if (a.text != u"Nazionale")
            continue;
        const double centro = (a.top + a.bottom) / 2;
        for (const auto& b : parole)
            if (b.left > a.right && b.top < centro && centro < b.bottom)
                riga << b.text;
    }
    QStringList attesa;
    for (int i = 51; i <= 55; ++i)
        attesa << f->txtEstratto[i]->text();
    EXPECT_EQ(riga.join(u' ').toStdString(), attesa.join(u' ').toStdString());
}

} // namespace
