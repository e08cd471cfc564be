#include "compat/vbdate.h"
#include "compat/ui/Controls.h"
#include "shell/frmDati.h"
#include "shell/modElaborazione.h"
#include "support/ui/AmbienteServizi.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

using namespace compat;

namespace {

std::vector<RecEstrazione> archivio()
{
    return estrazioniCasuali(QDate(2001, 1, 2), 100, 3, 7);
}

TEST(frmDati, ARejectedDateRestoresThePickersAndKeepsTheComputationGuard)
{
    AmbienteServizi a(archivio());
    CalcoloScope calcolo;
    auto* f = Forms::get<frmDati>();
    f->vbShow();
    // No settings: the start 6998 stops at the archive's end, the end follows.
    EXPECT_EQ(f->SliderDal->value(), 100);
    EXPECT_EQ(f->SliderAl->value(), 100);
    f->SliderDal->setValue(40);
    EXPECT_EQ(f->txtNumEstrazioneInizio->text(), "40");
    EXPECT_EQ(a.ini("Settings", "InizioRicerca"), "40");

    a.fake.expectMsgBox("La data non può essere inferiore alla data inizio gestione archivi "
                        "(02/01/2001)",
                        vbOK);
    vbSetDate(f->dtpDataInizio, QDate(2000, 6, 1));
    EXPECT_EQ(f->dtpDataInizio->date(), *vbCDate(DataEstrazione(40)));
    EXPECT_EQ(f->SliderDal->value(), 40);
    EXPECT_TRUE(CalcoloInCorso());

    // Locked span: a start step carries the end along.
    f->SliderAl->setValue(60);
    QTest::mouseClick(f->chkLock, Qt::LeftButton);
    QTest::mouseClick(f->cmdCambioData[3], Qt::LeftButton);
    EXPECT_EQ(f->SliderDal->value(), 50);
    EXPECT_EQ(f->SliderAl->value(), 70);
    EXPECT_EQ(a.ini("Settings", "FineRicerca"), "70");
    EXPECT_EQ(a.ini("Settings", "Blocco"), "Y");
    EXPECT_EQ(a.ini("Settings", "UltimaEstrazione"), "N");

    // A typed number is taken on leaving the box, a fraction rounded.
    vbSetText(f->txtNumEstrazioneInizio, "45.6");
    QFocusEvent uscita(QEvent::FocusOut);
    QCoreApplication::sendEvent(f->txtNumEstrazioneInizio, &uscita);
    EXPECT_EQ(f->SliderDal->value(), 46);
    EXPECT_EQ(f->SliderAl->value(), 66);
    EXPECT_EQ(a.ini("Settings", "InizioRicerca"), "46");

    // A number past the largest Double stops at the slider's end, with no
    // unexpected-error box (the platform double fails on any box not scripted).
    QTest::mouseClick(f->chkLock, Qt::LeftButton);
    f->txtNumEstrazioneFine->selectAll();
    QTest::keyClicks(f->txtNumEstrazioneFine, "1e400");
    QCoreApplication::sendEvent(f->txtNumEstrazioneFine, &uscita);
    EXPECT_EQ(f->SliderAl->value(), 100);
    EXPECT_EQ(a.ini("Settings", "FineRicerca"), "100");
}

} // namespace
