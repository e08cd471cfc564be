#include "core/ScritturaArchivio.h"

#include "compat/AppError.h"
#include "compat/files.h"
#include "core/ArchivioMemoria.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

ContenutoArchivio contenutoArchivio(const std::vector<RecEstrazione>& estrazioni)
{
    ContenutoArchivio c;
    c.estrazioni.reserve(qsizetype(estrazioni.size()) * kLunghezzaRecEstrazione);
    for (const RecEstrazione& r : estrazioni)
        c.estrazioni += r.toBytes();
    c.anni = indiceAnni(c.estrazioni);
    return c;
}

QByteArray indiceAnni(qint32 n, const std::function<int(qint32)>& anno)
{
    QByteArray indice;
    int annoCorrente = 0;
    for (qint32 i = 1; i <= n; ++i) {
        const int a = anno(i);
        if (a != 0 && a != annoCorrente) {
            indice += RecAnno::crea(a, i).toBytes();
            annoCorrente = a;
        }
    }
    return indice;
}

namespace {
// The year of record i (1-based) of `estrazioni`, 0 when it has no date.
int annoRecord(QByteArrayView estrazioni, qint32 i)
{
    const qsizetype da = qsizetype(i - 1) * kLunghezzaRecEstrazione;
    return RecEstrazione::daBytes(estrazioni.sliced(da, kLunghezzaRecEstrazione)).anno();
}
} // namespace

QByteArray indiceAnni(QByteArrayView estrazioni)
{
    return indiceAnni(qint32(estrazioni.size() / kLunghezzaRecEstrazione),
                      [&](qint32 i) { return annoRecord(estrazioni, i); });
}

QByteArray indiceAnni(const ArchivioMemoria& vista, QByteArrayView aggiunte)
{
    const qint32 n = vista.numeroEstrazioni();
    return indiceAnni(n + qint32(aggiunte.size() / kLunghezzaRecEstrazione), [&](qint32 i) {
        if (i > n)
            return annoRecord(aggiunte, i - n);
        return vista.dataValida(i) ? vista.data(i).year() : 0;
    });
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
    if (!compat::replaceOwnFile(est, c.estrazioni, &errore))
        return fallita(est, errore);
    if (!compat::replaceOwnFile(anni, c.anni, &errore)) {
        if (cerano)
            compat::replaceOwnFile(est, vecchie);
        else
            QFile::remove(est);
        return fallita(anni, errore);
    }
    return {};
}
