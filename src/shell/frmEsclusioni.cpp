#include "shell/frmEsclusioni.h"

#include "compat/vb.h"
#include "compat/ui/Controls.h"
#include "compat/ui/Platform.h"
#include "core/TabellaImpostazioni.h"
#include "shell/modAspetto.h"
#include "shell/Controlli.h"
#include "shell/modGuida.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace compat;

frmEsclusioni::frmEsclusioni()
{
    setObjectName(QStringLiteral("frmEsclusioni"));
    setWindowTitle(QStringLiteral("  Opzioni"));

    auto* frameGiorni = new QGroupBox(QStringLiteral("Giorni estrazione :"), this);
    auto* griglia = new QGridLayout(frameGiorni);
    for (int i = 1; i <= 7; ++i) {
        chkDay[i] = new QCheckBox(frameGiorni);
        chkDay[i]->setObjectName(QStringLiteral("chkDay_%1").arg(i));
        lblDay[i] = new QLabel(nomeGiorno(i), frameGiorni);
        lblDay[i]->setObjectName(QStringLiteral("lblDay_%1").arg(i));
        lblDay[i]->setBuddy(chkDay[i]);
        griglia->addWidget(chkDay[i], i - 1, 0);
        griglia->addWidget(lblDay[i], i - 1, 1);
    }
    // Spare width goes to the names, so each box stays next to its day.
    griglia->setColumnStretch(1, 1);

    auto* frameSuggerimenti = new QGroupBox(this);
    chkLoadTipsAtStartup =
        new QCheckBox(QStringLiteral("&Mostra i suggerimenti all'avvio"), frameSuggerimenti);
    chkLoadTipsAtStartup->setObjectName(QStringLiteral("chkLoadTipsAtStartup"));
    (new QVBoxLayout(frameSuggerimenti))->addWidget(chkLoadTipsAtStartup);

    auto* pulsanti = PulsantiConferma(this, cmdOk, cmdAnnulla, cmdHelp);

    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(frameGiorni);
    colonna->addWidget(frameSuggerimenti);
    colonna->addLayout(pulsanti);

    on(cmdOk, &QPushButton::clicked, QStringLiteral("cmdOk_Click"), [this] { cmdOk_Click(); });
    on(cmdAnnulla, &QPushButton::clicked, QStringLiteral("cmdAnnulla_Click"),
       [this] { cmdAnnulla_Click(); });
    on(cmdHelp, &QPushButton::clicked, QStringLiteral("cmdHelp_Click"),
       [this] { cmdHelp_Click(); });
}

void frmEsclusioni::formLoad()
{
    const QString tips = leggi(imp::ShowTipsAtStartup);
    if (vbVal(tips) == 1)
        chkLoadTipsAtStartup->setChecked(true);
    const QString giorni = leggi(imp::GiorniEstrazione);
    for (int i = 1; i <= 7; ++i)
        if (vbMid(giorni, i, 1) == u"Y")
            chkDay[i]->setChecked(true);
    Forms::current = this;
    ImpostaForm(this);
}

void frmEsclusioni::cmdOk_Click()
{
    QString giorni = QStringLiteral("NNNNNNN");
    bool almenoUno = false;
    for (int i = 1; i <= 7; ++i)
        if (chkDay[i]->isChecked()) {
            giorni[i - 1] = u'Y';
            almenoUno = true;
        }
    if (!almenoUno) {
        vbMsgBox(QStringLiteral("E' necessario selezionare almeno un giorno estrazione!"));
        return;
    }
    salva(imp::GiorniEstrazione, giorni);
    salva(imp::ShowTipsAtStartup, vbCStr(vbValue(chkLoadTipsAtStartup)));
    vbUnload(this);
}

void frmEsclusioni::cmdAnnulla_Click()
{
    vbUnload(this);
}

void frmEsclusioni::cmdHelp_Click()
{
    Guida().HelpContext(GuidaEsclusioni, QString());
}
