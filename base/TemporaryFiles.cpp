#include "base/TemporaryFiles.h"

#include "base/FileErrors.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <utility>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace burgeon {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view Marker = ".burgeon-";
// The longest tail a temporary name adds to its stem: the marker, a process id of up to ten
// digits, a dash and six random letters.
constexpr std::size_t LongestTail = Marker.size() + 10 + 1 + 6;

// A target split into its folder as written ("" for the working folder, with the separator)
// and its own name.
struct PathParts {
    std::string folderPrefix;
    std::string name;

    std::string folder() const {
        if (folderPrefix.empty()) {
            return ".";
        }
        return folderPrefix.size() == 1 ? folderPrefix
                                        : folderPrefix.substr(0, folderPrefix.size() - 1);
    }
};

PathParts partsOf(const std::string& target) {
    const std::size_t slash = target.rfind('/');
    if (slash == std::string::npos) {
        return {"", target};
    }
    return {target.substr(0, slash + 1), target.substr(slash + 1)};
}

// The longest name the target's folder takes, and the longest path.
std::size_t longestName(const PathParts& parts) {
    const long nameMax = ::pathconf(parts.folder().c_str(), _PC_NAME_MAX);
    const std::size_t byName = nameMax > 0 ? static_cast<std::size_t>(nameMax) : NAME_MAX;
    const std::size_t byPath =
        PATH_MAX - 1 > parts.folderPrefix.size() ? PATH_MAX - 1 - parts.folderPrefix.size() : 0;
    return std::min(byName, byPath);
}

// The start of every temporary name of the target: its name, cut where the tail would pass
// the folder's limit (at the start of a UTF-8 character), and the marker. The target's own
// name is never changed; only its temporaries' names are shorter.
std::string temporaryPrefix(const PathParts& parts) {
    const std::size_t limit = longestName(parts);
    std::size_t stemLength = parts.name.size();
    if (stemLength + LongestTail > limit) {
        stemLength = limit > LongestTail ? limit - LongestTail : 0;
        while (stemLength > 0 &&
               (static_cast<unsigned char>(parts.name[stemLength]) & 0xC0) == 0x80) {
            --stemLength;
        }
    }
    return parts.name.substr(0, stemLength) + std::string(Marker);
}

std::string temporaryName(const PathParts& parts) {
    static constexpr char letters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::minstd_rand generator(std::random_device{}());
    std::string name =
        parts.folderPrefix + temporaryPrefix(parts) + std::to_string(::getpid()) + "-";
    for (int i = 0; i < 6; ++i) {
        name += letters[generator() % (sizeof letters - 1)];
    }
    return name;
}

// The process that made a temporary name with this prefix, or 0 when the name is no such
// temporary name.
pid_t writerOf(const std::string& name, const std::string& prefix) {
    if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) {
        return 0;
    }
    const std::size_t dash = name.find('-', prefix.size());
    if (dash == std::string::npos || dash == prefix.size() || dash - prefix.size() > 9 ||
        name.size() != dash + 7) {
        return 0;
    }
    const std::string digits = name.substr(prefix.size(), dash - prefix.size());
    if (digits.find_first_not_of("0123456789") != std::string::npos) {
        return 0;
    }
    return static_cast<pid_t>(std::stol(digits));
}

// Removes the temporaries (and staging folders) of the target whose writing process no longer
// runs: what a process killed in the middle of a write leaves where the system has no unnamed
// files, or between naming its files and renaming them. The folder is read entry by entry
// without building paths, as a capture run writes thousands of files into one folder.
void sweepStaleTemporaries(const PathParts& parts) {
    const std::string prefix = temporaryPrefix(parts);
    const std::string folder = parts.folder();
    DIR* entries = ::opendir(folder.c_str());
    if (entries == nullptr) {
        return;
    }
    std::vector<std::string> stale;
    while (const dirent* entry = ::readdir(entries)) {
        if (std::strncmp(entry->d_name, prefix.c_str(), prefix.size()) != 0) {
            continue;
        }
        const pid_t writer = writerOf(entry->d_name, prefix);
        if (writer > 0 && writer != ::getpid() && ::kill(writer, 0) != 0 && errno == ESRCH) {
            stale.emplace_back(entry->d_name);
        }
    }
    ::closedir(entries);
    for (const std::string& name : stale) {
        std::error_code ignored;
        fs::remove_all(fs::path(folder) / name, ignored);
    }
}

std::string descriptorPath(int descriptor) {
    return "/proc/self/fd/" + std::to_string(descriptor);
}

// An unnamed file in the folder, or -1 where the file system has none or it could not be
// linked later (no /proc). A folder that cannot take any file throws.
int openUnnamedFile(const PathParts& parts, const std::string& target) {
#ifdef O_TMPFILE
    const int descriptor = ::open(parts.folder().c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (descriptor < 0) {
        const int code = errno;
        if (code == EOPNOTSUPP || code == EISDIR || code == EINVAL) {
            return -1;
        }
        throw cannotCreateFileBecause(target, code);
    }
    struct stat linked {};
    if (::stat(descriptorPath(descriptor).c_str(), &linked) != 0) {
        ::close(descriptor);
        return -1;
    }
    return descriptor;
#else
    (void)parts;
    (void)target;
    return -1;
#endif
}

// A new named temporary of the target, open for writing; its name goes to `name`.
int openNamedFile(const PathParts& parts, const std::string& target, std::string& name) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        name = temporaryName(parts);
        const int descriptor = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (descriptor >= 0) {
            return descriptor;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    const int code = errno;
    name.clear();
    throw cannotCreateFileBecause(target, code);
}

// Gives an unnamed file a temporary name beside its target.
std::string linkUnnamedFile(int descriptor, const PathParts& parts, const std::string& target) {
    const std::string source = descriptorPath(descriptor);
    for (int attempt = 0; attempt < 10; ++attempt) {
        std::string name = temporaryName(parts);
        if (::linkat(AT_FDCWD, source.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            return name;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    throw cannotCreateFileBecause(target, errno);
}

} // namespace

void keepFileSizeLimitFromKilling() {
    struct sigaction current {};
    if (::sigaction(SIGXFSZ, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) {
        std::signal(SIGXFSZ, SIG_IGN);
    }
}

TemporaryFile::TemporaryFile(std::string target, TemporaryNaming naming)
    : target_(std::move(target)) {
    keepFileSizeLimitFromKilling();
    const PathParts parts = partsOf(target_);
    if (parts.name.empty()) {
        throw cannotCreateFileBecause(target_, EISDIR);
    }
    if (parts.name.size() > longestName(parts)) {
        throw cannotCreateFileBecause(target_, ENAMETOOLONG);
    }
    struct stat existing {};
    if (::stat(target_.c_str(), &existing) == 0 && S_ISDIR(existing.st_mode)) {
        throw cannotCreateFileBecause(target_, EISDIR);
    }
    sweepStaleTemporaries(parts);
    if (naming == TemporaryNaming::UnnamedWhereSupported) {
        descriptor_ = openUnnamedFile(parts, target_);
    }
    if (descriptor_ < 0) {
        descriptor_ = openNamedFile(parts, target_, name_);
        writerPath_ = name_;
    } else {
        writerPath_ = descriptorPath(descriptor_);
    }
}

TemporaryFile::~TemporaryFile() {
    discard();
}

void TemporaryFile::write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t count = ::write(descriptor_, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            throw cannotCreateFileBecause(target_, count < 0 ? errno : ENOSPC);
        }
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
}

void TemporaryFile::complete() {
    // Another library may have written through writerPath(): the descriptor still syncs its
    // data, as it is the same file.
    if (::fchmod(descriptor_, 0644) != 0 || ::fsync(descriptor_) != 0) {
        throw cannotCreateFileBecause(target_, errno);
    }
    if (name_.empty()) {
        name_ = linkUnnamedFile(descriptor_, partsOf(target_), target_);
    }
    const int descriptor = std::exchange(descriptor_, -1);
    if (::close(descriptor) != 0) {
        throw cannotCreateFileBecause(target_, errno); // a delayed write error shows here
    }
}

void TemporaryFile::publish() {
    if (std::rename(name_.c_str(), target_.c_str()) != 0) {
        throw cannotCreateFileBecause(target_, errno);
    }
    published_ = true;
}

void TemporaryFile::discard() {
    if (descriptor_ >= 0) {
        ::close(std::exchange(descriptor_, -1));
    }
    if (!published_ && !name_.empty()) {
        ::unlink(name_.c_str());
    }
}

std::string makeStagingFolder(const std::string& folder) {
    std::string target = folder;
    while (target.size() > 1 && target.back() == '/') {
        target.pop_back();
    }
    const PathParts parts = partsOf(target);
    sweepStaleTemporaries(parts);
    for (int attempt = 0; attempt < 10; ++attempt) {
        std::string staging = temporaryName(parts);
        if (::mkdir(staging.c_str(), 0755) == 0) {
            return staging;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    throw cannotCreateFileBecause(folder, errno);
}

int openScratchDescriptor(const std::string& folder) {
#ifdef O_TMPFILE
    const int unnamed = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (unnamed >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)) {
        return unnamed;
    }
#endif
    std::string name = (fs::path(folder) / ".burgeon-scratch-XXXXXX").string();
    const int named = ::mkostemp(name.data(), O_CLOEXEC);
    if (named >= 0) {
        ::unlink(name.c_str());
    }
    return named;
}

} // namespace burgeon
