#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace burgeon {

// A file without a name for bytes too many to keep in memory while an export is written: made
// in the folder of the file being exported (which must take its size anyway), gone when it is
// closed or the process ends, however it ends. Appends go through a buffer; reads come back
// from any place already appended. Failures throw StandardError "Cannot create file NAME" with
// the reason, NAME being the export's file.
class ScratchFile {
public:
    // Without an exported file (empty), in the system's temporary folder.
    explicit ScratchFile(const std::string& exportedFile);
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    // Appends the bytes; returns where they start.
    std::uint64_t append(const void* data, std::size_t size);
    std::uint64_t size() const { return written_ + buffer_.size(); }
    // Reads bytes already appended.
    void read(std::uint64_t offset, void* data, std::size_t size);

private:
    void flush();
    [[noreturn]] void fail(int error) const;

    std::string exportedFile_;
    int descriptor_ = -1;
    std::uint64_t written_ = 0;
    std::string buffer_;
};

} // namespace burgeon
