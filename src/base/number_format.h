// The program's number formats. Every number the program writes goes through these:
// the point is always the decimal separator, whatever the C library's locale.
#pragma once

#include <string>

namespace torvelix {

// Shortest decimal form with at most `digits` significant digits, trailing zeros and
// a trailing point dropped. Exponent form (mantissa, 'E', sign, at least three
// exponent digits; one for four digits, as many as needed for fifteen) when the
// rounded value's integer part has more than `digits` digits or a non-zero value is
// below 0.00001. 12.5 -> "12.5", 12 -> "12", 1234567 (6) -> "1.23457E+006".
std::string formatGeneral(double value, int digits = 6);

// Rounded to six significant digits (and at the third decimal), written with exactly
// three decimals: 12.5 -> "12.500", 0.5 -> "0.500". Integer part of more than six
// digits: the general exponent form.
std::string formatFixed(double value);

// The C library's "%.<digits>g" as the "C" locale writes it: rounded to `digits`
// significant digits, trailing zeros dropped, exponent form "1.23457e+06" when the
// exponent is below -4 or at least `digits`. Non-finite values as "inf", "-inf", "nan".
std::string formatCStyleGeneral(double value, int digits);

// Exactly `decimals` decimals, never in exponent form ("%.<decimals>f" in the "C"
// locale): 2.5 (3) -> "2.500", -0.0001 (3) -> "-0.000".
std::string formatDecimals(double value, int decimals);

// At most `decimals` decimals, never in exponent form, trailing zeros and a trailing
// point dropped, no minus sign on a zero: 2.5 (4) -> "2.5", 3.00004 (4) -> "3", -0.00001 -> "0".
std::string formatTrimmedDecimals(double value, int decimals);

// A size or force as a drawing writes it by ESKD: rounded at the given decimal (half away
// from zero), trailing zeros and the separator dropped, a decimal comma, never exponent
// form: 48.972 -> "48,972", 96 -> "96", 1.80 -> "1,8", 0.0004 (3) -> "0".
std::string formatDrawingNumber(double value, int decimals = 3);

} // namespace torvelix
