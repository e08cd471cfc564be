#pragma once
// The draw entry window: browse the stored draws, correct one, or enter a new
// one (typed or pasted) and store it through the archive writer.
#include "compat/ui/Form.h"
#include "core/RecEstrazione.h"

#include <array>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSlider;

class frmInputEstrazioni : public compat::Form {
    Q_OBJECT
public:
    frmInputEstrazioni();

    static constexpr quint32 kCiano = 0xFFFFC0;   // boxes showing a stored draw
    static constexpr quint32 kBianco = 0xFFFFFF;  // boxes being typed into

    std::array<QLineEdit*, 56> txtEstratto{};   // 1..55
    QLineEdit* txtGiorno;
    QLineEdit* txtMese;
    QLineEdit* txtAnno;
    QPushButton* cmdPrecedente;
    QPushButton* cmdSuccessiva;
    QLabel* lblDescEstrazione;
    QLabel* lblNumeroAnnoEstraz;
    QLabel* lblAnnoEstrazione;
    QLabel* lblGiornoEstraz;
    QSlider* Slider1;
    QPlainTextEdit* Text1;
    QPushButton* cmdInserisci;
    QPushButton* cmdCancella;
    QPushButton* cmdAiuto;
    QPushButton* cmdNuova;
    QPushButton* cmdCorreggi;
    QPushButton* cmdMemorizza;
    QPushButton* cmdEsci;
    QLabel* lblTotaleEstrazioni;
    QLabel* Label2;
    QLabel* Label3;

    qint32 estrazioneCorrente() const { return EstrazioneCorrente; }

protected:
    void formLoad() override;
    void queryUnload(int unloadMode, bool& cancel) override;
    void formUnload(bool& cancel) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void creaControlli();
    void LeggiUltimaEstrazione();
    void MostraEstrazione();
    void cmdNuova_Click();
    void cmdInserisci_Click();
    void cmdCorreggi_Click();
    void cmdCancella_Click();
    void cmdMemorizza_Click();
    bool memorizza();
    void cmdPrecedente_Click();
    void cmdSuccessiva_Click();
    void Slider1_Change(int valore);
    void txtGiorno_Change();
    void txtEstratto_Validate(int indice);
    void tornaInConsultazione();
    void scriviData(QDate d);
    QDate dataCaselle() const;
    bool modoNuova() const;
    bool modoCorrezione() const;
    int richiesti() const;
    void rifiutaFuoriIntervallo(int casella);

    qint32 EstrazioneCorrente = 0;
    int UltimoAnno = 0;
    bool PrimaLetturaFatta = false;
    int GiornoSettimanaCorrente = 0;
    int GiornoEtichetta = 0;
    bool MostraInCorso = false;
    bool convalidaInCorso_ = false;
    bool scritturaInCorso_ = false;
    bool memorizzata_ = false;   // the last store completed
};
