// Time of a batch of 10,000 designs on the shipped tables: the CSV read, every design's
// selection and report, and its line of JSON (the lines are counted, not kept).
#include "calc_batch.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace {

using namespace torvelix;

// 10,000 designs over classes 0 .. 4, forces, strokes and diameter ranges that list
// between none and a few dozen candidates each.
std::string batchText(int designs) {
    std::string text = "class,F1,F2,h,dmin,dmax,sort\n";
    const char* sorts[] = {"", "mass", "margin"};
    for (int k = 0; k < designs; ++k) {
        const int item = k % 5;
        const int f1 = 10 + k % 7 * 5;
        const int f2 = f1 + 30 + k % 11 * 10;
        const int dmin = 6 + k % 13;
        text += std::to_string(item) + "," + std::to_string(f1) + "," + std::to_string(f2) + "," +
                std::to_string(5 + k % 9) + "," + std::to_string(dmin) + "," +
                std::to_string(dmin + 2 + k % 3) + "," + sorts[k % 3] + "\n";
    }
    return text;
}

void BM_Batch(benchmark::State& bench) {
    const std::string exe = std::filesystem::read_symlink("/proc/self/exe").string();
    const std::string text = batchText(static_cast<int>(bench.range(0)));
    RecordingMessageSink messages;
    std::size_t bytes = 0;
    for (auto _ : bench) {
        const cli::BatchOutcome outcome = cli::runBatchText(
            text, exe, [&](const std::string& line) { bytes += line.size(); }, messages);
        benchmark::DoNotOptimize(outcome);
    }
    bench.counters["designs"] = static_cast<double>(bench.range(0));
    bench.counters["json_bytes"] =
        static_cast<double>(bytes) / static_cast<double>(bench.iterations());
}
BENCHMARK(BM_Batch)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
