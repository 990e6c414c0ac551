// The preliminary selection (filters, candidates, verdicts, proposal) and the report's
// outcomes; the memo texts written from their records are tested with the formatters.
#include "calc_fixture.h"
#include "errors.h"
#include "selection.h"
#include "table_cache.h"

using namespace torvelix;
using namespace torvelix::calc;
using torvelix::testing::CalcTest;
using torvelix::testing::SpringRow;
// Short texts are assigned as whole strings: copying a literal into an existing string
// trips GCC 12's -Wrestrict at -O3 (a false alarm in its inlined replace).
using namespace std::string_literals;
using torvelix::testing::wireRow;

namespace {

std::vector<std::string> filler(int count) {
    // Rows whose F3 never fits an F2 of 80.
    return std::vector<std::string>(static_cast<std::size_t>(count),
                                    SpringRow("10.0", "1.00", "8.0", "3.000", "3.33"));
}

} // namespace

class SelectionTest : public CalcTest {
protected:
    void SetUp() override { setUpTables({}); }
    void table(const std::vector<std::string>& rows) { folder.write("13766", rows); }
};

TEST_F(SelectionTest, BoundsOfBothFiltersAreInclusive) {
    // F2 80, class I: 84.2105 <= F3 <= 106.667; D1 between 10 and 12.
    table({SpringRow("84.21", "2.00", "12", "30", "2.81"),   // F3 just below F3min
           SpringRow("106.67", "2.00", "12", "30", "3.56"),  // just above F3max
           SpringRow("100", "2.00", "9.9", "30", "3.33"),    // D1 below Dmin
           SpringRow("100", "2.00", "12.1", "30", "3.33")}); // D1 above Dmax
    auto out = preliminarySelection(state, controls, messages);
    EXPECT_TRUE(out.list.candidates.empty());
    EXPECT_TRUE(out.clearReport);
    EXPECT_EQ(texts(), std::vector<std::string>{
                           "По стандарту пружину подобрать нельзя.\rИзмените исходные данные."});
    EXPECT_EQ(controls.eNum, "0");
    EXPECT_NEAR(state.F3min, 80 / 0.95, 1e-12);
    EXPECT_NEAR(state.F3max, 80 / 0.75, 1e-12);

    // F3 exactly F3max (80 / 0.75 written with all its digits) and D1 exactly Dmax.
    controls.eF2 = "75"; // F3max = 100
    messages.messages.clear();
    table({SpringRow("100", "2.00", "12", "30", "3.33")});
    out = preliminarySelection(state, controls, messages);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(controls.eNum, "1");
    EXPECT_FALSE(out.clearReport);
}

TEST_F(SelectionTest, ClassIIIUsesTheWiderGap) {
    selectClass(9);
    controls.eDn2 = "20";
    folder.write("13775", {SpringRow("133.3", "2.00", "16", "40", "3.33")});
    auto out = preliminarySelection(state, controls, messages);
    EXPECT_NEAR(state.F3min, 80 / 0.85, 1e-12);
    EXPECT_NEAR(state.F3max, 80 / 0.6, 1e-12);
    EXPECT_EQ(out.list.springGost, "13775");
    ASSERT_EQ(out.list.candidates.size(), 1u);
    EXPECT_EQ(out.list.candidates[0].number, 1);
}

TEST_F(SelectionTest, ListsEveryCandidateAndProposesTheLast) {
    auto rows = filler(6);
    rows.push_back(SpringRow("100", "2.00", "12", "30", "3.33")); // line 7
    table(rows);
    auto out = preliminarySelection(state, controls, messages);
    ASSERT_EQ(out.list.candidates.size(), 1u);
    EXPECT_EQ(out.list.candidates[0].number, 7);
    EXPECT_TRUE(out.list.candidates[0].passes());
    EXPECT_EQ(controls.eNum, "7");

    rows = filler(1233);
    rows.push_back(SpringRow("100", "2.00", "12", "30", "3.33"));
    table(rows);
    out = preliminarySelection(state, controls, messages);
    EXPECT_EQ(controls.eNum, "1234");
    EXPECT_EQ(out.list.candidates.at(0).number, 1234);
}

TEST_F(SelectionTest, AFailedLastCandidateLeavesNoProposal) {
    table({SpringRow("100", "2.00", "12", "30", "3.33"), // passes
           SpringRow("100", "2.00", "12", "30", "3.33"), // passes
           SpringRow("100", "2.00", "12", "30", "3.33")});
    controls.eV = "100"; // all three collide
    auto out = preliminarySelection(state, controls, messages);
    EXPECT_EQ(controls.eNum, "0");
    ASSERT_EQ(out.list.candidates.size(), 3u);
    for (const CandidateRecord& c : out.list.candidates) {
        EXPECT_TRUE(c.checks.collision.failed());
        EXPECT_FALSE(c.checks.index.failed() || c.checks.strength.failed() ||
                     c.checks.stability.failed());
    }
    EXPECT_EQ(out.list.candidates[2].number, 3);

    controls.eV = "3";
    table({SpringRow("100", "2.00", "12", "30", "3.33"),
           // d 0.50: i = (12 - 0.5) / 0.5 = 23, a row `check-tables` rejects: the
           // candidate is listed as not computed, the table's line named.
           SpringRow("100", "0.50", "12", "30", "3.33")});
    out = preliminarySelection(state, controls, messages);
    EXPECT_EQ(controls.eNum, "0");
    ASSERT_EQ(out.list.candidates.size(), 2u);
    EXPECT_TRUE(out.list.candidates[0].passes());
    EXPECT_FALSE(out.list.candidates[1].computed);
    EXPECT_EQ(texts().back(), "Ошибка в таблице " + folder.tablePath("13766") +
                                  ", строка 2: index (D1 - d) / d = 23 is outside 4 .. 12");
}

TEST_F(SelectionTest, ACandidateThatCannotBeComputedIsNeverProposed) {
    table({SpringRow("100", "2.00", "12", "30", "3.33"),
           SpringRow("100", "2.00", "12", "bad", "3.33")});
    auto out = preliminarySelection(state, controls, messages);
    ASSERT_EQ(out.list.candidates.size(), 2u);
    EXPECT_TRUE(out.list.candidates[0].computed);
    const CandidateRecord& failed = out.list.candidates[1];
    EXPECT_EQ(failed.number, 2);
    EXPECT_FALSE(failed.computed);
    // None of the first spring's values is carried over.
    EXPECT_EQ(failed.F3, 0);
    EXPECT_EQ(failed.L0, 0);
    EXPECT_TRUE(failed.D1.text.empty());
    EXPECT_FALSE(failed.passes());
    EXPECT_EQ(controls.eNum, "0");
    EXPECT_EQ(texts(),
              std::vector<std::string>{"Не могу найти таблицу " + folder.tablePath("13766")});
}

TEST_F(SelectionTest, AMissingWireTableFailsEveryCandidateOfThatRun) {
    table({SpringRow("100", "2.00", "12", "30", "3.33"),
           SpringRow("100", "2.00", "12", "30", "3.33")});
    auto out = preliminarySelection(state, controls, messages);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(controls.eNum, "2");

    folder.remove("9389"); // between two runs
    out = preliminarySelection(state, controls, messages);
    const std::string wireMessage = "Не могу найти таблицу " + folder.tablePath("9389");
    EXPECT_EQ(texts(), (std::vector<std::string>{wireMessage, wireMessage}));
    ASSERT_EQ(out.list.candidates.size(), 2u);
    EXPECT_FALSE(out.list.candidates[0].computed);
    EXPECT_FALSE(out.list.candidates[1].computed);
    EXPECT_EQ(controls.eNum, "0");
}

TEST_F(SelectionTest, WireDiametersAreConvertedUpToTheMatchOnly) {
    table({SpringRow("100", "2.00", "12", "30", "3.33")});
    const std::string heading = "heading";
    // A bad diameter after the 2.00 row is never looked at.
    folder.write("9389", {heading, wireRow("2.00", "2010", "2260", "1770", "2010", "1780", "2020"),
                          wireRow("x.xx", "1", "1", "1", "1", "1", "1")});
    preliminarySelection(state, controls, messages);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(controls.eNum, "1");
    // Before it, it stops the computation, which names the wire table.
    folder.write("9389", {heading, wireRow("x.xx", "1", "1", "1", "1", "1", "1"),
                          wireRow("2.00", "2010", "2260", "1770", "2010", "1780", "2020")});
    preliminarySelection(state, controls, messages);
    EXPECT_EQ(texts(),
              std::vector<std::string>{"Не могу найти таблицу " + folder.tablePath("9389")});
    EXPECT_EQ(controls.eNum, "0");
}

TEST_F(SelectionTest, InputsThatDoNotConvertEscapeAndKeepLaterMembers) {
    table({SpringRow("100", "2.00", "12", "30", "3.33")});
    controls.eNum = "5"s;
    controls.eF2 = "2,5";
    state.h = 77;
    EXPECT_THROW(
        {
            try {
                preliminarySelection(state, controls, messages);
            } catch (const ConversionError& e) {
                EXPECT_STREQ(e.what(), "Неверное число '2,5'. Дробную часть отделяйте точкой.");
                throw;
            }
        },
        ConversionError);
    EXPECT_EQ(state.F1, 20); // converted before the failing text
    EXPECT_EQ(state.h, 77);  // not reached
    EXPECT_EQ(controls.eNum, "5");
    controls.eF2 = "80";
    controls.eN3 = " 1.5 ";
    preliminarySelection(state, controls, messages);
    EXPECT_EQ(state.n3, 1.5);
}

TEST_F(SelectionTest, MissingSpringTableKeepsTheNumberAndListsNothing) {
    folder.remove("13766");
    controls.eNum = "3"s;
    auto out = preliminarySelection(state, controls, messages);
    EXPECT_TRUE(out.list.candidates.empty());
    EXPECT_FALSE(out.clearReport);
    EXPECT_EQ(controls.eNum, "3");
    EXPECT_EQ(texts(),
              std::vector<std::string>{"Не могу найти таблицу " + folder.tablePath("13766")});
}

class ReportTest : public CalcTest {
protected:
    void SetUp() override {
        // c1 * s3' = 30 * 3.55 = 106.5 agrees with F3 106 within 1 %.
        setUpTables({SpringRow("106", "2.00", "22", "30", "3.55"),
                     SpringRow("100", "2.00", "12", "bad", "3.33")});
    }
};

TEST_F(ReportTest, NoNumberKeepsTheReportAndAFailedComputationClearsIt) {
    for (const char* none : {"0", ""}) {
        controls.eNum = none;
        auto out = finalCalculation(state, controls, messages);
        EXPECT_FALSE(out.replaceReport);
        EXPECT_EQ(
            texts().back(),
            "По стандарту пружину подобрать нельзя.\rНе выбран номер рассчитываемой пружины!");
    }
    controls.eNum = "2"s;
    auto out = finalCalculation(state, controls, messages);
    EXPECT_TRUE(out.replaceReport);
    EXPECT_FALSE(out.report);
    EXPECT_EQ(texts().back(), "Не могу найти таблицу " + folder.tablePath("13766"));
}

// A batch reads the tables once: the selection then works from memory, with the same
// candidates as from the files and the same error at a field that does not convert.
TEST_F(SelectionTest, TablesReadOnceGiveTheSameCandidatesAndFaults) {
    auto rows = filler(6);
    rows.push_back(SpringRow("100", "2.00", "12", "30", "3.33")); // line 7 fits
    table(rows);
    const auto cache = tables::loadTableCache(folder.exePath());
    ASSERT_TRUE(cache);
    state.tables = cache->checked;
    state.tables.Cache = cache;
    // The files are gone: whatever is read now comes from memory.
    folder.remove("13766");
    folder.remove("9389");
    auto out = preliminarySelection(state, controls, messages);
    EXPECT_TRUE(messages.messages.empty());
    ASSERT_EQ(out.list.candidates.size(), 1u);
    EXPECT_EQ(out.list.candidates[0].number, 7);
    EXPECT_TRUE(out.list.candidates[0].passes());
    EXPECT_EQ(controls.eNum, "7");

    // A force that does not convert stops the scan with its text, from memory as from
    // the file.
    rows.insert(rows.begin() + 2, SpringRow("1O0", "2.00", "12", "30", "3.33"));
    table(rows);
    folder.writeDefaultWire();
    const auto errorOf = [&] {
        try {
            (void)preliminarySelection(state, controls, messages);
        } catch (const ConversionError& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    state.tables.Cache = tables::loadTableCache(folder.exePath());
    ASSERT_TRUE(state.tables.Cache);
    const std::string fromMemory = errorOf();
    state.tables.Cache.reset();
    EXPECT_EQ(fromMemory, errorOf());
    EXPECT_NE(fromMemory.find("1O0'"), std::string::npos) << fromMemory;
}
