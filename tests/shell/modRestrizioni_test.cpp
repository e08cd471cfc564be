#include "compat/vbdate.h"
#include "compat/ui/Controls.h"
#include "compat/ui/Twips.h"
#include "shell/frmMain.h"
#include "shell/frmOpzioni.h"
#include "shell/modRestrizioni.h"
#include "support/ui/AmbienteServizi.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace compat;

namespace {

TEST(MostraRestrizioni, MainPanelFollowsAConfirm)
{
    AmbienteServizi a(estrazioniCasuali(QDate(2001, 1, 2), 60, 7, 3));
    // What every search asks of a draw on that date.
    const auto passa = [](QDate d) {
        return VerificaRestrizioni(toCompatta(d), char('0' + vbWeekday(d)));
    };
    auto* m = Forms::get<frmMain>();
    const auto visibile = [m](QWidget* w) { return w->isVisibleTo(m->Picture2); };
    EXPECT_TRUE(visibile(m->lblNessuna));
    EXPECT_EQ(vbHeight(m->Picture2), 1215);

    // Tuesday, Wednesday, Thursday and Saturday: in force, yet "Nessuna".
    auto* f = Forms::get<frmOpzioni>();
    f->chkGiorni->setChecked(true);
    for (int i = 1; i <= 7; ++i)
        f->chkDay[i]->setChecked(QStringLiteral("NNYYYNY")[i - 1] == u'Y');
    vbPress(f->cmdOk);
    EXPECT_TRUE(visibile(m->lblNessuna));
    EXPECT_FALSE(passa(QDate(2010, 8, 9)));   // a Monday

    f = Forms::get<frmOpzioni>();
    f->chkDay[1]->setChecked(true);
    f->chkMesi->setChecked(true);
    f->chkMese[8]->setChecked(false);
    vbPress(f->cmdOk);
    EXPECT_FALSE(visibile(m->lblNessuna));
    EXPECT_FALSE(visibile(m->lblRestrizioni[0]));
    EXPECT_TRUE(visibile(m->lblRestrizioni[1]));
    EXPECT_TRUE(visibile(m->lblRestrizioni[2]));
    EXPECT_FALSE(visibile(m->lblRestrizioni[3]));
    EXPECT_EQ(vbTop(m->lblRestrizioni[2]), 795);   // 790 twips, in whole pixels
    EXPECT_EQ(vbHeight(m->Picture2), 1770);        // 1775
    EXPECT_EQ(vbTop(m->cmdCambiaImpostazioniRestrizione), 1155);   // 1150
    EXPECT_FALSE(passa(QDate(2010, 8, 10)));

    // The panel's reading of the switches is the one the searches test.
    a.imposta("Restrizioni", "Mese", "N");
    MostraRestrizioni();
    EXPECT_TRUE(passa(QDate(2010, 8, 10)));
}

} // namespace
