#pragma once

#include "imageio/RgbImage.h"

#include <span>
#include <string>
#include <string_view>

namespace burgeon {

// One picture format a single frame is written in: the extension of its file names, its name,
// whether texts list it (".jpeg" is taken but only ".jpg" is named) and how its bytes are made.
struct PictureFormatInfo {
    std::string_view extension; // without its dot
    std::string_view name;
    bool listed;
};

// Every picture format, in the order texts list them. The command line's help and messages
// are made from this table.
std::span<const PictureFormatInfo> pictureFormats();

// Whether a file name ends in the extension of a picture format (any case).
bool isPictureFileName(const std::string& fileName);
// ".png, .bmp or .jpg".
std::string pictureExtensionList();

// The picture file's bytes in the format its extension names (JPEG at the start-up quality of
// "Jpeg Compression (%)"). Throws "Cannot create file %s" when the encoder fails or the name
// ends in no picture format's extension.
std::string encodePicture(const std::string& fileName, const RgbImage& image);

} // namespace burgeon
