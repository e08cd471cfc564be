#include "compat/ui/Colors.h"
#include "compat/ui/Controls.h"
#include "compat/ui/ReportListView.h"
#include "consulta/frmConsultaEstrazioni.h"
#include "support/ui/TabelloneProva.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace compat;

namespace {

using Tabellone = TabelloneProva;

TEST(frmConsultaEstrazioniTrova, SumsPanelMarksAndCountsOnEveryRedraw)
{
    Tabellone t;
    frmConsultaEstrazioni* f = t.f;
    f->mnuMostraSomme->trigger();
    EXPECT_TRUE(f->fraSomme->isVisible());
    EXPECT_TRUE(f->fraRiepilogoSomme->isVisible());
    EXPECT_FALSE(f->fraTrovaNumeri->isVisible());
    QTest::keyClicks(f->txtSommaTot[0], "1a00");   // digits only
    EXPECT_EQ(f->txtSommaTot[0]->text(), "100");
    QTest::keyClicks(f->txtSommaTot[1], "90");
    t.clic(f->cmdOkSomme);
    EXPECT_FALSE(f->fraSomme->isVisible());
    EXPECT_TRUE(f->fraRiepilogoSomme->isVisible());
    EXPECT_TRUE(f->Stato.TrovaSomme);
    EXPECT_EQ(f->txtRiepilogoSomma[0]->text(), "100");
    EXPECT_EQ(f->txtRiepilogoSomma[1]->text(), "90");
    EXPECT_EQ(f->txtRiepilogoSomma[2]->text(), "0");
    // Without "Fuori 90", 100 is 10 + 90 on Cagliari; 90 is 30 + 60 on Bari.
    EXPECT_EQ(t.sfondo(6), ColoriTrova(0)[0]);
    EXPECT_EQ(t.sfondo(7), ColoriTrova(0)[0]);
    EXPECT_EQ(t.sfondo(1), ColoriTrova(1)[0]);
    EXPECT_EQ(vbForeColor(f->txtEstratto[2]), ColoriTrova(1)[1]);
    EXPECT_EQ(t.sfondo(3), kSfondoCella);
    EXPECT_EQ(f->lblTotaleSomma[0]->text(), "1");
    EXPECT_EQ(f->lblTotaleSomma[1]->text(), "1");

    t.clic(f->cmdPrecedente);   // 10 + 90 on Bari
    EXPECT_EQ(t.sfondo(1), ColoriTrova(0)[0]);
    EXPECT_EQ(f->lblTotaleSomma[0]->text(), "2");
    EXPECT_EQ(f->lblTotaleSomma[1]->text(), "1");

    // "Fuori 90" counts from the next redraw: then 100 never matches.
    f->mnuMostraSomme->trigger();
    t.clic(f->chkTrovaF90);
    t.clic(f->cmdSuccessiva);
    EXPECT_EQ(t.sfondo(6), kSfondoCella);
    EXPECT_EQ(f->lblTotaleSomma[0]->text(), "2");
    EXPECT_EQ(f->lblTotaleSomma[1]->text(), "2");

    t.clic(f->cmdAzzeraSomme);
    EXPECT_EQ(f->lblTotaleSomma[0]->text(), "0");
    EXPECT_EQ(f->Stato.TotaleSomme[1], 0);
    // Clearing empties the targets at once; the search stays on, marking nothing.
    t.clic(f->cmdEliminaSomme);
    EXPECT_TRUE(f->txtSommaTot[0]->text().isEmpty());
    EXPECT_TRUE(f->Stato.TrovaSomme);
    t.clic(f->cmdPrecedente);
    EXPECT_EQ(t.sfondo(1), kSfondoCella);
    EXPECT_EQ(f->lblTotaleSomma[0]->text(), "0");
}

TEST(frmConsultaEstrazioniTrova, TargetsNoPairReachesAreSearchedAndOnlyHugeOnesRefused)
{
    Tabellone t;
    frmConsultaEstrazioni* f = t.f;
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    f->mnuMostraSomme->trigger();
    QTest::keyClicks(f->txtSommaTot[0], "0");
    t.clic(f->txtSommaTot[1]);   // leaving a box holding 0: no refusal
    QTest::keyClicks(f->txtSommaTot[1], "500");
    t.clic(f->cmdOkSomme);
    EXPECT_TRUE(f->Stato.TrovaSomme);
    EXPECT_FALSE(f->fraSomme->isVisible());
    EXPECT_TRUE(f->fraRiepilogoSomme->isVisible());
    EXPECT_EQ(f->txtRiepilogoSomma[0]->text(), "0");
    EXPECT_EQ(f->txtRiepilogoSomma[1]->text(), "500");
    // Never found, not even as the 0 + 0 of the rows without numbers.
    EXPECT_TRUE(t.marcate().empty());
    t.clic(f->cmdPrecedente);
    t.clic(f->cmdSuccessiva);
    EXPECT_TRUE(t.marcate().empty());
    EXPECT_EQ(f->lblTotaleSomma[0]->text(), "0");
    EXPECT_EQ(f->lblTotaleSomma[1]->text(), "0");

    // Beyond a small integer: told when the focus moves to another box, and
    // once by the confirm, which then changes nothing.
    f->mnuMostraSomme->trigger();
    t.clic(f->txtSommaTot[2]);
    QTest::keyClicks(f->txtSommaTot[2], "99999999999");
    t.a.fake.expectMsgBox(QStringLiteral("inserisci un numero tra -32768 e 32767 !"), vbOK);
    t.clic(f->txtSommaTot[3]);
    QApplication::processEvents();
    EXPECT_EQ(t.a.fake.msgBoxCall(-1).style, vbExclamation);
    EXPECT_EQ(QApplication::focusWidget(), f->txtSommaTot[2]);
    t.a.fake.expectMsgBox(QStringLiteral("inserisci un numero tra -32768 e 32767 !"), vbOK);
    t.clic(f->cmdOkSomme);
    QApplication::processEvents();
    EXPECT_TRUE(f->fraSomme->isVisible());
    EXPECT_EQ(f->Stato.SommeCercate, (std::array<int, 6>{0, 500, 0, 0, 0, 0}));
    EXPECT_EQ(f->txtRiepilogoSomma[2]->text(), "0");
    EXPECT_EQ(t.a.fake.msgBoxCalls().size(), 2u);

    // The distances panel switches the sums off even with nothing confirmed;
    // the box it leaves is not checked on the way.
    f->mnuMostraDistanze->trigger();
    EXPECT_FALSE(f->Stato.TrovaSomme);
    EXPECT_FALSE(f->fraSomme->isVisible());
    EXPECT_TRUE(f->fraDistanze->isVisible());
    QTest::keyClicks(f->txtDistanzaTot[0], "-90");   // digits only here too
    vbSetText(f->txtDistanzaTot[1], QStringLiteral("30"));
    vbSetText(f->txtDistanzaTot[5], QStringLiteral("89"));
    t.clic(f->cmdOkDistanze);
    EXPECT_TRUE(f->Stato.TrovaDistanze);
    EXPECT_EQ(f->txtRiepilogoDistanza[0]->text(), "90");
    // Within rows only: 30-60 on Bari (not 60 with Cagliari's 90), 90-1 on Cagliari.
    EXPECT_EQ(f->lblTotaleDistanza[0]->text(), "0");
    EXPECT_EQ(f->lblTotaleDistanza[1]->text(), "1");
    EXPECT_EQ(f->lblTotaleDistanza[5]->text(), "1");
    EXPECT_EQ(t.sfondo(1), ColoriTrova(1)[0]);
    EXPECT_EQ(t.sfondo(8), ColoriTrova(5)[0]);
    EXPECT_EQ(t.a.fake.msgBoxCalls().size(), 2u);
}

TEST(frmConsultaEstrazioniTrova, NumbersPanelListsWhatTheRedrawsFound)
{
    Tabellone t;
    frmConsultaEstrazioni* f = t.f;
    f->mnuMostraNumeri->trigger();
    EXPECT_TRUE(f->fraTrovaNumeri->isVisible());
    EXPECT_TRUE(f->fraRiepilogoNumeri->isVisible());
    t.clic(f->chkNumero[90]);
    ASSERT_TRUE(f->chkNumero[90]->isChecked());
    EXPECT_EQ(vbForeColor(f->chkNumero[90]), 0x0000FFu);
    t.clic(f->chkNumero[5]);
    t.clic(f->cmdOk);
    EXPECT_FALSE(f->fraTrovaNumeri->isVisible());
    EXPECT_EQ(t.sfondo(7), 0x000000u);
    ASSERT_EQ(f->ListViewNumeri->count(), 2);
    EXPECT_EQ(f->ListViewNumeri->item(1)->text(0), "  5");
    EXPECT_EQ(ReportListView::subItem(f->ListViewNumeri->item(1), 1), "   0");
    EXPECT_EQ(ReportListView::subItem(f->ListViewNumeri->item(2), 1), "   1");
    t.clic(f->cmdPrecedente);
    EXPECT_EQ(ReportListView::subItem(f->ListViewNumeri->item(2), 1), "   2");

    // Clearing the boxes keeps the chosen numbers: the next redraw counts from 0.
    t.clic(f->cmdElimina);
    EXPECT_FALSE(f->chkNumero[90]->isChecked());
    EXPECT_EQ(vbForeColor(f->chkNumero[90]), 0xFF0000u);
    EXPECT_EQ(f->ListViewNumeri->count(), 0);
    t.clic(f->cmdSuccessiva);
    EXPECT_EQ(ReportListView::subItem(f->ListViewNumeri->item(2), 1), "   1");

    // Nothing ticked: both frames go and nothing is marked.
    f->mnuMostraNumeri->trigger();
    t.clic(f->cmdOk);
    EXPECT_FALSE(f->fraRiepilogoNumeri->isVisible());
    EXPECT_FALSE(f->Stato.TrovaNumeri);
    EXPECT_EQ(t.sfondo(7), kSfondoCella);

    // Another display mode hides the panels and disables their commands.
    f->mnuMostraNumeri->trigger();
    t.clic(f->optTipoVis[1]);
    EXPECT_FALSE(f->fraTrovaNumeri->isVisible());
    EXPECT_FALSE(f->mnuMostraSomme->isEnabled());
}

TEST(frmConsultaEstrazioniTrova, EveryNumberBoxShowsItsWholeNumberAndThePanelFitsTheBoard)
{
    Tabellone t;
    frmConsultaEstrazioni* f = t.f;
    f->mnuMostraNumeri->trigger();
    for (const bool ridotta : {false, true}) {
        if (ridotta)
            t.clic(f->cmdResize);
        ASSERT_EQ(f->FormaRidotta(), ridotta);
        QGroupBox* p = f->fraTrovaNumeri;
        const QRect pannello(p->mapTo(f, QPoint(0, 0)), p->size());
        EXPECT_TRUE(f->rect().contains(pannello)) << ridotta;
        EXPECT_FALSE(p->geometry().intersects(f->fraRiepilogoNumeri->geometry())) << ridotta;
        std::vector<QWidget*> posati{f->cmdOk, f->cmdElimina};
        for (int n = 1; n <= 90; ++n) {
            QCheckBox* c = f->chkNumero[n];
            QStyleOptionButton o;
            o.initFrom(c);
            o.text = c->text();
            const QRect testo = c->style()->subElementRect(QStyle::SE_CheckBoxContents, &o, c);
            EXPECT_LE(c->fontMetrics().horizontalAdvance(c->text()), testo.width()) << n;
            EXPECT_TRUE(p->contentsRect().contains(c->geometry())) << n;
            for (QWidget* w : posati)
                EXPECT_FALSE(c->geometry().intersects(w->geometry())) << n << ' ' << qPrintable(w->objectName());
            posati.push_back(c);
        }
        EXPECT_TRUE(p->contentsRect().contains(f->cmdOk->geometry()));
        EXPECT_TRUE(p->contentsRect().contains(f->cmdElimina->geometry()));
    }
    // Read in order, left to right and down.
    for (int n = 2; n <= 90; ++n) {
        const QRect a = f->chkNumero[n - 1]->geometry(), b = f->chkNumero[n]->geometry();
        EXPECT_TRUE((b.top() == a.top() && b.left() > a.left()) || b.top() > a.top()) << n;
    }
    t.clic(f->chkNumero[88]);
    t.clic(f->cmdOk);
    ASSERT_EQ(f->ListViewNumeri->count(), 1);
    EXPECT_EQ(f->ListViewNumeri->item(1)->text(0), " 88");

    // At a larger font the panel grows down over the top of its summary: it
    // stays within the board and above the summary, its buttons in reach.
    auto* g = TabelloneAFontGrande();
    g->mnuMostraNumeri->trigger();
    QGroupBox* p = g->fraTrovaNumeri;
    ASSERT_TRUE(p->geometry().intersects(g->fraRiepilogoNumeri->geometry()));
    EXPECT_TRUE(g->rect().contains(QRect(p->mapTo(g, QPoint(0, 0)), p->size())));
    for (QWidget* w : {static_cast<QWidget*>(g->cmdOk), static_cast<QWidget*>(g->cmdElimina),
                       static_cast<QWidget*>(g->chkNumero[90])})
        EXPECT_EQ(g->childAt(w->mapTo(g, w->rect().center())), w) << qPrintable(w->objectName());
}

TEST(frmConsultaEstrazioniTrova, OpeningAnotherPanelStopsTheSearchWithoutARedraw)
{
    Tabellone t;
    frmConsultaEstrazioni* f = t.f;
    f->mnuMostraNumeri->trigger();
    t.clic(f->chkNumero[90]);
    t.clic(f->cmdOk);
    ASSERT_EQ(t.sfondo(7), 0x000000u);
    f->mnuMostraSomme->trigger();
    EXPECT_FALSE(f->Stato.TrovaNumeri);
    EXPECT_FALSE(f->fraRiepilogoNumeri->isVisible());
    EXPECT_TRUE(f->fraSomme->isVisible());
    EXPECT_EQ(t.sfondo(7), 0x000000u);   // until the next redraw
    t.clic(f->cmdPrecedente);
    EXPECT_TRUE(t.marcate().empty());
    // The targets typed in a hidden panel wait there.
    QTest::keyClicks(f->txtSommaTot[3], "45");
    f->mnuMostraDistanze->trigger();
    f->mnuMostraSomme->trigger();
    EXPECT_EQ(f->txtSommaTot[3]->text(), "45");
}

} // namespace
