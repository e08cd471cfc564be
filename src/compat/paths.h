#pragma once
// Names below the program folder come from a case-blind file system: the
// archives may be "ARCHIVI/ANNI.IND" on disk and "Archivi\anni.ind" in code.
#include <QString>
#include <QStringView>

namespace compat {

// folder + "/" + rel, each segment of rel ('/' or '\' separated) replaced by
// the existing entry that matches it ignoring case (an exact match first).
// From the first missing segment on, the names stay as given.
QString resolvePath(const QString& folder, QStringView rel);

} // namespace compat
