#include "imageio/PngWriter.h"

#include "base/OutputFiles.h"
#include "base/StandardError.h"

#include <png.h>

#include <stdexcept>

namespace burgeon {

namespace {

void appendBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::string*>(png_get_io_ptr(png));
    out->append(reinterpret_cast<const char*>(data), length);
}

void flushNothing(png_structp) {}

[[noreturn]] void raiseError(png_structp, png_const_charp message) {
    throw std::runtime_error(message);
}

void ignoreWarning(png_structp, png_const_charp) {}

} // namespace

std::string encodePng(const RgbImage& image) {
    std::string out;
    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, raiseError, ignoreWarning);
    if (png == nullptr) {
        throw std::runtime_error("cannot start the PNG encoder");
    }
    png_infop info = png_create_info_struct(png);
    try {
        if (info == nullptr) {
            throw std::runtime_error("cannot start the PNG encoder");
        }
        png_set_write_fn(png, &out, appendBytes, flushNothing);
        png_set_IHDR(png, info, static_cast<png_uint_32>(image.width()),
                     static_cast<png_uint_32>(image.height()), 8, PNG_COLOR_TYPE_RGB,
                     PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        const auto rowBytes = static_cast<std::size_t>(image.width()) * 3;
        for (int y = 0; y < image.height(); ++y) {
            auto* row = const_cast<png_bytep>(image.bytes().data() + rowBytes * y);
            png_write_row(png, row);
        }
        png_write_end(png, nullptr);
    } catch (...) {
        png_destroy_write_struct(&png, &info);
        throw;
    }
    png_destroy_write_struct(&png, &info);
    return out;
}

void writePngFile(const std::string& fileName, const RgbImage& image) {
    writeFileAtomically(fileName, encodePng(image));
}

} // namespace burgeon
