// The general and fixed number formats, including the exponent cases and the rounding
// on the exact binary value.
#include "number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using torvelix::formatFixed;
using torvelix::formatGeneral;

TEST(GeneralFormat, ShortestFormWithoutTrailingZeros) {
    EXPECT_EQ(formatGeneral(12.5), "12.5");
    EXPECT_EQ(formatGeneral(12), "12");
    EXPECT_EQ(formatGeneral(3.5, 4), "3.5");
    EXPECT_EQ(formatGeneral(106), "106");
    EXPECT_EQ(formatGeneral(0.1), "0.1");
    EXPECT_EQ(formatGeneral(1.0 / 3), "0.333333");
    EXPECT_EQ(formatGeneral(6.665), "6.665");
    EXPECT_EQ(formatGeneral(123456.7), "123457");
    EXPECT_EQ(formatGeneral(-2.5), "-2.5");
    EXPECT_EQ(formatGeneral(0), "0");
    EXPECT_EQ(formatGeneral(12.34567, 4), "12.35");
    EXPECT_EQ(formatGeneral(0.1 + 0.2, 15), "0.3");
    EXPECT_EQ(formatGeneral(78500, 15), "78500");
    EXPECT_EQ(formatGeneral(0.00001), "0.00001");
}

TEST(GeneralFormat, ExponentFormForLargeAndTinyValues) {
    EXPECT_EQ(formatGeneral(1234567), "1.23457E+006");
    EXPECT_EQ(formatGeneral(999999.5), "1E+006"); // decided on the rounded value
    EXPECT_EQ(formatGeneral(999999.4), "999999");
    EXPECT_EQ(formatGeneral(0.0000123), "0.0000123"); // not below 0.00001
    EXPECT_EQ(formatGeneral(0.00000123), "1.23E-006");
    EXPECT_EQ(formatGeneral(-0.00000123), "-1.23E-006");
    EXPECT_EQ(formatGeneral(12345, 4), "1.235E+4"); // one exponent digit at four digits
    EXPECT_EQ(formatGeneral(1.5e20, 15), "1.5E+20");
    EXPECT_EQ(formatGeneral(2.5e-300), "2.5E-300");
}

TEST(GeneralFormat, TiesRoundAwayFromZeroOnTheBinaryValue) {
    EXPECT_EQ(formatGeneral(2.5, 1), "3");
    EXPECT_EQ(formatGeneral(-2.5, 1), "-3");
    EXPECT_EQ(formatGeneral(0.125, 2), "0.13"); // exact in binary: a true tie
    EXPECT_EQ(formatGeneral(1.005, 3), "1");    // 1.00499999... in binary
    EXPECT_EQ(formatGeneral(-0.0000001, 1), "-1E-007");
}

TEST(FixedFormat, ThreeDecimalsAfterRounding) {
    EXPECT_EQ(formatFixed(12.5), "12.500");
    EXPECT_EQ(formatFixed(0.5), "0.500");
    EXPECT_EQ(formatFixed(45.5), "45.500");
    EXPECT_EQ(formatFixed(20), "20.000");
    EXPECT_EQ(formatFixed(1.2344996), "1.234");
    EXPECT_EQ(formatFixed(1.2345), "1.234"); // 1.23449999999999993 in binary
    EXPECT_EQ(formatFixed(1.0625), "1.063"); // exact in binary: a true tie
    EXPECT_EQ(formatFixed(0.0005), "0.001");
    EXPECT_EQ(formatFixed(0.0004), "0.000");
    EXPECT_EQ(formatFixed(-0.0004), "0.000"); // no minus sign on a zero
    EXPECT_EQ(formatFixed(-3.25), "-3.250");
    EXPECT_EQ(formatFixed(123456.78), "123457.000");
    EXPECT_EQ(formatFixed(12345.678), "12345.700"); // digits past the sixth are 0
    EXPECT_EQ(formatFixed(0), "0.000");
}

TEST(FixedFormat, ExponentFormBeyondSixIntegerDigits) {
    EXPECT_EQ(formatFixed(1234567.8), "1.23457E+006");
    EXPECT_EQ(formatFixed(999999.9996), "1E+006");
    EXPECT_EQ(formatFixed(999999.4), "999999.000");
}

TEST(Formats, NonFiniteValuesAreNamed) {
    EXPECT_EQ(formatGeneral(std::numeric_limits<double>::quiet_NaN()), "NAN");
    EXPECT_EQ(formatFixed(std::numeric_limits<double>::infinity()), "INF");
    EXPECT_EQ(formatFixed(-std::numeric_limits<double>::infinity()), "-INF");
}

TEST(CStyleFormats, GeneralAsTheCLocalePrintsIt) {
    using torvelix::formatCStyleGeneral;
    EXPECT_EQ(formatCStyleGeneral(12.5, 6), "12.5");
    EXPECT_EQ(formatCStyleGeneral(1234567, 6), "1.23457e+06");
    EXPECT_EQ(formatCStyleGeneral(0.00001234, 6), "1.234e-05");
    EXPECT_EQ(formatCStyleGeneral(0.0001234, 6), "0.0001234");
    EXPECT_EQ(formatCStyleGeneral(0.005005, 3), "0.005"); // 0.00500499999... in binary
    EXPECT_EQ(formatCStyleGeneral(-80, 3), "-80");
}

TEST(CStyleFormats, DecimalsFixedAndTrimmed) {
    using torvelix::formatDecimals;
    using torvelix::formatTrimmedDecimals;
    EXPECT_EQ(formatDecimals(2.5, 3), "2.500");
    EXPECT_EQ(formatDecimals(-0.0001, 3), "-0.000");
    EXPECT_EQ(formatDecimals(1e20, 1), "100000000000000000000.0"); // never an exponent
    EXPECT_EQ(formatTrimmedDecimals(2.5, 4), "2.5");
    EXPECT_EQ(formatTrimmedDecimals(3.00004, 4), "3");
    EXPECT_EQ(formatTrimmedDecimals(-0.00001, 4), "0");
    EXPECT_EQ(formatTrimmedDecimals(120, 3), "120"); // zeros before the point stay
    EXPECT_EQ(formatTrimmedDecimals(0.1 + 0.2, 10), "0.3");
}

// Sizes on a drawing: decimal comma, rounded at the decimal asked for, no trailing zeros.
TEST(DrawingNumberFormat, CommaWithoutTrailingZeros) {
    using torvelix::formatDrawingNumber;
    EXPECT_EQ(formatDrawingNumber(48.972), "48,972");
    EXPECT_EQ(formatDrawingNumber(96), "96");
    EXPECT_EQ(formatDrawingNumber(1.80), "1,8");
    EXPECT_EQ(formatDrawingNumber(2.0625), "2,063"); // an exact tie rounds away from zero
    EXPECT_EQ(formatDrawingNumber(0.0004), "0");
    EXPECT_EQ(formatDrawingNumber(-0.0004), "0");
    EXPECT_EQ(formatDrawingNumber(0.05), "0,05");
    EXPECT_EQ(formatDrawingNumber(-12.5, 0), "-13");
    EXPECT_EQ(formatDrawingNumber(0.00622, 5), "0,00622");
    EXPECT_EQ(formatDrawingNumber(1234567.25, 1), "1234567,3");
    EXPECT_EQ(formatDrawingNumber(99.9996), "100");
}
