// The computation of one spring: its values against a hand calculation, the two
// roundings, each check with its strict boundary, and what a failure leaves behind.
#include "calc_fixture.h"
#include "spring_calc.h"

#include <cmath>
#include <numbers>

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
    EXPECT_EQ(RoundHalf(0.1), 0.5);  // never 0
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
        SetUpTables({SpringRow("100", "2.00", "16", "30", "3.33"),   // 1
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
    EXPECT_EQ(state.tau3, 0.3 * 2010);  // class I lower strength at d = 2.00
    EXPECT_NEAR(state.Vk, 0.2 * 603 * 1000 / std::sqrt(2 * 78500.0 * 8000), 1e-9);
    EXPECT_EQ(state.n, 5);
    EXPECT_EQ(state.c, 6);
    EXPECT_EQ(state.n1, 7);
    EXPECT_EQ(state.D, 14);
    EXPECT_EQ(state.i, 7);
    EXPECT_NEAR(state.s1, 20.0 / 6, 1e-12);
    EXPECT_NEAR(state.s3, 100.0 / 6, 1e-12);
    EXPECT_EQ(state.L3, (7 + 1 - 1.5) * 2);
    EXPECT_NEAR(state.L0, 13 + 100.0 / 6, 1e-12);
    EXPECT_NEAR(state.L1 + state.s1, state.L0, 1e-12);
    EXPECT_NEAR(state.t, 5.33, 1e-12);
    EXPECT_NEAR(state.tau2, 0.8 * 603, 1e-9);
    const double k = 27.0 / 24 + 0.615 / 7;
    EXPECT_NEAR(state.StressFactor, k, 1e-12);
    EXPECT_NEAR(state.tau, 8 * k * 100 * 14 / (std::numbers::pi * 8), 1e-9);
    EXPECT_EQ(state.Mu, 0.5);
    EXPECT_NEAR(state.L, 3.2 * 14 * 7, 1e-9);
    EXPECT_NEAR(state.m, 1.925e-5 * 4 * 14 * 7, 1e-15);
    EXPECT_NEAR(state.V, 0.785 * 256 * state.L1, 1e-9);
    EXPECT_EQ(state.D2, 12);
    EXPECT_NEAR(state.U, 100 * state.s3 / 2, 1e-9);
    EXPECT_FALSE(state.Collision || state.IndexOut || state.Overstress || state.Unstable);
}

TEST_F(ComputeSpringTest, StrengthLevelAndWireClassChooseTheFields) {
    state.StrengthChoice = 1;
    ComputeSpring(state, controls, "1", messages);
    EXPECT_EQ(state.tau3, 0.3 * (2010 + 2260) / 2);
    state.StrengthChoice = 2;
    ComputeSpring(state, controls, "1", messages);
    EXPECT_EQ(state.tau3, 0.3 * 2260);

    selectClass(1);  // class II / IIA wire
    state.StrengthChoice = 0;
    controls.wireClassII = true;
    ComputeSpring(state, controls, "1", messages);
    EXPECT_EQ(state.tau3, 0.3 * 1770);
    controls.wireClassII = false;
    ComputeSpring(state, controls, "1", messages);
    EXPECT_EQ(state.tau3, 0.3 * 1780);

    selectClass(2);  // the factor is tau3 itself; the wire table is still read
    ComputeSpring(state, controls, "1", messages);
    EXPECT_EQ(state.tau3, 560);
    folder.remove("9389");
    EXPECT_FALSE(ComputeSpring(state, controls, "1", messages));
    EXPECT_EQ(texts().back(), "Не могу найти таблицу " + folder.tablePath("9389"));
}

TEST_F(ComputeSpringTest, UnknownWireDiameterTakesTheLastWireRow) {
    ASSERT_TRUE(ComputeSpring(state, controls, "5", messages));
    EXPECT_EQ(state.tau3, 0.3 * 1720);  // the 3.00 row, silently
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ComputeSpringTest, IndexBoundsAreInsideTheRange) {
    ComputeSpring(state, controls, "2", messages);
    EXPECT_EQ(state.i, 4);
    EXPECT_FALSE(state.IndexOut);
    ComputeSpring(state, controls, "3", messages);
    EXPECT_EQ(state.i, 12);
    EXPECT_FALSE(state.IndexOut);
    ComputeSpring(state, controls, "4", messages);
    EXPECT_TRUE(state.IndexOut);
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
    state.TauFactor = state.tau;  // tau3 equal to tau
    ComputeSpring(state, controls, "1", messages);
    EXPECT_FALSE(state.Overstress);
    state.TauFactor = std::nextafter(state.tau, 0.0);
    ComputeSpring(state, controls, "1", messages);
    EXPECT_TRUE(state.Overstress);
}

TEST_F(ComputeSpringTest, StabilityByFixingAndSwitch) {
    // L0 / D = 29.667 / 14 = 2.119: stable for Mu 1 (2.62), unstable for Mu 2 (1.31).
    controls.fixingDown = 2;
    ComputeSpring(state, controls, "1", messages);
    EXPECT_EQ(state.Mu, 1);
    EXPECT_FALSE(state.Unstable);
    controls.fixingDown = 1;
    ComputeSpring(state, controls, "1", messages);
    EXPECT_EQ(state.Mu, 2);
    EXPECT_TRUE(state.Unstable);
    controls.stabilityCheck = false;
    ComputeSpring(state, controls, "1", messages);
    EXPECT_FALSE(state.Unstable);
    // Checked with no fixing down: Mu keeps its value.
    controls.stabilityCheck = true;
    controls.fixingDown = 0;
    ComputeSpring(state, controls, "1", messages);
    EXPECT_EQ(state.Mu, 2);
    EXPECT_TRUE(state.Unstable);
}

TEST_F(ComputeSpringTest, NoFixingEverSetIsAnArithmeticFault) {
    controls.fixingDown = 0;  // checked, nothing down, Mu never set: 2.62 / 0
    EXPECT_FALSE(ComputeSpring(state, controls, "1", messages));
    EXPECT_EQ(texts().back(), "Ошибка расчета пружины № 1. Проверьте исходные данные.");
    EXPECT_EQ(state.D, 14);  // computed before the fault
}

TEST_F(ComputeSpringTest, TableFailuresNameTheFileAndKeepEarlierMembers) {
    ComputeSpring(state, controls, "4", messages);  // IndexOut set, D1 30
    ASSERT_TRUE(state.IndexOut);
    messages.messages.clear();

    // Line past the end: empty row, F3 does not convert; nothing of the row is taken.
    EXPECT_FALSE(ComputeSpring(state, controls, "7", messages));
    EXPECT_EQ(texts(), std::vector<std::string>{"Не могу найти таблицу " +
                                                folder.tablePath("13766")});
    EXPECT_EQ(state.D1, 30);
    EXPECT_TRUE(state.IndexOut);  // flags keep the previous spring's values

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
        EXPECT_EQ(texts(), std::vector<std::string>{
                               "Ошибка расчета пружины № 1. Проверьте исходные данные."})
            << c.what;
    }
    // F3 = 0 in the table.
    folder.write("13766", {SpringRow("0", "2.00", "16", "30", "3.33")});
    state.F1 = 20;
    state.F2 = 80;
    state.h = 10;
    EXPECT_FALSE(ComputeSpring(state, controls, "1", messages));
    // An index of exactly 1 (D = d) divides by zero in the stress factor.
    folder.write("13766", {SpringRow("100", "2.00", "4", "30", "3.33")});
    EXPECT_FALSE(ComputeSpring(state, controls, "1", messages));
    EXPECT_EQ(texts().back(), "Ошибка расчета пружины № 1. Проверьте исходные данные.");
}

TEST_F(ComputeSpringTest, ThreeStrandSpring) {
    state.SpringKind = 1;
    selectClass(8);
    // D1 10.5, d1 2 -> D 8.5, i 4.25: StrandFactor 1.021.
    folder.write("13774", {SpringRow("100", "2.00", "10.5", "30", "3.33"),
                           SpringRow("100", "2.00", "16", "30", "3.33"),    // i 7: 1.0
                           SpringRow("100", "2.00", "13.5", "30", "3.33")}); // i 5.75
    ASSERT_TRUE(ComputeSpring(state, controls, "1", messages));
    EXPECT_EQ(state.StrandFactor, 1.021);
    EXPECT_NEAR(state.L3, (7 + 1) * 2 * 1.021, 1e-12);
    EXPECT_NEAR(state.t, 2 * 1.021 + 3.33, 1e-12);
    EXPECT_NEAR(state.tau, 1.82 * 100 * 4.25 / 4, 1e-9);  // without the factor k
    const double beta = std::atan(0.445 * 4.25 / 5.25);
    EXPECT_NEAR(state.LayAngle, beta, 1e-12);
    EXPECT_NEAR(state.StressFactor,
                (1 + 0.333 * std::pow(std::sin(2 * beta), 2)) / std::cos(beta), 1e-12);
    EXPECT_NEAR(state.Vk, 0.2 * state.tau3 * 1000 / std::sqrt(1.7 * 78500 * 8000), 1e-9);

    ComputeSpring(state, controls, "2", messages);
    EXPECT_EQ(state.StrandFactor, 1.0);
    // 5.5 < i < 6 takes the next band's value, never a stale one.
    ComputeSpring(state, controls, "3", messages);
    EXPECT_EQ(state.i, 5.75);
    EXPECT_EQ(state.StrandFactor, 1.005);
}
