#include "base/TemporaryFiles.h"
#include "base/OutputFiles.h"
#include "base/StandardError.h"
#include "testing/FileContents.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace burgeon;
namespace fs = std::filesystem;
using burgeon::testing::contentOf;
using burgeon::testing::errorMessageOf;
using burgeon::testing::writePlain;

namespace {

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

// True when every byte sequence of the text is a whole UTF-8 character.
bool isWholeUtf8(const std::string& text) {
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if ((lead & 0xC0) == 0x80 || at + length > text.size()) {
            return false;
        }
        for (std::size_t i = 1; i < length; ++i) {
            if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) {
                return false;
            }
        }
        at += length;
    }
    return true;
}

class TemporaryFiles : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return folder.file(name); }

    std::vector<std::string> names() const {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(folder.path())) {
            found.push_back(entry.path().filename().string());
        }
        std::sort(found.begin(), found.end());
        return found;
    }

    // Starts a child that writes a megabyte into a temporary of the target and is killed with
    // SIGKILL while the temporary is open, as a process is killed in the middle of a write.
    void killWhileWriting(const std::string& target, TemporaryNaming naming) const {
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            try {
                TemporaryFile file(target, naming);
                file.write(std::string(1 << 20, 'x'));
                [[maybe_unused]] const auto told = ::write(ready[1], "w", 1);
                for (;;) {
                    ::pause();
                }
            } catch (...) {
                ::_exit(1);
            }
        }
        ::close(ready[1]);
        char told = 0;
        EXPECT_EQ(::read(ready[0], &told, 1), 1);
        ::close(ready[0]);
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    }

    burgeon::testing::TempFolder folder;
};

// A temporary name adds some twenty bytes to its target's: for names near the file system's
// limit of 255 bytes only the temporary's stem is shortened, never the target's name.
TEST_F(TemporaryFiles, NamesUpToTheFileSystemsLimitAreWritten) {
    for (const std::size_t length : {200, 238, 240, 250, 254, 255}) {
        const std::string name = std::string(length - 4, 'n') + ".png";
        writeFileAtomically(path(name), "picture");
        EXPECT_EQ(contentOf(path(name)), "picture") << length;
        EXPECT_EQ(names(), std::vector<std::string>{name});
        // A named temporary of the same target, while it is open.
        {
            TemporaryFile named(path(name), TemporaryNaming::Named);
            EXPECT_EQ(names().size(), 2u) << length;
        }
        fs::remove(path(name));
    }
    // Two-byte characters: the stem is cut between characters, not inside one.
    const std::string accented = [] {
        std::string text;
        for (int i = 0; i < 125; ++i) {
            text += "\xC3\xA9"; // é
        }
        return text + ".png";
    }();
    {
        TemporaryFile named(path(accented), TemporaryNaming::Named);
        for (const std::string& name : names()) {
            EXPECT_TRUE(isWholeUtf8(name)) << name;
            EXPECT_LE(name.size(), 255u);
        }
    }
    const std::string staging = makeStagingFolder(path(std::string(255, 'f')));
    EXPECT_TRUE(fs::is_directory(staging));
    fs::remove(staging);

    const std::string tooLong = path(std::string(252, 'n') + ".png");
    EXPECT_EQ(errorMessageOf([&] { writeFileAtomically(tooLong, "picture"); }),
              "Cannot create file " + tooLong + " (the name is too long)");
    EXPECT_TRUE(names().empty());
}

// Past a file-size limit the process is not ended by SIGXFSZ: the write fails with a message
// and the old file stays, whichever front end runs it.
TEST_F(TemporaryFiles, AFileSizeLimitGivesAMessageNotASignal) {
    const std::string file = path("plant.bmp");
    writePlain(file, "old picture");
    const int status = inChild([&] {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit limit{16 * 1024, 16 * 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const std::string message =
            errorMessageOf([&] { writeFileAtomically(file, std::string(64 * 1024, 'x')); });
        return message == "Cannot create file " + file +
                              " (file too large: the file-size limit was reached)"
                   ? 0
                   : 1;
    });
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(contentOf(file), "old picture");
    EXPECT_EQ(names(), std::vector<std::string>{"plant.bmp"});
}

// A process killed while it writes leaves its target as it was. An unnamed temporary vanishes
// with the process; a named one stays until the next write of that name sweeps it.
TEST_F(TemporaryFiles, WhatAKilledWriterLeavesIsSweptByTheNextWrite) {
    const std::string longName = std::string(246, 'p') + ".gif";
    for (const std::string& name : {std::string("Plant.gif"), longName}) {
        writePlain(path(name), "old");
        killWhileWriting(path(name), TemporaryNaming::UnnamedWhereSupported);
        EXPECT_EQ(contentOf(path(name)), "old");
        EXPECT_LE(names().size(), 2u); // the unnamed temporary leaves no name at all

        killWhileWriting(path(name), TemporaryNaming::Named);
        EXPECT_EQ(contentOf(path(name)), "old");
        EXPECT_GE(names().size(), 2u) << "the named temporary stays";

        writeFileAtomically(path(name), "new");
        EXPECT_EQ(contentOf(path(name)), "new");
        EXPECT_EQ(names(), std::vector<std::string>{name});
        fs::remove(path(name));
    }
}

// Only temporaries of the target's name whose process no longer runs are swept: not those of
// a process still writing, nor the user's own files, nor another name's.
TEST_F(TemporaryFiles, TheSweepTakesOnlyTheTargetsTemporariesOfEndedProcesses) {
    writePlain(path("Plant.gif.burgeon-999999999-Ab12Cd"), "left by a killed process");
    const std::string live = "Plant.gif.burgeon-" + std::to_string(::getppid()) + "-Xy34Zw";
    writePlain(path(live), "being written by a running process");
    writePlain(path("Plant.gif.bak"), "the user's own");
    writePlain(path("Plant.gif.burgeon-999999999-Ab12Cd.txt"), "the user's own too");
    writePlain(path("Other.gif.burgeon-999999999-Ab12Cd"), "another file's");
    fs::create_directory(path("Run.burgeon-999999999-Ab12Cd"));
    writeFileAtomically(path("Plant.gif"), "GIF89a");
    std::vector<std::string> kept = {"Other.gif.burgeon-999999999-Ab12Cd",
                                     "Plant.gif",
                                     "Plant.gif.bak",
                                     "Plant.gif.burgeon-999999999-Ab12Cd.txt",
                                     "Run.burgeon-999999999-Ab12Cd",
                                     live};
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(names(), kept);
    // A staging folder left by an ended process goes when that folder is staged next.
    const std::string staging = makeStagingFolder(path("Run"));
    EXPECT_FALSE(fs::exists(path("Run.burgeon-999999999-Ab12Cd")));
    fs::remove(staging);
}

} // namespace
