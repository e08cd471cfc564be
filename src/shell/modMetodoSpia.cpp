#include "shell/modMetodoSpia.h"

#include "shell/Controlli.h"

#include "compat/AppError.h"
#include "compat/vb.h"
#include "compat/vbdate.h"
#include "compat/ui/Controls.h"
#include "compat/ui/Form.h"
#include "compat/ui/Twips.h"
#include "core/TabellaImpostazioni.h"
#include "core/Periodo.h"
#include "shell/modArchivio.h"
#include "shell/modPeriodo.h"

#include <QAbstractButton>
#include <QDateEdit>
#include <QLineEdit>
#include <cmath>

using namespace compat;

bool CentraFinestre = false;
std::array<bool, 12> FlagRuoteRicercaMulti{};
std::array<bool, 12> FlagRuoteGiocoMulti{};

namespace {


// Half the free space, as the original: the difference rounded, then halved
// with the fraction dropped.
double centrato(double schermo, double finestra)
{
    return std::trunc(vbRound(schermo - finestra) / 2.0);
}

} // namespace

void CaricaPosizioneForm(Form* frm, bool centra)
{
    if (!frm)
        return;
    const QString nome = frm->objectName();
    const FrameTwips cornice = frameOf(frm);
    const double larghezza = cornice.width;
    const double altezza = cornice.height;
    const QString predefinito = QString::fromLatin1(imp::kPosizionePredefinita);
    double sinistra =
        vbRound(vbVal(leggi(imp::kForms, nome + QStringLiteral("Left"), predefinito)));
    double alto = vbRound(vbVal(leggi(imp::kForms, nome + QStringLiteral("Top"), predefinito)));
    const double sw = screenWidthTwips();
    const double sh = screenHeightTwips();
    if (centra || sinistra < -120 || sinistra > sw - 1000)
        sinistra = centrato(sw, larghezza);
    if (centra || alto < -120 || alto > sh - 1000)
        alto = centrato(sh, altezza);
    restoreFrameOrigin(frm, sinistra, alto);
}

void SalvaPosizioneForm(Form* frm, int nonSalvare)
{
    if (!frm || nonSalvare != 0 || frm->isMinimized())
        return;
    const QString nome = frm->objectName();
    const FrameTwips f = keptFrameOf(frm);
    salva(imp::kForms, nome + QStringLiteral("Left"), vbCStr(f.left));
    salva(imp::kForms, nome + QStringLiteral("Top"), vbCStr(f.top));
}

void ImpostaRuote(const QString& testo, int tipo)
{
    if (tipo != 1 && tipo != 2)
        return;
    std::array<bool, 12>& flag = tipo == 1 ? FlagRuoteRicercaMulti : FlagRuoteGiocoMulti;
    flag.fill(false);
    if (testo == u"Tutte+NZ") {
        for (int i = 1; i <= 11; ++i)
            flag[i] = true;
    } else if (testo == u"Tutte") {
        for (int i = 1; i <= 10; ++i)
            flag[i] = true;
    } else {
        for (int i = 1; i <= 11; ++i)
            flag[i] = !SigleRuote[i].isEmpty() && vbInStr(testo, SigleRuote[i]) > 0;
    }
}

void SalvaRuoteConNzGioco(Form* frm, int indice)
{
    static bool SalvataggioInCorso = false;
    if (CaricamentoForm)
        return;
    Forms::current = frm;
    if (SalvataggioInCorso)
        return;
    FlagScope scope(SalvataggioInCorso);
    salva(imp::RuoteConNzGioco, FlagDaRuoteSpuntate(controlliAnalisi(frm).ruoteGioco, indice));
}

void CaricaImpostazioniRicerca()
{
    QWidget* w = Forms::current;
    FlagScope caricamento(CaricamentoForm);
    QString codice;
    vbResumeNext([&] {
        codice = leggi(imp::RuoteConNzGioco);
    });
    vbResumeNext([&] {
        const PeriodoRicerca p = periodoDaImpostazioni(
            leggi(imp::InizioRicerca), leggi(imp::FineRicerca, QString::number(NumeroEstrazioni)),
            NumeroEstrazioni);
        NumInizioRicerca = p.inizio;
        NumFineRicerca = p.fine;
    });
    const ControlliAnalisi c = controlliAnalisi(w);
    vbResumeNext([&] {
        if (const auto d = vbCDate(DataEstrazione(NumInizioRicerca)); c.DTPickerDa && d)
            vbSetDate(c.DTPickerDa, *d);
    });
    vbResumeNext([&] {
        const QString fine = DataEstrazione(NumFineRicerca);
        scriviTesto(c.txtDataFine, fine);
        if (const auto d = vbCDate(fine); c.DTPickerA && d)
            vbSetDate(c.DTPickerA, *d);
    });
    SpuntaRuoteDaFlag(c.ruoteGioco, codice);
    if (w)
        w->update();
}
