#include "compat/files.h"

#include "compat/AppError.h"
#include "compat/cp1252.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <algorithm>

#include <unistd.h>

namespace compat {

namespace {
WriteFault gWriteFault;
OpenFault gOpenFault;

bool apertura(QFile& f, QIODevice::OpenMode mode)
{
    if (gOpenFault && gOpenFault(f.fileName()))
        return false;
    return f.open(mode);
}
}

TextFile::TextFile(std::unique_ptr<QFile> f) : file_(std::move(f)) {}
TextFile::TextFile(TextFile&&) noexcept = default;
TextFile& TextFile::operator=(TextFile&&) noexcept = default;
TextFile::~TextFile()
{
    close();
}


TextFile TextFile::create(const QString& path)
{
    auto f = std::make_unique<QFile>(path);
    if (!QFileInfo(path).absoluteDir().exists())
        raise(76);
    if (!f->open(QIODevice::WriteOnly | QIODevice::Truncate))
        raise(75);
    return TextFile(std::move(f));
}

TextFile TextFile::append(const QString& path)
{
    auto f = std::make_unique<QFile>(path);
    if (!QFileInfo(path).absoluteDir().exists())
        raise(76);
    if (!f->open(QIODevice::WriteOnly | QIODevice::Append))
        raise(75);
    return TextFile(std::move(f));
}

void TextFile::writeLine(QStringView line)
{
    if (!file_ || !file_->isOpen())
        raise(52);
    QByteArray bytes = toCp1252(line);
    bytes.append("\r\n");
    if (file_->write(bytes) != bytes.size())
        raise(75);
}

void TextFile::close()
{
    if (file_ && file_->isOpen())
        file_->close();
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
        raise(75);
    recLen_ = recordLength;
}

void RandomFile::reopen()
{
    if (!file_->isOpen())
        raise(52);
    auto nuovo = std::make_unique<QFile>(file_->fileName());
    if (!apertura(*nuovo, file_->openMode()))
        raise(75);
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
    qint64 passano = data.size();
    if (gWriteFault) {
        const qint64 f = gWriteFault(file_->fileName(), data.size());
        if (f >= 0)
            passano = std::min(f, passano);
    }
    if (!file_->seek(offset))
        raise(75);
    if (passano > 0 && file_->write(data.data(), passano) != passano)
        raise(75);
    if (passano < data.size())
        raise(75);
}

void RandomFile::truncate(qint64 bytes)
{
    if (!file_->isOpen())
        raise(52);
    if (!file_->resize(bytes))
        raise(75);
}

void RandomFile::flush()
{
    if (!file_->isOpen())
        raise(52);
    if (!file_->flush() || ::fdatasync(file_->handle()) != 0)
        raise(75);
}

bool replaceFile(const QString& path, QByteArrayView data, QString* error)
{
    const auto fallito = [&] {
        if (error)
            *error = errorDescription(75);
        return false;
    };
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return fallito();
    qint64 passano = data.size();
    if (gWriteFault) {
        const qint64 n = gWriteFault(path, data.size());
        if (n >= 0)
            passano = std::min(n, passano);
    }
    if ((passano > 0 && f.write(data.data(), passano) != passano) || passano < data.size()) {
        f.cancelWriting();
        return fallito();
    }
    if (!f.commit())
        return fallito();
    return true;
}

void setWriteFault(WriteFault fault)
{
    gWriteFault = std::move(fault);
}

void setOpenFault(OpenFault fault)
{
    gOpenFault = std::move(fault);
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
