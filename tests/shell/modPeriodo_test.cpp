#include "compat/vbdate.h"
#include "compat/ui/Controls.h"
#include "shell/Controlli.h"
#include "shell/frmDati.h"
#include "shell/modPeriodo.h"
#include "support/ui/AmbienteServizi.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace compat;

namespace {

std::vector<RecEstrazione> archivio()
{
    return estrazioniCasuali(QDate(2001, 1, 2), 100, 3, 7);
}

// An analysis window as the loaders expect it: wheel boxes 0..11 (or 1..11),
// period texts and pickers.
class Analisi : public Form, public FinestraAnalisi {
public:
    explicit Analisi(bool conTutte, bool conNz)
    {
        setObjectName("frmAnalisi");
        for (int i = conTutte ? 0 : 1; i <= 11; ++i) {
            auto* c = new QCheckBox(this);
            c->setObjectName(QStringLiteral("chkRuota_%1").arg(i));
            on(c, &QCheckBox::toggled, "chkRuota_Click", [this, i, conNz] {
                conNz ? SalvaRuoteConNz(this, i) : SalvaRuote(this, i);
            });
            controlli_.ruote[i] = c;
        }
        for (QWidget** t : {&controlli_.txtDataInizio, &controlli_.txtDataFine})
            *t = new QLineEdit(this);
        controlli_.txtDataInizio->setObjectName("txtDataInizio");
        controlli_.txtDataFine->setObjectName("txtDataFine");
        for (QDateEdit** d : {&controlli_.DTPickerDa, &controlli_.DTPickerA, &controlli_.DTPickerARit})
            *d = new QDateEdit(this);
        controlli_.DTPickerDa->setObjectName("DTPickerDa");
        controlli_.DTPickerA->setObjectName("DTPickerA");
        controlli_.DTPickerARit->setObjectName("DTPickerARit");
    }
    ControlliAnalisi controlliAnalisi() override { return controlli_; }
    ControlliAnalisi controlli_;
    QCheckBox* ruota(int i) { return findChild<QCheckBox*>(QStringLiteral("chkRuota_%1").arg(i)); }
    QString ruote()
    {
        QString s;
        for (int i = 0; i <= 11; ++i)
            s += !ruota(i) ? u'-' : ruota(i)->isChecked() ? u'Y' : u'N';
        return s;
    }
};

TEST(AggiornaFineRicerca, EndFollowsTheNewestDrawOnlyWhenAsked)
{
    AmbienteServizi a(archivio());
    a.imposta("Settings", "InizioRicerca", "10");
    a.imposta("Settings", "FineRicerca", "90");
    a.imposta("Settings", "UltimaEstrazione", "N");
    const QByteArray prima = a.cartella.leggiFile("Quorvane.ini");
    AggiornaFineRicerca();
    EXPECT_EQ(a.cartella.leggiFile("Quorvane.ini"), prima);
    EXPECT_EQ(Forms::find<frmDati>(), nullptr);

    a.imposta("Settings", "UltimaEstrazione", "Y");
    AggiornaFineRicerca();
    EXPECT_EQ(Forms::find<frmDati>(), nullptr);
    EXPECT_EQ(a.ini("Settings", "InizioRicerca"), "10");
    EXPECT_EQ(a.ini("Settings", "FineRicerca"), "100");
    EXPECT_EQ(a.ini("Settings", "UltimaEstrazione"), "Y");
    EXPECT_EQ(a.ini("Settings", "DataFineRicerca"), DataEstrazione(100));
    EXPECT_EQ(a.ini("Settings", "Blocco"), "N");
    EXPECT_NE(a.ini("Forms", "DatiTop"), "<assente>");
}

TEST(CaricaRuoteConNz, WheelsAndClampedPeriod)
{
    AmbienteServizi a(archivio());
    Analisi* w = new Analisi(true, true);
    Forms::current = w;
    a.imposta("Settings", "RuoteConNz", "YYYYYYYYYYY");
    a.imposta("Settings", "InizioRicerca", "0");
    a.imposta("Settings", "FineRicerca", "5000");
    CaricaRuoteConNz();
    EXPECT_EQ(w->ruote(), "YNNNNNNNNNNY");
    EXPECT_EQ(NumInizioRicerca, 1);
    EXPECT_EQ(NumFineRicerca, 100);
    EXPECT_EQ(w->findChild<QLineEdit*>("txtDataFine")->text(), DataEstrazione(100));
    EXPECT_EQ(w->findChild<QDateEdit*>("DTPickerDa")->date(), QDate(2001, 1, 2));
    EXPECT_EQ(a.ini("Settings", "RuoteConNz"), "YYYYYYYYYYY");   // loading saved nothing

    // Unticking every wheel saves "Tutte".
    w->ruota(0)->setChecked(false);
    w->ruota(11)->setChecked(false);
    EXPECT_EQ(a.ini("Settings", "RuoteConNz"), "YYYYYYYYYYN");
    w->ruota(3)->setChecked(true);
    EXPECT_EQ(a.ini("Settings", "RuoteConNz"), "NNYNNNNNNNN");
    w->ruota(0)->setChecked(true);
    EXPECT_EQ(w->ruote(), "YNNNNNNNNNNN");
    delete w;
}

TEST(CaricaRuote, OneWheelAlwaysChosen)
{
    AmbienteServizi a(archivio());
    Analisi* w = new Analisi(false, false);
    Forms::current = w;
    a.imposta("Settings", "Ruota", "YYYYYYYYYYN");
    CaricaRuote(true);
    EXPECT_EQ(w->ruote(), "-NNNNNNNNNNN");
    EXPECT_EQ(w->findChild<QDateEdit*>("DTPickerARit")->date(), *vbCDate(DataEstrazione(100)));
    a.imposta("Settings", "Ruota", "YYYYYYYYYYY");
    CaricaRuote(true);
    EXPECT_EQ(w->ruote(), "-YYYYYYYYYYY");

    w->ruota(4)->setChecked(false);   // a click on a ticked wheel leaves it ticked
    EXPECT_EQ(w->ruote(), "-NNNYNNNNNNN");
    EXPECT_EQ(a.ini("Settings", "Ruota"), "NNNYNNNNNNN");
    // No stored choice: Bari alone.
    SalvaImpostazione({}, "Settings", "Ruota", std::nullopt);
    CaricaRuote(true);
    EXPECT_EQ(w->ruote(), "-YNNNNNNNNNN");
    delete w;
}

TEST(CaricaRuote, SeveralWheelsFormReadsItsOwnKey)
{
    AmbienteServizi a(archivio());
    Analisi* w = new Analisi(true, false);
    Forms::current = w;
    a.imposta("Settings", "Ruota", "NNNYNNNNNNN");
    CaricaRuote(false);   // "Ruote" absent: the ten regional wheels, as "Tutte"
    EXPECT_EQ(w->ruote(), "YNNNNNNNNNNN");
    a.imposta("Settings", "Ruote", "NYNNNNNNNNY");
    CaricaRuote(false);
    EXPECT_EQ(w->ruote(), "NNYNNNNNNNNY");
    EXPECT_EQ(a.ini("Settings", "Ruota"), "NNNYNNNNNNN");
    delete w;
}

} // namespace
