#include "compat/ui/Controls.h"
#include "compat/ui/Twips.h"
#include "shell/modMetodoSpia.h"
#include "shell/Controlli.h"
#include "support/ui/AmbienteServizi.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <cmath>
#include <gtest/gtest.h>

using namespace compat;

namespace {

class frmPosizione : public Form {
public:
    frmPosizione()
    {
        setObjectName(QStringLiteral("frmPosizione"));
        resize(200, 100); // 3000 x 1500 twips
    }
};

// The play-wheel boxes of the method-search window, wired as there.
class frmGioco : public Form, public FinestraAnalisi {
public:
    frmGioco()
    {
        setObjectName(QStringLiteral("frmGioco"));
        for (int i = 0; i <= 11; ++i) {
            chkRuotaG[i] = new QCheckBox(this);
            chkRuotaG[i]->setObjectName(QStringLiteral("chkRuotaG_%1").arg(i));
            on(chkRuotaG[i], &QCheckBox::toggled, QStringLiteral("chkRuotaG_Click"),
               [this, i] { SalvaRuoteConNzGioco(this, i); });
        }
        txtDataFine = new QLineEdit(this);
        txtDataFine->setObjectName(QStringLiteral("txtDataFine"));
        DTPickerDa = new QDateEdit(this);
        DTPickerDa->setObjectName(QStringLiteral("DTPickerDa"));
    }
    ControlliAnalisi controlliAnalisi() override
    {
        ControlliAnalisi c;
        c.ruoteGioco = caselle(chkRuotaG);
        c.txtDataFine = txtDataFine;
        c.DTPickerDa = DTPickerDa;
        return c;
    }
    QString spunte() const
    {
        QString s;
        for (QCheckBox* c : chkRuotaG)
            s += c->isChecked() ? u'1' : u'0';
        return s;
    }
    std::array<QCheckBox*, 12> chkRuotaG{};
    QLineEdit* txtDataFine;
    QDateEdit* DTPickerDa;
};

std::vector<RecEstrazione> archivio()
{
    return estrazioniCasuali(QDate(2020, 1, 4), 30, 7, 5);
}

TEST(modMetodoSpia, StoredPositionIsRestoredEachAxisCentredOnItsOwnWhenOffScreen)
{
    AmbienteServizi a(archivio());
    const double sw = screenWidthTwips(), sh = screenHeightTwips();
    const double cx = std::trunc(vbRound(sw - 3000) / 2), cy = std::trunc(vbRound(sh - 1500) / 2);
    struct Caso {
        std::optional<QString> left, top;
        double attesoLeft, attesoTop;
    };
    const Caso casi[] = {
        {std::nullopt, std::nullopt, 1000, 1000},
        {"-120", "300", -120, 300},
        {"-121", "300", cx, 300},
        {"450", "abc", 450, 0},
        {"", "1e9", 0, cy},
        {"600", QString::number(sh - 1000), 600, sh - 1000},
    };
    for (const Caso& c : casi) {
        SalvaImpostazione({}, "Forms", "frmPosizioneLeft", c.left);
        SalvaImpostazione({}, "Forms", "frmPosizioneTop", c.top);
        frmPosizione f;
        CaricaPosizioneForm(&f);
        EXPECT_EQ(f.pos(), QPoint(twipsToPx(c.attesoLeft), twipsToPx(c.attesoTop)))
            << c.left.value_or("-").toStdString() << " " << c.top.value_or("-").toStdString();
    }
    AmbienteServizi::imposta("Forms", "frmPosizioneTop", QString::number(sh - 999));
    AmbienteServizi::imposta("Forms", "frmPosizioneLeft", "600");
    frmPosizione f;
    CaricaPosizioneForm(&f);
    EXPECT_EQ(f.pos(), QPoint(40, twipsToPx(cy)));
    CaricaPosizioneForm(&f, true);
    EXPECT_EQ(f.pos(), QPoint(twipsToPx(cx), twipsToPx(cy)));
}

TEST(modMetodoSpia, PositionIsSavedUnlessMinimisedOrAskedNotTo)
{
    AmbienteServizi a(archivio());
    frmPosizione f;
    f.move(30, 45);
    SalvaPosizioneForm(&f);
    EXPECT_EQ(AmbienteServizi::ini("Forms", "frmPosizioneLeft"), "450");
    EXPECT_EQ(AmbienteServizi::ini("Forms", "frmPosizioneTop"), "675");
    f.move(60, 60);
    SalvaPosizioneForm(&f, 1);
    f.setWindowState(Qt::WindowMinimized);
    SalvaPosizioneForm(&f);
    EXPECT_EQ(AmbienteServizi::ini("Forms", "frmPosizioneLeft"), "450");
}

TEST(modMetodoSpia, WheelListsBecomeFlags)
{
    CaricaNomiRuote();
    const struct {
        const char* testo;
        int tipo;
        const char* attese; // flags 1..11
    } casi[] = {
        {"BA-NA-NZ", 2, "10000100001"},
        {"Tutte", 1, "11111111110"},
        {"Tutte+NZ", 2, "11111111111"},
        {"tutte", 1, "00000000000"},
    };
    for (const auto& c : casi) {
        FlagRuoteRicercaMulti.fill(true);
        FlagRuoteGiocoMulti.fill(true);
        ImpostaRuote(QString::fromLatin1(c.testo), c.tipo);
        const auto& flag = c.tipo == 1 ? FlagRuoteRicercaMulti : FlagRuoteGiocoMulti;
        QString s;
        for (int i = 1; i <= 11; ++i)
            s += flag[i] ? u'1' : u'0';
        EXPECT_EQ(s, QString::fromLatin1(c.attese)) << c.testo;
        EXPECT_FALSE(flag[0]);
    }
    FlagRuoteRicercaMulti.fill(true);
    ImpostaRuote(QStringLiteral("BA"), 3);
    EXPECT_TRUE(FlagRuoteRicercaMulti[5]);
}

TEST(modMetodoSpia, PlayWheelsLoadWithoutSavingAndEachClickSavesAConsistentChoice)
{
    AmbienteServizi a(archivio());
    const struct {
        const char* memorizzato;
        const char* spunte; // boxes 0..11
    } carichi[] = {
        {"YYYYYYYYYYY", "100000000001"},
        {"NNNNNNNNNNN", "000000000000"},
        {"YNY", "010100000001"},
    };
    for (const auto& c : carichi) {
        AmbienteServizi::imposta("Settings", "RuoteConNzGioco", QString::fromLatin1(c.memorizzato));
        auto* f = Forms::create<frmGioco>();
        Forms::current = f;
        CaricaImpostazioniRicerca();
        EXPECT_EQ(f->spunte(), QString::fromLatin1(c.spunte)) << c.memorizzato;
        EXPECT_EQ(AmbienteServizi::ini("Settings", "RuoteConNzGioco"), QString::fromLatin1(c.memorizzato));
        EXPECT_EQ(f->txtDataFine->text(), DataEstrazione(NumeroEstrazioni));
        vbUnload(f);
    }

    AmbienteServizi::imposta("Settings", "RuoteConNzGioco", "NNNNNNNNNYN");
    auto* f = Forms::create<frmGioco>();
    Forms::current = f;
    CaricaImpostazioniRicerca();
    f->chkRuotaG[10]->setChecked(false); // the last one unticked
    EXPECT_EQ(f->spunte(), "000000000000");
    EXPECT_EQ(AmbienteServizi::ini("Settings", "RuoteConNzGioco"), "YYYYYYYYYYN");
    f->chkRuotaG[3]->setChecked(true);
    f->chkRuotaG[11]->setChecked(true);
    f->chkRuotaG[0]->setChecked(true);
    EXPECT_EQ(f->spunte(), "100000000001");
    EXPECT_EQ(AmbienteServizi::ini("Settings", "RuoteConNzGioco"), "YYYYYYYYYYY");
    f->chkRuotaG[6]->setChecked(true);
    EXPECT_EQ(f->spunte(), "000000100001");
    EXPECT_EQ(AmbienteServizi::ini("Settings", "RuoteConNzGioco"), "NNNNNYNNNNY");
}

} // namespace
