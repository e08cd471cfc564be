#include "shell/modPeriodo.h"

#include "shell/Controlli.h"

#include "compat/AppError.h"
#include "compat/vb.h"
#include "compat/vbdate.h"
#include "compat/ui/Controls.h"
#include "compat/ui/Form.h"
#include "core/TabellaImpostazioni.h"
#include "core/Periodo.h"
#include "shell/frmDati.h"
#include "shell/modArchivio.h"

#include <QAbstractButton>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <array>

using namespace compat;

bool CaricamentoForm = false;

namespace {

// Re-entry flags of SalvaRuote (0) and SalvaRuoteConNz (1).
std::array<bool, 2> salvataggioRuote{};

void spunta(QWidget* w, int i, bool valore)
{
    SpuntaRuota(controlliAnalisi(w).ruote, i, valore);
}

bool spuntata(QWidget* w, int i)
{
    return RuotaSpuntata(controlliAnalisi(w).ruote, i);
}

void leggiPeriodo()
{
    const PeriodoRicerca p = periodoDaImpostazioni(
        leggi(imp::InizioRicerca), leggi(imp::FineRicerca, QString::number(NumeroEstrazioni)),
        NumeroEstrazioni);
    NumInizioRicerca = p.inizio;
    NumFineRicerca = p.fine;
}

// The period into the window: each end's date into its text and its picker.
void mostraPeriodo(QWidget* w, bool dataMinima)
{
    const QDate minima(1871, 1, 7);
    const ControlliAnalisi c = controlliAnalisi(w);
    const struct {
        qint32 numero;
        QWidget* testo;
        QDateEdit* picker;
    } estremi[] = {{NumInizioRicerca, c.txtDataInizio, c.DTPickerDa},
                   {NumFineRicerca, c.txtDataFine, c.DTPickerA}};
    for (const auto& e : estremi) {
        const QString testo = DataEstrazione(e.numero);
        vbResumeNext([&] { scriviTesto(e.testo, testo); });
        vbResumeNext([&] {
            QDateEdit* p = e.picker;
            const auto d = vbCDate(testo);
            if (!p || !d)
                return;
            if (dataMinima)
                p->setMinimumDate(minima);
            vbSetDate(p, *d);
        });
    }
}

void aggiorna(QWidget* w)
{
    if (w)
        w->update();
}

} // namespace

void AggiornaFineRicerca()
{
    if (leggi(imp::UltimaEstrazione) == u"Y") {
        frmDati* f = Forms::get<frmDati>();
        if (const auto d = vbCDate(DataEstrazione(NumeroEstrazioni)))
            vbSetDate(f->dtpDataFine, *d);
        vbSetText(f->txtNumEstrazioneFine, vbTrim(QString::number(NumeroEstrazioni)));
    }
    // Its QueryUnload saves the period.
    if (frmDati* f = Forms::find<frmDati>())
        vbUnload(f);
}

void CaricaRuoteConNz()
{
    QWidget* w = Forms::current;
    FlagScope caricamento(CaricamentoForm);
    QString s;
    vbResumeNext([&] {
        s = leggi(imp::RuoteConNz);
        leggiPeriodo();
        mostraPeriodo(w, false);
    });
    SpuntaRuoteDaFlag(controlliAnalisi(w).ruote, s);
    aggiorna(w);
}

void CaricaRuote(bool singola)
{
    QWidget* w = Forms::current;
    FlagScope caricamento(CaricamentoForm);
    vbResumeNext([&] {
        const QString s = leggi(singola ? imp::Ruota : imp::Ruote);
        leggiPeriodo();
        mostraPeriodo(w, true);
        vbResumeNext([&] {
            QDateEdit* rit = controlliAnalisi(w).DTPickerARit;
            const auto d = vbCDate(DataEstrazione(NumFineRicerca));
            if (rit && d)
                vbSetDate(rit, *d);
        });
        if (s == u"YYYYYYYYYYN") {
            spunta(w, 0, true);
            for (int i = 1; i <= 11; ++i)
                spunta(w, i, false);
        } else {
            for (int i = 1; i <= 11; ++i)
                spunta(w, i, vbMid(s, i, 1) == u"Y");
            spunta(w, 0, false);
        }
    });
    aggiorna(w);
}

void SalvaRuoteConNz(Form* frm, int indice)
{
    bool& inCorso = salvataggioRuote[1];
    if (CaricamentoForm || inCorso)
        return;
    Forms::current = frm;
    FlagScope scope(inCorso);
    salva(imp::RuoteConNz, FlagDaRuoteSpuntate(controlliAnalisi(frm).ruote, indice));
}

void SalvaRuote(Form* frm, int indice)
{
    bool& inCorso = salvataggioRuote[0];
    if (CaricamentoForm || inCorso)
        return;
    Forms::current = frm;
    FlagScope scope(inCorso);
    QWidget* w = frm;
    for (int i = 1; i <= 11; ++i)
        spunta(w, i, false);
    spunta(w, indice, true);
    leggiPeriodo();
    QString s;
    for (int i = 1; i <= 11; ++i)
        s += spuntata(w, i) ? u'Y' : u'N';
    if (s == u"NNNNNNNNNNN")
        s = QStringLiteral("YNNNNNNNNNN");
    salva(imp::Ruota, s);
}
