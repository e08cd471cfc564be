#include "consulta/frmConsultaEstrazioni.h"

// The display modes and the frequency period of the board.
#include "compat/vbdate.h"
#include "compat/ui/Controls.h"
#include "consulta/IndiceUscite.h"
#include "core/ArchivioMemoria.h"
#include "core/Procedure.h"
#include "shell/modArchivio.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace compat;

void frmConsultaEstrazioni::ImpostaVisualizzazione(int index)
{
    const bool periodo = index == 2;
    for (QRadioButton* o : optPeriodo)
        o->setEnabled(periodo);
    txtNumeroEstrazioni->setEnabled(periodo);
    txtCicli->setEnabled(periodo);
    chkConsideraAttuale->setEnabled(periodo);
    lblSorMedia->setVisible(periodo);

    Stato.TipoVisualizzazione = index;
    static const char* didascalie[] = {"Numeri estratti", "Ritardi alla sortita", "Frequenze nel periodo"};
    lblVisualizzazione->setText(QString::fromLatin1(didascalie[index]));
    for (int i = 0; i <= 2; ++i) {
        QFont f = Label7[i]->font();
        f.setBold(i == index);
        Label7[i]->setFont(f);
    }
    // The find searches go before the reset's redraw: in the other modes the
    // cells hold delays or counts, not numbers.
    Stato.TrovaNumeri = Stato.TrovaSomme = Stato.TrovaDistanze = false;
    vbPress(cmdReset);

    const bool numeri = index == 0;
    for (QWidget* w : std::initializer_list<QWidget*>{
             cmdCadenze, cmdDecine, cmdFigure, cmdQuindicina, cmdComplementari, cmdSimmetrici,
             cmdRadicali, cmdGemelli, cmdVertibili, cmdTerzine, cmdNumeriRipetuti, cmdAmbiRipetuti,
             chkNumeriAmbiIsotopi, cmdSomma, txtSomma, chkF90, chkIsotopi, cmdSommeUguali,
             cmdDistanza, txtDistanza, chlIsotopiDistanza, cmdDistanzeUguali})
        w->setEnabled(numeri);
    for (QPushButton* b : cmdNumero)
        b->setEnabled(numeri);
    // The all-wheels analyses, and the delay marking that maps rows to
    // wheels, only where the rows are the wheels.
    const bool tutte = numeri && Stato.RuotaSingola == 0;
    for (QWidget* w : std::initializer_list<QWidget*>{cmdUsciti, cmdNonUsciti, cmdPariDispari,
                                                      cmdUscitiScorsa, cmdNonUscitiScorsa, cmd1x2,
                                                      cmdRitardi, txtRitardo})
        w->setEnabled(tutte);
    for (QAction* a : {mnuMostraNumeri, mnuMostraSomme, mnuMostraDistanze})
        a->setEnabled(numeri);
    if (!numeri)
        nascondiPannelliTrova();
}

bool frmConsultaEstrazioni::CalcolaPeriodo()
{
    Stato.SortitaMedia = 0;
    const auto v = vista_ ? vista_ : vistaArchivio(Archivio());
    ParametriPeriodo p;
    p.opzione = -1;
    for (int i = 0; i <= 3; ++i)
        if (optPeriodo[i]->isChecked())
            p.opzione = i;
    p.dataMostrata = DTPicker1->date();
    p.estrazioni = txtNumeroEstrazioni->text();
    p.cicli = txtCicli->text();
    p.escludiAttuale = chkConsideraAttuale->isChecked();
    const auto periodo = ::CalcolaPeriodo(p, *v, [](QDate d) -> std::optional<qint32> {
        CercaPrecedente = false;
        CercaEstrazione(vbDateText(d));
        if (DataErrata)
            return std::nullopt;
        return EstrazioneTrovata;
    });
    if (!periodo)
        return false;
    Stato.InizioPeriodo = periodo->inizio;
    Stato.FinePeriodo = periodo->fine;
    Stato.SortitaMedia = periodo->sortitaMedia;
    return true;
}

