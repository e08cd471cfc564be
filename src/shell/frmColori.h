#pragma once
// The three colours of the common look, applied to every open window on
// confirm.
#include "compat/ui/Form.h"

#include <array>

class QLabel;
class QPushButton;

class frmColori : public compat::Form {
    Q_OBJECT
public:
    frmColori();

    std::array<QPushButton*, 3> cmdColore{};
    QLabel* lblForm;
    QLabel* Label1;
    QLabel* lblPath;
    QPushButton* cmdDefault;
    QPushButton* cmdOk;
    QPushButton* cmdEsci;

protected:
    void formLoad() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cmdColore_Click(int index);
    void cmdDefault_Click();
    void cmdOk_Click();
    void Label1_DblClick();
    void lblPath_DblClick();
};
