#include "archivio/frmAggiornaInternet.h"

#include "archivio/FileAggiornamento.h"
#include "archivio/modAggiornamento.h"
#include "compat/cp1252.h"
#include "compat/files.h"
#include "compat/vbdate.h"
#include "compat/ui/Controls.h"
#include "compat/ui/Platform.h"
#include "compat/ui/Colors.h"
#include "compat/ui/Twips.h"
#include "core/TabellaImpostazioni.h"
#include "shell/frmMessaggi.h"
#include "shell/modArchivio.h"
#include "shell/modAspetto.h"
#include "shell/modControlli.h"
#include "shell/modErrori.h"
#include "shell/modGuida.h"
#include "shell/modOnOffLine.h"
#include "shell/modVerifyConnection.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>

using namespace compat;

namespace {

const QString kTitolo = QStringLiteral("Aggiornamento archivi");

} // namespace

frmAggiornaInternet::frmAggiornaInternet()
{
    setObjectName(QStringLiteral("frmAggiornaInternet"));
    setWindowTitle(QStringLiteral("Aggiormanemto estrazioni lotto da Internet"));
    Label1[0] = EtichettaAggiornamento(this, QStringLiteral("Label1_0"),
                                       QStringLiteral("Ultima estrazione memorizzata nel sistema:"),
                                       600, 120, 3855, 255);
    lblNumero = EtichettaAggiornamento(this, QStringLiteral("lblNumero"), {}, 1155, 480, 495, 300);
    lblNumero->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label2 = EtichettaAggiornamento(this, QStringLiteral("Label2"), QStringLiteral("/"),
                                    1665, 480, 100, 300);
    lblAnno = EtichettaAggiornamento(this, QStringLiteral("lblAnno"), {}, 1755, 480, 795, 300);
    Label3 = EtichettaAggiornamento(this, QStringLiteral("Label3"), QStringLiteral("del"),
                                    2640, 510, 400, 300);
    lblUltima = EtichettaAggiornamento(this, QStringLiteral("lblUltima"), {}, 3045, 480, 1335, 300);
    cmdScarica = new QPushButton(QStringLiteral("Scarica aggiornamento dal web..."), this);
    cmdScarica->setObjectName(QStringLiteral("cmdScarica"));
    cmdScarica->setGeometry(twipsToPx(1080), twipsToPx(960), twipsToPx(3375), twipsToPx(495));
    lblStatus = EtichettaAggiornamento(this, QStringLiteral("lblStatus"), {}, 120, 1620, 5295, 585);
    lblStatus->setAlignment(Qt::AlignCenter);
    lblStatus->setWordWrap(true);   // a long error goes on a second line
    QFont grassetto = lblStatus->font();
    grassetto.setBold(true);
    lblStatus->setFont(grassetto);
    vbSetForeColor(lblStatus, 0x000080);
    cmdAnnulla = PulsanteAggiornamento(this, "cmdAnnulla",
                                       QStyle::SP_DialogCancelButton, QStringLiteral("Annulla"),
                                       570, 2340, 1395, 430);
    cmdEsci = PulsanteAggiornamento(this, "cmdEsci",
                                    QStyle::SP_DialogCloseButton, QStringLiteral("Esci"),
                                    2100, 2340, 1395, 430);
    cmdHelp = PulsanteAggiornamento(this, "cmdHelp", QStyle::SP_DialogHelpButton, QString(),
                                    3630, 2340, 1395, 430);
    cmdApri = new QPushButton(QStringLiteral("Apri file..."), this);
    cmdApri->setObjectName(QStringLiteral("cmdApri"));
    cmdApri->hide();
    cmdAggiorna = new QPushButton(QStringLiteral("Aggiorna"), this);
    cmdAggiorna->setObjectName(QStringLiteral("cmdAggiorna"));
    cmdAggiorna->hide();
    cmdAggiorna->setEnabled(false);
    setFixedSize(twipsToPx(5600), twipsToPx(3300));

    on(cmdScarica, &QPushButton::clicked, QStringLiteral("cmdScarica_Click"),
       [this] { cmdScarica_Click(); });
    on(cmdApri, &QPushButton::clicked, QStringLiteral("cmdApri_Click"), [this] { cmdApri_Click(); });
    on(cmdAggiorna, &QPushButton::clicked, QStringLiteral("cmdAggiorna_Click"),
       [this] { cmdAggiorna_Click(); });
    on(cmdAnnulla, &QPushButton::clicked, QStringLiteral("cmdAnnulla_Click"),
       [this] { cmdAnnulla_Click(); });
    on(cmdEsci, &QPushButton::clicked, QStringLiteral("cmdEsci_Click"), [this] { vbUnload(this); });
    on(cmdHelp, &QPushButton::clicked, QStringLiteral("cmdHelp_Click"),
       [] { Guida().HelpContext(GuidaAggiornaInternet, QString()); });
}

void frmAggiornaInternet::formLoad()
{
    vbResumeNext([&] {
        DataUltimaArchivio = MostraUltimaEstrazione(lblNumero, lblAnno, lblUltima);
        Forms::current = this;
        ImpostaForm(this);
        cmdScarica->setToolTip(QStringLiteral("Aggiorna l'archivio estrazioni via internet"));
        cmdAnnulla->setToolTip(QStringLiteral("Interrompe la connessione"));
        cmdEsci->setToolTip(QStringLiteral("Esci senza modificare nulla"));
        cmdHelp->setToolTip(QStringLiteral("Spiegazioni dettagliate sul form attuale"));
    });
}

QString frmAggiornaInternet::percorsoLocale() const
{
    return appFile(QStringLiteral("Archivi/") + kFileScaricato);
}

void frmAggiornaInternet::Inet1_StateChanged(int stato)
{
    switch (stato) {
    case 1: lblStatus->setText(QStringLiteral("Ricerca IP...")); break;
    case 2: lblStatus->setText(QStringLiteral("IP trovato...")); break;
    case 3: lblStatus->setText(QStringLiteral("Connessione...")); break;
    case 4: lblStatus->setText(QStringLiteral("Connesso...")); break;
    case 7: lblStatus->setText(QStringLiteral("Scarico il file...")); break;
    case 11: {
        const IHttp& http = platform().http();
        lblStatus->setText(QStringLiteral("Errore di connessione ") + QString::number(http.responseCode())
                           + QStringLiteral(" : ") + http.responseText());
        ErroreConnessione = true;
        break;
    }
    case 12: lblStatus->setText(QStringLiteral("Finito")); break;
    default: break;
    }
}

void frmAggiornaInternet::cmdAnnulla_Click()
{
    platform().http().cancel();
    lblStatus->setText(QStringLiteral("Azione annullata"));
    Annullato = true;
}

void frmAggiornaInternet::cmdScarica_Click()
{
    if (inCorso_)
        return;
    // The download ends in a merge, which another window's write would refuse.
    if (BloccoScrittura::occupato()) {
        AvvisoArchivioOccupato(kTitolo);
        return;
    }
    int passaggio = 0;
    QByteArray ricevuti;
    {
        // The download lets events through: no second download or merge meanwhile,
        // and a close cancels it.
        FlagScope inCorso(inCorso_);
        FlagScope trasferimento(scaricando_);
        cmdScarica->setEnabled(false);
        try {
            scarica(passaggio, ricevuti);
            cmdScarica->setEnabled(true);
            if (passaggio != 24)
                return;
        } catch (const ProcessEnded&) {
            throw;
        } catch (const AppError& e) {
            // Closed meanwhile: the transfer was cancelled, and nobody is left to tell.
            if (!isLoaded())
                return;
            cmdScarica->setEnabled(true);
            vbMsgBox(QStringLiteral("Errore n. ") + QString::number(e.number) + u' ' + e.description
                     + QStringLiteral(" dopo il passaggio n. ") + QString::number(passaggio)
                     + QStringLiteral(" in routine agg. lotto da internet!\r\nNome file: ")
                     + (passaggio >= 18 ? percorsoLocale() : QString())
                     + QStringLiteral("\r\nDimensioni file: ") + QString::number(ricevuti.size() - 1)
                     + QStringLiteral("\r\nVerificare url e riprovare a scaricare l'aggiornamento."));
            lblStatus->setText(QStringLiteral("Errore di connessione."));
            cmdAnnulla->setEnabled(false);
            return;
        }
    }
    cmdAnnulla->setEnabled(false);
    vbPress(cmdApri);
}

void frmAggiornaInternet::scarica(int& passaggio, QByteArray& ricevuti)
{
    IHttp& http = platform().http();
    const auto stato = [this](int s) {
        if (isLoaded())
            Inet1_StateChanged(s);
    };
    passaggio = 2;
    if (!VerificaConnessione())
        ImpostaOffLine(false);
    passaggio = 3;
    Annullato = false;
    ErroreConnessione = false;
    dati_.clear();
    cmdAnnulla->setEnabled(true);
    http.cancel();
    passaggio = 4;
    const HttpReply messaggio = http.get(leggi(imp::Url) + QStringLiteral("Downloads/MessaggioQuorvane.txt"), stato);
    passaggio = 6;
    if (messaggio.code / 100 == 2) {
        const QString testo = fromCp1252(messaggio.body);
        if (testo.contains(QStringLiteral("&$$"))) {
            auto* m = Forms::get<frmMessaggi>();
            m->Label1->setText(testo.mid(4));
            m->vbShowModal(this);
        }
    }
    // Closed while the message was shown: no second request.
    if (!isLoaded())
        return;
    passaggio = 11;
    // The message is optional: only the update file's own transfer counts.
    ErroreConnessione = false;
    http.cancel();
    passaggio = 16;
    const HttpReply risposta = http.get(leggi(imp::Url) + kFileScaricato, stato);
    ricevuti = risposta.body;
    passaggio = 17;
    // Judged by the status and by the body itself: draw bytes may spell "404".
    if (risposta.code / 100 != 2 || !fileAggiornamentoValido(ricevuti)) {
        if (ricevuti.size() <= 151)
            throw AppError{0, QString(), QString()};
        const QString testo = fromCp1252(ricevuti.mid(1, 150));
        const auto ha = [&](std::initializer_list<const char*> segni) {
            for (const char* s : segni)
                if (testo.contains(QString::fromLatin1(s)))
                    return true;
            return false;
        };
        if (ha({"html", "HTML", "404"}))
            vbMsgBox(QStringLiteral("File non trovato sul server - Verificare l'indirizzo internet"),
                     vbOKOnly | vbCritical, kTitolo);
        else if (ha({"407"}))
            vbMsgBox(QStringLiteral("Il server proxy richiede l'autenticazione - Aggiornamento impossibile"),
                     vbOKOnly | vbCritical, kTitolo);
        else if (ha({"Need", "NEED", "need"}))
            vbMsgBox(QStringLiteral("File non trovato - Controllare l'indirizzo internet nel menù opzioni"),
                     vbOKOnly | vbCritical, kTitolo);
        else
            ErroreFile(percorsoLocale());
        return;
    }
    passaggio = 18;
    // The earlier copy is replaced only by a complete, sound transfer.
    QString errore;
    int numero = 0;
    if (!replaceOwnFile(percorsoLocale(), ricevuti, &errore, &numero))
        throw AppError{numero, errore, QString()};
    passaggio = 24;
}

void frmAggiornaInternet::cmdApri_Click()
{
    if (Annullato)
        return;
    if (ErroreConnessione) {
        ErroreConnessione = false;
        return;
    }
    lblStatus->setText(QStringLiteral("Fine connessione"));
    dati_.clear();
    cmdAggiorna->setEnabled(false);
    QFile f(percorsoLocale());
    if (!f.open(QIODevice::ReadOnly)) {
        lblStatus->setText(QStringLiteral("Errore di apertura file !"));
        vbMsgBox(QStringLiteral("Errore di apertura file. Se il file è stato scaricato da internet, "
                                "provare a scaricarlo di nuovo"));
        return;
    }
    const QByteArray dati = f.readAll();
    const EsameAggiornamento e = esaminaAggiornamento(dati, DataUltimaArchivio, Oggi());
    using E = EsameAggiornamento::Esito;
    switch (e.esito) {
    case E::Corrotto:
        ErroreFile(percorsoLocale());
        return;
    case E::Futuro:
        AvvisoDataFutura(e.ultimaData);
        return;
    case E::Discontinuo:
        vbMsgBox(QStringLiteral("Discontinuità di memorizzazione - Aggiornamento impossibile"),
                 vbOKOnly | vbCritical, kTitolo);
        return;
    case E::NienteDiNuovo:
        vbMsgBox(QStringLiteral("Per il momento non ci sono aggiornamenti utili"));
        return;
    case E::DaAccodare:
        break;
    }
    if (vbMsgBox(QStringLiteral("E' disponibile l'aggiornamento estrazioni al ") + vbDateText(e.ultimaData)
                     + QStringLiteral(". Confermi allineamento archivio locale ?"),
                 vbYesNo | vbQuestion | vbDefaultButton2, QStringLiteral("Aggiornamento estrazioni"))
        != vbYes)
        return;
    lblStatus->setText(QStringLiteral("Fine connessione"));
    dati_ = dati;
    cmdAggiorna->setEnabled(true);
    vbPress(cmdAggiorna);
}

void frmAggiornaInternet::cmdAggiorna_Click()
{
    if (Annullato || dati_.isEmpty() || inCorso_)
        return;
    bool fatto = false;
    {
        FlagScope inCorso(inCorso_);
        cmdScarica->setEnabled(false);
        cmdAggiorna->setEnabled(false);
        fatto = AllineaArchivio(dati_, lblNumero, lblAnno);
        cmdScarica->setEnabled(true);
    }
    if (!fatto)
        return;
    dati_.clear();
    vbUnload(this);
}

void frmAggiornaInternet::queryUnload(int, bool& cancel)
{
    if (scaricando_) {
        // Closed during the download (the program ending with it): the
        // transfer ends as with Annulla, and the download stops there.
        platform().http().cancel();
        Annullato = true;
    } else if (inCorso_) {
        cancel = true;   // the merge runs to its end
        return;
    }
    dati_.clear();
}
