#pragma once
// A message sent by the maker's server, shown as the opener wrote it.
#include "compat/ui/Form.h"

class QLabel;
class QPushButton;

class frmMessaggi : public compat::Form {
    Q_OBJECT
public:
    frmMessaggi();

    QLabel* Label1; // plain text: a server's text is never read as markup
    QPushButton* Command1;

protected:
    void formLoad() override;
};
