// Writes Archivi/Estrazioni.ind and Archivi/anni.ind in a program folder from
// the bundled draw history. With --se-mancante an existing archive is left
// untouched: a rebuild never overwrites draws a user stored. Only a missing or
// empty anni.ind is written again, from the draws themselves.
#include "compat/files.h"
#include "compat/paths.h"
#include "core/ScritturaArchivio.h"
#include "core/StoricoTsv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {

enum class Indice { Lasciato, Riscritto, NonRiuscito };

// Writes the year index of the draws in `est` when `anni` is missing or empty
// and `est` holds whole records only; Estrazioni.ind itself is only read.
Indice riscriviAnni(const QString& est, const QString& anni)
{
    const QFileInfo infoAnni(anni);
    if (infoAnni.exists() && infoAnni.size() > 0)
        return Indice::Lasciato;
    QFile f(est);
    if (!f.open(QIODevice::ReadOnly))
        return Indice::Lasciato;
    const QByteArray dati = f.readAll();
    if (f.error() != QFileDevice::NoError || dati.isEmpty() || dati.size() % kLunghezzaRecEstrazione != 0)
        return Indice::Lasciato;
    const QByteArray indice = indiceAnni(dati);
    QString errore;
    if (!compat::replaceOwnFile(anni, indice, &errore)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(anni), qPrintable(errore));
        return Indice::NonRiuscito;
    }
    std::printf("anni.ind mancante o vuoto in %s: riscritto da Estrazioni.ind (%lld anni), "
                "le estrazioni restano come sono\n",
                qPrintable(infoAnni.path()),
                static_cast<long long>(indice.size() / kLunghezzaRecAnno));
    return Indice::Riscritto;
}

} // namespace

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
        const Indice i = riscriviAnni(est, anni);
        if (i == Indice::NonRiuscito)
            return 1;
        if (i == Indice::Lasciato)
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
