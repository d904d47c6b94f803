#include "MeshReaders.h"
#include "TestPlant.h"

#include "base/StandardError.h"
#include "mesh/MeshExport.h"
#include "mesh/PlantMeshBuilder.h"
#include "testing/FolderTest.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace burgeon;
using namespace burgeon::testing;

namespace {

namespace fs = std::filesystem;

// The user and group ids of "nobody".
constexpr uid_t NobodyId = 65534;

// A fresh empty folder for each case.
class MeshFileErrors : public FolderTest {
protected:
    void SetUp() override { scene = buildPlantMesh(plant.inputs(), 30.0); }
    void TearDown() override {
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
    }

    std::string messageOfWriting(const std::string& fileName) {
        try {
            writeMeshFile(fileName, scene);
        } catch (const StandardError& error) {
            return error.what();
        }
        return "written";
    }

    // The message of writing the file in a child process that first runs `prepare` (a limit,
    // another user), so the limit or the user ends with the child.
    std::string messageOfWritingInChild(const std::string& fileName,
                                        const std::function<void()>& prepare) {
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0) {
            return "no pipe";
        }
        const pid_t child = fork();
        if (child == 0) {
            close(pipeEnds[0]);
            prepare();
            const std::string message = messageOfWriting(fileName);
            [[maybe_unused]] const auto written =
                ::write(pipeEnds[1], message.data(), message.size());
            _exit(0);
        }
        close(pipeEnds[1]);
        std::string message;
        char buffer[256];
        for (ssize_t count; (count = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
            message.append(buffer, static_cast<std::size_t>(count));
        }
        close(pipeEnds[0]);
        int status = 0;
        EXPECT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        return message;
    }

    std::vector<std::string> folderContents() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(folder)) {
            names.push_back(entry.path().lexically_relative(folder).string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    TestPlant plant;
    MeshScene scene;
};

TEST_F(MeshFileErrors, MissingFolderIsNamedAndNothingIsLeft) {
    const std::string file = (folder / "missing" / "plant.gltf").string();
    EXPECT_EQ(messageOfWriting(file), "Cannot create file " + file + " (no such folder)");
    EXPECT_TRUE(folderContents().empty());
}

TEST_F(MeshFileErrors, PathThroughAFileIsNamed) {
    std::ofstream(folder / "notes.txt") << "a file, not a folder";
    const std::string file = (folder / "notes.txt" / "plant.obj").string();
    EXPECT_EQ(messageOfWriting(file),
              "Cannot create file " + file + " (a part of the path is a file, not a folder)");
    EXPECT_EQ(folderContents(), std::vector<std::string>{"notes.txt"});
}

TEST_F(MeshFileErrors, FolderOfTheSameNameIsNamed) {
    fs::create_directory(folder / "plant.bin");
    const std::string bin = (folder / "plant.bin").string();
    EXPECT_EQ(messageOfWriting((folder / "plant.gltf").string()),
              "Cannot create file " + bin + " (a folder has that name)");
    EXPECT_EQ(folderContents(), std::vector<std::string>{"plant.bin"});
}

// The superuser writes in read-only folders, so it writes as the user "nobody" there.
TEST_F(MeshFileErrors, ReadOnlyFolderIsNamed) {
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read |
                                fs::perms::others_exec);
    const std::string file = (folder / "plant.ply").string();
    const std::string message = messageOfWritingInChild(file, [] {
        if (geteuid() == 0 && (setgid(NobodyId) != 0 || setuid(NobodyId) != 0)) {
            _exit(1);
        }
    });
    EXPECT_EQ(message, "Cannot create file " + file + " (no permission to write in that folder)");
    EXPECT_TRUE(folderContents().empty());
}

TEST_F(MeshFileErrors, UnknownExtensionIsRefused) {
    const std::string file = (folder / "plant.stl").string();
    EXPECT_EQ(messageOfWriting(file),
              "Cannot write " + file + ": a mesh file name ends in .glb, .gltf, .obj or .ply");
    EXPECT_TRUE(folderContents().empty());
}

// The limit hits a later file of the set: none of them is left, an older model file of that
// name keeps its content. Writing past the limit fails with a message instead of ending the
// process by SIGXFSZ.
TEST_F(MeshFileErrors, FileSizeLimitLeavesNoFileAndKeepsTheOldOne) {
    std::ofstream(folder / "plant.gltf") << "old";
    const std::string file = (folder / "plant.gltf").string();
    const std::string message = messageOfWritingInChild(file, [] {
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    const std::string start = "Cannot create file " + (folder / "plant.").string();
    const std::string reason = " (file too large: the file-size limit was reached)";
    EXPECT_EQ(message.substr(0, start.size()), start) << message;
    EXPECT_TRUE(message.ends_with(reason)) << message;
    EXPECT_EQ(folderContents(), std::vector<std::string>{"plant.gltf"});
    EXPECT_EQ(fileText(folder / "plant.gltf"), "old");
}

} // namespace
