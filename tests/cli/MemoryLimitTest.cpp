// Commands under a limit on the memory a process may take (prlimit --data): an animated export
// keeps to the memory of its plant however many frames it has, and a command that runs out of
// memory says so and leaves no file.
#include "testing/FolderTest.h"
#include "testing/RunBurgeon.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using burgeon::testing::runBurgeon;

namespace {

namespace fs = std::filesystem;

std::string dataLimit(int megabytes) {
    return "prlimit --data=" + std::to_string(megabytes * 1024 * 1024) + " ";
}

class MemoryLimitTest : public burgeon::testing::FolderTest {
protected:
    void SetUp() override {
#ifdef BURGEON_SANITIZED
        GTEST_SKIP() << "the sanitizers reserve their shadow memory past any such limit";
#endif
        // A bush of a thousand organs.
        std::ofstream(folder / "bush.Lsys")
            << "Bush{\nIterations=200\nAngle=30\nDiameter=1\nAxiom=A\nA=I[+IL][-IL]A\n}\n";
    }

    std::vector<std::string> exportGrowth(const std::string& frames) const {
        return {"export", "--lsystem",     path("bush.Lsys"), "--animate", "1:" + frames + ":1",
                "--out",  path("bush.glb")};
    }

    bool folderHoldsOnly(const std::string& name) const {
        for (const auto& entry : fs::directory_iterator(folder)) {
            if (entry.path().filename() != name) {
                return false;
            }
        }
        return true;
    }
};

TEST_F(MemoryLimitTest, AThousandFramesTakeNoMoreMemoryThanAFew) {
    // The keyframes of a thousand frames alone take 32 MB, and held whole, copied into the
    // model and its file, several times that.
    const auto grown = runBurgeon(exportGrowth("1000"), "", dataLimit(128));
    ASSERT_EQ(grown.status, 0) << grown.err;
    EXPECT_NE(grown.out.find("1001 organs growing from 1 to 1000, 1000 frames"), std::string::npos);
}

TEST_F(MemoryLimitTest, RunningOutOfMemoryIsToldAndLeavesNoFile) {
    const auto starved = runBurgeon(exportGrowth("100"), "", dataLimit(40));
    EXPECT_EQ(starved.status, 1);
    EXPECT_EQ(starved.err, "burgeon export: not enough memory to export the mesh\n");
    EXPECT_TRUE(folderHoldsOnly("bush.Lsys"));
}

} // namespace
