// The checks of one spring-table row by itself, shared by `check-tables` and by the
// calculation, which computes no spring from a row that fails them.
#pragma once

#include "table_layouts.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvelix::tables {

// The five fields of a spring row, as the calculation converts them.
struct SpringRowValues {
    double F3 = 0;
    double d = 0;
    double D1 = 0;
    double c1 = 0;
    double s3 = 0;
};

struct SpringRowCheck {
    // Set when the fields convert, are positive and the outer diameter reads the same
    // over five columns as field 3 does (the row can be checked against others).
    std::optional<SpringRowValues> values;
    // What is wrong, each in the words of `check-tables` (UTF-8).
    std::vector<std::string> faults;
};

// A row (Windows-1251 bytes) of a single-strand table, or of a three-strand one (items
// 8 .. 10): fields 1 .. 5 convert and are positive; the outer diameter over columns
// 14-18 equals field 3; F3 agrees with c1 * s3' within 1 %; the index (D1 - d) / d lies
// in 4 .. 12; the free pitch (d + s3'; three-strand d1 * 1.029 + s3') is at most 0.7 of
// D1 - d.
SpringRowCheck checkSpringRow(std::string_view row, bool threeStrand);

// A value as the faults write it: six significant digits, shortest form.
std::string faultNumber(double value);
// "14-18": the columns of a field.
std::string faultColumns(ColumnSpan span);
// A table text in quotes, as UTF-8 with what a message may not hold escaped.
std::string faultQuoted(std::string_view cp1251Text);

} // namespace torvelix::tables
