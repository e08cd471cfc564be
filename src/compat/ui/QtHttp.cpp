#include "compat/AppError.h"
#include "compat/ui/QtPlatform.h"

#include <QEventLoop>
#include <QSslSocket>
#include <QTimer>
#include <QUrl>
#include <algorithm>

namespace compat {

namespace {

// Qt's own limit.
constexpr int kRinvii = 50;

// An HTTP/1.1 answer read as it comes. Its body is whole only to the
// announced length, to the last chunk or, with neither, to the server's close.
class Risposta {
public:
    // False when the bytes are no HTTP answer.
    bool aggiungi(const QByteArray& dati);
    void chiusa()
    {
        if (fase_ == FinoAllaChiusura)
            fase_ = Finita;
    }
    bool intestata() const { return intestata_; }
    bool finita() const { return fase_ == Finita; }
    int codice = 0;
    QByteArray motivo;
    QByteArray corpo;
    QByteArray destinazione;

private:
    enum Fase { Stato, Campi, Corpo, Lunghezza, Pezzo, FinePezzo, Coda, FinoAllaChiusura, Finita, Errata };
    bool riga(QByteArray& r);
    bool campo(const QByteArray& r);
    bool errata()
    {
        fase_ = Errata;
        return false;
    }
    QByteArray dati_;
    Fase fase_ = Stato;
    qint64 lunghezza_ = -1;   // of the body, then of each chunk
    bool aPezzi_ = false;
    bool intestata_ = false;
};

bool Risposta::riga(QByteArray& r)
{
    const qsizetype fine = dati_.indexOf('\n');
    if (fine < 0)
        return false;
    r = dati_.left(fine);
    if (r.endsWith('\r'))
        r.chop(1);
    dati_.remove(0, fine + 1);
    return true;
}

bool Risposta::campo(const QByteArray& r)
{
    const qsizetype dp = r.indexOf(':');
    if (dp <= 0)
        return true;
    const QByteArray nome = r.left(dp).trimmed().toLower();
    const QByteArray valore = r.mid(dp + 1).trimmed();
    if (nome == "content-length") {
        bool ok = false;
        lunghezza_ = valore.toLongLong(&ok);
        return ok && lunghezza_ >= 0;
    }
    if (nome == "transfer-encoding")
        aPezzi_ = valore.toLower().endsWith("chunked");
    else if (nome == "location")
        destinazione = valore;
    return true;
}

bool Risposta::aggiungi(const QByteArray& dati)
{
    dati_ += dati;
    for (QByteArray r;;) {
        switch (fase_) {
        case Stato:
            if (!riga(r))
                return true;
            codice = r.mid(9, 3).toInt();
            if (!r.startsWith("HTTP/1.") || codice < 100)
                return errata();
            motivo = r.mid(13);
            lunghezza_ = -1;
            aPezzi_ = false;
            fase_ = Campi;
            break;
        case Campi:
            if (!riga(r))
                return true;
            if (!r.isEmpty()) {
                if (!campo(r))
                    return errata();
            } else if (codice < 200) {
                fase_ = Stato;   // an interim answer: the real one follows
            } else {
                intestata_ = true;
                fase_ = codice == 204 || codice == 304 ? Finita
                        : aPezzi_                      ? Lunghezza
                        : lunghezza_ >= 0              ? Corpo
                                                       : FinoAllaChiusura;
            }
            break;
        case Corpo:
        case Pezzo: {
            const qsizetype n = std::min<qint64>(lunghezza_, dati_.size());
            corpo += dati_.left(n);
            dati_.remove(0, n);
            lunghezza_ -= n;
            if (lunghezza_ > 0)
                return true;
            fase_ = fase_ == Corpo ? Finita : FinePezzo;
            break;
        }
        case Lunghezza: {
            if (!riga(r))
                return true;
            bool ok = false;
            lunghezza_ = r.split(';').first().trimmed().toLongLong(&ok, 16);
            if (!ok || lunghezza_ < 0)
                return errata();
            fase_ = lunghezza_ > 0 ? Pezzo : Coda;
            break;
        }
        case FinePezzo:
            if (!riga(r))
                return true;
            if (!r.isEmpty())
                return errata();
            fase_ = Lunghezza;
            break;
        case Coda:   // trailer fields up to an empty line
            if (!riga(r))
                return true;
            if (r.isEmpty())
                fase_ = Finita;
            break;
        case FinoAllaChiusura:
            corpo += dati_;
            dati_.clear();
            return true;
        case Finita:
            return true;
        case Errata:
            return false;
        }
    }
}

QByteArray richiesta(const QUrl& u)
{
    QByteArray percorso = u.path(QUrl::FullyEncoded).toLatin1();
    if (percorso.isEmpty())
        percorso = "/";
    if (u.hasQuery())
        percorso += '?' + u.query(QUrl::FullyEncoded).toLatin1();
    return "GET " + percorso + " HTTP/1.1\r\nHost: "
           + u.adjusted(QUrl::RemoveUserInfo).authority(QUrl::FullyEncoded).toLatin1()
           + "\r\nUser-Agent: Mozilla/5.0\r\nAccept: */*\r\nConnection: close\r\n\r\n";
}

// One request and its answer. Returns the failure's description when no
// whole answer came; `corrente` is emptied by a cancel.
QString scambia(const QUrl& u, Risposta& r, const std::function<void(int)>& stato, int timeoutMs,
                QPointer<QTcpSocket>& corrente)
{
    const QString nessunServer = QStringLiteral("Impossibile connettersi al server");
    const bool tls = u.scheme() == u"https";
    if ((!tls && u.scheme() != u"http") || u.host().isEmpty())
        return nessunServer;
    QTcpSocket* s = tls ? new QSslSocket : new QTcpSocket;
    corrente = s;
    QEventLoop attesa;
    QTimer scadenza;
    scadenza.setSingleShot(true);
    bool scaduto = false;
    QObject::connect(&scadenza, &QTimer::timeout, &attesa, [&] {
        scaduto = true;
        attesa.quit();
    });
    QObject::connect(s, &QAbstractSocket::hostFound, &attesa, [&] {
        stato(2);
        stato(3);
    });
    const auto invia = [&] { s->write(richiesta(u)); };
    QObject::connect(s, &QAbstractSocket::connected, &attesa, [&] {
        stato(4);
        if (!tls)
            invia();
    });
    if (tls)
        QObject::connect(static_cast<QSslSocket*>(s), &QSslSocket::encrypted, &attesa, invia);
    QObject::connect(s, &QIODevice::readyRead, &attesa, [&] {
        scadenza.start(timeoutMs);
        stato(7);
        if (!r.aggiungi(s->readAll()) || r.finita())
            attesa.quit();
    });
    QObject::connect(s, &QAbstractSocket::stateChanged, &attesa, [&](QAbstractSocket::SocketState st) {
        if (st == QAbstractSocket::UnconnectedState)
            attesa.quit();
    });
    stato(1);
    if (tls)
        static_cast<QSslSocket*>(s)->connectToHostEncrypted(u.host(), u.port(443));
    else
        s->connectToHost(u.host(), u.port(80));
    scadenza.start(timeoutMs);
    if (s->state() != QAbstractSocket::UnconnectedState)
        attesa.exec();
    const bool annullato = corrente.isNull();
    corrente = nullptr;
    if (!scaduto && !annullato && r.aggiungi(s->readAll())
        && s->error() == QAbstractSocket::RemoteHostClosedError)
        r.chiusa();
    s->disconnect(&attesa);
    s->abort();
    s->deleteLater();
    if (scaduto)
        return QStringLiteral("Timeout della richiesta");
    if (annullato)
        return QStringLiteral("Richiesta annullata");
    if (!r.intestata())
        return nessunServer;
    if (!r.finita())
        return QStringLiteral("Trasferimento interrotto");
    return {};
}

bool rinvio(const Risposta& r, const QUrl& da, const QUrl& a)
{
    const bool codice = (r.codice >= 301 && r.codice <= 303) || r.codice == 307 || r.codice == 308;
    // Never from https down to http.
    return codice && !r.destinazione.isEmpty()
           && (a.scheme() == u"https" || (a.scheme() == u"http" && da.scheme() == u"http"));
}

} // namespace

QtHttp::QtHttp() = default;
QtHttp::~QtHttp()
{
    cancel();
}

HttpReply QtHttp::get(const QString& url, const std::function<void(int)>& onState)
{
    const auto stato = [&](int s) {
        if (onState)
            onState(s);
    };
    codice_ = 0;
    testo_.clear();
    QUrl indirizzo(url);
    for (int salti = 0;; ++salti) {
        Risposta r;
        const QString guasto = scambia(indirizzo, r, stato, timeoutMs_, corrente_);
        if (!guasto.isEmpty()) {
            // A part of a body is no answer: the caller would take it for the whole.
            AppError e{35761, guasto, QStringLiteral("Inet")};
            codice_ = r.intestata() ? r.codice : 0;
            testo_ = e.description;
            stato(11);
            throw e;
        }
        const QUrl dopo = indirizzo.resolved(QUrl::fromEncoded(r.destinazione));
        if (salti < kRinvii && rinvio(r, indirizzo, dopo)) {
            indirizzo = dopo;
            continue;
        }
        codice_ = r.codice;
        testo_ = QString::fromLatin1(r.motivo);
        stato(r.codice >= 400 ? 11 : 12);
        return {r.corpo, r.codice, testo_};
    }
}

void QtHttp::cancel()
{
    if (QTcpSocket* s = corrente_) {
        corrente_ = nullptr;
        s->abort();
    }
}

} // namespace compat
