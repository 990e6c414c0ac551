// File names, the presence check, line reading and the class selection.
#include "class_selection.h"
#include "errors.h"
#include "table_files.h"
#include "table_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace torvelix;
using namespace torvelix::tables;
using torvelix::testing::ClassRow;
using torvelix::testing::TableFolder;

namespace {

void writeAllTables(const TableFolder& folder) {
    folder.writeDefaultClassification();
    folder.writeDefaultWire();
    for (int n = 13766; n <= 13776; ++n) {
        folder.write(std::to_string(n), {}); // an empty table passes the check
    }
}

} // namespace

TEST(ExeBase, RemovesOnlyAnExistingExtension) {
    EXPECT_EQ(ExeBase("C:\\Calc\\Spring.exe"), "C:\\Calc\\Spring");
    EXPECT_EQ(ExeBase("/opt/torvelix/torvelix"), "/opt/torvelix/torvelix");
    EXPECT_EQ(ExeBase("/opt/v1.2/torvelix"), "/opt/v1.2/torvelix");
    EXPECT_EQ(ExeBase("C:\\x\\abc"), "C:\\x\\abc");
    TableState state;
    state.ExeBase = "C:\\Calc\\Spring";
    EXPECT_EQ(TablePath(state, "9389"), "C:\\Calc\\Spring_9389.dat");
}

TEST(PresenceCheck, PassesWithEmptyTablesAndRunsOnce) {
    TableFolder folder;
    writeAllTables(folder);
    TableState state;
    RecordingMessageSink messages;
    CheckTables(state, folder.exePath(), messages);
    EXPECT_TRUE(state.TablesOk);
    EXPECT_FALSE(state.CheckPending);
    EXPECT_TRUE(messages.messages.empty());

    SelectClass(state, folder.exePath(), 0, messages);
    folder.remove("13766"); // a second selection does not check again
    SelectClass(state, folder.exePath(), 1, messages);
    EXPECT_TRUE(state.TablesOk);
    EXPECT_TRUE(messages.messages.empty());
}

TEST(PresenceCheck, StopsAtTheFirstMissingFileAndNamesIt) {
    TableFolder folder;
    writeAllTables(folder);
    folder.remove("13770");
    folder.remove("13772");
    TableState state;
    RecordingMessageSink messages;
    auto selection = SelectClass(state, folder.exePath(), 0, messages);
    EXPECT_FALSE(state.TablesOk);
    EXPECT_FALSE(selection.rowRead);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(messages.messages[0].text, "Не могу найти таблицу " + folder.tablePath("13770") +
                                             "\n\rЗагрузка программы прекращена");
    // Later selections read nothing.
    selection = SelectClass(state, folder.exePath(), 0, messages);
    EXPECT_FALSE(selection.rowRead);
    EXPECT_EQ(messages.messages.size(), 1u);
}

// An installed layout inside the test's folder: <dir>/bin/spring with the tables
// either beside it or in <dir>/share/torvelix/ under the names spring_<number>.dat.
TEST(TableLookup, BesideTheExecutableFirstThenTheInstalledDataFolder) {
    TableFolder folder;
    const auto bin = folder.dir() / "bin";
    const auto shared = folder.dir() / "share" / "torvelix";
    std::filesystem::create_directories(bin);
    std::filesystem::create_directories(shared);
    const std::string exe = (bin / "spring").string();
    const auto touch = [](const std::filesystem::path& dir, const std::string& number) {
        std::ofstream(dir / ("spring_" + number + ".dat")); // empty tables pass the check
    };
    for (const char* number : kTableNumbers) {
        touch(shared, number);
    }

    // Only the data folder holds tables: they are read from there.
    TableState installed;
    RecordingMessageSink messages;
    CheckTables(installed, exe, messages);
    EXPECT_TRUE(installed.TablesOk);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(installed.ExeBase, bin.string() + "/spring");
    EXPECT_EQ(TablePath(installed, "13770"), shared.string() + "/spring_13770.dat");

    // One table beside the executable makes that folder the place of the whole set:
    // the check names the first table missing there, not a mix of both folders.
    touch(bin, "13764");
    TableState portable;
    CheckTables(portable, exe, messages);
    EXPECT_FALSE(portable.TablesOk);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Не могу найти таблицу " + bin.string() +
                                             "/spring_9389.dat\n\rЗагрузка программы прекращена");

    // Neither folder holds a table: the names beside the executable are reported.
    std::filesystem::remove_all(shared);
    std::filesystem::remove(bin / "spring_13764.dat");
    EXPECT_EQ(findTableBase(exe), bin.string() + "/spring");
}

TEST(ReadTableLine, NumbersFromOneAndReadsPastTheEndAsEmpty) {
    TableFolder folder;
    folder.write("13766", {"first", "second", "third"});
    const auto path = folder.tablePath("13766");
    EXPECT_EQ(ReadTableLine(path, 1), "first");
    EXPECT_EQ(ReadTableLine(path, 3), "third"); // CR of CR LF is not part of the line
    EXPECT_EQ(ReadTableLine(path, 4), "");
    EXPECT_EQ(ReadTableLine(path, 0), "");
    EXPECT_EQ(ReadTableLine(path, -5), "");
    EXPECT_THROW(ReadTableLine(folder.tablePath("99999"), 1), torvelix::TableIoError);
    EXPECT_THROW(ReadTableLine(folder.dir().string(), 1), torvelix::TableIoError);
    EXPECT_EQ(readAllTableLines(path).size(), 3u);
}

TEST(ClassSelection, ShowsTheRowsTextsAndStoresItsValues) {
    TableFolder folder;
    writeAllTables(folder);
    TableState state;
    RecordingMessageSink messages;
    auto s = SelectClass(state, folder.exePath(), 0, messages);
    ASSERT_TRUE(s.rowRead);
    EXPECT_EQ(s.LN1, "1*10");
    EXPECT_EQ(s.LN2, "7");
    EXPECT_EQ(s.ClassGroup, tables::ClassGroup::I);
    EXPECT_EQ(s.LF3, "1.00...850"); // trimmed both sides
    EXPECT_EQ(s.Ld, "0.2...5.0");
    EXPECT_EQ(s.SpringGost, "13766");
    EXPECT_EQ(s.LGOST, "ГОСТ 13766-86");
    ASSERT_TRUE(s.LZagot);
    // All 43 columns, trailing blanks kept.
    EXPECT_EQ(*s.LZagot, "Проволока класса I по ГОСТ 9389-75" + std::string(9, ' '));
    EXPECT_FALSE(s.showWireClass);
    EXPECT_DOUBLE_EQ(*s.TauFactor, 0.3);

    s = SelectClass(state, folder.exePath(), 5, messages);
    EXPECT_TRUE(s.showWireClass);
    EXPECT_FALSE(s.LZagot.has_value());
    EXPECT_EQ(s.LN2, "5");
    EXPECT_EQ(s.ClassGroup, tables::ClassGroup::II);
    EXPECT_EQ(s.SpringGost, "13771");

    s = SelectClass(state, folder.exePath(), 9, messages);
    EXPECT_EQ(s.LN1, "2*10");
    EXPECT_EQ(s.LN2, "3");
    EXPECT_EQ(s.ClassGroup, tables::ClassGroup::III);
    EXPECT_DOUBLE_EQ(*s.TauFactor, 560);
    EXPECT_TRUE(messages.messages.empty());
}

TEST(ClassSelection, UnreadableFactorOrMissingRowClearsTablesOk) {
    TableFolder folder;
    writeAllTables(folder);
    // Only items 0 .. 2 exist, and item 1 has no factor.
    folder.write("13764", {ClassRow("1.00", "850", "0.2", "5.0", "x", "13766", "0.3"),
                           ClassRow("1.00", "800", "0.2", "5.0", "x", "13767", "abc"),
                           ClassRow("140", "6000", "3.0", "12.0", "x", "13768", "560")});
    TableState state;
    RecordingMessageSink messages;
    auto s = SelectClass(state, folder.exePath(), 1, messages);
    EXPECT_TRUE(s.rowRead); // labels set before the failing step keep their contents
    EXPECT_EQ(s.LF3, "1.00...800");
    EXPECT_FALSE(s.TauFactor);
    EXPECT_FALSE(state.TablesOk);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Ошибка чтения таблицы " + folder.tablePath("13764"));

    TableState fresh;
    RecordingMessageSink more;
    s = SelectClass(fresh, folder.exePath(), 7, more); // line 8 does not exist
    EXPECT_FALSE(fresh.TablesOk);
    ASSERT_EQ(more.messages.size(), 1u);
    EXPECT_EQ(more.messages[0].text, "Ошибка чтения таблицы " + folder.tablePath("13764"));
}
