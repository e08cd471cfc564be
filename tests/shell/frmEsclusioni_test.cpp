#include "compat/ui/Controls.h"
#include "shell/frmEsclusioni.h"
#include "shell/frmMain.h"
#include "support/ui/AmbienteServizi.h"
#include "LimiteFile.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace compat;

namespace {

QString giorniSpuntati(const frmEsclusioni* f)
{
    QString s;
    for (int i = 1; i <= 7; ++i)
        s += f->chkDay[i]->isChecked() ? u'Y' : u'N';
    return s;
}

TEST(frmEsclusioni, DefaultsAndConfirm)
{
    AmbienteServizi a(estrazioniCasuali(QDate(2001, 1, 2), 20, 7, 1));
    auto* f = Forms::get<frmEsclusioni>();
    f->vbShow();
    EXPECT_EQ(giorniSpuntati(f), "NNYNYNY");
    EXPECT_TRUE(f->chkLoadTipsAtStartup->isChecked());

    // No day ticked: refused, nothing stored, the window stays.
    for (int i : {3, 5, 7})
        QTest::mouseClick(f->chkDay[i], Qt::LeftButton);
    EXPECT_EQ(giorniSpuntati(f), "NNNNNNN");
    a.fake.expectMsgBox("E' necessario selezionare almeno un giorno estrazione!", vbOK);
    QTest::mouseClick(f->cmdOk, Qt::LeftButton);
    EXPECT_TRUE(f->isLoaded());
    EXPECT_EQ(a.ini("Options", "Giorni estrazione"), "<assente>");

    QTest::mouseClick(f->chkDay[1], Qt::LeftButton);
    QTest::mouseClick(f->chkLoadTipsAtStartup, Qt::LeftButton);
    QTest::mouseClick(f->cmdOk, Qt::LeftButton);
    EXPECT_FALSE(f->isLoaded());
    EXPECT_EQ(a.ini("Options", "Giorni estrazione"), "YNNNNNN");
    EXPECT_EQ(a.ini("Options", "Show Tips at Startup"), "0");

    // Reopened: the stored values; a plain confirm stores them again.
    f = Forms::get<frmEsclusioni>();
    EXPECT_EQ(giorniSpuntati(f), "YNNNNNN");
    EXPECT_FALSE(f->chkLoadTipsAtStartup->isChecked());
    vbPress(f->cmdHelp);
    EXPECT_EQ(a.fake.shellCall(-1), "help.context 3020");
    vbPress(f->cmdOk);
    EXPECT_EQ(a.ini("Options", "Show Tips at Startup"), "0");
}

// A day unticked and the program closed on a full disk: every setting stays,
// and nothing is said.
TEST(frmEsclusioni, OnAFullDiskTheSettingsFileStaysAsItWas)
{
    AmbienteServizi a(estrazioniCasuali(QDate(2001, 1, 2), 20, 7, 1));
    const QByteArray prima = "[Options]\r\nGiorni estrazione=NNYNYNY\r\nShow Tips at Startup=1\r\n"
                             "[Forms]\r\nMainLeft=1200\r\nMainTop=900\r\nMainWidth=9300\r\n"
                             "MainHeight=6000\r\nfrmOpzioniLeft=1000\r\n";
    a.cartella.scriviFile(QStringLiteral("Quorvane.ini"), prima);
    InizializzazioneFatta = false;
    auto* main = Forms::get<frmMain>();
    main->vbShow();
    {
        LimiteFile disco(26);
        main->mnuStrumentiOpzioni->trigger();
        auto* f = Forms::find<frmEsclusioni>();
        ASSERT_NE(f, nullptr);
        QTest::mouseClick(f->chkDay[7], Qt::LeftButton);
        QTest::mouseClick(f->cmdOk, Qt::LeftButton);
        EXPECT_FALSE(f->isLoaded());
        EXPECT_THROW(vbUnload(main), ProcessEnded);
    }
    EXPECT_EQ(a.cartella.leggiFile(QStringLiteral("Quorvane.ini")), prima);
    EXPECT_TRUE(a.fake.msgBoxCalls().empty());
}

} // namespace
