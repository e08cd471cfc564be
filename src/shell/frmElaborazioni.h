#pragma once
// The progress window of the method searches: the job's text and a stop
// button. The search that shows it is the one that unloads it.
#include "compat/ui/Form.h"

class QLabel;
class QPushButton;

class frmElaborazioni : public compat::Form {
    Q_OBJECT
public:
    frmElaborazioni();

    QLabel* lblDescrizioneJob;
    QPushButton* cmdStop;

protected:
    void formLoad() override;
    void queryUnload(int unloadMode, bool& cancel) override;

private:
    void cmdStop_Click();
};
