// Checks the thirteen standard tables line by line and lists the faults found.
#include "table_checker.h"

#include "class_record.h"
#include "cp1251.h"
#include "errors.h"
#include "number_format.h"
#include "number_parse.h"
#include "table_fields.h"
#include "table_files.h"
#include "table_layouts.h"
#include "table_search.h"

#include <cmath>
#include <fstream>
#include <optional>
#include <set>

namespace torvelix::tables {

namespace {

constexpr int kClassItems = static_cast<int>(kClassRecords.size());
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

// The fields of a wire-table row that the calculation reads: the key and the lower and
// upper strengths of each wire class.
constexpr int kWireFieldsRead[] = {
    wire_layout::kDiameterField,         wire_layout::kClassILowerField,
    wire_layout::kClassILowerField + 1,  wire_layout::kClassIILowerField,
    wire_layout::kClassIILowerField + 1, wire_layout::kClassIIALowerField,
    wire_layout::kClassIIALowerField + 1};

std::string numberText(double value) {
    return formatCStyleGeneral(value, 6);
}

std::string columns(ColumnSpan span) {
    return std::to_string(span.column) + "-" + std::to_string(span.column + span.width - 1);
}

std::string quotedText(std::string_view cp1251Text) {
    const std::string text = cp1251ToUtf8(cp1251Text);
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted.append(1, '"').append(text).append(1, '"');
    return quoted;
}

class FaultList {
public:
    void add(const std::string& path, long long line, std::string what) {
        faults.push_back({path, line, std::move(what)});
    }
    std::vector<TableFault> faults;
};

// The 1-based line of the first carriage return that does not end a line (lines
// ending in CR alone read as one line), or nothing.
std::optional<long long> bareCarriageReturn(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    long long line = 1;
    bool afterCr = false;
    for (int ch = in.get(); ch != std::char_traits<char>::eof(); ch = in.get()) {
        if (afterCr && ch != '\n') {
            return line;
        }
        afterCr = ch == '\r';
        if (ch == '\n') {
            ++line;
        }
    }
    return std::nullopt;
}

// Reads every line of a table; a file that cannot be read is a fault of the file, a
// line longer than any table line a fault of that line (it then reads as
// overlongLine(), which the row checks skip).
std::optional<std::vector<std::string>> readLines(const std::string& path, FaultList& out) {
    std::vector<std::string> lines;
    try {
        lines = readAllTableLines(path);
    } catch (const TableIoError&) {
        out.add(path, 0, "the file cannot be read");
        return std::nullopt;
    }
    if (auto line = bareCarriageReturn(path)) {
        out.add(path, *line,
                "a carriage return that does not end the line: lines must end in CR LF or "
                "LF (CR alone joins them into one line)");
    }
    for (std::size_t index = 0; index < lines.size(); ++index) {
        if (isOverlongLine(lines[index])) {
            out.add(path, static_cast<long long>(index) + 1,
                    "the line is longer than " + std::to_string(kMaxTableLineBytes) +
                        " bytes; no field of it is read");
        }
    }
    return lines;
}

// A numeric field of a row; says so when it does not convert.
std::optional<double> numericField(std::string_view row, const std::string& name, ColumnSpan span,
                                   const std::string& path, long long line, FaultList& out) {
    const std::string text = fieldAt(row, span.column, span.width);
    std::optional<double> value = tryParseNumber(text);
    if (!value) {
        out.add(path, line,
                name + " (columns " + columns(span) + ") " + quotedText(text) + " is not a number");
    }
    return value;
}

// The wire diameters (field 1) of the wire table, as the calculation converts them.
std::optional<std::vector<double>> checkWireTable(const std::string& path, FaultList& out) {
    auto lines = readLines(path, out);
    if (!lines) {
        return std::nullopt;
    }
    std::vector<double> keys;
    const auto heading = static_cast<std::size_t>(wire_layout::kHeadingLines);
    for (std::size_t index = heading; index < lines->size(); ++index) {
        const std::string& row = (*lines)[index];
        const long long line = static_cast<long long>(index) + 1;
        if (isOverlongLine(row)) {
            continue;
        }
        for (int field : kWireFieldsRead) {
            const std::string name = "field " + std::to_string(field);
            auto value = numericField(row, name, wireFieldSpan(field), path, line, out);
            if (value && !(*value > 0)) {
                out.add(path, line, name + " is " + numberText(*value) + ", not a positive number");
            }
            if (field == wire_layout::kDiameterField && value) {
                keys.push_back(*value);
            }
        }
    }
    if (lines->size() <= heading) {
        out.add(path, 0, "the table holds no wire diameter (line 1 is its heading)");
    }
    return keys;
}

void checkClassTable(const TablePathOf& pathOf, FaultList& out) {
    const std::string path = pathOf(kClassTableNumber);
    auto lines = readLines(path, out);
    if (!lines) {
        return;
    }
    for (int item = 0; item < kClassItems; ++item) {
        const long long line = item + 1;
        if (static_cast<std::size_t>(item) >= lines->size()) {
            out.add(path, line, "no line for class item " + std::to_string(item));
            continue;
        }
        const std::string& row = (*lines)[static_cast<std::size_t>(item)];
        if (isOverlongLine(row)) {
            continue;
        }
        auto tauFactor = numericField(row, "TauFactor", class_layout::kTauFactor, path, line, out);
        if (tauFactor && !(*tauFactor > 0)) {
            out.add(path, line,
                    "TauFactor is " + numberText(*tauFactor) + ", not a positive number");
        }
        // The class selection keeps the number as UTF-8 text and names the file from it.
        const std::string number = cp1251ToUtf8(fieldAt(row, class_layout::kSpringTable));
        const std::string springPath = pathOf(number);
        try {
            ReadTableLine(springPath, 1);
        } catch (const TableIoError&) {
            out.add(path, line,
                    "spring table \"" + number + "\" (columns " +
                        columns(class_layout::kSpringTable) + "): the file " + springPath +
                        " cannot be read");
        }
    }
}

struct SpringRow {
    double F3 = 0;
    double d = 0;
    double D1 = 0;
    double c1 = 0;
    double s3 = 0;
};

// The five fields of a spring row and the outer diameter the selection converts over
// five columns; no value when any of them is missing or not positive.
std::optional<SpringRow> readSpringRow(std::string_view row, const std::string& path,
                                       long long line, FaultList& out) {
    static const char* const kNames[] = {"F3", "d", "D1", "c1", "s3'"};
    double values[5] = {};
    bool complete = true;
    for (int field = 1; field <= 5; ++field) {
        const std::string name = "field " + std::to_string(field) + " " + kNames[field - 1];
        auto value = numericField(row, name, springFieldSpan(field), path, line, out);
        if (!value) {
            complete = false;
            continue;
        }
        if (!(*value > 0)) {
            out.add(path, line, name + " is " + numberText(*value) + ", not a positive number");
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
        out.add(path, line,
                "outer diameter over columns " + columns(span) + " " + quotedText(wide) +
                    " differs from field 3 D1 (column " +
                    std::to_string(span.column + span.width - 1) + " must be blank)");
        complete = false;
    }
    if (!complete) {
        return std::nullopt;
    }
    return SpringRow{values[0], values[1], values[2], values[3], values[4]};
}

void checkSpringTable(const std::string& path, bool threeStrand,
                      const std::optional<std::vector<double>>& wires, const std::string& wirePath,
                      FaultList& out) {
    auto lines = readLines(path, out);
    if (!lines) {
        return;
    }
    if (lines->empty()) {
        out.add(path, 0, "the table is empty: it holds no spring");
    }
    const std::set<double> wireKeys =
        wires ? std::set<double>(wires->begin(), wires->end()) : std::set<double>{};
    std::optional<SpringRow> previous;
    for (std::size_t index = 0; index < lines->size(); ++index) {
        const long long line = static_cast<long long>(index) + 1;
        if (isOverlongLine((*lines)[index])) {
            previous.reset();
            continue;
        }
        auto row = readSpringRow((*lines)[index], path, line, out);
        if (!row) {
            previous.reset();
            continue;
        }
        const double product = row->c1 * row->s3;
        if (std::fabs(product - row->F3) > kForceTolerance * row->F3) {
            out.add(path, line,
                    "F3 " + numberText(row->F3) +
                        " differs from c1 * s3' = " + numberText(product) + " by more than 1 %");
        }
        const double springIndex = (row->D1 - row->d) / row->d;
        if (springIndex < kIndexMin - kIndexSlack || springIndex > kIndexMax + kIndexSlack) {
            out.add(path, line,
                    "index (D1 - d) / d = " + numberText(springIndex) + " is outside 4 .. 12");
        }
        // The free pitch; a three-strand row with the largest strand factor.
        const double meanDiameter = row->D1 - row->d;
        const double pitch = row->d * (threeStrand ? kStrandFactorMax : 1.0) + row->s3;
        if (meanDiameter > 0 && pitch > kPitchRatioMax * meanDiameter) {
            out.add(path, line,
                    "free pitch " +
                        std::string(threeStrand ? "d1 * 1.029 + s3' = " : "d + s3' = ") +
                        numberText(pitch) + " is " + numberText(pitch / meanDiameter) +
                        " of the mean diameter D1 - d (at most 0.7)");
        }
        if (previous &&
            (row->F3 < previous->F3 || (row->F3 == previous->F3 && row->d < previous->d))) {
            out.add(path, line,
                    "out of order: F3 " + numberText(row->F3) + ", d " + numberText(row->d) +
                        " comes after F3 " + numberText(previous->F3) + ", d " +
                        numberText(previous->d));
        }
        if (wires && wireKeys.count(row->d) == 0) {
            out.add(path, line,
                    "wire diameter " + numberText(row->d) + " is not in the wire table " +
                        wirePath);
        }
        previous = row;
    }
}

} // namespace

std::string formatFault(const TableFault& fault) {
    if (fault.line <= 0) {
        return fault.path + ": " + fault.what;
    }
    return fault.path + ":" + std::to_string(fault.line) + ": " + fault.what;
}

TablePathOf tablesOfExecutable(const std::string& exePath) {
    return [search = tableSearchOf(exePath)](const std::string& number) {
        return locateTable(search, number).path;
    };
}

TablePathOf tablesInFolder(const std::string& folder) {
    std::string prefix = folder;
    if (!prefix.empty() && prefix.back() != '/') {
        prefix += '/';
    }
    return [prefix](const std::string& number) { return prefix + number + ".dat"; };
}

std::vector<TableFault> checkTableSet(const TablePathOf& pathOf) {
    FaultList out;
    const std::string wirePath = pathOf(kWireTableNumber);
    const auto wires = checkWireTable(wirePath, out);
    checkClassTable(pathOf, out);
    for (std::size_t order = 2; order < kTableNumbers.size(); ++order) {
        // The last three spring tables, of class items 8 .. 10, are three-strand.
        const bool threeStrand = order + 3 >= kTableNumbers.size();
        checkSpringTable(pathOf(kTableNumbers[order]), threeStrand, wires, wirePath, out);
    }
    return out.faults;
}

} // namespace torvelix::tables
