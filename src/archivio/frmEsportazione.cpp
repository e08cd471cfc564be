#include "archivio/frmEsportazione.h"

#include "archivio/FileAggiornamento.h"
#include "archivio/frmAggiornaInternet.h"
#include "archivio/frmAggiornamenti.h"
#include "archivio/modAggiornamento.h"
#include "compat/files.h"
#include "compat/ui/Platform.h"
#include "compat/ui/Twips.h"
#include "shell/modArchivio.h"
#include "shell/modAspetto.h"
#include "shell/modControlli.h"
#include "shell/modGuida.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

using namespace compat;

namespace {

QLabel* etichetta(QWidget* padre, const QString& nome, const QString& testo, double l, double t,
                  double w = 300, double h = 255)
{
    auto* e = new QLabel(testo, padre);
    e->setObjectName(nome);
    e->setGeometry(twipsToPx(l), twipsToPx(t), twipsToPx(w), twipsToPx(h));
    return e;
}

QPushButton* pulsante(QWidget* padre, const char* nome, QStyle::StandardPixmap icona,
                      const QString& parola, double l, double w)
{
    auto* b = PulsanteImmagine(padre, QString::fromLatin1(nome), icona, QString());
    b->setText(parola);
    b->setGeometry(twipsToPx(l), twipsToPx(1680), twipsToPx(w), twipsToPx(450));
    return b;
}

QString percorsoReale(const QString& p)
{
    const QFileInfo fi(p);
    const QString c = fi.canonicalFilePath();
    return c.isEmpty() ? fi.absoluteFilePath() : c;
}

} // namespace

bool FileInUso(const QString& percorso)
{
    const QString p = percorsoReale(percorso);
    QStringList inUso = {Archivio().fileEstrazioni().path(), Archivio().fileAnni().path()};
    if (auto* f = Forms::find<frmAggiornamenti>())
        inUso << f->fileAperto();
    if (auto* f = Forms::find<frmAggiornaInternet>())
        inUso << f->fileAperto();
    for (const QString& u : inUso)
        if (!u.isEmpty() && percorsoReale(u) == p)
            return true;
    return false;
}

frmEsportazione::frmEsportazione()
{
    setObjectName(QStringLiteral("frmEsportazione"));
    setWindowTitle(QStringLiteral("Esportazione archivio lotto"));
    Label1[1] = etichetta(this, QStringLiteral("Label1_1"), QStringLiteral("Esporta aggiornamento al :"),
                          360, 540, 2655);
    lblUltima = etichetta(this, QStringLiteral("lblUltima"), {}, 2880, 525, 1335, 300);
    Label1[0] = etichetta(this, QStringLiteral("Label1_0"), QStringLiteral("Estrazione n. "), 1080, 1080,
                          1215);
    lblNumero = etichetta(this, QStringLiteral("lblNumero"), {}, 2280, 1080, 495, 300);
    Label2 = etichetta(this, QStringLiteral("Label2"), QStringLiteral("/"), 2775, 1080, 100, 300);
    lblAnno = etichetta(this, QStringLiteral("lblAnno"), {}, 2880, 1080, 795, 300);
    lblUltima->setToolTip(QStringLiteral("Data di esportazione degli archivi"));
    lblNumero->setToolTip(QStringLiteral("Numero estrazione"));
    lblAnno->setToolTip(QStringLiteral("Anno estrazione"));
    cmdEsporta = pulsante(this, "cmdEsporta", QStyle::SP_DialogSaveButton, QStringLiteral("Esporta"), 465,
                          1395);
    cmdEsci = pulsante(this, "cmdEsci", QStyle::SP_DialogCloseButton, QStringLiteral("Esci"), 1972, 1335);
    cmdHelp = pulsante(this, "cmdHelp", QStyle::SP_DialogHelpButton, QString(), 3420, 800);
    setFixedSize(twipsToPx(4500), twipsToPx(2400));

    on(cmdEsporta, &QPushButton::clicked, QStringLiteral("cmdEsporta_Click"),
       [this] { cmdEsporta_Click(); });
    // Update files belong to the windows that opened them: closing here leaves them open.
    on(cmdEsci, &QPushButton::clicked, QStringLiteral("cmdEsci_Click"), [this] { vbUnload(this); });
    on(cmdHelp, &QPushButton::clicked, QStringLiteral("cmdHelp_Click"),
       [] { Guida().HelpContext(GuidaEsportazione, QString()); });
}

void frmEsportazione::formLoad()
{
    const RecEstrazione r = Archivio().leggi(NumeroEstrazioni);
    lblNumero->setText(QString::number(r.ProgressivoAnno()));
    lblAnno->setText(QString::fromLatin1(r.DataCompatta().right(4)));
    lblUltima->setText(r.dataTesto());
    Forms::current = this;
    ImpostaForm(this);
    cmdEsporta->setToolTip(QStringLiteral("Salva il file delle estrazioni"));
}

void frmEsportazione::cmdEsporta_Click()
{
    const QString titolo = QStringLiteral("Esportazione archivi");
    const auto nome = platform().fileDialogs().save(
        {QStringLiteral("Salva"), FiltroAggiornamenti(false), 1, QString()});
    if (!nome || nome->isEmpty())
        return;
    if (FileInUso(*nome)) {
        vbMsgBox(QStringLiteral("Il file ") + *nome
                     + QStringLiteral(" è in uso dal programma: scegliere un altro nome."),
                 vbOKOnly | vbCritical, titolo);
        return;
    }
    const QByteArray dati = datiEsportazione(Archivio());
    QString errore;
    if (!replaceFile(*nome, dati, &errore)) {
        vbMsgBox(QStringLiteral("Esportazione archivio ") + *nome + QStringLiteral(" non riuscita (")
                     + errore + QStringLiteral(")"),
                 vbOKOnly | vbCritical, titolo);
        return;
    }
    const QString data = dati.isEmpty()
                             ? QString()
                             : RecEstrazione::daBytes(dati.right(kLunghezzaRecEstrazione)).dataTesto();
    vbMsgBox(QStringLiteral("Esportazione archivio ") + *nome + QStringLiteral(" al ") + data
                 + QStringLiteral(" effettuata"),
             vbOKOnly | vbInformation, titolo);
    vbUnload(this);
}
