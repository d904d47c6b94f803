// Per-frame cost of a capture run written as video at 800 x 600, H.264 in MP4 and VP9 in
// WebM, to set beside the animated GIF frame of CaptureBench.cpp:
//   burgeon_bench --benchmark_filter='animatedGifFrame|videoFrame'
// Frames are a plant growing and swaying over a still ground, 40 drawn frames played forwards
// and backwards; every clip of 200 frames (6 s) is finished, which encodes the frames the
// encoder held back and syncs the file to the disk, and the next one opened outside the
// timing. Encoders run threads of their own, so the wall-clock time counts.
// videoSpeed compares the encoders' speed settings with the ones VideoFormat chose.

#include "bench/PlantFrame.h"
#include "video/FfmpegVideoOutput.h"
#include "video/VideoEncoder.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

using burgeon::RgbImage;

constexpr int DrawnFrames = 40;
constexpr int ClipFrames = 200;

const std::vector<RgbImage>& growingPlant() {
    static const std::vector<RgbImage> frames = [] {
        std::vector<RgbImage> drawn;
        drawn.reserve(DrawnFrames);
        for (int frame = 0; frame < DrawnFrames; ++frame) {
            drawn.push_back(burgeon::bench::plantFrame(frame));
        }
        return drawn;
    }();
    return frames;
}

// Whole clips, timed by the wall clock.
void perFrame(benchmark::internal::Benchmark* benchmark) {
    benchmark->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2 * ClipFrames);
}

std::string benchFile(const std::string& name) {
    const auto folder = std::filesystem::temp_directory_path() / "burgeon-video-bench";
    std::filesystem::create_directories(folder);
    return (folder / name).string();
}

// Adds the clip's frames one per iteration to clips that open() makes at path, finishing
// each; the counter gives the size of the finished files per frame.
template <typename Open>
void encodeClips(benchmark::State& state, const std::string& path, Open open) {
    const std::vector<RgbImage>& frames = growingPlant();
    auto clip = open();
    int index = 0;
    double finishedBytes = 0;
    int finishedFrames = 0;
    for (auto _ : state) {
        const int step = index % DrawnFrames;
        clip->addFrame(frames[(index / DrawnFrames) % 2 == 0 ? step : DrawnFrames - 1 - step]);
        if (++index == ClipFrames) {
            clip->finish();
            state.PauseTiming();
            finishedBytes += static_cast<double>(std::filesystem::file_size(path));
            finishedFrames += ClipFrames;
            clip = open();
            index = 0;
            state.ResumeTiming();
        }
    }
    clip.reset(); // the timing has ended with the loop
    std::filesystem::remove_all(std::filesystem::path(path).parent_path());
    if (finishedFrames > 0) {
        state.counters["kB_per_frame"] = finishedBytes / 1000 / finishedFrames;
    }
}

void videoFrame(benchmark::State& state, const char* fileName) {
    const std::string path = benchFile(fileName);
    encodeClips(state, path, [&] {
        return std::make_unique<burgeon::VideoEncoder>(path, 800, 600,
                                                       burgeon::FrameRate::fromFrameDelay(3));
    });
}
BENCHMARK_CAPTURE(videoFrame, H264, "Plant.mp4")->Apply(perFrame);
BENCHMARK_CAPTURE(videoFrame, Vp9, "Plant.webm")->Apply(perFrame);

// The stream under VideoEncoder with other encoder settings.
class StreamClip {
public:
    StreamClip(const burgeon::VideoFormat& format, const std::string& path)
        : stream_(format, {path, path, 800, 600, burgeon::FrameRate::fromFrameDelay(3), {}}) {}
    void addFrame(const RgbImage& frame) { stream_.write(frame); }
    void finish() { stream_.finish(); }

private:
    burgeon::FfmpegVideoOutput stream_;
};

void videoSpeed(benchmark::State& state, const char* fileName, const char* encoderOptions) {
    burgeon::VideoFormat format = burgeon::VideoFormat::forFileName(fileName);
    format.encoderOptions = encoderOptions;
    const std::string path = benchFile(fileName);
    encodeClips(state, path, [&] { return std::make_unique<StreamClip>(format, path); });
}
BENCHMARK_CAPTURE(videoSpeed, H264_ultrafast, "Plant.mp4", "preset=ultrafast")->Apply(perFrame);
BENCHMARK_CAPTURE(videoSpeed, H264_veryfast, "Plant.mp4", "preset=veryfast")->Apply(perFrame);
BENCHMARK_CAPTURE(videoSpeed, H264_medium, "Plant.mp4", "preset=medium")->Apply(perFrame);
BENCHMARK_CAPTURE(videoSpeed, Vp9_realtime_8, "Plant.webm", "deadline=realtime:cpu-used=8:row-mt=1")
    ->Apply(perFrame);
BENCHMARK_CAPTURE(videoSpeed, Vp9_realtime_6, "Plant.webm", "deadline=realtime:cpu-used=6:row-mt=1")
    ->Apply(perFrame);
BENCHMARK_CAPTURE(videoSpeed, Vp9_good_4, "Plant.webm", "deadline=good:cpu-used=4:row-mt=1")
    ->Apply(perFrame);

} // namespace
