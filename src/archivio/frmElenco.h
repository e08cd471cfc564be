#pragma once
// The table of draws: 36 draws a page with all eleven wheels, moved by the
// paging buttons, the scroll bar, the mouse wheel and a date; highlighted by
// the settings of frmEvidenziaElenco; printed or written to a text file.
#include "archivio/PaginaElenco.h"
#include "compat/ui/DatePicker.h"
#include "compat/ui/Form.h"

class GrigliaElenco;
class QCheckBox;
class QPushButton;
class QScrollBar;
class QWheelEvent;

class frmElenco : public compat::Form {
    Q_OBJECT
public:
    frmElenco();

    GrigliaElenco* lblGrid;
    QScrollBar* VScroll1;
    compat::DatePicker* DTPickerA;
    QPushButton* cmdPrecedente;
    QPushButton* cmdSuccessiva;
    QPushButton* cmdPrecedentePag;
    QPushButton* cmdSuccesivaPag;
    QPushButton* cmdUltima;
    QCheckBox* chkIndice;
    QPushButton* cmdEvidenzia;
    QPushButton* cmdSettaggi;
    QPushButton* cmdStampa;
    QPushButton* cmdPrintToFile;
    QPushButton* cmdHelp;

    // The page shown (its `ultima` is 0 before the first fill).
    const PaginaElenco& pagina() const { return pagina_; }

    // One draw back / forward, as a wheel notch does.
    void ScrollUp();
    void ScrollDown();

protected:
    void formLoad() override;
    void formActivate() override;
    void formUnload(bool& cancel) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void RiempiPagina(qint32 ultima);
    void Evidenzia();
    void VaiAData();
    void mostraData(qint32 estrazione);
    void vaiA(qint32 ultima, bool dataPrima);
    void fuocoAlloScorrimento();
    void estrazioniCambiate();
    void VScroll1_Change();
    void chkIndice_Click();
    void lblData_Click(int riga);
    void lblGrid_Click(int cella);
    void cmdStampa_Click();
    void cmdPrintToFile_Click();
    // True when the wheel event was taken (always, inside this window).
    bool rotella(QWheelEvent* e);

    PaginaElenco pagina_;
    bool rigaAlterna_ = false;
    int rotellaAccumulata_ = 0;
};
