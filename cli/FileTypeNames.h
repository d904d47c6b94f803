#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace burgeon {

// An option or positional that names a file says so in its type name, which the help shows in
// place of "TEXT" and the shell completion reads: "FILE.burgeon" (a file with that extension),
// "FILE.png|.bmp|.jpg" (any of them), "FILE" (any file), "DIR" (a folder), optionally after a
// prefix ("[ORGAN=]FILE"). Every command declares its file options with these names.
inline constexpr std::string_view AnyFileType = "FILE";
inline constexpr std::string_view FolderType = "DIR";

// "FILE.ext|.ext" for the extensions (without their dots).
std::string fileType(std::span<const std::string_view> extensions);
std::string fileType(std::string_view extension);
// The same from the format tables: the listed picture, the mesh and the video extensions.
std::string pictureFileType();
std::string meshFileType();
std::string videoFileType();

// What a type name (as CLI11 gives it, with the descriptions of the option's checks after a
// ':') says about the files it takes: a folder, or files with one of the extensions (any file
// when there are none). Nothing when the value names no file.
struct FileValue {
    bool folder = false;
    std::vector<std::string> extensions;
};
std::optional<FileValue> fileValueOf(std::string_view typeName);

} // namespace burgeon
