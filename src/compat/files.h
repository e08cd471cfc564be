#pragma once
// Text and random-access files as the original program uses them.
#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>
#include <QStringView>
#include <functional>
#include <memory>
#include <optional>

namespace compat {

// Who names a file that is written: the user (an output whose name the user
// gave, which may not be one of the program's own files: see isOwnFile), or
// the program itself, for its own files.
enum class NamedBy { User, Program };

// The run-time error ("File già aperto") of a write refused because its
// file is one of the program's own files; nothing is written, and
// ownFileMessage() tells the user.
inline constexpr int kOwnFileError = 55;

// A Windows-1252 text file written line by line; every line ends in CR LF.
// Named by the user, one of the program's own files is refused before it is
// opened: AppError kOwnFileError with ownFileMessage() as its description.
class TextFile {
public:
    // Replaces an existing file.
    static TextFile create(const QString& path, NamedBy namedBy = NamedBy::User);
    // Creates a missing file.
    static TextFile append(const QString& path, NamedBy namedBy = NamedBy::User);
    TextFile(TextFile&&) noexcept;
    TextFile& operator=(TextFile&&) noexcept;
    ~TextFile();

    void writeLine(QStringView line);              // AppError 61/70/75 when the write fails
    void close();

private:
    explicit TextFile(std::unique_ptr<QFile> f);
    std::unique_ptr<QFile> file_;
};

// Opens `file` (its name set) to add at its end, unbuffered, creating a
// missing file: the run-time error, 0 when it is open. Named by the user, one
// of the program's own files is kOwnFileError, with nothing opened or created.
int openToAppend(QFile& file, NamedBy namedBy = NamedBy::User);

// Reads a text file as Windows-1252 lines (CR LF, LF or CR ends a line).
QStringList readCp1252Lines(const QString& path, bool* ok = nullptr);

// The whole of an ordinary file of at most `limit` bytes, links followed.
// Anything else gives nothing: a file that cannot be opened or read, a
// folder, a device, a pipe (opened without waiting for a writer), a file
// larger than the bound. At most limit + 1 bytes are read, whatever size the
// file claims, so a file that grows while it is read is refused too.
std::optional<QByteArray> readBoundedFile(const QString& path, qint64 limit);

// A file of fixed-length records, numbered from 1.
class RandomFile {
public:
    RandomFile() = default;
    RandomFile(const RandomFile&) = delete;
    RandomFile& operator=(const RandomFile&) = delete;

    // Opens for reading and writing; a missing file is created empty.
    // AppError 76 when the folder is missing, 75 when the file cannot be opened.
    void open(const QString& path, int recordLength);
    // Opens an existing file for reading only: put() then fails with AppError
    // 75. AppError 53 when the file is missing, 75 when it cannot be read.
    void openForReading(const QString& path, int recordLength);
    // Opens the same file again, in the same mode. When the new opening fails
    // the file stays open on the handle it had (AppError 75), so what was
    // written through it is still read.
    void reopen();
    bool isWritable() const { return file_->isOpen() && file_->isWritable(); }
    void close();
    bool isOpen() const { return file_->isOpen(); }
    QString path() const { return file_->fileName(); }
    int recordLength() const { return recLen_; }

    qint64 lof() const;                       // length in bytes
    qint64 records() const;                   // whole records only

    // Record n (n >= 1, else AppError 63); past the end: zero bytes. A record
    // cut short by the end of the file is padded with zero bytes.
    QByteArray get(qint64 n);
    // `count` consecutive records from n, as one block (past the end: zeros).
    QByteArray getMany(qint64 n, qint64 count);
    // Writes record n whole (padded or cut to the record length). When the
    // write does not complete: AppError 61 (no space), 70 (no permission) or
    // 75, as for every failed write, cut or flush below.
    void put(qint64 n, QByteArrayView data);
    // Writes `data` (whole records) from record n on in one write.
    void putMany(qint64 n, QByteArrayView data);
    // Cuts or extends the file to `bytes`.
    void truncate(qint64 bytes);
    // Hands what was written to the disk.
    void flush();

private:
    void openAs(const QString& path, int recordLength, bool readOnly);
    void write(qint64 offset, QByteArrayView data);

    // Held by pointer so that a reopening can swap handles.
    std::unique_ptr<QFile> file_ = std::make_unique<QFile>();
    int recLen_ = 0;
};

// Tests inject write failures here: before each piece of a write to a
// random-access file or to a replacement (pieces of at most 64 KiB) the hook
// gets the file's path and the piece's size and returns how many of its bytes
// reach the file before the write fails, or -1 to let it through. A
// replacement asks once more with size 0 before its rename: 0 fails the
// rename. An empty function removes the hook.
using WriteFault = std::function<qint64(const QString& path, qint64 size)>;
void setWriteFault(WriteFault fault);

// Tests make openings of random-access files fail here: the hook gets the
// file's path and returns true to fail the opening. An empty function
// removes the hook.
using OpenFault = std::function<bool(const QString& path)>;
void setOpenFault(OpenFault fault);

// Tests stand for a crash here: after each piece of a write reaches its file
// the hook gets the path (for a replacement, the file being replaced) and the
// bytes the write has put there so far; a test may end the process in it. An
// empty function removes the hook.
using WriteWatch = std::function<void(const QString& path, qint64 written)>;
void setWriteWatch(WriteWatch watch);

// A file replaced whole through a temporary file beside it
// (".<name>.<8 hex digits>.tmp", with the mode of the file it replaces):
// what is written into the temporary file reaches `path` only in commit(),
// which syncs it and renames it over the target. Dropped without a commit, or
// after any failure, the temporary file is removed and an existing file
// stays byte for byte. A symbolic link is kept and its target replaced; an
// existing file this process may not write is refused (70), and so is, when
// the user named it, one of the program's own files (kOwnFileError), before
// anything is created.
class FileReplacement {
public:
    explicit FileReplacement(const QString& path, NamedBy namedBy = NamedBy::User);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // 0 while sound, else the run-time error of the first failure (61 no
    // space, 70 no permission, 75 any other fault, 76 no such folder,
    // kOwnFileError one of the program's own files).
    int error() const { return error_; }
    // Where a writer that opens its file itself writes.
    QString temporaryPath() const;
    // Appends `data`; the error, 0 when it reached the file whole.
    int write(QByteArrayView data);
    // Syncs and renames; the error, 0 when the target holds the new file.
    int commit();

private:
    void abandon(int systemError);

    QString path_;
    QByteArray target_;
    QByteArray folder_;
    QByteArray temporary_;
    int fd_ = -1;
    int error_ = 0;
    qint64 written_ = 0;
};

// Replaces the file at `path`, a name the user gave, with `data` through a
// FileReplacement: every failed write, sync or rename is seen before the old
// file is touched. False on failure, with the run-time error in *number and
// its description in *error (for kOwnFileError, ownFileMessage(path)).
bool replaceFile(const QString& path, QByteArrayView data, QString* error = nullptr,
                 int* number = nullptr);
// The same for one of the program's own files, named by the program.
bool replaceOwnFile(const QString& path, QByteArrayView data, QString* error = nullptr,
                    int* number = nullptr);

// Removes what replaceFile() leaves of `path` when the process ends between
// the creation of its temporary file and the rename: the ordinary files named
// "." + the file's name + "." + eight lowercase hex digits + ".tmp" beside
// it, and beside its target when it is a symbolic link. Nothing else.
void removeReplacementLeftovers(const QString& path);

// Whether both names reach one existing file, links followed: the same
// device and inode, so a hard link or a name through ".." counts too.
bool sameFile(const QString& a, const QString& b);

// The program's own files (the archive, the settings, the single-copy lock,
// the error log), which no output named by the user may write; the shell
// names them at start-up.
void setOwnFiles(std::function<QStringList()> files);

// A file the program holds open for a while (an update file being read): one
// of its own files from hold() until release() or the holder's end.
class HeldOwnFile {
public:
    HeldOwnFile() = default;
    ~HeldOwnFile();
    HeldOwnFile(const HeldOwnFile&) = delete;
    HeldOwnFile& operator=(const HeldOwnFile&) = delete;

    // In place of the file held before.
    void hold(const QString& path);
    void release();
    // Empty when none is held.
    QString path() const { return path_; }

private:
    QString path_;
};

// Whether writing `name` would write one of them or a file held: the same
// existing file (device and inode, so through any link, "..", hard link or
// bind mount), or, existing or not yet, the same folder (device and inode)
// and a name that differs at most in letter case, as existingFile() finds
// it; every symbolic link from `name` to the file written counts, dangling
// ones too.
bool isOwnFile(const QString& name);
// "Il file <name> è in uso dal programma: scegliere un altro nome."
QString ownFileMessage(const QString& name);

// True when at least one ordinary, non-hidden file matches the path (the
// name may hold the wildcards * and ?); any error gives False.
bool fileExists(QStringView path);
// The file that fileExists() finds for a name without wildcards: `path`
// itself when it names one, else the one whose name differs from it only in
// letter case; empty when there is none.
QString existingFile(QStringView path);

} // namespace compat
