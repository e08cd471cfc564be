#pragma once
// Printing the draws of a period: a list of one wheel or of all wheels,
// optionally one month of every year or the draw nearest a day of every
// year, or the detailed grid of one wheel.
#include "compat/ui/Form.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
struct RichiestaStampa;

class frmStampaEstrazioni : public compat::Form {
    Q_OBJECT
public:
    frmStampaEstrazioni();

    QLabel* lblDa;
    QDateEdit* DTPickerDa;
    QLabel* lblA;
    QDateEdit* DTPickerA;
    QLabel* lblRuota;
    QComboBox* cboRuota;
    QCheckBox* chkMeseDi;
    QComboBox* cboMesi;
    QCheckBox* chkData;
    QComboBox* cboGiorno;
    QComboBox* cboMesi1;
    QLabel* lblSpiegazione;
    QCheckBox* chkDettagliata;
    QPushButton* cmdStampa;
    QPushButton* cmdHelp;

protected:
    void formLoad() override;

private:
    void chkMeseDi_Click();
    void chkData_Click();
    void cmdStampa_Click();
    // Steps 1-2 of the print command: the draw of a picker's date; false when
    // the date is refused.
    bool estremoPeriodo(QDateEdit* picker, bool precedente, qint32& estrazione);
    // The request for the chosen layout and filters; false (after its
    // message) when the near-date day does not exist.
    bool richiesta(RichiestaStampa& r);
};
