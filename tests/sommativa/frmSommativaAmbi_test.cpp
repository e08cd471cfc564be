#include "compat/vb.h"
#include "compat/vbdate.h"
#include "compat/ui/Controls.h"
#include "compat/ui/LinePrinter.h"
#include "compat/ui/ReportListView.h"
#include "core/ArchivioMemoria.h"
#include "core/StoricoTsv.h"
#include "shell/modCalendario.h"
#include "sommativa/RicercaSommativa.h"
#include "sommativa/frmSommativaAmbi.h"
#include "support/ui/AmbienteServizi.h"
#include "support/ui/AvvioProgramma.h"
#include "support/ui/DigitazioneProva.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>
#include <numeric>

using namespace compat;

namespace {

const std::vector<RecEstrazione>& storico()
{
    static const std::vector<RecEstrazione> s =
        leggiStoricoTsv(QStringLiteral(QV_SOURCE_DIR) + "/data/estrazioni-1871-2026.tsv").estrazioni;
    return s;
}

QDate dataDi(qint32 n)
{
    return *vbCDate(DataEstrazione(n));
}

struct Finestra {
    AmbienteServizi a;
    frmSommativaAmbi* f;
    explicit Finestra(const std::vector<RecEstrazione>& estrazioni = storico()) : a(estrazioni)
    {
        f = Forms::get<frmSommativaAmbi>();
        f->vbShow();
    }
    void calcola() { QTest::mouseClick(f->cmdCalcola, Qt::LeftButton); }
    void clicRiga(ReportListView* v, int i)
    {
        QTreeWidgetItem* r = v->item(i);
        v->scrollToItem(r);
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualItemRect(r).center());
    }
    QString cartella(const QString& nome) const { return a.cartella.percorso() + "/" + nome; }
};

TEST(frmSommativaAmbi, OpensFromTheMainWindowWithItsStoredInputs)
{
    Avvio a;
    a.archivio();
    a.ini("SommativaAmbi", "Colpi", "7");
    a.ini("SommativaAmbi", "Giocate", "abc");   // no number: the default
    a.ini("SommativaAmbi", "Quanti", "1234");   // longer than its box: the default
    a.ini("Settings", "Ruota", "YYYYYYYYYYY");  // several wheels: Bari alone
    frmMain* m = a.avvia();
    QAction* comando = m->findChild<QAction*>(QStringLiteral("mnuSommativoAmbi"));
    ASSERT_TRUE(comando->isEnabled());
    comando->trigger();
    auto* f = Forms::find<frmSommativaAmbi>();
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->txtColpi->text(), "7");
    EXPECT_EQ(f->txtGiocate->text(), "10");
    EXPECT_EQ(f->txtQuanti->text(), "50");
    EXPECT_EQ(f->RuotaScelta, 1);
    for (int i = 1; i <= 11; ++i)
        EXPECT_EQ(f->chkRuota[size_t(i)]->isChecked(), i == 1) << i;
    EXPECT_EQ(LeggiImpostazione({}, "Settings", "Ruota", "?"), "YNNNNNNNNNN");
    EXPECT_EQ(f->cboIndice->itemText(f->cboIndice->count() - 1), "Ultima");
    EXPECT_EQ(f->DTPickerA->date(), QDate(2026, 2, 27));
    EXPECT_EQ(f->DTPickerDaAnalisi->date(), QDate(2026, 2, 27));
    comando->trigger();   // brought forward, not loaded twice
    EXPECT_EQ(Forms::find<frmSommativaAmbi>(), f);
    vbUnload(f);
    EXPECT_EQ(LeggiImpostazione({}, "SommativaAmbi", "Giocate", "?"), "10");
}

TEST(frmSommativaAmbi, StartBeforeTheFirstAllowedDrawIsRefused)
{
    Finestra w;
    frmSommativaAmbi* f = w.f;
    vbSetText(f->txtColpi, "1");
    vbSetText(f->txtGiocate, "1");
    // One cycle of one colpo ending on the draw after it: the start is that draw.
    auto prova = [&](qint32 inizio) {
        ASSERT_NE(IndiceMensile[size_t(inizio)], IndiceMensile[size_t(inizio + 1)]);
        f->cboIndice->setCurrentIndex(UltimaDelMese[size_t(inizio)] ? f->IndiceMassimo
                                                                     : IndiceMensile[size_t(inizio)] - 1);
        vbSetDate(f->DTPickerA, dataDi(inizio + 1));
    };
    prova(3861);
    w.a.fake.expectMsgBox(DataEstrazione(3861), vbOK);
    w.a.fake.expectMsgBox("Data minima ammessa 6/1/1945!", vbOK);
    w.calcola();
    EXPECT_EQ(w.a.fake.msgBoxCall(-1).title, "Errore data inizio ricerca");
    EXPECT_EQ(f->ListViewRisultati->count(), 0);

    prova(3862);
    w.calcola();
    EXPECT_EQ(f->ListViewRisultati->count(), 50);
    EXPECT_EQ(f->DTPickerDaAnalisi->date(), dataDi(3862));
    EXPECT_EQ(f->DTPickerAAnalisi->date(), dataDi(3863));
    EXPECT_EQ(f->ProgressBar1->value(), 1);
}

TEST(frmSommativaAmbi, TheProgressBarCountsTheCycles)
{
    Finestra w;
    frmSommativaAmbi* f = w.f;
    vbSetText(f->txtColpi, "1");
    vbSetText(f->txtGiocate, "25");
    std::vector<int> valori;
    QObject::connect(f->ProgressBar1, &QProgressBar::valueChanged, f, [&](int v) {
        if (v > 0)
            valori.push_back(v);
    });
    w.calcola();
    EXPECT_EQ(f->ProgressBar1->maximum(), 25);
    // Every cycle in turn, none skipped, whatever the machine's speed.
    std::vector<int> attesi(25);
    std::iota(attesi.begin(), attesi.end(), 1);
    EXPECT_EQ(valori, attesi);
    EXPECT_EQ(f->ListViewRisultati->count(), 50);
}

TEST(frmSommativaAmbi, TooFewIndexDrawsShowTheirMessageTwice)
{
    Finestra w(estrazioniCasuali(QDate(2001, 1, 2), 60, 3, 4));
    const QString poche =
        "Numero estrazioni insufficiente o quantitativo di indici mensili non disponibile.";
    w.a.fake.expectMsgBox(poche, vbOK);
    w.a.fake.expectMsgBox(poche, vbOK);
    w.a.fake.expectMsgBox("Data minima ammessa 6/1/1945!", vbOK);
    w.calcola();
    // "<" with no colpi: its message, and the date stays.
    const QDate prima = w.f->DTPickerA->date();
    vbSetText(w.f->txtColpi, "");
    w.a.fake.expectMsgBox("Inserire il numero di colpi da verificare!", vbOK);
    QTest::mouseClick(w.f->cmdPrecedente, Qt::LeftButton);
    EXPECT_EQ(w.f->DTPickerA->date(), prima);
}

TEST(frmSommativaAmbi, RowsDetailAndOutputsOfTheRun)
{
    Finestra w;
    frmSommativaAmbi* f = w.f;
    vbSetText(f->txtQuanti, "85");
    w.calcola();
    ASSERT_EQ(f->ListViewRisultati->count(), 85);

    // The rows are the engine's on the same inputs.
    const auto vista = vistaArchivio(Archivio());
    ParametriSommativa p;
    p.quanti = 85;
    p.indice = SceltaIndice{1, f->IndiceMassimo};
    p.fine = Archivio().numeroEstrazioni();
    const CalendarioMensile cal{IndiceMensile, UltimaDelMese, f->IndiceMassimo};
    p.inizio = calcolaNumeroIniziale(cal, p.indice, p.fine, 5, 10, 174).inizio;
    const EsitoSommativa e = cercaSommativa(*vista, cal, p);
    EXPECT_EQ(f->ListViewRisultati->columnHeader(5), e.intestazioneNumeri);
    EXPECT_TRUE(e.intestazioneNumeri.startsWith("Numeri al "));
    ASSERT_EQ(e.righe.size(), 85u);
    for (int i = 1; i <= 85; ++i) {
        const QTreeWidgetItem* r = f->ListViewRisultati->item(i);
        const RigaSommativa& x = e.righe[size_t(i - 1)];
        EXPECT_EQ(QStringList({r->text(0), ReportListView::tag(r), r->text(1), r->text(2), r->text(3), r->text(4)}),
                  QStringList({x.algoritmo, x.codice, x.casiPositivi, x.casiNegativi, x.testoQuantita, x.numeriAl}));
    }

    // A row's detail wins in as many cycles as its positives.
    w.clicRiga(f->ListViewRisultati, 1);
    EXPECT_EQ(f->lblDettaglio->text(), "Dettaglio giocate    " + e.righe[0].algoritmo);
    int positivi = 0;
    for (int i = 1; i <= f->ListViewDettaglio->count(); ++i)
        positivi += f->ListViewDettaglio->item(i)->text(2).startsWith("Positivo ") ? 1 : 0;
    EXPECT_EQ(positivi, e.righe[0].positivi);
    EXPECT_EQ(f->ListViewDettaglio->count(), 10);

    // The end date moves afterwards; the outputs still describe the run.
    const QString inizio = DataEstrazione(p.inizio), fine = DataEstrazione(p.fine);
    QTest::mouseClick(f->cmdPrecedente, Qt::LeftButton);
    EXPECT_EQ(f->DTPickerA->date(), dataDi(p.fine - 1));
    const QString file = w.cartella("risultati");
    w.a.fake.expectSave(file);
    QTest::mouseClick(f->cmdPrintToFile, Qt::LeftButton);
    EXPECT_EQ(w.a.fake.fileCall(-1).request.initialName, "Metodo sommativo per ricerca ambo_BA");
    QStringList righe = readCp1252Lines(file);
    ASSERT_EQ(righe.size(), 10 + 85);
    EXPECT_EQ(righe[2], " Intervallo di simulazione    : dal " + inizio + " al " + fine);
    EXPECT_EQ(righe[4], " Tipo giocate                 : indice mensile 1 per 10 cicli di 5 colpi");
    EXPECT_TRUE(righe[7].contains("| Quantità | " + e.intestazioneNumeri));
    EXPECT_EQ(righe[10].mid(2, e.righe[0].algoritmo.size()), e.righe[0].algoritmo);
    QFile grezzo(file);
    ASSERT_TRUE(grezzo.open(QIODevice::ReadOnly));
    const QByteArray byte = grezzo.readAll();
    grezzo.close();
    EXPECT_TRUE(byte.startsWith(" Metodo sommativo per ambi by Ostrel\r\n"));
    EXPECT_TRUE(byte.contains("Quantit\xe0"));
    EXPECT_TRUE(byte.endsWith("\r\n"));
    // An existing file: Yes appends the whole block after what it holds.
    w.a.fake.expectSave(file);
    w.a.fake.expectMsgBox("Il file " + file + " è già esistente. Le informazioni vanno aggiunte in calce ?", vbYes);
    QTest::mouseClick(f->cmdPrintToFile, Qt::LeftButton);
    EXPECT_EQ(readCp1252Lines(file).size(), 2 * (10 + 85));

    // Printed: 85 rows ask for one new page, and nothing else breaks a page.
    w.a.fake.expectPrinterDialog(1);
    QTest::mouseClick(f->cmdStampa, Qt::LeftButton);
    ASSERT_EQ(w.a.fake.printedDocuments().size(), 1u);
    const QStringList stampato = w.a.fake.printedDocuments()[0].lines;
    EXPECT_EQ(stampato.count(LinePrinter::kNewPage), 1);
    ASSERT_GE(stampato.size(), 2);
    EXPECT_EQ(stampato[1], " Metodo sommativo per ambi By ostrel");

    // Details: text file, and two printed copies each on its own pages.
    const QString dettagli = w.cartella("dettagli.txt");
    w.a.fake.expectSave(dettagli);
    QTest::mouseClick(f->cmdPrintTofileDettagli, Qt::LeftButton);
    EXPECT_EQ(w.a.fake.fileCall(-1).request.initialName, "Metodo sommativo per ricerca ambo_BA_dettagli");
    righe = readCp1252Lines(dettagli);
    ASSERT_EQ(righe.size(), 11 + 10);
    EXPECT_EQ(righe[5], " Dettaglio giocate    " + e.righe[0].algoritmo + " dal " + inizio + " al " + fine);
    w.a.fake.expectPrinterDialog(2);
    QTest::mouseClick(f->cmdStampaDettagli, Qt::LeftButton);
    ASSERT_EQ(w.a.fake.printedDocuments().size(), 2u);
    EXPECT_EQ(w.a.fake.printedDocuments()[1].lines.count(LinePrinter::kNewPage), 1);

    // A letter in the colpi box is dropped and still clears both lists.
    f->txtColpi->setFocus();
    QTest::keyClicks(f->txtColpi, "x");
    EXPECT_EQ(f->txtColpi->text(), "5");
    EXPECT_EQ(f->ListViewRisultati->count(), 0);
    EXPECT_EQ(f->ListViewDettaglio->count(), 0);
    w.a.fake.expectMsgBox("Manca identificativo algoritmo - Calcolo impossibile!", vbOK);
    QTest::mouseClick(f->cmdCalcolaRisultati, Qt::LeftButton);
}

TEST(frmSommativaAmbi, EscStopsKeepingNothingAndACloseStopsThenCloses)
{
    Finestra w;
    frmSommativaAmbi* f = w.f;
    vbSetText(f->txtColpi, "99");
    vbSetText(f->txtGiocate, "99");
    bool disabilitato = false;
    QTimer::singleShot(0, [&] {
        disabilitato = !f->cmdCalcola->isEnabled() && !f->txtColpi->isEnabled()
                       && !f->chkRuota[2]->isEnabled();
        w.a.fake.setEsc(true);
    });
    w.calcola();
    EXPECT_TRUE(disabilitato);
    EXPECT_EQ(f->ListViewRisultati->count(), 0);
    EXPECT_LT(f->ProgressBar1->value(), 99);
    EXPECT_TRUE(f->cmdCalcola->isEnabled());

    QTimer::singleShot(0, [&] { f->close(); });
    w.calcola();
    EXPECT_EQ(Forms::find<frmSommativaAmbi>(), nullptr);
    EXPECT_EQ(LeggiImpostazione({}, "SommativaAmbi", "Colpi", "?"), "99");
}

TEST(frmSommativaAmbi, ARejectedDateStopsTheSearch)
{
    Finestra w;
    frmSommativaAmbi* f = w.f;
    // A date that the lookup refuses, left in the picker.
    f->AllineamentoInCorso = true;
    vbSetDate(f->DTPickerA, QDate(2026, 3, 20));
    f->AllineamentoInCorso = false;
    w.a.fake.expectMsgBox(
        "La data non può essere superiore alla data ultima estrazione inserita (27/02/2026)", vbOK);
    w.calcola();
    EXPECT_EQ(f->ListViewRisultati->count(), 0);
}

TEST(frmSommativaAmbi, EndDateButtonsAndDrawsStoredSinceOpening)
{
    std::vector<RecEstrazione> archivio = estrazioniCasuali(QDate(2001, 1, 2), 120, 3, 6);
    Finestra w(archivio);
    frmSommativaAmbi* f = w.f;
    const qint32 n = NumeroEstrazioni;
    QTest::mouseClick(f->cmdSuccessiva, Qt::LeftButton);   // on the last draw: stays
    EXPECT_EQ(f->DTPickerA->date(), dataDi(n));
    vbSetDate(f->DTPickerA, dataDi(n - 3).addDays(1));      // no draw that day: the next one
    EXPECT_EQ(f->DTPickerA->date(), dataDi(n - 2));
    QTest::mouseClick(f->cmdSuccessiva, Qt::LeftButton);
    EXPECT_EQ(f->DTPickerA->date(), dataDi(n - 1));
    // A date typed as it is shown, slashes included.
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    f->DTPickerA->setFocus();
    f->DTPickerA->setSelectedSection(QDateTimeEdit::DaySection);
    QTest::keyClicks(f->DTPickerA, vbDateText(dataDi(n - 5)));
    QTest::keyClick(f->DTPickerA, Qt::Key_Tab);
    EXPECT_EQ(f->DTPickerA->date(), dataDi(n - 5));

    // A draw stored meanwhile, the first of the next month.
    const QDate ultima = dataDi(n);
    const QDate nuova = QDate(ultima.year(), ultima.month(), 1).addMonths(1);
    RecEstrazione r = componi({{nuova, {{1, {1, 2, 3, 4, 5}}}, 1}})[0];
    Archivio().fileEstrazioni().put(n + 1, r.toBytes());
    AggiornaNumeroEstrazioni();
    QTest::mouseClick(f->cmdUltima, Qt::LeftButton);
    EXPECT_EQ(f->DTPickerA->date(), nuova);
    EXPECT_EQ(f->lblIndiceAl->text(), "1");
    EXPECT_EQ(IndiceMensile.size(), size_t(n + 2));

    // The ticked wheel clicked again stays ticked.
    QTest::mouseClick(f->chkRuota[1], Qt::LeftButton);
    EXPECT_TRUE(f->chkRuota[1]->isChecked());
    EXPECT_EQ(f->RuotaScelta, 1);
    QTest::mouseClick(f->chkRuota[11], Qt::LeftButton);
    EXPECT_EQ(f->RuotaScelta, 11);
    EXPECT_FALSE(f->chkRuota[1]->isChecked());
}

// Draws every 3 days to 25/12/2001. A typed end date is put on its draw once
// it is whole: put on a draw at each digit, it became another date under the
// typing.
TEST(frmSommativaAmbi, ATypedEndDateIsAlignedOnceItIsWhole)
{
    Finestra w(estrazioniCasuali(QDate(2001, 1, 2), 120, 3, 6));
    frmSommativaAmbi* f = w.f;
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    const struct {
        const char* tasti;
        QDate data;
        const char* indice;
    } casi[] = {
        {"05/06/2001", QDate(2001, 6, 7), "3"},   // no draw that day: the next one
        {"13/3/2001", QDate(2001, 3, 15), "5"},
    };
    for (const auto& c : casi) {
        QTest::mouseClick(f->cmdUltima, Qt::LeftButton);
        clicNelTesto(f->DTPickerA, 1);
        digitaAlFuoco(c.tasti);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(f->DTPickerA->date(), c.data) << c.tasti;
        EXPECT_EQ(f->lblIndiceAl->text(), c.indice) << c.tasti;
    }
}

TEST(frmSommativaAmbi, AGrownIndexSelectorKeepsTheResults)
{
    Finestra w;
    frmSommativaAmbi* f = w.f;
    w.calcola();
    ASSERT_EQ(f->ListViewRisultati->count(), 50);
    // Draws stored meanwhile on every day of a new month, more than any month had.
    const qint32 n = NumeroEstrazioni;
    const int massimo = f->IndiceMassimo;
    ASSERT_LT(massimo, 28);
    for (int k = 0; k <= massimo; ++k) {
        const RecEstrazione r = componi({{QDate(2026, 3, 2 + k), {{1, {1, 2, 3, 4, 5}}}, 1}})[0];
        Archivio().fileEstrazioni().put(n + 1 + k, r.toBytes());
    }
    AggiornaNumeroEstrazioni();
    // The detail rebuilds the monthly index; the selector grows and the rows stay.
    w.clicRiga(f->ListViewRisultati, 1);
    EXPECT_EQ(f->IndiceMassimo, massimo + 1);
    EXPECT_EQ(f->cboIndice->count(), massimo + 2);
    EXPECT_EQ(f->cboIndice->currentIndex(), 0);
    EXPECT_EQ(f->ListViewRisultati->count(), 50);
    EXPECT_EQ(f->ListViewDettaglio->count(), 10);
}

} // namespace
