#include "shell/modRestrizioni.h"

#include "compat/ui/Form.h"
#include "compat/ui/Twips.h"
#include "shell/frmMain.h"

#include <QLabel>
#include <QPushButton>

Restrizioni& RestrizioniAttive()
{
    static Restrizioni r;
    return r;
}

void LeggiRestrizioni()
{
    RestrizioniAttive() = Restrizioni::daImpostazioni(LeggiImpostazioniRestrizioni());
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
    const ImpostazioniRestrizioni letti = LeggiImpostazioniRestrizioni(imp::GiorniPannello);
    Restrizioni& r = RestrizioniAttive();
    r.Giorno = letti.Giorno;
    r.Mese = letti.Mese;
    r.Periodo = letti.Periodo;
    const PannelloRestrizioni p =
        pannelloRestrizioni(r.Giorno, letti.Giorni, r.Mese, letti.Mesi, r.Periodo);

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
