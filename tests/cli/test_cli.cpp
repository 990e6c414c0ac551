// The command line run in-process: every golden case of `torvelix calc`, a drawing
// written by `torvelix draw`, the table check, and the command-line errors.
#include "command_line.h"
#include "cp1251.h"
#include "scratch_folder.h"
#include "shipped_tables.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using torvelix::cli::CliServices;
using torvelix::cli::runCommandLine;
using torvelix::testing::readText;
using torvelix::testing::ScratchFolder;
using torvelix::testing::ShippedTables;

struct CliRun {
    int status = -1;
    std::string out, err;
};

// Runs the command line with standard output and standard error sent to files.
CliRun run(const std::vector<std::string>& words, const std::string& exePath,
           const CliServices& services = {}) {
    ScratchFolder capture;
    const std::string outPath = capture.file("out"), errPath = capture.file("err");
    std::fflush(stdout);
    std::fflush(stderr);
    const int savedOut = ::dup(1), savedErr = ::dup(2);
    std::FILE* out = std::fopen(outPath.c_str(), "wb");
    std::FILE* err = std::fopen(errPath.c_str(), "wb");
    ::dup2(::fileno(out), 1);
    ::dup2(::fileno(err), 2);
    CliRun result;
    result.status = runCommandLine(words, exePath, services);
    std::fflush(stdout);
    std::fflush(stderr);
    ::dup2(savedOut, 1);
    ::dup2(savedErr, 2);
    ::close(savedOut);
    ::close(savedErr);
    std::fclose(out);
    std::fclose(err);
    result.out = readText(outPath);
    result.err = readText(errPath);
    return result;
}

std::vector<std::string> linesOf(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
        text.replace(at, from.size(), to);
        at += to.size();
    }
    return text;
}

class CommandLine : public ::testing::Test {
protected:
    ShippedTables tables_;
};

TEST_F(CommandLine, EveryGoldenCalculationCaseGivesItsOutputMessagesAndStatus) {
    int cases = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(TORVELIX_TEST_DIR) + "/cases")) {
        const std::filesystem::path dir = entry.path();
        if (!std::filesystem::exists(dir / "args")) {
            continue;
        }
        SCOPED_TRACE(dir.filename().string());
        std::vector<std::string> words = {"calc"};
        for (const std::string& arg : linesOf(dir / "args")) {
            words.push_back(arg);
        }
        const CliRun result = run(words, tables_.exePath());
        EXPECT_EQ(result.out, readText(dir / "expected.out"));
        EXPECT_EQ(replaced(result.err, tables_.dir().string(), "<DIR>"),
                  readText(dir / "expected.err"));
        EXPECT_EQ(std::to_string(result.status) + "\n", readText(dir / "expected.code"));
        ++cases;
    }
    EXPECT_GE(cases, 10);
}

TEST_F(CommandLine, DrawWritesTheDrawingAndRefusesWhatCannotBeDrawn) {
    ScratchFolder out;
    const std::string dxf = out.file("spring.dxf");
    CliRun result = run({"draw", "--view", "full", "--ends", "3", "--D0", "40", "--d", "4", "--t",
                         "12", "--n", "8", "-o", dxf},
                        tables_.exePath());
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    const std::string drawing = readText(dxf);
    EXPECT_NE(drawing.find("ENTITIES"), std::string::npos);
    EXPECT_NE(drawing.find("EOF"), std::string::npos);

    // A pitch no larger than the wire makes no coils: refused, the file left as it was.
    result = run({"draw", "--view", "full", "--ends", "3", "--D0", "40", "--d", "4", "--t", "4",
                  "--n", "8", "-o", dxf},
                 tables_.exePath());
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err.rfind("error: ", 0), 0u) << result.err;
    EXPECT_EQ(readText(dxf), drawing);

    // A number with a comma names the conversion, as the window's general error does.
    result = run({"draw", "--view", "full", "--ends", "3", "--D0", "40", "--d", "4,5", "--t", "12",
                  "--n", "8", "-o", dxf},
                 tables_.exePath());
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "error: Неверное число '4,5'. Дробную часть отделяйте точкой.\n");

    // Without the executable's PDF writer, a PDF is refused and nothing is written.
    const std::string pdf = out.file("spring.pdf");
    result = run({"draw", "--view", "full", "--ends", "3", "--D0", "40", "--d", "4", "--t", "12",
                  "--n", "8", "-o", pdf},
                 tables_.exePath());
    EXPECT_EQ(result.status, 1);
    EXPECT_FALSE(std::filesystem::exists(pdf));
    // With one registered, it is the one that writes, whatever the suffix's letter case.
    CliServices services;
    torvelix::cad::OutputFormat lent;
    lent.name = "PDF";
    lent.suffixes = {"pdf"};
    lent.bytes = [](const torvelix::cad::DrawingDocument&) { return std::string("%PDF-lent"); };
    services.drawingFormats.add(lent);
    const std::string upper = out.file("spring.PDF");
    result = run({"draw", "--view", "full", "--ends", "3", "--D0", "40", "--d", "4", "--t", "12",
                  "--n", "8", "-o", upper},
                 tables_.exePath(), services);
    EXPECT_EQ(result.status, 0) << result.err;
    std::ifstream written(upper, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(written), {}), "%PDF-lent");
}

TEST_F(CommandLine, TheTitleBlockTakesTheMaterialAndMassGivenAndNoneOtherwise) {
    ScratchFolder out;
    const std::string plain = out.file("plain.dxf"), named = out.file("named.dxf");
    const std::vector<std::string> base = {"draw", "--eskd", "--view", "full", "--ends", "3",
                                           "--D0", "40",     "--d",    "4",    "--t",    "12",
                                           "--n",  "8",      "--L0",   "110"};
    std::vector<std::string> words = base;
    words.insert(words.end(), {"-o", plain});
    ASSERT_EQ(run(words, tables_.exePath()).status, 0);
    words = base;
    words.insert(words.end(), {"--material", "Сталь 60С2А", "--mass", "0,123", "-o", named});
    ASSERT_EQ(run(words, tables_.exePath()).status, 0);
    // The drawing's texts are in Windows-1251.
    const auto dxfText = [](const char* utf8) { return *torvelix::utf8ToCp1251(utf8); };
    EXPECT_NE(readText(named).find(dxfText("Сталь 60С2А")), std::string::npos);
    EXPECT_NE(readText(named).find("0,123"), std::string::npos);
    // No class was chosen: no class's blank standard or wire class stands in the block,
    // and no material at all.
    EXPECT_EQ(readText(plain).find(dxfText("Сталь")), std::string::npos);
    EXPECT_EQ(readText(plain).find(dxfText("Проволока")), std::string::npos);
}

TEST_F(CommandLine, BadCommandLinesAreStatusTwoAndTablesAreChecked) {
    CliRun result = run({"calc", "--frobnicate"}, tables_.exePath());
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("unknown option --frobnicate"), std::string::npos);
    result = run({"draw", "--view", "oblique", "--ends", "1", "--D0", "20", "--d", "2", "--t", "6",
                  "--n", "6", "-o", "x.dxf"},
                 tables_.exePath());
    EXPECT_EQ(result.status, 2);
    // The title block's entries belong to the complete drawing.
    result = run({"draw", "--view", "full", "--ends", "1", "--D0", "20", "--d", "2", "--t", "6",
                  "--n", "6", "--developer", "Иванов", "-o", "x.dxf"},
                 tables_.exePath());
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("--developer goes with --eskd"), std::string::npos) << result.err;
    EXPECT_EQ(run({"nonsense"}, tables_.exePath()).status, 2);
    EXPECT_EQ(run({}, tables_.exePath()).status, 2);

    result = run({"check-tables"}, tables_.exePath());
    EXPECT_EQ(result.status, 0) << result.out;
    EXPECT_EQ(result.out, "");
    // A missing table is a fault the check names.
    ShippedTables incomplete({"13770"});
    result = run({"check-tables"}, incomplete.exePath());
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.out.find("torvelix_13770.dat"), std::string::npos);
}

} // namespace
