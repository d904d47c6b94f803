#include "engine/MeshExports.h"
#include "engine/Pictures.h"
#include "engine/PlantFrames.h"
#include "engine/PlantRecipe.h"
#include "engine/StopCondition.h"
#include "testing/SamplePlants.h"
#include "testing/TempFolder.h"
#include "video/tests/VideoDecoding.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace burgeon;

namespace {

// The second example L-system with the internode data, its wind fixed by the seed.
PlantRecipe exampleRecipe() {
    PlantRecipe recipe;
    recipe.lsystemFile = burgeon::testing::exampleLsystems();
    recipe.block = 2;
    recipe.growth = {burgeon::testing::internodeGrowth()};
    recipe.seed = 1;
    return recipe;
}

std::vector<std::string> folderContents(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

} // namespace

TEST(OpenPlant, ARecipeGivesAPlantOrSaysWhyNot) {
    HeadlessPlant plant;
    const Outcome opened = openPlant(exampleRecipe(), plant, StopCondition());
    ASSERT_TRUE(opened.completed()) << opened.failureText();
    EXPECT_GT(plant.project.plant.nodeCount, 50);
    EXPECT_EQ(plant.clock.millisecondsOfDayValue, 1);

    PlantRecipe pastTheBlocks = exampleRecipe();
    pastTheBlocks.block = 9;
    HeadlessPlant untouched;
    const Outcome refused = openPlant(pastTheBlocks, untouched, StopCondition());
    EXPECT_EQ(refused.ending, Outcome::Ending::BadRequest);
    EXPECT_NE(refused.failureText().find("holds 7 L-system block(s)"), std::string::npos);
    EXPECT_EQ(untouched.project.plant.nodeCount, 0);

    PlantRecipe badData = exampleRecipe();
    badData.growth = {burgeon::testing::exampleLsystems()};
    const Outcome failed = openPlant(badData, untouched, StopCondition());
    EXPECT_EQ(failed.ending, Outcome::Ending::Failed);
    EXPECT_EQ(failed.notices.front().kind, Notice::Kind::Message);
    EXPECT_NE(failed.failureText().find("no growth curve from"), std::string::npos);
    EXPECT_EQ(untouched.project.plant.nodeCount, 0);

    PlantRecipe fromText;
    fromText.lsystemText = "Tree {\nIterations=2\nAngle=30\nDiameter=1\nAxiom=I\nI=I[P]I\n}";
    const Outcome compiled = openPlant(fromText, untouched, StopCondition());
    EXPECT_TRUE(compiled.completed()) << compiled.failureText();
}

TEST(OpenPlant, AStopConditionEndsALongCompilation) {
    PlantRecipe endless;
    endless.lsystemText = "Tree {\nIterations=9000000\nAngle=30\nDiameter=1\nAxiom=I\nI=II\n}";
    int asked = 0;
    HeadlessPlant plant;
    const Outcome stopped =
        openPlant(endless, plant, StopCondition(std::nullopt, [&asked] { return ++asked > 3; }));
    EXPECT_EQ(stopped.ending, Outcome::Ending::Stopped);
    EXPECT_EQ(stopped.stopCause, StopCause::Interrupted);
}

TEST(PlantFrames, AVideoHoldsEveryFrameOfItsTimelineOrNoFileAtAll) {
    HeadlessPlant plant;
    ASSERT_TRUE(openPlant(exampleRecipe(), plant, StopCondition()).completed());
    burgeon::testing::TempFolder folder;
    FilmRequest film;
    film.fileName = folder.file("growing.mp4");
    film.size = {96, 64};
    film.timeline = {20.0, 30.0, 2.0, 25.0};
    std::vector<int> progress;
    const Outcome filmed = filmPlant(
        plant, film, [&](int percent) { progress.push_back(percent); }, StopCondition());
    ASSERT_TRUE(filmed.completed()) << filmed.failureText();
    EXPECT_EQ(burgeon::testing::decodeVideo(film.fileName).frames.size(), 6u);
    EXPECT_EQ(progress.back(), 100);

    film.fileName = folder.file("stopped.webm");
    int asked = 0;
    const Outcome stopped =
        filmPlant(plant, film, {}, StopCondition(std::nullopt, [&] { return ++asked > 3; }));
    EXPECT_EQ(stopped.ending, Outcome::Ending::Stopped);
    EXPECT_EQ(folderContents(folder.path()), std::vector<std::string>{"growing.mp4"});
}

TEST(PlantFrames, TheFramesAreThePicturesOfTheirTimes) {
    HeadlessPlant plant;
    ASSERT_TRUE(openPlant(exampleRecipe(), plant, StopCondition()).completed());
    PlantFrames frames(plant, {80, 60}, {40.0, 41.0, 0.5, 25.0});
    EXPECT_EQ(frames.times(), (std::vector<double>{40.0, 40.5, 41.0}));
    double time = 0.0;
    RgbImage picture;
    ASSERT_TRUE(frames.next(time, picture));
    ASSERT_TRUE(frames.next(time, picture));
    EXPECT_EQ(time, 40.5);
    EXPECT_EQ(picture.bytes(), drawPlantPicture(plant, 40.5, {80, 60}).bytes());
}

TEST(MeshExports, AStoppedExportWritesNoFile) {
    HeadlessPlant plant;
    ASSERT_TRUE(openPlant(exampleRecipe(), plant, StopCondition()).completed());
    burgeon::testing::TempFolder folder;
    MeshExportRequest request;
    request.fileName = folder.file("plant.gltf");
    request.time = 60.0;
    MeshExportSummary summary;
    int asked = 0;
    const Outcome stopped =
        exportPlantMesh(plant.project, plant.clock, request, summary, {},
                        StopCondition(std::nullopt, [&asked] { return ++asked > 2; }));
    EXPECT_EQ(stopped.ending, Outcome::Ending::Stopped);
    EXPECT_TRUE(folderContents(folder.path()).empty());

    const Outcome written =
        exportPlantMesh(plant.project, plant.clock, request, summary, {}, StopCondition());
    ASSERT_TRUE(written.completed()) << written.failureText();
    EXPECT_EQ(summary.organs, plantOrgans(plant, 60.0).size());
}
