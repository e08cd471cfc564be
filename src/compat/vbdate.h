#pragma once
// Dates as the original platform shows and parses them, with fixed Italian
// conventions (never the machine's locale).
#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QStringView>
#include <QTime>
#include <optional>

namespace compat {

QString vbDateText(QDate d);            // "dd/MM/yyyy"
QString vbTimeText(QTime t);            // "HH:mm:ss"

// Day/month/year with 1-2 digit day and month, 4-digit year and one separator
// ("/", "-" or "."); a month above 12 with a day up to 12 is read month-first.
std::optional<QDate> vbCDate(QStringView text);
bool vbIsDate(QStringView text);

// The eight characters DDMMYYYY of a draw record.
std::optional<QDate> fromCompatta(QByteArrayView ddmmyyyy);
QByteArray toCompatta(QDate d);

int vbWeekday(QDate d);                 // 1 = Sunday .. 7 = Saturday
QString vbWeekdayName(int weekday);     // "domenica" .. "sabato"
QString vbWeekdayAbbr(int weekday);     // "Dom" .. "Sab"
QString vbMonthName(int month);         // "gennaio" .. "dicembre"

} // namespace compat
