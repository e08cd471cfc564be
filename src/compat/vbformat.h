#pragma once
// Format with fixed Italian conventions: decimal comma, "." grouping.
#include <QString>
#include <QStringView>

namespace compat {

// Patterns: "@"... (right-aligned in as many characters, never cut) and the
// digit placeholders "0" (always shown), "#" (shown when significant), "."
// (decimal comma), "," between integer placeholders ("." grouping) and "%"
// (value x 100); other characters are copied. Numbers are reduced to 15
// significant digits, then rounded half away from zero (unlike vbCInt).
// An empty pattern gives vbCStr.
QString vbFormat(double v, QStringView pattern);

// Text given to "@" patterns is aligned as it stands; for a digit pattern
// it is read as an Italian number and left unchanged when it is not one.
QString vbFormat(QStringView text, QStringView pattern);

} // namespace compat
