#include "core/ScritturaArchivio.h"

#include "compat/AppError.h"
#include "compat/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

ContenutoArchivio contenutoArchivio(const std::vector<RecEstrazione>& estrazioni)
{
    ContenutoArchivio c;
    c.estrazioni.reserve(qsizetype(estrazioni.size()) * kLunghezzaRecEstrazione);
    int annoCorrente = -1;
    for (std::size_t i = 0; i < estrazioni.size(); ++i) {
        c.estrazioni += estrazioni[i].toBytes();
        const int anno = estrazioni[i].data() ? estrazioni[i].data()->year() : 0;
        if (anno != annoCorrente) {
            c.anni += RecAnno::crea(anno, static_cast<qint32>(i + 1)).toBytes();
            annoCorrente = anno;
        }
    }
    return c;
}

QString scriviArchivio(const std::vector<RecEstrazione>& estrazioni, const QString& cartella)
{
    if (!QDir().mkpath(cartella))
        return QStringLiteral("impossibile creare ") + cartella;
    const ContenutoArchivio c = contenutoArchivio(estrazioni);
    const QString est = QDir(cartella).filePath(QStringLiteral("Estrazioni.ind"));
    const QString anni = QDir(cartella).filePath(QStringLiteral("anni.ind"));
    const auto fallita = [](const QString& percorso, const QString& errore) {
        return QStringLiteral("scrittura non riuscita di ") + percorso + QStringLiteral(" (")
               + errore + u')';
    };
    if (QFileInfo(anni).isDir())
        return fallita(anni, compat::errorDescription(75));
    // The draws go first; should the year index then fail, the old draws
    // are put back, so the two files never disagree.
    QFile vecchio(est);
    const bool cerano = vecchio.open(QIODevice::ReadOnly);
    const QByteArray vecchie = cerano ? vecchio.readAll() : QByteArray();
    vecchio.close();
    QString errore;
    if (!compat::replaceFile(est, c.estrazioni, &errore))
        return fallita(est, errore);
    if (!compat::replaceFile(anni, c.anni, &errore)) {
        if (cerano)
            compat::replaceFile(est, vecchie);
        else
            QFile::remove(est);
        return fallita(anni, errore);
    }
    return {};
}
