#include "RiferimentoAbbinamenti.h"
#include "compat/vbdate.h"
#include "compat/ui/Controls.h"
#include "compat/ui/ReportListView.h"
#include "compat/ui/Twips.h"
#include "metodi/CodiceMetodo.h"
#include "metodi/frmCapoAbbinamentiQuorvane.h"
#include "metodi/frmQuorvane.h"
#include "metodi/frmReportQuorvane.h"
#include "shell/modMetodoSpia.h"
#include "shell/modRestrizioni.h"
#include "support/ui/AmbienteServizi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <gtest/gtest.h>

using namespace compat;

namespace {

std::array<bool, 12> soloRuote(std::initializer_list<int> ruote)
{
    std::array<bool, 12> r{};
    for (int w : ruote)
        r[size_t(w)] = true;
    return r;
}

struct Finestra {
    AmbienteServizi a;
    frmQuorvane* f;
    explicit Finestra(const std::vector<RecEstrazione>& estrazioni) : a(estrazioni)
    {
        LeggiRestrizioni();
        f = Forms::get<frmQuorvane>();
        f->vbShow();
    }
    void ruote(std::initializer_list<int> ricerca, std::initializer_list<int> gioco)
    {
        const auto r = soloRuote(ricerca), g = soloRuote(gioco);
        for (int w = 0; w <= 11; ++w) {
            f->chkRuota[w]->setChecked(r[size_t(w)]);
            f->chkRuotaG[w]->setChecked(g[size_t(w)]);
        }
    }
    // The period from the first stored draw to the last.
    void tuttoLArchivio()
    {
        vbSetDate(f->DTPickerDa, *vbCDate(Archivio().leggi(1).dataTesto()));
        vbSetDate(f->DTPickerA, *vbCDate(Archivio().leggi(NumeroEstrazioni).dataTesto()));
    }
    void metodo(const QString& codice)
    {
        f->txtCapoGioco->setText(QStringLiteral(" metodo"));
        f->txtCapoGioco->setProperty("Tag", codice);
    }
    QStringList righe(const QListWidget* l) const
    {
        QStringList r;
        for (int i = 0; i < l->count(); ++i)
            r << l->item(i)->text();
        return r;
    }
};

// ---- Paired algorithms and numbers on a random archive

std::vector<RecEstrazione> casuali()
{
    return estrazioniCasuali(QDate(2004, 6, 1), 300, 2, 5);
}

const QString kMetodo = QStringLiteral("305+0001500711111");   // 3' su MI + 15, spia 7

} // namespace

TEST(frmQuorvaneAbbinati, PairedAlgorithmsListAsTheLiteralVersionAndClearTogether)
{
    Finestra w(casuali());
    w.ruote({1, 6}, {1, 6, 11});
    const qint32 n = NumeroEstrazioni;
    w.tuttoLArchivio();
    vbSetComboText(w.f->cboColpi, QStringLiteral(" 4"));
    w.f->chkUltime->setChecked(true);
    w.metodo(kMetodo);
    vbSetComboText(w.f->cboAlgoAbbinati, QStringLiteral(" 5"));
    QTest::mouseClick(w.f->cmdAlgoAbbinati, Qt::LeftButton);

    const RiferimentoAlgoAbbinati rif = algoAbbinatiRiferimento(
        Archivio(), Restrizioni(), kMetodo, 4, 1, n, false, 0, soloRuote({1, 6}), soloRuote({1, 6, 11}), 14);
    ASSERT_EQ(rif.righe.size(), 14);
    EXPECT_EQ(w.righe(w.f->lstAlgoritmiAbbinati), rif.righe.mid(0, 5));
    ASSERT_EQ(w.f->CodiciAlgoritmiAbbinati.size(), 6u);
    EXPECT_EQ(w.f->CodiciAlgoritmiAbbinati[0], QString());
    for (int j = 1; j <= 5; ++j)
        EXPECT_EQ(w.f->CodiciAlgoritmiAbbinati[size_t(j)], rif.codici[j - 1]);
    EXPECT_GT(w.f->ListViewOrdin->count(), 14);

    // The summary of the back-test plays and lists the paired algorithms.
    w.f->cmdReport[0]->setEnabled(true);
    QTest::mouseClick(w.f->cmdReport[0], Qt::LeftButton);
    auto* report = Forms::find<frmReportQuorvane>();
    ASSERT_NE(report, nullptr);
    const QStringList l = report->righe();
    const qsizetype calcolo = l.indexOf(QStringLiteral("Calcolo abbinamenti:"));
    ASSERT_GE(calcolo, 0);
    EXPECT_EQ(l.mid(calcolo + 1, 5), QStringList(rif.righe.mid(0, 5)).replaceInStrings(
                                          QRegularExpression(QStringLiteral("^.{8}")), QString()));
    vbUnload(report);

    // More than the list offers is bounded by its range.
    w.f->cboAlgoAbbinati->setEditText(QStringLiteral("40"));
    QTest::mouseClick(w.f->cmdAlgoAbbinati, Qt::LeftButton);
    EXPECT_EQ(w.righe(w.f->lstAlgoritmiAbbinati), rif.righe);
    EXPECT_EQ(w.f->CodiciAlgoritmiAbbinati.size(), 15u);

    QTest::mouseClick(w.f->cmdCancellaAlgoritmiAbbinati, Qt::LeftButton);
    EXPECT_EQ(w.f->lstAlgoritmiAbbinati->count(), 0);
    EXPECT_TRUE(w.f->CodiciAlgoritmiAbbinati.empty());

    // A refused run empties the list and its codes alike.
    QTest::mouseClick(w.f->cmdAlgoAbbinati, Qt::LeftButton);
    ASSERT_EQ(w.f->lstAlgoritmiAbbinati->count(), 14);
    w.f->cboColpi->setEditText(QStringLiteral("0"));
    w.a.fake.expectMsgBox(QStringLiteral("Inserire il n. di colpi di gioco !"), vbOK);
    QTest::mouseClick(w.f->cmdAlgoAbbinati, Qt::LeftButton);
    EXPECT_EQ(w.a.fake.msgBoxCall(-1).style, vbExclamation);
    EXPECT_EQ(w.f->lstAlgoritmiAbbinati->count(), 0);
    EXPECT_TRUE(w.f->CodiciAlgoritmiAbbinati.empty());
}

// The window's bar follows the search from empty, wherever the last run
// left it, to full; with the last cases its end is the cases taken.
TEST(frmQuorvaneAbbinati, PairedAlgorithmsProgressMovesAsTheSearchGoes)
{
    Finestra w(casuali());
    w.ruote({1, 6}, {1, 6, 11});
    const qint32 n = NumeroEstrazioni;
    w.tuttoLArchivio();
    std::vector<int> valori;
    QObject::connect(w.f->ProgressBar1, &QProgressBar::valueChanged, [&](int v) { valori.push_back(v); });
    for (const bool perSortite : {false, true}) {
        SCOPED_TRACE(perSortite ? "last cases" : "dates");
        if (perSortite) {
            QTest::mouseClick(w.f->optPeriodo[1], Qt::LeftButton, {},
                              QPoint(6, w.f->optPeriodo[1]->height() / 2));
            ASSERT_TRUE(w.f->optPeriodo[1]->isChecked());
            vbSetComboText(w.f->cboSortite, QStringLiteral("20"));
        }
        w.metodo(kMetodo);
        valori.clear();
        QTest::mouseClick(w.f->cmdAlgoAbbinati, Qt::LeftButton);
        ASSERT_GT(w.f->lstAlgoritmiAbbinati->count(), 0);
        ASSERT_GT(valori.size(), 5u);
        EXPECT_EQ(valori.front(), 0);
        EXPECT_TRUE(std::is_sorted(valori.begin(), valori.end()));
        EXPECT_EQ(valori.back(), w.f->ProgressBar1->maximum());
        EXPECT_EQ(w.f->ProgressBar1->maximum(), perSortite ? 20 : n - 1 - 6);
    }
}

TEST(frmQuorvaneAbbinati, PairedAlgorithmsRefuseACodeWithoutASpia)
{
    Finestra w(casuali());
    w.ruote({1}, {1});
    w.tuttoLArchivio();
    w.metodo(kMetodo.left(9));
    w.a.fake.expectMsgBox(QStringLiteral("Impossibile calcolare gli abbinamenti: capogioco mancante."), vbOK);
    QTest::mouseClick(w.f->cmdAlgoAbbinati, Qt::LeftButton);
    EXPECT_EQ(w.a.fake.msgBoxCall(-1).style, vbOKOnly);
    EXPECT_EQ(w.f->lstAlgoritmiAbbinati->count(), 0);
}

TEST(frmQuorvaneAbbinati, PairedNumbersAsTheLiteralVersionAndNoneFromAMissingNumber)
{
    Finestra w(casuali());
    w.ruote({1}, {0, 11});
    const qint32 gioco = 280;
    w.f->txtDataFine->setText(Archivio().leggi(gioco).dataTesto());
    w.metodo(kMetodo);
    vbSetComboText(w.f->cboNumAbbinati, QStringLiteral(" 6"));
    QTest::mouseClick(w.f->cmdNumAbbinati, Qt::LeftButton);
    const int capo = CalcolaAlgoritmo(kMetodo, Archivio().leggi(gioco));
    ASSERT_GT(capo, 0);
    const QStringList rif = numeriAbbinatiRiferimento(Archivio(), Restrizioni(), capo, gioco,
                                                      soloRuote({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}), 6);
    ASSERT_EQ(rif.size(), 6);
    EXPECT_EQ(w.righe(w.f->lstNumeriAbbinati), rif);

    QTest::mouseClick(w.f->cmdCancellaNumeriAbbinati, Qt::LeftButton);
    EXPECT_EQ(w.f->lstNumeriAbbinati->count(), 0);

    // The Nazionale before it was drawn gives no capogioco.
    w.f->txtDataFine->setText(Archivio().leggi(20).dataTesto());
    w.metodo(QStringLiteral("111+0000000711111"));
    w.a.fake.expectMsgBox(QStringLiteral("Impossibile calcolare i numeri abbinati."), vbOK);
    QTest::mouseClick(w.f->cmdNumAbbinati, Qt::LeftButton);
    EXPECT_EQ(w.f->lstNumeriAbbinati->count(), 0);
}

// ---- Numbers to play, on a hand-made play draw

namespace {

// The play draw of 12/03/2024: BA 23 10 30 40 50, NA 5 61 7 45 9.
std::vector<RecEstrazione> manuale()
{
    using Ruota = std::pair<int, std::array<int, 5>>;
    std::vector<BozzaEstrazione> bozze;
    for (QDate d(2024, 1, 2); d < QDate(2024, 3, 12); d = d.addDays(3))
        bozze.push_back({d, {Ruota{1, {80, 81, 82, 83, 84}}, Ruota{6, {85, 86, 87, 88, 89}}}});
    bozze.push_back({QDate(2024, 3, 12), {Ruota{1, {23, 10, 30, 40, 50}}, Ruota{6, {5, 61, 7, 45, 9}}}});
    return componi(bozze);
}

const QString kCapo = QStringLiteral("101+0000002311111");   // 1' su BA, spia 23

struct Gioco : Finestra {
    Gioco() : Finestra(manuale())
    {
        ruote({1}, {1, 6});
        f->txtDataFine->setText(QStringLiteral("12/03/2024"));
        metodo(kCapo);
        algoritmi({QStringLiteral("306+00000"), QStringLiteral("406+00000")});
        f->lstNumeriAbbinati->addItems({QStringLiteral("100,0%  n.    5"), QStringLiteral(" 50,0%  n.   61")});
    }
    void algoritmi(const QStringList& codici)
    {
        f->lstAlgoritmiAbbinati->clear();
        f->CodiciAlgoritmiAbbinati.assign(1, QString());
        for (const QString& c : codici) {
            f->lstAlgoritmiAbbinati->addItem(QStringLiteral("  1 %    riga"));
            f->CodiciAlgoritmiAbbinati.push_back(c);
        }
    }
    void riga(const QString& codice)
    {
        ReportListView::setTag(f->ListViewOrdin2->addItem(QStringLiteral(" riga")), codice);
    }
    std::vector<frmCapoAbbinamentiQuorvane*> aperte() const
    {
        std::vector<frmCapoAbbinamentiQuorvane*> v;
        for (Form* x : Forms::all())
            if (auto* c = dynamic_cast<frmCapoAbbinamentiQuorvane*>(x))
                v.push_back(c);
        return v;
    }
};

} // namespace

TEST(frmQuorvaneAbbinati, NumbersToPlayOpenANewWindowWhoseFileIsAsShown)
{
    Gioco w;
    w.riga(kCapo);
    QTest::mouseClick(w.f->cmdVediNumeri, Qt::LeftButton);
    ASSERT_EQ(w.aperte().size(), 1u);
    frmCapoAbbinamentiQuorvane* c = w.aperte()[0];
    EXPECT_TRUE(c->isVisible());
    EXPECT_EQ(c->txtRuote->text(), QStringLiteral(" BA NA"));
    EXPECT_EQ(c->Label1[1]->text(), QStringLiteral("per  6 colpi dopo l'estrazione del 12/03/2024"));
    EXPECT_EQ(c->txtCapoGioco->text(), QStringLiteral("23"));
    EXPECT_EQ(c->lblMultiSegnalazione->text(), QString());
    EXPECT_EQ(c->txtAbbinamentiAlgoritmi->text(), QStringLiteral("  7 45"));
    EXPECT_EQ(c->txtAbbinamentiCapogioco->text(), QStringLiteral("  5 61"));

    const QString path = w.a.cartella.percorso() + QStringLiteral("/NumeriQuorvane.Txt");
    w.a.fake.expectSave(path);
    QTest::mouseClick(c->cmdPrintToFile, Qt::LeftButton);
    EXPECT_EQ(w.a.fake.fileCall(-1).request.initialName, QStringLiteral("NumeriQuorvane"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("Numeri da giocare su :  BA NA dopo il 12/03/2024\r\n"
                                         "Capogioco : 23\r\n"
                                         "Abbinamenti ricavati da algoritmi  :   7 45\r\n"
                                         "Abbinamenti ricavati dal capogioco :   5 61\r\n"));

    w.a.fake.expectPrinterDialog(1);
    QTest::mouseClick(c->cmdStampa, Qt::LeftButton);
    EXPECT_EQ(w.a.fake.printedDocuments().size(), 1u);

    // Two more presses: each window lands 400 twips further right and down.
    QTest::mouseClick(w.f->cmdVediNumeri, Qt::LeftButton);
    QTest::mouseClick(w.f->cmdVediNumeri, Qt::LeftButton);
    const auto tre = w.aperte();
    ASSERT_EQ(tre.size(), 3u);
    for (int k = 1; k <= 2; ++k) {
        EXPECT_NEAR(vbLeft(tre[size_t(k)]) - vbLeft(tre[0]), 400.0 * k, 15);
        EXPECT_NEAR(vbTop(tre[size_t(k)]) - vbTop(tre[0]), 400.0 * k, 15);
    }
    QTest::mouseClick(tre[0]->cmdOk, Qt::LeftButton);
    EXPECT_EQ(w.aperte().size(), 2u);
}

TEST(frmQuorvaneAbbinati, PairedNumbersMadeDistinctAndOtherMethodsCountedByCode)
{
    Gioco w;
    // BA 2' + 13 and NA 2' + 52 give the capogioco 23; NA 4' + 45 and
    // NA 5' + 81 give 90.
    w.algoritmi({QStringLiteral("201+00013"), QStringLiteral("206+00052"), QStringLiteral("406+00045"),
                 QStringLiteral("506+00081"), QStringLiteral("1")});
    // The current method is not among the rows; two other rows give 23.
    w.riga(QStringLiteral("201+0001302311111"));
    w.riga(QStringLiteral("206+0005202311111"));
    w.riga(QStringLiteral("306+0000002311111"));
    QTest::mouseClick(w.f->cmdVediNumeri, Qt::LeftButton);
    ASSERT_EQ(w.aperte().size(), 1u);
    frmCapoAbbinamentiQuorvane* c = w.aperte()[0];
    EXPECT_EQ(c->txtAbbinamentiAlgoritmi->text(), QStringLiteral(" 24 25 90  1"));
    EXPECT_EQ(c->lblMultiSegnalazione->text(), QStringLiteral("(Segnalato da altri 2 algoritmi)"));
}

TEST(frmQuorvaneAbbinati, NumbersToPlayUseTheMultiWheelWheelsAndStopAtARefusedDate)
{
    Gioco w;
    RuoteRicercaMulti = QStringLiteral("NA");
    RuoteGiocoMulti = QStringLiteral("Tutte+NZ");
    ImpostaRuote(RuoteRicercaMulti, 1);
    ImpostaRuote(RuoteGiocoMulti, 2);
    w.a.fake.expectMsgBox(
        QStringLiteral("Attenzione! Numero spia  23 non presente nelle ruote di ricerca il 12/03/2024"), vbOK);
    QTest::mouseClick(w.f->cmdVediNumeri, Qt::LeftButton);
    ASSERT_EQ(w.aperte().size(), 1u);
    EXPECT_EQ(w.aperte()[0]->txtRuote->text(), QStringLiteral(" Tutte + NZ"));

    w.f->txtDataFine->setText(QStringLiteral("01/01/2030"));
    w.a.fake.expectMsgBox(
        QStringLiteral("La data non può essere superiore alla data ultima estrazione inserita (12/03/2024)"), vbOK);
    QTest::mouseClick(w.f->cmdVediNumeri, Qt::LeftButton);
    EXPECT_EQ(w.aperte().size(), 1u);

    w.metodo(QString());
    w.a.fake.expectMsgBox(QStringLiteral("Inserire almeno il capogioco."), vbOK);
    QTest::mouseClick(w.f->cmdVediNumeri, Qt::LeftButton);
    EXPECT_EQ(w.aperte().size(), 1u);
}
