#pragma once
// The chart of one column or one row of the sums and distances table: the
// sums and the distances as two series, drawn as bars or as lines.
#include "compat/ui/Form.h"
#include "consulta/SommeDistanze.h"

#include <array>

class QChartView;
class QLabel;
class QPushButton;

class frmGraficoSomme : public compat::Form {
    Q_OBJECT
public:
    // The chart types the type button switches between.
    static constexpr int kBarre2D = 1;
    static constexpr int kLinee2D = 3;

    frmGraficoSomme();

    QChartView* MSChart1;
    QLabel* lblDescrizione;
    std::array<QLabel*, 2> Label1{};   // the legend's squares
    std::array<QLabel*, 2> Label2{};   // "Somme", "Distanze"
    QPushButton* cmdTipoGrafico;
    QPushButton* cmdStampa;

    // Title, rows and values; the chart type stays as it is.
    void Carica(const DatiGrafico& g);
    const DatiGrafico& Dati() const { return dati_; }
    int TipoGrafico() const { return tipo_; }
    void ImpostaTipoGrafico(int tipo);

protected:
    void formLoad() override;
    void formResize() override;
    void formUnload(bool& cancel) override;

private:
    void disegna();
    void cmdTipoGrafico_Click();
    void cmdStampa_Click();

    DatiGrafico dati_;
    int tipo_ = kBarre2D;
};
