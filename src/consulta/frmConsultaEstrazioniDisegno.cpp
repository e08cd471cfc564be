#include "consulta/frmConsultaEstrazioni.h"

// The board's controls as designed (twips), and which handler each event runs.
#include "compat/vb.h"
#include "compat/ui/Controls.h"
#include "compat/ui/Twips.h"
#include "shell/modArchivio.h"
#include "shell/modControlli.h"
#include "shell/modGuida.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QVBoxLayout>
#include <type_traits>

using namespace compat;

namespace {

template <class W>
W* crea(QWidget* padre, const QString& nomeControllo, const QString& testo = {})
{
    return CreaControllo<W>(padre, nomeControllo, testo);
}

template <class W>
W* crea(QWidget* padre, const char* nomeControllo, const char* testo = "")
{
    return crea<W>(padre, QString::fromLatin1(nomeControllo), QString::fromUtf8(testo));
}

QPushButton* pulsante(QWidget* padre, const char* n, const char* testo, const char* suggerimento = "")
{
    auto* b = crea<QPushButton>(padre, n, testo);
    if (*suggerimento)
        b->setToolTip(QString::fromUtf8(suggerimento));
    return b;
}

QLineEdit* casella(QWidget* padre, const char* n, const char* testo, const char* suggerimento = "")
{
    auto* t = crea<QLineEdit>(padre, n, testo);
    if (*suggerimento)
        t->setToolTip(QString::fromUtf8(suggerimento));
    t->setMaximumWidth(twipsToPx(600));
    soloCifre(t);   // typed keys are filtered by the board; a paste or a drop here
    return t;
}

} // namespace

void frmConsultaEstrazioni::costruisci()
{
    auto* esterno = new QVBoxLayout(this);
    esterno->setContentsMargins(0, 0, 0, 0);
    esterno->setSpacing(0);
    barraMenu = new QMenuBar(this);
    barraMenu->setObjectName(QStringLiteral("barraMenu"));
    esterno->setMenuBar(barraMenu);
    auto* corpo = new QWidget(this);
    esterno->addWidget(corpo, 1);

    costruisciGriglia(corpo);
    costruisciNavigazione(corpo);
    costruisciAnalisi(corpo);
    costruisciTipi(corpo);
    costruisciMenu();
    costruisciTrova(corpo);

    lblSorMedia = crea<QLabel>(corpo, "lblSorMedia", "Sortita media: ");
    vbMove(lblSorMedia, 180, 5820, 3675, 435);
    lblSorMedia->setVisible(false);

    fraSomma = crea<QFrame>(corpo, "fraSomma");
    fraSomma->setFrameShape(QFrame::Box);
    vbMove(fraSomma, 3960, 600, 1695, 600);
    auto* hSomma = new QHBoxLayout(fraSomma);
    hSomma->setContentsMargins(2, 2, 2, 2);
    hSomma->addWidget(crea<QLabel>(fraSomma, NomeElemento("Label5", 1), QStringLiteral("Somma")));
    lblSomma = crea<QLabel>(fraSomma, "lblSomma", "90");
    hSomma->addWidget(lblSomma);
    cmdCancella = crea<QPushButton>(fraSomma, "cmdCancella");
    cmdCancella->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    hSomma->addWidget(cmdCancella);
    fraSomma->setVisible(false);
    fraSomma->raise();

    // The right column grows, and the full width with it, where the common
    // look's font needs more than the designed width for the period captions.
    const int manca = fraTipi->minimumSizeHint().width() - fraTipi->width();
    if (manca > 0) {
        for (QWidget* w : {static_cast<QWidget*>(fraTipi), static_cast<QWidget*>(Frame7)})
            w->resize(w->width() + manca, w->height());
        larghezzaPiena_ += pxToTwips(manca);
    }
}

void frmConsultaEstrazioni::costruisciGriglia(QWidget* corpo)
{
    Frame1 = crea<QGroupBox>(corpo, "Frame1");
    vbMove(Frame1, 60, 30, 3915, 5685);
    Label1 = crea<QLabel>(Frame1, "Label1", "Tutte le ruote");
    Label1->setAlignment(Qt::AlignCenter);
    lblVisualizzazione = crea<QLabel>(Frame1, "lblVisualizzazione", "Numeri estratti");
    lblVisualizzazione->setAlignment(Qt::AlignCenter);
    posizionaDidascalie(false);
    for (int r = 0; r <= 10; ++r) {
        const double top = r == 10 ? 4740 : 705 + 390.0 * r;
        if (r <= 9) {
            imgRuota[r] = crea<QLabel>(Frame1, NomeElemento("imgRuota", r), SigleRuote[r + 1]);
            vbMove(imgRuota[r], 120, top, 420, 330);
            imgRuota[r]->setAlignment(Qt::AlignCenter);
            imgRuota[r]->setFrameShape(QFrame::Panel);
            imgRuota[r]->setToolTip(NomiRuote[r + 1].trimmed());
            imgRuota[r]->installEventFilter(this);
            // The row dates of the one-wheel layout take the pictures' place.
            lblData[r] = crea<QLabel>(Frame1, NomeElemento("lblData", r));
            vbMove(lblData[r], 150, top, 1020, 330);
            AllargaPerTesto(lblData[r], QStringLiteral("00/00/0000"));
            lblData[r]->setVisible(false);
            lblData[r]->installEventFilter(this);
        }
        for (int p = 1; p <= 5; ++p) {
            const int i = r * 5 + p;
            QLineEdit* c = crea<QLineEdit>(Frame1, NomeElemento("txtEstratto", i));
            c->setReadOnly(true);
            c->setAlignment(Qt::AlignCenter);
            vbMove(c, 1650 + 435.0 * (p - 1), top, 405, 330);
            txtEstratto[i] = c;
        }
    }
    lblNazionale = crea<QLabel>(Frame1, "lblNazionale", "Nazionale");
    vbMove(lblNazionale, 120, 4740, 1500, 330);
    lblNazionale->installEventFilter(this);
    cmdResize = crea<QPushButton>(Frame1, "cmdResize");
    vbMove(cmdResize, 3360, 5190, 420, 375);
    cmdResize->setToolTip(QStringLiteral("Restringi/allarga la finestra"));

    fraComandiSmall = crea<QFrame>(corpo, "fraComandiSmall");
    vbMove(fraComandiSmall, 200, 180, 3685, 435);
    auto* h = new QHBoxLayout(fraComandiSmall);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(1);
    cmdPrecPlus = pulsante(fraComandiSmall, "cmdPrecPlus", "<<");
    cmdPrec = pulsante(fraComandiSmall, "cmdPrec", "<");
    DTPicker2 = creaData(fraComandiSmall, QStringLiteral("DTPicker2"));
    cmdConfermaSmall = pulsante(fraComandiSmall, "cmdConfermaSmall", "Ok");
    cmdsucc = pulsante(fraComandiSmall, "cmdsucc", ">");
    cmdSuccPlus = pulsante(fraComandiSmall, "cmdSuccPlus", ">>");
    for (QWidget* w : {static_cast<QWidget*>(cmdPrecPlus), static_cast<QWidget*>(cmdPrec),
                       static_cast<QWidget*>(DTPicker2), static_cast<QWidget*>(cmdConfermaSmall),
                       static_cast<QWidget*>(cmdsucc), static_cast<QWidget*>(cmdSuccPlus)}) {
        if (w != DTPicker2)
            w->setMaximumWidth(twipsToPx(420));
        h->addWidget(w);
    }
    fraComandiSmall->setVisible(false);
    fraComandiSmall->raise();
}

void frmConsultaEstrazioni::costruisciNavigazione(QWidget* corpo)
{
    Frame2 = crea<QGroupBox>(corpo, "Frame2");
    vbMove(Frame2, 4020, 0, 7635, 1695);
    auto* g = new QGridLayout(Frame2);
    cmdFastPrec = pulsante(Frame2, "cmdFastPrec", "<<", "Indietro di 10-100 estrazioni");
    cmdPrecedente = pulsante(Frame2, "cmdPrecedente", "<", "- 1 Estrazione");
    cmdSuccessiva = pulsante(Frame2, "cmdSuccessiva", ">", "+ 1 Estrazione");
    cmdFastSucc = pulsante(Frame2, "cmdFastSucc", ">>", "Avanti di 10-100 estrazioni");
    cboSalto = crea<QComboBox>(Frame2, "cboSalto");
    cboSalto->setToolTip(QStringLiteral("Salto estrazioni"));
    for (int i = 10; i <= 100; i += 10)
        cboSalto->addItem(QString::number(i));
    cboSalto->setCurrentIndex(-1);
    Slider1 = crea<QSlider>(Frame2, "Slider1");
    Slider1->setOrientation(Qt::Horizontal);
    Slider1->setMinimum(1);
    Slider1->setToolTip(QStringLiteral("Slider numero estrazione"));
    DTPicker1 = creaData(Frame2, QStringLiteral("DTPicker1"));
    cmdConferma = pulsante(Frame2, "cmdConferma", "Vai", "Vai alla data");
    lblNumeroAnnoEstraz = crea<QLabel>(Frame2, "lblNumeroAnnoEstraz");
    lblAnnoEstrazione = crea<QLabel>(Frame2, "lblAnnoEstrazione");
    lblGiornoEstraz = crea<QLabel>(Frame2, "lblGiornoEstraz");
    lblTotaleEstrazioni = crea<QLabel>(Frame2, "lblTotaleEstrazioni");
    lblTotaleEstrazioni->setToolTip(QStringLiteral("Progressivo assoluto dal 1871"));

    auto* intestazione = new QHBoxLayout;
    intestazione->addWidget(crea<QLabel>(Frame2, "lblDescEstrazione", "Estrazione n."));
    intestazione->addWidget(lblNumeroAnnoEstraz);
    intestazione->addWidget(lblAnnoEstrazione);
    intestazione->addWidget(lblGiornoEstraz);
    intestazione->addStretch(1);
    intestazione->addWidget(crea<QLabel>(Frame2, "lblN", "n."));
    intestazione->addWidget(lblTotaleEstrazioni);
    g->addLayout(intestazione, 0, 0, 1, 7);
    g->addWidget(cmdFastPrec, 1, 0);
    g->addWidget(cmdPrecedente, 1, 1);
    g->addWidget(Slider1, 1, 2, 1, 3);
    g->addWidget(cmdSuccessiva, 1, 5);
    g->addWidget(cmdFastSucc, 1, 6);
    g->addWidget(cboSalto, 2, 0, 1, 2);
    g->addWidget(DTPicker1, 2, 2, 1, 2);
    g->addWidget(cmdConferma, 2, 4);
}

void frmConsultaEstrazioni::costruisciAnalisi(QWidget* corpo)
{
    Frame6 = crea<QGroupBox>(corpo, "Frame6");
    vbMove(Frame6, 4020, 1680, 7635, 3195);
    auto* g6 = new QGridLayout(Frame6);
    cmdDecine = pulsante(Frame6, "cmdDecine", "Decine", "Decina");
    cmdCadenze = pulsante(Frame6, "cmdCadenze", "Cadenze", "Cadenza");
    cmdFigure = pulsante(Frame6, "cmdFigure", "Figure", "Figura");
    cmdQuindicina = pulsante(Frame6, "cmdQuindicina", "Quindicine", "1...15,16...30,...,76...90");
    cmdReset = pulsante(Frame6, "cmdReset", "Reset");
    cmdComplementari = pulsante(Frame6, "cmdComplementari", "Complementari", "Somma 90: 1-89,2-88,3-87,...,44-46");
    cmdSimmetrici = pulsante(Frame6, "cmdSimmetrici", "Simmetrici", "Distanza 45: 1-46,2-47,3-48,...,45-90");
    cmdGemelli = pulsante(Frame6, "cmdGemelli", "Gemelli", "11,22,33,...,88");
    cmdVertibili = pulsante(Frame6, "cmdVertibili", "Vertibili", "12-21,13-31,14-41...");
    cmdRadicali = pulsante(Frame6, "cmdRadicali", "Radicali", "1-10-11-19,2-20-22-29,3-30-33-39...");
    cmdTerzine = pulsante(Frame6, "cmdTerzine", "Terzine simm.");
    int c = 0;
    for (QPushButton* b : {cmdDecine, cmdCadenze, cmdFigure, cmdQuindicina, cmdReset}) {
        g6->addWidget(b, 0, c++);
    }
    c = 0;
    for (QPushButton* b : {cmdComplementari, cmdSimmetrici, cmdGemelli, cmdVertibili, cmdRadicali,
                           cmdTerzine})
        g6->addWidget(b, 1 + c / 5, c % 5), ++c;
    auto* famiglie = new QHBoxLayout;
    for (int i = 0; i <= 9; ++i) {
        cmdNumero[i] = crea<QPushButton>(Frame6, NomeElemento("cmdNumero", i), QStringLiteral("&%1").arg(i));
        cmdNumero[i]->setToolTip(QString::number(i));
        cmdNumero[i]->setMaximumWidth(twipsToPx(450));
        famiglie->addWidget(cmdNumero[i]);
    }
    g6->addLayout(famiglie, 3, 0, 1, 5);
    lblDescrFamiglia = crea<QLabel>(Frame6, "lblDescrFamiglia", "Nessuna selezione");
    lblNFamiglia = crea<QLabel>(Frame6, "lblNFamiglia");
    lblNFamiglia->setAutoFillBackground(true);
    g6->addWidget(lblDescrFamiglia, 4, 0, 1, 3);
    g6->addWidget(lblNFamiglia, 4, 3);
    chkOrdin = crea<QCheckBox>(Frame6, "chkOrdin", "Estrazioni ordinate");
    chkOrdin->setToolTip(QStringLiteral("Se spuntata ordina le estrazioni per numero crescente"));
    cmdStampa = pulsante(Frame6, "cmdStampa", "Stampa");
    cmdHelp = pulsante(Frame6, "cmdHelp", "?");
    cmdEsci = pulsante(Frame6, "cmdEsci", "Esci");
    g6->addWidget(chkOrdin, 5, 0, 1, 2);
    g6->addWidget(cmdStampa, 5, 2);
    g6->addWidget(cmdHelp, 5, 3);
    g6->addWidget(cmdEsci, 5, 4);

    Frame3 = crea<QGroupBox>(corpo, "Frame3");
    vbMove(Frame3, 4020, 4890, 7635, 1845);
    auto* g3 = new QGridLayout(Frame3);
    cmdNumeriRipetuti = pulsante(Frame3, "cmdNumeriRipetuti", "Numeri ripetuti", "Numeri ripetuti");
    cmdAmbiRipetuti = pulsante(Frame3, "cmdAmbiRipetuti", "Ambi ripetuti", "Ambi ripetuti");
    cmdUsciti = pulsante(Frame3, "cmdUsciti", "Usciti su 90", "Usciti su 90");
    cmdNonUsciti = pulsante(Frame3, "cmdNonUsciti", "Non usciti su 90");
    cmdUscitiScorsa = pulsante(Frame3, "cmdUscitiScorsa", "Usciti scorsa estr.", "Usciti la scorsa estrazione");
    cmdNonUscitiScorsa = pulsante(Frame3, "cmdNonUscitiScorsa", "Non usciti scorsa estr.");
    cmd1x2 = pulsante(Frame3, "cmd1x2", "1 - X - 2");
    cmdPariDispari = pulsante(Frame3, "cmdPariDispari", "Pari-dispari");
    cmdRitardi = pulsante(Frame3, "cmdRitardi", "Ultimo ritardo =>");
    txtRitardo = casella(Frame3, "txtRitardo", "100");
    chkNumeriAmbiIsotopi = crea<QCheckBox>(Frame3, "chkNumeriAmbiIsotopi", "isotopi");
    c = 0;
    for (QWidget* w : std::initializer_list<QWidget*>{
             cmdNumeriRipetuti, cmdAmbiRipetuti, chkNumeriAmbiIsotopi, cmdUsciti, cmdNonUsciti,
             cmdUscitiScorsa, cmdNonUscitiScorsa, cmd1x2, cmdPariDispari, cmdRitardi, txtRitardo})
        g3->addWidget(w, c / 4, c % 4), ++c;

    Frame4 = crea<QGroupBox>(corpo, "Frame4");
    vbMove(Frame4, 4020, 6780, 7635, 1230);
    auto* g4 = new QGridLayout(Frame4);
    for (int i = 0; i <= 11; ++i) {
        const QString testo = i == 0 ? QStringLiteral("Tutte") : NomiRuote[i].trimmed();
        cmdRuota[i] = crea<QPushButton>(Frame4, NomeElemento("cmdRuota", i), testo);
        if (i == 0)
            cmdRuota[i]->setToolTip(QStringLiteral("Tutte le ruote"));
        g4->addWidget(cmdRuota[i], i / 6, i % 6);
    }

    Frame7 = crea<QGroupBox>(corpo, "Frame7", "Ciclometria");
    vbMove(Frame7, 11700, 4890, 3675, 3120);
    auto* g7 = new QGridLayout(Frame7);
    cmdSomma = pulsante(Frame7, "cmdSomma", "Somma --->");
    txtSomma = casella(Frame7, "txtSomma", "90");
    chkF90 = crea<QCheckBox>(Frame7, "chkF90", "Fuori 90");
    chkIsotopi = crea<QCheckBox>(Frame7, "chkIsotopi", "Isotopi");
    cmdSommeUguali = pulsante(Frame7, "cmdSommeUguali", "Somme uguali isotope");
    cmdDistanza = pulsante(Frame7, "cmdDistanza", "Distanza -->");
    txtDistanza = casella(Frame7, "txtDistanza", "45");
    chlIsotopiDistanza = crea<QCheckBox>(Frame7, "chlIsotopiDistanza", "Isotopi");
    cmdDistanzeUguali = pulsante(Frame7, "cmdDistanzeUguali", "Distanze uguali isotope");
    cmdSommeDistanze = pulsante(Frame7, "cmdSommeDistanze", "Grafici somme e distanze", "Somme e distanze");
    g7->addWidget(cmdSomma, 0, 0);
    g7->addWidget(txtSomma, 0, 1);
    g7->addWidget(chkF90, 1, 0);
    g7->addWidget(chkIsotopi, 1, 1);
    g7->addWidget(cmdSommeUguali, 2, 0, 1, 2);
    g7->addWidget(cmdDistanza, 3, 0);
    g7->addWidget(txtDistanza, 3, 1);
    g7->addWidget(chlIsotopiDistanza, 4, 0);
    g7->addWidget(cmdDistanzeUguali, 5, 0, 1, 2);
    g7->addWidget(cmdSommeDistanze, 6, 0, 1, 2);
}

void frmConsultaEstrazioni::costruisciTipi(QWidget* corpo)
{
    fraTipi = crea<QGroupBox>(corpo, "fraTipi");
    vbMove(fraTipi, 11700, 0, 3675, 4875);
    auto* v = new QVBoxLayout(fraTipi);
    // Narrow margins: the period captions are the column's longest texts.
    v->setContentsMargins(4, 4, 4, 4);
    v->addWidget(crea<QLabel>(fraTipi, "LabelTipo", "Tipo di visualizzazione"));
    const char* etichette[] = {"NORMALE", "RITARDO ALLA SORTITA ", "FREQUENZA NEL PERIODO:"};
    for (int i = 0; i <= 2; ++i) {
        auto* riga = new QHBoxLayout;
        optTipoVis[i] = crea<QRadioButton>(fraTipi, NomeElemento("optTipoVis", i));
        Label7[i] = crea<QLabel>(fraTipi, NomeElemento("Label7", i), QString::fromUtf8(etichette[i]));
        riga->addWidget(optTipoVis[i]);
        riga->addWidget(Label7[i], 1);
        v->addLayout(riga);
    }
    optTipoVis[0]->setChecked(true);
    QFont grassetto = Label7[0]->font();
    grassetto.setBold(true);
    Label7[0]->setFont(grassetto);

    fraPeriodo = crea<QGroupBox>(fraTipi, "fraPeriodo");
    v->addWidget(fraPeriodo);
    v->addStretch(1);
    auto* g = new QGridLayout(fraPeriodo);
    g->setContentsMargins(4, 4, 4, 4);
    g->setHorizontalSpacing(2);
    for (int i = 0; i <= 3; ++i) {
        optPeriodo[i] = crea<QRadioButton>(fraPeriodo, NomeElemento("optPeriodo", i));
        optPeriodo[i]->setEnabled(false);
        g->addWidget(optPeriodo[i], i, 0);
    }
    optPeriodo[0]->setChecked(true);
    txtNumeroEstrazioni = casella(fraPeriodo, "txtNumeroEstrazioni", "90", "Data inizio ricerca");
    txtCicli = casella(fraPeriodo, "txtCicli", "5", "Numero di cicli da considerare");
    txtNumeroEstrazioni->setEnabled(false);
    txtCicli->setEnabled(false);
    auto riga = [&](int r, std::initializer_list<QWidget*> w) {
        auto* h = new QHBoxLayout;
        h->setSpacing(4);
        for (QWidget* x : w)
            h->addWidget(x);
        h->addStretch(1);
        g->addLayout(h, r, 1);
    };
    riga(0, {crea<QLabel>(fraPeriodo, NomeElemento("Label4", 3), QStringLiteral("Ultime")), txtNumeroEstrazioni,
             crea<QLabel>(fraPeriodo, NomeElemento("Label4", 4), QStringLiteral("estrazioni"))});
    riga(1, {crea<QLabel>(fraPeriodo, NomeElemento("Label4", 5), QStringLiteral("Ultimo anno"))});
    riga(2, {crea<QLabel>(fraPeriodo, NomeElemento("Label4", 6), QStringLiteral("Dall'inizio dell'anno considerato"))});
    riga(3, {crea<QLabel>(fraPeriodo, "Label6", "Ultimi"), txtCicli,
             crea<QLabel>(fraPeriodo, NomeElemento("Label4", 2), QStringLiteral("cicli da 18 estraz."))});
    chkConsideraAttuale = crea<QCheckBox>(fraPeriodo, "chkConsideraAttuale");
    chkConsideraAttuale->setEnabled(false);
    g->addWidget(chkConsideraAttuale, 4, 0);
    auto* attuale = new QVBoxLayout;
    attuale->addWidget(crea<QLabel>(fraPeriodo, "Label9", "Non considerare l'estrazione"));
    attuale->addWidget(crea<QLabel>(fraPeriodo, "Label8", "attuale nelle frequenze"));
    g->addLayout(attuale, 4, 1);
}

void frmConsultaEstrazioni::costruisciMenu()
{
    mnuMostra = barraMenu->addMenu(QStringLiteral("Trova..."));
    mnuMostra->setObjectName(QStringLiteral("mnuMostra"));
    auto comando = [](QMenu* m, const char* n, const char* testo) {
        QAction* a = m->addAction(QString::fromUtf8(testo));
        a->setObjectName(QString::fromLatin1(n));
        return a;
    };
    mnuMostraNumeri = comando(mnuMostra, "mnuMostraNumeri", "Numeri");
    mnuMostraSomme = comando(mnuMostra, "mnuMostraSomme", "Somme");
    mnuMostraDistanze = comando(mnuMostra, "mnuMostraDistanze", "Distanze");
    mnuVisualizza = barraMenu->addMenu(QStringLiteral("Visualizza..."));
    mnuVisualizza->setObjectName(QStringLiteral("mnuVisualizza"));
    mnuVisualizzaRiepilogo = comando(mnuVisualizza, "mnuVisualizzaRiepilogo", "Finestra di riepilogo");
    mnuVisualizzaRiepilogo->setCheckable(true);
}

void frmConsultaEstrazioni::collega()
{
    auto avanti = [this] {
        if (Stato.EstrazioneCorrente < NumeroEstrazioni) {
            ++Stato.EstrazioneCorrente;
            Visualizza();
        }
    };
    auto indietro = [this] { vaiA(std::max<qint32>(Stato.EstrazioneCorrente - 1, 1)); };
    auto saltaAvanti = [this] {
        vaiA(std::min<qint32>(qint32(qint64(Stato.EstrazioneCorrente) + Stato.Salto), NumeroEstrazioni));
    };
    auto saltaIndietro = [this] { vaiA(std::max<qint32>(Stato.EstrazioneCorrente - Stato.Salto, 1)); };
    on(cmdSuccessiva, &QPushButton::clicked, QStringLiteral("cmdSuccessiva_Click"), avanti);
    on(cmdsucc, &QPushButton::clicked, QStringLiteral("cmdsucc_Click"), avanti);
    on(cmdPrecedente, &QPushButton::clicked, QStringLiteral("cmdPrecedente_Click"), indietro);
    on(cmdPrec, &QPushButton::clicked, QStringLiteral("cmdPrec_Click"), indietro);
    on(cmdFastSucc, &QPushButton::clicked, QStringLiteral("cmdFastSucc_Click"), saltaAvanti);
    on(cmdSuccPlus, &QPushButton::clicked, QStringLiteral("cmdSuccPlus_Click"), saltaAvanti);
    on(cmdFastPrec, &QPushButton::clicked, QStringLiteral("cmdFastPrec_Click"), saltaIndietro);
    on(cmdPrecPlus, &QPushButton::clicked, QStringLiteral("cmdPrecPlus_Click"), saltaIndietro);
    on(cboSalto, &QComboBox::currentIndexChanged, QStringLiteral("cboSalto_Click"), [this] {
        Stato.Salto = vbCInt(vbVal(cboSalto->currentText()));
        Slider1->setPageStep(Stato.Salto);
    });
    on(Slider1, &QSlider::valueChanged, QStringLiteral("Slider1_Event17"),
       [this](int valore) { Slider1_Change(valore); });
    on(cmdConferma, &QPushButton::clicked, QStringLiteral("cmdConferma_Click"),
       [this] { cmdConferma_Click(DTPicker1); });
    on(cmdConfermaSmall, &QPushButton::clicked, QStringLiteral("cmdConfermaSmall_Click"),
       [this] { cmdConferma_Click(DTPicker2); });
    for (int i = 0; i <= 11; ++i)
        on(cmdRuota[i], &QPushButton::clicked, QStringLiteral("cmdRuota_Click"),
           [this, i] { cmdRuota_Click(i); });
    on(chkOrdin, &QCheckBox::toggled, QStringLiteral("chkOrdin_Click"), [this] { Visualizza(); });
    on(cmdResize, &QPushButton::clicked, QStringLiteral("cmdResize_Click"), [this] { cmdResize_Click(); });
    on(cmdHelp, &QPushButton::clicked, QStringLiteral("cmdHelp_Click"),
       [] { Guida().HelpContext(GuidaConsultaEstrazioni, QString()); });
    on(cmdEsci, &QPushButton::clicked, QStringLiteral("cmdEsci_Click"), [this] { vbUnload(this); });
    on(cmdReset, &QPushButton::clicked, QStringLiteral("cmdReset_Click"), [this] { cmdReset_Click(); });
    on(cmdCancella, &QPushButton::clicked, QStringLiteral("cmdCancella_Click"),
       [this] { fraSomma->setVisible(false); });
    for (int i = 0; i <= 2; ++i)
        on(optTipoVis[i], &QRadioButton::toggled, QStringLiteral("optTipoVis_Click"), [this, i](bool on) {
            if (!on)
                return;
            ImpostaVisualizzazione(i);
            Visualizza();
        });
    for (int i = 0; i <= 3; ++i)
        on(optPeriodo[i], &QRadioButton::toggled, QStringLiteral("optPeriodo_Click"), [this](bool on) {
            if (on && CalcolaPeriodo())
                Visualizza();
        });
    on(chkConsideraAttuale, &QCheckBox::toggled, QStringLiteral("chkConsideraAttuale_Click"), [this] {
        if (CalcolaPeriodo())
            Visualizza();
    });
    for (QLineEdit* t : {txtNumeroEstrazioni, txtCicli}) {
        on(t, &QLineEdit::textChanged, t->objectName() + QStringLiteral("_Change"), [this, t] {
            if (vbVal(t->text()) > 0)
                Visualizza();
        });
        t->installEventFilter(this);
    }
    collegaAnalisi();
    collegaCiclometria();
    collegaTrova();
    collegaSommeDistanze();
    on(mnuVisualizzaRiepilogo, &QAction::triggered, QStringLiteral("mnuVisualizzaRiepilogo_Click"),
       [this] { mnuVisualizzaRiepilogo_Click(); });
}
