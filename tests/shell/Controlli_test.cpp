#include "shell/Controlli.h"

#include "compat/vbformat.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QGuiApplication>
#include <QGridLayout>
#include <QIcon>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <QWidget>
#include <gtest/gtest.h>
#include <limits>

namespace {

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

// A section that fills moves the picker on by itself: the "/" typed next is
// not one more move, while after a section that did not fill it is the move.
TEST(Controlli, ADateTypedAsShownGivesThatDate)
{
    QWidget w;
    QDateEdit* d = creaData(&w, "DTPickerA");
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    d->setFocus();
    const struct {
        const char* digitato;
        QDate data;
    } casi[] = {
        {"01/01/2026", QDate(2026, 1, 1)}, {"1/1/2026", QDate(2026, 1, 1)},
        {"01012026", QDate(2026, 1, 1)},   {"4/7/1990", QDate(1990, 7, 4)},
        {"04/7/1990", QDate(1990, 7, 4)},  {"4071990", QDate(1990, 7, 4)},
        {"31/12/2025", QDate(2025, 12, 31)},
    };
    for (const auto& c : casi) {
        d->setDate(QDate(2020, 5, 6));
        d->setSelectedSection(QDateTimeEdit::DaySection);
        QTest::keyClicks(d, QString::fromLatin1(c.digitato));
        EXPECT_EQ(d->date(), c.data) << c.digitato;
        EXPECT_EQ(d->text(), c.data.toString(u"dd/MM/yyyy")) << c.digitato;
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
