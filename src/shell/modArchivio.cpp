#include "shell/modArchivio.h"

#include "compat/ui/Platform.h"
#include "core/ArchivioMemoria.h"

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

void ApriArchivio()
{
    const EsitoApertura esito = Archivio().apri(PercorsoApp);
    if (esito.ok()) {
        // The Nazionale's first draw is read from the archive, which the
        // main window's Load opens only after filling the table.
        InizializzaPrimaEstrazioneRuota();
        return;
    }
    compat::vbMsgBox(esito.messaggio(), compat::vbCritical | compat::vbOKOnly,
                     QStringLiteral("Errore"));
    ChiudiTuttiIFile();
    compat::platform().process().end(0);
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
    return true;
}
