#include "engine/PlantSettings.h"
#include "engine/Pictures.h"
#include "engine/StopCondition.h"
#include "testing/SamplePlants.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace burgeon;
using burgeon::testing::soybeanSession;

namespace {

PlantRecipe soybeanRecipe(std::vector<std::string> settings = {}) {
    PlantRecipe recipe;
    recipe.session = soybeanSession();
    recipe.settings = std::move(settings);
    recipe.seed = 4;
    return recipe;
}

std::string organCsv(HeadlessPlant& plant, double time) {
    return organTableCsv(plantOrganTable(plant, time));
}

} // namespace

TEST(PlantSettings, AChangeBuildsThePlantAsTheSettingWouldOnOpening) {
    HeadlessPlant plant;
    ASSERT_TRUE(openPlant(soybeanRecipe(), plant, StopCondition()).completed());
    const std::string before = organCsv(plant, 60.0);
    const PlantNames names{soybeanSession(), ""};
    const Outcome changed = changePlantSettings(
        plant, names, {"parameters.internodeLength=0.12", "view.rotation.1=30"}, StopCondition());
    ASSERT_TRUE(changed.completed()) << changed.failureText();
    EXPECT_EQ(plantSetting(plant.project, "parameters.internodeLength"), "0.12");
    EXPECT_EQ(plantSetting(plant.project, "view.rotation.1"), "30.0");

    HeadlessPlant opened;
    ASSERT_TRUE(openPlant(soybeanRecipe({"parameters.internodeLength=0.12", "view.rotation.1=30"}),
                          opened, StopCondition())
                    .completed());
    EXPECT_EQ(organCsv(plant, 60.0), organCsv(opened, 60.0));
    EXPECT_NE(organCsv(plant, 60.0), before);
    EXPECT_EQ(plant.clock.millisecondsOfDayValue, 4);
}

TEST(PlantSettings, ABadValueLeavesThePlantAsItWasWithTheMessageOfSet) {
    HeadlessPlant plant;
    ASSERT_TRUE(openPlant(soybeanRecipe(), plant, StopCondition()).completed());
    const std::string before = organCsv(plant, 60.0);
    const Outcome tooLong = changePlantSettings(plant, {soybeanSession(), ""},
                                                {"parameters.internodeLength=9"}, StopCondition());
    EXPECT_EQ(tooLong.ending, Outcome::Ending::Failed);
    // The session named as it was given, as the command line names it.
    EXPECT_EQ(tooLong.failureText(), soybeanSession() + ": parameters.internodeLength: expected a "
                                                        "number from 0.01 to 3, found 9");
    const Outcome unknown =
        changePlantSettings(plant, {"", "plant.Lsys"}, {"parameters.foo=1"}, StopCondition());
    EXPECT_EQ(unknown.failureText(), "--set: --set parameters.foo: a session has no such key");
    EXPECT_EQ(organCsv(plant, 60.0), before);
    EXPECT_EQ(plantSetting(plant.project, "parameters.internodeLength"), "0.08");
}

TEST(PlantSettings, KeysAndValuesByTheirPaths) {
    HeadlessPlant plant;
    ASSERT_TRUE(openPlant(soybeanRecipe(), plant, StopCondition()).completed());
    const std::vector<std::string> keys = plantSettingKeys(plant.project);
    for (const char* key : {"format", "lsystem", "parameters.turnStep", "growth.internode.top",
                            "growth.internode.data", "view.rotation", "materials.land"}) {
        EXPECT_NE(std::find(keys.begin(), keys.end(), key), keys.end()) << key;
    }
    EXPECT_EQ(std::find(keys.begin(), keys.end(), "view"), keys.end());
    EXPECT_EQ(plantSetting(plant.project, "growth.internode.top"), "5.31");
    EXPECT_EQ(plantSetting(plant.project, "lsystem.0"), "\"Soybean{\"");
    for (const char* missing : {"view.nothing", "lsystem.999", "lsystem.x", "view.rotation.-1",
                                "parameters.turnStep.0", ""}) {
        EXPECT_FALSE(plantSetting(plant.project, missing)) << missing;
    }
    EXPECT_EQ(unknownSettingText("view.nothing"), "view.nothing: a session has no such key");
}

TEST(PlantSettings, TheSessionRecipeMakesTheSamePlantAgain) {
    HeadlessPlant plant;
    ASSERT_TRUE(openPlant(soybeanRecipe(), plant, StopCondition()).completed());
    HeadlessPlant again;
    const Outcome reopened = openPlant(sessionRecipe(plantSession(plant, {soybeanSession(), ""})),
                                       again, StopCondition());
    ASSERT_TRUE(reopened.completed()) << reopened.failureText();
    EXPECT_EQ(organCsv(again, 80.0), organCsv(plant, 80.0));
    EXPECT_EQ(drawPlantPicture(again, 80.0, {64, 48}), drawPlantPicture(plant, 80.0, {64, 48}));
}

TEST(PlantSettings, AFittedCurveTakesItsDataAndTheTimeAxisAlong) {
    HeadlessPlant plant;
    ASSERT_TRUE(openPlant(soybeanRecipe(), plant, StopCondition()).completed());
    const std::string data = "0 0\n1 1\n2 3\n3 4\n4 4\n";
    const GrowthFunction curve{0.0, 4.0, 0.5, 2.0};
    const Outcome fitted =
        changePlantSettings(plant, {soybeanSession(), ""},
                            growthCurveSettings(GrowthOrgan::Apex, curve, data), StopCondition());
    ASSERT_TRUE(fitted.completed()) << fitted.failureText();
    EXPECT_EQ(plant.project.growth.curves.getCurve(GrowthOrgan::Apex), curve);
    EXPECT_EQ(plant.project.growth.data[4], "0 0\n1 1\n2 3\n3 4\n4 4");
    EXPECT_EQ(plant.project.growth.fittedOrgan, GrowthOrgan::Apex);
    EXPECT_EQ(plant.project.growth.fittedData.lifeCycleTime, 4);

    const Outcome typed = changePlantSettings(
        plant, {soybeanSession(), ""},
        growthCurveSettings(GrowthOrgan::All, {0.0, 2.0, 0.1, 9.0}, ""), StopCondition());
    ASSERT_TRUE(typed.completed()) << typed.failureText();
    for (int organ = 0; organ < GrowthOrganCount; ++organ) {
        EXPECT_EQ(plant.project.growth.curves.getCurve(static_cast<GrowthOrgan>(organ)).tmid, 9.0);
        EXPECT_TRUE(plant.project.growth.data[static_cast<std::size_t>(organ)].empty());
    }
}
