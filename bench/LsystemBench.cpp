#include "base/TextLines.h"
#include "lsystem/ExampleLSystems.h"
#include "lsystem/LSystemCompiler.h"
#include "lsystem/PlantGenerator.h"
#include "lsystem/StringRewriter.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

namespace burgeon {
namespace {

constexpr std::size_t TenMillion = 10'000'000;

// "Compile L-system" then "Generate Plant" on one block of the example file.
void BM_ExampleBlock(benchmark::State& state) {
    const auto blocks = splitLSystemBlocks(splitLines(ExampleLSystemsText));
    const auto& block = blocks.at(static_cast<std::size_t>(state.range(0) - 1));
    PlantState plant;
    RandomSource random{1};
    for (auto _ : state) {
        const bool done =
            compileLSystem(block, plant).completed && generatePlant(plant, 45.0f, random).completed;
        benchmark::DoNotOptimize(done);
    }
    state.counters["nodes"] = plant.nodeCount;
}
BENCHMARK(BM_ExampleBlock)->DenseRange(1, 7)->Unit(benchmark::kMicrosecond);

// One pass of a rule over a string of ten million characters, half of them rewritten.
void BM_RewritePassTenMillion(benchmark::State& state) {
    std::string text;
    text.reserve(TenMillion);
    while (text.size() < TenMillion) {
        text += "AI";
    }
    const RewriteRule rule{"A", "P"};
    std::string out;
    for (auto _ : state) {
        applyRuleInto(text, rule, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * out.size()));
}
BENCHMARK(BM_RewritePassTenMillion)->Unit(benchmark::kMillisecond);

// "A=AA" from "A" up to 2^23 characters (just below the limit): every iteration doubles.
void BM_RewriteDoubling(benchmark::State& state) {
    PlantState plant;
    std::vector<std::string> lines = {"Plant{",  "Iterations=23", "Angle=45", "Diameter=1",
                                      "Axiom=A", "A=AA",          "}"};
    std::size_t produced = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(compileLSystem(lines, plant).completed);
        produced = plant.resultString.size();
    }
    // Characters written over all iterations: 2 + 4 + ... + 2^23.
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * (2 * produced - 2)));
}
BENCHMARK(BM_RewriteDoubling)->Unit(benchmark::kMillisecond);

// The floor: a plain copy of the same number of bytes.
void BM_MemcpyTenMillion(benchmark::State& state) {
    const std::string source(TenMillion, 'A');
    std::string target(TenMillion, ' ');
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), TenMillion);
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * TenMillion));
}
BENCHMARK(BM_MemcpyTenMillion)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace burgeon
