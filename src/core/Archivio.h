#pragma once
// The draw archive: Archivi/Estrazioni.ind (66-byte draws) and Archivi/anni.ind
// (12-byte year records), opened for the whole run, read record by record.
#include "compat/files.h"
#include "core/RecEstrazione.h"

#include <QDate>
#include <QString>
#include <vector>

// What the opening found.
struct EsitoApertura {
    bool cartellaMancante = false;   // no Archivi folder
    bool estrazioniVuoto = false;    // also when it holds no whole record
    bool anniVuoto = false;
    bool estrazioniIlleggibile = false;   // there, but it cannot be read
    bool anniIlleggibile = false;
    bool solaLettura = false;        // opened, but draws cannot be stored
    bool ok() const
    {
        return !cartellaMancante && !estrazioniVuoto && !anniVuoto && !estrazioniIlleggibile
               && !anniIlleggibile;
    }
    // "Archivio Estrazioni.ind Anni.ind mancante/i !" and its shorter forms;
    // files that are there but cannot be read are named as such.
    QString messaggio() const;
};

// The outcome of a search by date, with the message the user is shown.
struct EsitoRicercaData {
    enum class Errore { Nessuno, Formato, DataErrata, Inferiore, Superiore, NonTrovata };
    Errore errore = Errore::Nessuno;
    qint32 estrazione = 0;     // record found
    QDate data;                // its date
    QString primaData;         // first and last stored draw, for the messages
    QString ultimaData;
    bool trovata() const { return errore == Errore::Nessuno; }
    QString messaggio() const;
};

class ArchivioEstrazioni {
public:
    // Opens both files below `cartellaProgramma`/Archivi (names found whatever
    // their letter case; a missing file is created empty, as the original does).
    EsitoApertura apri(const QString& cartellaProgramma);
    void chiudi();
    bool aperto() const { return estrazioni_.isOpen(); }
    // Opened for reading only: a file or the Archivi folder cannot be written.
    bool solaLettura() const { return solaLettura_; }
    // Reopens the draw file, as writers do after storing a record. When that
    // fails (AppError) the file stays open on the handle that wrote it.
    void riapriEstrazioni();
    // Opens one of the two files again after a writer replaced it whole: till
    // then its handle reads the old file, and nothing may be written through
    // it. A failure (AppError) leaves it pending; riapriSostituiti() retries
    // every pending one and throws while one still fails.
    void riapriSostituito(compat::RandomFile& f);
    void riapriSostituiti();

    // Whole records only: a partial trailing record is no draw.
    qint32 numeroEstrazioni() const;
    // The bytes of the draw file past its last whole record (a write cut short).
    qint32 byteIncompleti() const;
    qint32 numeroAnni() const;

    RecEstrazione leggi(qint32 n);
    RecAnno leggiAnno(qint32 n);
    // Records n .. n + count - 1 as one block of bytes (for engines that read
    // the archive once per run).
    QByteArray leggiBlocco(qint32 n, qint32 count);

    // The date of draw n as DD/MM/YYYY, n clamped to 1..numeroEstrazioni().
    // A record whose date is damaged gives that of the nearest sound one.
    QString dataEstrazione(qint32 n);
    // n clamped to 1..numeroEstrazioni(), then, when its date is damaged, the
    // last sound record before it (else the first after it); n itself when
    // no record has a sound date.
    qint32 estrazioneSana(qint32 n);
    // The draw of a date typed as GG/MM/AAAA.
    EsitoRicercaData cercaEstrazione(QStringView data, bool cercaPrecedente);
    // The first record dated on or after `d` (numeroEstrazioni() + 1 if none).
    qint32 primaEstrazioneDal(QDate d);
    // Whether anni.ind holds exactly `indice`, byte for byte.
    bool indiceAnniUguale(const QByteArray& indice);

    compat::RandomFile& fileEstrazioni() { return estrazioni_; }
    compat::RandomFile& fileAnni() { return anni_; }
    QString percorsoEstrazioni() const { return estrazioni_.path(); }
    QString percorsoAnni() const { return anni_.path(); }

private:
    // The first draw of a year (`annoTesto` its four characters) as the year
    // index gives it, believed only when the draws bear it out: that draw is
    // of the year and the sound one before it (if any) of an earlier year.
    // 0 when the index has no entry for the year or the draws belie it.
    qint32 primaEstrazioneAnno(const QByteArray& annoTesto, int anno);

    compat::RandomFile estrazioni_;
    compat::RandomFile anni_;
    bool solaLettura_ = false;
    bool estrazioniDaRiaprire_ = false;
    bool anniDaRiaprire_ = false;
};

// The wheel tables: names padded to 10 characters and two-letter codes,
// index 0 = "Tutte".
QString nomeRuota(int i);
QString siglaRuota(int i);
// The first record from which wheel w (1..11) counts; the Nazionale's is read
// from the archive (its first draw is that of 04/05/2005).
std::array<qint32, 12> primeEstrazioniRuote(ArchivioEstrazioni& a);
QDate primaDataNazionale();
