#include "shell/modControlli.h"

#include <QPushButton>

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
