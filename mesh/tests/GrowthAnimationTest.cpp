#include "MeshReaders.h"
#include "TestPlant.h"

#include "base/StandardError.h"
#include "drawing/PlantWalk.h"
#include "drawing/RecordingTarget.h"
#include "growth/GrowthCurves.h"
#include "mesh/MeshExport.h"
#include "mesh/PlantMeshBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>

using namespace burgeon;
using namespace burgeon::testing;

namespace {

// Simulated times 0, 2, ..., 40 played at 10 frames a second.
constexpr GrowthTimeline Timeline{0.0, 40.0, 2.0, 10.0};

class GrowthAnimation : public ::testing::Test {
protected:
    void SetUp() override {
        const auto file = writtenFilesFolder() / "growth.glb";
        writeMeshFile(file.string(), buildGrowthMesh(plant.inputs(), Timeline));
        model = loadGltf(file);
        ASSERT_EQ(model.animations.size(), 1u);
        RecordingTarget recording;
        totalTime = PlantWalk(plant, plant.clock).draw(recording, 0.0);
    }

    const tinygltf::AnimationChannel* channel(int node, const std::string& path) const {
        for (const auto& c : model.animations[0].channels) {
            if (c.target_node == node && c.target_path == path) {
                return &c;
            }
        }
        return nullptr;
    }

    // The channel's value at `seconds`, interpolated between its keyframes as a viewer does
    // (linear; rotations by spherical interpolation).
    std::optional<std::vector<double>> sample(int node, const std::string& path,
                                              double seconds) const {
        const auto* found = channel(node, path);
        if (found == nullptr) {
            return std::nullopt;
        }
        const auto& sampler =
            model.animations[0].samplers[static_cast<std::size_t>(found->sampler)];
        const std::vector<float> times = accessorFloats(model, sampler.input);
        const std::vector<float> values = accessorFloats(model, sampler.output);
        const std::size_t width = values.size() / times.size();
        std::size_t k = 0;
        while (k + 2 < times.size() && times[k + 1] <= seconds) {
            ++k;
        }
        const double span = times[k + 1] - times[k];
        const double f = std::clamp((seconds - times[k]) / span, 0.0, 1.0);
        std::vector<double> a(values.begin() + static_cast<long>(k * width),
                              values.begin() + static_cast<long>((k + 1) * width));
        std::vector<double> b(values.begin() + static_cast<long>((k + 1) * width),
                              values.begin() + static_cast<long>((k + 2) * width));
        if (path == "rotation") {
            return slerp(a, b, f);
        }
        for (std::size_t i = 0; i < width; ++i) {
            a[i] += f * (b[i] - a[i]);
        }
        return a;
    }

    static std::vector<double> slerp(std::vector<double> a, const std::vector<double>& b,
                                     double f) {
        double dot = 0.0;
        for (std::size_t i = 0; i < 4; ++i) {
            dot += a[i] * b[i];
        }
        const double angle = std::acos(std::clamp(dot, -1.0, 1.0));
        if (angle < 1e-9) {
            return a;
        }
        const double wa = std::sin((1 - f) * angle) / std::sin(angle);
        const double wb = std::sin(f * angle) / std::sin(angle);
        for (std::size_t i = 0; i < 4; ++i) {
            a[i] = wa * a[i] + wb * b[i];
        }
        return a;
    }

    // The growth factors the renderer uses for this organ at simulated time t, or 0 before the
    // organ is born.
    std::vector<double> expectedScale(const tinygltf::Node& node, double t) const {
        const int number = node.extras.Get("node").GetNumberAsInt();
        const std::string kind = node.extras.Get("kind").Get<std::string>();
        const PlantNode& source = plant.plant.nodes[static_cast<std::size_t>(number)];
        const double birth = source.level * plant.parameters.nodeBirthRate + 3.0;
        if (t < birth) {
            return {0.0, 0.0, 0.0};
        }
        const double age = organAge(t, birth, totalTime);
        auto size = [&](GrowthOrgan organ) {
            return growthSize(plant.growth.curves.getCurve(organ), age);
        };
        if (kind == "leaf") {
            return {size(GrowthOrgan::LeafWidth), size(GrowthOrgan::LeafLength),
                    size(GrowthOrgan::LeafWidth)};
        }
        const double g = kind == "flower" ? size(GrowthOrgan::Flower)
                         : (kind == "petiole" || kind == "short petiole")
                             ? size(GrowthOrgan::Petiole)
                             : size(GrowthOrgan::Internode);
        return {g, g, g};
    }

    std::vector<int> organNodes() const { return model.nodes[0].children; }

    TestPlant plant;
    tinygltf::Model model;
    std::int32_t totalTime = 0;
};

void expectNear(const std::vector<double>& actual, const std::vector<double>& expected,
                double tolerance, const std::string& what) {
    ASSERT_EQ(actual.size(), expected.size()) << what;
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_NEAR(actual[i], expected[i], tolerance) << what << " [" << i << "]";
    }
}

TEST_F(GrowthAnimation, ScaleIsTheGrowthFactorOfItsTimeAndZeroBeforeBirth) {
    ASSERT_EQ(organNodes().size(), 13u);
    for (const int frame : {5, 10, 20}) {
        const double seconds = frame / Timeline.framesPerSecond;
        const double t = Timeline.from + frame * Timeline.step;
        int unborn = 0;
        for (const int index : organNodes()) {
            const auto& node = model.nodes[static_cast<std::size_t>(index)];
            const auto scale = sample(index, "scale", seconds);
            ASSERT_TRUE(scale) << node.name << ": every organ's scale is keyframed";
            const auto expected = expectedScale(node, t);
            expectNear(*scale, expected, 1e-6, node.name + " at " + std::to_string(t));
            unborn += expected[0] == 0.0 ? 1 : 0;
        }
        // At 10 only the root (born at 8) is out; at 40 all are.
        EXPECT_EQ(unborn, t == 10.0 ? 12 : (t == 20.0 ? 4 : 0)) << t;
    }
}

TEST_F(GrowthAnimation, OneKeyframeAFrameAtThePlayRate) {
    const auto& sampler = model.animations[0].samplers[0];
    const std::vector<float> times = accessorFloats(model, sampler.input);
    ASSERT_EQ(times.size(), 21u);
    for (std::size_t k = 0; k < times.size(); ++k) {
        EXPECT_FLOAT_EQ(times[k], static_cast<float>(k) / 10.0f);
    }
    const auto& extras = model.animations[0].extras;
    EXPECT_EQ(extras.Get("from").GetNumberAsDouble(), 0.0);
    EXPECT_EQ(extras.Get("to").GetNumberAsDouble(), 40.0);
    EXPECT_EQ(extras.Get("framesPerSecond").GetNumberAsDouble(), 10.0);
}

// A frame of the animation is the still plant of its time: the same places and turns.
TEST_F(GrowthAnimation, EachFramePlacesOrgansAsTheStillPlantOfItsTime) {
    constexpr int frame = 12;
    const double t = Timeline.from + frame * Timeline.step;
    const MeshScene still = buildPlantMesh(plant.inputs(), t);
    const auto nodes = organNodes();
    ASSERT_EQ(nodes.size(), still.organs.size());
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const auto& node = model.nodes[static_cast<std::size_t>(nodes[i])];
        const OrganNode& organ = still.organs[i];
        ASSERT_EQ(node.name, organ.name);
        const double seconds = frame / Timeline.framesPerSecond;
        const auto translation =
            sample(nodes[i], "translation", seconds).value_or(node.translation);
        const auto rotation = sample(nodes[i], "rotation", seconds).value_or(node.rotation);
        const auto& r = organ.transform.rotation;
        expectNear(translation,
                   {organ.transform.translation.begin(), organ.transform.translation.end()}, 1e-5,
                   organ.name);
        const double sign = rotation[3] * r[3] >= 0.0 ? 1.0 : -1.0;
        expectNear(rotation, {sign * r[0], sign * r[1], sign * r[2], sign * r[3]}, 1e-5,
                   organ.name);
    }
}

TEST_F(GrowthAnimation, NodesShowTheLastFrameAndChannelsOnlyWhatChanges) {
    for (const int index : organNodes()) {
        const auto& node = model.nodes[static_cast<std::size_t>(index)];
        expectNear(node.scale, *sample(index, "scale", 2.0), 1e-7, node.name);
    }
    // The root segment's top rises as it grows, but it never turns; its children turn as the
    // root's age bends them.
    EXPECT_NE(channel(1, "translation"), nullptr);
    EXPECT_EQ(channel(1, "rotation"), nullptr);
    EXPECT_NE(channel(2, "rotation"), nullptr);
    const auto land = model.scenes[0].nodes[1];
    EXPECT_EQ(channel(land, "scale"), nullptr) << "the land does not grow";
}

TEST(GrowthTimeline, FramesRunFromStartToEndInSteps) {
    EXPECT_EQ(animationFrameTimes({0.0, 1.0, 0.3, 25.0}),
              (std::vector<double>{0.0, 0.3, 2 * 0.3, 3 * 0.3}));
    const auto tenths = animationFrameTimes({0.0, 1.0, 0.1, 25.0});
    ASSERT_EQ(tenths.size(), 11u) << "an end a step lands on within rounding is a frame";
    EXPECT_NEAR(tenths.back(), 1.0, 1e-12);
    EXPECT_EQ(animationFrameTimes({5.0, 5.0, 1.0, 25.0}), (std::vector<double>{5.0}));
}

TEST(GrowthTimeline, TimelinesWithoutFramesAreRefused) {
    auto message = [](const GrowthTimeline& timeline) {
        try {
            animationFrameTimes(timeline);
        } catch (const StandardError& error) {
            return std::string(error.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message({0, 10, 0, 25}), "The time step of a growth animation must be above 0");
    EXPECT_EQ(message({10, 0, 1, 25}), "A growth animation must end at or after its start time");
    const std::string pace = "A growth animation plays from 0.001 to 1000 frames a second";
    for (const double framesPerSecond : {0.0, -25.0, 1e-40, 1e300, std::nan(""), HUGE_VAL}) {
        EXPECT_EQ(message({0, 10, 1, framesPerSecond}), pace) << framesPerSecond;
    }
    EXPECT_EQ(message({0, 1e6, 1, 25}), "A growth animation holds at most 10000 frames");
    EXPECT_EQ(message({-1e308, 1e308, 1e305, 25}), "A growth animation holds at most 10000 frames");
    EXPECT_EQ(message({1e16, 1e16 + 4, 1, 25}),
              "The time step of a growth animation is too small to move its time on");
}

TEST(GrowthTimeline, KeyTimesIncreaseAndStayFiniteAtEveryPace) {
    for (const double framesPerSecond : {MinFramesPerSecond, 1.0, 25.0, MaxFramesPerSecond}) {
        const std::vector<float> keys = animationKeyTimes(MaxAnimationFrames, framesPerSecond);
        ASSERT_EQ(keys.size(), static_cast<std::size_t>(MaxAnimationFrames));
        EXPECT_EQ(keys.front(), 0.0f);
        for (std::size_t k = 1; k < keys.size(); ++k) {
            ASSERT_TRUE(std::isfinite(keys[k]) && keys[k] > keys[k - 1]) << framesPerSecond;
        }
    }
    EXPECT_THROW(animationKeyTimes(3, 1e-40), StandardError);
}

} // namespace
