#include "fuzz/FuzzEntries.h"
#include "imageio/BmpReader.h"

#include <string>

namespace burgeon {

void runBitmapInput(std::string_view bytes) {
    const auto pixels = decodeBitmap(std::string(bytes));
    if (!pixels) {
        return; // no picture: the texture stays plain
    }
    // The upload hands width x height RGBA pixels to the pipeline, which reads exactly that
    // many bytes from the buffer.
    const auto expected =
        static_cast<std::uint64_t>(pixels->width) * static_cast<std::uint64_t>(pixels->height) * 4;
    if (pixels->width <= 0 || pixels->height <= 0 || pixels->rgba.size() != expected) {
        throw FuzzFinding("the decoded pixels do not fill width x height");
    }
    // Four bytes a pixel from at least three in the file: never more than 4/3 of its size.
    if (expected * 3 > static_cast<std::uint64_t>(bytes.size()) * 4) {
        throw FuzzFinding("the pixels take more memory than the file's rows can hold");
    }
}

} // namespace burgeon
