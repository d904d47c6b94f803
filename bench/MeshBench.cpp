#include "BenchPlant.h"

#include "components/LeafTextures.h"
#include "imageio/BmpReader.h"
#include "mesh/GltfWriter.h"
#include "mesh/MeshExport.h"
#include "mesh/PlantMeshBuilder.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <optional>

namespace burgeon {

namespace {

// The bench plant with the example leaf and grass pictures as textures.
struct MeshBenchScene : BenchScene {
    MeshBenchScene()
        : leafPicture(readBitmapFile(std::string(BURGEON_EXAMPLES) + "/leaf.bmp")),
          landPicture(readBitmapFile(std::string(BURGEON_EXAMPLES) + "/" + LandTextureFile)) {}

    MeshExportInputs exportInputs() {
        MeshExportInputs in =
            projectExportInputs(*this, clock, landPicture ? &*landPicture : nullptr);
        in.shapes.leafTexture = leafPicture ? &*leafPicture : nullptr;
        return in;
    }

    std::optional<BitmapPixels> leafPicture;
    std::optional<BitmapPixels> landPicture;
};

std::string scratchFile(const std::string& name) {
    const auto folder = std::filesystem::temp_directory_path() / "burgeon-mesh-bench";
    std::filesystem::create_directories(folder);
    return (folder / name).string();
}

// The whole export of one still plant: the walks, the meshes, the .glb written to disk. One
// frame's walk of the same plant is BM_WalkRecording.
void BM_MeshExportGlb(benchmark::State& state) {
    MeshBenchScene scene;
    const std::string file = scratchFile("plant.glb");
    std::size_t organs = 0;
    for (auto _ : state) {
        const MeshScene mesh = buildPlantMesh(scene.exportInputs(), BenchFrameTime);
        writeMeshFile(file, mesh);
        organs = mesh.organs.size();
    }
    state.counters["organs"] = static_cast<double>(organs);
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(file));
}

// Its two halves: the walks into placed meshes, and the glTF encoding.
void BM_MeshBuildPlant(benchmark::State& state) {
    MeshBenchScene scene;
    for (auto _ : state) {
        benchmark::DoNotOptimize(buildPlantMesh(scene.exportInputs(), BenchFrameTime));
    }
}

void BM_MeshEncodeGlb(benchmark::State& state) {
    MeshBenchScene scene;
    const MeshScene mesh = buildPlantMesh(scene.exportInputs(), BenchFrameTime);
    for (auto _ : state) {
        benchmark::DoNotOptimize(encodeGlb(mesh));
    }
    state.counters["meshes"] = static_cast<double>(mesh.meshes.size());
}

// The plant growing from 0 to 60 in steps of 1: 61 walks and the animation.
void BM_MeshExportGrowthGlb(benchmark::State& state) {
    MeshBenchScene scene;
    const std::string file = scratchFile("growth.glb");
    for (auto _ : state) {
        writeMeshFile(file, buildGrowthMesh(scene.exportInputs(), {0.0, 60.0, 1.0, 25.0}));
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(file));
}

// The flattened formats, every vertex of every organ written out.
void BM_MeshExportObj(benchmark::State& state) {
    MeshBenchScene scene;
    const MeshScene mesh = buildPlantMesh(scene.exportInputs(), BenchFrameTime);
    const std::string file = scratchFile("plant.obj");
    for (auto _ : state) {
        writeMeshFile(file, mesh);
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(file));
}

void BM_MeshExportPly(benchmark::State& state) {
    MeshBenchScene scene;
    const MeshScene mesh = buildPlantMesh(scene.exportInputs(), BenchFrameTime);
    const std::string file = scratchFile("plant.ply");
    for (auto _ : state) {
        writeMeshFile(file, mesh);
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(file));
}

} // namespace

BENCHMARK(BM_MeshExportGlb)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MeshBuildPlant)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MeshEncodeGlb)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MeshExportGrowthGlb)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MeshExportObj)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MeshExportPly)->Unit(benchmark::kMillisecond);

} // namespace burgeon
