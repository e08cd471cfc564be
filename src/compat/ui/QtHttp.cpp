#include "compat/AppError.h"
#include "compat/ui/QtPlatform.h"

#include <QEventLoop>
#include <QNetworkProxyFactory>
#include <QSet>
#include <QUrl>
#include <algorithm>
#include <atomic>
#include <curl/curl.h>
#include <exception>
#include <thread>
#include <utility>

namespace compat {

// One transfer, run by libcurl on a worker thread: the user-interface thread
// sets the cancel flag and reads the rest only after the join.
struct TrasferimentoHttp {
    CURLM* multi = nullptr;
    CURL* easy = nullptr;
    std::atomic<bool> annullato{false};
    // The state last handed over, and how: queued to the user-interface thread.
    int ultimo = 1;
    std::function<void(int)> notifica;

    // Filled by the worker.
    qint64 massimo = 0;
    QByteArray corpo;
    QString motivo;                 // the last answer's reason text
    bool nuovaRisposta = true;      // the next header line is an answer's first
    bool lunghezzeDiscordi = false;
    bool troppo = false;
    CURLcode esito = CURLE_OK;
    long codice = 0;
    long codiceProxy = 0;           // the proxy's answer to a CONNECT
    bool http = false;              // the address is http or https

    void stato(int s)
    {
        if (s != ultimo) {
            ultimo = s;
            notifica(s);
        }
    }
};

namespace {

using T = TrasferimentoHttp;

int cominciaRicerca(void*, void*, void* p)
{
    static_cast<T*>(p)->stato(1);
    return 0;
}

int presa(void* p, curl_socket_t, curlsocktype)
{
    static_cast<T*>(p)->stato(2);
    static_cast<T*>(p)->stato(3);
    return CURL_SOCKOPT_OK;
}

int prontoAChiedere(void* p, char*, char*, int, int)
{
    static_cast<T*>(p)->stato(4);
    return CURL_PREREQFUNC_OK;
}

int avanzamento(void* p, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return static_cast<T*>(p)->annullato ? 1 : 0;
}

// Whether the lengths the current answer gives agree: libcurl 7.88 takes
// the last of several, which may be shorter than the body sent.
bool lunghezzeConcordi(CURL* e)
{
    QSet<QByteArray> valori;
    curl_header* h = nullptr;
    for (size_t i = 0;
         curl_easy_header(e, "Content-Length", i, CURLH_HEADER, -1, &h) == CURLHE_OK && i < h->amount; ++i)
        for (const QByteArray& v : QByteArray(h->value).split(','))
            valori.insert(v.trimmed());
    bool numero = true;
    if (valori.size() == 1)
        valori.begin()->toLongLong(&numero);
    return valori.size() <= 1 && numero;
}

// Each header line of each answer (interim and redirect answers too; a
// proxy's answer to a CONNECT is left out): libcurl frames them, and its
// headers give the lengths. Only the reason text, which libcurl does not
// give, is taken from the first line.
size_t intestazione(char* dati, size_t, size_t n, void* p)
{
    T& t = *static_cast<T*>(p);
    const QString riga = QString::fromLatin1(dati, qsizetype(n)).trimmed();
    if (std::exchange(t.nuovaRisposta, riga.isEmpty())) {
        t.motivo = riga.section(u' ', 2);
    } else if (riga.isEmpty() && !lunghezzeConcordi(t.easy)) {
        t.lunghezzeDiscordi = true;
        return 0;
    }
    t.stato(7);
    return n;
}

size_t scrivi(char* dati, size_t, size_t n, void* p)
{
    T& t = *static_cast<T*>(p);
    if (qint64(n) > t.massimo - t.corpo.size()) {
        t.troppo = true;
        return 0;
    }
    try {
        t.corpo.append(dati, qsizetype(n));
    } catch (...) {
        t.troppo = true;
        return 0;
    }
    t.stato(7);
    return n;
}

// The proxy the system gives for `url` ("" for none: libcurl reads no
// variable of its own then).
void impostaProxy(CURL* e, const QUrl& url)
{
    const QList<QNetworkProxy> proxy = QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(url));
    const QNetworkProxy p = proxy.value(0);
    QUrl indirizzo;
    if (p.type() == QNetworkProxy::HttpProxy || p.type() == QNetworkProxy::HttpCachingProxy)
        indirizzo.setScheme(QStringLiteral("http"));
    else if (p.type() == QNetworkProxy::Socks5Proxy)
        indirizzo.setScheme(QStringLiteral("socks5h"));
    if (indirizzo.scheme().isEmpty()) {
        curl_easy_setopt(e, CURLOPT_PROXY, "");
        return;
    }
    indirizzo.setHost(p.hostName());
    indirizzo.setPort(p.port());
    curl_easy_setopt(e, CURLOPT_PROXY, indirizzo.toEncoded().constData());
    if (!p.user().isEmpty()) {
        curl_easy_setopt(e, CURLOPT_PROXYUSERNAME, p.user().toUtf8().constData());
        curl_easy_setopt(e, CURLOPT_PROXYPASSWORD, p.password().toUtf8().constData());
        curl_easy_setopt(e, CURLOPT_PROXYAUTH, CURLAUTH_ANY);
    }
}

CURL* prepara(T& t, const QUrl& url, const QtHttp::Limiti& limiti)
{
    CURL* e = curl_easy_init();
    if (!e)
        return nullptr;
    t.easy = e;
    const bool tls = url.scheme() == u"https";
    t.http = tls || url.scheme() == u"http";
    curl_easy_setopt(e, CURLOPT_URL, url.toEncoded().constData());
    curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "http,https");
    // Never from https down to http.
    curl_easy_setopt(e, CURLOPT_REDIR_PROTOCOLS_STR, tls ? "https" : "http,https");
    curl_easy_setopt(e, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(e, CURLOPT_MAXREDIRS, 50L);
    curl_easy_setopt(e, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(e, CURLOPT_SSL_VERIFYHOST, 2L);
    curl_easy_setopt(e, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(limiti.massimoByte));
    // libcurl measures bytes a second: 1,000 bytes over the whole time.
    const long secondi = std::max(1, limiti.lentezzaSecondi);
    curl_easy_setopt(e, CURLOPT_LOW_SPEED_LIMIT, (1000L + secondi - 1) / secondi);
    curl_easy_setopt(e, CURLOPT_LOW_SPEED_TIME, long(limiti.lentezzaSecondi));
    curl_easy_setopt(e, CURLOPT_CONNECTTIMEOUT, long(limiti.lentezzaSecondi));
    curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(e, CURLOPT_USERAGENT, "Mozilla/5.0");
    curl_easy_setopt(e, CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);
    impostaProxy(e, url);
    curl_easy_setopt(e, CURLOPT_RESOLVER_START_FUNCTION, cominciaRicerca);
    curl_easy_setopt(e, CURLOPT_RESOLVER_START_DATA, &t);
    curl_easy_setopt(e, CURLOPT_SOCKOPTFUNCTION, presa);
    curl_easy_setopt(e, CURLOPT_SOCKOPTDATA, &t);
    curl_easy_setopt(e, CURLOPT_PREREQFUNCTION, prontoAChiedere);
    curl_easy_setopt(e, CURLOPT_PREREQDATA, &t);
    curl_easy_setopt(e, CURLOPT_HEADERFUNCTION, intestazione);
    curl_easy_setopt(e, CURLOPT_HEADERDATA, &t);
    curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, scrivi);
    curl_easy_setopt(e, CURLOPT_WRITEDATA, &t);
    curl_easy_setopt(e, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(e, CURLOPT_XFERINFOFUNCTION, avanzamento);
    curl_easy_setopt(e, CURLOPT_XFERINFODATA, &t);
    return e;
}

// The worker: the transfer to its end, its cancel or its failure.
void esegui(T& t, CURL* e)
{
    // The bound is taken at once but only as address space: the pages that
    // become memory are those the body fills, and the body never moves.
    t.corpo.reserve(t.massimo);
    curl_multi_add_handle(t.multi, e);
    int attivi = 1;
    while (attivi && !t.annullato) {
        if (curl_multi_perform(t.multi, &attivi) != CURLM_OK)
            break;
        if (attivi)
            curl_multi_poll(t.multi, nullptr, 0, 1000, nullptr);
    }
    int restanti = 0;
    const CURLMsg* m = curl_multi_info_read(t.multi, &restanti);
    t.esito = m && m->msg == CURLMSG_DONE ? m->data.result : CURLE_ABORTED_BY_CALLBACK;
    curl_easy_getinfo(e, CURLINFO_RESPONSE_CODE, &t.codice);
    curl_easy_getinfo(e, CURLINFO_HTTP_CONNECTCODE, &t.codiceProxy);
    curl_multi_remove_handle(t.multi, e);
    curl_easy_cleanup(e);
    t.corpo.squeeze();
}

// The failure's own text; empty for a whole answer.
QString guasto(const T& t)
{
    if (t.annullato)
        return QStringLiteral("Richiesta annullata");
    if (t.esito == CURLE_OK)
        return {};
    if (t.esito == CURLE_OPERATION_TIMEDOUT)
        return QStringLiteral("Timeout della richiesta");
    if (t.troppo || t.esito == CURLE_FILESIZE_EXCEEDED)
        return QStringLiteral("Risposta troppo grande");
    if (t.esito == CURLE_TOO_MANY_REDIRECTS)
        return QStringLiteral("Troppi rinvii");
    if (t.codiceProxy == 407)
        return QStringLiteral("Il server proxy richiede l'autenticazione");
    if (t.lunghezzeDiscordi || t.esito == CURLE_WEIRD_SERVER_REPLY)
        return QStringLiteral("Risposta non valida");
    if (t.esito == CURLE_UNSUPPORTED_PROTOCOL && t.codice / 100 == 3)
        return QStringLiteral("Rinvio non consentito");
    // An answer libcurl did not take for HTTP (a status of four digits).
    if (t.esito == CURLE_UNSUPPORTED_PROTOCOL && t.http)
        return QStringLiteral("Risposta non valida");
    return t.codice > 0 ? QStringLiteral("Trasferimento interrotto")
                        : QStringLiteral("Impossibile connettersi al server");
}

} // namespace

QtHttp::QtHttp()
{
    static const CURLcode pronto = curl_global_init(CURL_GLOBAL_DEFAULT);
    Q_UNUSED(pronto);
}

QtHttp::~QtHttp()
{
    cancel();
}

HttpReply QtHttp::get(const QString& url, const std::function<void(int)>& onState)
{
    const auto senti = [&](int s) {
        if (onState)
            onState(s);
    };
    codice_ = 0;
    testo_.clear();
    senti(1);

    T t;
    t.massimo = limiti_.massimoByte;
    t.multi = curl_multi_init();
    if (!t.multi)
        raise(7, QStringLiteral("Inet"));
    // The worker's states are heard on this thread, in its order, while the
    // loop lets the window's events through. One that throws ends the transfer.
    QObject contesto;
    QEventLoop attesa;
    std::exception_ptr eccezione;
    t.notifica = [&](int s) {
        QMetaObject::invokeMethod(&contesto, [&, s] {
            try {
                if (!eccezione)
                    senti(s);
            } catch (...) {
                eccezione = std::current_exception();
                cancel();
            }
        }, Qt::QueuedConnection);
    };
    std::atomic<bool> finito{false};
    // The proxy lookup too runs on the worker: a proxy script can take long.
    std::thread lavoro([&t, &finito, &contesto, &attesa, indirizzo = QUrl(url), limiti = limiti_] {
        if (CURL* e = prepara(t, indirizzo, limiti))
            esegui(t, e);
        else
            t.esito = CURLE_OUT_OF_MEMORY;
        finito = true;
        QMetaObject::invokeMethod(&contesto, [&attesa] { attesa.quit(); }, Qt::QueuedConnection);
    });
    TrasferimentoHttp* prima = std::exchange(corrente_, &t);
    attesa.exec();
    if (!finito)
        cancel();   // the loop was left early: the program is quitting
    lavoro.join();
    corrente_ = prima;
    curl_multi_cleanup(t.multi);
    if (eccezione)
        std::rethrow_exception(eccezione);

    if (const QString g = guasto(t); !g.isEmpty()) {
        // No whole answer: the failure's own number and text, never the
        // status of an answer that did not come whole.
        const AppError errore{35761, g, QStringLiteral("Inet")};
        codice_ = errore.number;
        testo_ = errore.description;
        senti(11);
        throw errore;
    }
    codice_ = int(t.codice);
    testo_ = t.motivo;
    senti(codice_ >= 400 ? 11 : 12);
    return {t.corpo, codice_, testo_};
}

void QtHttp::cancel()
{
    if (corrente_) {
        corrente_->annullato = true;
        curl_multi_wakeup(corrente_->multi);
    }
}

} // namespace compat
