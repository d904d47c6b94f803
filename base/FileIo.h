#pragma once

#include <cstdint>
#include <string>

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

// The extension of a file name in lower case, without its dot; empty when there is none.
std::string fileExtension(const std::string& fileName);

// Folder and name joined with the platform's separator.
std::string joinPath(const std::string& folder, const std::string& name);

// A size as a message states it: "64 MB", "16 KB" or "100 bytes".
std::string formatByteSize(std::uint64_t bytes);

} // namespace burgeon
