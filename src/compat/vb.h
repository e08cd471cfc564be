#pragma once
// Text and number conversions with the original platform's semantics:
// fixed Italian conventions, never the machine's locale. Errors are thrown
// as AppError (6 Overflow, 11 Division by zero, 13 Type mismatch).
#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <concepts>

namespace compat {

// Str: " 5", "-5", " .5", " 1E+20"; "." decimal, at most 15 significant digits.
QString vbStr(double v);

// CStr: "5", "-5", "0,5", "37,5", "1E+20"; decimal comma.
QString vbCStr(double v);
// Constrained so that vbCStr(someInt) picks the double overload.
template <std::same_as<bool> B>
QString vbCStr(B b)
{
    return b ? QStringLiteral("True") : QStringLiteral("False");
}

// Val: blanks, tabs and LF ignored anywhere; "." decimal, E/D exponent,
// &H/&O integers; stops at the first other character; nothing read gives 0.
double vbVal(QStringView text);

// CDbl of a text: "," decimal, "." grouping, surrounding blanks allowed;
// anything else raises 13.
double vbCDbl(QStringView text);

// Nearest, halves to even; out of range raises 6.
int vbCInt(double v);    // -32768..32767
qint32 vbCLng(double v); // 32-bit

// Round: halves to even on the value's 15 significant decimal digits, so a
// written 2.345 is a half even though its binary value is not.
// Negative digits raise 5.
double vbRound(double v, int digits = 0);

double vbInt(double v); // floor: Int(-2.5) = -3
double vbFix(double v); // toward zero: Fix(-2.5) = -2

// a \ b and a Mod b: operands through vbCLng, truncating division, the
// remainder takes the dividend's sign; b = 0 raises 11.
qint32 vbIntDiv(double a, double b);
qint32 vbMod(double a, double b);

// Mid/Left/Right: 1-based, clamped, never throw (start < 1 counts as 1,
// a negative length as "the rest" for vbMid and as 0 for vbLeft/vbRight).
QString vbMid(QStringView s, int start, int len = -1);
QString vbLeft(QStringView s, int n);
QString vbRight(QStringView s, int n);

// InStr: 1-based position of `find` from `start` (< 1 counts as 1), 0 when
// not found; case-sensitive. An empty `find` gives `start` while start <=
// len + 1; an empty `s` always gives 0.
int vbInStr(QStringView s, QStringView find, int start = 1);

// Trim only U+0020 blanks, never tabs.
QString vbTrim(QStringView s);
QString vbLTrim(QStringView s);
QString vbRTrim(QStringView s);

QString vbSpace(int n); // n <= 0 gives ""

// Mid(line, col) = t: overwrites from 1-based col (< 1 counts as 1); the
// line never grows, characters past its end are dropped.
void vbOverlay(QString& line, int col, QStringView t);

// A fixed-length String * n: left-aligned, blank-padded, cut to n.
QString vbFixed(QStringView s, int n);

} // namespace compat
