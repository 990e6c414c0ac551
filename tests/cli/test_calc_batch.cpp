// A batch over the shipped tables: the tables are read once for the whole batch, and each
// line is what the same design gives when computed alone.
#include "calc_batch.h"
#include "calc_design.h"
#include "candidate_json.h"
#include "shipped_tables.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace torvelix;

// The line a design gives alone, as the batch writes it (line number first).
std::string aloneLine(int line, const std::map<std::string, std::string>& values,
                      const std::string& exePath) {
    const cli::DesignRequest request = cli::parseDesignRequest(values);
    RecordingMessageSink messages;
    const cli::DesignRun run = cli::runDesign(request, exePath, messages);
    const output::CalcOutput out = cli::calcOutputOf(request, run, messages.messages);
    // Appended piece by piece: GCC 12 warns falsely about a literal joined in front at -O3.
    std::string text = "{\"line\":";
    text.append(std::to_string(line)).append(1, ',');
    return text.append(output::calcOutputJson(out).substr(1)).append(1, '\n');
}

TEST(CalcBatch, ReadsTheTablesOnceAndGivesEachLineAsTheDesignAlone) {
    const torvelix::testing::ShippedTables tables;
    const std::string exe = tables.exePath();
    // Spring 383 of the default inputs, a three-strand class sorted by mass, a custom
    // spring, and a design that lists nothing.
    const std::vector<std::map<std::string, std::string>> designs = {
        {},
        {{"class", "9"}, {"F2", "300"}, {"dmin", "20"}, {"dmax", "30"}, {"sort", "mass"}},
        {{"wire-d", "2"}, {"D1", "16"}},
        {{"F1", "1"}, {"F2", "2"}},
    };
    std::vector<std::string> expected;
    for (std::size_t k = 0; k < designs.size(); ++k) {
        expected.push_back(aloneLine(static_cast<int>(k) + 2, designs[k], exe));
    }
    ASSERT_NE(expected[0].find("\"number\":383"), std::string::npos);
    ASSERT_NE(expected[1].find("\"candidates\":[{"), std::string::npos);

    const std::string text = "class,F2,dmin,dmax,sort,wire-d,D1,F1\n"
                             ",,,,,,,\n"
                             "9,300,20,30,mass,,,\n"
                             ",,,,,2,16,\n"
                             ",2,,,,,,1\n";
    std::vector<std::string> written;
    RecordingMessageSink messages;
    const cli::BatchOutcome outcome = cli::runBatchText(
        text, exe,
        [&](const std::string& line) {
            written.push_back(line);
            // After the first line every table file is gone: the rest is computed from
            // the tables read before the batch began.
            for (const auto& entry : std::filesystem::directory_iterator(tables.dir())) {
                std::filesystem::remove(entry.path());
            }
        },
        messages);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_TRUE(outcome.headerOk);
    EXPECT_EQ(outcome.designs, 4);
    EXPECT_EQ(outcome.failed, 1); // the design that lists nothing warns
    EXPECT_EQ(written, expected);
}

TEST(CalcBatch, TablesMissingAtTheStartAreReportedOnEveryLine) {
    const torvelix::testing::ShippedTables tables({"13766"});
    std::vector<std::string> written;
    RecordingMessageSink messages;
    const cli::BatchOutcome outcome = cli::runBatchText(
        "class\n0\n0\n", tables.exePath(),
        [&](const std::string& line) { written.push_back(line); }, messages);
    EXPECT_EQ(outcome.failed, 2);
    ASSERT_EQ(written.size(), 2u);
    for (const std::string& line : written) {
        EXPECT_NE(line.find("Не могу найти таблицу"), std::string::npos) << line;
        EXPECT_NE(line.find("_13766.dat"), std::string::npos) << line;
    }
}

} // namespace
