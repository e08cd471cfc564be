#pragma once
// Writing a report to a text file, the one way every window does it:
// Windows-1252 text, CR LF after every line (the last included).
//
//   TextOutput out(path, WriteMode::Replace);
//   for (const QString& l : lines) out.writeLine(l);
//   if (!out.commit()) show(out.error());
//
// Replace gathers the text and hands it to replaceFile() in commit(), so a
// failure (or an output dropped without commit) leaves an existing file
// whole. Append adds at the end of an existing file (creating a missing one);
// when the addition fails the file is cut back to what it held. After the
// first failure further lines are ignored and commit() returns false;
// error() gives the reason in Italian. The path is one the user gave: one of
// the program's own files (compat/files.h, isOwnFile) is refused, nothing is
// written and error() is ownFileMessage() alone.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <memory>

class QFile;

namespace compat {

enum class WriteMode { Replace, Append };

class TextOutput {
public:
    TextOutput(const QString& path, WriteMode mode);
    ~TextOutput();
    TextOutput(const TextOutput&) = delete;
    TextOutput& operator=(const TextOutput&) = delete;

    void writeLine(QStringView line);
    bool commit();

    bool failed() const { return !error_.isEmpty(); }
    QString error() const { return error_; }
    QString path() const { return path_; }

private:
    void fail(const QString& what, const QString& reason);
    void fail(const QString& what, int number);
    bool commitAppend();

    QString path_;
    WriteMode mode_;
    QByteArray text_;               // Replace: the whole new file
    std::unique_ptr<QFile> file_;   // Append: the file added to
    qint64 sizeBefore_ = 0;
    QString error_;
    bool done_ = false;
};

// A printed report laid out as lines: a line of text (an empty text is an
// empty line), or the start of a new page.
struct PrintedLine {
    bool newPage = false;
    QString text;
};

// The whole file at once; returns false and fills *error on failure.
bool writeTextLines(const QString& path, const QStringList& lines, WriteMode mode,
                    QString* error = nullptr);

} // namespace compat
