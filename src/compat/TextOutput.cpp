#include "compat/TextOutput.h"

#include "compat/cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace compat {

namespace {

QString reasonOf(const QFileDevice& device)
{
    switch (device.error()) {
    case QFileDevice::PermissionsError: return QStringLiteral("accesso negato");
    case QFileDevice::ResourceError: return QStringLiteral("spazio su disco esaurito o risorsa non disponibile");
    case QFileDevice::OpenError: return QStringLiteral("impossibile aprire il file");
    case QFileDevice::WriteError: return QStringLiteral("errore di scrittura");
    case QFileDevice::RenameError:
    case QFileDevice::CopyError: return QStringLiteral("impossibile sostituire il file esistente");
    default: break;
    }
    const QString s = device.errorString();
    return s.isEmpty() ? QStringLiteral("errore sconosciuto") : s;
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
    if (mode == WriteMode::Replace) {
        auto f = std::make_unique<QSaveFile>(path);
        if (!f->open(QIODevice::WriteOnly))
            fail(*f, QStringLiteral("Impossibile creare il file "));
        device_ = std::move(f);
    } else {
        auto f = std::make_unique<QFile>(path);
        if (!f->open(QIODevice::WriteOnly | QIODevice::Append))
            fail(*f, QStringLiteral("Impossibile aprire il file "));
        device_ = std::move(f);
    }
}

TextOutput::~TextOutput()
{
    if (done_ || !device_)
        return;
    if (auto* save = dynamic_cast<QSaveFile*>(device_.get()))
        save->cancelWriting(); // the old file stays as it was
    else
        device_->close();
}

void TextOutput::fail(const QFileDevice& device, const QString& what)
{
    if (error_.isEmpty())
        error_ = what + path_ + QStringLiteral(": ") + reasonOf(device) + u'.';
}

void TextOutput::writeLine(QStringView line)
{
    if (failed() || done_ || !device_)
        return;
    QByteArray bytes = toCp1252(line);
    bytes.append("\r\n");
    if (device_->write(bytes) != bytes.size())
        fail(*device_, QStringLiteral("Errore di scrittura nel file "));
}

bool TextOutput::commit()
{
    if (done_)
        return !failed();
    done_ = true;
    if (!device_)
        return false;
    if (auto* save = dynamic_cast<QSaveFile*>(device_.get())) {
        if (failed()) {
            save->cancelWriting();
            return false;
        }
        if (!save->commit())
            fail(*save, QStringLiteral("Impossibile scrivere il file "));
        return !failed();
    }
    auto* file = static_cast<QFile*>(device_.get());
    if (!failed() && !file->flush())
        fail(*file, QStringLiteral("Errore di scrittura nel file "));
    file->close();
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
