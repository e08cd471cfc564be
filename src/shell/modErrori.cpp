#include "shell/modErrori.h"

#include "compat/files.h"
#include "compat/ui/Form.h"
#include "compat/vbdate.h"
#include "compat/ui/Platform.h"
#include "core/TabellaImpostazioni.h"

using namespace compat;

namespace {

constexpr int kDialogoAnnullato = 32755;

QString testoRisposta(int risposta)
{
    switch (risposta) {
    case vbOK: return QStringLiteral(" 1-Risposto ok ");
    case vbCancel: return QStringLiteral(" 2-Risposto no ");
    case vbAbort: return QStringLiteral(" 3-Interrotto ");
    case vbRetry: return QStringLiteral(" 4-Riprovato ");
    case vbIgnore: return QStringLiteral(" 5-Ignorato ");
    case vbYes: return QStringLiteral(" 6-Ignorato ");
    case vbNo: return QStringLiteral(" 7-Interrotto ");
    default: return {};
    }
}

QString dove(const QString& modulo, const QString& procedura, const QString& riga)
{
    QString s = modulo;
    if (!procedura.isEmpty())
        s += QLatin1Char('.') + procedura;
    if (!riga.isEmpty())
        s += QStringLiteral(" riga ") + riga;
    return s;
}

void scriviLog(const QString& riga)
{
    // The log is a courtesy: a missing IniFile folder or a full disk must
    // neither end the program nor cost the user's answer.
    try {
        TextFile f = TextFile::append(appFile(u"IniFile/Errori.log"), NamedBy::Program);
        f.writeLine(riga);
        f.close();
    } catch (const ProcessEnded&) {
        throw;
    } catch (...) {
    }
}

} // namespace

int GestioneErrore(const QString& modulo, int& stile, const QString& procedura,
                   const QString& riga, const QString& info, const AppError& errore)
{
    if (errore.number == 0 || errore.number == kDialogoAnnullato)
        return 0;

    Platform& p = platform();
    const Version v = p.app().version();
    const QString versione = QString::number(v.major) + QLatin1Char('.') +
                             QString::number(v.minor) + QLatin1Char('.') +
                             QString::number(v.revision);
    const QString fonte = errore.source.isEmpty() ? p.app().title() : errore.source;
    const QString numero = QString::number(errore.number);
    const QString luogo = dove(modulo, procedura, riga);

    QString messaggio = QStringLiteral(" Il programma Trevalda ") + versione +
                        QStringLiteral(" ha prodotto l'errore\r\n") + QLatin1Char(' ') + fonte +
                        QLatin1Char(' ') + numero + QStringLiteral(" : ") + errore.description +
                        QStringLiteral("\r\n") + QLatin1Char(' ') + luogo;
    if (stile == vbYesNoCancel || stile == vbYesNo) {
        messaggio += QStringLiteral("\r\n Vuoi continuare l'elaborazione ?");
        stile += vbExclamation;
    } else if (stile == 0) {
        stile = vbExclamation;
    }
    const int risposta = vbMsgBox(messaggio, stile, QStringLiteral("Errore inatteso"));

    if (leggi(imp::LogFile) == u"1") {
        const QDateTime adesso = p.clock().now();
        QString linea = vbDateText(adesso.date()) + QLatin1Char(' ') +
                        vbTimeText(adesso.time()) + QStringLiteral(" Il programma ") + fonte +
                        QLatin1Char(' ') + versione + QStringLiteral(" ha prodotto l'errore") +
                        QLatin1Char(' ') + numero + QStringLiteral(" : ") + errore.description +
                        QStringLiteral(" in ") + luogo;
        if (!info.isEmpty())
            linea += QStringLiteral(" Info ") + info;
        linea += testoRisposta(risposta) + QStringLiteral(". Restrizioni:");
        scriviLog(linea);
    }
    return risposta;
}

int GestioneErrore(const QString& modulo, int&& stile, const QString& procedura,
                   const QString& riga, const QString& info, const AppError& errore)
{
    int s = stile;
    return GestioneErrore(modulo, s, procedura, riga, info, errore);
}

void ErroreFile(const QString& nomeFile)
{
    vbMsgBox(nomeFile + QStringLiteral(" corrotto o mancante !"), vbCritical | vbOKOnly,
             QStringLiteral("Errore"));
}

void InstallaGestioneErrore()
{
    setUnexpectedErrorReporter(
        [](const QString& modulo, const QString& procedura, const AppError& e) {
            GestioneErrore(modulo, 0, procedura, QString(), QString(), e);
        });
}
