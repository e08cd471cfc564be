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
#include <QPointer>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <limits>
#include <map>
#include <mutex>
#include <netdb.h>
#include <sys/socket.h>

using namespace compat;

namespace {

// Lookups of this host wait until the test lets them go (10 s at most), then
// find the loopback.
const char* const kHostLento = "lento.invalid";
std::mutex gRicerca;
std::condition_variable gCambio;
int gLasciate = 0;              // rounds of lookups let go
std::atomic<int> gInAttesa{0};  // lookups waiting now
std::map<int, int> gPerGiro;    // lookups still inside, by the round they wait for

// Lets the waiting lookups go, and waits for those to be done: not for a
// lookup that began after them, which waits for the next round.
void lasciaRicerche()
{
    std::unique_lock l(gRicerca);
    const int giro = gLasciate++;
    gCambio.notify_all();
    gCambio.wait(l, [giro] { return gPerGiro.empty() || gPerGiro.begin()->first > giro; });
}

} // namespace

// Every lookup passes here: libcurl's, and the one the proxy source makes.
extern "C" int getaddrinfo(const char* nome, const char* servizio, const addrinfo* richiesta,
                           addrinfo** esito)
{
    using Vera = int (*)(const char*, const char*, const addrinfo*, addrinfo**);
    static const auto vera = reinterpret_cast<Vera>(dlsym(RTLD_NEXT, "getaddrinfo"));
    if (nome && std::strcmp(nome, kHostLento) == 0) {
        std::unique_lock l(gRicerca);
        const int giro = gLasciate;
        ++gInAttesa;
        ++gPerGiro[giro];
        gCambio.wait_for(l, std::chrono::seconds(10), [giro] { return gLasciate > giro; });
        --gInAttesa;
        if (--gPerGiro[giro] == 0)
            gPerGiro.erase(giro);
        gCambio.notify_all();
        nome = "127.0.0.1";
    }
    return vera(nome, servizio, richiesta, esito);
}

namespace {

const QString kBin = QStringLiteral("/AggiornamentoTrevalda.bin");
const QString kMsg = QStringLiteral("/Downloads/MessaggioQuorvane.txt");

// A web server on the loopback, answering each path as scripted; a path
// without an answer is left waiting. With an `origine` it is an HTTP proxy
// in front of that server instead.
class Server : public QObject {
public:
    // How the body goes out: whole with its length, with no length up to the
    // close, in one chunk, or with its length in drops (`goccia` bytes at
    // once, the first with the header, then every `ogni` ms); or cut short
    // of a longer length or chunk, by a close, a reset, or a wait with the
    // connection open.
    enum class Invio { Intero, SenzaLunghezza, Pezzo, Goccia, Corto, PezzoCorto, Reset, Fermo };
    struct Risposta {
        int codice = 200;
        QByteArray corpo;
        QByteArray motivo = "OK";
        Invio invio = Invio::Intero;
        QByteArray campi = {};   // header lines before the server's own
        int goccia = 1, ogni = 50;
        QByteArray coda = {};    // a chunked body's trailer lines
    };
    QMap<QString, Risposta> risposte;
    QStringList richieste;
    // As a proxy: the request lines it was sent, which it forwards to the
    // origin; without `credenziali` ("utente:password") it answers 407.
    Server* origine = nullptr;
    QStringList righe;
    QByteArray credenziali;

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
        Server& o = origine ? *origine : *this;
        const QString percorso = QUrl(QString::fromLatin1(buf.split(' ').value(1))).path();
        if (origine) {
            righe << QString::fromLatin1(buf.left(buf.indexOf("\r\n")));
            const QByteArray chiave = "Proxy-Authorization: Basic " + credenziali.toBase64();
            if (!credenziali.isEmpty() && (buf.startsWith("CONNECT") || !buf.contains(chiave)))
                return rispondi(s, {407, "x Proxy Authentication Required 407 " + QByteArray(200, 'p'),
                                    "Proxy Authentication Required", Invio::Intero,
                                    "Proxy-Authenticate: Basic realm=\"q\"\r\n"});
        }
        o.richieste << percorso;
        if (o.risposte.contains(percorso))
            rispondi(s, o.risposte.value(percorso));
    }
    void rispondi(QTcpSocket* s, const Risposta& r)
    {
        const bool corto = r.invio >= Invio::Corto;
        const qsizetype annunciati = r.corpo.size() + (corto ? 330 : 0);
        QByteArray testa = "HTTP/1.1 " + QByteArray::number(r.codice) + ' ' + r.motivo
                           + "\r\nConnection: close\r\n" + r.campi;
        const bool pezzi = r.invio == Invio::Pezzo || r.invio == Invio::PezzoCorto;
        if (pezzi)
            testa += "Transfer-Encoding: chunked\r\n\r\n" + QByteArray::number(annunciati, 16);
        else if (r.invio != Invio::SenzaLunghezza)
            testa += "Content-Length: " + QByteArray::number(annunciati) + "\r\n";
        if (r.invio == Invio::Goccia) {
            s->write(testa + "\r\n" + r.corpo.left(r.goccia));
            auto* t = new QTimer(s);
            connect(t, &QTimer::timeout, s, [s, t, n = r.goccia, corpo = r.corpo.mid(r.goccia)]() mutable {
                if (corpo.isEmpty() || s->state() != QAbstractSocket::ConnectedState)
                    return t->stop(), s->disconnectFromHost();
                s->write(corpo.left(n));
                corpo.remove(0, n);
            });
            return t->start(r.ogni);
        }
        s->write(testa + "\r\n" + r.corpo + (pezzi && !corto ? "\r\n0\r\n" + r.coda + "\r\n" : ""));
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
    Server proxy;
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
        proxy.origine = &server;
        usaProxy();
        fake.realHttp().setLimiti({.lentezzaSecondi = 2});
        auto* main = Forms::get<frmMain>();
        main->vbShow();
        QTest::mouseClick(main->cmdScarica[0], Qt::LeftButton);
        f = Forms::find<frmAggiornaInternet>();
    }
    // The proxy the system gives, handed to the transfer (the environment is
    // never changed: a lookup left behind may be reading it): none, whatever
    // the machine's settings, or `proxy`. With `eccezioni`, the host is looked
    // up first, as the system does to match the exceptions to the proxy.
    bool viaProxy = false;
    void usaProxy(const QByteArray& proxy = {}, bool eccezioni = false)
    {
        const QUrl u(QString::fromLatin1(proxy));
        const QNetworkProxy p = proxy.isEmpty()
                                    ? QNetworkProxy(QNetworkProxy::NoProxy)
                                    : QNetworkProxy(QNetworkProxy::HttpProxy, u.host(), quint16(u.port()),
                                                    u.userName(), u.password());
        viaProxy = !proxy.isEmpty();
        fake.realHttp().setFonteProxy([p, eccezioni](const QUrl& url) {
            addrinfo* trovati = nullptr;
            if (eccezioni && getaddrinfo(url.host().toLatin1().constData(), nullptr, nullptr, &trovati) == 0)
                freeaddrinfo(trovati);
            return p;
        });
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

// The update file's transfer, row by row: a whole answer within the bounds is
// saved and asked about; any other ends in the failure report with the
// failure's own text, which state 11 also reads, or in step 21's message.
TEST(frmAggiornaInternet, TheUpdateFilesTransferEndsWholeOrInTheFailureReport)
{
    using I = Server::Invio;
    const QByteArray file = bytes(storico(), 1, 5);
    const auto bin = [&](I invio, QByteArray campi = {}) {
        return Server::Risposta{200, file, "OK", invio, campi};
    };
    const QtHttp::Limiti normali{.lentezzaSecondi = 2}, brevi{.lentezzaSecondi = 1},
        lunghi{.lentezzaSecondi = 5}, piccoli{.massimoByte = 1 << 20, .lentezzaSecondi = 2},
        finestra3{.lentezzaSecondi = 3},
        enormi{.massimoByte = std::numeric_limits<qint64>::max(), .lentezzaSecondi = 2};
    struct Caso {   // the update file's answer (code 0: none) and the report's text (none: whole)
        const char* nome;
        Server::Risposta bin;
        QString guasto;
        QtHttp::Limiti limiti;
        std::function<void(Ambiente&)> prepara = [](Ambiente&) {};
        QString avviso = {};   // step 21's message instead of the report
        int passaggio = 16;
        std::function<void(Ambiente&)> verifica = [](Ambiente&) {};
    };
    const auto proxy = [](QByteArray credenziali, QByteArray utente, bool tls = false) {
        return [=](Ambiente& a) {
            a.proxy.credenziali = credenziali;
            a.usaProxy(a.proxy.url().toLatin1().insert(7, utente));
            if (tls)
                a.imposta("Options", "Url", QStringLiteral("https") + a.server.url().mid(4));
        };
    };
    const auto rinvii = [](Ambiente& a, const QString& da, int n, const QByteArray& fine) {
        for (int i = 0; i < n; ++i)
            a.server.risposte[da + (i ? QString::number(i) : QString())] =
                {302, "", "Found", I::Intero, "Location: " + (da + QString::number(i + 1)).toLatin1() + "\r\n"};
        a.server.risposte[da + QString::number(n)] = {200, fine};
    };
    const auto annullaQuando = [](std::function<bool(Ambiente&)> momento) {
        return [=](Ambiente& a) {
            auto* t = new QTimer(a.f);
            QObject::connect(t, &QTimer::timeout, a.f, [&a, t, momento] {
                if (momento(a))
                    t->stop(), QTest::mouseClick(a.f->cmdAnnulla, Qt::LeftButton);
            });
            t->start(10);
        };
    };
    const auto annulla = annullaQuando([](Ambiente& a) { return a.server.richieste.contains(kBin); });
    const auto annullaNellaRicerca = [&](bool eccezioni) {
        return [=](Ambiente& a) {
            a.usaProxy({}, eccezioni);
            a.imposta("Options", "Url", a.server.url().replace(QStringLiteral("127.0.0.1"), kHostLento));
            annullaQuando([](Ambiente&) { return gInAttesa > 0; })(a);
        };
    };
    const auto ricercheDiTreDecimi = [](Ambiente& a) {
        a.usaProxy({}, true);
        a.imposta("Options", "Url", a.server.url().replace(QStringLiteral("127.0.0.1"), kHostLento));
        auto* t = new QTimer(a.f);
        QObject::connect(t, &QTimer::timeout, [] {
            if (gInAttesa > 0)
                lasciaRicerche();
        });
        t->start(300);
    };
    const auto ricercaNonFinita = [](Ambiente&) {   // the report came before the name was found
        EXPECT_GT(gInAttesa, 0);
        lasciaRicerche();
    };
    // The message in drops of `goccia` bytes every `ogni` ms, then the update file.
    const auto messaggioAGocce = [&](int goccia, int ogni, int gocce) {
        return [=](Ambiente& a) {
            a.server.risposte[kMsg] = {.corpo = QByteArray(goccia * gocce, 'm'), .invio = I::Goccia,
                                       .goccia = goccia, .ogni = ogni};
        };
    };
    const QString interrotto = QStringLiteral("Trasferimento interrotto"),
                  scaduto = QStringLiteral("Timeout della richiesta"),
                  annullato = QStringLiteral("Richiesta annullata"),
                  grande = QStringLiteral("Risposta troppo grande"),
                  nonValida = QStringLiteral("Risposta non valida");
    const Caso casi[] = {
        {"intera", bin(I::Intero), {}, normali},
        {"senza lunghezza", bin(I::SenzaLunghezza), {}, normali},
        {"a pezzi", bin(I::Pezzo), {}, normali},
        {"corta", bin(I::Corto), interrotto, normali},
        {"pezzo corto", bin(I::PezzoCorto), interrotto, normali},
        {"reset", bin(I::Reset), interrotto, normali},
        {"mai", {0, ""}, scaduto, brevi},
        {"ferma", bin(I::Fermo), scaduto, brevi},
        {"annullata", {0, ""}, annullato, lunghi, annulla},
        {"annullata a metà", bin(I::Fermo), annullato, lunghi, annulla},
        {"proxy", bin(I::Intero), {}, normali, proxy({}, {})},
        {"proxy con credenziali", bin(I::Intero), {}, normali, proxy("u:p", "u:p@")},
        {"proxy chiede credenziali", bin(I::Intero), {}, normali, proxy("u:p", {}),
         QStringLiteral("Il server proxy richiede l'autenticazione - Aggiornamento impossibile")},
        {"tunnel rifiutato", bin(I::Intero), QStringLiteral("Il server proxy richiede l'autenticazione"),
         normali, proxy("u:p", {}, true), {}, 4},
        {"due lunghezze", bin(I::Intero, "Content-Length: 594\r\n"), nonValida, normali},
        {"lunghezza ripetuta", bin(I::SenzaLunghezza, "Content-Length: 264, 264\r\n"), {}, normali},
        {"stato di 4 cifre", {2000, file}, nonValida, normali},
        {"pezzo 0x", {200, "0x108\r\n" + file + "\r\n0\r\n\r\n", "OK", I::SenzaLunghezza,
                      "Transfer-Encoding: chunked\r\n"}, interrotto, normali},
        {"oltre il limite", {200, file + QByteArray(1 << 20, 'x')}, grande, piccoli},
        {"senza fine", {200, file + QByteArray(16 << 20, 'x'), "OK", I::SenzaLunghezza}, grande, piccoli},
        {"goccia", bin(I::Goccia), scaduto, brevi},
        {"50 rinvii, poi 51", {0, ""}, QStringLiteral("Troppi rinvii"), normali,
         [&](Ambiente& a) { rinvii(a, kMsg, 50, ""), rinvii(a, kBin, 51, file); }},
        {"rinvio ad altro protocollo", {302, "<html>" + QByteArray(200, 'x') + "</html>", "Found", I::Intero,
                                        "Location: ftp://127.0.0.1" + kBin.toLatin1() + "\r\n"},
         QStringLiteral("Rinvio non consentito"), normali},
        // Fewer than 1,000 bytes in some 3 s: rare bursts end it, however
        // large; a slow but steady answer is let through.
        {"raffiche rare", bin(I::Intero), scaduto, finestra3, messaggioAGocce(2000, 4000, 4), {}, 4},
        {"lenta e costante", bin(I::Intero), {}, finestra3, messaggioAGocce(520, 1400, 4)},
        {"limite senza fine", bin(I::Intero), {}, enormi},
        // The name looked up to match the proxy exceptions, then (without
        // exceptions to match) only to connect: neither lookup is waited for.
        {"ricerche lente entro il limite", bin(I::Intero), {}, normali, ricercheDiTreDecimi},
        {"annullata nella ricerca del proxy", bin(I::Intero), annullato, lunghi, annullaNellaRicerca(true),
         {}, 4, ricercaNonFinita},
        {"annullata nella ricerca del nome", bin(I::Intero), annullato, lunghi, annullaNellaRicerca(false),
         {}, 4, ricercaNonFinita},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Ambiente a;
        const QByteArray estrazioni = a.estrazioni();
        a.cartella.scriviFile(QStringLiteral("Archivi/AggiornamentoTrevalda.bin"), "copia precedente");
        a.server.risposte[kMsg] = {200, ""};
        if (c.bin.codice)
            a.server.risposte[kBin] = c.bin;
        a.fake.realHttp().setLimiti(c.limiti);
        c.prepara(a);
        const bool intera = c.guasto.isEmpty() && c.avviso.isEmpty();
        a.fake.expectMsgBox(intera               ? kDomanda
                            : c.guasto.isEmpty() ? c.avviso
                                                 : a.rapporto(35761, c.guasto, c.passaggio, -1),
                            intera ? vbNo : vbOK);
        a.scarica();
        EXPECT_EQ(a.locale(), intera ? file : QByteArray("copia precedente"));
        EXPECT_EQ(a.estrazioni(), estrazioni);
        EXPECT_TRUE(a.f->isLoaded() && a.f->cmdScarica->isEnabled());
        const IHttp& http = a.fake.realHttp();
        EXPECT_TRUE(c.guasto.isEmpty() || (http.responseCode() == 35761 && http.responseText() == c.guasto));
        // http:// through the proxy as an absolute-form GET, https:// as a tunnel.
        const QString host = QUrl(a.server.url()).authority();
        const QString ultima = !a.viaProxy ? QString()
                               : c.passaggio == 4 ? "CONNECT " + host + " HTTP/1.1"
                                                  : "GET http://" + host + kBin + " HTTP/1.1";
        EXPECT_EQ(a.proxy.righe.value(a.proxy.righe.size() - 1), ultima);
        EXPECT_EQ(a.server.richieste.contains(kMsg + QStringLiteral("50")), c.guasto.startsWith(u"Troppi"));
        c.verifica(a);
    }
}

TEST(frmAggiornaInternet, AnHttpErrorPutsItsCodeAndReasonOnTheStatusLine)
{
    Ambiente a;
    a.server.risposte[kMsg] = {404, "<html>404</html>", "Not Found"};
    a.server.risposte[kBin] = {404, "<html><body>" + QByteArray(200, 'x') + "</body></html>",
                               "<b>Not Found</b>"};
    a.fake.expectMsgBox(QStringLiteral("File non trovato sul server - Verificare l'indirizzo internet"),
                        vbOK);
    a.scarica();
    // The server's words are shown as they came, markup and all.
    EXPECT_EQ(a.f->lblStatus->text(), "Errore di connessione 404 : <b>Not Found</b>");
    EXPECT_EQ(a.f->lblStatus->textFormat(), Qt::PlainText);

    // A server error on the optional message is overwritten by the update file's transfer.
    a.server.risposte[kMsg] = {500, "", "Internal Server Error"};
    a.server.risposte[kBin] = {503, "<html>" + QByteArray(200, 'x') + "</html>", "Service Unavailable"};
    a.fake.expectMsgBox(QStringLiteral("File non trovato sul server - Verificare l'indirizzo internet"),
                        vbOK);
    a.scarica();
    EXPECT_EQ(a.f->lblStatus->text(), "Errore di connessione 503 : Service Unavailable");

    // A trailer after a chunked body is no answer's first line.
    a.server.risposte[kBin] = {.codice = 404, .corpo = "<html>" + QByteArray(200, 'x') + "</html>",
                               .motivo = "Not Found", .invio = Server::Invio::Pezzo,
                               .coda = "X-Check: a b c\r\n"};
    a.fake.expectMsgBox(QStringLiteral("File non trovato sul server - Verificare l'indirizzo internet"),
                        vbOK);
    a.scarica();
    EXPECT_EQ(a.f->lblStatus->text(), "Errore di connessione 404 : Not Found");
}

// The main window closed while the update file is on its way, as the server
// is silent or slow: the transfer is cancelled at once, the window goes, no
// message is shown, nothing is merged, and the program ends with status 0.
TEST(frmAggiornaInternet, ClosingTheProgramDuringADownloadEndsItAtOnce)
{
    const QByteArray file = bytes(storico(), 1, 5);
    const Server::Risposta silenzio{0, ""}, goccia{.corpo = file, .invio = Server::Invio::Goccia, .ogni = 200};
    for (const Server::Risposta& bin : {silenzio, goccia}) {
        Ambiente a;
        a.fake.realHttp().setLimiti({.lentezzaSecondi = 30});
        const QByteArray estrazioni = a.estrazioni();
        a.cartella.scriviFile(QStringLiteral("Archivi/AggiornamentoTrevalda.bin"), "copia precedente");
        a.server.risposte[kMsg] = {200, ""};
        if (bin.codice)
            a.server.risposte[kBin] = bin;
        QPointer<frmAggiornaInternet> finestra(a.f);
        QTimer chiudi;
        QObject::connect(&chiudi, &QTimer::timeout, [&] {
            if (a.server.richieste.contains(kBin))
                chiudi.stop(), Forms::find<frmMain>()->close();
        });
        chiudi.start(10);
        try {
            vbPress(a.f->cmdScarica);
            ADD_FAILURE() << "il programma non è finito";
        } catch (const ProcessEnded& fine) {
            EXPECT_EQ(fine.code, 0);
        }
        EXPECT_TRUE(Forms::all().empty());
        EXPECT_EQ(a.fake.realHttp().responseText(), "Richiesta annullata");
        EXPECT_EQ(a.locale(), "copia precedente");
        EXPECT_EQ(a.estrazioni(), estrazioni);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(finestra.isNull());
    }
}

// The main window closed as soon as events flow in the merge's write: the
// close is refused, no message shows, the merge ends whole, and a later close
// ends the program.
TEST(frmAggiornaInternet, ClosingTheProgramDuringTheMergeIsRefusedAndALaterCloseEndsIt)
{
    Ambiente a;
    a.server.risposte[kMsg] = {200, ""};
    a.server.risposte[kBin] = {200, bytes(a.tutte, 1, 5)};
    QPointer<frmMain> main = Forms::find<frmMain>();
    QTimer chiudi;
    QObject::connect(&chiudi, &QTimer::timeout, [&] {
        if (BloccoScrittura::occupato()) {
            chiudi.stop();
            EXPECT_FALSE(main->close());
        }
    });
    chiudi.start(0);
    a.fake.expectMsgBox(kDomanda, vbYes);
    a.fake.expectMsgBox(QStringLiteral("Aggiornamento archivi al 06/01/2026 effettuato"), vbOK);
    EXPECT_NO_THROW(vbPress(a.f->cmdScarica));
    EXPECT_FALSE(chiudi.isActive());
    EXPECT_EQ(a.estrazioni(), bytes(a.tutte, 0, 5));
    ASSERT_TRUE(main && main->isVisible());
    EXPECT_EQ(Forms::find<frmAggiornaInternet>(), nullptr);
    EXPECT_THROW(vbUnload(main, vbFormControlMenu), ProcessEnded);
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

} // namespace
