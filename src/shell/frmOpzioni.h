#pragma once
// The search restrictions (section "Restrizioni"): weekdays, months, or a
// period of the calendar year.
#include "compat/ui/Form.h"

#include <array>

class QCheckBox;
class QComboBox;
class QPushButton;

class frmOpzioni : public compat::Form {
    Q_OBJECT
public:
    frmOpzioni();

    QCheckBox* chkGiorni;
    std::array<QCheckBox*, 8> chkDay{};     // 1 = Sunday .. 7 = Saturday
    QCheckBox* chkMesi;
    std::array<QCheckBox*, 13> chkMese{};   // 1 = January .. 12
    QCheckBox* chkPeriodo;
    std::array<QComboBox*, 2> cboGiorno{};  // 0 start, 1 end
    std::array<QComboBox*, 2> cboMese{};
    QPushButton* cmdOk;
    QPushButton* cmdAnnulla;
    QPushButton* cmdHelp;

protected:
    void formLoad() override;
    void formUnload(bool& cancel) override;

private:
    void chkGiorni_Click();
    void chkMesi_Click();
    void chkPeriodo_Click();
    void cmdOk_Click();
    void cmdAnnulla_Click();
    void cmdHelp_Click();
    void CaricaRestrizioni();
    void SalvaRestrizioni();
};
