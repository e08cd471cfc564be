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
#include <QStyle>
#include <algorithm>

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
    // The boards write the lines and the title: the window widens for them.
    connect(lstAnalisi->model(), &QAbstractItemModel::rowsInserted, this, &frmAnalisi::allarga);
    connect(this, &QWidget::windowTitleChanged, this, &frmAnalisi::allarga);
    on(cmdOk, &QPushButton::clicked, QStringLiteral("cmdOk_Click"), [this] { vbUnload(this); });
    on(cmdStampa, &QPushButton::clicked, QStringLiteral("cmdStampa_Click"), [this] { cmdStampa_Click(); });
}

void frmAnalisi::allarga()
{
    // Twips are laid out at the common look's font: the list grows until its
    // widest line shows whole beside a vertical scroll bar, and the window
    // with it; the list spans the window, as wide as its title made it too,
    // and the print button keeps to the list's right edge. It never narrows:
    // lines come and go as the board moves.
    const int margine = lstAnalisi->x();
    const int righe = lstAnalisi->sizeHintForColumn(0) + 2 * lstAnalisi->frameWidth() +
                      style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, lstAnalisi);
    const int larga = std::max(width(), righe + 2 * margine);
    lstAnalisi->resize(larga - 2 * margine, lstAnalisi->height());
    cmdStampa->move(lstAnalisi->geometry().right() + 1 - cmdStampa->width(), cmdStampa->y());
    if (larga != width())
        resize(larga, height());
}

void frmAnalisi::scostaDalleCelle(const Form* tabellone, const QWidget* celle)
{
    const QRect area = availableScreenPx();
    const QRect t = tabellone->frameRect();
    const QRect qui = frameRect();
    const QRect sopra(celle->mapToGlobal(QPoint(0, 0)), celle->size());
    if (postoSalvato_ || area.isEmpty() || !qui.intersects(sopra))
        return;
    const int y = std::clamp(t.top(), area.top(), std::max(area.top(), area.bottom() + 1 - qui.height()));
    for (const int x : {t.right() + 1, t.left() - qui.width()})
        if (x >= area.left() && x + qui.width() <= area.right() + 1) {
            moveFrame(QPoint(x, y));
            return;
        }
    moveFrame(QPoint(sopra.center().x() < area.center().x() ? area.right() + 1 - qui.width() : area.left(), y));
}

void frmAnalisi::formLoad()
{
    postoSalvato_ =
        !leggi(imp::AnalisiLeft, QString()).isEmpty() || !leggi(imp::AnalisiTop, QString()).isEmpty();
    restoreFrameOrigin(this, vbVal(leggi(imp::AnalisiLeft)), vbVal(leggi(imp::AnalisiTop)));
    Forms::current = this;
    ImpostaForm(this);
}

void frmAnalisi::formUnload(bool&)
{
    if (isMinimized())
        return;
    const FrameTwips f = keptFrameOf(this);
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
