#include "compat/AppError.h"
#include "compat/ui/QtPlatform.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace compat {

QtHttp::QtHttp() = default;
QtHttp::~QtHttp()
{
    cancel();
}

HttpReply QtHttp::get(const QString& url, const std::function<void(int)>& onState)
{
    if (!rete_)
        rete_ = std::make_unique<QNetworkAccessManager>();
    const auto stato = [&](int s) {
        if (onState)
            onState(s);
    };
    codice_ = 0;
    testo_.clear();
    stato(1);
    QNetworkRequest richiesta{QUrl(url)};
    richiesta.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                           QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply* r = rete_->get(richiesta);
    corrente_ = r;
    QEventLoop attesa;
    QTimer scadenza;
    scadenza.setSingleShot(true);
    bool scaduto = false;
    QObject::connect(&scadenza, &QTimer::timeout, &attesa, [&] {
        scaduto = true;
        r->abort();
    });
    bool connesso = false;
    QObject::connect(r, &QNetworkReply::metaDataChanged, &attesa, [&] {
        if (!connesso) {
            connesso = true;
            stato(2);
            stato(3);
            stato(4);
        }
    });
    QObject::connect(r, &QNetworkReply::downloadProgress, &attesa, [&](qint64, qint64) {
        scadenza.start(timeoutMs_);
        stato(7);
    });
    QObject::connect(r, &QNetworkReply::finished, &attesa, &QEventLoop::quit);
    scadenza.start(timeoutMs_);
    if (!r->isFinished())
        attesa.exec();
    scadenza.stop();
    corrente_ = nullptr;
    r->deleteLater();

    HttpReply risposta;
    risposta.code = r->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    risposta.text = r->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
    risposta.body = r->readAll();
    if (risposta.code == 0) {
        // No HTTP answer at all.
        AppError e{35761, scaduto ? QStringLiteral("Timeout della richiesta")
                                  : r->error() == QNetworkReply::OperationCanceledError
                                        ? QStringLiteral("Richiesta annullata")
                                        : QStringLiteral("Impossibile connettersi al server"),
                   QStringLiteral("Inet")};
        testo_ = e.description;
        stato(11);
        throw e;
    }
    codice_ = risposta.code;
    testo_ = risposta.text;
    stato(risposta.code >= 400 ? 11 : 12);
    return risposta;
}

void QtHttp::cancel()
{
    if (corrente_)
        corrente_->abort();
}

} // namespace compat
