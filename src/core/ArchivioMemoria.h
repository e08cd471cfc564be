#pragma once
// The whole draw archive in memory, as flat arrays, for the engines that scan
// it (method search, back-test, board, draw table, summative pairs). One view
// is shared by the program and rebuilt when the number of draws changes.
#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QtGlobal>
#include <array>
#include <memory>
#include <vector>

class ArchivioEstrazioni;

constexpr int kNumeriEstrazione = 55;   // 11 wheels x 5

class ArchivioMemoria {
public:
    // Reads every record of `a` once. Numbers above 90 read as 0 (missing);
    // the Nazionale's numbers before its first draw read as 0.
    static std::shared_ptr<const ArchivioMemoria> costruisci(ArchivioEstrazioni& a);
    // From records already in memory (tests, update files): `raw` is n x 66 bytes.
    static std::shared_ptr<const ArchivioMemoria> daBytes(const QByteArray& raw,
                                                          QDate primaDataNazionale);

    qint32 numeroEstrazioni() const { return n_; }

    // The 55 numbers of draw r (1..n), wheel w at [(w - 1) * 5 .. (w - 1) * 5 + 4].
    // Row 0 exists and is all zero.
    const quint8* numeri(qint32 r) const { return &numeri_[size_t(r) * kNumeriEstrazione]; }
    int numero(qint32 r, int ruota, int posizione) const
    {
        return numeri_[size_t(r) * kNumeriEstrazione + (ruota - 1) * 5 + (posizione - 1)];
    }
    // Whether wheel w (1..11) is drawn in draw r (the Nazionale from its first draw).
    bool haRuota(qint32 r, int ruota) const { return r >= primaRuota_[ruota]; }
    // The first record of wheel w (1..11); the Nazionale's as read from the archive
    // (n + 1 when the archive ends before it).
    qint32 primaEstrazioneRuota(int ruota) const { return primaRuota_[ruota]; }
    const std::array<qint32, 12>& primeEstrazioniRuote() const { return primaRuota_; }

    // The date of draw r; invalid when the stored date is damaged.
    QDate data(qint32 r) const { return QDate::fromJulianDay(giorni_[r]); }
    bool dataValida(qint32 r) const { return giorni_[r] != 0; }
    // Julian day of draw r (0 when damaged): ascending for a sound archive.
    qint64 giornoGiuliano(qint32 r) const { return giorni_[r]; }
    // The record's DDMMYYYY characters, as restrictions read them.
    QByteArrayView dataCompatta(qint32 r) const { return {dataCompatta_[r].data(), 8}; }
    // DD/MM/YYYY as the characters stand in the record.
    QString dataTesto(qint32 r) const;
    // Weekday digit value 1 (Sunday) .. 7 (Saturday), 0 when damaged.
    int giornoSettimana(qint32 r) const { return giorno_[r]; }
    int progressivoAnno(qint32 r) const { return progressivo_[r]; }

    // Damaged records (a date that is no date, a weekday byte that is no digit
    // 1..7, or a number above 90): how many, and the first of them (0 = none).
    qint32 recordDanneggiati() const { return danneggiati_; }
    qint32 primoDanneggiato() const { return primoDanneggiato_; }

    // The first record whose date is not after that of the sound record
    // before it, or is after `oggi`; 0 when there is none. Damaged dates are
    // not looked at.
    qint32 primaDataFuoriOrdine(QDate oggi) const;
    // The last record before r whose date is sound (0 when none).
    qint32 precedenteSano(qint32 r) const;

    enum class Direzione { Precedente, Successiva };
    // The draw dated `d`; otherwise the last one before it (Precedente) or the
    // first one after it (Successiva). 0 when there is none. Damaged dates are
    // skipped.
    qint32 cerca(QDate d, Direzione dir) const;

private:
    qint32 n_ = 0;
    std::vector<quint8> numeri_;
    std::vector<qint64> giorni_;
    std::vector<quint8> giorno_;
    std::vector<quint8> progressivo_;
    std::vector<std::array<char, 8>> dataCompatta_;
    std::array<qint32, 12> primaRuota_{};
    qint32 danneggiati_ = 0;
    qint32 primoDanneggiato_ = 0;

    void riempi(const QByteArray& raw, qint32 n, QDate primaDataNazionale);
    // Draws n + 1 .. n + quanti, from their records in `raw`.
    void aggiungi(const QByteArray& raw, qint32 quanti, QDate primaDataNazionale);
    friend std::shared_ptr<const ArchivioMemoria> vistaArchivio(ArchivioEstrazioni& a);
};

// The program's shared view of the open archive: built at the first call and
// rebuilt whenever the number of stored draws differs from the view's, or
// after invalidaVistaArchivio() (a correction rewrites a stored record).
// When draws were only appended since, the view is extended with them alone:
// writers never change a stored record without invalidating it.
std::shared_ptr<const ArchivioMemoria> vistaArchivio(ArchivioEstrazioni& a);
void invalidaVistaArchivio();
