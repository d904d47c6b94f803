#include "base/FileIo.h"

#include <algorithm>
#include <cctype>

#include "base/StandardError.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <random>
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
    // True when the descriptor closed cleanly (a delayed write error shows here).
    bool close() {
        const int fd = std::exchange(fd_, -1);
        return fd < 0 || ::close(fd) == 0;
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

bool writeAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t count = ::write(fd, content.data(), content.size());
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            return false; // a full disk, or EFBIG past a file-size limit
        }
        content.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

// The content in place with the usual permissions and on the disk.
bool writeContent(int fd, std::string_view content) {
    return writeAll(fd, content) && ::fchmod(fd, 0644) == 0 && ::fsync(fd) == 0;
}

std::string folderOf(const std::string& fileName) {
    const std::size_t slash = fileName.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : fileName.substr(0, slash);
}

// The temporary names of NAME start with "NAME.burgeon-PID-", so that the next write can tell
// whose they are.
std::string temporaryPrefix(const std::string& fileName) {
    return fileName + ".burgeon-";
}

std::string temporaryName(const std::string& fileName) {
    static constexpr char letters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::minstd_rand generator(std::random_device{}());
    std::string name = temporaryPrefix(fileName) + std::to_string(::getpid()) + "-";
    for (int i = 0; i < 6; ++i) {
        name += letters[generator() % (sizeof letters - 1)];
    }
    return name;
}

// Removes the temporary files (and staging folders) of NAME whose writing process no longer
// runs: they are what a process killed in the middle of a write leaves where the system has no
// unnamed files.
void sweepStaleTemporaries(const std::string& fileName) {
    namespace fs = std::filesystem;
    const std::string prefix = fs::path(temporaryPrefix(fileName)).filename().string();
    std::error_code error;
    for (fs::directory_iterator it(folderOf(fileName), error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.compare(0, prefix.size(), prefix) != 0) {
            continue;
        }
        const std::size_t dash = name.find('-', prefix.size());
        const std::string pidText = name.substr(prefix.size(), dash - prefix.size());
        if (dash == std::string::npos || pidText.empty() ||
            pidText.find_first_not_of("0123456789") != std::string::npos || pidText.size() > 9) {
            continue;
        }
        const auto pid = static_cast<pid_t>(std::stol(pidText));
        if (pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH) {
            std::error_code ignored;
            fs::remove_all(it->path(), ignored);
        }
    }
}

enum class WriteResult { Written, Failed, Unsupported };

// The unnamed file of the folder, written whole and then given a temporary name; the rename
// over the target follows. Unsupported where the file system has no unnamed files or the
// descriptor cannot be linked (no /proc).
WriteResult writeThroughUnnamedFile(const std::string& fileName, std::string_view content,
                                    std::string& temporary) {
#ifdef O_TMPFILE
    Descriptor file(::open(folderOf(fileName).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
    if (!file.valid()) {
        const bool unsupported = errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL;
        return unsupported ? WriteResult::Unsupported : WriteResult::Failed;
    }
    if (!writeContent(file.get(), content)) {
        return WriteResult::Failed;
    }
    const std::string procPath = "/proc/self/fd/" + std::to_string(file.get());
    for (int attempt = 0; attempt < 10; ++attempt) {
        temporary = temporaryName(fileName);
        if (::linkat(AT_FDCWD, procPath.c_str(), AT_FDCWD, temporary.c_str(), AT_SYMLINK_FOLLOW) ==
            0) {
            if (file.close()) {
                return WriteResult::Written;
            }
            ::unlink(temporary.c_str());
            break;
        }
        if (errno != EEXIST) {
            temporary.clear();
            return WriteResult::Unsupported;
        }
    }
    temporary.clear();
    return WriteResult::Failed;
#else
    (void)fileName;
    (void)content;
    (void)temporary;
    return WriteResult::Unsupported;
#endif
}

bool writeThroughNamedFile(const std::string& fileName, std::string_view content,
                           std::string& temporary) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        temporary = temporaryName(fileName);
        Descriptor file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
        if (!file.valid()) {
            if (errno == EEXIST) {
                continue;
            }
            break;
        }
        const bool written = writeContent(file.get(), content);
        if (file.close() && written) {
            return true;
        }
        ::unlink(temporary.c_str());
        break;
    }
    temporary.clear();
    return false;
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

void writeFileAtomically(const std::string& fileName, std::string_view content) {
    writeFilesAtomically({{fileName, content}});
}

void writeFilesAtomically(const std::vector<FileToWrite>& files) {
    // Every file complete under its temporary name first: a failure then leaves no file
    // changed. Renames within a folder do not fail once the temporary file exists, unless a
    // folder holds the name: that is checked before anything is written.
    for (const FileToWrite& file : files) {
        struct stat info {};
        if (::stat(file.name.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
            throw StandardError::cannotCreateFile(file.name);
        }
    }
    std::vector<std::string> temporaries;
    const auto removeTemporaries = [&temporaries](std::size_t from) {
        for (std::size_t i = from; i < temporaries.size(); ++i) {
            ::unlink(temporaries[i].c_str());
        }
    };
    for (const FileToWrite& file : files) {
        sweepStaleTemporaries(file.name);
        std::string temporary;
        WriteResult result = writeThroughUnnamedFile(file.name, file.content, temporary);
        if (result == WriteResult::Unsupported) {
            result = writeThroughNamedFile(file.name, file.content, temporary)
                         ? WriteResult::Written
                         : WriteResult::Failed;
        }
        if (result != WriteResult::Written) {
            removeTemporaries(0);
            throw StandardError::cannotCreateFile(file.name);
        }
        temporaries.push_back(std::move(temporary));
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (std::rename(temporaries[i].c_str(), files[i].name.c_str()) != 0) {
            removeTemporaries(i);
            throw StandardError::cannotCreateFile(files[i].name);
        }
    }
}

std::string makeStagingFolder(const std::string& folder) {
    std::string target = folder;
    while (target.size() > 1 && target.back() == '/') {
        target.pop_back();
    }
    sweepStaleTemporaries(target);
    for (int attempt = 0; attempt < 10; ++attempt) {
        std::string staging = temporaryName(target);
        if (::mkdir(staging.c_str(), 0755) == 0) {
            return staging;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    throw StandardError::cannotCreateFile(folder);
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
