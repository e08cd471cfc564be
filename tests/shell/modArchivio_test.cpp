#include "archivio/ScrittoreArchivio.h"
#include "archivio/frmInputEstrazioni.h"
#include "support/ui/AvvioProgramma.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace compat;

namespace {

TEST(modArchivio, TornLastRecordIsToldOnceAtStartUpAndDroppedByTheNextStore)
{
    Avvio a;
    a.archivio();
    const QByteArray intere = a.cartella.leggiFile(QStringLiteral("Archivi/Estrazioni.ind"));
    const QByteArray anni = a.cartella.leggiFile(QStringLiteral("Archivi/anni.ind"));
    // A store killed after 25 of its 66 bytes.
    a.cartella.scriviFile(QStringLiteral("Archivi/Estrazioni.ind"),
                          intere + intere.right(66).left(25));
    a.fake.expectMsgBox(QStringLiteral("L'archivio Estrazioni.ind termina con un record incompleto "
                                       "(25 byte su 66), resto di una scrittura interrotta: non "
                                       "viene letto e sarà eliminato alla prossima memorizzazione "
                                       "di estrazioni. L'ultima estrazione completa è quella del "
                                       "27/02/2026."),
                        vbOK);
    frmMain* f = a.avvia();
    ASSERT_EQ(a.fake.msgBoxCalls().size(), 1u);
    EXPECT_EQ(a.fake.msgBoxCalls()[0].style, vbExclamation);
    EXPECT_EQ(NumeroEstrazioni, 2);
    EXPECT_EQ(f->Label5->text(), QStringLiteral("n.34 del 27/02/2026"));

    // The next draw lands on the last whole record, without a word more.
    f->mnuEstrazioniInserisci->trigger();
    auto* w = Forms::find<frmInputEstrazioni>();
    ASSERT_NE(w, nullptr);
    QTest::mouseClick(w->cmdNuova, Qt::LeftButton);
    QString numeri;
    for (int k = 1; k <= 55; ++k)
        numeri += QString::number(k) + u' ';
    QTest::keyClicks(w->Text1, numeri);
    QTest::mouseClick(w->cmdMemorizza, Qt::LeftButton);
    const QByteArray dopo = a.cartella.leggiFile(QStringLiteral("Archivi/Estrazioni.ind"));
    ASSERT_EQ(dopo.size(), 3 * 66);
    EXPECT_EQ(dopo.left(2 * 66), intere);
    EXPECT_EQ(dopo.mid(2 * 66 + 3, 8), QByteArray("28022026"));
    EXPECT_EQ(quint8(dopo[2 * 66 + 11]), 1);
    EXPECT_EQ(a.cartella.leggiFile(QStringLiteral("Archivi/anni.ind")), anni);
    EXPECT_EQ(NumeroEstrazioni, 3);
    EXPECT_EQ(a.fake.msgBoxCalls().size(), 1u);
}

TEST(modArchivio, DatesOutOfOrderOrAfterTodayAndAYearIndexNotTheDrawsOwnAreToldAtStartUp)
{
    const QString resta = QStringLiteral(" Resta nel file com'è e le ricerche lo leggono con questa "
                                         "data; si possono memorizzare solo estrazioni con date "
                                         "successive all'ultima dell'archivio.");
    const QString record2 = QStringLiteral("Il record n. 2 dell'archivio Estrazioni.ind è datato ");
    // The second draw's date, and the year index when not the draws' own.
    const struct { QDate seconda; QByteArray anni; QString avviso; } casi[] = {
        {QDate(2026, 2, 24), {},
         record2 + "24/02/2026, non dopo il n. 1 (27/02/2026): le date non sono in ordine." + resta},
        {QDate(2096, 2, 27), {},
         record2 + "27/02/2096, dopo la data di oggi (10/03/2026): se la data del computer è "
                   "giusta, quella del record è errata." + resta},
        {QDate(2026, 3, 3), "20262      \r",
         "L'archivio Anni.ind non corrisponde alle estrazioni: le ricerche per data ne usano solo "
         "le voci giuste e sarà riscritto alla prossima memorizzazione di estrazioni."},
    };
    for (const auto& c : casi) {
        Avvio a;
        a.cartella.scrivi(componi({{QDate(2026, 2, 27), {}}, {c.seconda, {}}}));
        if (!c.anni.isEmpty())
            a.cartella.scriviFile(QStringLiteral("Archivi/anni.ind"), c.anni);
        const QByteArray est = a.cartella.leggiFile(QStringLiteral("Archivi/Estrazioni.ind"));
        a.fake.expectMsgBox(c.avviso, vbOK);
        a.avvia();
        EXPECT_EQ(a.cartella.leggiFile(QStringLiteral("Archivi/Estrazioni.ind")), est);
        if (c.anni.isEmpty())
            continue;
        // The index is written afresh by the next store.
        BloccoScrittura b;
        const QByteArray nuova = RecEstrazione::crea(QDate(2026, 3, 6), 3).toBytes();
        ASSERT_TRUE(accodaEstrazioni(Archivio(), b, nuova).ok());
        EXPECT_EQ(a.cartella.leggiFile(QStringLiteral("Archivi/anni.ind")), "20261      \r");
    }
}

} // namespace
