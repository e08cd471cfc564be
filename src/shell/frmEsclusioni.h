#pragma once
// The draw weekdays ("Giorni estrazione" of "Options") and the tips option.
#include "compat/ui/Form.h"

#include <array>

class QCheckBox;
class QLabel;
class QPushButton;

class frmEsclusioni : public compat::Form {
    Q_OBJECT
public:
    frmEsclusioni();

    std::array<QCheckBox*, 8> chkDay{};   // 1 = Sunday .. 7 = Saturday
    std::array<QLabel*, 8> lblDay{};
    QCheckBox* chkLoadTipsAtStartup;
    QPushButton* cmdOk;
    QPushButton* cmdAnnulla;
    QPushButton* cmdHelp;

protected:
    void formLoad() override;

private:
    void cmdOk_Click();
    void cmdAnnulla_Click();
    void cmdHelp_Click();
};
