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

    f->mnuColori->trigger();
    auto* c = Forms::find<frmColori>();
    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(c->isVisible());
    EXPECT_EQ(vbBackColor(c->cmdColore[0]), 15531993u);

    a.fake.expectColor(std::nullopt);
    QTest::mouseClick(c->cmdColore[0], Qt::LeftButton);
    EXPECT_EQ(vbBackColor(c->cmdColore[0]), 15531993u);
    a.fake.expectColor(vbRGB(1, 2, 3));
    QTest::mouseClick(c->cmdColore[1], Qt::LeftButton);
    EXPECT_EQ(a.fake.colorCalls(), (std::vector<quint32>{15531993u, 15724527u}));

    QTest::mouseClick(c->cmdOk, Qt::LeftButton);
    EXPECT_EQ(LeggiImpostazione({}, "Settings", "ColoreEtichette", {}), QString::number(vbRGB(1, 2, 3)));
    EXPECT_EQ(vbBackColor(altra), 15531993u);
    EXPECT_EQ(vbBackColor(altra->etichetta), vbRGB(1, 2, 3));
    EXPECT_EQ(vbBackColor(altra->testo), 9033978u);
    EXPECT_EQ(vbBackColor(f->Label5), vbRGB(1, 2, 3));
    EXPECT_EQ(Forms::current, f);
    EXPECT_EQ(Forms::find<frmColori>(), nullptr);
}

} // namespace
