#pragma once

// GIF files decoded with giflib's reader, so that tests check what a viewer sees.

#include "base/UserInterface.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gif_lib.h>

namespace burgeon::testing {

struct DecodedFrame {
    int width = 0;
    int height = 0;
    std::vector<RgbColor> palette;
    std::vector<unsigned char> indices;
    int delay = -1;     // -1: no graphic control extension
    int loopCount = -1; // -1: no "NETSCAPE2.0" extension
    bool transparent = false;

    RgbColor pixel(int x, int y) const { return palette[indices[y * width + x]]; }
};

struct DecodedGif {
    bool valid = false;
    int screenWidth = 0;
    int screenHeight = 0;
    std::vector<DecodedFrame> frames;
};

inline DecodedGif decodeGif(std::string bytes) {
    DecodedGif decoded;
    const auto read = [](GifFileType* gif, GifByteType* out, int count) {
        auto* rest = static_cast<std::string*>(gif->UserData);
        const std::size_t taken = std::min(rest->size(), static_cast<std::size_t>(count));
        std::copy_n(rest->data(), taken, out);
        rest->erase(0, taken);
        return static_cast<int>(taken);
    };
    int error = 0;
    GifFileType* gif = DGifOpen(&bytes, read, &error);
    if (gif == nullptr || DGifSlurp(gif) != GIF_OK) {
        DGifCloseFile(gif, &error);
        return decoded;
    }
    decoded = {true, gif->SWidth, gif->SHeight, {}};
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& image = gif->SavedImages[i];
        DecodedFrame& frame = decoded.frames.emplace_back();
        frame.width = image.ImageDesc.Width;
        frame.height = image.ImageDesc.Height;
        const ColorMapObject* map = image.ImageDesc.ColorMap;
        for (int c = 0; map != nullptr && c < map->ColorCount; ++c) {
            frame.palette.push_back(
                {map->Colors[c].Red, map->Colors[c].Green, map->Colors[c].Blue});
        }
        frame.indices.assign(image.RasterBits, image.RasterBits + frame.width * frame.height);
        GraphicsControlBlock control{};
        if (DGifSavedExtensionToGCB(gif, i, &control) == GIF_OK) {
            frame.delay = control.DelayTime;
            frame.transparent = control.TransparentColor != NO_TRANSPARENT_COLOR;
        }
        for (int e = 0; e + 1 < image.ExtensionBlockCount; ++e) {
            const ExtensionBlock& block = image.ExtensionBlocks[e];
            const ExtensionBlock& data = image.ExtensionBlocks[e + 1];
            if (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11 &&
                std::memcmp(block.Bytes, "NETSCAPE2.0", 11) == 0 && data.ByteCount == 3) {
                frame.loopCount = data.Bytes[1] | (data.Bytes[2] << 8);
            }
        }
    }
    DGifCloseFile(gif, &error);
    return decoded;
}

inline DecodedGif decodeGifFile(const std::string& fileName) {
    std::ifstream file(fileName, std::ios::binary);
    return decodeGif({std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()});
}

} // namespace burgeon::testing
