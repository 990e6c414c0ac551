// Numbers written as JSON (nlohmann::json) and by the program's own formats keep the
// decimal point under a locale whose separator is a comma, as a Qt application's is on
// a Russian desktop.
#include "number_format.h"
#include "number_parse.h"
#include "significant_digits.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

// LC_NUMERIC switched to a decimal-comma locale for the test's lifetime: the one the
// build made (comma.UTF-8), else an installed Russian or German one.
class CommaNumericLocale : public ::testing::Test {
protected:
    void SetUp() override {
#ifdef TORVELIX_COMMA_LOCPATH
        setenv("LOCPATH", TORVELIX_COMMA_LOCPATH, 1);
#endif
        for (const char* name : {"comma.UTF-8", "ru_RU.UTF-8", "de_DE.UTF-8"}) {
            if (std::setlocale(LC_NUMERIC, name) && *std::localeconv()->decimal_point == ',') {
                return;
            }
        }
        GTEST_SKIP() << "no locale with a decimal comma could be made or found";
    }
    void TearDown() override {
        std::setlocale(LC_NUMERIC, "C");
        unsetenv("LOCPATH");
    }
};

} // namespace

TEST_F(CommaNumericLocale, TheLocaleIsLive) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.1f", 1.5);
    EXPECT_STREQ(buffer, "1,5");
}

TEST_F(CommaNumericLocale, JsonNumbersKeepThePointAndReadBack) {
    const nlohmann::json record = {
        {"F3", 1042.7474465854727}, {"margin", 0.5}, {"n", 9.5}, {"tiny", 1.5e-7}, {"big", 2e300}};
    const std::string text = record.dump();
    // Shortest forms that read back as the same doubles, keys sorted.
    EXPECT_EQ(text, R"({"F3":1042.7474465854727,"big":2e+300,"margin":0.5,"n":9.5,)"
                    R"("tiny":1.5e-07})");
    const nlohmann::json back = nlohmann::json::parse(text);
    EXPECT_EQ(back["F3"].get<double>(), 1042.7474465854727);
    EXPECT_EQ(back["tiny"].get<double>(), 1.5e-7);
    // JSON has no infinity: an unbounded margin is written as null.
    EXPECT_EQ(nlohmann::json(std::numeric_limits<double>::infinity()).dump(), "null");
}

TEST_F(CommaNumericLocale, ProgramFormatsKeepThePoint) {
    EXPECT_EQ(torvelix::formatGeneral(1042.7474465854727), "1042.75");
    EXPECT_EQ(torvelix::formatFixed(0.5), "0.500");
    EXPECT_EQ(torvelix::parseNumber("2.5"), 2.5);
    EXPECT_EQ(torvelix::roundSignificant(57.2157, 4), 57.22);
    EXPECT_EQ(torvelix::cutSignificant(5.078, 3), 5.07);
}
