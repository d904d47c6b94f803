#include "BenchPlant.h"

#include "drawing/PlantWalk.h"
#include "drawing/RecordingTarget.h"
#include "frame/FrameScene.h"
#include "render/HeadlessContext.h"
#include "render/Renderer.h"
#include "render/RendererCanvas.h"

#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <memory>

namespace burgeon {

namespace {

constexpr double FrameTime = BenchFrameTime;

void frameWith(benchmark::State& state, CylinderGeometry geometry, bool flushEachShape) {
    BenchScene scene;
    HeadlessContext context(800, 600);
    Renderer renderer(context, scene, scene.clock);
    renderer.initialize("grass1.bmp");
    renderer.setProjection(800, 600);
    renderer.setCylinderGeometry(geometry);
    renderer.setFlushEachShape(flushEachShape);
    RendererCanvas canvas(scene, renderer, 800, 600);
    for (auto _ : state) {
        drawScene(canvas, scene, FrameTime);
        glFinish();
    }
    state.counters["organs"] = scene.plant.nodeCount;
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

// The frame's canvas with the plant replayed from one display list.
class DisplayListCanvas : public RendererCanvas {
public:
    DisplayListCanvas(const PlantProject& project, Renderer& renderer, GLuint list)
        : RendererCanvas(project, renderer, 800, 600), list_(list) {}

    void drawPlant(double /*time*/) override { glCallList(list_); }

private:
    GLuint list_;
};

// The floor: the same frame with the whole plant compiled once into one display list.
void BM_FrameWholePlantDisplayList(benchmark::State& state) {
    BenchScene scene;
    HeadlessContext context(800, 600);
    Renderer renderer(context, scene, scene.clock);
    renderer.initialize("grass1.bmp");
    renderer.setProjection(800, 600);
    renderer.beginFrame();
    renderer.applyViewTransform();
    const GLuint list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    renderer.drawPlant(FrameTime);
    glEndList();
    DisplayListCanvas canvas(scene, renderer, list);
    for (auto _ : state) {
        drawScene(canvas, scene, FrameTime);
        glFinish();
    }
    glDeleteLists(list, 1);
    state.counters["organs"] = scene.plant.nodeCount;
}

void BM_WalkRecording(benchmark::State& state) {
    BenchScene scene;
    RecordingTarget recording;
    PlantWalk walk(scene, scene.clock);
    for (auto _ : state) {
        recording.clear();
        walk.draw(recording, FrameTime);
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
