#include "shell/modControlli.h"

#include "compat/ui/Form.h"
#include "compat/vb.h"

#include <QAbstractButton>
#include <QDateEdit>
#include <QLabel>
#include <QLocale>
#include <QToolButton>
#include <QHBoxLayout>
#include <QPushButton>

QString NomeElemento(const char* base, int i)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(base)).arg(i);
}

QPushButton* PulsanteImmagine(QWidget* padre, const QString& nome, QStyle::StandardPixmap icona,
                              const QString& suggerimento)
{
    auto* b = new QPushButton(padre);
    b->setObjectName(nome);
    b->setIcon(padre->style()->standardIcon(icona));
    b->setIconSize(QSize(24, 24));
    b->setToolTip(suggerimento);
    return b;
}

QAbstractButton* CasellaRuota(QWidget* w, const QString& prefisso, int i)
{
    return w ? compat::findControl<QAbstractButton>(w, prefisso + u'_' + QString::number(i))
             : nullptr;
}

void SpuntaRuota(QWidget* w, const QString& prefisso, int i, bool valore)
{
    if (QAbstractButton* b = CasellaRuota(w, prefisso, i))
        b->setChecked(valore);
}

bool RuotaSpuntata(QWidget* w, const QString& prefisso, int i)
{
    const QAbstractButton* b = CasellaRuota(w, prefisso, i);
    return b && b->isChecked();
}

void SpuntaRuoteDaFlag(QWidget* w, const QString& prefisso, const QString& flag)
{
    const bool tutte = compat::vbLeft(flag, 10) == u"YYYYYYYYYY";
    SpuntaRuota(w, prefisso, 0, tutte);
    for (int i = 1; i <= 10; ++i)
        SpuntaRuota(w, prefisso, i, !tutte && compat::vbMid(flag, i, 1) == u"Y");
    SpuntaRuota(w, prefisso, 11, compat::vbRight(flag, 1) == u"Y");
}

QString FlagDaRuoteSpuntate(QWidget* w, const QString& prefisso, int indice)
{
    if (indice == 0 && RuotaSpuntata(w, prefisso, 0)) {
        for (int i = 1; i <= 10; ++i)
            SpuntaRuota(w, prefisso, i, false);
    } else if (indice != 11) {
        SpuntaRuota(w, prefisso, 0, false);
    }
    QString flag;
    if (RuotaSpuntata(w, prefisso, 0)) {
        flag = RuotaSpuntata(w, prefisso, 11) ? QStringLiteral("YYYYYYYYYYY")
                                              : QStringLiteral("YYYYYYYYYYN");
    } else {
        for (int i = 1; i <= 11; ++i)
            flag += RuotaSpuntata(w, prefisso, i) ? u'Y' : u'N';
    }
    if (flag == u"NNNNNNNNNNN")
        flag = QStringLiteral("YYYYYYYYYYN");
    return flag;
}

QHBoxLayout* PulsantiConferma(compat::Form* f, QPushButton*& cmdOk, QPushButton*& cmdAnnulla,
                              QPushButton*& cmdHelp)
{
    cmdOk = PulsanteImmagine(f, QStringLiteral("cmdOk"), QStyle::SP_DialogOkButton,
                             QStringLiteral("Conferma"));
    cmdAnnulla = PulsanteImmagine(f, QStringLiteral("cmdAnnulla"), QStyle::SP_DialogCancelButton,
                                  QStringLiteral("Annulla"));
    cmdHelp = PulsanteImmagine(f, QStringLiteral("cmdHelp"), QStyle::SP_DialogHelpButton,
                               QStringLiteral("Spiegazioni dettagliate sul form attuale"));
    f->setDefaultButton(cmdOk);
    auto* riga = new QHBoxLayout;
    riga->addStretch();
    riga->addWidget(cmdOk);
    riga->addWidget(cmdAnnulla);
    riga->addWidget(cmdHelp);
    return riga;
}

QDateEdit* SelettoreData(QWidget* padre, const QString& nome)
{
    auto* d = new QDateEdit(padre);
    d->setObjectName(nome);
    d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    d->setCalendarPopup(true);
    d->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    return d;
}

namespace {

QPixmap immagine(QWidget* w)
{
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->pixmap();
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->icon().pixmap(b->iconSize());
    return {};
}

} // namespace

void CopiaImmaginiRuote(const std::array<QToolButton*, 12>& caselle)
{
    compat::Form* principale = nullptr;
    for (compat::Form* f : compat::Forms::all())
        if (f->objectName() == u"frmMain")
            principale = f;
    if (!principale)
        return;
    for (int i = 0; i <= 11; ++i) {
        if (!caselle[size_t(i)])
            continue;
        const QPixmap normale = immagine(
            principale->findChild<QWidget*>(QStringLiteral("picRuota_%1").arg(i)));
        if (normale.isNull())
            continue;
        QPixmap gialla = immagine(
            principale->findChild<QWidget*>(QStringLiteral("picRuotaGialla_%1").arg(i)));
        if (gialla.isNull())
            gialla = normale;
        QIcon icona;
        icona.addPixmap(normale, QIcon::Normal, QIcon::Off);
        icona.addPixmap(gialla, QIcon::Normal, QIcon::On);
        QToolButton* b = caselle[size_t(i)];
        b->setIcon(icona);
        b->setIconSize(normale.size());
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
}
