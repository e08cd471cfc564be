#include "compat/vbdate.h"
#include "compat/ui/Controls.h"
#include "compat/ui/Twips.h"
#include "compat/ui/ReportListView.h"
#include "core/RecEstrazione.h"
#include "metodi/frmMultiRuota.h"
#include "metodi/frmQuorvane.h"
#include "metodi/frmReportQuorvane.h"
#include "shell/modArchivio.h"
#include "shell/modMetodoSpia.h"
#include "shell/modRestrizioni.h"
#include "support/ui/AmbienteServizi.h"
#include "support/ui/SchermoProva.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <gtest/gtest.h>

using namespace compat;

namespace {

// Weekly draws from Saturday 01/01/2000.
const QDate kPrima(2000, 1, 1);
std::vector<RecEstrazione> settimanali()
{
    return estrazioniCasuali(kPrima, 100, 7, 5);
}
QDate dataDi(int n)
{
    return kPrima.addDays(7 * (n - 1));
}

struct Finestra {
    AmbienteServizi a{settimanali()};
    frmQuorvane* f;
    Finestra()
    {
        LeggiRestrizioni();
        CaricaNomiRuote();
        f = Forms::get<frmQuorvane>();
    }
    void avanti() { QTest::mouseClick(f->cmdSuccessiva, Qt::LeftButton); }
    // "1' su BA + 23" as the current method.
    void metodo()
    {
        vbSetText(f->txtCapoGioco, " 1' su BA + 23");
        f->txtCapoGioco->setProperty("Tag", QStringLiteral("101+0002300711111"));
    }
    static int capogioco(int n)
    {
        const int bari = Archivio().leggi(n).numero(1, 1);
        return bari + 23 > 90 ? bari + 23 - 90 : bari + 23;
    }
};

} // namespace

TEST(frmQuorvaneMulti, TheForwardStepMovesOneDrawAndRecomputesTheCapogioco)
{
    Finestra w;
    frmQuorvane* f = w.f;
    f->vbShow();

    // No current method: the date moves, the capogioco stays empty.
    vbSetText(f->txtDataFine, vbDateText(dataDi(97)));
    w.avanti();
    EXPECT_EQ(f->txtDataFine->text(), vbDateText(dataDi(98)));
    EXPECT_EQ(f->lblCapo->text(), "");

    w.metodo();
    f->lstAlgoritmiAbbinati->addItem("abbinato");
    f->lstNumeriAbbinati->addItem("numero");
    w.avanti();
    EXPECT_EQ(f->txtDataFine->text(), vbDateText(dataDi(99)));
    EXPECT_EQ(f->lblCapo->text(), QString::number(Finestra::capogioco(99)));
    EXPECT_EQ(f->lstNumeriAbbinati->count(), 0);
    EXPECT_EQ(f->lstAlgoritmiAbbinati->count(), 1);

    // At the last draw nothing changes, not even the capogioco.
    w.avanti();
    EXPECT_EQ(f->txtDataFine->text(), vbDateText(dataDi(100)));
    f->lblCapo->setText("x");
    w.avanti();
    EXPECT_EQ(f->txtDataFine->text(), vbDateText(dataDi(100)));
    EXPECT_EQ(f->lblCapo->text(), "x");
}

TEST(frmQuorvaneMulti, TheForwardStepLooksTheDateUpItsOwnWayAndStopsAtARefusal)
{
    Finestra w;
    frmQuorvane* f = w.f;
    // A date without a draw steps to the draw after it, whichever way the
    // last lookup of another command went.
    for (const bool precedente : {false, true}) {
        CercaPrecedente = precedente;
        vbSetText(f->txtDataFine, vbDateText(dataDi(50).addDays(3)));
        w.avanti();
        EXPECT_EQ(f->txtDataFine->text(), vbDateText(dataDi(51))) << precedente;
    }

    // A refused date stays for the user to correct: no step from the draw
    // an earlier lookup found.
    w.metodo();
    f->lblCapo->setText("53");
    vbSetText(f->txtDataFine, "31/12/2099");
    w.a.fake.expectMsgBox("La data non può essere superiore alla data ultima estrazione inserita ("
                              + vbDateText(dataDi(100)) + ")",
                          vbOK);
    w.avanti();
    EXPECT_EQ(f->txtDataFine->text(), "31/12/2099");
    EXPECT_EQ(f->lblCapo->text(), "53");
}

TEST(frmQuorvaneMulti, ThePlayDateTakesDigitsAndSlashesOnly)
{
    Finestra w;
    frmQuorvane* f = w.f;
    f->vbShow();
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    vbSetText(f->txtDataFine, vbDateText(dataDi(10)));
    f->txtDataFine->setFocus();
    EXPECT_EQ(f->txtDataFine->selectedText(), vbDateText(dataDi(10)));
    QTest::keyClicks(f->txtDataFine, "0a1/b2-");
    EXPECT_EQ(f->txtDataFine->text(), "01/2");
    QTest::keyClick(f->txtDataFine, Qt::Key_Backspace);
    EXPECT_EQ(f->txtDataFine->text(), "01/");
}

TEST(frmQuorvaneMulti, TheFrameOffersTheSetSizesTheTickedWheelsAllow)
{
    Finestra w;
    frmQuorvane* f = w.f;
    f->vbShow();
    for (int i = 0; i <= 11; ++i) {
        f->chkRuota[size_t(i)]->setChecked(i == 4);
        f->chkRuotaG[size_t(i)]->setChecked(i == 2 || i == 5 || i == 9);
    }
    f->optGioco[3]->setChecked(true);
    QTest::mouseClick(f->cmdRicercaAutomatica, Qt::LeftButton);
    EXPECT_TRUE(f->fraRicercaAutomatica->isVisible());
    EXPECT_TRUE(f->optRicerca[0]->isEnabled());
    EXPECT_TRUE(f->optRicerca[1]->isEnabled());
    EXPECT_FALSE(f->optRicerca[2]->isEnabled());
    for (int i = 1; i <= 3; ++i)
        EXPECT_TRUE(f->optGioco[size_t(i)]->isEnabled()) << i;
    EXPECT_TRUE(f->optGioco[3]->isChecked());
    QTest::mouseClick(f->cmdEsci, Qt::LeftButton);
    EXPECT_FALSE(f->fraRicercaAutomatica->isVisible());

    // No play wheel: no play set size, and "1" selected.
    for (int i = 0; i <= 11; ++i)
        f->chkRuotaG[size_t(i)]->setChecked(false);
    QTest::mouseClick(f->cmdRicercaAutomatica, Qt::LeftButton);
    for (int i = 1; i <= 3; ++i)
        EXPECT_FALSE(f->optGioco[size_t(i)]->isEnabled()) << i;
    EXPECT_TRUE(f->optGioco[1]->isChecked());
    // "Tutte" counts ten: pairs of search wheels allowed.
    f->chkRuota[0]->setChecked(true);
    QTest::mouseClick(f->cmdRicercaAutomatica, Qt::LeftButton);
    EXPECT_TRUE(f->optRicerca[2]->isEnabled());

    // Started without play wheels: no run, an empty list, the boxes as they were.
    QTest::mouseClick(f->cmdAvviaRicercaAutomatica, Qt::LeftButton);
    frmMultiRuota* m = Forms::find<frmMultiRuota>();
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->ListViewMultiruote->count(), 0);
    EXPECT_EQ(m->lblTotaleAlgoritmi->text(), "0");
    EXPECT_TRUE(f->chkRuota[0]->isChecked());
    EXPECT_FALSE(f->chkRuotaG[1]->isChecked());
}

TEST(frmQuorvaneMulti, TheOpenFrameKeepsTheWindowOnTheScreenAndClosedGivesItsSizeBack)
{
    for (const QRect schermo : {QRect(0, 0, 1366, 768), QRect(0, 0, 1024, 768), QRect(0, 0, 1920, 1080)}) {
        Finestra w;
        frmQuorvane* f = w.f;
        setScreenOverride(schermo);
        f->vbShow();
        const QSize senza = f->wantedSize();
        QTest::mouseClick(f->cmdRicercaAutomatica, Qt::LeftButton);
        lasciaPassare();
        EXPECT_TRUE(sulloSchermo(f, schermo)) << schermo.width();
        std::vector<QWidget*> raggiunti{f->cmdCalcola, f->cmdAvviaRicercaAutomatica};
        for (int p = 1; p <= 5; ++p)
            raggiunti.push_back(f->chkPosizioneA[size_t(p)]);
        for (QWidget* c : raggiunti)
            EXPECT_TRUE(raggiungibile(f, c)) << c->objectName().toStdString() << " " << schermo.width();
        // The bar runs the window's whole width: its start at least.
        EXPECT_TRUE(raggiungibile(f, f->ProgressBar1, QRect(0, 0, 600, f->ProgressBar1->height())))
            << schermo.width();

        QTest::mouseClick(f->cmdEsci, Qt::LeftButton);
        EXPECT_EQ(f->wantedSize(), senza) << schermo.width();

        // Started (with no play wheel: no run), the frame closes the same way
        // and the results window, put left of this one, stays wholly on the
        // screen.
        QTest::mouseClick(f->cmdRicercaAutomatica, Qt::LeftButton);
        lasciaPassare();
        for (QToolButton* b : f->chkRuotaG)
            b->setChecked(false);
        QTest::mouseClick(f->cmdAvviaRicercaAutomatica, Qt::LeftButton);
        EXPECT_EQ(f->wantedSize(), senza) << schermo.width();
        frmMultiRuota* m = Forms::find<frmMultiRuota>();
        ASSERT_NE(m, nullptr);
        EXPECT_TRUE(sulloSchermo(m, schermo)) << schermo.width();
        EXPECT_EQ(m->y(), f->y());
    }
}

// After "Avvia ricerca automatica", on a desktop with a panel at the top and
// frames round windows: the results window opens with its frame at the top
// of this window's and 2200 twips left of it, moved just enough to lie
// wholly on the screen, its title bar included.
TEST(frmQuorvaneMulti, TheResultsWindowOpensBesideThisOneWithItsTitleBarOnTheScreen)
{
    const struct {
        const char* left;
        const char* top;
    } posti[] = {{"4500", "480"}, {"600", "900"}, {"6000", "6500"}};
    for (const QRect schermo : {QRect(0, 0, 1366, 768), QRect(0, 0, 1024, 768)}) {
        for (const auto& p : posti) {
            SCOPED_TRACE(std::to_string(schermo.width()) + " " + p.left + " " + p.top);
            Finestra w;
            const QRect area = schermoConPannello(schermo);
            vbUnload(w.f);
            AmbienteServizi::imposta("Forms", "frmQuorvaneLeft", p.left);
            AmbienteServizi::imposta("Forms", "frmQuorvaneTop", p.top);
            frmQuorvane* f = Forms::get<frmQuorvane>();
            f->vbShow();
            for (int r : {2, 3}) {
                QTest::mouseClick(f->chkRuota[size_t(r)], Qt::LeftButton);
                QTest::mouseClick(f->chkRuotaG[size_t(r)], Qt::LeftButton);
            }
            QTest::mouseClick(f->cmdRicercaAutomatica, Qt::LeftButton);
            QTest::mouseClick(f->cmdAvviaRicercaAutomatica, Qt::LeftButton);
            lasciaPassare();
            frmMultiRuota* m = Forms::find<frmMultiRuota>();
            ASSERT_NE(m, nullptr);
            EXPECT_GT(m->ListViewMultiruote->count(), 0);
            const QRect q = f->frameRect(), r = m->frameRect();
            EXPECT_TRUE(sulloSchermo(m, area));
            const int x = twipsToPx(pxToTwips(q.left()) - 2200), y = q.top();
            EXPECT_EQ(r.topLeft(), QPoint(std::clamp(x, area.left(), area.right() + 1 - r.width()),
                                          std::clamp(y, area.top(), area.bottom() + 1 - r.height())));
        }
    }
}

TEST(frmQuorvaneMulti, TheTranslationTakesTheRowsWheelsOnlyForAPlayableMethod)
{
    Finestra w;
    frmQuorvane* f = w.f;
    frmMultiRuota* m = Forms::get<frmMultiRuota>();
    m->iniziaRicerca("Numero");
    m->aggiungiRiga({" 1' su BA + 23", "   2", "    2 /     4", "100,0 %", " 7", "BA-NA", "Tutte+NZ"},
                    "101+0002300711111");
    m->fineRicerca({});
    m->ListViewMultiruote->setCurrentItem(m->ListViewMultiruote->item(1));
    f->lstNumeriAbbinati->addItem("numero");

    vbSetText(f->txtDataFine, vbDateText(dataDi(60)));
    vbPress(f->cmdTraduciAlgoMultiRuota);
    EXPECT_EQ(f->txtCapoGioco->text(), " 1' su BA + 23");
    EXPECT_EQ(f->lblCapo->text(), QString::number(Finestra::capogioco(60)));
    EXPECT_TRUE(f->cmdReport[0]->isEnabled());
    EXPECT_EQ(f->lstNumeriAbbinati->count(), 0);
    EXPECT_EQ(RuoteRicercaMulti, "BA-NA");
    EXPECT_EQ(RuoteGiocoMulti, "Tutte+NZ");
    for (int i = 0; i <= 11; ++i) {
        EXPECT_EQ(FlagRuoteRicercaMulti[size_t(i)], i == 1 || i == 6) << i;
        EXPECT_EQ(FlagRuoteGiocoMulti[size_t(i)], i >= 1) << i;
    }

    // At a refused play date the method gives nothing: no wheels of its own.
    vbSetText(f->txtDataFine, "31/12/2099");
    w.a.fake.expectMsgBox("La data non può essere superiore alla data ultima estrazione inserita ("
                              + vbDateText(dataDi(100)) + ")",
                          vbOK);
    w.a.fake.expectMsgBox(" 1' su BA + 23 uguale a zero - Caso non giocabile!", vbOK);
    vbPress(f->cmdTraduciAlgoMultiRuota);
    EXPECT_EQ(w.a.fake.msgBoxCall(-1).title, "Attenzione");
    EXPECT_EQ(f->txtCapoGioco->text(), " 1' su BA + 23");
    EXPECT_EQ(f->lblCapo->text(), "");
    EXPECT_FALSE(f->cmdReport[0]->isEnabled());
    EXPECT_TRUE(RuoteRicercaMulti.isEmpty());
    EXPECT_TRUE(RuoteGiocoMulti.isEmpty());
    EXPECT_EQ(FlagRuoteGiocoMulti, (std::array<bool, 12>{}));
    // ...and the results window's report does not run it on other wheels.
    m->cmdReport->setEnabled(true);
    w.a.fake.expectMsgBox("La data non può essere superiore alla data ultima estrazione inserita ("
                              + vbDateText(dataDi(100)) + ")",
                          vbOK);
    w.a.fake.expectMsgBox(" 1' su BA + 23 uguale a zero - Caso non giocabile!", vbOK);
    QTest::mouseClick(m->cmdReport, Qt::LeftButton);
    EXPECT_EQ(Forms::find<frmReportQuorvane>(), nullptr);
}

TEST(frmQuorvaneMulti, ARowOfTheOrdinaryListDropsTheMultiWheelWheels)
{
    Finestra w;
    frmQuorvane* f = w.f;
    f->vbShow();
    vbSetDate(f->DTPickerDa, dataDi(1));
    f->optTipo[1]->setChecked(true);
    vbPress(f->cmdCalcola);
    ASSERT_GT(f->ListViewOrdin2->count(), 0);
    RuoteRicercaMulti = "BA-NA";
    RuoteGiocoMulti = "RO";
    QTreeWidgetItem* r = f->ListViewOrdin2->item(1);
    QTest::mouseClick(f->ListViewOrdin2->viewport(), Qt::LeftButton, {},
                      f->ListViewOrdin2->visualItemRect(r).center());
    EXPECT_EQ(f->txtCapoGioco->text(), r->text(0));
    EXPECT_TRUE(RuoteRicercaMulti.isEmpty());
    EXPECT_TRUE(RuoteGiocoMulti.isEmpty());
}

// The rows of the last run are not left in the method-search list: clicked
// there, they would be played on the wheels put back, not on the run's.
TEST(frmQuorvaneMulti, AfterTheAutomaticSearchTheResultListIsEmpty)
{
    Finestra w;
    frmQuorvane* f = w.f;
    f->vbShow();
    vbSetDate(f->DTPickerDa, dataDi(1));
    for (int i = 0; i <= 11; ++i) {
        f->chkRuota[size_t(i)]->setChecked(i == 1 || i == 2);
        f->chkRuotaG[size_t(i)]->setChecked(i == 6 || i == 8);
    }
    f->optTipo[1]->setChecked(true);
    QTest::mouseClick(f->cmdCalcola, Qt::LeftButton);
    ASSERT_GT(f->ListViewOrdin2->count(), 0);

    QTest::mouseClick(f->cmdRicercaAutomatica, Qt::LeftButton);
    QTest::mouseClick(f->cmdAvviaRicercaAutomatica, Qt::LeftButton);
    frmMultiRuota* m = Forms::find<frmMultiRuota>();
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->ListViewMultiruote->count(), 4);   // one search wheel by one play wheel, one row each
    EXPECT_EQ(f->ListViewOrdin2->count(), 0);
    EXPECT_EQ(f->txtCapoGioco->text(), "");
    EXPECT_FALSE(f->cmdReport[0]->isEnabled());
}
