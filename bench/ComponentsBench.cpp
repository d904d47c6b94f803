#include "base/FileIo.h"
#include "components/ShapeLibraryReader.h"
#include "components/ShapePreview.h"
#include "components/SurfacePreparation.h"
#include "imageio/BmpReader.h"

#include <benchmark/benchmark.h>

namespace {

using namespace burgeon;

std::string exampleShapes() {
    return readFileText(std::string(BURGEON_EXAMPLES) + "/shapes/plant-shapes.txt");
}

// Reading the example library (nine shapes), as "Open 3D Surface" does.
void BM_ReadShapeLibrary(benchmark::State& state) {
    const std::string text = exampleShapes();
    for (auto _ : state) {
        std::vector<OrganShape> entries;
        readShapeLibrary(text, entries);
        benchmark::DoNotOptimize(entries.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadShapeLibrary);

// What one leaf selection costs: copy, normals, texture coordinates and the preview.
void BM_SelectLeafShape(benchmark::State& state) {
    std::vector<OrganShape> entries;
    readShapeLibrary(exampleShapes(), entries);
    const OrganShape& leaf = entries.front();
    OrganSurface surface;
    RgbImage preview(ShapePreviewWidth, ShapePreviewHeight);
    for (auto _ : state) {
        copyShapeToSurface(leaf, surface);
        prepareLeafShape(leaf, surface);
        drawShapePreview(leaf, PreviewKind::Leaf, preview);
        benchmark::DoNotOptimize(surface.normalsFront.data());
    }
}
BENCHMARK(BM_SelectLeafShape);

// Decoding a 128 x 128 texture file already in memory.
void BM_DecodeTexture(benchmark::State& state) {
    const std::string bytes = readFileText(std::string(BURGEON_EXAMPLES) + "/leaf.bmp");
    for (auto _ : state) {
        auto pixels = decodeBitmap(bytes);
        benchmark::DoNotOptimize(pixels);
    }
}
BENCHMARK(BM_DecodeTexture);

} // namespace
