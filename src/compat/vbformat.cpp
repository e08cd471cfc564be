#include "compat/vbformat.h"

#include "compat/AppError.h"
#include "compat/vb.h"
#include "compat/vbdecimal.h"

#include <algorithm>
#include <string>

namespace compat {

namespace {

bool isTextPattern(QStringView pattern) { return pattern.contains(u'@'); }

QString alignRight(QStringView text, QStringView pattern)
{
    const auto width = pattern.count(u'@');
    QString r(std::max<qsizetype>(width - text.size(), 0), u' ');
    r += text;
    return r;
}

// A digit pattern taken apart: literal prefix, placeholders, literal suffix.
struct DigitPattern {
    QString prefix, suffix;
    int minInt = 0;    // '0's before the point
    int minFrac = 0;   // '0's after the point
    int maxFrac = 0;   // all placeholders after the point
    bool point = false;
    bool grouping = false;
    bool percent = false;
};

DigitPattern parse(QStringView p)
{
    DigitPattern d;
    const auto isPlaceholder = [](QChar c) { return c == u'0' || c == u'#'; };
    qsizetype first = 0;
    while (first < p.size() && !isPlaceholder(p[first]) && p[first] != u'.')
        ++first;
    qsizetype last = p.size();
    while (last > first && !isPlaceholder(p[last - 1]) && p[last - 1] != u'.')
        --last;
    d.prefix = p.first(first).toString();
    d.suffix = p.sliced(last).toString();
    d.percent = d.prefix.contains(u'%') || d.suffix.contains(u'%');
    for (QChar c : p.sliced(first, last - first)) {
        if (c == u'.') {
            d.point = true;
        } else if (d.point) {
            d.maxFrac += isPlaceholder(c);
            if (c == u'0')
                d.minFrac = d.maxFrac;
        } else if (c == u'0') {
            ++d.minInt;
        } else if (c == u',') {
            d.grouping = true;
        }
    }
    return d;
}

QString formatNumber(double v, QStringView pattern)
{
    const DigitPattern p = parse(pattern);
    if (p.percent)
        v *= 100;
    detail::Decimal d = detail::toDecimal(v);
    detail::roundAt(d, p.maxFrac, detail::Halves::AwayFromZero);

    // Integer and fraction digits of the rounded value.
    std::string intDigits, frac;
    const int n = static_cast<int>(d.digits.size());
    for (int pos = std::max(d.exp10, 0); pos >= 0 && !d.isZero(); --pos) {
        const int k = d.exp10 - pos;
        intDigits += k >= 0 && k < n ? d.digits[static_cast<size_t>(k)] : '0';
    }
    if (intDigits == "0")
        intDigits.clear();
    for (int pos = -1; pos >= -p.maxFrac; --pos) {
        const int k = d.exp10 - pos;
        frac += k >= 0 && k < n ? d.digits[static_cast<size_t>(k)] : '0';
    }
    while (static_cast<int>(frac.size()) > p.minFrac && frac.back() == '0')
        frac.pop_back();
    if (static_cast<int>(intDigits.size()) < p.minInt)
        intDigits.insert(0, static_cast<size_t>(p.minInt) - intDigits.size(), '0');

    QString r = d.neg ? QStringLiteral("-") : QString();
    r += p.prefix;
    for (size_t i = 0; i < intDigits.size(); ++i) {
        if (p.grouping && i > 0 && (intDigits.size() - i) % 3 == 0)
            r += u'.';
        r += QLatin1Char(intDigits[i]);
    }
    if (p.point)
        r += u',';
    r += QLatin1String(frac.data(), static_cast<qsizetype>(frac.size()));
    r += p.suffix;
    return r;
}

} // namespace

QString vbFormat(double v, QStringView pattern)
{
    if (pattern.isEmpty())
        return vbCStr(v);
    if (isTextPattern(pattern))
        return alignRight(vbCStr(v), pattern);
    return formatNumber(v, pattern);
}

QString vbFormat(QStringView text, QStringView pattern)
{
    if (pattern.isEmpty())
        return text.toString();
    if (isTextPattern(pattern))
        return alignRight(text, pattern);
    double v;
    try {
        v = vbCDbl(text);
    } catch (const AppError&) {
        return text.toString();
    }
    return formatNumber(v, pattern);
}

} // namespace compat
