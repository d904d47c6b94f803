// Per-frame cost of a capture run at 800 x 600: the frame palette, the GIF frame, the JPEG
// frame, beside ImageMagick reducing the same frame to a 256-colour GIF without dithering.

#include "bench/PlantFrame.h"
#include "imageio/BmpWriter.h"
#include "imageio/FramePalette.h"
#include "imageio/GifWriter.h"
#include "imageio/JpegWriter.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

using burgeon::RgbImage;

const RgbImage& frame() {
    static const RgbImage image = burgeon::bench::plantFrame();
    return image;
}

void octreePalette(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(burgeon::framePalette(frame()));
    }
}
BENCHMARK(octreePalette)->Unit(benchmark::kMillisecond);

void framePaletteReduction(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(burgeon::reduceToFramePalette(frame()));
    }
}
BENCHMARK(framePaletteReduction)->Unit(benchmark::kMillisecond);

void gifSingleFrame(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(burgeon::encodeGif(frame()));
    }
}
BENCHMARK(gifSingleFrame)->Unit(benchmark::kMillisecond);

void animatedGifFrame(benchmark::State& state) {
    auto animation = std::make_unique<burgeon::AnimatedGif>(6);
    for (auto _ : state) {
        animation->addFrame(frame(), 3);
        if (animation->frameCount() == 50) {
            state.PauseTiming();
            animation = std::make_unique<burgeon::AnimatedGif>(6);
            state.ResumeTiming();
        }
    }
}
BENCHMARK(animatedGifFrame)->Unit(benchmark::kMillisecond);

void jpegFrame(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(burgeon::encodeJpeg(frame(), 80));
    }
}
BENCHMARK(jpegFrame)->Unit(benchmark::kMillisecond);

void imageMagickGifFrame(benchmark::State& state) {
    const char* convert = "/usr/bin/convert";
    if (!std::filesystem::exists(convert)) {
        state.SkipWithError("/usr/bin/convert is not installed");
        return;
    }
    const auto folder = std::filesystem::temp_directory_path() / "burgeon-capture-bench";
    std::filesystem::create_directories(folder);
    const std::string bitmap = (folder / "frame.bmp").string();
    const std::string gif = (folder / "out.gif").string();
    burgeon::writeBmpFile(bitmap, frame());
    const std::string command = std::string(convert) + " " + bitmap + " +dither -colors 256 " + gif;
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("convert failed");
            break;
        }
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(imageMagickGifFrame)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
