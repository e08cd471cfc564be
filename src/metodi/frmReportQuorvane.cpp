#include "metodi/frmReportQuorvane.h"

#include "compat/ui/Controls.h"
#include "compat/ui/LinePrinter.h"
#include "compat/ui/Platform.h"
#include "compat/ui/ReportOutput.h"
#include "metodi/frmQuorvane.h"
#include "shell/Controlli.h"
#include "shell/modAspetto.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace compat;

frmReportQuorvane::frmReportQuorvane()
{
    setObjectName(QStringLiteral("frmReportQuorvane"));
    setWindowTitle(QStringLiteral("Quorvane By Miravell - Riepilogo della tecnica selezionata"));

    lstReport = CreaControllo<QListWidget>(this, QStringLiteral("lstReport"));
    // The lines are laid out in character columns.
    QFont fisso(resolveFontFamily(QStringLiteral("Courier New")));
    fisso.setStyleHint(QFont::TypeWriter);
    lstReport->setFont(fisso);
    lstReport->setMinimumSize(560, 420);

    cmdDettaglio =
        CreaControllo<QPushButton>(this, QStringLiteral("cmdDettaglio"), QStringLiteral("Dettaglio vincite"));
    cmdOk = CreaControllo<QPushButton>(this, QStringLiteral("cmdOk"), QStringLiteral("Esci"));
    QHBoxLayout* pulsanti = PulsantiUscita(this, cmdStampa, cmdPrintToFile, cmdDettaglio);
    pulsanti->addWidget(cmdOk);
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(lstReport, 1);
    colonna->addLayout(pulsanti);

    on(cmdOk, &QPushButton::clicked, QStringLiteral("cmdOk_Click"), [this] { vbUnload(this); });
    on(cmdDettaglio, &QPushButton::clicked, QStringLiteral("cmdDettaglio_Click"),
       [] { vbPress(Forms::get<frmQuorvane>()->cmdReport[1]); });
    on(cmdStampa, &QPushButton::clicked, QStringLiteral("cmdStampa_Click"), [this] { cmdStampa_Click(); });
    on(cmdPrintToFile, &QPushButton::clicked, QStringLiteral("cmdPrintToFile_Click"),
       [this] { cmdPrintToFile_Click(); });
}

void frmReportQuorvane::formLoad()
{
    Forms::current = this;
    ImpostaForm(this);
}

QStringList frmReportQuorvane::righe() const
{
    QStringList l;
    for (int i = 0; i < lstReport->count(); ++i)
        l << lstReport->item(i)->text();
    return l;
}

void frmReportQuorvane::cmdPrintToFile_Click()
{
    if (lstReport->count() == 0)
        return;
    if (const auto file = askOutputFile(QStringLiteral("ReportQuorvane")))
        writeOutputFile(*file, righe());
}

void frmReportQuorvane::cmdStampa_Click()
{
    if (lstReport->count() == 0)
        return;
    const std::optional<int> copie = askPrintCopies();
    if (!copie)
        return;
    const QStringList l = righe();
    auto p = platform().printers().open();
    p->setFont(QStringLiteral("Courier New"), 10);
    for (int c = 1; c <= *copie; ++c) {
        if (c > 1)
            p->newPage();
        p->endLine();
        for (const QString& riga : l) {
            p->tab(3);
            p->print(riga);
            p->endLine();
        }
    }
    finishPrint(*p);
}
