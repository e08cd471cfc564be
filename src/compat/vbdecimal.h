#pragma once
// Decimal digits of a double, shared by the text conversions and Format:
// the original platform works on at most 15 significant decimal digits, so
// rounding is done on those digits rather than on the binary value.
#include <string>
#include <string_view>

namespace compat::detail {

// Digits d1d2d3... with d1 worth 10^exp10; no leading or trailing '0';
// empty digits means zero.
struct Decimal {
    bool neg = false;
    std::string digits;
    int exp10 = 0; // exponent of the first digit
    bool isZero() const { return digits.empty(); }
};

// The value reduced to 15 significant digits (non-finite values raise 6).
Decimal toDecimal(double v);

enum class Halves { ToEven, AwayFromZero };

// Rounds to `fraction` digits after the decimal point (may be negative).
void roundAt(Decimal& d, int fraction, Halves mode);

// Locale-independent "[-]digits[.digits][e[+-]digits]" to double; too big
// raises 6, too small gives 0. The text must be well formed.
double parseAscii(std::string_view text);

double toDouble(const Decimal& d);

} // namespace compat::detail
