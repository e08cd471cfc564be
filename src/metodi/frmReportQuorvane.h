#pragma once
// The summary of the back-test of the current method: its lines, printed or
// written to a text file as they stand; "Dettaglio vincite" runs the
// back-test again for the win details.
#include "compat/ui/Form.h"

#include <QStringList>

class QListWidget;
class QPushButton;

class frmReportQuorvane : public compat::Form {
    Q_OBJECT
public:
    frmReportQuorvane();

    QListWidget* lstReport;
    QPushButton* cmdStampa;
    QPushButton* cmdPrintToFile;
    QPushButton* cmdDettaglio;
    QPushButton* cmdOk;

    QStringList righe() const;

protected:
    void formLoad() override;

private:
    void cmdStampa_Click();
    void cmdPrintToFile_Click();
};
