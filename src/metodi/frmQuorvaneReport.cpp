// The report command of the method-search window: the back-test of the
// current method, its summary in frmReportQuorvane and its wins in
// frmDettaglioQuorvane.
#include "metodi/frmQuorvane.h"

#include "compat/vbdate.h"
#include "compat/ui/Controls.h"
#include "compat/ui/Platform.h"
#include "core/ArchivioMemoria.h"
#include "core/CalendarioEstrazioni.h"
#include "core/Restrizioni.h"
#include "metodi/Backtest.h"
#include "metodi/TestiBacktest.h"
#include "metodi/frmDettaglioQuorvane.h"
#include "metodi/frmReportQuorvane.h"
#include "shell/modArchivio.h"
#include "shell/modCalendario.h"
#include "shell/modMetodoSpia.h"
#include "shell/modRestrizioni.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

using namespace compat;

namespace {

// The summary's heading as the window's controls read now.
IntestazioneReport intestazione(const frmQuorvane* f, const ParametriBacktest& p,
                                std::vector<int> riferimenti, const QString& validita)
{
    IntestazioneReport i;
    i.perDate = f->optPeriodo[0]->isChecked();
    i.da = f->DTPickerDa->date();
    i.a = f->DTPickerA->date();
    i.sortite = f->cboSortite->currentText();
    i.descriviRicerca = f->lblDescriviRicerca->text();
    i.indice = f->cboIndice->currentText();
    i.condizione = testoCondizione(p.codice);
    i.giorni = testoGiorni(RestrizioniAttive().FlagGiorni);
    i.ruoteRicerca = testoRuote(RuoteRicercaMulti, spuntata(f->chkRuota[0]),
                                spuntata(f->chkRuota[11]), p.ruoteRicerca, false);
    i.ruoteGioco = testoRuote(RuoteGiocoMulti, spuntata(f->chkRuotaG[0]),
                              spuntata(f->chkRuotaG[11]), p.ruoteGioco, true);
    i.colpi = f->cboColpi->currentText();
    i.ultime = spuntata(f->chkUltime);
    i.ultimeDidascalia = f->chkUltime->text();
    i.riferimenti = std::move(riferimenti);
    i.validita = validita;
    for (int k = 0; k < f->lstNumeriAbbinati->count(); ++k)
        i.numeriAbbinati << f->lstNumeriAbbinati->item(k)->text();
    i.descrizione = f->txtCapoGioco->text();
    for (int k = 0; k < f->lstAlgoritmiAbbinati->count(); ++k)
        i.algoritmiAbbinati << f->lstAlgoritmiAbbinati->item(k)->text();
    return i;
}

// The period's draws; false after a refused date (its lookup said why).
bool periodo(const frmQuorvane* f, ParametriBacktest& p)
{
    if (!p.perSortite) {
        CercaPrecedente = false;
        CercaEstrazione(vbDateText(f->DTPickerDa->date()));
        if (DataErrata)
            return false;
        p.estrazioneInizio = EstrazioneTrovata;
    }
    CercaPrecedente = true;
    CercaEstrazione(vbDateText(f->DTPickerA->date()));
    if (DataErrata)
        return false;
    p.estrazioneFine = EstrazioneTrovata;
    if (p.perSortite)
        p.estrazioneInizio = 1;
    if (!spuntata(f->chkUltime))
        p.estrazioneFine -= p.colpi;
    return true;
}

} // namespace

void frmQuorvane::cmdReport_Click(int index)
{
    ParametriBacktest p;
    p.codice = txtCapoGioco->property("Tag").toString();
    if (p.codice.isEmpty()) {
        vbMsgBox(QStringLiteral("Inserire almeno il capogioco."));
        return;
    }
    CercaPrecedente = false;
    CercaEstrazione(txtDataFine->text());
    if (DataErrata)
        return;
    vbSetText(txtDataFine, vbDateText(DataTrovata));
    // Typed numbers are read as the search reads them, and one too large for
    // it is refused with its message before the summary shows anything.
    if (!chiediColpi(p.colpi))
        return;
    p.perSortite = !optPeriodo[0]->isChecked();
    if (p.perSortite) {
        // Below 1 it is no refusal here: the run just finds no case.
        const std::optional<int> sortite = interoDigitato(cboSortite->currentText());
        if (!sortite) {
            vbMsgBox(QStringLiteral("Inserire il n. di sortite da ricercare!"), vbExclamation);
            cboSortite->setFocus();
            return;
        }
        p.sortite = *sortite;
    }
    p.ruoteRicerca = ruoteSpuntate(chkRuota);
    p.ruoteGioco = ruoteSpuntate(chkRuotaG);
    for (int q = 1; q <= 5; ++q)
        p.posizioniValidita[q] = spuntata(chkPosizioneA[q]);
    const QString validita = testoValidita(p.posizioniValidita);

    // The numbers to play now: the capogioco and the paired algorithms'.
    qint32 oggi = 0;
    std::vector<int> riferimenti{CalcolaAlgoritmo(p.codice, oggi)};
    aggiungiNumeriAlgoritmiAbbinati(riferimenti, oggi);
    distinguiRiferimenti(riferimenti);
    const IntestazioneReport testata = intestazione(this, p, riferimenti, validita);

    frmReportQuorvane* report = nullptr;
    if (index == 0) {
        report = Forms::get<frmReportQuorvane>();
        report->vbShow(this);
        report->lstReport->clear();
        report->lstReport->addItems(righeIntestazione(testata));
    }
    if (!periodo(this, p))
        return;
    frmDettaglioQuorvane* dettaglio = Forms::get<frmDettaglioQuorvane>();
    dettaglio->mostraEsito(nullptr);
    if (!RuoteRicercaMulti.isEmpty())
        p.ruoteRicerca = FlagRuoteRicercaMulti;
    if (!RuoteGiocoMulti.isEmpty())
        p.ruoteGioco = FlagRuoteGiocoMulti;
    p.codiciAbbinati = CodiciAlgoritmiAbbinati;
    p.indiceScelto = cboIndice->currentIndex();
    p.indiceMassimo = IndiceMassimo;

    std::shared_ptr<const EsitoBacktest> esito;
    {
        BusyCursor attesa;
        const CalendarioMensile calendario{IndiceMensile, UltimaDelMese, IndiceMassimo};
        esito = std::make_shared<const EsitoBacktest>(eseguiBacktest(
            vistaArchivio(Archivio()), RestrizioniAttive(), calendario, p, validita));
    }
    dettaglio->lblDescrizione->setText(testata.condizione + QStringLiteral(" su ") + testata.ruoteRicerca);
    dettaglio->lblDescrizione2->setText(testata.giorni + QStringLiteral(" - Indice mensile: ")
                                        + cboIndice->currentText() + QStringLiteral(" -"));
    if (index == 1) {
        dettaglio->mostraEsito(esito);
        dettaglio->vbShow(this);
    } else {
        vbUnload(dettaglio);
        report->lstReport->addItems(righeRisultati(*esito));
    }
}
