#pragma once

#include <string>
#include <vector>

namespace burgeon {

// The files of a run that writes as it goes (a capture run), kept apart until the run has
// written them all: they go into a staging folder beside the target folder and move into it
// on commit(). A run that does not complete leaves the target folder as it was.
class StagedFolder {
public:
    // Throws "Cannot create file %s" when no folder can be made beside `folder`.
    explicit StagedFolder(const std::string& folder);
    // Removes the staging folder with whatever was not committed.
    ~StagedFolder();
    StagedFolder(const StagedFolder&) = delete;
    StagedFolder& operator=(const StagedFolder&) = delete;

    // Where the run writes its files.
    const std::string& path() const { return staging_; }
    // Where the run writes a file that belongs outside the folder (a video elsewhere): a
    // staging folder beside that file; it moves to its own place on commit(). Throws "Cannot
    // create file %s" like the constructor.
    std::string stage(const std::string& file);
    // Moves every file into the target folder (made when missing) and the staged outside files
    // to their places. Throws "Cannot create file %s" for the first that cannot go there,
    // before any file has moved.
    void commit();
    // A message of the run with the staging folder named as the target folder.
    std::string unstaged(const std::string& text) const;

private:
    struct Move {
        std::string from;
        std::string to;
    };
    std::vector<Move> plannedMoves() const;

    std::string folder_;
    std::string staging_;
    std::vector<Move> outside_;
};

} // namespace burgeon
