#include "shell/modPeriodo.h"

#include "shell/modControlli.h"

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

const QString kCaselleRuote = QStringLiteral("chkRuota");

void spunta(QWidget* w, int i, bool valore)
{
    SpuntaRuota(w, kCaselleRuote, i, valore);
}

bool spuntata(QWidget* w, int i)
{
    return RuotaSpuntata(w, kCaselleRuote, i);
}

void scriviTesto(QWidget* w, const QString& nome, const QString& testo)
{
    if (!w)
        return;
    if (auto* t = w->findChild<QLineEdit*>(nome))
        vbSetText(t, testo);
    else if (auto* l = w->findChild<QLabel*>(nome))
        l->setText(testo);
}

QDateEdit* data(QWidget* w, const QString& nome)
{
    return w ? w->findChild<QDateEdit*>(nome) : nullptr;
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
    const struct {
        qint32 numero;
        const char* testo;
        const char* picker;
    } estremi[] = {{NumInizioRicerca, "txtDataInizio", "DTPickerDa"},
                   {NumFineRicerca, "txtDataFine", "DTPickerA"}};
    for (const auto& e : estremi) {
        const QString testo = DataEstrazione(e.numero);
        vbResumeNext([&] { scriviTesto(w, QString::fromLatin1(e.testo), testo); });
        vbResumeNext([&] {
            QDateEdit* p = data(w, QString::fromLatin1(e.picker));
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
    SpuntaRuoteDaFlag(w, kCaselleRuote, s);
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
            QDateEdit* rit = data(w, QStringLiteral("DTPickerARit"));
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
    salva(imp::RuoteConNz, FlagDaRuoteSpuntate(frm, kCaselleRuote, indice));
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
