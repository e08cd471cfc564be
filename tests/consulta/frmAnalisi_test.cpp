#include "compat/ui/Controls.h"
#include "compat/ui/Twips.h"
#include "consulta/frmAnalisi.h"
#include "support/ui/AmbienteServizi.h"
#include "support/ui/TabelloneProva.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace compat;

namespace {

std::vector<RecEstrazione> archivio()
{
    return estrazioniCasuali(QDate(2004, 1, 3), 20, 3, 1);
}

TEST(frmAnalisi, PrintsTheCaptionAndTheLinesAtColumnThree)
{
    AmbienteServizi a(archivio());
    auto* f = Forms::get<frmAnalisi>();
    f->vbShow();
    // An empty list prints nothing and asks nothing.
    QTest::mouseClick(f->cmdStampa, Qt::LeftButton);
    EXPECT_TRUE(a.fake.printedDocuments().empty());

    f->setWindowTitle(QStringLiteral("Estrazione del 03/01/2004"));
    f->lstAnalisi->addItems({QStringLiteral("uno"), QStringLiteral("due"), QStringLiteral("tre")});
    a.fake.expectPrinterDialog(std::nullopt);
    QTest::mouseClick(f->cmdStampa, Qt::LeftButton);
    EXPECT_TRUE(a.fake.printedDocuments().empty());

    a.fake.expectPrinterDialog(1);
    QTest::mouseClick(f->cmdStampa, Qt::LeftButton);
    ASSERT_EQ(a.fake.printedDocuments().size(), 1u);
    const QStringList& righe = a.fake.printedDocuments()[0].lines;
    ASSERT_GE(righe.size(), 6);
    EXPECT_EQ(righe[0].trimmed(), "");
    EXPECT_EQ(righe[1], "  Estrazione del 03/01/2004");
    EXPECT_EQ(righe[2].trimmed(), "");
    EXPECT_EQ(righe[3], "  uno");
    EXPECT_EQ(righe[5], "  tre");
}

TEST(frmAnalisi, AFailedPrintIsReported)
{
    AmbienteServizi a(archivio());
    auto* f = Forms::get<frmAnalisi>();
    f->lstAnalisi->addItem(QStringLiteral("uno"));
    a.fake.setPrinterInstalled(false);
    a.fake.expectPrinterDialog(1);
    a.fake.expectMsgBox(QStringLiteral("Nessuna stampante installata."), vbOK);
    vbPress(f->cmdStampa);
}

TEST(frmAnalisi, KeepsItsPlace)
{
    AmbienteServizi a(archivio());
    auto* f = Forms::get<frmAnalisi>();
    EXPECT_NEAR(vbLeft(f), 1000, 8);
    EXPECT_NEAR(vbTop(f), 1000, 8);
    vbSetLeft(f, 3000);
    vbSetTop(f, 1500);
    QTest::mouseClick(f->cmdOk, Qt::LeftButton);
    EXPECT_EQ(Forms::find<frmAnalisi>(), nullptr);
    EXPECT_EQ(AmbienteServizi::ini("Forms", "AnalisiLeft"), "3000");
    EXPECT_EQ(AmbienteServizi::ini("Forms", "AnalisiTop"), "1500");
}

TEST(frmAnalisi, OpensBesideTheBoardsCellsWhereTheScreenHasRoom)
{
    // Where the board stands on which screen, and where its summary opens.
    enum Dove { aDestra, aSinistra, alBordoDestro, alPostoSuo };
    const struct {
        const char* nome;
        QRect schermo;
        int sinistraTabellone;   // pixels; the board's own width from the right edge when negative
        const char* salvato;     // stored AnalisiLeft, AnalisiTop
        Dove dove;
    } casi[] = {
        {"room at the right", QRect(0, 0, 1366, 768), 0, nullptr, aDestra},
        {"room at the left", QRect(0, 0, 1366, 768), -1, nullptr, aSinistra},
        {"no room beside", QRect(0, 0, 1024, 768), 0, nullptr, alBordoDestro},
        {"a place off the cells", QRect(0, 0, 1366, 768), 0, "6000", alPostoSuo},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        TabelloneProva t;
        setScreenOverride(c.schermo);
        if (c.salvato) {
            AmbienteServizi::imposta("Forms", "AnalisiLeft", QString::fromLatin1(c.salvato));
            AmbienteServizi::imposta("Forms", "AnalisiTop", QString::fromLatin1(c.salvato));
        }
        t.f->fitToScreen();
        t.f->move(c.sinistraTabellone < 0 ? c.schermo.right() + 1 - t.f->frameGeometry().width() : 0, 0);
        t.clic(t.f->cmdUscitiScorsa);
        auto* a = Forms::find<frmAnalisi>();
        ASSERT_NE(a, nullptr);
        ASSERT_TRUE(a->isVisible());
        const QRect riepilogo = a->frameGeometry(), tabellone = t.f->frameGeometry();
        const QRect celle(t.f->Frame1->mapToGlobal(QPoint(0, 0)), t.f->Frame1->size());
        EXPECT_FALSE(riepilogo.intersects(celle));
        EXPECT_TRUE(c.schermo.contains(riepilogo));
        switch (c.dove) {
        case aDestra: EXPECT_EQ(riepilogo.left(), tabellone.right() + 1); break;
        case aSinistra: EXPECT_EQ(riepilogo.right() + 1, tabellone.left()); break;
        case alBordoDestro: EXPECT_EQ(riepilogo.right(), c.schermo.right()); break;
        case alPostoSuo: EXPECT_EQ(riepilogo.topLeft(), QPoint(400, 400)); break;
        }
        if (c.dove != alPostoSuo) {
            EXPECT_EQ(riepilogo.top(), tabellone.top());
        }
        // Moved by the user meanwhile, it stays where it is at the next redraw.
        a->move(riepilogo.topLeft() + QPoint(0, 10));
        t.clic(t.f->cmdUscitiScorsa);
        EXPECT_EQ(a->pos(), riepilogo.topLeft() + QPoint(0, 10));
    }
}

} // namespace
