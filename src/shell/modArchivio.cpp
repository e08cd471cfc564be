#include "shell/modArchivio.h"

#include "compat/files.h"
#include "compat/ui/Platform.h"
#include "compat/vbdate.h"
#include "core/ArchivioMemoria.h"
#include "core/Impostazioni.h"
#include "core/ScritturaArchivio.h"

#include <QFileInfo>
#include <QTemporaryFile>

QString PercorsoApp;
qint32 NumeroEstrazioni = 0;
bool ElaborazioneInCorso = false;
bool StopRicerca = false;
bool InizializzazioneFatta = false;
qint32 NumInizioRicerca = 0;
qint32 NumFineRicerca = 0;

std::array<QString, 12> NomiRuote;
std::array<QString, 12> SigleRuote;
std::array<qint32, 12> PrimaEstrazioneRuota{};

bool DataErrata = false;
qint32 EstrazioneTrovata = 0;
QDate DataTrovata;
bool CercaPrecedente = false;

ArchivioEstrazioni& Archivio()
{
    static ArchivioEstrazioni a;
    return a;
}

void ChiudiTuttiIFile()
{
    Archivio().chiudi();
}

namespace {

bool impostazioniInSolaLettura = false;

// The settings file is replaced through a temporary file beside it.
bool cartellaScrivibile(const QString& cartella)
{
    QTemporaryFile prova(cartella + QStringLiteral("/scrivibile_XXXXXX.tmp"));
    return prova.open();
}

} // namespace

void ApriArchivio()
{
    const EsitoApertura esito = Archivio().apri(PercorsoApp);
    if (!esito.ok()) {
        compat::vbMsgBox(esito.messaggio(), compat::vbCritical | compat::vbOKOnly,
                         QStringLiteral("Errore"));
        ChiudiTuttiIFile();
        compat::platform().process().end(1);
    }
    // The Nazionale's first draw is read from the archive, which the
    // main window's Load opens only after filling the table.
    InizializzaPrimaEstrazioneRuota();

    impostazioniInSolaLettura =
        !cartellaScrivibile(QFileInfo(IniImpostazioni().FileName()).absolutePath());
    if (const QString m = MessaggioSolaLettura(); !m.isEmpty())
        compat::vbMsgBox(m, compat::vbExclamation | compat::vbOKOnly);

    // What is wrong inside the archive, told in one box from the view
    // already in memory: damaged records, dates out of order, a year index
    // that is not the one the draws call for.
    const auto vista = vistaArchivio(Archivio());
    QStringList danni;
    for (const QString& m :
         {MessaggioRecordDanneggiati(vista->recordDanneggiati(), vista->primoDanneggiato()),
          MessaggioDataFuoriOrdine(*vista, compat::platform().clock().now().date()),
          MessaggioIndiceAnni(!Archivio().indiceAnniUguale(indiceAnni(*vista)))})
        if (!m.isEmpty())
            danni << m;
    if (!danni.isEmpty())
        compat::vbMsgBox(danni.join(QStringLiteral("\r\r")),
                         compat::vbExclamation | compat::vbOKOnly);

    // The next write drops the partial record; until then it is only read past.
    if (const qint32 incompleti = Archivio().byteIncompleti(); incompleti > 0) {
        const qint32 n = Archivio().numeroEstrazioni();
        const QString ultima = n > 0 ? DataEstrazione(n) : QString();
        compat::vbMsgBox(MessaggioRecordIncompleto(incompleti, ultima),
                         compat::vbExclamation | compat::vbOKOnly);
    }
}

QStringList FileDelProgramma()
{
    QStringList file;
    for (const QString& f : {QStringLiteral("Quorvane.ini"), QStringLiteral("Archivi/Estrazioni.ind"),
                             QStringLiteral("Archivi/anni.ind"), QStringLiteral("Archivi/") + kFileScaricato,
                             QStringLiteral("Quorvane.lock"), QStringLiteral("IniFile/Errori.log")})
        file << compat::appFile(f);
    return file;
}

void RimuoviTemporaneiRimasti()
{
    for (const QString& file : FileDelProgramma())
        compat::removeReplacementLeftovers(file);
}

bool ArchivioInSolaLettura()
{
    return Archivio().solaLettura();
}

bool ImpostazioniInSolaLettura()
{
    return impostazioniInSolaLettura;
}

QString MessaggioSolaLettura()
{
    const bool archivio = ArchivioInSolaLettura();
    const bool impostazioni = ImpostazioniInSolaLettura();
    if (!archivio && !impostazioni)
        return {};
    const QString cartella = QStringLiteral("La cartella del programma (") + PercorsoApp
                             + QStringLiteral(") non è scrivibile: ");
    if (archivio && impostazioni)
        return cartella + QStringLiteral("né le estrazioni né le impostazioni potranno essere salvate.");
    if (archivio)
        return cartella + QStringLiteral("le estrazioni non potranno essere salvate.");
    return cartella + QStringLiteral("le impostazioni non potranno essere salvate.");
}

QString MessaggioRecordDanneggiati(qint32 quanti, qint32 primo)
{
    if (quanti <= 0)
        return {};
    const QString cosa =
        quanti == 1 ? QStringLiteral("L'archivio Estrazioni.ind contiene un record danneggiato, il n. ")
                          + QString::number(primo) + QStringLiteral(". Resta nel file com'è")
                    : QStringLiteral("L'archivio Estrazioni.ind contiene ") + QString::number(quanti)
                          + QStringLiteral(" record danneggiati; il primo è il n. ")
                          + QString::number(primo) + QStringLiteral(". Restano nel file come sono");
    return cosa
           + QStringLiteral(": le date non valide sono saltate dalle ricerche e i numeri oltre il 90 "
                            "sono letti come mancanti.");
}

QString MessaggioDataFuoriOrdine(const ArchivioMemoria& vista, QDate oggi)
{
    const qint32 r = vista.primaDataFuoriOrdine(oggi);
    if (r == 0)
        return {};
    QString m = QStringLiteral("Il record n. ") + QString::number(r)
                + QStringLiteral(" dell'archivio Estrazioni.ind è datato ") + vista.dataTesto(r);
    if (vista.data(r) > oggi) {
        m += QStringLiteral(", dopo la data di oggi (") + compat::vbDateText(oggi)
             + QStringLiteral("): se la data del computer è giusta, quella del record è errata.");
    } else {
        const qint32 p = vista.precedenteSano(r);
        m += QStringLiteral(", non dopo il n. ") + QString::number(p) + QStringLiteral(" (")
             + vista.dataTesto(p) + QStringLiteral("): le date non sono in ordine.");
    }
    return m
           + QStringLiteral(" Resta nel file com'è e le ricerche lo leggono con questa data; si "
                            "possono memorizzare solo estrazioni con date successive all'ultima "
                            "dell'archivio.");
}

QString MessaggioIndiceAnni(bool danneggiato)
{
    if (!danneggiato)
        return {};
    return QStringLiteral("L'archivio Anni.ind non corrisponde alle estrazioni: le ricerche per "
                          "data ne usano solo le voci giuste e sarà riscritto alla prossima "
                          "memorizzazione di estrazioni.");
}

QString MessaggioRecordIncompleto(qint32 byte, const QString& ultimaData)
{
    if (byte <= 0)
        return {};
    QString m = QStringLiteral("L'archivio Estrazioni.ind termina con un record incompleto (")
                + QString::number(byte)
                + QStringLiteral(" byte su ") + QString::number(kLunghezzaRecEstrazione)
                + QStringLiteral("), resto di una scrittura interrotta: non viene letto "
                                 "e sarà eliminato alla prossima memorizzazione di estrazioni.");
    if (!ultimaData.isEmpty())
        m += QStringLiteral(" L'ultima estrazione completa è quella del ") + ultimaData
             + QStringLiteral(".");
    return m;
}

void AggiornaNumeroEstrazioni()
{
    NumeroEstrazioni = Archivio().numeroEstrazioni();
}

QString DataEstrazione(qint32 indice)
{
    return Archivio().dataEstrazione(indice);
}

void CercaEstrazione(const QString& data)
{
    DataErrata = false;
    const EsitoRicercaData esito = Archivio().cercaEstrazione(data, CercaPrecedente);
    if (!esito.trovata()) {
        compat::vbMsgBox(esito.messaggio(), compat::vbExclamation | compat::vbOKOnly);
        DataErrata = true;
        ElaborazioneInCorso = false;
        return;
    }
    EstrazioneTrovata = esito.estrazione;
    DataTrovata = esito.data;
}

void CaricaNomiRuote()
{
    for (int i = 0; i <= 11; ++i) {
        NomiRuote[i] = nomeRuota(i);
        SigleRuote[i] = siglaRuota(i);
    }
}

void InizializzaPrimaEstrazioneRuota()
{
    PrimaEstrazioneRuota = primeEstrazioniRuote(Archivio());
}

AvvisoArchivio& avvisoArchivio()
{
    static AvvisoArchivio a;
    return a;
}

void ArchivioScritto(bool recordRiscritto)
{
    AggiornaNumeroEstrazioni();
    InizializzaPrimaEstrazioneRuota();
    if (recordRiscritto)
        invalidaVistaArchivio();
    emit avvisoArchivio().estrazioniCambiate();
}

bool ScritturaConsentita()
{
    if (!ArchivioInSolaLettura())
        return true;
    compat::vbMsgBox(MessaggioSolaLettura(), compat::vbExclamation | compat::vbOKOnly);
    return false;
}
