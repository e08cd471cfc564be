#include "compat/vbdate.h"

#include <array>

namespace compat {

namespace {

const std::array<const char16_t*, 7> kWeekdays = {
    u"domenica", u"lunedì", u"martedì", u"mercoledì", u"giovedì", u"venerdì", u"sabato"};
const std::array<const char16_t*, 7> kWeekdayAbbr = {u"Dom", u"Lun", u"Mar", u"Mer",
                                                     u"Gio", u"Ven", u"Sab"};
const std::array<const char16_t*, 12> kMonths = {
    u"gennaio", u"febbraio", u"marzo", u"aprile", u"maggio", u"giugno",
    u"luglio", u"agosto", u"settembre", u"ottobre", u"novembre", u"dicembre"};

bool allDigits(QStringView s)
{
    if (s.isEmpty())
        return false;
    for (QChar c : s)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

} // namespace

QString vbDateText(QDate d)
{
    return d.isValid() ? d.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

QString vbTimeText(QTime t)
{
    return t.isValid() ? t.toString(QStringLiteral("HH:mm:ss")) : QString();
}

std::optional<QDate> vbCDate(QStringView text)
{
    const QStringView s = text.trimmed();
    qsizetype sep1 = -1;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == u'/' || s[i] == u'-' || s[i] == u'.') {
            sep1 = i;
            break;
        }
    }
    if (sep1 < 0)
        return std::nullopt;
    const QChar sep = s[sep1];
    const qsizetype sep2 = s.indexOf(sep, sep1 + 1);
    if (sep2 < 0)
        return std::nullopt;
    const QStringView a = s.mid(0, sep1);
    const QStringView b = s.mid(sep1 + 1, sep2 - sep1 - 1);
    const QStringView y = s.mid(sep2 + 1);
    if (a.size() > 2 || b.size() > 2 || y.size() != 4 || !allDigits(a) || !allDigits(b)
        || !allDigits(y))
        return std::nullopt;
    int day = a.toInt();
    int month = b.toInt();
    const int year = y.toInt();
    if (month > 12 && day <= 12)
        std::swap(day, month);
    const QDate d(year, month, day);
    if (!d.isValid())
        return std::nullopt;
    return d;
}

bool vbIsDate(QStringView text)
{
    return vbCDate(text).has_value();
}

std::optional<QDate> fromCompatta(QByteArrayView t)
{
    if (t.size() != 8)
        return std::nullopt;
    for (char c : t)
        if (c < '0' || c > '9')
            return std::nullopt;
    auto num = [&](int from, int len) {
        int v = 0;
        for (int i = from; i < from + len; ++i)
            v = v * 10 + (t[i] - '0');
        return v;
    };
    const QDate d(num(4, 4), num(2, 2), num(0, 2));
    if (!d.isValid())
        return std::nullopt;
    return d;
}

QByteArray toCompatta(QDate d)
{
    return d.toString(QStringLiteral("ddMMyyyy")).toLatin1();
}

int vbWeekday(QDate d)
{
    return d.dayOfWeek() % 7 + 1;
}

QString vbWeekdayName(int weekday)
{
    if (weekday < 1 || weekday > 7)
        return {};
    return QString::fromUtf16(kWeekdays[weekday - 1]);
}

QString vbWeekdayAbbr(int weekday)
{
    if (weekday < 1 || weekday > 7)
        return {};
    return QString::fromUtf16(kWeekdayAbbr[weekday - 1]);
}

QString vbMonthName(int month)
{
    if (month < 1 || month > 12)
        return {};
    return QString::fromUtf16(kMonths[month - 1]);
}

} // namespace compat
