#include "desktop/Desktop.h"

#include "base/FileIo.h"
#include "base/RecordingUserInterface.h"
#include "components/BuiltInShapes.h"
#include "drawing/PlantWalk.h"
#include "drawing/RecordingTarget.h"
#include "mesh/MeshFormats.h"
#include "project/Session.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace burgeon {
namespace {

using testing::TempFolder;

constexpr ScreenArea Screen{0, 0, 1024, 768};

// Keeps every status text, not only the last one.
struct StatusHistoryUserInterface : RecordingUserInterface {
    void setStatusText(const std::string& text) override {
        statusTexts.push_back(text);
        RecordingUserInterface::setStatusText(text);
    }
    std::vector<std::string> statusTexts;
};

// The desktop with a small plant opened from a session and shown at time 30.
struct ExportDesktop {
    ExportDesktop() {
        desktop.startUp(folder.path(), Screen, 150);
        PlantProject project;
        project.lsystemText =
            "Tree{\nIterations=3\nAngle=30\nDiameter=4\nAxiom=A\nA=I[+IL]I[-PL]A\n}";
        project.growth.curves.setCurve(GrowthOrgan::All, 0.0, 5.0, 0.4, 10.0);
        project.leaf = builtInLeaf();
        project.flower = builtInPetal();
        const std::string session = folder.file("tree.burgeon");
        saveSession(project, session);
        EXPECT_TRUE(desktop.mainWindow.sessions.open(session));
        desktop.state.project.animation.currentTime = 30.0;
        // Start-up's own messages (no example files in this folder) and cursor are not the
        // export's.
        ui.takeMessages();
        ui.busyCursorShown = 0;
        ui.statusTexts.clear();
    }

    // The organs the view's walk draws at the current time.
    std::size_t drawnOrgans() {
        RecordingTarget recording;
        PlantWalk(desktop.state.project, desktop.state.clock)
            .draw(recording, desktop.state.project.animation.currentTime);
        return recording.organs().size();
    }

    MeshExportAction& action() { return desktop.viewWindow.meshExport; }

    TempFolder folder;
    StatusHistoryUserInterface ui;
    Desktop desktop{ui};
};

std::size_t objectCount(const std::string& objText) {
    std::size_t count = 0;
    std::istringstream lines(objText);
    for (std::string line; std::getline(lines, line);) {
        count += line.rfind("o ", 0) == 0 ? 1 : 0;
    }
    return count;
}

TEST(MeshExportAction, TheButtonAsksForAFileAndWritesThePlantAtTheCurrentTime) {
    ExportDesktop started;
    EXPECT_EQ(started.desktop.mainWindow.exportMeshButton.caption(), "Export Mesh\u2026");
    const std::string file = started.folder.file("tree.obj");
    started.ui.saveAnswers = {file};
    started.desktop.mainWindow.exportMesh();

    EXPECT_TRUE(started.ui.takeMessages().empty());
    ASSERT_EQ(started.ui.dialogFilters.back(), meshFileFilter());
    EXPECT_NE(meshFileFilter().find("*.glb"), std::string::npos);
    EXPECT_NE(meshFileFilter().find("*.gltf"), std::string::npos);
    EXPECT_NE(meshFileFilter().find("*.ply"), std::string::npos);
    EXPECT_EQ(started.ui.busyCursorShown, 1);
    EXPECT_FALSE(started.ui.busy);

    const std::string obj = readFileText(file);
    EXPECT_EQ(obj.rfind("# Burgeon plant at time 30\n", 0), 0u);
    const std::size_t organs = started.drawnOrgans();
    ASSERT_GT(organs, 5u);
    EXPECT_EQ(objectCount(obj), organs + 1) << "every organ the view draws, and the land";
    EXPECT_TRUE(std::filesystem::exists(started.folder.file("tree.mtl")));
    EXPECT_EQ(started.ui.statusText, "tree.obj: " + std::to_string(organs) + " organs at time 30");
    EXPECT_EQ(started.action().fileName(), file);
}

TEST(MeshExportAction, ThePopupItemExportsTooAndANameWithoutExtensionBecomesGlb) {
    ExportDesktop started;
    EXPECT_EQ(started.desktop.viewWindow.exportMeshItem.caption(), "Export Mesh\u2026");
    started.ui.saveAnswers = {started.folder.file("tree")};
    started.desktop.viewWindow.exportMesh();
    EXPECT_TRUE(started.ui.takeMessages().empty());
    EXPECT_TRUE(std::filesystem::exists(started.folder.file("tree.glb")));
    EXPECT_FALSE(std::filesystem::exists(started.folder.file("tree")));
}

TEST(MeshExportAction, ACancelledDialogWritesNothing) {
    ExportDesktop started;
    const auto before = std::distance(std::filesystem::directory_iterator(started.folder.path()),
                                      std::filesystem::directory_iterator());
    started.ui.saveAnswers = {std::nullopt};
    started.desktop.mainWindow.exportMesh();
    EXPECT_TRUE(started.ui.takeMessages().empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(started.folder.path()),
                            std::filesystem::directory_iterator()),
              before);
    EXPECT_EQ(started.ui.busyCursorShown, 0);
}

TEST(MeshExportAction, ABadPathShowsWhyAndLeavesNoFile) {
    ExportDesktop started;
    const std::string missing = started.folder.file("missing/tree.gltf");
    started.ui.saveAnswers = {missing};
    started.desktop.mainWindow.exportMesh();
    EXPECT_EQ(started.ui.takeMessages(),
              std::vector<std::string>{"Cannot create file " + missing + " (no such folder)"});
    EXPECT_FALSE(started.ui.busy);
    EXPECT_FALSE(std::filesystem::exists(started.folder.file("missing")));

    const std::string unknown = started.folder.file("tree.stl");
    started.ui.saveAnswers = {unknown};
    started.desktop.mainWindow.exportMesh();
    EXPECT_EQ(started.ui.takeMessages(),
              std::vector<std::string>{"Cannot write " + unknown +
                                       ": a mesh file name ends in .glb, .gltf, .obj or .ply"});
    EXPECT_FALSE(std::filesystem::exists(unknown));
    EXPECT_TRUE(started.action().fileName().empty());
}

// The tick moves 200 ms at every look: the looks at the start stay within half a second and
// show nothing; later ones show in the status panel how far the export has come.
TEST(MeshExportAction, ProgressShowsOnlyAfterHalfASecond) {
    ExportDesktop started;
    std::int64_t now = 0;
    started.action().tick = [&now] { return now += 200; };
    ASSERT_TRUE(started.action().exportTo(started.folder.file("slow.glb")));
    std::vector<std::string> texts = started.ui.statusTexts;
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts.back().rfind("slow.glb: ", 0), 0u);
    texts.pop_back();
    EXPECT_EQ(texts.back(), "Exporting mesh\u2026 100%");
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Exporting mesh\u2026 0%"), 0)
        << "the start is within half a second";
    const std::string prefix = "Exporting mesh\u2026 ";
    for (const std::string& text : texts) {
        EXPECT_EQ(text.rfind(prefix, 0), 0u) << text;
    }
    EXPECT_TRUE(std::is_sorted(texts.begin(), texts.end(), [&](const auto& a, const auto& b) {
        return std::stoi(a.substr(prefix.size())) < std::stoi(b.substr(prefix.size()));
    }));

    started.ui.statusTexts.clear();
    started.action().tick = [] { return std::int64_t{0}; };
    ASSERT_TRUE(started.action().exportTo(started.folder.file("fast.glb")));
    EXPECT_EQ(started.ui.statusTexts.size(), 1u) << "a fast export only names its file";
}

} // namespace
} // namespace burgeon
