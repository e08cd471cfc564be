#pragma once
// What the windows that write the archive share: the report of a refused or
// failed write, and the merge of an update file.
#include "archivio/ScrittoreArchivio.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStyle>

class QLabel;
class QPushButton;
class QWidget;

// The user's message for a write that did not complete.
QString MessaggioScrittura(const EsitoScrittura& e);
// Tells the user that another command holds the write lock.
void AvvisoArchivioOccupato(const QString& titolo = {});
// After a write that stored everything: tells the user when the draw file
// could not be opened again (the program goes on with the handle it has).
void AvvisoRiapertura(const EsitoScrittura& e);

// Today's date by the platform's clock, against which update files are judged.
QDate Oggi();
// Refuses an update file holding a draw after today, naming its latest date.
void AvvisoDataFutura(QDate ultima);

// Merges a sound update file into the archive: the records dated after the
// archive's last draw, read again now, in one write. Shows the outcome,
// updates the two labels to the last draw appended, and moves the search
// period's end. True when the archive is up to date with the file.
bool AllineaArchivio(const QByteArray& dati, QLabel* lblNumero, QLabel* lblAnno);

// The filter of the update-file dialogs ("Tutti i file" only when opening).
QString FiltroAggiornamenti(bool apertura);

// The controls of the update and export windows, named, captioned and placed
// in twips (left, top, width, height); the buttons show a picture and a word.
// A label grows where the font in use needs more room for its caption.
QLabel* EtichettaAggiornamento(QWidget* padre, const QString& nome, const QString& testo, double l,
                               double t, double w, double h);
QPushButton* PulsanteAggiornamento(QWidget* padre, const char* nome, QStyle::StandardPixmap icona,
                                   const QString& parola, double l, double t, double w, double h);

// Shows the archive's last draw: its number within the year, its year and its
// date. Returns the date (null when the record's date is damaged).
QDate MostraUltimaEstrazione(QLabel* lblNumero, QLabel* lblAnno, QLabel* lblUltima);
