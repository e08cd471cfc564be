#include "shell/frmColori.h"

#include "compat/vb.h"
#include "compat/ui/Colors.h"
#include "compat/ui/Platform.h"
#include "core/TabellaImpostazioni.h"
#include "shell/modArchivio.h"
#include "shell/modAspetto.h"
#include "shell/Controlli.h"
#include "shell/frmMain.h"
#include "shell/modMain.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

using namespace compat;

namespace {

// As the window shows them when a key is absent.
const Impostazione* const kColori[3] = {&imp::ColoreForm, &imp::ColoreEtichette, &imp::ColoreListe};

} // namespace

frmColori::frmColori()
{
    setObjectName(QStringLiteral("frmColori"));
    setWindowTitle(QStringLiteral("Colori"));

    auto* griglia = new QGridLayout(this);
    lblForm = new QLabel(QStringLiteral("Colore del form"), this);
    lblForm->setObjectName(QStringLiteral("lblForm"));
    Label1 = new QLabel(QStringLiteral("Colore etichette"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    lblPath = new QLabel(QStringLiteral("Colore liste"), this);
    lblPath->setObjectName(QStringLiteral("lblPath"));
    QLabel* etichette[3] = {lblForm, Label1, lblPath};
    for (int i = 0; i <= 2; ++i) {
        cmdColore[i] = new QPushButton(this);
        cmdColore[i]->setObjectName(QStringLiteral("cmdColore_%1").arg(i));
        cmdColore[i]->setFixedSize(60, 24);
        cmdColore[i]->setToolTip(QStringLiteral("Un click per cambiare il colore"));
        griglia->addWidget(etichette[i], i, 0);
        griglia->addWidget(cmdColore[i], i, 1);
        etichette[i]->installEventFilter(this);
        on(cmdColore[i], &QPushButton::clicked, QStringLiteral("cmdColore_Click"),
           [this, i] { cmdColore_Click(i); });
    }
    cmdDefault = new QPushButton(QStringLiteral("Default"), this);
    cmdDefault->setObjectName(QStringLiteral("cmdDefault"));
    cmdOk = PulsanteImmagine(this, QStringLiteral("cmdOk"), QStyle::SP_DialogApplyButton, {});
    cmdEsci = PulsanteImmagine(this, QStringLiteral("cmdEsci"), QStyle::SP_DialogCloseButton, {});
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(cmdDefault);
    pulsanti->addStretch(1);
    pulsanti->addWidget(cmdOk);
    pulsanti->addWidget(cmdEsci);
    griglia->addLayout(pulsanti, 3, 0, 1, 2);

    on(cmdDefault, &QPushButton::clicked, QStringLiteral("cmdDefault_Click"), [this] { cmdDefault_Click(); });
    on(cmdOk, &QPushButton::clicked, QStringLiteral("cmdOk_Click"), [this] { cmdOk_Click(); });
    on(cmdEsci, &QPushButton::clicked, QStringLiteral("cmdEsci_Click"), [this] { vbUnload(this); });
}

void frmColori::formLoad()
{
    for (int i = 0; i <= 2; ++i) {
        const QString testo = leggi(*kColori[i]);
        // The colours in use: with no key stored those the windows take, so
        // confirming without a change changes nothing. A value spoilt by hand
        // shows the default too.
        const quint32 c = ColoreDaTesto(testo).value_or(kColori[i]->valorePredefinito().toUInt());
        vbSetBackColor(cmdColore[i], c);
    }
    Forms::current = this;
    ImpostaForm(this);
    cmdDefault->setToolTip(QStringLiteral("Ripristina i colori di default di tutte le voci"));
}

void frmColori::cmdColore_Click(int index)
{
    // A cancelled dialog leaves the colour as it was.
    if (const auto c = platform().colorDialog().pick(vbBackColor(cmdColore[index])))
        vbSetBackColor(cmdColore[index], *c);
}

void frmColori::cmdDefault_Click()
{
    vbSetBackColor(cmdColore[0], 10276301);
    vbSetBackColor(cmdColore[1], 16777215);
    vbSetBackColor(cmdColore[2], 16777215);
}

void frmColori::cmdOk_Click()
{
    for (int i = 0; i <= 2; ++i)
        salva(*kColori[i], QString::number(vbBackColor(cmdColore[i])));
    const auto finestre = Forms::all();
    if (finestre.size() > 1) {
        for (auto i = finestre.size(); i-- > 1;) {
            Forms::current = finestre[i];
            ImpostaForm(finestre[i]);
        }
    }
    Form* principale = frmPrincipale ? static_cast<Form*>(frmPrincipale.data()) : finestre.front();
    Forms::current = principale;
    ImpostaForm(principale);
    principale->update();
    vbUnload(this);
}

void frmColori::Label1_DblClick()
{
    vbMsgBox(QString::number(NumeroEstrazioni) + QStringLiteral(" - ") + DataEstrazione(NumeroEstrazioni));
}

void frmColori::lblPath_DblClick()
{
    vbMsgBox(QStringLiteral("Path applicazione = ") + PercorsoApp);
}

bool frmColori::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == Label1)
            runHandler(QStringLiteral("Label1_DblClick"), [this] { Label1_DblClick(); });
        else if (watched == lblPath)
            runHandler(QStringLiteral("lblPath_DblClick"), [this] { lblPath_DblClick(); });
    }
    return Form::eventFilter(watched, event);
}
