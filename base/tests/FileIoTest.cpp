#include "base/FileIo.h"
#include "base/StandardError.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace burgeon;
namespace fs = std::filesystem;

namespace {

fs::path freshFolder(const std::string& name) {
    fs::path folder =
        fs::temp_directory_path() / ("burgeon_" + name + "_" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

std::string messageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const StandardError& error) {
        return error.what();
    }
    return "no error";
}

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& item : fs::directory_iterator(folder)) {
        names.push_back(item.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

void writePlain(const fs::path& file, const std::string& content) {
    std::ofstream(file, std::ios::binary) << content;
}

// Runs the action in a child process and returns its wait status.
int inChild(const std::function<int()>& action) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(action());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}

} // namespace

TEST(FileIo, WritesWholeFilesAndReadsThemBack) {
    const fs::path folder = freshFolder("fileio_write");
    const std::string file = (folder / "a.txt").string();
    writeFileAtomically(file, "first");
    writeFileAtomically(file, std::string("second\0with nul", 15));
    EXPECT_EQ(readFileText(file), std::string("second\0with nul", 15));
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::others_read);
    // Only the target is left: no temporary file stays behind.
    EXPECT_EQ(namesIn(folder), std::vector<std::string>{"a.txt"});
    fs::remove_all(folder);
}

TEST(FileIo, AFailedWriteLeavesTheOldFileAndSaysCannotCreate) {
    const fs::path folder = freshFolder("fileio_fail");
    const std::string missingFolderFile = (folder / "no" / "such" / "x.bmp").string();
    EXPECT_EQ(messageOf([&] { writeFileAtomically(missingFolderFile, "data"); }),
              "Cannot create file " + missingFolderFile);
    // A folder in the target's place is not replaced.
    fs::create_directory(folder / "taken");
    EXPECT_EQ(messageOf([&] { writeFileAtomically((folder / "taken").string(), "data"); }),
              "Cannot create file " + (folder / "taken").string());
    EXPECT_EQ(namesIn(folder), std::vector<std::string>{"taken"});
    fs::remove_all(folder);
}

TEST(FileIo, AFileSizeLimitGivesCannotCreateAndLeavesNothing) {
    const fs::path folder = freshFolder("fileio_limit");
    const std::string file = (folder / "plant.bmp").string();
    writePlain(file, "old picture");
    const std::string large(64 * 1024, 'x');
    // As the command line runs: the signal ignored, the write fails with a message.
    const int reported = inChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{16 * 1024, 16 * 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        return messageOf([&] { writeFileAtomically(file, large); }) == "Cannot create file " + file
                   ? 0
                   : 1;
    });
    ASSERT_TRUE(WIFEXITED(reported));
    EXPECT_EQ(WEXITSTATUS(reported), 0);
    // Killed by the signal in the middle of the write: the old file stays and, at the latest
    // after the next write, no temporary file is left.
    const int killed = inChild([&] {
        const rlimit limit{16 * 1024, 16 * 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        writeFileAtomically(file, large);
        return 0;
    });
    ASSERT_TRUE(WIFSIGNALED(killed));
    EXPECT_EQ(WTERMSIG(killed), SIGXFSZ);
    EXPECT_EQ(readFileText(file), "old picture");
    writeFileAtomically(file, "new picture");
    EXPECT_EQ(namesIn(folder), std::vector<std::string>{"plant.bmp"});
    fs::remove_all(folder);
}

TEST(FileIo, SeveralFilesAreWrittenAllOrNone) {
    const fs::path folder = freshFolder("fileio_several");
    const std::string picture = (folder / "plant.png").string();
    const std::string organs = (folder / "organs.csv").string();
    writeFilesAtomically({{picture, "picture 1"}, {organs, "organs 1"}});
    EXPECT_EQ(readFileText(picture), "picture 1");
    EXPECT_EQ(readFileText(organs), "organs 1");

    // The second file cannot be written: the first keeps its old content, and no temporary
    // file of either is left.
    fs::create_directory(folder / "taken");
    const std::string taken = (folder / "taken").string();
    EXPECT_EQ(messageOf([&] {
                  writeFilesAtomically({{picture, "picture 2"}, {taken, "x"}});
              }),
              "Cannot create file " + taken);
    const std::string elsewhere = (folder / "no" / "o.csv").string();
    EXPECT_EQ(messageOf([&] {
                  writeFilesAtomically({{picture, "picture 2"}, {elsewhere, "x"}});
              }),
              "Cannot create file " + elsewhere);
    EXPECT_EQ(readFileText(picture), "picture 1");
    EXPECT_EQ(namesIn(folder), (std::vector<std::string>{"organs.csv", "plant.png", "taken"}));
    fs::remove_all(folder);
}

TEST(FileIo, TheNextWriteSweepsTemporariesOfProcessesThatAreGone) {
    const fs::path folder = freshFolder("fileio_sweep");
    const std::string file = (folder / "Plant.gif").string();
    writePlain(folder / "Plant.gif.burgeon-999999999-Ab12Cd", "left by a killed process");
    const std::string live = "Plant.gif.burgeon-" + std::to_string(::getppid()) + "-Xy34Zw";
    writePlain(folder / live, "being written by a running process");
    writePlain(folder / "Plant.gif.bak", "the user's own");
    writePlain(folder / "Other.gif.burgeon-999999999-Ab12Cd", "another file's");
    writeFileAtomically(file, "GIF89a");
    EXPECT_EQ(namesIn(folder), (std::vector<std::string>{"Other.gif.burgeon-999999999-Ab12Cd",
                                                         "Plant.gif", "Plant.gif.bak", live}));
    fs::remove_all(folder);
}

TEST(FileIo, OnlyRegularFilesAreRead) {
    const fs::path folder = freshFolder("fileio_read");
    const std::string missing = (folder / "missing.txt").string();
    EXPECT_EQ(messageOf([&] { readFileText(missing); }), "Cannot open file " + missing);
    EXPECT_EQ(readRegularFile(missing, 100).status, FileReadStatus::NotFound);
    EXPECT_EQ(messageOf([&] { readFileText(folder.string()); }),
              "Cannot open file " + folder.string());
    // Neither an endless device nor a FIFO without a writer may hang the reader.
    EXPECT_EQ(messageOf([] { readFileText("/dev/zero"); }), "Cannot open file /dev/zero");
    EXPECT_EQ(messageOf([] { readFileText("/dev/urandom"); }), "Cannot open file /dev/urandom");
    const std::string fifo = (folder / "fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(readRegularFile(fifo, 100).status, FileReadStatus::NotRegularFile);
    EXPECT_EQ(messageOf([&] { readFileText(fifo); }), "Cannot open file " + fifo);
    fs::remove_all(folder);
}

TEST(FileIo, FilesBeyondTheLimitAreRefusedWithTheLimit) {
    const fs::path folder = freshFolder("fileio_size");
    const std::string file = (folder / "big.txt").string();
    writePlain(file, std::string(2048, 'a'));
    const FileSizeLimit twoKilobytes{2 * KiB, "test texts"};
    EXPECT_EQ(readFileText(file, twoKilobytes).size(), 2048U);
    writePlain(file, std::string(2049, 'a'));
    EXPECT_EQ(readRegularFile(file, 2048).status, FileReadStatus::TooLarge);
    EXPECT_EQ(messageOf([&] { readFileText(file, twoKilobytes); }),
              "File " + file + " is larger than 2 KB, the limit for test texts.");
    EXPECT_EQ(formatByteSize(16 * MiB), "16 MB");
    EXPECT_EQ(formatByteSize(1536), "1536 bytes");
    EXPECT_EQ(formatByteSize(1), "1 byte");
    fs::remove_all(folder);
}

TEST(FileIo, JoinPathUsesOneSeparator) {
    EXPECT_EQ(joinPath("PlantCap1", "Picture.bmp"), "PlantCap1/Picture.bmp");
    EXPECT_EQ(joinPath("dir/", "Plant.gif"), "dir/Plant.gif");
    EXPECT_EQ(joinPath("", "Plant.gif"), "Plant.gif");
}
