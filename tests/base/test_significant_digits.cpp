// Rounding and cutting to significant digits on the shortest decimal form, as the
// table generator writes its numbers (its own tests hold the same cases).
#include "significant_digits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

using torvelix::cutSignificant;
using torvelix::roundSignificant;

TEST(SignificantDigits, RoundHalfAwayFromZeroOnTheShortestForm) {
    EXPECT_EQ(roundSignificant(101.89, 4), 101.9);
    EXPECT_EQ(roundSignificant(10732.4, 4), 10730);
    EXPECT_EQ(roundSignificant(0.98135, 3), 0.981);
    // 0.5125 is 0.51249999... in binary; its shortest form ends in 5 and rounds up.
    EXPECT_EQ(roundSignificant(0.5125, 3), 0.513);
    EXPECT_EQ(roundSignificant(-2.345, 3), -2.35);
    EXPECT_EQ(roundSignificant(9.9996, 4), 10.0);
    EXPECT_EQ(roundSignificant(0.000123456, 3), 0.000123);
    EXPECT_EQ(roundSignificant(1234567.0, 3), 1230000.0);
    EXPECT_EQ(roundSignificant(57.2157, 4), 57.22);
    EXPECT_EQ(roundSignificant(1.5, 4), 1.5); // fewer digits than asked: unchanged
}

TEST(SignificantDigits, CutTowardsZeroOnTheShortestForm) {
    EXPECT_EQ(cutSignificant(5.077999999999999, 3), 5.07);
    // 4.8 - 1.0 is 3.79999999999999982 in binary, written 3.8: it stays 3.80.
    EXPECT_EQ(cutSignificant(4.8 - 1.0, 3), 3.8);
    EXPECT_EQ(cutSignificant(-7.999, 2), -7.9);
    EXPECT_EQ(cutSignificant(0.0691999, 3), 0.0691);
}

TEST(SignificantDigits, ZeroNonFiniteAndBadDigitCounts) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(roundSignificant(0.0, 3), 0.0);
    EXPECT_EQ(cutSignificant(inf, 3), inf);
    EXPECT_TRUE(std::isnan(roundSignificant(std::nan(""), 3)));
    EXPECT_THROW(roundSignificant(1.0, 0), std::logic_error);
    EXPECT_THROW(cutSignificant(1.0, 18), std::logic_error);
}
