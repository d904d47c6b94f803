// Compares a picture the program wrote with its committed baseline:
//     burgeon_image_compare PICTURE BASELINE THRESHOLD OUTPUT
// PICTURE is a PNG or BMP file; it is kept as OUTPUT.png. A pixel differs when one of its
// channels is more than ChannelTolerance away from the baseline's; the pictures match when at
// most THRESHOLD percent of the pixels differ. On a mismatch the difference picture is
// written as OUTPUT.diff.png (differing pixels in red over a dimmed baseline) and the exit
// status is 1.
//     burgeon_image_compare --update PICTURE BASELINE
// makes PICTURE the new baseline (a PNG file).
#include "imageio/BmpReader.h"
#include "imageio/PngWriter.h"
#include "imageio/RgbImage.h"

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>

namespace {

using burgeon::RgbColor;
using burgeon::RgbImage;

constexpr int ChannelTolerance = 24;

std::optional<std::string> readBytes(const std::string& fileName) {
    std::ifstream file(fileName, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

std::optional<RgbImage> decodePng(const std::string& bytes) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()) == 0) {
        return std::nullopt;
    }
    image.format = PNG_FORMAT_RGB;
    RgbImage picture(static_cast<int>(image.width), static_cast<int>(image.height));
    if (png_image_finish_read(&image, nullptr, picture.bytes().data(), 0, nullptr) == 0) {
        png_image_free(&image);
        return std::nullopt;
    }
    return picture;
}

std::optional<RgbImage> readPicture(const std::string& fileName) {
    const auto bytes = readBytes(fileName);
    if (!bytes) {
        return std::nullopt;
    }
    if (bytes->rfind("BM", 0) == 0) {
        const auto bitmap = burgeon::decodeBitmap(*bytes);
        if (!bitmap) {
            return std::nullopt;
        }
        RgbImage picture(bitmap->width, bitmap->height);
        for (int y = 0; y < bitmap->height; ++y) {
            for (int x = 0; x < bitmap->width; ++x) {
                const auto at = static_cast<std::size_t>((y * bitmap->width + x) * 4);
                picture.setPixel(x, y,
                                 {bitmap->rgba[at], bitmap->rgba[at + 1], bitmap->rgba[at + 2]});
            }
        }
        return picture;
    }
    return decodePng(*bytes);
}

bool differs(RgbColor a, RgbColor b) {
    return std::abs(a.red - b.red) > ChannelTolerance ||
           std::abs(a.green - b.green) > ChannelTolerance ||
           std::abs(a.blue - b.blue) > ChannelTolerance;
}

} // namespace

int updateBaseline(const std::string& pictureFile, const std::string& baselineFile) {
    const auto picture = readPicture(pictureFile);
    if (!picture) {
        std::cerr << pictureFile << ": not a picture this test can read\n";
        return 1;
    }
    burgeon::writePngFile(baselineFile, *picture);
    std::cout << "baseline written: " << baselineFile << '\n';
    return 0;
}

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--update") {
        return updateBaseline(argv[2], argv[3]);
    }
    if (argc != 5) {
        std::cerr << "usage: burgeon_image_compare PICTURE BASELINE THRESHOLD OUTPUT\n"
                     "       burgeon_image_compare --update PICTURE BASELINE\n";
        return 2;
    }
    const std::string pictureFile = argv[1];
    const std::string baselineFile = argv[2];
    const double threshold = std::atof(argv[3]);
    const std::string output = argv[4];
    const std::string actualFile = output + ".png";
    const std::string differenceFile = output + ".diff.png";

    const auto actual = readPicture(pictureFile);
    if (!actual) {
        std::cerr << pictureFile << ": not a picture this test can read\n";
        return 1;
    }
    burgeon::writePngFile(actualFile, *actual);
    const auto baseline = readPicture(baselineFile);
    if (!baseline) {
        std::cerr << baselineFile << ": no baseline picture (scripts/update-baselines.sh)\n";
        return 1;
    }
    if (actual->width() != baseline->width() || actual->height() != baseline->height()) {
        std::cerr << actualFile << " is " << actual->width() << " x " << actual->height()
                  << ", the baseline " << baseline->width() << " x " << baseline->height() << '\n';
        return 1;
    }

    RgbImage difference(actual->width(), actual->height());
    long differing = 0;
    for (int y = 0; y < actual->height(); ++y) {
        for (int x = 0; x < actual->width(); ++x) {
            const RgbColor a = actual->pixel(x, y);
            const RgbColor b = baseline->pixel(x, y);
            if (differs(a, b)) {
                ++differing;
                difference.setPixel(x, y, {255, 0, 0});
            } else {
                const int grey = (b.red + b.green + b.blue) / 9;
                difference.setPixel(x, y, {grey, grey, grey});
            }
        }
    }
    const double percent =
        100.0 * static_cast<double>(differing) / (actual->width() * actual->height());
    std::cout << actualFile << ": " << differing << " pixels (" << percent
              << " %) differ from the baseline; threshold " << threshold << " %\n";
    if (percent <= threshold) {
        std::remove(differenceFile.c_str());
        return 0;
    }
    burgeon::writePngFile(differenceFile, difference);
    std::cerr << "difference picture: " << differenceFile << '\n';
    return 1;
}
