#include "compat/vbdecimal.h"

#include "compat/AppError.h"

#include <charconv>
#include <cmath>

namespace compat::detail {

Decimal toDecimal(double v)
{
    if (!std::isfinite(v))
        raise(6);
    Decimal d;
    if (v == 0)
        return d;
    // "-d.ddddddddddddddde+XXX": correctly rounded to 15 significant digits.
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14);
    std::string_view s(buf, static_cast<size_t>(res.ptr - buf));
    if (s.front() == '-') {
        d.neg = true;
        s.remove_prefix(1);
    }
    const auto e = s.find('e');
    for (char c : s.substr(0, e))
        if (c != '.')
            d.digits += c;
    std::string_view ex = s.substr(e + 1);
    if (ex.front() == '+')
        ex.remove_prefix(1);
    std::from_chars(ex.data(), ex.data() + ex.size(), d.exp10);
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

void roundAt(Decimal& d, int fraction, Halves mode)
{
    const long long keep = static_cast<long long>(d.exp10) + 1 + fraction;
    const auto size = static_cast<long long>(d.digits.size());
    if (keep >= size)
        return;
    if (keep < 0) {
        d = Decimal{};
        return;
    }
    const auto k = static_cast<size_t>(keep);
    const char next = d.digits[k];
    bool up;
    if (mode == Halves::AwayFromZero) {
        up = next >= '5';
    } else {
        const bool tail = d.digits.size() > k + 1;
        const bool odd = k > 0 && (d.digits[k - 1] - '0') % 2 == 1;
        up = next > '5' || (next == '5' && (tail || odd));
    }
    d.digits.resize(k);
    if (up) {
        size_t i = k;
        while (i > 0 && d.digits[i - 1] == '9')
            d.digits[--i] = '0';
        if (i == 0) {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exp10;
        } else {
            ++d.digits[i - 1];
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty())
        d = Decimal{};
}

namespace {

// Decimal exponent of the first significant digit of a well-formed text,
// saturated; only used to tell overflow from underflow.
long long magnitude(std::string_view text)
{
    long long pos = 0; // digits seen before the point, minus leading zeros
    bool point = false, seen = false;
    long long lead = 0;
    size_t i = 0;
    for (; i < text.size() && text[i] != 'e' && text[i] != 'E'; ++i) {
        const char c = text[i];
        if (c == '.') {
            point = true;
        } else if (c >= '0' && c <= '9') {
            if (!seen && c == '0') {
                if (point)
                    ++lead;
                continue;
            }
            seen = true;
            if (!point)
                ++pos;
        }
    }
    long long exp = 0;
    if (i < text.size()) {
        bool neg = false;
        for (++i; i < text.size(); ++i) {
            if (text[i] == '-')
                neg = true;
            else if (text[i] >= '0' && text[i] <= '9' && exp < 1'000'000'000)
                exp = exp * 10 + (text[i] - '0');
        }
        if (neg)
            exp = -exp;
    }
    return (pos > 0 ? pos - 1 : -lead - 1) + exp;
}

} // namespace

double parseAscii(std::string_view text)
{
    const bool neg = !text.empty() && text.front() == '-';
    if (neg)
        text.remove_prefix(1);
    double v = 0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), v,
                                     std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        if (magnitude(text) >= 0)
            raise(6);
        v = 0;
    }
    return neg && v != 0 ? -v : v;
}

double toDouble(const Decimal& d)
{
    if (d.isZero())
        return 0;
    std::string s = d.neg ? "-" : "";
    s += d.digits.front();
    if (d.digits.size() > 1) {
        s += '.';
        s.append(d.digits, 1);
    }
    s += 'e';
    s += std::to_string(d.exp10);
    return parseAscii(s);
}

} // namespace compat::detail
