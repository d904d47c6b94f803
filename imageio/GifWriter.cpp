#include "imageio/GifWriter.h"

#include "base/OutputFiles.h"
#include "base/StandardError.h"

#include <algorithm>
#include <array>

#include <gif_lib.h>

namespace burgeon {

namespace {

constexpr char GifTrailer = ';';

int appendOutput(GifFileType* gif, const GifByteType* bytes, int count) {
    auto* out = static_cast<std::string*>(gif->UserData);
    out->append(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(count));
    return count;
}

// giflib fails only when it runs out of memory; its error code is reported.
void check(GifFileType* gif, int result) {
    if (result != GIF_OK) {
        throw StandardError::ioError(gif->Error);
    }
}

GifFileType* openEncoder(std::string& out) {
    int error = 0;
    GifFileType* gif = EGifOpen(&out, appendOutput, &error);
    if (gif == nullptr) {
        throw StandardError::ioError(error);
    }
    return gif;
}

// One image block: its descriptor with the local palette, then the pixel rows.
void putImage(GifFileType* gif, const IndexedImage& image, int width, int height) {
    std::array<GifColorType, FramePaletteSize> colors{};
    for (std::size_t i = 0; i < colors.size() && i < image.palette.size(); ++i) {
        colors[i].Red = static_cast<GifByteType>(image.palette[i].red);
        colors[i].Green = static_cast<GifByteType>(image.palette[i].green);
        colors[i].Blue = static_cast<GifByteType>(image.palette[i].blue);
    }
    ColorMapObject* map = GifMakeMapObject(FramePaletteSize, colors.data());
    if (map == nullptr) {
        throw StandardError::ioError(E_GIF_ERR_NOT_ENOUGH_MEM);
    }
    const int result = EGifPutImageDesc(gif, 0, 0, width, height, false, map);
    GifFreeMapObject(map);
    check(gif, result);
    std::vector<GifPixelType> row(static_cast<std::size_t>(width));
    for (int y = 0; y < height; ++y) {
        const auto* start = image.indices.data() +
                            static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width);
        std::copy(start, start + width, row.begin());
        check(gif, EGifPutLine(gif, row.data(), width));
    }
}

void putLoopExtension(GifFileType* gif) {
    static const char identifier[] = "NETSCAPE2.0";
    const GifByteType loop[3] = {1, 0, 0}; // sub-block 1: loop count 0, endless
    check(gif, EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE));
    check(gif, EGifPutExtensionBlock(gif, 11, identifier));
    check(gif, EGifPutExtensionBlock(gif, 3, loop));
    check(gif, EGifPutExtensionTrailer(gif));
}

void putDelayExtension(GifFileType* gif, int delay) {
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSAL_UNSPECIFIED;
    control.UserInputFlag = false;
    control.DelayTime = std::clamp(delay, 0, 65535);
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    GifByteType bytes[4];
    const auto length = static_cast<int>(EGifGCBToExtension(&control, bytes));
    check(gif, EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, length, bytes));
}

} // namespace

std::string encodeGif(const RgbImage& image) {
    if (image.empty()) {
        throw StandardError::ioError(E_GIF_ERR_DATA_TOO_BIG);
    }
    const IndexedImage indexed = reduceToFramePalette(image);
    std::string out;
    GifFileType* gif = openEncoder(out);
    try {
        check(gif, EGifPutScreenDesc(gif, image.width(), image.height(), 8, 0, nullptr));
        putImage(gif, indexed, image.width(), image.height());
    } catch (...) {
        EGifCloseFile(gif, nullptr);
        throw;
    }
    int error = 0;
    if (EGifCloseFile(gif, &error) != GIF_OK) {
        throw StandardError::ioError(error);
    }
    return out;
}

void writeGifFile(const std::string& fileName, const RgbImage& image) {
    std::string bytes;
    try {
        bytes = encodeGif(image);
    } catch (const StandardError&) {
        throw StandardError::cannotCreateFile(fileName);
    }
    writeFileAtomically(fileName, bytes);
}

struct AnimatedGif::Encoder {
    std::string stream;
    GifFileType* gif = nullptr;
};

AnimatedGif::AnimatedGif(int bits) : reductionBits(bits), encoder_(std::make_unique<Encoder>()) {}

AnimatedGif::~AnimatedGif() {
    if (encoder_->gif != nullptr) {
        EGifCloseFile(encoder_->gif, nullptr);
    }
}

void AnimatedGif::addFrame(const RgbImage& frame, int delay) {
    if (frame.empty()) {
        return;
    }
    GifFileType*& gif = encoder_->gif;
    if (gif == nullptr) {
        gif = openEncoder(encoder_->stream);
        screenWidth_ = frame.width();
        screenHeight_ = frame.height();
        EGifSetGifVersion(gif, true);
        check(gif, EGifPutScreenDesc(gif, screenWidth_, screenHeight_, 8, 0, nullptr));
    }
    const IndexedImage indexed = reduceToFramePalette(frame);
    if (frameCount_ == 0) {
        putLoopExtension(gif);
    }
    putDelayExtension(gif, delay);
    putImage(gif, indexed, std::min(frame.width(), screenWidth_),
             std::min(frame.height(), screenHeight_));
    ++frameCount_;
}

std::string AnimatedGif::encode() const {
    if (encoder_->gif == nullptr) {
        return {};
    }
    return encoder_->stream + GifTrailer;
}

void AnimatedGif::save(const std::string& fileName) const {
    if (frameCount_ == 0) {
        // A GIF needs at least its screen; an animation without frames is not written.
        throw StandardError::cannotCreateFile(fileName);
    }
    writeFileAtomically(fileName, encode());
}

} // namespace burgeon
