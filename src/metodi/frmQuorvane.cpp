#include "metodi/frmQuorvane.h"

#include "compat/vbdate.h"
#include "compat/vbformat.h"
#include "compat/ui/Controls.h"
#include "compat/ui/Platform.h"
#include "compat/ui/ReportListView.h"
#include "metodi/CodiceMetodo.h"
#include "metodi/frmMultiRuota.h"
#include "shell/modArchivio.h"
#include "shell/modAspetto.h"
#include "shell/modCalendario.h"
#include "shell/modMetodoSpia.h"
#include "shell/modPeriodo.h"

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

QString RuoteRicercaMulti;
QString RuoteGiocoMulti;

namespace {

const QDate kInizioMinimo(1947, 1, 4);

} // namespace

bool spuntata(const QAbstractButton* b)
{
    return vbValue(b) == 1;
}

std::array<bool, 12> ruoteSpuntate(const std::array<QToolButton*, 12>& caselle)
{
    std::array<bool, 12> r{};
    for (int w = 1; w <= 11; ++w)
        r[size_t(w)] = spuntata(caselle[size_t(w)]) || (w <= 10 && spuntata(caselle[0]));
    return r;
}

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
    collegaMulti();
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
    // Selected as designed already: its rule runs all the same.
    optTipo[0]->setChecked(true);
    optTipo_Click(0);
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
        optTipo[2]->setEnabled(true);
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
    passaAllaData(EstrazioneTrovata);
}

void frmQuorvane::ListViewOrdin2_Click(QTreeWidgetItem* riga)
{
    if (ListViewOrdin2->count() == 0)
        return;
    if (!riga)
        riga = ListViewOrdin2->selectedItem();
    if (!riga)
        return;
    // This row plays on the window's own wheels, not on a multi-wheel row's.
    RuoteRicercaMulti.clear();
    RuoteGiocoMulti.clear();
    rendiCorrente(riga->text(0), ReportListView::tag(riga));
}

bool frmQuorvane::rendiCorrente(const QString& descrizione, const QString& codice)
{
    vbSetText(txtCapoGioco, descrizione);
    txtCapoGioco->setProperty("Tag", codice);
    CodiciAlgoritmiAbbinati.clear();
    lstAlgoritmiAbbinati->clear();
    lstNumeriAbbinati->clear();
    qint32 estrazione = 0;
    const int capogioco = CalcolaAlgoritmo(codice, estrazione);
    if (capogioco != 0) {
        lblCapo->setText(QString::number(capogioco));
        cmdReport[0]->setEnabled(true);
        return true;
    }
    vbMsgBox(txtCapoGioco->text() + QStringLiteral(" uguale a zero - Caso non giocabile!"), vbInformation,
             QStringLiteral("Attenzione"));
    lblCapo->clear();
    cmdReport[0]->setEnabled(false);
    return false;
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
    // The multi-wheel list sorts alike, on its column of the same meaning.
    static const int chiaveMulti[] = {0, 0, 2, 3, 4, 1};
    Forms::get<frmMultiRuota>()->ordinaCome(chiaveMulti[colonna], ListViewOrdin2->sortOrder(),
                                            lblOrdinamento->text());
}
