#pragma once
// The program's entry: the main window, kept for the windows that reach it.
#include <QPointer>

class frmMain;

extern QPointer<frmMain> frmPrincipale;

// Creates the main window and shows it; the program then runs while it is open.
void Main();
