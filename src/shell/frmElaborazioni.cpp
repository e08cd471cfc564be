#include "shell/frmElaborazioni.h"

#include "shell/modArchivio.h"
#include "shell/modAspetto.h"
#include "shell/modElaborazione.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

frmElaborazioni::frmElaborazioni()
{
    setObjectName(QStringLiteral("frmElaborazioni"));
    setWindowTitle(QStringLiteral("   Elaborazione in corso..."));

    lblDescrizioneJob = new QLabel(this);
    lblDescrizioneJob->setObjectName(QStringLiteral("lblDescrizioneJob"));
    lblDescrizioneJob->setMinimumWidth(220);

    cmdStop = new QPushButton(this);
    cmdStop->setObjectName(QStringLiteral("cmdStop"));
    cmdStop->setIcon(style()->standardIcon(QStyle::SP_BrowserStop));
    cmdStop->setIconSize(QSize(24, 24));

    auto* riga = new QHBoxLayout(this);
    riga->addWidget(lblDescrizioneJob, 1);
    riga->addWidget(cmdStop);

    on(cmdStop, &QPushButton::clicked, QStringLiteral("cmdStop_Click"), [this] { cmdStop_Click(); });
}

void frmElaborazioni::formLoad()
{
    compat::Forms::current = this;
    ImpostaForm(this);
    cmdStop->setToolTip(QStringLiteral("Annulla la ricerca in corso"));
}

void frmElaborazioni::cmdStop_Click()
{
    // The running search sees the request at its next poll and unloads us.
    StopRicerca = true;
}

void frmElaborazioni::queryUnload(int unloadMode, bool& cancel)
{
    if (ElaborazioneAttiva() &&
        (unloadMode == compat::vbFormControlMenu || unloadMode == compat::vbAppTaskManager))
        cancel = true;
}
