#pragma once
// Windows-1252 text, with our own table (no optional codecs).
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace compat {

QByteArray toCp1252(QStringView text);      // unmappable characters become "?"
QString fromCp1252(QByteArrayView bytes);

} // namespace compat
