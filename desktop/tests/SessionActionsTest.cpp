#include "desktop/Desktop.h"

#include "base/FileIo.h"
#include "base/OutputFiles.h"
#include "base/RecordingUserInterface.h"
#include "components/BuiltInShapes.h"
#include "project/Session.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace burgeon {
namespace {

using testing::TempFolder;

constexpr ScreenArea Screen{0, 0, 1024, 768};

// A session of a small plant whose every page has something to show.
std::string writeSampleSession(const TempFolder& folder, const std::string& name) {
    PlantProject project;
    project.lsystemText = "Tree{\nIterations=2\nAngle=30\nDiameter=4\nAxiom=A\nA=I[+IL]IA\n}";
    project.parameters.turnStep = 25.0f; // moved after compiling the 30 of the text
    project.parameters.internodeLength = 0.8;
    project.parameters.wind = 3;
    project.growth.curves.setCurve(GrowthOrgan::All, 0.0, 5.0, 0.4, 10.0);
    project.growth.data[0] = "0 0\n1 1\n2 3\n3 4\n4 5\n5 5";
    project.growth.fittedOrgan = GrowthOrgan::Internode;
    project.materials.frontLeafColor = {10, 200, 30};
    project.leaf = builtInLeaf();
    project.flower = builtInPetal();
    project.placement.leafAngleX = -40.0f;
    project.view.rotationY = 12.5;
    project.animation.currentTime = 30.0;
    project.animation.frameDelay = 2;
    std::string file = folder.file(name);
    saveSession(project, file);
    return file;
}

struct SessionDesktop {
    SessionDesktop() { desktop.startUp(folder.path(), Screen, 150); }
    SessionActions& sessions() { return desktop.mainWindow.sessions; }
    TempFolder folder;
    RecordingUserInterface ui;
    Desktop desktop{ui};
};

TEST(SessionActions, OpeningShowsTheSessionOnEveryPageAndDrawsItsPlant) {
    SessionDesktop started;
    const std::string file = writeSampleSession(started.folder, "tree.burgeon");
    started.ui.takeMessages();
    ASSERT_TRUE(started.sessions().open(file));
    EXPECT_TRUE(started.ui.takeMessages().empty()) << "no message boxes for a good session";

    const AppState& state = started.desktop.state;
    EXPECT_EQ(state.project.plant.nodeCount, 7);
    EXPECT_EQ(state.project.parameters.turnStep, 25.0f) << "the session's, not the text's 30";
    EXPECT_EQ(state.parameterPage.petioleAngleSlider.position(), 250);
    EXPECT_EQ(state.parameterPage.stemLengthSlider.position(), 80);
    EXPECT_EQ(state.lsystemEditor.sourceEditor.lines()[0], "Tree{");
    EXPECT_EQ(state.lsystemEditor.lsystemNameBox.text(), "Tree");
    EXPECT_EQ(state.materialPage.frontLeafSwatch.color, (RgbColor{10, 200, 30}));
    EXPECT_EQ(state.animationPage.rotationYSlider.position(), 125);
    EXPECT_EQ(state.animationPage.velocitySlider.position(), 2);
    EXPECT_EQ(state.componentPage.angleXSlider.position(), -40);
    // The session's shapes are the library the Component page chooses from.
    EXPECT_EQ(state.componentPage.shapeList.text(), "tree.burgeon");
    EXPECT_EQ(state.componentPage.shapeList.items(),
              (std::vector<std::string>{"tree leaf", "tree flower"}));
    EXPECT_EQ(state.shapes.entry(2).pointCount, state.project.flower.pointCount);
    EXPECT_EQ(state.materialPage.textureList.text(), "Select Leaf Texture") << "no texture";
    EXPECT_EQ(state.growthPage.topBox.text(), "5");
    EXPECT_EQ(state.project.growth.fittedData.lifeCycleTime, 5) << "the series fitted again";
    EXPECT_FALSE(state.animation.paintBusy) << "the plant is shown";
    EXPECT_EQ(started.desktop.mainWindow.window.caption(),
              "tree.burgeon \u2014 Simulation and Visualization of Plant Shoots Growth");

    // Saving what was opened writes the same bytes.
    const std::string again = started.folder.file("again.burgeon");
    ASSERT_TRUE(started.sessions().save(again));
    EXPECT_EQ(readFileText(again), readFileText(file));
}

TEST(SessionActions, ChangesAreTheSessionsFormNotTheClockAndAreSettledBeforeTheyAreLost) {
    SessionDesktop started;
    MainWindowModel& main = started.desktop.mainWindow;
    SessionActions& sessions = started.sessions();
    AppState& state = started.desktop.state;
    EXPECT_FALSE(sessions.hasChanges()) << "the plant started with";
    EXPECT_TRUE(sessions.settleChanges());
    EXPECT_TRUE(started.ui.questions.empty());

    const std::string file = writeSampleSession(started.folder, "tree.burgeon");
    ASSERT_TRUE(sessions.open(file));
    state.project.animation.currentTime = 77.25; // the clock runs by itself
    main.lookForChanges();
    EXPECT_FALSE(sessions.hasChanges());
    EXPECT_EQ(main.window.caption(),
              "tree.burgeon \u2014 Simulation and Visualization of Plant Shoots Growth");

    state.parameterPage.stemLengthSlider.setPosition(90);
    main.lookForChanges();
    EXPECT_TRUE(sessions.hasChanges());
    EXPECT_EQ(main.window.caption(),
              "tree.burgeon* \u2014 Simulation and Visualization of Plant Shoots Growth");

    // Cancel keeps the application; Discard lets it end; Save writes the session first.
    int quits = 0;
    main.quitApplication = [&quits] { ++quits; };
    started.ui.saveChoices = {SaveChoice::Cancel, SaveChoice::Discard, SaveChoice::Save};
    EXPECT_FALSE(main.exit());
    EXPECT_TRUE(main.exit());
    const std::string before = readFileText(file);
    EXPECT_TRUE(main.exit());
    EXPECT_EQ(quits, 2);
    EXPECT_EQ(started.ui.questions,
              std::vector<std::string>(3, "Save the changes to \"tree.burgeon\"?"));
    EXPECT_NE(readFileText(file), before);
    EXPECT_FALSE(sessions.hasChanges());
    EXPECT_EQ(main.window.caption(),
              "tree.burgeon \u2014 Simulation and Visualization of Plant Shoots Growth");

    // The view's "Exit" asks too, before it stops anything.
    state.parameterPage.stemLengthSlider.setPosition(95);
    started.desktop.viewWindow.quitApplication = [&quits] { ++quits; };
    state.animation.paintBusy = false;
    started.desktop.viewWindow.exit(); // an empty answer queue cancels
    EXPECT_EQ(quits, 2);
    EXPECT_FALSE(state.animation.paintBusy);
}

TEST(SessionActions, ABadSessionChangesNothing) {
    SessionDesktop started;
    const std::string good = writeSampleSession(started.folder, "good.burgeon");
    ASSERT_TRUE(started.sessions().open(good));
    const AppState& state = started.desktop.state;
    const std::string text = state.project.lsystemText;
    writeFileAtomically(started.folder.file("bad.burgeon"),
                        R"({"format": "burgeon-session", "version": 1, "lsystem": ["P{"],)"
                        R"( "parameters": {"nodeBirthRate": -3}})");
    started.ui.takeMessages();
    EXPECT_FALSE(started.sessions().open(started.folder.file("bad.burgeon")));
    EXPECT_EQ(started.ui.takeMessages(),
              std::vector<std::string>{started.folder.file("bad.burgeon") +
                                       ": parameters.nodeBirthRate: expected a number from 0.1 "
                                       "to 10, found -3"});
    EXPECT_EQ(state.project.lsystemText, text);
    EXPECT_EQ(state.project.plant.nodeCount, 7);
    EXPECT_EQ(state.parameterPage.nodeBirthRateSlider.position(), 50);
    EXPECT_EQ(started.sessions().fileName(), good);
}

TEST(SessionActions, DialogsOfferSessionFilesAndANameWithoutExtensionGetsOne) {
    SessionDesktop started;
    writeSampleSession(started.folder, "tree.burgeon");
    started.ui.fileAnswers.push_back(started.folder.file("tree.burgeon"));
    started.desktop.mainWindow.sessions.openWithDialog();
    EXPECT_EQ(started.desktop.state.project.plant.nodeCount, 7);
    started.ui.saveAnswers.push_back(started.folder.file("copy"));
    started.desktop.mainWindow.sessions.saveWithDialog();
    EXPECT_TRUE(std::filesystem::exists(started.folder.file("copy.burgeon")));
    started.ui.saveAnswers.push_back(std::nullopt);
    started.desktop.mainWindow.sessions.saveWithDialog();
    EXPECT_EQ(started.ui.dialogFilters,
              (std::vector<std::string>{SessionFileFilter, SessionFileFilter, SessionFileFilter}));
    started.ui.saveAnswers.push_back(started.folder.file("no/such/folder/x.burgeon"));
    started.ui.takeMessages();
    started.desktop.mainWindow.sessions.saveWithDialog();
    EXPECT_EQ(started.ui.takeMessages(),
              std::vector<std::string>{"Cannot create file " +
                                       started.folder.file("no/such/folder/x.burgeon") +
                                       " (no such folder)"});
}

} // namespace
} // namespace burgeon
