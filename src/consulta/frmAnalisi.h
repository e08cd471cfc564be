#pragma once
// The summary window of the board's analyses: one for the whole program,
// filled by the board whose analysis ran last; it prints its lines.
#include "compat/ui/Form.h"

class QListWidget;
class QPushButton;

class frmAnalisi : public compat::Form {
    Q_OBJECT
public:
    frmAnalisi();

    QListWidget* lstAnalisi;
    QPushButton* cmdOk;
    QPushButton* cmdStampa;

protected:
    void formLoad() override;
    void formUnload(bool& cancel) override;

private:
    void allarga();
    void cmdStampa_Click();
};
