#include "drawing/SurfaceRoutines.h"
#include "components/MaterialSet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace burgeon;

namespace {

// Writes every pipeline operation of a surface as a line of text.
class SinkLog : public SurfaceSink {
public:
    std::vector<std::string> lines;
    std::vector<Vector3> normals;
    std::vector<Vector3> points;
    int texturedVertices = 0;

    void setPolygonSmoothing(bool on) override { lines.push_back(on ? "smooth" : "rough"); }
    void pushMatrix() override { lines.push_back("push"); }
    void popMatrix() override { lines.push_back("pop"); }
    void rotate(float degrees, float x, float y, float z) override {
        lines.push_back("rotate " + std::to_string(degrees) + " " + std::to_string(x) + " " +
                        std::to_string(y) + " " + std::to_string(z));
    }
    void setFrontMaterial(RgbColor color, float alpha) override {
        lines.push_back("material " + std::to_string(color.red) + "," +
                        std::to_string(color.green) + "," + std::to_string(color.blue) + " " +
                        std::to_string(alpha));
    }
    void setSurfaceSpecular() override { lines.push_back("specular"); }
    void setLeafTexturing(bool on) override { lines.push_back(on ? "texture on" : "texture off"); }
    void beginTriangles() override { lines.push_back("triangles"); }
    void vertex(const Vector3& normal, const double* texCoord, double x, double y,
                double z) override {
        normals.push_back(normal);
        points.push_back({x, y, z});
        if (texCoord != nullptr) {
            ++texturedVertices;
        }
    }
    void endTriangles() override { lines.push_back("end"); }
    void flush() override { lines.push_back("flush"); }

    int count(const std::string& line) const {
        int n = 0;
        for (const auto& l : lines) {
            n += l == line ? 1 : 0;
        }
        return n;
    }
};

// One triangle with points 1, 2, 3 and distinct normals per side.
OrganSurface oneTriangle() {
    OrganSurface surface;
    surface.pointCount = 3;
    surface.triangleCount = 1;
    surface.points[1] = {0.0f, 0.0f, 0.0f};
    surface.points[2] = {10.0f, 0.0f, 0.0f};
    surface.points[3] = {0.0f, 20.0f, 5.0f};
    surface.triangles[1] = {1, 2, 3};
    surface.shapeDivisor = 10.0f;
    for (std::size_t p = 1; p <= 3; ++p) {
        surface.normalsFront[p] = {0.0, 0.0, 1.0};
        surface.normalsBack[p] = {0.0, 0.0, -1.0};
    }
    return surface;
}

} // namespace

TEST(SurfaceRoutines, FlowerPetalsAreAStepApartOnBothSides) {
    const OrganSurface flower = oneTriangle();
    const MaterialSet materials;
    OrganPlacement placement;
    placement.flowerAngleX = 10.0f;
    placement.petalCount = 8;
    SinkLog log;
    drawFlowerSurface(log, flower, placement, materials, 1.0, 1.0, 1.0);

    EXPECT_EQ(log.count("rotate 45.000000 0.000000 1.000000 0.000000"), 16);
    EXPECT_EQ(log.count("triangles"), 16);
    EXPECT_EQ(log.count("material 255,200,100 0.500000"), 8) << "back colour at every petal";
    EXPECT_EQ(log.count("material 255,0,128 0.500000"), 1);
    EXPECT_EQ(log.count("texture on"), 0) << "flowers are never textured";
    EXPECT_EQ(log.lines.front(), "smooth");
    EXPECT_EQ(log.lines[1], "push");
    EXPECT_EQ(log.lines[4], "rotate 10.000000 1.000000 0.000000 0.000000");
    EXPECT_EQ(log.lines.back(), "rough");

    SinkLog single;
    placement.petalCount = 1;
    drawFlowerSurface(single, flower, placement, materials, 1.0, 1.0, 1.0);
    EXPECT_EQ(single.count("triangles"), 2);
    EXPECT_EQ(single.count("rotate 360.000000 0.000000 1.000000 0.000000"), 2);
}

TEST(SurfaceRoutines, LeafSidesWindingNormalsMappingAndTexture) {
    const OrganSurface leaf = oneTriangle();
    const MaterialSet materials;
    OrganPlacement placement;
    placement.leafSizeX = 1.0f;
    placement.leafSizeY = 0.5f;
    placement.leafSizeZ = 2.0f;
    placement.leafAngleX = -60.0f;
    SinkLog log;
    drawLeafSurface(log, leaf, placement, materials, true, 3.0, 4.0, 5.0, WindTurn{2, 1, 3});

    ASSERT_EQ(log.points.size(), 6u);
    // Upper side t1, t3, t2; lower side t1, t2, t3; x by width, y mirrored by length, z by
    // depth, all over the divisor.
    EXPECT_EQ(log.points[1].x, 0.0);
    EXPECT_DOUBLE_EQ(log.points[1].y, -(0.5 * 4.0 * 20.0 / 10.0));
    EXPECT_DOUBLE_EQ(log.points[1].z, 2.0 * 3.0 * 5.0 / 10.0);
    EXPECT_DOUBLE_EQ(log.points[2].x, 1.0 * 5.0 * 10.0 / 10.0);
    EXPECT_DOUBLE_EQ(log.points[4].x, 5.0);
    EXPECT_DOUBLE_EQ(log.points[5].y, -4.0);
    // Normals are the stored ones negated.
    EXPECT_EQ(log.normals[0].z, -1.0);
    EXPECT_EQ(log.normals[3].z, 1.0);
    // Only the upper side carries texture coordinates.
    EXPECT_EQ(log.texturedVertices, 3);
    EXPECT_EQ(log.count("texture on"), 1);
    EXPECT_EQ(log.count("texture off"), 1);
    EXPECT_EQ(log.count("rotate -58.000000 1.000000 0.000000 0.000000"), 1);
    EXPECT_EQ(log.count("rotate 1.000000 0.000000 1.000000 0.000000"), 1);
    EXPECT_EQ(log.count("rotate 3.000000 0.000000 0.000000 1.000000"), 1);
    EXPECT_EQ(log.count("material 50,255,50 1.000000"), 1);
    EXPECT_EQ(log.count("material 87,155,92 1.000000"), 1);
    EXPECT_EQ(log.count("specular"), 2);

    SinkLog plain;
    drawLeafSurface(plain, leaf, placement, materials, false, 3.0, 4.0, 5.0, WindTurn{});
    EXPECT_EQ(plain.texturedVertices, 0);
    EXPECT_EQ(plain.count("texture on"), 0);
    EXPECT_EQ(plain.count("rotate -60.000000 1.000000 0.000000 0.000000"), 1);
}

TEST(SurfaceRoutines, BrokenTablesAreNotReadPastTheirEnd) {
    OrganSurface leaf = oneTriangle();
    leaf.triangleCount = 100000;
    leaf.triangles[1] = {1, 200, 3};
    SinkLog log;
    drawLeafSurface(log, leaf, OrganPlacement{}, MaterialSet{}, false, 1.0, 1.0, 1.0, WindTurn{});
    EXPECT_EQ(log.points.size(), static_cast<std::size_t>(MaxShapeTriangles) * 6);
}
