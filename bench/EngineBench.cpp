#include "BenchPlant.h"

#include "engine/Pictures.h"
#include "engine/PlantCamera.h"

#include <benchmark/benchmark.h>

namespace burgeon {
namespace {

// The engine's calls as the Python module makes them, on the bench plant's session at the
// benchmarks' time. bench/python_bench.py times the same calls through the module.
constexpr double SessionTime = BenchFrameTime;

void BM_EngineOrganTable(benchmark::State& state) {
    HeadlessPlant plant = openBenchPlant();
    std::size_t rows = 0;
    for (auto _ : state) {
        const std::vector<OrganTableRow> table = plantOrganTable(plant, SessionTime);
        rows = table.size();
        benchmark::DoNotOptimize(table.data());
    }
    state.counters["organs"] = static_cast<double>(rows);
}

// One picture of 800 x 600 on the camera's kept view, read back.
void BM_EnginePicture(benchmark::State& state) {
    HeadlessPlant plant = openBenchPlant();
    PlantCamera camera;
    for (auto _ : state) {
        const RgbImage picture = camera.picture(plant, SessionTime, {800, 600});
        benchmark::DoNotOptimize(picture.bytes().data());
    }
}

} // namespace

BENCHMARK(BM_EngineOrganTable)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_EnginePicture)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace burgeon
