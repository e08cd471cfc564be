#include "compat/ui/Controls.h"
#include "shell/frmElaborazioni.h"
#include "shell/modElaborazione.h"
#include "support/ui/AmbienteServizi.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace compat;

namespace {

TEST(frmElaborazioni, UserCannotCloseItWhileAComputationRuns)
{
    AmbienteServizi a(estrazioniCasuali(QDate(2001, 1, 2), 20, 7, 1));
    {
        CalcoloScope calcolo;
        auto* f = Forms::get<frmElaborazioni>();
        f->vbShow();
        f->lblDescrizioneJob->setText("Analisi algoritmi...");

        // A date rejected meanwhile clears ElaborazioneInCorso: still refused.
        a.fake.expectMsgBox("La data non può essere inferiore alla data inizio gestione archivi "
                            "(02/01/2001)",
                            vbOK);
        CercaEstrazione("01/01/2001");
        EXPECT_FALSE(ElaborazioneInCorso);
        EXPECT_FALSE(f->close());
        EXPECT_TRUE(f->isVisible());

        QTest::mouseClick(f->cmdStop, Qt::LeftButton);
        EXPECT_TRUE(StopRicerca);
        EXPECT_TRUE(f->isLoaded());       // the search unloads it at its next poll
        EXPECT_TRUE(vbUnload(f, vbFormCode));
    }
    auto* f = Forms::get<frmElaborazioni>();
    f->vbShow();
    EXPECT_TRUE(f->close());             // nothing running: closes
    EXPECT_FALSE(f->isLoaded());
}

} // namespace
