#pragma once
// The summative pairs window: one wheel, a monthly index, colpi, cycles and
// an end date; the search ranks every pair formula over the cycles, a row's
// click plays its formula cycle by cycle, and both lists go to text files
// and to the printer.
#include "compat/ui/Form.h"
#include "shell/Controlli.h"
#include "sommativa/UscitaSommativa.h"

#include <QString>
#include <array>

class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QToolButton;
class QTreeWidgetItem;
class QWidget;
struct CalendarioMensile;

namespace compat {
class ReportListView;
}

class frmSommativaAmbi : public compat::Form, public FinestraAnalisi {
    Q_OBJECT
public:
    frmSommativaAmbi();

    // The wheel boxes 1..11 and the period pickers CaricaRuote fills.
    ControlliAnalisi controlliAnalisi() override;

    QGroupBox* fraRuote;
    std::array<QToolButton*, 12> chkRuota{};   // 1..11
    QGroupBox* Frame4;
    QComboBox* cboIndice;
    QGroupBox* fraColpi;
    QLineEdit* txtColpi;
    QGroupBox* Frame2;
    std::array<QLabel*, 5> Label{};
    QLineEdit* txtGiocate;
    QLabel* Label4;
    compat::DatePicker* DTPickerA;
    QLabel* lblIndiceAl;
    QPushButton* cmdPrecedente;
    QPushButton* cmdSuccessiva;
    QPushButton* cmdUltima;
    QPushButton* cmdCalcolaData;
    QLineEdit* txtQuanti;
    QPushButton* cmdCalcola;
    QProgressBar* ProgressBar1;
    compat::ReportListView* ListViewRisultati;
    QPushButton* cmdPrintToFile;
    QPushButton* cmdStampa;
    QDateEdit* DTPickerDaAnalisi;
    QDateEdit* DTPickerAAnalisi;
    QPushButton* cmdCalcolaRisultati;
    QLabel* lblDettaglio;                       // formula code in its "Tag" property
    compat::ReportListView* ListViewDettaglio;
    QPushButton* cmdPrintTofileDettagli;
    QPushButton* cmdStampaDettagli;
    QPushButton* cmdHelp;
    QDateEdit* DTPickerDa;                      // filled by CaricaRuote, read by nobody

    int RuotaScelta = 0;
    int IndiceMassimo = 0;
    bool AllineamentoInCorso = false;

    // The start draw of the simulation, or 0 after a message.
    qint32 CalcolaNumeroIniziale();
    void PulisciRisultati();
    void AllineaDataFinale();
    void CalcolaRisultati();

protected:
    void formLoad() override;
    void queryUnload(int unloadMode, bool& cancel) override;
    void formUnload(bool& cancel) override;

private:
    void costruisci();
    void collega();

    void chkRuota_Click(int index);
    void cmdPrecedente_Click();
    void cmdSuccessiva_Click();
    void cmdUltima_Click();
    void cmdCalcolaData_Click();
    void cmdCalcola_Click();
    void ListViewRisultati_ItemClick(QTreeWidgetItem* riga);
    void ListViewRisultati_ColumnClick(int colonna);
    void cmdPrintToFile_Click();
    void cmdPrintTofileDettagli_Click();
    void cmdStampa_Click();
    void cmdStampaDettagli_Click();

    // Input checks with their messages; 0 when refused.
    int leggiColpi();
    int leggiCicli();
    // The monthly index again when draws were stored since it was built.
    void aggiornaIndice();
    // "1".."IndiceMassimo", "Ultima" in cboIndice, item `scelta` selected.
    void riempiIndici(int scelta);
    CalendarioMensile calendario() const;
    void eseguiRicerca(qint32 inizio, qint32 fine, int colpi, int cicli, int quanti);
    std::vector<RigaRisultato> righeRisultati() const;
    std::vector<RigaDettaglioTesto> righeDettaglio() const;

    QWidget* corpo_ = nullptr;
    qint32 estrazioniIndice_ = 0;   // draws numbered by the monthly index
    bool ricercaInCorso_ = false;
    bool fermaRicerca_ = false;
    bool chiudiDopo_ = false;
    // What produced the listed results and detail.
    DescrizioneSimulazione corsa_;
    qint32 inizioCorsa_ = 0;
    QString descrizioneDettaglio_;
};
