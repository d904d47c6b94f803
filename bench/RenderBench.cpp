#include "BenchPlant.h"

#include "components/LeafTextures.h"
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

struct FrameSetting {
    DrawingDetail detail = DrawingDetail::Full;
    CylinderGeometry geometry = CylinderGeometry::CachedLists;
    bool flushEachShape = false;
    // The time each frame moves on, so the plant grows between frames (0: it stands still).
    double timeStep = 0.0;
    int width = BenchWidth;
    int height = BenchHeight;
};

void frameWith(benchmark::State& state, const FrameSetting& setting) {
    BenchScene scene;
    scene.view.detail = setting.detail;
    HeadlessContext context(setting.width, setting.height);
    Renderer renderer(context, scene, scene.clock);
    renderer.initialize(LandTextureFile);
    renderer.setProjection(setting.width, setting.height);
    renderer.setCylinderGeometry(setting.geometry);
    renderer.setFlushEachShape(setting.flushEachShape);
    RendererCanvas canvas(scene, renderer, setting.width, setting.height);
    double time = FrameTime;
    for (auto _ : state) {
        drawScene(canvas, scene, time);
        glFinish();
        time += setting.timeStep;
        if (time >= FrameTime + GrowingSpan) {
            time = FrameTime;
        }
    }
    state.counters["organs"] = scene.plant.nodeCount;
    if (setting.detail == DrawingDetail::Auto) {
        // The triangles of the last frame's segments, and of its leaves and flowers.
        const GlDrawingTarget& target = renderer.drawingTarget();
        state.counters["segmentTriangles"] =
            static_cast<double>(target.segmentBuffer().triangleCount());
        state.counters["surfaceTriangles"] =
            static_cast<double>(target.surfaceBuffer().triangleCount());
    }
}

// Every segment a 32-slice cylinder and a 16 x 16 sphere, from the unit shapes' display lists.
void BM_FrameFullDetail(benchmark::State& state) {
    frameWith(state, {});
}

// Each segment as its size on screen asks, all from one vertex array; the plant stands still,
// so the array is built once.
void BM_FrameAutoDetail(benchmark::State& state) {
    frameWith(state, {.detail = DrawingDetail::Auto});
}

// The same while the plant grows a time step a frame: the array is built for every frame.
void BM_FrameAutoDetailGrowing(benchmark::State& state) {
    frameWith(state, {.detail = DrawingDetail::Auto, .timeStep = GrowingStep});
}

void BM_FrameFullDetailGrowing(benchmark::State& state) {
    frameWith(state, {.timeStep = GrowingStep});
}

// The growing plant at the size of the desktop's view, without the desktop's own work (the
// window's composition): with BM_SegmentMeshGrowingDesktopView, what the rest of a frame
// costs there.
void BM_FrameAutoDetailGrowingDesktopView(benchmark::State& state) {
    frameWith(state, {.detail = DrawingDetail::Auto,
                      .timeStep = GrowingStep,
                      .width = DesktopViewWidth,
                      .height = DesktopViewHeight});
}

// The literal drawing: two quadric objects per organ and a flush after every surface.
void BM_FrameQuadricPerOrgan(benchmark::State& state) {
    frameWith(state, {.geometry = CylinderGeometry::QuadricPerOrgan, .flushEachShape = true});
}

void BM_FrameQuadricPerOrganNoFlush(benchmark::State& state) {
    frameWith(state, {.geometry = CylinderGeometry::QuadricPerOrgan});
}

// The frame's canvas with the plant replayed from one display list.
class DisplayListCanvas : public RendererCanvas {
public:
    DisplayListCanvas(const PlantProject& project, Renderer& renderer, GLuint list)
        : RendererCanvas(project, renderer, BenchWidth, BenchHeight), list_(list) {}

    void drawPlant(double /*time*/) override { glCallList(list_); }

private:
    GLuint list_;
};

// The floor: the same frame with the whole plant compiled once into one display list.
void BM_FrameWholePlantDisplayList(benchmark::State& state) {
    BenchScene scene;
    HeadlessContext context(BenchWidth, BenchHeight);
    Renderer renderer(context, scene, scene.clock);
    renderer.initialize(LandTextureFile);
    renderer.setProjection(BenchWidth, BenchHeight);
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

BENCHMARK(BM_FrameFullDetail)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_FrameAutoDetail)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_FrameFullDetailGrowing)->Unit(benchmark::kMillisecond)->Iterations(GrowingFrames);
BENCHMARK(BM_FrameAutoDetailGrowing)->Unit(benchmark::kMillisecond)->Iterations(GrowingFrames);
BENCHMARK(BM_FrameAutoDetailGrowingDesktopView)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(GrowingFrames);
BENCHMARK(BM_FrameQuadricPerOrgan)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_FrameQuadricPerOrganNoFlush)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_FrameWholePlantDisplayList)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_WalkRecording)->Unit(benchmark::kMillisecond);

} // namespace burgeon
