#include "engine/CompileReport.h"
#include "engine/FileFaults.h"
#include "engine/GrowthFits.h"
#include "engine/NodeTable.h"
#include "engine/RequestChecks.h"
#include "engine/StopCondition.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <limits>

using namespace burgeon;

namespace {

HeadlessPlant plantFromText(const std::string& text, int seed) {
    PlantRecipe recipe;
    recipe.lsystemText = text;
    recipe.seed = seed;
    HeadlessPlant plant;
    EXPECT_TRUE(openPlant(recipe, plant, StopCondition()).completed());
    return plant;
}

const char* const SmallTree = "Tree{\nIterations=1\nAngle=30\nDiameter=2\nAxiom=I[+IL]IF\n}";

} // namespace

TEST(CompileReport, TellsWhatTheLsystemCommandTellsAndMakesThePlant) {
    HeadlessPlant plant = plantFromText(SmallTree, 3);
    plant.project.parameters.turnStep = 10.0f;
    std::vector<int> progress;
    const CompileReport report = compilePlant(
        plant, StopCondition(), [&progress](int percent) { progress.push_back(percent); });
    ASSERT_TRUE(report.completed);
    EXPECT_EQ(report.messages.front().text, "Rule=0, EndRule=0");
    EXPECT_EQ(report.messages.front().place, "");
    EXPECT_EQ(report.compilesPane.substr(0, 12), "Header Pass.");
    EXPECT_FALSE(report.compilesPaneRed);
    EXPECT_EQ(report.treePane, "all string = I[+IL]IF\n");
    EXPECT_EQ(report.editorLines.back(), "}");
    EXPECT_EQ(report.turnStep, 30.0) << "the header's angle";
    EXPECT_EQ(plant.project.parameters.turnStep, 30.0f);
    EXPECT_EQ(report.plant.resultString, "I[+IL]IF");
    EXPECT_FALSE(progress.empty());

    const std::vector<NodeTableRow> nodes = nodeTableRows(report.plant);
    ASSERT_EQ(nodes.size(), 3u);
    EXPECT_EQ(nodes[0].node, 1);
    EXPECT_EQ(nodes[0].kind, U'I');
    EXPECT_EQ(nodes[1].parent, 1);
    EXPECT_EQ(nodes[1].angleZ, report.plant.nodes[2].angleZ);
    EXPECT_TRUE(nodes[1].hasLeaf);
    EXPECT_TRUE(nodes[2].hasFlower);
}

TEST(CompileReport, AFailureIsReportedInItsFileAndLeavesThePlant) {
    HeadlessPlant plant = plantFromText(SmallTree, 3);
    plant.project.lsystemText = "Tree{\nIteration=3\nAngle=45\nDiameter=1\nAxiom=I\n}";
    plant.lsystemSource = {"trees.Lsys", 10};
    const CompileReport report = compilePlant(plant, StopCondition());
    EXPECT_FALSE(report.completed);
    ASSERT_EQ(report.messages.size(), 1u);
    EXPECT_EQ(report.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(report.messages[0].text, "Iterations Error in line 2,\"Iterations=N\"");
    EXPECT_EQ(report.messages[0].place, "in line 11 of trees.Lsys");
    EXPECT_TRUE(report.compilesPaneRed);
    EXPECT_EQ(plant.project.plant.resultString, "I[+IL]IF");

    plant.project.lsystemText = "Tree{\nIterations=2000000\nAngle=45\nDiameter=1\nAxiom=A\nA=IA\n}";
    int asked = 0;
    const CompileReport stopped =
        compilePlant(plant, StopCondition(std::nullopt, [&asked] { return ++asked > 2; }));
    EXPECT_TRUE(stopped.stopped);
    EXPECT_EQ(stopped.stopCause, StopCause::Interrupted);
    EXPECT_EQ(plant.project.plant.resultString, "I[+IL]IF");
}

TEST(GrowthFits, FromATextAFileOrArrays) {
    const GrowthFitReport fitted =
        fitGrowthText("0 0 0\n1 0 2\n2 1 4\n3 3 6\n", GrowthOrgan::Petiole, "worked.txt");
    ASSERT_TRUE(fitted.completed);
    EXPECT_EQ(fitted.boxes, (std::array<std::string, 4>{"0", "4.5", "1", "1"}));
    EXPECT_EQ(fitted.curve, (GrowthFunction{0.0, 4.5, 1.0, 1.0}));
    EXPECT_EQ(fitted.messages.back().text, "L=0, U=4.5, m=1, T=1");
    EXPECT_EQ(fitted.growth.curves.getCurve(GrowthOrgan::Petiole), fitted.curve);
    EXPECT_EQ(fitted.growth.curves.getCurve(GrowthOrgan::Internode), GrowthFunction{});
    EXPECT_EQ(fitted.growth.data[1], "0 0 0\n1 0 2\n2 1 4\n3 3 6\n");
    EXPECT_EQ(fitted.growth.fittedData.lifeCycleTime, 3);

    const GrowthFitReport bad = fitGrowthText("0 1\n1 -2\n", GrowthOrgan::All, "bad.txt");
    EXPECT_FALSE(bad.completed);
    EXPECT_EQ(bad.messages.back().text, "Error Data in line 2");
    EXPECT_EQ(bad.messages.back().place, "in line 2 of bad.txt");
    EXPECT_EQ(bad.boxes[1], "0");

    burgeon::testing::TempFolder folder;
    const GrowthFitReport missing = fitGrowthFile(folder.file("none.txt"), GrowthOrgan::All);
    ASSERT_EQ(missing.messages.size(), 1u);
    EXPECT_EQ(missing.messages[0].text, "File not found");
    std::ofstream(folder.file("worked.txt")) << "0 0 0\n1 0 2\n2 1 4\n3 3 6\n";
    EXPECT_EQ(fitGrowthFile(folder.file("worked.txt"), GrowthOrgan::Petiole).curve, fitted.curve);

    const std::vector<double> times{0, 1, 2, 3};
    const std::vector<double> sizes{0, 0, 0, 2, 1, 4, 3, 6};
    EXPECT_EQ(growthDataFromArrays(times, sizes, 2), "0 0 0\n1 0 2\n2 1 4\n3 3 6\n");
    const std::vector<double> tiny{1e-7, 0.1, -2.5};
    EXPECT_EQ(growthDataFromArrays(tiny, {}, 0), "0.0000001\n0.1\n-2.5\n");
}

TEST(RequestChecks, TheCommandLinesTexts) {
    auto text = [](auto check) {
        try {
            check();
        } catch (const RequestError& error) {
            return std::string(error.what());
        }
        return std::string("accepted");
    };
    EXPECT_EQ(text([] { checkedBlock(0); }),
              "--block: 0 is not a whole number from 1 to 2147483647");
    EXPECT_EQ(text([] { checkedSeed(-1); }),
              "--seed: -1 is not a whole number from 0 to 2147483647");
    EXPECT_EQ(text([] { checkedSeed(2147483647); }), "accepted");
    EXPECT_EQ(text([] { checkedMaxSeconds(0.0); }),
              "--max-seconds: 0 is not a number from 0.001 to 1000000000");
    EXPECT_EQ(text([] { checkedPictureSize(0, 10); }), "--size: each side must be 1..8192");
    EXPECT_EQ(text([] { checkedPictureSize(8192, 8192); }), "accepted");
    EXPECT_EQ(text([] { checkedTime(std::numeric_limits<double>::infinity()); }),
              "--time: inf is not a finite number");
    EXPECT_EQ(text([] {
                  checkedRotation(std::vector<double>{1, 2});
              }),
              "--rotate needs X,Y,Z in degrees, not '1,2'");
    using Range = std::optional<std::vector<double>>;
    EXPECT_EQ(text([] { checkedMeshExport("refused.stl", {}, {}, {}, true); }),
              "--out needs a .glb, .gltf, .obj or .ply file, not 'refused.stl'");
    EXPECT_EQ(text([] {
                  checkedMeshExport("a.obj", {}, Range({1, 10}), {}, true);
              }),
              "--animate needs a .glb or .gltf file: OBJ and PLY hold no animation");
    EXPECT_EQ(text([] {
                  checkedMeshExport("a.glb", {}, Range({1, 10}), {}, true);
              }),
              "--animate needs A:B:STEP (from time A to B in steps of STEP), not '1:10'");
    EXPECT_EQ(text([] {
                  checkedMeshExport("a.glb", {}, Range({1, 10, 0}), {}, true);
              }),
              "--animate needs a STEP above 0, not '1:10:0'");
    EXPECT_EQ(text([] {
                  checkedMeshExport("a.glb", {}, Range({10, 1, 1}), {}, true);
              }),
              "--animate needs B at or after A, not '10:1:1'");
    EXPECT_EQ(text([] { checkedMeshExport("a.glb", {}, {}, 10.0, true); }),
              "--fps goes with --animate");
    EXPECT_EQ(text([] {
                  checkedMeshExport("a.glb", 3.0, Range({1, 10, 1}), {}, true);
              }),
              "--time and --animate exclude each other");
    const MeshExportRequest growth =
        checkedMeshExport("a.gltf", {}, Range({1, 10, 0.5}), 12, false);
    ASSERT_TRUE(growth.growth);
    EXPECT_EQ(growth.growth->step, 0.5);
    EXPECT_EQ(growth.growth->framesPerSecond, 12.0);
    EXPECT_FALSE(growth.withLand);
    EXPECT_EQ(text([] { checkedVideoFile("x.avi"); }),
              "--video needs an .mp4 or .webm file, not 'x.avi'");
    EXPECT_EQ(text([] { checkedFrameRate(0); }), "--fps: 0 is not a whole number from 1 to 240");
    EXPECT_EQ(checkedFrameRate(30), FrameRate::perSecond(30));
}

TEST(FileFaults, TheStandardTextsOfFilesThatCannotBeReadOrWritten) {
    for (const char* text :
         {"Cannot open file /no/such.Lsys", "Cannot create file out/plant.glb", "File not found",
          "I/O error 13", "File big.txt is larger than 4 MB, the limit for growth data files.",
          "lib.txt: Cannot open file lib.txt",
          "Cannot create file a.gltf (no permission to write in that folder)"}) {
        EXPECT_TRUE(isFileFault(text)) << text;
    }
    for (const char* text : {"Error Data in line 2", "File contents are wrong",
                             "bad.burgeon: view.zoom: expected a number from 2 to 175, found 500",
                             "lib.txt: Shape library error in line 3: the entry has 1 point.",
                             "Cannot write video x.mp4: it has no frames"}) {
        EXPECT_FALSE(isFileFault(text)) << text;
    }
}
