#pragma once
// The one way the program writes the draw archive: whole records appended or
// one record corrected, all or nothing, under one program-wide write lock.
#include "core/Archivio.h"
#include "core/RecEstrazione.h"

#include <QByteArray>
#include <QString>

// The write lock: held by a writing command from its first check to the end of
// its write; while someone holds it every other writing command is refused.
// One UI thread, so a plain flag; the lock matters because writing commands
// let events through (downloads, message boxes) while they hold it.
class BloccoScrittura {
public:
    BloccoScrittura();   // takes the lock when free
    ~BloccoScrittura();
    BloccoScrittura(const BloccoScrittura&) = delete;
    BloccoScrittura& operator=(const BloccoScrittura&) = delete;

    bool preso() const { return preso_; }
    static bool occupato();

private:
    bool preso_ = false;
};

struct EsitoScrittura {
    enum class Errore {
        Nessuno,
        Occupato,            // the lock is not held by the caller
        RecordNonValido,     // a record fails recordValido()
        FuoriOrdine,         // a date not after the one before it (or not before the next)
        AnnoDiverso,         // a correction would move the draw into another year
        ArchivioDanneggiato, // the last stored draw has no date
        Scrittura,           // the write failed; both files are as they were
        NonRipristinato,     // the write failed and putting the files back failed too
    };
    Errore errore = Errore::Nessuno;
    qint32 primo = 0;        // records written (draw numbers)
    qint32 ultimo = 0;
    int anniAggiunti = 0;    // year records appended
    qint32 recordErrato = 0; // 1-based position, in the caller's records, of the one refused
    QString dettaglio;       // the file error's text, for the report
    // Stored, but the draw file could not be opened again afterwards: it stays
    // open on the handle that wrote it (`dettaglio` says why).
    bool nonRiaperto = false;
    bool ok() const { return errore == Errore::Nessuno; }
};

// A draw record as the archive may hold it: both weekday digits 1..7, a number
// within the year of at least 1, a real date, every number 0..90.
bool recordValido(const RecEstrazione& r);

// Both writers first mend what an earlier write cut short: a file ending in
// part of a record is cut back to its last whole record, and when the last
// stored draw's year is not indexed the year index gains a record for every
// year whose draws are stored but not indexed (pointing at the year's first
// draw). Whole records never change.

// Appends `records` (whole 66-byte records, dates strictly increasing and after
// the last stored draw) as one write, flushed, then a year record for each draw
// whose year differs from the draw before it and has no year record yet. On any
// failure both files are cut back to their last whole records. The draw file
// is reopened afterwards, as every reader expects.
EsitoScrittura accodaEstrazioni(ArchivioEstrazioni& a, const BloccoScrittura& blocco,
                                const QByteArray& records);

// Rewrites draw n in place. Its date must stay in its year and strictly between
// the draws around it. The year index only gains the years it lacks. On
// failure the old record is written back. The caller drops the shared
// in-memory view.
EsitoScrittura correggiEstrazione(ArchivioEstrazioni& a, const BloccoScrittura& blocco, qint32 n,
                                  const RecEstrazione& r);
