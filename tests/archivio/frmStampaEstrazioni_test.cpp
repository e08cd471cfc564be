#include "archivio/frmStampaEstrazioni.h"
#include "compat/ui/Controls.h"
#include "compat/ui/LinePrinter.h"
#include "archivio/StampaEstrazioni.h"
#include "core/ArchivioMemoria.h"
#include "shell/modArchivio.h"
#include "support/ui/AmbienteServizi.h"
#include "support/ui/PdfText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace compat;

namespace {

// 120 draws every 3 days from 02/01/2001, all wheels but the Nazionale.
struct Ambiente : AmbienteServizi {
    Ambiente() : AmbienteServizi(estrazioniCasuali(QDate(2001, 1, 2), 120, 3, 4))
    {
        CaricaNomiRuote();
        f = Forms::get<frmStampaEstrazioni>();
        f->vbShow();
    }
    void stampa() { QTest::mouseClick(f->cmdStampa, Qt::LeftButton); }
    frmStampaEstrazioni* f;
};

QStringList pagine(const QStringList& righe)
{
    return righe.filter(QStringLiteral("Pag."));
}

TEST(frmStampaEstrazioni, OpensOnTheWholeArchiveAndTheFiltersExcludeEachOther)
{
    Ambiente a;
    auto* f = a.f;
    EXPECT_EQ(f->windowTitle(), "Quorvane - Stampa estrazioni");
    EXPECT_EQ(f->DTPickerDa->date(), QDate(2001, 1, 2));
    EXPECT_EQ(f->DTPickerA->date(), QDate(2001, 1, 2).addDays(3 * 119));
    ASSERT_EQ(f->cboRuota->count(), 12);
    EXPECT_EQ(f->cboRuota->currentText(), "Tutte     ");
    EXPECT_EQ(f->cboRuota->itemText(11), "Nazionale ");
    EXPECT_EQ(f->cboMesi->currentText(), "gennaio");
    EXPECT_FALSE(f->cboMesi->isEnabled());
    EXPECT_FALSE(f->cboGiorno->isEnabled());

    QTest::mouseClick(f->chkMeseDi, Qt::LeftButton);
    EXPECT_TRUE(f->cboMesi->isEnabled());
    f->cboMesi->setCurrentIndex(4);
    f->cboGiorno->setCurrentIndex(9);
    QTest::mouseClick(f->chkData, Qt::LeftButton);
    EXPECT_FALSE(f->chkMeseDi->isChecked());
    EXPECT_FALSE(f->cboMesi->isEnabled());
    EXPECT_TRUE(f->cboGiorno->isEnabled());
    EXPECT_EQ(f->cboGiorno->currentText(), "1");
    EXPECT_EQ(f->cboMesi1->currentText(), "Gennaio");
    QTest::mouseClick(f->chkMeseDi, Qt::LeftButton);
    EXPECT_FALSE(f->chkData->isChecked());
    EXPECT_FALSE(f->cboGiorno->isEnabled());
    EXPECT_EQ(f->cboMesi->currentText(), "maggio"); // kept
}

TEST(frmStampaEstrazioni, ThreeCopiesAreThreeDocumentsFromPageOne)
{
    Ambiente a;
    a.f->cboRuota->setCurrentIndex(1);
    a.fake.expectPrinterDialog(3);
    a.stampa();
    const auto& docs = a.fake.printedDocuments();
    ASSERT_EQ(docs.size(), 3u);
    for (const auto& d : docs) {
        EXPECT_EQ(d.lines, docs[0].lines);
        ASSERT_EQ(pagine(d.lines).size(), 2); // 120 draws: 100 + 20
        EXPECT_TRUE(pagine(d.lines)[0].endsWith(u"Pag.   1"));
        EXPECT_TRUE(pagine(d.lines)[1].endsWith(u"Pag.   2"));
    }
    EXPECT_EQ(NumInizioRicerca, 1);
    EXPECT_EQ(NumFineRicerca, 120);

    // The PDF read back (12-point text: blanks do not survive exactly).
    QStringList righe = testsupport::pdfLines(docs[0].pdf);
    for (QString& r : righe)
        r = r.simplified();
    const qsizetype t = righe.indexOf(QStringLiteral("Quorvane - Stampa estrazioni dal 02/01/2001 al 25/12/2001"));
    ASSERT_GE(t, 0);
    EXPECT_EQ(righe.mid(t, 6), QStringList({righe[t], QString(), QStringLiteral("Ruota : Bari"),
                                            QStringLiteral("Pag. 1"), QString(),
                                            (VoceRuota(*vistaArchivio(Archivio()), 1, 1) + u' '
                                             + VoceRuota(*vistaArchivio(Archivio()), 51, 1)).simplified()}));
    EXPECT_EQ(testsupport::pdfPages(docs[0].pdf), 2);
}

TEST(frmStampaEstrazioni, RefusalsComeBeforeThePrinterAndNothingIsPrinted)
{
    Ambiente a;
    auto* f = a.f;
    // A day some year lacks: refused before the printer dialog, grid or not.
    QTest::mouseClick(f->chkData, Qt::LeftButton);
    for (auto [giorno, mese] : {std::pair{29, 1}, {31, 3}}) {
        f->cboGiorno->setCurrentIndex(giorno - 1);
        f->cboMesi1->setCurrentIndex(mese);
        a.fake.expectMsgBox(QStringLiteral("Data errata !"), vbOK);
        a.stampa();
    }
    f->chkDettagliata->setChecked(true);
    a.fake.expectMsgBox(QStringLiteral("Data errata !"), vbOK);
    a.stampa();
    EXPECT_EQ(a.fake.msgBoxCall(-1).style, vbExclamation);

    // Grid of every wheel: refused after the dialog.
    QTest::mouseClick(f->chkData, Qt::LeftButton);
    a.fake.expectPrinterDialog(1);
    a.fake.expectMsgBox(QStringLiteral("E' necessario selezionare una ruota singola!"), vbOK);
    a.stampa();

    // Cancelled dialog: nothing, no message.
    a.fake.expectPrinterDialog(std::nullopt);
    a.stampa();

    // Both dates between the same two draws: the pickers move, then the warning.
    vbSetDate(f->DTPickerDa, QDate(2001, 1, 3));
    vbSetDate(f->DTPickerA, QDate(2001, 1, 4));
    a.fake.expectMsgBox(QStringLiteral("Data finale minore della data iniziale !"), vbOK);
    a.stampa();
    EXPECT_EQ(f->DTPickerDa->date(), QDate(2001, 1, 5));
    EXPECT_EQ(f->DTPickerA->date(), QDate(2001, 1, 2));
    EXPECT_TRUE(a.fake.printedDocuments().empty());

    // No printer: the reason, never a silent success.
    vbSetDate(f->DTPickerA, QDate(2001, 3, 1));
    f->chkDettagliata->setChecked(false);
    a.fake.setPrinterInstalled(false);
    a.fake.expectPrinterDialog(2);
    a.fake.expectMsgBox(QStringLiteral("Nessuna stampante installata."), vbOK);
    a.stampa();
    EXPECT_TRUE(a.fake.printedDocuments().empty());
}

TEST(frmStampaEstrazioni, DetailedGridOfOneWheel)
{
    Ambiente a;
    a.f->cboRuota->setCurrentIndex(2);
    a.f->chkDettagliata->setChecked(true);
    QTest::mouseClick(a.f->chkMeseDi, Qt::LeftButton); // dropped by the grid
    vbSetDate(a.f->DTPickerA, QDate(2001, 1, 8));
    a.fake.expectPrinterDialog(1);
    a.stampa();
    ASSERT_EQ(a.fake.printedDocuments().size(), 1u);
    QStringList righe = testsupport::pdfLines(a.fake.printedDocuments()[0].pdf);
    for (QString& r : righe)
        r = r.trimmed();
    ASSERT_GE(righe.size(), 4);
    EXPECT_EQ(righe[0], "Estrazioni della ruota di Cagliari");
    EXPECT_EQ(righe[2], "0000000001 1111111112 2222222223 3333333334 4444444445 5555555556 "
                        "6666666667 7777777778 8888888889");
    EXPECT_EQ(righe[3], "1234567890 1234567890 1234567890 1234567890 1234567890 1234567890 "
                        "1234567890 1234567890 1234567890");
    // One line a draw of the period, each ending with its five numbers.
    const auto v = vistaArchivio(Archivio());
    QStringList numeri;
    for (const QString& r : righe)
        if (r.startsWith(u'0') && r.contains(u'/'))
            numeri << r.left(8);
        else if (!r.contains(u'.') && !r.isEmpty() && r.at(0).isDigit() && r.contains(u' ')
                 && r.size() < 20)
            numeri << r.simplified();
    QStringList attesi;
    for (qint32 e = 1; e <= 3; ++e) {
        attesi << v->dataTesto(e).left(6) + v->dataTesto(e).mid(8, 2);
        QStringList cinque;
        for (int p = 1; p <= 5; ++p)
            cinque << QString::number(v->numero(e, 2, p));
        attesi << cinque.join(u' ');
    }
    EXPECT_EQ(numeri, attesi);
}

} // namespace
