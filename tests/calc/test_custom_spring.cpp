// A spring outside the table: its row built by the method and computed as a table row,
// with the state a row of the same values gives, and every input it refuses.
#include "calc_fixture.h"
#include "check_margins.h"
#include "custom_spring.h"
#include "errors.h"
#include "spring_calc.h"

#include <string>

using namespace torvelix;
using namespace torvelix::calc;
using torvelix::testing::CalcTest;
using torvelix::testing::SpringRow;

namespace {

class CustomSpringTest : public CalcTest {
protected:
    void SetUp() override { setUpTables({SpringRow("111.6", "2.00", "16", "57.22", "1.95")}); }

    std::string refusal(double d, double D1) {
        try {
            computeCustomSpring(state, controls, d, D1, messages);
        } catch (const UserError& e) {
            return e.what();
        }
        return "accepted";
    }
};

} // namespace

TEST_F(CustomSpringTest, SingleStrandAsTheTableRowOfItsValues) {
    // Item 0, d 2.00: tau3 = 0.3 * 2010 = 603. D1 16: D 14, i 7, k = 27/24 + 0.615/7 =
    // 1.2128571; F3 = pi 8 603 / (8 1.2128571 14) = 111.56539. c1 = 78500 16 / (8 2744) =
    // 57.2157 -> 57.22; s3' = 111.56539 / 57.22 = 1.94976 -> 1.95.
    ASSERT_TRUE(computeCustomSpring(state, controls, 2.0, 16, messages));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_NEAR(state.F3, 111.56539, 1e-5);
    EXPECT_EQ(state.c1, 57.22);
    EXPECT_EQ(state.s3p, 1.95);
    EXPECT_EQ(state.G, 78500);
    EXPECT_EQ(state.Rho, 8000);
    // The force is the one that loads the wire to tau3: the strength check passes at
    // the limit, not by a rounding of the last bit.
    EXPECT_FALSE(state.Overstress);
    const double strength = checkMargins(state, true).strength;
    EXPECT_GE(strength, 1.0);
    EXPECT_LT(strength, 1.0 + 1e-12);
    // n = RoundHalf(57.22 / 6 = 9.5367) = 9.5, c = 57.22 / 9.5 = 6.0231579, t = 1.95 + 2.
    EXPECT_EQ(state.n, 9.5);
    EXPECT_NEAR(state.c, 6.0231579, 1e-7);
    EXPECT_NEAR(state.t, 3.95, 1e-12);

    // Every value that does not depend on F3 is what the table row 111.6 2.00 16 57.22
    // 1.95 gives.
    const DesignState custom = state;
    ASSERT_TRUE(ComputeSpring(state, controls, "1", messages));
    EXPECT_EQ(custom.d, state.d);
    EXPECT_EQ(custom.D1, state.D1);
    EXPECT_EQ(custom.tau3, state.tau3);
    EXPECT_EQ(custom.n, state.n);
    EXPECT_EQ(custom.n1, state.n1);
    EXPECT_EQ(custom.c, state.c);
    EXPECT_EQ(custom.i, state.i);
    EXPECT_EQ(custom.D, state.D);
    EXPECT_EQ(custom.D2, state.D2);
    EXPECT_EQ(custom.L3, state.L3);
    EXPECT_EQ(custom.t, state.t);
    EXPECT_EQ(custom.StressFactor, state.StressFactor);
    EXPECT_EQ(custom.s1, state.s1);
    EXPECT_EQ(custom.m, state.m);
}

TEST_F(CustomSpringTest, EverySpringAtItsForcePassesTheStrengthCheck) {
    // The force is worked out in one order of operations and the check's stress in
    // another: without care about a quarter of these would come out a bit above tau3.
    for (const int item : {0, 2, 8}) {
        selectClass(item);
        controls.kind = item == 8 ? SpringKind::ThreeStrand : SpringKind::SingleStrand;
        for (const double d : {1.0, 2.0, 3.0}) {
            for (int step = 0; step <= 70; ++step) {
                const double D1 = d * (5 + 0.1 * step);
                ASSERT_TRUE(computeCustomSpring(state, controls, d, D1, messages));
                EXPECT_FALSE(state.Overstress) << item << " " << d << " " << D1;
            }
        }
    }
}

TEST_F(CustomSpringTest, ThreeStrandOfClassThree) {
    selectClass(8); // factor 0.3 of the class I wire, looked up by the cable d1
    controls.kind = SpringKind::ThreeStrand;
    // d1 2.00, D1 16: tau3 603, i 7, F3 = 603 4 / (1.82 7) = 189.32496. The cable's
    // deflection 189.32 / 7.4164 = 25.5 exceeds the room 0.6 14 - 2 1.0 = 6.4: s3' 6.40,
    // c1 = 189.32496 / 6.4 = 29.58; pitch t = 2 1.0 + 6.4 = 8.4 = 0.6 D.
    ASSERT_TRUE(computeCustomSpring(state, controls, 2.0, 16, messages));
    EXPECT_NEAR(state.F3, 189.32496, 1e-5);
    EXPECT_EQ(state.s3p, 6.4);
    EXPECT_EQ(state.c1, 29.58);
    EXPECT_NEAR(state.t, 8.4, 1e-12);
    EXPECT_FALSE(state.Overstress);
    EXPECT_LT(checkMargins(state, true).strength, 1.0 + 1e-12);
}

TEST_F(CustomSpringTest, StressClassTakesAnyDiameterOfItsRange) {
    selectClass(2); // tau3 560 MPa whatever the wire
    ASSERT_TRUE(computeCustomSpring(state, controls, 2.5, 20, messages));
    EXPECT_EQ(state.tau3, 560);
    EXPECT_EQ(state.d, 2.5);
}

TEST_F(CustomSpringTest, RefusesWhatTheMethodOrTheClassDoesNotCover) {
    state.F3 = 42;
    EXPECT_EQ(refusal(0, 16), "Диаметр проволоки должен быть больше нуля (задан 0 мм).");
    EXPECT_EQ(refusal(2, 1.5),
              "Наружный диаметр пружины 1.5 мм должен быть больше диаметра проволоки 2 мм.");
    EXPECT_EQ(refusal(2.5, 20), "Диаметра 2.5 мм нет в таблице проволоки ГОСТ 9389-75: предел "
                                "прочности такой проволоки неизвестен. Выберите диаметр из "
                                "таблицы.");
    EXPECT_EQ(refusal(6, 60), "Диаметр проволоки 6 мм вне диапазона класса 0.2...5 мм.");
    controls.kind = SpringKind::ThreeStrand;
    EXPECT_EQ(refusal(2, 16), "Вид пружины не соответствует классу: пружины класса III "
                              "трехжильные, классов I и II одножильные.");
    selectClass(9);
    EXPECT_EQ(refusal(12, 100), "Диаметр троса 12 мм вне диапазона класса: проволока 0.2...5 мм, "
                                "трос d1 = 2.155 d (0.431...10.775 мм).");
    controls.classItem = -1;
    EXPECT_EQ(refusal(2, 16), "Не выбран класс пружины.");
    EXPECT_EQ(state.F3, 42); // nothing of a spring was written
    EXPECT_TRUE(messages.messages.empty());

    controls.eF1 = "2,5";
    EXPECT_THROW(computeCustomSpring(state, controls, 2, 16, messages), ConversionError);
}

TEST_F(CustomSpringTest, UnreadableTablesAreNamed) {
    folder.remove("9389");
    EXPECT_FALSE(computeCustomSpring(state, controls, 2.0, 16, messages));
    EXPECT_EQ(texts().back(), "Не могу найти таблицу " + folder.tablePath("9389"));
    folder.remove("13764");
    EXPECT_FALSE(computeCustomSpring(state, controls, 2.0, 16, messages));
    EXPECT_EQ(texts().back(), "Не могу найти таблицу " + folder.tablePath("13764"));
}

TEST(CustomSpring, Designation) {
    EXPECT_STREQ(kCustomSpringDesignation, "не по ГОСТ 13766…13776, расчет по ГОСТ 13765-86");
    EXPECT_EQ(customSpringName(1.6, 12), "не по ГОСТ (d = 1.6 мм, D1 = 12 мм)");
}
