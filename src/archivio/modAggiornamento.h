#pragma once
// What the windows that write the archive share: the report of a refused or
// failed write, and the merge of an update file.
#include "archivio/ScrittoreArchivio.h"

#include <QByteArray>
#include <QString>

class QLabel;

// The user's message for a write that did not complete.
QString MessaggioScrittura(const EsitoScrittura& e);

// Merges a sound update file into the archive: the records dated after the
// archive's last draw, read again now, in one write. Shows the outcome,
// updates the two labels to the last draw appended, and moves the search
// period's end. True when the archive is up to date with the file.
bool AllineaArchivio(const QByteArray& dati, QLabel* lblNumero, QLabel* lblAnno);

// The filter of the update-file dialogs ("Tutti i file" only when opening).
QString FiltroAggiornamenti(bool apertura);
