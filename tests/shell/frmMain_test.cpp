#include "ArchivioTest.h"
#include "archivio/frmStampaEstrazioni.h"
#include "compat/ui/Colors.h"
#include "compat/ui/Controls.h"
#include "compat/ui/Twips.h"
#include "core/Impostazioni.h"
#include "shell/frmColori.h"
#include "shell/frmMain.h"
#include "shell/frmOpzioni.h"
#include "shell/modArchivio.h"
#include "shell/modAspetto.h"
#include "shell/modGuida.h"
#include "support/ui/AvvioProgramma.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace compat;

namespace {

// A window that notes its unload in a shared log.
QStringList registroUnload;
class frmTraccia : public Form {
public:
    explicit frmTraccia(const QString& nome = QStringLiteral("frmTraccia"))
    {
        setObjectName(nome);
        etichetta = new QLabel(QStringLiteral("x"), this);
        testo = new QLineEdit(this);
        cmdCalcola = new QPushButton(this);
        cmdCalcola->setObjectName(QStringLiteral("cmdCalcola"));
        on(cmdCalcola, &QPushButton::clicked, QStringLiteral("cmdCalcola_Click"), [this] {
            if (calcolo)
                calcolo();
        });
    }
    QLabel* etichetta;
    QLineEdit* testo;
    QPushButton* cmdCalcola;
    std::function<void()> calcolo;

protected:
    void formLoad() override
    {
        Forms::current = this;
        ImpostaForm(this);
    }
    void formUnload(bool&) override { registroUnload << objectName(); }
};
class frmTraccia2 : public frmTraccia {
public:
    frmTraccia2() : frmTraccia(QStringLiteral("frmTraccia2")) {}
};

TEST(frmMain, StartUpRefusalsEndTheProcessWithTheirMessage)
{
    struct Caso {
        const char* nome;
        bool altraIstanza;
        QByteArray estrazioni, anni;
        QString messaggio, titolo;
    };
    const Caso casi[] = {
        {"second copy", true, "x", "x",
         QStringLiteral("Non è possible avviare più di una istanza del programma !"), QStringLiteral("Quorvane")},
        {"empty draws", false, "", "2026      1\r",
         QStringLiteral("Archivio Estrazioni.ind mancante/i !"), QStringLiteral("Errore")},
        {"both empty", false, "", "",
         QStringLiteral("Archivio Estrazioni.ind Anni.ind mancante/i !"), QStringLiteral("Errore")},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Avvio a;
        a.cartella.scriviFile(QStringLiteral("Archivi/Estrazioni.ind"), c.estrazioni);
        a.cartella.scriviFile(QStringLiteral("Archivi/anni.ind"), c.anni);
        a.fake.setOtherInstanceRunning(c.altraIstanza);
        a.fake.expectMsgBox(c.messaggio, vbOK);
        EXPECT_THROW(Forms::get<frmMain>(), ProcessEnded);
        ASSERT_EQ(a.fake.msgBoxCalls().size(), 1u);
        EXPECT_EQ(a.fake.msgBoxCalls()[0].title, c.titolo);
        EXPECT_FALSE(Archivio().aperto());
        // The refused copy leaves the archive as it found it.
        EXPECT_EQ(a.cartella.leggiFile(QStringLiteral("Archivi/Estrazioni.ind")), c.estrazioni);
    }
}

TEST(frmMain, ActivationShowsTheLastDrawAndAppliesTheCommonLook)
{
    Avvio a;
    a.archivio();
    frmMain* f = a.avvia();
    EXPECT_EQ(f->Label5->text(), QStringLiteral("n.34 del 27/02/2026"));
    EXPECT_EQ(NumeroEstrazioni, 2);
    // Both draws are after 04/05/2005: the Nazionale counts from the first.
    EXPECT_EQ(PrimaEstrazioneRuota[11], 1);
    EXPECT_EQ(PrimaEstrazioneRuota[1], 174);
    EXPECT_EQ(Forms::current, f);
    EXPECT_EQ(vbBackColor(f), 10276301u);
    EXPECT_EQ(vbBackColor(f->Label5), 16777215u);
    EXPECT_TRUE(f->lblNessuna->isVisible());
}

TEST(frmMain, GeometryFallsBackOnBadKeysAndIsSavedOnClose)
{
    const double sw = 12000, sh = 9000;
    struct Caso {
        const char* left;
        const char* top;
        const char* width;
        const char* height;
        GeometriaMain atteso;
    };
    const double dl = 2000, dt = 1750; // |sw - 8000| / 2, |sh - 5500| / 2
    const Caso casi[] = {
        {nullptr, nullptr, nullptr, nullptr, {dl, dt, 9300, 6000}},
        {"", "abc", "10500", "7000,5", {dl, dt, 10500, 7000.5}},
        {"-300", "-45", "-1", "", {-300, -45, 9300, 6000}},
        {"11001", "100", "12000", "8000", {dl, dt, 12000, 8000}}, // off screen: moved, size kept
        {"11000", "8000", "9300", "6000", {11000, 8000, 9300, 6000}},
    };
    for (const Caso& c : casi) {
        Avvio a;
        IniImpostazioni().setFileName(a.cartella.percorso() + QStringLiteral("/Quorvane.ini"));
        const char* valori[4] = {c.left, c.top, c.width, c.height};
        const char* chiavi[4] = {"MainLeft", "MainTop", "MainWidth", "MainHeight"};
        for (int i = 0; i < 4; ++i)
            if (valori[i])
                a.ini("Forms", chiavi[i], QString::fromLatin1(valori[i]));
        const GeometriaMain g = LeggiGeometriaMain(sw, sh);
        EXPECT_EQ(g.left, c.atteso.left) << c.left;
        EXPECT_EQ(g.top, c.atteso.top) << c.top;
        EXPECT_EQ(g.width, c.atteso.width) << c.width;
        EXPECT_EQ(g.height, c.atteso.height) << c.height;
    }

    // Round trip through the window: restored on Load, written on close.
    Avvio a;
    a.archivio();
    a.ini("Forms", "MainLeft", QStringLiteral("abc"));
    a.ini("Forms", "MainTop", QStringLiteral("300"));
    a.ini("Forms", "MainWidth", QStringLiteral("9750"));
    frmMain* f = a.avvia();
    EXPECT_EQ(vbTop(f), 300);
    EXPECT_EQ(vbWidth(f), 9750);
    EXPECT_EQ(vbLeft(f), 15 * twipsToPx(vbRound(std::fabs(screenWidthTwips() - 8000) / 2)));
    vbSetLeft(f, 1500);
    EXPECT_THROW(vbUnload(f), ProcessEnded);
    EXPECT_EQ(a.ini("MainLeft"), QStringLiteral("1500"));
    EXPECT_EQ(a.ini("MainTop"), QStringLiteral("300"));
    EXPECT_EQ(a.ini("MainWidth"), QStringLiteral("9750"));
    EXPECT_EQ(a.ini("MainHeight"), QStringLiteral("6000"));
    EXPECT_FALSE(Archivio().aperto());
}

TEST(frmMain, CloseUnloadsNewestFirstAndWaitsForARunningComputation)
{
    Avvio a;
    a.archivio();
    frmMain* f = a.avvia();
    auto* uno = Forms::get<frmTraccia>();
    auto* due = Forms::get<frmTraccia2>();
    registroUnload.clear();

    ElaborazioneInCorso = true;
    EXPECT_FALSE(f->close()); // the close box is refused while computing
    EXPECT_TRUE(f->isLoaded());

    // A close by code from inside the computation: stop asked, windows
    // unloaded, the process ends only once the handler has returned.
    QPointer<frmTraccia2> vivo(due);
    bool finito = false;
    due->calcolo = [&] {
        vbUnload(f, vbFormCode);
        EXPECT_TRUE(StopRicerca);
        EXPECT_FALSE(vivo.isNull());
        finito = true;
    };
    EXPECT_THROW(vbPress(due->cmdCalcola), ProcessEnded);
    EXPECT_TRUE(finito);
    EXPECT_EQ(registroUnload, (QStringList{QStringLiteral("frmTraccia2"), QStringLiteral("frmTraccia")}));
    EXPECT_TRUE(Forms::all().empty());
    (void)uno;
}

TEST(frmMain, HelpAndWebCommandsGoThroughTheDesktop)
{
    Avvio a;
    a.archivio();
    frmMain* f = a.avvia();
    f->mnuHelpSommario->trigger();
    a.ini("Options", "Url", QStringLiteral("www.example.org/"));
    f->mnuStrumentiWeb->trigger();
    EXPECT_EQ(a.fake.shellCalls(), QStringList({QStringLiteral("help.contents"),
                                                QStringLiteral("shell.openUrl http://www.example.org/")}));
}

} // namespace

TEST(frmMain, CambiaBringsAnOpenRestrictionsWindowForward)
{
    Avvio a;
    a.archivio();
    frmMain* f = a.avvia();
    f->findChild<QAction*>(QStringLiteral("mnuStrumentiRestrizioni"))->trigger();
    auto* opzioni = Forms::find<frmOpzioni>();
    ASSERT_NE(opzioni, nullptr);
    ASSERT_TRUE(opzioni->isVisible());
    // With the window already open the button must not start a second,
    // modal showing (which would wait here for ever).
    QTest::mouseClick(f->cmdCambiaImpostazioniRestrizione, Qt::LeftButton);
    EXPECT_EQ(Forms::find<frmOpzioni>(), opzioni);
    EXPECT_FALSE(opzioni->isModal());
}

TEST(frmMain, ResizeKeepsTheWidthAndPlacesBothPanelsTogether)
{
    Avvio a;
    a.archivio();
    frmMain* f = a.avvia();
    f->resize(500, 300); // 7500 twips wide
    EXPECT_EQ(vbWidth(f), 9300);
    EXPECT_EQ(vbHeight(f), 4500); // the height is free
    f->resize(800, 400);          // (12000 - 3950) / 2 - 840 = 3185 twips
    EXPECT_EQ(f->Picture1->x(), twipsToPx(3185));
    EXPECT_EQ(f->Picture2->x(), twipsToPx(3185));

    // Closed while minimised: the stored geometry stays as it was.
    a.ini("Forms", "MainLeft", QStringLiteral("77"));
    f->setWindowState(Qt::WindowMinimized);
    EXPECT_THROW(vbUnload(f), ProcessEnded);
    EXPECT_EQ(a.ini("MainLeft"), QStringLiteral("77"));
    EXPECT_EQ(a.ini("MainWidth"), QStringLiteral("<assente>"));
}

TEST(frmMain, UrlAndAboutCommandsOpenTheirModalWindows)
{
    Avvio a;
    a.archivio();
    frmMain* f = a.avvia();
    ASSERT_TRUE(f->mnuStrumentiUrl->isEnabled());
    ASSERT_TRUE(f->mnuHelpAbout->isEnabled());
    struct Visto {
        QString nome;
        bool modale = false;
        QWidget* padre = nullptr;
    } url, about;
    const auto chiudi = [](Visto& v, const char* pulsante) {
        QTimer::singleShot(0, [&v, pulsante] {
            auto* w = qobject_cast<Form*>(QApplication::activeModalWidget());
            ASSERT_NE(w, nullptr);
            v = {w->objectName(), w->isModal(), w->parentWidget()};
            QTest::mouseClick(w->findChild<QPushButton*>(QString::fromLatin1(pulsante)), Qt::LeftButton);
        });
    };
    chiudi(url, "cmdEsci");
    f->mnuStrumentiUrl->trigger();
    chiudi(about, "cmdOk");
    f->mnuHelpAbout->trigger();
    EXPECT_EQ(url.nome, "frmUrl");
    EXPECT_TRUE(url.modale);
    EXPECT_EQ(url.padre, nullptr);
    EXPECT_EQ(about.nome, "frmAboutMe");
    EXPECT_TRUE(about.modale);
    EXPECT_EQ(about.padre, f);
}

TEST(frmMain, WebCommandGoesOnLineFirstAndStopsWhenRefused)
{
    Avvio a;
    a.archivio();
    frmMain* f = a.avvia();
    f->mnuStrumentiWeb->trigger(); // no setting: the default address
    a.fake.setConnected(false);
    a.ini("Options", "Url", QStringLiteral("http://example.org/"));
    f->mnuStrumentiWeb->trigger();
    a.fake.setConnected(false);
    a.fake.setOnlineSucceeds(false);
    a.fake.expectMsgBox(QStringLiteral("Errore richiamando la modalità off-line"), vbOK);
    f->mnuStrumentiWeb->trigger();
    EXPECT_EQ(a.fake.shellCalls(),
              QStringList({QStringLiteral("shell.openUrl http://localhost/"),
                           QStringLiteral("net.setOnline"),
                           QStringLiteral("shell.openUrl http://example.org/"),
                           QStringLiteral("net.setOnline")}));
}

TEST(frmMain, PrintCommandOpensThePrintWindowOwned)
{
    Avvio a;
    a.archivio();
    frmMain* f = a.avvia();
    ASSERT_TRUE(f->mnuEstrazioniStampa->isEnabled());
    f->mnuEstrazioniStampa->trigger();
    auto* s = Forms::find<frmStampaEstrazioni>();
    ASSERT_NE(s, nullptr);
    EXPECT_TRUE(s->isVisible());
    EXPECT_FALSE(s->isModal());
    EXPECT_EQ(s->parentWidget(), f);
}
