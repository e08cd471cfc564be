#include "consulta/frmConsultaEstrazioni.h"

// The sum and distance analyses of the frame "Ciclometria".
#include "compat/ui/Colors.h"
#include "compat/ui/Controls.h"
#include "compat/ui/KeyEvents.h"
#include "compat/ui/Platform.h"
#include "consulta/Analisi.h"
#include "consulta/Trova.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

using namespace compat;

namespace {

constexpr quint32 kFacciaPulsante = 0x8000000F;

} // namespace

void frmConsultaEstrazioni::collegaCiclometria()
{
    const struct {
        QPushButton* pulsante;
        QLineEdit* casella;
        int codice;
        const char* descrizione;
    } bersagli[] = {
        {cmdSomma, txtSomma, AnalisiSomma, "Somma "},
        {cmdDistanza, txtDistanza, AnalisiDistanza, "Distanza "},
    };
    for (const auto& b : bersagli) {
        const int codice = b.codice;
        QLineEdit* casella = b.casella;
        const QString descrizione = QString::fromLatin1(b.descrizione);
        on(b.pulsante, &QPushButton::clicked, b.pulsante->objectName() + QStringLiteral("_Click"),
           [this, codice, casella, descrizione] {
               NascondiNumeri();
               lblNFamiglia->setText(QString());
               vbSetBackColor(lblNFamiglia, kFacciaPulsante);
               // Chosen even when its value is refused: the next redraw runs it.
               Stato.TipoAnalisi = codice;
               const Intervallo r = codice == AnalisiSomma ? kIntervalloSomma : kIntervalloDistanza;
               if (!NelIntervallo(casella->text(), r)) {
                   vbMsgBox(QStringLiteral("inserisci un valore tra %1 e %2 !").arg(r.minimo).arg(r.massimo),
                            vbExclamation);
                   return;
               }
               lblDescrFamiglia->setText(descrizione + QString::number(ValoreIntero(casella->text())));
               Visualizza();
           });
    }
    // The button and the option boxes that press it refuse a bad value with
    // the button's own message.
    convalidaUscendo(txtSomma, kIntervalloSomma, {cmdSomma, chkF90, chkIsotopi});
    convalidaUscendo(txtDistanza, kIntervalloDistanza, {cmdDistanza, chlIsotopiDistanza});
    // Ticking an option chooses and recomputes its analysis.
    on(chkF90, &QCheckBox::toggled, QStringLiteral("chkF90_Click"), [this] { vbPress(cmdSomma); });
    on(chkIsotopi, &QCheckBox::toggled, QStringLiteral("chkIsotopi_Click"), [this] { vbPress(cmdSomma); });
    on(chlIsotopiDistanza, &QCheckBox::toggled, QStringLiteral("chlIsotopiDistanza_Click"),
       [this] { vbPress(cmdDistanza); });
}

void frmConsultaEstrazioni::convalidaUscendo(QLineEdit* t, Intervallo r, std::vector<QWidget*> propri)
{
    onLostFocus(this, t, t->objectName() + QStringLiteral("_Validate"),
                [this, t, r, propri = std::move(propri)](Qt::FocusReason motivo) {
                    // Another window, a message box or a menu takes the focus from the
                    // whole board, not from the box; a box hidden with its panel is left alone.
                    // A click on one of `propri` presses it; a Tab onto it does not.
                    const QWidget* verso = QApplication::focusWidget();
                    const bool premuto = motivo == Qt::MouseFocusReason &&
                                         std::find(propri.begin(), propri.end(), verso) != propri.end();
                    if (convalidaInCorso_ || motivo == Qt::ActiveWindowFocusReason ||
                        motivo == Qt::PopupFocusReason || !verso || verso == t || verso->window() != this ||
                        !t->isVisible() || premuto)
                        return;
                    convalida(t, r);
                });
}

void frmConsultaEstrazioni::convalida(QLineEdit* t, Intervallo r)
{
    if (NelIntervallo(t->text(), r))
        return;
    FlagScope guardia(convalidaInCorso_);
    vbMsgBox(MessaggioIntervallo(r), vbExclamation);
    // Cancel: the focus goes back to the box, and the control it had reached
    // is not checked on the way out.
    QTimer::singleShot(0, t, [this, t] {
        FlagScope ritorno(convalidaInCorso_);
        t->setFocus();
        t->setSelection(0, 3);
    });
    t->setSelection(0, 3);
}

// The target and options are read again at every run, so a value typed into
// a box counts from the next redraw.
void frmConsultaEstrazioni::impostaCiclometria(ContestoAnalisi& c) const
{
    if (c.codice == AnalisiSomma) {
        c.obiettivo = ValoreIntero(txtSomma->text());
        c.fuori90 = chkF90->isChecked();
        c.isotopi = chkIsotopi->isChecked();
    } else if (c.codice == AnalisiDistanza) {
        c.obiettivo = ValoreIntero(txtDistanza->text());
        c.isotopi = chlIsotopiDistanza->isChecked();
    }
}
