// Writing the fixture tables.
#include "table_fixture.h"

#include "cp1251.h"

#include <fstream>
#include <stdexcept>

namespace torvelix::testing {

namespace {

// Places text at a 1-based column of line, widening it with blanks.
void put(std::string& line, int column, int width, const std::string& text) {
    const auto start = static_cast<std::size_t>(column - 1);
    if (line.size() < start + static_cast<std::size_t>(width)) {
        line.resize(start + static_cast<std::size_t>(width), ' ');
    }
    // Right-aligned numbers, as the tables write them; text longer than the width is cut.
    std::string field = text.substr(0, static_cast<std::size_t>(width));
    line.replace(start + static_cast<std::size_t>(width) - field.size(), field.size(), field);
}

// Left-aligned text (the blank standard).
void putLeft(std::string& line, int column, int width, const std::string& text) {
    const auto start = static_cast<std::size_t>(column - 1);
    std::string field = text;
    field.resize(static_cast<std::size_t>(width), ' ');
    if (line.size() < start + field.size()) {
        line.resize(start + field.size(), ' ');
    }
    line.replace(start, field.size(), field);
}

} // namespace

std::string ClassRow(const std::string& f3Low, const std::string& f3High, const std::string& dLow,
                     const std::string& dHigh, const std::string& blank, const std::string& gost,
                     const std::string& tauFactor) {
    std::string line = "item   ";
    put(line, 8, 4, f3Low);
    put(line, 13, 6, f3High);
    put(line, 20, 5, dLow);
    put(line, 26, 4, dHigh);
    // The blank standard is measured in Windows-1251 bytes: convert before placing.
    std::string blankBytes = torvelix::utf8ToCp1251(blank).value();
    putLeft(line, 31, 43, blankBytes);
    putLeft(line, 75, 5, gost);
    put(line, 81, 4, tauFactor);
    return torvelix::cp1251ToUtf8(line);
}

std::string wireRow(const std::string& d, const std::string& iLow, const std::string& iHigh,
                    const std::string& iiLow, const std::string& iiHigh, const std::string& iiaLow,
                    const std::string& iiaHigh) {
    std::string line;
    put(line, 1, 5, d);
    put(line, 7, 5, iLow);
    put(line, 13, 5, iHigh);
    put(line, 29, 6, iiLow);
    put(line, 36, 6, iiHigh);
    put(line, 55, 7, iiaLow);
    put(line, 63, 7, iiaHigh);
    return line;
}

std::string SpringRow(const std::string& f3, const std::string& d, const std::string& d1,
                      const std::string& c1, const std::string& s3) {
    std::string line;
    put(line, 1, 6, f3);
    put(line, 8, 5, d);
    put(line, 14, 4, d1);
    put(line, 19, 7, c1);
    put(line, 27, 5, s3);
    return line;
}

std::string TableFolder::tablePath(const std::string& number) const {
    return folder_.file("spring_" + number + ".dat");
}

void TableFolder::write(const std::string& number, const std::vector<std::string>& lines) const {
    std::ofstream out(tablePath(number), std::ios::binary | std::ios::trunc);
    for (const auto& line : lines) {
        auto bytes = torvelix::utf8ToCp1251(line);
        if (!bytes) {
            throw std::runtime_error("fixture line not representable in Windows-1251");
        }
        out << *bytes << "\r\n";
    }
    if (!out) {
        throw std::runtime_error("cannot write fixture table " + number);
    }
}

void TableFolder::remove(const std::string& number) const {
    std::filesystem::remove(tablePath(number));
}

void TableFolder::writeDefaultClassification() const {
    std::vector<std::string> rows;
    const char* blanks[] = {"Проволока класса I по ГОСТ 9389-75",
                            "Проволока класса II по ГОСТ 9389-75", "Проволока по ГОСТ 14963-78",
                            "Сталь горячекатаная круглая по ГОСТ 2590-71"};
    for (int item = 0; item <= 10; ++item) {
        const bool factor = item == 0 || item == 1 || item == 4 || item == 5 || item == 8;
        rows.push_back(ClassRow("1.00", "850", "0.2", "5.0", blanks[item % 4],
                                std::to_string(13766 + item), factor ? "0.3" : "560"));
    }
    write("13764", rows);
}

void TableFolder::writeDefaultWire() const {
    write("9389", {"   d    I lo  I hi               II lo  II hi             IIA lo  IIA hi",
                   wireRow("1.00", "2450", "2740", "2060", "2450", "2070", "2460"),
                   wireRow("2.00", "2010", "2260", "1770", "2010", "1780", "2020"),
                   wireRow("3.00", "1720", "1960", "1620", "1860", "1630", "1870")});
}

} // namespace torvelix::testing
