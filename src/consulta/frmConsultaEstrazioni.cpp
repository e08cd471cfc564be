#include "consulta/frmConsultaEstrazioni.h"

#include "compat/AppError.h"
#include "compat/vb.h"
#include "compat/vbdate.h"
#include "compat/vbformat.h"
#include "compat/ui/Colors.h"
#include "compat/ui/Controls.h"
#include "compat/ui/Platform.h"
#include "compat/ui/Twips.h"
#include "consulta/Analisi.h"
#include "consulta/IndiceUscite.h"
#include "core/ArchivioMemoria.h"
#include "core/Procedure.h"
#include "core/TabellaImpostazioni.h"
#include "shell/modArchivio.h"
#include "shell/modAspetto.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <exception>
#include <optional>

using namespace compat;

namespace {

constexpr double kLarghezzaRidotta = 4170;
constexpr quint32 kFacciaPulsante = 0x8000000F;

const std::array<const char*, 12> kTitoliRuote = {
    "Tutte le ruote", "Bari", "Cagliari", "Firenze", "Genova", "Milano",
    "Napoli", "Palermo", "Roma", "Torino", "Venezia", "Nazionale"};

// The message of an error that ends a procedure of the board.
void segnalaErrore(int numero, const QString& descrizione, int riga, const char* procedura)
{
    vbMsgBox(QStringLiteral("Errore %1 : %2 in riga %3 - Procedura ConsultaEstrazioni_%4")
                 .arg(numero)
                 .arg(descrizione)
                 .arg(riga)
                 .arg(QLatin1String(procedura)),
             vbOKOnly);
}

// Runs `passo` as step `riga` of `procedura`; an error is reported and the
// caller goes on or stops as it chooses.
template <class F>
bool passo(int riga, const char* procedura, F&& f)
{
    try {
        f();
        return true;
    } catch (const ProcessEnded&) {
        throw;
    } catch (const AppError& e) {
        segnalaErrore(e.number, e.description, riga, procedura);
    } catch (const std::exception& e) {
        segnalaErrore(5, QString::fromLocal8Bit(e.what()), riga, procedura);
    }
    return false;
}

// The step an analysis' error message names.
int RigaAnalisi(int codice)
{
    switch (codice) {
    case 1: return 6;
    case 2: return 7;
    case 3: return 8;
    case 4: return 9;
    case 6: return 11;
    case 7: return 12;
    case 8: return 13;
    case 9: return 14;
    case 10: return 16;
    case 11: return 19;
    case 12:
    case 14: return 22;
    case 13:
    case 15: return 23;
    case 16: return 24;
    case 17: return 25;
    case 51: return 27;
    case 52: return 3;
    case 53: return 4;
    case 54: return 28;
    case 110: return 15;
    default: return 2;
    }
}

} // namespace

frmConsultaEstrazioni::frmConsultaEstrazioni()
{
    setObjectName(QStringLiteral("frmConsultaEstrazioni"));
    setWindowTitle(titolo());
    costruisci();
    collega();
    vbSetWidth(this, larghezzaPiena_);
}

frmConsultaEstrazioni::~frmConsultaEstrazioni() = default;

// ---------------------------------------------------------------------------
// Life

void frmConsultaEstrazioni::formLoad()
{
    const char* proc = "FormLoad";
    double left = 0, top = 0;
    passo(1, proc, [&] { left = vbVal(leggi(imp::ConsultaLeft)); });
    passo(2, proc, [&] { top = vbVal(leggi(imp::ConsultaTop)); });
    passo(3, proc, [&] {
        Stato.Riepilogo = leggi(imp::Riepilogo).compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
    });
    passo(4, proc, [&] { mnuVisualizzaRiepilogo->setChecked(Stato.Riepilogo); });
    passo(5, proc, [&] {
        for (int r = 0; r <= 10; ++r)
            for (int p = 1; p <= 5; ++p)
                txtEstratto[r * 5 + p]->setToolTip(vbStr(p) + QStringLiteral("' estratto ruota di ") +
                                                   NomiRuote[r + 1]);
    });
    passo(6, proc, [&] {
        // A new board opens 500 twips away from every other open board.
        for (Form* f : Forms::all())
            if (f != this && f->windowTitle() == titolo()) {
                top += 500;
                left += 500;
            }
        restoreFrameOrigin(this, left, top);
    });
    passo(8, proc, [&] {
        for (QPushButton* b : cmdNumero)
            b->setEnabled(false);
    });
    passo(10, proc, [&] { InizializzaNavigazione(); });
    passo(11, proc, [&] { Visualizza(); });
    passo(12, proc, [&] { vbSetComboText(cboSalto, QStringLiteral("10")); });
    passo(13, proc, [&] {
        Forms::current = this;
        ImpostaForm(this);
    });
    passo(14, proc, [&] {
        cmdResize->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    });
    passo(15, proc, [&] {
        cmdReset->setToolTip(QStringLiteral("Annulla la selezione impostata"));
        vbSetHeight(this, 8905);
    });
}

void frmConsultaEstrazioni::formResize()
{
    const bool ridotta = vbWidth(this) < 7000;
    fraComandiSmall->setVisible(ridotta);
    posizionaDidascalie(ridotta);
}

void frmConsultaEstrazioni::posizionaDidascalie(bool ridotta)
{
    // The compact navigation lies over the top of the cells frame: meanwhile
    // the wheel's and the mode's captions stand under the cells, beside cmdResize.
    vbMove(Label1, 120, ridotta ? 5100 : 180, ridotta ? 3180 : 3600, 255);
    vbMove(lblVisualizzazione, 120, ridotta ? 5355 : 420, ridotta ? 3180 : 3600, 255);
}

void frmConsultaEstrazioni::formUnload(bool&)
{
    annullaAnalisi();
    if (!isMinimized()) {
        const FrameTwips f = keptFrameOf(this);
        salva(imp::ConsultaLeft, vbCStr(f.left));
        salva(imp::ConsultaTop, vbCStr(f.top));
    }
    salva(imp::Riepilogo, vbCStr(Stato.Riepilogo));
    // Last: the redraw above refilled the table from this board.
    lasciaSommeDistanze();
}

void frmConsultaEstrazioni::InizializzaNavigazione()
{
    Stato.EstrazioneCorrente = NumeroEstrazioni;
    impostaSlider(NumeroEstrazioni, Slider1->value());
    lblTotaleEstrazioni->setText(vbStr(NumeroEstrazioni));
}

void frmConsultaEstrazioni::NascondiNumeri()
{
    for (QPushButton* b : cmdNumero)
        b->setEnabled(false);
}

// ---------------------------------------------------------------------------
// The redraw

void frmConsultaEstrazioni::impostaSlider(qint32 massimo, qint32 valore)
{
    // Setting the slider from code is no navigation.
    FlagScope da(sliderDaCodice_);
    Slider1->setMaximum(std::max<qint32>(massimo, 1));
    Slider1->setValue(valore);
}

void frmConsultaEstrazioni::Slider1_Change(int valore)
{
    if (sliderDaCodice_)
        return;
    Stato.EstrazioneCorrente = valore;
    Visualizza();
}

void frmConsultaEstrazioni::Visualizza()
{
    if (RidisegnoInCorso)
        return;
    int riga = 1;
    std::optional<AppError> errore;
    {
        // The hourglass while the board is drawn; gone before an error is told.
        BusyCursor attesa;
        try {
            riempiTabellone(riga);
            applicaModoEAnalisi(riga);
        } catch (const ProcessEnded&) {
            throw;
        } catch (const AppError& e) {
            errore = e;
        } catch (const std::exception& e) {
            errore = AppError{5, QString::fromLocal8Bit(e.what()), {}};
        }
        disegnaCelle();
        if (!errore)
            ridisegnaSommeDistanze();
    }
    if (errore)
        segnalaErrore(errore->number, errore->description, riga, "Visualizza");
}

// The redraw's steps 2 to 11: the draw (or the ten draws of one wheel) into
// the cells, its header and the navigation controls.
void frmConsultaEstrazioni::riempiTabellone(int& riga)
{
    // Released on every way out, so a failed redraw never leaves a dead board.
    FlagScope guardia(RidisegnoInCorso);
    riga = 2;
    vista_ = vistaArchivio(Archivio());
    indice_.reset();
    const qint32 n = vista_->numeroEstrazioni();
    if (n < 1)
        compat::raise(63);
    Stato.EstrazioneCorrente = std::clamp<qint32>(Stato.EstrazioneCorrente, 1, std::max(n, 1));
    IntestazioneEstrazione h;
    if (Stato.RuotaSingola == 0) {
        h = RiempiTutteLeRuote(*vista_, Stato.EstrazioneCorrente, chkOrdin->isChecked(), celle_);
        riga = 3;
        const QDate d = vista_->data(Stato.EstrazioneCorrente);
        vbSetDate(DTPicker1, d);
        riga = 4;
        vbSetDate(DTPicker2, d);
        riga = 5;
    } else {
        h = RiempiRuotaSingola(*vista_, Stato, chkOrdin->isChecked(), celle_);
        for (int r = 0; r <= 9; ++r)
            lblData[r]->setText(h.dateRighe[r]);
    }
    riga = 6;
    lblNumeroAnnoEstraz->setText(vbStr(h.progressivoAnno));
    lblAnnoEstrazione->setText(QStringLiteral(" / ") + h.anno);
    riga = 7;
    impostaSlider(n, Stato.EstrazioneCorrente);
    riga = 9;
    lblGiornoEstraz->setText(vbWeekdayName(vbWeekday(vista_->data(Stato.EstrazioneCorrente))));
    riga = 11;
}

// The redraw's steps 12 to 19, each painting over the earlier ones: the
// display mode, the analysis in force and the find markings.
void frmConsultaEstrazioni::applicaModoEAnalisi(int& riga)
{
    riga = 12;
    lblTotaleEstrazioni->setText(vbStr(Stato.EstrazioneCorrente));
    if (Stato.TipoVisualizzazione == 1) {
        riga = 13;
        MostraRitardiSortita(*vista_, Stato, celle_);
    }
    if (Stato.TipoVisualizzazione == 2) {
        riga = 14;
        if (CalcolaPeriodo()) {
            lblSorMedia->setText(QStringLiteral("Sortita media: ") + vbFormat(Stato.SortitaMedia, u"##0.0"));
            indice_ = indiceUscite(vista_);
            MostraFrequenze(*indice_, Stato, chkConsideraAttuale->isChecked(), celle_);
        } else {
            // The cells keep the drawn numbers: no average of an earlier period beside them.
            lblSorMedia->setText(QStringLiteral("Sortita media: "));
        }
    }
    if (Stato.TipoAnalisi != 0) {
        riga = 15;
        VisualizzaAnalisi();
    }
    if (Stato.TrovaNumeri) {
        riga = 17;
        MarcaNumeriCercati(Stato, celle_);
        ElencaNumeriTrovati();
    }
    if (Stato.TrovaSomme) {
        riga = 18;
        MarcaSommeCercate(Stato, chkTrovaF90->isChecked(), celle_);
    }
    if (Stato.TrovaDistanze) {
        riga = 19;
        MarcaDistanzeCercate(Stato, celle_);
    }
    mostraTotali();
}

void frmConsultaEstrazioni::VisualizzaAnalisi()
{
    int riga = 1;
    try {
        riga = 2;
        ContestoAnalisi c;
        c.codice = Stato.TipoAnalisi;
        c.famiglia = ValoreIntero(lblNFamiglia->text());
        c.tutteLeRuote = Stato.RuotaSingola == 0;
        c.isotopi = chkNumeriAmbiIsotopi->isChecked();
        c.estrazione = ValoreIntero(lblTotaleEstrazioni->text());
        c.sogliaRitardo = ValoreIntero(txtRitardo->text());
        c.vista = vista_.get();
        impostaCiclometria(c);
        riga = RigaAnalisi(c.codice);
        const EsitoAnalisi e = EseguiAnalisi(c, celle_);
        if (e.titolo)
            TitoloAnalisi();
        if (e.riepilogo)
            mostraRiepilogo(e.righe);
    } catch (const ProcessEnded&) {
        throw;
    } catch (const AppError& e) {
        segnalaErrore(e.number, e.description, riga, "VisualizzaAnalisi");
    } catch (const std::exception& e) {
        segnalaErrore(5, QString::fromLocal8Bit(e.what()), riga, "VisualizzaAnalisi");
    }
}

void frmConsultaEstrazioni::disegnaCelle()
{
    for (int i = 1; i <= kCelleTabellone; ++i) {
        const Cella& c = celle_[i];
        Cella& prima = disegnate_[i];
        QLineEdit* t = txtEstratto[i];
        if (primoDisegno_ || c.testo != prima.testo)
            t->setText(c.testo);
        if (primoDisegno_ || c.suggerimento != prima.suggerimento)
            t->setToolTip(c.suggerimento);
        if (primoDisegno_ || c.sfondo != prima.sfondo)
            vbSetBackColor(t, c.sfondo);
        if (primoDisegno_ || c.colore != prima.colore)
            vbSetForeColor(t, c.colore);
        prima = c;
    }
    primoDisegno_ = false;
}

// ---------------------------------------------------------------------------
// Navigation and the other commands

void frmConsultaEstrazioni::vaiA(qint32 estrazione)
{
    Stato.EstrazioneCorrente = estrazione;
    Visualizza();
}

void frmConsultaEstrazioni::cmdConferma_Click(QDateEdit* sorgente)
{
    CercaPrecedente = false;
    CercaEstrazione(vbDateText(sorgente->date()));
    if (DataErrata) {
        sorgente->setFocus();
        return;
    }
    Stato.EstrazioneCorrente = EstrazioneTrovata;
    if (const auto d = vbCDate(DataEstrazione(EstrazioneTrovata))) {
        vbSetDate(DTPicker1, *d);
        vbSetDate(DTPicker2, *d);
    }
    Visualizza();
}

void frmConsultaEstrazioni::cmdRuota_Click(int index)
{
    Label1->setText(QString::fromLatin1(kTitoliRuote[index]));
    fraSomma->setVisible(false);
    const bool tutte = index == 0;
    lblNazionale->setText(tutte ? QStringLiteral("Nazionale") : QString());
    for (int r = 0; r <= 9; ++r) {
        lblData[r]->setVisible(!tutte);
        imgRuota[r]->setVisible(tutte);
    }
    // Delays and counts are no drawn numbers: these analyses come back with
    // the all-wheels layout only while the cells show the draw.
    const bool analisi = tutte && Stato.TipoVisualizzazione == 0;
    for (QWidget* w : std::initializer_list<QWidget*>{cmdUsciti, cmdNonUsciti, cmdUscitiScorsa,
                                                      cmdNonUscitiScorsa, cmd1x2, cmdPariDispari,
                                                      cmdRitardi, txtRitardo})
        w->setEnabled(analisi);
    if (tutte) {
        optTipoVis[1]->setEnabled(true);
        optTipoVis[2]->setEnabled(true);
    } else {
        chiudiRiepilogo();
    }
    Stato.RuotaSingola = index;
    Visualizza();
}

void frmConsultaEstrazioni::cmdResize_Click()
{
    formaRidotta_ = !formaRidotta_;
    vbSetWidth(this, formaRidotta_ ? kLarghezzaRidotta : larghezzaPiena_);
    cmdResize->setIcon(style()->standardIcon(formaRidotta_ ? QStyle::SP_ArrowRight : QStyle::SP_ArrowLeft));
}

void frmConsultaEstrazioni::annullaAnalisi()
{
    NascondiNumeri();
    lblDescrFamiglia->setText(QStringLiteral("Nessuna selezione"));
    lblNFamiglia->setText(QString());
    vbSetBackColor(lblNFamiglia, kFacciaPulsante);
    Stato.TipoAnalisi = 0;
    Visualizza();
}

void frmConsultaEstrazioni::cmdReset_Click()
{
    chiudiRiepilogo();
    annullaAnalisi();
}

void frmConsultaEstrazioni::mnuVisualizzaRiepilogo_Click()
{
    Stato.Riepilogo = !Stato.Riepilogo;
    chiudiRiepilogo();
    Visualizza();
}

void frmConsultaEstrazioni::SommaRuota(int riga)
{
    lblSomma->setText(QString::number(::SommaRuota(celle_, riga)));
}

bool frmConsultaEstrazioni::eventFilter(QObject* o, QEvent* e)
{
    if (filtroCaselle(o, e))
        return true;
    if (e->type() == QEvent::MouseButtonRelease) {
        for (int r = 0; r <= 9; ++r)
            if (o == imgRuota[r] || o == lblData[r]) {
                runHandler(QStringLiteral("imgRuota_Click"), [this, r] {
                    SommaRuota(r);
                    vbSetTop(fraSomma, vbTop(lblData[r]) - 260);
                    fraSomma->setVisible(true);
                });
                return true;
            }
        if (o == lblNazionale) {
            runHandler(QStringLiteral("lblNazionale_Click"), [this] {
                SommaRuota(10);
                vbSetTop(fraSomma, vbTop(lblNazionale) - 140);
                fraSomma->setVisible(true);
            });
            return true;
        }
    }
    return Form::eventFilter(o, e);
}
