#include "shell/frmUrl.h"

#include "compat/vb.h"
#include "compat/ui/Controls.h"
#include "compat/ui/Platform.h"
#include "core/TabellaImpostazioni.h"
#include "shell/modApriBrowser.h"
#include "shell/modAspetto.h"
#include "shell/Controlli.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace compat;

std::optional<QString> UrlDaMemorizzare(const QString& testo)
{
    const QString url = ConPrefissoHttp(testo);
    if (url.size() < 12)
        return std::nullopt;
    return url;
}

frmUrl::frmUrl()
{
    setObjectName(QStringLiteral("frmUrl"));
    setWindowTitle(QStringLiteral("Url"));

    txtUrl = new QLineEdit(this);
    txtUrl->setObjectName(QStringLiteral("txtUrl"));
    txtUrl->setMinimumWidth(360);
    cmdAggiorna = PulsanteImmagine(this, QStringLiteral("cmdAggiorna"), QStyle::SP_DialogSaveButton,
                                   QString());
    cmdEsci = PulsanteImmagine(this, QStringLiteral("cmdEsci"), QStyle::SP_DialogCloseButton,
                               QStringLiteral("Esci"));

    auto* riga = new QHBoxLayout;
    riga->addStretch();
    riga->addWidget(cmdAggiorna);
    riga->addWidget(cmdEsci);
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(txtUrl);
    colonna->addLayout(riga);

    on(txtUrl, &QLineEdit::textChanged, QStringLiteral("txtUrl_Change"), [this] { txtUrl_Change(); });
    on(cmdAggiorna, &QPushButton::clicked, QStringLiteral("cmdAggiorna_Click"),
       [this] { cmdAggiorna_Click(); });
    on(cmdEsci, &QPushButton::clicked, QStringLiteral("cmdEsci_Click"), [this] { vbUnload(this); });
}

void frmUrl::formLoad()
{
    vbSetText(txtUrl, leggi(imp::Url));
    cmdAggiorna->setEnabled(false);
    txtUrl->setSelection(0, 200);
    Forms::current = this;
    ImpostaForm(this);
    cmdAggiorna->setToolTip(QStringLiteral("Aggiorna l'url"));
}

void frmUrl::txtUrl_Change()
{
    // An emptied text leaves the button as it was.
    if (!txtUrl->text().isEmpty())
        cmdAggiorna->setEnabled(true);
}

void frmUrl::cmdAggiorna_Click()
{
    const auto url = UrlDaMemorizzare(txtUrl->text());
    if (!url) {
        vbMsgBox(QStringLiteral("Url non valida"));
        txtUrl->setFocus();
        return;
    }
    salva(imp::Url, *url);
    cmdAggiorna->setEnabled(false);
    vbUnload(this);
}
