#pragma once

#include <string>
#include <string_view>

namespace burgeon {

// How a temporary file is made: unnamed where the file system has unnamed files (a process
// that dies while writing leaves nothing), or always under a temporary name.
enum class TemporaryNaming { UnnamedWhereSupported, Named };

// A file written beside its target before it takes the target's name. Unnamed where the file
// system has unnamed files; otherwise, and once complete, it has a temporary name
// "NAME.burgeon-PID-XXXXXX", whose stem is shortened when the whole would pass the file
// system's limit on a name's length. Temporaries of NAME left by a process that no longer runs
// are swept when NAME is written next. Every failure throws "Cannot create file TARGET
// (reason)" with the target's name as given; nothing of the temporary is left then.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string target,
                           TemporaryNaming naming = TemporaryNaming::UnnamedWhereSupported);
    // Removes whatever exists of the temporary unless it was published.
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::string& target() const { return target_; }
    // The path by which another library (a video muxer) opens the file to write into it.
    const std::string& writerPath() const { return writerPath_; }

    // Appends the bytes.
    void write(std::string_view bytes);
    // The content is complete: it gets the usual permissions, goes to the disk, gets its
    // temporary name and is closed.
    void complete();
    // Renames the completed file over its target.
    void publish();

private:
    void discard();

    std::string target_;
    std::string name_; // the temporary name, once the file has one
    std::string writerPath_;
    int descriptor_ = -1;
    bool published_ = false;
};

// A fresh empty folder beside `folder` ("FOLDER.burgeon-PID-XXXXXX") for files written one by
// one that must appear together. Staging folders of processes that no longer run are removed
// first. Throws "Cannot create file FOLDER (reason)".
std::string makeStagingFolder(const std::string& folder);

// A file open for reading and writing with no name in `folder`, for bytes too many to keep in
// memory while an output is made; where the file system has no unnamed files, a named one
// removed at once. Either way nothing is left when it is closed or the process ends. -1 with
// errno set when neither can be made.
int openScratchDescriptor(const std::string& folder);

// Writing past the process's file-size limit ends the process by default, leaving temporary
// files behind; with the signal ignored the write fails with EFBIG and a message says "file
// too large". Done before every output file is opened, unless the host handles the signal.
void keepFileSizeLimitFromKilling();

} // namespace burgeon
