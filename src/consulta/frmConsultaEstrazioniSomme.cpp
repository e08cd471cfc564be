#include "consulta/frmConsultaEstrazioni.h"

// The sum and distance analyses of the frame "Ciclometria".
#include "compat/ui/Colors.h"
#include "compat/ui/Controls.h"
#include "compat/ui/Platform.h"
#include "consulta/Analisi.h"
#include "consulta/Trova.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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
    // Ticking an option chooses and recomputes its analysis.
    on(chkF90, &QCheckBox::toggled, QStringLiteral("chkF90_Click"), [this] { vbPress(cmdSomma); });
    on(chkIsotopi, &QCheckBox::toggled, QStringLiteral("chkIsotopi_Click"), [this] { vbPress(cmdSomma); });
    on(chlIsotopiDistanza, &QCheckBox::toggled, QStringLiteral("chlIsotopiDistanza_Click"),
       [this] { vbPress(cmdDistanza); });
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
