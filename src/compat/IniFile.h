#pragma once
// INI files as the Windows profile functions read and write them: sections and
// keys without regard to letter case, Windows-1252 bytes, CR LF lines, no cache.
// The file is one the program names itself (its settings): it is written as
// one of the program's own files (compat/files.h, replaceOwnFile).
#include <QString>
#include <optional>

namespace compat {

class IniFile {
public:
    explicit IniFile(QString path = {}) : path_(std::move(path)) {}
    const QString& path() const { return path_; }
    void setPath(QString p) { path_ = std::move(p); }

    // The value of the key, trimmed, control characters dropped, at most 999
    // characters; "" when present but empty; the default (cleaned alike) when
    // the key, its section or the file is missing.
    QString get(const QString& section, const QString& key, const QString& deflt) const;

    // Writes the key (nullopt removes it), keeping every other line as it was.
    // False when the file cannot be written; the file is then unchanged.
    bool set(const QString& section, const QString& key, const std::optional<QString>& value) const;

    // What a reader does with the text it gets: trimmed of blanks, characters
    // below 32 dropped.
    static QString clean(const QString& raw);

private:
    QString path_;
};

} // namespace compat
