#include "TestPlant.h"

#include "components/BuiltInShapes.h"
#include "drawing/PlantWalk.h"
#include "drawing/SurfaceRoutines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace burgeon::testing {

namespace {

// The counts GLU's quadrics send for a segment (checked against the pipeline's own output in
// the feedback test): a 32-slice open cylinder as one quad strip, a 16 x 16 sphere as two
// fans and fourteen quad strips.
constexpr std::size_t SegmentVertices = 2 * 33 + 2 * 18 + 14 * 2 * 17;
constexpr std::size_t SegmentTriangles = 2 * 32 + 2 * 16 + 14 * 2 * 16;

BitmapPixels picture(int width, int height, int seed) {
    BitmapPixels pixels;
    pixels.width = width;
    pixels.height = height;
    for (int i = 0; i < width * height; ++i) {
        pixels.rgba.push_back(static_cast<std::uint8_t>(seed + 40 * i));
        pixels.rgba.push_back(static_cast<std::uint8_t>(200 - 30 * i));
        pixels.rgba.push_back(static_cast<std::uint8_t>(seed * 3 + i));
        pixels.rgba.push_back(0);
    }
    return pixels;
}

// The surface routine's vertices in scene coordinates: the organ's matrix, then the turns the
// routine makes.
class ScenePointSink : public SurfaceSink {
public:
    ScenePointSink(const Matrix4& organ, Box& box) : organ_(organ), box_(box) {}

    std::size_t vertices = 0;
    bool textured = false;

    void setPolygonSmoothing(bool) override {}
    void pushMatrix() override { local_.pushMatrix(); }
    void popMatrix() override { local_.popMatrix(); }
    void rotate(float degrees, float x, float y, float z) override {
        local_.rotate(degrees, x, y, z);
    }
    void setFrontMaterial(RgbColor, float) override {}
    void setSurfaceSpecular() override {}
    void setLeafTexturing(bool on) override { textured = textured || on; }
    void beginTriangles() override {}
    void vertex(const Vector3&, const double*, double x, double y, double z) override {
        box_.add(transformPoint(organ_, transformPoint(local_.currentMatrix(), {x, y, z})));
        ++vertices;
    }
    void endTriangles() override {}
    void flush() override {}

private:
    Matrix4 organ_;
    Box& box_;
    RecordingTarget local_{16, 16};
};

// The rings of GLU's cylinder and sphere, turned down -Y as the renderer turns them.
void addSegment(const RecordedOrgan& organ, Box& box) {
    const double length = organ.a;
    const double radius = organ.b;
    auto add = [&](double x, double y, double z) {
        box.add(transformPoint(organ.matrix, {x, -z, y}));
    };
    const double pi = std::numbers::pi;
    for (int i = 0; i < 32; ++i) {
        const double angle = 2 * pi * i / 32;
        add(radius * std::sin(angle), radius * std::cos(angle), 0.0);
        add(radius * std::sin(angle), radius * std::cos(angle), length);
    }
    for (int j = 0; j <= 16; ++j) {
        const double ring = radius * std::sin(pi * j / 16);
        for (int i = 0; i < 16; ++i) {
            const double angle = 2 * pi * i / 16;
            add(ring * std::sin(angle), ring * std::cos(angle), radius * std::cos(pi * j / 16));
        }
    }
}

} // namespace

TestPlant::TestPlant() {
    leaf = builtInLeaf();
    flower = builtInPetal();
    auto add = [this](OrganKind kind, int parent, int level, float angleZ, bool hasLeaf,
                      bool hasFlower, float angleX = 0.0f, float angleY = 0.0f) {
        PlantNode& node = appendNode(plant);
        node.kind = kind;
        node.parent = parent;
        node.level = level;
        node.angleZ = angleZ;
        node.angleX = angleX;
        node.angleY = angleY;
        node.hasLeaf = hasLeaf ? 1 : 0;
        node.hasFlower = hasFlower ? 1 : 0;
    };
    add(OrganKind::Internode, 0, 1, 0.01f, false, false);
    add(OrganKind::Petiole, 1, 2, 45.0f, true, false);
    add(OrganKind::Internode, 1, 2, 0.02f, false, false);
    add(OrganKind::ShortPetiole, 3, 3, -40.0f, true, false, 10.0f);
    add(OrganKind::ShortInternode, 3, 3, 20.0f, true, false, 0.0f, 30.0f);
    add(OrganKind::Internode, 3, 3, 0.01f, false, false);
    add(OrganKind::Apex, 6, 4, 0.0f, false, true);
    add(OrganKind::Petiole, 6, 4, -30.0f, false, true, 0.0f, 70.0f);
    plant.mainStemCount = 3;
    plant.maxLevel = 4;
    growth.curves.setCurve(GrowthOrgan::Internode, 0.0, 10.0, 0.3, 15.0);
    growth.curves.setCurve(GrowthOrgan::Petiole, 0.0, 8.0, 0.25, 12.0);
    growth.curves.setCurve(GrowthOrgan::LeafLength, 0.0, 12.0, 0.2, 20.0);
    growth.curves.setCurve(GrowthOrgan::LeafWidth, 0.0, 9.0, 0.35, 10.0);
    growth.curves.setCurve(GrowthOrgan::Apex, 0.0, 5.0, 0.3, 10.0);
    growth.curves.setCurve(GrowthOrgan::Flower, 0.0, 11.0, 0.4, 25.0);
    clock.millisecondsOfDayValue = 12345678;
    leafPicture = picture(4, 2, 10);
    landPicture = picture(2, 2, 90);
}

MeshExportInputs TestPlant::inputs() {
    MeshExportInputs in = projectExportInputs(*this, clock, nullptr, withLand);
    in.shapes.leafTexture = textured ? &leafPicture : nullptr;
    in.shapes.landTexture = textured ? &landPicture : nullptr;
    return in;
}

std::vector<RecordedOrgan> TestPlant::recordedOrgans(double t) {
    RecordingTarget recording;
    PlantWalk(*this, clock).draw(recording, t);
    if (withLand) {
        recording.drawLand();
    }
    return recording.organs();
}

void Box::add(const Vector3& point) {
    low = {std::min(low.x, point.x), std::min(low.y, point.y), std::min(low.z, point.z)};
    high = {std::max(high.x, point.x), std::max(high.y, point.y), std::max(high.z, point.z)};
}

std::string organName(const RecordedOrgan& organ) {
    const OrganKind kind = organ.kind;
    std::string word;
    switch (organ.shape) {
    case RecordedShape::Land:
        return "land";
    case RecordedShape::Leaf:
        word = "leaf";
        break;
    case RecordedShape::Flower:
        word = "flower";
        break;
    case RecordedShape::Petiole:
        word = kind == OrganKind::ShortPetiole ? "short petiole" : "petiole";
        break;
    case RecordedShape::Internode:
        word = kind == OrganKind::Apex             ? "apex"
               : kind == OrganKind::ShortInternode ? "short internode"
                                                   : "internode";
        break;
    }
    return word + " " + std::to_string(organ.node);
}

std::vector<ExpectedOrgan> expectedOrgans(TestPlant& plant, double t) {
    std::vector<ExpectedOrgan> expected;
    for (const RecordedOrgan& organ : plant.recordedOrgans(t)) {
        ExpectedOrgan& out = expected.emplace_back();
        out.name = organName(organ);
        if (organ.shape == RecordedShape::Internode || organ.shape == RecordedShape::Petiole) {
            addSegment(organ, out.box);
            out.vertices = SegmentVertices;
            out.triangles = SegmentTriangles;
        } else if (organ.shape == RecordedShape::Land) {
            for (const double x : {-3.0, 3.0}) {
                for (const double z : {-3.0, 3.0}) {
                    out.box.add(transformPoint(organ.matrix, {x, -2.5, z}));
                }
            }
            out.vertices = 8;
            out.triangles = 4;
            out.textured = plant.textured;
        } else {
            ScenePointSink sink(organ.matrix, out.box);
            if (organ.shape == RecordedShape::Leaf) {
                drawLeafSurface(sink, plant.leaf, plant.placement, plant.materials, plant.textured,
                                organ.a, organ.b, organ.c, organ.wind);
            } else {
                drawFlowerSurface(sink, plant.flower, plant.placement, plant.materials, organ.a,
                                  organ.b, organ.c);
            }
            out.vertices = sink.vertices;
            out.triangles = sink.vertices / 3;
            out.textured = sink.textured;
        }
    }
    return expected;
}

void expectSameBox(const Box& actual, const Box& expected, double tolerance,
                   const std::string& what) {
    EXPECT_NEAR(actual.low.x, expected.low.x, tolerance) << what;
    EXPECT_NEAR(actual.low.y, expected.low.y, tolerance) << what;
    EXPECT_NEAR(actual.low.z, expected.low.z, tolerance) << what;
    EXPECT_NEAR(actual.high.x, expected.high.x, tolerance) << what;
    EXPECT_NEAR(actual.high.y, expected.high.y, tolerance) << what;
    EXPECT_NEAR(actual.high.z, expected.high.z, tolerance) << what;
}

std::filesystem::path writtenFilesFolder() {
    std::filesystem::path folder = std::filesystem::current_path() / "mesh-files";
    std::filesystem::create_directories(folder);
    return folder;
}

} // namespace burgeon::testing
