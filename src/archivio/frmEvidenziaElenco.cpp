#include "archivio/frmEvidenziaElenco.h"

#include "archivio/PaginaElenco.h"
#include "archivio/frmElenco.h"
#include "archivio/modElenco.h"
#include "compat/vbformat.h"
#include "compat/ui/Colors.h"
#include "compat/ui/Controls.h"
#include "core/Procedure.h"
#include "shell/Controlli.h"
#include "shell/modAspetto.h"
#include "shell/modMetodoSpia.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

using namespace compat;

frmEvidenziaElenco::frmEvidenziaElenco()
{
    setObjectName(QStringLiteral("frmEvidenziaElenco"));
    setWindowTitle(QStringLiteral("Evidenzia in elenco estrazioni Lotto"));

    auto* tabella = new QGroupBox(QStringLiteral("Numeri da evidenziare"), this);
    auto* numeri = new QGridLayout(tabella);
    numeri->setSpacing(2);
    for (int i = 0; i < 90; ++i) {
        QLabel* l = CreaControllo<QLabel>(tabella, NomeElemento("lblTabella", i), QString::number(i + 1));
        l->setAlignment(Qt::AlignCenter);
        l->setFixedSize(24, 20);
        l->setFrameShape(QFrame::Box);
        l->setToolTip(QStringLiteral("Fare click per selezionare/deselezionare un numero"));
        l->installEventFilter(this);
        numeri->addWidget(l, i / 10, i % 10);
        lblTabella[size_t(i)] = l;
    }
    auto* conteggio = new QHBoxLayout;
    conteggio->addWidget(new QLabel(QStringLiteral("Selezionati:"), this));
    lblSelezionati = CreaControllo<QLabel>(this, QStringLiteral("lblSelezionati"));
    lblSelezionati->setToolTip(QStringLiteral("Quantità di numeri selezionati"));
    conteggio->addWidget(lblSelezionati);
    conteggio->addStretch();
    cmdCancella = PulsanteImmagine(this, QStringLiteral("cmdCancella"), QStyle::SP_DialogResetButton, QString());
    conteggio->addWidget(cmdCancella);

    auto* formazioni = new QGroupBox(QStringLiteral("Formazioni"), this);
    auto* griglia = new QGridLayout(formazioni);
    const char* const nomi[8] = {"&Cadenza", "&Decina", "&Figura", "&Gemelli", "Vertibili", "Complement.",
                                 "Controfigura", "Radicali"};
    const char* const suggerimenti[4] = {"Permette di selezionare una cadenza", "Permette di selezionare una decina",
                                         "Permette di selezionare una figura", "Permette di selezionare i gemelli"};
    for (int i = 0; i < 8; ++i) {
        cmdFormazione[size_t(i)] =
            CreaControllo<QPushButton>(formazioni, NomeElemento("cmdFormazione", i), QString::fromUtf8(nomi[i]));
        if (i < 4)
            cmdFormazione[size_t(i)]->setToolTip(QString::fromUtf8(suggerimenti[i]));
        griglia->addWidget(cmdFormazione[size_t(i)], i / 4, i % 4);
    }
    for (int d = 0; d <= 9; ++d) {
        cmdNumero[size_t(d)] = CreaControllo<QPushButton>(formazioni, NomeElemento("cmdNumero", d),
                                                          QStringLiteral("&%1").arg(d));
        cmdNumero[size_t(d)]->setEnabled(false);
        cmdNumero[size_t(d)]->setFixedWidth(30);
        griglia->addWidget(cmdNumero[size_t(d)], 2 + d / 5, d % 5);
    }

    auto* sorte = new QGroupBox(QStringLiteral("Sorte minima da rilevare (ogni ruota)"), this);
    auto* rigaSorte = new QHBoxLayout(sorte);
    cboSorte = creaCombo(sorte, QStringLiteral("cboSorte"), false);
    cboSorte->setToolTip(QStringLiteral("Sorte minima da rilevare"));
    rigaSorte->addWidget(cboSorte);

    auto* ripetuti = new QGridLayout;
    const char* const etichette[4] = {"", "N. ripetuti in 2 estrazioni successive (A ruota)",
                                      "Ambi  ripetuti in 2 estraz. successive (A ruota)",
                                      "Ambi ripetuti stessa estrazione (Tutte le ruote)"};
    for (int i = 1; i <= 3; ++i) {
        ripetuti->addWidget(new QLabel(QString::fromUtf8(etichette[i]), this), i, 0);
        cmdRipetuti[size_t(i)] =
            CreaControllo<QPushButton>(this, NomeElemento("cmdRipetuti", i), QStringLiteral("Calcola"));
        ripetuti->addWidget(cmdRipetuti[size_t(i)], i, 1);
    }

    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(tabella);
    colonna->addLayout(conteggio);
    colonna->addWidget(formazioni);
    colonna->addWidget(sorte);
    colonna->addLayout(ripetuti);

    on(cmdCancella, &QPushButton::clicked, QStringLiteral("cmdCancella_Click"), [this] { cmdCancella_Click(); });
    for (int i = 0; i < 8; ++i)
        on(cmdFormazione[size_t(i)], &QPushButton::clicked, QStringLiteral("cmdFormazione_Click"),
           [this, i] { cmdFormazione_Click(i); });
    for (int d = 0; d <= 9; ++d)
        on(cmdNumero[size_t(d)], &QPushButton::clicked, QStringLiteral("cmdNumero_Click"),
           [this, d] { cmdNumero_Click(d); });
    for (int i = 1; i <= 3; ++i)
        on(cmdRipetuti[size_t(i)], &QPushButton::clicked, QStringLiteral("cmdRipetuti_Click"),
           [this, i] { cmdRipetuti_Click(i); });
    on(cboSorte, &QComboBox::currentIndexChanged, QStringLiteral("cboSorte_Click"), [this] {
        SorteMinima = cboSorte->currentIndex() + 1;
        Ridisegna();
    });
}

void frmEvidenziaElenco::formLoad()
{
    Forms::current = this;
    CaricaPosizioneForm(this, CentraFinestre);
    ImpostaForm(this);
    InizializzaColoriElenco();
    vbPress(cmdCancella);
    cboSorte->clear();
    for (const char* s : {"Estratti", "Ambi    ", "Terni   ", "Quaterne", "Cinquine"})
        cboSorte->addItem(QString::fromLatin1(s));
    cboSorte->setCurrentIndex(0);
}

void frmEvidenziaElenco::formUnload(bool&)
{
    SalvaPosizioneForm(this);
}

bool frmEvidenziaElenco::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton)
        for (int i = 0; i < 90; ++i)
            if (o == lblTabella[size_t(i)]) {
                runHandler(QStringLiteral("lblTabella_Click"), [&] { lblTabella_Click(i); });
                return true;
            }
    return Form::eventFilter(o, e);
}

// The table repaints only while it is open.
void frmEvidenziaElenco::Ridisegna()
{
    if (auto* tabella = Forms::find<frmElenco>())
        vbPress(tabella->cmdEvidenzia);
}

void frmEvidenziaElenco::colora(int n, bool scelto)
{
    QLabel* l = lblTabella[size_t(n - 1)];
    vbSetBackColor(l, scelto ? ColoriSfondoElenco[size_t(IndiceDecina(n))] : 0xFFFFFFu);
    vbSetForeColor(l, scelto ? ColoriTestoElenco[size_t(IndiceDecina(n))] : 0u);
    NumeriEvidenziati[size_t(n)] = scelto;
}

void frmEvidenziaElenco::AggiornaTabella()
{
    int quanti = 0;
    for (int n = 1; n <= 90; ++n)
        quanti += NumeriEvidenziati[size_t(n)] ? 1 : 0;
    lblSelezionati->setText(vbFormat(double(quanti), u"@@"));
}

void frmEvidenziaElenco::cmdCancella_Click()
{
    for (int n = 1; n <= 90; ++n)
        colora(n, false);
    ModoEvidenzia = EvidenziaSelezionati;
    AggiornaTabella();
    Ridisegna();
}

void frmEvidenziaElenco::lblTabella_Click(int indice)
{
    ModoEvidenzia = EvidenziaSelezionati;
    cboSorte->setEnabled(true);
    abilitaCifre(0, -1);
    const int n = indice + 1;
    colora(n, !NumeriEvidenziati[size_t(n)]);
    AggiornaTabella();
    Ridisegna();
}

// Digits da..a enabled, the others disabled.
void frmEvidenziaElenco::abilitaCifre(int da, int a)
{
    for (int d = 0; d <= 9; ++d)
        cmdNumero[size_t(d)]->setEnabled(d >= da && d <= a);
}

void frmEvidenziaElenco::cmdFormazione_Click(int indice)
{
    ModoEvidenzia = EvidenziaSelezionati;
    cboSorte->setEnabled(true);
    switch (indice) {
    case FormazioneCadenza:
    case FormazioneControfigura:
        abilitaCifre(0, 9);
        break;
    case FormazioneDecina:
        abilitaCifre(0, 8);
        break;
    case FormazioneFigura:
        abilitaCifre(1, 9);
        break;
    case FormazioneRadicali:
        abilitaCifre(1, 8);
        break;
    case FormazioneGemelli:
        abilitaCifre(0, -1);
        for (int n = 11; n <= 88; n += 11)
            colora(n, true);
        AggiornaTabella();
        Ridisegna();
        break;
    case FormazioneVertibili:
    case FormazioneComplementari:
        abilitaCifre(0, -1);
        cboSorte->setEnabled(false);
        vbPress(cmdCancella);
        ModoEvidenzia = indice == FormazioneVertibili ? EvidenziaVertibili : EvidenziaComplementari;
        Ridisegna();
        break;
    default:
        break;
    }
    FormazioneScelta = indice;
}

void frmEvidenziaElenco::cmdNumero_Click(int indice)
{
    for (int n : numeriFormazione(FormazioneScelta, indice))
        colora(n, true);
    AggiornaTabella();
    Ridisegna();
}

void frmEvidenziaElenco::cmdRipetuti_Click(int indice)
{
    cboSorte->setEnabled(false);
    vbPress(cmdCancella);
    ModoEvidenzia = indice;
    Ridisegna();
}
