// The capogioco's companions in the method-search window: the paired
// algorithms and numbers of the current method, and the numbers to play
// after the play draw in a new capogioco window.
#include "metodi/frmQuorvane.h"

#include "compat/vb.h"
#include "compat/vbdate.h"
#include "compat/vbformat.h"
#include "compat/ui/Controls.h"
#include "compat/ui/Platform.h"
#include "compat/ui/ReportListView.h"
#include "core/ArchivioMemoria.h"
#include "metodi/Abbinamenti.h"
#include "metodi/CodiceMetodo.h"
#include "metodi/TestiBacktest.h"
#include "metodi/frmCapoAbbinamentiQuorvane.h"
#include "shell/Controlli.h"
#include "shell/modArchivio.h"
#include "shell/modMetodoSpia.h"
#include "shell/modRestrizioni.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <algorithm>

using namespace compat;

namespace {

// How many rows a combo asks for, never more than its list offers.
int quantiRichiesti(const QComboBox* c)
{
    return std::min(interoDigitatoOZero(c->currentText()), c->count());
}

// The draw of the play date, the first after it when it has none; the box
// shows the draw's date. Nothing after a refused date (its lookup said why).
std::optional<qint32> estrazioneDiGioco(QLineEdit* txtDataFine)
{
    CercaPrecedente = false;
    CercaEstrazione(txtDataFine->text());
    if (DataErrata)
        return std::nullopt;
    vbSetText(txtDataFine, vbDateText(DataTrovata));
    return EstrazioneTrovata;
}

void esclamazione(const char* testo)
{
    vbMsgBox(QString::fromUtf8(testo), vbExclamation);
}

// The period's draws (a start without a draw takes the next, an end the one
// before), the pickers moved onto them; false after a refused date.
bool periodoAbbinati(frmQuorvane& f, ParametriAlgoAbbinati& p)
{
    const auto cerca = [](QDateEdit* picker, bool precedente, qint32& estrazione) {
        CercaPrecedente = precedente;
        CercaEstrazione(vbDateText(picker->date()));
        if (DataErrata)
            return false;
        estrazione = EstrazioneTrovata;
        vbSetDate(picker, DataTrovata);
        return true;
    };
    p.perSortite = f.optPeriodo[1]->isChecked();
    p.estrazioneInizio = 1;
    return (p.perSortite || cerca(f.DTPickerDa, false, p.estrazioneInizio))
           && cerca(f.DTPickerA, true, p.estrazioneFine);
}

// Every counted candidate into the hidden ranking list, the best into the
// paired list with their codes.
void mostraAlgoritmiAbbinati(frmQuorvane& f, const EsitoAlgoAbbinati& esito, int quanti)
{
    // The candidates come ranked: added in that order and sorted once.
    f.ListViewOrdin->setSorted(false);
    for (const CandidatoAbbinato& c : esito.candidati) {
        QTreeWidgetItem* riga = f.ListViewOrdin->addItem(vbFormat(c.conteggio, u"@@@@@"));
        f.ListViewOrdin->setSubItem(riga, 1, c.descrizione());
        ReportListView::setTag(riga, c.codice());
    }
    f.ListViewOrdin->setSorted(true);
    if (esito.candidati.empty())
        return;
    f.CodiciAlgoritmiAbbinati.assign(size_t(quanti) + 1, QString());
    for (int j = 1; j <= quanti && size_t(j) <= esito.candidati.size(); ++j) {
        const CandidatoAbbinato& c = esito.candidati[size_t(j) - 1];
        f.lstAlgoritmiAbbinati->addItem(rigaAlgoritmoAbbinato(c, esito.uscite));
        f.CodiciAlgoritmiAbbinati[size_t(j)] = c.codice();
    }
}

// The warning when the method's spia is not on a search wheel of the play
// draw; the numbers are shown all the same.
void avvisaSpiaAssente(const QString& codice, qint32 estrazione, const std::array<bool, 12>& ricerca,
                       const QString& data)
{
    const RecEstrazione r = Archivio().leggi(estrazione);
    std::array<std::array<int, 6>, 12> numeri{};
    for (int w = 1; w <= 11; ++w)
        for (int q = 1; q <= 5; ++q)
            numeri[size_t(w)][size_t(q)] = r.numero(w, q);
    if (!spiaPresente(codice, numeri, ricerca))
        vbMsgBox(avvisoSpiaAssente(codice, data));
}

// The numbers to play at draw `n`: the capogioco, then the paired
// algorithms' numbers made distinct from it and from each other; `altri`
// counts the other result rows giving the capogioco.
std::vector<int> numeriDaGiocare(frmQuorvane& f, const QString& codice, qint32 n, int& altri)
{
    std::vector<int> numeri{f.CalcolaAlgoritmo(codice, n)};
    const int capogioco = numeri[0];
    // Told by their codes: the current method need not be among the rows.
    altri = 0;
    for (int i = 1; i <= f.ListViewOrdin2->count() && capogioco > 0; ++i) {
        const QString altro = ReportListView::tag(f.ListViewOrdin2->item(i));
        if (altro != codice && f.CalcolaAlgoritmo(altro, n) == capogioco)
            ++altri;
    }
    f.aggiungiNumeriAlgoritmiAbbinati(numeri, n);
    distinguiRiferimenti(numeri);
    return numeri;
}

} // namespace

void frmQuorvane::collegaAbbinati()
{
    on(cmdAlgoAbbinati, &QPushButton::clicked, QStringLiteral("cmdAlgoAbbinati_Click"),
       [this] { cmdAlgoAbbinati_Click(); });
    on(cmdCancellaAlgoritmiAbbinati, &QPushButton::clicked, QStringLiteral("cmdCancellaAlgoritmiAbbinati_Click"),
       [this] { cmdCancellaAlgoritmiAbbinati_Click(); });
    on(cmdNumAbbinati, &QPushButton::clicked, QStringLiteral("cmdNumAbbinati_Click"),
       [this] { cmdNumAbbinati_Click(); });
    on(cmdCancellaNumeriAbbinati, &QPushButton::clicked, QStringLiteral("cmdCancellaNumeriAbbinati_Click"),
       [this] { cmdCancellaNumeriAbbinati_Click(); });
    on(cmdVediNumeri, &QPushButton::clicked, QStringLiteral("cmdVediNumeri_Click"),
       [this] { cmdVediNumeri_Click(); });
}

bool frmQuorvane::chiediColpi(int& colpi)
{
    colpi = interoDigitatoOZero(cboColpi->currentText());
    if (colpi >= 1)
        return true;
    vbMsgBox(QStringLiteral("Inserire il n. di colpi di gioco !"), vbExclamation);
    cboColpi->setFocus();
    return false;
}

// ---------------------------------------------------------------------------
// Paired algorithms

void frmQuorvane::cmdCancellaAlgoritmiAbbinati_Click()
{
    lstAlgoritmiAbbinati->clear();
    CodiciAlgoritmiAbbinati.clear();
}

void frmQuorvane::cmdAlgoAbbinati_Click()
{
    // The list and its codes go together: no later back-test may play
    // algorithms the list no longer shows.
    cmdCancellaAlgoritmiAbbinati_Click();
    ParametriAlgoAbbinati p;
    if (!periodoAbbinati(*this, p))
        return;
    if (!chiediColpi(p.colpi))
        return;
    if (!spuntata(chkUltime))
        p.estrazioneFine -= p.colpi;
    if (p.estrazioneFine < p.estrazioneInizio || p.estrazioneFine < 1)
        return esclamazione("Data finale minore della data iniziale oppure n. di estrazioni insufficienti!");
    const int quanti = quantiRichiesti(cboAlgoAbbinati);
    if (quanti < 1)
        return esclamazione("Inserire il n. di abbinamenti da trovare !");
    p.ruoteRicerca = ruoteSpuntate(chkRuota);
    p.ruoteGioco = ruoteSpuntate(chkRuotaG);
    ListViewOrdin->clear();
    int massimo = p.estrazioneFine - p.estrazioneInizio;
    if (p.perSortite) {
        p.sortite = interoDigitatoOZero(cboSortite->currentText());
        if (p.sortite < 1)
            return esclamazione("Inserire il n. di sortite da ricercare!");
        massimo = p.sortite;
    }
    ProgressBar1->setRange(0, std::max(massimo, 1));
    p.codice = leggiCodiceCapogioco(txtCapoGioco->property("Tag").toString());
    if (!p.codice.errore.isEmpty()) {
        vbMsgBox(p.codice.errore);
        return;
    }
    EsitoAlgoAbbinati esito;
    {
        BusyCursor attesa;
        // No events come through meanwhile: the bar repaints itself as it moves.
        ProgressBar1->setValue(0);
        esito = cercaAlgoritmiAbbinati(*vistaArchivio(Archivio()), RestrizioniAttive(), p,
                                       [this](int valore) { ProgressBar1->setValue(valore); });
    }
    ProgressBar1->setValue(p.perSortite ? esito.casi : massimo);
    mostraAlgoritmiAbbinati(*this, esito, quanti);
}

void frmQuorvane::aggiungiNumeriAlgoritmiAbbinati(std::vector<int>& numeri, qint32& estrazione)
{
    const std::vector<QString>& codici = CodiciAlgoritmiAbbinati;
    for (int j = 1; j <= lstAlgoritmiAbbinati->count(); ++j) {
        const QString c = size_t(j) < codici.size() ? codici[size_t(j)] : QString();
        numeri.push_back(c.size() == 9 ? CalcolaAlgoritmo(c, estrazione) : 0);
    }
}

// ---------------------------------------------------------------------------
// Paired numbers

void frmQuorvane::cmdCancellaNumeriAbbinati_Click()
{
    lstNumeriAbbinati->clear();
}

void frmQuorvane::cmdNumAbbinati_Click()
{
    const std::optional<qint32> gioco = estrazioneDiGioco(txtDataFine);
    if (!gioco)
        return;
    int colpi = 0;
    if (!chiediColpi(colpi))
        return;
    const std::array<bool, 12> ruote = ruoteSpuntate(chkRuotaG);
    ListViewOrdin->clear();
    const QString codice = txtCapoGioco->property("Tag").toString();
    if (codice.size() < 12) {
        vbMsgBox(QStringLiteral("Impossibile calcolare gli abbinamenti: capogioco mancante."));
        return;
    }
    const QString tipo = codice.mid(9, 1);
    if ((tipo == u"0" && codice.size() != 17) || ((tipo == u"1" || tipo == u"2") && codice.size() != 12)) {
        vbMsgBox(messaggioErroreCodice(ErroreCodice::CapogiocoMancante));
        return;
    }
    FormulaMetodo formula;
    if (const ErroreCodice e = leggiCodice(codice, formula); e != ErroreCodice::Nessuno) {
        vbMsgBox(messaggioErroreCodice(e));
        return;
    }
    // A formula that reads a missing number gives none.
    const int capogioco = ::CalcolaAlgoritmo(formula, Archivio().leggi(*gioco));
    if (capogioco == 0) {
        vbMsgBox(QStringLiteral("Impossibile calcolare i numeri abbinati."));
        return;
    }
    const EsitoNumeriAbbinati esito =
        cercaNumeriAbbinati(*vistaArchivio(Archivio()), RestrizioniAttive(), capogioco, *gioco, ruote);
    const int quanti = quantiRichiesti(cboNumAbbinati);
    lstNumeriAbbinati->clear();
    lstNumeriAbbinati->addItems(righeNumeriAbbinati(esito, quanti));
}

// ---------------------------------------------------------------------------
// Numbers to play

void frmQuorvane::cmdVediNumeri_Click()
{
    const QString codice = txtCapoGioco->property("Tag").toString();
    if (codice.isEmpty()) {
        vbMsgBox(QStringLiteral("Inserire almeno il capogioco."));
        return;
    }
    // A refused play date ends the command: nothing is computed from an
    // earlier draw.
    const std::optional<qint32> gioco = estrazioneDiGioco(txtDataFine);
    if (!gioco)
        return;
    int colpi = 0;
    if (!chiediColpi(colpi))
        return;
    // A method taken from the multi-wheel results keeps its own wheels.
    const bool multiRicerca = !RuoteRicercaMulti.isEmpty();
    const bool multiGioco = !RuoteGiocoMulti.isEmpty();
    const std::array<bool, 12> ricerca = multiRicerca ? FlagRuoteRicercaMulti : ruoteSpuntate(chkRuota);
    const std::array<bool, 12> ruoteGioco = multiGioco ? FlagRuoteGiocoMulti : ruoteSpuntate(chkRuotaG);
    const bool tutte = multiGioco ? std::all_of(ruoteGioco.begin() + 1, ruoteGioco.begin() + 11,
                                                [](bool b) { return b; })
                                  : spuntata(chkRuotaG[0]);
    ListViewOrdin->clear();

    avvisaSpiaAssente(codice, *gioco, ricerca, txtDataFine->text());

    int altri = 0;
    const std::vector<int> numeriGioco = numeriDaGiocare(*this, codice, *gioco, altri);

    QString abbinati;
    for (int k = 0; k < lstNumeriAbbinati->count(); ++k)
        abbinati += u' ' + vbRight(lstNumeriAbbinati->item(k)->text(), 2);
    auto* finestra = Forms::create<frmCapoAbbinamentiQuorvane>();
    finestra->vbShow(this);
    finestra->txtRuote->setText(testoRuoteGioco(tutte, ruoteGioco));
    finestra->Label1[1]->setText(QStringLiteral("per ") + cboColpi->currentText()
                                 + QStringLiteral(" colpi dopo l'estrazione del ") + txtDataFine->text());
    finestra->txtCapoGioco->setText(QString::number(numeriGioco[0]));
    finestra->lblMultiSegnalazione->setText(testoMultiSegnalazione(altri));
    finestra->txtAbbinamentiAlgoritmi->setText(
        testoNumeriAbbinati(std::vector<int>(numeriGioco.begin() + 1, numeriGioco.end())));
    finestra->txtAbbinamentiCapogioco->setText(abbinati);
    finestra->cmdOk->setFocus();
}
