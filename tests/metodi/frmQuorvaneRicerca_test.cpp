#include "compat/vbdate.h"
#include "compat/ui/Controls.h"
#include "compat/ui/ReportListView.h"
#include "core/ArchivioMemoria.h"
#include "core/CalendarioEstrazioni.h"
#include "metodi/RicercaMetodi.h"
#include "metodi/frmQuorvane.h"
#include "shell/modArchivio.h"
#include "shell/modCalendario.h"
#include "shell/modElaborazione.h"
#include "shell/modRestrizioni.h"
#include "support/ui/AmbienteServizi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <set>

using namespace compat;

namespace {

// Weekly draws from Saturday 04/01/2003; the Nazionale from 04/05/2005.
const QDate kPrima(2003, 1, 4);
int numeroDi(QDate d)
{
    return int(kPrima.daysTo(d) / 7) + 1;
}

struct Finestra {
    AmbienteServizi a{estrazioniCasuali(kPrima, 300, 7, 13)};
    frmQuorvane* f;
    Finestra()
    {
        LeggiRestrizioni();
        f = Forms::get<frmQuorvane>();
        f->vbShow();
    }
    // "Numeri usciti il" on one search wheel, by clicks.
    void sceltaData(int ruota, QDate data)
    {
        for (int i = 0; i <= 11; ++i)
            f->chkRuota[size_t(i)]->setChecked(i == ruota);
        QTest::mouseClick(f->optTipo[2], Qt::LeftButton, {}, QPoint(6, f->optTipo[2]->height() / 2));
        EXPECT_TRUE(f->optTipo[2]->isChecked());
        EXPECT_TRUE(f->DTPRicerca->isEnabled());
        vbSetDate(f->DTPRicerca, data);
    }
};

} // namespace

TEST(frmQuorvaneRicerca, TheNumbersDrawnOnTheDrawBeforeADateAreTheSpias)
{
    Finestra w;
    frmQuorvane* f = w.f;
    const QDate estratta = kPrima.addDays(7 * 250);
    w.sceltaData(1, estratta.addDays(3));
    QTest::mouseClick(f->cmdCalcola, Qt::LeftButton);

    // The picker shows the draw used; the rows are the engine's for that draw.
    EXPECT_EQ(f->DTPRicerca->date(), estratta);
    EXPECT_EQ(f->lblSortite->text(), "");
    EXPECT_FALSE(ElaborazioneInCorso);
    ASSERT_GT(f->ListViewOrdin2->count(), 0);

    ParametriRicerca p;
    p.numeriUscitiIl = true;
    p.estrazioneData = numeroDi(estratta);
    p.estrazioneInizio = numeroDi(f->DTPickerDa->date());
    p.estrazioneFine = numeroDi(f->DTPickerA->date());
    p.ruoteRicerca[1] = true;
    p.ruoteGioco[1] = true;
    ASSERT_TRUE(controllaParametri(p).ok());
    const CalendarioMensile calendario{IndiceMensile, UltimaDelMese, f->IndiceMassimo};
    const EsitoRicerca e = cercaMetodi(*vistaArchivio(Archivio()), RestrizioniAttive(), calendario, p);
    ASSERT_EQ(f->ListViewOrdin2->count(), int(e.righe.size()));
    std::set<int> bari;
    for (int q = 1; q <= 5; ++q)
        bari.insert(Archivio().leggi(numeroDi(estratta)).numero(1, q));
    for (int i = 1; i <= f->ListViewOrdin2->count(); ++i) {
        const QTreeWidgetItem* r = f->ListViewOrdin2->item(i);
        EXPECT_EQ(ReportListView::tag(r), e.righe[size_t(i - 1)].codice);
        EXPECT_EQ(r->text(3), e.righe[size_t(i - 1)].numero);
        EXPECT_TRUE(bari.count(r->text(3).trimmed().toInt())) << r->text(3).toStdString();
    }
}

TEST(frmQuorvaneRicerca, ADateOutsideTheArchiveOrAWheelWithoutNumbersSearchesNothing)
{
    {
        Finestra w;
        w.sceltaData(1, kPrima.addDays(-10));
        w.a.fake.expectMsgBox("La data non può essere inferiore alla data inizio gestione archivi ("
                                  + vbDateText(kPrima) + ")",
                              vbOK);
        QTest::mouseClick(w.f->cmdCalcola, Qt::LeftButton);
        EXPECT_EQ(w.f->ListViewOrdin2->count(), 0);
        EXPECT_FALSE(ElaborazioneInCorso);
    }
    {
        // The Nazionale on a date before it existed: no number, no spia.
        Finestra w;
        vbSetDate(w.f->DTPickerDa, kPrima);
        w.sceltaData(11, QDate(2004, 6, 5));
        QTest::mouseClick(w.f->cmdCalcola, Qt::LeftButton);
        EXPECT_EQ(w.f->ListViewOrdin2->count(), 0);
        EXPECT_FALSE(ElaborazioneInCorso);
    }
    {
        // No search wheel: one must be chosen.
        Finestra w;
        w.sceltaData(1, QDate(2006, 6, 3));
        w.f->chkRuota[1]->setChecked(false);
        EXPECT_TRUE(w.f->optTipo[2]->isChecked());
        w.a.fake.expectMsgBox("Scegliere una sola ruota di ricerca !", vbOK);
        QTest::mouseClick(w.f->cmdCalcola, Qt::LeftButton);
        EXPECT_EQ(w.f->ListViewOrdin2->count(), 0);
    }
}

// The draw of the date is looked up before the number of cases is asked for:
// a refused date is told alone, and a refused number of cases comes after
// the picker moved onto the draw found.
TEST(frmQuorvaneRicerca, TheDateIsLookedUpBeforeTheNumberOfCases)
{
    Finestra w;
    frmQuorvane* f = w.f;
    QTest::mouseClick(f->optPeriodo[1], Qt::LeftButton, {}, QPoint(6, f->optPeriodo[1]->height() / 2));
    ASSERT_TRUE(f->optPeriodo[1]->isChecked());
    f->cboSortite->setEditText(QStringLiteral("0"));
    w.sceltaData(1, kPrima.addDays(-10));
    w.a.fake.expectMsgBox("La data non può essere inferiore alla data inizio gestione archivi ("
                              + vbDateText(kPrima) + ")",
                          vbOK);
    QTest::mouseClick(f->cmdCalcola, Qt::LeftButton);
    EXPECT_EQ(w.a.fake.msgBoxCalls().size(), 1u);
    EXPECT_FALSE(ElaborazioneInCorso);

    const QDate estratta = kPrima.addDays(7 * 250);
    vbSetDate(f->DTPRicerca, estratta.addDays(3));
    w.a.fake.expectMsgBox("Inserire il n. di sortite da ricercare!", vbOK);
    QTest::mouseClick(f->cmdCalcola, Qt::LeftButton);
    EXPECT_EQ(w.a.fake.msgBoxCalls().size(), 2u);
    EXPECT_EQ(w.a.fake.msgBoxCall(-1).style, vbExclamation);
    EXPECT_EQ(f->DTPRicerca->date(), estratta);
    EXPECT_EQ(f->ListViewOrdin2->count(), 0);
    EXPECT_FALSE(ElaborazioneInCorso);
}
