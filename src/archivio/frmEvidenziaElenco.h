#pragma once
// What the table of draws highlights: numbers picked on a board of 90 or by
// formation, with the minimum of them wanted on one wheel, or one of the
// pair and repeat analyses. Each change repaints the table at once.
#include "compat/ui/Form.h"

#include <array>

class QComboBox;
class QLabel;
class QPushButton;

class frmEvidenziaElenco : public compat::Form {
    Q_OBJECT
public:
    frmEvidenziaElenco();

    std::array<QLabel*, 90> lblTabella{};
    QLabel* lblSelezionati;
    QPushButton* cmdCancella;
    std::array<QPushButton*, 8> cmdFormazione{};
    std::array<QPushButton*, 10> cmdNumero{};
    QComboBox* cboSorte;
    std::array<QPushButton*, 4> cmdRipetuti{}; // 1..3

    // Recounts the selected numbers into lblSelezionati.
    void AggiornaTabella();

protected:
    void formLoad() override;
    void formUnload(bool& cancel) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void Ridisegna();
    void colora(int n, bool scelto);
    void cmdCancella_Click();
    void lblTabella_Click(int indice);
    void cmdFormazione_Click(int indice);
    void cmdNumero_Click(int indice);
    void cmdRipetuti_Click(int indice);
    void abilitaCifre(int da, int a);

    int FormazioneScelta = 0;
};
