#include "archivio/ScrittoreArchivio.h"
#include "archivio/frmAggiornaInternet.h"
#include "compat/ui/Controls.h"
#include "shell/frmMain.h"
#include "shell/frmMessaggi.h"
#include "support/ui/AmbienteServizi.h"
#include "LimiteFile.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <sys/socket.h>

using namespace compat;

namespace {

const QString kBin = QStringLiteral("/AggiornamentoTrevalda.bin");
const QString kMsg = QStringLiteral("/Downloads/MessaggioQuorvane.txt");

// A web server on the loopback, answering each path as scripted; a path
// without an answer is left waiting.
class Server : public QObject {
public:
    // How the body goes out: whole with its length, with no length up to the
    // close, or in one chunk; or cut short of a longer length or chunk, by a
    // close, a reset, or a wait with the connection open.
    enum class Invio { Intero, SenzaLunghezza, Pezzo, Corto, PezzoCorto, Reset, Fermo };
    struct Risposta {
        int codice = 200;
        QByteArray corpo;
        QByteArray motivo = "OK";
        Invio invio = Invio::Intero;
    };
    QMap<QString, Risposta> risposte;
    QStringList richieste;

    Server()
    {
        EXPECT_TRUE(server_.listen(QHostAddress::LocalHost));
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = server_.nextPendingConnection())
                connect(s, &QTcpSocket::readyRead, this, [this, s] { leggi(s); });
        });
    }
    QString url() const { return QStringLiteral("http://127.0.0.1:%1/").arg(server_.serverPort()); }

private:
    void leggi(QTcpSocket* s)
    {
        QByteArray& buf = buffer_[s];
        buf += s->readAll();
        if (!buf.contains("\r\n\r\n"))
            return;
        const QString percorso = QString::fromLatin1(buf.split(' ').value(1));
        richieste << percorso;
        if (!risposte.contains(percorso))
            return;
        const Risposta r = risposte.value(percorso);
        const bool corto = r.invio >= Invio::Corto;
        const qsizetype annunciati = r.corpo.size() + (corto ? 330 : 0);
        QByteArray testa = "HTTP/1.1 " + QByteArray::number(r.codice) + ' ' + r.motivo
                           + "\r\nConnection: close\r\n";
        const bool pezzi = r.invio == Invio::Pezzo || r.invio == Invio::PezzoCorto;
        if (pezzi)
            testa += "Transfer-Encoding: chunked\r\n\r\n" + QByteArray::number(annunciati, 16);
        else if (r.invio != Invio::SenzaLunghezza)
            testa += "Content-Length: " + QByteArray::number(annunciati) + "\r\n";
        s->write(testa + "\r\n" + r.corpo + (pezzi && !corto ? "\r\n0\r\n\r\n" : ""));
        if (r.invio == Invio::Reset) {
            s->flush();
            const linger subito{1, 0};
            setsockopt(int(s->socketDescriptor()), SOL_SOCKET, SO_LINGER, &subito, sizeof subito);
            s->abort();
        } else if (r.invio != Invio::Fermo) {
            s->disconnectFromHost();
        }
    }
    QTcpServer server_;
    QMap<QTcpSocket*, QByteArray> buffer_;
};

std::vector<RecEstrazione> storico()
{
    std::vector<BozzaEstrazione> b;
    int i = 0;
    for (QDate d : {QDate(2025, 12, 27), QDate(2025, 12, 30), QDate(2026, 1, 2), QDate(2026, 1, 3),
                    QDate(2026, 1, 6)}) {
        BozzaEstrazione x{d, {}};
        for (int w = 1; w <= 11; ++w)
            x.ruote.push_back({w, {52, 48, 52, (w + i) % 90 + 1, w}});   // the bytes spell "404"
        ++i;
        b.push_back(x);
    }
    return componi(b);
}

QByteArray bytes(const std::vector<RecEstrazione>& r, size_t da, size_t a)
{
    QByteArray b;
    for (size_t i = da; i < a; ++i)
        b += r[i].toBytes();
    return b;
}

// The archive holds the first three draws (to 02/01/2026); today is the
// last draw's day.
struct Ambiente : AmbienteServizi {
    std::vector<RecEstrazione> tutte = storico();
    Server server;
    frmAggiornaInternet* f = nullptr;
    static std::vector<RecEstrazione> primeTre()
    {
        auto r = storico();
        r.resize(3);
        return r;
    }
    Ambiente() : AmbienteServizi(primeTre())
    {
        InizializzazioneFatta = false;
        fake.setNow(QDateTime(QDate(2026, 1, 6), QTime(21, 0)));
        imposta("Options", "Url", server.url());
        fake.setHttpTimeoutMs(2000);
        auto* main = Forms::get<frmMain>();
        main->vbShow();
        QTest::mouseClick(main->cmdScarica[0], Qt::LeftButton);
        f = Forms::find<frmAggiornaInternet>();
    }
    QByteArray estrazioni() const { return cartella.leggiFile("Archivi/Estrazioni.ind"); }
    QByteArray locale() const { return cartella.leggiFile("Archivi/AggiornamentoTrevalda.bin"); }
    void scarica() { QTest::mouseClick(f->cmdScarica, Qt::LeftButton); }
    QString rapporto(int numero, const QString& descrizione, int passaggio, int dimensione,
                     const QString& nomeFile = {})
    {
        return QStringLiteral("Errore n. %1 %2 dopo il passaggio n. %3 in routine agg. lotto da "
                              "internet!\r\nNome file: %5\r\nDimensioni file: %4\r\nVerificare url e "
                              "riprovare a scaricare l'aggiornamento.")
            .arg(numero)
            .arg(descrizione)
            .arg(passaggio)
            .arg(dimensione)
            .arg(nomeFile);
    }
};

const QString kDomanda = QStringLiteral("E' disponibile l'aggiornamento estrazioni al 06/01/2026. "
                                        "Confermi allineamento archivio locale ?");

TEST(frmAggiornaInternet, NewerFileWithTheServersMessageThenNoThenYes)
{
    Ambiente a;
    ASSERT_NE(a.f, nullptr);
    EXPECT_EQ(a.f->lblUltima->text(), "02/01/2026");
    const QByteArray prima = a.estrazioni();
    a.server.risposte[kMsg] = {200, "&$$ Nuova versione disponibile"};
    a.server.risposte[kBin] = {200, bytes(a.tutte, 1, 5)};
    // The message window is closed by its button as soon as it shows.
    QTimer chiudi;
    QObject::connect(&chiudi, &QTimer::timeout, [&] {
        if (auto* m = Forms::find<frmMessaggi>(); m && m->isVisible()) {
            EXPECT_EQ(m->Label1->text(), "Nuova versione disponibile");
            QTest::mouseClick(m->Command1, Qt::LeftButton);
        }
    });
    chiudi.start(10);
    a.fake.expectMsgBox(kDomanda, vbNo);
    a.scarica();
    EXPECT_EQ(a.server.richieste, QStringList({kMsg, kBin}));
    EXPECT_EQ(a.estrazioni(), prima);
    EXPECT_EQ(a.locale(), bytes(a.tutte, 1, 5));
    EXPECT_TRUE(a.f->isLoaded());

    a.server.risposte[kMsg] = {200, "nessun messaggio"};
    a.fake.expectMsgBox(kDomanda, vbYes);
    a.fake.expectMsgBox(QStringLiteral("Aggiornamento archivi al 06/01/2026 effettuato"), vbOK);
    a.scarica();
    EXPECT_EQ(a.estrazioni(), bytes(a.tutte, 0, 5));
    EXPECT_EQ(NumeroEstrazioni, 5);
    EXPECT_FALSE(a.f->isLoaded());
}

TEST(frmAggiornaInternet, UpToDateAndTwoRecordFilesAreJudgedByTheirContent)
{
    Ambiente a;
    const QByteArray prima = a.estrazioni();
    // 404 on the optional message, and an update file ending on our last draw.
    a.server.risposte[kMsg] = {404, "<html>404</html>"};
    a.server.risposte[kBin] = {200, bytes(a.tutte, 0, 3)};
    a.fake.expectMsgBox(QStringLiteral("Per il momento non ci sono aggiornamenti utili"), vbOK);
    a.scarica();
    EXPECT_EQ(a.estrazioni(), prima);
    // Two records (132 bytes, under the small-answer limit) are a sound file.
    a.server.risposte[kBin] = {200, bytes(a.tutte, 2, 4)};
    a.fake.expectMsgBox(QStringLiteral("E' disponibile l'aggiornamento estrazioni al 03/01/2026. "
                                       "Confermi allineamento archivio locale ?"),
                        vbYes);
    a.fake.expectMsgBox(QStringLiteral("Aggiornamento archivi al 03/01/2026 effettuato"), vbOK);
    a.scarica();
    EXPECT_EQ(a.estrazioni(), bytes(a.tutte, 0, 4));
}

TEST(frmAggiornaInternet, AnAnswerDatedAfterTodayIsRefused)
{
    Ambiente a;
    const QByteArray prima = a.estrazioni();
    a.server.risposte[kMsg] = {200, ""};
    a.server.risposte[kBin] = {200, bytes(a.tutte, 1, 5)};
    a.fake.setNow(QDateTime(QDate(2026, 1, 5), QTime(23, 59)));
    a.fake.expectMsgBox(QStringLiteral("Il file contiene estrazioni con data successiva a oggi "
                                       "(06/01/2026): aggiornamento non eseguito. Controllare la "
                                       "data del computer."),
                        vbOK);
    a.scarica();
    ASSERT_EQ(a.fake.msgBoxCalls().size(), 1u);
    EXPECT_EQ(a.estrazioni(), prima);
    EXPECT_TRUE(a.f->isLoaded());
}

TEST(frmAggiornaInternet, ErrorPagesAndShortAnswersKeepTheLocalCopy)
{
    Ambiente a;
    const QByteArray prima = a.estrazioni();
    a.cartella.scriviFile(QStringLiteral("Archivi/AggiornamentoTrevalda.bin"), "copia precedente");
    a.server.risposte[kMsg] = {200, ""};
    a.server.risposte[kBin] = {404, "<html><body>" + QByteArray(200, 'x') + "</body></html>"};
    a.fake.expectMsgBox(QStringLiteral("File non trovato sul server - Verificare l'indirizzo internet"),
                        vbOK);
    a.scarica();
    a.server.risposte[kBin] = {200, "x Need a login " + QByteArray(200, 'y')};
    a.fake.expectMsgBox(QStringLiteral("File non trovato - Controllare l'indirizzo internet nel menù "
                                       "opzioni"),
                        vbOK);
    a.scarica();
    // Not an update file, no mark: the file error. "Html" is no mark.
    a.server.risposte[kBin] = {200, "xHtml" + QByteArray(200, 'z')};
    a.fake.expectMsgBox(a.cartella.percorso() + QStringLiteral("/Archivi/AggiornamentoTrevalda.bin "
                                                               "corrotto o mancante !"),
                        vbOK);
    a.scarica();
    a.server.risposte[kBin] = {200, QByteArray(151, 'q')};
    a.fake.expectMsgBox(a.rapporto(0, QString(), 17, 150), vbOK);
    a.scarica();
    EXPECT_EQ(a.f->lblStatus->text(), "Errore di connessione.");
    EXPECT_FALSE(a.f->cmdAnnulla->isEnabled());
    EXPECT_EQ(a.locale(), "copia precedente");
    EXPECT_EQ(a.estrazioni(), prima);

    // A failed download never silences the next good one.
    a.server.risposte[kBin] = {200, bytes(a.tutte, 2, 5)};
    a.fake.expectMsgBox(kDomanda, vbNo);
    a.scarica();
    EXPECT_EQ(a.locale(), bytes(a.tutte, 2, 5));
}

// A sound answer that the full disk cannot take: the failure report names
// the save, nothing is merged, and an earlier copy is still whole.
TEST(frmAggiornaInternet, ASaveOnAFullDiskEndsInTheFailureReportAndKeepsTheEarlierCopy)
{
    const std::optional<QByteArray> casi[] = {std::nullopt, QByteArray("copia precedente")};
    for (const auto& prima : casi) {
        Ambiente a;
        const QByteArray estrazioni = a.estrazioni();
        const QString locale = a.cartella.percorso() + QStringLiteral("/Archivi/AggiornamentoTrevalda.bin");
        if (prima)
            a.cartella.scriviFile(QStringLiteral("Archivi/AggiornamentoTrevalda.bin"), *prima);
        a.server.risposte[kMsg] = {200, ""};
        a.server.risposte[kBin] = {200, bytes(a.tutte, 1, 5)};
        a.fake.expectMsgBox(a.rapporto(61, QStringLiteral("Disco pieno"), 18, 4 * 66 - 1, locale),
                            vbOK);
        {
            LimiteFile disco(100);
            a.scarica();
        }
        EXPECT_EQ(a.f->lblStatus->text(), "Errore di connessione.");
        EXPECT_EQ(QFile::exists(locale), prima.has_value());
        if (prima) {
            EXPECT_EQ(a.locale(), *prima);
        }
        EXPECT_EQ(a.estrazioni(), estrazioni);
    }
}

// Only a whole answer is saved and merged; one with no length is whole at the
// server's close.
TEST(frmAggiornaInternet, AnAnswerCutShortEndsInTheFailureReportAndKeepsTheEarlierCopy)
{
    using I = Server::Invio;
    for (const I invio : {I::Corto, I::PezzoCorto, I::Reset, I::SenzaLunghezza, I::Pezzo}) {
        SCOPED_TRACE(int(invio));
        Ambiente a;
        const QByteArray estrazioni = a.estrazioni();
        a.cartella.scriviFile(QStringLiteral("Archivi/AggiornamentoTrevalda.bin"), "copia precedente");
        a.server.risposte[kMsg] = {200, ""};
        a.server.risposte[kBin] = {200, bytes(a.tutte, 1, 5), "OK", invio};
        const bool intera = invio < I::Corto;
        a.fake.expectMsgBox(intera ? kDomanda
                                   : a.rapporto(35761, QStringLiteral("Trasferimento interrotto"), 16, -1),
                            intera ? vbNo : vbOK);
        a.scarica();
        EXPECT_EQ(a.locale(), intera ? bytes(a.tutte, 1, 5) : QByteArray("copia precedente"));
        EXPECT_EQ(a.estrazioni(), estrazioni);
    }
}

TEST(frmAggiornaInternet, AnHttpErrorPutsItsCodeAndReasonOnTheStatusLine)
{
    Ambiente a;
    a.server.risposte[kMsg] = {404, "<html>404</html>", "Not Found"};
    a.server.risposte[kBin] = {404, "<html><body>" + QByteArray(200, 'x') + "</body></html>",
                               "Not Found"};
    a.fake.expectMsgBox(QStringLiteral("File non trovato sul server - Verificare l'indirizzo internet"),
                        vbOK);
    a.scarica();
    EXPECT_EQ(a.f->lblStatus->text(), "Errore di connessione 404 : Not Found");

    // A server error on the optional message is overwritten by the update file's transfer.
    a.server.risposte[kMsg] = {500, "", "Internal Server Error"};
    a.server.risposte[kBin] = {503, "<html>" + QByteArray(200, 'x') + "</html>", "Service Unavailable"};
    a.fake.expectMsgBox(QStringLiteral("File non trovato sul server - Verificare l'indirizzo internet"),
                        vbOK);
    a.scarica();
    EXPECT_EQ(a.f->lblStatus->text(), "Errore di connessione 503 : Service Unavailable");
}

TEST(frmAggiornaInternet, DownloadWhileAnotherWindowWritesTheArchiveSaysSo)
{
    Ambiente a;
    a.server.risposte[kMsg] = {200, ""};
    a.server.risposte[kBin] = {200, bytes(a.tutte, 2, 5)};
    {
        const BloccoScrittura altraFinestra;
        a.fake.expectMsgBox(QStringLiteral("Archivio in aggiornamento: riprovare al termine."), vbOK);
        a.scarica();
        EXPECT_TRUE(a.server.richieste.isEmpty());
        EXPECT_EQ(a.fake.msgBoxCall(-1).style, vbOKOnly | vbExclamation);
        EXPECT_EQ(a.fake.msgBoxCall(-1).title, "Aggiornamento archivi");
    }
    // Once the lock is free the same press downloads.
    a.fake.expectMsgBox(kDomanda, vbNo);
    a.scarica();
    EXPECT_EQ(a.server.richieste, QStringList({kMsg, kBin}));
}

TEST(frmAggiornaInternet, TimeOutAndCancelEndInTheFailureReport)
{
    // The update file never comes, or stops after part of its body.
    for (const bool parte : {false, true}) {
        SCOPED_TRACE(parte);
        Ambiente a;
        a.fake.setHttpTimeoutMs(300);
        a.server.risposte[kMsg] = {200, ""};
        if (parte)
            a.server.risposte[kBin] = {200, bytes(a.tutte, 1, 5), "OK", Server::Invio::Fermo};
        a.fake.expectMsgBox(a.rapporto(35761, QStringLiteral("Timeout della richiesta"), 16, -1), vbOK);
        a.scarica();
        EXPECT_EQ(a.f->lblStatus->text(), "Errore di connessione.");

        a.fake.setHttpTimeoutMs(5000);
        QTimer::singleShot(100, a.f->cmdAnnulla, [&] { QTest::mouseClick(a.f->cmdAnnulla, Qt::LeftButton); });
        a.fake.expectMsgBox(a.rapporto(35761, QStringLiteral("Richiesta annullata"), 16, -1), vbOK);
        a.scarica();
        EXPECT_TRUE(a.f->isLoaded());
        EXPECT_TRUE(a.f->cmdScarica->isEnabled());
    }
}

} // namespace
