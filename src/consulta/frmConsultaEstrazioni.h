#pragma once
// The consultation board: one draw on all wheels (or ten draws of one wheel)
// on 55 cells, stepped through by buttons, slider and date, shown as numbers,
// delays at the draw or frequencies in a period. A new board at each opening.
// Every handler changes the board's state and ends with the one redraw,
// Visualizza, which fills the cell model (consulta/Tabellone.h) and renders it.
#include "compat/ui/Form.h"
#include "consulta/Tabellone.h"

#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QSlider;
class QWidget;
class ArchivioMemoria;
class IndiceUscite;
struct ContestoAnalisi;
struct Intervallo;
namespace compat {
class ReportListView;
}

class frmConsultaEstrazioni : public compat::Form {
    Q_OBJECT
public:
    frmConsultaEstrazioni();
    ~frmConsultaEstrazioni() override;

    static QString titolo() { return QStringLiteral("Quorvane - Consulta estrazioni"); }

    // The grid.
    QGroupBox* Frame1;
    std::array<QLineEdit*, 56> txtEstratto{};   // 1..55
    std::array<QLabel*, 10> lblData{};
    std::array<QLabel*, 10> imgRuota{};
    QLabel* lblNazionale;
    QLabel* lblVisualizzazione;
    QLabel* Label1;                             // the grid's header
    QPushButton* cmdResize;

    // Compact navigation.
    QFrame* fraComandiSmall;
    QPushButton* cmdPrecPlus;
    QPushButton* cmdPrec;
    QDateEdit* DTPicker2;
    QPushButton* cmdConfermaSmall;
    QPushButton* cmdsucc;
    QPushButton* cmdSuccPlus;

    // Navigation and draw header.
    QGroupBox* Frame2;
    QPushButton* cmdFastPrec;
    QPushButton* cmdPrecedente;
    QPushButton* cmdSuccessiva;
    QPushButton* cmdFastSucc;
    QComboBox* cboSalto;
    QSlider* Slider1;
    QDateEdit* DTPicker1;
    QPushButton* cmdConferma;
    QLabel* lblNumeroAnnoEstraz;
    QLabel* lblAnnoEstrazione;
    QLabel* lblGiornoEstraz;
    QLabel* lblTotaleEstrazioni;

    // Analyses (their rules hook into VisualizzaAnalisi).
    QGroupBox* Frame6;
    QPushButton* cmdDecine;
    QPushButton* cmdCadenze;
    QPushButton* cmdFigure;
    QPushButton* cmdQuindicina;
    QPushButton* cmdComplementari;
    QPushButton* cmdSimmetrici;
    QPushButton* cmdGemelli;
    QPushButton* cmdVertibili;
    QPushButton* cmdRadicali;
    QPushButton* cmdTerzine;
    QPushButton* cmdReset;
    std::array<QPushButton*, 10> cmdNumero{};
    QLabel* lblDescrFamiglia;
    QLabel* lblNFamiglia;
    QCheckBox* chkOrdin;
    QPushButton* cmdStampa;
    QPushButton* cmdHelp;
    QPushButton* cmdEsci;

    QGroupBox* Frame3;
    QPushButton* cmdNumeriRipetuti;
    QPushButton* cmdAmbiRipetuti;
    QPushButton* cmdUsciti;
    QPushButton* cmdNonUsciti;
    QPushButton* cmdUscitiScorsa;
    QPushButton* cmdNonUscitiScorsa;
    QPushButton* cmd1x2;
    QPushButton* cmdPariDispari;
    QPushButton* cmdRitardi;
    QLineEdit* txtRitardo;
    QCheckBox* chkNumeriAmbiIsotopi;

    QGroupBox* Frame4;
    std::array<QPushButton*, 12> cmdRuota{};

    // Display modes and the frequency period.
    QGroupBox* fraTipi;
    std::array<QRadioButton*, 3> optTipoVis{};
    std::array<QLabel*, 3> Label7{};
    QGroupBox* fraPeriodo;
    std::array<QRadioButton*, 4> optPeriodo{};
    QLineEdit* txtNumeroEstrazioni;
    QLineEdit* txtCicli;
    QCheckBox* chkConsideraAttuale;
    QLabel* lblSorMedia;

    QGroupBox* Frame7;
    QPushButton* cmdSomma;
    QLineEdit* txtSomma;
    QCheckBox* chkF90;
    QCheckBox* chkIsotopi;
    QPushButton* cmdSommeUguali;
    QPushButton* cmdDistanza;
    QLineEdit* txtDistanza;
    QCheckBox* chlIsotopiDistanza;
    QPushButton* cmdDistanzeUguali;
    QPushButton* cmdSommeDistanze;

    // Row sum.
    QFrame* fraSomma;
    QLabel* lblSomma;
    QPushButton* cmdCancella;

    // Find panels, laid over the cells, and their summaries below them.
    QGroupBox* fraTrovaNumeri;
    std::array<QCheckBox*, 91> chkNumero{};
    QPushButton* cmdOk;
    QPushButton* cmdElimina;
    QGroupBox* fraRiepilogoNumeri;
    compat::ReportListView* ListViewNumeri;
    QPushButton* cmdEliminaNumeri;
    QGroupBox* fraSomme;
    std::array<QLineEdit*, 6> txtSommaTot{};
    std::array<QLineEdit*, 14> txtModello{};   // 0..5 sums, 13 down to 8 distances
    QCheckBox* chkTrovaF90;
    QPushButton* cmdOkSomme;
    QPushButton* cmdEliminaSomme;
    QGroupBox* fraRiepilogoSomme;
    std::array<QLineEdit*, 6> txtRiepilogoSomma{};
    std::array<QLabel*, 6> lblTotaleSomma{};
    QPushButton* cmdAzzeraSomme;
    QGroupBox* fraDistanze;
    std::array<QLineEdit*, 6> txtDistanzaTot{};
    QPushButton* cmdOkDistanze;
    QPushButton* cmdEliminaDistanze;
    QGroupBox* fraRiepilogoDistanze;
    std::array<QLineEdit*, 6> txtRiepilogoDistanza{};
    std::array<QLabel*, 6> lblTotaleDistanza{};
    QPushButton* cmdAzzeraDistanze;

    QMenuBar* barraMenu;
    QMenu* mnuMostra;
    QAction* mnuMostraNumeri;
    QAction* mnuMostraSomme;
    QAction* mnuMostraDistanze;
    QMenu* mnuVisualizza;
    QAction* mnuVisualizzaRiepilogo;

    // The board's state and its cells as last drawn.
    StatoTabellone Stato;
    const ModelloCelle& Celle() const { return celle_; }
    bool FormaRidotta() const { return formaRidotta_; }

    void Visualizza();
    void ImpostaVisualizzazione(int index);
    // False leaves the board without frequencies.
    bool CalcolaPeriodo();
    void InizializzaNavigazione();
    void NascondiNumeri();
    void SommaRuota(int riga);
    // The summary window's caption: the date of the draw shown.
    void TitoloAnalisi();
    // Shows the sums and distances table owned by this board and fills it.
    void AggiornaSommeDistanze();

protected:
    void formLoad() override;
    void formResize() override;
    void formUnload(bool& cancel) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void costruisci();
    void costruisciGriglia(QWidget* corpo);
    // The grid's two captions, above the cells or, in the compact width, below.
    void posizionaDidascalie(bool ridotta);
    void costruisciNavigazione(QWidget* corpo);
    void costruisciAnalisi(QWidget* corpo);
    void costruisciTipi(QWidget* corpo);
    void costruisciMenu();
    void collega();
    void collegaAnalisi();
    // The sum and distance analyses (frmConsultaEstrazioniSomme.cpp).
    void collegaCiclometria();
    void impostaCiclometria(ContestoAnalisi& c) const;
    // The find panels (frmConsultaEstrazioniTrova.cpp).
    void costruisciTrova(QWidget* corpo);
    void collegaTrova();
    void mostraPannelli(QGroupBox* pannello, QGroupBox* riepilogo);
    void nascondiPannelliTrova();
    void confermaObiettivi(const std::array<QLineEdit*, 6>& caselle, bool somme);
    void ElencaNumeriTrovati();
    void mostraTotali();
    void collegaSommeDistanze();
    // The redraw's last step: the open table refilled, its chart closed.
    void ridisegnaSommeDistanze();
    void lasciaSommeDistanze();
    bool filtroCaselle(QObject* o, QEvent* e);
    // A value box's range check, run when the focus leaves it for another
    // control of this board, unless a click on one of `propri` took it: they
    // check the value themselves when pressed.
    void convalidaUscendo(QLineEdit* t, Intervallo r, std::vector<QWidget*> propri);
    // The range check; a refusal keeps the focus in the box.
    void convalida(QLineEdit* t, Intervallo r);
    void chiudiRiepilogo();
    void cmdStampa_Click();
    void mostraRiepilogo(const QStringList& righe);

    void vaiA(qint32 estrazione);
    void cmdConferma_Click(QDateEdit* sorgente);
    void cmdRuota_Click(int index);
    void cmdResize_Click();
    // No analysis, no family, and the board redrawn unmarked.
    void annullaAnalisi();
    void cmdReset_Click();
    void mnuVisualizzaRiepilogo_Click();
    void Slider1_Change(int valore);

    void riempiTabellone(int& riga);
    void applicaModoEAnalisi(int& riga);
    // The redraw's later steps: the highlight analysis of TipoAnalisi.
    void VisualizzaAnalisi();
    void impostaSlider(qint32 massimo, qint32 valore);
    void disegnaCelle();

    std::shared_ptr<const ArchivioMemoria> vista_;
    std::shared_ptr<const IndiceUscite> indice_;
    ModelloCelle celle_;
    ModelloCelle disegnate_;          // what the text boxes show
    bool primoDisegno_ = true;
    bool RidisegnoInCorso = false;
    bool sliderDaCodice_ = false;
    bool convalidaInCorso_ = false;
    bool formaRidotta_ = false;
    double larghezzaPiena_ = 15585;   // twips; more where the font needs it
};
