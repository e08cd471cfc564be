#include "archivio/frmAggiornamenti.h"
#include "archivio/FileAggiornamento.h"
#include "compat/files.h"
#include "compat/ui/Controls.h"
#include "shell/frmMain.h"
#include "support/ui/AmbienteServizi.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace compat;

namespace {

const QString kTitolo = QStringLiteral("Aggiornamento archivi");

std::vector<BozzaEstrazione> bozze(std::initializer_list<QDate> date)
{
    std::vector<BozzaEstrazione> b;
    int i = 0;
    for (QDate d : date) {
        BozzaEstrazione x{d, {}};
        for (int w = 1; w <= 11; ++w)
            x.ruote.push_back({w, {w, w + 11, w + 22, w + 33, (w + i++) % 90 + 1}});
        b.push_back(x);
    }
    return b;
}

QByteArray bytes(const std::vector<RecEstrazione>& r, size_t da = 0)
{
    QByteArray b;
    for (size_t i = da; i < r.size(); ++i)
        b += r[i].toBytes();
    return b;
}

const QDateTime kOggi(QDate(2027, 1, 2), QTime(8, 0));

// The archive ends on 30/12/2025; `tutte` runs on over two New Years, to
// today's date.
struct Ambiente : AmbienteServizi {
    std::vector<RecEstrazione> tutte;
    frmAggiornamenti* f = nullptr;
    explicit Ambiente(std::vector<RecEstrazione> t)
        : AmbienteServizi({t.begin(), t.begin() + 3}), tutte(std::move(t))
    {
        InizializzazioneFatta = false;
        fake.setNow(kOggi);
        auto* main = Forms::get<frmMain>();
        main->vbShow();
        main->mnuEstrazioniAggiorna->trigger();
        f = Forms::find<frmAggiornamenti>();
    }
    Ambiente()
        : Ambiente(componi(bozze({QDate(2025, 12, 23), QDate(2025, 12, 27), QDate(2025, 12, 30),
                                  QDate(2026, 1, 2), QDate(2026, 12, 31), QDate(2027, 1, 2)})))
    {
    }
    QByteArray estrazioni() const { return cartella.leggiFile("Archivi/Estrazioni.ind"); }
    QByteArray anni() const { return cartella.leggiFile("Archivi/anni.ind"); }
    QString aggiornamento(const QByteArray& contenuto)
    {
        cartella.scriviFile(QStringLiteral("agg.bin"), contenuto);
        return cartella.percorso() + QStringLiteral("/agg.bin");
    }
    void apri(const QString& nome)
    {
        fake.expectOpen(nome);
        QTest::mouseClick(f->cmdApri, Qt::LeftButton);
    }
};

TEST(frmAggiornamenti, OverlappingFileMergesOverTwoNewYears)
{
    Ambiente a;
    ASSERT_NE(a.f, nullptr);
    EXPECT_EQ(a.f->lblNumero->text(), "3");
    EXPECT_EQ(a.f->lblAnno->text(), "2025");
    EXPECT_EQ(a.f->lblUltima->text(), "30/12/2025");
    EXPECT_FALSE(a.f->cmdAggiorna->isEnabled());
    const QByteArray primaE = a.estrazioni(), primaA = a.anni();

    a.apri(a.aggiornamento(bytes(a.tutte, 1)));   // from 27/12/2025: overlaps
    EXPECT_EQ(a.fake.fileCall(-1).request.title, "Apri");
    EXPECT_EQ(a.fake.fileCall(-1).request.filter,
              "File aggiornamento Trevalda (*.bin)|*.bin|File aggiornamento Trevalda (*.trv)|*.trv|"
              "Tutti i file (*.*)|*.*");
    EXPECT_EQ(a.f->lblFile->text(), "02/01/2027");
    EXPECT_TRUE(a.f->cmdAggiorna->isEnabled());

    a.fake.expectMsgBox(QStringLiteral("Aggiornamento archivi al 02/01/2027 effettuato"), vbOK);
    QTest::mouseClick(a.f->cmdAggiorna, Qt::LeftButton);
    EXPECT_EQ(a.estrazioni(), primaE + bytes(a.tutte, 3));
    EXPECT_EQ(a.anni(), primaA + "20264      \r" + "20276      \r");
    EXPECT_EQ(NumeroEstrazioni, 6);
    EXPECT_EQ(a.fake.msgBoxCall(-1).title, kTitolo);
    EXPECT_EQ(a.ini("Settings", "FineRicerca"), "6");
    EXPECT_FALSE(a.f->isLoaded());
}

TEST(frmAggiornamenti, RefusedFilesWriteNothingAndDisableTheMerge)
{
    Ambiente a;
    const QByteArray primaE = a.estrazioni(), primaA = a.anni();
    const QByteArray buono = bytes(a.tutte, 2);
    a.apri(a.aggiornamento(buono));
    EXPECT_TRUE(a.f->cmdAggiorna->isEnabled());

    QByteArray disordinato = buono;
    disordinato.replace(66, 66, buono.mid(132, 66));
    disordinato.replace(132, 66, buono.mid(66, 66));
    QByteArray numeroFuori = buono;
    numeroFuori[66 + 30] = char(91);
    for (const QByteArray& guasto : {buono.left(65), buono.left(67), disordinato, numeroFuori,
                                     buono + buono.right(66)}) {
        const QString nome = a.aggiornamento(guasto);
        a.fake.expectMsgBox(nome + QStringLiteral(" corrotto o mancante !"), vbOK);
        a.apri(nome);
        EXPECT_FALSE(a.f->cmdAggiorna->isEnabled());
        EXPECT_TRUE(a.f->fileAperto().isEmpty());
        QTest::mouseClick(a.f->cmdAggiorna, Qt::LeftButton);   // disabled: nothing
        vbPress(a.f->cmdAggiorna);                             // pressed by code: refused
    }
    // Past the bound, a file of whole records is refused unread; so is a pipe.
    const QString oltre = a.aggiornamento(buono), pipe = a.cartella.percorso() + "/pipe";
    ASSERT_TRUE(QFile(oltre).resize(kMassimoFileAggiornamento + 66));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString& nome : {oltre, pipe}) {
        a.fake.expectMsgBox(nome + QStringLiteral(" corrotto o mancante !"), vbOK);
        a.apri(nome);
    }
    // Starting a day after the archive's end: discontinuous.
    a.fake.expectMsgBox(QStringLiteral("Discontinuità di memorizzazione - Aggiornamento impossibile"),
                        vbOK);
    a.apri(a.aggiornamento(bytes(a.tutte, 3)));
    EXPECT_EQ(a.f->lblFile->text(), "");
    EXPECT_FALSE(a.f->cmdAggiorna->isEnabled());
    // Ending on the archive's last draw: accepted, nothing to merge.
    a.apri(a.aggiornamento(bytes(a.tutte).left(3 * 66)));
    EXPECT_EQ(a.f->lblFile->text(), "30/12/2025");
    EXPECT_FALSE(a.f->cmdAggiorna->isEnabled());
    // A cancelled dialog opens nothing.
    a.fake.expectOpen(std::nullopt);
    QTest::mouseClick(a.f->cmdApri, Qt::LeftButton);
    EXPECT_EQ(a.estrazioni(), primaE);
    EXPECT_EQ(a.anni(), primaA);
    EXPECT_TRUE(a.f->isLoaded());
}

TEST(frmAggiornamenti, AFileDatedAfterTodayIsRefusedAtTheOpeningAndAtTheMerge)
{
    Ambiente a;
    const QByteArray primaE = a.estrazioni(), primaA = a.anni();
    const QString rifiuto = QStringLiteral("Il file contiene estrazioni con data successiva a oggi "
                                           "(02/01/2027): aggiornamento non eseguito. Controllare "
                                           "la data del computer.");
    const QString nome = a.aggiornamento(bytes(a.tutte, 1));
    a.fake.setNow(kOggi.addDays(-1));
    a.fake.expectMsgBox(rifiuto, vbOK);
    a.apri(nome);
    ASSERT_EQ(a.fake.msgBoxCalls().size(), 1u);
    EXPECT_EQ(a.fake.msgBoxCalls()[0].style, vbOKOnly | vbCritical);
    EXPECT_EQ(a.fake.msgBoxCalls()[0].title, kTitolo);
    EXPECT_EQ(a.f->lblFile->text(), "");
    EXPECT_FALSE(a.f->cmdAggiorna->isEnabled());

    // Opened with the clock right, merged after it was set back a day.
    a.fake.setNow(kOggi);
    a.apri(nome);
    ASSERT_TRUE(a.f->cmdAggiorna->isEnabled());
    a.fake.setNow(kOggi.addDays(-1));
    a.fake.expectMsgBox(rifiuto, vbOK);
    QTest::mouseClick(a.f->cmdAggiorna, Qt::LeftButton);
    ASSERT_EQ(a.fake.msgBoxCalls().size(), 2u);
    EXPECT_EQ(a.estrazioni(), primaE);
    EXPECT_EQ(a.anni(), primaA);
    EXPECT_EQ(NumeroEstrazioni, 3);
    EXPECT_TRUE(a.f->isLoaded());
}

TEST(frmAggiornamenti, FailedMergeLeavesTheArchiveAndTheWindow)
{
    Ambiente a;
    const QByteArray primaE = a.estrazioni(), primaA = a.anni();
    a.apri(a.aggiornamento(bytes(a.tutte, 2)));
    compat::setWriteFault([](const QString& p, qint64) -> qint64 {
        return p.endsWith(QStringLiteral("anni.ind")) ? 0 : -1;
    });
    a.fake.expectMsgBox(QStringLiteral("Errore durante la memorizzazione (Errore di accesso al "
                                       "percorso/file): l'archivio è rimasto com'era."),
                        vbOK);
    QTest::mouseClick(a.f->cmdAggiorna, Qt::LeftButton);
    compat::setWriteFault({});
    EXPECT_EQ(a.estrazioni(), primaE);
    EXPECT_EQ(a.anni(), primaA);
    EXPECT_EQ(NumeroEstrazioni, 3);
    EXPECT_TRUE(a.f->isLoaded());
    EXPECT_TRUE(a.f->cmdAggiorna->isEnabled());
    // Tried again once the disk is sound.
    a.fake.expectMsgBox(QStringLiteral("Aggiornamento archivi al 02/01/2027 effettuato"), vbOK);
    QTest::mouseClick(a.f->cmdAggiorna, Qt::LeftButton);
    EXPECT_EQ(a.estrazioni(), bytes(a.tutte));
}

} // namespace
