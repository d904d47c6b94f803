#include "base/FileIo.h"

#include <algorithm>
#include <cctype>

#include "base/StandardError.h"

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace burgeon {

namespace {

// Closes a descriptor on every way out.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { close(); }

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    void close() {
        if (fd_ >= 0) {
            ::close(std::exchange(fd_, -1));
        }
    }

private:
    int fd_;
};

FileContent failure(FileReadStatus status, int code) {
    FileContent content;
    content.status = status;
    content.systemError = code;
    return content;
}

} // namespace

FileContent readRegularFile(const std::string& fileName, std::uint64_t maxBytes) {
    Descriptor file(::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!file.valid()) {
        const int code = errno;
        const bool missing = code == ENOENT || code == ENOTDIR;
        return failure(missing ? FileReadStatus::NotFound : FileReadStatus::SystemError, code);
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) {
        return failure(FileReadStatus::SystemError, errno);
    }
    if (!S_ISREG(info.st_mode)) {
        return failure(FileReadStatus::NotRegularFile, S_ISDIR(info.st_mode) ? EISDIR : ENODEV);
    }
    if (info.st_size < 0 || static_cast<std::uint64_t>(info.st_size) > maxBytes) {
        return failure(FileReadStatus::TooLarge, EFBIG);
    }
    FileContent content;
    content.bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(file.get(), buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return failure(FileReadStatus::SystemError, errno);
        }
        if (count == 0) {
            return content;
        }
        if (content.bytes.size() + static_cast<std::size_t>(count) > maxBytes) {
            return failure(FileReadStatus::TooLarge, EFBIG); // it grew while it was read
        }
        content.bytes.append(buffer, static_cast<std::size_t>(count));
    }
}

std::string readFileText(const std::string& fileName, const FileSizeLimit& limit) {
    FileContent content = readRegularFile(fileName, limit.bytes);
    switch (content.status) {
    case FileReadStatus::Read:
        return std::move(content.bytes);
    case FileReadStatus::TooLarge:
        throw StandardError::fileTooLarge(fileName, limit);
    default:
        throw StandardError::cannotOpenFile(fileName);
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

std::string formatByteSize(std::uint64_t bytes) {
    if (bytes >= MiB && bytes % MiB == 0) {
        return std::to_string(bytes / MiB) + " MB";
    }
    if (bytes >= KiB && bytes % KiB == 0) {
        return std::to_string(bytes / KiB) + " KB";
    }
    return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
}

} // namespace burgeon
