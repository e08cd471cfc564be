#include "metodi/frmQuorvane.h"

#include "compat/vb.h"
#include "compat/vbdate.h"
#include "compat/vbformat.h"
#include "compat/ui/Controls.h"
#include "compat/ui/Platform.h"
#include "compat/ui/ReportListView.h"
#include "metodi/CodiceMetodo.h"
#include "metodi/RicercaMetodi.h"
#include "core/CalendarioEstrazioni.h"
#include "shell/frmElaborazioni.h"
#include "shell/modArchivio.h"
#include "shell/modAspetto.h"
#include "shell/modCalendario.h"
#include "shell/modElaborazione.h"
#include "shell/modMetodoSpia.h"
#include "shell/modPeriodo.h"
#include "shell/modRestrizioni.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <algorithm>

using namespace compat;

QString RuoteRicercaMulti;
QString RuoteGiocoMulti;

namespace {

// The search on the numbers drawn on a date has no engine yet: its option
// stays off until it has.
constexpr bool kRicercaSuData = false;

const QDate kInizioMinimo(1947, 1, 4);

bool spuntata(const QAbstractButton* b)
{
    return vbValue(b) == 1;
}

} // namespace

std::array<bool, 6> DescrizionePosizioni(const frmQuorvane* frm)
{
    std::array<bool, 6> posizioni{false, true, true, true, true, true};
    if (spuntata(frm->chkPosDet))
        for (int i = 1; i <= 5; ++i)
            posizioni[i] = frm->chkPosizione[i]->isChecked();
    return posizioni;
}

frmQuorvane::frmQuorvane()
{
    setObjectName(QStringLiteral("frmQuorvane"));
    setWindowTitle(QStringLiteral("Quorvane by Miravell - Ricerca metodi"));
    costruisci();
    collega();
}

// ---------------------------------------------------------------------------
// Load and unload

void frmQuorvane::formLoad()
{
    // Until the period is in place its pickers are set one after the other,
    // each looked up beside the other's design value: only the last lookup
    // of the Load may tell the user anything.
    caricamentoPeriodo_ = true;
    PosizioniValidita.fill(true);

    for (int i = 1; i <= 99; ++i) {
        const QString voce = vbFormat(i, u"@@");
        if (i <= 14) {
            cboAlgoAbbinati->addItem(voce);
            cboNumAbbinati->addItem(voce);
        }
        if (i <= 90)
            cboNumero->addItem(voce);
        cboSortite->addItem(voce);
        if (i <= 30)
            cboColpi->addItem(voce);
    }
    vbSetComboText(cboAlgoAbbinati, QStringLiteral(" 3"));
    vbSetComboText(cboNumAbbinati, QStringLiteral(" 3"));
    vbSetComboText(cboNumero, QStringLiteral(" 1"));
    vbSetComboText(cboSortite, QStringLiteral("10"));
    vbSetComboText(cboColpi, QStringLiteral(" 6"));
    cboQuanti->setCurrentIndex(0);

    Forms::current = this;
    ImpostaForm(this);
    CaricaPosizioneForm(this);

    CaricaRuoteConNz();
    CaricaImpostazioniRicerca();

    // The start moves to the draw one year before the end, never before the
    // archive's first draw; the floor of 1947 holds only where the archive
    // reaches it.
    QDate d = DTPickerA->date().addYears(-1);
    if (d > kInizioMinimo || kInizioMinimo > DTPickerA->date()) {
        if (const auto prima = vbCDate(DataEstrazione(1)); prima && d < *prima)
            d = *prima;
        CercaEstrazione(vbDateText(d));
        if (EstrazioneTrovata > 0)
            if (const auto inizio = vbCDate(DataEstrazione(EstrazioneTrovata)))
                vbSetDate(DTPickerDa, *inizio);
    } else {
        vbSetDate(DTPickerDa, kInizioMinimo);
    }
    vbSetDate(DTPRicerca, DTPickerA->date());

    RuoteRicercaMulti.clear();
    RuoteGiocoMulti.clear();

    IndiceMassimo = CostruisciIndiceMensile();
    if (IndiceMassimo > 0) {
        cboIndice->clear();
        cboIndice->addItem(QStringLiteral("Tutti"));
        for (int i = 1; i <= IndiceMassimo; ++i)
            cboIndice->addItem(QString::number(i));
        cboIndice->addItem(QStringLiteral("Ultima"));
        cboIndice->setCurrentIndex(0);
    }
    caricamentoPeriodo_ = false;
    AggiornaIndiciPeriodo();
}

void frmQuorvane::queryUnload(int unloadMode, bool& cancel)
{
    // The search runs inside this window's handler: the user cannot close it meanwhile.
    if (ricercaInCorso_ && unloadMode == vbFormControlMenu)
        cancel = true;
}

void frmQuorvane::formUnload(bool&)
{
    SalvaPosizioneForm(this);
}

// ---------------------------------------------------------------------------
// Options

void frmQuorvane::optSpia_Click()
{
    struct Voci {
        const char* descrizione;
        const char* tipi[3];
        const char* colonna;
    };
    static const Voci voci[] = {
        {"sortite del numero spia", {"Numero fisso", "Tutti i numeri", "Numeri usciti il"}, "Numero"},
        {"sortite della somma spia", {"Somma fissa", "Tutte le somme", "Somme uscite il"}, "Somma"},
        {"sortite della differenza spia",
         {"Differenza fissa", "Tutte le differenze", "Differenze uscite il"},
         "Differenza"},
    };
    const int s = optSpia[1]->isChecked() ? 1 : optSpia[2]->isChecked() ? 2 : 0;
    lblDescriviRicerca->setText(QString::fromUtf8(voci[s].descrizione));
    for (int i = 0; i <= 2; ++i)
        optTipo[i]->setText(QString::fromUtf8(voci[s].tipi[i]));
    ListViewOrdin2->setColumnHeader(4, QString::fromUtf8(voci[s].colonna));
    if (s == 0) {
        chkPosDet->setEnabled(true);
        chkStessaPosizione->setEnabled(true);
        for (int p = 1; p <= 5; ++p)
            chkPosizione[p]->setEnabled(spuntata(chkPosDet));
    } else {
        chkStessaPosizione->setEnabled(false);
        chkPosDet->setEnabled(false);
        for (int p = 1; p <= 5; ++p)
            chkPosizione[p]->setEnabled(false);
        chkPosDet->setChecked(false);
    }
    PulisciRisultati();
}

void frmQuorvane::optTipo_Click(int index)
{
    if (index == 1 || index == 2) {
        cboNumero->setEnabled(false);
        chkPosDet->setEnabled(false);
        chkPosDet->setChecked(false);
        for (int p = 1; p <= 5; ++p) {
            chkPosizione[p]->setChecked(false);
            chkPosizione[p]->setEnabled(false);
        }
    }
    if (index == 0) {
        cboNumero->setEnabled(true);
        chkPosDet->setEnabled(optSpia[0]->isChecked());
        DTPRicerca->setEnabled(false);
        chkStessaPosizione->setChecked(false);
        chkStessaPosizione->setEnabled(false);
        cboNumero->setFocus();
    } else if (index == 1) {
        DTPRicerca->setEnabled(false);
        chkStessaPosizione->setEnabled(false);
    } else {
        DTPRicerca->setEnabled(true);
        chkStessaPosizione->setEnabled(optSpia[0]->isChecked());
    }
    PulisciRisultati();
}

void frmQuorvane::optPeriodo_Click()
{
    const bool date = optPeriodo[0]->isChecked();
    DTPickerDa->setEnabled(date);
    cboSortite->setEnabled(!date);
    PulisciRisultati();
}

void frmQuorvane::DTPickerA_Change()
{
    AggiornaIndiciPeriodo();
    vbSetDate(DTPRicerca, DTPickerA->date());
    vbSetText(txtDataFine, vbDateText(DTPickerA->date()));
}

void frmQuorvane::DTPickerA_Click()
{
    AggiornaIndiciPeriodo();
    PulisciRisultati();
}

void frmQuorvane::DTPickerDa_Change()
{
    AggiornaIndiciPeriodo();
    PulisciRisultati();
}

void frmQuorvane::DTPickerDa_Click()
{
    AggiornaIndiciPeriodo();
    PulisciRisultati();
}

void frmQuorvane::cboColpi_Click()
{
    chkUltime->setText(QStringLiteral("controllo delle ultime ") + cboColpi->currentText()
                       + QStringLiteral(" estraz."));
    PulisciRisultati();
}

void frmQuorvane::chkPosDet_Click()
{
    for (int p = 1; p <= 5; ++p)
        chkPosizione[p]->setEnabled(spuntata(chkPosDet));
    PulisciRisultati();
}

void frmQuorvane::chkPosizioneA_Click()
{
    PulisciRisultati();
    PosizioniValidita.fill(false);
    for (int p = 1; p <= 5; ++p) {
        if (spuntata(chkPosizioneA[p])) {
            PosizioniValidita[p] = true;
            PosizioniValidita[0] = true;
        }
    }
}

void frmQuorvane::chkRuota_Click(int index)
{
    Forms::current = this;
    SalvaRuoteConNz(this, index);
    PulisciRisultati();
    if (ContaRuoteRicerca() < 2) {
        optTipo[2]->setEnabled(kRicercaSuData);
        DTPRicerca->setEnabled(true);
        if (optSpia[0]->isChecked()) {
            chkStessaPosizione->setEnabled(true);
        } else {
            chkStessaPosizione->setChecked(false);
            chkStessaPosizione->setEnabled(false);
        }
    } else {
        if (optTipo[2]->isChecked())
            optTipo[0]->setChecked(true);
        optTipo[2]->setEnabled(false);
        DTPRicerca->setEnabled(false);
        chkStessaPosizione->setEnabled(false);
        chkStessaPosizione->setChecked(false);
    }
}

void frmQuorvane::chkRuotaG_Click(int index)
{
    Forms::current = this;
    SalvaRuoteConNzGioco(this, index);
    PulisciRisultati();
}

int frmQuorvane::ContaRuoteRicerca() const
{
    if (spuntata(chkRuota[0]))
        return spuntata(chkRuota[11]) ? 11 : 10;
    int n = 0;
    for (int i = 1; i <= 11; ++i)
        n += spuntata(chkRuota[i]) ? 1 : 0;
    return n;
}

void frmQuorvane::PulisciRisultati()
{
    lblSortite->clear();
    ListViewOrdin->clear();
    ListViewOrdin2->clear();
    vbSetText(txtCapoGioco, QString());
    txtCapoGioco->setProperty("Tag", QString());
    CodiciAlgoritmiAbbinati.clear();
    lstAlgoritmiAbbinati->clear();
    lstNumeriAbbinati->clear();
    lblCapo->clear();
    cmdReport[0]->setEnabled(false);
}

void frmQuorvane::mostraIndice(QLabel* etichetta, qint32 estrazione)
{
    // A draw stored after the index was built has none yet.
    if (estrazione < 0 || static_cast<size_t>(estrazione) >= IndiceMensile.size()
        || static_cast<size_t>(estrazione) >= UltimaDelMese.size()) {
        etichetta->clear();
        return;
    }
    etichetta->setText(UltimaDelMese[estrazione] ? QStringLiteral("U")
                                                 : QString::number(IndiceMensile[estrazione]));
}

void frmQuorvane::AggiornaIndiciPeriodo()
{
    // A picker's Change and Click, and the Load, look the same dates up again:
    // a refused date is told once, until a lookup succeeds.
    const auto cerca = [this](const QDate& d, bool precedente) {
        const QString testo = vbDateText(d);
        const EsitoRicercaData e = Archivio().cercaEstrazione(testo, precedente);
        CercaPrecedente = precedente;
        if (e.trovata() || (!caricamentoPeriodo_ && rifiutoMostrato_ != testo + e.messaggio())) {
            if (!e.trovata())
                rifiutoMostrato_ = testo + e.messaggio();
            CercaEstrazione(testo);
            return DataErrata ? qint32(-1) : EstrazioneTrovata;
        }
        DataErrata = true;
        ElaborazioneInCorso = false;
        return qint32(-1);
    };
    const qint32 dal = cerca(DTPickerDa->date(), false);
    const qint32 al = cerca(DTPickerA->date(), true);
    if (dal > 0 && al > 0)
        rifiutoMostrato_.clear();
    mostraIndice(lblIndiceDal, dal);
    mostraIndice(lblIndiceAl, al);
    CercaPrecedente = false;
}

// ---------------------------------------------------------------------------
// Current method and play date

int frmQuorvane::CalcolaAlgoritmo(const QString& codice, qint32& estrazione)
{
    if (codiceMancante(codice)) {
        vbMsgBox(messaggioErroreCodice(ErroreCodice::CapogiocoMancante));
        return 0;
    }
    if (estrazione == 0) {
        CercaPrecedente = true;
        CercaEstrazione(txtDataFine->text());
        if (DataErrata)
            return 0;
        estrazione = EstrazioneTrovata;
    }
    FormulaMetodo formula;
    const ErroreCodice errore = leggiCodice(codice, formula);
    if (errore != ErroreCodice::Nessuno) {
        vbMsgBox(messaggioErroreCodice(errore));
        return 0;
    }
    return ::CalcolaAlgoritmo(formula, Archivio().leggi(estrazione));
}

void frmQuorvane::cmdPrecedente_Click()
{
    CercaEstrazione(txtDataFine->text());
    // After a refused date there is no draw to step from.
    if (DataErrata || EstrazioneTrovata <= 18)
        return;
    --EstrazioneTrovata;
    vbSetText(txtDataFine, Archivio().leggi(EstrazioneTrovata).dataTesto());
    const QString codice = txtCapoGioco->property("Tag").toString();
    if (!codice.isEmpty()) {
        qint32 estrazione = 0;
        lblCapo->setText(QString::number(CalcolaAlgoritmo(codice, estrazione)));
        lstNumeriAbbinati->clear();
    }
}

void frmQuorvane::ListViewOrdin2_Click(QTreeWidgetItem* riga)
{
    if (ListViewOrdin2->count() == 0)
        return;
    if (!riga)
        riga = ListViewOrdin2->selectedItem();
    if (!riga)
        return;
    vbSetText(txtCapoGioco, riga->text(0));
    txtCapoGioco->setProperty("Tag", ReportListView::tag(riga));
    CodiciAlgoritmiAbbinati.clear();
    lstAlgoritmiAbbinati->clear();
    lstNumeriAbbinati->clear();
    qint32 estrazione = 0;
    const int capogioco = CalcolaAlgoritmo(ReportListView::tag(riga), estrazione);
    if (capogioco != 0) {
        lblCapo->setText(QString::number(capogioco));
        cmdReport[0]->setEnabled(true);
    } else {
        vbMsgBox(txtCapoGioco->text() + QStringLiteral(" uguale a zero - Caso non giocabile!"),
                 vbInformation, QStringLiteral("Attenzione"));
        lblCapo->clear();
        cmdReport[0]->setEnabled(false);
    }
}

void frmQuorvane::ListViewOrdin2_ColumnClick(int colonna)
{
    if (colonna <= 1)
        return;
    ListViewOrdin2->setSortKey(colonna - 1);
    ListViewOrdin2->setSorted(true);
    const bool decrescente = ListViewOrdin2->sortOrder() == Qt::AscendingOrder;
    ListViewOrdin2->setSortOrder(decrescente ? Qt::DescendingOrder : Qt::AscendingOrder);
    lblOrdinamento->setText(QStringLiteral("Algoritmi trovati: lista ordinata per ")
                            + ListViewOrdin2->columnHeader(colonna)
                            + (decrescente ? QStringLiteral(" dal valore più alto")
                                           : QStringLiteral(" dal valore più basso")));
}

// ---------------------------------------------------------------------------
// The search

void frmQuorvane::cmdCalcola_Click()
{
    if (ElaborazioneAttiva())
        return;
    // "Numeri usciti il" has its own search, not built yet (its option stays disabled).
    if (optTipo[2]->isChecked())
        return;

    txtCapoGioco->setProperty("Tag", QString());
    Forms::current = this;
    ParametriRicerca p;
    p.posizioniSpia = DescrizionePosizioni(this);
    p.posizioniValidita = PosizioniValidita;

    auto rifiuta = [this](const ControlloRicerca& c) {
        vbMsgBox(c.messaggio, c.esclamativo ? vbExclamation : vbOKOnly);
        switch (c.fuoco) {
        case ControlloRicerca::Fuoco::Colpi: cboColpi->setFocus(); break;
        case ControlloRicerca::Fuoco::Numero: cboNumero->setFocus(); break;
        case ControlloRicerca::Fuoco::Sortite: cboSortite->setFocus(); break;
        case ControlloRicerca::Fuoco::Nessuno: break;
        }
    };
    if (const ControlloRicerca c = controllaPosizioni(p); !c.ok()) {
        rifiuta(c);
        return;
    }

    // The period's ends: a refused date ends the search (its lookup said why).
    p.perSortite = optPeriodo[1]->isChecked();
    if (!p.perSortite) {
        CercaPrecedente = false;
        CercaEstrazione(vbDateText(DTPickerDa->date()));
        if (DataErrata)
            return;
        p.estrazioneInizio = EstrazioneTrovata;
        vbSetDate(DTPickerDa, DataTrovata);
    }
    CercaPrecedente = true;
    CercaEstrazione(vbDateText(DTPickerA->date()));
    if (DataErrata)
        return;
    p.estrazioneFine = EstrazioneTrovata;
    vbSetDate(DTPickerA, DataTrovata);
    if (p.perSortite)
        p.estrazioneInizio = 1;

    p.colpi = interoDigitatoOZero(cboColpi->currentText());
    p.ultimeEstrazioni = spuntata(chkUltime);
    for (int w = 1; w <= 11; ++w) {
        p.ruoteRicerca[w] = spuntata(chkRuota[w]) || (w <= 10 && spuntata(chkRuota[0]));
        p.ruoteGioco[w] = spuntata(chkRuotaG[w]) || (w <= 10 && spuntata(chkRuotaG[0]));
    }
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

    const ControlloRicerca c = controllaParametri(p);
    if (c.ok() || c.risultatiPuliti)
        PulisciRisultati();
    if (!c.ok()) {
        rifiuta(c);
        return;
    }
    eseguiRicerca(p);
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
        auto progresso = [&](int valore, int) {
            ProgressBar1->setValue(std::clamp(valore, ProgressBar1->minimum(), ProgressBar1->maximum()));
            if (orologio.elapsed() >= 30) {
                vbDoEvents();
                orologio.restart();
            }
            return StopRicerca || platform().keyboard().escDown();
        };
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
