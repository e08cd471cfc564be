#include "compat/ui/Controls.h"
#include "compat/ui/Form.h"
#include "compat/ui/Twips.h"
#include "support/ui/FakePlatform.h"
#include "support/ui/SchermoProva.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace compat;

namespace {

const QRect k1024(0, 0, 1024, 768);
const QRect kGrande(0, 0, 1920, 1080);

// Controls in a layout that cannot shrink below 1200 x 600, with a command
// row at the bottom right and a panel shown on request.
class frmLayout : public Form {
public:
    frmLayout()
    {
        setObjectName(QStringLiteral("frmLayout"));
        barra = new QMenuBar(this);
        barra->addMenu(QStringLiteral("&File"));
        elenco = new QLabel(QStringLiteral("elenco"), this);
        elenco->setMinimumSize(1200, 600);
        pannello = new QGroupBox(QStringLiteral("Pannello"), this);
        pannello->setMinimumHeight(300);
        pannello->hide();
        cmdOk = new QPushButton(QStringLiteral("Ok"), this);
        on(cmdOk, &QPushButton::clicked, QStringLiteral("cmdOk_Click"), [this] { ++premuto; });
        // Tab goes from the first made to the second, whatever their places.
        primo = new QLineEdit(this);
        secondo = new QLineEdit(this);
        auto* comandi = new QHBoxLayout;
        comandi->addWidget(secondo);
        comandi->addWidget(primo);
        comandi->addStretch();
        comandi->addWidget(cmdOk);
        auto* colonna = new QVBoxLayout(this);
        colonna->setMenuBar(barra);
        colonna->addWidget(elenco);
        colonna->addWidget(pannello);
        colonna->addLayout(comandi);
    }
    QMenuBar* barra;
    QLabel* elenco;
    QGroupBox* pannello;
    QPushButton* cmdOk;
    QLineEdit* primo;
    QLineEdit* secondo;
    int premuto = 0;
};

// Controls placed by hand in a window of 1100 x 500 that narrows itself on
// request.
class frmAMano : public Form {
public:
    frmAMano()
    {
        setObjectName(QStringLiteral("frmAMano"));
        cmdEsci = new QPushButton(QStringLiteral("Esci"), this);
        cmdEsci->setGeometry(1000, 450, 80, 24);
        nascosto = new QLabel(QStringLiteral("nascosto"), this);
        nascosto->setGeometry(10, 10, 100, 20);
        nascosto->hide();
        resize(1100, 500);
    }
    QPushButton* cmdEsci;
    QLabel* nascosto;
};

class FormScreenTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        for (Form* f : Forms::all())
            vbUnload(f);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        setScreenOverride({});
    }
    // A new F shown at `dove` on `schermo`.
    template <class F>
    static F* mostra(const QRect& schermo, QPoint dove)
    {
        setScreenOverride(schermo);
        auto* f = Forms::create<F>();
        f->move(dove);
        f->vbShow();
        return f;
    }
    FakePlatform fake;
    FakePlatformScope scope{fake};
};

TEST_F(FormScreenTest, AWindowLargerThanTheScreenScrollsItsControlsIntoReachAndNothingChangesOnALargeOne)
{
    auto* grande = mostra<frmLayout>(kGrande, {100, 80});
    EXPECT_EQ(grande->scrollArea(), nullptr);
    EXPECT_EQ(grande->elenco->parentWidget(), grande);
    EXPECT_EQ(grande->pos(), QPoint(100, 80));
    const QSize intera = grande->size();
    EXPECT_GE(intera.width(), 1200);

    auto* f = mostra<frmLayout>(k1024, {100, 80});
    ASSERT_NE(f->scrollArea(), nullptr);
    EXPECT_TRUE(sulloSchermo(f, k1024));
    EXPECT_EQ(f->wantedSize(), intera);
    EXPECT_TRUE(raggiungibile(f, f->cmdOk));
    QTest::mouseClick(f->cmdOk, Qt::LeftButton);
    EXPECT_EQ(f->premuto, 1);
    EXPECT_TRUE(f->pannello->isHidden());
    EXPECT_EQ(f->layout()->menuBar(), f->barra); // the menu stays above what scrolls

    // Shown again where it fits, it is whole: its controls back in it, its
    // layout with them.
    setScreenOverride(kGrande);
    f->vbShow();
    EXPECT_EQ(f->scrollArea(), nullptr);
    EXPECT_EQ(f->size(), intera);
    EXPECT_EQ(f->cmdOk->window(), f);
    EXPECT_EQ(f->elenco->parentWidget(), f);
    EXPECT_EQ(f->layout()->menuBar(), f->barra);
    EXPECT_TRUE(f->cmdOk->isVisible());
    EXPECT_TRUE(f->pannello->isHidden());
}

TEST_F(FormScreenTest, APanelThatGrowsTheWindowPastTheScreenScrollsAndTheWindowReturnsToItsSize)
{
    auto* f = mostra<frmLayout>(QRect(0, 0, 1366, 768), {40, 60});
    EXPECT_EQ(f->scrollArea(), nullptr);
    const QSize senza = f->size();

    const QSize prima = f->wantedSize();
    QApplication::setActiveWindow(f);
    f->secondo->setFocus();
    f->pannello->show();
    lasciaPassare();
    ASSERT_NE(f->scrollArea(), nullptr);
    EXPECT_EQ(f->focusWidget(), f->secondo);
    EXPECT_EQ(f->primo->nextInFocusChain(), f->secondo);
    EXPECT_TRUE(sulloSchermo(f, QRect(0, 0, 1366, 768)));
    EXPECT_TRUE(raggiungibile(f, f->cmdOk));
    EXPECT_TRUE(raggiungibile(f, f->pannello));

    f->pannello->hide();
    f->setWantedSize(prima);
    EXPECT_EQ(f->scrollArea(), nullptr);
    EXPECT_EQ(f->size(), senza);
    EXPECT_EQ(f->focusWidget(), f->secondo);
    EXPECT_EQ(f->primo->nextInFocusChain(), f->secondo);
    EXPECT_TRUE(raggiungibile(f, f->cmdOk));
}

TEST_F(FormScreenTest, ControlsPlacedByHandKeepTheirPlaceAndAWindowNarrowedOnPurposeShowsWhole)
{
    auto* f = mostra<frmAMano>(k1024, {300, 10});
    ASSERT_NE(f->scrollArea(), nullptr);
    EXPECT_TRUE(sulloSchermo(f, k1024));
    EXPECT_EQ(f->cmdEsci->geometry(), QRect(1000, 450, 80, 24));
    EXPECT_TRUE(raggiungibile(f, f->cmdEsci));
    EXPECT_TRUE(f->nascosto->isHidden());

    // Narrowed by its own code: whole at that width, its height as designed.
    vbSetWidth(f, 300 * 15);
    lasciaPassare();
    EXPECT_EQ(f->scrollArea(), nullptr);
    EXPECT_EQ(f->size(), QSize(300, 500));
    EXPECT_EQ(f->cmdEsci->parentWidget(), f);
    EXPECT_TRUE(f->nascosto->isHidden());

    vbSetWidth(f, 1100 * 15);
    lasciaPassare();
    ASSERT_NE(f->scrollArea(), nullptr);
    EXPECT_TRUE(sulloSchermo(f, k1024));
    EXPECT_TRUE(raggiungibile(f, f->cmdEsci));
}

TEST_F(FormScreenTest, ControlsThatCanShrinkLetTheWindowShrinkWithoutScrolling)
{
    setScreenOverride(k1024);
    auto* f = Forms::create<frmLayout>();
    f->elenco->setMinimumSize(500, 300);
    f->resize(1400, 500);
    f->move(200, 100);
    f->vbShow();
    EXPECT_EQ(f->scrollArea(), nullptr);
    EXPECT_TRUE(sulloSchermo(f, k1024));
    EXPECT_EQ(f->height(), 500);
}

TEST_F(FormScreenTest, OnlyAWindowThatHadToShrinkOrIsAskedIsMovedWhollyOnTheScreen)
{
    setScreenOverride(k1024);
    auto* f = Forms::create<frmAMano>();
    f->resize(400, 300);
    f->move(-8, 700); // partly off screen, as a stored place may leave it
    f->vbShow();
    EXPECT_EQ(f->pos(), QPoint(-8, 700));
    EXPECT_EQ(f->size(), QSize(400, 300));

    f->move(-500, 600); // beside another window, as the code put it
    f->fitToScreen(true);
    EXPECT_TRUE(sulloSchermo(f, k1024));
    EXPECT_EQ(f->size(), QSize(400, 300));
}

// A window framed some time after its show lands where it was placed, before
// (the second, with the first window's frame to go by) or after the show, and
// keeps the place meant until then and the user's afterwards.
TEST_F(FormScreenTest, AWindowFramedAfterItsShowLandsWhereItWasPlaced)
{
    const QPoint posto(0, 67), trascinata(120, 90);
    setScreenOverride(QRect(0, 0, 1366, 768), {}, kCorniceProva, true);
    for (const bool primaDelMostra : {false, true}) {
        auto* f = Forms::create<frmAMano>();
        if (primaDelMostra)
            f->moveFrame(posto);
        f->vbShow();
        if (!primaDelMostra)
            f->moveFrame(posto);
        EXPECT_EQ(f->keptFrameOrigin(), posto);
        deliverOverrideFrames();
        lasciaPassare();
        EXPECT_EQ(f->pos(), posto) << primaDelMostra; // where this desktop's frame stands
        f->move(trascinata);
        lasciaPassare();
        EXPECT_EQ(f->keptFrameOrigin(), trascinata);
    }
}

} // namespace
