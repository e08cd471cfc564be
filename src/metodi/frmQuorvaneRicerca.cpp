// The compute button of the method-search window: its inputs read and
// checked, the search run and its rows listed.
#include "metodi/frmQuorvane.h"

#include "compat/vb.h"
#include "compat/vbdate.h"
#include "compat/ui/Controls.h"
#include "compat/ui/Platform.h"
#include "compat/ui/ReportListView.h"
#include "core/CalendarioEstrazioni.h"
#include "metodi/RicercaMetodi.h"
#include "shell/frmElaborazioni.h"
#include "shell/modArchivio.h"
#include "shell/modCalendario.h"
#include "shell/modElaborazione.h"
#include "shell/modRestrizioni.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QToolButton>
#include <algorithm>

using namespace compat;

void frmQuorvane::rifiuta(const ControlloRicerca& c)
{
    vbMsgBox(c.messaggio, c.esclamativo ? vbExclamation : vbOKOnly);
    switch (c.fuoco) {
    case ControlloRicerca::Fuoco::Colpi: cboColpi->setFocus(); break;
    case ControlloRicerca::Fuoco::Numero: cboNumero->setFocus(); break;
    case ControlloRicerca::Fuoco::Sortite: cboSortite->setFocus(); break;
    case ControlloRicerca::Fuoco::Nessuno: break;
    }
}

bool frmQuorvane::leggiParametri(ParametriRicerca& p)
{
    Forms::current = this;
    p.posizioniSpia = DescrizionePosizioni(this);
    p.posizioniValidita = PosizioniValidita;
    if (const ControlloRicerca c = controllaPosizioni(p); !c.ok()) {
        rifiuta(c);
        return false;
    }

    // The period's ends: a refused date ends the search (its lookup said why).
    p.perSortite = optPeriodo[1]->isChecked();
    if (!p.perSortite) {
        CercaPrecedente = false;
        CercaEstrazione(vbDateText(DTPickerDa->date()));
        if (DataErrata)
            return false;
        p.estrazioneInizio = EstrazioneTrovata;
        vbSetDate(DTPickerDa, DataTrovata);
    }
    CercaPrecedente = true;
    CercaEstrazione(vbDateText(DTPickerA->date()));
    if (DataErrata)
        return false;
    p.estrazioneFine = EstrazioneTrovata;
    vbSetDate(DTPickerA, DataTrovata);
    if (p.perSortite)
        p.estrazioneInizio = 1;

    p.colpi = interoDigitatoOZero(cboColpi->currentText());
    p.ultimeEstrazioni = spuntata(chkUltime);
    p.ruoteRicerca = ruoteSpuntate(chkRuota);
    p.ruoteGioco = ruoteSpuntate(chkRuotaG);
    p.tipoSpia = optSpia[1]->isChecked()   ? TipoSpia::Somma
                 : optSpia[2]->isChecked() ? TipoSpia::Differenza
                                           : TipoSpia::Numero;
    p.tuttiIValori = optTipo[1]->isChecked();
    if (!p.tuttiIValori)
        p.valoreSpia = interoDigitatoOZero(cboNumero->currentText());
    if (p.perSortite)
        p.sortite = interoDigitatoOZero(cboSortite->currentText());
    p.indiceScelto = cboIndice->currentIndex();
    p.indiceMassimo = IndiceMassimo;
    p.numeriUscitiIl = optTipo[2]->isChecked();
    p.stessaPosizione = spuntata(chkStessaPosizione);
    return true;
}

bool frmQuorvane::leggiDataRicerca(ParametriRicerca& p)
{
    // A date without a draw takes the draw before it; the picker shows the draw used.
    CercaPrecedente = true;
    CercaEstrazione(vbDateText(DTPRicerca->date()));
    if (DataErrata)
        return false;
    vbSetDate(DTPRicerca, DataTrovata);
    p.estrazioneData = EstrazioneTrovata;
    return true;
}

void frmQuorvane::cmdCalcola_Click()
{
    if (ElaborazioneAttiva())
        return;
    txtCapoGioco->setProperty("Tag", QString());
    ParametriRicerca p;
    if (!leggiParametri(p))
        return;
    const ControlloRicerca c = controllaParametri(p);
    // The date search looks its draw up before it asks for the number of
    // cases, its last check: a refused date is told alone.
    if (p.numeriUscitiIl && (c.ok() || c.errore == ControlloRicerca::Errore::Sortite)
        && !leggiDataRicerca(p))
        return;
    if (!c.ok()) {
        if (c.risultatiPuliti)
            PulisciRisultati();
        rifiuta(c);
        return;
    }
    PulisciRisultati();
    eseguiRicerca(p);
}

bool frmQuorvane::avanza(int valore, QElapsedTimer& orologio)
{
    ProgressBar1->setValue(std::clamp(valore, ProgressBar1->minimum(), ProgressBar1->maximum()));
    if (orologio.elapsed() >= 30) {
        vbDoEvents();
        orologio.restart();
    }
    return StopRicerca || platform().keyboard().escDown();
}

void frmQuorvane::eseguiRicerca(ParametriRicerca& p)
{
    FlagScope inCorso(ricercaInCorso_);
    CalcoloScope calcolo;   // busy, StopRicerca and the Esc latch cleared
    if (!RicercaAutomaticaInCorso) {
        RuoteRicercaMulti.clear();
        RuoteGiocoMulti.clear();
        frmElaborazioni* elaborazioni = Forms::get<frmElaborazioni>();
        elaborazioni->lblDescrizioneJob->setText(QStringLiteral("Analisi algoritmi..."));
        elaborazioni->vbShow(this);
    }
    const int massimo = massimoProgresso(p);
    ProgressBar1->setRange(0, std::max(massimo, 1));
    ProgressBar1->setValue(0);

    EsitoRicerca esito;
    {
        // Only the stop button (its own window) and Esc stay live meanwhile.
        DisabledScope ingressi(corpo_);
        const CalendarioMensile calendario{IndiceMensile, UltimaDelMese, IndiceMassimo};
        QElapsedTimer orologio;
        orologio.start();
        auto progresso = [&](int valore, int) { return avanza(valore, orologio); };
        esito = cercaMetodi(Archivio(), RestrizioniAttive(), calendario, p, progresso);
    }

    for (const RigaRisultato& r : esito.righe) {
        QTreeWidgetItem* riga = ListViewOrdin2->addItem(r.descrizione);
        ReportListView::setTag(riga, r.codice);
        ListViewOrdin2->setSubItem(riga, 1, r.presenzeQuantita);
        ListViewOrdin2->setSubItem(riga, 2, r.percentuale);
        ListViewOrdin2->setSubItem(riga, 3, r.numero);
        ListViewOrdin2->setSubItem(riga, 4, r.sortite);
    }
    if (!esito.testoSortite.isEmpty())
        lblSortite->setText(esito.testoSortite);

    RicercaInterrotta = esito.interrotta || esito.erroreFile.has_value();
    if (RicercaInterrotta) {
        // Stop, Esc and a failed read share one clean-up; the rows listed stay.
        ProgressBar1->setValue(0);
        StopRicerca = false;
        ElaborazioneInCorso = false;
        if (frmElaborazioni* f = Forms::find<frmElaborazioni>())
            vbUnload(f);
        if (esito.erroreFile)
            throw *esito.erroreFile;
        return;
    }
    vbSetText(txtDataFine, vbDateText(DTPickerA->date()));
    ProgressBar1->setValue(ProgressBar1->maximum());
    ElaborazioneInCorso = false;
    if (!RicercaAutomaticaInCorso)
        if (frmElaborazioni* f = Forms::find<frmElaborazioni>())
            vbUnload(f);
}
