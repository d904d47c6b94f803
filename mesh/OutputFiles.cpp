#include "mesh/OutputFiles.h"

#include "base/StandardError.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace burgeon {

namespace {

constexpr std::size_t FlushSize = 1 << 20;

[[noreturn]] void failCreating(const std::string& fileName, const std::string& reason) {
    throw StandardError(std::string(StandardError::cannotCreateFile(fileName).what()) + " (" +
                        reason + ")");
}

} // namespace

std::string fileErrorReason(int error) {
    switch (error) {
    case ENOENT:
        return "no such folder";
    case ENOTDIR:
        return "a part of the path is a file, not a folder";
    case EACCES:
    case EPERM:
        return "no permission to write in that folder";
    case EROFS:
        return "the folder is on a read-only file system";
    case EFBIG:
        return "file too large: the file-size limit was reached";
    case ENOSPC:
        return "no space left on the disk";
    case EDQUOT:
        return "the disk quota is used up";
    case EISDIR:
        return "a folder has that name";
    case ENAMETOOLONG:
        return "the name is too long";
    default:
        return std::strerror(error);
    }
}

// One file of the set: its temporary, written through a buffer.
struct OutputFileSet::Entry : ByteSink {
    std::string target;
    std::string temporary;
    int descriptor = -1;
    bool renamed = false;
    std::string buffer;

    void write(std::string_view bytes) override {
        buffer.append(bytes);
        if (buffer.size() >= FlushSize) {
            flush();
        }
    }

    void flush() {
        const char* data = buffer.data();
        std::size_t remaining = buffer.size();
        while (remaining > 0) {
            const ssize_t count = ::write(descriptor, data, remaining);
            if (count < 0 && errno == EINTR) {
                continue;
            }
            if (count <= 0) {
                failCreating(target, fileErrorReason(count < 0 ? errno : ENOSPC));
            }
            data += count;
            remaining -= static_cast<std::size_t>(count);
        }
        buffer.clear();
    }

    void finish() {
        flush();
        // mkstemp makes the file readable by its owner only; give it the usual permissions.
        if (fchmod(descriptor, 0644) != 0 || fsync(descriptor) != 0) {
            failCreating(target, fileErrorReason(errno));
        }
        const int closed = ::close(descriptor);
        descriptor = -1;
        if (closed != 0) {
            failCreating(target, fileErrorReason(errno));
        }
    }
};

void ignoreFileSizeSignal() {
    std::signal(SIGXFSZ, SIG_IGN);
}

OutputFileSet::OutputFileSet() = default;

OutputFileSet::~OutputFileSet() {
    if (!committed_) {
        discard();
    }
}

ByteSink& OutputFileSet::add(const std::string& fileName) {
    struct stat existing {};
    if (stat(fileName.c_str(), &existing) == 0 && S_ISDIR(existing.st_mode)) {
        failCreating(fileName, fileErrorReason(EISDIR));
    }
    auto entry = std::make_unique<Entry>();
    entry->target = fileName;
    entry->temporary = fileName + ".XXXXXX";
    entry->descriptor = mkstemp(entry->temporary.data());
    if (entry->descriptor < 0) {
        failCreating(fileName, fileErrorReason(errno));
    }
    entries_.push_back(std::move(entry));
    return *entries_.back();
}

void OutputFileSet::add(const std::string& fileName, std::string_view content) {
    add(fileName).write(content);
}

void OutputFileSet::commit() {
    try {
        for (auto& entry : entries_) {
            entry->finish();
        }
        for (auto& entry : entries_) {
            if (std::rename(entry->temporary.c_str(), entry->target.c_str()) != 0) {
                failCreating(entry->target, fileErrorReason(errno));
            }
            entry->renamed = true;
        }
    } catch (...) {
        discard();
        throw;
    }
    committed_ = true;
}

// Every file or none: the temporaries go, and so do files of this set already renamed.
void OutputFileSet::discard() {
    for (auto& entry : entries_) {
        if (entry->descriptor >= 0) {
            ::close(entry->descriptor);
            entry->descriptor = -1;
        }
        std::remove(entry->renamed ? entry->target.c_str() : entry->temporary.c_str());
    }
    entries_.clear();
}

} // namespace burgeon
