#include "growth/GrowthDataFile.h"

#include "base/StandardError.h"

#include <cerrno>
#include <cstdio>
#include <memory>

namespace burgeon {

namespace {

[[noreturn]] void throwForError(int code) {
    if (code == ENOENT || code == ENOTDIR) {
        throw StandardError::fileNotFound();
    }
    throw StandardError::ioError(code);
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

std::string readGrowthDataFile(const std::string& fileName) {
    errno = 0;
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(fileName.c_str(), "rb"));
    if (!file) {
        throwForError(errno);
    }
    std::string text;
    char buffer[4096];
    for (;;) {
        errno = 0;
        const std::size_t count = std::fread(buffer, 1, sizeof buffer, file.get());
        for (std::size_t i = 0; i < count; ++i) {
            if (buffer[i] == '\x1a') {
                return text; // the end-of-file mark ends the text
            }
            text += buffer[i];
        }
        if (count < sizeof buffer) {
            if (std::ferror(file.get())) {
                throwForError(errno != 0 ? errno : EIO);
            }
            return text;
        }
    }
}

} // namespace burgeon
