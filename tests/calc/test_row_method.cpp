// The row method: rows worked out by hand (the generator's tests hold the same sizes),
// and the inputs it refuses.
#include "errors.h"
#include "row_method.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using namespace torvelix;
using namespace torvelix::calc;

namespace {

std::string refusal(const RowMethodInput& input) {
    try {
        springRow(input);
    } catch (const UserError& e) {
        return e.what();
    }
    return "accepted";
}

} // namespace

TEST(RowMethod, SingleStrandRowsByHand) {
    // tau3 = 0.3 * 2650 = 795, d 0.20, D1 2.4: D 2.2, i 11, k = 43/40 + 0.615/11 = 1.1309091;
    // F3 = pi 0.008 795 / (8 1.1309091 2.2) = 1.0038449; c1 = 78500 0.2^4 / (8 2.2^3) =
    // 1.4744553 -> 1.474; s3' = 1.0038449 / 1.474 = 0.68103 -> 0.681.
    ComputedRow row = springRow({false, 795, 0.2, 2.4});
    EXPECT_NEAR(row.F3, 1.0038449, 1e-7);
    EXPECT_EQ(row.c1, 1.474);
    EXPECT_EQ(row.s3p, 0.681);
    // tau3 560, d 5.5, D1 32: D 26.5, i 4.8181818 (rounded 4.82 gives the smaller k),
    // k = 18.272727/15.272727 + 0.615/4.8181818 = 1.3240700; F3 = pi 166.375 560 /
    // (8 1.32407 26.5) = 1042.7474; c1 = 78500 915.0625 / (8 18609.625) = 482.498 -> 482.5;
    // s3' = 1042.7474 / 482.5 = 2.1611 -> 2.16.
    row = springRow({false, 560, 5.5, 32});
    EXPECT_NEAR(row.F3, 1042.7474, 1e-4);
    EXPECT_EQ(row.c1, 482.5);
    EXPECT_EQ(row.s3p, 2.16);
}

TEST(RowMethod, ThreeStrandRowsByHand) {
    // tau3 1470, d1 1.00, D1 9.0: i 8, F3 = 1470 / (1.82 8) = 100.96154. The cable's
    // deflection (about 40) exceeds the room 0.6 8 - 1.00 1.0 = 3.8 (3.7999... in
    // binary, cut to 3.80 on its written form); c1 = 100.96154 / 3.8 = 26.5688 -> 26.57.
    ComputedRow row = springRow({true, 1470, 1.0, 9.0});
    EXPECT_NEAR(row.F3, 100.96154, 1e-5);
    EXPECT_EQ(row.s3p, 3.8);
    EXPECT_EQ(row.c1, 26.57);
    // tau3 1150, d1 2.80, D1 16: i 4.7142857, rounded 4.715 (the larger, so the lower
    // force): F3 = 1150 7.84 / (1.82 4.715) = 1050.6567; strand factor 1.015, room =
    // 0.6 13.2 - 2.8 1.015 = 5.078 -> 5.07; c1 = 1050.6567 / 5.07 = 207.23 -> 207.2.
    row = springRow({true, 1150, 2.8, 16});
    EXPECT_NEAR(row.F3, 1050.6567, 1e-4);
    EXPECT_EQ(row.s3p, 5.07);
    EXPECT_EQ(row.c1, 207.2);
}

TEST(RowMethod, RefusesWhatItDoesNotCover) {
    const double nan = std::nan("");
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(refusal({false, 795, nan, 2.4}), "Диаметры пружины должны быть конечными числами.");
    EXPECT_EQ(refusal({false, 795, 0.2, inf}), "Диаметры пружины должны быть конечными числами.");
    EXPECT_EQ(refusal({false, 795, 0, 2.4}),
              "Диаметр проволоки должен быть больше нуля (задан 0 мм).");
    EXPECT_EQ(refusal({true, 795, -1, 2.4}),
              "Диаметр троса должен быть больше нуля (задан -1 мм).");
    EXPECT_EQ(refusal({false, 795, 2, 2}),
              "Наружный диаметр пружины 2 мм должен быть больше диаметра проволоки 2 мм.");
    EXPECT_EQ(refusal({false, 795, 2, 9.9}),
              "Индекс пружины (D1 - d) / d = 3.95 выходит за диапазон 4...12, который "
              "охватывает расчет по ГОСТ 13765-86. Наружный диаметр должен быть от 10 до 26 мм.");
    EXPECT_TRUE(refusal({false, 795, 2, 26.2}).starts_with("Индекс пружины (D1 - d) / d = 12.1 "));
    EXPECT_EQ(refusal({false, 0, 2, 16}),
              "Максимальное касательное напряжение класса должно быть больше нуля.");
    EXPECT_EQ(refusal({false, nan, 2, 16}),
              "Максимальное касательное напряжение класса должно быть больше нуля.");
}
