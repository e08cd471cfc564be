#include "consulta/frmSommeDistanze.h"

#include "compat/vb.h"
#include "compat/vbdate.h"
#include "compat/ui/Colors.h"
#include "compat/ui/Controls.h"
#include "compat/ui/LinePrinter.h"
#include "compat/ui/Platform.h"
#include "compat/ui/ReportOutput.h"
#include "compat/ui/Twips.h"
#include "consulta/frmConsultaEstrazioni.h"
#include "consulta/frmGraficoSomme.h"
#include "core/TabellaImpostazioni.h"
#include "shell/modArchivio.h"
#include "shell/modAspetto.h"
#include "shell/modControlli.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

using namespace compat;

bool SommeDistanzeAperto = false;

namespace {

constexpr std::array<double, 10> kSinistraColonna = {1380, 2325, 3255, 4200, 5145,
                                                     6075, 7020, 7965, 8895, 9840};

QLabel* etichetta(QWidget* padre, const QString& nome, const QString& testo, quint32 sfondo)
{
    auto* l = CreaControllo<QLabel>(padre, nome, testo);
    l->setAlignment(Qt::AlignCenter);
    l->setFrameShape(QFrame::Box);
    vbSetBackColor(l, sfondo);
    return l;
}

QPushButton* pulsanteInterruttore(QWidget* padre, const char* nome, const char* testo, const char* suggerimento)
{
    auto* b = CreaControllo<QPushButton>(padre, QString::fromLatin1(nome), QString::fromLatin1(testo));
    b->setCheckable(true);
    b->setToolTip(QString::fromLatin1(suggerimento));
    vbSetBackColor(b, 0xFFFFFF);
    return b;
}

// The look the fill gives a cell.
void scriviCella(QLabel* l, const CellaSommeDistanze& c, quint32 sfondo)
{
    l->setText(c.testo);
    l->setToolTip(c.suggerimento);
    QFont f = l->font();
    f.setBold(c.uguale);
    l->setFont(f);
    vbSetBackColor(l, c.uguale ? kSfondoUguale : sfondo);
    vbSetForeColor(l, c.uguale ? kTestoUguale : kTestoSommaDistanza);
}

// One printed copy of the table, placed by columns.
void stampaTabella(ILinePrinter& p, const TabellaSommeDistanze& t, const QString& titolo1)
{
    p.setBold(true);
    p.endLine();
    p.endLine();
    for (const QString& titolo : {titolo1, t.intestazione}) {
        p.tab(ColonnaTitolo(titolo));
        p.print(titolo);
        p.endLine();
        p.endLine();
    }
    p.setBold(false);
    for (const QString& l : {kBordoSommeDistanze, kTestataSommeDistanze, kBordoSommeDistanze,
                             kSottotestataSommeDistanze, kChiusuraSommeDistanze}) {
        p.tab(5);
        p.print(l);
        p.endLine();
    }
    // A row is not ended: the next text, left of where it stopped, starts the next line.
    for (int r = 1; r <= kRigheSommeDistanze; ++r) {
        p.tab(6);
        p.print(t.righe[size_t(r)]);
        p.tab(16);
        p.print(u"|");
        for (int k = 1; k <= kCoppieSommeDistanze; ++k) {
            p.tab(6 * k + 11);
            p.print(CellaTestoSommeDistanze(t, r, k));
        }
    }
    p.tab(5);
    p.print(kChiusuraSommeDistanze);
    p.endLine();
}

} // namespace

frmSommeDistanze::frmSommeDistanze()
{
    setObjectName(QStringLiteral("frmSommeDistanze"));
    setWindowTitle(QStringLiteral("  Somme e distanze"));
    costruisci();
    resize(twipsToPx(10860), twipsToPx(5490));
}

void frmSommeDistanze::costruisci()
{
    for (int r = 1; r <= kRigheSommeDistanze; ++r) {
        const double top = 900 + 360.0 * (r - 1);
        lblRuota[size_t(r)] = etichetta(this, NomeElemento("lblRuota", r), {}, 0xFFFFFF);
        vbMove(lblRuota[size_t(r)], 50, top, 1280, 330);
        lblRuota[size_t(r)]->installEventFilter(this);
        for (int k = 0; k < kCoppieSommeDistanze; ++k) {
            const int n = (r - 1) * 10 + k + 1;
            lblSomma[size_t(n)] = etichetta(this, NomeElemento("lblSomma", n), {}, kSfondoSomma);
            vbMove(lblSomma[size_t(n)], kSinistraColonna[size_t(k)], top, 420, 330);
            Label1[size_t(n)] = etichetta(this, NomeElemento("Label1", n), {}, kSfondoDistanza);
            vbMove(Label1[size_t(n)], kSinistraColonna[size_t(k)] + 420, top, 420, 330);
        }
    }
    for (int k = 0; k < kCoppieSommeDistanze; ++k) {
        const double left = kSinistraColonna[size_t(k)];
        lblEtichetta[size_t(k)] = etichetta(this, NomeElemento("lblEtichetta", k), DidascaliaCoppia(k), 0xFFFFFF);
        vbMove(lblEtichetta[size_t(k)], k == 1 ? 2335 : left, 120, 855, 375);
        lblEtichetta[size_t(k)]->installEventFilter(this);
        Label2[size_t(k)] = etichetta(this, NomeElemento("Label2", k), QStringLiteral("So"), kSfondoSomma);
        vbMove(Label2[size_t(k)], left, 540, 420, 285);
        Label3[size_t(k)] = etichetta(this, NomeElemento("Label3", k), QStringLiteral("Di"), kSfondoDistanza);
        vbMove(Label3[size_t(k)], left + 420, 540, 420, 285);
    }
    Label5 = CreaControllo<QLabel>(this, QStringLiteral("Label5"), QStringLiteral("Coppia -->"));
    vbMove(Label5, 60, 180, 1275, 315);
    lblDescrizioneRuota = CreaControllo<QLabel>(this, QStringLiteral("lblDescrizioneRuota"));
    vbMove(lblDescrizioneRuota, 60, 540, 1275, 315);
    Label4 = CreaControllo<QLabel>(this, QStringLiteral("Label4"), QStringLiteral("Verifica valori uguali in ---->"));
    vbMove(Label4, 1320, 5040, 2475, 315);
    AllargaPerTesto(Label4, Label4->text());
    chkColonne = pulsanteInterruttore(this, "chkColonne", "Colonne", "Evidenzia valori uguali nelle colonne");
    vbMove(chkColonne, 3870, 4980, 1400, 375);
    chkRighe = pulsanteInterruttore(this, "chkRighe", "Righe", "Evidenzia valori uguali nelle righe");
    vbMove(chkRighe, 5370, 4980, 1400, 375);
    cmdStampa = PulsanteImmagine(this, QStringLiteral("cmdStampa"), QStyle::SP_FileDialogDetailedView, {});
    vbMove(cmdStampa, 8640, 4940, 975, 405);
    cmdPrintToFile = PulsanteImmagine(this, QStringLiteral("cmdPrintToFile"), QStyle::SP_DialogSaveButton, {});
    vbMove(cmdPrintToFile, 9708, 4940, 975, 405);

    on(chkColonne, &QPushButton::toggled, QStringLiteral("chkColonne_Click"),
       [this] { interruttore(chkColonne, chkRighe); });
    on(chkRighe, &QPushButton::toggled, QStringLiteral("chkRighe_Click"),
       [this] { interruttore(chkRighe, chkColonne); });
    on(cmdStampa, &QPushButton::clicked, QStringLiteral("cmdStampa_Click"), [this] { cmdStampa_Click(); });
    on(cmdPrintToFile, &QPushButton::clicked, QStringLiteral("cmdPrintToFile_Click"),
       [this] { cmdPrintToFile_Click(); });
}

// ---------------------------------------------------------------------------
// Life

void frmSommeDistanze::formLoad()
{
    restoreFrameOrigin(this, vbVal(leggi(imp::SommeDistanzeLeft)), vbVal(leggi(imp::SommeDistanzeTop)));
    SommeDistanzeAperto = true;
    Forms::current = this;
    ImpostaForm(this);
    for (int n = 1; n <= kCelleSommeDistanze; ++n)
        for (QLabel* l : {lblSomma[size_t(n)], Label1[size_t(n)]}) {
            l->clear();
            l->setToolTip(QString());
        }
    vbResumeNext([&] {
        // A value that is no number counts as rows.
        const QString v = leggi(imp::AnalisiSommeDistanze);
        (vbCInt(vbCDbl(v)) > 0 ? chkColonne : chkRighe)->setChecked(true);
    });
    if (!chkColonne->isChecked() && !chkRighe->isChecked())
        chkRighe->setChecked(true);
    const QString suggerimento = QStringLiteral("Un click per visualizzare il grafico");
    for (int r = 1; r <= kRigheSommeDistanze; ++r)
        lblRuota[size_t(r)]->setToolTip(suggerimento);
    for (QLabel* l : lblEtichetta)
        l->setToolTip(suggerimento);
}

void frmSommeDistanze::formUnload(bool&)
{
    SommeDistanzeAperto = false;
    salva(imp::AnalisiSommeDistanze, chkColonne->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    if (!isMinimized()) {
        const FrameTwips f = keptFrameOf(this);
        salva(imp::SommeDistanzeLeft, vbCStr(f.left));
        salva(imp::SommeDistanzeTop, vbCStr(f.top));
    }
    // The chart stays open on its own.
    if (auto* g = Forms::find<frmGraficoSomme>())
        g->leaveOwner(this);
}

// ---------------------------------------------------------------------------
// Filling

void frmSommeDistanze::Riempi(frmConsultaEstrazioni* tabellone, const TabellaSommeDistanze& t)
{
    tabellone_ = tabellone;
    vbShow(tabellone);
    for (int r = 1; r <= kRigheSommeDistanze; ++r)
        lblRuota[size_t(r)]->setText(t.righe[size_t(r)]);
    lblDescrizioneRuota->setText(t.intestazione);
    for (int n = 1; n <= kCelleSommeDistanze; ++n) {
        scriviCella(lblSomma[size_t(n)], t.somme[size_t(n)], kSfondoSomma);
        scriviCella(Label1[size_t(n)], t.distanze[size_t(n)], kSfondoDistanza);
    }
}

frmConsultaEstrazioni* frmSommeDistanze::Tabellone() const
{
    // A board unloaded but not yet destroyed counts as closed.
    return tabellone_ && tabellone_->isLoaded() ? tabellone_.data() : nullptr;
}

void frmSommeDistanze::TabelloneChiuso(frmConsultaEstrazioni* tabellone)
{
    if (tabellone_ == tabellone)
        tabellone_ = nullptr;
    leaveOwner(tabellone);
}

bool frmSommeDistanze::PerColonne() const
{
    return chkColonne->isChecked();
}

TabellaSommeDistanze frmSommeDistanze::Contenuto() const
{
    TabellaSommeDistanze t;
    t.intestazione = lblDescrizioneRuota->text();
    for (int r = 1; r <= kRigheSommeDistanze; ++r)
        t.righe[size_t(r)] = lblRuota[size_t(r)]->text();
    for (int n = 1; n <= kCelleSommeDistanze; ++n) {
        t.somme[size_t(n)].testo = lblSomma[size_t(n)]->text();
        t.distanze[size_t(n)].testo = Label1[size_t(n)]->text();
    }
    return t;
}

void frmSommeDistanze::interruttore(QPushButton* cliccata, QPushButton* altra)
{
    altra->setChecked(!cliccata->isChecked());
    // Refilled by the board whose draw the table shows; with that board
    // closed the new choice waits for the next fill.
    if (frmConsultaEstrazioni* b = Tabellone())
        vbPress(b->cmdSommeDistanze);
}

// ---------------------------------------------------------------------------
// The chart of a column or a row

bool frmSommeDistanze::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonRelease) {
        for (int k = 0; k < kCoppieSommeDistanze; ++k)
            if (o == lblEtichetta[size_t(k)]) {
                runHandler(QStringLiteral("lblEtichetta_Click"),
                           [this, k] { mostraGrafico(GraficoCoppia(Contenuto(), k, SigleRuote)); });
                return true;
            }
        for (int r = 1; r <= kRigheSommeDistanze; ++r)
            if (o == lblRuota[size_t(r)]) {
                runHandler(QStringLiteral("lblRuota_Click"), [this, r] {
                    if (const auto g = GraficoRiga(Contenuto(), r))
                        mostraGrafico(*g);
                });
                return true;
            }
    }
    return Form::eventFilter(o, e);
}

void frmSommeDistanze::mostraGrafico(const DatiGrafico& g)
{
    auto* grafico = Forms::get<frmGraficoSomme>();
    grafico->vbShow(this);
    grafico->Carica(g);
}

// ---------------------------------------------------------------------------
// File and print

void frmSommeDistanze::cmdPrintToFile_Click()
{
    const TabellaSommeDistanze t = Contenuto();
    if (const auto file = askOutputFile(NomeFileSommeDistanze(t.intestazione)))
        writeOutputFile(*file, FileSommeDistanze(t));
}

void frmSommeDistanze::cmdStampa_Click()
{
    const std::optional<int> copie = askPrintCopies();
    if (!copie)
        return;
    const TabellaSommeDistanze t = Contenuto();
    const QDateTime adesso = platform().clock().now();
    const QString titolo1 = TitoloSommeDistanze() + QStringLiteral(" - ") + vbDateText(adesso.date()) +
                            QStringLiteral(" - ") + vbTimeText(adesso.time());
    auto p = platform().printers().open();
    p->setFont(QStringLiteral("Courier New"), 12);
    for (int c = 1; c <= *copie; ++c) {
        stampaTabella(*p, t, titolo1);
        // One document per copy; a failed one is told and ends the command.
        if (!finishPrint(*p))
            return;
    }
}
