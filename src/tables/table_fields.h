// Fixed-column fields of the table lines and the conversion of their numbers.
#pragma once

#include "table_layouts.h"

#include <optional>
#include <string>
#include <string_view>

namespace torvelix::tables {

// The run of bytes at the 1-based column with the given width; shorter where the
// line ends inside it, empty where it starts beyond the end.
std::string Field(std::string_view line, int column, int width);

std::string Field(std::string_view line, ColumnSpan span);

// The same field with blanks trimmed on both sides.
std::string TrimmedField(std::string_view line, int column, int width);
std::string TrimmedField(std::string_view line, ColumnSpan span);

// A decimal number with the point as separator: blanks around it, a leading sign and
// an exponent part are accepted; at least one digit before or after the point.
// Anything else (empty text, a comma, letters, inf, nan) gives no value.
std::optional<double> TryParseNumber(std::string_view text);

// As TryParseNumber, but throws ConversionError with the text (decoded from
// Windows-1251 when it comes from a table) for a text that does not convert.
double ParseNumber(std::string_view text);
double ParseTableNumber(std::string_view cp1251Text);

// A decimal integer: leading blanks allowed, an optional sign, digits, nothing after.
// Throws IntegerConversionError otherwise (also on overflow of long long).
long long ParseInteger(std::string_view text);

// Field 1 .. 5 of a spring-table row as a number. Throws ConversionError.
double SpringRowField(std::string_view row, int field);

// Field 2 .. 25 of a wire-table row as a number. Throws ConversionError.
double WireRowField(std::string_view row, int field);

// Column and width of a wire-table field 1 .. 25 (field 1 is the diameter key) and of a
// spring-table field 1 .. 5 (table_layouts.h).
ColumnSpan WireFieldSpan(int field);
ColumnSpan SpringFieldSpan(int field);

} // namespace torvelix::tables
