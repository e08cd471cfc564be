#include "compat/ui/Colors.h"
#include "compat/ui/Controls.h"
#include "consulta/Analisi.h"
#include "consulta/frmAnalisi.h"
#include "consulta/frmConsultaEstrazioni.h"
#include "support/ui/TabelloneProva.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace compat;

namespace {

struct Tabellone : TabelloneProva {
    QStringList righe() const
    {
        QStringList r;
        auto* a = Forms::find<frmAnalisi>();
        for (int i = 0; a && i < a->lstAnalisi->count(); ++i)
            r << a->lstAnalisi->item(i)->text();
        return r;
    }
};

TEST(frmConsultaEstrazioniSomme, SumAndDistanceButtonsMarkPairsAndListThem)
{
    Tabellone t;
    frmConsultaEstrazioni* f = t.f;
    t.clic(f->cmdSomma);
    EXPECT_EQ(f->lblDescrFamiglia->text(), "Somma 90");
    EXPECT_EQ(f->Stato.TipoAnalisi, AnalisiSomma);
    EXPECT_EQ(t.marcate(), (std::vector<int>{1, 2}));
    EXPECT_EQ(vbBackColor(f->txtEstratto[1]), ColoriAnalisi(0)[0]);
    EXPECT_EQ(t.righe(), QStringList({"Somma 90", " ", "30 BA, 60 BA"}));
    EXPECT_EQ(Forms::find<frmAnalisi>()->windowTitle(), "Estrazione del 08/01/2004");

    // The analysis follows the board: no sum of 90 in the draw before.
    t.clic(f->cmdPrecedente);
    EXPECT_EQ(t.righe(), QStringList({"Somma 90", " "}));
    EXPECT_TRUE(t.marcate().empty());
    t.clic(f->cmdSuccessiva);

    vbSetText(f->txtDistanza, QStringLiteral("30"));
    t.clic(f->cmdDistanza);
    EXPECT_EQ(f->lblDescrFamiglia->text(), "Distanza 30");
    EXPECT_EQ(t.righe(), QStringList({"Distanza 30", " ", "30 BA, 60 BA", "60 BA, 90 CA"}));

    // An option box chooses its analysis again.
    t.spunta(f->chlIsotopiDistanza);
    ASSERT_TRUE(f->chlIsotopiDistanza->isChecked());
    EXPECT_EQ(t.righe(), QStringList({"Distanza 30 di numeri isotopi", " ", "60 BA, 90 CA"}));
    vbSetText(f->txtSomma, QStringLiteral("1"));
    t.a.fake.expectMsgBox(QStringLiteral("inserisci un valore tra 2 e 180 !"), vbOK);
    t.spunta(f->chkF90);   // 1 + 90 is 1 Fuori 90, but no sum of the box's range
    EXPECT_EQ(f->Stato.TipoAnalisi, AnalisiSomma);
    EXPECT_EQ(f->lblDescrFamiglia->text(), "Distanza 30");
    vbSetText(f->txtSomma, QStringLiteral("10"));
    t.clic(f->cmdSomma);   // 10 + 90 is 100, 10 Fuori 90
    EXPECT_EQ(t.righe(), QStringList({"Somma 10", " ", " 3 BA,  7 CA", "10 CA, 90 CA"}));
}

// A new value typed over the whole one, as the box selects it on entry.
void scrivi(Tabellone& t, QLineEdit* casella, const char* testo)
{
    t.clic(casella);
    QApplication::processEvents();
    QTest::keyClicks(casella, testo);
    ASSERT_EQ(casella->text(), testo);
}

TEST(frmConsultaEstrazioniSomme, ABadValueIsToldOnceAndOnlyWhenTheFocusMovesWithinTheBoard)
{
    Tabellone t;
    frmConsultaEstrazioni* f = t.f;
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    const auto& messaggi = t.a.fake.msgBoxCalls();

    // The button, and the option boxes that press it, tell it with the button's message alone.
    scrivi(t, f->txtSomma, "181");
    t.a.fake.expectMsgBox(QStringLiteral("inserisci un valore tra 2 e 180 !"), vbOK);
    t.clic(f->cmdSomma);
    t.clic(f->txtSomma);
    t.a.fake.expectMsgBox(QStringLiteral("inserisci un valore tra 2 e 180 !"), vbOK);
    t.spunta(f->chkIsotopi);
    QApplication::processEvents();
    EXPECT_EQ(messaggi.size(), 2u);
    EXPECT_EQ(f->lblDescrFamiglia->text(), "Nessuna selezione");

    scrivi(t, f->txtDistanza, "0");
    t.a.fake.expectMsgBox(QStringLiteral("inserisci un valore tra 1 e 89 !"), vbOK);
    t.clic(f->cmdDistanza);
    QApplication::processEvents();
    EXPECT_EQ(messaggi.size(), 3u);

    // Another window, or a menu opened over the board, takes the focus from the
    // whole board: nothing is checked, and the focus comes back to the box.
    t.clic(f->txtDistanza);
    QWidget altra;
    altra.show();
    altra.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&altra));
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    ASSERT_EQ(QApplication::focusWidget(), f->txtDistanza);
    f->mnuMostra->popup(f->mapToGlobal(QPoint(0, 0)));
    QApplication::processEvents();
    f->mnuMostra->close();
    QApplication::processEvents();
    EXPECT_EQ(messaggi.size(), 3u);

    // Another control of the board: the box's own check, once (not the sum box's,
    // which the focus crossed), and the focus stays.
    t.a.fake.expectMsgBox(QStringLiteral("inserisci un numero tra 1 e 89 !"), vbOK);
    t.clic(f->txtSomma);
    QApplication::processEvents();
    EXPECT_EQ(messaggi.size(), 4u);
    EXPECT_EQ(t.a.fake.msgBoxCall(-1).style, vbExclamation);
    EXPECT_EQ(QApplication::focusWidget(), f->txtDistanza);
    QTest::keyClicks(f->txtDistanza, "30");
    t.clic(f->txtSomma);
    t.a.fake.expectMsgBox(QStringLiteral("inserisci un numero tra 2 e 180 !"), vbOK);
    t.clic(f->txtRitardo);
    QApplication::processEvents();
    EXPECT_EQ(messaggi.size(), 5u);
    EXPECT_EQ(QApplication::focusWidget(), f->txtSomma);
    EXPECT_EQ(f->txtDistanza->text(), "30");
}

TEST(frmConsultaEstrazioniSomme, EqualIsotopicSumsLeaveRowsWithoutNumbersAlone)
{
    Tabellone t;
    frmConsultaEstrazioni* f = t.f;
    t.clic(f->cmdSommeUguali);
    EXPECT_EQ(f->lblDescrFamiglia->text(), "Somme uguali isotope");
    // 1 + 2 in positions 3-4 of Bari and Cagliari; the empty rows, Nazionale included, never match.
    EXPECT_EQ(t.marcate(), (std::vector<int>{3, 4, 8, 9}));
    t.clic(f->cmdDistanzeUguali);
    EXPECT_EQ(f->Stato.TipoAnalisi, AnalisiDistanzeUguali);
    EXPECT_EQ(t.marcate(), (std::vector<int>{3, 4, 8, 9}));
    // One wheel: the Nazionale before it existed, and the empty last row.
    t.clic(f->cmdRuota[11]);
    EXPECT_TRUE(t.marcate().empty());
}

} // namespace
