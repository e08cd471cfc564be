#pragma once
// The shell's shared state and the archive procedures every window calls.
#include "core/Archivio.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>

class ArchivioMemoria;

// Shared state of the running program.
extern QString PercorsoApp;
extern qint32 NumeroEstrazioni;
extern bool ElaborazioneInCorso;   // a computation is running (cleared by a rejected date)
extern bool StopRicerca;           // a stop was asked for
extern bool InizializzazioneFatta;
extern qint32 NumInizioRicerca;
extern qint32 NumFineRicerca;

// Wheel tables, index 0 = "Tutte".
extern std::array<QString, 12> NomiRuote;
extern std::array<QString, 12> SigleRuote;
extern std::array<qint32, 12> PrimaEstrazioneRuota;

// Out-variables of CercaEstrazione, and the caller's choice for dates without a draw.
extern bool DataErrata;
extern qint32 EstrazioneTrovata;
extern QDate DataTrovata;
extern bool CercaPrecedente;

// The open archive (files 1 and 2).
ArchivioEstrazioni& Archivio();

// Opens both archive files; an empty, missing or unreadable file (or folder)
// shows the message, closes all files and ends the process with a non-zero
// status. An archive that opens is checked once: damaged records, dates out
// of order or after today and a year index that disagrees with the draws are
// reported in one message, and a folder that cannot be written in another.
void ApriArchivio();
// The copy of the update file downloaded from the internet.
inline const QString kFileScaricato = QStringLiteral("AggiornamentoTrevalda.bin");
// The program's own files, which no output whose name the user gives may
// write (told to the file routines at start-up): those it keeps below its
// folder (the settings, the archive, the downloaded update, the single-copy
// lock, the error log). An update file a window holds open is one too, held
// through compat::HeldOwnFile.
QStringList FileDelProgramma();
// Removes what replacements of those files left behind when the process
// ended in their midst; run once no other copy can be replacing them.
void RimuoviTemporaneiRimasti();

// A program folder that cannot be written: the archive opened for reading
// only, or the settings file unable to be saved.
bool ArchivioInSolaLettura();
bool ImpostazioniInSolaLettura();
// What cannot be saved, in one sentence (empty when everything can).
QString MessaggioSolaLettura();
// The one message about damaged records ("" when there are none).
QString MessaggioRecordDanneggiati(qint32 quanti, qint32 primo);
// The message about the first record dated not after the sound one before
// it, or after `oggi` ("" when every sound date is in order and not after it).
QString MessaggioDataFuoriOrdine(const ArchivioMemoria& vista, QDate oggi);
// The message about a year index that is not the one the draws call for
// ("" when it is).
QString MessaggioIndiceAnni(bool danneggiato);
// The message about a draw file ending in part of a record, `byte` long, left
// by a write cut short ("" when `byte` is 0); `ultimaData` is the last whole
// draw's date, empty when there is none.
QString MessaggioRecordIncompleto(qint32 byte, const QString& ultimaData);
// Re-reads the draw count from the file length (whole records).
void AggiornaNumeroEstrazioni();

// The date of draw `indice` (clamped to the archive); a damaged record gives
// that of the nearest sound one.
QString DataEstrazione(qint32 indice);
void CercaEstrazione(const QString& data);
void CaricaNomiRuote();
void InizializzaPrimaEstrazioneRuota();

// "Close all files" of the original.
void ChiudiTuttiIFile();

// Told once the archive has been written and the shared state re-read, so that
// every open window shows the new draws at once.
class AvvisoArchivio : public QObject {
    Q_OBJECT
signals:
    void estrazioniCambiate();
};
AvvisoArchivio& avvisoArchivio();

// After every write of the archive: the draw count, the wheels' first draws
// and (when a stored record was rewritten) the shared in-memory view are
// re-read, then the open windows are told.
void ArchivioScritto(bool recordRiscritto);

// Asked first by every command that writes the archive: false when it may not
// write now, the user already told why (an archive that cannot be written:
// MessaggioSolaLettura()).
bool ScritturaConsentita();
