#include "consulta/frmAnalisi.h"

#include "compat/vb.h"
#include "compat/ui/LinePrinter.h"
#include "compat/ui/Platform.h"
#include "compat/ui/ReportOutput.h"
#include "compat/ui/Twips.h"
#include "core/TabellaImpostazioni.h"
#include "shell/modAspetto.h"
#include "shell/modControlli.h"

#include <QListWidget>
#include <QPushButton>

using namespace compat;

frmAnalisi::frmAnalisi()
{
    setObjectName(QStringLiteral("frmAnalisi"));
    setWindowTitle(QStringLiteral("Analisi estrazioni"));
    lstAnalisi = CreaControllo<QListWidget>(this, QStringLiteral("lstAnalisi"));
    lstAnalisi->setGeometry(twipsToPx(120), twipsToPx(120), twipsToPx(3255), twipsToPx(2352));
    cmdOk = PulsanteImmagine(this, QStringLiteral("cmdOk"), QStyle::SP_DialogOkButton, QString());
    cmdOk->setGeometry(twipsToPx(120), twipsToPx(2640), twipsToPx(1395), twipsToPx(345));
    cmdStampa = PulsanteImmagine(this, QStringLiteral("cmdStampa"), QStyle::SP_FileDialogDetailedView, QString());
    cmdStampa->setGeometry(twipsToPx(1980), twipsToPx(2640), twipsToPx(1395), twipsToPx(345));
    resize(twipsToPx(3495), twipsToPx(3105));
    on(cmdOk, &QPushButton::clicked, QStringLiteral("cmdOk_Click"), [this] { vbUnload(this); });
    on(cmdStampa, &QPushButton::clicked, QStringLiteral("cmdStampa_Click"), [this] { cmdStampa_Click(); });
}

void frmAnalisi::formLoad()
{
    restoreFrameOrigin(this, vbVal(leggi(imp::AnalisiLeft)), vbVal(leggi(imp::AnalisiTop)));
    Forms::current = this;
    ImpostaForm(this);
}

void frmAnalisi::formUnload(bool&)
{
    if (isMinimized())
        return;
    const FrameTwips f = keepOnScreen(frameOf(this));
    salva(imp::AnalisiLeft, vbCStr(f.left));
    salva(imp::AnalisiTop, vbCStr(f.top));
}

void frmAnalisi::cmdStampa_Click()
{
    if (lstAnalisi->count() == 0)
        return;
    if (!askPrintCopies())
        return;
    auto p = platform().printers().open();
    p->setFont(QStringLiteral("Courier New"), 12);
    p->endLine();
    p->tab(3);
    p->print(windowTitle());
    p->endLine();
    p->endLine();
    for (int i = 0; i < lstAnalisi->count(); ++i) {
        p->tab(3);
        p->print(lstAnalisi->item(i)->text());
        p->endLine();
    }
    // A failed print is told, not skipped in silence.
    finishPrint(*p);
}
