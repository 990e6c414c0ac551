// The shipped classification table as the program reads it: every item's row through
// the class selection.
#include "class_selection.h"
#include "scratch_folder.h"
#include "table_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using namespace torvelix;
using namespace torvelix::tables;
namespace fs = std::filesystem;

namespace {

// The shipped tables copied beside a made-up executable, named as the program names them.
class TablesBesideProgram {
public:
    TablesBesideProgram() {
        for (const char* number : kTableNumbers) {
            fs::copy_file(fs::path(TORVELIX_DATA_DIR) / (std::string(number) + ".dat"),
                          scratch_.path() / ("spring_" + std::string(number) + ".dat"));
        }
    }
    TablesBesideProgram(const TablesBesideProgram&) = delete;
    TablesBesideProgram& operator=(const TablesBesideProgram&) = delete;
    std::string exePath() const { return (scratch_.path() / "spring.exe").string(); }

private:
    torvelix::testing::ScratchFolder scratch_;
};

struct ExpectedClass {
    const char* LF3;
    const char* Ld;
    const char* blank; // empty for the items that show the wire-class choice
    double TauFactor;
};

std::string padded(const std::string& utf8, std::size_t columns) {
    // Every character of these texts is one column (one byte in Windows-1251).
    std::size_t characters = 0;
    for (unsigned char ch : utf8) {
        characters += (ch & 0xC0) != 0x80;
    }
    return utf8 + std::string(columns - characters, ' ');
}

} // namespace

TEST(ShippedTables, ClassRowsReadBackAsTheClassificationGivesThem) {
    const std::string wireI = "Проволока класса I по ГОСТ 9389-75";
    const std::string wireII = "Проволока класса II по ГОСТ 9389-75";
    const std::string wire14963 = "Проволока по ГОСТ 14963-78";
    const std::string bar = "Сталь горячекатаная круглая по ГОСТ 2590-71";
    // Items 8 .. 10: the force range is that of the computed three-strand table.
    const ExpectedClass expected[] = {
        {"1.00...850", "0.2...5.0", wireI.c_str(), 0.3},
        {"1.00...800", "0.2...5.0", "", 0.3},
        {"140...6000", "3.0...12.0", wire14963.c_str(), 560},
        {"2800...180000", "14...70", bar.c_str(), 480},
        {"1.00...1400", "0.2...5.0", wireI.c_str(), 0.5},
        {"1.00...1250", "0.2...5.0", "", 0.5},
        {"236...10000", "3.0...12.0", wire14963.c_str(), 960},
        {"4500...280000", "14...70", bar.c_str(), 800},
        {"35.5...4000", "0.3...2.8", wireI.c_str(), 0.6},
        {"265...15000", "1.0...5.0", wireII.c_str(), 1150},
        {"236...13200", "1.0...5.0", wireI.c_str(), 1000},
    };
    TablesBesideProgram tables;
    TableState state;
    RecordingMessageSink messages;
    for (int item = 0; item <= 10; ++item) {
        SCOPED_TRACE("item " + std::to_string(item));
        const auto selection = SelectClass(state, tables.exePath(), item, messages);
        ASSERT_TRUE(selection.rowRead);
        const ExpectedClass& want = expected[item];
        EXPECT_EQ(selection.LF3, want.LF3);
        EXPECT_EQ(selection.Ld, want.Ld);
        EXPECT_EQ(selection.SpringGost, std::to_string(13766 + item));
        EXPECT_EQ(selection.LGOST, "ГОСТ " + std::to_string(13766 + item) + "-86");
        ASSERT_TRUE(selection.TauFactor.has_value());
        EXPECT_DOUBLE_EQ(*selection.TauFactor, want.TauFactor);
        if (std::string(want.blank).empty()) {
            EXPECT_TRUE(selection.showWireClass);
        } else {
            ASSERT_TRUE(selection.LZagot.has_value());
            EXPECT_EQ(*selection.LZagot, padded(want.blank, 43));
        }
    }
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_TRUE(state.TablesOk);
}
