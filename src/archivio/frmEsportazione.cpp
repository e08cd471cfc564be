#include "archivio/frmEsportazione.h"

#include "archivio/FileAggiornamento.h"
#include "archivio/modAggiornamento.h"
#include "compat/files.h"
#include "compat/ui/Platform.h"
#include "compat/ui/ReportOutput.h"
#include "compat/ui/Twips.h"
#include "shell/modArchivio.h"
#include "shell/modAspetto.h"
#include "shell/modControlli.h"
#include "shell/modGuida.h"

#include <QLabel>
#include <QPushButton>

using namespace compat;

frmEsportazione::frmEsportazione()
{
    setObjectName(QStringLiteral("frmEsportazione"));
    setWindowTitle(QStringLiteral("Esportazione archivio lotto"));
    Label1[1] = EtichettaAggiornamento(this, QStringLiteral("Label1_1"),
                                       QStringLiteral("Esporta aggiornamento al :"),
                                       360, 540, 2655, 255);
    lblUltima = EtichettaAggiornamento(this, QStringLiteral("lblUltima"), {}, 2880, 525, 1335, 300);
    Label1[0] = EtichettaAggiornamento(this, QStringLiteral("Label1_0"),
                                       QStringLiteral("Estrazione n. "),
                                       1080, 1080, 1215, 255);
    lblNumero = EtichettaAggiornamento(this, QStringLiteral("lblNumero"), {}, 2280, 1080, 495, 300);
    Label2 = EtichettaAggiornamento(this, QStringLiteral("Label2"), QStringLiteral("/"),
                                    2775, 1080, 100, 300);
    lblAnno = EtichettaAggiornamento(this, QStringLiteral("lblAnno"), {}, 2880, 1080, 795, 300);
    lblUltima->setToolTip(QStringLiteral("Data di esportazione degli archivi"));
    lblNumero->setToolTip(QStringLiteral("Numero estrazione"));
    lblAnno->setToolTip(QStringLiteral("Anno estrazione"));
    cmdEsporta = PulsanteAggiornamento(this, "cmdEsporta",
                                       QStyle::SP_DialogSaveButton, QStringLiteral("Esporta"),
                                       465, 1680, 1395, 450);
    cmdEsci = PulsanteAggiornamento(this, "cmdEsci",
                                    QStyle::SP_DialogCloseButton, QStringLiteral("Esci"),
                                    1972, 1680, 1335, 450);
    cmdHelp = PulsanteAggiornamento(this, "cmdHelp", QStyle::SP_DialogHelpButton, QString(),
                                    3420, 1680, 800, 450);
    setFixedSize(twipsToPx(4500), twipsToPx(2400));

    on(cmdEsporta, &QPushButton::clicked, QStringLiteral("cmdEsporta_Click"),
       [this] { cmdEsporta_Click(); });
    // Update files belong to the windows that opened them: closing here leaves them open.
    on(cmdEsci, &QPushButton::clicked, QStringLiteral("cmdEsci_Click"), [this] { vbUnload(this); });
    on(cmdHelp, &QPushButton::clicked, QStringLiteral("cmdHelp_Click"),
       [] { Guida().HelpContext(GuidaEsportazione, QString()); });
}

void frmEsportazione::formLoad()
{
    MostraUltimaEstrazione(lblNumero, lblAnno, lblUltima);
    Forms::current = this;
    ImpostaForm(this);
    cmdEsporta->setToolTip(QStringLiteral("Salva il file delle estrazioni"));
}

void frmEsportazione::cmdEsporta_Click()
{
    const QString titolo = QStringLiteral("Esportazione archivi");
    const auto nome = platform().fileDialogs().save(
        {QStringLiteral("Salva"), FiltroAggiornamenti(false), 1, QString()});
    if (!nome || nome->isEmpty())
        return;
    if (refuseOwnFile(*nome, titolo))
        return;
    const QByteArray dati = datiEsportazione(Archivio());
    QString errore;
    int numero = 0;
    if (!replaceFile(*nome, dati, &errore, &numero)) {
        // Refused by the writer, the file is told as the early refusal tells it.
        vbMsgBox(numero == kOwnFileError ? errore
                                         : QStringLiteral("Esportazione archivio ") + *nome
                                               + QStringLiteral(" non riuscita (") + errore
                                               + QStringLiteral(")"),
                 vbOKOnly | vbCritical, titolo);
        return;
    }
    const QString data = dati.isEmpty()
                             ? QString()
                             : RecEstrazione::daBytes(dati.right(kLunghezzaRecEstrazione)).dataTesto();
    vbMsgBox(QStringLiteral("Esportazione archivio ") + *nome + QStringLiteral(" al ") + data
                 + QStringLiteral(" effettuata"),
             vbOKOnly | vbInformation, titolo);
    vbUnload(this);
}
