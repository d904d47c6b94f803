#include "mesh/ScratchFile.h"

#include "base/FileErrors.h"
#include "base/StandardError.h"
#include "base/TemporaryFiles.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace burgeon {

namespace {

constexpr std::size_t BufferSize = 1 << 20;

} // namespace

ScratchFile::ScratchFile(const std::string& exportedFile) : exportedFile_(exportedFile) {
    namespace fs = std::filesystem;
    const fs::path parent = fs::path(exportedFile).parent_path();
    // Without a file to export, the system's temporary folder.
    const fs::path folder =
        exportedFile.empty() ? fs::temp_directory_path() : (parent.empty() ? "." : parent);
    descriptor_ = openScratchDescriptor(folder.string());
    if (descriptor_ < 0) {
        fail(errno);
    }
}

ScratchFile::~ScratchFile() {
    ::close(descriptor_);
}

std::uint64_t ScratchFile::append(const void* data, std::size_t size) {
    const std::uint64_t offset = this->size();
    buffer_.append(static_cast<const char*>(data), size);
    if (buffer_.size() >= BufferSize) {
        flush();
    }
    return offset;
}

void ScratchFile::read(std::uint64_t offset, void* data, std::size_t size) {
    if (offset + size > written_) {
        flush();
    }
    auto* into = static_cast<char*>(data);
    while (size > 0) {
        const ssize_t count = ::pread(descriptor_, into, size, static_cast<off_t>(offset));
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            fail(count < 0 ? errno : EIO);
        }
        into += count;
        offset += static_cast<std::uint64_t>(count);
        size -= static_cast<std::size_t>(count);
    }
}

void ScratchFile::flush() {
    const char* from = buffer_.data();
    std::size_t left = buffer_.size();
    while (left > 0) {
        const ssize_t count = ::pwrite(descriptor_, from, left, static_cast<off_t>(written_));
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            fail(count < 0 ? errno : ENOSPC);
        }
        from += count;
        left -= static_cast<std::size_t>(count);
        written_ += static_cast<std::uint64_t>(count);
    }
    buffer_.clear();
}

void ScratchFile::fail(int error) const {
    throw StandardError(std::string(StandardError::cannotCreateFile(exportedFile_).what()) + " (" +
                        fileErrorReason(error) + ")");
}

} // namespace burgeon
