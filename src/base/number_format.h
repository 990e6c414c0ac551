// The program's two number formats (the point is always the decimal separator).
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

// A size or force as a drawing writes it by ESKD: rounded at the given decimal (half away
// from zero), trailing zeros and the separator dropped, a decimal comma, never exponent
// form: 48.972 -> "48,972", 96 -> "96", 1.80 -> "1,8", 0.0004 (3) -> "0".
std::string formatDrawingNumber(double value, int decimals = 3);

} // namespace torvelix
