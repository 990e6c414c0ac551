// Benchmark: the spring's solid built and written as a STEP file, for 10 and for 255
// working coils (closed, ground ends; D 40, d 4, t 12), as `torvelix draw --model` does.
#include "scratch_folder.h"
#include "spring_solid.h"

#include <benchmark/benchmark.h>

namespace {

using namespace torvelix;

void buildAndWriteStep(benchmark::State& state) {
    geometry::DrawingParams params;
    params.EndType = geometry::EndType::ClosedGround;
    params.D0 = 40;
    params.d = 4;
    params.t = 12;
    params.n = static_cast<int>(state.range(0));
    const model3d::SpringModelParams model = model3d::modelFromDrawing(params);
    torvelix::testing::ScratchFolder folder;
    const std::string path = folder.file("spring.step");
    for (auto _ : state) {
        model3d::writeSpringModel(model, path);
    }
}
// The ends are cut on two threads and the library runs its own: the processor time is the
// whole process's.
BENCHMARK(buildAndWriteStep)
    ->Arg(10)
    ->Arg(255)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

} // namespace

BENCHMARK_MAIN();
