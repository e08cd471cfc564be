#pragma once
// Update over the internet: the server's message, the update file fetched,
// checked, confirmed and merged.
#include "compat/ui/Form.h"

#include <QByteArray>
#include <QDate>
#include <array>

class QLabel;
class QPushButton;

class frmAggiornaInternet : public compat::Form {
    Q_OBJECT
public:
    frmAggiornaInternet();

    std::array<QLabel*, 1> Label1{};
    QLabel* lblNumero;
    QLabel* Label2;
    QLabel* lblAnno;
    QLabel* Label3;
    QLabel* lblUltima;
    QPushButton* cmdScarica;
    QLabel* lblStatus;
    QPushButton* cmdAnnulla;
    QPushButton* cmdEsci;
    QPushButton* cmdHelp;
    QPushButton* cmdApri;
    QPushButton* cmdAggiorna;

protected:
    void formLoad() override;
    void queryUnload(int unloadMode, bool& cancel) override;

private:
    void cmdScarica_Click();
    void scarica(int& passaggio, QByteArray& ricevuti);
    void cmdApri_Click();
    void cmdAggiorna_Click();
    void cmdAnnulla_Click();
    void Inet1_StateChanged(int stato);
    QString percorsoLocale() const;

    QDate DataUltimaArchivio;
    bool Annullato = false;
    bool ErroreConnessione = false;
    bool inCorso_ = false;      // a download or a merge is running
    bool scaricando_ = false;   // the download is running
    QByteArray dati_;
};
