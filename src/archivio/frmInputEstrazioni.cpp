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
#include "shell/modGuida.h"
#include "shell/modPeriodo.h"

#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QTimer>

using namespace compat;

namespace {

constexpr quint32 kCiano = 0xFFFFC0;
constexpr quint32 kBianco = 0xFFFFFF;

void posiziona(QWidget* w, double left, double top, double width, double height)
{
    w->setGeometry(twipsToPx(left), twipsToPx(top), twipsToPx(width), twipsToPx(height));
}

QLabel* etichetta(QWidget* padre, const char* nome, const QString& testo)
{
    auto* l = new QLabel(testo, padre);
    l->setObjectName(QString::fromLatin1(nome));
    return l;
}

QLineEdit* casella(QWidget* padre, const QString& nome, const QString& suggerimento)
{
    auto* t = new QLineEdit(padre);
    t->setObjectName(nome);
    t->setToolTip(suggerimento);
    t->setReadOnly(true);
    t->setAlignment(Qt::AlignCenter);
    vbSetBackColor(t, kCiano);
    return t;
}

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

void frmInputEstrazioni::creaControlli()
{
    auto* Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    posiziona(Frame1, 120, 60, 3600, 5040);
    for (int k = 1; k <= kCaselle; ++k) {
        const int riga = (k - 1) / 5 + 1;
        const int colonna = (k - 1) % 5 + 1;
        txtEstratto[k] = casella(Frame1, QStringLiteral("txtEstratto_%1").arg(k), {});
        const double top = riga <= 10 ? 250 + 400 * (riga - 1) : 4440;
        const double left = 1280 + 420 * (colonna - 1) - (riga == 11 ? 5 : 0);
        posiziona(txtEstratto[k], left, top, 390, 390);
        txtEstratto[k]->installEventFilter(this);
    }
    for (int i = 0; i <= 9; ++i) {
        auto* img = etichetta(Frame1, "", vbTrim(nomeRuota(i + 1)));
        img->setObjectName(QStringLiteral("imgRuota_%1").arg(i));
        posiziona(img, 100, 280 + 400 * i, 1150, 330);
    }
    auto* Line1 = new QFrame(Frame1);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    posiziona(Line1, 100, 4340, 3400, 30);
    Label3 = etichetta(Frame1, "Label3", QStringLiteral("Nazionale"));
    Label3->setToolTip(QStringLiteral("Nazionale"));
    posiziona(Label3, 100, 4470, 1150, 330);

    auto* Frame2 = new QGroupBox(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    posiziona(Frame2, 3840, 60, 3600, 1560);
    cmdPrecedente = PulsanteImmagine(Frame2, QStringLiteral("cmdPrecedente"), QStyle::SP_ArrowLeft,
                                     QStringLiteral("-1 estrazione oppure diminuisce di 1 giorno la data"));
    posiziona(cmdPrecedente, 120, 200, 500, 420);
    txtGiorno = casella(Frame2, QStringLiteral("txtGiorno"), QStringLiteral("Giorno estrazione"));
    posiziona(txtGiorno, 720, 220, 500, 380);
    txtMese = casella(Frame2, QStringLiteral("txtMese"), QStringLiteral("Mese estrazione"));
    posiziona(txtMese, 1260, 220, 500, 380);
    txtAnno = casella(Frame2, QStringLiteral("txtAnno"), QStringLiteral("Anno estrazione"));
    posiziona(txtAnno, 1800, 220, 800, 380);
    cmdSuccessiva = PulsanteImmagine(Frame2, QStringLiteral("cmdSuccessiva"), QStyle::SP_ArrowRight,
                                     QStringLiteral("+1 estrazione oppure aumentadi 1 giorno la data"));
    posiziona(cmdSuccessiva, 2700, 200, 500, 420);
    lblDescEstrazione = etichetta(Frame2, "lblDescEstrazione", QStringLiteral("Estrazione n."));
    posiziona(lblDescEstrazione, 120, 720, 1000, 300);
    lblNumeroAnnoEstraz = etichetta(Frame2, "lblNumeroAnnoEstraz", {});
    posiziona(lblNumeroAnnoEstraz, 1120, 720, 450, 300);
    lblAnnoEstrazione = etichetta(Frame2, "lblAnnoEstrazione", {});
    posiziona(lblAnnoEstrazione, 1570, 720, 800, 300);
    lblGiornoEstraz = etichetta(Frame2, "lblGiornoEstraz", {});
    posiziona(lblGiornoEstraz, 2400, 720, 1100, 300);
    Slider1 = new QSlider(Qt::Horizontal, Frame2);
    Slider1->setObjectName(QStringLiteral("Slider1"));
    Slider1->setToolTip(QStringLiteral("Slider numero estrazione"));
    Slider1->setMinimum(1);
    posiziona(Slider1, 120, 1080, 3360, 380);

    auto* Frame3 = new QGroupBox(this);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    posiziona(Frame3, 3840, 1680, 3600, 3420);
    Text1 = new QPlainTextEdit(Frame3);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setToolTip(QStringLiteral("Puoi incollare qui (CTRL-V) una estrazione memorizzata negli "
                                     "appunti di Windows, quindi premi \"Inserisci\""));
    Text1->setReadOnly(true);
    vbSetBackColor(Text1, kCiano);
    posiziona(Text1, 110, 180, 3375, 2895);
    cmdInserisci = PulsanteImmagine(Frame3, QStringLiteral("cmdInserisci"), QStyle::SP_ArrowLeft,
                                    QStringLiteral("Inseriscii dati presenti nella finestra di testo"));
    posiziona(cmdInserisci, 110, 3000, 700, 400);
    cmdCancella = PulsanteImmagine(Frame3, QStringLiteral("cmdCancella"), QStyle::SP_TrashIcon,
                                   QStringLiteral("Cancella i dati presenti nella finestra di testo"));
    posiziona(cmdCancella, 900, 3000, 700, 400);
    cmdAiuto = PulsanteImmagine(Frame3, QStringLiteral("cmdAiuto"), QStyle::SP_DialogHelpButton,
                                QStringLiteral("Aiuto"));
    posiziona(cmdAiuto, 2780, 3000, 700, 400);
    posiziona(Text1, 110, 180, 3375, 2760);

    auto* Frame5 = new QGroupBox(this);
    Frame5->setObjectName(QStringLiteral("Frame5"));
    posiziona(Frame5, 7560, 60, 1380, 2700);
    const auto comando = [&](const char* nome, QStyle::StandardPixmap icona, const char* suggerimento,
                             int i) {
        auto* b = PulsanteImmagine(Frame5, QString::fromLatin1(nome), icona,
                                   QString::fromLatin1(suggerimento));
        posiziona(b, 120, 200 + 620 * i, 1140, 560);
        return b;
    };
    cmdNuova = comando("cmdNuova", QStyle::SP_FileIcon, "Nuova estrazione", 0);
    cmdCorreggi = comando("cmdCorreggi", QStyle::SP_FileDialogContentsView, "Correggi estrazione", 1);
    cmdMemorizza = comando("cmdMemorizza", QStyle::SP_DialogSaveButton, "memorizza estrazione", 2);
    cmdEsci = comando("cmdEsci", QStyle::SP_DialogCloseButton, "", 3);

    auto* Frame4 = new QGroupBox(this);
    Frame4->setObjectName(QStringLiteral("Frame4"));
    posiziona(Frame4, 7560, 2820, 1380, 1200);
    lblTotaleEstrazioni = etichetta(Frame4, "lblTotaleEstrazioni", {});
    lblTotaleEstrazioni->setAlignment(Qt::AlignCenter);
    posiziona(lblTotaleEstrazioni, 60, 200, 1260, 300);
    Label2 = etichetta(Frame4, "Label2", QStringLiteral("Estrazioni in archivio"));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignCenter);
    posiziona(Label2, 60, 520, 1260, 600);

    cmdMemorizza->setEnabled(false);
    cmdInserisci->setEnabled(false);
    cmdCancella->setEnabled(false);

    on(cmdNuova, &QPushButton::clicked, QStringLiteral("cmdNuova_Click"), [this] { cmdNuova_Click(); });
    on(cmdCorreggi, &QPushButton::clicked, QStringLiteral("cmdCorreggi_Click"),
       [this] { cmdCorreggi_Click(); });
    on(cmdMemorizza, &QPushButton::clicked, QStringLiteral("cmdMemorizza_Click"),
       [this] { cmdMemorizza_Click(); });
    on(cmdInserisci, &QPushButton::clicked, QStringLiteral("cmdInserisci_Click"),
       [this] { cmdInserisci_Click(); });
    on(cmdCancella, &QPushButton::clicked, QStringLiteral("cmdCancella_Click"),
       [this] { cmdCancella_Click(); });
    on(cmdEsci, &QPushButton::clicked, QStringLiteral("cmdEsci_Click"), [this] { vbUnload(this); });
    on(cmdAiuto, &QPushButton::clicked, QStringLiteral("cmdAiuto_Click"),
       [] { Guida().HelpContext(GuidaInputEstrazioni, QString()); });
    on(cmdPrecedente, &QPushButton::clicked, QStringLiteral("cmdPrecedente_Click"),
       [this] { cmdPrecedente_Click(); });
    on(cmdSuccessiva, &QPushButton::clicked, QStringLiteral("cmdSuccessiva_Click"),
       [this] { cmdSuccessiva_Click(); });
    on(Slider1, &QSlider::valueChanged, QStringLiteral("Slider1_Change"),
       [this](int v) { Slider1_Change(v); });
    on(txtGiorno, &QLineEdit::textChanged, QStringLiteral("txtGiorno_Change"),
       [this] { txtGiorno_Change(); });
    // Another window's store moves the count and the slider's end at once.
    connect(&avvisoArchivio(), &AvvisoArchivio::estrazioniCambiate, this,
            handler(QStringLiteral("ArchivioCambiato"), [this] {
                if (!scritturaInCorso_)
                    LeggiUltimaEstrazione();
            }));
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
    const auto d = Archivio().leggi(NumeroEstrazioni).data();
    UltimoAnno = d ? d->year() : 0;
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
        EsitoScrittura occupato;
        occupato.errore = EsitoScrittura::Errore::Occupato;
        vbMsgBox(MessaggioScrittura(occupato), vbOKOnly | vbExclamation);
        return false;
    }
    const bool correzione = !modoNuova();
    const int n = richiesti();
    if (correzione) {
        const RecEstrazione vecchio = Archivio().leggi(EstrazioneCorrente);
        GiornoSettimanaCorrente = vecchio.giorno();
    }
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

    for (int i = 1; i <= 7; ++i)
        if (vbWeekdayName(i) == lblGiornoEstraz->text())
            GiornoEtichetta = i;
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
