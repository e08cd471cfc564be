#pragma once
// Small builders shared by the shell's windows.
#include <QString>
#include <QStyle>

class QPushButton;
class QWidget;

// A picture button without caption (the look of the program's small
// windows), named `nome`, with its tooltip.
QPushButton* PulsanteImmagine(QWidget* padre, const QString& nome, QStyle::StandardPixmap icona,
                              const QString& suggerimento);
