// Fixed-column fields of the table lines. The numbers in them convert by the rules
// of number_parse.h.
#pragma once

#include "table_layouts.h"

#include <string>
#include <string_view>

namespace torvelix::tables {

// The run of bytes at the 1-based column with the given width; shorter where the
// line ends inside it, empty where it starts beyond the end.
std::string fieldAt(std::string_view line, int column, int width);

std::string fieldAt(std::string_view line, ColumnSpan span);

// The same field with blanks trimmed on both sides.
std::string trimmedField(std::string_view line, int column, int width);
std::string trimmedField(std::string_view line, ColumnSpan span);

// Field 1 .. 5 of a spring-table row as a number. Throws ConversionError.
double SpringRowField(std::string_view row, int field);

// Field 2 .. 25 of a wire-table row as a number. Throws ConversionError.
double WireRowField(std::string_view row, int field);

// Column and width of a wire-table field 1 .. 25 (field 1 is the diameter key) and of a
// spring-table field 1 .. 5 (table_layouts.h).
ColumnSpan wireFieldSpan(int field);
ColumnSpan springFieldSpan(int field);

} // namespace torvelix::tables
