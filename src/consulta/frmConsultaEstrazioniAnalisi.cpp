#include "consulta/frmConsultaEstrazioni.h"

// The analysis buttons, the family buttons and the value boxes of the board.
#include "compat/vb.h"
#include "compat/vbdate.h"
#include "compat/ui/Colors.h"
#include "compat/ui/Controls.h"
#include "compat/ui/Platform.h"
#include "consulta/Analisi.h"
#include "consulta/frmAnalisi.h"
#include "consulta/frmShadow.h"
#include "compat/ui/LinePrinter.h"
#include "compat/ui/ReportOutput.h"
#include "core/Procedure.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

using namespace compat;

namespace {

constexpr quint32 kFacciaPulsante = 0x8000000F;
constexpr quint32 kSfondoFamiglia = 0xC0E0FF;

} // namespace

void frmConsultaEstrazioni::collegaAnalisi()
{
    const struct {
        QPushButton* pulsante;
        int codice;
        const char* descrizione;
    } semplici[] = {
        {cmdComplementari, AnalisiComplementari, "Ambi complementari"},
        {cmdSimmetrici, AnalisiSimmetrici, "Ambi simmetrici"},
        {cmdGemelli, AnalisiGemelli, "Gemelli"},
        {cmdVertibili, AnalisiVertibili, "Ambi vertibili"},
        {cmdRadicali, AnalisiRadicali, "Ambi radicali"},
        {cmdNumeriRipetuti, AnalisiNumeriRipetuti, "Numeri ripetuti"},
        {cmdAmbiRipetuti, AnalisiAmbiRipetuti, "Ambi ripetuti"},
        {cmdUsciti, AnalisiUsciti, "Usciti su 90"},
        {cmdNonUsciti, AnalisiNonUsciti, "Non usciti su 90"},
        {cmdUscitiScorsa, AnalisiUscitiScorsa, "Usciti scorsa est."},
        {cmdNonUscitiScorsa, AnalisiNonUscitiScorsa, "Non usciti scorsa est."},
        {cmd1x2, Analisi1X2, "1 - X - 2"},
        {cmdPariDispari, AnalisiPariDispari, "Pari - Dispari"},
        {cmdRitardi, AnalisiRitardo, "Ultimo ritardo => a "},
        {cmdTerzine, AnalisiTerzine, "Terzine simmetriche"},
        {cmdSommeUguali, AnalisiSommeUguali, "Somme uguali isotope"},
        {cmdDistanzeUguali, AnalisiDistanzeUguali, "Distanze uguali isotope"},
    };
    for (const auto& s : semplici) {
        const int codice = s.codice;
        const QString descrizione = QString::fromLatin1(s.descrizione);
        on(s.pulsante, &QPushButton::clicked, s.pulsante->objectName() + QStringLiteral("_Click"),
           [this, codice, descrizione] {
               NascondiNumeri();
               lblDescrFamiglia->setText(codice == AnalisiRitardo ? descrizione + txtRitardo->text()
                                                                  : descrizione);
               lblNFamiglia->setText(QString());
               vbSetBackColor(lblNFamiglia, kFacciaPulsante);
               Stato.TipoAnalisi = codice;
               Visualizza();
           });
    }

    const struct {
        QPushButton* pulsante;
        int codice;
        const char* descrizione;
        int primo, ultimo;   // the family buttons of the class
    } famiglie[] = {
        {cmdDecine, AnalisiDecina, "Decina", 0, 8},
        {cmdCadenze, AnalisiCadenza, "Cadenza", 0, 9},
        {cmdFigure, AnalisiFigura, "Figura", 1, 9},
        {cmdQuindicina, AnalisiQuindicina, "Quindicina", 1, 6},
    };
    for (const auto& f : famiglie) {
        const int codice = f.codice, primo = f.primo, ultimo = f.ultimo;
        const QString descrizione = QString::fromLatin1(f.descrizione);
        on(f.pulsante, &QPushButton::clicked, f.pulsante->objectName() + QStringLiteral("_Click"),
           [this, codice, primo, ultimo, descrizione] {
               for (int i = 0; i <= 9; ++i)
                   cmdNumero[i]->setEnabled(i >= primo && i <= ultimo);
               lblDescrFamiglia->setText(descrizione);
               lblNFamiglia->setText(QString());
               vbSetBackColor(lblNFamiglia, kSfondoFamiglia);
               // The board unmarked until a family is chosen.
               Stato.TipoAnalisi = 0;
               Visualizza();
               Stato.TipoAnalisi = codice;
           });
    }
    for (int i = 0; i <= 9; ++i)
        on(cmdNumero[i], &QPushButton::clicked, QStringLiteral("cmdNumero_Click"), [this, i] {
            lblNFamiglia->setText(vbStr(i));
            Visualizza();
        });
    on(chkNumeriAmbiIsotopi, &QCheckBox::toggled, QStringLiteral("chkNumeriAmbiIsotopi_Click"), [this] {
        if (Stato.TipoAnalisi == AnalisiNumeriRipetuti)
            vbPress(cmdNumeriRipetuti);
        if (Stato.TipoAnalisi == AnalisiAmbiRipetuti)
            vbPress(cmdAmbiRipetuti);
    });
    for (QLineEdit* t : {txtDistanza, txtSomma, txtRitardo})
        t->installEventFilter(this);
    on(cmdStampa, &QPushButton::clicked, QStringLiteral("cmdStampa_Click"), [this] { cmdStampa_Click(); });
}

void frmConsultaEstrazioni::TitoloAnalisi()
{
    Forms::get<frmAnalisi>()->setWindowTitle(QStringLiteral("Estrazione del ") + vbDateText(DTPicker1->date()));
}

void frmConsultaEstrazioni::chiudiRiepilogo()
{
    if (auto* a = Forms::find<frmAnalisi>())
        vbUnload(a);
}

void frmConsultaEstrazioni::mostraRiepilogo(const QStringList& righe)
{
    auto* a = Forms::get<frmAnalisi>();
    const bool apre = Stato.Riepilogo && !a->isVisible();
    if (Stato.Riepilogo)
        a->vbShow();
    a->lstAnalisi->clear();
    a->lstAnalisi->addItems(righe);
    // Placed once its lines have given it its width.
    if (apre)
        a->scostaDalleCelle(this, Frame1);
}

// The value boxes: digits only, the whole value selected on entry.
bool frmConsultaEstrazioni::filtroCaselle(QObject* o, QEvent* e)
{
    auto* t = qobject_cast<QLineEdit*>(o);
    if (!t)
        return false;
    const bool filtrata = t == txtNumeroEstrazioni || t == txtCicli || t == txtDistanza ||
                          t == txtSomma || t == txtRitardo;
    if (e->type() == QEvent::KeyPress && filtrata) {
        const QString k = static_cast<QKeyEvent*>(e)->text();
        return k.size() == 1 && SoloNumeri(k.at(0).unicode()) == 0;
    }
    if (e->type() == QEvent::FocusIn && (t == txtDistanza || t == txtSomma || t == txtRitardo)) {
        QTimer::singleShot(0, t, [t] { t->setSelection(0, 5); });
        return false;
    }
    if (e->type() == QEvent::FocusOut && !convalidaInCorso_) {
        if (t == txtRitardo)
            runHandler(QStringLiteral("txtRitardo_LostFocus"), [this] {
                lblDescrFamiglia->setText(QStringLiteral("Ultimo ritardo => a ") + txtRitardo->text());
            });
    }
    return false;
}

// The board as shown, copied into the print layout and printed without a dialog,
// painted at the printer's resolution.
void frmConsultaEstrazioni::cmdStampa_Click()
{
    auto* s = Forms::get<frmShadow>();
    const bool tutte = lblData[0]->isHidden();
    s->txtEstrazione->setText(tutte ? QStringLiteral("Estrazione n. ") + lblNumeroAnnoEstraz->text() +
                                          QStringLiteral(" del ") + vbDateText(DTPicker1->date())
                                    : QStringLiteral(" Estrazioni "));
    for (int i = 0; i <= 9; ++i) {
        s->lblData[i]->setVisible(!tutte);
        s->lblData[i]->setText(lblData[i]->text());
        s->imgRuota[i]->setVisible(tutte);
    }
    s->lblNazionale->setVisible(tutte);
    for (int i = 51; i <= 55; ++i)
        s->txtEstratto[i]->setVisible(tutte);
    s->Label1->setText(Label1->text());
    for (int i = 1; i <= kCelleTabellone; ++i) {
        s->txtEstratto[i]->setText(txtEstratto[i]->text());
        vbSetBackColor(s->txtEstratto[i], vbBackColor(txtEstratto[i]));
        vbSetForeColor(s->txtEstratto[i], vbForeColor(txtEstratto[i]));
    }
    s->txtDescrizione->setText(lblDescrFamiglia->text() + u' ' + lblNFamiglia->text());
    // No dialog: the default printer, never a file an earlier dialog chose.
    auto p = platform().printers().openDefault();
    p->renderWidget(s);
    // No printer, or a printer error, is told to the user.
    finishPrint(*p);
    vbUnload(s);
}
