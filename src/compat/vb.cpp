#include "compat/vb.h"

#include "compat/AppError.h"
#include "compat/vbdecimal.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace compat {

using detail::Decimal;

namespace {

// The shared body of Str and CStr.
QString numberText(double v, char point, bool strStyle)
{
    const Decimal d = detail::toDecimal(v);
    const char* sign = d.neg ? "-" : (strStyle ? " " : "");
    if (d.isZero())
        return QString::fromLatin1(strStyle ? " 0" : "0");

    std::string s = sign;
    const std::string& g = d.digits;
    const int e = d.exp10;
    const int n = static_cast<int>(g.size());
    if (e >= 15 || e < -4) {
        s += g.front();
        if (n > 1) {
            s += point;
            s.append(g, 1);
        }
        s += e < 0 ? "E-" : "E+";
        const int a = std::abs(e);
        if (a < 10)
            s += '0';
        s += std::to_string(a);
    } else if (e >= 0) {
        s.append(g, 0, static_cast<size_t>(std::min(n, e + 1)));
        if (n < e + 1)
            s.append(static_cast<size_t>(e + 1 - n), '0');
        if (n > e + 1) {
            s += point;
            s.append(g, static_cast<size_t>(e + 1));
        }
    } else {
        if (!strStyle)
            s += '0';
        s += point;
        s.append(static_cast<size_t>(-e - 1), '0');
        s += g;
    }
    return QString::fromLatin1(s);
}

// Nearest integer, halves to even, on the exact binary value.
double bankers(double v)
{
    if (!std::isfinite(v))
        raise(6);
    const double f = std::floor(v);
    const double diff = v - f;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(f, 2.0) != 0))
        return f + 1;
    return f;
}

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

int hexValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    int v = 99;
    if (u >= u'0' && u <= u'9')
        v = u - u'0';
    else if (u >= u'a' && u <= u'f')
        v = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        v = u - u'A' + 10;
    return v < base ? v : -1;
}

// &H/&O integers take the smallest of the 16- and 32-bit signed types whose
// bit pattern holds them ("&HFFFF" is -1).
double radixValue(QStringView t, qsizetype i, int base)
{
    quint64 v = 0;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c == u' ' || c == u'\t' || c == u'\n')
            continue;
        const int digit = hexValue(c, base);
        if (digit < 0)
            break;
        v = v * static_cast<quint64>(base) + static_cast<quint64>(digit);
        if (v > 0xFFFFFFFFu)
            raise(6);
    }
    if (v <= 0xFFFFu)
        return static_cast<qint16>(static_cast<quint16>(v));
    return static_cast<qint32>(static_cast<quint32>(v));
}

} // namespace

QString vbStr(double v) { return numberText(v, '.', true); }

QString vbCStr(double v) { return numberText(v, ',', false); }

double vbVal(QStringView t)
{
    // The significant characters, blanks dropped, read by position.
    QString s;
    s.reserve(t.size());
    for (QChar c : t)
        if (c != u' ' && c != u'\t' && c != u'\n')
            s += c;

    qsizetype i = 0;
    if (s.startsWith(u'&')) {
        if (s.size() > 1 && (s[1] == u'H' || s[1] == u'h'))
            return radixValue(s, 2, 16);
        if (s.size() > 1 && (s[1] == u'O' || s[1] == u'o'))
            return radixValue(s, 2, 8);
        return 0;
    }
    std::string a;
    if (i < s.size() && (s[i] == u'-' || s[i] == u'+')) {
        if (s[i] == u'-')
            a += '-';
        ++i;
    }
    bool digits = false, point = false;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i])) {
            a += static_cast<char>(s[i].unicode());
            digits = true;
        } else if (s[i] == u'.' && !point) {
            a += '.';
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return 0;
    if (i < s.size() && QStringView(u"eEdD").contains(s[i])) {
        std::string e = "e";
        qsizetype j = i + 1;
        if (j < s.size() && (s[j] == u'-' || s[j] == u'+'))
            e += static_cast<char>(s[j++].unicode());
        const auto start = e.size();
        for (; j < s.size() && isDigit(s[j]); ++j)
            e += static_cast<char>(s[j].unicode());
        if (e.size() > start)
            a += e;
    }
    return detail::parseAscii(a);
}

double vbCDbl(QStringView t)
{
    while (!t.isEmpty() && (t.front() == u' ' || t.front() == u'\t'))
        t = t.sliced(1);
    while (!t.isEmpty() && (t.back() == u' ' || t.back() == u'\t'))
        t = t.chopped(1);

    std::string a;
    qsizetype i = 0;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) {
        if (t[i] == u'-')
            a += '-';
        ++i;
    }
    bool digits = false, comma = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (isDigit(c)) {
            a += static_cast<char>(c.unicode());
            digits = true;
        } else if (c == u'.' && !comma) {
            // grouping: carries no value
        } else if (c == u',' && !comma) {
            a += '.';
            comma = true;
        } else {
            break;
        }
    }
    if (!digits)
        raise(13);
    if (i < t.size() && (t[i] == u'E' || t[i] == u'e')) {
        a += 'e';
        ++i;
        if (i < t.size() && (t[i] == u'-' || t[i] == u'+'))
            a += static_cast<char>(t[i++].unicode());
        const qsizetype first = i;
        for (; i < t.size() && isDigit(t[i]); ++i)
            a += static_cast<char>(t[i].unicode());
        if (i == first)
            raise(13);
    }
    if (i != t.size())
        raise(13);
    return detail::parseAscii(a);
}

int vbCInt(double v)
{
    const double r = bankers(v);
    if (r < -32768 || r > 32767)
        raise(6);
    return static_cast<int>(r);
}

qint32 vbCLng(double v)
{
    const double r = bankers(v);
    if (r < std::numeric_limits<qint32>::min() || r > std::numeric_limits<qint32>::max())
        raise(6);
    return static_cast<qint32>(r);
}

double vbRound(double v, int digits)
{
    if (digits < 0)
        raise(5);
    Decimal d = detail::toDecimal(v);
    detail::roundAt(d, digits, detail::Halves::ToEven);
    return detail::toDouble(d);
}

double vbInt(double v) { return std::floor(v) + 0.0; }

double vbFix(double v) { return std::trunc(v) + 0.0; }

qint32 vbIntDiv(double a, double b)
{
    const qint32 x = vbCLng(a), y = vbCLng(b);
    if (y == 0)
        raise(11);
    if (x == std::numeric_limits<qint32>::min() && y == -1)
        raise(6);
    return x / y;
}

qint32 vbMod(double a, double b)
{
    const qint32 x = vbCLng(a), y = vbCLng(b);
    if (y == 0)
        raise(11);
    if (y == -1)
        return 0; // also keeps INT_MIN % -1 defined
    return x % y;
}

QString vbMid(QStringView s, int start, int len)
{
    const qsizetype from = std::max(start, 1) - 1;
    if (from >= s.size())
        return {};
    const qsizetype avail = s.size() - from;
    return s.sliced(from, len < 0 ? avail : std::min<qsizetype>(len, avail)).toString();
}

QString vbLeft(QStringView s, int n)
{
    return s.first(std::clamp<qsizetype>(n, 0, s.size())).toString();
}

QString vbRight(QStringView s, int n)
{
    return s.last(std::clamp<qsizetype>(n, 0, s.size())).toString();
}

int vbInStr(QStringView s, QStringView find, int start)
{
    start = std::max(start, 1);
    if (s.isEmpty() || start > s.size() + 1)
        return 0;
    if (find.isEmpty())
        return start;
    const qsizetype at = s.indexOf(find, start - 1, Qt::CaseSensitive);
    return at < 0 ? 0 : static_cast<int>(at + 1);
}

QString vbLTrim(QStringView s)
{
    while (!s.isEmpty() && s.front() == u' ')
        s = s.sliced(1);
    return s.toString();
}

QString vbRTrim(QStringView s)
{
    while (!s.isEmpty() && s.back() == u' ')
        s = s.chopped(1);
    return s.toString();
}

QString vbTrim(QStringView s) { return vbLTrim(vbRTrim(s)); }

QString vbSpace(int n) { return n > 0 ? QString(n, u' ') : QString(); }

void vbOverlay(QString& line, int col, QStringView t)
{
    const qsizetype from = std::max(col, 1) - 1;
    if (from >= line.size())
        return;
    const qsizetype n = std::min(t.size(), line.size() - from);
    line.replace(from, n, t.data(), n);
}

QString vbFixed(QStringView s, int n)
{
    if (n <= 0)
        return {};
    QString r = s.first(std::min<qsizetype>(n, s.size())).toString();
    r.resize(n, u' ');
    return r;
}

} // namespace compat
