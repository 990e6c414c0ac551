// Time of the preliminary selection on the largest shipped spring table (13770,
// class II category 1) with inputs that list many candidates.
#include "class_values.h"
#include "selection.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <stdexcept>

namespace {

std::string SelfPath() { return std::filesystem::read_symlink("/proc/self/exe").string(); }

void BM_PreliminarySelection(benchmark::State& bench) {
    using namespace torvelix;
    calc::DesignState state;
    calc::ControlStates controls;
    RecordingMessageSink messages;
    controls.classItem = 4;
    calc::SelectClassInto(state, SelfPath(), 4, messages);
    if (!state.tables.TablesOk) {
        bench.SkipWithError("tables beside the benchmark are missing");
        return;
    }
    controls.eF2 = bench.range(0) == 0 ? "80" : "400";
    controls.eDn1 = std::string("1"); // moved in: GCC 12 -Wrestrict misfires on "1"
    controls.eDn2 = "1000";
    std::size_t candidates = 0;
    for (auto _ : bench) {
        messages.messages.clear();
        auto out = calc::PreliminarySelection(state, controls, messages);
        benchmark::DoNotOptimize(out.mm1.data());
        candidates = 0;
        for (const auto& line : out.mm1) {
            candidates += line.rfind("Номер пружины", 0) == 0;
        }
    }
    bench.counters["candidates"] = static_cast<double>(candidates);
    // Seconds per candidate: the inverse of the candidate rate.
    bench.counters["per_candidate"] = benchmark::Counter(
        static_cast<double>(candidates) * static_cast<double>(bench.iterations()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_PreliminarySelection)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
