#pragma once
// Export: the recent draws written as an update file for another copy of the
// program.
#include "compat/ui/Form.h"

#include <array>

class QLabel;
class QPushButton;

class frmEsportazione : public compat::Form {
    Q_OBJECT
public:
    frmEsportazione();

    std::array<QLabel*, 2> Label1{};
    QLabel* lblUltima;
    QLabel* lblNumero;
    QLabel* Label2;
    QLabel* lblAnno;
    QPushButton* cmdEsporta;
    QPushButton* cmdEsci;
    QPushButton* cmdHelp;

protected:
    void formLoad() override;

private:
    void cmdEsporta_Click();
};
