#pragma once

#include <string>
#include <string_view>

namespace burgeon {

// The whole content of a file; throws "Cannot open file %s" when it cannot be read.
std::string readFileText(const std::string& fileName);

// Writes a file whole or not at all: a temporary file in the same folder, flushed, then
// renamed over the target. Throws "Cannot create file %s" on any failure; an existing file
// of that name is then left as it was.
void writeFileAtomically(const std::string& fileName, std::string_view content);

// The extension of a file name in lower case, without its dot; empty when there is none.
std::string fileExtension(const std::string& fileName);

// Folder and name joined with the platform's separator.
std::string joinPath(const std::string& folder, const std::string& name);

} // namespace burgeon
