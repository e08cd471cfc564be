#include "shell/modApriBrowser.h"

#include "compat/vb.h"
#include "compat/ui/Platform.h"
#include "core/TabellaImpostazioni.h"

#include <QUrl>

const QString UrlPredefinita = imp::Url.valorePredefinito();

bool ApriUrl(const QString& url)
{
    QString indirizzo = url;
    if (!compat::vbLeft(indirizzo, 4).startsWith(u"http", Qt::CaseInsensitive))
        indirizzo = QStringLiteral("http://") + indirizzo;
    // A stored address reaches the desktop shell: never a local file or a
    // program behind another scheme.
    const QUrl u(indirizzo.trimmed(), QUrl::StrictMode);
    const QString schema = u.scheme().toLower();
    if (!u.isValid() || (schema != u"http" && schema != u"https") || u.host().isEmpty())
        return false;
    return compat::platform().shell().openUrl(indirizzo);
}
