// The margins of the four checks: hand-worked values for a passing and a failing
// spring, and agreement with the verdicts at and beside each limit.
#include "calc_fixture.h"
#include "check_margins.h"
#include "spring_calc.h"

#include <cmath>
#include <limits>

using namespace torvelix;
using namespace torvelix::calc;
using torvelix::testing::CalcTest;
using torvelix::testing::SpringRow;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// F3 100, d 2, c1 30, s3' 3.33 with F1 20, F2 80, h 10: c = 6, n = 5, n1 = 7, L3 = 13,
// s3 = 100 / 6, L0 = 29.666667.
class CheckMarginsTest : public CalcTest {
protected:
    void SetUp() override {
        setUpTables({SpringRow("100", "2.00", "16", "30", "3.33"),   // 1: D 14, i 7
                     SpringRow("100", "2.00", "10", "30", "3.33"),   // 2: i = 4
                     SpringRow("100", "2.00", "26", "30", "3.33")}); // 3: D 24, i = 12
    }
};

} // namespace

TEST_F(CheckMarginsTest, PassingSpringByHand) {
    ASSERT_TRUE(ComputeSpring(state, controls, "1", messages));
    const CheckMargins m = checkMargins(state, controls.stabilityCheck);
    // Vk = 0.2 * 603 * 1000 / sqrt(2 * 78500 * 8000) = 3.4029259; Vk / Vmax = 3.4029259 / 3.
    EXPECT_NEAR(m.collision, 1.1343086, 1e-7);
    // i = 7: min(7 / 4, 12 / 7) = 1.7142857.
    EXPECT_NEAR(m.index, 1.7142857, 1e-7);
    // tau = 8 * 1.2128571 * 100 * 14 / (8 pi) = 540.49019; 603 / 540.49019.
    EXPECT_NEAR(m.strength, 1.1156539, 1e-7);
    // Fixed-fixed, Mu 0.5: 2.62 / 0.5 = 5.24; L0 / D = 29.666667 / 14 = 2.1190476.
    ASSERT_TRUE(m.stability);
    EXPECT_NEAR(*m.stability, 2.4728090, 1e-7);
    EXPECT_FALSE(state.Collision || state.IndexOut || state.Overstress || state.Unstable);

    controls.stabilityCheck = false;
    ASSERT_TRUE(ComputeSpring(state, controls, "1", messages));
    EXPECT_FALSE(checkMargins(state, controls.stabilityCheck).stability);
}

TEST_F(CheckMarginsTest, FailingSpringByHand) {
    selectClass(1); // class II wire: tau3 = 0.3 * 1770 = 531
    state.Vmax = 4;
    controls.fixing = Fixing::FixedFree; // Mu 2
    ASSERT_TRUE(ComputeSpring(state, controls, "3", messages));
    const CheckMargins m = checkMargins(state, controls.stabilityCheck);
    // Vk = 0.2 * 531000 / 35440.090 = 2.9966064; / 4.
    EXPECT_NEAR(m.collision, 0.7491516, 1e-7);
    EXPECT_TRUE(state.Collision);
    // i = 12, the limit: min(3, 12 / 12).
    EXPECT_EQ(m.index, 1.0);
    EXPECT_FALSE(state.IndexOut);
    // k = 47 / 44 + 0.615 / 12 = 1.1194318; tau = 1.1194318 * 8 * 100 * 24 / (pi * 8)
    // = 855.18292.
    EXPECT_NEAR(m.strength, 531 / 855.18292, 1e-7);
    EXPECT_TRUE(state.Overstress);
    // 2.62 / 2 = 1.31 over L0 / D = 29.666667 / 24 = 1.2361111: stable.
    EXPECT_NEAR(*m.stability, 1.0597753, 1e-7);
    EXPECT_FALSE(state.Unstable);
    // The same spring of D 14 is not: 1.31 / 2.1190476.
    ASSERT_TRUE(ComputeSpring(state, controls, "1", messages));
    EXPECT_NEAR(*checkMargins(state, true).stability, 0.6182022, 1e-7);
    EXPECT_TRUE(state.Unstable);
    // A table row beyond the index range is refused before it is computed, so an index of
    // 14 reaches the margin only directly: min(14 / 4, 12 / 14).
    EXPECT_NEAR(indexMargin(14), 0.8571429, 1e-7);
}

TEST_F(CheckMarginsTest, IndexAtItsLimitsIsExactlyOneAndPasses) {
    for (const char* number : {"2", "3"}) {
        ASSERT_TRUE(ComputeSpring(state, controls, number, messages));
        EXPECT_FALSE(state.IndexOut) << number;
        EXPECT_EQ(indexMargin(state.i), 1.0) << number;
    }
}

// The verdicts' comparisons, as the spring computation writes them.
namespace {
bool collides(double Vk, double Vmax) {
    return Vmax / Vk > 1;
}
bool overstressed(double tau3, double tau) {
    return tau > tau3;
}
bool unstable(double Mu, double L0, double D) {
    return 2.62 / Mu < L0 / D;
}
bool indexOut(double i) {
    return i < 4 || i > 12;
}
} // namespace

TEST(CheckMargins, AgreeWithTheVerdictsAtAndBesideEveryLimit) {
    for (const double x : {0.1, 1.0, 2.9966063607902615, 3.0, 540.49018674007663, 603.0, 1e6}) {
        for (const double y : {x, std::nextafter(x, 0.0), std::nextafter(x, kInf)}) {
            EXPECT_EQ(collisionMargin(x, y) >= 1, !collides(x, y)) << x << " " << y;
            EXPECT_EQ(strengthMargin(x, y) >= 1, !overstressed(x, y)) << x << " " << y;
            EXPECT_EQ(stabilityMargin(true, 2.62 / x, y, 1.0) >= 1, !unstable(2.62 / x, y, 1.0))
                << x << " " << y;
        }
    }
    EXPECT_EQ(collisionMargin(3, 3), 1.0);
    EXPECT_EQ(strengthMargin(603, 603), 1.0);
    for (const double limit : {4.0, 12.0}) {
        for (const double i : {limit, std::nextafter(limit, 0.0), std::nextafter(limit, kInf)}) {
            EXPECT_EQ(indexMargin(i) >= 1, !indexOut(i)) << i;
        }
    }
}

TEST(CheckMargins, ValuesOfZeroOrTheWrongSignFollowTheVerdicts) {
    // No speed, or a critical speed below zero (F2 above F3): the coils never collide.
    EXPECT_EQ(collisionMargin(3.4, 0), kInf);
    EXPECT_EQ(collisionMargin(-3.4, 3), kInf);
    EXPECT_FALSE(collides(-3.4, 3));
    // Both below zero: |Vmax| above |Vk| collides.
    EXPECT_LT(collisionMargin(-3, -4), 1);
    EXPECT_TRUE(collides(-3, -4));
    EXPECT_EQ(strengthMargin(603, 0), kInf);
    EXPECT_EQ(strengthMargin(-5, -1), 0);
    EXPECT_TRUE(overstressed(-5, -1));
    EXPECT_LT(strengthMargin(-5, 100), 1);
    EXPECT_EQ(indexMargin(0), 0);
    EXPECT_EQ(indexMargin(-3), 0);
    EXPECT_EQ(stabilityMargin(true, 0.5, -1, 14), kInf);
    EXPECT_FALSE(stabilityMargin(false, 0.5, 30, 14));
}
