#include "base/OutputFiles.h"

#include "base/FileErrors.h"
#include "base/FileIo.h"
#include "base/StagedFolder.h"
#include "base/TemporaryFiles.h"

#include <filesystem>

namespace burgeon {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t FlushSize = 1 << 20;

// What makes two names one file: the absolute path with `.`, `..` and symbolic links resolved,
// a link in the last place too (even one to a file yet to be written), so that a name means
// the same whether or not its file exists yet.
std::string sameFileKey(std::string name) {
    while (name.size() > 1 && name.back() == '/') {
        name.pop_back();
    }
    std::error_code error;
    fs::path path = fs::absolute(name, error);
    for (int link = 0; !error && link < 40; ++link) {
        const fs::path last = path.filename();
        if (last == "." || last == "..") {
            return fs::weakly_canonical(path, error).string();
        }
        const fs::path here = fs::weakly_canonical(path.parent_path(), error) / last;
        if (error || !fs::is_symlink(here, error)) {
            return here.string();
        }
        const fs::path target = fs::read_symlink(here, error);
        path = target.is_absolute() ? target : here.parent_path() / target;
    }
    return path.lexically_normal().string();
}

} // namespace

// One file of the set: its temporary, written through a buffer.
struct OutputFileSet::Entry : ByteSink {
    explicit Entry(const std::string& target) : file(target) {}

    void write(std::string_view bytes) override {
        buffer.append(bytes);
        if (buffer.size() >= FlushSize) {
            flush();
        }
    }

    void flush() {
        file.write(buffer);
        buffer.clear();
    }

    TemporaryFile file;
    std::string buffer;
};

// A name of the set, as written and as the file it names.
struct OutputFileSet::Claim {
    std::string key;
    std::string name;
    bool isFolder = false;
};

OutputFileSet::OutputFileSet() = default;

// Entries and folders remove their temporaries, unless committed.
OutputFileSet::~OutputFileSet() = default;

OutputFileSet::Claim OutputFileSet::newClaim(const std::string& name, bool isFolder) const {
    Claim claim{sameFileKey(name), name, isFolder};
    for (const Claim& earlier : claims_) {
        if (earlier.key == claim.key) {
            throw cannotCreateFileBecause(
                name, "it is the same file as " +
                          std::string(earlier.isFolder ? "the folder " : "") + earlier.name);
        }
    }
    return claim;
}

ByteSink& OutputFileSet::add(const std::string& fileName) {
    Claim claim = newClaim(fileName, false);
    entries_.push_back(std::make_unique<Entry>(fileName));
    claims_.push_back(std::move(claim));
    return *entries_.back();
}

void OutputFileSet::add(const std::string& fileName, std::string_view content) {
    add(fileName);
    entries_.back()->file.write(content);
}

std::string OutputFileSet::addWrittenByName(const std::string& fileName) {
    add(fileName);
    return entries_.back()->file.writerPath();
}

std::string OutputFileSet::addFolder(const std::string& folder) {
    Claim claim = newClaim(folder, true);
    folders_.push_back(std::make_unique<StagedFolder>(folder));
    claims_.push_back(std::move(claim));
    return folders_.back()->staging();
}

// A file written into a folder of the set must not be a file the set names besides.
void OutputFileSet::checkFolderContents() const {
    for (const auto& folder : folders_) {
        folder->checkPlaces();
        for (const std::string& name : folder->fileNames()) {
            const std::string target = joinPath(folder->folder(), name);
            const std::string key = sameFileKey(target);
            for (const Claim& claim : claims_) {
                if (claim.key == key) {
                    throw cannotCreateFileBecause(target, "it is the same file as " + claim.name);
                }
            }
        }
    }
}

void OutputFileSet::commit() {
    for (auto& entry : entries_) {
        entry->flush();
        entry->file.complete();
    }
    checkFolderContents();
    // Renames within a folder do not fail once the checks have passed; should one fail even
    // so, the files renamed before it keep their new content.
    for (auto& entry : entries_) {
        entry->file.publish();
    }
    for (auto& folder : folders_) {
        folder->moveIn();
    }
}

std::string OutputFileSet::namedAsGiven(const std::string& text) const {
    std::string result = text;
    for (const auto& folder : folders_) {
        result = folder->namedAsGiven(result);
    }
    return result;
}

void writeFileAtomically(const std::string& fileName, std::string_view content) {
    writeFilesAtomically({{fileName, content}});
}

void writeFilesAtomically(const std::vector<FileToWrite>& files) {
    OutputFileSet set;
    for (const FileToWrite& file : files) {
        set.add(file.name, file.content);
    }
    set.commit();
}

} // namespace burgeon
