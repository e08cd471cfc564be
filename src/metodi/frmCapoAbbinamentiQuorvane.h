#pragma once
// What to play after the play draw: the play wheels, the capogioco and the
// numbers paired with it, as the numbers-to-play command of the method-search
// window left them. A new window opens at each press, away from the others;
// it prints its image and writes its four lines to a text file.
#include "compat/ui/Form.h"

#include <QString>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

class frmCapoAbbinamentiQuorvane : public compat::Form {
    Q_OBJECT
public:
    frmCapoAbbinamentiQuorvane();

    static QString titolo();

    std::array<QLabel*, 2> Label1{};
    QLineEdit* txtRuote;
    QLabel* Label2;
    QLineEdit* txtCapoGioco;
    QLabel* lblMultiSegnalazione;
    QLabel* Label4;
    QLineEdit* txtAbbinamentiAlgoritmi;
    QLabel* Label5;
    QLineEdit* txtAbbinamentiCapogioco;
    QPushButton* cmdStampa;
    QPushButton* cmdPrintToFile;
    QPushButton* cmdOk;

    // The file's four lines, with the method window's play date as it reads now.
    QStringList righeFile() const;

protected:
    void formLoad() override;
    void formUnload(bool& cancel) override;

private:
    void cmdStampa_Click();
    void cmdPrintToFile_Click();
};
