#pragma once
// The about box: name, version, the maker's mail address, system information.
#include "compat/ui/Form.h"

#include <array>

class QFrame;
class QLabel;
class QPushButton;

// The maker's contact address shown and mailed by the about box.
extern const QString IndirizzoMailAutore;

class frmAboutMe : public compat::Form {
    Q_OBJECT
public:
    frmAboutMe();

    QLabel* Image1;
    QLabel* lblTitle;
    QLabel* lblVersion;
    std::array<QLabel*, 2> Label1{}; // index 1 only
    QLabel* lblMail;
    QLabel* lblDisclaimer;
    std::array<QFrame*, 2> Line1{};
    QFrame* Line2;
    QPushButton* cmdSysInfo;
    QPushButton* cmdOk;

    // Starts the desktop's system-information tool or says it is missing.
    void StartSysInfo();

protected:
    void formLoad() override;
    void mouseMoveEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
