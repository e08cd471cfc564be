#include "metodi/frmCapoAbbinamentiQuorvane.h"

#include "compat/ui/Colors.h"
#include "compat/ui/Controls.h"
#include "compat/ui/LinePrinter.h"
#include "compat/ui/Platform.h"
#include "compat/ui/ReportOutput.h"
#include "compat/ui/Twips.h"
#include "metodi/Abbinamenti.h"
#include "metodi/frmQuorvane.h"
#include "shell/Controlli.h"
#include "shell/modAspetto.h"
#include "shell/modMetodoSpia.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace compat;

namespace {

constexpr double kScostamento = 400;   // twips between twin windows
constexpr quint32 kRossoScuro = 128;

} // namespace

QString frmCapoAbbinamentiQuorvane::titolo()
{
    return QStringLiteral("Quorvane by Miravell - Capogioco e abbinamenti");
}

frmCapoAbbinamentiQuorvane::frmCapoAbbinamentiQuorvane()
{
    setObjectName(QStringLiteral("frmCapoAbbinamentiQuorvane"));
    setWindowTitle(titolo());

    const auto etichetta = [this](const QString& nome, const QString& testo) {
        return CreaControllo<QLabel>(this, nome, testo);
    };
    const auto casella = [this](const QString& nome) {
        auto* t = CreaControllo<QLineEdit>(this, nome);
        t->setMinimumWidth(t->fontMetrics().horizontalAdvance(QString(44, u'0')));
        return t;
    };
    Label1[0] = etichetta(NomeElemento("Label1", 0), QStringLiteral("Numeri da giocare su"));
    txtRuote = casella(QStringLiteral("txtRuote"));
    Label1[1] = etichetta(NomeElemento("Label1", 1), QString());
    Label2 = etichetta(QStringLiteral("Label2"), QStringLiteral("Capogioco :"));
    txtCapoGioco = casella(QStringLiteral("txtCapoGioco"));
    lblMultiSegnalazione = etichetta(QStringLiteral("lblMultiSegnalazione"), QString());
    Label4 = etichetta(QStringLiteral("Label4"), QStringLiteral("Abbinamenti ricavati da algoritmi :"));
    txtAbbinamentiAlgoritmi = casella(QStringLiteral("txtAbbinamentiAlgoritmi"));
    Label5 = etichetta(QStringLiteral("Label5"), QStringLiteral("Abbinamenti ricavati dal capogioco :"));
    txtAbbinamentiCapogioco = casella(QStringLiteral("txtAbbinamentiCapogioco"));

    cmdOk = CreaControllo<QPushButton>(this, QStringLiteral("cmdOk"), QStringLiteral("Ok"));
    QHBoxLayout* pulsanti = PulsantiUscita(this, cmdStampa, cmdPrintToFile, cmdOk);

    auto* griglia = new QGridLayout;
    griglia->addWidget(Label1[0], 0, 0);
    griglia->addWidget(txtRuote, 0, 1);
    griglia->addWidget(Label1[1], 1, 0, 1, 2);
    griglia->addWidget(Label2, 2, 0);
    griglia->addWidget(txtCapoGioco, 2, 1);
    griglia->addWidget(lblMultiSegnalazione, 3, 1);
    griglia->addWidget(Label4, 4, 0);
    griglia->addWidget(txtAbbinamentiAlgoritmi, 4, 1);
    griglia->addWidget(Label5, 5, 0);
    griglia->addWidget(txtAbbinamentiCapogioco, 5, 1);
    auto* colonna = new QVBoxLayout(this);
    colonna->addLayout(griglia);
    colonna->addLayout(pulsanti);

    on(cmdOk, &QPushButton::clicked, QStringLiteral("cmdOk_Click"), [this] { vbUnload(this); });
    on(cmdStampa, &QPushButton::clicked, QStringLiteral("cmdStampa_Click"), [this] { cmdStampa_Click(); });
    on(cmdPrintToFile, &QPushButton::clicked, QStringLiteral("cmdPrintToFile_Click"),
       [this] { cmdPrintToFile_Click(); });
}

void frmCapoAbbinamentiQuorvane::formLoad()
{
    Forms::current = this;
    ImpostaForm(this);
    CaricaPosizioneForm(this);
    // Each open twin moves this one further down and right.
    for (Form* f : Forms::all())
        if (f != this && f->windowTitle() == titolo()) {
            vbSetTop(this, vbTop(this) + kScostamento);
            vbSetLeft(this, vbLeft(this) + kScostamento);
        }
    for (QLineEdit* t : {txtRuote, txtCapoGioco, txtAbbinamentiAlgoritmi, txtAbbinamentiCapogioco})
        vbSetForeColor(t, kRossoScuro);
}

void frmCapoAbbinamentiQuorvane::formUnload(bool&)
{
    SalvaPosizioneForm(this);
}

QStringList frmCapoAbbinamentiQuorvane::righeFile() const
{
    const frmQuorvane* metodi = Forms::find<frmQuorvane>();
    return righeFileNumeri(txtRuote->text(), metodi ? metodi->txtDataFine->text() : QString(),
                           txtCapoGioco->text(), txtAbbinamentiAlgoritmi->text(),
                           txtAbbinamentiCapogioco->text());
}

void frmCapoAbbinamentiQuorvane::cmdStampa_Click()
{
    const std::optional<int> copie = askPrintCopies();
    if (!copie)
        return;
    auto p = platform().printers().open();
    for (int c = 1; c <= *copie; ++c) {
        if (c > 1)
            p->newPage();
        p->renderWidget(this);
    }
    finishPrint(*p);
}

void frmCapoAbbinamentiQuorvane::cmdPrintToFile_Click()
{
    if (const auto file = askOutputFile(QStringLiteral("NumeriQuorvane")))
        writeOutputFile(*file, righeFile());
}
