#pragma once
// The base address of the maker's site ("Url" of "Options").
#include "compat/ui/Form.h"

class QLineEdit;
class QPushButton;

class frmUrl : public compat::Form {
    Q_OBJECT
public:
    frmUrl();

    QLineEdit* txtUrl;
    QPushButton* cmdAggiorna;
    QPushButton* cmdEsci;

protected:
    void formLoad() override;

private:
    void txtUrl_Change();
    void cmdAggiorna_Click();
};

// The address frmUrl stores for a typed text: "http://" in front unless it
// begins with "http" (any case); nullopt when the result is shorter than 12
// characters.
std::optional<QString> UrlDaMemorizzare(const QString& testo);
