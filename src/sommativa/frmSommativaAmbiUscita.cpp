// The search window's text files and printing: they describe the run that
// produced the lists, not the inputs changed since.
#include "sommativa/frmSommativaAmbi.h"

#include "compat/ui/ReportListView.h"
#include "compat/ui/ReportOutput.h"
#include "shell/modArchivio.h"

using namespace compat;

std::vector<RigaRisultato> frmSommativaAmbi::righeRisultati() const
{
    std::vector<RigaRisultato> righe;
    const int n = ListViewRisultati->count();
    for (int i = 1; i <= n; ++i) {
        const QTreeWidgetItem* r = ListViewRisultati->item(i);
        righe.push_back({r->text(0), r->text(1), r->text(2), r->text(3), r->text(4)});
    }
    return righe;
}

std::vector<RigaDettaglioTesto> frmSommativaAmbi::righeDettaglio() const
{
    std::vector<RigaDettaglioTesto> righe;
    const int n = ListViewDettaglio->count();
    for (int i = 1; i <= n; ++i) {
        const QTreeWidgetItem* r = ListViewDettaglio->item(i);
        righe.push_back({r->text(0), r->text(1), r->text(2)});
    }
    return righe;
}

void frmSommativaAmbi::cmdPrintToFile_Click()
{
    if (ListViewRisultati->count() == 0)
        return;
    const auto file = askOutputFile(QStringLiteral("Metodo sommativo per ricerca ambo_")
                                        + siglaRuota(RuotaScelta),
                                    IfExists::AskAppend);
    if (!file)
        return;
    NumInizioRicerca = inizioCorsa_;
    writeOutputFile(*file, fileRisultati(corsa_, ListViewRisultati->columnHeader(5), righeRisultati()));
}

void frmSommativaAmbi::cmdPrintTofileDettagli_Click()
{
    if (ListViewDettaglio->count() == 0)
        return;
    const auto file = askOutputFile(QStringLiteral("Metodo sommativo per ricerca ambo_")
                                        + siglaRuota(RuotaScelta)
                                        + QStringLiteral("_dettagli"),
                                    IfExists::AskAppend);
    if (!file)
        return;
    NumInizioRicerca = inizioCorsa_;
    writeOutputFile(*file, fileDettaglio(corsa_, descrizioneDettaglio_, righeDettaglio()));
}

void frmSommativaAmbi::cmdStampa_Click()
{
    if (ListViewRisultati->count() == 0)
        return;
    const std::optional<int> copie = askPrintCopies();
    if (!copie)
        return;
    printLines(stampaRisultati(corsa_, ListViewRisultati->columnHeader(5), righeRisultati(), *copie),
               QStringLiteral("Courier New"), 8);
}

void frmSommativaAmbi::cmdStampaDettagli_Click()
{
    if (ListViewDettaglio->count() == 0)
        return;
    const std::optional<int> copie = askPrintCopies();
    if (!copie)
        return;
    printLines(stampaDettaglio(corsa_, descrizioneDettaglio_, righeDettaglio(), *copie),
               QStringLiteral("Courier New"), 10);
}
