#include "BenchPlant.h"

#include "growth/GrowthCurves.h"
#include "lsystem/PlantState.h"
#include "render/HeadlessContext.h"
#include "render/PlantDrawing.h"
#include "render/RecordingTarget.h"
#include "render/Renderer.h"
#include "render/SceneValues.h"

#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <memory>

namespace burgeon {

namespace {

constexpr double FrameTime = BenchFrameTime;

void frameWith(benchmark::State& state, CylinderGeometry geometry, bool flushEachShape) {
    BenchScene scene;
    HeadlessContext context(800, 600);
    Renderer renderer(context, scene.inputs());
    renderer.initialize("grass1.bmp");
    renderer.setProjection(800, 600);
    renderer.setCylinderGeometry(geometry);
    renderer.setFlushEachShape(flushEachShape);
    for (auto _ : state) {
        renderer.drawScene(FrameTime);
        glFinish();
    }
    state.counters["organs"] = scene.plant.NodeCount;
}

void BM_FrameCachedGeometry(benchmark::State& state) {
    frameWith(state, CylinderGeometry::CachedLists, false);
}

// The literal drawing: two quadric objects per organ and a flush after every surface.
void BM_FrameQuadricPerOrgan(benchmark::State& state) {
    frameWith(state, CylinderGeometry::QuadricPerOrgan, true);
}

void BM_FrameQuadricPerOrganNoFlush(benchmark::State& state) {
    frameWith(state, CylinderGeometry::QuadricPerOrgan, false);
}

// The floor: the same frame with the whole plant compiled once into one display list.
void BM_FrameWholePlantDisplayList(benchmark::State& state) {
    BenchScene scene;
    HeadlessContext context(800, 600);
    Renderer renderer(context, scene.inputs());
    renderer.initialize("grass1.bmp");
    renderer.setProjection(800, 600);
    renderer.beginFrame();
    renderer.applyViewTransform();
    const GLuint list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    renderer.drawPlant(FrameTime);
    glEndList();
    for (auto _ : state) {
        renderer.beginFrame();
        renderer.applyViewTransform();
        renderer.drawLand();
        glCallList(list);
        glFinish();
    }
    glDeleteLists(list, 1);
    state.counters["organs"] = scene.plant.NodeCount;
}

void BM_WalkRecording(benchmark::State& state) {
    BenchScene scene;
    RecordingTarget recording;
    const PlantScene walk = scene.walk();
    for (auto _ : state) {
        recording.clear();
        drawPlant(walk, recording, FrameTime);
        benchmark::DoNotOptimize(recording.organs().data());
    }
    state.counters["organs"] = static_cast<double>(recording.organs().size());
}

} // namespace

BENCHMARK(BM_FrameCachedGeometry)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_FrameQuadricPerOrgan)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_FrameQuadricPerOrganNoFlush)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_FrameWholePlantDisplayList)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_WalkRecording)->Unit(benchmark::kMillisecond);

} // namespace burgeon
