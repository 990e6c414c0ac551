// The table checker on the shipped tables and on copies broken one fault at a time.
#include "scratch_folder.h"
#include "table_checker.h"
#include "table_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace torvelix::tables;
namespace fs = std::filesystem;

namespace {

// A copy of the shipped tables in a temporary folder, to be broken by a test.
class TableCopy {
public:
    TableCopy() {
        for (const char* number : kTableNumbers) {
            fs::copy_file(fs::path(TORVELIX_DATA_DIR) / (std::string(number) + ".dat"),
                          scratch_.path() / (std::string(number) + ".dat"));
        }
    }
    TableCopy(const TableCopy&) = delete;
    TableCopy& operator=(const TableCopy&) = delete;

    std::string path(const std::string& number) const {
        return (scratch_.path() / (number + ".dat")).string();
    }
    std::vector<std::string> lines(const std::string& number) const {
        return readAllTableLines(path(number));
    }
    void write(const std::string& number, const std::vector<std::string>& lines) const {
        std::ofstream out(path(number), std::ios::binary | std::ios::trunc);
        for (const auto& line : lines) {
            out << line << "\r\n";
        }
    }
    // Overwrites the columns from `column` (1-based) of line `line` with `text`.
    void patch(const std::string& number, std::size_t line, int column,
               const std::string& text) const {
        auto all = lines(number);
        std::string& row = all.at(line - 1);
        row.resize(std::max(row.size(), static_cast<std::size_t>(column - 1) + text.size()), ' ');
        row.replace(static_cast<std::size_t>(column - 1), text.size(), text);
        write(number, all);
    }
    std::vector<TableFault> check() const {
        return checkTableSet(tablesInFolder(scratch_.path().string()));
    }

private:
    torvelix::testing::ScratchFolder scratch_;
};

std::vector<std::string> formatted(const std::vector<TableFault>& faults) {
    std::vector<std::string> out;
    for (const auto& fault : faults) {
        out.push_back(formatFault(fault));
    }
    return out;
}

// The faults whose text holds `word`.
std::vector<TableFault> having(const std::vector<TableFault>& faults, const std::string& word) {
    std::vector<TableFault> out;
    for (const auto& fault : faults) {
        if (fault.what.find(word) != std::string::npos) {
            out.push_back(fault);
        }
    }
    return out;
}

} // namespace

TEST(TableChecker, ShippedTablesHaveNoFault) {
    const auto faults = checkTableSet(tablesInFolder(TORVELIX_DATA_DIR));
    EXPECT_TRUE(faults.empty()) << ::testing::PrintToString(formatted(faults));
}

TEST(TableChecker, NamesFilesBesideTheExecutableOrInAFolder) {
    EXPECT_EQ(tablesOfExecutable("/opt/t/torvelix")("9389"), "/opt/t/torvelix_9389.dat");
    EXPECT_EQ(tablesOfExecutable("C:\\Calc\\Spring.exe")("13766"), "C:\\Calc\\Spring_13766.dat");
    EXPECT_EQ(tablesInFolder("/src/data")("13764"), "/src/data/13764.dat");
    EXPECT_EQ(tablesInFolder("/src/data/")("13764"), "/src/data/13764.dat");
    EXPECT_EQ(formatFault({"/a/x.dat", 7, "bad"}), "/a/x.dat:7: bad");
    EXPECT_EQ(formatFault({"/a/x.dat", 0, "bad"}), "/a/x.dat: bad");
}

TEST(TableChecker, ReportsFieldsThatDoNotConvert) {
    TableCopy copy;
    copy.patch("13766", 5, 19, "  12,34"); // c1 with a comma
    copy.patch("9389", 3, 55, "    abc");  // class IIA lower strength
    copy.patch("9389", 4, 71, "     x");   // a column the calculation does not read
    copy.patch("13764", 2, 81, " 0,3");    // TauFactor
    auto lines = copy.lines("13770");
    lines.push_back(""); // an empty last line
    copy.write("13770", lines);

    const auto faults = formatted(copy.check());
    const std::vector<std::string> expected = {
        copy.path("9389") + ":3: field 10 (columns 55-61) \"    abc\" is not a number",
        copy.path("13764") + ":2: TauFactor (columns 81-84) \" 0,3\" is not a number",
        copy.path("13766") + ":5: field 4 c1 (columns 19-25) \"  12,34\" is not a number",
    };
    for (const auto& line : expected) {
        EXPECT_NE(std::find(faults.begin(), faults.end(), line), faults.end()) << line;
    }
    const std::string lastLine = copy.path("13770") + ":" + std::to_string(lines.size()) + ":";
    EXPECT_EQ(std::count_if(faults.begin(), faults.end(),
                            [&](const std::string& f) { return f.rfind(lastLine, 0) == 0; }),
              5);
    EXPECT_EQ(faults.size(), expected.size() + 5) << ::testing::PrintToString(faults);
}

TEST(TableChecker, ReportsForceNotMatchingStiffnessTimesDeflection) {
    TableCopy copy;
    // Line 1 of 13766 is F3 1.00, c1 1.474: s3' 0.692 gives 1.020 (2 % off),
    // 0.684 gives 1.008 (0.8 % off, inside the tolerance of the rounded fields).
    ASSERT_EQ(copy.lines("13766").at(0).substr(0, 31), "  1.00  0.20  2.4   1.474 0.678");
    copy.patch("13766", 1, 27, "0.692");
    const auto faults = copy.check();
    ASSERT_EQ(faults.size(), 1u) << ::testing::PrintToString(formatted(faults));
    EXPECT_EQ(formatFault(faults[0]), copy.path("13766") +
                                          ":1: F3 1 differs from c1 * s3' = 1.02001 by more "
                                          "than 1 %");
    copy.patch("13766", 1, 27, "0.684");
    EXPECT_TRUE(copy.check().empty());
}

TEST(TableChecker, ReportsIndexOutsideFourToTwelveButNotAtTheLimits) {
    TableCopy copy;
    // d 0.20: D1 1.0 is index 4 and D1 2.6 index 12 exactly (decimal), inside;
    // D1 0.9 is 3.5 and D1 2.8 is 13.
    copy.patch("13766", 1, 14, " 1.0");
    copy.patch("13766", 2, 14, " 2.6");
    copy.patch("13766", 3, 14, " 0.9");
    copy.patch("13766", 4, 14, " 2.8");
    const auto faults = having(copy.check(), "index");
    ASSERT_EQ(faults.size(), 2u) << ::testing::PrintToString(formatted(faults));
    EXPECT_EQ(formatFault(faults[0]),
              copy.path("13766") + ":3: index (D1 - d) / d = 3.5 is outside 4 .. 12");
    EXPECT_EQ(faults[1].line, 4);
}

TEST(TableChecker, ReportsRowsOutOfOrder) {
    TableCopy copy;
    auto lines = copy.lines("13768");
    std::swap(lines[9], lines[10]);
    copy.write("13768", lines);
    const auto faults = copy.check();
    ASSERT_EQ(faults.size(), 1u) << ::testing::PrintToString(formatted(faults));
    EXPECT_EQ(faults[0].path, copy.path("13768"));
    EXPECT_EQ(faults[0].line, 11);
    EXPECT_NE(faults[0].what.find("out of order"), std::string::npos);
}

TEST(TableChecker, ReportsClassRowsNamingNoReadableSpringTable) {
    TableCopy copy;
    copy.patch("13764", 3, 75, "13799");
    fs::remove(copy.path("13770"));
    auto classLines = copy.lines("13764");
    classLines.pop_back(); // item 10 has no line
    copy.write("13764", classLines);

    const auto faults = formatted(copy.check());
    const std::vector<std::string> expected = {
        copy.path("13764") + ":3: spring table \"13799\" (columns 75-79): the file " +
            copy.path("13799") + " cannot be read",
        copy.path("13764") + ":5: spring table \"13770\" (columns 75-79): the file " +
            copy.path("13770") + " cannot be read",
        copy.path("13764") + ":11: no line for class item 10",
        copy.path("13770") + ": the file cannot be read",
    };
    EXPECT_EQ(faults, expected);
}

TEST(TableChecker, ReportsSpringDiametersMissingFromTheWireTable) {
    TableCopy copy;
    auto wire = copy.lines("9389");
    const auto removed = std::find_if(wire.begin(), wire.end(), [](const std::string& row) {
        return row.substr(0, 5) == " 1.70";
    });
    ASSERT_NE(removed, wire.end());
    wire.erase(removed);
    copy.write("9389", wire);

    // Every row of 13766 with d 1.70, and no other row, is reported.
    std::vector<long long> expected;
    const auto rows = copy.lines("13766");
    for (std::size_t k = 0; k < rows.size(); ++k) {
        if (rows[k].substr(7, 5) == " 1.70") {
            expected.push_back(static_cast<long long>(k) + 1);
        }
    }
    ASSERT_FALSE(expected.empty());
    std::vector<long long> reported;
    for (const auto& fault : having(copy.check(), "not in the wire table")) {
        if (fault.path == copy.path("13766")) {
            reported.push_back(fault.line);
            EXPECT_EQ(fault.what,
                      "wire diameter 1.7 is not in the wire table " + copy.path("9389"));
        }
    }
    EXPECT_EQ(reported, expected);
}

TEST(TableChecker, ReportsACharacterInColumn18) {
    TableCopy copy;
    // The selection would read the outer diameter over columns 14-18 as 2.45.
    copy.patch("13766", 1, 18, "5");
    const auto faults = copy.check();
    ASSERT_EQ(faults.size(), 1u) << ::testing::PrintToString(formatted(faults));
    EXPECT_EQ(faults[0].line, 1);
    EXPECT_NE(faults[0].what.find("column 18 must be blank"), std::string::npos);
}

TEST(TableChecker, ReportsUnreadableWireTableOnceWithoutDiameterFaults) {
    TableCopy copy;
    fs::remove(copy.path("9389"));
    const auto faults = formatted(copy.check());
    EXPECT_EQ(faults, std::vector<std::string>{copy.path("9389") + ": the file cannot be read"});
}
