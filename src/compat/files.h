#pragma once
// Text and random-access files as the original program uses them.
#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>
#include <QStringView>
#include <memory>

namespace compat {

// A Windows-1252 text file written line by line; every line ends in CR LF.
class TextFile {
public:
    static TextFile create(const QString& path);   // replaces an existing file
    static TextFile append(const QString& path);   // creates a missing file
    TextFile(TextFile&&) noexcept;
    TextFile& operator=(TextFile&&) noexcept;
    ~TextFile();

    void writeLine(QStringView line);              // AppError 75 when the write fails
    void close();

private:
    explicit TextFile(std::unique_ptr<QFile> f);
    std::unique_ptr<QFile> file_;
};

// Reads a text file as Windows-1252 lines (CR LF, LF or CR ends a line).
QStringList readCp1252Lines(const QString& path, bool* ok = nullptr);

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
    bool isWritable() const { return file_.isOpen() && file_.isWritable(); }
    void close();
    bool isOpen() const { return file_.isOpen(); }
    QString path() const { return file_.fileName(); }
    int recordLength() const { return recLen_; }

    qint64 lof() const;                       // length in bytes
    qint64 records() const;                   // whole records only

    // Record n (n >= 1, else AppError 63); past the end: zero bytes. A record
    // cut short by the end of the file is padded with zero bytes.
    QByteArray get(qint64 n);
    // `count` consecutive records from n, as one block (past the end: zeros).
    QByteArray getMany(qint64 n, qint64 count);
    // Writes record n whole (padded or cut to the record length); AppError 75
    // when the write does not complete.
    void put(qint64 n, QByteArrayView data);

private:
    void openAs(const QString& path, int recordLength, bool readOnly);
    QFile file_;
    int recLen_ = 0;
};

// True when at least one ordinary, non-hidden file matches the path (the
// name may hold the wildcards * and ?); any error gives False.
bool fileExists(QStringView path);

} // namespace compat
