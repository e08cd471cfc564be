#pragma once
// The method-search window: spia, wheels, colpi and period are chosen here,
// the search runs from its compute button and its ranked rows become the
// current method (txtCapoGioco: description in the text, code in the "Tag"
// property) by a click.
#include "compat/ui/Form.h"
#include "shell/Controlli.h"

#include <QString>
#include <array>
#include <vector>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QElapsedTimer;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QToolButton;
class QTreeWidgetItem;
class QWidget;

namespace compat {
class ReportListView;
}
struct CombinazioneRuote;
struct ControlloRicerca;
struct EsitoMultiRuota;
struct OpzioniMultiRuota;
struct ParametriRicerca;

// Search and play wheels of a current method taken from the multi-wheel
// results ("Tutte", "Tutte+NZ" or codes joined by "-"); empty otherwise.
extern QString RuoteRicercaMulti;
extern QString RuoteGiocoMulti;

// The spia positions chosen in `frm` (chkPosDet, chkPosizione_1..5):
// element i (1..5) true when allowed; all when "Pos. determinata" is unticked.
class frmQuorvane;
std::array<bool, 6> DescrizionePosizioni(const frmQuorvane* frm);

// A box of the window reads as ticked when its value is 1.
bool spuntata(const QAbstractButton* b);
// The wheels 1..11 ticked in a row of wheel boxes, box 0 ("Tutte") standing
// for the ten regional ones.
std::array<bool, 12> ruoteSpuntate(const std::array<QToolButton*, 12>& caselle);

class frmQuorvane : public compat::Form, public FinestraAnalisi {
    Q_OBJECT
public:
    frmQuorvane();
    ControlliAnalisi controlliAnalisi() override;

    // Wheels (0 = "Tutte", 11 = Nazionale).
    std::array<QToolButton*, 12> chkRuota{};
    std::array<QToolButton*, 12> chkRuotaG{};
    QPushButton* cmdRicercaAutomatica;

    // Spia.
    std::array<QRadioButton*, 3> optSpia{};
    std::array<QRadioButton*, 3> optTipo{};
    QComboBox* cboNumero;
    QCheckBox* chkPosDet;
    std::array<QCheckBox*, 6> chkPosizione{};   // 1..5
    QCheckBox* chkStessaPosizione;
    QDateEdit* DTPRicerca;

    // Period, monthly index, colpi, validity positions.
    std::array<QRadioButton*, 2> optPeriodo{};
    compat::DatePicker* DTPickerDa;
    compat::DatePicker* DTPickerA;
    QLabel* lblIndiceDal;
    QLabel* lblIndiceAl;
    QComboBox* cboSortite;
    QLabel* lblDescriviRicerca;
    QComboBox* cboIndice;
    QComboBox* cboColpi;
    QCheckBox* chkUltime;
    std::array<QCheckBox*, 6> chkPosizioneA{};  // 1..5

    // Search and results.
    QPushButton* cmdCalcola;
    QProgressBar* ProgressBar1;
    QLabel* lblSortite;
    QLabel* lblOrdinamento;
    compat::ReportListView* ListViewOrdin;      // hidden sorter
    compat::ReportListView* ListViewOrdin2;

    // Current method and play date.
    QLineEdit* txtCapoGioco;
    QLabel* lblCapo;
    std::array<QPushButton*, 2> cmdReport{};
    QLineEdit* txtDataFine;
    QPushButton* cmdPrecedente;
    QPushButton* cmdSuccessiva;
    QPushButton* cmdVediNumeri;

    // Paired algorithms and numbers.
    QComboBox* cboAlgoAbbinati;
    QPushButton* cmdAlgoAbbinati;
    QPushButton* cmdCancellaAlgoritmiAbbinati;
    QListWidget* lstAlgoritmiAbbinati;
    QComboBox* cboNumAbbinati;
    QPushButton* cmdNumAbbinati;
    QPushButton* cmdCancellaNumeriAbbinati;
    QListWidget* lstNumeriAbbinati;

    // Automatic search.
    QGroupBox* fraRicercaAutomatica;
    QGroupBox* fraRRicerca;
    QGroupBox* fraRGioco;
    std::array<QRadioButton*, 3> optRicerca{};
    std::array<QRadioButton*, 4> optGioco{};    // 1..3
    QComboBox* cboQuanti;
    QPushButton* cmdAvviaRicercaAutomatica;
    QPushButton* cmdEsci;
    QPushButton* cmdTraduciAlgoMultiRuota;

    QPushButton* cmdHelp;

    // Validity positions (0 = at least one of 1..5).
    std::array<bool, 6> PosizioniValidita{};
    // The paired algorithms' 9-character codes, entry j for row j of
    // lstAlgoritmiAbbinati (entry 0 unused); emptied with that list.
    std::vector<QString> CodiciAlgoritmiAbbinati;
    int IndiceMassimo = 0;
    bool RicercaInterrotta = false;
    // Set by the automatic search while it drives the compute button.
    bool RicercaAutomaticaInCorso = false;

    // The number the code's formula gives on `estrazione`; 0 = the draw of
    // the play date, written back. 0 after a refused code or date.
    int CalcolaAlgoritmo(const QString& codice, qint32& estrazione);
    // The numbers the listed paired algorithms give on `estrazione`, taken
    // as CalcolaAlgoritmo takes it, appended to `numeri`; a row without its
    // 9-character code gives 0.
    void aggiungiNumeriAlgoritmiAbbinati(std::vector<int>& numeri, qint32& estrazione);
    void PulisciRisultati();
    void AggiornaIndiciPeriodo();
    int ContaRuoteRicerca() const;

protected:
    void formLoad() override;
    void queryUnload(int unloadMode, bool& cancel) override;
    void formUnload(bool& cancel) override;

private:
    void costruisci();
    void collega();

    void optSpia_Click();
    void optTipo_Click(int index);
    void optPeriodo_Click();
    void DTPickerA_Change();
    void DTPickerA_Click();
    void DTPickerDa_Change();
    void DTPickerDa_Click();
    void cboColpi_Click();
    void chkPosDet_Click();
    void chkPosizioneA_Click();
    void chkRuota_Click(int index);
    void chkRuotaG_Click(int index);
    void cmdPrecedente_Click();
    void cmdCalcola_Click();
    void ListViewOrdin2_Click(QTreeWidgetItem* riga);
    // A result row made the current method, its paired lists emptied, its
    // capogioco at the play draw shown; false, after the zero message, when
    // it gives none.
    bool rendiCorrente(const QString& descrizione, const QString& codice);
    void ListViewOrdin2_ColumnClick(int colonna);
    // The back-test of the current method (frmQuorvaneReport.cpp): 0 the
    // summary window, 1 the win details.
    void cmdReport_Click(int index);
    // The capogioco's paired algorithms and numbers and the numbers to play
    // (frmQuorvaneAbbinati.cpp).
    void collegaAbbinati();
    // The colpi typed in cboColpi, as the report reads them too; false, after
    // the message and with the focus there, when below 1 or too many to hold.
    bool chiediColpi(int& colpi);
    void cmdAlgoAbbinati_Click();
    void cmdCancellaAlgoritmiAbbinati_Click();
    void cmdNumAbbinati_Click();
    void cmdCancellaNumeriAbbinati_Click();
    void cmdVediNumeri_Click();

    // frmQuorvaneRicerca.cpp: the inputs read and checked up to the period
    // (false once a refusal was told), a refusal told, the search run.
    bool leggiParametri(ParametriRicerca& p);
    // "Numeri usciti il": the draw of DTPRicerca's date; false after a refusal.
    bool leggiDataRicerca(ParametriRicerca& p);
    void rifiuta(const ControlloRicerca& c);
    void eseguiRicerca(ParametriRicerca& p);
    // A search's progress shown on ProgressBar1, events let through about
    // every 30 ms of `orologio`; true once the user asked to stop.
    bool avanza(int valore, QElapsedTimer& orologio);

    // frmQuorvaneMulti.cpp: the play-date step, the automatic multi-wheel
    // search and the translation of its rows.
    void collegaMulti();
    void cmdSuccessiva_Click();
    // The play date on draw `estrazione`, the current method's capogioco there.
    void passaAllaData(qint32 estrazione);
    void cmdRicercaAutomatica_Click();
    void PreparaRicercaAutomatica();
    // The automatic-search frame closed: the window back at the height it
    // had before the frame opened.
    void chiudiPannelloAutomatico();
    void cmdAvviaRicercaAutomatica_Click();
    // Its runs, with the window's inputs locked and the stop button shown.
    EsitoMultiRuota eseguiMultiRuota(const ParametriRicerca& base,
                                     const std::vector<CombinazioneRuote>& combinazioni,
                                     const OpzioniMultiRuota& opzioni);
    void cmdTraduciAlgoMultiRuota_Click();
    void mostraIndice(QLabel* etichetta, qint32 estrazione);

    QWidget* corpo_ = nullptr;   // every input: disabled while a search runs
    bool ricercaInCorso_ = false;
    QString rifiutoMostrato_;    // the date refusal AggiornaIndiciPeriodo last told
    bool caricamentoPeriodo_ = false;
    QSize dimensioneSenzaPannello_; // while the automatic-search frame is open
};
