#pragma once
// The common error reports: an unexpected run-time error (message box and a
// line in IniFile/Errori.log) and a corrupt or missing file.
#include "compat/AppError.h"

#include <QString>

// Shows "Errore inatteso" for `errore` and returns the user's answer (vbOK ..
// vbNo), or 0 when there is nothing to report (number 0, or 32755: a cancelled
// common dialog). Stile 3 or 4 adds the question whether to continue and the
// exclamation icon, 0 becomes the exclamation icon alone; `stile` keeps the
// style used. When "LogFile" of "Options" is "1" a line is appended to the log;
// a log that cannot be written is skipped silently.
int GestioneErrore(const QString& modulo, int& stile, const QString& procedura,
                   const QString& riga, const QString& info, const compat::AppError& errore);
// For callers that have no style variable of their own.
int GestioneErrore(const QString& modulo, int&& stile, const QString& procedura,
                   const QString& riga, const QString& info, const compat::AppError& errore);

// Makes GestioneErrore the report of every error a window's handler does not
// trap itself (called once at start-up).
void InstallaGestioneErrore();

// NomeFile & " corrotto o mancante !", title "Errore".
void ErroreFile(const QString& nomeFile);
