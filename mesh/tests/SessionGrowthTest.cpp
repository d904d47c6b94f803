// The growth of a whole session's plant, exported as the command line and the desktop export
// it, played back from the written file.
#include "MeshReaders.h"
#include "TestPlant.h"

#include "base/FileIo.h"
#include "base/StandardError.h"
#include "base/TextLines.h"
#include "components/BuiltInShapes.h"
#include "drawing/PlantWalk.h"
#include "drawing/RecordingTarget.h"
#include "lsystem/ExampleLSystems.h"
#include "mesh/ProjectMeshExport.h"
#include "project/PlantBuild.h"
#include "project/Session.h"
#include "testing/SamplePlants.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace burgeon;
using namespace burgeon::testing;

namespace {

// A plant as the gallery keeps them: the example's first L-system with a curve of its own for
// each organ class, saved as a session, opened again and built.
PlantProject sessionPlant() {
    const auto blocks =
        splitLSystemBlocks(splitLines(readFileText(burgeon::testing::exampleLsystems())));
    PlantProject project;
    project.lsystemText = joinLines(blocks.at(0));
    project.leaf = builtInLeaf();
    project.flower = builtInPetal();
    GrowthCurves& curves = project.growth.curves;
    curves.setCurve(GrowthOrgan::Internode, 0.0, 10.0, 0.15, 30.0);
    curves.setCurve(GrowthOrgan::Petiole, 0.0, 8.0, 0.2, 25.0);
    curves.setCurve(GrowthOrgan::LeafLength, 0.0, 12.0, 0.1, 40.0);
    curves.setCurve(GrowthOrgan::LeafWidth, 0.0, 9.0, 0.12, 35.0);
    curves.setCurve(GrowthOrgan::Apex, 0.0, 5.0, 0.3, 20.0);
    curves.setCurve(GrowthOrgan::Flower, 0.0, 11.0, 0.2, 60.0);
    const std::string file = (writtenFilesFolder() / "session-growth.burgeon").string();
    saveSession(project, file);
    SessionReading reading = openSession(file, burgeon::testing::examplesFolder());
    EXPECT_TRUE(reading.opened);
    RandomSource random(7);
    EXPECT_TRUE(buildPlant(reading.project, random, HeaderParameters::FromProject).completed);
    return std::move(reading.project);
}

// The growth factors the renderer's walk uses for each organ at time t, by node name ("leaf
// 12"): the sizes of the organ's curves at its age, 0 before its birth.
std::map<std::string, std::vector<double>> drawnGrowthFactors(const PlantProject& project,
                                                              Clock& clock, double t) {
    RecordingTarget recording;
    PlantWalk(project, clock).draw(recording, t);
    const GrowthCurves& curves = project.growth.curves;
    std::map<std::string, std::vector<double>> factors;
    for (const RecordedOrgan& organ : recording.organs()) {
        auto size = [&](GrowthOrgan curve) {
            return growthSize(curves.getCurve(curve), organ.age);
        };
        std::vector<double> factor;
        if (organ.shape == RecordedShape::Leaf) {
            factor = {size(GrowthOrgan::LeafWidth), size(GrowthOrgan::LeafLength),
                      size(GrowthOrgan::LeafWidth)};
        } else {
            const GrowthOrgan curve = organ.shape == RecordedShape::Flower ? GrowthOrgan::Flower
                                      : organ.shape == RecordedShape::Petiole
                                          ? GrowthOrgan::Petiole
                                          : GrowthOrgan::Internode;
            factor.assign(3, size(curve));
        }
        if (t < organ.birthTime) {
            factor.assign(3, 0.0);
        }
        factors[organName(organ)] = factor;
    }
    return factors;
}

// The scale keyframes of a node: one row of three a frame, and the frames' seconds.
struct ScaleTrack {
    std::vector<float> seconds;
    std::vector<float> values;
};

ScaleTrack scaleTrack(const tinygltf::Model& model, int node) {
    for (const auto& channel : model.animations.at(0).channels) {
        if (channel.target_node == node && channel.target_path == "scale") {
            const auto& sampler =
                model.animations[0].samplers[static_cast<std::size_t>(channel.sampler)];
            return {accessorFloats(model, sampler.input), accessorFloats(model, sampler.output)};
        }
    }
    ADD_FAILURE() << "node " << node << " has no scale channel";
    return {};
}

TEST(SessionGrowth, EachOrgansScaleIsTheRenderersGrowthFactorAtThreeTimes) {
    PlantProject project = sessionPlant();
    FixedClock clock;
    clock.millisecondsOfDayValue = 4321;
    MeshExportRequest request;
    request.fileName = (writtenFilesFolder() / "session-growth.glb").string();
    request.growth = GrowthTimeline{1.0, 150.0, 1.0, captureFramesPerSecond(project)};
    const MeshExportSummary summary = exportProjectMesh(project, clock, request);
    EXPECT_EQ(summary.frames, 150u);

    const tinygltf::Model model = loadGltf(request.fileName);
    const std::vector<int>& organs = model.nodes.at(0).children;
    ASSERT_EQ(organs.size(), summary.organs);
    ASSERT_GT(organs.size(), 100u);
    for (const double t : {20.0, 75.0, 150.0}) {
        const auto expected = drawnGrowthFactors(project, clock, t);
        ASSERT_EQ(expected.size(), organs.size());
        const auto frame = static_cast<std::size_t>(t - 1.0);
        int unborn = 0;
        for (const int index : organs) {
            const tinygltf::Node& node = model.nodes[static_cast<std::size_t>(index)];
            const ScaleTrack track = scaleTrack(model, index);
            ASSERT_EQ(track.seconds.size(), 150u);
            // The capture run's pace: the start-up delay of 3 hundredths a frame.
            EXPECT_NEAR(track.seconds[frame], 0.03 * static_cast<double>(frame), 1e-6);
            const std::vector<double>& factor = expected.at(node.name);
            for (std::size_t axis = 0; axis < 3; ++axis) {
                EXPECT_NEAR(track.values[3 * frame + axis], factor[axis], 1e-5)
                    << node.name << " at " << t;
            }
            unborn += factor[0] == 0.0 ? 1 : 0;
        }
        // Early on the upper levels are not born yet; at the end every organ is.
        if (t == 20.0) {
            EXPECT_GT(unborn, 0);
        } else if (t == 150.0) {
            EXPECT_EQ(unborn, 0);
        }
    }
}

} // namespace

namespace {

std::vector<int> progressOfExport(TestPlant& plant, const MeshExportRequest& request) {
    std::vector<int> reported;
    exportProjectMesh(plant, plant.clock, request,
                      [&reported](int percent) { reported.push_back(percent); });
    return reported;
}

TEST(ProjectMeshExport, ProgressClimbsToAHundredWithTheFrames) {
    TestPlant plant;
    MeshExportRequest request;
    request.fileName = (writtenFilesFolder() / "progress.glb").string();
    request.growth = GrowthTimeline{0.0, 40.0, 2.0, 10.0};
    const std::vector<int> growing = progressOfExport(plant, request);
    EXPECT_TRUE(std::is_sorted(growing.begin(), growing.end()));
    EXPECT_EQ(growing.front(), 0);
    EXPECT_EQ(growing.back(), 100);
    EXPECT_GT(growing.size(), 21u) << "a report for each of the 21 frames";

    request.growth.reset();
    request.fileName = (writtenFilesFolder() / "progress.ply").string();
    const std::vector<int> still = progressOfExport(plant, request);
    EXPECT_TRUE(std::is_sorted(still.begin(), still.end()));
    EXPECT_EQ(still.back(), 100);
}

TEST(ProjectMeshExport, AnimationNeedsAGltfFileAndNothingIsWrittenOtherwise) {
    TestPlant plant;
    MeshExportRequest request;
    request.fileName = (writtenFilesFolder() / "growth.obj").string();
    request.growth = GrowthTimeline{0.0, 4.0, 1.0, 10.0};
    try {
        exportProjectMesh(plant, plant.clock, request);
        ADD_FAILURE() << "an OBJ file holds no animation";
    } catch (const StandardError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot write " + request.fileName +
                                                 ": a growth animation needs a .glb or "
                                                 ".gltf file");
    }
    EXPECT_FALSE(std::filesystem::exists(request.fileName));
}

} // namespace
