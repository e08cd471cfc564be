// The draw entry window's controls and their places.
#include "archivio/frmInputEstrazioni.h"

#include "archivio/InputEstrazioni.h"
#include "compat/vb.h"
#include "compat/vbdate.h"
#include "compat/ui/Colors.h"
#include "compat/ui/Controls.h"
#include "compat/ui/Twips.h"
#include "core/Procedure.h"
#include "shell/modArchivio.h"
#include "shell/Controlli.h"
#include "shell/modGuida.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <algorithm>

using namespace compat;

namespace {

QLineEdit* casella(QWidget* padre, const QString& nome, const QString& suggerimento)
{
    auto* t = new QLineEdit(padre);
    t->setObjectName(nome);
    t->setToolTip(suggerimento);
    t->setReadOnly(true);
    t->setAlignment(Qt::AlignCenter);
    vbSetBackColor(t, frmInputEstrazioni::kCiano);
    return t;
}

} // namespace

void frmInputEstrazioni::creaControlli()
{
    auto* Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    vbMove(Frame1, 120, 60, 3600, 5040);
    for (int k = 1; k <= kCaselle; ++k) {
        const int riga = (k - 1) / 5 + 1;
        const int colonna = (k - 1) % 5 + 1;
        txtEstratto[k] = casella(Frame1, QStringLiteral("txtEstratto_%1").arg(k), {});
        const double top = riga <= 10 ? 250 + 400 * (riga - 1) : 4440;
        const double left = 1280 + 420 * (colonna - 1) - (riga == 11 ? 5 : 0);
        vbMove(txtEstratto[k], left, top, 390, 390);
        soloCifre(txtEstratto[k]);
        txtEstratto[k]->installEventFilter(this);
    }
    for (int i = 0; i <= 9; ++i) {
        auto* img = CreaControllo<QLabel>(Frame1, QString(), vbTrim(nomeRuota(i + 1)));
        img->setObjectName(QStringLiteral("imgRuota_%1").arg(i));
        vbMove(img, 100, 280 + 400 * i, 1150, 330);
    }
    auto* Line1 = new QFrame(Frame1);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    vbMove(Line1, 100, 4340, 3400, 30);
    Label3 = CreaControllo<QLabel>(Frame1, QStringLiteral("Label3"), QStringLiteral("Nazionale"));
    Label3->setToolTip(QStringLiteral("Nazionale"));
    vbMove(Label3, 100, 4470, 1150, 330);

    auto* Frame2 = new QGroupBox(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    vbMove(Frame2, 3840, 60, 3600, 1560);
    cmdPrecedente = PulsanteImmagine(Frame2, QStringLiteral("cmdPrecedente"), QStyle::SP_ArrowLeft,
                                     QStringLiteral("-1 estrazione oppure diminuisce di 1 giorno la data"));
    vbMove(cmdPrecedente, 120, 200, 500, 420);
    txtGiorno = casella(Frame2, QStringLiteral("txtGiorno"), QStringLiteral("Giorno estrazione"));
    vbMove(txtGiorno, 720, 220, 500, 380);
    txtMese = casella(Frame2, QStringLiteral("txtMese"), QStringLiteral("Mese estrazione"));
    vbMove(txtMese, 1260, 220, 500, 380);
    txtAnno = casella(Frame2, QStringLiteral("txtAnno"), QStringLiteral("Anno estrazione"));
    vbMove(txtAnno, 1800, 220, 800, 380);
    cmdSuccessiva = PulsanteImmagine(Frame2, QStringLiteral("cmdSuccessiva"), QStyle::SP_ArrowRight,
                                     QStringLiteral("+1 estrazione oppure aumentadi 1 giorno la data"));
    vbMove(cmdSuccessiva, 2700, 200, 500, 420);
    lblDescEstrazione = CreaControllo<QLabel>(Frame2, QStringLiteral("lblDescEstrazione"), QStringLiteral("Estrazione n."));
    vbMove(lblDescEstrazione, 120, 720, 1000, 300);
    lblNumeroAnnoEstraz = CreaControllo<QLabel>(Frame2, QStringLiteral("lblNumeroAnnoEstraz"), {});
    vbMove(lblNumeroAnnoEstraz, 1120, 720, 450, 300);
    lblAnnoEstrazione = CreaControllo<QLabel>(Frame2, QStringLiteral("lblAnnoEstrazione"), {});
    vbMove(lblAnnoEstrazione, 1570, 720, 800, 300);
    lblGiornoEstraz = CreaControllo<QLabel>(Frame2, QStringLiteral("lblGiornoEstraz"), {});
    vbMove(lblGiornoEstraz, 2400, 720, 1100, 300);
    AllargaPerTesto(lblDescEstrazione, lblDescEstrazione->text(),
                    {lblNumeroAnnoEstraz, lblAnnoEstrazione, lblGiornoEstraz});
    // The row keeps its designed end inside the frame, as far as the longest weekday leaves room.
    int giorno = 0;
    for (int g = 1; g <= 7; ++g)
        giorno = std::max(giorno, lblGiornoEstraz->fontMetrics().horizontalAdvance(vbWeekdayName(g)));
    lblGiornoEstraz->resize(std::max(giorno, twipsToPx(3500) - lblGiornoEstraz->x()), lblGiornoEstraz->height());
    Slider1 = new QSlider(Qt::Horizontal, Frame2);
    Slider1->setObjectName(QStringLiteral("Slider1"));
    Slider1->setToolTip(QStringLiteral("Slider numero estrazione"));
    Slider1->setMinimum(1);
    vbMove(Slider1, 120, 1080, 3360, 380);

    auto* Frame3 = new QGroupBox(this);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    vbMove(Frame3, 3840, 1680, 3600, 3420);
    Text1 = new QPlainTextEdit(Frame3);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setToolTip(QStringLiteral("Puoi incollare qui (CTRL-V) una estrazione memorizzata negli "
                                     "appunti di Windows, quindi premi \"Inserisci\""));
    Text1->setReadOnly(true);
    vbSetBackColor(Text1, kCiano);
    vbMove(Text1, 110, 180, 3375, 2895);
    cmdInserisci = PulsanteImmagine(Frame3, QStringLiteral("cmdInserisci"), QStyle::SP_ArrowLeft,
                                    QStringLiteral("Inseriscii dati presenti nella finestra di testo"));
    vbMove(cmdInserisci, 110, 3000, 700, 400);
    cmdCancella = PulsanteImmagine(Frame3, QStringLiteral("cmdCancella"), QStyle::SP_TrashIcon,
                                   QStringLiteral("Cancella i dati presenti nella finestra di testo"));
    vbMove(cmdCancella, 900, 3000, 700, 400);
    cmdAiuto = PulsanteImmagine(Frame3, QStringLiteral("cmdAiuto"), QStyle::SP_DialogHelpButton,
                                QStringLiteral("Aiuto"));
    vbMove(cmdAiuto, 2780, 3000, 700, 400);
    vbMove(Text1, 110, 180, 3375, 2760);

    auto* Frame5 = new QGroupBox(this);
    Frame5->setObjectName(QStringLiteral("Frame5"));
    vbMove(Frame5, 7560, 60, 1380, 2700);
    const auto comando = [&](const char* nome, QStyle::StandardPixmap icona, const char* suggerimento,
                             int i) {
        auto* b = PulsanteImmagine(Frame5, QString::fromLatin1(nome), icona,
                                   QString::fromLatin1(suggerimento));
        vbMove(b, 120, 200 + 620 * i, 1140, 560);
        return b;
    };
    cmdNuova = comando("cmdNuova", QStyle::SP_FileIcon, "Nuova estrazione", 0);
    cmdCorreggi = comando("cmdCorreggi", QStyle::SP_FileDialogContentsView, "Correggi estrazione", 1);
    cmdMemorizza = comando("cmdMemorizza", QStyle::SP_DialogSaveButton, "memorizza estrazione", 2);
    cmdEsci = comando("cmdEsci", QStyle::SP_DialogCloseButton, "", 3);

    auto* Frame4 = new QGroupBox(this);
    Frame4->setObjectName(QStringLiteral("Frame4"));
    vbMove(Frame4, 7560, 2820, 1380, 1200);
    lblTotaleEstrazioni = CreaControllo<QLabel>(Frame4, QStringLiteral("lblTotaleEstrazioni"), {});
    lblTotaleEstrazioni->setAlignment(Qt::AlignCenter);
    vbMove(lblTotaleEstrazioni, 60, 200, 1260, 300);
    Label2 = CreaControllo<QLabel>(Frame4, QStringLiteral("Label2"), QStringLiteral("Estrazioni in archivio"));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignCenter);
    vbMove(Label2, 60, 520, 1260, 600);

    cmdMemorizza->setEnabled(false);
    cmdInserisci->setEnabled(false);
    cmdCancella->setEnabled(false);

    on(cmdNuova, &QPushButton::clicked, QStringLiteral("cmdNuova_Click"), [this] { cmdNuova_Click(); });
    on(cmdCorreggi, &QPushButton::clicked, QStringLiteral("cmdCorreggi_Click"),
       [this] { cmdCorreggi_Click(); });
    on(cmdMemorizza, &QPushButton::clicked, QStringLiteral("cmdMemorizza_Click"),
       [this] { cmdMemorizza_Click(); });
    on(cmdInserisci, &QPushButton::clicked, QStringLiteral("cmdInserisci_Click"),
       [this] { cmdInserisci_Click(); });
    on(cmdCancella, &QPushButton::clicked, QStringLiteral("cmdCancella_Click"),
       [this] { cmdCancella_Click(); });
    on(cmdEsci, &QPushButton::clicked, QStringLiteral("cmdEsci_Click"), [this] { vbUnload(this); });
    on(cmdAiuto, &QPushButton::clicked, QStringLiteral("cmdAiuto_Click"),
       [] { Guida().HelpContext(GuidaInputEstrazioni, QString()); });
    on(cmdPrecedente, &QPushButton::clicked, QStringLiteral("cmdPrecedente_Click"),
       [this] { cmdPrecedente_Click(); });
    on(cmdSuccessiva, &QPushButton::clicked, QStringLiteral("cmdSuccessiva_Click"),
       [this] { cmdSuccessiva_Click(); });
    on(Slider1, &QSlider::valueChanged, QStringLiteral("Slider1_Change"),
       [this](int v) { Slider1_Change(v); });
    on(txtGiorno, &QLineEdit::textChanged, QStringLiteral("txtGiorno_Change"),
       [this] { txtGiorno_Change(); });
    // Another window's store moves the count and the slider's end at once.
    connect(&avvisoArchivio(), &AvvisoArchivio::estrazioniCambiate, this,
            handler(QStringLiteral("ArchivioCambiato"), [this] {
                if (!scritturaInCorso_)
                    LeggiUltimaEstrazione();
            }));
}

