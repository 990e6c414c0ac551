// The data writers' building blocks: JSON numbers that read back exactly, JSON strings
// of any bytes, CSV fields quoted as RFC 4180 asks.
#include "candidate_csv.h"
#include "candidate_json.h"
#include "json_number.h"

#include <gtest/gtest.h>

#include <charconv>
#include <limits>

namespace torvelix::output {
namespace {

TEST(CandidateData, JsonNumbersAreShortAndReadBackExactly) {
    EXPECT_EQ(formatJsonNumber(12.5), "12.5");
    EXPECT_EQ(formatJsonNumber(0.1), "0.1");
    EXPECT_EQ(formatJsonNumber(-0.0), "0");
    EXPECT_EQ(formatJsonNumber(1e30), "1e+30");
    EXPECT_EQ(formatJsonNumber(std::numeric_limits<double>::infinity()), "null");
    EXPECT_EQ(formatJsonNumber(std::numeric_limits<double>::quiet_NaN()), "null");
    // 0.1 + 0.2 needs 17 digits to come back as itself.
    const double sum = 0.1 + 0.2;
    const std::string text = formatJsonNumber(sum);
    EXPECT_EQ(text, "0.30000000000000004");
    double back = 0;
    std::from_chars(text.data(), text.data() + text.size(), back);
    EXPECT_EQ(back, sum);
    // 16 digits where they suffice (Python's shortest repr gives the same), 15 for the
    // smallest subnormal, whose shortest text "5e-324" is not the C library's form.
    EXPECT_EQ(formatJsonNumber(1.0 / 3), "0.3333333333333333");
    EXPECT_EQ(formatJsonNumber(2.0 / 3), "0.6666666666666666");
    EXPECT_EQ(formatJsonNumber(std::numeric_limits<double>::denorm_min()), "4.94065645841247e-324");
    EXPECT_EQ(formatJsonNumber(1e23), "1e+23");
}

TEST(CandidateData, JsonStringsEscapeAndReplaceInvalidBytes) {
    EXPECT_EQ(jsonString("a\"b\\c\n"), "\"a\\\"b\\\\c\\n\"");
    EXPECT_EQ(jsonString("ГОСТ"), "\"ГОСТ\"");
    // Control characters inside otherwise plain text are still escaped.
    EXPECT_EQ(jsonString("ГОСТ\t1"), "\"ГОСТ\\t1\"");
    // A path of invalid UTF-8 must not throw: the byte becomes U+FFFD.
    EXPECT_EQ(jsonString("x\xff"), "\"x\xEF\xBF\xBD\"");
}

TEST(CandidateData, CsvFieldsAreQuotedOnlyWhenNeeded) {
    EXPECT_EQ(csvField("12.5"), "12.5");
    EXPECT_EQ(csvField("a,b"), "\"a,b\"");
    EXPECT_EQ(csvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(csvField("two\r\nlines"), "\"two\r\nlines\"");
}

TEST(CandidateData, CsvHasAHeaderAndOneLinePerCandidate) {
    calc::CandidateList list;
    calc::CandidateRecord failed;
    failed.number = 7; // its computation failed: no values, every check fails to be ok
    list.candidates.push_back(failed);
    const std::string csv = candidatesCsv(list);
    const std::string header = csv.substr(0, csv.find("\r\n"));
    EXPECT_EQ(header.substr(0, 43), "number,F3,d,D1,n,L0,L1,L2,L3,i,t,mass,passe");
    EXPECT_EQ(csv.substr(header.size() + 2), "7,,,,,,,,,,,,false,false,,false,,false,,false,\r\n");
}

} // namespace
} // namespace torvelix::output
