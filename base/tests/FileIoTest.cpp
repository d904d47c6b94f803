#include "base/FileIo.h"
#include "base/StandardError.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace burgeon;
namespace fs = std::filesystem;

namespace {

fs::path freshFolder(const std::string& name) {
    const fs::path folder = fs::temp_directory_path() / ("burgeon_" + name);
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

} // namespace

TEST(FileIo, WritesWholeFilesAndReadsThemBack) {
    const fs::path folder = freshFolder("fileio_write");
    const std::string file = (folder / "a.txt").string();
    writeFileAtomically(file, "first");
    writeFileAtomically(file, std::string("second\0with nul", 15));
    EXPECT_EQ(readFileText(file), std::string("second\0with nul", 15));
    // Only the target is left: no temporary file stays behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST(FileIo, AFailedWriteLeavesTheOldFileAndSaysCannotCreate) {
    const fs::path folder = freshFolder("fileio_fail");
    const std::string missingFolderFile = (folder / "no" / "such" / "x.bmp").string();
    try {
        writeFileAtomically(missingFolderFile, "data");
        FAIL();
    } catch (const StandardError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot create file " + missingFolderFile);
    }
    EXPECT_THROW(readFileText((folder / "missing.txt").string()), StandardError);
}

TEST(FileIo, JoinPathUsesOneSeparator) {
    EXPECT_EQ(joinPath("PlantCap1", "Picture.bmp"), "PlantCap1/Picture.bmp");
    EXPECT_EQ(joinPath("dir/", "Plant.gif"), "dir/Plant.gif");
    EXPECT_EQ(joinPath("", "Plant.gif"), "Plant.gif");
}
