#include "archivio/modAggiornamento.h"

#include "archivio/FileAggiornamento.h"
#include "compat/vbdate.h"
#include "compat/ui/Controls.h"
#include "compat/ui/Platform.h"
#include "compat/ui/Twips.h"
#include "shell/Controlli.h"
#include "shell/modArchivio.h"
#include "shell/modPeriodo.h"

#include <QLabel>
#include <QPushButton>

using namespace compat;

QString MessaggioScrittura(const EsitoScrittura& e)
{
    using E = EsitoScrittura::Errore;
    switch (e.errore) {
    case E::Nessuno:
        return {};
    case E::Occupato:
        return QStringLiteral("Archivio in aggiornamento: riprovare al termine.");
    case E::AnnoDiverso:
        return QStringLiteral("Non è possibile spostare l'estrazione in un altro anno !");
    case E::FuoriOrdine:
        return QStringLiteral("La data non segue l'ultima estrazione memorizzata !");
    case E::RecordNonValido:
        return QStringLiteral("Dati dell'estrazione non validi: nulla è stato memorizzato !");
    case E::ArchivioDanneggiato:
        return QStringLiteral("Archivio estrazioni danneggiato: nulla è stato memorizzato !");
    case E::Scrittura:
        return QStringLiteral("Errore durante la memorizzazione (") + e.dettaglio
               + QStringLiteral("): l'archivio è rimasto com'era.");
    case E::RecordIncompletoRimosso:
        return QStringLiteral("Errore durante la memorizzazione (") + e.dettaglio
               + QStringLiteral("): l'estrazione non è stata memorizzata; è stato rimosso solo il "
                                "record incompleto in fondo all'archivio, le estrazioni "
                                "memorizzate sono invariate.");
    case E::NonRipristinato:
        return QStringLiteral("Errore durante la memorizzazione (") + e.dettaglio
               + QStringLiteral("): l'archivio potrebbe essere danneggiato !");
    }
    return {};
}

void AvvisoArchivioOccupato(const QString& titolo)
{
    EsitoScrittura occupato;
    occupato.errore = EsitoScrittura::Errore::Occupato;
    vbMsgBox(MessaggioScrittura(occupato), vbOKOnly | vbExclamation, titolo);
}

void AvvisoRiapertura(const EsitoScrittura& e)
{
    if (!e.ok() || !e.nonRiaperto)
        return;
    if (e.leggeIlVecchio) {
        vbMsgBox(QStringLiteral("Memorizzazione eseguita, ma l'archivio non è stato riaperto (")
                     + e.dettaglio
                     + QStringLiteral("): fino alla prossima memorizzazione o al riavvio il "
                                      "programma legge l'archivio com'era prima."),
                 vbOKOnly | vbExclamation);
        return;
    }
    vbMsgBox(QStringLiteral("Memorizzazione eseguita, ma l'archivio Estrazioni.ind non è stato "
                            "riaperto (")
                 + e.dettaglio
                 + QStringLiteral("): il programma continua a leggerlo dal file già aperto."),
             vbOKOnly | vbExclamation);
}

QDate Oggi()
{
    return platform().clock().now().date();
}

void AvvisoDataFutura(QDate ultima)
{
    vbMsgBox(QStringLiteral("Il file contiene estrazioni con data successiva a oggi (")
                 + vbDateText(ultima)
                 + QStringLiteral("): aggiornamento non eseguito. Controllare la data del "
                                  "computer."),
             vbOKOnly | vbCritical, QStringLiteral("Aggiornamento archivi"));
}

bool AllineaArchivio(const QByteArray& dati, QLabel* lblNumero, QLabel* lblAnno)
{
    const QString titolo = QStringLiteral("Aggiornamento archivi");
    // Judged again: the clock may have been set back since the file was opened.
    if (const QDate futura = dataFutura(dati, Oggi()); futura.isValid()) {
        AvvisoDataFutura(futura);
        return false;
    }
    if (!ScritturaConsentita())
        return false;
    BloccoScrittura blocco;
    if (!blocco.preso()) {
        AvvisoArchivioOccupato(titolo);
        return false;
    }
    EsitoScrittura esito;
    const QDate ultimaArchivio = Archivio().leggi(NumeroEstrazioni).data().value_or(QDate());
    const QByteArray nuovi = recordDopo(dati, ultimaArchivio);
    if (!nuovi.isEmpty()) {
        esito = accodaEstrazioni(Archivio(), blocco, nuovi);
        ArchivioScritto(!esito.ok());
        // What the user did during the write reaches its handlers now, while
        // the lock still refuses another write with its warning; behind the
        // message box below the window system would drop it unseen.
        vbDoEvents();
        if (!esito.ok()) {
            vbMsgBox(MessaggioScrittura(esito), vbOKOnly | vbCritical, titolo);
            return false;
        }
        const RecEstrazione r = Archivio().leggi(esito.ultimo);
        lblNumero->setText(QString::number(r.ProgressivoAnno()));
        lblAnno->setText(QString::fromLatin1(r.DataCompatta().right(4)));
        AvvisoRiapertura(esito);
    }
    const RecEstrazione ultimoFile = RecEstrazione::daBytes(dati.right(kLunghezzaRecEstrazione));
    vbMsgBox(QStringLiteral("Aggiornamento archivi al ") + ultimoFile.dataTesto()
                 + QStringLiteral(" effettuato"),
             vbOKOnly | vbInformation, titolo);
    AggiornaFineRicerca();
    return true;
}

QString FiltroAggiornamenti(bool apertura)
{
    QString f = QStringLiteral("File aggiornamento Trevalda (*.bin)|*.bin|File aggiornamento "
                               "Trevalda (*.trv)|*.trv");
    if (apertura)
        f += QStringLiteral("|Tutti i file (*.*)|*.*");
    return f;
}

QLabel* EtichettaAggiornamento(QWidget* padre, const QString& nome, const QString& testo, double l,
                               double t, double w, double h)
{
    auto* e = CreaControllo<QLabel>(padre, nome, testo);
    compat::vbMove(e, l, t, w, h);
    AllargaPerTesto(e, testo);
    return e;
}

QPushButton* PulsanteAggiornamento(QWidget* padre, const char* nome, QStyle::StandardPixmap icona,
                                   const QString& parola, double l, double t, double w, double h)
{
    auto* b = PulsanteImmagine(padre, QString::fromLatin1(nome), icona, QString());
    b->setText(parola);
    compat::vbMove(b, l, t, w, h);
    return b;
}

QDate MostraUltimaEstrazione(QLabel* lblNumero, QLabel* lblAnno, QLabel* lblUltima)
{
    const RecEstrazione r = Archivio().leggi(NumeroEstrazioni);
    lblNumero->setText(QString::number(r.ProgressivoAnno()));
    lblAnno->setText(QString::fromLatin1(r.DataCompatta().right(4)));
    lblUltima->setText(r.dataTesto());
    return r.data().value_or(QDate());
}
