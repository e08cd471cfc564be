#pragma once
// Update files: plain sequences of 66-byte draw records, oldest first, merged
// into the archive or written by the export.
#include "core/Archivio.h"

#include <QByteArray>
#include <QDate>

// Where an update file stands against the archive's last draw.
struct EsameAggiornamento {
    enum class Esito {
        Corrotto,      // not a sound update file: nothing of it may be merged
        Futuro,        // holds a draw dated after today: the clock or the file is wrong
        Discontinuo,   // starts after the archive's last draw: draws would be missing
        NienteDiNuovo, // ends on or before the archive's last draw
        DaAccodare,    // holds draws after the archive's last one
    };
    Esito esito = Esito::Corrotto;
    QDate primaData;
    QDate ultimaData;
};

// No update file is larger: a million draws, the download's bound too.
inline constexpr qint64 kMassimoFileAggiornamento = qint64(64) << 20;

// A sound update file: not empty, a whole number of records, every record a
// valid draw record (recordValido), dates strictly increasing.
bool fileAggiornamentoValido(const QByteArray& dati);
// Judged against the archive's last draw and today's date: no real draw lies
// after today, and one merged would stand before every real draw still to come.
EsameAggiornamento esaminaAggiornamento(const QByteArray& dati, QDate dataUltimaArchivio,
                                        QDate oggi);
// The last record's date of a sound file when it is after `oggi`, else null.
QDate dataFutura(const QByteArray& dati, QDate oggi);

// The records of a sound file dated after `dataUltima`, as one block.
QByteArray recordDopo(const QByteArray& dati, QDate dataUltima);

// The export: archive records from this one to the last, byte for byte.
constexpr qint32 kPrimoRecordEsportato = 7773;
QByteArray datiEsportazione(ArchivioEstrazioni& a);
