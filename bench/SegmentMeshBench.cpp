#include "BenchPlant.h"

#include "components/MaterialSet.h"
#include "drawing/PlantWalk.h"
#include "drawing/RecordingTarget.h"
#include "drawing/SegmentMesh.h"
#include "frame/FrameScene.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace burgeon {

namespace {

// The camera as the view places it before the land and the plant: translation, then the
// view's turns.
Matrix4 cameraOf(const ViewState& view) {
    Matrix4 camera = identityMatrix();
    camera[12] = view.translationX;
    camera[13] = view.translationY;
    camera[14] = view.translationZ;
    const std::array<std::array<double, 4>, 5> turns = {{
        {view.rotationX, 1.0, 0.0, 0.0},
        {view.rotationY, 0.0, 1.0, 0.0},
        {view.rotationZ, 0.0, 0.0, 1.0},
        {double{view.mouseYaw + view.dragYaw}, 0.0, 1.0, 0.0},
        {double{view.mousePitch + view.dragPitch}, 1.0, 0.0, 0.0},
    }};
    for (const auto& [degrees, x, y, z] : turns) {
        camera = multiplyMatrices(camera, rotationMatrix(degrees, x, y, z));
    }
    return camera;
}

// gluPerspective's matrix for the view at a size.
ScreenView screenOf(const ViewState& view, int width, int height) {
    const double aspect = static_cast<double>(width) / height;
    const double near = 0.1;
    const double far = 500.0;
    const double f = 1.0 / std::tan(view.zoomAngle * std::numbers::pi / 360.0);
    ScreenView screen;
    screen.projection[0] = static_cast<float>(f / aspect);
    screen.projection[5] = static_cast<float>(f);
    screen.projection[10] = static_cast<float>((far + near) / (near - far));
    screen.projection[11] = -1.0f;
    screen.projection[14] = static_cast<float>(2.0 * far * near / (near - far));
    screen.viewport = {0, 0, width, height};
    screen.cullsBackFaces = true;
    return screen;
}

// The walk's internodes and petioles as the renderer keeps them, in eye space.
std::vector<CappedSegment> segmentsOf(const RecordingTarget& recording, const Matrix4& camera,
                                      const MaterialSet& materials) {
    std::vector<CappedSegment> segments;
    for (const RecordedOrgan& organ : recording.organs()) {
        if (organ.shape != RecordedShape::Internode && organ.shape != RecordedShape::Petiole) {
            continue;
        }
        CappedSegment segment;
        const Matrix4 eye = multiplyMatrices(camera, organ.matrix);
        for (std::size_t k = 0; k < 16; ++k) {
            segment.modelView[k] = static_cast<float>(eye[k]);
        }
        segment.length = organ.a;
        segment.radius = organ.b;
        segment.color = organ.shape == RecordedShape::Internode ? materials.internodeColor
                                                                : materials.petioleColor;
        segments.push_back(segment);
    }
    return segments;
}

// The segment mesh of the bench plant for each of the growing frames at a size, without
// OpenGL: the walk and the camera are done beforehand, only the mesh is timed. The figure the
// desktop's growing plant pays for every frame before the pipeline starts.
void meshGrowing(benchmark::State& state, int width, int height) {
    BenchScene scene;
    RecordingTarget recording;
    PlantWalk walk(scene, scene.clock);
    const Matrix4 camera = cameraOf(scene.view);
    std::vector<std::vector<CappedSegment>> frames;
    for (int k = 0; k < GrowingFrames; ++k) {
        const double time = BenchFrameTime + GrowingStep * k;
        const Matrix4 turned = multiplyMatrices(
            camera, rotationMatrix(turntableDegrees(scene, time).value_or(0.0), 0.0, 1.0, 0.0));
        recording.clear();
        walk.draw(recording, time);
        frames.push_back(segmentsOf(recording, turned, scene.materials));
    }
    const ScreenView screen = screenOf(scene.view, width, height);
    SegmentMesher mesher;
    std::vector<ColorMesh> meshes;
    std::size_t frame = 0;
    std::size_t triangles = 0;
    for (auto _ : state) {
        mesher.build(frames[frame++ % frames.size()], screen, meshes);
        for (const ColorMesh& mesh : meshes) {
            triangles += mesh.indices.size() / 3;
        }
        benchmark::DoNotOptimize(meshes.data());
    }
    state.counters["segments"] = static_cast<double>(frames.front().size());
    state.counters["triangles"] =
        benchmark::Counter(static_cast<double>(triangles), benchmark::Counter::kAvgIterations);
}

void BM_SegmentMeshGrowing(benchmark::State& state) {
    meshGrowing(state, BenchWidth, BenchHeight);
}

void BM_SegmentMeshGrowingDesktopView(benchmark::State& state) {
    meshGrowing(state, DesktopViewWidth, DesktopViewHeight);
}

} // namespace

BENCHMARK(BM_SegmentMeshGrowing)->Unit(benchmark::kMillisecond)->Iterations(GrowingFrames);
BENCHMARK(BM_SegmentMeshGrowingDesktopView)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(GrowingFrames);

} // namespace burgeon
