#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace burgeon {

inline constexpr std::uint64_t KiB = 1024;
inline constexpr std::uint64_t MiB = 1024 * KiB;

// The most bytes a reader takes from one file, and what its message calls such files.
struct FileSizeLimit {
    std::uint64_t bytes = 0;
    const char* kind = "";
};

// Text files read whole: the largest is a shape library at the format's limits (1000 entries
// of 121 points and 150 triangles, about 8 MB written out); L-system texts, the example file
// and the manual are far smaller.
inline constexpr FileSizeLimit TextFileLimit{16 * MiB, "text files"};

// How reading a file ended.
enum class FileReadStatus {
    Read,
    NotFound,       // no such file, or a folder on the way is missing
    NotRegularFile, // a folder, FIFO, socket or device
    TooLarge,       // more bytes than the limit
    SystemError,    // open or read failed; systemError holds the code
};

struct FileContent {
    FileReadStatus status = FileReadStatus::Read;
    int systemError = 0;
    std::string bytes;
};

// Reads a regular file whole, up to maxBytes. The file is opened without blocking and checked
// to be a regular file before a byte is read, so a FIFO without a writer, /dev/zero or
// /dev/urandom is refused at once instead of hanging or filling memory; a file that grows past
// the limit while it is read counts as too large.
FileContent readRegularFile(const std::string& fileName, std::uint64_t maxBytes);

// The whole content of a text file. Throws "Cannot open file %s" when it is missing, is no
// regular file or cannot be read, and the size message of StandardError::fileTooLarge when it
// holds more than the limit.
std::string readFileText(const std::string& fileName, const FileSizeLimit& limit = TextFileLimit);

// Writes a file whole or not at all: the content goes to an unnamed file in the same folder
// (O_TMPFILE), which is linked under a temporary name and renamed over the target only when
// it is complete, so a killed process leaves nothing behind. Where the file system has no
// unnamed files, a named temporary file ("NAME.burgeon-PID-XXXXXX") is used; one left by a
// process that no longer runs is swept away at the next write of NAME. Throws
// "Cannot create file %s" on any failure (a full disk or a file-size limit among them); an
// existing file of that name is then left as it was.
void writeFileAtomically(const std::string& fileName, std::string_view content);

struct FileToWrite {
    std::string name;
    std::string_view content;
};

// Writes several files as one: each is written whole under a temporary name beside its target
// before any is renamed, so on "Cannot create file %s" (naming the first file that could not be
// written) none of them has changed.
void writeFilesAtomically(const std::vector<FileToWrite>& files);

// A fresh empty folder beside `folder` ("FOLDER.burgeon-PID-XXXXXX") for files that are
// written one by one but must appear together: they move into place once all are written.
// Staging folders that processes no longer running left behind are removed first. Throws
// "Cannot create file %s" (naming folder) when it cannot be made.
std::string makeStagingFolder(const std::string& folder);

// The extension of a file name in lower case, without its dot; empty when there is none.
std::string fileExtension(const std::string& fileName);

// Folder and name joined with the platform's separator.
std::string joinPath(const std::string& folder, const std::string& name);

// A size as a message states it: "64 MB", "16 KB" or "100 bytes".
std::string formatByteSize(std::uint64_t bytes);

} // namespace burgeon
