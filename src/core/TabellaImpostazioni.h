#pragma once
// Every key of Quorvane.ini the program reads or writes, once: section, name
// and default. Readers and writers use these entries; nobody spells a key or
// its default anywhere else. Where two readers of one key default differently
// on purpose, each default is its own entry, with a line saying who uses it.
#include <QString>
#include <optional>

struct Impostazione {
    const char* sezione;
    const char* chiave;
    const char* predefinito;

    QString nome() const { return QString::fromLatin1(chiave); }
    QString valorePredefinito() const { return QString::fromLatin1(predefinito); }
};

// Reads the entry (its default when absent).
QString leggi(const Impostazione& voce);
// Writes it; an absent value removes the key.
void salva(const Impostazione& voce, const std::optional<QString>& valore);

// Keys whose name is built at run time (window positions "<window>.Left", ...).
QString leggi(const char* sezione, const QString& chiave, const QString& predefinito);
void salva(const char* sezione, const QString& chiave, const std::optional<QString>& valore);

namespace imp {
inline constexpr const char* kOptions = "Options";
inline constexpr const char* kSettings = "Settings";
inline constexpr const char* kForms = "Forms";

// Sections and entries go below, grouped by the window or procedure that owns them.

// Draw entry window: the draw weekdays its new-draw proposal reads (Tuesday,
// Thursday and Saturday when the key is absent; the settings file the build
// prepares adds Friday).
inline constexpr Impostazione GiorniEstrazioneProposta{kOptions, "Giorni estrazione", "NNYNYNY"};
} // namespace imp
