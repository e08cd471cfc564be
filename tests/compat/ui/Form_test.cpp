#include "compat/ui/Colors.h"
#include "compat/ui/Controls.h"
#include "compat/ui/Form.h"
#include "compat/ui/Twips.h"
#include "support/ui/FakePlatform.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace compat;

namespace {

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A window that logs its events and can be told to refuse a close.
class frmProva : public Form {
public:
    frmProva()
    {
        setObjectName(QStringLiteral("frmProva"));
        cmdOk = new QPushButton(QStringLiteral("Ok"), this);
        cmdOk->setObjectName(QStringLiteral("cmdOk"));
        cmdEsci = new QPushButton(QStringLiteral("Esci"), this);
        txt = new QLineEdit(this);
        on(cmdOk, &QPushButton::clicked, QStringLiteral("cmdOk_Click"), [this] {
            log << QStringLiteral("ok");
            if (okAction)
                okAction();
        });
        on(cmdEsci, &QPushButton::clicked, QStringLiteral("cmdEsci_Click"),
           [this] { vbUnload(this); log << QStringLiteral("after unload"); });
    }
    QPushButton* cmdOk;
    QPushButton* cmdEsci;
    QLineEdit* txt;
    QStringList log;
    std::function<void()> okAction;
    bool refuse = false;
    QList<int> modes;

protected:
    void formLoad() override { log << QStringLiteral("load"); }
    void formActivate() override { log << QStringLiteral("activate"); }
    void queryUnload(int mode, bool& cancel) override
    {
        modes << mode;
        cancel = refuse;
    }
    void formUnload(bool&) override { log << QStringLiteral("unload"); }
};

class frmAltro : public Form {
public:
    frmAltro() { setObjectName(QStringLiteral("frmAltro")); }
};

struct Reported {
    QString modulo, procedura;
    int number = 0;
};

class FormTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        setUnexpectedErrorReporter({});
        for (Form* f : Forms::all()) {
            vbUnload(f);
        }
        flushDeletes();
    }
    FakePlatform fake;
    FakePlatformScope scope{fake};
};

TEST_F(FormTest, SingleInstancesLoadOnceInOrderAndAFreshObjectFollowsAnUnload)
{
    frmProva* a = Forms::get<frmProva>();
    frmAltro* b = Forms::get<frmAltro>();
    EXPECT_EQ(Forms::get<frmProva>(), a);
    EXPECT_EQ(a->log, QStringList{QStringLiteral("load")});
    EXPECT_FALSE(a->isVisible());
    frmAltro* c = Forms::create<frmAltro>();
    EXPECT_NE(c, b);
    ASSERT_EQ(Forms::all(), (std::vector<Form*>{a, b, c}));

    QPointer<frmProva> old(a);
    EXPECT_TRUE(vbUnload(a));
    EXPECT_FALSE(old->isVisible());
    EXPECT_EQ(Forms::all(), (std::vector<Form*>{b, c}));
    flushDeletes();
    EXPECT_TRUE(old.isNull());
    frmProva* fresh = Forms::get<frmProva>();
    EXPECT_EQ(fresh->log, QStringList{QStringLiteral("load")});
}

TEST_F(FormTest, AWindowUnloadedByItsOwnHandlerLivesUntilTheHandlerReturns)
{
    QPointer<frmProva> f = Forms::get<frmProva>();
    f->vbShow();
    vbPress(f->cmdEsci);
    ASSERT_FALSE(f.isNull());
    EXPECT_EQ(f->log.mid(f->log.size() - 2),
              (QStringList{QStringLiteral("unload"), QStringLiteral("after unload")}));
    EXPECT_FALSE(f->isLoaded());
    EXPECT_EQ(Forms::find<frmProva>(), nullptr);
    flushDeletes();
    EXPECT_TRUE(f.isNull());
}

// An owned window whose owner goes during its handler is unloaded once the
// handler returns, or deleted where it refuses: never left loaded and hidden.
TEST_F(FormTest, AnOwnedWindowLeftByItsOwnerGoesWhenItsHandlerReturns)
{
    for (const bool refuse : {false, true}) {
        QPointer<frmAltro> owner = Forms::create<frmAltro>();
        QPointer<frmProva> f = Forms::create<frmProva>();
        f->vbShow(owner);
        f->refuse = refuse;
        f->okAction = [&] { vbUnload(owner), flushDeletes(); };
        vbPress(f->cmdOk);
        EXPECT_TRUE(owner.isNull());
        EXPECT_EQ(f->log.contains(QStringLiteral("unload")), !refuse);
        flushDeletes();
        EXPECT_TRUE(f.isNull());
    }
}

TEST_F(FormTest, QueryUnloadCancelKeepsTheWindowAndRefusesTheCloseBox)
{
    frmProva* f = Forms::get<frmProva>();
    f->vbShow();
    f->refuse = true;
    EXPECT_FALSE(vbUnload(f, vbFormCode));
    EXPECT_FALSE(f->close());
    EXPECT_TRUE(f->isVisible());
    EXPECT_TRUE(f->isLoaded());
    EXPECT_EQ(f->modes, (QList<int>{vbFormCode, vbFormControlMenu}));
    f->refuse = false;
    QPointer<frmProva> p(f);
    EXPECT_TRUE(f->close());
    EXPECT_FALSE(p->isLoaded());
}

TEST_F(FormTest, HandlersReportEveryErrorAndLetProcessEndThrough)
{
    std::vector<Reported> reports;
    setUnexpectedErrorReporter([&](const QString& m, const QString& p, const AppError& e) {
        reports.push_back({m, p, e.number});
    });
    frmProva* f = Forms::get<frmProva>();
    f->okAction = [] { compat::raise(11); };
    vbPress(f->cmdOk);
    f->okAction = [] { throw std::runtime_error("x"); };
    vbPress(f->cmdOk);
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0].modulo, QStringLiteral("frmProva"));
    EXPECT_EQ(reports[0].procedura, QStringLiteral("cmdOk_Click"));
    EXPECT_EQ(reports[0].number, 11);
    EXPECT_NE(reports[1].number, 0); // a number the error box does not skip

    f->okAction = [] { platform().process().end(3); };
    EXPECT_THROW(vbPress(f->cmdOk), ProcessEnded);
    EXPECT_EQ(f->runningHandlers(), 0);
    EXPECT_EQ(reports.size(), 2u);
}

TEST_F(FormTest, DefaultReporterShowsTheUnexpectedErrorBox)
{
    frmProva* f = Forms::get<frmProva>();
    f->okAction = [] { compat::raise(9); };
    fake.expectMsgBox(QStringLiteral("Errore 9 : Indice non incluso nell'intervallo in "
                                     "frmProva.cmdOk_Click"),
                      vbOK);
    vbPress(f->cmdOk);
    ASSERT_EQ(fake.msgBoxCalls().size(), 1u);
    EXPECT_EQ(fake.msgBoxCalls()[0].title, QStringLiteral("Errore inatteso"));
}

TEST_F(FormTest, ProcessEndWaitsForTheRunningHandlers)
{
    frmProva* f = Forms::get<frmProva>();
    bool after = false;
    f->okAction = [&] {
        endProcessWhenIdle();
        after = true; // the handler finishes first
    };
    EXPECT_THROW(vbPress(f->cmdOk), ProcessEnded);
    EXPECT_TRUE(after);
    EXPECT_THROW(endProcessWhenIdle(), ProcessEnded); // outside any handler: at once
}

TEST_F(FormTest, HandlersTakeTheSignalArgumentsTheyAsk)
{
    frmProva* f = Forms::get<frmProva>();
    auto* chk = new QCheckBox(f);
    QList<bool> seen;
    int plain = 0;
    f->on(chk, &QCheckBox::toggled, QStringLiteral("chk_Click"), [&](bool on) { seen << on; });
    f->on(chk, &QCheckBox::toggled, QStringLiteral("chk_Click"), [&] { ++plain; });
    chk->setChecked(true);
    chk->setChecked(true); // no change, no event
    chk->setChecked(false);
    EXPECT_EQ(seen, (QList<bool>{true, false}));
    EXPECT_EQ(plain, 2);
}

TEST_F(FormTest, EnterPressesTheDefaultButtonUnlessAButtonHasTheFocus)
{
    frmProva* f = Forms::get<frmProva>();
    f->setDefaultButton(f->cmdOk);
    f->vbShow();
    QApplication::setActiveWindow(f);
    f->txt->setFocus();
    QTest::keyClick(f->txt, Qt::Key_Return);
    EXPECT_EQ(f->log.count(QStringLiteral("ok")), 1);
    f->cmdOk->setEnabled(false);
    QTest::keyClick(f->txt, Qt::Key_Return);
    EXPECT_EQ(f->log.count(QStringLiteral("ok")), 1);
    f->cmdOk->setEnabled(true);
    QPointer<frmProva> p(f);
    f->cmdEsci->setFocus();
    QTest::keyClick(f->cmdEsci, Qt::Key_Enter);
    EXPECT_FALSE(p->isLoaded());
    EXPECT_EQ(p->log.count(QStringLiteral("ok")), 1);
}

TEST_F(FormTest, ActivateRunsWhenAnotherWindowBecomesActive)
{
    frmProva* f = Forms::get<frmProva>();
    frmAltro* g = Forms::get<frmAltro>();
    f->vbShow();
    f->vbShow(); // brought forward again: still the active window
    EXPECT_EQ(f->log.count(QStringLiteral("activate")), 1);
    g->vbShow(f);
    EXPECT_EQ(g->parentWidget(), f);
    EXPECT_TRUE(g->isWindow());
    f->vbShow();
    EXPECT_EQ(f->log.count(QStringLiteral("activate")), 2);
}

TEST_F(FormTest, ModalShowReturnsWhenTheWindowIsUnloaded)
{
    frmProva* f = Forms::get<frmProva>();
    QPointer<frmProva> p(f);
    QTimer::singleShot(0, f, [f] { vbPress(f->cmdEsci); });
    f->vbShowModal();
    ASSERT_FALSE(p.isNull() && p->isLoaded());
}

} // namespace

// Markup in a label's text is shown as typed, whenever and wherever the label
// was made; only a label made for markup keeps it.
TEST_F(FormTest, LabelsShowMarkupAsTyped)
{
    frmProva* f = Forms::get<frmProva>();
    const QString testo = QStringLiteral("<b>x</b> <img src=y>");
    auto* annidata = new QLabel(testo, new QFrame(f));
    auto* voluta = new QLabel(testo, f);
    voluta->setTextFormat(Qt::RichText);
    f->vbShow();
    auto* dopo = new QLabel(testo, annidata->parentWidget());
    dopo->show();
    for (QLabel* l : {annidata, dopo})
        EXPECT_GE(l->sizeHint().width(), l->fontMetrics().horizontalAdvance(testo));
    EXPECT_EQ(voluta->textFormat(), Qt::RichText);
}
