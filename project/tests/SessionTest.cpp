#include "project/Session.h"

#include "base/FileIo.h"
#include "base/StandardError.h"
#include "components/BuiltInShapes.h"
#include "components/SurfacePreparation.h"
#include "testing/SamplePlants.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace burgeon {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> texts(const Messages& messages) {
    return messageTexts(messages);
}

// A plant that differs from the start-up values in every section.
PlantProject sampleProject() {
    PlantProject project;
    project.lsystemText = "Plant{\n Iterations=2\n Angle=30\n Diameter=5\n Axiom=IA\n A=I[+IL]A\n}";
    project.parameters.turnStep = 30.0f;
    project.parameters.internodeLength = 0.355;
    project.parameters.petioleBitAngle = 0.79f;
    project.parameters.wind = 1;
    project.growth.curves.setCurve(GrowthOrgan::LeafLength, 0.0, 4.59, 0.29, 12.0);
    project.growth.data[2] = "0 0 0\n1 0.5 0.25\n2 1 0.5";
    project.growth.fittedOrgan = GrowthOrgan::LeafLength;
    project.materials.landColor = {10, 20, 30};
    project.leaf = builtInLeaf();
    project.flower = builtInPetal();
    project.flower.shapeDivisor = 25.0f;
    project.placement.leafAngleX = -45.5f;
    project.placement.petalCount = 5;
    project.view.rotationY = 35.0;
    project.view.plantScale = 0.7f;
    project.view.mouseYaw = 12.5f;
    project.animation.currentTime = 42.25;
    project.animation.frameDelay = 3;
    project.animation.capture.format = CaptureFormat::Video;
    project.animation.capture.folder = "Run 1";
    return project;
}

SessionReading read(const std::string& text, const std::vector<std::string>& overrides = {}) {
    return readSession(text, "plant.burgeon", ".", ".", overrides);
}

TEST(Session, SavingOpeningAndSavingAgainGivesTheSameBytes) {
    const std::string first = sessionText(sampleProject(), ".");
    const SessionReading reading = read(first);
    ASSERT_TRUE(reading.opened) << texts(reading.messages).front();
    EXPECT_TRUE(reading.messages.empty());
    EXPECT_EQ(sessionText(reading.project, "."), first);

    const PlantProject& project = reading.project;
    EXPECT_EQ(project.lsystemText, sampleProject().lsystemText);
    EXPECT_EQ(project.parameters.internodeLength, 0.355) << "a value between slider positions";
    EXPECT_EQ(project.parameters.petioleBitAngle, 0.79f);
    EXPECT_EQ(project.growth.curves.getCurve(GrowthOrgan::LeafLength).slope, 0.29);
    EXPECT_EQ(project.growth.data[2], "0 0 0\n1 0.5 0.25\n2 1 0.5");
    EXPECT_EQ(project.growth.fittedOrgan, GrowthOrgan::LeafLength);
    EXPECT_EQ(project.leaf.pointCount, builtInLeaf().pointCount);
    EXPECT_EQ(project.leaf.texCoords[3], builtInLeaf().texCoords[3]);
    EXPECT_EQ(project.flower.shapeDivisor, 25.0f);
    EXPECT_EQ(project.view.plantScale, 0.7f);
    EXPECT_EQ(project.animation.capture.format, CaptureFormat::Video);
    EXPECT_NE(first.find("\n  \"parameters\": {\n    \"turnStep\": 30.0,\n"), std::string::npos)
        << "two-space indentation, keys in a fixed order";
    EXPECT_NE(first.find("\"petioleBitAngle\": 0.79,"), std::string::npos)
        << "32-bit values as their shortest digits";
}

TEST(Session, MissingKeysTakeTheStartUpValuesAndUnknownKeysAreDropped) {
    const SessionReading reading = read(R"({"format": "burgeon-session", "version": 1,
        "parameters": {"nodeBirthRate": 7, "colour": 3},
        "extra": true, "view": {"zoom": 20}})");
    ASSERT_TRUE(reading.opened);
    EXPECT_EQ(reading.project.parameters.nodeBirthRate, 7.0);
    EXPECT_EQ(reading.project.parameters.internodeLength, PlantParameters{}.internodeLength);
    EXPECT_EQ(reading.project.view.zoomAngle, 20.0);
    EXPECT_EQ(reading.project.view.translationZ, ViewState{}.translationZ);
    EXPECT_EQ(texts(reading.messages),
              (std::vector<std::string>{
                  "plant.burgeon: unknown key \"extra\" was left out",
                  "plant.burgeon: unknown key \"parameters.colour\" was left out"}));
}

TEST(Session, BadFilesAreRefusedWithAMessageThatSaysWhereAndWhy) {
    struct Case {
        std::string text;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"{\n  \"format\": \"burgeon-session\",\n  \"version\" 1\n}",
         "plant.burgeon: not a session file: line 3, column 13: syntax error while parsing "
         "object separator - unexpected number literal; expected ':'"},
        {"{\n  \"format\": \"burgeon-session\",\n  \"time\": 0.3e308856\n}",
         "plant.burgeon: not a session file: line 3, column 11: number overflow parsing "
         "'0.3e308856'"},
        {R"({"format": "picture"})",
         "plant.burgeon: not a session file: it has no \"format\": \"burgeon-session\""},
        {R"({"format": "burgeon-session", "version": 2})",
         "plant.burgeon was written by a newer Burgeon (session version 2)"},
        {R"({"format": "burgeon-session", "version": 1, "parameters": {"internodeLength": "abc"}})",
         "plant.burgeon: parameters.internodeLength: expected a number from 0.01 to 3, found "
         "\"abc\""},
        {R"({"format": "burgeon-session", "version": 1, "parameters": {"wind": 2.5}})",
         "plant.burgeon: parameters.wind: expected a whole number from 1 to 30, found 2.5"},
        {R"({"format": "burgeon-session", "version": 1, "materials": {"land": [1, 2, 300]}})",
         "plant.burgeon: materials.land.2: expected a whole number from 0 to 255, found 300"},
        {R"({"format": "burgeon-session", "version": 1, "leaf": {"points": [[0,0,0]],
            "triangles": [[1, 1, 2]]}})",
         "plant.burgeon: leaf.triangles.0.2: expected a whole number from 1 to 1, found 2"},
        {R"({"format": "burgeon-session", "version": 1, "lsystem": "Plant{"})",
         "plant.burgeon: lsystem: expected a list of at most 18446744073709551615 entries, "
         "found \"Plant{\""},
        {R"({"format": "burgeon-session", "version": 1, "animation": {"capture":
            {"folder": ")" +
             std::string(60, 'x') + R"("}, "velocity": 11}})",
         "plant.burgeon: animation.velocity: expected a whole number from 0 to 10, found 11"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const SessionReading reading = read(c.text);
        EXPECT_FALSE(reading.opened);
        EXPECT_EQ(texts(reading.messages), std::vector<std::string>{c.message});
    }
    // A long value is cut in the message.
    const SessionReading longText = read(R"({"format": "burgeon-session", "version": 1,
        "view": {"zoom": ")" + std::string(100, 'z') +
                                         R"("}})");
    EXPECT_EQ(texts(longText.messages).front(),
              "plant.burgeon: view.zoom: expected a number from 2 to 175, found \"" +
                  std::string(39, 'z') + "\u2026");
}

TEST(Session, OverridesSetAnyValueBeforeTheChecks) {
    const std::string text = sessionText(sampleProject(), ".");
    const SessionReading reading =
        read(text, {"parameters.internodeLength=0.6", "view.rotation.1=30",
                    "animation.capture.folder=Sweep 7", "growth.fitted=null"});
    ASSERT_TRUE(reading.opened);
    EXPECT_EQ(reading.project.parameters.internodeLength, 0.6);
    EXPECT_EQ(reading.project.view.rotationY, 30.0);
    EXPECT_EQ(reading.project.animation.capture.folder, "Sweep 7") << "not JSON: taken as text";
    EXPECT_FALSE(reading.project.growth.fittedOrgan);

    // A key the file leaves out starts from its start-up value.
    const SessionReading bare =
        read(R"({"format": "burgeon-session", "version": 1})", {"view.translation.2=-8"});
    ASSERT_TRUE(bare.opened);
    EXPECT_EQ(bare.project.view.translationZ, -8.0);
    EXPECT_EQ(bare.project.view.translationY, ViewState{}.translationY);

    EXPECT_EQ(texts(read(text, {"parameters.nodeLength=1"}).messages),
              std::vector<std::string>{
                  "plant.burgeon: --set parameters.nodeLength: a session has no such key"});
    EXPECT_EQ(texts(read(text, {"parameters.internodeLength=9"}).messages),
              std::vector<std::string>{"plant.burgeon: parameters.internodeLength: expected a "
                                       "number from 0.01 to 3, found 9"});
    EXPECT_EQ(texts(read(text, {"wind"}).messages),
              std::vector<std::string>{"plant.burgeon: --set wind: expected KEY=VALUE"});
}

TEST(Session, SurfacesWithoutNormalsGetThemAsALibrarySelectionWould) {
    const SessionReading reading = read(R"({"format": "burgeon-session", "version": 1,
        "leaf": {"points": [[0, 0, 0], [10, 0, 0], [0, 20, 1]], "triangles": [[1, 2, 3]]}})");
    ASSERT_TRUE(reading.opened);
    OrganShape shape;
    shape.pointCount = 3;
    shape.triangleCount = 1;
    shape.points[1] = {0, 0, 0};
    shape.points[2] = {10, 0, 0};
    shape.points[3] = {0, 20, 1};
    shape.triangles[1] = {1, 2, 3};
    OrganSurface expected;
    copyShapeToSurface(shape, expected);
    prepareLeafShape(shape, expected);
    EXPECT_EQ(reading.project.leaf.normalsFront[2], expected.normalsFront[2]);
    EXPECT_EQ(reading.project.leaf.texCoords[3], expected.texCoords[3]);
}

TEST(Session, FilesAreWrittenWholeAndTexturesFoundBesideTheSessionOrInTheStartFolder) {
    const burgeon::testing::TempFolder temp;
    const fs::path folder = temp.path();
    fs::create_directories(folder / "start");
    fs::create_directories(folder / "plants");
    const std::string examples = burgeon::testing::examplesFolder();
    fs::copy_file(examples + "/leaf5.bmp", folder / "plants" / "bark.bmp");
    fs::copy_file(examples + "/leaf6.bmp", folder / "start" / "moss.bmp");

    PlantProject project = sampleProject();
    loadLeafTexture(project.leafTextures, (folder / "plants" / "bark.bmp").string());
    const std::string file = (folder / "plants" / "a.burgeon").string();
    saveSession(project, file);
    EXPECT_NE(readFileText(file).find("\"file\": \"bark.bmp\""), std::string::npos)
        << "written relative to the session's folder";
    SessionReading reading = openSession(file, (folder / "start").string());
    ASSERT_TRUE(reading.opened);
    EXPECT_TRUE(reading.messages.empty());
    EXPECT_EQ(reading.project.leafTextures.leafTextureCount, 1);
    EXPECT_TRUE(reading.project.leafTextures.slots[0].image.has_value());

    reading = openSession(file, (folder / "start").string(), {"texture.file=moss.bmp"});
    EXPECT_TRUE(reading.project.leafTextures.slots[0].image.has_value()) << "the start folder";
    reading = openSession(file, (folder / "start").string(), {"texture.file=gone.bmp"});
    ASSERT_TRUE(reading.opened);
    EXPECT_EQ(reading.project.leafTextures.leafTextureCount, 0);
    EXPECT_EQ(texts(reading.messages),
              std::vector<std::string>{file +
                                       ": the leaf texture \"gone.bmp\" is neither "
                                       "beside the session nor in " +
                                       (folder / "start").string() +
                                       "; the plant opens without it"});

    EXPECT_THROW(saveSession(project, (folder / "no" / "such.burgeon").string()), StandardError);
    EXPECT_FALSE(fs::exists(folder / "no"));
    EXPECT_EQ(
        texts(openSession((folder / "missing.burgeon").string(), ".").messages),
        std::vector<std::string>{"Cannot open file " + (folder / "missing.burgeon").string()});
}

} // namespace
} // namespace burgeon

namespace burgeon {
namespace {

TEST(Session, EveryGallerySessionSavesBackToTheSameBytes) {
    const fs::path folder = fs::path(burgeon::testing::examplesFolder()) / "sessions";
    int sessions = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() != ".burgeon") {
            continue;
        }
        SCOPED_TRACE(entry.path().filename().string());
        const SessionReading reading =
            openSession(entry.path().string(), burgeon::testing::examplesFolder());
        ASSERT_TRUE(reading.opened);
        EXPECT_TRUE(reading.messages.empty()) << texts(reading.messages).front();
        EXPECT_EQ(sessionText(reading.project, folder.string()),
                  readFileText(entry.path().string()));
        ++sessions;
    }
    EXPECT_GE(sessions, 4);
}

} // namespace
} // namespace burgeon

namespace burgeon {
namespace {

TEST(Session, TheDrawingDetailIsKeptAndWrittenOnlyWhenItIsNotAutomatic) {
    const std::string automatic = sessionText(sampleProject(), ".");
    EXPECT_EQ(automatic.find("\"detail\""), std::string::npos)
        << "sessions that never chose save as before";
    EXPECT_EQ(read(automatic).project.view.detail, DrawingDetail::Auto);

    PlantProject project = sampleProject();
    project.view.detail = DrawingDetail::Full;
    const std::string full = sessionText(project, ".");
    EXPECT_NE(full.find("\"showAxes\": false,\n    \"detail\": \"full\"\n"), std::string::npos);
    const SessionReading reading = read(full);
    ASSERT_TRUE(reading.opened);
    EXPECT_TRUE(reading.messages.empty());
    EXPECT_EQ(reading.project.view.detail, DrawingDetail::Full);
    EXPECT_EQ(sessionText(reading.project, "."), full);

    // Set on the command line although the file leaves it out.
    const SessionReading set = read(automatic, {"view.detail=full"});
    ASSERT_TRUE(set.opened) << texts(set.messages).front();
    EXPECT_EQ(set.project.view.detail, DrawingDetail::Full);

    const SessionReading bad = read(R"({"format": "burgeon-session", "version": 1,
        "view": {"detail": "coarse"}})");
    EXPECT_FALSE(bad.opened);
    EXPECT_EQ(texts(bad.messages),
              std::vector<std::string>{"plant.burgeon: view.detail: expected \"auto\" or "
                                       "\"full\", found \"coarse\""});
}

TEST(Session, TheBenchPlantSavesBackToTheSameBytes) {
    const fs::path file = fs::path(burgeon::testing::examplesFolder()) / "bench" / "bushy.burgeon";
    const SessionReading reading = openSession(file.string(), burgeon::testing::examplesFolder());
    ASSERT_TRUE(reading.opened);
    EXPECT_TRUE(reading.messages.empty());
    EXPECT_EQ(sessionText(reading.project, file.parent_path().string()),
              readFileText(file.string()));
}

} // namespace
} // namespace burgeon
