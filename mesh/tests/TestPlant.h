#pragma once

#include "base/Clock.h"
#include "drawing/RecordingTarget.h"
#include "imageio/BmpReader.h"
#include "mesh/PlantMeshBuilder.h"
#include "project/PlantProject.h"

#include <filesystem>
#include <limits>
#include <string>
#include <vector>

namespace burgeon::testing {

// A small hand-made plant with every organ kind, a leaf or flower on stems and petioles, the
// orientation turns of both signs, its own growth curve per organ, and two small textures.
struct TestPlant : PlantProject {
    TestPlant();

    MeshExportInputs inputs();
    // The organs the recording target lists at time t, the land last.
    std::vector<RecordedOrgan> recordedOrgans(double t);

    FixedClock clock;
    BitmapPixels leafPicture;
    BitmapPixels landPicture;
    bool withLand = true;
    bool textured = true;
};

struct Box {
    Vector3 low{std::numeric_limits<double>::max(), std::numeric_limits<double>::max(),
                std::numeric_limits<double>::max()};
    Vector3 high{std::numeric_limits<double>::lowest(), std::numeric_limits<double>::lowest(),
                 std::numeric_limits<double>::lowest()};
    void add(const Vector3& point);
};

// What the renderer draws for one recorded organ, worked out from the recording alone: the
// quadric rings of a segment, the surface routine's vertices, the land's corners.
struct ExpectedOrgan {
    std::string name; // "leaf 4"
    Box box;
    std::size_t vertices = 0;
    std::size_t triangles = 0;
    bool textured = false; // has a textured pass
};

std::vector<ExpectedOrgan> expectedOrgans(TestPlant& plant, double t);
std::string organName(const RecordedOrgan& organ);

// Checks two boxes corner by corner.
void expectSameBox(const Box& actual, const Box& expected, double tolerance,
                   const std::string& what);

// The folder where the tests leave the files they write (checked by the glTF validator).
std::filesystem::path writtenFilesFolder();

} // namespace burgeon::testing
