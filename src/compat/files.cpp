#include "compat/files.h"

#include "compat/AppError.h"
#include "compat/cp1252.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>
#include <QRegularExpression>
#include <algorithm>
#include <vector>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace compat {

namespace {
WriteFault gWriteFault;
OpenFault gOpenFault;
WriteWatch gWriteWatch;

// Writes `size` bytes from `data` at `offset` of the descriptor, piece by
// piece, under the test hooks; the errno of the failure, 0 when every byte
// reached the file.
int scriviTutto(int fd, const QString& path, const char* data, qint64 size, qint64 offset = 0)
{
    constexpr qint64 kPezzo = 64 * 1024;
    qint64 scritti = 0;
    while (scritti < size) {
        qint64 pezzo = std::min(kPezzo, size - scritti);
        qint64 passano = pezzo;
        if (gWriteFault) {
            const qint64 n = gWriteFault(path, pezzo);
            if (n >= 0)
                passano = std::min(n, pezzo);
        }
        qint64 fatti = 0;
        while (fatti < passano) {
            const ssize_t r = ::pwrite(fd, data + scritti + fatti, size_t(passano - fatti),
                                       off_t(offset + scritti + fatti));
            if (r < 0 && errno == EINTR)
                continue;
            if (r <= 0)
                return r < 0 ? errno : EIO;
            fatti += r;
        }
        scritti += fatti;
        if (gWriteWatch)
            gWriteWatch(path, scritti);
        if (passano < pezzo)
            return EIO;
    }
    return 0;
}

bool apertura(QFile& f, QIODevice::OpenMode mode)
{
    if (gOpenFault && gOpenFault(f.fileName()))
        return false;
    return f.open(mode);
}

// A refused opening: no permission is told apart, anything else is 75.
int erroreApertura(const QFile& f)
{
    return f.error() == QFileDevice::PermissionsError ? 70 : 75;
}

// The refusal of one of the program's own files, with its message.
[[noreturn]] void rifiuta(const QString& path)
{
    throw AppError{kOwnFileError, ownFileMessage(path), {}};
}
}

int openToAppend(QFile& file, NamedBy namedBy)
{
    if (namedBy == NamedBy::User && isOwnFile(file.fileName()))
        return kOwnFileError;
    errno = 0;
    if (file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return 0;
    return errno ? errorNumberOf(errno) : 75;
}

TextFile::TextFile(std::unique_ptr<QFile> f) : file_(std::move(f)) {}
TextFile::TextFile(TextFile&&) noexcept = default;
TextFile& TextFile::operator=(TextFile&&) noexcept = default;
TextFile::~TextFile()
{
    close();
}


TextFile TextFile::create(const QString& path, NamedBy namedBy)
{
    if (namedBy == NamedBy::User && isOwnFile(path))
        rifiuta(path);
    auto f = std::make_unique<QFile>(path);
    if (!QFileInfo(path).absoluteDir().exists())
        raise(76);
    if (!f->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        raise(erroreApertura(*f));
    return TextFile(std::move(f));
}

TextFile TextFile::append(const QString& path, NamedBy namedBy)
{
    auto f = std::make_unique<QFile>(path);
    if (!QFileInfo(path).absoluteDir().exists())
        raise(76);
    if (const int n = openToAppend(*f, namedBy)) {
        if (n == kOwnFileError)
            rifiuta(path);
        raise(n);
    }
    return TextFile(std::move(f));
}

void TextFile::writeLine(QStringView line)
{
    if (!file_ || !file_->isOpen())
        raise(52);
    QByteArray bytes = toCp1252(line);
    bytes.append("\r\n");
    // Unbuffered: a full disk fails this very line, not a flush nobody sees.
    errno = 0;
    if (file_->write(bytes) != bytes.size())
        raiseSystemError(errno ? errno : EIO);
}

void TextFile::close()
{
    if (file_ && file_->isOpen())
        file_->close();
}

std::optional<QByteArray> readBoundedFile(const QString& path, qint64 limit)
{
    const QByteArray nome = QFile::encodeName(path);
    const int fd = ::open(nome.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    std::optional<QByteArray> letti;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= limit) {
        QByteArray dati;
        dati.resize(qsizetype(st.st_size));
        qint64 quanti = 0;
        for (;;) {
            // One byte past the bound tells a file that grew meanwhile.
            if (quanti == dati.size())
                dati.resize(qsizetype(std::min(limit + 1, quanti + 65536)));
            const ssize_t n = ::read(fd, dati.data() + quanti, size_t(dati.size() - quanti));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                if (n == 0)
                    letti = std::move(dati);
                break;
            }
            quanti += n;
            if (quanti > limit)
                break;
        }
        if (letti)
            letti->truncate(qsizetype(quanti));
    }
    ::close(fd);
    return letti;
}

QStringList readCp1252Lines(const QString& path, bool* ok)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (ok)
            *ok = false;
        return {};
    }
    if (ok)
        *ok = true;
    const QByteArray all = f.readAll();
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < all.size(); ++i) {
        if (all[i] == '\r' || all[i] == '\n') {
            lines.append(fromCp1252(QByteArrayView(all).sliced(start, i - start)));
            if (all[i] == '\r' && i + 1 < all.size() && all[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < all.size())
        lines.append(fromCp1252(QByteArrayView(all).sliced(start)));
    return lines;
}

void RandomFile::open(const QString& path, int recordLength)
{
    openAs(path, recordLength, false);
}

void RandomFile::openForReading(const QString& path, int recordLength)
{
    openAs(path, recordLength, true);
}

void RandomFile::openAs(const QString& path, int recordLength, bool readOnly)
{
    close();
    if (recordLength < 1)
        raise(5);
    if (!QFileInfo(path).absoluteDir().exists())
        raise(76);
    if (readOnly && !QFileInfo::exists(path))
        raise(53);
    file_->setFileName(path);
    if (!apertura(*file_, (readOnly ? QIODevice::ReadOnly : QIODevice::ReadWrite) | QIODevice::Unbuffered))
        raise(erroreApertura(*file_));
    recLen_ = recordLength;
}

void RandomFile::reopen()
{
    if (!file_->isOpen())
        raise(52);
    auto nuovo = std::make_unique<QFile>(file_->fileName());
    if (!apertura(*nuovo, file_->openMode()))
        raise(erroreApertura(*nuovo));
    file_ = std::move(nuovo);
}

void RandomFile::close()
{
    if (file_->isOpen())
        file_->close();
}

qint64 RandomFile::lof() const
{
    return file_->isOpen() ? file_->size() : 0;
}

qint64 RandomFile::records() const
{
    return recLen_ > 0 ? lof() / recLen_ : 0;
}

QByteArray RandomFile::get(qint64 n)
{
    return getMany(n, 1);
}

QByteArray RandomFile::getMany(qint64 n, qint64 count)
{
    if (!file_->isOpen())
        raise(52);
    if (n < 1)
        raise(63);
    QByteArray out(count * recLen_, '\0');
    const qint64 offset = (n - 1) * recLen_;
    if (count > 0 && offset < file_->size()) {
        if (!file_->seek(offset))
            raise(75);
        qint64 got = 0;
        while (got < out.size()) {
            const qint64 r = file_->read(out.data() + got, out.size() - got);
            if (r < 0)
                raise(75);
            if (r == 0)
                break;
            got += r;
        }
    }
    return out;
}

void RandomFile::put(qint64 n, QByteArrayView data)
{
    if (!file_->isOpen())
        raise(52);
    if (n < 1)
        raise(63);
    if (!file_->isWritable())
        raise(75);
    QByteArray rec(recLen_, '\0');
    std::copy_n(data.data(), std::min<qint64>(data.size(), recLen_), rec.data());
    write((n - 1) * recLen_, rec);
}

void RandomFile::putMany(qint64 n, QByteArrayView data)
{
    if (!file_->isOpen())
        raise(52);
    if (n < 1 || data.size() % recLen_ != 0)
        raise(63);
    write((n - 1) * recLen_, data);
}

void RandomFile::write(qint64 offset, QByteArrayView data)
{
    if (const int err = scriviTutto(file_->handle(), file_->fileName(), data.data(), data.size(),
                                    offset))
        raiseSystemError(err);
}

void RandomFile::truncate(qint64 bytes)
{
    if (!file_->isOpen())
        raise(52);
    if (::ftruncate(file_->handle(), off_t(bytes)) != 0)
        raiseSystemError(errno);
}

void RandomFile::flush()
{
    if (!file_->isOpen())
        raise(52);
    if (::fdatasync(file_->handle()) != 0)
        raiseSystemError(errno);
}

namespace {

// The file a replacement of `path` writes: the target of a symbolic link, so
// that the link stays.
QString destinazione(const QString& path)
{
    const QFileInfo fi(path);
    return fi.isSymLink() ? fi.symLinkTarget() : path;
}

} // namespace

FileReplacement::FileReplacement(const QString& path, NamedBy namedBy) : path_(path)
{
    // The file renamed over is the link's target: that is checked too, before
    // anything is created.
    const QString target = destinazione(path);
    if (namedBy == NamedBy::User && (isOwnFile(path) || (target != path && isOwnFile(target)))) {
        error_ = kOwnFileError;
        return;
    }
    const QFileInfo fi(target);
    if (!fi.absoluteDir().exists()) {
        error_ = 76;
        return;
    }
    if (fi.isDir()) {
        error_ = 75;
        return;
    }
    target_ = QFile::encodeName(fi.absoluteFilePath());
    folder_ = QFile::encodeName(fi.absolutePath());
    // A file that may not be written is not replaced either, though its
    // folder would allow the rename.
    if (::access(target_.constData(), W_OK) != 0 && errno != ENOENT) {
        error_ = errorNumberOf(errno);
        return;
    }
    // Beside the target, so that the rename is atomic: until it, the old file
    // is untouched. removeReplacementLeftovers() knows this name.
    for (int tentativo = 0; fd_ < 0 && tentativo < 100; ++tentativo) {
        temporary_ = QFile::encodeName(fi.absoluteDir().filePath(
            QStringLiteral(".%1.%2.tmp")
                .arg(fi.fileName())
                .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'))));
        fd_ = ::open(temporary_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0 && errno != EEXIST) {
            error_ = errorNumberOf(errno);
            return;
        }
    }
    if (fd_ < 0) {
        error_ = 75;
        return;
    }
    if (struct stat vecchio {}; ::stat(target_.constData(), &vecchio) == 0
                                && ::fchmod(fd_, vecchio.st_mode & 07777) != 0)
        abandon(errno);
}

FileReplacement::~FileReplacement()
{
    abandon(0);
}

QString FileReplacement::temporaryPath() const
{
    return QFile::decodeName(temporary_);
}

int FileReplacement::write(QByteArrayView data)
{
    if (!error_)
        if (const int err = scriviTutto(fd_, path_, data.data(), data.size(), written_))
            abandon(err);
    written_ += data.size();
    return error_;
}

void FileReplacement::abandon(int systemError)
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
        ::unlink(temporary_.constData());
    }
    if (systemError && !error_)
        error_ = errorNumberOf(systemError);
}

int FileReplacement::commit()
{
    if (error_ || fd_ < 0)
        return error_ ? error_ : 75;
    int err = ::fsync(fd_) != 0 ? errno : 0;
    if (::close(fd_) != 0 && !err)
        err = errno;
    fd_ = -1;
    if (!err && gWriteFault && gWriteFault(path_, 0) == 0)
        err = EIO;
    if (!err && ::rename(temporary_.constData(), target_.constData()) != 0)
        err = errno;
    if (err) {
        ::unlink(temporary_.constData());
        error_ = errorNumberOf(err);
        return error_;
    }
    // The new name reaches the disk with its folder; a failure here loses
    // nothing, the data are synced already.
    if (const int cartella = ::open(folder_.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        cartella >= 0) {
        ::fsync(cartella);
        ::close(cartella);
    }
    return 0;
}

namespace {

bool sostituisci(const QString& path, QByteArrayView data, QString* error, int* number,
                 NamedBy namedBy)
{
    FileReplacement file(path, namedBy);
    const int n = file.write(data) ? file.error() : file.commit();
    if (error)
        *error = n == kOwnFileError ? ownFileMessage(path) : n ? errorDescription(n) : QString();
    if (number)
        *number = n;
    return n == 0;
}

} // namespace

bool replaceFile(const QString& path, QByteArrayView data, QString* error, int* number)
{
    return sostituisci(path, data, error, number, NamedBy::User);
}

bool replaceOwnFile(const QString& path, QByteArrayView data, QString* error, int* number)
{
    return sostituisci(path, data, error, number, NamedBy::Program);
}

void removeReplacementLeftovers(const QString& path)
{
    for (const QString& file : QSet<QString>{path, destinazione(path)}) {
        const QFileInfo fi(file);
        const QRegularExpression rimasto(QRegularExpression::anchoredPattern(
            QRegularExpression::escape(u'.' + fi.fileName()) + QStringLiteral("\\.[0-9a-f]{8}\\.tmp")));
        QDir dir = fi.absoluteDir();
        for (const QString& nome : dir.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks))
            if (rimasto.match(nome).hasMatch())
                dir.remove(nome);
    }
}

void setWriteFault(WriteFault fault)
{
    gWriteFault = std::move(fault);
}

void setOpenFault(OpenFault fault)
{
    gOpenFault = std::move(fault);
}

void setWriteWatch(WriteWatch watch)
{
    gWriteWatch = std::move(watch);
}

bool sameFile(const QString& a, const QString& b)
{
    struct stat sa {}, sb {};
    return !a.isEmpty() && !b.isEmpty() && ::stat(QFile::encodeName(a).constData(), &sa) == 0
           && ::stat(QFile::encodeName(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev
           && sa.st_ino == sb.st_ino;
}

namespace {
std::function<QStringList()> gOwnFiles;
// The paths HeldOwnFile holds now.
QStringList gHeldFiles;

// A name within a folder, the folder known by device and inode.
struct NomeInCartella {
    dev_t device;
    ino_t inode;
    QString name;
};

// The names a write to `path` goes through: `path` itself, then the target
// of each symbolic link in turn, to the file written (existing or not). The
// path is split as written and handed to the system whole, so that ".." and
// links in the folders resolve as they do for the write; a name whose folder
// is missing ends the list.
std::vector<NomeInCartella> nomiScritti(const QString& path)
{
    std::vector<NomeInCartella> nomi;
    QByteArray p = QFile::encodeName(path);
    for (int collegamenti = 0; collegamenti <= 40 && !p.isEmpty(); ++collegamenti) {
        const qsizetype barra = p.lastIndexOf('/');
        const QByteArray cartella = barra < 0    ? QByteArray(".")
                                    : barra == 0 ? QByteArray("/")
                                                 : p.left(barra);
        const QByteArray nome = p.mid(barra + 1);
        struct stat st {};
        if (nome.isEmpty() || ::stat(cartella.constData(), &st) != 0)
            break;
        nomi.push_back({st.st_dev, st.st_ino, QFile::decodeName(nome)});
        QByteArray bersaglio(4096, '\0');
        const ssize_t n = ::readlink(p.constData(), bersaglio.data(), size_t(bersaglio.size()));
        if (n <= 0 || n >= bersaglio.size())
            break;   // not a link (or past any length a link may have)
        bersaglio.truncate(n);
        p = bersaglio.startsWith('/') ? bersaglio : cartella + '/' + bersaglio;
    }
    return nomi;
}

} // namespace

void setOwnFiles(std::function<QStringList()> files)
{
    gOwnFiles = std::move(files);
}

HeldOwnFile::~HeldOwnFile()
{
    release();
}

void HeldOwnFile::hold(const QString& path)
{
    release();
    path_ = path;
    if (!path_.isEmpty())
        gHeldFiles.append(path_);
}

void HeldOwnFile::release()
{
    if (!path_.isEmpty())
        gHeldFiles.removeOne(path_);
    path_.clear();
}

bool isOwnFile(const QString& name)
{
    const QStringList propri = (gOwnFiles ? gOwnFiles() : QStringList()) + gHeldFiles;
    if (propri.isEmpty() || name.isEmpty())
        return false;
    const std::vector<NomeInCartella> scritti = nomiScritti(name);
    for (const QString& f : propri) {
        if (sameFile(name, f))
            return true;
        for (const NomeInCartella& proprio : nomiScritti(f))
            for (const NomeInCartella& scritto : scritti)
                if (scritto.device == proprio.device && scritto.inode == proprio.inode
                    && scritto.name.compare(proprio.name, Qt::CaseInsensitive) == 0)
                    return true;
    }
    return false;
}

QString ownFileMessage(const QString& name)
{
    return QStringLiteral("Il file ") + name
           + QStringLiteral(" è in uso dal programma: scegliere un altro nome.");
}

bool fileExists(QStringView path)
{
    const QFileInfo fi(path.toString());
    const QString name = fi.fileName();
    if (!name.contains(u'*') && !name.contains(u'?'))
        return !existingFile(path).isEmpty();
    const QDir dir = fi.absoluteDir();
    return dir.exists()
           && !dir.entryList({name}, QDir::Files | QDir::NoDotAndDotDot).isEmpty();   // no hidden, no system
}

QString existingFile(QStringView path)
{
    const QString p = path.toString();
    if (p.isEmpty())
        return {};
    const QFileInfo fi(p);
    const QString name = fi.fileName();
    if (name.isEmpty())
        return {};
    const QDir dir = fi.absoluteDir();
    if (!dir.exists())
        return {};
    const QFileInfo f(dir.filePath(name));
    if (f.exists())
        return f.isFile() && !f.isHidden() ? p : QString();
    // Letter case does not tell names apart, as for a wildcard name.
    const QStringList tutti = dir.entryList(QDir::Files | QDir::NoDotAndDotDot);   // no hidden, no system
    for (const QString& n : tutti)
        if (n.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(n);
    return {};
}

} // namespace compat
