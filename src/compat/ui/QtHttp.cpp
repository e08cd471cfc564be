#include "compat/AppError.h"
#include "compat/ui/LimiteLentezza.h"
#include "compat/ui/QtPlatform.h"

#include <QAbstractEventDispatcher>
#include <QEventLoop>
#include <QNetworkProxyFactory>
#include <QSet>
#include <QUrl>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <curl/curl.h>
#include <exception>
#include <memory>
#include <mutex>
#include <new>
#include <optional>
#include <thread>
#include <utility>

namespace compat {

// One transfer, run by libcurl on a worker thread: the user-interface thread
// sets the cancel flag and reads the rest only after the join.
struct TrasferimentoHttp {
    using Orologio = std::chrono::steady_clock;

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
    std::exception_ptr eccezione;   // what the worker or a callback threw

    // The slow-answer bound, counted from the request's start.
    LimiteLentezza limite;
    bool lento = false;

    explicit TrasferimentoHttp(std::chrono::seconds finestra) : limite(finestra, Orologio::now()) {}

    void stato(int s)
    {
        if (s != ultimo) {
            ultimo = s;
            notifica(s);
        }
    }

    void ricevuti(size_t n) { limite.ricevuti(qint64(n), Orologio::now()); }
    bool troppoLento() { return limite.troppoLento(Orologio::now()); }
};

namespace {

using T = TrasferimentoHttp;

// Nothing may be thrown through libcurl: what a callback throws is kept, and
// the callback answers `fallito`, which ends the transfer.
template <class R, class F>
R protetto(void* p, R fallito, F&& corpo)
{
    T& t = *static_cast<T*>(p);
    try {
        return corpo(t);
    } catch (...) {
        t.eccezione = std::current_exception();
        return fallito;
    }
}

int cominciaRicerca(void*, void*, void* p)
{
    return protetto(p, 1, [](T& t) { return t.stato(1), 0; });
}

int presa(void* p, curl_socket_t, curlsocktype)
{
    return protetto(p, int(CURL_SOCKOPT_ERROR), [](T& t) {
        t.stato(2);
        t.stato(3);
        return int(CURL_SOCKOPT_OK);
    });
}

int prontoAChiedere(void* p, char*, char*, int, int)
{
    return protetto(p, int(CURL_PREREQFUNC_ABORT), [](T& t) { return t.stato(4), int(CURL_PREREQFUNC_OK); });
}

// Called all along the transfer, the name lookup and the connection wait
// included, at least about once a second.
int avanzamento(void* p, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    T& t = *static_cast<T*>(p);
    if (t.annullato)
        return 1;
    t.lento = t.troppoLento();
    return t.lento ? 1 : 0;
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
    return protetto(p, size_t(0), [&](T& t) {
        t.ricevuti(n);
        const QString riga = QString::fromLatin1(dati, qsizetype(n)).trimmed();
        // A chunked body's trailer lines come here too, after a blank line.
        if (std::exchange(t.nuovaRisposta, riga.isEmpty())) {
            if (riga.startsWith(u"HTTP/"))
                t.motivo = riga.section(u' ', 2);
        } else if (riga.isEmpty() && !lunghezzeConcordi(t.easy)) {
            t.lunghezzeDiscordi = true;
            return size_t(0);
        }
        t.stato(7);
        return n;
    });
}

size_t scrivi(char* dati, size_t, size_t n, void* p)
{
    return protetto(p, size_t(0), [&](T& t) {
        t.ricevuti(n);
        if (qint64(n) > t.massimo - t.corpo.size()) {
            t.troppo = true;
            return size_t(0);
        }
        // The body grows as it arrives, up to the bound.
        t.corpo.append(dati, qsizetype(n));
        t.stato(7);
        return n;
    });
}

// The proxy `fonte` gives for `url`, asked on a thread of its own: the
// system's answer may take long (a proxy script, or a name lookup to match
// the exceptions) and cannot be interrupted. A transfer cancelled or too slow
// meanwhile does not wait: the thread is left to end alone, with its own
// copy of `fonte`. Empty then.
std::optional<QNetworkProxy> proxyPer(T& t, const QUrl& url, const QtHttp::FonteProxy& fonte)
{
    struct Ricerca {
        std::mutex m;
        std::condition_variable fatta;
        std::optional<QNetworkProxy> proxy;
        std::exception_ptr eccezione;
    };
    const auto r = std::make_shared<Ricerca>();
    std::thread([r, url, fonte] {
        QNetworkProxy p;
        std::exception_ptr e;
        try {
            p = fonte(url);
        } catch (...) {
            e = std::current_exception();
        }
        const std::lock_guard l(r->m);
        r->proxy = p;
        r->eccezione = e;
        r->fatta.notify_one();
    }).detach();
    std::unique_lock l(r->m);
    while (!r->fatta.wait_for(l, std::chrono::milliseconds(50), [&r] { return r->proxy.has_value(); }))
        if (t.annullato || (t.lento = t.troppoLento()))
            return std::nullopt;
    if (r->eccezione)
        std::rethrow_exception(r->eccezione);
    return r->proxy;
}

// That proxy for libcurl ("" for none: libcurl reads no variable of its own
// then).
void impostaProxy(CURL* e, const QNetworkProxy& p)
{
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

void prepara(T& t, CURL* e, const QUrl& url, const QNetworkProxy& proxy, const QtHttp::Limiti& limiti)
{
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
    // The slow-answer bound is counted in the progress callback: libcurl's
    // own low-speed check averages over a few seconds, so rare bursts would
    // keep a transfer alive for ever.
    curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
    // A cancel must not wait for a slow name lookup to end.
    curl_easy_setopt(e, CURLOPT_QUICK_EXIT, 1L);
    curl_easy_setopt(e, CURLOPT_USERAGENT, "Mozilla/5.0");
    curl_easy_setopt(e, CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);
    impostaProxy(e, proxy);
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
}

// The worker: the transfer to its end, its cancel or its failure.
void esegui(T& t, const QUrl& url, const QtHttp::Limiti& limiti, const QtHttp::FonteProxy& fonte)
{
    CURL* e = curl_easy_init();
    if (!e) {
        t.esito = CURLE_OUT_OF_MEMORY;
        return;
    }
    t.easy = e;
    struct Fine {
        T& t;
        ~Fine()
        {
            curl_multi_remove_handle(t.multi, t.easy);
            curl_easy_cleanup(t.easy);
        }
    } fine{t};
    const std::optional<QNetworkProxy> proxy = proxyPer(t, url, fonte);
    if (!proxy)
        return;
    prepara(t, e, url, *proxy, limiti);
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
}

// The text of what the worker threw.
QString testoEccezione(const std::exception_ptr& e)
{
    try {
        std::rethrow_exception(e);
    } catch (const std::bad_alloc&) {
        return QStringLiteral("Memoria insufficiente");
    } catch (const std::exception& x) {
        return QString::fromLocal8Bit(x.what());
    } catch (...) {
        return QStringLiteral("Errore interno");
    }
}

// The failure's own text; empty for a whole answer.
QString guasto(const T& t)
{
    if (t.annullato)
        return QStringLiteral("Richiesta annullata");
    if (t.eccezione)
        return testoEccezione(t.eccezione);
    if (t.lento || t.esito == CURLE_OPERATION_TIMEDOUT)
        return QStringLiteral("Timeout della richiesta");
    if (t.esito == CURLE_OK)
        return {};
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
    : fonteProxy_([](const QUrl& url) {
          return QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(url)).value(0);
      })
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

    T t(std::chrono::seconds(limiti_.lentezzaSecondi));
    t.massimo = limiti_.massimoByte;
    t.multi = curl_multi_init();
    if (!t.multi)
        raise(7, QStringLiteral("Inet"));
    QEventLoop attesa;
    std::exception_ptr eccezione;
    std::atomic<bool> finito{false}, fineDiretta{false};
    // The handlers below run in this context: declared after all they read,
    // it goes first, and takes their pending calls and connection with it.
    QObject contesto;
    // The worker's states are heard on this thread, in its order, while the
    // loop lets the window's events through. One that throws ends the transfer.
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
    // The end reaches the loop behind every state handed over before it.
    // Should that call fail (no memory for it), the worker wakes the loop,
    // which then sees the end for itself before it waits again.
    QAbstractEventDispatcher* qui = QAbstractEventDispatcher::instance();
    QObject::connect(qui, &QAbstractEventDispatcher::aboutToBlock, &contesto, [&] {
        if (fineDiretta)
            attesa.quit();
    });
    std::thread lavoro([&t, &finito, &fineDiretta, qui, &contesto, &attesa, indirizzo = QUrl(url),
                        limiti = limiti_, fonte = fonteProxy_] {
        try {
            esegui(t, indirizzo, limiti, fonte);
        } catch (...) {
            t.eccezione = std::current_exception();
        }
        finito = true;
        try {
            QMetaObject::invokeMethod(&contesto, [&attesa] { attesa.quit(); }, Qt::QueuedConnection);
        } catch (...) {
            fineDiretta = true;
            qui->wakeUp();
        }
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
