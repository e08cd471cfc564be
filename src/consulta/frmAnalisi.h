#pragma once
// The summary window of the board's analyses: one for the whole program,
// filled by the board whose analysis ran last; it prints its lines.
#include "compat/ui/Form.h"

class QListWidget;
class QPushButton;

class frmAnalisi : public compat::Form {
    Q_OBJECT
public:
    frmAnalisi();

    QListWidget* lstAnalisi;
    QPushButton* cmdOk;
    QPushButton* cmdStampa;

    // Just opened by a board over its cells `celle`, with no place of its
    // own stored: the window moves beside the board, or, where the screen
    // has no room beside it, to the screen's side away from the cells.
    // Elsewhere, or at the place it was closed at, it stays.
    void scostaDalleCelle(const compat::Form* tabellone, const QWidget* celle);

protected:
    void formLoad() override;
    void formUnload(bool& cancel) override;

private:
    void allarga();
    void cmdStampa_Click();

    // A place of its own stored: the boards leave it there.
    bool postoSalvato_ = false;
};
