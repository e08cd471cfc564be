#include "compat/ui/Colors.h"
#include "shell/frmColori.h"
#include "shell/modAspetto.h"
#include "support/ui/AvvioProgramma.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace compat;

namespace {

// Another open window, painted by the common look.
class frmAltra : public Form {
public:
    frmAltra()
    {
        setObjectName(QStringLiteral("frmAltra"));
        etichetta = new QLabel(QStringLiteral("x"), this);
        testo = new QLineEdit(this);
    }
    QLabel* etichetta;
    QLineEdit* testo;

protected:
    void formLoad() override
    {
        Forms::current = this;
        ImpostaForm(this);
    }
};

TEST(frmColori, ConfirmRecoloursEveryOpenWindowAndCancelKeepsTheColour)
{
    Avvio a;
    a.archivio();
    frmMain* f = a.avvia();
    auto* altra = Forms::get<frmAltra>();

    // With no colours stored it shows those in use: confirming it unchanged
    // stores them and recolours nothing.
    f->mnuColori->trigger();
    auto* c = Forms::find<frmColori>();
    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(c->isVisible());
    EXPECT_EQ(vbBackColor(c->cmdColore[0]), vbBackColor(f));
    EXPECT_EQ(vbBackColor(c->cmdColore[1]), vbBackColor(f->Label5));
    EXPECT_EQ(vbBackColor(c->cmdColore[2]), vbBackColor(altra->testo));
    QTest::mouseClick(c->cmdOk, Qt::LeftButton);
    EXPECT_EQ(LeggiImpostazione({}, "Settings", "ColoreForm", {}), QStringLiteral("10276301"));
    EXPECT_EQ(vbBackColor(f), 10276301u);
    EXPECT_EQ(vbBackColor(altra->etichetta), 16777215u);
    EXPECT_EQ(vbBackColor(altra->testo), 16777215u);

    f->mnuColori->trigger();
    c = Forms::find<frmColori>();
    ASSERT_NE(c, nullptr);
    a.fake.expectColor(std::nullopt);
    QTest::mouseClick(c->cmdColore[0], Qt::LeftButton);
    EXPECT_EQ(vbBackColor(c->cmdColore[0]), 10276301u);
    a.fake.expectColor(vbRGB(1, 2, 3));
    QTest::mouseClick(c->cmdColore[1], Qt::LeftButton);
    EXPECT_EQ(a.fake.colorCalls(), (std::vector<quint32>{10276301u, 16777215u}));

    QTest::mouseClick(c->cmdOk, Qt::LeftButton);
    EXPECT_EQ(LeggiImpostazione({}, "Settings", "ColoreEtichette", {}), QString::number(vbRGB(1, 2, 3)));
    EXPECT_EQ(vbBackColor(altra), 10276301u);
    EXPECT_EQ(vbBackColor(altra->etichetta), vbRGB(1, 2, 3));
    EXPECT_EQ(vbBackColor(altra->testo), 16777215u);
    EXPECT_EQ(vbBackColor(f->Label5), vbRGB(1, 2, 3));
    EXPECT_EQ(Forms::current, f);
    EXPECT_EQ(Forms::find<frmColori>(), nullptr);
}

} // namespace
