#pragma once

#include "drawing/RecordingTarget.h"
#include "drawing/SurfaceRoutines.h"
#include "mesh/MeshScene.h"

#include <map>
#include <optional>
#include <tuple>
#include <vector>

namespace burgeon {

struct BitmapPixels;
struct MaterialSet;

// What the shape routines read: colour slots, the leaf and flower surfaces with their
// placement, and the pictures the leaf and land passes bind. A picture left out (textures
// off, or a slot without a picture) makes that pass plain colour, as on screen.
struct MeshShapes {
    const MaterialSet* materials = nullptr;
    const OrganSurface* leaf = nullptr;
    const OrganSurface* flower = nullptr;
    const OrganPlacement* placement = nullptr;
    const BitmapPixels* leafTexture = nullptr;
    const BitmapPixels* landTexture = nullptr;
};

// A surface's mesh and the turn its routine makes before the first vertex (the leaf's angles
// and wind, the flower's angles). The organ's node carries the turn, so the mesh can be
// scaled along the shape's own axes.
struct PlacedMesh {
    int mesh = -1;
    Matrix4 turn = identityMatrix();
};

// The meshes, materials and textures of one scene. Each shape is made once per size (sizes
// at growth factor 1 repeat across a plant), from the same routines and quadrics the renderer
// draws: the leaf and flower routines run into this library as their pipeline.
class MeshLibrary : private SurfaceSink {
public:
    explicit MeshLibrary(const MeshShapes& shapes);

    // A capped segment: the cylinder from the origin down along -Y and its joint sphere.
    int segment(MaterialRole role, double length, double radius);
    PlacedMesh leaf(double depth, double length, double width, const WindTurn& wind);
    PlacedMesh flower(double depth, double length, double width);
    int land();

    const std::vector<OrganMesh>& meshes() const { return meshes_; }
    // Hands materials, textures and meshes to the scene (the library is empty afterwards).
    void moveInto(MeshScene& scene);

private:
    enum class Routine { Leaf, Flower };
    using SizeKey = std::tuple<int, double, double, double>;
    static int sizeKind(Routine routine);

    int material(MaterialRole role, RgbColor color, float alpha, bool textured);
    int texture(const char* name, const BitmapPixels& pixels);
    PlacedMesh runSurface(Routine routine, double depth, double length, double width,
                          const WindTurn& wind, bool keepMesh);

    void setPolygonSmoothing(bool) override {}
    void pushMatrix() override;
    void popMatrix() override;
    void rotate(float degrees, float x, float y, float z) override;
    void setFrontMaterial(RgbColor color, float alpha) override;
    void setSurfaceSpecular() override {}
    void setLeafTexturing(bool on) override { texturing_ = on; }
    void beginTriangles() override;
    void vertex(const Vector3& normal, const double* texCoord, double x, double y,
                double z) override;
    void endTriangles() override {}
    void flush() override {}

    MeshShapes shapes_;
    std::vector<MeshMaterial> materials_;
    std::vector<MeshTexture> textures_;
    std::vector<OrganMesh> meshes_;
    std::map<SizeKey, int> meshBySize_;
    std::map<std::tuple<int, int, int>, Matrix4> leafTurns_;
    std::optional<Matrix4> flowerTurn_;
    int landMesh_ = -1;

    // The surface routine being captured.
    struct Capture {
        Routine routine = Routine::Leaf;
        OrganMesh* mesh = nullptr; // nothing when only the turn is wanted
        std::vector<Matrix4> stack;
        Matrix4 local = identityMatrix();
        std::optional<Matrix4> turn;
        Matrix4 fromTurn = identityMatrix(); // the turn undone, then the current frame
        MeshPrimitive* primitive = nullptr;
        int materialCalls = 0;
        MaterialRole role = MaterialRole::FrontLeaf;
        RgbColor color;
        float alpha = 1.0f;
    };
    Capture capture_;
    bool texturing_ = false;
};

} // namespace burgeon
