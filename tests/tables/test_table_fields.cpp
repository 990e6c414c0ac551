// Field reading and number conversion of table lines and typed texts.
#include "cp1251.h"
#include "errors.h"
#include "table_fields.h"
#include "table_fixture.h"

#include <gtest/gtest.h>

using namespace torvelix;
using namespace torvelix::tables;

TEST(Field, ShortLinesAndColumnsBeyondTheEnd) {
    EXPECT_EQ(Field("123456789", 3, 4), "3456");
    EXPECT_EQ(Field("12345", 4, 6), "45");  // the line ends inside the field
    EXPECT_EQ(Field("12345", 6, 2), "");    // starts beyond the end
    EXPECT_EQ(Field("", 1, 5), "");
    EXPECT_EQ(TrimmedField("  1.00 ", 1, 7), "1.00");
}

TEST(Number, AcceptsBlanksSignExponentAndBareFractions) {
    EXPECT_DOUBLE_EQ(ParseNumber(" 1.5 "), 1.5);
    EXPECT_DOUBLE_EQ(ParseNumber("-2.25"), -2.25);
    EXPECT_DOUBLE_EQ(ParseNumber("+3"), 3);
    EXPECT_DOUBLE_EQ(ParseNumber("1.2E3"), 1200);
    EXPECT_DOUBLE_EQ(ParseNumber("5e-2"), 0.05);
    EXPECT_DOUBLE_EQ(ParseNumber("2.5E+1"), 25);
    EXPECT_DOUBLE_EQ(ParseNumber(".5"), 0.5);
    EXPECT_DOUBLE_EQ(ParseNumber("5."), 5);
    EXPECT_DOUBLE_EQ(ParseNumber("1e-400"), 0);  // too small to hold is zero
}

TEST(Number, RejectsEverythingElseWithTheConversionMessage) {
    for (const char* bad : {"", "   ", "2,5", "abc", ".", "-", "1e", "1e+", "1.2.3", "1 2", "inf",
                            "nan", "0x10", "1e400", "--1", "12a"}) {
        EXPECT_FALSE(TryParseNumber(bad).has_value()) << bad;
    }
    try {
        ParseNumber("2,5");
        FAIL() << "2,5 converted";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'2,5' is not a valid floating point value");
    }
}

TEST(Number, TableTextInTheMessageIsDecoded) {
    const std::string cp1251 = Utf8ToCp1251("12б").value();
    try {
        ParseTableNumber(cp1251);
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'12б' is not a valid floating point value");
    }
}

TEST(Integer, LeadingBlanksOnlyAndNothingAfterTheDigits) {
    EXPECT_EQ(ParseInteger("7"), 7);
    EXPECT_EQ(ParseInteger("  1234"), 1234);
    EXPECT_EQ(ParseInteger("-3"), -3);
    for (const char* bad : {"", " ", "7 ", "1.5", "x", "99999999999999999999", "+", "1e3"}) {
        EXPECT_THROW(ParseInteger(bad), IntegerConversionError) << bad;
    }
}

TEST(RowFields, SpringAndWireColumns) {
    const std::string row = torvelix::testing::SpringRow("100.0", "2.00", "16", "30.00", "3.33");
    ASSERT_EQ(row, " 100.0  2.00   16   30.00  3.33");
    EXPECT_DOUBLE_EQ(SpringRowField(row, 1), 100.0);
    EXPECT_DOUBLE_EQ(SpringRowField(row, 2), 2.0);
    EXPECT_DOUBLE_EQ(SpringRowField(row, 3), 16);
    EXPECT_DOUBLE_EQ(SpringRowField(row, 4), 30.0);
    EXPECT_DOUBLE_EQ(SpringRowField(row, 5), 3.33);
    // A row cut short: the fields beyond its end are empty and do not convert.
    EXPECT_THROW(SpringRowField(row.substr(0, 20), 4), ConversionError);
    EXPECT_THROW(SpringRowField(row.substr(0, 20), 5), ConversionError);

    std::string wire(163, ' ');
    wire.replace(0, 4, "2.00");
    wire.replace(7, 4, "2010");
    wire.replace(157, 6, "  12.5");
    EXPECT_DOUBLE_EQ(WireRowField(wire, 2), 2010);
    EXPECT_DOUBLE_EQ(WireRowField(wire, 25), 12.5);
    EXPECT_THROW(WireRowField(wire, 3), ConversionError);
    EXPECT_EQ(WireFieldSpan(10).column, 55);
    EXPECT_EQ(WireFieldSpan(10).width, 7);
}

TEST(Cp1251, RoundTripsCyrillicAndRefusesWhatItCannotHold) {
    const std::string text = "Проволока класса IIA по ГОСТ 9389-75 №1 ё";
    const auto bytes = Utf8ToCp1251(text);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->size(), 41u);  // one byte a character
    EXPECT_EQ(Cp1251ToUtf8(*bytes), text);
    EXPECT_FALSE(Utf8ToCp1251("日本").has_value());
    EXPECT_FALSE(Utf8ToCp1251("\xD0").has_value());  // cut sequence
}
