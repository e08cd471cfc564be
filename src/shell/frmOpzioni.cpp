#include "shell/frmOpzioni.h"

#include "compat/colors.h"
#include "compat/vb.h"
#include "compat/vbdate.h"
#include "compat/vbformat.h"
#include "compat/ui/Colors.h"
#include "compat/ui/Controls.h"
#include "core/Restrizioni.h"
#include "core/Restrizioni.h"
#include "shell/modAspetto.h"
#include "shell/Controlli.h"
#include "shell/modGuida.h"
#include "shell/modMetodoSpia.h"
#include "shell/modRestrizioni.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace compat;

namespace {

constexpr quint32 kBianco = vbRGB(255, 255, 255);

QString flags(const QCheckBox* const* caselle, int quante)
{
    QString s(quante, u'N');
    for (int i = 1; i <= quante; ++i)
        if (caselle[i]->isChecked())
            s[i - 1] = u'Y';
    return s;
}

} // namespace

frmOpzioni::frmOpzioni()
{
    setObjectName(QStringLiteral("frmOpzioni"));
    setWindowTitle(QStringLiteral("Restrizioni di ricerca"));

    // Weekdays.
    auto* frameGiorni = new QGroupBox(QStringLiteral("Giorni"), this);
    auto* gGiorni = new QGridLayout(frameGiorni);
    chkGiorni = new QCheckBox(QStringLiteral("Considera solo estrazioni"), frameGiorni);
    chkGiorni->setObjectName(QStringLiteral("chkGiorni"));
    chkGiorni->setToolTip(QStringLiteral(
        "Inserisce un periodo di indagine limitato ai giorni della settimana indicati"));
    gGiorni->addWidget(chkGiorni, 0, 0, 1, 2);
    gGiorni->addWidget(new QLabel(QStringLiteral("avvenute nei seguenti giorni:"), frameGiorni),
                       0, 2, 1, 2);
    for (int i = 1; i <= 7; ++i) {
        chkDay[i] = new QCheckBox(nomeGiorno(i), frameGiorni);
        chkDay[i]->setObjectName(QStringLiteral("chkDay_%1").arg(i));
        chkDay[i]->setEnabled(false);
        gGiorni->addWidget(chkDay[i], 1 + (i - 1) / 4, (i - 1) % 4);
    }

    // Months.
    auto* frameMesi = new QGroupBox(QStringLiteral("Mesi"), this);
    auto* gMesi = new QGridLayout(frameMesi);
    chkMesi = new QCheckBox(QStringLiteral("Considera solo estrazioni"), frameMesi);
    chkMesi->setObjectName(QStringLiteral("chkMesi"));
    chkMesi->setToolTip(QStringLiteral("Inserisce un periodo di indagine limitato ai mesi indicati"));
    gMesi->addWidget(chkMesi, 0, 0, 1, 2);
    gMesi->addWidget(new QLabel(QStringLiteral("avvenute nei seguenti mesi:"), frameMesi), 0, 2, 1, 2);
    for (int i = 1; i <= 12; ++i) {
        chkMese[i] = new QCheckBox(nomeMese(i), frameMesi);
        chkMese[i]->setObjectName(QStringLiteral("chkMese_%1").arg(i));
        chkMese[i]->setEnabled(false);
        gMesi->addWidget(chkMese[i], 1 + (i - 1) / 4, (i - 1) % 4);
    }

    // Period of the year.
    auto* framePeriodo = new QGroupBox(QStringLiteral("Periodo"), this);
    auto* gPeriodo = new QGridLayout(framePeriodo);
    chkPeriodo = new QCheckBox(
        QStringLiteral("Considera solo estrazioni avvenute nel seguente periodo:"), framePeriodo);
    chkPeriodo->setObjectName(QStringLiteral("chkPeriodo"));
    chkPeriodo->setToolTip(
        QStringLiteral("Inserisce un periodo di indagine limitato tra le date indicate"));
    gPeriodo->addWidget(chkPeriodo, 0, 0, 1, 6);
    for (int k = 0; k <= 1; ++k) {
        cboGiorno[k] = creaCombo(framePeriodo, NomeElemento("cboGiorno", k), false);
        cboMese[k] = creaCombo(framePeriodo, NomeElemento("cboMese", k), false);
        cboGiorno[k]->setEnabled(false);
        cboMese[k]->setEnabled(false);
        gPeriodo->addWidget(new QLabel(k == 0 ? QStringLiteral("Tra il") : QStringLiteral("e il"),
                                       framePeriodo),
                            1, k * 3);
        gPeriodo->addWidget(cboGiorno[k], 1, k * 3 + 1);
        gPeriodo->addWidget(cboMese[k], 1, k * 3 + 2);
    }

    auto* pulsanti = PulsantiConferma(this, cmdOk, cmdAnnulla, cmdHelp);

    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(frameGiorni);
    colonna->addWidget(frameMesi);
    colonna->addWidget(framePeriodo);
    colonna->addLayout(pulsanti);

    on(chkGiorni, &QCheckBox::toggled, QStringLiteral("chkGiorni_Click"),
       [this] { chkGiorni_Click(); });
    on(chkMesi, &QCheckBox::toggled, QStringLiteral("chkMesi_Click"), [this] { chkMesi_Click(); });
    on(chkPeriodo, &QCheckBox::toggled, QStringLiteral("chkPeriodo_Click"),
       [this] { chkPeriodo_Click(); });
    on(cmdOk, &QPushButton::clicked, QStringLiteral("cmdOk_Click"), [this] { cmdOk_Click(); });
    on(cmdAnnulla, &QPushButton::clicked, QStringLiteral("cmdAnnulla_Click"),
       [this] { cmdAnnulla_Click(); });
    on(cmdHelp, &QPushButton::clicked, QStringLiteral("cmdHelp_Click"),
       [this] { cmdHelp_Click(); });
}

void frmOpzioni::formLoad()
{
    for (int k = 0; k <= 1; ++k) {
        for (int g = 1; g <= 31; ++g)
            cboGiorno[k]->addItem(QString::number(g));
        for (int m = 1; m <= 12; ++m)
            cboMese[k]->addItem(vbMonthName(m));
        cboGiorno[k]->setCurrentIndex(0);
        cboMese[k]->setCurrentIndex(0);
    }
    Forms::current = this;
    ImpostaForm(this);
    CaricaPosizioneForm(this, false);
    CaricaRestrizioni();
}

void frmOpzioni::formUnload(bool&)
{
    SalvaPosizioneForm(this);
}

void frmOpzioni::CaricaRestrizioni()
{
    const ImpostazioniRestrizioni r = LeggiImpostazioniRestrizioni();

    if (r.Giorno == u"Y")
        chkGiorni->setChecked(true);
    for (int i = 1; i <= 7; ++i)
        chkDay[i]->setChecked(vbMid(r.Giorni, i, 1) == u"Y");
    if (r.Mese == u"Y")
        chkMesi->setChecked(true);
    for (int i = 1; i <= 12; ++i)
        chkMese[i]->setChecked(vbMid(r.Mesi, i, 1) == u"Y");
    if (r.Periodo == u"Y")
        chkPeriodo->setChecked(true);

    const QString* estremi[] = {&r.Dal, &r.Al};
    for (int k = 0; k <= 1; ++k) {
        vbSetComboText(cboGiorno[k], QString::number(vbFix(vbVal(vbLeft(*estremi[k], 2)))));
        // The month as the restriction reads it: the Italian name, any case.
        const int m = meseDaNome(vbMid(*estremi[k], 3));
        if (m > 0)
            cboMese[k]->setCurrentIndex(m - 1);
    }
}

void frmOpzioni::chkGiorni_Click()
{
    const bool attivo = chkGiorni->isChecked();
    for (int i = 1; i <= 7; ++i)
        chkDay[i]->setEnabled(attivo);
}

void frmOpzioni::chkMesi_Click()
{
    const bool attivo = chkMesi->isChecked();
    for (int i = 1; i <= 12; ++i)
        chkMese[i]->setEnabled(attivo);
    if (attivo)
        chkPeriodo->setChecked(false);
}

void frmOpzioni::chkPeriodo_Click()
{
    const bool attivo = chkPeriodo->isChecked();
    if (attivo) {
        for (int k = 0; k <= 1; ++k) {
            for (QComboBox* c : {cboGiorno[k], cboMese[k]}) {
                c->setEnabled(true);
                vbSetBackColor(c, kBianco);
            }
        }
        chkMesi->setChecked(false);
    } else {
        cboGiorno[0]->setCurrentIndex(0);
        cboMese[0]->setCurrentIndex(0);
        cboGiorno[1]->setCurrentIndex(30);
        cboMese[1]->setCurrentIndex(11);
        for (int k = 0; k <= 1; ++k) {
            for (QComboBox* c : {cboGiorno[k], cboMese[k]}) {
                c->setEnabled(false);
                vbSetBackColor(c, vbButtonFace);
            }
        }
    }
}

void frmOpzioni::SalvaRestrizioni()
{
    ImpostazioniRestrizioni r;
    r.Giorno = chkGiorni->isChecked() ? QStringLiteral("Y") : QStringLiteral("N");
    r.Giorni = flags(chkDay.data(), 7);
    r.Mese = chkMesi->isChecked() ? QStringLiteral("Y") : QStringLiteral("N");
    r.Mesi = flags(chkMese.data(), 12);
    if (chkPeriodo->isChecked()) {
        r.Periodo = QStringLiteral("Y");
        QString* estremi[] = {&r.Dal, &r.Al};
        for (int k = 0; k <= 1; ++k) {
            const QString nomeMese = cboMese[k]->currentText();
            if (vbVal(cboGiorno[k]->currentText()) > 30 &&
                (nomeMese == vbMonthName(11) || nomeMese == vbMonthName(9) ||
                 nomeMese == vbMonthName(6) || nomeMese == vbMonthName(4)))
                vbSetComboText(cboGiorno[k], QStringLiteral("30"));
            if (nomeMese == vbMonthName(2) && vbVal(cboGiorno[k]->currentText()) > 28)
                vbSetComboText(cboGiorno[k], QStringLiteral("28"));
            *estremi[k] = vbFormat(vbVal(cboGiorno[k]->currentText()), u"00") + nomeMese;
        }
    } else {
        r.Periodo = QStringLiteral("N");
    }
    SalvaImpostazioniRestrizioni(r);

    LeggiRestrizioni();
    MostraRestrizioni();
}

void frmOpzioni::cmdOk_Click()
{
    SalvaRestrizioni();
    vbUnload(this);
}

void frmOpzioni::cmdAnnulla_Click()
{
    vbUnload(this);
}

void frmOpzioni::cmdHelp_Click()
{
    Guida().HelpContext(GuidaOpzioni, QString());
}
