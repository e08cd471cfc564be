#include "consulta/frmConsultaEstrazioni.h"

// The board's side of the sums and distances table: its command, the refill
// at every redraw while the table is open, and letting the table go when the
// board closes.
#include "compat/vbdate.h"
#include "consulta/SommeDistanze.h"
#include "consulta/frmGraficoSomme.h"
#include "consulta/frmSommeDistanze.h"
#include "shell/modArchivio.h"

#include <QDateEdit>
#include <QLabel>
#include <QPushButton>

using namespace compat;

void frmConsultaEstrazioni::collegaSommeDistanze()
{
    on(cmdSommeDistanze, &QPushButton::clicked, QStringLiteral("cmdSommeDistanze_Click"),
       [this] { AggiornaSommeDistanze(); });
}

void frmConsultaEstrazioni::AggiornaSommeDistanze()
{
    auto* tabella = Forms::get<frmSommeDistanze>();
    OrigineSommeDistanze o;
    o.ruotaSingola = Stato.RuotaSingola;
    o.nomiRuote = NomiRuote;
    o.data = vbDateText(DTPicker1->date());
    for (int r = 0; r <= 9; ++r)
        o.dateRighe[size_t(r)] = lblData[size_t(r)]->text();
    tabella->Riempi(this, RiempiSommeDistanze(celle_, o, tabella->PerColonne()));
}

void frmConsultaEstrazioni::ridisegnaSommeDistanze()
{
    if (!SommeDistanzeAperto)
        return;
    AggiornaSommeDistanze();
    // The chart's values came from the table before this refill.
    if (auto* g = Forms::find<frmGraficoSomme>())
        vbUnload(g);
}

void frmConsultaEstrazioni::lasciaSommeDistanze()
{
    if (auto* t = Forms::find<frmSommeDistanze>())
        t->TabelloneChiuso(this);
}
