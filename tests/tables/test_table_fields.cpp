// Field reading of table lines.
#include "errors.h"
#include "table_fields.h"
#include "table_fixture.h"

#include <gtest/gtest.h>

using namespace torvelix;
using namespace torvelix::tables;

TEST(Field, ShortLinesAndColumnsBeyondTheEnd) {
    EXPECT_EQ(fieldAt("123456789", 3, 4), "3456");
    EXPECT_EQ(fieldAt("12345", 4, 6), "45"); // the line ends inside the field
    EXPECT_EQ(fieldAt("12345", 6, 2), "");   // starts beyond the end
    EXPECT_EQ(fieldAt("", 1, 5), "");
    EXPECT_EQ(trimmedField("  1.00 ", 1, 7), "1.00");
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
    EXPECT_EQ(wireFieldSpan(10).column, 55);
    EXPECT_EQ(wireFieldSpan(10).width, 7);
}
