// The peak memory of a mesh export of the 5000-organ bench plant, still and growing over 1000
// and 10000 frames: each export runs in a child process of its own, which reports its peak
// resident size (VmHWM) from the moment it starts the export.
#include "BenchPlant.h"

#include "components/LeafTextures.h"
#include "mesh/ProjectMeshExport.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace burgeon {

namespace {

// A field of /proc/self/status in kilobytes ("VmHWM:", "VmRSS:").
std::uint64_t statusKilobytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string name;
    std::uint64_t value = 0;
    while (status >> name) {
        if (name == field && status >> value) {
            return value;
        }
        status.ignore(1 << 10, '\n');
    }
    return 0;
}

struct ExportMemory {
    std::uint64_t startKilobytes = 0;
    std::uint64_t peakKilobytes = 0;
    std::uint64_t fileBytes = 0;
    bool completed = false;
};

// The export of `frames` frames (0: the plant still at the bench time) in a child process.
ExportMemory exportInChild(int frames, const std::string& file) {
    int channel[2];
    if (pipe(channel) != 0) {
        return {};
    }
    const pid_t child = fork();
    if (child == 0) {
        ::close(channel[0]);
        ExportMemory memory;
        try {
            BenchScene scene;
            loadLeafTexture(scene.leafTextures, std::string(BURGEON_EXAMPLES) + "/leaf.bmp");
            MeshExportRequest request;
            request.fileName = file;
            request.landPictureFile = std::string(BURGEON_EXAMPLES) + "/" + LandTextureFile;
            request.time = BenchFrameTime;
            if (frames > 0) {
                // Frames from 0 in steps that end on the last one: 99.9 for 1000 frames.
                const double step = 100.0 / frames;
                request.growth = GrowthTimeline{0.0, step * (frames - 1), step, 25.0};
            }
            // The peak from here on: the plant, its meshes and the file's writing.
            std::ofstream("/proc/self/clear_refs") << "5";
            memory.startKilobytes = statusKilobytes("VmRSS:");
            exportProjectMesh(scene, scene.clock, request);
            memory.peakKilobytes = statusKilobytes("VmHWM:");
            memory.fileBytes = std::filesystem::file_size(file);
            memory.completed = true;
        } catch (...) {
            memory.completed = false;
        }
        [[maybe_unused]] const auto written = ::write(channel[1], &memory, sizeof memory);
        ::_exit(0);
    }
    ::close(channel[1]);
    ExportMemory memory;
    if (::read(channel[0], &memory, sizeof memory) != static_cast<ssize_t>(sizeof memory)) {
        memory.completed = false;
    }
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return memory;
}

void BM_ExportPeakMemory(benchmark::State& state) {
    const int frames = static_cast<int>(state.range(0));
    const auto folder = std::filesystem::temp_directory_path() / "burgeon-memory-bench";
    std::filesystem::create_directories(folder);
    const std::string file = (folder / "plant.glb").string();
    ExportMemory memory;
    for (auto _ : state) {
        memory = exportInChild(frames, file);
    }
    if (!memory.completed) {
        state.SkipWithError("the export failed");
        return;
    }
    state.counters["frames"] = frames;
    state.counters["start_rss_MB"] = static_cast<double>(memory.startKilobytes) / 1024.0;
    state.counters["peak_rss_MB"] = static_cast<double>(memory.peakKilobytes) / 1024.0;
    state.counters["file_MB"] = static_cast<double>(memory.fileBytes) / (1024.0 * 1024.0);
    std::filesystem::remove_all(folder);
}

} // namespace

// Frames 0: the still plant, the single-frame export the growing ones are held to.
BENCHMARK(BM_ExportPeakMemory)
    ->Arg(0)
    ->Arg(1000)
    ->Arg(10000)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

} // namespace burgeon
