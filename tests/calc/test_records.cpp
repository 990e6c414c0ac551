// The records of the two steps, checked against values worked out by hand for one
// single-strand and one three-strand spring, and the verdicts with the values compared.
#include "calc_fixture.h"
#include "selection.h"

#include <cmath>

using namespace torvelix;
using namespace torvelix::calc;
using torvelix::testing::CalcTest;
using torvelix::testing::SpringRow;

using namespace std::string_literals;

namespace {

// The rows of both springs: F3 100 N, d (or the cable's d1) 2.00 mm, c1 30 N/mm, s3' 3.33.
const std::string kSingleRow = SpringRow("100", "2.00", "12", "30", "3.33");
const std::string kThreeRow = SpringRow("100", "2.00", "13.5", "30", "3.33");

} // namespace

class RecordTest : public CalcTest {
protected:
    void SetUp() override { setUpTables({kSingleRow}); }
    void useThreeStrand() {
        // Item 8: class III, three-strand, tau3 = 0.3 x the class I wire's lower strength.
        state.SpringKind = SpringKind::ThreeStrand;
        controls.kind = SpringKind::ThreeStrand;
        selectClass(8);
        folder.write("13774", {kThreeRow});
        controls.eDn2 = "14";
    }
};

// Item 0, F1 20, F2 80, h 10, Vmax 3, n2 2, n3 1.5, fixed-fixed ends (mu 0.5):
//   tau3 = 0.3 * 2010 = 603 MPa (the 2.00 wire's class I lower strength)
//   Vk = (1 - 80/100) * 603 * 1000 / sqrt(2 * 78500 * 8000) = 120600 / 35440.090 = 3.402926
//   c = (80 - 20) / 10 = 6, n = 30 / 6 = 5, c = 30 / 5 = 6, n1 = 5 + 2 = 7
//   D = 12 - 2 = 10, i = 10 / 2 = 5
//   s1 = 20/6 = 3.333, s2 = 80/6 = 13.333, s3 = 100/6 = 16.667
//   L3 = (7 + 1 - 1.5) * 2 = 13, L0 = 13 + 16.667 = 29.667, L1 = 26.333, L2 = 16.333
//   t = 3.33 + 2 = 5.33, tau1 = 0.2 * 603 = 120.6, tau2 = 0.8 * 603 = 482.4
//   k = 19/16 + 0.615/5 = 1.3105, tau = 8 * 1.3105 * 100 * 10 / (pi * 8) = 417.145
//   m = 1.925e-5 * 4 * 10 * 7 = 0.00539 kg; L0 / D = 2.9667 against 2.62 / 0.5 = 5.24
TEST_F(RecordTest, SingleStrandCandidate) {
    const SelectionOutcome out = preliminarySelection(state, controls, messages);
    EXPECT_EQ(out.list.springGost, "13766");
    ASSERT_EQ(out.list.candidates.size(), 1u);
    const CandidateRecord& c = out.list.candidates[0];
    EXPECT_EQ(c.number, 1);
    EXPECT_TRUE(c.computed);
    EXPECT_EQ(c.F3, 100);
    EXPECT_EQ(c.d, 2);
    EXPECT_EQ(c.D1.value, 12);
    EXPECT_EQ(c.D1.text, "  12"); // columns 14-17 as read
    EXPECT_FALSE(c.cableWireD);
    EXPECT_EQ(c.c1, 30);
    EXPECT_EQ(c.n, 5);
    EXPECT_EQ(c.n1, 7);
    EXPECT_EQ(c.D, 10);
    EXPECT_EQ(c.i, 5);
    EXPECT_NEAR(c.L0, 29.6667, 1e-4);
    EXPECT_NEAR(c.L1, 26.3333, 1e-4);
    EXPECT_NEAR(c.L2, 16.3333, 1e-4);
    EXPECT_NEAR(c.L3, 13, 1e-12);
    EXPECT_NEAR(c.t, 5.33, 1e-12);
    EXPECT_NEAR(c.m, 0.00539, 1e-9);
    EXPECT_NEAR(c.tau3, 603, 1e-9);
    EXPECT_NEAR(c.tau1, 120.6, 1e-9);
    EXPECT_NEAR(c.tau2, 482.4, 1e-9);
    EXPECT_NEAR(c.tau, 417.145, 1e-3);

    const SpringChecks& k = c.checks;
    EXPECT_EQ(k.collision.verdict, Verdict::Passed);
    EXPECT_EQ(k.collision.value, 3);
    EXPECT_NEAR(k.collision.limit, 3.402926, 1e-6);
    EXPECT_EQ(k.index.verdict, Verdict::Passed);
    EXPECT_EQ(k.index.value, 5);
    EXPECT_EQ(k.index.limit, 4);
    EXPECT_EQ(k.strength.verdict, Verdict::Passed);
    EXPECT_NEAR(k.strength.value, 417.145, 1e-3);
    EXPECT_NEAR(k.strength.limit, 603, 1e-9);
    EXPECT_EQ(k.stability.verdict, Verdict::Passed);
    EXPECT_NEAR(k.stability.value, 2.96667, 1e-5);
    EXPECT_NEAR(k.stability.limit, 5.24, 1e-12);
    EXPECT_TRUE(c.passes());
    EXPECT_EQ(controls.eNum, "1");
}

// Item 8 with D1 13.5 (Dmax 14), the wider gap of class III (80/0.85 .. 80/0.6):
//   tau3 = 603 MPa as above; Vk = 120600 / sqrt(1.7 * 78500 * 8000) = 120600 / 32674.149
//      = 3.690991
//   n = 5, n1 = 7; D = 13.5 - 2 = 11.5, i = 11.5 / 2 = 5.75, strand factor 1.005 (5.5 .. 7)
//   L3 = (7 + 1) * 2 * 1.005 = 16.08, L0 = 16.08 + 16.667 = 32.747, L1 = 29.413, L2 = 19.413
//   t = 2 * 1.005 + 3.33 = 5.34; tau = 1.82 * 100 * 5.75 / 2^2 = 261.625 (no factor k)
//   m = 1.925e-5 * 4 * 11.5 * 7 = 0.0061985 kg; L0 / D = 32.747 / 11.5 = 2.84754
TEST_F(RecordTest, ThreeStrandCandidate) {
    useThreeStrand();
    const SelectionOutcome out = preliminarySelection(state, controls, messages);
    EXPECT_EQ(out.list.springGost, "13774");
    ASSERT_EQ(out.list.candidates.size(), 1u);
    const CandidateRecord& c = out.list.candidates[0];
    EXPECT_EQ(c.d, 2);
    ASSERT_TRUE(c.cableWireD);
    EXPECT_EQ(c.cableWireD->text, " 2.00"); // columns 8-12 as read
    EXPECT_EQ(c.cableWireD->value, 2);
    EXPECT_EQ(c.D1.text, "13.5");
    EXPECT_EQ(c.D, 11.5);
    EXPECT_EQ(c.i, 5.75);
    EXPECT_NEAR(c.L3, 16.08, 1e-12);
    EXPECT_NEAR(c.L0, 32.7467, 1e-4);
    EXPECT_NEAR(c.L1, 29.4133, 1e-4);
    EXPECT_NEAR(c.L2, 19.4133, 1e-4);
    EXPECT_NEAR(c.t, 5.34, 1e-12);
    EXPECT_NEAR(c.tau, 261.625, 1e-9);
    EXPECT_NEAR(c.m, 0.0061985, 1e-10);
    EXPECT_NEAR(c.checks.collision.limit, 3.690991, 1e-6);
    EXPECT_NEAR(c.checks.stability.value, 2.84754, 1e-5);
    EXPECT_TRUE(c.passes());
}

TEST_F(RecordTest, FailedChecksKeepTheirValues) {
    // Vmax 100 against Vk 3.40; an unstable spring with fixed-free ends (mu 2): L0 / D = 2.9667
    // against 2.62 / 2 = 1.31.
    controls.eV = "100";
    controls.fixing = Fixing::FixedFree;
    auto out = preliminarySelection(state, controls, messages);
    ASSERT_EQ(out.list.candidates.size(), 1u);
    const SpringChecks& k = out.list.candidates[0].checks;
    EXPECT_EQ(k.collision.verdict, Verdict::Failed);
    EXPECT_EQ(k.collision.value, 100);
    EXPECT_EQ(k.stability.verdict, Verdict::Failed);
    EXPECT_NEAR(k.stability.limit, 1.31, 1e-12);
    EXPECT_FALSE(out.list.candidates[0].passes());
    EXPECT_EQ(controls.eNum, "0");

    // Without the stability check it is not judged.
    controls.eV = "3";
    controls.stabilityCheck = false;
    out = preliminarySelection(state, controls, messages);
    ASSERT_EQ(out.list.candidates.size(), 1u);
    const SpringChecks& k2 = out.list.candidates[0].checks;
    EXPECT_EQ(k2.stability.verdict, Verdict::NotChecked);
    EXPECT_FALSE(k2.stability.failed());
}

// The single-strand spring's report (the values above) and what only the report has:
//   D2 = 12 - 2 * 2 = 8, L = 3.2 * 10 * 7 = 224, V = 0.785 * 12^2 * 26.333 = 2976.72,
//   U = 100 * 16.667 / 2 = 833.333
TEST_F(RecordTest, SingleStrandReport) {
    controls.eNum = "1"s;
    const ReportOutcome out = finalCalculation(state, controls, messages);
    ASSERT_TRUE(out.report);
    const ReportRecord& r = *out.report;
    EXPECT_EQ(r.springGost, "13766");
    EXPECT_EQ(r.numberText, "1");
    EXPECT_EQ(r.number, 1);
    EXPECT_EQ(r.blankStandard, controls.LZagot);
    ASSERT_EQ(r.inputs.size(), 6u);
    EXPECT_EQ(r.inputs[0].key, "F1");
    EXPECT_EQ(r.inputs[0].value, 20);
    EXPECT_EQ(r.inputs[4].symbol, "Dn");
    EXPECT_EQ(r.inputs[4].key, "Dmin");

    std::vector<std::string> keys;
    for (const ReportValue& v : r.results) {
        keys.push_back(v.key);
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"F3",   "d",    "D",    "D1",  "D2", "c1", "c",
                                              "Vk",   "n",    "n1",   "i",   "s1", "s2", "s3",
                                              "s3p",  "L0",   "L1",   "L2",  "L3", "L",  "t",
                                              "tau1", "tau2", "tau3", "tau", "m",  "V",  "U"}));
    const auto at = [&](const char* key) {
        const ReportValue* v = r.find(key);
        EXPECT_NE(v, nullptr) << key;
        return v ? v->value : std::nan("");
    };
    EXPECT_EQ(at("D2"), 8);
    EXPECT_NEAR(at("L"), 224, 1e-9);
    EXPECT_NEAR(at("V"), 2976.72, 1e-2);
    EXPECT_NEAR(at("U"), 833.333, 1e-3);
    EXPECT_NEAR(at("Vk"), 3.402926, 1e-6);
    EXPECT_NEAR(at("tau"), 417.145, 1e-3);

    const ReportValue& n = *r.find("n");
    EXPECT_EQ(n.format.style, NumberStyle::General);
    EXPECT_EQ(n.format.digits, 4);
    EXPECT_TRUE(n.unit.empty());
    const ReportValue& c1 = *r.find("c1");
    EXPECT_EQ(c1.symbol, "с1"); // the report writes a Cyrillic с
    EXPECT_EQ(c1.unit, "Н/мм");
    EXPECT_EQ(c1.format.style, NumberStyle::Fixed);
    EXPECT_TRUE(r.find("L1")->listItem);
    EXPECT_EQ(r.find("tau1")->listHeading, "Напряжение при");
    EXPECT_TRUE(r.find("tau2")->listHeading.empty());
    EXPECT_EQ(r.find("cable"), nullptr);
}

TEST_F(RecordTest, ThreeStrandReportHasTheCableAndItsWireAsRead) {
    useThreeStrand();
    controls.eNum = "1"s;
    const ReportOutcome out = finalCalculation(state, controls, messages);
    ASSERT_TRUE(out.report);
    const ReportRecord& r = *out.report;
    EXPECT_EQ(r.results[1].key, "d1");
    EXPECT_EQ(r.results[1].value, 2);
    EXPECT_EQ(r.results[2].key, "d");
    EXPECT_EQ(r.results[2].format.style, NumberStyle::AsRead);
    EXPECT_EQ(r.results[2].asRead, " 2.00");
    // D = 13.5 - 2 = 11.5, D2 = 13.5 - 2 * 2 = 9.5, L = 3.2 * 11.5 * 7 = 257.6
    EXPECT_EQ(r.find("D")->value, 11.5);
    EXPECT_EQ(r.find("D2")->value, 9.5);
    EXPECT_NEAR(r.find("L")->value, 257.6, 1e-9);
    EXPECT_NEAR(r.find("tau")->value, 261.625, 1e-9);
}

TEST_F(RecordTest, WireClassItemsNameTheChosenWire) {
    selectClass(5);
    controls.eNum = "1"s;
    controls.wire = WireClass::IIA;
    const ReportOutcome out = finalCalculation(state, controls, messages);
    ASSERT_TRUE(out.report);
    EXPECT_EQ(out.report->blankStandard, "Проволока класса IIA по ГОСТ 9389-75");
}
