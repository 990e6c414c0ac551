// The computation of one spring: its values against a hand calculation, the two
// roundings, each check with its strict boundary, and what a failure leaves behind.
#include "calc_fixture.h"
#include "spring_calc.h"

#include <cmath>

using namespace torvelix;
using namespace torvelix::calc;
using torvelix::testing::CalcTest;
using torvelix::testing::SpringRow;

TEST(Rounding, HalvesWithQuarterThresholds) {
    EXPECT_EQ(RoundHalf(3.2), 3);
    EXPECT_EQ(RoundHalf(3.25), 3);
    EXPECT_EQ(RoundHalf(3.3), 3.5);
    EXPECT_EQ(RoundHalf(3.448), 3.5);
    EXPECT_EQ(RoundHalf(3.75), 4);
    EXPECT_EQ(RoundHalf(3.8), 4);
    EXPECT_EQ(RoundHalf(0.1), 0.5); // never 0
    EXPECT_EQ(RoundHalf(0.2), 0.5);
    EXPECT_EQ(RoundHalf(5), 5);
}

TEST(Rounding, IndexKeepsHundredthsAndRoundsThousandths) {
    EXPECT_NEAR(RoundIndex(5.437), 5.435, 1e-12);
    EXPECT_NEAR(RoundIndex(5.438), 5.44, 1e-12);
    EXPECT_NEAR(RoundIndex(20.0 / 3), 6.665, 1e-12);
    EXPECT_NEAR(RoundIndex(7), 7, 1e-12);
    EXPECT_EQ(RoundIndex(0.001), 0.5);
}

// F3 100, d 2, D1 16, c1 30, s3' 3.33 with F1 20, F2 80, h 10: c = 6, n = 5, D = 14, i = 7.
class ComputeSpringTest : public CalcTest {
protected:
    void SetUp() override {
        setUpTables({SpringRow("100", "2.00", "16", "30", "3.33"),   // 1
                     SpringRow("100", "2.00", "10", "30", "3.33"),   // 2: i = 4
                     SpringRow("100", "2.00", "26", "30", "3.33"),   // 3: i = 12
                     SpringRow("100", "2.00", "30", "30", "3.33"),   // 4: i = 14
                     SpringRow("100", "2.50", "16", "30", "3.33"),   // 5: d not in the wire table
                     SpringRow("100", "2.00", "16", "xx", "3.33")}); // 6: bad c1
    }
};

TEST_F(ComputeSpringTest, MatchesTheHandCalculation) {
    ASSERT_TRUE(ComputeSpring(state, controls, "1", messages));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(state.F3, 100);
    EXPECT_EQ(state.d, 2);
    EXPECT_EQ(state.d1, 2);
    EXPECT_EQ(state.D1, 16);
    // Factor 0.3 of the class I lower strength 2010 MPa of the 2.00 wire row.
    EXPECT_NEAR(state.tau3, 603, 1e-9);
    // (1 - 80/100) * 603 * 1000 / sqrt(2 * 78500 * 8000) = 120600 / 35440.0903 = 3.402926
    EXPECT_NEAR(state.Vk, 3.402926, 1e-6);
    // c = (80 - 20) / 10 = 6, n = 30 / 6 = 5, n1 = 5 + 2 = 7, D = 16 - 2 = 14, i = 7.
    EXPECT_EQ(state.n, 5);
    EXPECT_EQ(state.c, 6);
    EXPECT_EQ(state.n1, 7);
    EXPECT_EQ(state.D, 14);
    EXPECT_EQ(state.i, 7);
    // s1 = 20/6, s2 = 80/6, s3 = 100/6.
    EXPECT_NEAR(state.s1, 3.333333, 1e-6);
    EXPECT_NEAR(state.s2, 13.333333, 1e-6);
    EXPECT_NEAR(state.s3, 16.666667, 1e-6);
    // L3 = (7 + 1 - 1.5) * 2 = 13; L0 = 13 + 16.666667; L1 = L0 - 3.333333; L2 = L0 - 13.333333.
    EXPECT_EQ(state.L3, 13);
    EXPECT_NEAR(state.L0, 29.666667, 1e-6);
    EXPECT_NEAR(state.L1, 26.333333, 1e-6);
    EXPECT_NEAR(state.L2, 16.333333, 1e-6);
    EXPECT_NEAR(state.t, 5.33, 1e-12); // s3' 3.33 + d 2
    // tau1 = 20/100 * 603, tau2 = 80/100 * 603.
    EXPECT_NEAR(state.tau1, 120.6, 1e-9);
    EXPECT_NEAR(state.tau2, 482.4, 1e-9);
    // k = (4*7 - 1) / (4*7 - 4) + 0.615 / 7 = 1.125 + 0.0878571 = 1.2128571;
    // tau = 8 * 1.2128571 * 100 * 14 / (pi * 2^3) = 13584 / (8 pi) = 540.4902.
    EXPECT_NEAR(state.StressFactor, 1.2128571, 1e-7);
    EXPECT_NEAR(state.tau, 540.4902, 1e-4);
    EXPECT_EQ(state.Mu, 0.5);
    // L = 3.2 * 14 * 7 = 313.6; m = 1.925e-5 * 2^2 * 14 * 7 = 1.925e-5 * 392 = 0.007546;
    // V = 0.785 * 16^2 * 26.333333 = 200.96 * 26.333333 = 5291.9467; U = 100 * 16.666667 / 2.
    EXPECT_NEAR(state.L, 313.6, 1e-9);
    EXPECT_NEAR(state.m, 0.007546, 1e-12);
    EXPECT_NEAR(state.V, 5291.9467, 1e-4);
    EXPECT_EQ(state.D2, 12); // 16 - 2 * 2
    EXPECT_NEAR(state.U, 833.33333, 1e-5);
    EXPECT_FALSE(state.Collision || state.IndexOut || state.Overstress || state.Unstable);
}

TEST_F(ComputeSpringTest, StrengthLevelAndWireClassChooseTheFields) {
    // The 2.00 wire row: class I 2010 .. 2260, class II 1770 .. 2010, class IIA 1780 .. 2020.
    state.StrengthChoice = calc::StrengthChoice::Mean;
    ComputeSpring(state, controls, "1", messages);
    EXPECT_NEAR(state.tau3, 640.5, 1e-9); // 0.3 * (2010 + 2260) / 2 = 0.3 * 2135
    state.StrengthChoice = calc::StrengthChoice::Maximum;
    ComputeSpring(state, controls, "1", messages);
    EXPECT_NEAR(state.tau3, 678, 1e-9); // 0.3 * 2260

    selectClass(1); // class II / IIA wire
    state.StrengthChoice = calc::StrengthChoice::Minimum;
    controls.wire = calc::WireClass::II;
    ComputeSpring(state, controls, "1", messages);
    EXPECT_NEAR(state.tau3, 531, 1e-9); // 0.3 * 1770
    controls.wire = calc::WireClass::IIA;
    ComputeSpring(state, controls, "1", messages);
    EXPECT_NEAR(state.tau3, 534, 1e-9); // 0.3 * 1780

    selectClass(2); // the factor is tau3 itself; the wire table is still read
    ComputeSpring(state, controls, "1", messages);
    EXPECT_EQ(state.tau3, 560);
    folder.remove("9389");
    EXPECT_FALSE(ComputeSpring(state, controls, "1", messages));
    EXPECT_EQ(texts().back(), "Не могу найти таблицу " + folder.tablePath("9389"));
}

TEST_F(ComputeSpringTest, EachItemTakesTau3FromItsWireOrAsAStress) {
    // The fixture's factor 0.3 (items 0, 1, 4, 5, 8) or stress 560 MPa (the others), and
    // the 2.00 wire row's lower strengths: class I 2010, class II 1770.
    const double expected[] = {603, // 0.3 * 2010
                               531, // 0.3 * 1770
                               560, 560,
                               603, // 0.3 * 2010
                               531, // 0.3 * 1770
                               560, 560,
                               603, // 0.3 * 2010
                               560, 560};
    for (int item = 0; item <= 10; ++item) {
        selectClass(item);
        ASSERT_TRUE(ComputeSpring(state, controls, "1", messages)) << item;
        EXPECT_NEAR(state.tau3, expected[item], 1e-9) << item;
    }
}

TEST_F(ComputeSpringTest, UnknownWireDiameterTakesTheLastWireRow) {
    ASSERT_TRUE(ComputeSpring(state, controls, "5", messages));
    EXPECT_NEAR(state.tau3, 516, 1e-9); // 0.3 * 1720 of the 3.00 row, silently
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ComputeSpringTest, IndexBoundsAreInsideTheRange) {
    ComputeSpring(state, controls, "2", messages);
    EXPECT_EQ(state.i, 4);
    EXPECT_FALSE(state.IndexOut);
    ComputeSpring(state, controls, "3", messages);
    EXPECT_EQ(state.i, 12);
    EXPECT_FALSE(state.IndexOut);
    // An index of (30 - 2) / 2 = 14 is a row that `check-tables` rejects: no spring.
    EXPECT_FALSE(ComputeSpring(state, controls, "4", messages));
    EXPECT_EQ(texts().back(), "Ошибка в таблице " + folder.tablePath("13766") +
                                  ", строка 4: index (D1 - d) / d = 14 is outside 4 .. 12");
}

TEST_F(ComputeSpringTest, CollisionAndOverstressAreStrict) {
    ComputeSpring(state, controls, "1", messages);
    state.Vmax = state.Vk;
    ComputeSpring(state, controls, "1", messages);
    EXPECT_FALSE(state.Collision);
    state.Vmax = std::nextafter(state.Vk, 100.0);
    ComputeSpring(state, controls, "1", messages);
    EXPECT_TRUE(state.Collision);

    selectClass(2);
    ComputeSpring(state, controls, "1", messages);
    state.TauFactor = state.tau; // tau3 equal to tau
    ComputeSpring(state, controls, "1", messages);
    EXPECT_FALSE(state.Overstress);
    state.TauFactor = std::nextafter(state.tau, 0.0);
    ComputeSpring(state, controls, "1", messages);
    EXPECT_TRUE(state.Overstress);
}

TEST_F(ComputeSpringTest, StabilityByFixingAndSwitch) {
    // L0 / D = 29.667 / 14 = 2.119: stable for Mu 1 (2.62), unstable for Mu 2 (1.31).
    controls.fixing = calc::Fixing::HingedHinged;
    ComputeSpring(state, controls, "1", messages);
    EXPECT_EQ(state.Mu, 1);
    EXPECT_FALSE(state.Unstable);
    controls.fixing = calc::Fixing::FixedFree;
    ComputeSpring(state, controls, "1", messages);
    EXPECT_EQ(state.Mu, 2);
    EXPECT_TRUE(state.Unstable);
    controls.stabilityCheck = false;
    ComputeSpring(state, controls, "1", messages);
    EXPECT_FALSE(state.Unstable);
    // Checked with no fixing down: Mu keeps its value.
    controls.stabilityCheck = true;
    controls.fixing = calc::Fixing::None;
    ComputeSpring(state, controls, "1", messages);
    EXPECT_EQ(state.Mu, 2);
    EXPECT_TRUE(state.Unstable);
}

TEST_F(ComputeSpringTest, NoFixingEverSetIsAnArithmeticFault) {
    controls.fixing = calc::Fixing::None; // checked, nothing down, Mu never set: 2.62 / 0
    EXPECT_FALSE(ComputeSpring(state, controls, "1", messages));
    EXPECT_EQ(texts().back(), "Ошибка расчета пружины № 1. Проверьте исходные данные.");
    EXPECT_EQ(state.D, 14); // computed before the fault
}

TEST_F(ComputeSpringTest, TableFailuresNameTheFileAndKeepEarlierMembers) {
    ASSERT_TRUE(ComputeSpring(state, controls, "3", messages)); // D1 26
    state.IndexOut = true;                                      // a flag to keep
    messages.messages.clear();

    // Line past the end: empty row, F3 does not convert; nothing of the row is taken.
    EXPECT_FALSE(ComputeSpring(state, controls, "7", messages));
    EXPECT_EQ(texts(),
              std::vector<std::string>{"Не могу найти таблицу " + folder.tablePath("13766")});
    EXPECT_EQ(state.D1, 26);
    EXPECT_TRUE(state.IndexOut); // flags keep the previous spring's values

    // A bad c1: F3, D1 and d are new, the rest keeps its values.
    EXPECT_FALSE(ComputeSpring(state, controls, "6", messages));
    EXPECT_EQ(state.D1, 16);
    EXPECT_TRUE(state.IndexOut);

    // Spring numbers that are not whole numbers, and zero.
    for (const char* bad : {"abc", "1.5", "", "0", "-1"}) {
        EXPECT_FALSE(ComputeSpring(state, controls, bad, messages)) << bad;
        EXPECT_EQ(texts().back(), "Не могу найти таблицу " + folder.tablePath("13766"));
    }
}

TEST_F(ComputeSpringTest, NonFiniteStepsAreReportedAsCalculationErrors) {
    struct Case {
        const char* what;
        double F1, F2, h;
    };
    for (const Case& c : {Case{"h = 0", 20, 80, 0}, Case{"F1 = F2", 80, 80, 10}}) {
        messages.messages.clear();
        state.F1 = c.F1;
        state.F2 = c.F2;
        state.h = c.h;
        EXPECT_FALSE(ComputeSpring(state, controls, "1", messages)) << c.what;
        EXPECT_EQ(
            texts(),
            std::vector<std::string>{"Ошибка расчета пружины № 1. Проверьте исходные данные."})
            << c.what;
    }
}

// The rows that would divide by zero, overflow or draw a pitch of d are the ones that
// `check-tables` rejects: the calculation refuses them first, naming table, line, value.
TEST_F(ComputeSpringTest, RowsThatFailTheTableChecksAreRefused) {
    const std::string table = folder.tablePath("13766");
    struct Case {
        std::string row;
        std::string fault;
    };
    const Case cases[] = {
        {SpringRow("0", "2.00", "16", "30", "3.33"), "field 1 F3 is 0, not a positive number"},
        // s3' = 0: the free pitch would be d, coils touching.
        {SpringRow("100", "2.00", "16", "30", "0"), "field 5 s3' is 0, not a positive number"},
        // D = d: an index of exactly (4 - 2) / 2 = 1 divides by zero in the stress factor.
        {SpringRow("100", "2.00", "4", "30", "3.33"), "index (D1 - d) / d = 1 is outside 4 .. 12"},
        // 1e308 * 1 against 100: c1 * s3' overflows nothing yet disagrees with F3.
        {SpringRow("100", "2.00", "16", "1e308", "1"),
         "F3 100 differs from c1 * s3' = 1e+308 by more than 1 %"},
    };
    for (const Case& c : cases) {
        folder.write("13766", {SpringRow("100", "2.00", "16", "30", "3.33"), c.row});
        EXPECT_FALSE(ComputeSpring(state, controls, "2", messages)) << c.row;
        EXPECT_EQ(texts().back(), "Ошибка в таблице " + table + ", строка 2: " + c.fault);
    }
    EXPECT_TRUE(ComputeSpring(state, controls, "1", messages));
}

TEST_F(ComputeSpringTest, ThreeStrandSpring) {
    state.SpringKind = calc::SpringKind::ThreeStrand;
    selectClass(8);
    // D1 10.5, d1 2 -> D 8.5, i 4.25: StrandFactor 1.021.
    folder.write("13774", {SpringRow("100", "2.00", "10.5", "30", "3.33"),
                           SpringRow("100", "2.00", "16", "30", "3.33"),     // i 7: 1.0
                           SpringRow("100", "2.00", "13.5", "30", "3.33")}); // i 5.75
    ASSERT_TRUE(ComputeSpring(state, controls, "1", messages));
    EXPECT_EQ(state.StrandFactor, 1.021);
    EXPECT_NEAR(state.L3, 16.336, 1e-12); // (7 + 1) * 2 * 1.021
    EXPECT_NEAR(state.t, 5.372, 1e-12);   // 2 * 1.021 + 3.33
    // 1.82 * 100 * 4.25 / 2^2 = 193.375, without the factor k.
    EXPECT_NEAR(state.tau, 193.375, 1e-9);
    // beta = atan(0.445 * 4.25 / 5.25) = atan(0.3602381) = 0.3457663 rad;
    // k = (1 + 0.333 * sin^2(0.6915327)) / cos(0.3457663) = (1 + 0.333 * 0.4066849) / 0.9408160
    //   = 1.1354261 / 0.9408160 = 1.2068524.
    EXPECT_NEAR(state.LayAngle, 0.3457663, 1e-7);
    EXPECT_NEAR(state.StressFactor, 1.2068524, 1e-7);
    // (1 - 80/100) * 603 * 1000 / sqrt(1.7 * 78500 * 8000) = 120600 / 32674.1488 = 3.690991
    EXPECT_NEAR(state.Vk, 3.690991, 1e-6);

    ComputeSpring(state, controls, "2", messages);
    EXPECT_EQ(state.StrandFactor, 1.0);
    // 5.5 < i < 6 takes the next band's value, never a stale one.
    ComputeSpring(state, controls, "3", messages);
    EXPECT_EQ(state.i, 5.75);
    EXPECT_EQ(state.StrandFactor, 1.005);
}
