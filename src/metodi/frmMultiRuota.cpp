#include "metodi/frmMultiRuota.h"

#include "compat/ui/Controls.h"
#include "compat/ui/LinePrinter.h"
#include "compat/ui/Platform.h"
#include "compat/ui/ReportListView.h"
#include "compat/ui/ReportOutput.h"
#include "compat/ui/Twips.h"
#include "metodi/frmDettaglioQuorvane.h"
#include "metodi/frmQuorvane.h"
#include "metodi/frmReportQuorvane.h"
#include "shell/Controlli.h"
#include "shell/modAspetto.h"
#include "shell/modElaborazione.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace compat;

namespace {

const QString kOrdinataPer = QStringLiteral(" Algoritmi trovati: lista ordinata per ");

} // namespace

frmMultiRuota::frmMultiRuota()
{
    setObjectName(QStringLiteral("frmMultiRuota"));
    setWindowTitle(QStringLiteral("Quorvane by Miravell - Ricerca abbinamento Ruote di ricerca e gioco"));

    lblOrdinamento = CreaControllo<QLabel>(this, QStringLiteral("lblOrdinamento"),
                                           kOrdinataPer + QStringLiteral("% Pres. dal valore più alto"));
    QFont grassetto = lblOrdinamento->font();
    grassetto.setBold(true);
    lblOrdinamento->setFont(grassetto);

    ListViewMultiruote = CreaControllo<ReportListView>(this, QStringLiteral("ListViewMultiruote"));
    ListViewMultiruote->setColumnHeaders({QStringLiteral("Descrizione algoritmo"), QStringLiteral("Sortite"),
                                          QStringLiteral("Pres./Quantità"), QStringLiteral("% Pres."),
                                          QStringLiteral("Numero"), QStringLiteral("R.ricerca"),
                                          QStringLiteral("R.gioco")});
    // The column widths are set at load, once the spia column has its header.
    ListViewMultiruote->setSortKey(3);
    ListViewMultiruote->setSortOrder(Qt::DescendingOrder);
    ListViewMultiruote->setSorted(true);
    ListViewMultiruote->setMinimumSize(twipsToPx(8652), twipsToPx(4848));

    lblTotaleAlgoritmi = CreaControllo<QLabel>(this, QStringLiteral("lblTotaleAlgoritmi"), QStringLiteral("0"));
    lblTotaleAlgoritmi->setMinimumWidth(twipsToPx(972));
    cmdReport = CreaControllo<QPushButton>(this, QStringLiteral("cmdReport"),
                                           QStringLiteral("Riepilogo della tecnica selezionata"));
    cmdReport->setEnabled(false);
    cmdEsci = CreaControllo<QPushButton>(this, QStringLiteral("cmdEsci"), QStringLiteral("Esci"));
    QHBoxLayout* pulsanti = PulsantiUscita(this, cmdStampa, cmdPrintToFile, cmdEsci);
    pulsanti->insertWidget(0, lblTotaleAlgoritmi);
    pulsanti->insertWidget(1, cmdReport);

    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(lblOrdinamento);
    colonna->addWidget(ListViewMultiruote, 1);
    colonna->addLayout(pulsanti);

    on(ListViewMultiruote, &QTreeWidget::itemClicked, QStringLiteral("ListViewMultiruote_Click"),
       [this] { ListViewMultiruote_Click(); });
    on(ListViewMultiruote->header(), &QHeaderView::sectionClicked,
       QStringLiteral("ListViewMultiruote_ColumnClick"),
       [this](int sezione) { ListViewMultiruote_ColumnClick(sezione + 1); });
    on(cmdReport, &QPushButton::clicked, QStringLiteral("cmdReport_Click"), [this] { cmdReport_Click(); });
    on(cmdEsci, &QPushButton::clicked, QStringLiteral("cmdEsci_Click"), [this] { cmdEsci_Click(); });
    on(cmdStampa, &QPushButton::clicked, QStringLiteral("cmdStampa_Click"), [this] { cmdStampa_Click(); });
    on(cmdPrintToFile, &QPushButton::clicked, QStringLiteral("cmdPrintToFile_Click"),
       [this] { cmdPrintToFile_Click(); });
}

void frmMultiRuota::formLoad()
{
    Forms::current = this;
    ImpostaForm(this);
    if (frmQuorvane* q = Forms::find<frmQuorvane>())
        ListViewMultiruote->setColumnHeader(5, q->ListViewOrdin2->columnHeader(4));
    dimensionaColonne();
}

void frmMultiRuota::dimensionaColonne()
{
    // The widest cells the search writes: a sum of two numbers, five-digit
    // counts, a full percentage, a spia value, the longest wheel sets.
    LarghezzeColonne(ListViewMultiruote, ListViewMultiruote->header(), {2450, 640, 1250, 800, 770, 850, 1500},
                     {QStringLiteral(" 5' su MI +  5' su NZ"), QStringLiteral("99999"),
                      QStringLiteral("99999 / 99999"), QStringLiteral("100,0 %"), QStringLiteral("90"),
                      QStringLiteral("Tutte+NZ"), QStringLiteral("MI-NA-NZ")});
    ColonneInVista(ListViewMultiruote, ListViewMultiruote->header());
}

void frmMultiRuota::queryUnload(int unloadMode, bool& cancel)
{
    // The automatic search writes here until it ends.
    if (ricercaInCorso_ && unloadMode == vbFormControlMenu)
        cancel = true;
}

// ---------------------------------------------------------------------------
// Driven by the automatic search

void frmMultiRuota::iniziaRicerca(const QString& intestazioneSpia)
{
    ricercaInCorso_ = true;
    ListViewMultiruote->clear();
    // The spia column is named after this search's spia, as its rows are.
    ListViewMultiruote->setColumnHeader(5, intestazioneSpia);
    dimensionaColonne();
    cmdReport->setEnabled(false);
    cmdStampa->setEnabled(false);
    cmdPrintToFile->setEnabled(false);
}

void frmMultiRuota::aggiungiRiga(const CelleMultiRuota& celle, const QString& codice)
{
    QTreeWidgetItem* riga = ListViewMultiruote->addItem(celle[0]);
    ReportListView::setTag(riga, codice);
    for (int i = 1; i <= 6; ++i)
        ListViewMultiruote->setSubItem(riga, i, celle[size_t(i)]);
    lblTotaleAlgoritmi->setText(QString::number(ListViewMultiruote->count()));
}

void frmMultiRuota::fineRicerca(const DescrizioneMultiRuota& corsa)
{
    corsa_ = corsa;
    ricercaInCorso_ = false;
    cmdStampa->setEnabled(true);
    cmdPrintToFile->setEnabled(true);
}

void frmMultiRuota::ordinaCome(int chiave, Qt::SortOrder ordine, const QString& frase)
{
    ListViewMultiruote->setSortKey(chiave);
    ListViewMultiruote->setSorted(true);
    ListViewMultiruote->setSortOrder(ordine);
    lblOrdinamento->setText(frase);
}

std::vector<CelleMultiRuota> frmMultiRuota::righe() const
{
    std::vector<CelleMultiRuota> r;
    for (int i = 1; i <= ListViewMultiruote->count(); ++i) {
        const QTreeWidgetItem* riga = ListViewMultiruote->item(i);
        CelleMultiRuota c;
        for (int k = 0; k <= 6; ++k)
            c[size_t(k)] = riga->text(k);
        r.push_back(c);
    }
    return r;
}

// ---------------------------------------------------------------------------
// Handlers

void frmMultiRuota::ListViewMultiruote_Click()
{
    if (ricercaInCorso_ || ListViewMultiruote->count() == 0)
        return;
    if (frmDettaglioQuorvane* d = Forms::find<frmDettaglioQuorvane>())
        vbUnload(d);
    if (frmReportQuorvane* r = Forms::find<frmReportQuorvane>())
        vbUnload(r);
    cmdReport->setEnabled(true);
    vbPress(Forms::get<frmQuorvane>()->cmdTraduciAlgoMultiRuota);
}

void frmMultiRuota::ListViewMultiruote_ColumnClick(int colonna)
{
    if (ricercaInCorso_ || colonna <= 1)
        return;
    const bool decrescente = ListViewMultiruote->sortOrder() == Qt::AscendingOrder;
    ordinaCome(colonna - 1, decrescente ? Qt::DescendingOrder : Qt::AscendingOrder,
               kOrdinataPer + ListViewMultiruote->columnHeader(colonna)
                   + (decrescente ? QStringLiteral(" dal valore più alto")
                                  : QStringLiteral(" dal valore più basso")));
}

void frmMultiRuota::cmdReport_Click()
{
    const QTreeWidgetItem* riga = ListViewMultiruote->selectedItem();
    if (ricercaInCorso_ || !riga)
        return;
    // The selected row, not a method chosen since in the method-search
    // window; and one that gives no capogioco has no report on other wheels.
    // Translated again only when it is not the current method already: the
    // translation would drop the paired algorithms and numbers found for it.
    frmQuorvane* q = Forms::get<frmQuorvane>();
    const bool corrente = q->txtCapoGioco->property("Tag").toString() == ReportListView::tag(riga)
                          && RuoteRicercaMulti == ReportListView::subItem(riga, 5)
                          && RuoteGiocoMulti == ReportListView::subItem(riga, 6);
    if (!corrente)
        vbPress(q->cmdTraduciAlgoMultiRuota);
    if (q->cmdReport[0]->isEnabled())
        vbPress(q->cmdReport[0]);
}

void frmMultiRuota::cmdEsci_Click()
{
    if (ElaborazioneAttiva())
        return;
    vbUnload(this);
}

void frmMultiRuota::cmdPrintToFile_Click()
{
    if (ricercaInCorso_ || ListViewMultiruote->count() == 0)
        return;
    if (const auto file = askOutputFile(windowTitle(), IfExists::AskAppend))
        writeOutputFile(*file, fileMultiRuota(corsa_, windowTitle(), righe()));
}

void frmMultiRuota::cmdStampa_Click()
{
    if (ricercaInCorso_ || ListViewMultiruote->count() == 0)
        return;
    const std::optional<int> copie = askPrintCopies();
    if (!copie)
        return;
    printLines(stampaMultiRuota(corsa_, windowTitle(), righe(), *copie), QStringLiteral("Courier New"),
               8);
}
