// The preliminary selection (filters, entries, verdicts, proposal) and the report.
#include "calc_fixture.h"
#include "errors.h"
#include "selection.h"

using namespace torvelix;
using namespace torvelix::calc;
using torvelix::testing::CalcTest;
using torvelix::testing::SpringRow;
// Short texts are assigned as whole strings: copying a literal into an existing string
// trips GCC 12's -Wrestrict at -O3 (a false alarm in its inlined replace).
using namespace std::string_literals;
using torvelix::testing::wireRow;

namespace {

// Characters of a UTF-8 line (the report's widths count characters, not bytes).
std::size_t chars(const std::string& s) {
    std::size_t n = 0;
    for (unsigned char ch : s) {
        n += (ch & 0xC0) != 0x80;
    }
    return n;
}

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
    EXPECT_TRUE(out.mm1.empty());
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
    ASSERT_FALSE(out.mm1.empty());
    EXPECT_EQ(out.mm1[0], "Номер пружины по ГОСТ 13775-86       :1");
}

TEST_F(SelectionTest, ListsEveryCandidateWithItsLinesAndProposesTheLast) {
    auto rows = filler(6);
    rows.push_back(SpringRow("100", "2.00", "12", "30", "3.33")); // line 7: D 10, i 5
    table(rows);
    controls.eDn1 = "10";
    auto out = preliminarySelection(state, controls, messages);
    ASSERT_EQ(out.mm1.size(), 11u);
    EXPECT_EQ(out.mm1[0], "Номер пружины по ГОСТ 13766-86       :7");
    EXPECT_EQ(out.mm1[1], "Сила при максимальной деформации (Н) :100");
    EXPECT_EQ(out.mm1[2], "Диаметр проволоки               (мм) :2");
    EXPECT_EQ(out.mm1[3], "Наружный диаметр пружины        (мм) :  12"); // columns 14-17
    EXPECT_EQ(out.mm1[4], "Число рабочих витков                 :5");
    // c = 6, n = 5, n1 = 7, s3 = 100/6 = 16.667, s1 = 20/6 = 3.333, s2 = 80/6 = 13.333;
    // L3 = (7 + 1 - 1.5) * 2 = 13, L0 = 13 + 16.667 = 29.667, L1 = 26.333, L2 = 16.333.
    EXPECT_EQ(out.mm1[5], "Высота пружины                  (мм) :29.667");
    EXPECT_EQ(out.mm1[6], "  - при максимальной деформации      :13.000");
    EXPECT_EQ(out.mm1[7], "  - при предварительной деформации   :26.333");
    EXPECT_EQ(out.mm1[8], "  - при рабочей деформации           :16.333");
    EXPECT_EQ(out.mm1[9], "Индекс  пружины                      :5");
    EXPECT_EQ(out.mm1[10], "");
    for (std::size_t k = 1; k <= 9; ++k) {
        EXPECT_EQ(chars(out.mm1[k].substr(0, out.mm1[k].find(':') + 1)), 38u) << out.mm1[k];
    }
    EXPECT_EQ(controls.eNum, "7");
}

TEST_F(SelectionTest, EntriesPadTheNumberToFourCharacters) {
    EXPECT_EQ(candidateEntry(7, "row"), "7   row");
    EXPECT_EQ(candidateEntry(42, "row"), "42  row");
    EXPECT_EQ(candidateEntry(1234, "row"), "1234row");
    EXPECT_EQ(candidateEntry(12345, "row"), "12345row");

    auto rows = filler(1233);
    rows.push_back(SpringRow("100", "2.00", "12", "30", "3.33"));
    table(rows);
    auto out = preliminarySelection(state, controls, messages);
    EXPECT_EQ(controls.eNum, "1234");
    EXPECT_EQ(out.mm1[0], "Номер пружины по ГОСТ 13766-86       :1234");
}

TEST_F(SelectionTest, AFailedLastCandidateLeavesNoProposal) {
    table({SpringRow("100", "2.00", "12", "30", "3.33"), // passes
           SpringRow("100", "2.00", "12", "30", "3.33"), // passes
           SpringRow("100", "2.00", "12", "30", "3.33")});
    controls.eV = "100"; // all three collide
    auto out = preliminarySelection(state, controls, messages);
    EXPECT_EQ(controls.eNum, "0");
    ASSERT_EQ(out.mm1.size(), 9u);
    EXPECT_EQ(out.mm1[1], "Происходит соударение витков.");
    EXPECT_EQ(out.mm1[2], "");
    EXPECT_EQ(out.mm1[6], "Номер пружины по ГОСТ 13766-86       :3");

    controls.eV = "3";
    table({SpringRow("100", "2.00", "12", "30", "3.33"),
           // d 0.50 is not in the wire table (the 3.00 row's lower strength gives
           // Vk 2.91 < 3), i = 23, and the stress is far too high: three verdicts, in order.
           SpringRow("100", "0.50", "12", "30", "3.33")});
    out = preliminarySelection(state, controls, messages);
    EXPECT_EQ(controls.eNum, "0");
    ASSERT_GE(out.mm1.size(), 16u);
    EXPECT_EQ(out.mm1[11], "Номер пружины по ГОСТ 13766-86       :2");
    EXPECT_EQ(out.mm1[12], "Происходит соударение витков.");
    EXPECT_EQ(out.mm1[13], "Индекс пружины выходит за диапазон 4...12.");
    EXPECT_EQ(out.mm1[14], "Прочность пружины не выдержана.");
    EXPECT_EQ(out.mm1.back(), "");
}

TEST_F(SelectionTest, ACandidateThatCannotBeComputedIsNeverProposed) {
    table({SpringRow("100", "2.00", "12", "30", "3.33"),
           SpringRow("100", "2.00", "12", "bad", "3.33")});
    auto out = preliminarySelection(state, controls, messages);
    ASSERT_EQ(out.mm1.size(), 14u);
    EXPECT_EQ(out.mm1[11], "Номер пружины по ГОСТ 13766-86       :2");
    EXPECT_EQ(out.mm1[12], "Расчет пружины не выполнен.");
    EXPECT_EQ(out.mm1[13], "");
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
    EXPECT_EQ(out.mm1, (std::vector<std::string>{"Номер пружины по ГОСТ 13766-86       :1",
                                                 "Расчет пружины не выполнен.", "",
                                                 "Номер пружины по ГОСТ 13766-86       :2",
                                                 "Расчет пружины не выполнен.", ""}));
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
    EXPECT_TRUE(out.mm1.empty());
    EXPECT_FALSE(out.clearReport);
    EXPECT_EQ(controls.eNum, "3");
    EXPECT_EQ(texts(),
              std::vector<std::string>{"Не могу найти таблицу " + folder.tablePath("13766")});
}

TEST_F(SelectionTest, ThreeStrandClassListsCableAndWireDiameters) {
    state.SpringKind = calc::SpringKind::ThreeStrand;
    selectClass(8);
    controls.kind = calc::SpringKind::ThreeStrand;
    controls.eDn2 = "14";
    folder.write("13774", {SpringRow("100", "2.00", "13.5", "30", "3.33")});
    auto out = preliminarySelection(state, controls, messages);
    ASSERT_GE(out.mm1.size(), 4u);
    EXPECT_EQ(out.mm1[2], "Диаметр троса                   (мм) :2");
    EXPECT_EQ(out.mm1[3], "Диаметр проволоки               (мм) : 2.00"); // columns 8-12
}

class ReportTest : public CalcTest {
protected:
    void SetUp() override {
        setUpTables({SpringRow("106", "2.00", "22", "30", "3.33"),
                     SpringRow("100", "2.00", "12", "bad", "3.33")});
    }
};

TEST_F(ReportTest, LinesLabelsAndFormats) {
    controls.eNum = "1"s;
    auto out = finalCalculation(state, controls, messages);
    ASSERT_TRUE(out.replaceReport);
    const auto& r = out.mm2;
    ASSERT_EQ(r.size(), 52u);
    for (int k : {0, 1, 2, 3, 4, 6, 17, 51}) {
        EXPECT_EQ(chars(r[static_cast<std::size_t>(k)]), 62u) << k;
    }
    EXPECT_EQ(r[1], "   ____________ Программа \" T O R V E L A \" _______________   ");
    EXPECT_EQ(r[8], "Сила при предварительной деформации,   F1,   (Н)   : 20.000");
    EXPECT_EQ(r[14], "Стандарт на заготовку:");
    // Columns 31-73 of the item's row: the text and its 9 trailing blanks.
    EXPECT_EQ(r[15], "- Проволока класса I по ГОСТ 9389-75" + std::string(9, ' '));
    EXPECT_EQ(r[19], "Номер пружины по ГОСТ 13766-86                     : 1");
    EXPECT_EQ(r[21], "Сила при максимальной деформации,      F3,   (Н)   : 106");
    EXPECT_EQ(r[23], "Средний диаметр,                       D,    (мм)  : 20");
    // (1 - 80/106) * 603 * 1000 / sqrt(2 * 78500 * 8000) = 147905.66 / 35440.09 = 4.1734
    EXPECT_EQ(r[28], "Критическая скорость,                  Vk,   (м/с) : 4.173");
    EXPECT_EQ(r[29], "Число рабочих витков,                  n           : 5");
    EXPECT_EQ(r[31], "Индекс,                                i           : 10");
    EXPECT_EQ(r[35], "Максимальная деформация одного витка,  s\"3,  (мм)  : 3.330");
    EXPECT_EQ(r[42], "Напряжение при ");
    EXPECT_EQ(r[50], " ");
    for (std::size_t k = 8; k <= 49; ++k) {
        if (r[k].find(" : ") != std::string::npos || r[k].find("): ") != std::string::npos) {
            const auto colon = r[k].rfind(": ");
            EXPECT_EQ(chars(r[k].substr(0, colon + 2)), 53u) << r[k];
        }
    }
    // The deflections are F/c, and L1 + s1 = L0.
    EXPECT_EQ(r[32], "Предварительная деформация,            s1,   (мм)  : 3.333");
    EXPECT_NEAR(state.L1 + state.s1, state.L0, 1e-12);
}

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
    EXPECT_TRUE(out.mm2.empty());
    EXPECT_EQ(texts().back(), "Не могу найти таблицу " + folder.tablePath("13766"));
}

TEST_F(ReportTest, WireClassLineForItemsOneAndFive) {
    selectClass(5);
    controls.eNum = "1"s;
    controls.wire = calc::WireClass::IIA;
    auto out = finalCalculation(state, controls, messages);
    EXPECT_EQ(out.mm2[15], "- Проволока класса IIA по ГОСТ 9389-75");
    controls.wire = calc::WireClass::II;
    out = finalCalculation(state, controls, messages);
    EXPECT_EQ(out.mm2[15], "- Проволока класса II по ГОСТ 9389-75");
}

TEST_F(ReportTest, ThreeStrandReportHasCableAndRawWireLines) {
    state.SpringKind = calc::SpringKind::ThreeStrand;
    selectClass(9);
    folder.write("13775", {SpringRow("106", " 2.0", "22", "30", "3.33")});
    controls.eNum = "1"s;
    auto out = finalCalculation(state, controls, messages);
    ASSERT_EQ(out.mm2.size(), 53u);
    EXPECT_EQ(out.mm2[22], "Диаметр троса,                         d1,   (мм)  : 2");
    // The raw five characters of columns 8-12, blanks included.
    EXPECT_EQ(out.mm2[23], "Диаметр проволоки,                     d,    (мм)  :   2.0");
    EXPECT_EQ(out.mm2[24].rfind("Средний диаметр", 0), 0u);
}
