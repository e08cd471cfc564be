// The method-search window around its current method: the play date stepped
// forward, the automatic search over combinations of search and play wheels
// (its rows gathered in frmMultiRuota), and a row of those results made the
// current method with its own wheels.
#include "metodi/frmQuorvane.h"

#include "compat/vbdate.h"
#include "compat/ui/Controls.h"
#include "compat/ui/KeyEvents.h"
#include "compat/ui/ReportListView.h"
#include "compat/ui/Twips.h"
#include "core/ArchivioMemoria.h"
#include "core/CalendarioEstrazioni.h"
#include "core/Procedure.h"
#include "metodi/RicercaMultiRuota.h"
#include "metodi/frmMultiRuota.h"
#include "shell/Controlli.h"
#include "shell/frmElaborazioni.h"
#include "shell/modArchivio.h"
#include "shell/modCalendario.h"
#include "shell/modElaborazione.h"
#include "shell/modMetodoSpia.h"
#include "shell/modPeriodo.h"
#include "shell/modRestrizioni.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <algorithm>

using namespace compat;

namespace {

std::array<bool, 12> spunte(const std::array<QToolButton*, 12>& caselle)
{
    std::array<bool, 12> s{};
    for (size_t i = 0; i < caselle.size(); ++i)
        s[i] = spuntata(caselle[i]);
    return s;
}

// Ticked wheels as the automatic search counts them: "Tutte" is ten.
int contaRuote(const std::array<QToolButton*, 12>& caselle)
{
    const std::array<bool, 12> r = ruoteSpuntate(caselle);
    return int(std::count(r.begin(), r.end(), true));
}

// What the output of this search will describe.
DescrizioneMultiRuota descrizioneCorsa(const frmQuorvane* f)
{
    DescrizioneMultiRuota o;
    o.perDate = f->optPeriodo[0]->isChecked();
    o.da = f->DTPickerDa->date();
    o.a = f->DTPickerA->date();
    o.sortite = f->cboSortite->currentText();
    o.descriviRicerca = f->lblDescriviRicerca->text();
    o.ruote = spunte(f->chkRuota);
    o.ruoteGioco = spunte(f->chkRuotaG);
    const int s = f->optSpia[1]->isChecked() ? 1 : f->optSpia[2]->isChecked() ? 2 : 0;
    o.tipoSpia = f->optSpia[size_t(s)]->text();
    o.spiaNumero = s == 0;
    o.valoreFisso = f->optTipo[0]->isChecked();
    o.didascaliaFisso = f->optTipo[0]->text();
    o.numero = f->cboNumero->currentText();
    o.didascaliaTutti = f->optTipo[1]->text();
    o.posizioneDeterminata = spuntata(f->chkPosDet);
    for (int p = 1; p <= 5; ++p)
        o.posizioni[size_t(p)] = f->chkPosizione[size_t(p)]->isChecked();
    o.colpi = f->cboColpi->currentText();
    o.indice = f->cboIndice->currentText();
    o.intestazioneSpia = f->ListViewOrdin2->columnHeader(4);
    return o;
}

} // namespace

void frmQuorvane::collegaMulti()
{
    on(cmdSuccessiva, &QPushButton::clicked, QStringLiteral("cmdSuccessiva_Click"),
       [this] { cmdSuccessiva_Click(); });
    onGotFocus(this, txtDataFine, QStringLiteral("txtDataFine_GotFocus"),
               [this] { txtDataFine->setSelection(0, 10); });
    onKeyPress(this, txtDataFine, QStringLiteral("txtDataFine_KeyPress"),
               [](int tasto) { return tasto == '/' ? tasto : SoloNumeri(tasto); });
    soloCifre(txtDataFine, QStringLiteral("/"));
    on(cmdRicercaAutomatica, &QPushButton::clicked, QStringLiteral("cmdRicercaAutomatica_Click"),
       [this] { cmdRicercaAutomatica_Click(); });
    on(cmdEsci, &QPushButton::clicked, QStringLiteral("cmdEsci_Click"),
       [this] { chiudiPannelloAutomatico(); });
    on(cmdAvviaRicercaAutomatica, &QPushButton::clicked, QStringLiteral("cmdAvviaRicercaAutomatica_Click"),
       [this] { cmdAvviaRicercaAutomatica_Click(); });
    on(cmdTraduciAlgoMultiRuota, &QPushButton::clicked, QStringLiteral("cmdTraduciAlgoMultiRuota_Click"),
       [this] { cmdTraduciAlgoMultiRuota_Click(); });
}

// ---------------------------------------------------------------------------
// Play date

void frmQuorvane::cmdSuccessiva_Click()
{
    // Its own direction: a date without a draw steps on from the draw before it.
    CercaPrecedente = true;
    CercaEstrazione(txtDataFine->text());
    // After a refused date there is no draw to step from.
    if (DataErrata || EstrazioneTrovata >= NumeroEstrazioni)
        return;
    ++EstrazioneTrovata;
    passaAllaData(EstrazioneTrovata);
}

void frmQuorvane::passaAllaData(qint32 estrazione)
{
    vbSetText(txtDataFine, Archivio().leggi(estrazione).dataTesto());
    const QString codice = txtCapoGioco->property("Tag").toString();
    if (!codice.isEmpty()) {
        qint32 allaData = 0;
        lblCapo->setText(QString::number(CalcolaAlgoritmo(codice, allaData)));
        // The paired numbers belong to the old play draw.
        lstNumeriAbbinati->clear();
    }
}

// ---------------------------------------------------------------------------
// Automatic search

void frmQuorvane::cmdRicercaAutomatica_Click()
{
    PreparaRicercaAutomatica();
    if (fraRicercaAutomatica->isHidden())
        dimensioneSenzaPannello_ = wantedSize();
    fraRicercaAutomatica->show();
}

void frmQuorvane::chiudiPannelloAutomatico()
{
    fraRicercaAutomatica->hide();
    if (!dimensioneSenzaPannello_.isValid())
        return;
    // The frame made the window taller; its width is the user's.
    setWantedSize(QSize(wantedSize().width(), dimensioneSenzaPannello_.height()));
    dimensioneSenzaPannello_ = QSize();
}

void frmQuorvane::PreparaRicercaAutomatica()
{
    const int ricerca = contaRuote(chkRuota);
    optRicerca[1]->setEnabled(ricerca >= 1);
    optRicerca[2]->setEnabled(ricerca >= 2);
    const int gioco = contaRuote(chkRuotaG);
    for (int i = 1; i <= 3; ++i)
        optGioco[size_t(i)]->setEnabled(gioco >= i);
    for (int i = 1; i <= 3; ++i)
        if (optGioco[size_t(i)]->isChecked() && !optGioco[size_t(i)]->isEnabled())
            optGioco[1]->setChecked(true);
}

void frmQuorvane::cmdAvviaRicercaAutomatica_Click()
{
    if (ElaborazioneAttiva())
        return;
    if (optRicerca[0]->isChecked())
        chkRuota[0]->setChecked(true);
    const int ricercaInsieme = optRicerca[0]->isChecked() ? 0 : optRicerca[1]->isChecked() ? 1 : 2;
    const int giocoInsieme = optGioco[3]->isChecked() ? 3 : optGioco[2]->isChecked() ? 2 : 1;
    const std::vector<CombinazioneRuote> combinazioni =
        combinazioniMultiRuota(spunte(chkRuota), spunte(chkRuotaG), ricercaInsieme, giocoInsieme);

    chiudiPannelloAutomatico();
    cmdRicercaAutomatica->setEnabled(false);
    const QPointer<frmMultiRuota> multi = Forms::get<frmMultiRuota>();
    multi->vbShow(this);
    vbSetTop(multi, vbTop(this));
    vbSetLeft(multi, vbLeft(this) - 2200);
    multi->fitToScreen(true); // beside this window, but wholly on the screen
    multi->iniziaRicerca(ListViewOrdin2->columnHeader(4));
    OpzioniMultiRuota opzioni;
    opzioni.righe = cboQuanti->currentIndex() + 1;
    // Each run's first rows as its list would show them, sorted as it is.
    opzioni.chiaveOrdinamento = ListViewOrdin2->sorted() ? ListViewOrdin2->sortKey() : 0;
    opzioni.decrescente = ListViewOrdin2->sortOrder() == Qt::DescendingOrder;

    // However it ends: the results window released, describing this run.
    struct Fine {
        frmQuorvane* f;
        const QPointer<frmMultiRuota>& multi;
        DescrizioneMultiRuota corsa;
        ~Fine()
        {
            f->cmdRicercaAutomatica->setEnabled(true);
            if (multi && multi->isLoaded())
                multi->fineRicerca(corsa);
        }
    } fine{this, multi, descrizioneCorsa(this)};
    FlagScope automatica(RicercaAutomaticaInCorso);

    ParametriRicerca base;
    if (combinazioni.empty() || !leggiParametri(base))
        return;
    if (base.numeriUscitiIl && !leggiDataRicerca(base))
        return;
    fine.corsa = descrizioneCorsa(this);

    const EsitoMultiRuota esito = eseguiMultiRuota(base, combinazioni, opzioni);
    // Unloaded meanwhile by code (the program's end): nothing goes there.
    if (multi && multi->isLoaded())
        for (const RigaMulti& r : esito.righe)
            multi->aggiungiRiga({r.riga.descrizione, r.riga.sortite, r.riga.presenzeQuantita,
                                 r.riga.percentuale, r.riga.numero, r.ruoteRicerca, r.ruoteGioco},
                                r.riga.codice);
    // The runs ticked their own wheels and the search put the user's back:
    // the choice is stored once, as it stands.
    SalvaRuoteConNz(this, 11);
    SalvaRuoteConNzGioco(this, 11);
    if (esito.completate > 0)
        vbSetText(txtDataFine, vbDateText(DTPickerA->date()));
    if (esito.rifiuto)
        rifiuta(*esito.rifiuto);
    if (esito.erroreFile)
        throw *esito.erroreFile;
}

EsitoMultiRuota frmQuorvane::eseguiMultiRuota(const ParametriRicerca& base,
                                              const std::vector<CombinazioneRuote>& combinazioni,
                                              const OpzioniMultiRuota& opzioni)
{
    FlagScope inCorso(ricercaInCorso_);
    CalcoloScope calcolo;
    PulisciRisultati();
    frmElaborazioni* elaborazioni = Forms::get<frmElaborazioni>();
    elaborazioni->lblDescrizioneJob->setText(QStringLiteral("Analisi algoritmi..."));
    elaborazioni->vbShow(this);
    ProgressBar1->setRange(0, int(combinazioni.size()));
    ProgressBar1->setValue(0);
    EsitoMultiRuota esito;
    {
        DisabledScope ingressi(corpo_);
        const CalendarioMensile calendario{IndiceMensile, UltimaDelMese, IndiceMassimo};
        QElapsedTimer orologio;
        orologio.start();
        auto progresso = [&](int fatte, int) { return avanza(fatte, orologio); };
        esito = cercaMultiRuota(*vistaArchivio(Archivio()), RestrizioniAttive(), calendario, base,
                                combinazioni, opzioni, progresso);
    }
    ProgressBar1->setValue(ProgressBar1->maximum());
    StopRicerca = false;
    if (frmElaborazioni* e = Forms::find<frmElaborazioni>())
        vbUnload(e);
    return esito;
}

// ---------------------------------------------------------------------------
// A row of the multi-wheel results made the current method

void frmQuorvane::cmdTraduciAlgoMultiRuota_Click()
{
    RuoteRicercaMulti.clear();
    RuoteGiocoMulti.clear();
    lblCapo->clear();
    FlagRuoteRicercaMulti.fill(false);
    FlagRuoteGiocoMulti.fill(false);
    frmMultiRuota* multi = Forms::get<frmMultiRuota>();
    const QTreeWidgetItem* riga = multi->ListViewMultiruote->selectedItem();
    if (multi->ListViewMultiruote->count() == 0 || !riga)
        return;
    if (!rendiCorrente(riga->text(0), ReportListView::tag(riga)))
        return;
    // Played on the row's own wheels; a row giving no capogioco keeps the boxes'.
    RuoteRicercaMulti = ReportListView::subItem(riga, 5);
    RuoteGiocoMulti = ReportListView::subItem(riga, 6);
    ImpostaRuote(RuoteRicercaMulti, 1);
    ImpostaRuote(RuoteGiocoMulti, 2);
}
