#include "shell/modApriBrowser.h"

#include "compat/vb.h"
#include "compat/ui/Platform.h"

#include <QUrl>

QString ConPrefissoHttp(const QString& url)
{
    if (compat::vbLeft(url, 4).startsWith(u"http", Qt::CaseInsensitive))
        return url;
    return QStringLiteral("http://") + url;
}

bool ApriUrl(const QString& url)
{
    const QString indirizzo = ConPrefissoHttp(url);
    // A stored address reaches the desktop shell: never a local file or a
    // program behind another scheme.
    const QUrl u(indirizzo.trimmed(), QUrl::StrictMode);
    const QString schema = u.scheme().toLower();
    if (!u.isValid() || (schema != u"http" && schema != u"https") || u.host().isEmpty())
        return false;
    return compat::platform().shell().openUrl(indirizzo);
}
