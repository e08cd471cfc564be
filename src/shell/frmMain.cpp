#include "shell/frmMain.h"

#include "archivio/frmAggiornaInternet.h"
#include "archivio/frmAggiornamenti.h"
#include "archivio/frmEsportazione.h"
#include "archivio/frmInputEstrazioni.h"
#include "archivio/frmElenco.h"
#include "archivio/frmStampaEstrazioni.h"
#include "archivio/ScrittoreArchivio.h"
#include "compat/AppError.h"
#include "compat/vb.h"
#include "compat/ui/Platform.h"
#include "compat/files.h"
#include "compat/ui/Twips.h"
#include "core/Impostazioni.h"
#include "consulta/frmConsultaEstrazioni.h"
#include "core/TabellaImpostazioni.h"
#include "metodi/frmQuorvane.h"
#include "sommativa/frmSommativaAmbi.h"
#include "shell/frmAboutMe.h"
#include "shell/frmColori.h"
#include "shell/frmEsclusioni.h"
#include "shell/frmOpzioni.h"
#include "shell/Controlli.h"
#include "shell/frmUrl.h"
#include "shell/modApriBrowser.h"
#include "shell/modArchivio.h"
#include "shell/modAspetto.h"
#include "shell/modElaborazione.h"
#include "shell/modGuida.h"
#include "shell/modOnOffLine.h"
#include "shell/modRestrizioni.h"
#include "shell/modVerifyConnection.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QVBoxLayout>
#include <cfloat>
#include <cmath>

using namespace compat;

namespace {

QLabel* etichetta(QWidget* padre, const char* nome, const QString& testo, QRect r)
{
    auto* l = new QLabel(testo, padre);
    l->setObjectName(QString::fromLatin1(nome));
    l->setGeometry(r);
    return l;
}

QFrame* pannello(QWidget* padre, const char* nome, QRect r)
{
    auto* f = new QFrame(padre);
    f->setObjectName(QString::fromLatin1(nome));
    f->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    f->setGeometry(r);
    return f;
}

// CSng of a settings text; nullopt where the original stopped on an error.
std::optional<double> singolo(const QString& testo)
{
    try {
        const double v = vbCDbl(testo);
        if (!std::isfinite(v) || std::fabs(v) > FLT_MAX)
            return std::nullopt;
        return static_cast<double>(static_cast<float>(v));
    } catch (const AppError&) {
        return std::nullopt;
    }
}

} // namespace

GeometriaMain LeggiGeometriaMain(double sw, double sh)
{
    const double leftPredefinito = vbRound(std::fabs(sw - 8000) / 2);
    const double topPredefinito = vbRound(std::fabs(sh - 5500) / 2);
    // A key left empty or spoilt by hand takes its default instead of
    // stopping the start-up.
    const auto leggiNumero = [](const Impostazione& voce, double predefinito, bool dimensione) {
        const auto v = singolo(leggi(voce, vbCStr(predefinito)));
        if (!v || (dimensione && *v <= 0))
            return predefinito;
        return *v;
    };
    GeometriaMain g;
    g.left = leggiNumero(imp::MainLeft, leftPredefinito, false);
    g.top = leggiNumero(imp::MainTop, topPredefinito, false);
    g.width = leggiNumero(imp::MainWidth, vbVal(imp::MainWidth.valorePredefinito()), true);
    g.height = leggiNumero(imp::MainHeight, vbVal(imp::MainHeight.valorePredefinito()), true);
    if (g.left > sw - 1000 || g.top > sh - 1000) {
        g.left = leftPredefinito;
        g.top = topPredefinito;
    }
    return g;
}

frmMain::frmMain()
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("  Quorvane 2.5 by Miravell"));
    setWindowIcon(style()->standardIcon(QStyle::SP_ComputerIcon));
    setMouseTracking(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    barraMenu = new QMenuBar(this);
    barraMenu->setObjectName(QStringLiteral("barraMenu"));
    layout->setMenuBar(barraMenu);
    auto* area = new QWidget(this);
    area->setMouseTracking(true);
    layout->addWidget(area, 1);
    sbStatusBar = new QStatusBar(this);
    sbStatusBar->setObjectName(QStringLiteral("sbStatusBar"));
    layout->addWidget(sbStatusBar);

    creaMenu();
    creaPannelli(area);
    creaImmaginiRuote(area);
    resize(620, 400);
    connect(&avvisoArchivio(), &AvvisoArchivio::estrazioniCambiate, this,
            handler(QStringLiteral("ArchivioCambiato"), [this] {
                if (Archivio().aperto() && NumeroEstrazioni > 0)
                    MostraUltimaEstrazione();
            }));
}

void frmMain::creaMenu()
{
    const auto comando = [this](QWidget* dove, const char* nome, const QString& testo) {
        auto* a = new QAction(testo, this);
        a->setObjectName(QString::fromLatin1(nome));
        dove->addAction(a);
        return a;
    };
    const auto menu = [this](const char* nome, const QString& testo) {
        QMenu* m = barraMenu->addMenu(testo);
        m->setObjectName(QString::fromLatin1(nome));
        m->menuAction()->setObjectName(QString::fromLatin1(nome));
        return m;
    };

    mnuEstrazioni = menu("mnuEstrazioni", QStringLiteral("&Estrazioni"));
    mnuEstrazioniInserisci = comando(mnuEstrazioni, "mnuEstrazioniInserisci", QStringLiteral("Inserisci/modifica"));
    mnuEstrazioniConsulta = comando(mnuEstrazioni, "mnuEstrazioniConsulta", QStringLiteral("Consulta"));
    mnuEstrazioniTabella = comando(mnuEstrazioni, "mnuEstrazioniTabella", QStringLiteral("Tabella estrazioni"));
    mnuEstrazioniAggiorna = comando(mnuEstrazioni, "mnuEstrazioniAggiorna", QStringLiteral("Aggiorna da file..."));
    mnuEstrazioniAggiornaInt = comando(mnuEstrazioni, "mnuEstrazioniAggiornaInt",
                                       QStringLiteral("Aggiorna archivi Lotto da Internet..."));
    mnuEstrazioniEsporta = comando(mnuEstrazioni, "mnuEstrazioniEsporta", QStringLiteral("Esporta archivio lotto..."));
    mnuEstrazioniStampa = comando(mnuEstrazioni, "mnuEstrazioniStampa", QStringLiteral("Stampa..."));
    mnuQuorvane = comando(barraMenu, "mnuQuorvane", QStringLiteral("&Quorvane 2.5"));
    mnuSommativoAmbi = comando(barraMenu, "mnuSommativoAmbi", QStringLiteral("&Metodo sommativo per ambi by Ostrel"));
    mnuStrumenti = menu("mnuStrumenti", QStringLiteral("S&trumenti"));
    mnuStrumentiRestrizioni = comando(mnuStrumenti, "mnuStrumentiRestrizioni", QStringLiteral("Restrizioni di ricerca..."));
    mnuStrumentiOpzioni = comando(mnuStrumenti, "mnuStrumentiOpzioni", QStringLiteral("Opzioni..."));
    mnuStrumentiWeb = comando(mnuStrumenti, "mnuStrumentiWeb", QStringLiteral("Sito web Miravell"));
    mnuStrumentiUrl = comando(mnuStrumenti, "mnuStrumentiUrl", QStringLiteral("Url predefinita"));
    mnuColori = comando(mnuStrumenti, "mnuColori", QStringLiteral("Colori"));
    mnuStrumenti->addSeparator();
    mnuStrumentiPannello = comando(mnuStrumenti, "mnuStrumentiPannello", QStringLiteral("Ripristina tutti i pannelli"));
    mnuHelp = menu("mnuHelp", QStringLiteral("&?"));
    mnuHelpSommario = comando(mnuHelp, "mnuHelpSommario", QStringLiteral("Sommario"));
    mnuHelp->addSeparator();
    mnuHelpAbout = comando(mnuHelp, "mnuHelpAbout", QStringLiteral("&Informazioni su "));

    on(mnuEstrazioniConsulta, &QAction::triggered, QStringLiteral("mnuEstrazioniConsulta_Click"),
       [this] { compat::Forms::create<frmConsultaEstrazioni>()->vbShow(this); });
    on(mnuEstrazioniInserisci, &QAction::triggered, QStringLiteral("mnuEstrazioniInserisci_Click"),
       [this] { compat::Forms::get<frmInputEstrazioni>()->vbShow(this); });
    on(mnuEstrazioniTabella, &QAction::triggered, QStringLiteral("mnuEstrazioniTabella_Click"),
       [this] { compat::Forms::get<frmElenco>()->vbShow(this); });
    on(mnuEstrazioniAggiorna, &QAction::triggered, QStringLiteral("mnuEstrazioniAggiorna_Click"),
       [this] { compat::Forms::get<frmAggiornamenti>()->vbShow(this); });
    on(mnuEstrazioniEsporta, &QAction::triggered, QStringLiteral("mnuEstrazioniEsporta_Click"),
       [this] { compat::Forms::get<frmEsportazione>()->vbShow(this); });
    on(mnuEstrazioniAggiornaInt, &QAction::triggered, QStringLiteral("mnuEstrazioniAggiornaInt_Click"),
       [this] { compat::Forms::get<frmAggiornaInternet>()->vbShow(this); });
    on(mnuColori, &QAction::triggered, QStringLiteral("mnuColori_Click"), [this] { mnuColori_Click(); });
    on(mnuQuorvane, &QAction::triggered, QStringLiteral("mnuQuorvane_Click"),
       [this] { compat::Forms::get<frmQuorvane>()->vbShow(this); });
    on(mnuStrumentiRestrizioni, &QAction::triggered, QStringLiteral("mnuStrumentiRestrizioni_Click"),
       [this] { compat::Forms::get<frmOpzioni>()->vbShow(this); });
    on(mnuStrumentiOpzioni, &QAction::triggered, QStringLiteral("mnuStrumentiOpzioni_Click"),
       [this] { compat::Forms::get<frmEsclusioni>()->vbShow(this); });
    on(mnuStrumentiWeb, &QAction::triggered, QStringLiteral("mnuStrumentiWeb_Click"),
       [this] { mnuStrumentiWeb_Click(); });
    on(mnuStrumentiPannello, &QAction::triggered, QStringLiteral("mnuStrumentiPannello_Click"),
       [this] { mnuStrumentiPannello_Click(); });
    on(mnuStrumentiUrl, &QAction::triggered, QStringLiteral("mnuStrumentiUrl_Click"),
       [] { compat::Forms::get<frmUrl>()->vbShowModal(); });
    on(mnuSommativoAmbi, &QAction::triggered, QStringLiteral("mnuSommativoAmbi_Click"),
       [this] { compat::Forms::get<frmSommativaAmbi>()->vbShow(this); });
    on(mnuEstrazioniStampa, &QAction::triggered, QStringLiteral("mnuEstrazioniStampa_Click"),
       [this] { compat::Forms::get<frmStampaEstrazioni>()->vbShow(this); });
    on(mnuHelpAbout, &QAction::triggered, QStringLiteral("mnuHelpAbout_Click"),
       [this] { compat::Forms::get<frmAboutMe>()->vbShowModal(this); });
    on(mnuHelpSommario, &QAction::triggered, QStringLiteral("mnuHelpSommario_Click"),
       [this] { mnuHelpSommario_Click(); });
}

void frmMain::creaPannelli(QWidget* area)
{
    Command1 = new QPushButton(QStringLiteral("SD"), area);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(12, 12, 44, 32);
    on(Command1, &QPushButton::clicked, QStringLiteral("Command1_Click"),
       [this] { compat::Forms::get<frmQuorvane>()->vbShow(this); });

    Picture1 = pannello(area, "Picture1", QRect(122, 12, 440, 84));
    cmdScarica[0] = new QPushButton(Picture1);
    cmdScarica[0]->setObjectName(QStringLiteral("cmdScarica_0"));
    cmdScarica[0]->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    cmdScarica[0]->setIconSize(QSize(32, 32));
    cmdScarica[0]->setGeometry(10, 12, 56, 56);
    on(cmdScarica[0], &QPushButton::clicked, QStringLiteral("cmdScarica_Click"),
       [this] { compat::Forms::get<frmAggiornaInternet>()->vbShow(this); });
    lblDescrizioneDownload = etichetta(Picture1, "lblDescrizioneDownload",
                                       QStringLiteral("Scarica aggiornamento archivio Lotto da internet..."),
                                       QRect(76, 12, 354, 20));
    Label4 = etichetta(Picture1, "Label4", QStringLiteral("Ultima estrazione memorizzata :"),
                       QRect(76, 46, 205, 20));
    Label5 = etichetta(Picture1, "Label5", QString(), QRect(285, 46, 145, 20));

    Picture2 = pannello(area, "Picture2", QRect(122, 108, 440, 81));
    Label1 = etichetta(Picture2, "Label1", QStringLiteral("Restrizioni attive in ricerche statistiche:"),
                       QRect(10, 8, 300, 18));
    const QString righe[4] = {QStringLiteral("-  Su uno o più numeri"),
                              QStringLiteral("-  Su uno o più giorni estrazione"),
                              QStringLiteral("-  Su uno o più mesi"),
                              QStringLiteral("-  Periodo dell'anno definito")};
    for (int i = 0; i <= 3; ++i) {
        lblRestrizioni[i] = new QLabel(righe[i], Picture2);
        lblRestrizioni[i]->setObjectName(QStringLiteral("lblRestrizioni_%1").arg(i));
        lblRestrizioni[i]->setGeometry(24, 34 + 19 * i, 240, 18);
        lblRestrizioni[i]->setVisible(false);
    }
    lblNessuna = etichetta(Picture2, "lblNessuna", QStringLiteral("Nessuna"), QRect(24, 34, 120, 18));
    cmdCambiaImpostazioniRestrizione = new QPushButton(QStringLiteral("Cambia..."), Picture2);
    cmdCambiaImpostazioniRestrizione->setObjectName(QStringLiteral("cmdCambiaImpostazioniRestrizione"));
    cmdCambiaImpostazioniRestrizione->setGeometry(340, 39, 85, 26);
    on(cmdCambiaImpostazioniRestrizione, &QPushButton::clicked,
       QStringLiteral("cmdCambiaImpostazioniRestrizione_Click"),
       [this] { cmdCambiaImpostazioniRestrizione_Click(); });
}

void frmMain::creaImmaginiRuote(QWidget* area)
{
    for (int i = 0; i <= 11; ++i) {
        picRuota[i] = new QLabel(area);
        picRuota[i]->setObjectName(QStringLiteral("picRuota_%1").arg(i));
        picRuota[i]->setPixmap(immagineRuota(i, false));
        picRuota[i]->hide();
        picRuotaGialla[i] = new QLabel(area);
        picRuotaGialla[i]->setObjectName(QStringLiteral("picRuotaGialla_%1").arg(i));
        picRuotaGialla[i]->setPixmap(immagineRuota(i, true));
        picRuotaGialla[i]->hide();
    }
}

void frmMain::formLoad()
{
    PercorsoApp = platform().app().folder();
    IniImpostazioni().setFileName(appFile(u"Quorvane.ini"));
    setOwnFiles(FileDelProgramma);
    InizializzaPrimaEstrazioneRuota();
    if (InizializzazioneFatta)
        return;
    InizializzazioneFatta = true;

    Guida().setOwnerHwnd(this);
    Guida().setHelpFile(PercorsoApp + QStringLiteral("/Quorvane.chm"));
    CaricaNomiRuote();

    const GeometriaMain g = LeggiGeometriaMain(screenWidthTwips(), screenHeightTwips());
    setFrame(this, keepOnScreen({g.left, g.top, g.width, g.height}));

    if (platform().process().otherInstanceRunning()) {
        vbMsgBox(QStringLiteral("Non è possible avviare più di una istanza del programma !"));
        ChiudiTuttiIFile();
        platform().process().end(1);
    }

    RimuoviTemporaneiRimasti();
    ApriArchivio();
    AggiornaNumeroEstrazioni();
    LeggiRestrizioni();
    MostraRestrizioni();

    vbResumeNext([&] { cmdScarica[0]->setToolTip(QStringLiteral("Aggiorna l'archivio estrazioni via internet")); });
    vbResumeNext([&] {
        cmdCambiaImpostazioniRestrizione->setToolTip(
            QStringLiteral("Permette di impostare i parametri di esclusione per le ricerche statistiche"));
    });
}

void frmMain::MostraUltimaEstrazione()
{
    // A damaged last record is skipped, as every lookup skips it.
    const RecEstrazione r = Archivio().leggi(Archivio().estrazioneSana(NumeroEstrazioni));
    Label5->setText(QStringLiteral("n.") + QString::number(r.ProgressivoAnno()) + QStringLiteral(" del ")
                    + r.dataTesto());
}

void frmMain::formActivate()
{
    MostraUltimaEstrazione();
    Forms::current = this;
    ImpostaForm(this);
}

void frmMain::formResize()
{
    if (isMinimized())
        return;
    // The width kept is the frame's, as the one stored.
    const double cornice = frameOf(this).width - vbWidth(this);
    if (vbWidth(this) + cornice < 9300) {
        vbSetWidth(this, 9300 - cornice);
    } else {
        const double x = vbRound((vbWidth(this) - 3950) / 2);
        vbSetLeft(Picture1, x - 840);
        vbSetLeft(Picture2, x - 840);
    }
}

void frmMain::mouseMoveEvent(QMouseEvent* e)
{
    runHandler(QStringLiteral("Form_MouseMove"), [] { ImpostaMousePointerSchermo(0); });
    Form::mouseMoveEvent(e);
}

void frmMain::queryUnload(int unloadMode, bool& cancel)
{
    // The archive is being written (a merge lets events through): its
    // files stay open to the write's end, and so does the program. Closed
    // again afterwards, it ends as usual.
    if (BloccoScrittura::occupato()) {
        cancel = true;
        return;
    }
    if (!ElaborazioneAttiva())
        return;
    if (unloadMode == vbFormControlMenu || unloadMode == vbAppTaskManager)
        cancel = true;
    else
        StopRicerca = true; // the computation stops; the end waits for its handler
}

void frmMain::formUnload(bool&)
{
    auto finestre = Forms::all();
    for (auto it = finestre.rbegin(); it != finestre.rend(); ++it)
        if (*it != this)
            vbResumeNext([&] { vbUnload(*it, vbFormCode); });
    Forms::current = nullptr;
    Guida().setOwnerHwnd(nullptr);
    Guida().setHelpFile(QString());
    if (!isMinimized()) {
        vbResumeNext([&] {
            const FrameTwips g = keptFrameOf(this);
            salva(imp::MainLeft, vbCStr(g.left));
            salva(imp::MainTop, vbCStr(g.top));
            salva(imp::MainWidth, vbCStr(g.width));
            salva(imp::MainHeight, vbCStr(g.height));
        });
    }
    vbResumeNext([] { ChiudiTuttiIFile(); });
    endProcessWhenIdle();
}

void frmMain::mnuColori_Click()
{
    Forms::get<frmColori>()->vbShow(this);
}

void frmMain::mnuStrumentiWeb_Click()
{
    if (!VerificaConnessione()) {
        try {
            ImpostaOffLine(false);
        } catch (const AppError& e) {
            vbMsgBox(e.description, vbExclamation);
            return;
        }
    }
    const QString indirizzo = leggi(imp::Url);
    // Without a browser (or with an address no browser may open) the command
    // would otherwise do nothing at all.
    if (!ApriUrl(indirizzo))
        vbMsgBox(QStringLiteral("Impossibile aprire l'indirizzo ") + ConPrefissoHttp(indirizzo)
                     + QStringLiteral(" nel browser."),
                 vbExclamation);
}

void frmMain::mnuStrumentiPannello_Click()
{
    try {
        const auto finestre = Forms::all();
        for (auto i = finestre.size(); i-- > 1;) {
            Form* f = finestre[i];
            if (f->isMinimized())
                continue;
            const FrameTwips g = frameOf(f);
            restoreFrameOrigin(f, (screenWidthTwips() - g.width) / 2, (screenHeightTwips() - g.height) / 2);
        }
    } catch (const ProcessEnded&) {
        throw;
    } catch (...) {
        vbMsgBox(QStringLiteral("Errore nel pannello impostazioni"));
    }
}

void frmMain::mnuHelpSommario_Click()
{
    Guida().DisplayTOC();
}

void frmMain::cmdCambiaImpostazioniRestrizione_Click()
{
    // An open restrictions window comes forward instead of being opened twice.
    if (auto* f = compat::Forms::find<frmOpzioni>(); f && f->isVisible()) {
        f->vbShow();
        return;
    }
    compat::Forms::get<frmOpzioni>()->vbShowModal();
}
