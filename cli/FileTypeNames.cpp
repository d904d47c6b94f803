#include "cli/FileTypeNames.h"

#include "imageio/PictureFormats.h"
#include "mesh/MeshFormats.h"
#include "video/VideoFormat.h"

#include <cctype>

namespace burgeon {

std::string fileType(std::span<const std::string_view> extensions) {
    std::string text(AnyFileType);
    for (std::size_t i = 0; i < extensions.size(); ++i) {
        text += (i == 0 ? "." : "|.") + std::string(extensions[i]);
    }
    return text;
}

std::string fileType(std::string_view extension) {
    return fileType(std::span(&extension, 1));
}

std::string pictureFileType() {
    std::vector<std::string_view> extensions;
    for (const PictureFormatInfo& format : pictureFormats()) {
        if (format.listed) {
            extensions.push_back(format.extension);
        }
    }
    return fileType(extensions);
}

std::string meshFileType() {
    std::vector<std::string_view> extensions;
    for (const MeshFormatInfo& format : meshFormats()) {
        extensions.push_back(format.extension);
    }
    return fileType(extensions);
}

std::string videoFileType() {
    std::vector<std::string_view> extensions;
    for (const VideoFormat& format : videoFormats()) {
        extensions.push_back(format.extension);
    }
    return fileType(extensions);
}

namespace {

// Whether the word at `at` starts a word of the name (not the end of "PROFILE").
bool startsWord(std::string_view name, std::size_t at) {
    return at == 0 || std::isalpha(static_cast<unsigned char>(name[at - 1])) == 0;
}

} // namespace

std::optional<FileValue> fileValueOf(std::string_view typeName) {
    const std::string_view name = typeName.substr(0, typeName.find(':'));
    if (name.ends_with(FolderType) && startsWord(name, name.size() - FolderType.size())) {
        return FileValue{true, {}};
    }
    // The last "FILE" and the extensions after it.
    const auto file = name.rfind(AnyFileType);
    if (file == std::string_view::npos || !startsWord(name, file)) {
        return std::nullopt;
    }
    std::string_view rest = name.substr(file + AnyFileType.size());
    FileValue value;
    // ".ext", then "|.ext" for each further one.
    while (!rest.empty()) {
        const auto end = rest.find('|');
        const std::string_view extension = rest.substr(0, end);
        if (extension.size() < 2 || extension.front() != '.') {
            return std::nullopt;
        }
        value.extensions.emplace_back(extension.substr(1));
        if (end == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(end + 1);
        if (rest.empty()) {
            return std::nullopt; // a bar with nothing after it
        }
    }
    return value;
}

} // namespace burgeon
