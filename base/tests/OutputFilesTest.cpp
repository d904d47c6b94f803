#include "base/OutputFiles.h"
#include "base/StandardError.h"
#include "testing/FileContents.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

using namespace burgeon;
namespace fs = std::filesystem;
using burgeon::testing::contentOf;
using burgeon::testing::errorMessageOf;
using burgeon::testing::writePlain;

namespace {

std::string sameFileMessage(const std::string& second, const std::string& first) {
    return "Cannot create file " + second + " (it is the same file as " + first + ")";
}

// A fresh folder for each case.
class OutputFiles : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return folder.file(name); }

    // Everything in the folder, in sub-folders too, sorted.
    std::vector<std::string> names() const {
        std::vector<std::string> found;
        for (const auto& entry : fs::recursive_directory_iterator(folder.path())) {
            found.push_back(entry.path().lexically_relative(folder.path()).string());
        }
        std::sort(found.begin(), found.end());
        return found;
    }

    burgeon::testing::TempFolder folder;
};

TEST_F(OutputFiles, SingleFilesAreWrittenWholeWithTheUsualPermissions) {
    const std::string file = path("a.txt");
    writeFileAtomically(file, "first");
    writeFileAtomically(file, std::string("second\0with nul", 15));
    EXPECT_EQ(contentOf(file), std::string("second\0with nul", 15));
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::others_read);
    EXPECT_EQ(names(), std::vector<std::string>{"a.txt"});
}

TEST_F(OutputFiles, FailuresNameTheFileAsGivenWithTheReason) {
    const std::string missing = path("no/such/x.bmp");
    EXPECT_EQ(errorMessageOf([&] { writeFileAtomically(missing, "data"); }),
              "Cannot create file " + missing + " (no such folder)");
    fs::create_directory(path("taken"));
    EXPECT_EQ(errorMessageOf([&] { writeFileAtomically(path("taken"), "data"); }),
              "Cannot create file " + path("taken") + " (a folder has that name)");
    writePlain(path("notes.txt"), "a file, not a folder");
    EXPECT_EQ(errorMessageOf([&] { writeFileAtomically(path("notes.txt/x.bmp"), "data"); }),
              "Cannot create file " + path("notes.txt/x.bmp") +
                  " (a part of the path is a file, not a folder)");
    EXPECT_EQ(names(), (std::vector<std::string>{"notes.txt", "taken"}));
    EXPECT_EQ(contentOf(path("notes.txt")), "a file, not a folder");
}

TEST_F(OutputFiles, ASetIsWrittenAllOrNone) {
    writePlain(path("plant.png"), "picture 1");
    writePlain(path("organs.csv"), "organs 1");
    const std::string streamed(3 << 20, 's'); // passes through the buffer more than once
    {
        OutputFileSet files;
        files.add(path("plant.png"), "picture 2");
        ByteSink& organs = files.add(path("organs.csv"));
        for (std::size_t at = 0; at < streamed.size(); at += 65536) {
            organs.write(std::string_view(streamed).substr(at, 65536));
        }
        EXPECT_EQ(errorMessageOf([&] { files.add(path("no/o.csv"), "x"); }),
                  "Cannot create file " + path("no/o.csv") + " (no such folder)");
    } // dropped without commit
    EXPECT_EQ(contentOf(path("plant.png")), "picture 1");
    EXPECT_EQ(contentOf(path("organs.csv")), "organs 1");
    EXPECT_EQ(names(), (std::vector<std::string>{"organs.csv", "plant.png"}));

    OutputFileSet files;
    files.add(path("plant.png"), "picture 2");
    files.add(path("organs.csv")).write(streamed);
    EXPECT_EQ(contentOf(path("plant.png")), "picture 1"); // nothing changes before commit
    files.commit();
    EXPECT_EQ(contentOf(path("plant.png")), "picture 2");
    EXPECT_EQ(contentOf(path("organs.csv")), streamed);
    EXPECT_EQ(names(), (std::vector<std::string>{"organs.csv", "plant.png"}));
}

// `o/a.png` and `o/./a.png` are one file: writing both would leave one of them holding the
// other's content. The set refuses the second name as it is added.
TEST_F(OutputFiles, OneFileNamedTwiceIsRefusedBeforeAnythingIsWritten) {
    fs::create_directory(path("o"));
    fs::create_directory_symlink("o", path("link"));
    fs::create_symlink("a.png", path("o/alias.png"));
    const std::string first = path("o/a.png");
    for (const std::string& second :
         {path("o/./a.png"), path("o/../o/a.png"), path("link/a.png"), path("o/alias.png")}) {
        OutputFileSet files;
        files.add(first, "picture");
        EXPECT_EQ(errorMessageOf([&] { files.add(second, "table"); }),
                  sameFileMessage(second, first));
    }
    {
        OutputFileSet files;
        files.addFolder(path("run"));
        EXPECT_EQ(errorMessageOf([&] { files.addWrittenByName(path("run/")); }),
                  "Cannot create file " + path("run/") + " (it is the same file as the folder " +
                      path("run") + ")");
    }
    EXPECT_EQ(names(), (std::vector<std::string>{"link", "o", "o/alias.png"}));
}

// A video muxer writes its file by name, a capture run its folder file by file: both appear
// only on commit, under the names as given.
TEST_F(OutputFiles, FilesWrittenByNameAndStagedFoldersAppearOnCommit) {
    {
        OutputFileSet files;
        std::ofstream(files.addWrittenByName(path("plant.mp4"))) << "video";
        const std::string staging = files.addFolder(path("run"));
        writePlain(fs::path(staging) / "Picture1.jpg", "frame");
        EXPECT_EQ(files.namedAsGiven("Cannot create file " + staging + "/Picture2.jpg"),
                  "Cannot create file " + path("run") + "/Picture2.jpg");
    } // dropped: neither the video nor the folder appears
    EXPECT_TRUE(names().empty()) << ::testing::PrintToString(names());

    OutputFileSet files;
    std::ofstream(files.addWrittenByName(path("plant.mp4"))) << "video";
    const std::string staging = files.addFolder(path("run"));
    writePlain(fs::path(staging) / "Picture1.jpg", "frame");
    EXPECT_FALSE(fs::exists(path("plant.mp4")));
    EXPECT_FALSE(fs::exists(path("run")));
    files.commit();
    EXPECT_EQ(contentOf(path("plant.mp4")), "video");
    EXPECT_EQ(contentOf(path("run/Picture1.jpg")), "frame");
    EXPECT_EQ(names(), (std::vector<std::string>{"plant.mp4", "run", "run/Picture1.jpg"}));
}

// A staged folder's file that the set also names, or a folder standing where a file goes:
// the commit is refused before any file moves.
TEST_F(OutputFiles, AStagedFileWithoutAPlaceStopsTheCommitBeforeAnythingMoves) {
    fs::create_directories(path("run/Plant.gif"));
    OutputFileSet files;
    const std::string staging = files.addFolder(path("run"));
    writePlain(fs::path(staging) / "Plant.gif", "animation");
    EXPECT_EQ(errorMessageOf([&] { files.commit(); }),
              "Cannot create file " + path("run/Plant.gif") + " (a folder has that name)");

    fs::remove(path("run/Plant.gif"));
    OutputFileSet named;
    const std::string stagingAgain = named.addFolder(path("run"));
    named.add(path("run/Picture.bmp"), "the set's own");
    writePlain(fs::path(stagingAgain) / "Picture.bmp", "the run's");
    EXPECT_EQ(errorMessageOf([&] { named.commit(); }),
              sameFileMessage(path("run/Picture.bmp"), path("run/Picture.bmp")));
    EXPECT_FALSE(fs::exists(path("run/Picture.bmp")));
}

} // namespace
