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

TextOutput::TextOutput(const QString& path, WriteMode mode) : path_(path), mode_(mode)
{
    if (path.isEmpty()) {
        error_ = QStringLiteral("Nome del file mancante.");
        return;
    }
    const QFileInfo info(path);
    if (!info.absoluteDir().exists()) {
        fail(QStringLiteral("Impossibile creare il file "), 76);
        return;
    }
    if (info.isDir()) {
        fail(QStringLiteral("Impossibile creare il file "), QStringLiteral("è una cartella"));
        return;
    }
    if (mode == WriteMode::Append) {
        file_ = std::make_unique<QFile>(path);
        if (const int number = openToAppend(*file_); number == kOwnFileError)
            error_ = ownFileMessage(path);   // the refusal as it is, no failure around it
        else if (number)
            fail(QStringLiteral("Impossibile aprire il file "), number);
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

void TextOutput::fail(const QString& what, int number)
{
    fail(what, errorDescription(number));
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
    QString reason;
    int number = 0;
    if (replaceFile(path_, text_, &reason, &number))
        return true;
    if (number == kOwnFileError)
        error_ = reason;   // the refusal as it is, no failure around it
    else
        fail(QStringLiteral("Impossibile scrivere il file "), number);
    return false;
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
            fail(QStringLiteral("Errore di scrittura nel file "), errno ? errorNumberOf(errno) : 75);
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
