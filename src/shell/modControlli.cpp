#include "shell/modControlli.h"

#include "compat/ui/Form.h"
#include "compat/vb.h"

#include <QAbstractButton>
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

QHBoxLayout* PulsantiUscita(compat::Form* f, QPushButton*& cmdStampa, QPushButton*& cmdPrintToFile,
                            QPushButton* esci)
{
    cmdStampa = PulsanteImmagine(f, QStringLiteral("cmdStampa"), QStyle::SP_FileDialogDetailedView,
                                 QString());
    cmdPrintToFile = PulsanteImmagine(f, QStringLiteral("cmdPrintToFile"),
                                      QStyle::SP_DialogSaveButton, QString());
    auto* riga = new QHBoxLayout;
    riga->addWidget(cmdStampa);
    riga->addWidget(cmdPrintToFile);
    riga->addStretch();
    if (esci)
        riga->addWidget(esci);
    return riga;
}
