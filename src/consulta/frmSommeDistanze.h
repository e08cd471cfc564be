#pragma once
// The sums and distances table: one window for the whole program, filled by
// the board that showed it last and refilled by that board's every redraw.
// It belongs to no board: when the board that filled it closes, the table
// stays open with what it shows, and its switch then refills nothing until
// another board fills it.
#include "compat/ui/Form.h"
#include "consulta/SommeDistanze.h"

#include <QPointer>
#include <array>

class QLabel;
class QPushButton;
class frmConsultaEstrazioni;

// True while the table is loaded: the boards' redraws refill it only then.
extern bool SommeDistanzeAperto;

class frmSommeDistanze : public compat::Form {
    Q_OBJECT
public:
    frmSommeDistanze();

    std::array<QLabel*, 12> lblRuota{};       // 1..11
    std::array<QLabel*, 10> lblEtichetta{};   // 0..9
    std::array<QLabel*, 111> lblSomma{};      // 1..110
    std::array<QLabel*, 111> Label1{};        // 1..110, the distances
    std::array<QLabel*, 10> Label2{};         // "So"
    std::array<QLabel*, 10> Label3{};         // "Di"
    QLabel* lblDescrizioneRuota;
    QLabel* Label4;
    QLabel* Label5;
    QPushButton* chkColonne;   // toggle buttons, exactly one down
    QPushButton* chkRighe;
    QPushButton* cmdStampa;
    QPushButton* cmdPrintToFile;

    // Shows the table owned by `tabellone` and fills it from that board.
    void Riempi(frmConsultaEstrazioni* tabellone, const TabellaSommeDistanze& t);
    // The board whose draw the table shows; null once that board has closed.
    frmConsultaEstrazioni* Tabellone() const;
    // A board closing: the table, when that board owns it, stays open on its own.
    void TabelloneChiuso(frmConsultaEstrazioni* tabellone);
    // Equal values marked within pair columns (else within rows).
    bool PerColonne() const;
    // The table as its controls show it.
    TabellaSommeDistanze Contenuto() const;

protected:
    void formLoad() override;
    void formUnload(bool& cancel) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void costruisci();
    void interruttore(QPushButton* cliccata, QPushButton* altra);
    void mostraGrafico(const DatiGrafico& g);
    void cmdPrintToFile_Click();
    void cmdStampa_Click();

    QPointer<frmConsultaEstrazioni> tabellone_;
};
