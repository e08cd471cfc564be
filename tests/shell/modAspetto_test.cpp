#include "compat/ui/Colors.h"
#include "compat/ui/Twips.h"
#include "shell/modAspetto.h"
#include "support/ui/AmbienteServizi.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace compat;

namespace {

class frmAspetto : public Form {
public:
    explicit frmAspetto(const QString& nome)
    {
        setObjectName(nome);
        auto* cornice = new QGroupBox(this);
        etichetta = new QLabel(QStringLiteral("x"), cornice);
        lista = new QListWidget(cornice);
        data = new QDateEdit(this);
        chkRuota3 = new QCheckBox(this);
        chkRuota3->setObjectName(QStringLiteral("chkRuota_3"));
        cmdOk = new QPushButton(this);
        cmdOk->setObjectName(QStringLiteral("cmdOk"));
        cmdOk->setToolTip(QStringLiteral("mio"));
        vbSetBackColor(lista, 0xFFFFC0);
        vbSetBackColor(data, 0xFFFFC0);
    }
    QLabel* etichetta;
    QListWidget* lista;
    QDateEdit* data;
    QCheckBox* chkRuota3;
    QPushButton* cmdOk;
};

class frmTagliata : public frmAspetto {
public:
    frmTagliata() : frmAspetto(QStringLiteral("frmTagliata")) {}
};

TEST(ImpostaForm, ColoursByKindDefaultButtonAndStandardTooltips)
{
    AmbienteServizi a({});
    AmbienteServizi::imposta("Settings", "ColoreForm", "255");
    AmbienteServizi::imposta("Settings", "ColoreListe", "65280");
    frmAspetto normale(QStringLiteral("frmQualunque"));
    frmAspetto tabellone(QStringLiteral("frmConsultaEstrazioni"));
    frmAspetto posseduta(QStringLiteral("frmPosseduta"));
    posseduta.setParent(&normale, Qt::Window);
    auto* aiuto = new QPushButton(&posseduta);
    aiuto->setObjectName(QStringLiteral("cmdHelp"));
    ImpostaForm(&normale);
    ImpostaForm(&tabellone);

    EXPECT_EQ(vbBackColor(&normale), 255u);
    EXPECT_EQ(vbBackColor(normale.chkRuota3), 255u);
    EXPECT_EQ(vbBackColor(normale.etichetta), 16777215u);
    EXPECT_EQ(vbBackColor(normale.lista), 65280u);
    EXPECT_EQ(vbBackColor(normale.data), 0xFFFFC0u); // pickers keep theirs
    EXPECT_EQ(vbBackColor(tabellone.lista), 0xFFFFC0u);
    EXPECT_EQ(vbBackColor(tabellone.etichetta), 16777215u);
    EXPECT_EQ(vbBackColor(posseduta.lista), 0xFFFFC0u); // another window: untouched
    EXPECT_TRUE(aiuto->toolTip().isEmpty());
    EXPECT_EQ(normale.defaultButton(), normale.cmdOk);
    EXPECT_EQ(normale.cmdOk->toolTip(), QStringLiteral("Conferma"));
    EXPECT_EQ(normale.chkRuota3->toolTip(), QStringLiteral("Ruota di Firenze"));
    EXPECT_EQ(ColoriForm[0], QStringLiteral("255"));

    // A colour that is no number leaves those backgrounds as they were.
    AmbienteServizi::imposta("Settings", "ColoreEtichette", "rosso");
    AmbienteServizi::imposta("Settings", "ColoreForm", "16777216");
    ImpostaForm(&normale);
    EXPECT_EQ(vbBackColor(normale.etichetta), 16777215u);
    EXPECT_EQ(vbBackColor(&normale), 255u);
}

TEST(ImpostaForm, ColoursReachTheControlsOfAWindowCutToTheScreen)
{
    AmbienteServizi a({});
    AmbienteServizi::imposta("Settings", "ColoreEtichette", "65535");
    AmbienteServizi::imposta("Settings", "ColoreForm", "255");
    auto* f = Forms::get<frmTagliata>();
    f->resize(1500, 300);
    f->cmdOk->move(1400, 10);
    setScreenOverride(QRect(0, 0, 1024, 768));
    f->vbShow();
    ASSERT_NE(f->scrollArea(), nullptr);
    ImpostaForm(f);
    EXPECT_EQ(vbBackColor(f->etichetta), 65535u);
    EXPECT_EQ(vbBackColor(f->chkRuota3), 255u);
}

} // namespace
