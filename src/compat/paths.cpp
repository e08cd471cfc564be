#include "compat/paths.h"

#include <QDir>
#include <QFileInfo>

namespace compat {

namespace {

// The entry of `dir` named `name` ignoring case, or an empty string.
QString findEntry(const QString& dir, const QString& name)
{
    if (QFileInfo::exists(dir + u'/' + name))
        return name;
    const QStringList entries = QDir(dir).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}

} // namespace

QString resolvePath(const QString& folder, QStringView rel)
{
    QString path = folder;
    bool found = true;
    qsizetype start = 0;
    while (start <= rel.size()) {
        qsizetype stop = start;
        while (stop < rel.size() && rel[stop] != u'/' && rel[stop] != u'\\')
            ++stop;
        const QString segment = rel.mid(start, stop - start).toString();
        const bool last = stop >= rel.size();
        start = stop + 1;
        if (segment.isEmpty()) {
            if (last)
                path += u'/'; // a trailing separator stays
            continue;
        }
        if (found && segment != u"." && segment != u"..") {
            const QString entry = findEntry(path, segment);
            found = !entry.isEmpty();
            path += u'/' + (found ? entry : segment);
        } else {
            path += u'/' + segment;
        }
    }
    return path;
}

} // namespace compat
