#include "archivio/frmAggiornamenti.h"
#include "archivio/frmInputEstrazioni.h"
#include "compat/files.h"
#include "compat/ui/Colors.h"
#include "compat/ui/Controls.h"
#include "core/ArchivioMemoria.h"
#include "shell/frmMain.h"
#include "support/LimiteFile.h"
#include "support/ui/AmbienteServizi.h"
#include "LimiteFile.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>
#include <utility>

using namespace compat;

namespace {

const QString kFuoriIntervallo = QStringLiteral("inserisci un numero tra 1 e 90 !");
const QString kSalvare = QStringLiteral("Salvare i dati prima di chiudere?");

// Ends on Thursday 26/02/2026 (draw 3 of 2026), after two draws of 2025;
// `oltre` draws follow it, every other day.
std::vector<RecEstrazione> archivio(int oltre = 0)
{
    std::vector<QDate> date = {QDate(2025, 12, 27), QDate(2025, 12, 30), QDate(2026, 1, 3),
                               QDate(2026, 2, 24), QDate(2026, 2, 26)};
    for (int i = 1; i <= oltre; ++i)
        date.push_back(QDate(2026, 2, 26).addDays(2 * i));
    std::vector<BozzaEstrazione> b;
    for (QDate d : date) {
        BozzaEstrazione x{d, {}};
        for (int w = 1; w <= 11; ++w)
            x.ruote.push_back({w, {w, w + 11, w + 22, w + 33, w + 44}});
        b.push_back(x);
    }
    return componi(b);
}

struct Ambiente : AmbienteServizi {
    frmMain* main = nullptr;
    frmInputEstrazioni* f = nullptr;
    Ambiente() : AmbienteServizi(archivio())
    {
        InizializzazioneFatta = false;
        imposta("Options", "Giorni estrazione", QStringLiteral("NNYNYYY"));
        fake.setNow(QDateTime(QDate(2026, 3, 10), QTime(8, 0)));   // after the archive's draws
        main = Forms::get<frmMain>();
        main->vbShow();
        main->mnuEstrazioniInserisci->trigger();
        f = Forms::find<frmInputEstrazioni>();
    }
    QByteArray estrazioni() const { return cartella.leggiFile("Archivi/Estrazioni.ind"); }
    QByteArray anni() const { return cartella.leggiFile("Archivi/anni.ind"); }
    void scrivi(int casella, const QString& testo)
    {
        f->txtEstratto[casella]->clear();
        QTest::keyClicks(f->txtEstratto[casella], testo);
    }
    void riempi(int quante)
    {
        for (int k = 1; k <= quante; ++k)
            scrivi(k, QString::number((k - 1) % 5 + 1 + 5 * ((k - 1) / 5 % 17)));
    }
    QString data() const
    {
        return f->txtGiorno->text() + u'/' + f->txtMese->text() + u'/' + f->txtAnno->text();
    }
};

TEST(frmInputEstrazioni, OpensOnTheLastDrawAndBrowses)
{
    Ambiente a;
    ASSERT_NE(a.f, nullptr);
    EXPECT_TRUE(a.f->isVisible());
    EXPECT_EQ(a.f->lblTotaleEstrazioni->text(), "5");
    EXPECT_EQ(a.data(), "26/02/2026");
    EXPECT_EQ(a.f->lblNumeroAnnoEstraz->text(), " 3");
    EXPECT_EQ(a.f->lblAnnoEstrazione->text(), " / 2026");
    EXPECT_EQ(a.f->lblGiornoEstraz->text(), QString::fromUtf8("giovedì"));
    EXPECT_EQ(a.f->txtEstratto[55]->text(), "55");
    EXPECT_EQ(a.f->txtEstratto[1]->toolTip(), QStringLiteral(" 1' estratto ruota di Bari      "));
    EXPECT_TRUE(a.f->txtEstratto[1]->isReadOnly());

    QTest::mouseClick(a.f->cmdSuccessiva, Qt::LeftButton);   // at the last draw: nothing
    EXPECT_EQ(a.data(), "26/02/2026");
    for (int i = 0; i < 6; ++i)
        QTest::mouseClick(a.f->cmdPrecedente, Qt::LeftButton);
    EXPECT_EQ(a.data(), "27/12/2025");
    EXPECT_EQ(a.f->Slider1->value(), 1);
    a.f->Slider1->setValue(4);
    EXPECT_EQ(a.data(), "24/02/2026");
}

TEST(frmInputEstrazioni, NewDrawIsProposedTypedAndStoredByteForByte)
{
    Ambiente a;
    const QByteArray primaE = a.estrazioni(), primaA = a.anni();
    QTest::mouseClick(a.f->cmdNuova, Qt::LeftButton);
    // After a Thursday, with Friday among the draw days.
    EXPECT_EQ(a.data(), "27/02/2026");
    EXPECT_EQ(a.f->lblNumeroAnnoEstraz->text(), " 4");
    EXPECT_EQ(a.f->lblGiornoEstraz->text(), QString::fromUtf8("venerdì"));
    EXPECT_FALSE(a.f->txtEstratto[55]->isReadOnly());
    EXPECT_EQ(vbBackColor(a.f->txtEstratto[1]), 0xFFFFFFu);
    EXPECT_FALSE(a.f->Slider1->isEnabled());

    // Letters never reach a box.
    a.scrivi(1, QStringLiteral("a1b2"));
    EXPECT_EQ(a.f->txtEstratto[1]->text(), "12");
    a.riempi(55);
    // Moved from the proposed Friday to the Saturday: both weekday digits are Saturday's.
    QTest::mouseClick(a.f->cmdSuccessiva, Qt::LeftButton);
    EXPECT_EQ(a.data(), "28/02/2026");
    QTest::mouseClick(a.f->cmdMemorizza, Qt::LeftButton);

    QByteArray atteso = primaE + "77";
    atteso += char(4);
    atteso += "28022026";
    for (int k = 1; k <= 55; ++k)
        atteso += char((k - 1) % 5 + 1 + 5 * ((k - 1) / 5 % 17));
    EXPECT_EQ(a.estrazioni(), atteso);
    EXPECT_EQ(a.anni(), primaA);
    // Every window sees the new draw at once.
    EXPECT_EQ(NumeroEstrazioni, 6);
    EXPECT_EQ(a.f->lblTotaleEstrazioni->text(), "6");
    EXPECT_EQ(a.main->Label5->text(), "n.4 del 28/02/2026");
    EXPECT_EQ(vistaArchivio(Archivio())->numeroEstrazioni(), 6);
    EXPECT_EQ(a.ini("Settings", "FineRicerca"), "6");
    EXPECT_TRUE(a.f->txtEstratto[1]->isReadOnly());
    EXPECT_TRUE(a.f->Slider1->isEnabled());
    EXPECT_EQ(a.f->Slider1->maximum(), 6);
}

TEST(frmInputEstrazioni, FirstDrawOfAYearAddsItsYearRecord)
{
    Ambiente a;
    const QByteArray primaA = a.anni();
    QTest::mouseClick(a.f->cmdNuova, Qt::LeftButton);
    // Forward into the next year, then back: the number follows the year.
    for (int i = 0; i < 308; ++i)
        vbPress(a.f->cmdSuccessiva);
    EXPECT_EQ(a.data(), "01/01/2027");
    EXPECT_EQ(a.f->lblNumeroAnnoEstraz->text(), "1");
    vbPress(a.f->cmdPrecedente);
    EXPECT_EQ(a.f->lblNumeroAnnoEstraz->text(), " 4");
    vbPress(a.f->cmdSuccessiva);
    a.f->Text1->setPlainText(QStringLiteral("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 "
                                            "21 22 23 24 25 26 27 28 29 30 31 32 33 34 35 36 37 "
                                            "38 39 40 41 42 43 44 45 46 47 48 49 50 51 52 53 54 55"));
    // All boxes empty: the store decodes the paste box itself.
    QTest::mouseClick(a.f->cmdMemorizza, Qt::LeftButton);
    ASSERT_EQ(a.estrazioni().size(), 6 * 66);
    EXPECT_EQ(quint8(a.estrazioni()[5 * 66 + 2]), 1);
    EXPECT_EQ(a.anni(), primaA + "20276      \r");
}

TEST(frmInputEstrazioni, QuestionsAndRefusalsWriteNothing)
{
    Ambiente a;
    const QByteArray primaE = a.estrazioni(), primaA = a.anni();
    QTest::mouseClick(a.f->cmdNuova, Qt::LeftButton);
    a.riempi(54);
    a.fake.expectMsgBox(QStringLiteral("Manca 1 numero. Memorizzi ugualmente ?"), vbNo);
    QTest::mouseClick(a.f->cmdMemorizza, Qt::LeftButton);
    a.scrivi(55, QStringLiteral("1"));
    a.scrivi(52, QStringLiteral("1"));   // equal on the Nazionale
    a.fake.expectMsgBox(QStringLiteral("Ci sono numeri uguali su stessa ruota. Memorizzi ugualmente ? "),
                        vbNo);
    QTest::mouseClick(a.f->cmdMemorizza, Qt::LeftButton);
    // Out of range, however it got there: refused before any question.
    a.scrivi(52, QStringLiteral("95"));
    a.fake.expectMsgBox(kFuoriIntervallo, vbOK);
    QTest::mouseClick(a.f->cmdMemorizza, Qt::LeftButton);
    EXPECT_EQ(a.f->focusWidget(), a.f->txtEstratto[52]);
    a.scrivi(52, QStringLiteral("2"));
    // A failing disk: reported, nothing left behind, the numbers kept.
    compat::setWriteFault([](const QString&, qint64) -> qint64 { return 10; });
    a.fake.expectMsgBox(QStringLiteral("Errore durante la memorizzazione (Errore di accesso al "
                                       "percorso/file): l'archivio è rimasto com'era."),
                        vbOK);
    QTest::mouseClick(a.f->cmdMemorizza, Qt::LeftButton);
    compat::setWriteFault({});
    EXPECT_EQ(a.estrazioni(), primaE);
    EXPECT_EQ(a.anni(), primaA);
    EXPECT_EQ(a.f->txtEstratto[52]->text(), "2");
    EXPECT_TRUE(a.f->cmdMemorizza->isEnabled());
    EXPECT_EQ(NumeroEstrazioni, 5);

    // Closing: Cancel keeps the window; Yes with a refused store keeps it too.
    a.scrivi(3, QStringLiteral("91"));
    a.fake.expectMsgBox(kSalvare, vbCancel);
    QTest::mouseClick(a.f->cmdEsci, Qt::LeftButton);
    EXPECT_TRUE(a.f->isLoaded());
    a.fake.expectMsgBox(kSalvare, vbYes);
    a.fake.expectMsgBox(kFuoriIntervallo, vbOK);
    QTest::mouseClick(a.f->cmdEsci, Qt::LeftButton);
    EXPECT_TRUE(a.f->isLoaded());
    EXPECT_EQ(a.f->txtEstratto[3]->text(), "91");
    EXPECT_EQ(a.estrazioni(), primaE);
    // Yes with a good store closes.
    a.scrivi(3, QStringLiteral("3"));
    a.fake.expectMsgBox(kSalvare, vbYes);
    QTest::mouseClick(a.f->cmdEsci, Qt::LeftButton);
    EXPECT_FALSE(a.f->isLoaded());
    EXPECT_EQ(a.estrazioni().size(), 6 * 66);
}

// Half of the new record reaches the disk before it is full: the message
// names the full disk, and the cut-back leaves both files as they were.
TEST(frmInputEstrazioni, AStoreOnAFullDiskSaysSo)
{
    Ambiente a;
    const QByteArray primaE = a.estrazioni(), primaA = a.anni();
    QTest::mouseClick(a.f->cmdNuova, Qt::LeftButton);
    a.riempi(55);
    a.fake.expectMsgBox(QStringLiteral("Errore durante la memorizzazione (Disco pieno): l'archivio "
                                       "è rimasto com'era."),
                        vbOK);
    {
        LimiteFile disco(primaE.size() + 33);
        QTest::mouseClick(a.f->cmdMemorizza, Qt::LeftButton);
    }
    EXPECT_EQ(a.estrazioni(), primaE);
    EXPECT_EQ(a.anni(), primaA);
    EXPECT_EQ(NumeroEstrazioni, 5);
    // With room again the same numbers are stored whole.
    QTest::mouseClick(a.f->cmdMemorizza, Qt::LeftButton);
    EXPECT_EQ(a.estrazioni().left(primaE.size()), primaE);
    EXPECT_EQ(a.estrazioni().size(), primaE.size() + 66);
}

TEST(frmInputEstrazioni, StoreWhoseReopenFailsSaysSoAndShowsTheStoredDraw)
{
    Ambiente a;
    const QByteArray primaE = a.estrazioni();
    QTest::mouseClick(a.f->cmdNuova, Qt::LeftButton);
    a.riempi(55);
    {
        AperturaNegata negata(QStringLiteral("Estrazioni.ind"));
        a.fake.expectMsgBox(QStringLiteral("Memorizzazione eseguita, ma l'archivio Estrazioni.ind "
                                           "non è stato riaperto (Errore di accesso al "
                                           "percorso/file): il programma continua a leggerlo dal "
                                           "file già aperto."),
                            vbOK);
        QTest::mouseClick(a.f->cmdMemorizza, Qt::LeftButton);
    }
    EXPECT_EQ(a.estrazioni().size(), 6 * 66);
    EXPECT_EQ(a.estrazioni().left(5 * 66), primaE);
    EXPECT_EQ(NumeroEstrazioni, 6);
    EXPECT_EQ(a.f->lblTotaleEstrazioni->text(), "6");
    EXPECT_EQ(a.data(), "27/02/2026");
    EXPECT_EQ(a.main->Label5->text(), "n.4 del 27/02/2026");
    EXPECT_TRUE(a.f->txtEstratto[1]->isReadOnly());
    // The archive goes on as usual.
    QTest::mouseClick(a.f->cmdNuova, Qt::LeftButton);
    a.riempi(55);
    QTest::mouseClick(a.f->cmdMemorizza, Qt::LeftButton);
    EXPECT_EQ(NumeroEstrazioni, 7);
    EXPECT_EQ(a.fake.msgBoxCalls().size(), 1u);
}

TEST(frmInputEstrazioni, AStoreOnAFullDiskSaysWhatItLeftBehind)
{
    const QString errore = QStringLiteral("Errore durante la memorizzazione (Disco pieno): ");
    const struct {
        const char* caso;
        int coda;   // bytes of a record cut short that end the draw file
        QString messaggio;
    } casi[] = {
        {"whole records", 0, errore + QStringLiteral("l'archivio è rimasto com'era.")},
        {"a partial record at the end", 33,
         errore + QStringLiteral("l'estrazione non è stata memorizzata; è stato rimosso solo il "
                                 "record incompleto in fondo all'archivio, le estrazioni "
                                 "memorizzate sono invariate.")},
    };
    for (const auto& c : casi) {
        Ambiente a;
        const QByteArray interi = a.estrazioni(), primaA = a.anni();
        a.cartella.scriviFile(QStringLiteral("Archivi/Estrazioni.ind"),
                              interi + QByteArray(c.coda, '7'));
        QTest::mouseClick(a.f->cmdNuova, Qt::LeftButton);
        a.riempi(55);
        a.fake.expectMsgBox(c.messaggio, vbOK);
        {
            LimiteFile disco(interi.size() + 10);
            QTest::mouseClick(a.f->cmdMemorizza, Qt::LeftButton);
        }
        EXPECT_EQ(a.fake.msgBoxCalls().size(), 1u) << c.caso;
        EXPECT_EQ(a.estrazioni(), interi) << c.caso;
        EXPECT_EQ(a.anni(), primaA) << c.caso;
        EXPECT_TRUE(a.f->cmdMemorizza->isEnabled()) << c.caso;
        a.fake.expectMsgBox(kSalvare, vbNo);
    }
}

TEST(frmInputEstrazioni, AStorePressedWhileAnUpdateIsMergedIsToldToWait)
{
    Ambiente a;
    QTest::mouseClick(a.f->cmdNuova, Qt::LeftButton);
    a.riempi(55);
    // An update file from the last stored draw on, with two new ones.
    QByteArray aggiornamento;
    const std::vector<RecEstrazione> tutte = archivio(2);
    for (size_t i = 4; i < tutte.size(); ++i)
        aggiornamento += tutte[i].toBytes();
    a.cartella.scriviFile(QStringLiteral("agg.bin"), aggiornamento);
    a.main->mnuEstrazioniAggiorna->trigger();
    auto* agg = Forms::find<frmAggiornamenti>();
    ASSERT_NE(agg, nullptr);
    a.fake.expectOpen(a.cartella.percorso() + QStringLiteral("/agg.bin"));
    QTest::mouseClick(agg->cmdApri, Qt::LeftButton);
    ASSERT_TRUE(agg->cmdAggiorna->isEnabled());

    // "Memorizza" clicked while the merge writes: the window system hands the
    // click on once the program takes events again.
    QPushButton* memorizza = a.f->cmdMemorizza;
    compat::setWriteWatch([memorizza, cliccato = false](const QString&, qint64) mutable {
        if (std::exchange(cliccato, true))
            return;
        const QPointF c = QRectF(memorizza->rect()).center();
        for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(
                memorizza, new QMouseEvent(t, c, memorizza->mapToGlobal(c), Qt::LeftButton,
                                           t == QEvent::MouseButtonPress ? Qt::LeftButton
                                                                         : Qt::NoButton,
                                           Qt::NoModifier));
    });
    a.fake.expectMsgBox(QStringLiteral("Archivio in aggiornamento: riprovare al termine."), vbOK);
    a.fake.expectMsgBox(QStringLiteral("Aggiornamento archivi al 02/03/2026 effettuato"), vbOK);
    QTest::mouseClick(agg->cmdAggiorna, Qt::LeftButton);
    compat::setWriteWatch({});
    QCoreApplication::processEvents();
    ASSERT_EQ(a.fake.msgBoxCalls().size(), 2u);
    EXPECT_EQ(a.fake.msgBoxCalls()[0].style, vbOKOnly | vbExclamation);
    EXPECT_EQ(NumeroEstrazioni, 7);
    // The typed draw waits in the window, to be stored after the merge.
    EXPECT_TRUE(a.f->cmdMemorizza->isEnabled());
    EXPECT_FALSE(a.f->txtEstratto[55]->text().isEmpty());
    a.fake.expectMsgBox(kSalvare, vbNo);
}

TEST(frmInputEstrazioni, CloseWithEmptyBoxesAsksNothing)
{
    Ambiente a;
    QTest::mouseClick(a.f->cmdNuova, Qt::LeftButton);
    QTest::mouseClick(a.f->cmdEsci, Qt::LeftButton);
    EXPECT_FALSE(a.f->isLoaded());
}

TEST(frmInputEstrazioni, CorrectionRewritesInPlaceAndStaysInItsYear)
{
    Ambiente a;
    const QByteArray primaE = a.estrazioni(), primaA = a.anni();
    const qint32 primaVista = vistaArchivio(Archivio())->numero(2, 1, 1);
    a.f->Slider1->setValue(2);   // 30/12/2025, a Tuesday
    QTest::mouseClick(a.f->cmdCorreggi, Qt::LeftButton);
    EXPECT_FALSE(a.f->txtEstratto[1]->isReadOnly());
    EXPECT_EQ(a.f->txtEstratto[1]->text(), "1");
    // Moves only strictly between its neighbours (27/12/2025 and 03/01/2026).
    for (int i = 0; i < 5; ++i)
        vbPress(a.f->cmdPrecedente);
    EXPECT_EQ(a.data(), "28/12/2025");
    for (int i = 0; i < 8; ++i)
        vbPress(a.f->cmdSuccessiva);
    EXPECT_EQ(a.data(), "02/01/2026");
    // Into the next year: refused, nothing written.
    a.fake.expectMsgBox(QStringLiteral("Non è possibile spostare l'estrazione in un altro anno !"), vbOK);
    QTest::mouseClick(a.f->cmdMemorizza, Qt::LeftButton);
    EXPECT_EQ(a.estrazioni(), primaE);
    for (int i = 0; i < 3; ++i)
        vbPress(a.f->cmdPrecedente);
    EXPECT_EQ(a.data(), "30/12/2025");
    QTest::mouseClick(a.f->cmdPrecedente, Qt::LeftButton);
    a.scrivi(1, QStringLiteral("77"));
    QTest::mouseClick(a.f->cmdMemorizza, Qt::LeftButton);
    // Moved from the Tuesday (3) to the Monday (2): both weekday digits follow.
    QByteArray r = primaE.mid(66, 66);
    r[0] = '2';
    r[1] = '2';
    r.replace(3, 8, "29122025");
    r[11] = char(77);
    EXPECT_EQ(a.estrazioni(), primaE.left(66) + r + primaE.mid(132));
    EXPECT_EQ(a.anni(), primaA);
    EXPECT_EQ(a.f->estrazioneCorrente(), 2);
    EXPECT_NE(vistaArchivio(Archivio())->numero(2, 1, 1), primaVista);
    EXPECT_EQ(vistaArchivio(Archivio())->numero(2, 1, 1), 77);
}

TEST(frmInputEstrazioni, LeavingABoxOutOfRangeKeepsTheFocus)
{
    Ambiente a;
    QTest::mouseClick(a.f->cmdNuova, Qt::LeftButton);
    a.f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(a.f));
    a.f->txtEstratto[1]->setFocus();
    QTest::keyClicks(a.f->txtEstratto[1], QStringLiteral("95"));
    a.fake.expectMsgBox(kFuoriIntervallo, vbOK);
    a.f->txtEstratto[2]->setFocus();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(a.fake.msgBoxCalls().size(), 1u);
    EXPECT_EQ(QApplication::focusWidget(), a.f->txtEstratto[1]);
    a.fake.expectMsgBox(kSalvare, vbNo);
}

TEST(frmInputEstrazioni, PasteFillsBoxesUntilAnIncongruousValue)
{
    Ambiente a;
    QTest::mouseClick(a.f->cmdNuova, Qt::LeftButton);
    a.f->Text1->setPlainText(QStringLiteral("Bari 01 02 03 04 05\r\nCagliari 12/01/2026"));
    a.fake.expectMsgBox(QStringLiteral("Valori incongruenti - Non è possibile decodificare  (tutto o "
                                       "in parte) il testo copiato !"),
                        vbOK);
    QTest::mouseClick(a.f->cmdInserisci, Qt::LeftButton);
    EXPECT_EQ(a.f->txtEstratto[1]->text(), "01");
    EXPECT_EQ(a.f->txtEstratto[7]->text(), "01");
    EXPECT_EQ(a.f->txtEstratto[8]->text(), "");
    QTest::mouseClick(a.f->cmdCancella, Qt::LeftButton);
    EXPECT_EQ(a.f->Text1->toPlainText(), "");
    EXPECT_EQ(a.f->txtEstratto[1]->text(), "");
}

TEST(frmInputEstrazioni, NumberBoxesTakeByPasteAndDropOnlyWhatTypingWould)
{
    Ambiente a;
    QTest::mouseClick(a.f->cmdNuova, Qt::LeftButton);
    QLineEdit* box = a.f->txtEstratto[1];
    const auto incolla = [&](const QString& testo) {
        QGuiApplication::clipboard()->setText(testo);
        box->setFocus();
        box->selectAll();
        // Ctrl+V as the keyboard sends it: the control character 22.
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_V, QString(QChar(22)), Qt::ControlModifier);
    };
    a.scrivi(1, QStringLiteral("5"));
    incolla(QStringLiteral("12abc!@# -7"));
    EXPECT_EQ(box->text(), "5");
    incolla(QStringLiteral("-7"));
    EXPECT_EQ(box->text(), "5");
    incolla(QStringLiteral("1 2"));   // two numbers, not 12
    EXPECT_EQ(box->text(), "5");
    // A number copied with its line end goes in as typing it would.
    incolla(QStringLiteral(" 12\r\n"));
    EXPECT_EQ(box->text(), "12");

    QMimeData dati;
    dati.setText(QStringLiteral("3x"));
    // A drag brought over the box and let go.
    const auto lascia = [&] {
        QDragEnterEvent entra(QPoint(2, 2), Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box, &entra);
        QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box, &drop);
    };
    lascia();
    EXPECT_EQ(box->text(), "12");
    box->clear();
    dati.setText(QStringLiteral("7"));
    lascia();
    EXPECT_EQ(box->text(), "7");

    // The paste box still takes a whole draw and spreads it.
    a.f->Text1->setFocus();
    QGuiApplication::clipboard()->setText(QStringLiteral("Bari 10 20 30 40 50"));
    QTest::sendKeyEvent(QTest::Click, a.f->Text1, Qt::Key_V, QString(QChar(22)), Qt::ControlModifier);
    QTest::mouseClick(a.f->cmdInserisci, Qt::LeftButton);
    EXPECT_EQ(box->text(), "10");
    EXPECT_EQ(a.f->txtEstratto[5]->text(), "50");
    a.fake.expectMsgBox(kSalvare, vbNo);
}

} // namespace
