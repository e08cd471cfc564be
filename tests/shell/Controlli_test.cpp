#include "shell/Controlli.h"

#include "compat/ui/Controls.h"
#include "compat/vbdate.h"
#include "compat/vbformat.h"
#include "support/ui/DigitazioneProva.h"
#include "support/ui/FakePlatform.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QGuiApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <QWidget>
#include <gtest/gtest.h>
#include <limits>

using namespace compat;

namespace {

// Counts the wheel notches that reach a widget.
struct ContaRotella : QObject {
    int scatti = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        scatti += e->type() == QEvent::Wheel;
        return false;
    }
};

// Replaces the box's text by typing, as a user does after selecting it.
void digita(QComboBox* c, const QString& testo)
{
    c->lineEdit()->selectAll();
    QTest::keyClicks(c, testo);
}

} // namespace

// Items " 1" .. "99": typing 7 must not become "70", the first item starting with it.
TEST(Controlli, EditableComboTakesTypedTextAsTyped)
{
    QWidget w;
    QComboBox* c = creaCombo(&w, "cboNumero", true);
    for (int i = 1; i <= 99; ++i)
        c->addItem(compat::vbFormat(i, u"@@"));
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    c->setFocus();   // a completer acts only in a box with the focus
    ASSERT_TRUE(c->lineEdit()->hasFocus());
    c->setCurrentIndex(0);
    for (const char* testo : {"7", "5", "1", "999999"}) {
        digita(c, QString::fromLatin1(testo));
        EXPECT_EQ(c->currentText(), testo);
    }
    // Enter keeps the typed text and adds nothing to the list.
    digita(c, "7");
    QTest::keyClick(c, Qt::Key_Return);
    EXPECT_EQ(c->currentText(), "7");
    EXPECT_EQ(c->count(), 99);
    // An explicit choice from the list fills the box.
    c->setCurrentIndex(69);
    EXPECT_EQ(c->currentText(), "70");
    EXPECT_EQ(c->objectName(), "cboNumero");

    QComboBox* fisso = creaCombo(&w, "cboIndice", false);
    EXPECT_FALSE(fisso->isEditable());
}

TEST(Controlli, TypedNumbersOutsideAnIntegerAreRefusedNotOverflowed)
{
    const struct {
        const char* testo;
        std::optional<int> atteso;
    } casi[] = {
        {"7", 7},
        {" 6", 6},
        {"2.5", 2},   // rounded to even, as CInt
        {"3.5", 4},
        {"abc", 0},
        {"", 0},
        {"-5", -5},
        {"32767", 32767},
        {"32767.4", 32767},
        {"32767.5", std::nullopt},
        {"-32768.5", -32768},
        {"-32769", std::nullopt},
        {"99999", std::nullopt},
        {"999999", std::nullopt},
        {"999999999999", std::nullopt},
        {"1e400", std::nullopt},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.testo);
        EXPECT_EQ(interoDigitato(QString::fromLatin1(c.testo)), c.atteso);
        EXPECT_EQ(interoDigitatoOZero(QString::fromLatin1(c.testo)), c.atteso.value_or(0));
    }
    EXPECT_EQ(numeroDigitato("1e400"), std::numeric_limits<double>::max());
    EXPECT_EQ(numeroDigitato(" -1e400"), -std::numeric_limits<double>::max());
    EXPECT_EQ(numeroDigitato("45.6"), 45.6);
}

TEST(Controlli, WheelRowsShareIconsMadeOnceAndFollowTheClickRule)
{
    QWidget w;
    auto* g = new QGridLayout(&w);
    const auto ricerca = creaCaselleRuote(&w, "chkRuota", g, 0);
    const auto gioco = creaCaselleRuote(&w, "chkRuotaG", g, 1);
    for (int i = 0; i <= 11; ++i) {
        EXPECT_EQ(ricerca[i]->objectName(), QStringLiteral("chkRuota_%1").arg(i));
        EXPECT_EQ(gioco[i]->objectName(), QStringLiteral("chkRuotaG_%1").arg(i));
        EXPECT_TRUE(ricerca[i]->isCheckable());
        EXPECT_FALSE(ricerca[i]->icon().isNull());
        EXPECT_EQ(ricerca[i]->icon().cacheKey(), gioco[i]->icon().cacheKey());
        EXPECT_EQ(g->itemAtPosition(1, i)->widget(), gioco[i]);
    }
    EXPECT_EQ(immagineRuota(3, true).cacheKey(), immagineRuota(3, true).cacheKey());
    EXPECT_NE(immagineRuota(3, true).cacheKey(), immagineRuota(3, false).cacheKey());
    EXPECT_TRUE(immagineRuota(12, false).isNull());

    const CaselleRuote c = caselle(ricerca);
    SpuntaRuoteDaFlag(c, "YYYYYYYYYYY");
    EXPECT_TRUE(RuotaSpuntata(c, 0));
    EXPECT_FALSE(RuotaSpuntata(c, 5));
    EXPECT_TRUE(RuotaSpuntata(c, 11));
    // A regional wheel unticks "Tutte".
    ricerca[4]->setChecked(true);
    EXPECT_EQ(FlagDaRuoteSpuntate(c, 4), "NNNYNNNNNNY");
    EXPECT_FALSE(RuotaSpuntata(c, 0));
    // "Tutte" unticks the ten.
    ricerca[0]->setChecked(true);
    EXPECT_EQ(FlagDaRuoteSpuntate(c, 0), "YYYYYYYYYYY");
    EXPECT_FALSE(RuotaSpuntata(c, 4));

    // A window without box 0 (and out-of-range indexes) reads as unticked.
    CaselleRuote senzaTutte = c;
    senzaTutte[0] = nullptr;
    SpuntaRuota(senzaTutte, 0, true);
    SpuntaRuota(senzaTutte, 12, true);
    EXPECT_FALSE(RuotaSpuntata(senzaTutte, 0));
    EXPECT_FALSE(RuotaSpuntata(senzaTutte, -1));
    for (int i = 1; i <= 11; ++i)
        ricerca[i]->setChecked(false);
    EXPECT_EQ(FlagDaRuoteSpuntate(senzaTutte, 2), "YYYYYYYYYYN");
}

TEST(Controlli, WindowsWithoutTypedAccessGiveNoControls)
{
    QWidget w;
    auto* t = CreaControllo<QLineEdit>(&w, "txtDataFine");
    const ControlliAnalisi c = controlliAnalisi(&w);
    EXPECT_EQ(c.txtDataFine, nullptr);
    EXPECT_EQ(c.DTPickerDa, nullptr);
    EXPECT_EQ(c.ruote[1], nullptr);
    EXPECT_EQ(controlliAnalisi(nullptr).DTPickerA, nullptr);
    scriviTesto(nullptr, "x");
    scriviTesto(t, "01/02/2003");
    EXPECT_EQ(t->text(), "01/02/2003");
    EXPECT_EQ(nomeGiorno(0), "");
    EXPECT_EQ(nomeMese(13), "");
}

// The picker over 27/02/2025 between two others, entered each way a user
// enters it, typed with real keys and left with Tab. A click selects the
// section it lands in, the keys (Tab, Shift+Tab) select the day, all the text
// selected starts the typing at the day, a full section or a separator moves
// on (not both), Tab leaves the picker, a paste is a whole date whatever is
// selected, the wheel reaches the picker only with the focus, the calendar's
// keys move its highlighted day until Enter takes it or Esc leaves the date
// as it was, and a date that does not exist is refused once, the picker
// keeping its date. The picker's Change runs once for a new date, never else.
TEST(Controlli, ADatePickerTakesTheDateTypedAsShownFromEveryWayIn)
{
    FakePlatform fake;
    FakePlatformScope scope(fake);
    QWidget w;
    QDateEdit* prima = creaData(&w, "DTPickerDa");
    DatePicker* d = creaData(&w, "DTPickerA");
    QDateEdit* dopo = creaData(&w, "DTPicker1");
    auto* riga = new QHBoxLayout(&w);
    for (QWidget* c : {prima, static_cast<QDateEdit*>(d), dopo})
        riga->addWidget(c);
    ContaRotella rotellaAllaFinestra;
    w.installEventFilter(&rotellaAllaFinestra);
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QLineEdit* testo = d->findChild<QLineEdit*>();
    vbSetDate(d, QDate(2025, 2, 27));
    std::vector<std::string> cambi;   // the dates the picker's Change ran for
    QObject::connect(d, &DatePicker::dateCommitted,
                     [&cambi](QDate data) { cambi.push_back(vbDateText(data).toStdString()); });
    const QPoint giorno = puntoNelTesto(testo, 1), mese = puntoNelTesto(testo, 4),
                 anno = puntoNelTesto(testo, 8), fineAnno = puntoNelTesto(testo, 10);

    // Tab comes from the day of the picker before, Indietro (Shift+Tab) from
    // the year of the one after; IncollaMenu is the context menu's paste
    // after a click on the day, MenuSenzaClic with the focus elsewhere (the
    // picker left last on its year); Rotella is a notch over the day with the
    // focus elsewhere, then Tab in and one more; CalendarioGiaDisabilitato
    // opens the calendar of a picker that was disabled.
    enum Ingresso { Tab, Indietro, DoppioClicGiorno, ClicGiorno, CtrlA, ClicMese, ClicFineAnno,
                    Incolla, IncollaMese, IncollaAnno, MaiuscIns, IncollaMenu, MenuSenzaClic,
                    Rotella, Calendario, CalendarioGiaDisabilitato };
    const struct {
        Ingresso ingresso;
        const char* digitato;   // or pasted
        QDate data;
        bool errata;
        std::vector<Qt::Key> calendario = {};   // keys to the calendar after the digits
    } casi[] = {
        {Tab, "01/03/2000", QDate(2000, 3, 1), false},
        {Tab, "1/3/2000", QDate(2000, 3, 1), false},
        {Tab, "01032000", QDate(2000, 3, 1), false},
        {Tab, "15/6/1990", QDate(1990, 6, 15), false},
        {Tab, "4071990", QDate(1990, 7, 4), false},
        {Tab, "31/12/2025", QDate(2025, 12, 31), false},
        {Tab, "31/03/2025", QDate(2025, 3, 31), false},   // a day February lacks
        {DoppioClicGiorno, "01/03/2000", QDate(2000, 3, 1), false},
        {DoppioClicGiorno, "15/6/1990", QDate(1990, 6, 15), false},
        {ClicGiorno, "01/03/2000", QDate(2000, 3, 1), false},
        {ClicGiorno, "1/3/2000", QDate(2000, 3, 1), false},
        {ClicGiorno, "01032000", QDate(2000, 3, 1), false},
        {ClicGiorno, "15/6/1990", QDate(1990, 6, 15), false},
        {CtrlA, "01/01/2026", QDate(2026, 1, 1), false},
        {CtrlA, "1/3/2000", QDate(2000, 3, 1), false},
        {ClicMese, "6", QDate(2025, 6, 27), false},
        {ClicMese, "11/2000", QDate(2000, 11, 27), false},
        {ClicFineAnno, "1990", QDate(1990, 2, 27), false},
        {ClicFineAnno, "01/03/2000", QDate(2000, 2, 27), false},
        {ClicFineAnno, "01032000", QDate(2000, 2, 27), false},
        {Tab, "31/02/2025", QDate(2025, 2, 27), true},
        {Tab, "31/04/2025", QDate(2025, 2, 27), true},
        {Incolla, "31/02/2026", QDate(2025, 2, 27), true},
        {Incolla, "15/06/1990", QDate(1990, 6, 15), false},
        {IncollaMenu, "31/02/2026", QDate(2025, 2, 27), true},
        {IncollaMenu, "15/06/1990", QDate(1990, 6, 15), false},
        {Indietro, "01/03/2000", QDate(2000, 3, 1), false},
        {Indietro, "4071990", QDate(1990, 7, 4), false},
        {IncollaAnno, "07/07/2007", QDate(2007, 7, 7), false},
        {IncollaMese, "07/07/2007", QDate(2007, 7, 7), false},
        {IncollaMese, "4071990", QDate(1990, 7, 4), false},
        {MaiuscIns, "1-3-2000", QDate(2000, 3, 1), false},
        {IncollaMese, "31/04/2025", QDate(2025, 2, 27), true},
        {IncollaAnno, "2007", QDate(2025, 2, 27), false},   // no whole date: nothing changes
        {IncollaAnno, "07/07/07", QDate(2025, 2, 27), false},
        {IncollaMese, "07/07/2007x", QDate(2025, 2, 27), false},
        {MenuSenzaClic, "1.2.2020", QDate(2020, 2, 1), false},
        {MenuSenzaClic, " 01/02/2020 ", QDate(2020, 2, 1), false},
        {Rotella, "", QDate(2025, 2, 28), false},
        {ClicGiorno, "31", QDate(2025, 2, 27), true},   // settled by the Tab
        {Calendario, "01/03/2000", QDate(2025, 2, 27), false, {Qt::Key_Return}},
        {Calendario, "15", QDate(2025, 2, 27), false,
         {Qt::Key_Right, Qt::Key_PageDown, Qt::Key_End, Qt::Key_Escape}},
        {Calendario, "7", QDate(2025, 1, 8), false,
         {Qt::Key_PageUp, Qt::Key_Home, Qt::Key_Down, Qt::Key_Return}},
        {Calendario, "", QDate(2025, 2, 28), false, {Qt::Key_Right, Qt::Key_Return}},
        {Calendario, "", QDate(2025, 2, 27), false, {Qt::Key_Left, Qt::Key_Escape}},
        {CalendarioGiaDisabilitato, "", QDate(2025, 3, 1), false,
         {Qt::Key_Right, Qt::Key_Right, Qt::Key_Return}},
        {CalendarioGiaDisabilitato, "", QDate(2025, 2, 27), false, {Qt::Key_Up, Qt::Key_Escape}},
    };
    for (const auto& c : casi) {
        const QString digitato = QString::fromLatin1(c.digitato);
        vbSetDate(d, QDate(2025, 2, 27));
        cambi.clear();
        if (c.ingresso == MenuSenzaClic) {   // the picker last left on its year
            QTest::mouseClick(testo, Qt::LeftButton, {}, fineAnno);
            QTest::keyClick(d, Qt::Key_Tab);
        }
        clicNelTesto(prima, 1);
        // Ctrl+A and its paste follow a click at the end of the year.
        const bool sulGiorno =
            c.ingresso == ClicGiorno || c.ingresso == DoppioClicGiorno || c.ingresso == IncollaMenu;
        const bool sulMese = c.ingresso == ClicMese || c.ingresso == IncollaMese;
        const bool calendario = c.ingresso == Calendario || c.ingresso == CalendarioGiaDisabilitato;
        const QPoint clic = sulGiorno ? giorno : sulMese ? mese
                                    : c.ingresso == IncollaAnno || c.ingresso == MaiuscIns ? anno
                                                                                           : fineAnno;
        if (c.ingresso == CalendarioGiaDisabilitato) {
            d->setEnabled(false);
            d->setEnabled(true);
        }
        if (c.ingresso == Tab) {
            QTest::keyClick(prima, Qt::Key_Tab);
        } else if (c.ingresso == Indietro) {
            clicNelTesto(dopo, 10);
            QTest::keyClick(dopo, Qt::Key_Backtab);
        } else if (c.ingresso == DoppioClicGiorno) {
            QTest::mouseDClick(testo, Qt::LeftButton, {}, clic);
        } else if (calendario) {   // on its arrow
            QTest::mouseClick(d, Qt::LeftButton, {}, QPoint(d->width() - 6, d->height() / 2));
        } else if (c.ingresso == Rotella) {
            // Not the picker's: the window's, which has no use for it.
            const int allaFinestra = rotellaAllaFinestra.scatti;
            scattoRotella(testo, giorno);
            EXPECT_EQ(rotellaAllaFinestra.scatti, allaFinestra + 1);
            ASSERT_EQ(QApplication::focusWidget(), prima);
            EXPECT_EQ(vbDateText(d->date()).toStdString(), "27/02/2025");
            QTest::keyClick(prima, Qt::Key_Tab);
            scattoRotella(testo, giorno);   // the picker's now, on the day Tab selected
            EXPECT_EQ(rotellaAllaFinestra.scatti, allaFinestra + 1);
        } else if (c.ingresso != MenuSenzaClic) {
            QTest::mouseClick(testo, Qt::LeftButton, {}, clic);
        }
        if (c.ingresso == CtrlA || c.ingresso == Incolla)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        // The calendar's keys go to its day table.
        QWidget* fuoco = calendario ? d->calendarWidget()->focusProxy()
                         : c.ingresso == MenuSenzaClic ? prima
                                                       : d;
        ASSERT_EQ(QApplication::focusWidget(), fuoco) << c.digitato;
        if (c.errata)
            fake.expectMsgBox(QStringLiteral("Data errata !"), vbOK);
        const bool incolla = c.ingresso == Incolla || c.ingresso == IncollaMese ||
                             c.ingresso == IncollaAnno || c.ingresso == MaiuscIns ||
                             c.ingresso == IncollaMenu || c.ingresso == MenuSenzaClic;
        if (incolla)
            QGuiApplication::clipboard()->setText(digitato);
        if (c.ingresso == IncollaMenu || c.ingresso == MenuSenzaClic)
            incollaDalMenu(testo, 1);
        else if (c.ingresso == MaiuscIns)
            QTest::keyClick(d, Qt::Key_Insert, Qt::ShiftModifier);
        else if (incolla)
            QTest::keyClick(d, Qt::Key_V, Qt::ControlModifier);
        else
            digitaAlFuoco(c.digitato);
        for (const Qt::Key k : c.calendario) {
            // The keys move the highlighted day, not the picker's date.
            EXPECT_EQ(d->text().toStdString(), "27/02/2025") << c.ingresso << ' ' << k;
            QTest::keyClick(QApplication::focusWidget(), k);
        }
        QTest::keyClick(d, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), dopo) << c.digitato;
        const std::string atteso = vbDateText(c.data).toStdString();
        EXPECT_EQ(vbDateText(d->date()).toStdString(), atteso) << c.ingresso << ' ' << c.digitato;
        EXPECT_EQ(d->text().toStdString(), atteso) << c.ingresso << ' ' << c.digitato;
        // Change ran once for a new date, never for the same one.
        EXPECT_EQ(cambi, c.data == QDate(2025, 2, 27) ? std::vector<std::string>{}
                                                      : std::vector{atteso})
            << c.ingresso << ' ' << c.digitato;
        EXPECT_TRUE(prima->date() == QDate(2000, 1, 1) && dopo->date() == prima->date()) << c.digitato;
        fake.verifyAllUsed();
    }
}

// A box that takes a typed date keeps its "/" on a paste, and nothing else.
TEST(Controlli, ABoxOfDigitsAndSlashesRefusesAnyOtherPaste)
{
    QLineEdit box;
    soloCifre(&box, QStringLiteral("/"));
    box.setText(QStringLiteral("01/01/2026"));
    const auto incolla = [&box](const char* testo) {
        QGuiApplication::clipboard()->setText(QString::fromLatin1(testo));
        box.selectAll();
        box.paste();
        return box.text();
    };
    EXPECT_EQ(incolla("27/02/2026x"), "01/01/2026");
    EXPECT_EQ(incolla("27-02-2026"), "01/01/2026");
    EXPECT_EQ(incolla(" 27/02/2026\n"), "27/02/2026");
}
