#pragma once
// Test archives: a temporary program folder holding Archivi/ with chosen draws.
#include "core/RecEstrazione.h"

#include <QDate>
#include <QString>
#include <QTemporaryDir>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

// A draw with the given wheels filled (wheel number, five numbers); the
// number within the year counts on from the previous draw of the same year.
struct BozzaEstrazione {
    QDate data;
    std::vector<std::pair<int, std::array<int, 5>>> ruote;
    int progressivo = 0;   // 0 = next in its year
};

std::vector<RecEstrazione> componi(const std::vector<BozzaEstrazione>& bozze);

// How many of `casi` random archives a comparison with a literal engine goes
// through: all of them, or the first quarter under AddressSanitizer, whose
// Debug build runs the engines some twenty to forty times slower. The
// sanitizers look for memory faults, which the first cases reach as the others
// do; the release build compares the whole share.
constexpr int casiCasuali(int casi)
{
#if defined(__SANITIZE_ADDRESS__)
    return (casi + 3) / 4;
#else
    return casi;
#endif
}

// `quante` draws every `passoGiorni` days from `inizio`, wheels 1..10 drawn
// at random (seeded), and the Nazionale from 04/05/2005 on.
std::vector<RecEstrazione> estrazioniCasuali(QDate inizio, int quante, int passoGiorni,
                                             unsigned seme);

class ArchivioMemoria;
// The in-memory view of the records, as the archive would give it.
std::shared_ptr<const ArchivioMemoria> vistaDi(const std::vector<RecEstrazione>& estrazioni);

class CartellaProgramma {
public:
    CartellaProgramma();
    QString percorso() const { return dir_.path(); }
    QString archivi() const { return dir_.path() + QStringLiteral("/Archivi"); }
    // Writes both archive files from the records, a year record per year.
    void scrivi(const std::vector<RecEstrazione>& estrazioni);
    void scriviFile(const QString& relativo, const QByteArray& contenuto);
    QByteArray leggiFile(const QString& relativo) const;
    // Every folder and file below the program folder made read-only (files
    // listed in `illeggibili` unreadable too); undone by the destructor.
    void soloLettura(const QStringList& illeggibili = {});
    ~CartellaProgramma();

private:
    QTemporaryDir dir_;
};

// For its lifetime the test runs as an unprivileged user, so that file
// permissions hold even when the tests run as root; `attivo()` is false
// where that cannot be done.
class SenzaPrivilegi {
public:
    SenzaPrivilegi();
    ~SenzaPrivilegi();
    SenzaPrivilegi(const SenzaPrivilegi&) = delete;
    SenzaPrivilegi& operator=(const SenzaPrivilegi&) = delete;
    bool attivo() const { return attivo_; }

private:
    bool attivo_ = false;
    bool eraRoot_ = false;
};

// For its lifetime every opening of a file whose name ends with `nome` fails
// (the reopening of the draw file after a write among them).
class AperturaNegata {
public:
    explicit AperturaNegata(const QString& nome);
    ~AperturaNegata();
    AperturaNegata(const AperturaNegata&) = delete;
    AperturaNegata& operator=(const AperturaNegata&) = delete;
};
