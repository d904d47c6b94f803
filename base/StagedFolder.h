#pragma once

#include <string>
#include <vector>

namespace burgeon {

// A folder whose files are written one by one and must appear together (a capture run's):
// they go into a staging folder beside it (makeStagingFolder) and move in at the end. Part of
// an OutputFileSet, which commits it with its other files.
class StagedFolder {
public:
    // Throws "Cannot create file FOLDER (reason)" when the folder cannot be made beside it or
    // a file has the folder's name.
    explicit StagedFolder(std::string folder);
    // Removes the staging folder with whatever did not move in.
    ~StagedFolder();
    StagedFolder(const StagedFolder&) = delete;
    StagedFolder& operator=(const StagedFolder&) = delete;

    // The folder as given, and where its files are written until they move in.
    const std::string& folder() const { return folder_; }
    const std::string& staging() const { return staging_; }

    // The names of the files written so far.
    std::vector<std::string> fileNames() const;
    // Throws, before anything moves, when a file could not move in: the folder's place is
    // taken by a file or its parent is gone, or a folder stands where a file goes.
    void checkPlaces() const;
    // Makes the folder when missing and moves every file into it; the staging folder goes.
    void moveIn();

    // The text with the staging folder named as the folder.
    std::string namedAsGiven(const std::string& text) const;

private:
    std::string folder_;
    std::string staging_;
};

} // namespace burgeon
