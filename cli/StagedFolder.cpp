#include "cli/StagedFolder.h"

#include "base/FileIo.h"
#include "base/StandardError.h"

#include <cstdio>
#include <filesystem>

namespace burgeon {

namespace fs = std::filesystem;

StagedFolder::StagedFolder(const std::string& folder)
    : folder_(folder), staging_(makeStagingFolder(folder)) {}

StagedFolder::~StagedFolder() {
    std::error_code ignored;
    fs::remove_all(staging_, ignored);
    for (const Move& move : outside_) {
        fs::remove_all(fs::path(move.from).parent_path(), ignored);
    }
}

std::string StagedFolder::stage(const std::string& file) {
    // Beside its own place, so that it moves there by a rename on the same file system.
    std::string staged = joinPath(makeStagingFolder(file), fs::path(file).filename().string());
    outside_.push_back({staged, file});
    return staged;
}

std::vector<StagedFolder::Move> StagedFolder::plannedMoves() const {
    std::vector<Move> moves;
    for (const Move& move : outside_) {
        if (fs::exists(move.from)) {
            moves.push_back(move);
        }
    }
    std::error_code error;
    for (fs::directory_iterator it(staging_, error), end; !error && it != end;
         it.increment(error)) {
        moves.push_back({it->path().string(), joinPath(folder_, it->path().filename().string())});
    }
    return moves;
}

void StagedFolder::commit() {
    std::error_code error;
    fs::create_directory(folder_, error);
    const std::vector<Move> moves = plannedMoves();
    // A rename within one file system replaces a file but never a folder: check every place
    // first, so that a failure leaves all the files where they were.
    for (const Move& move : moves) {
        const fs::path parent = fs::path(move.to).parent_path();
        if (fs::is_directory(move.to) || !fs::is_directory(parent.empty() ? "." : parent)) {
            throw StandardError::cannotCreateFile(move.to);
        }
    }
    for (const Move& move : moves) {
        if (std::rename(move.from.c_str(), move.to.c_str()) != 0) {
            throw StandardError::cannotCreateFile(move.to);
        }
    }
}

std::string StagedFolder::unstaged(const std::string& text) const {
    std::string result = text;
    for (auto at = result.find(staging_); at != std::string::npos;
         at = result.find(staging_, at + folder_.size())) {
        result.replace(at, staging_.size(), folder_);
    }
    return result;
}

} // namespace burgeon
