#pragma once

// Decodes GIF files with giflib's reader so that tests check what a viewer would see.

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
    int delay = -1; // -1: no graphic control extension
    bool transparent = false;
    bool loopExtension = false;
    int loopCount = -1;

    RgbColor pixel(int x, int y) const {
        return palette[indices[static_cast<std::size_t>(y * width + x)]];
    }
};

struct DecodedGif {
    bool valid = false;
    int screenWidth = 0;
    int screenHeight = 0;
    std::vector<DecodedFrame> frames;
};

inline int readFromString(GifFileType* gif, GifByteType* out, int count) {
    auto* source = static_cast<std::pair<const std::string*, std::size_t>*>(gif->UserData);
    const std::size_t left = source->first->size() - source->second;
    const std::size_t taken = std::min(left, static_cast<std::size_t>(count));
    std::memcpy(out, source->first->data() + source->second, taken);
    source->second += taken;
    return static_cast<int>(taken);
}

inline DecodedGif decodeGif(const std::string& bytes) {
    DecodedGif decoded;
    std::pair<const std::string*, std::size_t> source{&bytes, 0};
    int error = 0;
    GifFileType* gif = DGifOpen(&source, readFromString, &error);
    if (gif == nullptr) {
        return decoded;
    }
    if (DGifSlurp(gif) != GIF_OK) {
        DGifCloseFile(gif, &error);
        return decoded;
    }
    decoded.valid = true;
    decoded.screenWidth = gif->SWidth;
    decoded.screenHeight = gif->SHeight;
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& image = gif->SavedImages[i];
        DecodedFrame frame;
        frame.width = image.ImageDesc.Width;
        frame.height = image.ImageDesc.Height;
        const ColorMapObject* map =
            image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
        if (map != nullptr) {
            for (int c = 0; c < map->ColorCount; ++c) {
                frame.palette.push_back(
                    {map->Colors[c].Red, map->Colors[c].Green, map->Colors[c].Blue});
            }
        }
        frame.indices.assign(image.RasterBits,
                             image.RasterBits + static_cast<std::size_t>(frame.width) *
                                                    static_cast<std::size_t>(frame.height));
        GraphicsControlBlock control{};
        if (DGifSavedExtensionToGCB(gif, i, &control) == GIF_OK) {
            frame.delay = control.DelayTime;
            frame.transparent = control.TransparentColor != NO_TRANSPARENT_COLOR;
        }
        for (int e = 0; e < image.ExtensionBlockCount; ++e) {
            const ExtensionBlock& block = image.ExtensionBlocks[e];
            if (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11 &&
                std::memcmp(block.Bytes, "NETSCAPE2.0", 11) == 0) {
                frame.loopExtension = true;
                if (e + 1 < image.ExtensionBlockCount) {
                    const ExtensionBlock& data = image.ExtensionBlocks[e + 1];
                    if (data.ByteCount == 3 && data.Bytes[0] == 1) {
                        frame.loopCount = data.Bytes[1] | (data.Bytes[2] << 8);
                    }
                }
            }
        }
        decoded.frames.push_back(std::move(frame));
    }
    DGifCloseFile(gif, &error);
    return decoded;
}

inline DecodedGif decodeGifFile(const std::string& fileName) {
    std::ifstream file(fileName, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    return decodeGif(bytes);
}

} // namespace burgeon::testing
