#include "shell/frmAboutMe.h"

#include "compat/ui/Platform.h"
#include "shell/modAspetto.h"
#include "shell/Controlli.h"
#include "shell/modElaborazione.h"
#include "shell/modEmail.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

using namespace compat;

const QString IndirizzoMailAutore = QStringLiteral("quorvane@example.org");

namespace {

QFrame* linea(QWidget* padre, const QString& nome)
{
    auto* l = new QFrame(padre);
    l->setObjectName(nome);
    l->setFrameShape(QFrame::HLine);
    l->setFrameShadow(QFrame::Sunken);
    return l;
}

} // namespace

frmAboutMe::frmAboutMe()
{
    setObjectName(QStringLiteral("frmAboutMe"));
    setWindowTitle(QStringLiteral("Informazioni su Quorvane"));
    setMouseTracking(true);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(48, 48));
    lblTitle = new QLabel(this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont grande = lblTitle->font();
    grande.setPointSizeF(grande.pointSizeF() * 1.6);
    grande.setBold(true);
    lblTitle->setFont(grande);
    lblVersion = new QLabel(QStringLiteral("Versione"), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    Label1[1] = new QLabel(QStringLiteral("E-mail:"), this);
    Label1[1]->setObjectName(QStringLiteral("Label1_1"));
    lblMail = new QLabel(IndirizzoMailAutore, this);
    lblMail->setObjectName(QStringLiteral("lblMail"));
    lblMail->setTextFormat(Qt::PlainText);
    lblMail->setCursor(Qt::PointingHandCursor);
    lblMail->installEventFilter(this);
    lblDisclaimer = new QLabel(
        QStringLiteral("Il programma non garantisce vincite: le previsioni sono solo statistiche."), this);
    lblDisclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    Line1[0] = linea(this, QStringLiteral("Line1_0"));
    Line1[1] = linea(this, QStringLiteral("Line1_1"));
    Line2 = linea(this, QStringLiteral("Line2"));
    cmdSysInfo = new QPushButton(QStringLiteral("Info sistema..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdOk = PulsanteImmagine(this, QStringLiteral("cmdOk"), QStyle::SP_DialogOkButton,
                             QStringLiteral("Chiudi"));
    setDefaultButton(cmdOk);

    auto* testa = new QGridLayout;
    testa->addWidget(Image1, 0, 0, 2, 1);
    testa->addWidget(lblTitle, 0, 1);
    testa->addWidget(lblVersion, 1, 1);
    testa->setColumnStretch(1, 1);
    auto* mail = new QHBoxLayout;
    mail->addWidget(Label1[1]);
    mail->addWidget(lblMail);
    mail->addStretch();
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(cmdSysInfo);
    pulsanti->addWidget(cmdOk);
    auto* colonna = new QVBoxLayout(this);
    colonna->addLayout(testa);
    colonna->addWidget(Line1[0]);
    colonna->addLayout(mail);
    colonna->addWidget(Line1[1]);
    colonna->addWidget(lblDisclaimer);
    colonna->addWidget(Line2);
    colonna->addLayout(pulsanti);

    on(cmdSysInfo, &QPushButton::clicked, QStringLiteral("cmdSysInfo_Click"), [this] { StartSysInfo(); });
    on(cmdOk, &QPushButton::clicked, QStringLiteral("cmdOk_Click"), [this] { vbUnload(this); });
}

void frmAboutMe::formLoad()
{
    const Version v = platform().app().version();
    lblVersion->setText(QStringLiteral("Versione %1.%2.%3").arg(v.major).arg(v.minor).arg(v.revision));
    lblTitle->setText(QStringLiteral("Quorvane"));
    Forms::current = this;
    ImpostaForm(this);
}

void frmAboutMe::StartSysInfo()
{
    // No registry here: the platform looks for a known tool on the PATH.
    bool avviato = false;
    vbResumeNext([&] { avviato = platform().shell().systemInfo(); });
    if (!avviato)
        vbMsgBox(QStringLiteral("Informazioni sul sistema non disponibili in questa fase."));
}

void frmAboutMe::mouseMoveEvent(QMouseEvent* e)
{
    runHandler(QStringLiteral("Form_MouseMove"), [] { ImpostaMousePointerSchermo(0); });
    Form::mouseMoveEvent(e);
}

bool frmAboutMe::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lblMail && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton
        && lblMail->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
        runHandler(QStringLiteral("lblMail_Click"), [] { InviaEmail(IndirizzoMailAutore); });
    return Form::eventFilter(watched, event);
}
