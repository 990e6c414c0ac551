// The general and fixed number formats, including the exponent cases and the rounding
// on the exact binary value.
#include "number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using torvelix::FormatFixed;
using torvelix::FormatGeneral;

TEST(GeneralFormat, ShortestFormWithoutTrailingZeros) {
    EXPECT_EQ(FormatGeneral(12.5), "12.5");
    EXPECT_EQ(FormatGeneral(12), "12");
    EXPECT_EQ(FormatGeneral(3.5, 4), "3.5");
    EXPECT_EQ(FormatGeneral(106), "106");
    EXPECT_EQ(FormatGeneral(0.1), "0.1");
    EXPECT_EQ(FormatGeneral(1.0 / 3), "0.333333");
    EXPECT_EQ(FormatGeneral(6.665), "6.665");
    EXPECT_EQ(FormatGeneral(123456.7), "123457");
    EXPECT_EQ(FormatGeneral(-2.5), "-2.5");
    EXPECT_EQ(FormatGeneral(0), "0");
    EXPECT_EQ(FormatGeneral(12.34567, 4), "12.35");
    EXPECT_EQ(FormatGeneral(0.1 + 0.2, 15), "0.3");
    EXPECT_EQ(FormatGeneral(78500, 15), "78500");
    EXPECT_EQ(FormatGeneral(0.00001), "0.00001");
}

TEST(GeneralFormat, ExponentFormForLargeAndTinyValues) {
    EXPECT_EQ(FormatGeneral(1234567), "1.23457E+006");
    EXPECT_EQ(FormatGeneral(999999.5), "1E+006"); // decided on the rounded value
    EXPECT_EQ(FormatGeneral(999999.4), "999999");
    EXPECT_EQ(FormatGeneral(0.0000123), "0.0000123"); // not below 0.00001
    EXPECT_EQ(FormatGeneral(0.00000123), "1.23E-006");
    EXPECT_EQ(FormatGeneral(-0.00000123), "-1.23E-006");
    EXPECT_EQ(FormatGeneral(12345, 4), "1.235E+4"); // one exponent digit at four digits
    EXPECT_EQ(FormatGeneral(1.5e20, 15), "1.5E+20");
    EXPECT_EQ(FormatGeneral(2.5e-300), "2.5E-300");
}

TEST(GeneralFormat, TiesRoundAwayFromZeroOnTheBinaryValue) {
    EXPECT_EQ(FormatGeneral(2.5, 1), "3");
    EXPECT_EQ(FormatGeneral(-2.5, 1), "-3");
    EXPECT_EQ(FormatGeneral(0.125, 2), "0.13"); // exact in binary: a true tie
    EXPECT_EQ(FormatGeneral(1.005, 3), "1");    // 1.00499999... in binary
    EXPECT_EQ(FormatGeneral(-0.0000001, 1), "-1E-007");
}

TEST(FixedFormat, ThreeDecimalsAfterRounding) {
    EXPECT_EQ(FormatFixed(12.5), "12.500");
    EXPECT_EQ(FormatFixed(0.5), "0.500");
    EXPECT_EQ(FormatFixed(45.5), "45.500");
    EXPECT_EQ(FormatFixed(20), "20.000");
    EXPECT_EQ(FormatFixed(1.2344996), "1.234");
    EXPECT_EQ(FormatFixed(1.2345), "1.234"); // 1.23449999999999993 in binary
    EXPECT_EQ(FormatFixed(1.0625), "1.063"); // exact in binary: a true tie
    EXPECT_EQ(FormatFixed(0.0005), "0.001");
    EXPECT_EQ(FormatFixed(0.0004), "0.000");
    EXPECT_EQ(FormatFixed(-0.0004), "0.000"); // no minus sign on a zero
    EXPECT_EQ(FormatFixed(-3.25), "-3.250");
    EXPECT_EQ(FormatFixed(123456.78), "123457.000");
    EXPECT_EQ(FormatFixed(12345.678), "12345.700"); // digits past the sixth are 0
    EXPECT_EQ(FormatFixed(0), "0.000");
}

TEST(FixedFormat, ExponentFormBeyondSixIntegerDigits) {
    EXPECT_EQ(FormatFixed(1234567.8), "1.23457E+006");
    EXPECT_EQ(FormatFixed(999999.9996), "1E+006");
    EXPECT_EQ(FormatFixed(999999.4), "999999.000");
}

TEST(Formats, NonFiniteValuesAreNamed) {
    EXPECT_EQ(FormatGeneral(std::numeric_limits<double>::quiet_NaN()), "NAN");
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::infinity()), "INF");
    EXPECT_EQ(FormatFixed(-std::numeric_limits<double>::infinity()), "-INF");
}
