// Per-frame cost of a capture run at 800 x 600: the frame palette, the GIF frame, the JPEG
// frame, beside ImageMagick reducing the same frame to a 256-colour GIF without dithering.

#include "base/RandomSource.h"
#include "imageio/BmpWriter.h"
#include "imageio/FramePalette.h"
#include "imageio/GifWriter.h"
#include "imageio/JpegWriter.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

using burgeon::RgbColor;
using burgeon::RgbImage;

// A shaded plant over a textured ground: black sky, a grass band of noisy greens, a brown stem
// lit from one side and a dozen leaves whose green darkens towards their edges.
RgbImage plantFrame() {
    constexpr int width = 800;
    constexpr int height = 600;
    RgbImage image(width, height, {0, 0, 0});
    burgeon::RandomSource random(7);
    for (int y = 420; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int shade = (y - 420) / 4;
            image.setPixel(x, y,
                           {30 + random.uniformInt(40), 70 + shade + random.uniformInt(60),
                            20 + random.uniformInt(30)});
        }
    }
    for (int y = 120; y < 480; ++y) {
        for (int x = 390; x < 410; ++x) {
            const double light = std::cos((x - 395) / 20.0 * 3.14159);
            image.setPixel(
                x, y, {static_cast<int>(90 + 50 * light), static_cast<int>(60 + 30 * light), 30});
        }
    }
    for (int leaf = 0; leaf < 12; ++leaf) {
        const int centreX = leaf % 2 == 0 ? 330 : 470;
        const int centreY = 150 + leaf * 25;
        for (int y = -25; y <= 25; ++y) {
            for (int x = -60; x <= 60; ++x) {
                const double r = (x * x) / 3600.0 + (y * y) / 625.0;
                if (r <= 1.0) {
                    const double light = 1.0 - 0.6 * r;
                    image.setPixel(centreX + x, centreY + y,
                                   {static_cast<int>(40 * light),
                                    static_cast<int>((150 + leaf * 5) * light),
                                    static_cast<int>(50 * light)});
                }
            }
        }
    }
    return image;
}

const RgbImage& frame() {
    static const RgbImage image = plantFrame();
    return image;
}

void OctreePalette(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(burgeon::framePalette(frame()));
    }
}
BENCHMARK(OctreePalette)->Unit(benchmark::kMillisecond);

void FramePaletteReduction(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(burgeon::reduceToFramePalette(frame()));
    }
}
BENCHMARK(FramePaletteReduction)->Unit(benchmark::kMillisecond);

void GifSingleFrame(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(burgeon::encodeGif(frame()));
    }
}
BENCHMARK(GifSingleFrame)->Unit(benchmark::kMillisecond);

void AnimatedGifFrame(benchmark::State& state) {
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
BENCHMARK(AnimatedGifFrame)->Unit(benchmark::kMillisecond);

void JpegFrame(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(burgeon::encodeJpeg(frame(), 80));
    }
}
BENCHMARK(JpegFrame)->Unit(benchmark::kMillisecond);

void ImageMagickGifFrame(benchmark::State& state) {
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
BENCHMARK(ImageMagickGifFrame)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
