#include "imageio/JpegWriter.h"

#include "base/OutputFiles.h"
#include "base/StandardError.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace burgeon {

namespace {

// libjpeg reports errors through a callback that must not return; it jumps back to the
// encoder's entry instead of ending the process.
struct ErrorJump {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void jumpOnError(j_common_ptr info) {
    auto* error = reinterpret_cast<ErrorJump*>(info->err);
    std::longjmp(error->jump, 1);
}

void silence(j_common_ptr, int) {}

// The part that may jump: nothing with a destructor lives in this frame.
bool compress(jpeg_compress_struct& info, ErrorJump& error, const RgbImage& image, int quality,
              unsigned char** buffer, unsigned long* size) {
    if (setjmp(error.jump) != 0) {
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, buffer, size);
    info.image_width = static_cast<JDIMENSION>(image.width());
    info.image_height = static_cast<JDIMENSION>(image.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, std::clamp(quality, 0, 100), TRUE);
    jpeg_start_compress(&info, TRUE);
    const auto rowBytes = static_cast<std::size_t>(image.width()) * 3;
    while (info.next_scanline < info.image_height) {
        auto* row = const_cast<JSAMPLE*>(image.bytes().data() + info.next_scanline * rowBytes);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    return true;
}

} // namespace

std::optional<std::string> encodeJpeg(const RgbImage& image, int quality) {
    if (image.empty()) {
        return std::nullopt;
    }
    jpeg_compress_struct info{};
    ErrorJump error{};
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = jumpOnError;
    error.manager.emit_message = silence;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool done = compress(info, error, image, quality, &buffer, &size);
    jpeg_destroy_compress(&info);
    std::optional<std::string> bytes;
    if (done && buffer != nullptr) {
        bytes.emplace(reinterpret_cast<const char*>(buffer), size);
    }
    std::free(buffer);
    return bytes;
}

void writeJpegFile(const std::string& fileName, const RgbImage& image, int quality) {
    const std::optional<std::string> bytes = encodeJpeg(image, quality);
    if (!bytes) {
        throw StandardError::cannotCreateFile(fileName);
    }
    writeFileAtomically(fileName, *bytes);
}

} // namespace burgeon
