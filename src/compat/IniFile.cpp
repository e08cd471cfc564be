#include "compat/IniFile.h"

#include "compat/cp1252.h"
#include "compat/files.h"

#include <QFile>
#include <QFileInfo>
#include <QList>

namespace compat {

namespace {

constexpr int kMaxValue = 999;

// `exists` false for a missing file; `whole` false for a file that is there
// but could not be read to its end.
QList<QByteArray> readLines(const QString& path, bool* exists, bool* whole = nullptr)
{
    QFile f(path);
    *exists = f.open(QIODevice::ReadOnly);
    if (whole)
        *whole = *exists ? true : !QFileInfo::exists(path);
    if (!*exists)
        return {};
    const QByteArray all = f.readAll();
    if (whole && f.error() != QFileDevice::NoError)
        *whole = false;
    QList<QByteArray> lines = all.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray& l : lines)
        if (l.endsWith('\r'))
            l.chop(1);
    return lines;
}

// The section name of a header line, or nullopt when the line is no header.
std::optional<QString> sectionOf(const QByteArray& line)
{
    const QByteArray t = line.trimmed();
    if (!t.startsWith('['))
        return std::nullopt;
    const qsizetype close = t.indexOf(']');
    if (close < 0)
        return std::nullopt;
    return fromCp1252(t.mid(1, close - 1)).trimmed();
}

// The key of a "key=value" line, or nullopt.
std::optional<QString> keyOf(const QByteArray& line)
{
    const qsizetype eq = line.indexOf('=');
    if (eq < 0)
        return std::nullopt;
    const QByteArray k = line.left(eq).trimmed();
    if (k.startsWith(';'))
        return std::nullopt;
    return fromCp1252(k);
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString unquote(QString v)
{
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
        return v.mid(1, v.size() - 2);
    return v;
}

} // namespace

QString IniFile::clean(const QString& raw)
{
    // Blanks only are trimmed first; control characters then go wherever they are.
    const QString& t = raw;
    qsizetype b = 0, e = t.size();
    while (b < e && t[b] == u' ')
        ++b;
    while (e > b && t[e - 1] == u' ')
        --e;
    QString out;
    out.reserve(e - b);
    for (qsizetype i = b; i < e; ++i)
        if (t[i].unicode() > 31)
            out.append(t[i]);
    return out;
}

QString IniFile::get(const QString& section, const QString& key, const QString& deflt) const
{
    bool exists = false;
    const QList<QByteArray> lines = readLines(path_, &exists);
    bool inSection = false;
    bool sectionSeen = false;
    for (const QByteArray& line : lines) {
        if (auto s = sectionOf(line)) {
            if (inSection)
                break;                        // the first of duplicate sections wins
            inSection = !sectionSeen && sameName(*s, section);
            sectionSeen = sectionSeen || inSection;
            continue;
        }
        if (!inSection)
            continue;
        auto k = keyOf(line);
        if (!k || !sameName(*k, key))
            continue;
        QString value = fromCp1252(line.mid(line.indexOf('=') + 1)).trimmed();
        value = unquote(value).left(kMaxValue);
        return value.isEmpty() ? QString() : clean(value);
    }
    return clean(deflt.left(kMaxValue));
}

bool IniFile::set(const QString& section, const QString& key,
                  const std::optional<QString>& value) const
{
    bool exists = false, whole = false;
    QList<QByteArray> lines = readLines(path_, &exists, &whole);
    // Written from a part of the file, the rest of the settings would be lost.
    if (!whole || (exists && !QFileInfo(path_).isWritable()))
        return false;

    const QByteArray newLine = toCp1252(key) + '=' + (value ? toCp1252(*value) : QByteArray());
    qsizetype sectionAt = -1;   // header line of the section
    qsizetype lastInSection = -1;
    qsizetype keyAt = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (auto s = sectionOf(lines[i])) {
            if (sectionAt >= 0)
                break;
            if (sameName(*s, section)) {
                sectionAt = i;
                lastInSection = i;
            }
            continue;
        }
        if (sectionAt < 0)
            continue;
        if (!lines[i].trimmed().isEmpty())
            lastInSection = i;
        if (auto k = keyOf(lines[i]); k && sameName(*k, key)) {
            keyAt = i;
            break;
        }
    }

    if (keyAt >= 0) {
        if (value)
            lines[keyAt] = newLine;
        else
            lines.removeAt(keyAt);
    } else if (!value) {
        return true;                          // nothing to remove
    } else if (sectionAt >= 0) {
        lines.insert(lastInSection + 1, newLine);
    } else {
        lines.append('[' + toCp1252(section) + ']');
        lines.append(newLine);
    }

    QByteArray testo;
    for (const QByteArray& l : lines) {
        testo += l;
        testo += "\r\n";
    }
    return replaceOwnFile(path_, testo);
}

} // namespace compat
