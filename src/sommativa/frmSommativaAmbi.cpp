#include "sommativa/frmSommativaAmbi.h"

#include "compat/vb.h"
#include "compat/vbdate.h"
#include "compat/ui/Controls.h"
#include "compat/ui/Platform.h"
#include "compat/ui/ReportListView.h"
#include "core/ArchivioMemoria.h"
#include "core/CalendarioEstrazioni.h"
#include "core/TabellaImpostazioni.h"
#include "sommativa/RicercaSommativa.h"
#include "shell/modArchivio.h"
#include "shell/modAspetto.h"
#include "shell/modCalendario.h"
#include "shell/Controlli.h"
#include "shell/modElaborazione.h"
#include "shell/modMetodoSpia.h"
#include "shell/modPeriodo.h"

#include <QComboBox>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <algorithm>

using namespace compat;

namespace {

const QString kErrore = QStringLiteral("Errore");

// A stored input stands when it is what its box could hold: digits only.
QString inputSalvato(const Impostazione& voce, int lunghezza)
{
    const QString v = leggi(voce);
    const bool buono = !v.isEmpty() && v.size() <= lunghezza
                       && std::all_of(v.begin(), v.end(), [](QChar c) { return c.isDigit(); });
    return buono ? v : voce.valorePredefinito();
}

} // namespace

frmSommativaAmbi::frmSommativaAmbi()
{
    setObjectName(QStringLiteral("frmSommativaAmbi"));
    setWindowTitle(QStringLiteral("Metodo sommativo per la ricerca dell'ambo by Ostrel"));
    costruisci();
    // The first column click sorts ascending.
    ListViewRisultati->setSortOrder(Qt::DescendingOrder);
    collega();
}

// ---------------------------------------------------------------------------
// Load and unload

void frmSommativaAmbi::formLoad()
{
    Forms::current = this;
    CaricaPosizioneForm(this);
    ImpostaForm(this);

    CaricaRuote(true);
    // A hand-edited choice naming no wheel or several gives way to Bari.
    int spuntate = 0;
    for (int i = 1; i <= 11; ++i)
        if (vbValue(chkRuota[size_t(i)]) == 1) {
            ++spuntate;
            RuotaScelta = i;
        }
    if (spuntate != 1)
        chkRuota_Click(1);

    IndiceMassimo = CostruisciIndiceMensile();
    estrazioniIndice_ = NumeroEstrazioni;
    if (IndiceMassimo > 0)
        riempiIndici(0);

    vbSetText(txtColpi, inputSalvato(imp::SommativaColpi, 2));
    vbSetText(txtGiocate, inputSalvato(imp::SommativaGiocate, 2));
    vbSetText(txtQuanti, inputSalvato(imp::SommativaQuanti, 3));

    InizializzaPrimaEstrazioneRuota();
    AllineaDataFinale();
    vbSetDate(DTPickerAAnalisi, DTPickerA->date());
    vbSetDate(DTPickerDaAnalisi, DTPickerA->date());
}

void frmSommativaAmbi::queryUnload(int, bool& cancel)
{
    // A close while the search runs stops it; the window closes once it has.
    if (ricercaInCorso_) {
        fermaRicerca_ = true;
        chiudiDopo_ = true;
        cancel = true;
    }
}

void frmSommativaAmbi::formUnload(bool&)
{
    salva(imp::SommativaColpi, txtColpi->text());
    salva(imp::SommativaGiocate, txtGiocate->text());
    salva(imp::SommativaQuanti, txtQuanti->text());
    SalvaPosizioneForm(this);
}

ControlliAnalisi frmSommativaAmbi::controlliAnalisi()
{
    ControlliAnalisi c;
    c.ruote = caselle(chkRuota);
    c.DTPickerDa = DTPickerDa;
    c.DTPickerA = DTPickerA;
    return c;
}

// ---------------------------------------------------------------------------
// Inputs

void frmSommativaAmbi::chkRuota_Click(int index)
{
    Forms::current = this;
    SalvaRuote(this, index);
    RuotaScelta = index;
    PulisciRisultati();
}

void frmSommativaAmbi::PulisciRisultati()
{
    ListViewRisultati->clear();
    ListViewRisultati->setSorted(false);
    ListViewRisultati->setColumnHeader(5, QStringLiteral("Numeri al"));
    ListViewDettaglio->clear();
    lblDettaglio->setText(QStringLiteral("Dettaglio giocate"));
    lblDettaglio->setProperty("Tag", QString());
}

int frmSommativaAmbi::leggiColpi()
{
    const double v = vbVal(txtColpi->text());
    if (v < 1 || v > kMassimoColpi) {
        vbMsgBox(QStringLiteral("Inserire il numero di colpi da verificare!"), vbExclamation, kErrore);
        txtColpi->setFocus();
        return 0;
    }
    return int(v);
}

int frmSommativaAmbi::leggiCicli()
{
    const double v = vbVal(txtGiocate->text());
    if (v < 1 || v > kMassimoCicli) {
        vbMsgBox(QStringLiteral("Inserire il numero di cicli!"), vbExclamation, kErrore);
        txtGiocate->setFocus();
        return 0;
    }
    return int(v);
}

void frmSommativaAmbi::aggiornaIndice()
{
    if (estrazioniIndice_ == NumeroEstrazioni)
        return;
    const bool ultima = cboIndice->currentIndex() == IndiceMassimo;
    const int scelto = cboIndice->currentIndex();
    const int prima = IndiceMassimo;
    IndiceMassimo = CostruisciIndiceMensile();
    estrazioniIndice_ = NumeroEstrazioni;
    if (IndiceMassimo == prima)
        return;
    // A month with more draws than any before: the selector grows, keeping its choice.
    riempiIndici(ultima ? IndiceMassimo : std::min(scelto, IndiceMassimo));
}

void frmSommativaAmbi::riempiIndici(int scelta)
{
    // Filling the selector is no change of index: the results stay.
    const QSignalBlocker fermo(cboIndice);
    cboIndice->clear();
    for (int i = 1; i <= IndiceMassimo; ++i)
        cboIndice->addItem(QString::number(i));
    cboIndice->addItem(QStringLiteral("Ultima"));
    cboIndice->setCurrentIndex(scelta);
}

CalendarioMensile frmSommativaAmbi::calendario() const
{
    return CalendarioMensile{IndiceMensile, UltimaDelMese, IndiceMassimo};
}

void frmSommativaAmbi::AllineaDataFinale()
{
    if (AllineamentoInCorso)
        return;
    FlagScope inCorso(AllineamentoInCorso);
    aggiornaIndice();
    CercaPrecedente = false;
    CercaEstrazione(vbDateText(DTPickerA->date()));
    const qint32 e = EstrazioneTrovata;
    if (e >= 1 && size_t(e) < UltimaDelMese.size())
        lblIndiceAl->setText(UltimaDelMese[size_t(e)] ? QStringLiteral("U")
                                                      : QString::number(IndiceMensile[size_t(e)]));
    if (const auto d = vbCDate(DataEstrazione(e)))
        vbSetDate(DTPickerA, *d);
}

qint32 frmSommativaAmbi::CalcolaNumeroIniziale()
{
    const int colpi = leggiColpi();
    if (colpi == 0)
        return 0;
    const int cicli = leggiCicli();
    if (cicli == 0)
        return 0;
    CercaEstrazione(vbDateText(DTPickerA->date()));
    // Nothing is computed from the draw of an earlier lookup.
    if (DataErrata)
        return 0;
    const qint32 fine = EstrazioneTrovata;
    aggiornaIndice();
    const SceltaIndice sel{cboIndice->currentIndex() + 1, IndiceMassimo};
    const qint32 primaRuota = RuotaScelta >= 1 && RuotaScelta <= 11
                                  ? PrimaEstrazioneRuota[size_t(RuotaScelta)]
                                  : NumeroEstrazioni + 1;
    const EsitoInizio e = calcolaNumeroIniziale(calendario(), sel, fine, colpi, cicli, primaRuota);
    if (e.errore != EsitoInizio::Errore::Nessuno) {
        vbMsgBox(e.messaggio(), vbExclamation, kErrore);
        return 0;
    }
    return e.inizio;
}

void frmSommativaAmbi::cmdPrecedente_Click()
{
    CercaEstrazione(vbDateText(DTPickerA->date()));
    if (DataErrata)
        return;
    const qint32 n = EstrazioneTrovata;
    if (CalcolaNumeroIniziale() >= 1 && n > 1)
        if (const auto d = vbCDate(DataEstrazione(n - 1)))
            vbSetDate(DTPickerA, *d);
}

void frmSommativaAmbi::cmdSuccessiva_Click()
{
    CercaEstrazione(vbDateText(DTPickerA->date()));
    if (DataErrata || EstrazioneTrovata >= NumeroEstrazioni)
        return;
    if (const auto d = vbCDate(DataEstrazione(EstrazioneTrovata + 1)))
        vbSetDate(DTPickerA, *d);
}

void frmSommativaAmbi::cmdUltima_Click()
{
    if (const auto d = vbCDate(DataEstrazione(NumeroEstrazioni)))
        vbSetDate(DTPickerA, *d);
}

void frmSommativaAmbi::cmdCalcolaData_Click()
{
    const qint32 s = CalcolaNumeroIniziale();
    if (s > 0)
        vbMsgBox(DataEstrazione(s), vbInformation, QStringLiteral("Data inizio ricerca"));
}

void frmSommativaAmbi::ListViewRisultati_ColumnClick(int colonna)
{
    ListViewRisultati->setSortKey(colonna - 1);
    ListViewRisultati->setSorted(true);
    ListViewRisultati->setSortOrder(ListViewRisultati->sortOrder() == Qt::AscendingOrder
                                        ? Qt::DescendingOrder
                                        : Qt::AscendingOrder);
}

// ---------------------------------------------------------------------------
// The search

void frmSommativaAmbi::cmdCalcola_Click()
{
    if (ricercaInCorso_ || ElaborazioneAttiva())
        return;
    const int colpi = leggiColpi();
    if (colpi == 0)
        return;
    const int cicli = leggiCicli();
    if (cicli == 0)
        return;
    const double quanti = vbVal(txtQuanti->text());
    if (quanti < 1 || quanti > kMassimoQuanti) {
        vbMsgBox(QStringLiteral("Inserire il quantitativo di risultati desiderato!"), vbExclamation,
                 kErrore);
        txtQuanti->setFocus();
        return;
    }
    CercaEstrazione(vbDateText(DTPickerA->date()));
    if (DataErrata)
        return;
    const qint32 fine = EstrazioneTrovata;
    const qint32 inizio = CalcolaNumeroIniziale();
    if (DataErrata)
        return;
    if (inizio < kInizioMinimoSommativa) {
        vbPress(cmdCalcolaData);
        vbMsgBox(QStringLiteral("Data minima ammessa 6/1/1945!"), vbExclamation,
                 QStringLiteral("Errore data inizio ricerca"));
        return;
    }
    if (const auto d = vbCDate(DataEstrazione(fine)))
        vbSetDate(DTPickerAAnalisi, *d);
    if (const auto d = vbCDate(DataEstrazione(inizio)))
        vbSetDate(DTPickerDaAnalisi, *d);
    ProgressBar1->setRange(0, cicli);
    ProgressBar1->setValue(0);
    PulisciRisultati();
    eseguiRicerca(inizio, fine, colpi, cicli, int(quanti));
}

void frmSommativaAmbi::eseguiRicerca(qint32 inizio, qint32 fine, int colpi, int cicli, int quanti)
{
    // The search works on its own copy of the inputs and of the archive.
    ParametriSommativa p;
    p.ruota = RuotaScelta;
    p.colpi = colpi;
    p.cicli = cicli;
    p.quanti = quanti;
    p.indice = SceltaIndice{cboIndice->currentIndex() + 1, IndiceMassimo};
    p.inizio = inizio;
    p.fine = fine;
    const DescrizioneSimulazione descrizione{DataEstrazione(inizio), DataEstrazione(fine),
                                             nomeRuota(RuotaScelta), cboIndice->currentText(),
                                             txtGiocate->text(), txtColpi->text()};
    const std::shared_ptr<const ArchivioMemoria> archivio = vistaArchivio(Archivio());
    const CalendarioMensile cal = calendario();

    EsitoSommativa esito;
    {
        FlagScope inCorso(ricercaInCorso_);
        CalcoloScope calcolo;   // other computations wait; the Esc latch is cleared
        fermaRicerca_ = false;
        DisabledScope ingressi(corpo_);
        QElapsedTimer orologio;
        orologio.start();
        int contati = 0;
        // The bar counts the cycles; events go through after every cycle and
        // now and then within a long one.
        auto progresso = [&](int fatti, int) {
            ProgressBar1->setValue(std::min(fatti, cicli));
            if (fatti != contati || orologio.elapsed() >= 30) {
                contati = fatti;
                vbDoEvents();
                orologio.restart();
            }
            return fermaRicerca_ || platform().keyboard().escDown();
        };
        esito = cercaSommativa(*archivio, cal, p, progresso);
    }
    if (esito.interrotta) {
        if (chiudiDopo_)
            vbUnload(this);
        return;
    }
    for (const RigaSommativa& r : esito.righe) {
        QTreeWidgetItem* riga = ListViewRisultati->addItem(r.algoritmo);
        ReportListView::setTag(riga, r.codice);
        ListViewRisultati->setSubItem(riga, 1, r.casiPositivi);
        ListViewRisultati->setSubItem(riga, 2, r.casiNegativi);
        ListViewRisultati->setSubItem(riga, 3, r.testoQuantita);
        ListViewRisultati->setSubItem(riga, 4, r.numeriAl);
    }
    ListViewRisultati->setColumnHeader(5, esito.intestazioneNumeri);
    ProgressBar1->setValue(std::min(esito.cicli, cicli));
    corsa_ = descrizione;
    inizioCorsa_ = inizio;
    if (chiudiDopo_)
        vbUnload(this);
}

// ---------------------------------------------------------------------------
// The detail of a formula

void frmSommativaAmbi::ListViewRisultati_ItemClick(QTreeWidgetItem* riga)
{
    if (!riga)
        return;
    lblDettaglio->setText(QStringLiteral("Dettaglio giocate    ") + riga->text(0));
    lblDettaglio->setProperty("Tag", ReportListView::tag(riga));
    CalcolaRisultati();
}

void frmSommativaAmbi::CalcolaRisultati()
{
    CercaEstrazione(vbDateText(DTPickerDaAnalisi->date()));
    if (DataErrata)
        return;
    const qint32 da = EstrazioneTrovata;
    CercaEstrazione(vbDateText(DTPickerAAnalisi->date()));
    if (DataErrata)
        return;
    const qint32 a = EstrazioneTrovata;
    if (a < da) {
        vbMsgBox(QStringLiteral("Data inizio maggiore data fine"), vbExclamation, kErrore);
        return;
    }
    const int colpi = leggiColpi();
    if (colpi == 0 || leggiCicli() == 0)
        return;
    aggiornaIndice();
    const SceltaIndice sel{cboIndice->currentIndex() + 1, IndiceMassimo};
    ListViewDettaglio->clear();
    const EsitoDettaglio esito =
        dettaglioSommativa(*vistaArchivio(Archivio()), calendario(), sel, RuotaScelta, colpi, da, a,
                           lblDettaglio->property("Tag").toString());
    if (esito.errore != EsitoDettaglio::Errore::Nessuno) {
        vbMsgBox(esito.messaggio(), vbExclamation, kErrore);
        return;
    }
    for (const RigaDettaglioSommativa& r : esito.righe) {
        QTreeWidgetItem* riga = ListViewDettaglio->addItem(r.data);
        ListViewDettaglio->setSubItem(riga, 1, r.numeri);
        ListViewDettaglio->setSubItem(riga, 2, r.esito);
    }
    descrizioneDettaglio_ = rigaDescrizioneDettaglio(lblDettaglio->text(),
                                                     vbDateText(DTPickerDaAnalisi->date()),
                                                     vbDateText(DTPickerAAnalisi->date()));
}
