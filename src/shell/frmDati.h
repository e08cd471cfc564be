#pragma once
// The search period window: start and end draw of the period the analyses
// scan, saved to section "Settings" at every change. The program never shows
// it: AggiornaFineRicerca loads it hidden to move the end to the newest draw.
#include "compat/ui/Form.h"

#include <array>

class QCheckBox;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

class frmDati : public compat::Form {
    Q_OBJECT
public:
    frmDati();

    QSlider* SliderDal;
    QSlider* SliderAl;
    QDateEdit* dtpDataInizio;
    QDateEdit* dtpDataFine;
    QLineEdit* txtNumEstrazioneInizio;
    QLineEdit* txtNumEstrazioneFine;
    QCheckBox* chkLock;
    QLabel* lblQuanteEstrazioni;
    QFrame* Picture1;
    std::array<QPushButton*, 13> cmdCambioData{};   // 1..12
    std::array<QLabel*, 4> Label2{};

protected:
    void formLoad() override;
    void queryUnload(int unloadMode, bool& cancel) override;
    void formUnload(bool& cancel) override;
    bool event(QEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void cmdCambioData_Click(int indice);
    void dtpData_Change(bool inizio);
    void AggiornaPeriodo(bool inizio);
    void SalvaPeriodo();
    void disegnaBarra();

    double Scala = 0;
    qint32 Ampiezza = 0;
    bool InAggiornamento = false;
    bool Caricamento = false;
    bool inDataInizio = false;
    bool inDataFine = false;
};
