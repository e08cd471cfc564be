#include "metodi/frmQuorvane.h"

// The window's controls as designed, and which handler each event runs.
#include "compat/ui/Controls.h"
#include "compat/ui/DatePicker.h"
#include "compat/ui/ReportListView.h"
#include "shell/Controlli.h"
#include "shell/modArchivio.h"
#include "shell/modGuida.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

using namespace compat;

void frmQuorvane::costruisci()
{
    corpo_ = new QWidget(this);
    QWidget* c = corpo_;

    // Wheels.
    auto* fraRuote = new QGroupBox(QStringLiteral("Ruote"), c);
    auto* gRuote = new QGridLayout(fraRuote);
    gRuote->addWidget(new QLabel(QStringLiteral("Ruote di ricerca"), fraRuote), 0, 0, 1, 12);
    gRuote->addWidget(new QLabel(QStringLiteral("Ruote di gioco"), fraRuote), 2, 0, 1, 12);
    chkRuota = creaCaselleRuote(fraRuote, QStringLiteral("chkRuota"), gRuote, 1);
    chkRuotaG = creaCaselleRuote(fraRuote, QStringLiteral("chkRuotaG"), gRuote, 3);
    cmdRicercaAutomatica = CreaControllo<QPushButton>(fraRuote, QStringLiteral("cmdRicercaAutomatica"),
                                             QStringLiteral("Ricerca automatica ruote di ricerca/gioco"));
    gRuote->addWidget(cmdRicercaAutomatica, 4, 0, 1, 12);

    // Spia kind.
    auto* fraCosa = new QGroupBox(QStringLiteral("Cosa ricercare"), c);
    auto* vCosa = new QVBoxLayout(fraCosa);
    const char* spie[] = {"Numero spia", "Somma spia", "Differenza spia"};
    for (int i = 0; i <= 2; ++i) {
        optSpia[i] = CreaControllo<QRadioButton>(fraCosa, NomeElemento("optSpia", i), QString::fromUtf8(spie[i]));
        vCosa->addWidget(optSpia[i]);
    }
    optSpia[0]->setChecked(true);

    // Search kind, spia value and positions.
    auto* fraTipo = new QGroupBox(QStringLiteral("Tipologia spia"), c);
    auto* gTipo = new QGridLayout(fraTipo);
    const char* tipi[] = {"Numero fisso...", "Tutti i numeri", "Numeri usciti il  "};
    for (int i = 0; i <= 2; ++i) {
        optTipo[i] = CreaControllo<QRadioButton>(fraTipo, NomeElemento("optTipo", i), QString::fromUtf8(tipi[i]));
        gTipo->addWidget(optTipo[i], i, 0);
    }
    optTipo[0]->setChecked(true);
    optTipo[2]->setEnabled(false);
    cboNumero = creaCombo(fraTipo, QStringLiteral("cboNumero"), true);
    gTipo->addWidget(cboNumero, 0, 1);
    DTPRicerca = creaData(fraTipo, QStringLiteral("DTPRicerca"));
    DTPRicerca->setEnabled(false);
    gTipo->addWidget(DTPRicerca, 2, 1);
    gTipo->addWidget(new QLabel(QStringLiteral("(una sola ruota di ricerca)"), fraTipo), 3, 0, 1, 2);
    chkPosDet = CreaControllo<QCheckBox>(fraTipo, QStringLiteral("chkPosDet"), QStringLiteral("Pos. determinata"));
    gTipo->addWidget(chkPosDet, 4, 0);
    auto* posizioni = new QHBoxLayout;
    for (int p = 1; p <= 5; ++p) {
        chkPosizione[p] = CreaControllo<QCheckBox>(fraTipo, NomeElemento("chkPosizione", p), QString::number(p));
        chkPosizione[p]->setEnabled(false);
        posizioni->addWidget(chkPosizione[p]);
    }
    gTipo->addLayout(posizioni, 4, 1);
    chkStessaPosizione = CreaControllo<QCheckBox>(fraTipo, QStringLiteral("chkStessaPosizione"),
                                         QStringLiteral("Stessa posizione"));
    chkStessaPosizione->setEnabled(false);
    gTipo->addWidget(chkStessaPosizione, 5, 0, 1, 2);

    // Period.
    auto* fraPeriodo = new QGroupBox(QStringLiteral("Intervallo di ricerca"), c);
    optPeriodo[0] = CreaControllo<QRadioButton>(fraPeriodo, NomeElemento("optPeriodo", 0), QStringLiteral("Dal"));
    optPeriodo[0]->setChecked(true);
    const BloccoPeriodo periodo = creaBloccoPeriodo(fraPeriodo, optPeriodo[0]);
    QGridLayout* gPeriodo = periodo.griglia;
    DTPickerDa = periodo.DTPickerDa;
    DTPickerA = periodo.DTPickerA;
    lblIndiceDal = CreaControllo<QLabel>(fraPeriodo, QStringLiteral("lblIndiceDal"));
    lblIndiceAl = CreaControllo<QLabel>(fraPeriodo, QStringLiteral("lblIndiceAl"));
    gPeriodo->addWidget(lblIndiceDal, 0, 2);
    gPeriodo->addWidget(lblIndiceAl, 0, 5);
    optPeriodo[1] = CreaControllo<QRadioButton>(fraPeriodo, NomeElemento("optPeriodo", 1), QStringLiteral("Ultime"));
    cboSortite = creaCombo(fraPeriodo, QStringLiteral("cboSortite"), true);
    cboSortite->setEnabled(false);
    lblDescriviRicerca = CreaControllo<QLabel>(fraPeriodo, QStringLiteral("lblDescriviRicerca"),
                                      QStringLiteral("sortite del numero spia"));
    gPeriodo->addWidget(optPeriodo[1], 1, 0);
    gPeriodo->addWidget(cboSortite, 1, 1);
    gPeriodo->addWidget(lblDescriviRicerca, 1, 2, 1, 4);

    auto* fraIndice = new QGroupBox(QStringLiteral("Indice mensile"), c);
    auto* hIndice = new QHBoxLayout(fraIndice);
    cboIndice = creaCombo(fraIndice, QStringLiteral("cboIndice"), false);
    cboIndice->addItem(QStringLiteral("Tutti"));
    hIndice->addWidget(cboIndice);

    auto* fraColpi = new QGroupBox(QStringLiteral("Colpi di gioco"), c);
    auto* gColpi = new QGridLayout(fraColpi);
    gColpi->addWidget(new QLabel(QStringLiteral("N. colpi :"), fraColpi), 0, 0);
    cboColpi = creaCombo(fraColpi, QStringLiteral("cboColpi"), true);
    gColpi->addWidget(cboColpi, 0, 1);
    chkUltime = CreaControllo<QCheckBox>(fraColpi, QStringLiteral("chkUltime"),
                                QStringLiteral("Controllo delle ultime 6 estraz."));
    gColpi->addWidget(chkUltime, 1, 0, 1, 2);

    auto* fraValidita = new QGroupBox(QStringLiteral("Validità algoritmo"), c);
    auto* gValidita = new QGridLayout(fraValidita);
    gValidita->addWidget(new QLabel(QStringLiteral("Posizione definita del capogioco"), fraValidita),
                         0, 0, 1, 5);
    for (int p = 1; p <= 5; ++p) {
        chkPosizioneA[p] = CreaControllo<QCheckBox>(fraValidita, NomeElemento("chkPosizioneA", p), QString::number(p));
        chkPosizioneA[p]->setChecked(true);
        gValidita->addWidget(chkPosizioneA[p], 1, p - 1);
    }

    cmdCalcola = CreaControllo<QPushButton>(c, QStringLiteral("cmdCalcola"), QStringLiteral("Calcola"));
    cmdCalcola->setToolTip(QStringLiteral("Avvia la ricerca dei metodi"));
    cmdHelp = CreaControllo<QPushButton>(c, QStringLiteral("cmdHelp"), QStringLiteral("?"));

    // Results.
    lblSortite = CreaControllo<QLabel>(c, QStringLiteral("lblSortite"));
    lblOrdinamento = CreaControllo<QLabel>(c, QStringLiteral("lblOrdinamento"));
    ListViewOrdin2 = CreaControllo<ReportListView>(c, QStringLiteral("ListViewOrdin2"));
    ListViewOrdin2->setColumnHeaders({QStringLiteral("Descrizione algoritmo"),
                                      QStringLiteral("Pres./Quantità"),
                                      QStringLiteral("% Presenze"), QStringLiteral("Numero"),
                                      QStringLiteral("Sortite")});
    {
        const QFontMetrics fm = ListViewOrdin2->fontMetrics();
        const char* campioni[] = {"  99' su NZ x 99' su NZ + 99", "99999 / 99999", "100,0 %  ",
                                  "Differenza", "99999"};
        for (int i = 0; i < 5; ++i)
            ListViewOrdin2->setColumnWidth(i, fm.horizontalAdvance(QString::fromLatin1(campioni[i])) + 16);
        ColonneInVista(ListViewOrdin2, ListViewOrdin2->header());
    }
    ListViewOrdin = CreaControllo<ReportListView>(c, QStringLiteral("ListViewOrdin"));
    ListViewOrdin->setColumnHeaders({QStringLiteral("Pres./Quantità"), QStringLiteral("Descrizione"),
                                     QStringLiteral("Numero"), QStringLiteral("Sortite")});
    ListViewOrdin->setSortKey(0);
    ListViewOrdin->setSortOrder(Qt::DescendingOrder);
    ListViewOrdin->setSorted(true);
    ListViewOrdin->hide();

    // Current method and play date.
    auto* fraMetodo = new QGroupBox(c);
    auto* gMetodo = new QGridLayout(fraMetodo);
    txtCapoGioco = CreaControllo<QLineEdit>(fraMetodo, QStringLiteral("txtCapoGioco"));
    txtCapoGioco->setReadOnly(true);
    lblCapo = CreaControllo<QLabel>(fraMetodo, QStringLiteral("lblCapo"));
    cmdReport[0] = CreaControllo<QPushButton>(fraMetodo, NomeElemento("cmdReport", 0),
                                     QStringLiteral("Riepilogo della tecnica selezionata"));
    cmdReport[0]->setEnabled(false);
    cmdReport[1] = CreaControllo<QPushButton>(fraMetodo, NomeElemento("cmdReport", 1), QStringLiteral("Dettaglio vincite"));
    cmdReport[1]->hide();
    gMetodo->addWidget(txtCapoGioco, 0, 0, 1, 3);
    gMetodo->addWidget(lblCapo, 0, 3);
    gMetodo->addWidget(cmdReport[0], 2, 0, 1, 4);
    cmdVediNumeri = CreaControllo<QPushButton>(fraMetodo, QStringLiteral("cmdVediNumeri"),
                                      QStringLiteral("Vedi i numeri da giocare dopo il"));
    cmdPrecedente = CreaControllo<QPushButton>(fraMetodo, QStringLiteral("cmdPrecedente"), QStringLiteral("<"));
    txtDataFine = CreaControllo<QLineEdit>(fraMetodo, QStringLiteral("txtDataFine"));
    txtDataFine->setMaxLength(10);
    txtDataFine->setMinimumWidth(txtDataFine->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 12);
    cmdSuccessiva = CreaControllo<QPushButton>(fraMetodo, QStringLiteral("cmdSuccessiva"), QStringLiteral(">"));
    for (QPushButton* passo : {cmdPrecedente, cmdSuccessiva})
        passo->setFixedWidth(passo->fontMetrics().horizontalAdvance(QStringLiteral("<<")) + 20);
    gMetodo->addWidget(cmdVediNumeri, 1, 0);
    gMetodo->addWidget(cmdPrecedente, 1, 1);
    gMetodo->addWidget(txtDataFine, 1, 2);
    gMetodo->addWidget(cmdSuccessiva, 1, 3);
    cmdTraduciAlgoMultiRuota = CreaControllo<QPushButton>(fraMetodo, QStringLiteral("cmdTraduciAlgoMultiRuota"),
                                                 QStringLiteral("Traduci algoritmo multiruota (invisibile)"));
    cmdTraduciAlgoMultiRuota->hide();

    // Paired algorithms and numbers.
    auto* fraAbbinati = new QGroupBox(c);
    auto* gAbbinati = new QGridLayout(fraAbbinati);
    cboAlgoAbbinati = creaCombo(fraAbbinati, QStringLiteral("cboAlgoAbbinati"), true);
    cmdAlgoAbbinati = CreaControllo<QPushButton>(fraAbbinati, QStringLiteral("cmdAlgoAbbinati"), QStringLiteral("Cerca"));
    cmdCancellaAlgoritmiAbbinati = CreaControllo<QPushButton>(
        fraAbbinati, QStringLiteral("cmdCancellaAlgoritmiAbbinati"), QStringLiteral("Cancella"));
    lstAlgoritmiAbbinati = CreaControllo<QListWidget>(fraAbbinati, QStringLiteral("lstAlgoritmiAbbinati"));
    cboNumAbbinati = creaCombo(fraAbbinati, QStringLiteral("cboNumAbbinati"), true);
    cmdNumAbbinati = CreaControllo<QPushButton>(fraAbbinati, QStringLiteral("cmdNumAbbinati"), QStringLiteral("Cerca"));
    cmdCancellaNumeriAbbinati = CreaControllo<QPushButton>(
        fraAbbinati, QStringLiteral("cmdCancellaNumeriAbbinati"), QStringLiteral("Cancella"));
    lstNumeriAbbinati = CreaControllo<QListWidget>(fraAbbinati, QStringLiteral("lstNumeriAbbinati"));
    const auto lato = [&](int colonna, QComboBox* quanti, const char* cosa, QPushButton* cerca,
                          QPushButton* cancella, const char* titolo, QListWidget* lista) {
        auto* riga = new QHBoxLayout;
        riga->addWidget(new QLabel(QStringLiteral("Ricerca di"), fraAbbinati));
        riga->addWidget(quanti);
        riga->addWidget(cerca);
        riga->addWidget(cancella);
        gAbbinati->addLayout(riga, 0, colonna);
        gAbbinati->addWidget(new QLabel(QString::fromUtf8(cosa), fraAbbinati), 1, colonna);
        if (titolo)
            gAbbinati->addWidget(new QLabel(QString::fromUtf8(titolo), fraAbbinati), 2, colonna);
        // The result list above takes the height; these show a few rows.
        lista->setMaximumHeight(lista->fontMetrics().height() * 7);
        gAbbinati->addWidget(lista, 3, colonna);
    };
    lato(0, cboAlgoAbbinati, "algoritmi abbinati all'algoritmo capogioco", cmdAlgoAbbinati,
         cmdCancellaAlgoritmiAbbinati, " Algoritmi abbinati", lstAlgoritmiAbbinati);
    lato(1, cboNumAbbinati, "numeri abbinati al capogioco", cmdNumAbbinati, cmdCancellaNumeriAbbinati,
         nullptr, lstNumeriAbbinati);

    // Automatic search, hidden until its command shows it.
    fraRicercaAutomatica = CreaControllo<QGroupBox>(c, QStringLiteral("fraRicercaAutomatica"),
                                           QStringLiteral("Ricerca automatica"));
    auto* gAuto = new QGridLayout(fraRicercaAutomatica);
    fraRRicerca = CreaControllo<QGroupBox>(fraRicercaAutomatica, QStringLiteral("fraRRicerca"));
    auto* vRRicerca = new QVBoxLayout(fraRRicerca);
    vRRicerca->addWidget(new QLabel(QStringLiteral("Ruote di ricerca"), fraRRicerca));
    const char* ricerca[] = {"Tutte assieme", "1", "2"};
    for (int i = 0; i <= 2; ++i) {
        optRicerca[i] = CreaControllo<QRadioButton>(fraRRicerca, NomeElemento("optRicerca", i), QString::fromUtf8(ricerca[i]));
        vRRicerca->addWidget(optRicerca[i]);
    }
    optRicerca[1]->setChecked(true);
    vRRicerca->addWidget(new QLabel(QStringLiteral("in simultanea"), fraRRicerca));
    fraRGioco = CreaControllo<QGroupBox>(fraRicercaAutomatica, QStringLiteral("fraRGioco"));
    auto* vRGioco = new QVBoxLayout(fraRGioco);
    vRGioco->addWidget(new QLabel(QStringLiteral("Ruote di gioco"), fraRGioco));
    for (int i = 1; i <= 3; ++i) {
        optGioco[i] = CreaControllo<QRadioButton>(fraRGioco, NomeElemento("optGioco", i), QString::number(i));
        vRGioco->addWidget(optGioco[i]);
    }
    optGioco[1]->setChecked(true);
    vRGioco->addWidget(new QLabel(QStringLiteral("in simultanea"), fraRGioco));
    cboQuanti = creaCombo(fraRicercaAutomatica, QStringLiteral("cboQuanti"), false);
    cboQuanti->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    cmdAvviaRicercaAutomatica = CreaControllo<QPushButton>(fraRicercaAutomatica,
                                                  QStringLiteral("cmdAvviaRicercaAutomatica"),
                                                  QStringLiteral("Avvia ricerca automatica"));
    cmdEsci = CreaControllo<QPushButton>(fraRicercaAutomatica, QStringLiteral("cmdEsci"), QStringLiteral("Esci"));
    gAuto->addWidget(fraRRicerca, 0, 0, 1, 2);
    gAuto->addWidget(fraRGioco, 0, 2, 1, 2);
    gAuto->addWidget(new QLabel(QStringLiteral("Considera i primi"), fraRicercaAutomatica), 1, 0);
    gAuto->addWidget(cboQuanti, 1, 1);
    gAuto->addWidget(new QLabel(QStringLiteral("algoritmi di ogni lista"), fraRicercaAutomatica), 1, 2);
    gAuto->addWidget(cmdAvviaRicercaAutomatica, 2, 0, 1, 2);
    gAuto->addWidget(cmdEsci, 2, 2, 1, 2);
    fraRicercaAutomatica->hide();

    // Placement.
    auto* sinistra = new QVBoxLayout;
    sinistra->addWidget(fraRuote);
    sinistra->addWidget(fraRicercaAutomatica);
    auto* opzioni = new QGridLayout;
    opzioni->addWidget(fraCosa, 0, 0);
    opzioni->addWidget(fraTipo, 0, 1, 2, 1);
    opzioni->addWidget(fraIndice, 1, 0);
    opzioni->addWidget(fraPeriodo, 2, 0, 1, 2);
    opzioni->addWidget(fraColpi, 3, 0);
    opzioni->addWidget(fraValidita, 3, 1);
    sinistra->addLayout(opzioni);
    auto* comandi = new QHBoxLayout;
    comandi->addWidget(cmdCalcola);
    comandi->addStretch();
    comandi->addWidget(cmdHelp);
    sinistra->addLayout(comandi);
    sinistra->addStretch();

    auto* destra = new QVBoxLayout;
    destra->addWidget(lblSortite);
    destra->addWidget(lblOrdinamento);
    destra->addWidget(ListViewOrdin2, 1);
    destra->addWidget(ListViewOrdin);
    destra->addWidget(fraMetodo);
    destra->addWidget(fraAbbinati);

    auto* righe = new QHBoxLayout(c);
    righe->setContentsMargins(0, 0, 0, 0);
    righe->addLayout(sinistra);
    righe->addLayout(destra, 1);

    // The progress bar stays outside the inputs that a search disables.
    ProgressBar1 = CreaControllo<QProgressBar>(this, QStringLiteral("ProgressBar1"));
    ProgressBar1->setTextVisible(false);
    auto* finestra = new QVBoxLayout(this);
    finestra->addWidget(c, 1);
    finestra->addWidget(ProgressBar1);
    // Tight frames keep the window within a 768-pixel screen.
    for (QGroupBox* riquadro : c->findChildren<QGroupBox*>()) {
        if (QLayout* l = riquadro->layout()) {
            l->setContentsMargins(6, 4, 6, 4);
            l->setSpacing(4);
        }
    }
    // The lists widen with the window; at first it opens as narrow as its
    // controls allow, so that it fits a 1366-pixel screen.
    resize(minimumSizeHint().width(), sizeHint().height());
}

void frmQuorvane::collega()
{
    for (int i = 0; i <= 2; ++i) {
        on(optSpia[i], &QRadioButton::toggled, QStringLiteral("optSpia_Click"), [this](bool attivo) {
            if (attivo)
                optSpia_Click();
        });
        on(optTipo[i], &QRadioButton::toggled, QStringLiteral("optTipo_Click"), [this, i](bool attivo) {
            if (attivo)
                optTipo_Click(i);
        });
    }
    for (int i = 0; i <= 1; ++i)
        on(optPeriodo[i], &QRadioButton::toggled, QStringLiteral("optPeriodo_Click"),
           [this](bool attivo) {
               if (attivo)
                   optPeriodo_Click();
           });
    // A change from the user is the picker's Change followed by its Click,
    // once a typed date is whole: the lookups of the dates on the way to it
    // would refuse them with a message in the middle of the typing.
    on(DTPickerA, &DatePicker::dateCommitted, QStringLiteral("DTPickerA_Change"), [this] {
        const bool utente = !vbDateSetByCode(DTPickerA);
        DTPickerA_Change();
        if (utente)
            DTPickerA_Click();
    });
    on(DTPickerDa, &DatePicker::dateCommitted, QStringLiteral("DTPickerDa_Change"), [this] {
        const bool utente = !vbDateSetByCode(DTPickerDa);
        DTPickerDa_Change();
        if (utente)
            DTPickerDa_Click();
    });
    on(cboColpi, &QComboBox::currentIndexChanged, QStringLiteral("cboColpi_Click"),
       [this] { cboColpi_Click(); });
    on(cboNumero, &QComboBox::currentIndexChanged, QStringLiteral("cboNumero_Click"),
       [this] { PulisciRisultati(); });
    on(chkPosDet, &QCheckBox::toggled, QStringLiteral("chkPosDet_Click"), [this] { chkPosDet_Click(); });
    for (int p = 1; p <= 5; ++p) {
        on(chkPosizione[p], &QCheckBox::toggled, QStringLiteral("chkPosizione_Click"),
           [this] { PulisciRisultati(); });
        on(chkPosizioneA[p], &QCheckBox::toggled, QStringLiteral("chkPosizioneA_Click"),
           [this] { chkPosizioneA_Click(); });
    }
    on(chkStessaPosizione, &QCheckBox::toggled, QStringLiteral("chkStessaPosizione_Click"),
       [this] { PulisciRisultati(); });
    for (int i = 0; i <= 11; ++i) {
        on(chkRuota[i], &QToolButton::toggled, QStringLiteral("chkRuota_Click"),
           [this, i] { chkRuota_Click(i); });
        on(chkRuotaG[i], &QToolButton::toggled, QStringLiteral("chkRuotaG_Click"),
           [this, i] { chkRuotaG_Click(i); });
    }
    on(cmdCalcola, &QPushButton::clicked, QStringLiteral("cmdCalcola_Click"), [this] { cmdCalcola_Click(); });
    for (int i = 0; i <= 1; ++i)
        on(cmdReport[i], &QPushButton::clicked, QStringLiteral("cmdReport_Click"),
           [this, i] { cmdReport_Click(i); });
    on(cmdPrecedente, &QPushButton::clicked, QStringLiteral("cmdPrecedente_Click"),
       [this] { cmdPrecedente_Click(); });
    collegaAbbinati();
    on(cmdHelp, &QPushButton::clicked, QStringLiteral("cmdHelp_Click"),
       [] { Guida().HelpContext(GuidaQuorvane, QString()); });
    on(ListViewOrdin2, &QTreeWidget::itemClicked, QStringLiteral("ListViewOrdin2_Click"),
       [this](QTreeWidgetItem* riga) { ListViewOrdin2_Click(riga); });
    on(ListViewOrdin2->header(), &QHeaderView::sectionClicked, QStringLiteral("ListViewOrdin2_ColumnClick"),
       [this](int sezione) { ListViewOrdin2_ColumnClick(sezione + 1); });
}

ControlliAnalisi frmQuorvane::controlliAnalisi()
{
    ControlliAnalisi c;
    c.ruote = caselle(chkRuota);
    c.ruoteGioco = caselle(chkRuotaG);
    c.txtDataFine = txtDataFine;
    c.DTPickerDa = DTPickerDa;
    c.DTPickerA = DTPickerA;
    return c;
}
