// Time of the preliminary selection and the final report: on the largest shipped spring
// table (13770, class II category 1) with inputs that list many candidates, and on a
// generated 100,000-line spring table with 8,000 candidates.
#include "candidate_text.h"
#include "class_values.h"
#include "report_text.h"
#include "selection.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

namespace fs = std::filesystem;
using namespace torvelix;

std::string selfPath() {
    return fs::read_symlink("/proc/self/exe").string();
}

void reportCounters(benchmark::State& bench, std::size_t candidates) {
    bench.counters["candidates"] = static_cast<double>(candidates);
    // Seconds per candidate: the inverse of the candidate rate.
    bench.counters["per_candidate"] = benchmark::Counter(
        static_cast<double>(candidates) * static_cast<double>(bench.iterations()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Args: classification item, F2 and the kind (0 single-, 1 three-strand). Item 4 (table 13770)
// lists 35 candidates for F2 80 and 400; item 8 (three-strand, table 13774) lists 50 for F2 130.
void BM_PreliminarySelection(benchmark::State& bench) {
    calc::DesignState state;
    calc::DesignInputs controls;
    RecordingMessageSink messages;
    const int item = static_cast<int>(bench.range(0));
    controls.classItem = item;
    calc::selectClassInto(state, selfPath(), item, messages);
    if (!state.tables.TablesOk) {
        bench.SkipWithError("tables beside the benchmark are missing");
        return;
    }
    controls.kind =
        bench.range(2) == 1 ? calc::SpringKind::ThreeStrand : calc::SpringKind::SingleStrand;
    controls.eF2 = std::to_string(bench.range(1));
    controls.eDn1 = std::string("1"); // moved in: GCC 12 -Wrestrict misfires on "1"
    controls.eDn2 = "1000";
    std::size_t candidates = 0;
    for (auto _ : bench) {
        messages.messages.clear();
        auto out = calc::preliminarySelection(state, controls, messages);
        const auto mm1 = output::candidateMemoLines(out.list);
        benchmark::DoNotOptimize(mm1.data());
        candidates = out.list.candidates.size();
    }
    reportCounters(bench, candidates);
}
BENCHMARK(BM_PreliminarySelection)
    ->Args({4, 80, 0})
    ->Args({4, 400, 0})
    ->Args({8, 130, 1})
    ->Unit(benchmark::kMillisecond);

// A folder with the shipped tables and, as table 13766, 100,000 rows of which the
// first two of every 25 (8,000 in all) have an F3 inside 84.2 .. 106.7 N (F2 80,
// class I) and an outer diameter inside 10 .. 20 mm.
class LargeTableFolder {
public:
    LargeTableFolder() : dir_(fs::temp_directory_path() / ("torvelix_bench_" + suffix())) {
        fs::create_directories(dir_);
        const std::string base = tables::ExeBase(selfPath());
        for (const char* number : tables::kTableNumbers) {
            fs::copy_file(base + "_" + number + ".dat", table(number),
                          fs::copy_options::overwrite_existing);
        }
        std::ofstream out(table("13766"), std::ios::binary | std::ios::trunc);
        static const char* const kCandidates[] = {"   100  2.00   12      30  3.33",
                                                  "   106  2.00   14      30  3.53"};
        for (int line = 0; line < 100000; ++line) {
            const int slot = line % 25;
            out << (slot < 2 ? kCandidates[slot] : "  10.0  1.00  8.0   3.000  3.33") << "\r\n";
        }
    }
    ~LargeTableFolder() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    std::string exePath() const { return (dir_ / "spring.exe").string(); }

private:
    static std::string suffix() { return std::to_string(std::random_device{}()); }
    std::string table(const char* number) const {
        return (dir_ / (std::string("spring_") + number + ".dat")).string();
    }
    fs::path dir_;
};

void BM_LargeTableSelectionAndReport(benchmark::State& bench) {
    LargeTableFolder folder;
    calc::DesignState state;
    calc::DesignInputs controls;
    RecordingMessageSink messages;
    controls.classItem = 0;
    calc::selectClassInto(state, folder.exePath(), 0, messages);
    if (!state.tables.TablesOk) {
        bench.SkipWithError("tables beside the benchmark are missing");
        return;
    }
    controls.eDn1 = "10";
    controls.eDn2 = "20";
    std::size_t candidates = 0;
    std::size_t reportLines = 0;
    for (auto _ : bench) {
        messages.messages.clear();
        auto selection = calc::preliminarySelection(state, controls, messages);
        auto report = calc::finalCalculation(state, controls, messages);
        const auto mm1 = output::candidateMemoLines(selection.list);
        const auto mm2 =
            report.report ? output::reportMemoLines(*report.report) : std::vector<std::string>{};
        benchmark::DoNotOptimize(mm1.data());
        benchmark::DoNotOptimize(mm2.data());
        candidates = selection.list.candidates.size();
        reportLines = mm2.size();
    }
    bench.counters["report_lines"] = static_cast<double>(reportLines);
    reportCounters(bench, candidates);
}
BENCHMARK(BM_LargeTableSelectionAndReport)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
