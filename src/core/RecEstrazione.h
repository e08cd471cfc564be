#pragma once
// The two record formats of the draw archive, byte for byte.
#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <array>
#include <optional>

constexpr int kLunghezzaRecEstrazione = 66;
constexpr int kLunghezzaRecAnno = 12;
constexpr int kRuote = 11;            // 1..10 regional wheels, 11 Nazionale
constexpr int kNazionale = 11;

// One draw: weekday digits, number within the year, DDMMYYYY, 11 x 5 numbers.
struct RecEstrazione {
    std::array<quint8, kLunghezzaRecEstrazione> bytes{};

    static RecEstrazione daBytes(QByteArrayView raw);   // short input is padded with 0
    QByteArray toBytes() const;

    // A new record: both weekday bytes get the weekday digit of the date.
    static RecEstrazione crea(QDate data, int progressivo);

    char GiornoSettimana() const { return static_cast<char>(bytes[0]); }
    char GiornoEstrazione() const { return static_cast<char>(bytes[1]); }
    int ProgressivoAnno() const { return bytes[2]; }
    QByteArray DataCompatta() const;
    // 1..7 from the weekday digit; 0 when the byte is no digit 1..7.
    int giorno() const;

    std::optional<QDate> data() const;
    // The year of its date; 0 when it has none.
    int anno() const;
    // DD/MM/YYYY built from the stored characters, exactly as they stand.
    QString dataTesto() const;

    // Number p (1..5) of wheel w (1..11); 0 = no number. A byte above 90 is
    // damage and reads as no number; the stored byte itself stays as it is.
    int numero(int ruota, int posizione) const
    {
        const int v = byteNumero(ruota, posizione);
        return v <= 90 ? v : 0;
    }
    // The stored byte of that number, as it stands (what a writer validates).
    int byteNumero(int ruota, int posizione) const { return bytes[offsetNumero(ruota, posizione)]; }
    void setNumero(int ruota, int posizione, int n)
    {
        bytes[offsetNumero(ruota, posizione)] = static_cast<quint8>(n);
    }
    void setGiornoSettimana(char c) { bytes[0] = static_cast<quint8>(c); }
    void setGiornoEstrazione(char c) { bytes[1] = static_cast<quint8>(c); }
    void setProgressivoAnno(int p) { bytes[2] = static_cast<quint8>(p); }
    void setData(QDate d);

    static constexpr int offsetNumero(int ruota, int posizione)
    {
        return 11 + 5 * (ruota - 1) + (posizione - 1);
    }
};

// One year of the year index: "YYYY", first record number left-aligned in 7
// characters, carriage return.
struct RecAnno {
    std::array<quint8, kLunghezzaRecAnno> bytes{};

    static RecAnno daBytes(QByteArrayView raw);
    static RecAnno crea(int anno, qint32 primaEstrazione);
    QByteArray toBytes() const;

    QByteArray Anno() const;
    int anno() const;                 // numeric value of Anno (0 when not digits)
    qint32 PrimaEstrazione() const;   // numeric value of the 7 characters
};
