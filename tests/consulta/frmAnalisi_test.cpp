#include "compat/ui/Controls.h"
#include "compat/ui/Twips.h"
#include "consulta/frmAnalisi.h"
#include "support/ui/AmbienteServizi.h"

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

} // namespace
