#include "core/ScritturaArchivio.h"

#include <QDir>
#include <QSaveFile>

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
    QSaveFile est(QDir(cartella).filePath(QStringLiteral("Estrazioni.ind")));
    QSaveFile anni(QDir(cartella).filePath(QStringLiteral("anni.ind")));
    if (!est.open(QIODevice::WriteOnly) || !anni.open(QIODevice::WriteOnly))
        return QStringLiteral("impossibile scrivere in ") + cartella;
    est.write(c.estrazioni);
    anni.write(c.anni);
    if (!est.commit() || !anni.commit())
        return QStringLiteral("scrittura non riuscita in ") + cartella;
    return {};
}
