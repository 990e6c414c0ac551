// One spring row checked by itself: its fields, its outer diameter, and its consistency
// with the method of GOST 13765-86.
#include "spring_row_check.h"

#include "number_format.h"

#include "cp1251.h"
#include "number_parse.h"
#include "table_fields.h"
#include "table_layouts.h"
#include "utf8_text.h"

#include <charconv>
#include <cmath>

namespace torvelix::tables {

namespace {

constexpr double kForceTolerance = 0.01; // F3 against c1 * s3'
constexpr double kIndexMin = 4.0;
constexpr double kIndexMax = 12.0;
// The calculation rounds the index to thousandths before it compares it with the
// limits, so an index that misses a limit only in the last bits of the binary
// division is inside.
constexpr double kIndexSlack = 1e-9;

// The free pitch of a spring (d + s3'; three-strand: d1 x strand factor + s3') is at
// most this share of the mean diameter D = D1 - d: the single-strand tables reach
// about 0.63, and a coil whose pitch comes near D is no longer a compression spring.
constexpr double kPitchRatioMax = 0.7;
// The largest strand factor of a three-strand cable (index 4 and below).
constexpr double kStrandFactorMax = 1.029;

// The fields converted, each fault said; no values when one is missing or not positive.
std::optional<SpringRowValues> readFields(std::string_view row, std::vector<std::string>& faults) {
    static const char* const kNames[] = {"F3", "d", "D1", "c1", "s3'"};
    double values[5] = {};
    bool complete = true;
    for (int field = 1; field <= 5; ++field) {
        const std::string name = "field " + std::to_string(field) + " " + kNames[field - 1];
        const ColumnSpan span = springFieldSpan(field);
        const std::string text = fieldAt(row, span.column, span.width);
        const std::optional<double> value = tryParseNumber(text);
        if (!value) {
            faults.push_back(name + " (columns " + faultColumns(span) + ") " + faultQuoted(text) +
                             " is not a number");
            complete = false;
            continue;
        }
        if (!(*value > 0)) {
            faults.push_back(name + " is " + faultNumber(*value) + ", not a positive number");
            complete = false;
        }
        values[field - 1] = *value;
    }
    // The selection filters on the wider span, the calculation reads field 3: a
    // character in the extra column must not change the outer diameter.
    const std::string wide = fieldAt(row, spring_layout::kOuterDFilter);
    const auto narrowValue = tryParseNumber(fieldAt(row, spring_layout::kOuterD));
    const auto wideValue = tryParseNumber(wide);
    if (narrowValue && (!wideValue || *wideValue != *narrowValue)) {
        const ColumnSpan span = spring_layout::kOuterDFilter;
        faults.push_back("outer diameter over columns " + faultColumns(span) + " " +
                         faultQuoted(wide) + " differs from field 3 D1 (column " +
                         std::to_string(span.column + span.width - 1) + " must be blank)");
        complete = false;
    }
    if (!complete) {
        return std::nullopt;
    }
    return SpringRowValues{values[0], values[1], values[2], values[3], values[4]};
}

} // namespace

std::string faultNumber(double value) {
    return formatCStyleGeneral(value, 6);
}

std::string faultColumns(ColumnSpan span) {
    return std::to_string(span.column) + "-" + std::to_string(span.column + span.width - 1);
}

std::string faultQuoted(std::string_view cp1251Text) {
    // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) on a short
    // literal joined to a string with operator+.
    const std::string text = escapeForMessage(cp1251ToUtf8(cp1251Text));
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted.append(1, '"').append(text).append(1, '"');
    return quoted;
}

SpringRowCheck checkSpringRow(std::string_view text, bool threeStrand) {
    SpringRowCheck out;
    out.values = readFields(text, out.faults);
    if (!out.values) {
        return out;
    }
    const SpringRowValues& row = *out.values;
    const double product = row.c1 * row.s3;
    if (std::fabs(product - row.F3) > kForceTolerance * row.F3) {
        out.faults.push_back("F3 " + faultNumber(row.F3) + " differs from c1 * s3' = " +
                             faultNumber(product) + " by more than 1 %");
    }
    const double springIndex = (row.D1 - row.d) / row.d;
    if (!(springIndex >= kIndexMin - kIndexSlack && springIndex <= kIndexMax + kIndexSlack)) {
        out.faults.push_back("index (D1 - d) / d = " + faultNumber(springIndex) +
                             " is outside 4 .. 12");
    }
    // The free pitch; a three-strand row with the largest strand factor.
    const double meanDiameter = row.D1 - row.d;
    const double pitch = row.d * (threeStrand ? kStrandFactorMax : 1.0) + row.s3;
    if (meanDiameter > 0 && pitch > kPitchRatioMax * meanDiameter) {
        out.faults.push_back("free pitch " +
                             std::string(threeStrand ? "d1 * 1.029 + s3' = " : "d + s3' = ") +
                             faultNumber(pitch) + " is " + faultNumber(pitch / meanDiameter) +
                             " of the mean diameter D1 - d (at most 0.7)");
    }
    return out;
}

} // namespace torvelix::tables
