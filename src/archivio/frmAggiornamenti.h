#pragma once
// Update from a file: open an update file, see where it ends, merge it.
#include "compat/files.h"
#include "compat/ui/Form.h"

#include <QByteArray>
#include <QDate>
#include <array>

class QLabel;
class QPushButton;

class frmAggiornamenti : public compat::Form {
    Q_OBJECT
public:
    frmAggiornamenti();

    std::array<QLabel*, 2> Label1{};
    QLabel* lblNumero;
    QLabel* Label2;
    QLabel* lblAnno;
    QLabel* Label3;
    QLabel* lblUltima;
    QLabel* lblFile;
    QPushButton* cmdApri;
    QPushButton* cmdAggiorna;
    QPushButton* cmdEsci;
    QPushButton* cmdHelp;

    // The update file this window holds open (empty when none).
    QString fileAperto() const { return file_.path(); }

protected:
    void formLoad() override;
    void queryUnload(int unloadMode, bool& cancel) override;

private:
    void cmdApri_Click();
    void cmdAggiorna_Click();
    void chiudiFile();

    QDate DataUltimaArchivio;
    compat::HeldOwnFile file_;
    QByteArray dati_;
    bool allineamentoInCorso_ = false;
};
