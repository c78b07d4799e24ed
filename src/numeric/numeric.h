// The number library: reading typed numbers, rounding, result formatting and the
// probability distributions every panel rests on. Plain C++, no Qt.
//
// Routines keep their historical names and argument types (Double = double,
// Long = int32_t, Integer = int16_t) so that callers read like the formulas they port.
#pragma once

#include <cstdint>
#include <string>

// Marks an empty cell or an unreadable number. It is a subnormal double, compared by
// equality, and must stay distinct from 0 and -0: nothing may flush subnormals to zero.
inline constexpr double NoValue = -1.27E-309;

// 0 or 1: set to 1 by the distribution routines and the readers when a value cannot be
// computed. Cleared by Redondear on entry (so by FormatoCifras for a non-zero argument);
// otherwise only the panel that starts a computation clears it.
extern int16_t ErrorFlag;

// --- Number text --------------------------------------------------------------------

// Text to number: blank text is 0; "x%" is x/100; "a/b" is a/b; otherwise the number at
// the start of the text ("12abc" is 12, "abc" is 0). A division by zero or a number too
// large for a double gives NoValue. Never touches ErrorFlag. Independent of the locale.
double LeerNumero(const std::string& text);

// Rounds half-up (towards +infinity) to a multiple of 10^(m+1): m = -1 rounds to an
// integer, m = -6 keeps 5 decimals. Clears ErrorFlag on entry; on overflow sets it to 1
// and returns 0.
double Redondear(double x, double m);

// The text of x rounded to n significant digits: "0" for 0, "0.5" not ".5", exponent form
// for very large and very small magnitudes (1.5E-07, 9.877E+21). Empty text and
// ErrorFlag = 1 when x cannot be formatted.
std::string FormatoCifras(double x, double n);

// The plain number-to-text conversion used by the grids, the clipboard and the data files:
// at most 15 significant digits without trailing zeros, "." as separator, no "0" before a
// leading ".", a leading blank in place of the sign of a non-negative number, and an
// exponent form (1.5E-07, 1E+15) below 1E-4 and from 1E+15 on. -0 is written " 0".
std::string StrNumero(double x);

// The text of a number at the start of text, as data files and clipboard text read their
// fields: leading blanks skipped, optional sign, digits with "." as separator, optional
// exponent. A field that does not begin with a number reads as 0; a number too large for a
// double gives NoValue.
double ValNumero(const std::string& text);
