// Videos that cannot be written: the message names the file and what failed, and nothing is
// left under the file's name nor beside it.

#include "video/VideoEncoder.h"

#include "base/StandardError.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace burgeon;
using namespace burgeon::testing;

namespace {

// A picture no encoder can shrink much: every pixel a different pseudo-random colour.
RgbImage noise(int seed) {
    RgbImage image(64, 48);
    unsigned state = static_cast<unsigned>(seed) * 2654435761u + 1;
    for (std::uint8_t& byte : image.bytes()) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<std::uint8_t>(state >> 16);
    }
    return image;
}

// The message of the StandardError that writing a video of a few frames throws.
std::string writeVideo(const std::string& fileName, int frames) {
    try {
        VideoEncoder encoder(fileName, 64, 48, FrameRate::perSecond(25));
        for (int index = 0; index < frames; ++index) {
            encoder.addFrame(noise(index));
        }
        encoder.finish();
    } catch (const StandardError& error) {
        return error.what();
    }
    return "no error";
}

// Runs a step in a child process (whose limits and user it may change) and returns the text
// the step gave back.
std::string inChildProcess(const std::function<std::string()>& step) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return "no pipe";
    }
    const pid_t child = fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        const std::string text = step();
        const ssize_t written = ::write(pipeEnds[1], text.data(), text.size());
        _exit(written == static_cast<ssize_t>(text.size()) ? 0 : 1);
    }
    ::close(pipeEnds[1]);
    std::string text;
    char buffer[256];
    ssize_t count = 0;
    while ((count = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0) {
        text.append(buffer, static_cast<std::size_t>(count));
    }
    ::close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? text : "child failed: " + text;
}

class VideoFailureTest : public ::testing::TestWithParam<const char*> {
protected:
    TempFolder folder;
};

} // namespace

TEST_P(VideoFailureTest, FolderThatIsAFileOrMissingCannotTakeTheVideo) {
    std::ofstream(folder.file("somefile")) << "text";
    const std::string underFile = folder.file("somefile/") + GetParam();
    EXPECT_EQ(writeVideo(underFile, 2),
              "Cannot create file " + underFile + " (a part of the path is a file, not a folder)");
    const std::string missing = folder.file("missing/") + GetParam();
    EXPECT_EQ(writeVideo(missing, 2), "Cannot create file " + missing + " (no such folder)");
    EXPECT_EQ(folder.names(), std::vector<std::string>{"somefile"});
}

TEST_P(VideoFailureTest, ReadOnlyFolderCannotTakeTheVideo) {
    const std::filesystem::path readOnly = std::filesystem::path(folder.path()) / "readonly";
    std::filesystem::create_directory(readOnly);
    std::filesystem::permissions(readOnly, std::filesystem::perms(0555));
    const std::string target = (readOnly / GetParam()).string();
    // Root writes into any folder, so the writer then becomes an ordinary user.
    const std::string message = inChildProcess([&] {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
            return std::string("cannot become an ordinary user");
        }
        return writeVideo(target, 2);
    });
    EXPECT_EQ(message, "Cannot create file " + target + " (no permission to write in that folder)");
    EXPECT_TRUE(std::filesystem::is_empty(readOnly));
}

TEST_P(VideoFailureTest, FileSizeLimitEndsTheVideoWithoutLeavingAFile) {
    const std::string target = folder.file(GetParam());
    const std::string message = inChildProcess([&] {
        // Writes past the limit fail with EFBIG instead of ending the process.
        const rlimit limit{4096, 4096};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) {
            return std::string("cannot limit the file size");
        }
        return writeVideo(target, 10);
    });
    EXPECT_EQ(message, "Cannot write video " + target + ": File too large");
    EXPECT_TRUE(folder.names().empty());
}

INSTANTIATE_TEST_SUITE_P(Formats, VideoFailureTest, ::testing::Values("Plant.mp4", "Plant.webm"),
                         [](const auto& formatCase) {
                             return std::string(formatCase.param) == "Plant.mp4" ? "H264" : "Vp9";
                         });
