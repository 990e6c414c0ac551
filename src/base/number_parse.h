// The number rules of the typed inputs and the table fields: text to number.
#pragma once

#include <optional>
#include <string_view>

namespace torvelix {

// The text without the blanks (spaces) before and after it.
std::string_view trimBlanks(std::string_view text);

// A decimal number with the point as separator: blanks around it, a leading sign and
// an exponent part are accepted; at least one digit before or after the point.
// Anything else (empty text, a comma, letters, inf, nan) gives no value.
std::optional<double> tryParseNumber(std::string_view text);

// As tryParseNumber, but throws ConversionError with the text (decoded from
// Windows-1251 when it comes from a table) for a text that does not convert.
double parseNumber(std::string_view text);
double parseTableNumber(std::string_view cp1251Text);

// A decimal integer: leading blanks allowed, an optional sign, digits, nothing after.
// Throws IntegerConversionError otherwise (also on overflow of long long).
long long parseInteger(std::string_view text);

} // namespace torvelix
