#include "ArchivioTest.h"
#include "core/Archivio.h"
#include "core/ArchivioMemoria.h"

#include "core/ScritturaArchivio.h"
#include "compat/files.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <random>
#include <QDirIterator>
#include <unistd.h>
#include <sys/stat.h>

std::vector<RecEstrazione> componi(const std::vector<BozzaEstrazione>& bozze)
{
    std::vector<RecEstrazione> out;
    int anno = -1, prog = 0;
    for (const BozzaEstrazione& b : bozze) {
        prog = b.data.year() == anno ? prog + 1 : 1;
        anno = b.data.year();
        if (b.progressivo > 0)
            prog = b.progressivo;
        RecEstrazione r = RecEstrazione::crea(b.data, prog);
        for (const auto& [w, numeri] : b.ruote)
            for (int p = 1; p <= 5; ++p)
                r.setNumero(w, p, numeri[p - 1]);
        out.push_back(r);
    }
    return out;
}

std::vector<RecEstrazione> estrazioniCasuali(QDate inizio, int quante, int passoGiorni,
                                             unsigned seme)
{
    std::mt19937 gen(seme);
    std::vector<BozzaEstrazione> bozze;
    std::array<int, 90> urna;
    std::iota(urna.begin(), urna.end(), 1);
    for (int i = 0; i < quante; ++i) {
        BozzaEstrazione b{inizio.addDays(qint64(i) * passoGiorni), {}};
        const int ultima = b.data >= QDate(2005, 5, 4) ? 11 : 10;
        for (int w = 1; w <= ultima; ++w) {
            std::shuffle(urna.begin(), urna.end(), gen);
            b.ruote.push_back({w, {urna[0], urna[1], urna[2], urna[3], urna[4]}});
        }
        bozze.push_back(b);
    }
    return componi(bozze);
}

CartellaProgramma::CartellaProgramma()
{
    EXPECT_TRUE(dir_.isValid());
    QDir(dir_.path()).mkpath(QStringLiteral("IniFile"));
}

void CartellaProgramma::scrivi(const std::vector<RecEstrazione>& estrazioni)
{
    const QString errore = scriviArchivio(estrazioni, archivi());
    ASSERT_TRUE(errore.isEmpty()) << errore.toStdString();
}

void CartellaProgramma::scriviFile(const QString& relativo, const QByteArray& contenuto)
{
    const QString p = dir_.filePath(relativo);
    QDir().mkpath(QFileInfo(p).absolutePath());
    QFile f(p);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(contenuto);
}

QByteArray CartellaProgramma::leggiFile(const QString& relativo) const
{
    QFile f(dir_.filePath(relativo));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

namespace {
void permessi(const QString& radice, mode_t cartelle, mode_t file, const QStringList& illeggibili)
{
    QDirIterator it(radice, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    QStringList voci{radice};
    while (it.hasNext())
        voci << it.next();
    for (const QString& v : voci) {
        const bool cartella = QFileInfo(v).isDir();
        const bool illeggibile = illeggibili.contains(QDir(radice).relativeFilePath(v));
        ::chmod(QFile::encodeName(v).constData(), illeggibile ? 0 : cartella ? cartelle : file);
    }
}
} // namespace

void CartellaProgramma::soloLettura(const QStringList& illeggibili)
{
    permessi(dir_.path(), 0555, 0444, illeggibili);
}

CartellaProgramma::~CartellaProgramma()
{
    // The temporary folder must be writable again to be removed.
    permessi(dir_.path(), 0755, 0644, {});
}

SenzaPrivilegi::SenzaPrivilegi()
{
    if (::geteuid() != 0) {
        attivo_ = true;
        return;
    }
    // "nobody"; the saved user stays root so that the destructor can come back.
    eraRoot_ = true;
    attivo_ = ::setresgid(65534, 65534, 0) == 0 && ::setresuid(65534, 65534, 0) == 0;
}

SenzaPrivilegi::~SenzaPrivilegi()
{
    if (eraRoot_) {
        [[maybe_unused]] const int u = ::setresuid(0, 0, 0);
        [[maybe_unused]] const int g = ::setresgid(0, 0, 0);
    }
}

std::shared_ptr<const ArchivioMemoria> vistaDi(const std::vector<RecEstrazione>& estrazioni)
{
    QByteArray raw;
    for (const RecEstrazione& r : estrazioni)
        raw += r.toBytes();
    return ArchivioMemoria::daBytes(raw, primaDataNazionale());
}

AperturaNegata::AperturaNegata(const QString& nome)
{
    compat::setOpenFault([nome](const QString& p) { return p.endsWith(nome, Qt::CaseInsensitive); });
}

AperturaNegata::~AperturaNegata()
{
    compat::setOpenFault({});
}
