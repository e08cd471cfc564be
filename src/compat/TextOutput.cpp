#include "compat/TextOutput.h"

#include "compat/AppError.h"
#include "compat/cp1252.h"
#include "compat/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <unistd.h>

namespace compat {

namespace {

QString reasonOf(const QFileDevice& device)
{
    switch (device.error()) {
    case QFileDevice::PermissionsError: return QStringLiteral("accesso negato");
    case QFileDevice::ResourceError: return QStringLiteral("spazio su disco esaurito o risorsa non disponibile");
    case QFileDevice::OpenError: return QStringLiteral("impossibile aprire il file");
    case QFileDevice::WriteError: return QStringLiteral("errore di scrittura");
    default: break;
    }
    const QString s = device.errorString();
    return s.isEmpty() ? QStringLiteral("errore sconosciuto") : s;
}

// The reason for a run-time error number of a failed write.
QString reasonOf(int number)
{
    switch (number) {
    case 61: return QStringLiteral("spazio su disco esaurito");
    case 70: return QStringLiteral("accesso negato");
    case 76: return QStringLiteral("percorso non trovato");
    default: return QStringLiteral("errore di scrittura");
    }
}

} // namespace

TextOutput::TextOutput(const QString& path, WriteMode mode) : path_(path), mode_(mode)
{
    if (path.isEmpty()) {
        error_ = QStringLiteral("Nome del file mancante.");
        return;
    }
    const QFileInfo info(path);
    if (!info.absoluteDir().exists()) {
        error_ = QStringLiteral("Impossibile creare il file ") + path
                 + QStringLiteral(": percorso non trovato.");
        return;
    }
    if (info.isDir()) {
        error_ = QStringLiteral("Impossibile creare il file ") + path
                 + QStringLiteral(": è una cartella.");
        return;
    }
    if (mode == WriteMode::Append) {
        file_ = std::make_unique<QFile>(path);
        if (!file_->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
            fail(*file_, QStringLiteral("Impossibile aprire il file "));
        else
            sizeBefore_ = file_->size();
    }
}

TextOutput::~TextOutput()
{
    if (!done_ && file_ && file_->isOpen())
        file_->close();
}

void TextOutput::fail(const QString& what, const QString& reason)
{
    if (error_.isEmpty())
        error_ = what + path_ + QStringLiteral(": ") + reason + u'.';
}

void TextOutput::fail(const QFileDevice& device, const QString& what)
{
    fail(what, reasonOf(device));
}

void TextOutput::writeLine(QStringView line)
{
    if (failed() || done_)
        return;
    QByteArray bytes = toCp1252(line);
    bytes.append("\r\n");
    text_ += bytes;
}

bool TextOutput::commit()
{
    if (done_)
        return !failed();
    done_ = true;
    if (mode_ == WriteMode::Append)
        return commitAppend();
    if (failed())
        return false;
    int number = 0;
    if (!replaceFile(path_, text_, nullptr, &number))
        fail(QStringLiteral("Impossibile scrivere il file "), reasonOf(number));
    return !failed();
}

bool TextOutput::commitAppend()
{
    if (!file_ || !file_->isOpen())
        return false;
    if (!failed()) {
        // One unbuffered write, so that a failure is seen here and nothing is
        // left in a buffer to be written later.
        errno = 0;
        const bool scritto = file_->write(text_) == text_.size();
        if (!scritto || ::fdatasync(file_->handle()) != 0)
            fail(QStringLiteral("Errore di scrittura nel file "),
                 reasonOf(errno ? errorNumberOf(errno) : 75));
    }
    // What reached the file of a failed addition is taken away again.
    if (failed() && ::ftruncate(file_->handle(), off_t(sizeBefore_)) == 0)
        ::fdatasync(file_->handle());
    file_->close();
    return !failed();
}

bool writeTextLines(const QString& path, const QStringList& lines, WriteMode mode, QString* error)
{
    TextOutput out(path, mode);
    for (const QString& l : lines)
        out.writeLine(l);
    const bool ok = out.commit();
    if (error)
        *error = out.error();
    return ok;
}

} // namespace compat
