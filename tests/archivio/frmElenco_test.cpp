#include "archivio/frmElenco.h"
#include "archivio/ScrittoreArchivio.h"
#include "archivio/frmElencoGriglia.h"
#include "archivio/frmEvidenziaElenco.h"
#include "archivio/modElenco.h"
#include "compat/vbdate.h"
#include "compat/ui/Controls.h"
#include "compat/ui/LinePrinter.h"
#include "compat/ui/Twips.h"
#include "core/ArchivioMemoria.h"
#include "shell/modAspetto.h"
#include "shell/modCalendario.h"
#include "support/ui/AmbienteServizi.h"
#include "support/ui/DigitazioneProva.h"
#include "support/ui/PdfText.h"
#include "support/ui/SchermoProva.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>
#include <QWheelEvent>
#include <gtest/gtest.h>

using namespace compat;

namespace {

// `quante` draws every 3 days from 02/01/2001.
struct Ambiente : AmbienteServizi {
    explicit Ambiente(int quante = 120, QDate inizio = QDate(2001, 1, 2))
        : AmbienteServizi(estrazioniCasuali(inizio, quante, 3, 4)), inizio(inizio)
    {
        CaricaNomiRuote();
        f = Forms::get<frmElenco>();
        f->vbShow();
    }
    QDate data(qint32 n) const { return inizio.addDays(3 * (n - 1)); }
    qint32 ultima() const { return f->pagina().ultima; }
    void clic(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
    void clicCella(int cella) { QTest::mouseClick(f->lblGrid, Qt::LeftButton, {}, f->lblGrid->rettangoloCella(cella).center()); }
    void clicData(int riga) { QTest::mouseClick(f->lblGrid, Qt::LeftButton, {}, f->lblGrid->rettangoloData(riga).center()); }
    void rotella(QWidget* su, QPoint delta)
    {
        QWheelEvent e(QPointF(5, 5), su->mapToGlobal(QPointF(5, 5)), QPoint(), delta, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(su, &e);
    }
    QDate inizio;
    frmElenco* f;
};

TEST(frmElenco, OpensOnTheNewestThirtySixDraws)
{
    Ambiente a;
    EXPECT_EQ(a.f->windowTitle(), "Elenco estrazioni");
    EXPECT_EQ(a.ultima(), 120);
    EXPECT_EQ(a.f->pagina().righe[0].record, 85);
    EXPECT_EQ(a.f->pagina().righe[35].data, vbDateText(a.data(120)));
    EXPECT_EQ(a.f->DTPickerA->date(), a.data(120));
    EXPECT_EQ(a.f->VScroll1->value(), 120);
    EXPECT_EQ(a.f->VScroll1->maximum(), 120);
    EXPECT_EQ(a.f->lblGrid->testoRuota(1), "Bari");
    EXPECT_EQ(a.f->lblGrid->testoRuota(11), "Nazionale");
    EXPECT_FALSE(a.f->cmdEvidenzia->isVisible());
    const auto v = vistaArchivio(Archivio());
    EXPECT_EQ(a.f->lblGrid->didascalia(35 * 55 + 7), QString::number(v->numero(120, 2, 2)));
}

TEST(frmElenco, PagingStopsAtBothEnds)
{
    Ambiente a;
    a.clic(a.f->cmdPrecedente);
    EXPECT_EQ(a.ultima(), 119);
    EXPECT_EQ(a.f->DTPickerA->date(), a.data(119));
    a.clic(a.f->cmdPrecedentePag);
    EXPECT_EQ(a.ultima(), 83);
    EXPECT_EQ(a.f->VScroll1->value(), 83);
    a.clic(a.f->cmdPrecedentePag);
    a.clic(a.f->cmdPrecedentePag);
    EXPECT_EQ(a.ultima(), 36);
    a.clic(a.f->cmdPrecedente);
    EXPECT_EQ(a.ultima(), 36);
    EXPECT_EQ(a.f->pagina().righe[0].record, 1);
    a.clic(a.f->cmdUltima);
    EXPECT_EQ(a.ultima(), 120);
    a.clic(a.f->cmdSuccessiva);
    a.clic(a.f->cmdSuccesivaPag);
    EXPECT_EQ(a.ultima(), 120);
    a.f->VScroll1->setValue(100);
    EXPECT_EQ(a.ultima(), 100);
    EXPECT_EQ(a.f->DTPickerA->date(), a.data(100));
    a.clic(a.f->cmdSuccesivaPag);
    EXPECT_EQ(a.ultima(), 120);
    a.f->VScroll1->setValue(3); // below a whole page: the first page
    EXPECT_EQ(a.ultima(), 36);
    EXPECT_EQ(a.f->VScroll1->value(), 36);
}

TEST(frmElenco, GoingToADateShowsThePageEndingThereOrAtTheNextDraw)
{
    Ambiente a;
    a.f->DTPickerA->setDate(a.data(50).addDays(1)); // no draw that day
    EXPECT_EQ(a.ultima(), 51);
    EXPECT_EQ(a.f->DTPickerA->date(), a.data(51));
    a.f->DTPickerA->setDate(a.data(10)); // among the first 35 draws
    EXPECT_EQ(a.ultima(), 36);
    EXPECT_EQ(a.f->DTPickerA->date(), a.data(10));
}

// Draws every 3 days from 01/01/1974 to 16/06/1976 (draw 300). A date typed
// in the box is gone to once it is whole: at its last digit, on Enter, or
// when the focus leaves the box; an arrow step goes at once.
TEST(frmElenco, ADateTypedInTheBoxIsGoneToOnceItIsWhole)
{
    Ambiente a(300, QDate(1974, 1, 1));
    a.f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(a.f));
    const struct {
        int sezione;            // where the click lands: 1 the day, 4 the month
        const char* tasti;
        int fine;               // 0 none, else the key that ends the typing
        qint32 ultima;
    } casi[] = {
        {1, "15/03/1975", 0, 147},
        {1, "18/03", Qt::Key_Return, 270},
        {1, "18/03", Qt::Key_Tab, 270},
        {4, "", Qt::Key_Down, 290},   // 16/05/1976 has no draw: the next one
    };
    for (const auto& c : casi) {
        a.clic(a.f->cmdUltima);
        clicNelTesto(a.f->DTPickerA, c.sezione);
        ASSERT_EQ(QApplication::focusWidget(), a.f->DTPickerA);
        digitaAlFuoco(c.tasti);
        if (c.fine) {
            EXPECT_EQ(a.ultima(), 300) << c.tasti;
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(c.fine));
        }
        EXPECT_EQ(a.ultima(), c.ultima) << c.tasti;
        EXPECT_EQ(a.f->DTPickerA->date(), a.data(c.ultima)) << c.tasti;
        EXPECT_EQ(QApplication::focusWidget(), a.f->VScroll1) << c.tasti;
    }
}

TEST(frmElenco, MonthlyIndexMarksTheLastDrawOfEachMonth)
{
    Ambiente a;
    QTest::mouseClick(a.f->chkIndice, Qt::LeftButton, {}, QPoint(5, a.f->chkIndice->height() / 2));
    ASSERT_TRUE(a.f->chkIndice->isChecked());
    EXPECT_EQ(a.f->chkIndice->text(), "Indice mensile");
    EXPECT_EQ(a.ultima(), 120);
    for (const RigaElenco& r : a.f->pagina().righe) {
        const QString atteso = (UltimaDelMese[size_t(r.record)] ? QStringLiteral("U") : QString())
                               + QString::number(IndiceMensile[size_t(r.record)]);
        EXPECT_EQ(r.indice, atteso) << r.record;
    }
    int ultime = 0;
    for (const RigaElenco& r : a.f->pagina().righe)
        ultime += r.indice.startsWith(u'U') ? 1 : 0;
    EXPECT_GE(ultime, 3);
    a.f->chkIndice->setChecked(false);
    EXPECT_EQ(a.f->chkIndice->text(), "Indice annuale");
    EXPECT_EQ(a.f->pagina().righe[35].indice, QString::number(vistaArchivio(Archivio())->progressivoAnno(120)));
}

TEST(frmElenco, ClickingADateCopiesTheRowsNumbersTabSeparated)
{
    Ambiente a;
    a.fake.expectMsgBox(QStringLiteral("Estrazione del ") + vbDateText(a.data(120))
                            + QStringLiteral(" copiata negli appunti!"),
                        vbOK);
    a.clicData(36);
    const QStringList campi = a.fake.clipboardText().split(u'\t');
    ASSERT_EQ(campi.size(), 55);
    const auto v = vistaArchivio(Archivio());
    EXPECT_EQ(campi[0], QString::number(v->numero(120, 1, 1)));
    EXPECT_EQ(campi[50], "0"); // no Nazionale in 2001
    EXPECT_EQ(a.fake.msgBoxCall(-1).style, vbInformation);
}

TEST(frmElenco, ClickingANumberTogglesItsHighlight)
{
    Ambiente a;
    const int cella = 35 * 55 + 3;
    const int n = a.f->lblGrid->didascalia(cella).toInt();
    a.clicCella(cella);
    EXPECT_TRUE(NumeriEvidenziati[size_t(n)]);
    EXPECT_TRUE(a.f->lblGrid->grassetto(cella));
    EXPECT_EQ(a.f->lblGrid->coloreSfondo(cella), ColoriSfondoElenco[size_t((n - 1) / 10)]);
    EXPECT_EQ(a.f->lblGrid->coloreTesto(cella), ColoriTestoElenco[size_t((n - 1) / 10)]);
    a.clicCella(cella);
    EXPECT_FALSE(NumeriEvidenziati[size_t(n)]);
    EXPECT_FALSE(a.f->lblGrid->grassetto(cella));
    // A missing number (no Nazionale) changes nothing.
    a.clicCella(35 * 55 + 51);
    EXPECT_EQ(std::count(NumeriEvidenziati.begin(), NumeriEvidenziati.end(), true), 0);
}

TEST(frmElenco, EachRepaintSwapsTheStripes)
{
    Ambiente a;
    const quint32 prima = a.f->lblGrid->coloreSfondo(1);
    vbPress(a.f->cmdEvidenzia);
    const quint32 dopo = a.f->lblGrid->coloreSfondo(1);
    EXPECT_NE(prima, dopo);
    EXPECT_EQ(a.f->lblGrid->coloreSfondo(56), prima);
    vbPress(a.f->cmdEvidenzia);
    EXPECT_EQ(a.f->lblGrid->coloreSfondo(1), prima);
}

TEST(frmElenco, WheelStepsOneDrawPerEventOnlyWhileTheScrollBarHasTheFocus)
{
    Ambiente a;
    QApplication::setActiveWindow(a.f);
    a.f->cmdSettaggi->setFocus();
    a.rotella(a.f->lblGrid, {0, 120});
    EXPECT_EQ(a.ultima(), 120);
    a.f->VScroll1->setFocus();
    ASSERT_EQ(a.f->focusWidget(), a.f->VScroll1);
    a.rotella(a.f->VScroll1, {0, 120}); // away from the user: one draw back
    EXPECT_EQ(a.ultima(), 119);
    a.rotella(a.f->lblGrid, {0, 240}); // two notches in one event: one step
    EXPECT_EQ(a.ultima(), 118);
    a.rotella(a.f->lblGrid, {0, -120});
    EXPECT_EQ(a.ultima(), 119);
    a.rotella(a.f->lblGrid, {120, 0}); // sideways
    a.rotella(a.f->lblGrid, {0, 0});
    EXPECT_EQ(a.ultima(), 119);
    for (int i = 0; i < 2; ++i)
        a.rotella(a.f->lblGrid, {0, 40}); // a touchpad: a notch in small deltas
    EXPECT_EQ(a.ultima(), 119);
    a.rotella(a.f->lblGrid, {0, 40});
    EXPECT_EQ(a.ultima(), 118);
    a.f->VScroll1->setValue(120);
    a.rotella(a.f->VScroll1, {0, -120}); // at the end: nothing further
    EXPECT_EQ(a.ultima(), 120);
}

// On a 1366 screen the whole table is in sight; on a 1024 one its grid
// scrolls sideways inside the window, while the page scroll bar and the
// buttons stay in sight: the window itself never scrolls.
TEST(frmElenco, OnASmallScreenThePageScrollBarAndTheButtonsStayInSight)
{
    Ambiente a;
    vbUnload(a.f);
    const struct {
        QRect schermo;
        bool grigliaIntera;
    } casi[] = {{QRect(0, 0, 1366, 768), true}, {QRect(0, 0, 1024, 768), false}};
    for (const auto& [schermo, grigliaIntera] : casi) {
        const QRect area = schermoConPannello(schermo);
        auto* f = Forms::get<frmElenco>();
        f->vbShow();
        lasciaPassare();
        EXPECT_TRUE(sulloSchermo(f, area)) << schermo.width();
        EXPECT_EQ(f->scrollArea(), nullptr) << schermo.width();
        GrigliaElenco* g = f->lblGrid;
        EXPECT_EQ(inVista(f, g), grigliaIntera) << schermo.width();
        for (QWidget* c : std::initializer_list<QWidget*>{
                 f->VScroll1, f->cmdPrecedentePag, f->cmdPrecedente, f->DTPickerA, f->cmdSuccessiva,
                 f->cmdSuccesivaPag, f->cmdUltima, f->chkIndice, f->cmdSettaggi, f->cmdStampa,
                 f->cmdPrintToFile, f->cmdHelp})
            EXPECT_TRUE(inVista(f, c)) << c->objectName().toStdString() << " " << schermo.width();
        const QRect ultimaCella = g->rettangoloCella(kCelleElenco);
        const QRect nazionale(QPoint(g->rettangoloCella(51).left(), 0), ultimaCella.bottomRight());
        const QRect numeroEstrazione(QPoint(ultimaCella.right() + 1, 0), QPoint(g->width() - 1, ultimaCella.bottom()));
        EXPECT_TRUE(raggiungibile(f, g, nazionale)) << schermo.width();
        EXPECT_TRUE(raggiungibile(f, g, numeroEstrazione)) << schermo.width();
        a.fake.expectSave(std::nullopt);
        QTest::mouseClick(f->cmdPrintToFile, Qt::LeftButton);
        EXPECT_EQ(a.fake.fileCalls().size(), schermo.width() == 1366 ? 1u : 2u);

        // The wheel over the buttons still steps the draws, as the desktop
        // hands it from the button up to the window.
        QApplication::setActiveWindow(f);
        f->VScroll1->setFocus();
        const qint32 prima = f->pagina().ultima;
        QWheelEvent e(QPointF(5, 5), f->cmdStampa->mapToGlobal(QPointF(5, 5)), QPoint(), {0, 120}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&e);
        qApp->notify(f->cmdStampa, &e);
        EXPECT_EQ(f->pagina().ultima, prima - 1) << schermo.width();
        vbUnload(f);
    }

    // Where it fits nothing changes.
    setScreenOverride(QRect(0, 0, 1920, 1080));
    AmbienteServizi::imposta("Forms", "frmElencoLeft", "1500");
    AmbienteServizi::imposta("Forms", "frmElencoTop", "900");
    auto* f = Forms::get<frmElenco>();
    f->vbShow();
    EXPECT_EQ(f->scrollArea(), nullptr);
    EXPECT_EQ(f->size(), f->sizeHint());
    EXPECT_EQ(f->pos(), QPoint(100, 60));
}

TEST(frmElenco, DrawsStoredWhileOpenAreReachable)
{
    Ambiente a;
    auto nuove = estrazioniCasuali(QDate(2001, 1, 2), 122, 3, 4);
    QByteArray records;
    for (size_t i = 120; i < 122; ++i)
        records.append(reinterpret_cast<const char*>(nuove[i].bytes.data()), 66);
    {
        BloccoScrittura blocco;
        ASSERT_TRUE(accodaEstrazioni(Archivio(), blocco, records).ok());
    }
    AggiornaNumeroEstrazioni();
    ArchivioScritto(false);
    EXPECT_EQ(a.f->VScroll1->maximum(), 122);
    QTest::mouseClick(a.f->chkIndice, Qt::LeftButton, {}, QPoint(5, a.f->chkIndice->height() / 2));
    a.clic(a.f->cmdUltima);
    EXPECT_EQ(a.ultima(), 122);
    EXPECT_FALSE(a.f->pagina().righe[35].indice.isEmpty());
}

TEST(frmElenco, AShortArchiveShowsWhatExistsAndLeavesTheRestBlank)
{
    Ambiente a(20);
    EXPECT_EQ(a.ultima(), 20);
    EXPECT_EQ(a.f->pagina().righe[0].record, 0);
    EXPECT_EQ(a.f->pagina().righe[16].record, 1);
    EXPECT_EQ(a.f->lblGrid->didascalia(1), "");
    a.clic(a.f->cmdPrecedente);
    a.clic(a.f->cmdPrecedentePag);
    EXPECT_EQ(a.ultima(), 20);
    a.clicData(1);  // a blank row: nothing to copy, no message
    a.clicCella(1); // nor a number to toggle
    EXPECT_TRUE(a.fake.clipboardText().isEmpty());
}

TEST(frmElenco, TextExportWritesTheFortyTwoLinesAndAsksBeforeReplacing)
{
    Ambiente a;
    const QString file = QDir(a.cartella.percorso()).filePath(QStringLiteral("elenco.txt"));
    a.fake.expectSave(file);
    a.clic(a.f->cmdPrintToFile);
    EXPECT_EQ(a.fake.fileCall(-1).request.initialName, "Elenco_estrazioni.txt");
    EXPECT_EQ(a.fake.fileCall(-1).request.title, "Salva risultati su file");
    QFile letto(file);
    ASSERT_TRUE(letto.open(QIODevice::ReadOnly));
    const QByteArray contenuto = letto.readAll();
    letto.close();
    EXPECT_EQ(contenuto, (righeFileElenco(a.f->pagina()).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
    EXPECT_EQ(contenuto.count("\r\n"), 42);

    a.clic(a.f->cmdPrecedente);
    a.fake.expectSave(file);
    a.fake.expectMsgBox(QStringLiteral("Il file ") + file + QStringLiteral(" è già esistente. Sovrascrivi ?"), vbNo);
    a.clic(a.f->cmdPrintToFile);
    ASSERT_TRUE(letto.open(QIODevice::ReadOnly));
    EXPECT_EQ(letto.readAll(), contenuto);
    letto.close();

    const QString cattivo = a.cartella.percorso() + QStringLiteral("/manca/elenco.txt");
    a.fake.expectSave(cattivo);
    a.fake.expectMsgBox(QStringLiteral("Impossibile creare il file ") + cattivo + QStringLiteral(": Impossibile trovare il percorso."),
                        vbOK);
    a.clic(a.f->cmdPrintToFile);
    a.fake.expectSave(std::nullopt);
    a.clic(a.f->cmdPrintToFile);
}

TEST(frmElenco, PrintsThePageLandscapeAndReportsAMissingPrinter)
{
    Ambiente a;
    a.fake.expectPrinterDialog(1);
    a.clic(a.f->cmdStampa);
    ASSERT_EQ(a.fake.printedDocuments().size(), 1u);
    const auto& doc = a.fake.printedDocuments()[0];
    QStringList attese = righeStampaElenco(a.f->pagina());
    for (QString& l : attese)
        while (l.endsWith(u' '))
            l.chop(1);
    QStringList stampate = doc.lines;
    stampate.removeAll(LinePrinter::kEndDoc);
    for (QString& l : stampate)
        while (l.endsWith(u' '))
            l.chop(1);
    EXPECT_EQ(stampate, attese);
    const QStringList lato = testsupport::pdfPageSize(doc.pdf).split(u'x');
    ASSERT_EQ(lato.size(), 2);
    EXPECT_GT(lato[0].toInt(), lato[1].toInt());

    a.fake.setPrinterInstalled(false);
    a.fake.expectPrinterDialog(1);
    a.fake.expectMsgBox(QStringLiteral("Nessuna stampante installata."), vbOK);
    a.clic(a.f->cmdStampa);
    a.fake.expectPrinterDialog(std::nullopt);
    a.clic(a.f->cmdStampa);
    EXPECT_EQ(a.fake.printedDocuments().size(), 1u);
}

} // namespace
