#include "ArchivioTest.h"
#include "archivio/frmAggiornaInternet.h"
#include "archivio/frmAggiornamenti.h"
#include "archivio/frmElenco.h"
#include "archivio/frmEsportazione.h"
#include "archivio/frmEvidenziaElenco.h"
#include "archivio/frmInputEstrazioni.h"
#include "archivio/frmStampaEstrazioni.h"
#include "compat/ui/Colors.h"
#include "compat/ui/Controls.h"
#include "compat/ui/ReportListView.h"
#include "compat/ui/Twips.h"
#include "compat/vb.h"
#include "consulta/frmAnalisi.h"
#include "consulta/frmConsultaEstrazioni.h"
#include "consulta/frmGraficoSomme.h"
#include "consulta/frmShadow.h"
#include "consulta/frmSommeDistanze.h"
#include "core/Impostazioni.h"
#include "core/StoricoTsv.h"
#include "metodi/frmCapoAbbinamentiQuorvane.h"
#include "metodi/frmDettaglioQuorvane.h"
#include "metodi/frmMultiRuota.h"
#include "metodi/frmQuorvane.h"
#include "metodi/frmReportQuorvane.h"
#include "shell/frmAboutMe.h"
#include "shell/frmColori.h"
#include "shell/frmDati.h"
#include "shell/frmElaborazioni.h"
#include "shell/frmEsclusioni.h"
#include "shell/frmMain.h"
#include "shell/frmMessaggi.h"
#include "shell/frmOpzioni.h"
#include "shell/frmUrl.h"
#include "shell/modArchivio.h"
#include "shell/modAspetto.h"
#include "shell/modGuida.h"
#include "sommativa/frmSommativaAmbi.h"
#include "support/ui/AvvioProgramma.h"
#include "support/ui/SchermoProva.h"
#include "support/ui/TestiInteri.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

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
        // No whole record: no draw, however sound the part.
        {"draws of 30 bytes", false, RecEstrazione::crea(QDate(1871, 1, 7), 1).toBytes().left(30),
         "2026      1\r",
         QStringLiteral("Archivio Estrazioni.ind mancante/i !"), QStringLiteral("Errore")},
        {"draws of 65 bytes, empty years", false, QByteArray(65, '1'), "",
         QStringLiteral("Archivio Estrazioni.ind Anni.ind mancante/i !"), QStringLiteral("Errore")},
        {"unreadable draws", false, "", "2026      1\r",
         QStringLiteral("Archivio Estrazioni.ind non leggibile/i !"), QStringLiteral("Errore")},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Avvio a;
        a.cartella.scriviFile(QStringLiteral("Archivi/Estrazioni.ind"), c.estrazioni);
        a.cartella.scriviFile(QStringLiteral("Archivi/anni.ind"), c.anni);
        std::optional<SenzaPrivilegi> utente;
        if (QByteArray(c.nome) == "unreadable draws") {
            a.cartella.scriviFile(QStringLiteral("Archivi/Estrazioni.ind"), QByteArray(66, '1'));
            a.cartella.soloLettura({QStringLiteral("Archivi/Estrazioni.ind")});
            utente.emplace();
            if (!utente->attivo())
                continue;
        }
        a.fake.setOtherInstanceRunning(c.altraIstanza);
        a.fake.expectMsgBox(c.messaggio, vbOK);
        try {
            Forms::get<frmMain>();
            ADD_FAILURE() << "the refused start went on";
        } catch (const ProcessEnded& fine) {
            EXPECT_NE(fine.code, 0);   // a refusal is no success for whoever started it
        }
        ASSERT_EQ(a.fake.msgBoxCalls().size(), 1u);
        EXPECT_EQ(a.fake.msgBoxCalls()[0].title, c.titolo);
        EXPECT_FALSE(Archivio().aperto());
        utente.reset();
        // The refused copy leaves the archive as it found it.
        if (QByteArray(c.nome) != "unreadable draws") {
            EXPECT_EQ(a.cartella.leggiFile(QStringLiteral("Archivi/Estrazioni.ind")), c.estrazioni);
        }
    }
}

TEST(frmMain, StartUpRemovesOnlyWhatReplacementsOfItsOwnFilesLeftBehind)
{
    Avvio a;
    a.archivio();
    // A linked settings file is replaced beside its target.
    ASSERT_TRUE(QFile::link(a.cartella.percorso() + QStringLiteral("/Altrove/vero.ini"),
                            a.cartella.percorso() + QStringLiteral("/Quorvane.ini")));
    const std::pair<const char*, bool> file[] = {   // removed
        {"Archivi/.Estrazioni.ind.0a1b2c3d.tmp", true},
        {"Archivi/.anni.ind.ffffffff.tmp", true},
        {"Archivi/.AggiornamentoTrevalda.bin.01234567.tmp", true},
        {".Quorvane.ini.89abcdef.tmp", true},
        {"Altrove/.vero.ini.00000000.tmp", true},
        {"Archivi/.Estrazioni.ind.0a1b2c3d4.tmp", false},
        {"Archivi/.Estrazioni.ind.0A1B2C3D.tmp", false},
        {"Archivi/.anni.ind.0a1b2c3d.tmp.bak", false},
        {"Archivi/.mio.txt.0a1b2c3d.tmp", false},
        {".Estrazioni.ind.0a1b2c3d.tmp", false},
    };
    for (const auto& [nome, rimosso] : file)
        a.cartella.scriviFile(QString::fromLatin1(nome), "x");
    a.avvia();
    for (const auto& [nome, rimosso] : file)
        EXPECT_NE(QFileInfo::exists(a.cartella.percorso() + u'/' + QString::fromLatin1(nome)), rimosso) << nome;
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
    EXPECT_EQ(frameOf(f).width, 9750);
    EXPECT_EQ(vbLeft(f), 15 * twipsToPx(vbRound(std::fabs(screenWidthTwips() - 8000) / 2)));
    vbSetLeft(f, 1500);
    EXPECT_THROW(vbUnload(f), ProcessEnded);
    EXPECT_EQ(a.ini("MainLeft"), QStringLiteral("1500"));
    EXPECT_EQ(a.ini("MainTop"), QStringLiteral("300"));
    EXPECT_EQ(a.ini("MainWidth"), QStringLiteral("9750"));
    EXPECT_EQ(a.ini("MainHeight"), QStringLiteral("6000"));
    EXPECT_FALSE(Archivio().aperto());
}

TEST(frmMain, ReadOnlyProgramFolderStartsWithOneWordAndRefusesToStoreDraws)
{
    Avvio a;
    a.archivio();
    const QByteArray est = a.cartella.leggiFile(QStringLiteral("Archivi/Estrazioni.ind"));
    a.cartella.soloLettura();
    SenzaPrivilegi utente;
    if (!utente.attivo())
        GTEST_SKIP() << "cannot run as an unprivileged user";
    const QString avviso = QStringLiteral("La cartella del programma (") + a.cartella.percorso()
                           + QStringLiteral(") non è scrivibile: né le estrazioni né le impostazioni "
                                            "potranno essere salvate.");
    a.fake.expectMsgBox(avviso, vbOK);
    frmMain* f = a.avvia();
    EXPECT_TRUE(Archivio().aperto());
    EXPECT_EQ(NumeroEstrazioni, 2);
    EXPECT_EQ(f->Label5->text(), QStringLiteral("n.34 del 27/02/2026"));
    ASSERT_EQ(a.fake.msgBoxCalls().size(), 1u);
    EXPECT_EQ(a.fake.msgBoxCalls()[0].style, vbExclamation);

    // What stores draws asks first, and is told the same.
    a.fake.expectMsgBox(avviso, vbOK);
    EXPECT_FALSE(ScritturaConsentita());
    EXPECT_EQ(a.fake.msgBoxCalls().size(), 2u);
    EXPECT_EQ(a.cartella.leggiFile(QStringLiteral("Archivi/Estrazioni.ind")), est);
}

TEST(frmMain, DamagedRecordsAreToldOnceAtStartUpAndSkippedAfterwards)
{
    Avvio a;
    std::vector<RecEstrazione> r = estrazioniCasuali(QDate(2024, 1, 2), 150, 2, 7);
    for (int n : {100, 150})
        std::copy_n("99999999", 8, r[n - 1].bytes.begin() + 3);
    r[119].setNumero(3, 2, 91);
    a.cartella.scrivi(r);
    const QByteArray est = a.cartella.leggiFile(QStringLiteral("Archivi/Estrazioni.ind"));
    a.fake.expectMsgBox(QStringLiteral("L'archivio Estrazioni.ind contiene 3 record danneggiati; il "
                                       "primo è il n. 100. Restano nel file come sono: le date non "
                                       "valide sono saltate dalle ricerche e i numeri oltre il 90 "
                                       "sono letti come mancanti."),
                        vbOK);
    frmMain* f = a.avvia();
    // The last sound draw, not the damaged last record.
    EXPECT_EQ(f->Label5->text(), QStringLiteral("n.") + QString::number(r[148].ProgressivoAnno())
                                     + QStringLiteral(" del ") + r[148].dataTesto());

    // The method window opens, searches and closes without a word more.
    f->mnuQuorvane->trigger();
    auto* q = Forms::find<frmQuorvane>();
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(q->DTPickerA->date(), *r[148].data());
    EXPECT_FALSE(q->lblIndiceDal->text().isEmpty());
    EXPECT_FALSE(q->lblIndiceAl->text().isEmpty());
    vbPress(q->cmdCalcola);
    EXPECT_GT(q->ListViewOrdin2->count(), 0);
    vbUnload(q);
    EXPECT_EQ(a.fake.msgBoxCalls().size(), 1u);
    EXPECT_EQ(a.cartella.leggiFile(QStringLiteral("Archivi/Estrazioni.ind")), est);
}

TEST(frmMain, AbsurdStoredGeometryIsBroughtOnScreenBeforeUseAndBeforeSave)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const auto dentro = [&](QWidget* w) {
        EXPECT_LE(w->width(), area.width());
        EXPECT_LE(w->height(), area.height());
        EXPECT_GE(w->x(), area.left() - 8);
        EXPECT_GE(w->y(), area.top() - 8);
        EXPECT_LT(w->x(), area.right());
        EXPECT_LT(w->y(), area.bottom());
    };
    Avvio a;
    a.archivio();
    a.ini("Forms", "MainLeft", QStringLiteral("-50000"));
    a.ini("Forms", "MainTop", QStringLiteral("-3000"));
    a.ini("Forms", "MainWidth", QStringLiteral("999999999"));
    a.ini("Forms", "MainHeight", QStringLiteral("999999999"));
    frmMain* f = a.avvia();
    dentro(f);

    // A window with no stored place opens centred on its owner.
    f->setGeometry(area.left() + 40, area.top() + 30, 620, 400);
    f->mnuColori->trigger();
    auto* c = Forms::find<frmColori>();
    ASSERT_NE(c, nullptr);
    dentro(c);
    EXPECT_NEAR(c->geometry().center().x(), f->geometry().center().x(), 2);
    EXPECT_NEAR(c->geometry().center().y(), f->geometry().center().y(), 2);
    vbUnload(c);

    // A window pushed off the screen after its Load is saved inside it.
    f->setGeometry(-4000, 9000, 3000, 2000);
    EXPECT_THROW(vbUnload(f), ProcessEnded);
    const double l = vbVal(a.ini("MainLeft")), t = vbVal(a.ini("MainTop"));
    const double w = vbVal(a.ini("MainWidth")), h = vbVal(a.ini("MainHeight"));
    EXPECT_LE(w, pxToTwips(area.width()));
    EXPECT_LE(h, pxToTwips(area.height()));
    EXPECT_GE(l, pxToTwips(area.left()) - 120);
    EXPECT_GE(t, pxToTwips(area.top()) - 120);
    EXPECT_LE(l, pxToTwips(area.right() + 1) - 1000);
    EXPECT_LE(t, pxToTwips(area.bottom() + 1) - 1000);
}

TEST(frmMain, AStoredSizeCutToTheScreenPlacesTheWindowWhollyOnIt)
{
    Avvio a;
    a.archivio();
    const QRect schermo(0, 0, 1280, 1024);
    setScreenOverride(schermo);
    a.ini("Forms", "MainLeft", QStringLiteral("5595")); // 373, 329
    a.ini("Forms", "MainTop", QStringLiteral("4935"));
    a.ini("Forms", "MainWidth", QStringLiteral("999999999"));
    a.ini("Forms", "MainHeight", QStringLiteral("999999999"));
    frmMain* f = a.avvia();
    EXPECT_TRUE(sulloSchermo(f, schermo));
    EXPECT_EQ(f->frameRect().topLeft(), schermo.topLeft());
}

// A window shown owned by `proprietario`, or shown by a menu command.
template <class F>
Form* mostra(QWidget* proprietario)
{
    auto* f = Forms::get<F>();
    f->vbShow(proprietario);
    return f;
}
template <class F>
F* apertaDalMenu(QAction* comando)
{
    comando->trigger();
    return Forms::find<F>();
}
// The board "Consulta" opens, a new one at every click.
frmConsultaEstrazioni* apriTabellone(frmMain* m)
{
    m->mnuEstrazioniConsulta->trigger();
    frmConsultaEstrazioni* t = nullptr;
    for (Form* w : Forms::all())
        if (auto* b = dynamic_cast<frmConsultaEstrazioni*>(w))
            t = b;
    return t;
}

// Every window that keeps its place: its keys, and how the program opens it.
const struct {
    const char* left;
    const char* top;
    std::function<Form*(frmMain*)> apri;
} kConPosto[] = {
    {"MainLeft", "MainTop", [](frmMain* m) { return m; }},
    {"DatiLeft", "DatiTop", [](frmMain* m) { return mostra<frmDati>(mostra<frmOpzioni>(m)); }},
    {"ConsultaLeft", "ConsultaTop", [](frmMain* m) -> Form* { return apriTabellone(m); }},
    {"AnalisiLeft", "AnalisiTop", [](frmMain* m) { return mostra<frmAnalisi>(apriTabellone(m)); }},
    {"SommeDistanzeLeft", "SommeDistanzeTop",
     [](frmMain* m) { return mostra<frmSommeDistanze>(apriTabellone(m)); }},
    {"GraficoSommeDistanzeLeft", "GraficoSommeDistanzeTop",
     [](frmMain* m) { return mostra<frmGraficoSomme>(mostra<frmSommeDistanze>(apriTabellone(m))); }},
    {"frmQuorvaneLeft", "frmQuorvaneTop", [](frmMain* m) { return apertaDalMenu<frmQuorvane>(m->mnuQuorvane); }},
    {"frmCapoAbbinamentiQuorvaneLeft", "frmCapoAbbinamentiQuorvaneTop",
     [](frmMain* m) { return mostra<frmCapoAbbinamentiQuorvane>(mostra<frmQuorvane>(m)); }},
    {"frmElencoLeft", "frmElencoTop", [](frmMain* m) { return apertaDalMenu<frmElenco>(m->mnuEstrazioniTabella); }},
    {"frmEvidenziaElencoLeft", "frmEvidenziaElencoTop",
     [](frmMain* m) {
         QTest::mouseClick(apertaDalMenu<frmElenco>(m->mnuEstrazioniTabella)->cmdSettaggi, Qt::LeftButton);
         return Forms::find<frmEvidenziaElenco>();
     }},
    {"frmOpzioniLeft", "frmOpzioniTop",
     [](frmMain* m) { return apertaDalMenu<frmOpzioni>(m->mnuStrumentiRestrizioni); }},
    {"frmSommativaAmbiLeft", "frmSommativaAmbiTop",
     [](frmMain* m) { return apertaDalMenu<frmSommativaAmbi>(m->mnuSommativoAmbi); }},
};

// On a desktop with a 32 px panel at the top and frames round windows: a
// window opens with its frame where it was stored, moved just enough to keep
// its title bar below the panel and its close button on the screen; the
// place stored is its frame's (for a window cut to the screen, the one it
// would take whole), and closed and opened again without a move it opens
// where it was and stores the same keys.
TEST(frmMain, EveryWindowReopensWhereItWasClosedWithItsTitleBarOnTheScreen)
{
    const QPoint posti[] = {{100, 60}, {100, 0}, {1267, 60}};
    for (const auto& w : kConPosto) {
        for (const QPoint p : posti) {
            SCOPED_TRACE(std::string(w.left) + " " + std::to_string(p.x()) + " " + std::to_string(p.y()));
            Avvio a;
            a.archivio();
            const QRect area = schermoConPannello(QRect(0, 0, 1366, 768));
            a.ini("Forms", w.left, vbCStr(pxToTwips(p.x())));
            a.ini("Forms", w.top, vbCStr(pxToTwips(p.y())));
            const bool principale = QByteArray(w.left) == "MainLeft";
            const auto apriEChiudi = [&] {
                InizializzazioneFatta = false; // the main window's place is read once a run
                Form* f = w.apri(principale ? a.avvia() : Forms::find<frmMain>());
                lasciaPassare();
                const QRect cornice = f->frameRect();
                if (principale)
                    EXPECT_THROW(vbUnload(f), ProcessEnded);
                else
                    vbUnload(f);
                return cornice;
            };
            a.avvia();
            const QRect cornice = apriEChiudi();
            QRect voluto(QPoint(p.x(), std::max(p.y(), area.top())), cornice.size());
            voluto.moveRight(std::min(voluto.right(), area.right()));
            const bool intera = cornice.width() < area.width() && cornice.height() < area.height();
            if (intera) {
                EXPECT_EQ(cornice.topLeft(), voluto.topLeft());
            }
            EXPECT_TRUE(cornice.top() >= area.top() && cornice.right() <= area.right());
            if (principale) {
                EXPECT_EQ(cornice.size(), QSize(620, 400)); // the default 9300 x 6000 twips
            }
            const auto chiavi = [&] {
                return QStringList{a.ini(w.left), a.ini(w.top), a.ini("MainWidth"), a.ini("MainHeight")};
            };
            const QStringList prime = chiavi();
            const QPoint tenuto = intera ? cornice.topLeft() : QPoint(p.x(), std::max(p.y(), area.top()));
            EXPECT_EQ(prime[0], vbCStr(pxToTwips(tenuto.x())));
            EXPECT_EQ(prime[1], vbCStr(pxToTwips(tenuto.y())));

            EXPECT_EQ(apriEChiudi(), cornice);
            EXPECT_EQ(chiavi(), prime);
        }
    }
}

// Windows the program moves keep the place the user gave them: the method
// window that its automatic search panel grew past the screen, the summary
// window that the board moves off its cells where it has no place stored,
// and one dragged on a desktop that draws no frames. When the program is
// done the window stands at that place (cut to the screen, as near as it
// can), stores it and opens there again.
TEST(frmMain, AWindowTheProgramMovedKeepsItsOwnPlace)
{
    const auto ricercaAutomatica = [](frmMain* m) -> Form* {
        m->mnuQuorvane->trigger();
        auto* q = Forms::find<frmQuorvane>();
        for (QToolButton* b : {q->chkRuota[2], q->chkRuotaG[2]})
            QTest::mouseClick(b, Qt::LeftButton);
        QTest::mouseClick(q->cmdRicercaAutomatica, Qt::LeftButton);
        lasciaPassare(); // the panel shown grows the window past the screen
        QTest::mouseClick(q->cmdAvviaRicercaAutomatica, Qt::LeftButton);
        return q;
    };
    const auto riepilogo = [](frmMain* m) -> Form* {
        auto* t = Forms::find<frmConsultaEstrazioni>();
        QTest::mouseClick((t ? t : apriTabellone(m))->cmdUscitiScorsa, Qt::LeftButton);
        return Forms::find<frmAnalisi>();
    };
    const struct {
        const char* nome;
        QRect schermo;
        int pannello;
        bool cornici;
        const char* chiavi;  // its keys, without "Left" and "Top"
        const char* salvato; // both keys, or none stored
        std::function<Form*(frmMain*)> apri;
        std::optional<QPoint> trascinata;
        QPoint dove, suo; // where it stands, its own place
    } casi[] = {
        {"method 1366 with a panel", QRect(0, 0, 1366, 768), kPannelloProva, true, "frmQuorvane", "1005",
         ricercaAutomatica, {}, {67, 67}, {67, 67}},
        {"method 1024", QRect(0, 0, 1024, 768), 0, true, "frmQuorvane", "1005", ricercaAutomatica, {},
         {0, 67}, {67, 67}},
        {"summary closed over the cells", QRect(0, 0, 1366, 768), kPannelloProva, true, "Analisi", nullptr,
         riepilogo, QPoint(200, 200), {200, 200}, {200, 200}},
        {"summary dragged, no frames", QRect(0, 0, 1366, 768), 0, false, "Analisi", nullptr, riepilogo,
         QPoint(300, 250), {300, 250}, {300, 250}},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        const std::string left = std::string(c.chiavi) + "Left", top = std::string(c.chiavi) + "Top";
        Avvio a;
        a.cartella.scrivi(estrazioniCasuali(QDate(2000, 1, 1), 100, 7, 5));
        setScreenOverride(c.schermo, c.schermo.adjusted(0, c.pannello, 0, 0),
                          c.cornici ? kCorniceProva : QMargins());
        for (const std::string& k : {left, top})
            if (c.salvato)
                a.ini("Forms", k.c_str(), QString::fromLatin1(c.salvato));
        frmMain* m = a.avvia();
        Form* f = c.apri(m);
        lasciaPassare();
        if (c.trascinata)
            f->move(*c.trascinata);
        EXPECT_EQ(f->frameRect().topLeft(), c.dove);
        vbUnload(f);
        EXPECT_EQ(a.ini(left.c_str()), vbCStr(pxToTwips(c.suo.x())));
        EXPECT_EQ(a.ini(top.c_str()), vbCStr(pxToTwips(c.suo.y())));
        f = c.apri(m);
        lasciaPassare();
        EXPECT_EQ(f->frameRect().topLeft(), c.dove);
    }
}

// The main window's place stored on a 1366 screen, the program started on
// a 1024 one: the window moves left just enough to show its close button.
TEST(frmMain, AMainWindowPlacedOnAWideScreenShowsItsCloseButtonOnANarrowerOne)
{
    Avvio a;
    a.archivio();
    schermoConPannello(QRect(0, 0, 1366, 768));
    frmMain* m = a.avvia(); // centred on the wide screen
    const QRect largo = m->frameRect();
    EXPECT_THROW(vbUnload(m), ProcessEnded);

    const QRect area = schermoConPannello(QRect(0, 0, 1024, 768));
    InizializzazioneFatta = false;
    m = a.avvia();
    const QRect stretto = m->frameRect();
    EXPECT_EQ(stretto.size(), largo.size());
    EXPECT_EQ(stretto.top(), largo.top());
    EXPECT_EQ(stretto.right(), area.right());
}

// "Ripristina tutti i pannelli" centres every window but the main one by its
// frame, its title bar kept below the panel.
TEST(frmMain, ThePanelCommandCentresEveryOtherWindowWithItsTitleBarOnTheScreen)
{
    Avvio a;
    a.archivio();
    const QRect area = schermoConPannello(QRect(0, 0, 1366, 768));
    frmMain* m = a.avvia();
    const QRect principale = m->frameRect();
    Form* finestre[] = {apertaDalMenu<frmElenco>(m->mnuEstrazioniTabella),
                        apertaDalMenu<frmOpzioni>(m->mnuStrumentiRestrizioni)};
    for (Form* f : finestre)
        vbSetLeft(f, 0);
    m->mnuStrumentiPannello->trigger();
    EXPECT_EQ(m->frameRect(), principale);
    for (Form* f : finestre) {
        const QRect r = f->frameRect();
        const std::string nome = f->objectName().toStdString();
        EXPECT_EQ(r.left(), twipsToPx((screenWidthTwips() - pxToTwips(r.width())) / 2)) << nome;
        EXPECT_EQ(r.top(), std::max(area.top(), twipsToPx((screenHeightTwips() - pxToTwips(r.height())) / 2))) << nome;
    }
}

// Every window of the program, the ones reached from another too, opened
// on a small screen, also with a panel at its top and frames round windows.
TEST(frmMain, EveryWindowLiesOnA1366Or1024Screen)
{
    const QRect k1366(0, 0, 1366, 768), k1024(0, 0, 1024, 768);
    for (const auto& [schermo, pannello] :
         {std::pair{k1366, false}, std::pair{k1024, false}, std::pair{k1366, true}, std::pair{k1024, true}}) {
        Avvio a;
        a.archivio();
        setScreenOverride(schermo);
        const QRect area = pannello ? schermoConPannello(schermo) : schermo;
        frmMain* m = a.avvia();
        const auto controlla = [&](const char* come) {
            lasciaPassare();
            for (Form* w : Forms::all()) {
                if (w->isVisible()) {
                    EXPECT_TRUE(sulloSchermo(w, area))
                        << w->objectName().toStdString() << " " << come << " " << schermo.width() << " "
                        << pannello;
                }
            }
        };
        for (QAction* c : {m->mnuEstrazioniInserisci, m->mnuEstrazioniConsulta, m->mnuEstrazioniTabella,
                           m->mnuEstrazioniAggiorna, m->mnuEstrazioniAggiornaInt, m->mnuEstrazioniEsporta,
                           m->mnuEstrazioniStampa, m->mnuQuorvane, m->mnuSommativoAmbi,
                           m->mnuStrumentiRestrizioni, m->mnuStrumentiOpzioni, m->mnuColori})
            c->trigger();
        controlla("menu");

        auto* elenco = Forms::find<frmElenco>();
        QTest::mouseClick(elenco->cmdSettaggi, Qt::LeftButton);
        auto* metodo = Forms::find<frmQuorvane>();
        QTest::mouseClick(metodo->cmdRicercaAutomatica, Qt::LeftButton);
        Forms::get<frmMultiRuota>()->vbShow(metodo);
        Forms::get<frmReportQuorvane>()->vbShow(metodo);
        Forms::get<frmDettaglioQuorvane>()->vbShow(metodo);
        Forms::create<frmCapoAbbinamentiQuorvane>()->vbShow(metodo);
        frmConsultaEstrazioni* tabellone = nullptr;
        for (Form* w : Forms::all())
            if (auto* t = dynamic_cast<frmConsultaEstrazioni*>(w))
                tabellone = t;
        ASSERT_NE(tabellone, nullptr);
        Forms::get<frmAnalisi>()->vbShow(tabellone);
        Forms::get<frmSommeDistanze>()->vbShow(tabellone);
        Forms::get<frmGraficoSomme>()->vbShow(tabellone);
        Forms::get<frmShadow>()->vbShow(tabellone);
        Forms::get<frmDati>()->vbShow(Forms::find<frmOpzioni>());
        Forms::get<frmElaborazioni>()->vbShow(metodo);
        Forms::get<frmMessaggi>()->vbShow(m);
        controlla("aperte");

        QTest::mouseClick(tabellone->cmdResize, Qt::LeftButton);
        controlla("tabellone stretto");
        QTest::mouseClick(tabellone->cmdResize, Qt::LeftButton);
        controlla("tabellone largo");

        QRect modale;
        QTimer::singleShot(0, [&] {
            auto* w = qobject_cast<Form*>(QApplication::activeModalWidget());
            ASSERT_NE(w, nullptr);
            modale = w->frameRect();
            vbUnload(w);
        });
        m->mnuHelpAbout->trigger();
        EXPECT_TRUE(area.contains(modale)) << schermo.width() << " " << pannello;
    }
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
    EXPECT_EQ(frameOf(f).width, 9300);
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

TEST(frmMain, WebCommandSaysWhenTheAddressCannotBeOpened)
{
    Avvio a;
    a.archivio();
    frmMain* f = a.avvia();
    a.ini("Options", "Url", QStringLiteral("www.example.org/"));
    a.fake.setShellSucceeds(false);   // no browser on the desktop
    a.fake.expectMsgBox(QStringLiteral("Impossibile aprire l'indirizzo http://www.example.org/ nel browser."),
                        vbOK);
    f->mnuStrumentiWeb->trigger();
    EXPECT_EQ(a.fake.msgBoxCall(-1).style, vbExclamation);
    // An address that is no web page never reaches the desktop, and says so too.
    a.ini("Options", "Url", QStringLiteral("httpx:cartella"));
    a.fake.expectMsgBox(QStringLiteral("Impossibile aprire l'indirizzo httpx:cartella nel browser."), vbOK);
    f->mnuStrumentiWeb->trigger();
    EXPECT_EQ(a.fake.shellCalls(), QStringList{QStringLiteral("shell.openUrl http://www.example.org/")});
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

TEST(frmMain, TableCommandOpensTheDrawTableOnTheNewestDraws)
{
    Avvio a;
    a.archivio();
    frmMain* f = a.avvia();
    ASSERT_TRUE(f->mnuEstrazioniTabella->isEnabled());
    f->mnuEstrazioniTabella->trigger();
    auto* t = Forms::find<frmElenco>();
    ASSERT_NE(t, nullptr);
    EXPECT_TRUE(t->isVisible());
    EXPECT_EQ(t->parentWidget(), f);
    EXPECT_EQ(t->pagina().ultima, 2);
    QTest::mouseClick(t->cmdPrecedente, Qt::LeftButton);
    EXPECT_EQ(t->pagina().ultima, 2);
}

namespace {

// The window F that a menu command opens.
template <class F>
std::function<Form*()> dalMenu(QAction* comando)
{
    return [comando]() -> Form* {
        comando->trigger();
        return Forms::find<F>();
    };
}

// The window F shown with its owner, as the program shows it.
template <class F>
std::function<Form*()> mostrata(const std::function<QWidget*()>& proprietario)
{
    return [proprietario]() -> Form* {
        Forms::get<F>()->vbShow(proprietario());
        return Forms::find<F>();
    };
}

} // namespace

// Every window the user opens, in each of its layouts and with results where
// results are what it shows: the text of every label, button, check box, option
// box and frame, the headers and values of its lists in sight, and its title.
// The print layout is no window the user sees: its page is the print tests'.
TEST(frmMain, EveryWindowShowsItsCaptionsWhole)
{
    Avvio a;
    a.cartella.scrivi(
        leggiStoricoTsv(QStringLiteral(QV_SOURCE_DIR) + "/data/estrazioni-1871-2026.tsv").estrazioni);
    setScreenOverride(QRect(0, 0, 1366, 768));
    frmMain* m = a.avvia();
    const auto clic = [](QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); };
    // On the circle: the option takes no click beyond its caption.
    const auto opzione = [](QAbstractButton* o) {
        QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(6, o->height() / 2));
    };
    const auto clicRiga = [](ReportListView* v, int i) {
        v->scrollToItem(v->item(i));
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualItemRect(v->item(i)).center());
    };
    frmConsultaEstrazioni* tabellone = nullptr;
    frmQuorvane* metodo = nullptr;
    const auto principale = [m]() -> QWidget* { return m; };

    // Shown whole another way, on purpose (besides what a window cut to the
    // screen scrolls into view: its controls are measured against the
    // scrolled content, not the part in view).
    struct Eccezione {
        std::function<bool(const QWidget*)> controllo;
        bool titolo;
    };
    const auto nessuna = Eccezione{[](const QWidget*) { return false; }, false};
    // The compact board is as narrow as its cells: the columns right of them
    // lie past its edge, and its title shows whole in the full width (wider,
    // the narrow board would show cut pieces of those columns).
    const auto ridotta = Eccezione{[&](const QWidget* w) {
                                       return w->mapTo(tabellone, QPoint(0, 0)).x() >
                                              tabellone->Frame1->geometry().right();
                                   },
                                   true};
    struct Finestra {
        const char* come;
        std::function<Form*()> apri;   // nullptr when it shows nothing to measure
        Eccezione eccezione;
    };
    const Finestra finestre[] = {
        {"main", [&]() -> Form* { return m; }, nessuna},
        {"entry", dalMenu<frmInputEstrazioni>(m->mnuEstrazioniInserisci), nessuna},
        {"board", [&]() -> Form* {
             m->mnuEstrazioniConsulta->trigger();
             tabellone = Forms::find<frmConsultaEstrazioni>();
             return tabellone;
         }, nessuna},
        {"board delays", [&]() -> Form* { opzione(tabellone->optTipoVis[1]); return tabellone; }, nessuna},
        {"board frequencies", [&]() -> Form* { opzione(tabellone->optTipoVis[2]); return tabellone; }, nessuna},
        {"board numbers of the draw before", [&]() -> Form* {
             opzione(tabellone->optTipoVis[0]);
             clic(tabellone->cmdUscitiScorsa);
             return tabellone;
         }, nessuna},
        {"summary", [&]() -> Form* {
             auto* s = Forms::find<frmAnalisi>();
             return s && s->lstAnalisi->count() > 0 ? s : nullptr;
         }, nessuna},
        {"board numbers panel", [&]() -> Form* { tabellone->mnuMostraNumeri->trigger(); return tabellone; }, nessuna},
        {"board sums panel", [&]() -> Form* { tabellone->mnuMostraSomme->trigger(); return tabellone; }, nessuna},
        {"board distances panel", [&]() -> Form* {
             tabellone->mnuMostraDistanze->trigger();
             return tabellone;
         }, nessuna},
        {"board one wheel", [&]() -> Form* { clic(tabellone->cmdRuota[1]); return tabellone; }, nessuna},
        {"board compact", [&]() -> Form* { clic(tabellone->cmdResize); return tabellone; }, ridotta},
        {"sums and distances", [&]() -> Form* {
             clic(tabellone->cmdResize);
             clic(tabellone->cmdRuota[0]);
             clic(tabellone->cmdSommeDistanze);
             return Forms::find<frmSommeDistanze>();
         }, nessuna},
        {"sums chart", [&]() -> Form* {
             clic(Forms::find<frmSommeDistanze>()->lblRuota[1]);
             return Forms::find<frmGraficoSomme>();
         }, nessuna},
        {"draw table", dalMenu<frmElenco>(m->mnuEstrazioniTabella), nessuna},
        {"draw table settings", [&]() -> Form* {
             clic(Forms::find<frmElenco>()->cmdSettaggi);
             return Forms::find<frmEvidenziaElenco>();
         }, nessuna},
        {"update", dalMenu<frmAggiornamenti>(m->mnuEstrazioniAggiorna), nessuna},
        {"internet update", dalMenu<frmAggiornaInternet>(m->mnuEstrazioniAggiornaInt), nessuna},
        {"export", dalMenu<frmEsportazione>(m->mnuEstrazioniEsporta), nessuna},
        {"print", dalMenu<frmStampaEstrazioni>(m->mnuEstrazioniStampa), nessuna},
        {"method with its automatic search panel", [&]() -> Form* {
             m->mnuQuorvane->trigger();
             metodo = Forms::find<frmQuorvane>();
             clic(metodo->cmdRicercaAutomatica);
             return metodo;
         }, nessuna},
        {"method with results", [&]() -> Form* {
             clic(metodo->cmdRicercaAutomatica);
             clic(metodo->cmdCalcola);
             if (metodo->ListViewOrdin2->count() == 0)
                 return nullptr;
             clicRiga(metodo->ListViewOrdin2, 1);
             return metodo;
         }, nessuna},
        {"method report", [&]() -> Form* {
             clic(metodo->cmdReport[0]);
             return Forms::find<frmReportQuorvane>();
         }, nessuna},
        {"win detail", [&]() -> Form* {
             clic(metodo->cmdReport[1]);
             auto* d = Forms::find<frmDettaglioQuorvane>();
             return d && d->righe() > 0 ? d : nullptr;
         }, nessuna},
        {"numbers to play", [&]() -> Form* {
             clic(metodo->cmdVediNumeri);
             return Forms::find<frmCapoAbbinamentiQuorvane>();
         }, nessuna},
        {"multi-wheel results", [&]() -> Form* {
             clic(metodo->cmdRicercaAutomatica);
             opzione(metodo->optRicerca[2]);
             opzione(metodo->optGioco[1]);
             metodo->cboQuanti->setCurrentIndex(0);
             clic(metodo->cmdAvviaRicercaAutomatica);
             auto* r = Forms::find<frmMultiRuota>();
             return r && r->ListViewMultiruote->count() > 0 ? r : nullptr;
         }, nessuna},
        {"progress", mostrata<frmElaborazioni>([&] { return metodo; }), nessuna},
        {"summative with results and a detail", [&]() -> Form* {
             m->mnuSommativoAmbi->trigger();
             auto* s = Forms::find<frmSommativaAmbi>();
             clic(s->cmdCalcola);
             if (s->ListViewRisultati->count() == 0)
                 return nullptr;
             clicRiga(s->ListViewRisultati, 1);
             return s->ListViewDettaglio->count() > 0 ? s : nullptr;
         }, nessuna},
        {"restrictions", dalMenu<frmOpzioni>(m->mnuStrumentiRestrizioni), nessuna},
        {"period", mostrata<frmDati>([] { return Forms::find<frmOpzioni>(); }), nessuna},
        {"options", dalMenu<frmEsclusioni>(m->mnuStrumentiOpzioni), nessuna},
        {"colours", dalMenu<frmColori>(m->mnuColori), nessuna},
        {"messages", mostrata<frmMessaggi>(principale), nessuna},
        // Modal from the menu: shown modeless here, laid out the same.
        {"address", mostrata<frmUrl>(principale), nessuna},
        {"about", mostrata<frmAboutMe>(principale), nessuna},
    };
    for (const Finestra& x : finestre) {
        SCOPED_TRACE(x.come);
        Form* f = x.apri();
        ASSERT_NE(f, nullptr);
        lasciaPassare();
        ASSERT_TRUE(f->isVisible());
        if (!x.eccezione.titolo) {
            const QString t = titoloTagliato(f);
            EXPECT_TRUE(t.isEmpty()) << t.toStdString();
        }
        for (QWidget* w : f->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(f) || w->window() != f || x.eccezione.controllo(w))
                continue;
            const QString t = testoTagliato(w, f);
            EXPECT_TRUE(t.isEmpty()) << t.toStdString();
            if (auto* v = qobject_cast<QAbstractItemView*>(w)) {
                const QString c = colonnaTagliata(v);
                EXPECT_TRUE(c.isEmpty()) << c.toStdString();
            }
        }
    }
}
