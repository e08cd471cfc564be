#include "sommativa/frmSommativaAmbi.h"

// The window's controls as designed, and which handler each event runs.
#include "compat/ui/Controls.h"
#include "compat/ui/KeyEvents.h"
#include "compat/ui/ReportListView.h"
#include "compat/ui/Twips.h"
#include "core/Procedure.h"
#include "shell/Controlli.h"
#include "shell/modGuida.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

using namespace compat;

namespace {

QLineEdit* casella(QWidget* padre, const QString& nome, const QString& testo, int lunghezza)
{
    auto* t = CreaControllo<QLineEdit>(padre, nome);
    t->setText(testo);
    t->setMaxLength(lunghezza);
    t->setAlignment(Qt::AlignCenter);
    t->setMaximumWidth(t->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
    return t;
}

void colonne(ReportListView* v, const QStringList& testate, std::initializer_list<int> larghezze,
             std::initializer_list<Qt::Alignment> allineamenti)
{
    v->setColumnHeaders(testate);
    int i = 0;
    for (int l : larghezze)
        v->setColumnWidth(i++, twipsToPx(l));
    i = 0;
    for (Qt::Alignment a : allineamenti)
        v->headerItem()->setTextAlignment(i++, a | Qt::AlignVCenter);
}

} // namespace

void frmSommativaAmbi::costruisci()
{
    corpo_ = new QWidget(this);
    QWidget* c = corpo_;

    fraRuote = CreaControllo<QGroupBox>(c, QStringLiteral("fraRuote"), QStringLiteral("Ruota"));
    chkRuota = creaCaselleRuote(fraRuote, QStringLiteral("chkRuota"), new QGridLayout(fraRuote), 0);
    // One wheel at a time: no "Tutte" box.
    delete chkRuota[0];
    chkRuota[0] = nullptr;

    Frame4 = CreaControllo<QGroupBox>(c, QStringLiteral("Frame4"), QStringLiteral("Indice mese"));
    cboIndice = CreaControllo<QComboBox>(Frame4, QStringLiteral("cboIndice"));
    (new QHBoxLayout(Frame4))->addWidget(cboIndice);

    fraColpi = CreaControllo<QGroupBox>(c, QStringLiteral("fraColpi"), QStringLiteral("Colpi"));
    txtColpi = casella(fraColpi, QStringLiteral("txtColpi"), QStringLiteral("5"), 2);
    (new QHBoxLayout(fraColpi))->addWidget(txtColpi);

    Frame2 = CreaControllo<QGroupBox>(c, QStringLiteral("Frame2"), QStringLiteral("Intervallo di simulazione"));
    auto* gIntervallo = new QGridLayout(Frame2);
    Label[0] = CreaControllo<QLabel>(Frame2, QStringLiteral("Label_0"), QStringLiteral("numero cicli"));
    txtGiocate = casella(Frame2, QStringLiteral("txtGiocate"), QStringLiteral("10"), 2);
    Label4 = CreaControllo<QLabel>(Frame2, QStringLiteral("Label4"), QStringLiteral("Al"));
    DTPickerA = creaData(Frame2, QStringLiteral("DTPickerA"));
    // The end date moves when an entry is done, not at every typed digit.
    DTPickerA->setKeyboardTracking(false);
    lblIndiceAl = CreaControllo<QLabel>(Frame2, QStringLiteral("lblIndiceAl"), QStringLiteral("13"));
    cmdPrecedente = CreaControllo<QPushButton>(Frame2, QStringLiteral("cmdPrecedente"), QStringLiteral("<"));
    cmdPrecedente->setToolTip(QStringLiteral("- 1 estrazione"));
    cmdSuccessiva = CreaControllo<QPushButton>(Frame2, QStringLiteral("cmdSuccessiva"), QStringLiteral(">"));
    cmdSuccessiva->setToolTip(QStringLiteral("+ 1 estrazione"));
    cmdUltima = CreaControllo<QPushButton>(Frame2, QStringLiteral("cmdUltima"), QStringLiteral(">|"));
    cmdUltima->setToolTip(QStringLiteral("Ultima estrazione in archivio"));
    for (QPushButton* b : {cmdPrecedente, cmdSuccessiva, cmdUltima})
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral(">|")) + 20);
    cmdCalcolaData = CreaControllo<QPushButton>(Frame2, QStringLiteral("cmdCalcolaData"),
                                       QStringLiteral("Vedi data inizio"));
    gIntervallo->addWidget(Label[0], 0, 0);
    gIntervallo->addWidget(txtGiocate, 0, 1);
    gIntervallo->addWidget(Label4, 1, 0);
    gIntervallo->addWidget(DTPickerA, 1, 1);
    gIntervallo->addWidget(lblIndiceAl, 1, 2);
    auto* passi = new QHBoxLayout;
    passi->addWidget(cmdPrecedente);
    passi->addWidget(cmdSuccessiva);
    passi->addWidget(cmdUltima);
    passi->addWidget(cmdCalcolaData);
    gIntervallo->addLayout(passi, 2, 0, 1, 3);

    Label[1] = CreaControllo<QLabel>(c, QStringLiteral("Label_1"), QStringLiteral("Quantità di risultati"));
    Label[4] = CreaControllo<QLabel>(c, QStringLiteral("Label_4"), QStringLiteral("desiderata"));
    txtQuanti = casella(c, QStringLiteral("txtQuanti"), QStringLiteral("5"), 3);
    // The common look gives cmdCalcola, cmdPrintToFile, cmdStampa and cmdHelp their tooltips.
    cmdCalcola = PulsanteImmagine(c, QStringLiteral("cmdCalcola"), QStyle::SP_MediaPlay, QString());

    ListViewRisultati = CreaControllo<ReportListView>(c, QStringLiteral("ListViewRisultati"));
    colonne(ListViewRisultati,
            {QStringLiteral("Algoritmo"), QStringLiteral("Casi positivi"),
             QStringLiteral("Casi negativi"), QStringLiteral("Quantità"), QStringLiteral("Numeri al")},
            {3250, 1600, 1600, 1000, 2100},
            {Qt::AlignLeft, Qt::AlignLeft, Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignLeft});
    cmdPrintToFile = PulsanteImmagine(c, QStringLiteral("cmdPrintToFile"), QStyle::SP_DialogSaveButton,
                                      QString());
    cmdStampa = PulsanteImmagine(c, QStringLiteral("cmdStampa"), QStyle::SP_FileDialogDetailedView,
                                 QString());

    Label[2] = CreaControllo<QLabel>(c, QStringLiteral("Label_2"), QStringLiteral("Dettaglio risultati dal"));
    DTPickerDaAnalisi = creaData(c, QStringLiteral("DTPickerDaAnalisi"));
    Label[3] = CreaControllo<QLabel>(c, QStringLiteral("Label_3"), QStringLiteral("al"));
    DTPickerAAnalisi = creaData(c, QStringLiteral("DTPickerAAnalisi"));
    cmdCalcolaRisultati = PulsanteImmagine(c, QStringLiteral("cmdCalcolaRisultati"),
                                           QStyle::SP_BrowserReload,
                                           QStringLiteral("Ricalcola il dettaglio"));
    lblDettaglio = CreaControllo<QLabel>(c, QStringLiteral("lblDettaglio"), QStringLiteral("Dettaglio giocate"));
    ListViewDettaglio = CreaControllo<ReportListView>(c, QStringLiteral("ListViewDettaglio"));
    ListViewDettaglio->setFont(QFont(QStringLiteral("Arial")));
    colonne(ListViewDettaglio,
            {QStringLiteral("Data previsione"), QStringLiteral("Numeri in gioco"), QStringLiteral("Esito")},
            {1550, 1600, 2250}, {Qt::AlignLeft, Qt::AlignLeft, Qt::AlignLeft});
    cmdPrintTofileDettagli = PulsanteImmagine(c, QStringLiteral("cmdPrintTofileDettagli"),
                                              QStyle::SP_DialogSaveButton,
                                              QStringLiteral("Salva il dettaglio su file"));
    cmdStampaDettagli = PulsanteImmagine(c, QStringLiteral("cmdStampaDettagli"),
                                         QStyle::SP_FileDialogDetailedView,
                                         QStringLiteral("Stampa il dettaglio"));
    cmdHelp = PulsanteImmagine(c, QStringLiteral("cmdHelp"), QStyle::SP_DialogHelpButton, QString());
    DTPickerDa = creaData(c, QStringLiteral("DTPickerDa"));
    DTPickerDa->hide();

    // Placement.
    auto* sinistra = new QVBoxLayout;
    sinistra->addWidget(fraRuote);
    auto* scelte = new QHBoxLayout;
    scelte->addWidget(Frame4);
    scelte->addWidget(fraColpi);
    sinistra->addLayout(scelte);
    sinistra->addWidget(Frame2);
    auto* quanti = new QHBoxLayout;
    auto* etichette = new QVBoxLayout;
    etichette->addWidget(Label[1]);
    etichette->addWidget(Label[4]);
    quanti->addLayout(etichette);
    quanti->addWidget(txtQuanti);
    quanti->addStretch();
    quanti->addWidget(cmdCalcola);
    quanti->addWidget(cmdHelp);
    sinistra->addLayout(quanti);
    sinistra->addStretch();

    auto* risultati = new QVBoxLayout;
    risultati->addWidget(ListViewRisultati, 1);
    auto* uscite = new QHBoxLayout;
    uscite->addStretch();
    uscite->addWidget(cmdPrintToFile);
    uscite->addWidget(cmdStampa);
    risultati->addLayout(uscite);
    auto* intervallo = new QHBoxLayout;
    intervallo->addWidget(Label[2]);
    intervallo->addWidget(DTPickerDaAnalisi);
    intervallo->addWidget(Label[3]);
    intervallo->addWidget(DTPickerAAnalisi);
    intervallo->addWidget(cmdCalcolaRisultati);
    intervallo->addStretch();
    risultati->addLayout(intervallo);
    risultati->addWidget(lblDettaglio);
    risultati->addWidget(ListViewDettaglio, 1);
    auto* usciteDettaglio = new QHBoxLayout;
    usciteDettaglio->addStretch();
    usciteDettaglio->addWidget(cmdPrintTofileDettagli);
    usciteDettaglio->addWidget(cmdStampaDettagli);
    risultati->addLayout(usciteDettaglio);

    auto* righe = new QHBoxLayout(c);
    righe->setContentsMargins(0, 0, 0, 0);
    righe->addLayout(sinistra);
    righe->addLayout(risultati, 1);

    // The progress bar stays outside the inputs that a search disables.
    ProgressBar1 = CreaControllo<QProgressBar>(this, QStringLiteral("ProgressBar1"));
    ProgressBar1->setTextVisible(false);
    auto* finestra = new QVBoxLayout(this);
    finestra->addWidget(c, 1);
    finestra->addWidget(ProgressBar1);
    resize(minimumSizeHint().width() + twipsToPx(9550) / 2, twipsToPx(7200));
}

void frmSommativaAmbi::collega()
{
    for (int i = 1; i <= 11; ++i)
        on(chkRuota[size_t(i)], &QToolButton::toggled, QStringLiteral("chkRuota_Click"),
           [this, i] { chkRuota_Click(i); });
    on(cboIndice, &QComboBox::currentIndexChanged, QStringLiteral("cboIndice_Click"),
       [this] { PulisciRisultati(); });
    for (QLineEdit* t : {txtColpi, txtGiocate, txtQuanti}) {
        const QString n = t->objectName();
        onGotFocus(this, t, n + QStringLiteral("_GotFocus"), [t] { t->setSelection(0, 3); });
        // Every key clears the results, a dropped one too; the rows wanted leave them.
        const bool pulisce = t != txtQuanti;
        onKeyPress(this, t, n + QStringLiteral("_KeyPress"), [this, pulisce](int tasto) {
            if (pulisce)
                PulisciRisultati();
            return SoloNumeri(tasto);
        });
        soloCifre(t);
    }
    // Aligned once a typed date is complete, not at each of its digits.
    on(DTPickerA, &DatePicker::dateCommitted, QStringLiteral("DTPickerA_Change"),
       [this] { AllineaDataFinale(); });
    on(cmdPrecedente, &QPushButton::clicked, QStringLiteral("cmdPrecedente_Click"),
       [this] { cmdPrecedente_Click(); });
    on(cmdSuccessiva, &QPushButton::clicked, QStringLiteral("cmdSuccessiva_Click"),
       [this] { cmdSuccessiva_Click(); });
    on(cmdUltima, &QPushButton::clicked, QStringLiteral("cmdUltima_Click"), [this] { cmdUltima_Click(); });
    on(cmdCalcolaData, &QPushButton::clicked, QStringLiteral("cmdCalcolaData_Click"),
       [this] { cmdCalcolaData_Click(); });
    on(cmdCalcola, &QPushButton::clicked, QStringLiteral("Pulsante Calcola "),
       [this] { cmdCalcola_Click(); });
    on(ListViewRisultati, &QTreeWidget::itemClicked, QStringLiteral("ListViewRisultati_ItemClick"),
       [this](QTreeWidgetItem* riga) { ListViewRisultati_ItemClick(riga); });
    on(ListViewRisultati->header(), &QHeaderView::sectionClicked,
       QStringLiteral("ListViewRisultati_ColumnClick"),
       [this](int sezione) { ListViewRisultati_ColumnClick(sezione + 1); });
    on(cmdCalcolaRisultati, &QPushButton::clicked, QStringLiteral("CalcolaRisultati"),
       [this] { CalcolaRisultati(); });
    on(cmdPrintToFile, &QPushButton::clicked, QStringLiteral("cmdPrintToFile_Click"),
       [this] { cmdPrintToFile_Click(); });
    on(cmdPrintTofileDettagli, &QPushButton::clicked, QStringLiteral("cmdPrintTofileDettagli_Click"),
       [this] { cmdPrintTofileDettagli_Click(); });
    on(cmdStampa, &QPushButton::clicked, QStringLiteral("cmdStampa_Click"), [this] { cmdStampa_Click(); });
    on(cmdStampaDettagli, &QPushButton::clicked, QStringLiteral("cmdStampaDettagli_Click"),
       [this] { cmdStampaDettagli_Click(); });
    on(cmdHelp, &QPushButton::clicked, QStringLiteral("cmdHelp_Click"),
       [] { Guida().HelpContext(2020, QString()); });
}
