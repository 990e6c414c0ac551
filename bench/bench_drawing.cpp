// Benchmark: the full view of a spring with 500 working coils drawn into the built-in
// drawing document, then written as a DXF file. The view is called directly, prepared as
// the driver prepares it: the driver itself refuses more than 255 coils (a byte).
#include "drawing_document.h"
#include "drawing_driver.h"
#include "dxf_writer.h"
#include "spring_fit.h"
#include "spring_geometry.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

using namespace torvelix;

struct Drawing {
    cad::DrawingDocument document;
    geometry::DrawingState state;

    void draw(int coils) {
        document.clear();
        geometry::DrawingParams params;
        params.ViewType = geometry::ViewType::Full;
        params.EndType = geometry::EndType::Open;
        params.n = coils;
        params.D0 = 20;
        params.d = 2;
        params.t = 6;
        state.TargetSpace = &document.ModelSpace();
        state.PickStart = cad::Point{0, 0, 0};
        state.InsertPoint = state.PickStart;
        state.CoilTilt = std::atan(params.t / (2 * params.D0));
        state.InsertPoint.x += geometry::endAllowance(params, state.CoilTilt);
        geometry::DrawFullView(state, params);
    }
};

void BM_FullViewDraw(benchmark::State& state) {
    Drawing drawing;
    const int coils = static_cast<int>(state.range(0));
    for (auto _ : state) {
        drawing.draw(coils);
        benchmark::DoNotOptimize(drawing.document.entityCount());
    }
    state.counters["entities"] = static_cast<double>(drawing.document.entityCount());
}
BENCHMARK(BM_FullViewDraw)->Arg(500)->Unit(benchmark::kMillisecond);

void BM_FullViewDrawAndWriteDxf(benchmark::State& state) {
    Drawing drawing;
    const int coils = static_cast<int>(state.range(0));
    const std::string path =
        (std::filesystem::temp_directory_path() / "torvelix_bench_drawing.dxf").string();
    for (auto _ : state) {
        drawing.draw(coils);
        cad::writeDxf(drawing.document, path);
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::remove(path.c_str());
}
BENCHMARK(BM_FullViewDrawAndWriteDxf)->Arg(500)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
