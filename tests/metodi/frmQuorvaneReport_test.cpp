#include "RiferimentoBacktest.h"
#include "compat/vbdate.h"
#include "compat/ui/Controls.h"
#include "metodi/frmDettaglioQuorvane.h"
#include "metodi/frmQuorvane.h"
#include "metodi/frmReportQuorvane.h"
#include "shell/modRestrizioni.h"
#include "support/ui/AmbienteServizi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace compat;

namespace {

// The hand-made archive of the back-test, after draws without the spia for
// the dates the window proposes on Load.
std::vector<RecEstrazione> archivio()
{
    using Ruota = std::pair<int, std::array<int, 5>>;
    std::vector<BozzaEstrazione> bozze;
    for (QDate x(1999, 1, 2); x < QDate(2024, 1, 2); x = x.addDays(30))
        bozze.push_back({x, {Ruota{1, {80, 81, 82, 83, 84}}, Ruota{6, {85, 86, 87, 88, 89}}}});
    const std::vector<BozzaEstrazione> noti = bozzeBacktestAMano();
    bozze.insert(bozze.end(), noti.begin(), noti.end());
    return componi(bozze);
}

struct Finestra {
    AmbienteServizi a{archivio()};
    frmQuorvane* f;
    Finestra()
    {
        LeggiRestrizioni();
        f = Forms::get<frmQuorvane>();
        for (int w = 0; w <= 11; ++w) {
            f->chkRuota[w]->setChecked(w == 1);
            f->chkRuotaG[w]->setChecked(w == 1 || w == 6);
        }
        vbSetDate(f->DTPickerDa, QDate(2024, 1, 2));
        vbSetDate(f->DTPickerA, QDate(2024, 1, 20));
        vbSetComboText(f->cboColpi, QStringLiteral(" 3"));
        f->chkUltime->setChecked(true);
        for (int q = 1; q <= 5; ++q)
            f->chkPosizioneA[q]->setChecked(true);
        f->txtCapoGioco->setText(QStringLiteral(" 1' su BA + 10"));
        f->txtCapoGioco->setProperty("Tag", QStringLiteral("101+0001000711111"));
        f->cmdReport[0]->setEnabled(true);
        f->vbShow();
    }
};

} // namespace

TEST(frmQuorvaneReport, SummaryShowsTheHeadingAndTheFiguresAndDropsTheDetails)
{
    Finestra w;
    QTest::mouseClick(w.f->cmdReport[0], Qt::LeftButton);
    auto* report = Forms::find<frmReportQuorvane>();
    ASSERT_NE(report, nullptr);
    EXPECT_TRUE(report->isVisible());
    const QStringList l = report->righe();
    ASSERT_GE(l.size(), 20);
    EXPECT_EQ(l[0], QStringLiteral("Quorvane"));
    EXPECT_EQ(l[2], QStringLiteral("Data inizio ricerca : 02/01/2024"));
    EXPECT_EQ(l[3], QStringLiteral("Data fine ricerca   : 20/01/2024"));
    EXPECT_TRUE(l.contains(QStringLiteral("Ruota/e di ricerca condizione : BA ")));
    EXPECT_TRUE(l.contains(QStringLiteral("Ruota/e di gioco :  BA NA")));
    EXPECT_TRUE(l.contains(QStringLiteral("Ambata/capogioco : 64")));   // 54 + 10 on the last draw
    EXPECT_TRUE(l.contains(QStringLiteral(" 1' su BA + 10")));
    EXPECT_EQ(l.mid(l.size() - 7),
              (QStringList{" Casi rilevati   :     2", " Casi favorevoli :     2 (100,0 %)",
                           " Casi negativi   :     0 (0,0 %)",
                           " Casi in gioco   :     0 (1 già sfaldato/i)",
                           " Ambate          :     3", " Ambi secchi     :     0",
                           " Attesa media    :   1,0 colpi"}));
    // The detail window was filled hidden and unloaded.
    EXPECT_EQ(Forms::find<frmDettaglioQuorvane>(), nullptr);
    // The play date shows the draw found.
    EXPECT_EQ(w.f->txtDataFine->text(), QStringLiteral("20/01/2024"));
}

TEST(frmQuorvaneReport, DetailButtonRunsTheBacktestAgainForTheWins)
{
    Finestra w;
    QTest::mouseClick(w.f->cmdReport[0], Qt::LeftButton);
    auto* report = Forms::find<frmReportQuorvane>();
    ASSERT_NE(report, nullptr);
    QTest::mouseClick(report->cmdDettaglio, Qt::LeftButton);
    auto* d = Forms::find<frmDettaglioQuorvane>();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->isVisible());
    ASSERT_EQ(d->righe(), 5);
    EXPECT_EQ(d->lvDettaglioVincite->model()->rowCount(), 5);
    EXPECT_EQ(d->testo(1, 0), QStringLiteral("14/01/2024"));
    EXPECT_EQ(d->testo(1, 2), QStringLiteral("C: 43"));
    EXPECT_EQ(d->testo(4, 0), QStringLiteral("\""));
    EXPECT_EQ(d->testo(4, 8), QStringLiteral("00005"));
    EXPECT_EQ(d->lblDescrizione->text(),
              QStringLiteral("Condizione di gioco: sortita del n. 07 in qualsiasi posizione su BA "));
    EXPECT_TRUE(d->lblDescrizione2->text().endsWith(QStringLiteral(" - Indice mensile: Tutti -")));

    // A new summary closes the open detail window and empties it.
    QTest::mouseClick(w.f->cmdReport[0], Qt::LeftButton);
    EXPECT_EQ(Forms::find<frmDettaglioQuorvane>(), nullptr);
}

TEST(frmQuorvaneReport, RefusedInputsEndBeforeEitherWindow)
{
    Finestra w;
    w.f->txtCapoGioco->setProperty("Tag", QString());
    w.a.fake.expectMsgBox(QStringLiteral("Inserire almeno il capogioco."), vbOK);
    QTest::mouseClick(w.f->cmdReport[0], Qt::LeftButton);
    EXPECT_EQ(w.a.fake.msgBoxCall(-1).style, vbOKOnly);

    w.f->txtCapoGioco->setProperty("Tag", QStringLiteral("101+0001000711111"));
    w.f->cboColpi->setEditText(QStringLiteral("0"));
    w.a.fake.expectMsgBox(QStringLiteral("Inserire il n. di colpi di gioco !"), vbOK);
    QTest::mouseClick(w.f->cmdReport[0], Qt::LeftButton);
    EXPECT_EQ(w.a.fake.msgBoxCall(-1).style, vbExclamation);
    EXPECT_EQ(Forms::find<frmReportQuorvane>(), nullptr);
    EXPECT_EQ(Forms::find<frmDettaglioQuorvane>(), nullptr);
}

// Numbers the search refuses as too large are refused here alike, with its
// messages, before the summary shows anything; a number of cases below 1 is
// no refusal (the run takes no case).
TEST(frmQuorvaneReport, HugeColpiOrCasesAreRefusedBeforeTheSummary)
{
    Finestra w;
    frmQuorvane* f = w.f;
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    auto digita = [](QComboBox* c, const char* testo) {
        c->setFocus();
        c->lineEdit()->selectAll();
        QTest::keyClicks(c, QString::fromLatin1(testo));
    };
    digita(f->cboColpi, "99999");
    w.a.fake.expectMsgBox(QStringLiteral("Inserire il n. di colpi di gioco !"), vbOK);
    QTest::mouseClick(f->cmdReport[0], Qt::LeftButton);
    EXPECT_EQ(w.a.fake.msgBoxCall(-1).style, vbExclamation);
    EXPECT_EQ(Forms::find<frmReportQuorvane>(), nullptr);

    digita(f->cboColpi, "3");
    QTest::mouseClick(f->optPeriodo[1], Qt::LeftButton, {}, QPoint(6, f->optPeriodo[1]->height() / 2));
    ASSERT_TRUE(f->optPeriodo[1]->isChecked());
    // The option emptied the results: the method made current again.
    f->txtCapoGioco->setProperty("Tag", QStringLiteral("101+0001000711111"));
    f->cmdReport[0]->setEnabled(true);
    digita(f->cboSortite, "99999");
    w.a.fake.expectMsgBox(QStringLiteral("Inserire il n. di sortite da ricercare!"), vbOK);
    QTest::mouseClick(f->cmdReport[0], Qt::LeftButton);
    EXPECT_EQ(w.a.fake.msgBoxCall(-1).style, vbExclamation);
    EXPECT_EQ(Forms::find<frmReportQuorvane>(), nullptr);
    EXPECT_EQ(Forms::find<frmDettaglioQuorvane>(), nullptr);

    digita(f->cboSortite, "0");
    QTest::mouseClick(f->cmdReport[0], Qt::LeftButton);
    auto* report = Forms::find<frmReportQuorvane>();
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->righe().value(2), QStringLiteral("0 sortite del numero spia al 20/01/2024"));
    EXPECT_TRUE(report->righe().contains(QStringLiteral(" Casi rilevati   :     0")));
}
