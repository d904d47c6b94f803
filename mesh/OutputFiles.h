#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace burgeon {

// Where a writer puts its bytes.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual void write(std::string_view bytes) = 0;
};

// A sink that keeps the bytes in memory.
class StringSink : public ByteSink {
public:
    void write(std::string_view bytes) override { text.append(bytes); }
    std::string text;
};

// Files that are written together, every one or none: each goes to a temporary file in its
// own folder, and only when all are written whole are they renamed to their names. Until
// then (and on any failure, or when the set is dropped uncommitted) the temporaries are
// removed and existing files keep their content. Failures throw StandardError with
// "Cannot create file NAME" and the reason ("no such folder", "file too large" ...).
class OutputFileSet {
public:
    OutputFileSet();
    ~OutputFileSet();
    OutputFileSet(const OutputFileSet&) = delete;
    OutputFileSet& operator=(const OutputFileSet&) = delete;

    // Starts the file; write its content through the returned sink (valid until commit).
    ByteSink& add(const std::string& fileName);
    void add(const std::string& fileName, std::string_view content);
    void commit();

private:
    struct Entry;
    void discard();
    std::vector<std::unique_ptr<Entry>> entries_;
    bool committed_ = false;
};

// The reason a file operation failed, in words ("no such folder" for ENOENT ...).
std::string fileErrorReason(int error);

// Writing past the process's file-size limit ends the process by default, leaving temporary
// files behind; ignoring that signal makes the write fail with "file too large" instead.
void ignoreFileSizeSignal();

} // namespace burgeon
