// The candidate memo, the report memo and the command line's text as the formatters
// write them from the records of the two steps (run over small fixture tables).
#include "calc_fixture.h"
#include "calc_text.h"
#include "candidate_text.h"
#include "report_text.h"
#include "selection.h"

using namespace torvelix;
using namespace torvelix::calc;
using namespace torvelix::output;
using torvelix::testing::CalcTest;
using torvelix::testing::SpringRow;

using namespace std::string_literals;

namespace {

// Characters of a UTF-8 line (the memos' widths count characters, not bytes).
std::size_t chars(const std::string& s) {
    std::size_t n = 0;
    for (unsigned char ch : s) {
        n += (ch & 0xC0) != 0x80;
    }
    return n;
}

} // namespace

class CandidateTextTest : public CalcTest {
protected:
    void SetUp() override { setUpTables({}); }
    std::vector<std::string> memo(const std::vector<std::string>& rows) {
        folder.write("13766", rows);
        return candidateMemoLines(preliminarySelection(state, controls, messages).list);
    }
};

TEST_F(CandidateTextTest, APassingCandidateListsItsMainValues) {
    std::vector<std::string> rows(6, SpringRow("10.0", "1.00", "8.0", "3.000", "3.33"));
    rows.push_back(SpringRow("100", "2.00", "12", "30", "3.33")); // line 7: D 10, i 5
    const auto mm1 = memo(rows);
    ASSERT_EQ(mm1.size(), 11u);
    EXPECT_EQ(mm1[0], "Номер пружины по ГОСТ 13766-86       :7");
    EXPECT_EQ(mm1[1], "Сила при максимальной деформации (Н) :100");
    EXPECT_EQ(mm1[2], "Диаметр проволоки               (мм) :2");
    EXPECT_EQ(mm1[3], "Наружный диаметр пружины        (мм) :  12"); // columns 14-17
    EXPECT_EQ(mm1[4], "Число рабочих витков                 :5");
    // c = 6, n = 5, n1 = 7, s3 = 100/6 = 16.667, s1 = 20/6 = 3.333, s2 = 80/6 = 13.333;
    // L3 = (7 + 1 - 1.5) * 2 = 13, L0 = 13 + 16.667 = 29.667, L1 = 26.333, L2 = 16.333.
    EXPECT_EQ(mm1[5], "Высота пружины                  (мм) :29.667");
    EXPECT_EQ(mm1[6], "  - при максимальной деформации      :13.000");
    EXPECT_EQ(mm1[7], "  - при предварительной деформации   :26.333");
    EXPECT_EQ(mm1[8], "  - при рабочей деформации           :16.333");
    EXPECT_EQ(mm1[9], "Индекс  пружины                      :5");
    EXPECT_EQ(mm1[10], "");
    for (std::size_t k = 1; k <= 9; ++k) {
        EXPECT_EQ(chars(mm1[k].substr(0, mm1[k].find(':') + 1)), 38u) << mm1[k];
    }
}

TEST_F(CandidateTextTest, RejectedRowsAndAFailedComputation) {
    // d 0.50: i = (12 - 0.5) / 0.5 = 23, a row the table checks reject; c1 "bad" does
    // not convert: neither is computed.
    auto mm1 = memo({SpringRow("100", "0.50", "12", "30", "3.33"),
                     SpringRow("100", "2.00", "12", "bad", "3.33")});
    EXPECT_EQ(mm1, (std::vector<std::string>{"Номер пружины по ГОСТ 13766-86       :1",
                                             "Расчет пружины не выполнен.", "",
                                             "Номер пружины по ГОСТ 13766-86       :2",
                                             "Расчет пружины не выполнен.", ""}));
    controls.fixing = Fixing::FixedFree; // L0 / D = 2.97 against 2.62 / 2
    mm1 = memo({SpringRow("100", "2.00", "12", "30", "3.33")});
    EXPECT_EQ(mm1, (std::vector<std::string>{"Номер пружины по ГОСТ 13766-86       :1",
                                             "Устойчивость пружины не выдержана.", ""}));
}

TEST_F(CandidateTextTest, ThreeStrandItemListsCableAndWireDiameters) {
    state.SpringKind = SpringKind::ThreeStrand;
    selectClass(8);
    controls.kind = SpringKind::ThreeStrand;
    controls.eDn2 = "14";
    folder.write("13774", {SpringRow("100", "2.00", "13.5", "30", "3.33")});
    const auto mm1 = candidateMemoLines(preliminarySelection(state, controls, messages).list);
    ASSERT_GE(mm1.size(), 4u);
    EXPECT_EQ(mm1[2], "Диаметр троса                   (мм) :2");
    EXPECT_EQ(mm1[3], "Диаметр проволоки               (мм) : 2.00"); // columns 8-12
}

TEST(CandidateText, NoCandidateNoLine) {
    EXPECT_TRUE(candidateMemoLines(CandidateList{"13766", {}}).empty());
    EXPECT_EQ(candidateListText(CandidateList{"13766", {}}), "");
}

class ReportTextTest : public CalcTest {
protected:
    // c1 * s3' = 30 * 3.55 = 106.5 agrees with F3 106 within 1 %.
    void SetUp() override { setUpTables({SpringRow("106", "2.00", "22", "30", "3.55")}); }
    std::vector<std::string> report() {
        auto out = finalCalculation(state, controls, messages);
        return out.report ? reportMemoLines(*out.report) : std::vector<std::string>{};
    }
};

TEST_F(ReportTextTest, LinesLabelsAndFormats) {
    controls.eNum = "1"s;
    const auto r = report();
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
    EXPECT_EQ(r[32], "Предварительная деформация,            s1,   (мм)  : 3.333");
    EXPECT_EQ(r[35], "Максимальная деформация одного витка,  s\"3,  (мм)  : 3.550");
    // L1 = L3 + s3 - s1 = 13 + 106/6 - 20/6 = 27.333
    EXPECT_EQ(r[37], "  -   при предварительной деформации,  L1,   (мм)  : 27.333");
    EXPECT_EQ(r[42], "Напряжение при ");
    // tau2 = 80/106 * 603 = 455.094
    EXPECT_EQ(r[44], "  -   рабочей деформации,              tau2, (МПа) : 455.094");
    // V = 0.785 * 22^2 * L1 = 379.94 * (13 + 106/6 - 20/6) = 10385.027: six significant
    // digits, the rest written as 0.
    EXPECT_EQ(r[48], "Занимаемый объем,                      V,    (мм^3): 10385.000");
    EXPECT_EQ(r[50], " ");
    for (std::size_t k = 8; k <= 49; ++k) {
        if (r[k].find(" : ") != std::string::npos || r[k].find("): ") != std::string::npos) {
            const auto colon = r[k].rfind(": ");
            EXPECT_EQ(chars(r[k].substr(0, colon + 2)), 53u) << r[k];
        }
    }
}

TEST_F(ReportTextTest, WireClassLineForItemsOneAndFive) {
    selectClass(5);
    controls.eNum = "1"s;
    controls.wire = WireClass::IIA;
    EXPECT_EQ(report().at(15), "- Проволока класса IIA по ГОСТ 9389-75");
    controls.wire = WireClass::II;
    EXPECT_EQ(report().at(15), "- Проволока класса II по ГОСТ 9389-75");
}

TEST_F(ReportTextTest, ThreeStrandReportHasCableAndRawWireLines) {
    state.SpringKind = SpringKind::ThreeStrand;
    selectClass(9);
    folder.write("13775", {SpringRow("106", " 2.0", "22", "30", "3.55")});
    controls.eNum = "1"s;
    const auto r = report();
    ASSERT_EQ(r.size(), 53u);
    EXPECT_EQ(r[22], "Диаметр троса,                         d1,   (мм)  : 2");
    // The raw five characters of columns 8-12, blanks included.
    EXPECT_EQ(r[23], "Диаметр проволоки,                     d,    (мм)  :   2.0");
    EXPECT_EQ(r[24].rfind("Средний диаметр", 0), 0u);
}

TEST_F(ReportTextTest, CommandLineTextOfAFinalCalculation) {
    controls.eNum = "1"s;
    auto out = finalCalculation(state, controls, messages);
    ASSERT_TRUE(out.report);
    const std::string dashes = std::string(62, '-') + "\n";
    std::string lines;
    for (const auto& line : reportMemoLines(*out.report)) {
        lines += line + "\n";
    }
    EXPECT_EQ(finalCalculationText(&*out.report, false), dashes + lines);
    EXPECT_EQ(finalCalculationText(&*out.report, true), lines);
    // A spring that could not be computed: the dashed line alone.
    EXPECT_EQ(finalCalculationText(nullptr, false), dashes);
    EXPECT_EQ(finalCalculationText(nullptr, true), "");
}

TEST(ReportText, NumbersInTheirFormats) {
    ReportValue v;
    v.value = 12.5;
    v.format = {NumberStyle::Fixed, 6};
    EXPECT_EQ(reportNumber(v), "12.500");
    v.format = {NumberStyle::General, 6};
    EXPECT_EQ(reportNumber(v), "12.5");
    v.value = 7.25;
    v.format = {NumberStyle::General, 2};
    EXPECT_EQ(reportNumber(v), "7.3"); // a tie rounds away from zero
    v.format = {NumberStyle::AsRead, 6};
    v.asRead = " 1.20";
    EXPECT_EQ(reportNumber(v), " 1.20");
}
