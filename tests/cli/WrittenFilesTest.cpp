#include "testing/FolderTest.h"
#include "testing/RunBurgeon.h"
#include "testing/SamplePlants.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <set>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using burgeon::testing::CommandResult;
using burgeon::testing::exampleLsystems;
using burgeon::testing::examplesFolder;
using burgeon::testing::internodeGrowth;
using burgeon::testing::runBurgeon;

namespace {

namespace fs = std::filesystem;

// What the commands write, seen from outside: whole files under the names as given, each name
// once, and nothing else left beside them. Each case works in a folder of its own that holds
// the land's picture, as the renderer reads it from the working folder.
class WrittenFilesTest : public burgeon::testing::FolderTest {
protected:
    void SetUp() override {
        fs::copy_file(examplesFolder() + "/grass1.bmp", folder / "grass1.bmp");
    }

    // The second example block with measured internode growth, and the arguments.
    std::vector<std::string> plant(const std::string& command,
                                   const std::vector<std::string>& extra) const {
        std::vector<std::string> arguments = {command, "--lsystem", exampleLsystems(), "--block",
                                              "2",     "--growth",  internodeGrowth()};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        return arguments;
    }

    CommandResult run(const std::vector<std::string>& arguments) const {
        return runBurgeon(arguments, folder.string());
    }

    // The names in the folder (or one below it), sorted.
    std::set<std::string> names(const std::string& below = "") const {
        std::set<std::string> found;
        for (const auto& entry : fs::directory_iterator(folder / below)) {
            found.insert(entry.path().filename().string());
        }
        return found;
    }
};

// The temporary name of a file adds some twenty bytes to its name: names of up to 255 bytes,
// which the file system takes, are written; longer ones are refused with the reason.
TEST_F(WrittenFilesTest, NamesUpToTheFileSystemsLimitAreWrittenAndLongerOnesSayWhy) {
    const std::string picture = std::string(251, 'p') + ".png";
    const auto rendered = run(plant("render", {"--size", "40x30", "--out", picture}));
    EXPECT_EQ(rendered.status, 0) << rendered.err;
    const std::string session = std::string(238, 's') + ".burgeon";
    const auto saved = run({"session", "save", session, "--lsystem", exampleLsystems()});
    EXPECT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(names(), (std::set<std::string>{"grass1.bmp", picture, session}));

    const std::string tooLong = std::string(252, 'p') + ".png";
    const auto refused = run(plant("render", {"--size", "40x30", "--out", tooLong}));
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "Cannot create file " + tooLong + " (the name is too long)\n");
    const std::string tooLongSession = std::string(248, 's') + ".burgeon";
    const auto unsaved = run({"session", "save", tooLongSession, "--lsystem", exampleLsystems()});
    EXPECT_EQ(unsaved.status, 1);
    EXPECT_NE(unsaved.err.find("Cannot create file " + tooLongSession + " (the name is too long)"),
              std::string::npos)
        << unsaved.err;
    EXPECT_EQ(names(), (std::set<std::string>{"grass1.bmp", picture, session}));
}

// Two outputs that are one file once `.`, `..` and links are resolved are refused before
// anything is written: otherwise one would end up holding the other's content.
TEST_F(WrittenFilesTest, OutputsThatNameOneFileAreRefusedBeforeAnythingIsWritten) {
    fs::create_directory(folder / "o");
    fs::create_directory_symlink("o", folder / "link");
    const auto picture =
        run(plant("render", {"--size", "40x30", "--out", "o/a.png", "--organs", "o/./a.png"}));
    EXPECT_EQ(picture.status, 1);
    EXPECT_EQ(picture.err, "Cannot create file o/./a.png (it is the same file as o/a.png)\n");
    const auto linked =
        run(plant("render", {"--size", "40x30", "--out", "o/a.png", "--organs", "link/a.png"}));
    EXPECT_EQ(linked.status, 1);
    EXPECT_EQ(linked.err, "Cannot create file link/a.png (it is the same file as o/a.png)\n");
    EXPECT_TRUE(names("o").empty());

    // A model's buffer that is the model itself, through a link.
    fs::create_symlink("plant.gltf", folder / "o" / "plant.bin");
    const auto model = run(plant("export", {"--out", "o/plant.gltf"}));
    EXPECT_EQ(model.status, 1);
    EXPECT_EQ(model.err, "Cannot create file o/plant.bin (it is the same file as o/plant.gltf)\n");
    EXPECT_EQ(names("o"), std::set<std::string>{"plant.bin"});
    fs::remove(folder / "o" / "plant.bin");

    // A video in the place of the capture folder: refused before the run starts.
    const auto video = run(plant("animate", {"--size", "40x30", "--from", "10", "--to", "11",
                                             "--folder", "o/v.mp4", "--video", "o/../o/v.mp4"}));
    EXPECT_EQ(video.status, 1);
    EXPECT_EQ(video.err,
              "Cannot create file o/../o/v.mp4 (it is the same file as the folder o/v.mp4)\n");
    EXPECT_EQ(video.out.find('%'), std::string::npos) << "no frame was captured";
    EXPECT_TRUE(names("o").empty());
    EXPECT_EQ(names(), (std::set<std::string>{"grass1.bmp", "link", "o"}));
}

// The encoder refuses the quality only once the first frame arrives, when the video is being
// written beside its place: the message names the file as the user gave it.
TEST_F(WrittenFilesTest, AnEncodersRefusalNamesTheVideoAsGiven) {
    const auto refused =
        run(plant("animate", {"--size", "40x30", "--from", "10", "--to", "11", "--folder", "run",
                              "--video", "out.mp4", "--crf", "52"}));
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("Cannot write video out.mp4: the quality (crf) 52 lies outside "
                               "0..51 for H.264"),
              std::string::npos)
        << refused.err;
    EXPECT_EQ(refused.err.find("burgeon-"), std::string::npos) << refused.err;
    EXPECT_EQ(names(), std::set<std::string>{"grass1.bmp"});
}

// Starts burgeon with the arguments in the folder, its output thrown away, and returns its
// process id.
pid_t startBurgeon(const std::vector<std::string>& arguments, const fs::path& folder) {
    std::vector<char*> argv;
    std::string program = burgeon::testing::burgeonExecutable();
    argv.push_back(program.data());
    std::vector<std::string> copies = arguments;
    for (std::string& argument : copies) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        const int nothing = ::open("/dev/null", O_RDWR);
        ::dup2(nothing, STDOUT_FILENO);
        ::dup2(nothing, STDERR_FILENO);
        if (::chdir(folder.c_str()) == 0) {
            ::execv(argv[0], argv.data());
        }
        ::_exit(127);
    }
    return child;
}

// True when the process holds a file of the folder open that is none of the given ones: a
// temporary it writes, unnamed (shown as "FOLDER/#INODE (deleted)") or named.
bool writesATemporary(pid_t process, const fs::path& folder, const std::set<std::string>& known) {
    std::error_code error;
    const fs::path inside = fs::canonical(folder);
    for (fs::directory_iterator it("/proc/" + std::to_string(process) + "/fd", error), end;
         !error && it != end; it.increment(error)) {
        std::error_code unreadable;
        const fs::path target = fs::read_symlink(it->path(), unreadable);
        if (!unreadable && target.parent_path() == inside &&
            known.count(target.filename().string()) == 0) {
            return true;
        }
    }
    return false;
}

// An export of a large glTF (a growth of some two thousand frames, a buffer of eight
// megabytes) is killed while it writes its files. The files of the earlier export stay as they
// were, and the next export leaves nothing but its own files: whatever temporary the killed
// one left, named or not, is gone.
TEST_F(WrittenFilesTest, AnExportKilledWhileItWritesLeavesNothingAfterTheNextExport) {
    const std::vector<std::string> arguments =
        plant("export", {"--out", "plant.gltf", "--animate", "1:100:0.05"});
    const auto first = run(arguments);
    ASSERT_EQ(first.status, 0) << first.err;
    const std::set<std::string> exported = {"grass1.bmp", "plant-land.png", "plant-leaf.png",
                                            "plant.bin", "plant.gltf"};
    ASSERT_EQ(names(), exported);
    const auto modelSize = fs::file_size(folder / "plant.gltf");
    const auto bufferSize = fs::file_size(folder / "plant.bin");

    bool killedWhileWriting = false;
    for (int attempt = 0; attempt < 5 && !killedWhileWriting; ++attempt) {
        const pid_t exporter = startBurgeon(arguments, folder);
        int status = 0;
        while (::waitpid(exporter, &status, WNOHANG) == 0) {
            if (writesATemporary(exporter, folder, exported)) {
                ::kill(exporter, SIGKILL);
                ::waitpid(exporter, &status, 0);
                killedWhileWriting = WIFSIGNALED(status);
                break;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    }
    ASSERT_TRUE(killedWhileWriting) << "no export was caught writing its files";
    // Killed before its renames, the export changed nothing; killed among them, the files it
    // renamed are whole. Either way no file of the set is cut short.
    EXPECT_EQ(fs::file_size(folder / "plant.gltf"), modelSize);
    EXPECT_EQ(fs::file_size(folder / "plant.bin"), bufferSize);

    const auto next = run(arguments);
    ASSERT_EQ(next.status, 0) << next.err;
    EXPECT_EQ(names(), exported);
}

} // namespace
