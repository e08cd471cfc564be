#include "archivio/frmStampaEstrazioni.h"

#include "archivio/StampaEstrazioni.h"
#include "compat/vb.h"
#include "compat/vbdate.h"
#include "compat/ui/Controls.h"
#include "compat/ui/LinePrinter.h"
#include "compat/ui/Platform.h"
#include "compat/ui/ReportOutput.h"
#include "core/ArchivioMemoria.h"
#include "shell/modArchivio.h"
#include "shell/modAspetto.h"
#include "shell/Controlli.h"
#include "shell/modGuida.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace compat;

namespace {

QComboBox* elenco(QWidget* padre, const char* nome, const QString& suggerimento)
{
    QComboBox* c = creaCombo(padre, QString::fromLatin1(nome), false);
    c->setToolTip(suggerimento);
    return c;
}

QDateEdit* selettoreData(QWidget* padre, const char* nome)
{
    QDateEdit* d = creaData(padre, QString::fromLatin1(nome));
    d->setMinimumDate(QDate(1800, 1, 1));
    return d;
}

QCheckBox* casella(QWidget* padre, const char* nome, const QString& testo, const QString& suggerimento)
{
    auto* c = new QCheckBox(testo, padre);
    c->setObjectName(QString::fromLatin1(nome));
    c->setToolTip(suggerimento);
    return c;
}

// Each copy is a document of its own, numbered from page 1. A failure is
// reported once (finishPrint) and stops the copies left.
void StampaDocumento(const DocumentoStampa& doc, int copie)
{
    if (!StampaQualcosa(doc))
        return;
    const auto stampante = platform().printers().open();
    ILinePrinter& p = *stampante;
    for (int c = 1; c <= copie; ++c) {
        for (const ComandoStampa& k : doc) {
            switch (k.tipo) {
            case ComandoStampa::Tipo::Carattere:
                p.setFont(k.testo, k.valore);
                break;
            case ComandoStampa::Tipo::Grassetto:
                p.setBold(k.valore != 0);
                break;
            case ComandoStampa::Tipo::Colonna:
                p.tab(int(k.valore));
                break;
            case ComandoStampa::Tipo::PosizioneX:
                p.setCurrentX(k.valore);
                break;
            case ComandoStampa::Tipo::Testo:
                p.print(k.testo);
                break;
            case ComandoStampa::Tipo::FineRiga:
                p.endLine();
                break;
            case ComandoStampa::Tipo::NuovaPagina:
                p.newPage();
                break;
            }
        }
        if (!finishPrint(p))
            return;
    }
}

} // namespace

frmStampaEstrazioni::frmStampaEstrazioni()
{
    setObjectName(QStringLiteral("frmStampaEstrazioni"));
    setWindowTitle(QStringLiteral("Quorvane - Stampa estrazioni"));

    lblDa = new QLabel(QStringLiteral("Estrazioni dal"), this);
    DTPickerDa = selettoreData(this, "DTPickerDa");
    lblA = new QLabel(QStringLiteral("al"), this);
    DTPickerA = selettoreData(this, "DTPickerA");
    lblRuota = new QLabel(QStringLiteral("Ruota :"), this);
    cboRuota = elenco(this, "cboRuota", QStringLiteral("Ruota"));
    chkMeseDi = casella(this, "chkMeseDi", QStringLiteral("Solo mese di :"),
                        QStringLiteral("Permette di selezionare un singolo mese"));
    cboMesi = elenco(this, "cboMesi", QStringLiteral("Mese"));
    cboMesi->setEnabled(false);
    chkData = casella(this, "chkData", QStringLiteral("Data estrazione :"),
                      QStringLiteral("Permette di selezionare una singola data di estrazione"));
    cboGiorno = elenco(this, "cboGiorno", QStringLiteral("Giorno"));
    for (int g = 1; g <= 31; ++g)
        cboGiorno->addItem(QString::number(g));
    cboGiorno->setEnabled(false);
    cboMesi1 = elenco(this, "cboMesi1", QStringLiteral("Mese"));
    for (int m = 1; m <= 12; ++m)
        cboMesi1->addItem(nomeMese(m));
    cboMesi1->setEnabled(false);
    lblSpiegazione = new QLabel(
        QStringLiteral("(Se spuntata, la casella soprastante permette di considerare solo le estrazioni "
                       "con data uguale o immediatamente successiva alla data impostata, negli anni "
                       "selezionati)"),
        this);
    lblSpiegazione->setWordWrap(true);
    chkDettagliata = casella(this, "chkDettagliata", QStringLiteral("Dettagliata"), QString());
    cmdStampa = PulsanteImmagine(this, QStringLiteral("cmdStampa"), QStyle::SP_FileDialogDetailedView,
                                 QStringLiteral("Stampa i risultati della ricerca effettuata"));
    cmdHelp = PulsanteImmagine(this, QStringLiteral("cmdHelp"), QStyle::SP_DialogHelpButton,
                               QStringLiteral("Spiegazioni dettagliate sul form attuale"));
    setDefaultButton(cmdStampa);

    auto* griglia = new QGridLayout;
    griglia->addWidget(lblDa, 0, 0);
    griglia->addWidget(DTPickerDa, 0, 1);
    griglia->addWidget(lblA, 0, 2);
    griglia->addWidget(DTPickerA, 0, 3);
    griglia->addWidget(lblRuota, 1, 0);
    griglia->addWidget(cboRuota, 1, 1);
    griglia->addWidget(chkMeseDi, 2, 0);
    griglia->addWidget(cboMesi, 2, 1);
    griglia->addWidget(chkData, 3, 0);
    griglia->addWidget(cboGiorno, 3, 1);
    griglia->addWidget(cboMesi1, 3, 2, 1, 2);
    griglia->addWidget(lblSpiegazione, 4, 0, 1, 4);
    griglia->addWidget(chkDettagliata, 5, 0);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(cmdStampa);
    pulsanti->addWidget(cmdHelp);
    auto* colonna = new QVBoxLayout(this);
    colonna->addLayout(griglia);
    colonna->addLayout(pulsanti);
    setMaximumWidth(560);

    on(chkMeseDi, &QCheckBox::toggled, QStringLiteral("chkMeseDi_Click"), [this] { chkMeseDi_Click(); });
    on(chkData, &QCheckBox::toggled, QStringLiteral("chkData_Click"), [this] { chkData_Click(); });
    on(cmdStampa, &QPushButton::clicked, QStringLiteral("cmdStampa_Click"), [this] { cmdStampa_Click(); });
    on(cmdHelp, &QPushButton::clicked, QStringLiteral("cmdHelp_Click"),
       [] { Guida().HelpContext(GuidaStampaEstrazioni, QString()); });
}

void frmStampaEstrazioni::formLoad()
{
    cboRuota->addItem(QStringLiteral("Tutte     "));
    for (int w = 1; w <= 11; ++w)
        cboRuota->addItem(NomiRuote[size_t(w)]);
    cboRuota->setCurrentIndex(0);
    vbSetDate(DTPickerDa, vbCDate(DataEstrazione(1)).value_or(QDate()));
    vbSetDate(DTPickerA, vbCDate(DataEstrazione(NumeroEstrazioni)).value_or(QDate()));
    cboMesi->clear();
    for (int m = 1; m <= 12; ++m)
        cboMesi->addItem(vbMonthName(m));
    cboMesi->setCurrentIndex(0);
    Forms::current = this;
    ImpostaForm(this);
}

void frmStampaEstrazioni::chkMeseDi_Click()
{
    if (chkMeseDi->isChecked()) {
        chkData->setChecked(false);
        cboMesi->setEnabled(true);
    } else {
        cboMesi->setEnabled(false);
    }
}

void frmStampaEstrazioni::chkData_Click()
{
    if (chkData->isChecked()) {
        cboGiorno->setEnabled(true);
        cboMesi1->setEnabled(true);
        cboMesi->setEnabled(false);
        chkMeseDi->setChecked(false);
        cboGiorno->setCurrentIndex(0);
        cboMesi1->setCurrentIndex(0);
    } else {
        cboGiorno->setEnabled(false);
        cboMesi1->setEnabled(false);
    }
}

bool frmStampaEstrazioni::estremoPeriodo(QDateEdit* picker, bool precedente, qint32& estrazione)
{
    CercaPrecedente = precedente;
    CercaEstrazione(vbDateText(picker->date()));
    if (DataErrata)
        return false;
    estrazione = EstrazioneTrovata;
    vbSetDate(picker, vbCDate(DataEstrazione(estrazione)).value_or(picker->date()));
    return true;
}

bool frmStampaEstrazioni::richiesta(RichiestaStampa& r)
{
    if (chkData->isChecked()) {
        const int mese = cboMesi1->currentIndex() + 1;
        const int giorno = vbCInt(vbVal(cboGiorno->currentText()));
        // Checked before the printer dialog: a day some year lacks would
        // otherwise silently pick the next month's draw.
        if (!GiornoMeseValido(giorno, mese)) {
            vbMsgBox(QStringLiteral("Data errata !"), vbExclamation);
            cboGiorno->setFocus();
            return false;
        }
        r.chiaveData = mese * 100 + giorno;
    }
    r.inizio = NumInizioRicerca;
    r.fine = NumFineRicerca;
    r.intestazione[0] = QStringLiteral("Quorvane - Stampa estrazioni dal ") + vbDateText(DTPickerDa->date())
                        + QStringLiteral(" al ") + vbDateText(DTPickerA->date());
    r.intestazione[1] = QStringLiteral("Ruota : ") + vbTrim(cboRuota->currentText());
    if (cboMesi->isEnabled()) {
        r.intestazione[1] += QStringLiteral(" - Solo mese di ") + cboMesi->currentText();
        r.modo = ModoStampa::Mese;
        r.mese = cboMesi->currentIndex() + 1;
    }
    if (chkData->isChecked()) {
        r.intestazione[1] += QStringLiteral(" - Solo date vicine al ") + cboGiorno->currentText()
                             + u' ' + cboMesi1->currentText();
        r.modo = ModoStampa::DateVicine;
    }
    r.ruota = std::max(0, cboRuota->currentIndex());
    r.testoRuota = cboRuota->currentText();
    if (chkDettagliata->isChecked())
        r.modo = ModoStampa::Griglia;
    return true;
}

void frmStampaEstrazioni::cmdStampa_Click()
{
    if (!estremoPeriodo(DTPickerDa, false, NumInizioRicerca)
        || !estremoPeriodo(DTPickerA, true, NumFineRicerca))
        return;
    if (NumFineRicerca < NumInizioRicerca) {
        vbMsgBox(QStringLiteral("Data finale minore della data iniziale !"), vbExclamation);
        return;
    }
    RichiestaStampa r;
    if (!richiesta(r))
        return;
    const auto copie = askPrintCopies();
    if (!copie)
        return;
    if (r.modo == ModoStampa::Griglia && r.ruota == 0) {
        vbMsgBox(QStringLiteral("E' necessario selezionare una ruota singola!"));
        return;
    }
    const auto archivio = vistaArchivio(Archivio());
    const DocumentoStampa doc =
        r.modo == ModoStampa::Griglia ? GrigliaRuota(*archivio, r) : ElencoEstrazioni(*archivio, r);
    StampaDocumento(doc, *copie);
}
