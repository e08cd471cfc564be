#include "shell/modRestrizioni.h"

#include "compat/ui/Form.h"
#include "compat/ui/Twips.h"
#include "core/Impostazioni.h"
#include "shell/frmMain.h"

#include <QLabel>
#include <QPushButton>

namespace {
const QString kApp = QStringLiteral("Quorvane");
const QString kSezione = QStringLiteral("Restrizioni");
} // namespace

Restrizioni& RestrizioniAttive()
{
    static Restrizioni r;
    return r;
}

void LeggiRestrizioni()
{
    ImpostazioniRestrizioni imp;
    imp.Giorno = LeggiImpostazione(kApp, kSezione, QStringLiteral("Giorno"), QStringLiteral("N"));
    imp.Giorni = LeggiImpostazione(kApp, kSezione, QStringLiteral("Giorni"), QStringLiteral("YYYYYYY"));
    imp.Mese = LeggiImpostazione(kApp, kSezione, QStringLiteral("Mese"), QStringLiteral("N"));
    imp.Mesi = LeggiImpostazione(kApp, kSezione, QStringLiteral("Mesi"), QStringLiteral("YYYYYYYYYYYY"));
    imp.Periodo = LeggiImpostazione(kApp, kSezione, QStringLiteral("Periodo"), QStringLiteral("N"));
    imp.Dal = LeggiImpostazione(kApp, kSezione, QStringLiteral("Dal"), imp.Dal);
    imp.Al = LeggiImpostazione(kApp, kSezione, QStringLiteral("Al"), imp.Al);
    RestrizioniAttive() = Restrizioni::daImpostazioni(imp);
}

PannelloRestrizioni pannelloRestrizioni(const QString& giorno, const QString& giorni,
                                        const QString& mese, const QString& mesi,
                                        const QString& periodo)
{
    PannelloRestrizioni p;
    double posizione = 230;
    const auto mostra = [&](int i) {
        posizione += 280;
        p.riga[i] = true;
        p.alto[i] = posizione;
        p.nessuna = false;
    };
    // Tuesday, Wednesday, Thursday and Saturday count as no weekday
    // restriction on the panel, though the searches apply them.
    if (giorno == u"Y" && giorni != u"NNYYYNY")
        mostra(1);
    if (mese == u"Y" && mesi != u"YYYYYYYYYYYY")
        mostra(2);
    if (periodo == u"Y")
        mostra(3);
    p.altezza = posizione + 985;
    p.altoPulsante = posizione + 360;
    return p;
}

void MostraRestrizioni()
{
    // The switches read here become the copies the searches test; the
    // tables stay as LeggiRestrizioni built them.
    Restrizioni& r = RestrizioniAttive();
    r.Giorno = LeggiImpostazione(kApp, kSezione, QStringLiteral("Giorno"), QStringLiteral("N"));
    r.Mese = LeggiImpostazione(kApp, kSezione, QStringLiteral("Mese"), QStringLiteral("N"));
    r.Periodo = LeggiImpostazione(kApp, kSezione, QStringLiteral("Periodo"), QStringLiteral("N"));
    const PannelloRestrizioni p = pannelloRestrizioni(
        r.Giorno,
        LeggiImpostazione(kApp, kSezione, QStringLiteral("Giorni"), QStringLiteral("NNYYYNY")),
        r.Mese,
        LeggiImpostazione(kApp, kSezione, QStringLiteral("Mesi"), QStringLiteral("YYYYYYYYYYYY")),
        r.Periodo);

    frmMain* f = compat::Forms::find<frmMain>();
    if (!f)
        return;
    for (int i = 0; i <= 3; ++i) {
        QLabel* l = f->lblRestrizioni[i];
        if (!l)
            continue;
        l->setVisible(p.riga[i]);
        if (p.riga[i])
            compat::vbSetTop(l, p.alto[i]);
    }
    if (f->lblNessuna)
        f->lblNessuna->setVisible(p.nessuna);
    if (f->Picture2)
        compat::vbSetHeight(f->Picture2, p.altezza);
    if (f->cmdCambiaImpostazioniRestrizione)
        compat::vbSetTop(f->cmdCambiaImpostazioniRestrizione, p.altoPulsante);
}

bool VerificaRestrizioni(QByteArrayView dataCompatta, char giornoSettimana)
{
    return RestrizioniAttive().verifica(dataCompatta, giornoSettimana);
}
