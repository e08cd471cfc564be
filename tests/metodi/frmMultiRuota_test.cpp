#include "compat/files.h"
#include "compat/vbdate.h"
#include "compat/ui/Controls.h"
#include "compat/ui/LinePrinter.h"
#include "compat/ui/ReportListView.h"
#include "compat/ui/Twips.h"
#include "core/Archivio.h"
#include "metodi/frmMultiRuota.h"
#include "metodi/frmQuorvane.h"
#include "metodi/frmReportQuorvane.h"
#include "shell/modArchivio.h"
#include "shell/frmElaborazioni.h"
#include "shell/modElaborazione.h"
#include "shell/modMetodoSpia.h"
#include "shell/modRestrizioni.h"
#include "support/ui/AmbienteServizi.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>

using namespace compat;

namespace {

const QString kDidascalia =
    QStringLiteral("Quorvane by Miravell - Ricerca abbinamento Ruote di ricerca e gioco");

struct Finestra {
    AmbienteServizi a;
    frmQuorvane* f;
    explicit Finestra(const std::vector<RecEstrazione>& estrazioni) : a(estrazioni)
    {
        LeggiRestrizioni();
        CaricaNomiRuote();
        f = Forms::get<frmQuorvane>();
        f->vbShow();
    }
    void spunta(const std::array<QToolButton*, 12>& caselle, std::initializer_list<int> ruote)
    {
        for (int i = 0; i <= 11; ++i)
            caselle[size_t(i)]->setChecked(std::find(ruote.begin(), ruote.end(), i) != ruote.end());
    }
    static void clic(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
    // On the option's circle: the button takes no click beyond its caption.
    static void clic(QRadioButton* o) { QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(6, o->height() / 2)); }
    // The frame opened, the options chosen and the search started, all by clicks.
    void avvia(QRadioButton* ricerca, QRadioButton* gioco, int quanti)
    {
        clic(f->cmdRicercaAutomatica);
        EXPECT_TRUE(f->fraRicercaAutomatica->isVisible());
        clic(ricerca);
        clic(gioco);
        EXPECT_TRUE(ricerca->isChecked());
        EXPECT_TRUE(gioco->isChecked());
        f->cboQuanti->setCurrentIndex(quanti - 1);
        clic(f->cmdAvviaRicercaAutomatica);
    }
    // Search wheels BA, CA and FI, play wheels NA and RO, spia 45.
    void treRicercaDueGioco()
    {
        spunta(f->chkRuota, {1, 2, 3});
        spunta(f->chkRuotaG, {6, 8});
        vbSetComboText(f->cboNumero, "45");
    }
    frmMultiRuota* multi() const { return Forms::find<frmMultiRuota>(); }
    static void clicRiga(ReportListView* v, int i)
    {
        QTreeWidgetItem* r = v->item(i);
        v->scrollToItem(r);
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualItemRect(r).center());
    }
    static void clicIntestazione(ReportListView* v, int colonna)
    {
        QHeaderView* h = v->header();
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                          QPoint(h->sectionViewportPosition(colonna) + h->sectionSize(colonna) / 2,
                                 h->height() / 2));
    }
    // The rows of the multi-wheel list, each as its seven cells.
    std::vector<QStringList> righeMulti() const
    {
        std::vector<QStringList> r;
        for (int i = 1; i <= multi()->ListViewMultiruote->count(); ++i) {
            QStringList c;
            for (int k = 0; k <= 6; ++k)
                c << multi()->ListViewMultiruote->item(i)->text(k);
            c << ReportListView::tag(multi()->ListViewMultiruote->item(i));
            r.push_back(c);
        }
        return r;
    }
    // The ordinary search on one combination, as the user would run it: its
    // first `quanti` rows as the multi-wheel list shows them.
    std::vector<QStringList> ricercaSingola(std::initializer_list<int> ricerca, std::initializer_list<int> gioco,
                                            const QString& testoRicerca, const QString& testoGioco, int quanti)
    {
        spunta(f->chkRuota, ricerca);
        spunta(f->chkRuotaG, gioco);
        vbPress(f->cmdCalcola);
        std::vector<QStringList> r;
        for (int i = 1; i <= std::min(quanti, f->ListViewOrdin2->count()); ++i) {
            const QTreeWidgetItem* x = f->ListViewOrdin2->item(i);
            r.push_back({x->text(0), x->text(4), x->text(1), x->text(2), x->text(3), testoRicerca, testoGioco,
                         ReportListView::tag(x)});
        }
        return r;
    }
};

std::vector<RecEstrazione> archivio()
{
    return estrazioniCasuali(QDate(2010, 1, 5), 400, 3, 29);
}

} // namespace

TEST(frmMultiRuota, AutomaticSearchGathersEveryRunAndARowBecomesTheCurrentMethod)
{
    Finestra w(archivio());
    frmQuorvane* f = w.f;
    w.treRicercaDueGioco();
    const QString ricercaPrima = AmbienteServizi::ini("Settings", "RuoteConNz");
    const QString giocoPrima = AmbienteServizi::ini("Settings", "RuoteConNzGioco");
    // Room left of the search window for the results window.
    setScreenOverride(QRect(0, 0, 1920, 1080));
    vbSetLeft(f, 3000);
    w.avvia(f->optRicerca[2], f->optGioco[1], 2);

    frmMultiRuota* m = w.multi();
    ASSERT_NE(m, nullptr);
    EXPECT_TRUE(m->isVisible());
    EXPECT_EQ(m->windowTitle(), kDidascalia);
    // Within ten pixels: the frame is known only once shown, and a busy
    // desktop may still be settling the search window's own place.
    EXPECT_NEAR(vbTop(m), vbTop(f), 150);
    EXPECT_NEAR(vbLeft(m), vbLeft(f) - 2200, 150);
    EXPECT_FALSE(f->fraRicercaAutomatica->isVisible());
    EXPECT_TRUE(f->cmdRicercaAutomatica->isEnabled());
    EXPECT_FALSE(f->RicercaAutomaticaInCorso);
    EXPECT_FALSE(ElaborazioneAttiva());
    EXPECT_EQ(Forms::find<frmElaborazioni>(), nullptr);
    EXPECT_FALSE(m->cmdReport->isEnabled());

    // Both selections as they were, stored as they stand.
    for (int i = 0; i <= 11; ++i) {
        EXPECT_EQ(f->chkRuota[size_t(i)]->isChecked(), i >= 1 && i <= 3) << i;
        EXPECT_EQ(f->chkRuotaG[size_t(i)]->isChecked(), i == 6 || i == 8) << i;
    }
    EXPECT_EQ(AmbienteServizi::ini("Settings", "RuoteConNz"), ricercaPrima);
    EXPECT_EQ(AmbienteServizi::ini("Settings", "RuoteConNzGioco"), giocoPrima);
    EXPECT_EQ(ricercaPrima, "YYYNNNNNNNN");

    const std::vector<QStringList> trovate = w.righeMulti();
    EXPECT_EQ(m->lblTotaleAlgoritmi->text(), QString::number(trovate.size()));
    EXPECT_LE(trovate.size(), 12u);
    // Shown highest "% Pres." first.
    for (size_t i = 1; i < trovate.size(); ++i)
        EXPECT_GE(trovate[i - 1][3], trovate[i][3]);

    // A click on a row: its method with its own wheels; the report runs on them.
    ASSERT_GE(trovate.size(), 2u);
    const QStringList prima = trovate[0];
    Finestra::clicRiga(m->ListViewMultiruote, 1);
    EXPECT_EQ(f->txtCapoGioco->text(), prima[0]);
    EXPECT_EQ(f->txtCapoGioco->property("Tag").toString(), prima[7]);
    EXPECT_FALSE(f->lblCapo->text().isEmpty());
    EXPECT_EQ(RuoteRicercaMulti, prima[5]);
    EXPECT_EQ(RuoteGiocoMulti, prima[6]);
    EXPECT_TRUE(m->cmdReport->isEnabled());
    Finestra::clic(m->cmdReport);
    frmReportQuorvane* report = Forms::find<frmReportQuorvane>();
    ASSERT_NE(report, nullptr);
    EXPECT_TRUE(report->isVisible());
    EXPECT_TRUE(report->righe().contains("Ruota/e di gioco : " + prima[6]))
        << report->righe().join('\n').toStdString();
    // Another row click closes the report of the previous method.
    Finestra::clicRiga(m->ListViewMultiruote, 2);
    EXPECT_EQ(Forms::find<frmReportQuorvane>(), nullptr);
    // The report is of the selected row, whatever became current since.
    const QStringList seconda = trovate[1];
    vbSetText(f->txtCapoGioco, "altro");
    f->txtCapoGioco->setProperty("Tag", QStringLiteral("101+0001000711111"));
    RuoteGiocoMulti.clear();
    Finestra::clic(m->cmdReport);
    EXPECT_EQ(f->txtCapoGioco->property("Tag").toString(), seconda[7]);
    EXPECT_EQ(RuoteGiocoMulti, seconda[6]);
    ASSERT_NE(Forms::find<frmReportQuorvane>(), nullptr);
    EXPECT_TRUE(Forms::find<frmReportQuorvane>()->righe().contains(seconda[0]));

    // Column clicks: the description none, another the reverse order.
    Finestra::clicIntestazione(m->ListViewMultiruote, 0);
    EXPECT_EQ(m->lblOrdinamento->text(), " Algoritmi trovati: lista ordinata per % Pres. dal valore più alto");
    Finestra::clicIntestazione(m->ListViewMultiruote, 1);
    EXPECT_EQ(m->lblOrdinamento->text(), " Algoritmi trovati: lista ordinata per Sortite dal valore più basso");
    EXPECT_EQ(m->ListViewMultiruote->sortKey(), 1);
    EXPECT_EQ(m->ListViewMultiruote->sortOrder(), Qt::AscendingOrder);

    // Every run in order, each the ordinary search on its own wheels.
    std::vector<QStringList> attese;
    const struct {
        std::initializer_list<int> ricerca;
        int gioco;
        const char* testo;
        const char* testoGioco;
    } corse[] = {
        {{1, 2}, 6, "BA-CA", "NA"}, {{1, 2}, 8, "BA-CA", "RO"}, {{1, 3}, 6, "BA-FI", "NA"},
        {{1, 3}, 8, "BA-FI", "RO"}, {{2, 3}, 6, "CA-FI", "NA"}, {{2, 3}, 8, "CA-FI", "RO"},
    };
    for (const auto& c : corse) {
        const auto r = w.ricercaSingola(c.ricerca, {c.gioco}, c.testo, c.testoGioco, 2);
        attese.insert(attese.end(), r.begin(), r.end());
    }
    ASSERT_FALSE(attese.empty());
    auto ordinate = [](std::vector<QStringList> v) {
        std::sort(v.begin(), v.end());
        return v;
    };
    EXPECT_EQ(ordinate(trovate), ordinate(attese));

    // Closed while idle: "Esci" unloads it.
    Finestra::clic(m->cmdEsci);
    EXPECT_EQ(w.multi(), nullptr);
}

// The report of the row that is the current method keeps the paired
// algorithms and numbers found for it; a row that is not (the same method on
// other wheels) becomes current again first, without them.
TEST(frmMultiRuota, TheReportOfTheCurrentRowKeepsItsPairedListsAnotherRowIsTranslated)
{
    Finestra w(archivio());
    frmQuorvane* f = w.f;
    w.treRicercaDueGioco();
    w.avvia(f->optRicerca[2], f->optGioco[1], 2);
    frmMultiRuota* m = w.multi();
    ASSERT_GT(m->ListViewMultiruote->count(), 0);
    Finestra::clicRiga(m->ListViewMultiruote, 1);
    const QString ruote = RuoteRicercaMulti;
    ASSERT_FALSE(ruote.isEmpty());
    Finestra::clic(f->cmdAlgoAbbinati);
    Finestra::clic(f->cmdNumAbbinati);
    ASSERT_GT(f->lstAlgoritmiAbbinati->count(), 0);
    ASSERT_GT(f->lstNumeriAbbinati->count(), 0);
    const std::vector<QString> codici = f->CodiciAlgoritmiAbbinati;
    const int numeri = f->lstNumeriAbbinati->count();

    // The summary the method-search window gives for it is the one expected.
    Finestra::clic(f->cmdReport[0]);
    ASSERT_NE(Forms::find<frmReportQuorvane>(), nullptr);
    const QStringList attese = Forms::find<frmReportQuorvane>()->righe();
    ASSERT_TRUE(attese.contains("Calcolo abbinamenti:"));
    ASSERT_TRUE(attese.contains("Abbinamenti per ambo (da numeri abbinati al capogioco): "));
    vbUnload(Forms::find<frmReportQuorvane>());
    Finestra::clic(m->cmdReport);
    ASSERT_NE(Forms::find<frmReportQuorvane>(), nullptr);
    EXPECT_EQ(Forms::find<frmReportQuorvane>()->righe(), attese);
    EXPECT_EQ(f->CodiciAlgoritmiAbbinati, codici);
    EXPECT_EQ(f->lstNumeriAbbinati->count(), numeri);

    // Its method on the window's own wheels, as the ordinary list leaves it.
    RuoteRicercaMulti.clear();
    RuoteGiocoMulti.clear();
    Finestra::clic(m->cmdReport);
    EXPECT_EQ(RuoteRicercaMulti, ruote);
    EXPECT_EQ(f->lstAlgoritmiAbbinati->count(), 0);
    EXPECT_EQ(f->lstNumeriAbbinati->count(), 0);
    ASSERT_NE(Forms::find<frmReportQuorvane>(), nullptr);
    EXPECT_FALSE(Forms::find<frmReportQuorvane>()->righe().contains("Calcolo abbinamenti:"));
}

// At the common look's font every header, the spia's own included, and the
// widest value each column takes from a run shows whole.
TEST(frmMultiRuota, HeadersAndTheWidestValuesShowWhole)
{
    Finestra w(archivio());
    frmMultiRuota* m = Forms::get<frmMultiRuota>();
    m->vbShow(w.f);
    m->iniziaRicerca("Differenza");
    m->aggiungiRiga({" 5' su MI +  5' su NZ", "12345", "12345 / 12345", "100,0 %", "89", "Tutte+NZ", "MI-NA-NZ"},
                    "505+51100189");
    m->fineRicerca({});
    ReportListView* v = m->ListViewMultiruote;
    for (int c = 0; c < 7; ++c) {
        SCOPED_TRACE(v->columnHeader(c + 1).toStdString());
        EXPECT_GE(v->columnWidth(c), v->header()->sectionSizeHint(c));
        EXPECT_GE(v->columnWidth(c), static_cast<QAbstractItemView*>(v)->sizeHintForColumn(c));
    }
}

TEST(frmMultiRuota, AllTogetherWithTheNazionaleGivesTutteNzAndItsFlags)
{
    Finestra w(archivio());
    frmQuorvane* f = w.f;
    w.spunta(f->chkRuota, {3, 11});
    w.spunta(f->chkRuotaG, {1, 6});
    vbSetComboText(f->cboNumero, "45");
    w.avvia(f->optRicerca[0], f->optGioco[2], 1);

    // "Tutte" ticked for the search, and it stays in place of the single wheel.
    EXPECT_TRUE(f->chkRuota[0]->isChecked());
    EXPECT_FALSE(f->chkRuota[3]->isChecked());
    EXPECT_TRUE(f->chkRuota[11]->isChecked());
    EXPECT_EQ(AmbienteServizi::ini("Settings", "RuoteConNz"), "YYYYYYYYYYY");
    frmMultiRuota* m = w.multi();
    ASSERT_EQ(m->ListViewMultiruote->count(), 1);
    EXPECT_EQ(m->ListViewMultiruote->item(1)->text(5), "Tutte+NZ");
    EXPECT_EQ(m->ListViewMultiruote->item(1)->text(6), "BA-NA");

    Finestra::clicRiga(m->ListViewMultiruote, 1);
    for (int i = 0; i <= 11; ++i) {
        EXPECT_EQ(FlagRuoteRicercaMulti[size_t(i)], i >= 1) << i;
        EXPECT_EQ(FlagRuoteGiocoMulti[size_t(i)], i == 1 || i == 6) << i;
    }
}

TEST(frmMultiRuota, OutputsDescribeTheRunAndTheFileAsksWhetherToAppend)
{
    Finestra w(archivio());
    frmQuorvane* f = w.f;
    w.spunta(f->chkRuota, {1});
    w.spunta(f->chkRuotaG, {1, 6, 8});
    vbSetComboText(f->cboNumero, "45");
    w.avvia(f->optRicerca[1], f->optGioco[1], 3);
    frmMultiRuota* m = w.multi();
    ASSERT_GT(m->ListViewMultiruote->count(), 0);
    const std::vector<CelleMultiRuota> righe = m->righe();
    ASSERT_FALSE(righe.empty());

    // Options changed after the run change nothing in its output.
    vbSetComboText(f->cboColpi, "12");
    f->chkRuota[5]->setChecked(true);
    const QString file = w.a.cartella.percorso() + "/multi.txt";
    w.a.fake.expectSave(file);
    Finestra::clic(m->cmdPrintToFile);
    EXPECT_EQ(w.a.fake.fileCall(-1).request.initialName, kDidascalia);
    QStringList l = readCp1252Lines(file);
    const int blocco = 17 + int(righe.size());
    ASSERT_EQ(l.size(), blocco);
    EXPECT_EQ(l[0], "Quorvane 2");
    EXPECT_EQ(l[3], "Ruota/e di ricerca condizione : BA ");
    EXPECT_EQ(l[4], "Ruota/e di gioco              : BA NA RO ");
    EXPECT_EQ(l[7], "Colpi di gioco                : 6");
    EXPECT_EQ(l[15].size(), 100);
    EXPECT_TRUE(l[15].startsWith(' ' + righe[0][0] + ' ')) << l[15].toStdString();

    // Yes appends a whole block, No replaces, Cancel leaves the file alone.
    const QString domanda = "Il file " + file + " è già esistente. Le informazioni vanno aggiunte in calce ?";
    w.a.fake.expectSave(file);
    w.a.fake.expectMsgBox(domanda, vbYes);
    Finestra::clic(m->cmdPrintToFile);
    EXPECT_EQ(w.a.fake.msgBoxCall(-1).style, vbYesNoCancel + vbExclamation + vbDefaultButton2);
    l = readCp1252Lines(file);
    ASSERT_EQ(l.size(), 2 * blocco);
    EXPECT_EQ(l[blocco], "Quorvane 2");
    w.a.fake.expectSave(file);
    w.a.fake.expectMsgBox(domanda, vbCancel);
    Finestra::clic(m->cmdPrintToFile);
    EXPECT_EQ(readCp1252Lines(file).size(), 2 * blocco);
    w.a.fake.expectSave(file);
    w.a.fake.expectMsgBox(domanda, vbNo);
    Finestra::clic(m->cmdPrintToFile);
    EXPECT_EQ(readCp1252Lines(file).size(), blocco);
    // Chosen in another letter case, the file there is the one added to.
    const QString maiuscolo = w.a.cartella.percorso() + "/Multi.TXT";
    w.a.fake.expectSave(maiuscolo);
    w.a.fake.expectMsgBox("Il file " + maiuscolo + " è già esistente. Le informazioni vanno aggiunte in calce ?",
                          vbYes);
    Finestra::clic(m->cmdPrintToFile);
    EXPECT_EQ(readCp1252Lines(file).size(), 2 * blocco);
    EXPECT_FALSE(QFile::exists(maiuscolo));

    // Printed: the same heading and rows.
    w.a.fake.expectPrinterDialog(1);
    Finestra::clic(m->cmdStampa);
    ASSERT_EQ(w.a.fake.printedDocuments().size(), 1u);
    const QStringList stampato = w.a.fake.printedDocuments()[0].lines;
    ASSERT_GE(stampato.size(), 2);
    EXPECT_EQ(stampato[1], "Quorvane 2");
    EXPECT_TRUE(stampato.contains("Colpi di gioco                : 6"));
    EXPECT_EQ(stampato.count(LinePrinter::kNewPage), 0);
}

// A long automatic search, stopped by Esc or the stop button once events
// have come through: meanwhile neither window closes and the results window
// takes no click; the rows of the runs completed stay, in the order of the runs.
TEST(frmMultiRuota, EscOrStopEndsBetweenRunsKeepingTheRowsSoFar)
{
    for (const bool conEsc : {true, false}) {
        SCOPED_TRACE(conEsc ? "Esc" : "stop");
        Finestra w(estrazioniCasuali(QDate(1990, 1, 6), 2000, 3, 31));
        frmQuorvane* f = w.f;
        w.spunta(f->chkRuota, {1, 2, 3, 4, 5, 6, 7, 8});
        w.spunta(f->chkRuotaG, {1, 2, 3, 4, 5, 6, 7, 8});
        f->optTipo[1]->setChecked(true);
        vbSetDate(f->DTPickerDa, QDate(1990, 1, 6));

        bool eventi = false, fermato = false;
        // Runs end in groups, in any order, and a stop keeps only their
        // unbroken prefix: stopped a quarter of the way, that prefix holds
        // several runs however the workers were scheduled.
        QObject::connect(f->ProgressBar1, &QProgressBar::valueChanged, [&](int corse) {
            if (!eventi || fermato || corse < f->ProgressBar1->maximum() / 4)
                return;
            fermato = true;
            if (conEsc) {
                w.a.fake.setEsc(true);
            } else {
                frmElaborazioni* e = Forms::find<frmElaborazioni>();
                ASSERT_NE(e, nullptr);
                EXPECT_EQ(e->lblDescrizioneJob->text(), "Analisi algoritmi...");
                QTest::mouseClick(e->cmdStop, Qt::LeftButton);
            }
        });
        QTimer::singleShot(0, [&] {
            eventi = true;
            frmMultiRuota* m = w.multi();
            ASSERT_NE(m, nullptr);
            EXPECT_FALSE(m->close());
            EXPECT_FALSE(f->close());
            EXPECT_FALSE(f->cmdRicercaAutomatica->isEnabled());
            EXPECT_FALSE(f->cmdCalcola->isEnabled());
            EXPECT_FALSE(m->cmdStampa->isEnabled());
            EXPECT_FALSE(m->cmdPrintToFile->isEnabled());
            EXPECT_FALSE(m->cmdReport->isEnabled());
            vbPress(m->cmdEsci);
            EXPECT_EQ(w.multi(), m);
            const QString frase = m->lblOrdinamento->text();
            Finestra::clicIntestazione(m->ListViewMultiruote, 2);
            EXPECT_EQ(m->lblOrdinamento->text(), frase);
        });
        w.avvia(f->optRicerca[1], f->optGioco[3], 3);
        ASSERT_TRUE(fermato);
        frmMultiRuota* m = w.multi();
        ASSERT_NE(m, nullptr);
        EXPECT_FALSE(ElaborazioneAttiva());
        EXPECT_FALSE(StopRicerca);
        EXPECT_FALSE(w.a.fake.escDown());
        EXPECT_EQ(Forms::find<frmElaborazioni>(), nullptr);
        EXPECT_TRUE(m->cmdStampa->isEnabled());
        EXPECT_EQ(f->ProgressBar1->value(), f->ProgressBar1->maximum());

        // Runs go search wheel by search wheel, each over the play wheels' threes in turn.
        std::vector<QString> ordine;
        for (int r = 1; r <= 8; ++r)
            for (int a = 1; a <= 6; ++a)
                for (int b = a + 1; b <= 7; ++b)
                    for (int c = b + 1; c <= 8; ++c)
                        ordine.push_back(siglaRuota(r) + "/" + siglaRuota(a) + "-" + siglaRuota(b)
                                         + "-" + siglaRuota(c));
        std::map<QString, int> perCorsa;
        for (const QStringList& r : w.righeMulti())
            ++perCorsa[r[5] + "/" + r[6]];
        size_t corse = 0;
        while (corse < ordine.size() && perCorsa.count(ordine[corse]))
            ++corse;
        EXPECT_EQ(corse, perCorsa.size());   // an unbroken prefix of the runs
        EXPECT_GE(corse, 2u);
        EXPECT_LT(corse, ordine.size());
        for (const auto& [corsa, n] : perCorsa)
            EXPECT_EQ(n, 3) << corsa.toStdString();
    }
}

TEST(frmMultiRuota, AResultsWindowUnloadedDuringTheSearchGetsNothing)
{
    Finestra w(estrazioniCasuali(QDate(1990, 1, 6), 2000, 3, 31));
    frmQuorvane* f = w.f;
    w.spunta(f->chkRuota, {1, 2, 3, 4, 5, 6, 7, 8});
    w.spunta(f->chkRuotaG, {1, 2, 3, 4, 5, 6, 7, 8});
    f->optTipo[1]->setChecked(true);
    vbSetDate(f->DTPickerDa, QDate(1990, 1, 6));
    bool eventi = false;
    QTimer::singleShot(0, [&] {
        eventi = true;
        ASSERT_NE(w.multi(), nullptr);
        EXPECT_TRUE(vbUnload(w.multi(), vbFormCode));
    });
    w.avvia(f->optRicerca[1], f->optGioco[3], 1);
    ASSERT_TRUE(eventi);
    EXPECT_EQ(w.multi(), nullptr);
    EXPECT_TRUE(f->cmdRicercaAutomatica->isEnabled());
    EXPECT_FALSE(ElaborazioneAttiva());
}

TEST(frmMultiRuota, ARefusedInputStopsTheSearchWithOneMessage)
{
    Finestra w(archivio());
    frmQuorvane* f = w.f;
    w.spunta(f->chkRuota, {1, 2, 3});
    w.spunta(f->chkRuotaG, {6, 8});
    vbSetComboText(f->cboNumero, "");
    w.a.fake.expectMsgBox("Inserire il numero spia !", vbOK);
    w.avvia(f->optRicerca[1], f->optGioco[1], 1);
    EXPECT_EQ(w.a.fake.msgBoxCalls().size(), 1u);
    EXPECT_EQ(w.multi()->ListViewMultiruote->count(), 0);
    EXPECT_FALSE(ElaborazioneAttiva());
    EXPECT_TRUE(f->chkRuota[2]->isChecked());
}
