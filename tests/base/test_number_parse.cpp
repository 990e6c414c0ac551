// Number conversion of typed and table texts, and the Windows-1251 encoding.
#include "cp1251.h"
#include "errors.h"
#include "number_parse.h"

#include <gtest/gtest.h>

using namespace torvelix;

TEST(Number, AcceptsBlanksSignExponentAndBareFractions) {
    EXPECT_DOUBLE_EQ(parseNumber(" 1.5 "), 1.5);
    EXPECT_DOUBLE_EQ(parseNumber("-2.25"), -2.25);
    EXPECT_DOUBLE_EQ(parseNumber("+3"), 3);
    EXPECT_DOUBLE_EQ(parseNumber("1.2E3"), 1200);
    EXPECT_DOUBLE_EQ(parseNumber("5e-2"), 0.05);
    EXPECT_DOUBLE_EQ(parseNumber("2.5E+1"), 25);
    EXPECT_DOUBLE_EQ(parseNumber(".5"), 0.5);
    EXPECT_DOUBLE_EQ(parseNumber("5."), 5);
    EXPECT_DOUBLE_EQ(parseNumber("1e-400"), 0); // too small to hold is zero
}

TEST(Number, RejectsEverythingElseWithTheConversionMessage) {
    for (const char* bad : {"", "   ", "2,5", "abc", ".", "-", "1e", "1e+", "1.2.3", "1 2", "inf",
                            "nan", "0x10", "1e400", "--1", "12a"}) {
        EXPECT_FALSE(tryParseNumber(bad).has_value()) << bad;
    }
    try {
        parseNumber("2,5");
        FAIL() << "2,5 converted";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "Неверное число '2,5'. Дробную часть отделяйте точкой.");
    }
}

TEST(Number, TableTextInTheMessageIsDecoded) {
    const std::string cp1251 = utf8ToCp1251("12б").value();
    try {
        parseTableNumber(cp1251);
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "Неверное число '12б'. Дробную часть отделяйте точкой.");
    }
}

TEST(Integer, LeadingBlanksOnlyAndNothingAfterTheDigits) {
    EXPECT_EQ(parseInteger("7"), 7);
    EXPECT_EQ(parseInteger("  1234"), 1234);
    EXPECT_EQ(parseInteger("-3"), -3);
    for (const char* bad : {"", " ", "7 ", "1.5", "x", "99999999999999999999", "+", "1e3"}) {
        EXPECT_THROW(parseInteger(bad), IntegerConversionError) << bad;
    }
}

TEST(Cp1251, RoundTripsCyrillicAndRefusesWhatItCannotHold) {
    const std::string text = "Проволока класса IIA по ГОСТ 9389-75 №1 ё";
    const auto bytes = utf8ToCp1251(text);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->size(), 41u); // one byte a character
    EXPECT_EQ(cp1251ToUtf8(*bytes), text);
    EXPECT_FALSE(utf8ToCp1251("日本").has_value());
    EXPECT_FALSE(utf8ToCp1251("\xD0").has_value()); // cut sequence
}
