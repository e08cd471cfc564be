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
        // The write failed; the stored draws are as they were, but the partial
        // record that ended the draw file was dropped on the way.
        RecordIncompletoRimosso,
        NonRipristinato,     // the write failed and putting the files back failed too
    };
    Errore errore = Errore::Nessuno;
    qint32 primo = 0;        // records written (draw numbers)
    qint32 ultimo = 0;
    bool indiceRiscritto = false;   // the year index was written afresh
    qint32 recordErrato = 0; // 1-based position, in the caller's records, of the one refused
    QString dettaglio;       // the file error's text, for the report
    // Stored, but a file could not be opened again afterwards (`dettaglio`
    // says why): a file written in place stays open on the handle that wrote
    // it; for a file replaced whole (`leggeIlVecchio`) the handle reads the
    // old one until a later write opens it again.
    bool nonRiaperto = false;
    bool leggeIlVecchio = false;
    bool ok() const { return errore == Errore::Nessuno; }
};

// A draw record as the archive may hold it: both weekday digits 1..7, a number
// within the year of at least 1, a real date, every number 0..90.
bool recordValido(const RecEstrazione& r);

// Both writers first drop a partial record that ends the draw file (part of
// a draw whose write was cut short); whole records never change. After the
// write, a year index that is not exactly the one the draws call for (one
// record per year, in year order, each at its year's first draw) is written
// afresh and replaces the old whole. The check takes the draws from the
// shared in-memory view.

// Appends `records` (whole 66-byte records, dates strictly increasing and after
// the last stored draw). One record is appended in place and flushed; on any
// failure the draw file is cut back to its whole records. Many (a merge) are
// written with the stored draws to a new file that replaces the old one whole,
// so that even a crash leaves the old draws or all the new ones. The draw
// file is opened again afterwards, as every reader expects.
EsitoScrittura accodaEstrazioni(ArchivioEstrazioni& a, const BloccoScrittura& blocco,
                                const QByteArray& records);

// Rewrites draw n. Its date must stay in its year and strictly between the
// draws around it. Written as a merge is, through a new file that replaces the
// old whole, so that a crash leaves the old draw or the new one. The shared
// in-memory view is dropped.
EsitoScrittura correggiEstrazione(ArchivioEstrazioni& a, const BloccoScrittura& blocco, qint32 n,
                                  const RecEstrazione& r);
