#include "base/Clock.h"
#include "components/BuiltInShapes.h"
#include "drawing/PlantWalk.h"
#include "drawing/RecordingTarget.h"
#include "growth/GrowthCurves.h"
#include "lsystem/PlantState.h"
#include "project/PlantProject.h"
#include "render/FrameScene.h"
#include "render/HeadlessContext.h"
#include "render/Renderer.h"
#include "render/RendererCanvas.h"

#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <memory>

namespace burgeon {

namespace {

// A bushy plant of 5000 organs: ten main-stem internodes, each carrying nineteen branch
// petioles with about twenty-five leaf-bearing petioles each. Levels stay low (at most 12),
// so every push fits the pipeline's own matrix stack.
void buildBenchPlant(PlantState& plant) {
    plant.NodeCount = 0;
    auto add = [&plant](OrganKind kind, int parent, int level, float z, float y, bool leaf) {
        if (plant.NodeCount >= MaxNodes) {
            return 0;
        }
        const int index = ++plant.NodeCount;
        PlantNode& node = plant.Nodes[static_cast<std::size_t>(index)];
        node = PlantNode{};
        node.Kind = kind;
        node.Parent = parent;
        node.Level = level;
        node.AngleZ = z;
        node.AngleY = y;
        node.HasLeaf = leaf ? 1 : 0;
        return index;
    };
    int stem = 0;
    for (int level = 1; level <= 10; ++level) {
        stem = add(OrganKind::Internode, stem, level, 0.01f, 0.0f, false);
    }
    for (int main = 1; main <= 10 && plant.NodeCount < MaxNodes; ++main) {
        for (int branch = 0; branch < 19; ++branch) {
            const float side = branch % 2 == 0 ? 1.0f : -1.0f;
            const int root = add(OrganKind::Petiole, main, main + 1, side * 40.0f,
                                 static_cast<float>(branch) * 360.0f / 19.0f, false);
            for (int leaf = 0; leaf < 25 && root != 0; ++leaf) {
                add(OrganKind::ShortPetiole, root, main + 2, (leaf % 2 == 0 ? 1.0f : -1.0f) * 50.0f,
                    static_cast<float>(leaf) * 14.0f, true);
            }
        }
    }
    plant.MainStemCount = 10;
    plant.MaxLevel = 12;
}

// The plant, its curves and the start-up values of everything else.
struct BenchScene : PlantProject {
    BenchScene() {
        leaf = builtInLeaf();
        flower = builtInPetal();
        buildBenchPlant(plant);
        growth.curves.setCurve(GrowthOrgan::All, 0.0, 10.0, 0.3, 15.0);
    }

    FixedClock clock;
};

constexpr double FrameTime = 60.0;

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
    state.counters["organs"] = scene.plant.NodeCount;
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
