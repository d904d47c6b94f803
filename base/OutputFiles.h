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

class StagedFolder;

// Every file a program writes goes through a set: files that appear together, every one or
// none. Each is written beside its target (TemporaryFile: unnamed where the file system allows,
// so a killed process leaves nothing; otherwise under a temporary name the next write sweeps)
// and takes its name only when commit() finds all of them complete. Until then, on any
// failure and when the set is dropped uncommitted, nothing of the set remains and existing
// files keep their content. A set that names one file twice (after `.`, `..` and symbolic
// links) is refused when the second name is added, before anything is written.
// Failures throw StandardError "Cannot create file NAME (reason)", with NAME as given.
class OutputFileSet {
public:
    OutputFileSet();
    ~OutputFileSet();
    OutputFileSet(const OutputFileSet&) = delete;
    OutputFileSet& operator=(const OutputFileSet&) = delete;

    // A file streamed through the returned sink (valid until commit).
    ByteSink& add(const std::string& fileName);
    // A file of the given content.
    void add(const std::string& fileName, std::string_view content);
    // A file that another library writes by name (a video muxer): the returned path is where
    // it writes until commit.
    std::string addWrittenByName(const std::string& fileName);
    // A folder whose files are written one by one (a capture run): the returned staging folder
    // beside it is where they go until commit moves them in (making the folder when missing).
    std::string addFolder(const std::string& folder);

    // Gives every file its name. Throws, leaving every target as it was, when a file could not
    // be completed or has no place to go (a folder in its place, a file of a folder's that the
    // set also names).
    void commit();

    // A message about the set's files with each staging folder named as its folder.
    std::string namedAsGiven(const std::string& text) const;

private:
    struct Entry;
    struct Claim;
    // The claim of a name new to the set; throws when the set names that file already.
    Claim newClaim(const std::string& name, bool isFolder) const;
    void checkFolderContents() const;

    std::vector<std::unique_ptr<Entry>> entries_;
    std::vector<std::unique_ptr<StagedFolder>> folders_;
    std::vector<Claim> claims_;
};

// A file written whole or not at all: a set of one.
void writeFileAtomically(const std::string& fileName, std::string_view content);

struct FileToWrite {
    std::string name;
    std::string_view content;
};

// Files written as one set: every one or none.
void writeFilesAtomically(const std::vector<FileToWrite>& files);

} // namespace burgeon
