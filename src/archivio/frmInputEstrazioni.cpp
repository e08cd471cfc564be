#include "archivio/frmInputEstrazioni.h"

#include "archivio/InputEstrazioni.h"
#include "archivio/ScrittoreArchivio.h"
#include "archivio/modAggiornamento.h"
#include "compat/vb.h"
#include "compat/vbdate.h"
#include "compat/ui/Colors.h"
#include "compat/ui/Controls.h"
#include "compat/ui/Platform.h"
#include "compat/ui/Twips.h"
#include "core/Impostazioni.h"
#include "core/Procedure.h"
#include "core/TabellaImpostazioni.h"
#include "shell/modArchivio.h"
#include "shell/modAspetto.h"
#include "shell/modControlli.h"
#include "shell/modPeriodo.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

using namespace compat;

namespace {

void blocca(QLineEdit* t, bool bloccata, quint32 colore)
{
    t->setReadOnly(bloccata);
    vbSetBackColor(t, colore);
}

} // namespace

frmInputEstrazioni::frmInputEstrazioni()
{
    setObjectName(QStringLiteral("frmInputEstrazioni"));
    setWindowTitle(QStringLiteral("Quorvane - Inserimento/modifica estrazioni lotto"));
    creaControlli();
    resize(twipsToPx(9060), twipsToPx(5700));
}

void frmInputEstrazioni::formLoad()
{
    Forms::current = this;
    ImpostaForm(this);
    LeggiUltimaEstrazione();
    MostraEstrazione();
    for (int k = 1; k <= kCaselle; ++k)
        txtEstratto[k]->setToolTip(vbStr((k - 1) % 5 + 1) + QStringLiteral("' estratto ruota di ")
                                   + nomeRuota((k - 1) / 5 + 1));
}

bool frmInputEstrazioni::modoNuova() const
{
    return cmdInserisci->isEnabled();
}

bool frmInputEstrazioni::modoCorrezione() const
{
    return !cmdInserisci->isEnabled() && !txtEstratto[1]->isReadOnly();
}

void frmInputEstrazioni::LeggiUltimaEstrazione()
{
    if (!PrimaLetturaFatta)
        EstrazioneCorrente = NumeroEstrazioni;
    // The year of the last stored draw, not of the year index: the index may
    // lag behind a draw stored without its year record.
    UltimoAnno = Archivio().leggi(NumeroEstrazioni).anno();
    Slider1->setMaximum(std::max(1, NumeroEstrazioni));
    lblTotaleEstrazioni->setText(QString::number(NumeroEstrazioni));
    PrimaLetturaFatta = true;
}

void frmInputEstrazioni::MostraEstrazione()
{
    if (MostraInCorso)
        return;
    FlagScope guardia(MostraInCorso);
    if (EstrazioneCorrente < 1 || EstrazioneCorrente > NumeroEstrazioni)
        return;
    const RecEstrazione r = Archivio().leggi(EstrazioneCorrente);
    const QString dc = QString::fromLatin1(r.DataCompatta());
    vbSetText(txtMese, vbMid(dc, 3, 2));
    vbSetText(txtAnno, vbMid(dc, 5, 4));
    vbSetText(txtGiorno, vbMid(dc, 1, 2));
    for (int w = 1; w <= kRuote; ++w)
        for (int p = 1; p <= 5; ++p)
            vbSetText(txtEstratto[(w - 1) * 5 + p], QString::number(r.numero(w, p)));
    lblNumeroAnnoEstraz->setText(vbStr(r.ProgressivoAnno()));
    lblAnnoEstrazione->setText(QStringLiteral(" / ") + vbMid(dc, 5, 4));
    Slider1->setValue(EstrazioneCorrente);
    if (const auto d = r.data())
        lblGiornoEstraz->setText(vbWeekdayName(vbWeekday(*d)));
}

void frmInputEstrazioni::Slider1_Change(int valore)
{
    if (valore < 1)
        return;
    EstrazioneCorrente = valore;
    MostraEstrazione();
}

void frmInputEstrazioni::txtGiorno_Change()
{
    if (txtMese->text().isEmpty() || txtAnno->text().isEmpty())
        return;
    if (const QDate d = dataCaselle(); d.isValid())
        lblGiornoEstraz->setText(vbWeekdayName(vbWeekday(d)));
}

QDate frmInputEstrazioni::dataCaselle() const
{
    return vbCDate(txtGiorno->text() + u'/' + txtMese->text() + u'/' + txtAnno->text())
        .value_or(QDate());
}

void frmInputEstrazioni::scriviData(QDate d)
{
    const QString t = vbDateText(d);
    vbSetText(txtMese, vbMid(t, 4, 2));
    vbSetText(txtAnno, vbMid(t, 7, 4));
    vbSetText(txtGiorno, vbMid(t, 1, 2));
}

int frmInputEstrazioni::richiesti() const
{
    // The Nazionale's first draw as the archive holds it.
    const qint32 primaNz = PrimaEstrazioneRuota[kNazionale];
    const QDate dataNz = primaNz >= 1 && primaNz <= NumeroEstrazioni
                             ? Archivio().leggi(primaNz).data().value_or(primaDataNazionale())
                             : primaDataNazionale();
    if (modoCorrezione())
        return EstrazioneCorrente >= primaNz ? 55 : 50;
    return numeriRichiesti(dataCaselle(), dataNz);
}

void frmInputEstrazioni::cmdCorreggi_Click()
{
    const bool nazionale = EstrazioneCorrente >= PrimaEstrazioneRuota[kNazionale];
    for (int k = 1; k <= (nazionale ? 55 : 50); ++k)
        blocca(txtEstratto[k], false, kBianco);
    for (QLineEdit* t : {txtGiorno, txtMese, txtAnno})
        vbSetBackColor(t, kBianco);
    Slider1->setEnabled(false);
    cmdMemorizza->setEnabled(true);
    txtEstratto[1]->setFocus();
    cmdNuova->setEnabled(false);
    cmdCorreggi->setEnabled(false);
}

void frmInputEstrazioni::cmdCancella_Click()
{
    Text1->clear();
    for (int k = 1; k <= kCaselle; ++k)
        vbSetText(txtEstratto[k], QString());
}

void frmInputEstrazioni::cmdPrecedente_Click()
{
    if (EstrazioneCorrente <= 1)
        return;
    if (modoNuova()) {
        const RecEstrazione ultima = Archivio().leggi(EstrazioneCorrente);
        const QDate nuova = dataCaselle().addDays(-1);
        const auto dataUltima = ultima.data();
        if (!nuova.isValid() || !dataUltima || nuova <= *dataUltima)
            return;
        scriviData(nuova);
        if (valoreCasella(txtAnno->text()) == UltimoAnno) {
            lblNumeroAnnoEstraz->setText(vbStr(ultima.ProgressivoAnno() + 1));
            lblAnnoEstrazione->setText(QStringLiteral(" / ") + txtAnno->text());
        }
    } else if (modoCorrezione()) {
        const QDate nuova = dataCaselle().addDays(-1);
        const auto precedente = Archivio().leggi(EstrazioneCorrente - 1).data();
        if (nuova.isValid() && precedente && nuova > *precedente)
            scriviData(nuova);
    } else {
        --EstrazioneCorrente;
        MostraEstrazione();
    }
}

void frmInputEstrazioni::cmdSuccessiva_Click()
{
    if (modoNuova()) {
        const QDate nuova = dataCaselle().addDays(1);
        if (!nuova.isValid())
            return;
        scriviData(nuova);
        if (valoreCasella(txtAnno->text()) != UltimoAnno) {
            lblNumeroAnnoEstraz->setText(QStringLiteral("1"));
            lblAnnoEstrazione->setText(QStringLiteral(" / ") + txtAnno->text());
        }
    } else if (modoCorrezione()) {
        const QDate nuova = dataCaselle().addDays(1);
        if (!nuova.isValid())
            return;
        if (EstrazioneCorrente < NumeroEstrazioni) {
            const auto successiva = Archivio().leggi(EstrazioneCorrente + 1).data();
            if (!successiva || nuova >= *successiva)
                return;
        }
        scriviData(nuova);
    } else if (EstrazioneCorrente < NumeroEstrazioni) {
        ++EstrazioneCorrente;
        MostraEstrazione();
    }
}

void frmInputEstrazioni::cmdNuova_Click()
{
    const bool nazionale = NumeroEstrazioni + 1 >= PrimaEstrazioneRuota[kNazionale];
    for (int k = 1; k <= 50 + (nazionale ? 5 : 0); ++k) {
        blocca(txtEstratto[k], false, kBianco);
        vbSetText(txtEstratto[k], QString());
    }
    Text1->setReadOnly(false);
    vbSetBackColor(Text1, kBianco);
    cmdCorreggi->setEnabled(false);
    cmdMemorizza->setEnabled(true);
    cmdInserisci->setEnabled(true);
    cmdCancella->setEnabled(true);
    for (QLineEdit* t : {txtGiorno, txtMese, txtAnno})
        vbSetBackColor(t, kBianco);
    EstrazioneCorrente = NumeroEstrazioni;
    const RecEstrazione ultima = Archivio().leggi(EstrazioneCorrente);
    const PropostaEstrazione p = proponiEstrazione(ultima, leggi(imp::GiorniEstrazione));
    GiornoSettimanaCorrente = p.giornoSettimana;
    if (p.data.isValid()) {
        scriviData(p.data);
        lblNumeroAnnoEstraz->setText(p.numeroAnno);
        lblAnnoEstrazione->setText(QStringLiteral(" / ") + QString::number(p.data.year()));
        lblGiornoEstraz->setText(vbWeekdayName(p.giornoSettimana));
    }
    Slider1->setEnabled(false);
    cmdNuova->setEnabled(false);
    txtEstratto[1]->setFocus();
}

void frmInputEstrazioni::cmdInserisci_Click()
{
    const Incollatura r = incolla(Text1->toPlainText());
    for (size_t i = 0; i < r.testi.size(); ++i)
        vbSetText(txtEstratto[int(i) + 1], r.testi[i]);
    if (r.casellaErrata)
        vbMsgBox(QStringLiteral("Valori incongruenti - Non è possibile decodificare  (tutto o in "
                                "parte) il testo copiato !"),
                 vbOKOnly | vbCritical, QStringLiteral("Errore"));
}

void frmInputEstrazioni::rifiutaFuoriIntervallo(int k)
{
    vbMsgBox(QStringLiteral("inserisci un numero tra 1 e 90 !"), vbOKOnly | vbExclamation);
    txtEstratto[k]->setFocus();
    txtEstratto[k]->setSelection(0, 20);
}

void frmInputEstrazioni::cmdMemorizza_Click()
{
    memorizzata_ = false;
    if (scritturaInCorso_)
        return;
    FlagScope inCorso(scritturaInCorso_);
    memorizzata_ = memorizza();
}

bool frmInputEstrazioni::memorizza()
{
    if (!ScritturaConsentita())
        return false;
    // Held from the first check to the end of the write.
    BloccoScrittura blocco;
    if (!blocco.preso()) {
        AvvisoArchivioOccupato();
        return false;
    }
    const bool correzione = !modoNuova();
    const int n = richiesti();
    const auto valori = [this] {
        ValoriCaselle v{};
        for (int k = 1; k <= kCaselle; ++k)
            v[k] = valoreCasella(txtEstratto[k]->text());
        return v;
    };
    ValoriCaselle v = valori();
    if (caselleVuote(v, n) == n) {
        vbPress(cmdInserisci);
        v = valori();
    }
    if (const int k = primaCasellaFuoriIntervallo(v)) {
        rifiutaFuoriIntervallo(k);
        return false;
    }
    const auto conferma = [](const QString& domanda) {
        return vbMsgBox(domanda, vbYesNo | vbExclamation | vbDefaultButton2,
                        QStringLiteral("Conferma")) == vbYes;
    };
    const int vuote = caselleVuote(v, n);
    if (vuote == 1 && !conferma(QStringLiteral("Manca 1 numero. Memorizzi ugualmente ?")))
        return false;
    if (vuote > 1 && !conferma(QStringLiteral("Mancano alcuni numeri. Memorizzi ugualmente ?")))
        return false;
    if (vuote <= 1 && numeriRipetuti(v, n)
        && !conferma(QStringLiteral("Ci sono numeri uguali su stessa ruota. Memorizzi ugualmente ? ")))
        return false;

    // Both weekday digits are the stored date's, wherever the -1/+1 buttons
    // moved it from: the weekday restrictions read them.
    const QDate data = dataCaselle();
    GiornoSettimanaCorrente = GiornoEtichetta = data.isValid() ? vbWeekday(data) : 0;
    if (GiornoSettimanaCorrente < 1 || GiornoSettimanaCorrente > 7) {
        vbMsgBox(QStringLiteral("Errore durante la memorizzazione del giorno della settimana. Riprovare!"));
        return false;
    }
    const RecEstrazione r = componiRecord(v, txtGiorno->text(), txtMese->text(), txtAnno->text(),
                                          valoreCasella(lblNumeroAnnoEstraz->text()),
                                          GiornoSettimanaCorrente, GiornoEtichetta);
    const EsitoScrittura esito = correzione
                                     ? correggiEstrazione(Archivio(), blocco, EstrazioneCorrente, r)
                                     : accodaEstrazioni(Archivio(), blocco, r.toBytes());
    if (!esito.ok()) {
        vbMsgBox(MessaggioScrittura(esito), vbOKOnly | vbCritical, QStringLiteral("Errore"));
        ArchivioScritto(true);
        return false;
    }
    EstrazioneCorrente = esito.ultimo;
    tornaInConsultazione();
    ArchivioScritto(correzione);
    AggiornaFineRicerca();
    LeggiUltimaEstrazione();
    MostraEstrazione();
    Slider1->setEnabled(true);
    AvvisoRiapertura(esito);
    return true;
}

void frmInputEstrazioni::tornaInConsultazione()
{
    for (int k = 1; k <= kCaselle; ++k)
        blocca(txtEstratto[k], true, kCiano);
    Text1->setReadOnly(true);
    vbSetBackColor(Text1, kCiano);
    Text1->clear();
    cmdNuova->setEnabled(true);
    cmdMemorizza->setEnabled(false);
    cmdInserisci->setEnabled(false);
    cmdCorreggi->setEnabled(true);
    cmdCancella->setEnabled(false);
    for (QLineEdit* t : {txtGiorno, txtMese, txtAnno})
        vbSetBackColor(t, kCiano);
}

void frmInputEstrazioni::queryUnload(int, bool& cancel)
{
    // Never closed in the middle of a write.
    if (scritturaInCorso_)
        cancel = true;
}

void frmInputEstrazioni::formUnload(bool& cancel)
{
    if (!cmdMemorizza->isEnabled())
        return;
    bool qualcuno = false;
    for (int k = 1; k <= kCaselle; ++k)
        qualcuno = qualcuno || valoreCasella(txtEstratto[k]->text()) != 0;
    if (!qualcuno)
        return;
    switch (vbMsgBox(QStringLiteral("Salvare i dati prima di chiudere?"), vbYesNoCancel | vbQuestion,
                     QStringLiteral("Input estrazioni"))) {
    case vbCancel:
        cancel = true;
        break;
    case vbYes:
        // A refused or failed store keeps the window and what was typed.
        vbPress(cmdMemorizza);
        cancel = !memorizzata_;
        break;
    default:
        break;
    }
}

bool frmInputEstrazioni::eventFilter(QObject* o, QEvent* e)
{
    int k = 0;
    for (int i = 1; i <= kCaselle && !k; ++i)
        if (o == txtEstratto[i])
            k = i;
    if (!k)
        return Form::eventFilter(o, e);
    if (e->type() == QEvent::KeyPress) {
        auto* ke = static_cast<QKeyEvent*>(e);
        const QString t = ke->text();
        // Only typed characters are filtered; moves and editing keys pass.
        if (t.size() == 1 && t[0].unicode() >= 32 && SoloNumeri(t[0].unicode()) == 0)
            return true;
    } else if (e->type() == QEvent::FocusIn) {
        if (!txtEstratto[k]->isReadOnly())
            QTimer::singleShot(0, txtEstratto[k], [b = txtEstratto[k]] { b->setSelection(0, 2); });
    } else if (e->type() == QEvent::FocusOut) {
        QTimer::singleShot(0, this, [this, k] { txtEstratto_Validate(k); });
    }
    return Form::eventFilter(o, e);
}

void frmInputEstrazioni::txtEstratto_Validate(int k)
{
    if (convalidaInCorso_ || txtEstratto[k]->isReadOnly() || txtEstratto[k]->hasFocus())
        return;
    const int v = valoreCasella(txtEstratto[k]->text());
    if (v >= 0 && v <= 90)
        return;
    runHandler(QStringLiteral("txtEstratto_Validate"), [&] {
        FlagScope guardia(convalidaInCorso_);
        rifiutaFuoriIntervallo(k);
    });
}
