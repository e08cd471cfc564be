#include "compat/AppError.h"
#include "compat/files.h"
#include "compat/TextOutput.h"
#include "ArchivioTest.h"
#include "LimiteFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>

#include <sys/stat.h>

namespace {

using compat::AppError;

QByteArray contenuto(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<manca>");
}

TEST(TextFile, LinesEndInCrLfAndAppendKeepsWhatWasThere)
{
    QTemporaryDir d;
    const QString p = d.filePath("r.txt");
    {
        auto f = compat::TextFile::create(p);
        f.writeLine(QString::fromUtf8("primà"));
        f.writeLine(u"");
    }
    EXPECT_EQ(contenuto(p), QByteArray("prim\xE0\r\n\r\n"));
    {
        auto f = compat::TextFile::append(p);
        f.writeLine(u"terza");
    }
    EXPECT_EQ(contenuto(p), QByteArray("prim\xE0\r\n\r\nterza\r\n"));
    {
        auto f = compat::TextFile::create(p);   // create replaces
        f.writeLine(u"sola");
    }
    EXPECT_EQ(contenuto(p), QByteArray("sola\r\n"));
    EXPECT_EQ(compat::readCp1252Lines(p), QStringList{"sola"});
    try {
        compat::TextFile::create(d.filePath("manca/r.txt"));
        FAIL() << "a missing folder must be an error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number, 76);
    }
}

// A name is found whatever its letter case, and the file found keeps its
// own name; folders and hidden files are no files.
TEST(FileExists, LetterCaseDoesNotTellNamesApartAndTheFileKeepsItsName)
{
    QTemporaryDir d;
    QFile(d.filePath("Multi.txt")).open(QIODevice::WriteOnly);
    QFile(d.filePath(".nascosto")).open(QIODevice::WriteOnly);
    QDir(d.path()).mkdir("Cartella");
    EXPECT_TRUE(compat::fileExists(d.filePath("multi.txt")));
    EXPECT_EQ(compat::existingFile(d.filePath("multi.TXT")), d.filePath("Multi.txt"));
    EXPECT_EQ(compat::existingFile(d.filePath("Multi.txt")), d.filePath("Multi.txt"));
    EXPECT_TRUE(compat::fileExists(d.filePath("*.TXT")));
    for (const char* nome : {"altro.txt", "cartella", ".nascosto", ""}) {
        EXPECT_FALSE(compat::fileExists(d.filePath(nome))) << nome;
        EXPECT_EQ(compat::existingFile(d.filePath(nome)), QString()) << nome;
    }
}

TEST(RandomFile, RecordsAreWholeAndPaddedAndPastTheEndIsZeros)
{
    QTemporaryDir d;
    compat::RandomFile f;
    f.open(d.filePath("r.bin"), 4);          // a missing file is created empty
    EXPECT_EQ(f.lof(), 0);
    f.put(2, "abcdef");                       // cut to the record length
    f.put(1, "x");                            // padded with zero bytes
    EXPECT_EQ(f.lof(), 8);
    EXPECT_EQ(f.get(1), QByteArray("x\0\0\0", 4));
    EXPECT_EQ(f.get(2), QByteArray("abcd"));
    EXPECT_EQ(f.get(9), QByteArray(4, '\0'));
    EXPECT_EQ(f.getMany(2, 2), QByteArray("abcd\0\0\0\0", 8));
    EXPECT_EQ(f.records(), 2);
    for (qint64 n : {0, -1}) {
        try {
            f.get(n);
            FAIL() << "record " << n;
        } catch (const AppError& e) {
            EXPECT_EQ(e.number, 63);
        }
    }
    f.close();
    QFile raw(d.filePath("r.bin"));
    ASSERT_TRUE(raw.open(QIODevice::Append));
    raw.write("zz");                          // half a record left by a broken write
    raw.close();
    f.open(d.filePath("r.bin"), 4);
    EXPECT_EQ(f.records(), 2);
    EXPECT_EQ(f.get(3), QByteArray("zz\0\0", 4));
}

TEST(RandomFile, FailedReopenKeepsTheHandleThatWrote)
{
    QTemporaryDir d;
    compat::RandomFile f;
    f.open(d.filePath("r.bin"), 4);
    f.put(1, "abcd");
    compat::setOpenFault([](const QString& p) { return p.endsWith(QStringLiteral("r.bin")); });
    try {
        f.reopen();
        ADD_FAILURE() << "the reopening was to fail";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number, 75);
    }
    compat::RandomFile altro;
    EXPECT_THROW(altro.open(d.filePath("r.bin"), 4), AppError);
    compat::setOpenFault({});
    ASSERT_TRUE(f.isOpen());
    EXPECT_TRUE(f.isWritable());
    f.put(2, "efgh");
    EXPECT_EQ(f.getMany(1, 2), QByteArray("abcdefgh"));
    // A sound reopening reads the file now at the path, not the one replaced.
    QFile nuovo(d.filePath("n.bin"));
    ASSERT_TRUE(nuovo.open(QIODevice::WriteOnly));
    nuovo.write("abcdefghijkl");
    nuovo.close();
    ASSERT_TRUE(QFile::remove(d.filePath("r.bin")));
    ASSERT_TRUE(QFile::rename(d.filePath("n.bin"), d.filePath("r.bin")));
    EXPECT_EQ(f.records(), 2);
    f.reopen();
    EXPECT_EQ(f.records(), 3);
    EXPECT_TRUE(f.isWritable());
}

} // namespace

namespace {

// What a folder holds, its subfolders included, names and bytes: a failed
// replacement leaves no temporary file behind and the old file as it was.
std::map<QString, QByteArray> cartella(const QTemporaryDir& d)
{
    std::map<QString, QByteArray> m;
    const QDir dir(d.path());
    QDirIterator it(d.path(), QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString p = it.next();
        m[dir.relativeFilePath(p)] = contenuto(p);
    }
    return m;
}

} // namespace

TEST(ReplaceFile, AShortWriteOnAFullDiskLeavesTheOldFileAndNoTemporary)
{
    struct Caso {
        const char* nome;
        qint64 nuovi;   // bytes of the new content
        qint64 limite;  // what the disk takes
    };
    // Small contents never reach the disk before the rename unless every
    // write is seen; large ones fail in the middle.
    const Caso casi[] = {{"piccolo", 133, 26}, {"nulla entra", 133, 0}, {"grande", 200'000, 70'000},
                         {"un pezzo esatto", 64 * 1024 + 1, 64 * 1024}};
    for (const Caso& c : casi) {
        QTemporaryDir d;
        const QString p = d.filePath("Quorvane.ini");
        QFile vecchio(p);
        ASSERT_TRUE(vecchio.open(QIODevice::WriteOnly));
        vecchio.write("[Options]\r\nGiorni estrazione=NNYNYNY\r\n");
        vecchio.close();
        const auto prima = cartella(d);
        QString errore;
        int numero = 0;
        bool ok = true;
        {
            LimiteFile disco(c.limite);
            ok = compat::replaceFile(p, QByteArray(c.nuovi, 'x'), &errore, &numero);
        }
        EXPECT_FALSE(ok) << c.nome;
        EXPECT_EQ(numero, 61) << c.nome;
        EXPECT_EQ(errore, QStringLiteral("Disco pieno")) << c.nome;
        EXPECT_EQ(cartella(d), prima) << c.nome;
    }
}

TEST(ReplaceFile, ASoundReplacementKeepsTheModeAndALinkAndAFailedRenameKeepsTheOldFile)
{
    QTemporaryDir d;
    const QString p = d.filePath("vero.txt");
    ASSERT_TRUE(compat::replaceFile(p, "uno"));
    QFile::setPermissions(p, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    ASSERT_TRUE(QFile::link(p, d.filePath("collegamento.txt")));
    ASSERT_TRUE(compat::replaceFile(d.filePath("collegamento.txt"), "due"));
    EXPECT_TRUE(QFileInfo(d.filePath("collegamento.txt")).isSymLink());
    EXPECT_EQ(contenuto(p), "due");
    const auto altri = QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
    EXPECT_EQ(QFile::permissions(p) & altri, QFile::ReadGroup);
    const auto prima = cartella(d);
    compat::setWriteFault([](const QString&, qint64 size) -> qint64 { return size == 0 ? 0 : -1; });
    int numero = 0;
    EXPECT_FALSE(compat::replaceFile(p, "tre", nullptr, &numero));
    compat::setWriteFault({});
    EXPECT_EQ(numero, 75);
    EXPECT_EQ(cartella(d), prima);
    EXPECT_FALSE(compat::replaceFile(d.filePath("manca/x.txt"), "x", nullptr, &numero));
    EXPECT_EQ(numero, 76);
}

TEST(ReplaceFile, AFileTheUserMayNotWriteIsRefusedAndKept)
{
    QTemporaryDir d;
    const QString p = d.filePath("sola_lettura.bin");
    ASSERT_TRUE(compat::replaceFile(p, "vecchio"));
    ::chmod(QFile::encodeName(d.path()).constData(), 0777);   // the rename alone would be allowed
    ::chmod(QFile::encodeName(p).constData(), 0444);
    SenzaPrivilegi utente;
    if (!utente.attivo())
        GTEST_SKIP() << "cannot run as an unprivileged user";
    int numero = 0;
    EXPECT_FALSE(compat::replaceFile(p, "nuovo", nullptr, &numero));
    EXPECT_EQ(numero, 70);
    EXPECT_EQ(contenuto(p), "vecchio");
}

// The writers themselves refuse the program's own files, whatever the
// dialogs before them checked: the name in another letter case, through a
// link to its folder or to the file, and the log before it exists. Nothing
// is written or created, and the refusal is its message alone.
TEST(OwnFile, EveryWriterRefusesItAndWritesNothing)
{
    QTemporaryDir d;
    ASSERT_TRUE(QDir(d.path()).mkpath("Archivi") && QDir(d.path()).mkpath("IniFile"));
    ASSERT_TRUE(compat::replaceOwnFile(d.filePath("Archivi/Estrazioni.ind"), "archivio"));
    ASSERT_TRUE(QFile::link(d.filePath("Archivi"), d.filePath("collegata")));
    ASSERT_TRUE(QFile::link(d.filePath("IniFile/errori.LOG"), d.filePath("registro.txt")));
    compat::setOwnFiles([&] {
        return QStringList{d.filePath("Archivi/Estrazioni.ind"), d.filePath("IniFile/Errori.log")};
    });
    const auto prima = cartella(d);
    for (const char* nome : {"Archivi/estrazioni.IND", "collegata/ESTRAZIONI.ind", "IniFile/Errori.log",
                             "registro.txt"}) {
        SCOPED_TRACE(nome);
        const QString p = d.filePath(QString::fromLatin1(nome));
        const std::string rifiuto = compat::ownFileMessage(p).toStdString();
        QString errore;
        int numero = 0;
        EXPECT_FALSE(compat::replaceFile(p, "x", &errore, &numero));
        EXPECT_EQ(numero, compat::kOwnFileError);
        EXPECT_EQ(errore.toStdString(), rifiuto);
        for (const auto modo : {compat::WriteMode::Replace, compat::WriteMode::Append}) {
            compat::TextOutput out(p, modo);
            out.writeLine(u"x");
            EXPECT_FALSE(out.commit());
            EXPECT_EQ(out.error().toStdString(), rifiuto);
        }
        try {
            compat::TextFile::append(p).writeLine(u"x");
            ADD_FAILURE() << "scritto";
        } catch (const AppError& e) {
            EXPECT_EQ(e.number, compat::kOwnFileError);
            EXPECT_EQ(e.description.toStdString(), rifiuto);
        }
        EXPECT_EQ(cartella(d), prima);
    }
    compat::setOwnFiles({});
}

// A file held is one of the program's own files, in any letter case, only
// while it is held: not after a release, another hold or the holder's end.
TEST(OwnFile, AHeldFileIsOwnOnlyWhileHeld)
{
    QTemporaryDir d;
    const QString agg = d.filePath("Agg.bin"), altro = d.filePath("altro.bin");
    std::optional<compat::HeldOwnFile> file(std::in_place);
    const struct {
        const char* passo;
        std::function<void()> fai;
        bool proprio;
    } passi[] = {{"held", [&] { file->hold(agg); }, true},
                 {"released", [&] { file->release(); }, false},
                 {"held again", [&] { file->hold(agg); }, true},
                 {"another held", [&] { file->hold(altro); }, false},
                 {"held at the end", [&] { file->hold(agg); }, true},
                 {"holder ended", [&] { file.reset(); }, false}};
    for (const auto& [passo, fai, proprio] : passi) {
        fai();
        for (const char* nome : {"Agg.bin", "aGG.BIN"})
            EXPECT_EQ(compat::isOwnFile(d.filePath(QString::fromLatin1(nome))), proprio)
                << passo << " " << nome;
    }
}

TEST(FileWrite, OnAFullDiskIsDiskFull)
{
    QTemporaryDir d;
    compat::RandomFile f;
    f.open(d.filePath("r.bin"), 66);
    f.put(1, QByteArray(66, 'a'));
    LimiteFile disco(100);
    for (const auto& scrivi : std::initializer_list<std::function<void()>>{
             [&] { f.put(2, QByteArray(66, 'b')); },
             [&] { f.putMany(2, QByteArray(132, 'b')); },
             [&] { f.truncate(200); },
             [&] { compat::TextFile::append(d.filePath("Errori.log")).writeLine(QString(120, u'x')); }}) {
        try {
            scrivi();
            ADD_FAILURE() << "the write was to fail";
        } catch (const AppError& e) {
            EXPECT_EQ(e.number, 61);
            EXPECT_EQ(e.description, QStringLiteral("Disco pieno"));
        }
    }
}

// Only an ordinary file within the bound is read: one that claims a gigabyte
// or a folder is refused at once.
TEST(ReadBoundedFile, OnlyAnOrdinaryFileWithinTheBoundIsRead)
{
    QTemporaryDir d;
    auto file = [&](const char* nome, qint64 byte) {
        QFile f(d.filePath(QString::fromLatin1(nome)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.resize(byte));
        return f.fileName();
    };
    const std::pair<QString, std::optional<QByteArray>> casi[] = {
        {file("al limite", 1000), QByteArray(1000, 0)}, {file("oltre", 1001), std::nullopt},
        {file("giga", qint64(1) << 30), std::nullopt}, {d.path(), std::nullopt}};
    for (const auto& [path, letti] : casi)
        EXPECT_EQ(compat::readBoundedFile(path, 1000), letti) << path.toStdString();
}
