#include "archivio/frmEvidenziaElenco.h"
#include "archivio/frmElenco.h"
#include "archivio/frmElencoGriglia.h"
#include "archivio/modElenco.h"
#include "compat/ui/Colors.h"
#include "compat/ui/Controls.h"
#include "shell/modAspetto.h"
#include "support/ui/AmbienteServizi.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace compat;

namespace {

struct Ambiente : AmbienteServizi {
    Ambiente() : AmbienteServizi(estrazioniCasuali(QDate(2001, 1, 2), 80, 3, 6)) { CaricaNomiRuote(); }
    // The table, then its settings window through the "Evidenzia..." button.
    void apri()
    {
        tabella = Forms::get<frmElenco>();
        tabella->vbShow();
        QTest::mouseClick(tabella->cmdSettaggi, Qt::LeftButton);
        f = Forms::find<frmEvidenziaElenco>();
        ASSERT_NE(f, nullptr);
    }
    void clic(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
    int selezionati() const { return int(std::count(NumeriEvidenziati.begin(), NumeriEvidenziati.end(), true)); }
    frmElenco* tabella = nullptr;
    frmEvidenziaElenco* f = nullptr;
};

TEST(frmEvidenziaElenco, OpensClearedWithSingleNumbersAsMinimum)
{
    Ambiente a;
    NumeriEvidenziati[7] = true;
    ModoEvidenzia = 3;
    a.apri();
    EXPECT_TRUE(a.f->isVisible());
    EXPECT_EQ(a.f->parentWidget(), a.tabella);
    EXPECT_EQ(a.f->windowTitle(), "Evidenzia in elenco estrazioni Lotto");
    EXPECT_EQ(a.selezionati(), 0);
    EXPECT_EQ(ModoEvidenzia, 0);
    EXPECT_EQ(SorteMinima, 1);
    EXPECT_EQ(a.f->lblSelezionati->text(), " 0");
    EXPECT_EQ(a.f->cboSorte->count(), 5);
    EXPECT_EQ(a.f->cboSorte->itemText(1), "Ambi    ");
    for (QPushButton* b : a.f->cmdNumero)
        EXPECT_FALSE(b->isEnabled());
    EXPECT_EQ(a.f->lblTabella[0]->text(), "1");
    EXPECT_EQ(a.f->lblTabella[89]->text(), "90");
}

TEST(frmEvidenziaElenco, FormationsAddToTheSelection)
{
    Ambiente a;
    a.apri();
    a.clic(a.f->cmdFormazione[0]); // Cadenza
    EXPECT_TRUE(a.f->cmdNumero[0]->isEnabled());
    a.clic(a.f->cmdNumero[1]);
    a.clic(a.f->cmdNumero[2]);
    EXPECT_EQ(a.selezionati(), 18);
    EXPECT_EQ(a.f->lblSelezionati->text(), "18");
    a.clic(a.f->cmdFormazione[1]); // Decina
    EXPECT_FALSE(a.f->cmdNumero[9]->isEnabled());
    a.clic(a.f->cmdNumero[0]);
    EXPECT_EQ(a.selezionati(), 26); // 3..10 added, 1 and 2 kept
    EXPECT_EQ(vbBackColor(a.f->lblTabella[2]), ColoriSfondoElenco[0]);
    EXPECT_EQ(vbForeColor(a.f->lblTabella[2]), ColoriTestoElenco[0]);
    EXPECT_EQ(vbBackColor(a.f->lblTabella[12]), 0xFFFFFFu); // 13: none of them
    a.clic(a.f->cmdFormazione[3]); // Gemelli: at once
    EXPECT_TRUE(NumeriEvidenziati[55] && NumeriEvidenziati[88]);
    EXPECT_EQ(a.f->lblSelezionati->text(), "32"); // 11 and 22 were in
    for (QPushButton* b : a.f->cmdNumero)
        EXPECT_FALSE(b->isEnabled());
    // SorteMinima changes keep the selection and the mode.
    a.f->cboSorte->setCurrentIndex(2);
    EXPECT_EQ(SorteMinima, 3);
    EXPECT_EQ(a.selezionati(), 32);
}

TEST(frmEvidenziaElenco, NumberLabelsTogglePairModesClear)
{
    Ambiente a;
    a.apri();
    a.clic(a.f->cmdFormazione[6]); // Controfigura
    a.clic(a.f->lblTabella[11]);   // 12
    EXPECT_TRUE(NumeriEvidenziati[12]);
    EXPECT_EQ(vbBackColor(a.f->lblTabella[11]), ColoriSfondoElenco[1]);
    for (QPushButton* b : a.f->cmdNumero)
        EXPECT_FALSE(b->isEnabled());
    const int cella = [&] {
        for (int c = 1; c <= kCelleElenco; ++c)
            if (a.tabella->lblGrid->didascalia(c) == "12")
                return c;
        return 0;
    }();
    ASSERT_GT(cella, 0);
    EXPECT_TRUE(a.tabella->lblGrid->grassetto(cella));
    a.clic(a.f->cmdFormazione[4]); // Vertibili
    EXPECT_EQ(ModoEvidenzia, 4);
    EXPECT_FALSE(a.f->cboSorte->isEnabled());
    EXPECT_EQ(a.selezionati(), 0);
    EXPECT_EQ(vbBackColor(a.f->lblTabella[11]), 0xFFFFFFu);
    a.clic(a.f->cmdRipetuti[2]);
    EXPECT_EQ(ModoEvidenzia, 2);
    a.clic(a.f->lblTabella[0]);
    EXPECT_EQ(ModoEvidenzia, 0);
    EXPECT_TRUE(a.f->cboSorte->isEnabled());
    a.clic(a.f->lblTabella[0]);
    EXPECT_FALSE(NumeriEvidenziati[1]);
    EXPECT_EQ(vbBackColor(a.f->lblTabella[0]), 0xFFFFFFu);
}

TEST(frmEvidenziaElenco, ClosingKeepsTheHighlightingAndReopeningClearsIt)
{
    Ambiente a;
    a.apri();
    a.clic(a.f->cmdRipetuti[1]);
    vbUnload(a.f);
    EXPECT_EQ(ModoEvidenzia, 1);
    EXPECT_EQ(Forms::find<frmEvidenziaElenco>(), nullptr);
    a.clic(a.tabella->cmdSettaggi);
    EXPECT_EQ(ModoEvidenzia, 0);
}

TEST(frmEvidenziaElenco, WithoutTheTableARepaintDoesNothing)
{
    Ambiente a;
    auto* f = Forms::get<frmEvidenziaElenco>();
    f->vbShow();
    QTest::mouseClick(f->lblTabella[4], Qt::LeftButton);
    EXPECT_TRUE(NumeriEvidenziati[5]);
    a.clic(f->cmdFormazione[5]);
    EXPECT_EQ(ModoEvidenzia, 5);
    EXPECT_EQ(Forms::find<frmElenco>(), nullptr);
}

} // namespace
