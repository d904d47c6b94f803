#include "base/StagedFolder.h"

#include "base/FileErrors.h"
#include "base/FileIo.h"
#include "base/TemporaryFiles.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <utility>

namespace burgeon {

namespace fs = std::filesystem;

namespace {

// The folder without the separators that may end it ("run/" is "run").
std::string withoutTrailingSeparators(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return folder;
}

} // namespace

StagedFolder::StagedFolder(std::string folder)
    : folder_(withoutTrailingSeparators(std::move(folder))) {
    std::error_code error;
    if (fs::exists(folder_, error) && !fs::is_directory(folder_, error)) {
        throw cannotCreateFileBecause(folder_, "a file has that name");
    }
    staging_ = makeStagingFolder(folder_);
}

StagedFolder::~StagedFolder() {
    std::error_code ignored;
    fs::remove_all(staging_, ignored);
}

std::vector<std::string> StagedFolder::fileNames() const {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(staging_, error), end; !error && it != end;
         it.increment(error)) {
        names.push_back(it->path().filename().string());
    }
    return names;
}

void StagedFolder::checkPlaces() const {
    std::error_code error;
    if (fs::exists(folder_, error)) {
        if (!fs::is_directory(folder_, error)) {
            throw cannotCreateFileBecause(folder_, "a file has that name");
        }
    } else {
        const fs::path parent = fs::path(folder_).parent_path();
        if (!fs::is_directory(parent.empty() ? "." : parent, error)) {
            throw cannotCreateFileBecause(folder_, ENOENT);
        }
    }
    // A rename replaces a file but never a folder.
    for (const std::string& name : fileNames()) {
        const std::string target = joinPath(folder_, name);
        if (fs::is_directory(target, error)) {
            throw cannotCreateFileBecause(target, EISDIR);
        }
    }
}

void StagedFolder::moveIn() {
    std::error_code error;
    fs::create_directory(folder_, error);
    for (const std::string& name : fileNames()) {
        const std::string target = joinPath(folder_, name);
        if (std::rename(joinPath(staging_, name).c_str(), target.c_str()) != 0) {
            throw cannotCreateFileBecause(target, errno);
        }
    }
    fs::remove(staging_, error);
}

std::string StagedFolder::namedAsGiven(const std::string& text) const {
    std::string result = text;
    for (auto at = result.find(staging_); at != std::string::npos;
         at = result.find(staging_, at + folder_.size())) {
        result.replace(at, staging_.size(), folder_);
    }
    return result;
}

} // namespace burgeon
