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
        Discontinuo,   // starts after the archive's last draw: draws would be missing
        NienteDiNuovo, // ends on or before the archive's last draw
        DaAccodare,    // holds draws after the archive's last one
    };
    Esito esito = Esito::Corrotto;
    QDate primaData;
    QDate ultimaData;
};

// A sound update file: not empty, a whole number of records, every record a
// valid draw record (recordValido), dates strictly increasing.
bool fileAggiornamentoValido(const QByteArray& dati);
EsameAggiornamento esaminaAggiornamento(const QByteArray& dati, QDate dataUltimaArchivio);

// The records of a sound file dated after `dataUltima`, as one block.
QByteArray recordDopo(const QByteArray& dati, QDate dataUltima);

// The export: archive records from this one to the last, byte for byte.
constexpr qint32 kPrimoRecordEsportato = 7773;
QByteArray datiEsportazione(ArchivioEstrazioni& a);
