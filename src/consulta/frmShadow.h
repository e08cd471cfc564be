#pragma once
// The board's print layout: never shown; a board copies what it shows into it
// and prints its image.
#include "compat/ui/Form.h"

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;

class frmShadow : public compat::Form {
    Q_OBJECT
public:
    frmShadow();

    QLineEdit* txtEstrazione;
    QGroupBox* Frame1;
    std::array<QLineEdit*, 56> txtEstratto{};   // 1..55
    std::array<QLabel*, 10> imgRuota{};
    std::array<QLabel*, 10> lblData{};
    QLabel* lblNazionale;
    QLabel* Label1;
    QLineEdit* txtDescrizione;
};
