#include "mesh/PlantMeshBuilder.h"

#include "base/NumberText.h"
#include "base/StandardError.h"
#include "drawing/PlantWalk.h"
#include "growth/GrowthCurves.h"
#include "mesh/GrowthKeyframes.h"
#include "mesh/MeshTarget.h"
#include "mesh/PassPictures.h"
#include "mesh/TransformMath.h"
#include "project/PlantProject.h"

#include <cmath>
#include <unordered_map>

namespace burgeon {

namespace {

// The keyframes an animated export holds in memory at once, while it walks the frames and
// again while it writes them: a few frames of the largest plant, however many frames there are.
constexpr std::size_t KeyframeMemory = 8 * 1024 * 1024;

// The organs a walk draws when every growth curve gives 1 (the sizes the meshes are made
// at). The same walk otherwise, so each organ has its level's reductions and parameters: the
// copy holds what the walk reads (node table, parameters, plant scale) with flat curves.
std::vector<RecordedOrgan> organsAtFactorOne(const MeshExportInputs& inputs, double time) {
    PlantProject unit;
    unit.plant = inputs.project->plant;
    unit.parameters = inputs.project->parameters;
    unit.view = inputs.project->view;
    // A flat curve from 0 to 10: growthSize = 10 x 6 / 2 / 30 = 1 at every age.
    unit.growth.curves.setCurve(GrowthOrgan::All, 0.0, 10.0, 0.0, 0.0);
    RecordingTarget recording;
    PlantWalk(unit, *inputs.clock).draw(recording, time);
    return recording.organs();
}

MeshNodeKind kindOf(const PlacedOrgan& organ) {
    switch (organ.shape) {
    case RecordedShape::Leaf:
        return MeshNodeKind::Leaf;
    case RecordedShape::Flower:
        return MeshNodeKind::Flower;
    case RecordedShape::Land:
        return MeshNodeKind::Land;
    case RecordedShape::Petiole:
        return organ.node.kind == OrganKind::ShortPetiole ? MeshNodeKind::ShortPetiole
                                                          : MeshNodeKind::Petiole;
    case RecordedShape::Internode:
        break;
    }
    if (organ.node.kind == OrganKind::Apex) {
        return MeshNodeKind::Apex;
    }
    return organ.node.kind == OrganKind::ShortInternode ? MeshNodeKind::ShortInternode
                                                        : MeshNodeKind::Internode;
}

// The organ in the plant's frame: the walk's matrices hold the plant scale, which the plant
// node carries, so the organ keeps its turns, its place and its growth factor.
OrganNode organNode(const PlacedOrgan& organ, double plantScale) {
    OrganNode node;
    node.kind = kindOf(organ);
    node.node = organ.node.index;
    node.name = std::string(nodeKindWord(node.kind)) + " " + std::to_string(organ.node.index);
    node.level = organ.node.level;
    node.age = organ.node.age;
    node.mesh = organ.mesh;
    Matrix4 local = organ.frame;
    if (plantScale != 0.0) {
        for (std::size_t i = 0; i < 15; ++i) {
            local[i] /= plantScale;
        }
    }
    node.transform = decomposeMatrix(local);
    for (std::size_t axis = 0; axis < 3; ++axis) {
        node.transform.scale[axis] *= organ.growth[axis];
    }
    return node;
}

OrganNode landNode(const PlacedOrgan& organ) {
    OrganNode node;
    node.kind = MeshNodeKind::Land;
    node.name = nodeKindWord(MeshNodeKind::Land);
    node.mesh = organ.mesh;
    node.transform = decomposeMatrix(organ.frame);
    return node;
}

std::int64_t organKey(const PlacedOrgan& organ) {
    return static_cast<std::int64_t>(organ.node.index) * 8 + static_cast<std::int64_t>(organ.shape);
}

// The node shows the last frame.
void finishNode(OrganNode& node, const TrackSummary& track) {
    const auto& t = track.last.translation;
    const auto& r = track.last.rotation;
    const auto& s = track.last.scale;
    node.transform.translation = {t[0], t[1], t[2]};
    node.transform.rotation = {r[0], r[1], r[2], r[3]};
    node.transform.scale = {s[0], s[1], s[2]};
}

void checkFramesPerSecond(double framesPerSecond) {
    if (!(framesPerSecond >= MinFramesPerSecond && framesPerSecond <= MaxFramesPerSecond)) {
        throw StandardError("A growth animation plays from " + formatGeneral(MinFramesPerSecond) +
                            " to " + formatGeneral(MaxFramesPerSecond) + " frames a second");
    }
}

} // namespace

MeshExportInputs projectExportInputs(const PlantProject& project, Clock& clock,
                                     const BitmapPixels* landPicture, bool withLand) {
    MeshExportInputs inputs;
    inputs.project = &project;
    inputs.clock = &clock;
    inputs.shapes.materials = &project.materials;
    inputs.shapes.leaf = &project.leaf;
    inputs.shapes.flower = &project.flower;
    inputs.shapes.placement = &project.placement;
    inputs.shapes.leafTexture = leafPassPicture(project.leafTextures, landPicture);
    inputs.shapes.landTexture = landPassPicture(project.leafTextures, landPicture);
    inputs.withLand = withLand;
    return inputs;
}

MeshScene buildPlantMesh(const MeshExportInputs& inputs, double time,
                         const ProgressCallback& progress) {
    reportProgress(progress, 0);
    MeshLibrary library(inputs.shapes);
    MeshTarget target(library, organsAtFactorOne(inputs, time));
    target.setProgress(progress);
    PlantWalk(*inputs.project, *inputs.clock).draw(target, time);
    if (inputs.withLand) {
        target.drawLand();
    }
    MeshScene scene;
    scene.time = time;
    const double plantScale = inputs.project->view.plantScale;
    scene.plant.scale = {plantScale, plantScale, plantScale};
    for (const PlacedOrgan& organ : target.organs()) {
        if (organ.shape == RecordedShape::Land) {
            scene.land = landNode(organ);
        } else {
            scene.organs.push_back(organNode(organ, plantScale));
        }
    }
    library.moveInto(scene);
    reportProgress(progress, 100);
    return scene;
}

std::vector<double> animationFrameTimes(const GrowthTimeline& timeline) {
    if (!std::isfinite(timeline.step) || timeline.step <= 0.0) {
        throw StandardError("The time step of a growth animation must be above 0");
    }
    if (!std::isfinite(timeline.from) || !std::isfinite(timeline.to) ||
        timeline.to < timeline.from) {
        throw StandardError("A growth animation must end at or after its start time");
    }
    checkFramesPerSecond(timeline.framesPerSecond);
    // A step that lands on the end within rounding still takes the end time in.
    const double steps = std::floor((timeline.to - timeline.from) / timeline.step + 1e-9);
    if (!(steps + 1.0 <= MaxAnimationFrames)) {
        throw StandardError("A growth animation holds at most " +
                            std::to_string(MaxAnimationFrames) + " frames");
    }
    std::vector<double> times;
    for (int k = 0; k <= static_cast<int>(steps); ++k) {
        const double time = timeline.from + k * timeline.step;
        if (!times.empty() && !(time > times.back())) {
            throw StandardError("The time step of a growth animation is too small to move its "
                                "time on");
        }
        times.push_back(time);
    }
    return times;
}

std::vector<float> animationKeyTimes(std::size_t frames, double framesPerSecond) {
    checkFramesPerSecond(framesPerSecond);
    std::vector<float> keyTimes;
    keyTimes.reserve(frames);
    for (std::size_t frame = 0; frame < frames; ++frame) {
        const auto key = static_cast<float>(static_cast<double>(frame) / framesPerSecond);
        // The pace's range keeps this from happening; glTF refuses such key times.
        if (!std::isfinite(key) || (!keyTimes.empty() && !(key > keyTimes.back()))) {
            throw StandardError("The key times of a growth animation must increase");
        }
        keyTimes.push_back(key);
    }
    return keyTimes;
}

MeshScene buildGrowthMesh(const MeshExportInputs& inputs, const GrowthTimeline& timeline,
                          const ProgressCallback& progress) {
    const std::vector<double> times = animationFrameTimes(timeline);
    const double plantScale = inputs.project->view.plantScale;
    MeshLibrary library(inputs.shapes);
    // Sizes at factor 1 do not change with time: one walk gives them for every frame.
    MeshTarget target(library, organsAtFactorOne(inputs, times.front()));
    PlantWalk walk(*inputs.project, *inputs.clock);
    MeshScene scene;
    GrowthAnimation animation;
    animation.framesPerSecond = timeline.framesPerSecond;
    animation.keyTimes = animationKeyTimes(times.size(), timeline.framesPerSecond);
    animation.plantTimes = times;
    auto keyframes = std::make_shared<GrowthKeyframes>(inputs.exportedFile, KeyframeMemory);
    std::unordered_map<std::int64_t, std::size_t> organIndex;
    for (std::size_t frame = 0; frame < times.size(); ++frame) {
        const double time = times[frame];
        target.clear();
        walk.draw(target, time);
        for (const PlacedOrgan& organ : target.organs()) {
            const auto [found, added] = organIndex.emplace(organKey(organ), scene.organs.size());
            if (added) {
                scene.organs.emplace_back();
            }
            OrganNode& node = scene.organs[found->second];
            node = organNode(organ, plantScale);
            keyframes->record(found->second, node.transform, time >= organ.node.birthTime);
        }
        keyframes->endFrame();
        reportProgress(progress, static_cast<int>(100 * (frame + 1) / times.size()));
    }
    keyframes->finish();
    for (std::size_t i = 0; i < scene.organs.size(); ++i) {
        finishNode(scene.organs[i], keyframes->summary(i));
    }
    if (inputs.withLand) {
        target.clear();
        target.drawLand();
        scene.land = landNode(target.organs().back());
    }
    scene.time = times.back();
    scene.plant.scale = {plantScale, plantScale, plantScale};
    animation.keyframes = std::move(keyframes);
    scene.animation = std::move(animation);
    library.moveInto(scene);
    return scene;
}

} // namespace burgeon
