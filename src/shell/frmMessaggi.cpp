#include "shell/frmMessaggi.h"

#include "shell/modAspetto.h"
#include "shell/Controlli.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace compat;

frmMessaggi::frmMessaggi()
{
    setObjectName(QStringLiteral("frmMessaggi"));
    setWindowTitle(QStringLiteral("Messaggio"));

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    Label1->setTextInteractionFlags(Qt::NoTextInteraction);
    Label1->setMinimumSize(360, 120);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Command1 = PulsanteImmagine(this, QStringLiteral("Command1"), QStyle::SP_DialogCloseButton,
                                QStringLiteral("Chiudi"));
    setDefaultButton(Command1);

    auto* riga = new QHBoxLayout;
    riga->addStretch();
    riga->addWidget(Command1);
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(Label1, 1);
    colonna->addLayout(riga);

    on(Command1, &QPushButton::clicked, QStringLiteral("Command1_Click"), [this] { vbUnload(this); });
}

void frmMessaggi::formLoad()
{
    Forms::current = this;
    ImpostaForm(this);
}
