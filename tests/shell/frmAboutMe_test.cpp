#include "shell/frmAboutMe.h"
#include "support/ui/AmbienteServizi.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace compat;

namespace {

TEST(frmAboutMe, ShowsVersionMailsTheMakerAndReportsAMissingTool)
{
    AmbienteServizi a(estrazioniCasuali(QDate(2001, 1, 2), 5, 7, 1));
    auto* f = Forms::get<frmAboutMe>();
    f->vbShow();
    EXPECT_EQ(f->lblVersion->text(), "Versione 2.5.0");
    EXPECT_EQ(f->lblMail->text(), IndirizzoMailAutore);
    EXPECT_EQ(f->lblMail->cursor().shape(), Qt::PointingHandCursor);

    QTest::mouseClick(f->lblMail, Qt::LeftButton);
    QTest::mouseClick(f->cmdSysInfo, Qt::LeftButton);
    EXPECT_EQ(a.fake.shellCalls(),
              QStringList({QStringLiteral("shell.mailTo ") + IndirizzoMailAutore,
                           QStringLiteral("shell.systemInfo")}));
    EXPECT_TRUE(a.fake.msgBoxCalls().empty());

    a.fake.setShellSucceeds(false);
    a.fake.expectMsgBox(QStringLiteral("Informazioni sul sistema non disponibili in questa fase."), vbOK);
    QTest::mouseClick(f->cmdSysInfo, Qt::LeftButton);
    ASSERT_EQ(a.fake.msgBoxCalls().size(), 1u);
    EXPECT_EQ(a.fake.msgBoxCalls()[0].style, vbOKOnly);

    QTest::mouseClick(f->cmdOk, Qt::LeftButton);
    EXPECT_FALSE(f->isLoaded());
}

} // namespace
