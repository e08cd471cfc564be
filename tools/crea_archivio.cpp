// Writes Archivi/Estrazioni.ind and Archivi/anni.ind in a program folder from
// the bundled draw history. With --se-mancante an existing archive is left
// untouched: a rebuild never overwrites draws a user stored.
#include "compat/paths.h"
#include "core/ScritturaArchivio.h"
#include "core/StoricoTsv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool seMancante = args.removeAll(QStringLiteral("--se-mancante")) > 0;
    if (args.size() != 2) {
        std::fprintf(stderr, "uso: crea_archivio [--se-mancante] storico.tsv cartella-programma\n");
        return 2;
    }
    const QString cartella = compat::resolvePath(args[1], u"Archivi");
    const QString est = compat::resolvePath(cartella, u"Estrazioni.ind");
    const QString anni = compat::resolvePath(cartella, u"anni.ind");
    if (seMancante && (QFileInfo::exists(est) || QFileInfo::exists(anni))) {
        std::printf("archivio presente in %s: lasciato com'è\n", qPrintable(cartella));
        return 0;
    }
    const StoricoTsv storico = leggiStoricoTsv(args[0]);
    if (!storico.errore.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(args[0]), qPrintable(storico.errore));
        return 1;
    }
    const QString errore = scriviArchivio(storico.estrazioni, cartella);
    if (!errore.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(errore));
        return 1;
    }
    std::printf("%zu estrazioni scritte in %s\n", storico.estrazioni.size(), qPrintable(cartella));
    return 0;
}
