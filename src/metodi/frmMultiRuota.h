#pragma once
// The results of the automatic multi-wheel search: the best rows of every
// run with the wheels that produced them; a row click makes it the current
// method of the method-search window, wheels included.
#include "compat/ui/Form.h"
#include "metodi/UscitaMultiRuota.h"

#include <QString>
#include <vector>

class QLabel;
class QPushButton;
class QTreeWidgetItem;

namespace compat {
class ReportListView;
}

class frmMultiRuota : public compat::Form {
    Q_OBJECT
public:
    frmMultiRuota();

    QLabel* lblOrdinamento;
    compat::ReportListView* ListViewMultiruote;
    QLabel* lblTotaleAlgoritmi;
    QPushButton* cmdReport;
    QPushButton* cmdStampa;
    QPushButton* cmdPrintToFile;
    QPushButton* cmdEsci;

    // The automatic search: the list emptied, its spia column named, its
    // input locked until fineRicerca(), whose `corsa` the output describes.
    void iniziaRicerca(const QString& intestazioneSpia);
    // A row appended (text, then tag, then sub-items 1..6) and counted.
    void aggiungiRiga(const CelleMultiRuota& celle, const QString& codice);
    void fineRicerca(const DescrizioneMultiRuota& corsa);
    bool ricercaInCorso() const { return ricercaInCorso_; }

    // The sort of the method-search list mirrored here: key (0-based), order, sentence.
    void ordinaCome(int chiave, Qt::SortOrder ordine, const QString& frase);

    // The rows in the order shown.
    std::vector<CelleMultiRuota> righe() const;

protected:
    void formLoad() override;
    void queryUnload(int unloadMode, bool& cancel) override;

private:
    // Each column as designed, widened to show its header and widest value whole.
    void dimensionaColonne();
    void ListViewMultiruote_Click();
    void ListViewMultiruote_ColumnClick(int colonna);
    void cmdReport_Click();
    void cmdEsci_Click();
    void cmdStampa_Click();
    void cmdPrintToFile_Click();

    bool ricercaInCorso_ = false;
    DescrizioneMultiRuota corsa_;
};
