#include "base/FileIo.h"

#include <algorithm>
#include <cctype>

#include "base/StandardError.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace burgeon {

std::string readFileText(const std::string& fileName) {
    std::ifstream file(fileName, std::ios::binary);
    if (!file) {
        throw StandardError::cannotOpenFile(fileName);
    }
    std::ostringstream content;
    content << file.rdbuf();
    if (file.bad()) {
        throw StandardError::cannotOpenFile(fileName);
    }
    return content.str();
}

void writeFileAtomically(const std::string& fileName, std::string_view content) {
    std::string temporary = fileName + ".XXXXXX";
    const int descriptor = mkstemp(temporary.data());
    if (descriptor < 0) {
        throw StandardError::cannotCreateFile(fileName);
    }
    bool written = true;
    const char* data = content.data();
    std::size_t remaining = content.size();
    while (remaining > 0) {
        const ssize_t count = ::write(descriptor, data, remaining);
        if (count <= 0) {
            written = false;
            break;
        }
        data += count;
        remaining -= static_cast<std::size_t>(count);
    }
    // mkstemp creates the file readable by its owner only; give it the usual permissions.
    written = written && fchmod(descriptor, 0644) == 0 && fsync(descriptor) == 0;
    written = (::close(descriptor) == 0) && written;
    if (!written || std::rename(temporary.c_str(), fileName.c_str()) != 0) {
        std::remove(temporary.c_str());
        throw StandardError::cannotCreateFile(fileName);
    }
}

std::string joinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) {
        return name;
    }
    if (folder.back() == '/') {
        return folder + name;
    }
    return folder + "/" + name;
}

std::string fileExtension(const std::string& fileName) {
    const auto dot = fileName.rfind('.');
    const auto slash = fileName.find_last_of("/\\");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return "";
    }
    std::string extension = fileName.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

} // namespace burgeon
