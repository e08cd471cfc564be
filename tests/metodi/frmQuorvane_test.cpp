#include "compat/vbdate.h"
#include "compat/ui/Controls.h"
#include "compat/ui/ReportListView.h"
#include "metodi/frmMultiRuota.h"
#include "metodi/frmQuorvane.h"
#include "shell/frmElaborazioni.h"
#include "shell/modRestrizioni.h"
#include "support/ui/AmbienteServizi.h"
#include "support/ui/DigitazioneProva.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>
#include <set>

using namespace compat;

namespace {

// Six draws closing the archive, only their Bari numbers mattering to a
// search on Bari for the spia 7 with 2 colpi: the spia comes out on D1 and
// D4, and 30 comes out twice in each window (D2-D3, D5-D6). So 7 + 23 = 30
// is present in both windows four times, and no other formula reaches that:
// every other (wheel, position) differs between D1 and D4.
const QDate kD1(2001, 6, 2);
std::vector<RecEstrazione> archivioNoto()
{
    std::vector<RecEstrazione> a = estrazioniCasuali(QDate(1999, 1, 2), 120, 7, 11);
    auto caso = [](QDate d, std::array<int, 5> bari, int scarto) {
        BozzaEstrazione b{d, {{1, bari}}};
        for (int r = 2; r <= 10; ++r) {
            std::array<int, 5> n;
            for (int p = 1; p <= 5; ++p)
                n[p - 1] = 8 * (p - 1) + r + 40 + scarto;
            b.ruote.push_back({r, n});
        }
        return b;
    };
    auto soloBari = [](QDate d, std::array<int, 5> bari) { return BozzaEstrazione{d, {{1, bari}}}; };
    const auto noti = componi({
        caso(kD1, {7, 11, 12, 13, 14}, 0),
        soloBari(kD1.addDays(7), {30, 21, 22, 23, 24}),
        soloBari(kD1.addDays(14), {30, 25, 26, 27, 28}),
        caso(kD1.addDays(21), {7, 41, 42, 43, 44}, 1),
        soloBari(kD1.addDays(28), {30, 51, 52, 53, 54}),
        soloBari(kD1.addDays(35), {30, 55, 56, 57, 58}),
    });
    a.insert(a.end(), noti.begin(), noti.end());
    return a;
}
const QDate kD6 = kD1.addDays(35);

struct Finestra {
    AmbienteServizi a;
    frmQuorvane* f;
    explicit Finestra(const std::vector<RecEstrazione>& estrazioni) : a(estrazioni)
    {
        LeggiRestrizioni();
        f = Forms::get<frmQuorvane>();
    }
    QStringList riga(int i) const
    {
        QStringList s;
        for (int c = 0; c <= 4; ++c)
            s << f->ListViewOrdin2->item(i)->text(c);
        return s;
    }
    // The search of the hand-made archive above.
    void cercaNoto()
    {
        vbSetDate(f->DTPickerDa, kD1);
        vbSetComboText(f->cboNumero, " 7");
        vbSetComboText(f->cboColpi, " 2");
        f->chkUltime->setChecked(true);
        vbPress(f->cmdCalcola);
    }
    // A click of the mouse on row i of the result list.
    void clic(int i)
    {
        f->vbShow();
        QTreeWidgetItem* r = f->ListViewOrdin2->item(i);
        f->ListViewOrdin2->scrollToItem(r);
        QTest::mouseClick(f->ListViewOrdin2->viewport(), Qt::LeftButton, {},
                          f->ListViewOrdin2->visualItemRect(r).center());
    }
    // A click of the mouse on a column header.
    void clicIntestazione(int colonna)
    {
        f->vbShow();
        QHeaderView* h = f->ListViewOrdin2->header();
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                          QPoint(h->sectionViewportPosition(colonna) + h->sectionSize(colonna) / 2,
                                 h->height() / 2));
    }
};

TEST(frmQuorvane, LoadsTheStoredChoicesAndStartsTheYearBeforeTheEnd)
{
    Finestra w(archivioNoto());
    frmQuorvane* f = w.f;
    EXPECT_TRUE(f->chkRuota[1]->isChecked());
    EXPECT_TRUE(f->chkRuotaG[1]->isChecked());
    EXPECT_EQ(f->DTPickerA->date(), kD6);
    EXPECT_EQ(f->txtDataFine->text(), vbDateText(kD6));
    EXPECT_EQ(f->DTPRicerca->date(), kD6);
    // Weekly draws: the first draw on or after the same day a year before.
    const QDate annoPrima = kD6.addYears(-1);
    EXPECT_GE(f->DTPickerDa->date(), annoPrima);
    EXPECT_LT(f->DTPickerDa->date(), annoPrima.addDays(7));

    EXPECT_EQ(f->cboIndice->itemText(0), "Tutti");
    EXPECT_EQ(f->cboIndice->itemText(f->IndiceMassimo + 1), "Ultima");
    EXPECT_EQ(f->cboIndice->count(), f->IndiceMassimo + 2);
    EXPECT_EQ(f->lblIndiceAl->text(), "1");   // kD6 is the first draw of July
    EXPECT_EQ(f->chkUltime->text(), "controllo delle ultime  6 estraz.");
    EXPECT_EQ(f->cboNumero->currentText(), " 1");
    EXPECT_EQ(f->cboSortite->currentText(), "10");
    EXPECT_TRUE(f->PosizioniValidita[0]);
    EXPECT_TRUE(RuoteRicercaMulti.isEmpty());

    EXPECT_TRUE(f->optTipo[2]->isEnabled());   // one search wheel
    EXPECT_TRUE(f->cmdRicercaAutomatica->isEnabled());
    EXPECT_TRUE(f->cmdSuccessiva->isEnabled());
    EXPECT_FALSE(f->fraRicercaAutomatica->isVisible());
}

// Daily draws from 01/01/1946 to 10/01/2000 (past the pickers' own date):
// draw n falls on day n.
const QDate kGiornaliere(1946, 1, 1);
std::vector<RecEstrazione> estrazioniGiornaliere()
{
    return estrazioniCasuali(kGiornaliere, static_cast<int>(kGiornaliere.daysTo(QDate(2000, 1, 10))) + 1,
                             1, 5);
}
int numeroDi(QDate d)
{
    return static_cast<int>(kGiornaliere.daysTo(d)) + 1;
}

TEST(frmQuorvane, TheStartMovesToTheDrawOneYearBeforeTheEnd)
{
    struct Caso {
        QDate fine;
        QDate inizio;
        const char* indice;
    };
    const Caso casi[] = {
        {QDate(1948, 1, 4), QDate(1947, 1, 4), "4"},   // not later than 04/01/1947: that date
        {QDate(1948, 1, 3), QDate(1947, 1, 4), "4"},
        {QDate(1948, 1, 5), QDate(1947, 1, 5), "5"},
        {QDate(1952, 2, 29), QDate(1951, 2, 28), "U"},
    };
    const std::vector<RecEstrazione> giornaliere = estrazioniGiornaliere();
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.fine.toString().toStdString());
        AmbienteServizi a(giornaliere);
        AmbienteServizi::imposta("Settings", "InizioRicerca", "200");
        AmbienteServizi::imposta("Settings", "FineRicerca", QString::number(numeroDi(c.fine)));
        frmQuorvane* f = Forms::get<frmQuorvane>();
        EXPECT_EQ(f->DTPickerA->date(), c.fine);
        EXPECT_EQ(f->DTPickerDa->date(), c.inizio);
        EXPECT_EQ(f->lblIndiceDal->text(), c.indice);
    }
}

TEST(frmQuorvane, AShortArchiveKeepsThePeriodInsideItAndTellsARefusedDateOnce)
{
    struct Caso {
        const char* nome;
        QDate primo;
        int quante;
        QDate inizio;   // the default start
    };
    const Caso casi[] = {
        {"ending before 1947", QDate(1930, 1, 4), 300, QDate(1934, 9, 29)},
        {"shorter than a year", QDate(1938, 1, 1), 20, QDate(1938, 1, 1)},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const auto estrazioni = estrazioniCasuali(c.primo, c.quante, 7, 3);
        const QDate ultima = *estrazioni.back().data();
        AmbienteServizi a(estrazioni);
        frmQuorvane* f = Forms::get<frmQuorvane>();   // no message at all
        EXPECT_EQ(f->DTPickerA->date(), ultima);
        EXPECT_EQ(f->DTPickerDa->date(), c.inizio);
        EXPECT_GE(f->DTPickerDa->date(), c.primo);
        EXPECT_FALSE(f->lblIndiceDal->text().isEmpty());

        // A date after the archive picked by the user: its Change and Click
        // look it up both, the message shows once.
        const QString dopo = QStringLiteral("La data non può essere superiore alla data ultima "
                                            "estrazione inserita (")
                             + vbDateText(ultima) + u')';
        a.fake.expectMsgBox(dopo, vbOK);
        f->DTPickerDa->setDate(ultima.addDays(30));
        EXPECT_EQ(a.fake.msgBoxCalls().size(), 1u);
        // Back inside, then out again: told again.
        f->DTPickerDa->setDate(c.primo);
        a.fake.expectMsgBox(dopo, vbOK);
        f->DTPickerDa->setDate(ultima.addDays(40));
        EXPECT_EQ(a.fake.msgBoxCalls().size(), 2u);
    }
}

TEST(frmQuorvane, TheEndPickerMovesThePlayDateAndOnlyTheUsersChangeClears)
{
    Finestra w(archivioNoto());
    frmQuorvane* f = w.f;
    w.cercaNoto();
    ASSERT_EQ(f->ListViewOrdin2->count(), 5);

    vbSetDate(f->DTPickerA, kD6.addDays(-7));
    EXPECT_EQ(f->txtDataFine->text(), vbDateText(kD6.addDays(-7)));
    EXPECT_EQ(f->DTPRicerca->date(), kD6.addDays(-7));
    EXPECT_EQ(f->ListViewOrdin2->count(), 5);

    f->DTPickerA->setDate(kD6);   // as the user's picker does
    EXPECT_EQ(f->txtDataFine->text(), vbDateText(kD6));
    EXPECT_EQ(f->DTPRicerca->date(), kD6);
    EXPECT_EQ(f->ListViewOrdin2->count(), 0);

    // A start on the last draw of its month shows "U".
    vbSetDate(f->DTPickerDa, QDate(2001, 6, 30));
    EXPECT_EQ(f->lblIndiceDal->text(), "U");
}

// The dates on the way to a typed one are not looked up: typing 30/06/2001
// over the last draw's 07/07/2001 passes through 30/07/2001, after the
// archive, which the lookup would refuse with a message mid-typing.
TEST(frmQuorvane, APeriodDateTypedOverAnotherIsLookedUpOnlyOnceWhole)
{
    Finestra w(archivioNoto());
    frmQuorvane* f = w.f;
    w.cercaNoto();
    ASSERT_EQ(f->ListViewOrdin2->count(), 5);
    f->vbShow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f));
    struct Caso {
        QDateEdit* picker;
        const char* digitato;
        QDate data;
    };
    const Caso casi[] = {{f->DTPickerA, "30/06/2001", QDate(2001, 6, 30)},
                         {f->DTPickerDa, "31/05/2001", QDate(2001, 5, 31)}};
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.digitato);
        clicNelTesto(c.picker, 1);
        digitaAlFuoco(c.digitato);
        EXPECT_TRUE(w.a.fake.msgBoxCalls().empty());
        EXPECT_EQ(c.picker->date(), c.data);
        EXPECT_EQ(f->ListViewOrdin2->count(), 0);   // the user's change clears
    }
    EXPECT_EQ(f->DTPRicerca->date(), QDate(2001, 6, 30));
    EXPECT_EQ(f->txtDataFine->text(), "30/06/2001");
    EXPECT_FALSE(f->lblIndiceDal->text().isEmpty());
    EXPECT_FALSE(f->lblIndiceAl->text().isEmpty());
}

TEST(frmQuorvane, TheSearchWheelCountDecidesTheOneWheelOptions)
{
    Finestra w(archivioNoto());
    frmQuorvane* f = w.f;
    // Bari alone, but a fixed spia selected at load: no date, no same position.
    EXPECT_EQ(f->ContaRuoteRicerca(), 1);
    EXPECT_TRUE(f->optTipo[0]->isChecked());
    EXPECT_FALSE(f->chkStessaPosizione->isEnabled());
    EXPECT_FALSE(f->DTPRicerca->isEnabled());
    EXPECT_TRUE(f->cboNumero->isEnabled());
    // A wheel clicked with one left: a number spia may keep its position, a
    // date may give the spias.
    f->chkRuota[2]->setChecked(true);
    f->chkRuota[2]->setChecked(false);
    EXPECT_TRUE(f->chkStessaPosizione->isEnabled());
    EXPECT_TRUE(f->DTPRicerca->isEnabled());
    f->chkStessaPosizione->setChecked(true);

    // A second wheel takes both away, and the search on a date with them.
    f->optTipo[2]->setChecked(true);
    f->chkRuota[11]->setChecked(true);
    EXPECT_EQ(f->ContaRuoteRicerca(), 2);
    EXPECT_TRUE(f->optTipo[0]->isChecked());
    EXPECT_FALSE(f->optTipo[2]->isEnabled());
    EXPECT_FALSE(f->DTPRicerca->isEnabled());
    EXPECT_FALSE(f->chkStessaPosizione->isEnabled());
    EXPECT_FALSE(f->chkStessaPosizione->isChecked());

    f->chkRuota[0]->setChecked(true);   // "Tutte" unticks the regional wheels
    EXPECT_FALSE(f->chkRuota[1]->isChecked());
    EXPECT_EQ(f->ContaRuoteRicerca(), 11);
    f->chkRuota[11]->setChecked(false);
    EXPECT_EQ(f->ContaRuoteRicerca(), 10);

    // One wheel again, but a sum spia has no positions to keep.
    f->optSpia[1]->setChecked(true);
    f->chkRuota[5]->setChecked(true);
    EXPECT_EQ(f->ContaRuoteRicerca(), 1);
    EXPECT_TRUE(f->DTPRicerca->isEnabled());
    EXPECT_FALSE(f->chkStessaPosizione->isEnabled());
}

TEST(frmQuorvane, ThePreviousDrawButtonStopsAtDraw18)
{
    AmbienteServizi a(estrazioniGiornaliere());
    frmQuorvane* f = Forms::get<frmQuorvane>();
    const QString giorno18 = vbDateText(kGiornaliere.addDays(17));
    vbSetText(f->txtDataFine, vbDateText(kGiornaliere.addDays(18)));
    vbPress(f->cmdPrecedente);
    EXPECT_EQ(f->txtDataFine->text(), giorno18);
    vbPress(f->cmdPrecedente);
    EXPECT_EQ(f->txtDataFine->text(), giorno18);

    // A refused date stays for the user to correct: no step from an unrelated draw.
    vbSetText(f->txtDataFine, "01/01/1900");
    a.fake.expectMsgBox("La data non può essere inferiore alla data inizio gestione archivi (01/01/1946)",
                        vbOK);
    vbPress(f->cmdPrecedente);
    EXPECT_EQ(f->txtDataFine->text(), "01/01/1900");
}

TEST(frmQuorvane, EveryOptionRelabelsItsControlsAndClearsTheResults)
{
    Finestra w(archivioNoto());
    frmQuorvane* f = w.f;
    w.cercaNoto();
    ASSERT_EQ(f->ListViewOrdin2->count(), 5);

    const std::vector<std::pair<const char*, std::function<void()>>> cambi = {
        {"optSpia_1", [&] { f->optSpia[1]->setChecked(true); }},
        {"optTipo_1", [&] { f->optTipo[1]->setChecked(true); }},
        {"optPeriodo_1", [&] { f->optPeriodo[1]->setChecked(true); }},
        {"cboColpi", [&] { vbSetComboText(f->cboColpi, "12"); }},
        {"cboNumero", [&] { vbSetComboText(f->cboNumero, " 9"); }},
        {"chkPosizioneA_2", [&] { f->chkPosizioneA[2]->setChecked(false); }},
        {"DTPickerDa", [&] { vbSetDate(f->DTPickerDa, kD1.addDays(7)); }},
        {"chkRuota_3", [&] { f->chkRuota[3]->setChecked(true); }},
        {"chkRuotaG_0", [&] { f->chkRuotaG[0]->setChecked(true); }},
    };
    for (const auto& [nome, cambia] : cambi) {
        SCOPED_TRACE(nome);
        f->ListViewOrdin2->addItem("x");
        vbSetText(f->txtCapoGioco, "x");
        f->txtCapoGioco->setProperty("Tag", "101+000230");
        f->lblCapo->setText("53");
        f->cmdReport[0]->setEnabled(true);
        cambia();
        EXPECT_EQ(f->ListViewOrdin2->count(), 0);
        EXPECT_EQ(f->txtCapoGioco->text(), "");
        EXPECT_EQ(f->txtCapoGioco->property("Tag").toString(), "");
        EXPECT_EQ(f->lblCapo->text(), "");
        EXPECT_FALSE(f->cmdReport[0]->isEnabled());
    }

    // What the changes above did besides.
    EXPECT_EQ(f->lblDescriviRicerca->text(), "sortite della somma spia");
    EXPECT_EQ(f->optTipo[0]->text(), "Somma fissa");
    EXPECT_EQ(f->optTipo[1]->text(), "Tutte le somme");
    EXPECT_EQ(f->ListViewOrdin2->columnHeader(4), "Somma");
    EXPECT_FALSE(f->chkPosDet->isEnabled());
    EXPECT_FALSE(f->cboNumero->isEnabled());
    EXPECT_FALSE(f->DTPickerDa->isEnabled());
    EXPECT_TRUE(f->cboSortite->isEnabled());
    EXPECT_EQ(f->chkUltime->text(), "controllo delle ultime 12 estraz.");
    EXPECT_FALSE(f->PosizioniValidita[2]);
    EXPECT_TRUE(f->PosizioniValidita[0]);
    // Two search wheels: no search on a date, no same position.
    EXPECT_FALSE(f->DTPRicerca->isEnabled());
    EXPECT_FALSE(f->chkStessaPosizione->isEnabled());
    // Wheel choices are saved as they are ticked.
    EXPECT_EQ(AmbienteServizi::ini("Settings", "RuoteConNz"), "YNYNNNNNNNN");
    EXPECT_EQ(AmbienteServizi::ini("Settings", "RuoteConNzGioco"), "YYYYYYYYYYN");
    EXPECT_FALSE(f->chkRuotaG[1]->isChecked());

    // Back to the number spia: "Pos. determinata" again, its positions only once ticked.
    f->optSpia[0]->setChecked(true);
    f->optTipo[0]->setChecked(true);
    EXPECT_EQ(f->optTipo[0]->text(), "Numero fisso");
    EXPECT_EQ(f->ListViewOrdin2->columnHeader(4), "Numero");
    EXPECT_TRUE(f->chkPosDet->isEnabled());
    EXPECT_FALSE(f->chkPosizione[1]->isEnabled());
    f->chkPosDet->setChecked(true);
    EXPECT_TRUE(f->chkPosizione[1]->isEnabled());

    // A typed spia value stays out of the list.
    f->cboNumero->lineEdit()->setText("7");
    QTest::keyClick(f->cboNumero->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(f->cboNumero->count(), 90);
}

TEST(frmQuorvane, RefusesWrongInputsWithTheirMessages)
{
    struct Caso {
        const char* messaggio;
        int stile;
        std::function<void(frmQuorvane*)> prepara;
    };
    const Caso casi[] = {
        {"Scegliere almeno una posizione estrattiva !", vbExclamation,
         [](frmQuorvane* f) { f->chkPosDet->setChecked(true); }},
        {"Scegliere almeno una posizione validità algoritmo !", vbExclamation,
         [](frmQuorvane* f) {
             for (int p = 1; p <= 5; ++p)
                 f->chkPosizioneA[p]->setChecked(false);
         }},
        {"Inserire il n. di colpi di gioco !", vbExclamation,
         [](frmQuorvane* f) { vbSetComboText(f->cboColpi, "0"); }},
        {"Data finale minore della data iniziale oppure n. di estrazioni insufficienti!",
         vbExclamation, [](frmQuorvane* f) { vbSetDate(f->DTPickerDa, kD6); }},
        {"Scegliere almeno una ruota di ricerca !", vbExclamation,
         [](frmQuorvane* f) { f->chkRuota[1]->setChecked(false); }},
        {"Inserire la somma spia !", vbExclamation,
         [](frmQuorvane* f) {
             f->optSpia[1]->setChecked(true);
             vbSetComboText(f->cboNumero, "");
         }},
        {"Inserire il n. di sortite da ricercare!", vbExclamation,
         [](frmQuorvane* f) {
             f->optPeriodo[1]->setChecked(true);
             vbSetComboText(f->cboSortite, "0");
         }},
        {"Differenza non permessa.", vbOKOnly,
         [](frmQuorvane* f) {
             f->optSpia[2]->setChecked(true);
             vbSetComboText(f->cboNumero, "90");
         }},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.messaggio);
        Finestra w(archivioNoto());
        c.prepara(w.f);
        w.a.fake.expectMsgBox(QString::fromUtf8(c.messaggio), vbOK);
        vbPress(w.f->cmdCalcola);
        ASSERT_FALSE(w.a.fake.msgBoxCalls().empty());
        EXPECT_EQ(w.a.fake.msgBoxCalls().back().style, c.stile);
        EXPECT_EQ(w.f->ListViewOrdin2->count(), 0);
        EXPECT_FALSE(ElaborazioneInCorso);
        EXPECT_EQ(Forms::find<frmElaborazioni>(), nullptr);
    }
}

// Numbers typed into the combos: taken as typed (7 is 7, not 70), and
// numbers an Integer cannot hold refused with the box's own message.
TEST(frmQuorvane, TypedNumbersAreTakenAsTypedAndHugeOnesRefused)
{
    auto digita = [](QComboBox* c, const char* testo) {
        c->setFocus();
        c->lineEdit()->selectAll();
        QTest::keyClicks(c, QString::fromLatin1(testo));
    };
    {
        Finestra w(archivioNoto());
        frmQuorvane* f = w.f;
        f->vbShow();
        f->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(f));
        vbSetDate(f->DTPickerDa, kD1);
        digita(f->cboNumero, "7");
        digita(f->cboColpi, "2");
        EXPECT_EQ(f->cboNumero->currentText(), "7");
        EXPECT_EQ(f->cboColpi->currentText(), "2");
        f->chkUltime->setChecked(true);
        QTest::mouseClick(f->cmdCalcola, Qt::LeftButton);
        ASSERT_EQ(f->ListViewOrdin2->count(), 5);
        EXPECT_EQ(w.riga(1), QStringList({" 1' su BA + 23", "    2 /     4", "100,0 %", " 7", "   2"}));
    }
    const struct {
        const char* messaggio;
        std::function<QComboBox*(frmQuorvane*)> casella;
        const char* testo;
    } casi[] = {
        {"Inserire il numero spia !", [](frmQuorvane* f) { return f->cboNumero; }, "999999999999"},
        {"Inserire il n. di colpi di gioco !", [](frmQuorvane* f) { return f->cboColpi; }, "999999"},
        {"Inserire il n. di sortite da ricercare!",
         [](frmQuorvane* f) {
             f->optPeriodo[1]->setChecked(true);
             return f->cboSortite;
         },
         "99999"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.testo);
        Finestra w(archivioNoto());
        w.f->vbShow();
        digita(c.casella(w.f), c.testo);
        // Any other box (the unexpected-error one) is unscripted and fails the test.
        w.a.fake.expectMsgBox(QString::fromUtf8(c.messaggio), vbOK);
        QTest::mouseClick(w.f->cmdCalcola, Qt::LeftButton);
        ASSERT_EQ(w.a.fake.msgBoxCalls().size(), 1u);
        EXPECT_EQ(w.a.fake.msgBoxCalls().back().style, vbExclamation);
        EXPECT_EQ(w.f->ListViewOrdin2->count(), 0);
        EXPECT_FALSE(ElaborazioneInCorso);
    }
}

TEST(frmQuorvane, SearchListsTheBestRowsAndAClickMakesTheCurrentMethod)
{
    Finestra w(archivioNoto());
    frmQuorvane* f = w.f;
    w.cercaNoto();

    ASSERT_EQ(f->ListViewOrdin2->count(), 5);
    EXPECT_EQ(w.riga(1), QStringList({" 1' su BA + 23", "    2 /     4", "100,0 %", " 7", "   2"}));
    EXPECT_EQ(ReportListView::tag(f->ListViewOrdin2->item(1)), "101+0002300711111");
    // Next best: 30 twice in one window and another number once in the other.
    for (int i = 2; i <= 5; ++i)
        EXPECT_EQ(w.riga(i)[1], "    2 /     3");
    EXPECT_EQ(f->lblSortite->text(),
              "Casi validi del numero  7 sulle ruote di ricerca nel periodo considerato:  2");
    EXPECT_EQ(f->txtDataFine->text(), vbDateText(kD6));
    EXPECT_EQ(f->ProgressBar1->value(), f->ProgressBar1->maximum());
    EXPECT_FALSE(ElaborazioneInCorso);
    EXPECT_EQ(Forms::find<frmElaborazioni>(), nullptr);
    EXPECT_TRUE(f->cmdCalcola->isEnabled());

    // At the play draw D6 the first Bari number is 30: 30 + 23 = 53.
    w.clic(1);
    EXPECT_EQ(f->txtCapoGioco->text(), " 1' su BA + 23");
    EXPECT_EQ(f->txtCapoGioco->property("Tag").toString(), "101+0002300711111");
    EXPECT_EQ(f->lblCapo->text(), "53");
    EXPECT_TRUE(f->cmdReport[0]->isEnabled());

    // "<" moves the play date one draw back and recomputes the capogioco (D5: 30 too).
    vbPress(f->cmdPrecedente);
    EXPECT_EQ(f->txtDataFine->text(), vbDateText(kD6.addDays(-7)));
    EXPECT_EQ(f->lblCapo->text(), "53");

    // A play date the archive refuses gives no capogioco: the method stays, unplayable.
    vbSetText(f->txtDataFine, "01/01/2030");
    w.a.fake.expectMsgBox("La data non può essere superiore alla data ultima estrazione inserita ("
                              + vbDateText(kD6) + ")",
                          vbOK);
    w.a.fake.expectMsgBox(" 1' su BA + 23 uguale a zero - Caso non giocabile!", vbOK);
    w.clic(1);
    EXPECT_EQ(w.a.fake.msgBoxCall(-1).style, vbInformation);
    EXPECT_EQ(w.a.fake.msgBoxCall(-1).title, "Attenzione");
    EXPECT_EQ(f->txtCapoGioco->text(), " 1' su BA + 23");
    EXPECT_EQ(f->lblCapo->text(), "");
    EXPECT_FALSE(f->cmdReport[0]->isEnabled());
}

TEST(frmQuorvane, HeaderClicksSortEitherWayAndSayHow)
{
    Finestra w(archivioNoto());
    frmQuorvane* f = w.f;
    w.cercaNoto();
    const QStringList prima = {w.riga(1)[0], w.riga(5)[0]};

    w.clicIntestazione(0);   // the description: nothing
    EXPECT_EQ(f->lblOrdinamento->text(), "");
    EXPECT_EQ(QStringList({w.riga(1)[0], w.riga(5)[0]}), prima);

    w.clicIntestazione(1);
    EXPECT_EQ(f->lblOrdinamento->text(),
              "Algoritmi trovati: lista ordinata per Pres./Quantità dal valore più alto");
    EXPECT_EQ(w.riga(1)[1], "    2 /     4");
    w.clicIntestazione(1);
    EXPECT_EQ(f->lblOrdinamento->text(),
              "Algoritmi trovati: lista ordinata per Pres./Quantità dal valore più basso");
    EXPECT_EQ(w.riga(5)[1], "    2 /     4");
    EXPECT_EQ(w.riga(1)[1], "    2 /     3");
    // Another column flips the order again.
    w.clicIntestazione(4);
    EXPECT_EQ(f->lblOrdinamento->text(),
              "Algoritmi trovati: lista ordinata per Sortite dal valore più alto");
    EXPECT_EQ(f->ListViewOrdin2->sortKey(), 4);

    // The multi-wheel list, loaded hidden by the first click, sorts alike on
    // its column of the same meaning.
    frmMultiRuota* m = Forms::find<frmMultiRuota>();
    ASSERT_NE(m, nullptr);
    EXPECT_FALSE(m->isVisible());
    EXPECT_EQ(m->ListViewMultiruote->sortKey(), 1);
    EXPECT_EQ(m->ListViewMultiruote->sortOrder(), Qt::DescendingOrder);
    EXPECT_EQ(m->lblOrdinamento->text(), f->lblOrdinamento->text());
    w.clicIntestazione(2);
    EXPECT_EQ(m->ListViewMultiruote->sortKey(), 3);
    EXPECT_EQ(m->ListViewMultiruote->sortOrder(), Qt::AscendingOrder);
    EXPECT_EQ(m->lblOrdinamento->text(),
              "Algoritmi trovati: lista ordinata per % Presenze dal valore più basso");
}

// A search over every number spia on a long archive, stopped by the stop
// button or by Esc once events have come through and a value is complete.
TEST(frmQuorvane, StopAndEscKeepTheRowsOfTheValuesCompleted)
{
    const std::vector<RecEstrazione> lungo = estrazioniCasuali(QDate(1871, 1, 7), 60000, 1, 5);
    for (const bool conEsc : {false, true}) {
        SCOPED_TRACE(conEsc ? "Esc" : "stop");
        Finestra w(lungo);
        frmQuorvane* f = w.f;
        f->vbShow();
        f->chkRuota[0]->setChecked(true);
        f->optTipo[1]->setChecked(true);
        vbSetDate(f->DTPickerDa, QDate(1871, 1, 7));

        // Runs only if the search lets events through.
        bool eventi = false;
        QTimer::singleShot(0, [&] {
            eventi = true;
            EXPECT_FALSE(f->cmdCalcola->isEnabled());
            EXPECT_FALSE(f->chkRuota[1]->isEnabled());
            EXPECT_FALSE(f->close());
            // A date refused meanwhile clears the busy flag: still one search at a time.
            w.a.fake.expectMsgBox("La data non può essere superiore alla data ultima estrazione "
                                  "inserita ("
                                      + vbDateText(QDate(1871, 1, 7).addDays(59999)) + ")",
                                  vbOK);
            CercaEstrazione("01/01/2200");
            EXPECT_FALSE(ElaborazioneInCorso);
            vbPress(f->cmdCalcola);
            EXPECT_EQ(f->ListViewOrdin2->count(), 0);
        });
        bool fermato = false;
        QObject::connect(f->ProgressBar1, &QProgressBar::valueChanged, [&](int valore) {
            if (!eventi || fermato || valore < 1)
                return;
            fermato = true;
            frmElaborazioni* e = Forms::find<frmElaborazioni>();
            ASSERT_NE(e, nullptr);
            EXPECT_EQ(e->lblDescrizioneJob->text(), "Analisi algoritmi...");
            EXPECT_TRUE(e->cmdStop->isEnabled());
            if (conEsc)
                w.a.fake.setEsc(true);
            else
                vbPress(e->cmdStop);
        });
        vbPress(f->cmdCalcola);

        ASSERT_TRUE(fermato);
        EXPECT_TRUE(f->RicercaInterrotta);
        std::set<int> valori;
        for (int i = 1; i <= f->ListViewOrdin2->count(); ++i)
            valori.insert(w.riga(i)[3].trimmed().toInt());
        ASSERT_FALSE(valori.empty());
        EXPECT_EQ(*valori.begin(), 1);
        EXPECT_EQ(*valori.rbegin(), static_cast<int>(valori.size()));   // no gap
        EXPECT_LT(*valori.rbegin(), 90);
        EXPECT_EQ(f->ProgressBar1->value(), 0);
        EXPECT_FALSE(ElaborazioneInCorso);
        EXPECT_FALSE(StopRicerca);
        EXPECT_FALSE(w.a.fake.escDown());
        EXPECT_EQ(Forms::find<frmElaborazioni>(), nullptr);
        EXPECT_TRUE(f->cmdCalcola->isEnabled());
        EXPECT_TRUE(f->isVisible());
    }
}

} // namespace
