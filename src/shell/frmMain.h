#pragma once
// The main window: start-up work on Load, the menus that open every other
// window, the last stored draw, the restrictions panel; its Unload ends the
// program.
#include "compat/ui/Form.h"

#include <array>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QStatusBar;

class frmMain : public compat::Form {
    Q_OBJECT
public:
    frmMain();

    // The last stored draw in the update panel.
    void MostraUltimaEstrazione();

    // Update panel.
    QFrame* Picture1;
    std::array<QPushButton*, 1> cmdScarica{};
    QLabel* lblDescrizioneDownload;
    QLabel* Label4;
    QLabel* Label5;
    // Restrictions panel, drawn by MostraRestrizioni.
    QFrame* Picture2;
    QLabel* Label1;
    std::array<QLabel*, 4> lblRestrizioni{};
    QLabel* lblNessuna;
    QPushButton* cmdCambiaImpostazioniRestrizione;

    QPushButton* Command1;
    // Wheel pictures (0 "Tutte", 1..11), plain and highlighted, copied by the
    // analysis windows into their wheel boxes.
    std::array<QLabel*, 12> picRuota{};
    std::array<QLabel*, 12> picRuotaGialla{};
    QStatusBar* sbStatusBar;

    QMenuBar* barraMenu;
    QMenu* mnuEstrazioni;
    QAction* mnuEstrazioniInserisci;
    QAction* mnuEstrazioniConsulta;
    QAction* mnuEstrazioniTabella;
    QAction* mnuEstrazioniAggiorna;
    QAction* mnuEstrazioniAggiornaInt;
    QAction* mnuEstrazioniEsporta;
    QAction* mnuEstrazioniStampa;
    QAction* mnuQuorvane;
    QAction* mnuSommativoAmbi;
    QMenu* mnuStrumenti;
    QAction* mnuStrumentiRestrizioni;
    QAction* mnuStrumentiOpzioni;
    QAction* mnuStrumentiWeb;
    QAction* mnuStrumentiUrl;
    QAction* mnuColori;
    QAction* mnuStrumentiPannello;
    QMenu* mnuHelp;
    QAction* mnuHelpSommario;
    QAction* mnuHelpAbout;

protected:
    void formLoad() override;
    void formActivate() override;
    void formResize() override;
    void queryUnload(int unloadMode, bool& cancel) override;
    void formUnload(bool& cancel) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    void creaMenu();
    void creaPannelli(QWidget* area);
    void creaImmaginiRuote(QWidget* area);
    void mnuColori_Click();
    void cmdCambiaImpostazioniRestrizione_Click();
    void mnuStrumentiWeb_Click();
    void mnuStrumentiPannello_Click();
    void mnuHelpSommario_Click();
};

// The main window's geometry from section "Forms" for a screen of the given
// size (twips): Left, Top, Width, Height. A key that is empty or no number
// takes its default.
struct GeometriaMain {
    double left = 0, top = 0, width = 0, height = 0;
};
GeometriaMain LeggiGeometriaMain(double schermoLargo, double schermoAlto);

