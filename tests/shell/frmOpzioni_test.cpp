#include "compat/vbdate.h"
#include "compat/ui/Colors.h"
#include "compat/ui/Controls.h"
#include "compat/ui/Twips.h"
#include "shell/frmMain.h"
#include "shell/frmOpzioni.h"
#include "shell/modRestrizioni.h"
#include "support/ui/AmbienteServizi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace compat;

namespace {

std::vector<RecEstrazione> archivio()
{
    return estrazioniCasuali(QDate(2001, 1, 2), 60, 7, 3);
}

bool passa(QDate d)
{
    return VerificaRestrizioni(toCompatta(d), char('0' + vbWeekday(d)));
}

TEST(frmOpzioni, NoSectionOpensWithNothingInForce)
{
    AmbienteServizi a(archivio());
    auto* f = Forms::get<frmOpzioni>();
    EXPECT_FALSE(f->chkGiorni->isChecked());
    EXPECT_FALSE(f->chkMesi->isChecked());
    EXPECT_FALSE(f->chkPeriodo->isChecked());
    for (int i = 1; i <= 7; ++i)
        EXPECT_TRUE(f->chkDay[i]->isChecked() && !f->chkDay[i]->isEnabled()) << i;
    for (int i = 1; i <= 12; ++i)
        EXPECT_TRUE(f->chkMese[i]->isChecked() && !f->chkMese[i]->isEnabled()) << i;
    EXPECT_EQ(f->cboGiorno[0]->currentText(), "1");
    EXPECT_EQ(f->cboMese[0]->currentText(), "gennaio");
    EXPECT_EQ(f->cboGiorno[1]->currentText(), "31");
    EXPECT_EQ(f->cboMese[1]->currentText(), "dicembre");
    EXPECT_FALSE(f->cboMese[1]->isEnabled());
}

TEST(frmOpzioni, MonthsAndPeriodExcludeEachOther)
{
    AmbienteServizi a(archivio());
    auto* f = Forms::get<frmOpzioni>();
    f->vbShow();
    QTest::mouseClick(f->chkMesi, Qt::LeftButton);
    EXPECT_TRUE(f->chkMese[5]->isEnabled());
    QTest::mouseClick(f->chkPeriodo, Qt::LeftButton);
    EXPECT_FALSE(f->chkMesi->isChecked());
    EXPECT_FALSE(f->chkMese[5]->isEnabled());
    EXPECT_TRUE(f->cboGiorno[0]->isEnabled());
    EXPECT_EQ(vbBackColor(f->cboGiorno[0]), 0xFFFFFFu);
    vbSetComboText(f->cboMese[0], "marzo");
    QTest::mouseClick(f->chkMesi, Qt::LeftButton);
    EXPECT_FALSE(f->chkPeriodo->isChecked());
    EXPECT_EQ(f->cboMese[0]->currentText(), "gennaio");
    EXPECT_EQ(vbBackColor(f->cboGiorno[0]), 0x8000000Fu);
}

TEST(frmOpzioni, ConfirmStoresCorrectedDaysAndTakesEffectAtOnce)
{
    AmbienteServizi a(archivio());
    auto* f = Forms::get<frmOpzioni>();
    f->chkPeriodo->setChecked(true);
    vbSetComboText(f->cboGiorno[0], "31");
    vbSetComboText(f->cboMese[0], "aprile");
    vbSetComboText(f->cboGiorno[1], "30");
    vbSetComboText(f->cboMese[1], "febbraio");
    SalvaImpostazione({}, "Restrizioni", "Giorni", QStringLiteral("YNNNNNN"));
    vbPress(f->cmdOk);
    EXPECT_FALSE(f->isLoaded());
    EXPECT_EQ(f->cboGiorno[0]->currentText(), "30");
    EXPECT_EQ(f->cboGiorno[1]->currentText(), "28");
    EXPECT_EQ(a.ini("Restrizioni", "Dal"), "30aprile");
    EXPECT_EQ(a.ini("Restrizioni", "Al"), "28febbraio");
    EXPECT_EQ(a.ini("Restrizioni", "Periodo"), "Y");
    EXPECT_EQ(a.ini("Restrizioni", "Giorno"), "N");
    EXPECT_EQ(a.ini("Restrizioni", "Giorni"), "<assente>");   // removed
    EXPECT_EQ(a.ini("Restrizioni", "Mesi"), "<assente>");
    // Across the year end: January passes, March fails.
    EXPECT_TRUE(passa(QDate(2010, 1, 12)));
    EXPECT_FALSE(passa(QDate(2010, 3, 12)));
    // A month name in other letter case is still the month in the window.
    a.imposta("Restrizioni", "Dal", "05Marzo");
    f = Forms::get<frmOpzioni>();
    EXPECT_TRUE(f->chkPeriodo->isChecked());
    EXPECT_EQ(f->cboGiorno[0]->currentText(), "5");
    EXPECT_EQ(f->cboMese[0]->currentText(), "marzo");
    vbPress(f->cmdAnnulla);
    EXPECT_EQ(a.ini("Restrizioni", "Dal"), "05Marzo");   // nothing stored
    EXPECT_NE(a.ini("Forms", "frmOpzioniTop"), "<assente>");
}

} // namespace
