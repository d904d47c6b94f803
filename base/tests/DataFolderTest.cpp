#include "base/DataFolder.h"
#include "base/FileIo.h"
#include "base/OutputFiles.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace burgeon;
using burgeon::testing::TempFolder;
namespace fs = std::filesystem;

namespace {

// An installed tree: prefix/bin/burgeon and prefix/share/burgeon with one data file.
struct InstalledTree {
    TempFolder prefix;
    InstalledTree() {
        fs::create_directories(prefix.file("bin"));
        fs::create_directories(prefix.file("share/burgeon"));
        writeFileAtomically(prefix.file("bin/burgeon"), "");
        writeFileAtomically(prefix.file("share/burgeon/Manual.hlp"), "installed manual\n");
    }
    std::string dataFolder() const { return prefix.file("share/burgeon"); }
};

} // namespace

TEST(DataFolder, IsFoundBesideTheExecutablesFolderOnlyWhenItExists) {
    const InstalledTree tree;
    EXPECT_EQ(dataFolderOfExecutable(tree.prefix.file("bin/burgeon")), tree.dataFolder());
    // The build tree has no data folder beside its executable.
    const TempFolder build;
    fs::create_directories(build.file("app"));
    EXPECT_EQ(dataFolderOfExecutable(build.file("app/burgeon")), std::nullopt);
    EXPECT_EQ(dataFolderOfExecutable(""), std::nullopt);
}

TEST(DataFolder, AFileInTheFolderComesFirstAndTheInstalledCopyServesWhenItIsMissing) {
    const InstalledTree tree;
    const TempFolder start;
    const std::optional<std::string> data = tree.dataFolder();

    EXPECT_EQ(findDataFile("Manual.hlp", start.path(), data), tree.dataFolder() + "/Manual.hlp");
    writeFileAtomically(start.file("Manual.hlp"), "the start folder's manual\n");
    EXPECT_EQ(findDataFile("Manual.hlp", start.path(), data), start.file("Manual.hlp"));

    // A file neither holds is named in the folder asked for, so its message names that file;
    // so is every file when no data is installed.
    EXPECT_EQ(findDataFile("LsysExam.Lsys", start.path(), data), start.file("LsysExam.Lsys"));
    fs::remove(start.file("Manual.hlp"));
    EXPECT_EQ(findDataFile("Manual.hlp", start.path(), std::nullopt), start.file("Manual.hlp"));
    // A folder of that name is not the file.
    fs::create_directories(start.file("Manual.hlp"));
    EXPECT_EQ(findDataFile("Manual.hlp", start.path(), data), tree.dataFolder() + "/Manual.hlp");
}

TEST(DataFolder, ANameWithoutAFolderIsLookedUpInTheCurrentFolderAndAnAbsoluteOneOnlyWhereItSays) {
    const InstalledTree tree;
    const std::optional<std::string> data = tree.dataFolder();
    EXPECT_EQ(findDataFile("Manual.hlp", "", data), tree.dataFolder() + "/Manual.hlp");
    const TempFolder elsewhere;
    EXPECT_EQ(findDataFile(elsewhere.file("Manual.hlp"), "", data), elsewhere.file("Manual.hlp"));
}
