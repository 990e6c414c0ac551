// Checks the thirteen standard tables line by line and lists the faults found.
#include "table_checker.h"

#include "class_record.h"
#include "cp1251.h"
#include "errors.h"
#include "number_parse.h"
#include "spring_row_check.h"
#include "table_fields.h"
#include "table_files.h"
#include "table_layouts.h"

#include <fstream>
#include <optional>
#include <set>

namespace torvelix::tables {

namespace {

constexpr int kClassItems = static_cast<int>(kClassRecords.size());

// The fields of a wire-table row that the calculation reads: the key and the lower and
// upper strengths of each wire class.
constexpr int kWireFieldsRead[] = {
    wire_layout::kDiameterField,         wire_layout::kClassILowerField,
    wire_layout::kClassILowerField + 1,  wire_layout::kClassIILowerField,
    wire_layout::kClassIILowerField + 1, wire_layout::kClassIIALowerField,
    wire_layout::kClassIIALowerField + 1};

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
                name + " (columns " + faultColumns(span) + ") " + faultQuoted(text) +
                    " is not a number");
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
                out.add(path, line,
                        name + " is " + faultNumber(*value) + ", not a positive number");
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
                    "TauFactor is " + faultNumber(*tauFactor) + ", not a positive number");
        }
        // The class selection keeps the number as UTF-8 text and names the file from it.
        const std::string number = cp1251ToUtf8(fieldAt(row, class_layout::kSpringTable));
        const std::string springPath = pathOf(number);
        try {
            ReadTableLine(springPath, 1);
        } catch (const TableIoError&) {
            out.add(path, line,
                    "spring table \"" + number + "\" (columns " +
                        faultColumns(class_layout::kSpringTable) + "): the file " + springPath +
                        " cannot be read");
        }
    }
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
    std::optional<SpringRowValues> previous;
    for (std::size_t index = 0; index < lines->size(); ++index) {
        const long long line = static_cast<long long>(index) + 1;
        if (isOverlongLine((*lines)[index])) {
            previous.reset();
            continue;
        }
        const SpringRowCheck check = checkSpringRow((*lines)[index], threeStrand);
        for (const std::string& fault : check.faults) {
            out.add(path, line, fault);
        }
        const auto& row = check.values;
        if (!row) {
            previous.reset();
            continue;
        }
        if (previous &&
            (row->F3 < previous->F3 || (row->F3 == previous->F3 && row->d < previous->d))) {
            out.add(path, line,
                    "out of order: F3 " + faultNumber(row->F3) + ", d " + faultNumber(row->d) +
                        " comes after F3 " + faultNumber(previous->F3) + ", d " +
                        faultNumber(previous->d));
        }
        if (wires && wireKeys.count(row->d) == 0) {
            out.add(path, line,
                    "wire diameter " + faultNumber(row->d) + " is not in the wire table " +
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
    TableState state;
    state.ExeBase = ExeBase(exePath);
    state.TableBase = findTableBase(exePath);
    return [state](const std::string& number) { return TablePath(state, number); };
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
