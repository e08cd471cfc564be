#include "shell/frmDati.h"

#include "compat/AppError.h"
#include "compat/vb.h"
#include "compat/vbdate.h"
#include "compat/ui/Controls.h"
#include "compat/ui/Twips.h"
#include "core/TabellaImpostazioni.h"
#include "core/Periodo.h"
#include "shell/Controlli.h"
#include "shell/modArchivio.h"
#include "shell/modAspetto.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <algorithm>

using namespace compat;

namespace {

// A slider value from a text, inside the slider's range whatever the text;
// a fraction rounds as any whole-number property does (halves to even).
int valoreSlider(const QSlider* s, const QString& testo)
{
    return static_cast<int>(
        vbRound(std::clamp(numeroDigitato(testo), double(s->minimum()), double(s->maximum()))));
}

QDateEdit* nuovaData(QWidget* padre, const QString& nome, const QString& suggerimento)
{
    QDateEdit* d = creaData(padre, nome);
    d->setToolTip(suggerimento);
    return d;
}

QLineEdit* nuovoNumero(QWidget* padre, const QString& nome, const QString& suggerimento)
{
    auto* t = new QLineEdit(padre);
    t->setObjectName(nome);
    t->setToolTip(suggerimento);
    t->setMaximumWidth(70);
    return t;
}

// The bar's track: 4000 twips after a margin of 1390.
constexpr double kTraccia = 4000;
constexpr double kMargineBarra = 1390;

} // namespace

frmDati::frmDati()
{
    setObjectName(QStringLiteral("frmDati"));

    SliderDal = new QSlider(Qt::Horizontal, this);
    SliderDal->setObjectName(QStringLiteral("SliderDal"));
    SliderAl = new QSlider(Qt::Horizontal, this);
    SliderAl->setObjectName(QStringLiteral("SliderAl"));
    for (QSlider* s : {SliderDal, SliderAl})
        s->setMinimum(1);

    dtpDataInizio = nuovaData(this, QStringLiteral("dtpDataInizio"),
                              QStringLiteral("Data inizio ricerche statistiche"));
    dtpDataFine = nuovaData(this, QStringLiteral("dtpDataFine"),
                            QStringLiteral("Data fine ricerche statistiche"));
    txtNumEstrazioneInizio = nuovoNumero(this, QStringLiteral("txtNumEstrazioneInizio"),
                                         QStringLiteral("Numero estrazione inizio ricerca"));
    txtNumEstrazioneFine = nuovoNumero(this, QStringLiteral("txtNumEstrazioneFine"),
                                       QStringLiteral("Numero estrazione fine ricerca"));

    chkLock = new QCheckBox(QStringLiteral("Blocca intervallo"), this);
    chkLock->setObjectName(QStringLiteral("chkLock"));
    chkLock->setToolTip(QStringLiteral("Blocca l'intervallo di ricerca"));
    lblQuanteEstrazioni = new QLabel(this);
    lblQuanteEstrazioni->setObjectName(QStringLiteral("lblQuanteEstrazioni"));

    auto* traccia = new QWidget(this);
    traccia->setFixedSize(twipsToPx(kMargineBarra + kTraccia + 60), 10);
    Picture1 = new QFrame(traccia);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFrameShape(QFrame::Box);
    Picture1->setAutoFillBackground(true);
    Picture1->setStyleSheet(QStringLiteral("background-color: #000080;"));
    Picture1->setGeometry(twipsToPx(kMargineBarra), 0, 0, 10);

    static const char* const etichette[] = {"dal", "al", "n.", "n."};
    for (int i = 0; i <= 3; ++i) {
        Label2[i] = new QLabel(QString::fromLatin1(etichette[i]), this);
        Label2[i]->setObjectName(QStringLiteral("Label2_%1").arg(i));
    }

    static const char* const didascalie[] = {"", "<", "<<", ">>", ">", "<", "<<",
                                             ">>", ">", "<<<", ">>>", "<<<", ">>>"};
    for (int i = 1; i <= 12; ++i) {
        cmdCambioData[i] = new QPushButton(QString::fromLatin1(didascalie[i]), this);
        cmdCambioData[i]->setObjectName(QStringLiteral("cmdCambioData_%1").arg(i));
        cmdCambioData[i]->setMaximumWidth(36);
    }

    // Start row, its slider, end row, its slider, then the bar.
    auto* g = new QGridLayout(this);
    const int riga[2][6] = {{9, 2, 1, 4, 3, 12}, {11, 6, 5, 8, 7, 10}};
    QDateEdit* date[2] = {dtpDataInizio, dtpDataFine};
    QLineEdit* numeri[2] = {txtNumEstrazioneInizio, txtNumEstrazioneFine};
    QSlider* slider[2] = {SliderDal, SliderAl};
    for (int k = 0; k <= 1; ++k) {
        const int r = k * 2;
        g->addWidget(Label2[k], r, 0);
        for (int j = 0; j < 3; ++j)
            g->addWidget(cmdCambioData[riga[k][j]], r, 1 + j);
        g->addWidget(date[k], r, 4);
        for (int j = 3; j < 6; ++j)
            g->addWidget(cmdCambioData[riga[k][j]], r, 2 + j);
        g->addWidget(Label2[2 + k], r, 8);
        g->addWidget(numeri[k], r, 9);
        g->addWidget(slider[k], r + 1, 0, 1, 10);
    }
    g->addWidget(traccia, 4, 0, 1, 8);
    g->addWidget(chkLock, 5, 0, 1, 4);
    g->addWidget(lblQuanteEstrazioni, 5, 8, 1, 2);

    on(SliderDal, &QSlider::valueChanged, QStringLiteral("SliderDal_Change"),
       [this] { AggiornaPeriodo(true); });
    on(SliderAl, &QSlider::valueChanged, QStringLiteral("SliderAl_Change"),
       [this] { AggiornaPeriodo(false); });
    on(dtpDataInizio, &QDateEdit::dateChanged, QStringLiteral("dtpDataInizio_Change"),
       [this] { dtpData_Change(true); });
    on(dtpDataFine, &QDateEdit::dateChanged, QStringLiteral("dtpDataFine_Change"),
       [this] { dtpData_Change(false); });
    on(chkLock, &QCheckBox::toggled, QStringLiteral("chkLock_Click"), [this] {
        if (chkLock->isChecked())
            Ampiezza = SliderAl->value() - SliderDal->value();
    });
    for (int i = 1; i <= 12; ++i)
        on(cmdCambioData[i], &QPushButton::clicked, QStringLiteral("cmdCambioData_Click"),
           [this, i] { cmdCambioData_Click(i); });
    txtNumEstrazioneInizio->installEventFilter(this);
    txtNumEstrazioneFine->installEventFilter(this);
}

void frmDati::formLoad()
{
    Caricamento = true;

    const double schermoL = screenWidthTwips();
    const double schermoA = screenHeightTwips();
    double sinistra = vbVal(leggi(imp::DatiLeft, QString::number(qint64(schermoL - 9100))));
    double alto = vbVal(leggi(imp::DatiTop));
    if (sinistra > schermoL - 1000 || alto > schermoA - 1000) {
        sinistra = schermoL - 9100;
        alto = 0;
    }
    restoreFrameOrigin(this, sinistra, alto);

    const int n = std::max<qint32>(NumeroEstrazioni, 1);
    SliderDal->setMaximum(n);
    SliderAl->setMaximum(n);

    const QString ultima = leggi(imp::UltimaEstrazione);
    const QString blocco = leggi(imp::Blocco);
    // Out-of-range values stop at the archive's ends; the end then follows
    // the start (AggiornaPeriodo).
    SliderDal->setValue(valoreSlider(SliderDal, leggi(imp::InizioRicercaDati)));
    if (ultima == u"Y")
        SliderAl->setValue(n);
    else
        SliderAl->setValue(valoreSlider(
            SliderAl, leggi(imp::FineRicerca, QString::number(NumeroEstrazioni))));

    setWindowTitle(QStringLiteral("  Impostazione date per il Lotto"));
    Scala = NumeroEstrazioni > 0 ? kTraccia / NumeroEstrazioni : 0;
    disegnaBarra();
    if (blocco == u"Y")
        chkLock->setChecked(true);
    lblQuanteEstrazioni->setText(
        QStringLiteral("(") +
        vbCStr(vbVal(txtNumEstrazioneFine->text()) - vbVal(txtNumEstrazioneInizio->text()) + 1) +
        QStringLiteral(")"));
    AggiornaPeriodo(false);
    Caricamento = false;
    Forms::current = this;
    ImpostaForm(this);

    static const char* const suggerimenti[] = {
        "",
        "Diminuisce di una estrazione la data di inizio ricerca",
        "Diminuisce di 10 estrazioni la data di inizio ricerca",
        "Aumenta di 10 estrazioni la data di inizio ricerca",
        "Aumenta di una estrazione la data di inizio ricerca",
        "Diminuisce di una estrazione la data di fine ricerca",
        "Diminuisce di 10 estrazioni la data di fine ricerca",
        "Aumenta di 10 estrazioni la data di fine ricerca",
        "Aumenta di una estrazione la data di fine ricerca",
        "Diminuisce di 100 estrazioni la data di inizio ricerca",
        "Aumenta di 100 estrazioni la data di fine ricerca",
        "Diminuisce di 100 estrazioni la data di fine ricerca",
        "Aumenta di 100 estrazioni la data di inizio ricerca",
    };
    for (int i = 1; i <= 12; ++i)
        cmdCambioData[i]->setToolTip(QString::fromLatin1(suggerimenti[i]));
}

void frmDati::disegnaBarra()
{
    const int dal = SliderDal->value();
    const int al = SliderAl->value();
    vbSetWidth(Picture1, vbInt((al - dal) * Scala));
    vbSetLeft(Picture1, vbInt(dal * Scala) + kMargineBarra);
}

void frmDati::cmdCambioData_Click(int indice)
{
    const PeriodoRicerca p =
        passoPeriodo(indice, {SliderDal->value(), SliderAl->value()}, NumeroEstrazioni);
    SliderDal->setValue(p.inizio);
    if (!(chkLock->isChecked() && passoSullInizio(indice)))
        SliderAl->setValue(p.fine);
}

void frmDati::dtpData_Change(bool inizio)
{
    bool& guardia = inizio ? inDataInizio : inDataFine;
    if (guardia)
        return;
    FlagScope scope(guardia);
    QDateEdit* picker = inizio ? dtpDataInizio : dtpDataFine;
    CercaEstrazione(vbDateText(picker->date()));
    if (DataErrata)
        AggiornaPeriodo(inizio);
    else
        (inizio ? SliderDal : SliderAl)->setValue(EstrazioneTrovata);
}

void frmDati::AggiornaPeriodo(bool inizio)
{
    if (InAggiornamento)
        return;
    InAggiornamento = true;
    vbResumeNext([&] {
        const PeriodoRicerca p =
            allineaPeriodo({SliderDal->value(), SliderAl->value()}, chkLock->isChecked(),
                           Ampiezza, inizio, NumeroEstrazioni);
        SliderDal->setValue(p.inizio);
        SliderAl->setValue(p.fine);
    });
    vbResumeNext([&] { disegnaBarra(); });
    vbResumeNext([&] {
        if (const auto d = vbCDate(DataEstrazione(SliderDal->value())))
            vbSetDate(dtpDataInizio, *d);
    });
    vbResumeNext([&] {
        if (const auto d = vbCDate(DataEstrazione(SliderAl->value())))
            vbSetDate(dtpDataFine, *d);
    });
    vbResumeNext([&] { vbSetText(txtNumEstrazioneInizio, QString::number(SliderDal->value())); });
    vbResumeNext([&] { vbSetText(txtNumEstrazioneFine, QString::number(SliderAl->value())); });
    InAggiornamento = false;
    vbResumeNext([&] {
        lblQuanteEstrazioni->setText(QStringLiteral("(") +
                                     vbCStr(vbVal(txtNumEstrazioneFine->text()) -
                                            vbVal(txtNumEstrazioneInizio->text()) + 1) +
                                     QStringLiteral(")"));
    });
    if (!Caricamento)
        vbResumeNext([&] { SalvaPeriodo(); });
}

void frmDati::SalvaPeriodo()
{
    salva(imp::DataInizioRicerca, vbDateText(dtpDataInizio->date()));
    salva(imp::DataFineRicerca, vbDateText(dtpDataFine->date()));
    if (numeroDigitato(txtNumEstrazioneInizio->text()) > 0)
        salva(imp::InizioRicerca, vbTrim(txtNumEstrazioneInizio->text()));
    if (numeroDigitato(txtNumEstrazioneFine->text()) > 0)
        salva(imp::FineRicerca, vbTrim(txtNumEstrazioneFine->text()));
    salva(imp::Blocco, chkLock->isChecked() ? QStringLiteral("Y") : QStringLiteral("N"));
    salva(imp::UltimaEstrazione,
          numeroDigitato(txtNumEstrazioneFine->text()) == NumeroEstrazioni ? QStringLiteral("Y")
                                                                   : QStringLiteral("N"));
}

bool frmDati::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::FocusOut &&
        (o == txtNumEstrazioneInizio || o == txtNumEstrazioneFine)) {
        const bool inizio = o == txtNumEstrazioneInizio;
        runHandler(inizio ? QStringLiteral("txtNumEstrazioneInizio_LostFocus")
                          : QStringLiteral("txtNumEstrazioneFine_LostFocus"),
                   [this, inizio] {
                       QSlider* s = inizio ? SliderDal : SliderAl;
                       QLineEdit* t = inizio ? txtNumEstrazioneInizio : txtNumEstrazioneFine;
                       s->setValue(valoreSlider(s, t->text()));
                       AggiornaPeriodo(inizio);
                   });
    }
    return Form::eventFilter(o, e);
}

bool frmDati::event(QEvent* e)
{
    if (e->type() == QEvent::WindowDeactivate && isLoaded())
        runHandler(QStringLiteral("Form_LostFocus"), [this] { SalvaPeriodo(); });
    return Form::event(e);
}

void frmDati::queryUnload(int, bool&)
{
    SalvaPeriodo();
}

void frmDati::formUnload(bool&)
{
    if (!isMinimized()) {
        const FrameTwips f = keptFrameOf(this);
        salva(imp::DatiLeft, vbCStr(f.left));
        salva(imp::DatiTop, vbCStr(f.top));
    }
}
