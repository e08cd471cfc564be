// The method-search window around its current method: the play date stepped
// forward, the automatic search over combinations of search and play wheels
// (its rows gathered in frmMultiRuota), and a row of those results made the
// current method with its own wheels.
#include "metodi/frmQuorvane.h"

#include "compat/vb.h"
#include "compat/vbdate.h"
#include "compat/ui/Controls.h"
#include "compat/ui/KeyEvents.h"
#include "compat/ui/Platform.h"
#include "compat/ui/ReportListView.h"
#include "compat/ui/Twips.h"
#include "core/ArchivioMemoria.h"
#include "core/CalendarioEstrazioni.h"
#include "core/Procedure.h"
#include "metodi/RicercaMetodi.h"
#include "metodi/frmMultiRuota.h"
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

bool spuntata(const QAbstractButton* b)
{
    return vbValue(b) == 1;
}

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
    int n = 0;
    if (spuntata(caselle[0]))
        n = 10;
    else
        for (int i = 1; i <= 10; ++i)
            n += spuntata(caselle[size_t(i)]) ? 1 : 0;
    return n + (spuntata(caselle[11]) ? 1 : 0);
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

// Stand-in for the multi-wheel engine: the ordinary search run by run.
namespace provvisorio {

struct CombinazioneRuote {
    std::array<bool, 12> ricerca{}, gioco{};   // 0 = "Tutte"
};

struct RigaMulti {
    RigaRisultato riga;
    QString ruoteRicerca, ruoteGioco;
};

struct EsitoMultiRuota {
    std::vector<RigaMulti> righe;
    int corseCompletate = 0;
    std::optional<ControlloRicerca> rifiuto;
    std::optional<AppError> erroreFile;
};

std::array<bool, 12> candidati(const std::array<bool, 12>& s)
{
    std::array<bool, 12> c{};
    for (int i = 1; i <= 11; ++i)
        c[size_t(i)] = s[size_t(i)] || (i <= 10 && s[0]);
    return c;
}

std::vector<std::array<bool, 12>> insiemi(const std::array<bool, 12>& c, int quanti)
{
    std::vector<int> w;
    for (int i = 1; i <= 11; ++i)
        if (c[size_t(i)])
            w.push_back(i);
    std::vector<std::array<bool, 12>> out;
    std::vector<int> scelta;
    std::function<void(size_t)> scegli = [&](size_t da) {
        if (int(scelta.size()) == quanti) {
            std::array<bool, 12> s{};
            for (int i : scelta)
                s[size_t(i)] = true;
            out.push_back(s);
            return;
        }
        for (size_t j = da; j < w.size(); ++j) {
            scelta.push_back(w[j]);
            scegli(j + 1);
            scelta.pop_back();
        }
    };
    scegli(0);
    return out;
}

std::vector<CombinazioneRuote> combinazioni(const std::array<bool, 12>& ricerca, int k,
                                            const std::array<bool, 12>& gioco, int m)
{
    const std::array<bool, 12> cr = candidati(ricerca);
    std::vector<std::array<bool, 12>> serie;
    if (k == 0) {
        std::array<bool, 12> tutte{};
        tutte[0] = true;
        tutte[11] = cr[11];
        if (std::find(cr.begin(), cr.end(), true) != cr.end())
            serie.push_back(tutte);
    } else {
        serie = insiemi(cr, k);
    }
    std::vector<CombinazioneRuote> out;
    for (const auto& r : serie)
        for (const auto& g : insiemi(candidati(gioco), m))
            out.push_back({r, g});
    return out;
}

QString sigle(const std::array<bool, 12>& s)
{
    if (s[0])
        return s[11] ? QStringLiteral("Tutte+NZ") : QStringLiteral("Tutte");
    QStringList l;
    for (int i = 1; i <= 11; ++i)
        if (s[size_t(i)])
            l << siglaRuota(i);
    return l.join(u'-');
}

EsitoMultiRuota cercaMultiRuota(ArchivioEstrazioni& archivio, const Restrizioni& restrizioni,
                                const CalendarioMensile& calendario, const ParametriRicerca& base,
                                const std::vector<CombinazioneRuote>& combinazioni, int quanti,
                                const ProgressoRicerca& progresso)
{
    EsitoMultiRuota e;
    const int n = int(combinazioni.size());
    for (int i = 0; i < n; ++i) {
        if (progresso && progresso(i, n))
            break;
        ParametriRicerca p = base;
        p.ruoteRicerca = candidati(combinazioni[size_t(i)].ricerca);
        p.ruoteGioco = candidati(combinazioni[size_t(i)].gioco);
        if (const ControlloRicerca c = controllaParametri(p); !c.ok()) {
            e.rifiuto = c;
            break;
        }
        const EsitoRicerca r = cercaMetodi(archivio, restrizioni, calendario, p,
                                           [&](int, int) { return progresso && progresso(i, n); });
        if (r.erroreFile)
            e.erroreFile = r.erroreFile;
        if (r.erroreFile || r.interrotta)
            break;
        for (size_t j = 0; j < r.righe.size() && int(j) < quanti; ++j)
            e.righe.push_back({r.righe[j], sigle(combinazioni[size_t(i)].ricerca),
                               sigle(combinazioni[size_t(i)].gioco)});
        ++e.corseCompletate;
    }
    return e;
}

} // namespace provvisorio

} // namespace

void frmQuorvane::collegaMulti()
{
    on(cmdSuccessiva, &QPushButton::clicked, QStringLiteral("cmdSuccessiva_Click"),
       [this] { cmdSuccessiva_Click(); });
    onGotFocus(this, txtDataFine, QStringLiteral("txtDataFine_GotFocus"),
               [this] { txtDataFine->setSelection(0, 10); });
    onKeyPress(this, txtDataFine, QStringLiteral("txtDataFine_KeyPress"),
               [](int tasto) { return tasto == '/' ? tasto : SoloNumeri(tasto); });
    on(cmdRicercaAutomatica, &QPushButton::clicked, QStringLiteral("cmdRicercaAutomatica_Click"),
       [this] { cmdRicercaAutomatica_Click(); });
    on(cmdEsci, &QPushButton::clicked, QStringLiteral("cmdEsci_Click"),
       [this] { fraRicercaAutomatica->hide(); });
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
    fraRicercaAutomatica->show();
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
    const int k = optRicerca[0]->isChecked() ? 0 : optRicerca[1]->isChecked() ? 1 : 2;
    const int m = optGioco[3]->isChecked() ? 3 : optGioco[2]->isChecked() ? 2 : 1;
    const auto combinazioni = provvisorio::combinazioni(spunte(chkRuota), k, spunte(chkRuotaG), m);

    fraRicercaAutomatica->hide();
    cmdRicercaAutomatica->setEnabled(false);
    const QPointer<frmMultiRuota> multi = Forms::get<frmMultiRuota>();
    multi->vbShow(this);
    vbSetTop(multi, vbTop(this));
    vbSetLeft(multi, vbLeft(this) - 2200);
    multi->iniziaRicerca(ListViewOrdin2->columnHeader(4));
    const int quanti = cboQuanti->currentIndex() + 1;

    struct Fine {
        frmQuorvane* f;
        const QPointer<frmMultiRuota>& multi;
        DescrizioneMultiRuota corsa;
        ~Fine()
        {
            f->cmdRicercaAutomatica->setEnabled(true);
            if (multi)
                multi->fineRicerca(corsa);
        }
    } fine{this, multi, descrizioneCorsa(this)};
    FlagScope automatica(RicercaAutomaticaInCorso);

    ParametriRicerca base;
    if (combinazioni.empty() || !leggiParametri(base))
        return;
    fine.corsa = descrizioneCorsa(this);

    provvisorio::EsitoMultiRuota esito;
    {
        FlagScope inCorso(ricercaInCorso_);
        CalcoloScope calcolo;
        PulisciRisultati();
        frmElaborazioni* elaborazioni = Forms::get<frmElaborazioni>();
        elaborazioni->lblDescrizioneJob->setText(QStringLiteral("Analisi algoritmi..."));
        elaborazioni->vbShow(this);
        ProgressBar1->setRange(0, int(combinazioni.size()));
        ProgressBar1->setValue(0);
        DisabledScope ingressi(corpo_);
        const CalendarioMensile calendario{IndiceMensile, UltimaDelMese, IndiceMassimo};
        QElapsedTimer orologio;
        orologio.start();
        auto progresso = [&](int corse, int) {
            ProgressBar1->setValue(corse);
            if (orologio.elapsed() >= 30) {
                vbDoEvents();
                orologio.restart();
            }
            return StopRicerca || platform().keyboard().escDown();
        };
        esito = provvisorio::cercaMultiRuota(Archivio(), RestrizioniAttive(), calendario, base,
                                             combinazioni, quanti, progresso);
        ProgressBar1->setValue(ProgressBar1->maximum());
        StopRicerca = false;
        if (frmElaborazioni* e = Forms::find<frmElaborazioni>())
            vbUnload(e);
    }
    if (multi)
        for (const provvisorio::RigaMulti& r : esito.righe)
            multi->aggiungiRiga({r.riga.descrizione, r.riga.sortite, r.riga.presenzeQuantita,
                                 r.riga.percentuale, r.riga.numero, r.ruoteRicerca, r.ruoteGioco},
                                r.riga.codice);
    // The runs ticked their own wheels and the search put the user's back:
    // the choice is stored once, as it stands.
    SalvaRuoteConNz(this, 11);
    SalvaRuoteConNzGioco(this, 11);
    if (esito.corseCompletate > 0)
        vbSetText(txtDataFine, vbDateText(DTPickerA->date()));
    if (esito.rifiuto)
        rifiuta(*esito.rifiuto);
    if (esito.erroreFile)
        throw *esito.erroreFile;
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
    const QString codice = ReportListView::tag(riga);
    vbSetText(txtCapoGioco, riga->text(0));
    txtCapoGioco->setProperty("Tag", codice);
    CodiciAlgoritmiAbbinati.clear();
    lstAlgoritmiAbbinati->clear();
    lstNumeriAbbinati->clear();
    qint32 estrazione = 0;
    const int capogioco = CalcolaAlgoritmo(codice, estrazione);
    if (capogioco != 0) {
        lblCapo->setText(QString::number(capogioco));
        cmdReport[0]->setEnabled(true);
        RuoteRicercaMulti = ReportListView::subItem(riga, 5);
        RuoteGiocoMulti = ReportListView::subItem(riga, 6);
        ImpostaRuote(RuoteRicercaMulti, 1);
        ImpostaRuote(RuoteGiocoMulti, 2);
    } else {
        vbMsgBox(txtCapoGioco->text() + QStringLiteral(" uguale a zero - Caso non giocabile!"), vbInformation,
                 QStringLiteral("Attenzione"));
        lblCapo->clear();
        cmdReport[0]->setEnabled(false);
    }
}
