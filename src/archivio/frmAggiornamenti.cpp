#include "archivio/frmAggiornamenti.h"

#include "archivio/FileAggiornamento.h"
#include "archivio/modAggiornamento.h"
#include "compat/files.h"
#include "compat/vbdate.h"
#include "compat/ui/Controls.h"
#include "compat/ui/Platform.h"
#include "compat/ui/Twips.h"
#include "shell/modArchivio.h"
#include "shell/modAspetto.h"
#include "shell/modControlli.h"
#include "shell/modErrori.h"
#include "shell/modGuida.h"

#include <QLabel>
#include <QPushButton>

using namespace compat;

frmAggiornamenti::frmAggiornamenti()
{
    setObjectName(QStringLiteral("frmAggiornamenti"));
    setWindowTitle(QStringLiteral("Aggiormanemto estrazioni da file"));
    Label1[0] = EtichettaAggiornamento(this, QStringLiteral("Label1_0"),
                                       QStringLiteral("Ultima estrazione memorizzata nel sistema:"),
                                       480, 360, 3855, 255);
    lblNumero = EtichettaAggiornamento(this, QStringLiteral("lblNumero"), {}, 840, 720, 495, 300);
    lblNumero->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label2 = EtichettaAggiornamento(this, QStringLiteral("Label2"), QStringLiteral("/"),
                                    1350, 720, 100, 300);
    lblAnno = EtichettaAggiornamento(this, QStringLiteral("lblAnno"), {}, 1440, 720, 795, 300);
    Label3 = EtichettaAggiornamento(this, QStringLiteral("Label3"), QStringLiteral("del"),
                                    2325, 750, 400, 300);
    lblUltima = EtichettaAggiornamento(this, QStringLiteral("lblUltima"), {}, 2730, 720, 1335, 300);
    Label1[1] = EtichettaAggiornamento(this, QStringLiteral("Label1_1"),
                                       QStringLiteral("File aggiornato al :"),
                                       840, 1200, 1815, 255);
    lblFile = EtichettaAggiornamento(this, QStringLiteral("lblFile"), {}, 2730, 1125, 1335, 300);
    cmdApri = PulsanteAggiornamento(this, "cmdApri", QStyle::SP_DirOpenIcon, QStringLiteral("Apri"),
                                    180, 1680, 950, 430);
    cmdAggiorna = PulsanteAggiornamento(this, "cmdAggiorna",
                                        QStyle::SP_DialogApplyButton, QStringLiteral("Aggiorna"),
                                        1170, 1680, 1450, 430);
    cmdEsci = PulsanteAggiornamento(this, "cmdEsci",
                                    QStyle::SP_DialogCloseButton, QStringLiteral("Esci"),
                                    2670, 1680, 1000, 430);
    cmdHelp = PulsanteAggiornamento(this, "cmdHelp", QStyle::SP_DialogHelpButton, QString(),
                                    3720, 1680, 735, 430);
    cmdAggiorna->setEnabled(false);
    setFixedSize(twipsToPx(4700), twipsToPx(2400));

    on(cmdApri, &QPushButton::clicked, QStringLiteral("cmdApri_Click"), [this] { cmdApri_Click(); });
    on(cmdAggiorna, &QPushButton::clicked, QStringLiteral("cmdAggiorna_Click"),
       [this] { cmdAggiorna_Click(); });
    on(cmdEsci, &QPushButton::clicked, QStringLiteral("cmdEsci_Click"), [this] {
        chiudiFile();
        vbUnload(this);
    });
    on(cmdHelp, &QPushButton::clicked, QStringLiteral("cmdHelp_Click"),
       [] { Guida().HelpContext(GuidaAggiornamenti, QString()); });
}

void frmAggiornamenti::formLoad()
{
    DataUltimaArchivio = MostraUltimaEstrazione(lblNumero, lblAnno, lblUltima);
    Forms::current = this;
    ImpostaForm(this);
    cmdApri->setToolTip(QStringLiteral("Apre un archivio aggiornamento estrazioni precedentemente esportato"));
    cmdAggiorna->setToolTip(QStringLiteral("Aggiorna l'archivio estrazioni con i dati del file selezionato"));
    cmdEsci->setToolTip(QStringLiteral("Esci senza modificare nulla"));
    cmdHelp->setToolTip(QStringLiteral("Spiegazioni dettagliate sul form attuale"));
}

void frmAggiornamenti::chiudiFile()
{
    file_.release();
    dati_.clear();
}

void frmAggiornamenti::cmdApri_Click()
{
    // Until the file now chosen has been examined whole, there is nothing to merge.
    chiudiFile();
    cmdAggiorna->setEnabled(false);
    const auto nome = platform().fileDialogs().open(
        {QStringLiteral("Apri"), FiltroAggiornamenti(true), 1, QString()});
    if (!nome || nome->isEmpty())
        return;
    // Read within the bound: a device, a pipe or a file larger than any
    // update file is refused as a corrupt one, unread.
    const std::optional<QByteArray> letti = readBoundedFile(*nome, kMassimoFileAggiornamento);
    const QByteArray dati = letti.value_or(QByteArray());
    const EsameAggiornamento e = esaminaAggiornamento(dati, DataUltimaArchivio, Oggi());
    using E = EsameAggiornamento::Esito;
    if (!letti || e.esito == E::Corrotto) {
        ErroreFile(*nome);
        return;
    }
    if (e.esito == E::Futuro) {
        lblFile->setText(QString());
        AvvisoDataFutura(e.ultimaData);
        return;
    }
    lblFile->setText(vbDateText(e.ultimaData));
    if (e.esito == E::Discontinuo) {
        lblFile->setText(QString());
        vbMsgBox(QStringLiteral("Discontinuità di memorizzazione - Aggiornamento impossibile"),
                 vbOKOnly | vbCritical, QStringLiteral("Aggiornamento archivi"));
        return;
    }
    file_.hold(*nome);
    dati_ = dati;
    if (e.esito == E::DaAccodare)
        cmdAggiorna->setEnabled(true);
}

void frmAggiornamenti::cmdAggiorna_Click()
{
    if (!cmdAggiorna->isEnabled() || dati_.isEmpty() || allineamentoInCorso_)
        return;
    bool fatto = false;
    {
        // Nothing else may open, merge or close meanwhile.
        FlagScope inCorso(allineamentoInCorso_);
        cmdApri->setEnabled(false);
        cmdAggiorna->setEnabled(false);
        fatto = AllineaArchivio(dati_, lblNumero, lblAnno);
        cmdApri->setEnabled(true);
    }
    if (!fatto) {
        cmdAggiorna->setEnabled(true);
        return;
    }
    chiudiFile();
    if (const auto d = Archivio().leggi(NumeroEstrazioni).data())
        DataUltimaArchivio = *d;
    vbUnload(this);
}

void frmAggiornamenti::queryUnload(int, bool& cancel)
{
    if (allineamentoInCorso_) {
        cancel = true;
        return;
    }
    chiudiFile();
}
