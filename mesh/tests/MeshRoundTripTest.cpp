#include "MeshReaders.h"
#include "TestPlant.h"

#include "drawing/OrganTable.h"
#include "mesh/MeshExport.h"
#include "mesh/PlantMeshBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace burgeon;
using namespace burgeon::testing;

namespace {

constexpr double Time = 30.0;
constexpr double Tolerance = 1e-4;

class MeshRoundTrip : public ::testing::Test {
protected:
    // Writes the plant at time t and returns the model file's path.
    std::filesystem::path write(const std::string& name, double t = Time) {
        std::filesystem::path file = writtenFilesFolder() / name;
        writeMeshFile(file.string(), buildPlantMesh(plant.inputs(), t));
        return file;
    }

    // Every organ the recording lists (and the land) is there once, in its place, with the
    // vertices and triangles the renderer sends and texture coordinates where it textures.
    // (PLY has no textured passes, only coordinates: checked apart.)
    void expectOrgansAsDrawn(const std::vector<ReadOrgan>& read, double t = Time,
                             bool checkTexturing = true) {
        const std::vector<ExpectedOrgan> expected = expectedOrgans(plant, t);
        ASSERT_EQ(read.size(), expected.size());
        for (const ExpectedOrgan& organ : expected) {
            const auto found = std::find_if(
                read.begin(), read.end(), [&](const ReadOrgan& r) { return r.name == organ.name; });
            ASSERT_NE(found, read.end()) << organ.name;
            expectSameBox(found->box, organ.box, Tolerance, organ.name);
            EXPECT_EQ(found->vertices, organ.vertices) << organ.name;
            EXPECT_EQ(found->triangles, organ.triangles) << organ.name;
            if (checkTexturing) {
                EXPECT_EQ(found->textured, organ.textured) << organ.name;
            }
        }
    }

    // The rows of the organ table (`burgeon render --organs`) at the same time.
    std::size_t organTableRows(double t = Time) {
        const std::string csv = organTableCsv(plant.recordedOrgans(t));
        return static_cast<std::size_t>(std::count(csv.begin(), csv.end(), '\n')) - 1;
    }

    // The leaf shape's texture coordinates, as the upper side sends them.
    std::set<std::pair<float, float>> leafTexCoords(bool fromBottom) const {
        std::set<std::pair<float, float>> coordinates;
        for (int k = 1; k <= plant.leaf.triangleCount; ++k) {
            for (const auto point : plant.leaf.triangles[static_cast<std::size_t>(k)]) {
                const auto& uv = plant.leaf.texCoords[point];
                const auto v = static_cast<float>(uv[1]);
                coordinates.insert({static_cast<float>(uv[0]), fromBottom ? 1.0f - v : v});
            }
        }
        return coordinates;
    }

    TestPlant plant;
};

const ReadOrgan& organNamed(const std::vector<ReadOrgan>& organs, const std::string& name) {
    return *std::find_if(organs.begin(), organs.end(),
                         [&](const ReadOrgan& r) { return r.name == name; });
}

std::set<std::pair<float, float>> texCoordSet(const ReadOrgan& organ) {
    std::set<std::pair<float, float>> coordinates;
    for (const auto& uv : organ.texCoords) {
        coordinates.insert({uv[0], uv[1]});
    }
    return coordinates;
}

TEST_F(MeshRoundTrip, BinaryGltfHoldsEveryOrganAsDrawn) {
    const tinygltf::Model model = loadGltf(write("plant.glb"));
    const std::vector<ReadOrgan> organs = gltfOrgans(model);
    expectOrgansAsDrawn(organs);
    EXPECT_EQ(organs.size() - 1, organTableRows()) << "every organ of the table, and the land";
    // Organ nodes hang under the plant node, which carries the plant scale.
    ASSERT_EQ(model.scenes[0].nodes.size(), 2u);
    const tinygltf::Node& plantNode =
        model.nodes[static_cast<std::size_t>(model.scenes[0].nodes[0])];
    EXPECT_EQ(plantNode.name, "plant");
    EXPECT_EQ(plantNode.scale, (std::vector<double>{0.5, 0.5, 0.5}));
    EXPECT_EQ(plantNode.children.size(), organTableRows());
    EXPECT_EQ(model.nodes[static_cast<std::size_t>(model.scenes[0].nodes[1])].name, "land");
    // Equal sizes share a mesh: the eight organs' segments, leaves and flowers need fewer.
    EXPECT_LT(model.meshes.size(), organs.size());
}

TEST_F(MeshRoundTrip, NodesCarryTheirOrganInExtras) {
    const tinygltf::Model model = loadGltf(write("plant.glb"));
    const tinygltf::Node& plantNode = model.nodes[0];
    EXPECT_EQ(plantNode.extras.Get("time").GetNumberAsDouble(), Time);
    // The walk's own account of each node: its level and its age at that time.
    std::map<int, RecordedOrgan> recorded;
    for (const RecordedOrgan& organ : plant.recordedOrgans(Time)) {
        recorded[organ.node] = organ;
    }
    std::set<std::string> kinds;
    for (const int child : plantNode.children) {
        const tinygltf::Node& node = model.nodes[static_cast<std::size_t>(child)];
        const int number = node.extras.Get("node").GetNumberAsInt();
        const std::string kind = node.extras.Get("kind").Get<std::string>();
        EXPECT_EQ(node.name, kind + " " + std::to_string(number));
        const RecordedOrgan& source = recorded.at(number);
        EXPECT_EQ(node.extras.Get("level").GetNumberAsInt(), source.level) << node.name;
        EXPECT_DOUBLE_EQ(node.extras.Get("age").GetNumberAsDouble(), source.age) << node.name;
        kinds.insert(kind);
    }
    EXPECT_EQ(kinds, (std::set<std::string>{"internode", "short internode", "petiole",
                                            "short petiole", "apex", "leaf", "flower"}));
}

TEST_F(MeshRoundTrip, MaterialsCarryTheColourSlotsAndTheLeafPicture) {
    plant.materials.frontLeafColor = {10, 200, 30};
    const tinygltf::Model model = loadGltf(write("plant-colours.glb"));
    std::map<std::string, const tinygltf::Material*> materials;
    for (const auto& material : model.materials) {
        materials[material.name] = &material;
    }
    ASSERT_EQ(materials.size(), 7u);
    const auto& front = *materials.at("front leaf");
    EXPECT_EQ(front.pbrMetallicRoughness.baseColorFactor,
              (std::vector<double>{10 / 255.0, 200 / 255.0, 30 / 255.0, 1.0}));
    EXPECT_EQ(materials.at("front flower")->alphaMode, "BLEND");
    EXPECT_EQ(materials.at("back leaf")->pbrMetallicRoughness.baseColorTexture.index, -1);
    EXPECT_FALSE(front.doubleSided) << "front and back are one-sided primitives";
    // The picture, decoded back from the embedded PNG, is the leaf texture's.
    const int texture = front.pbrMetallicRoughness.baseColorTexture.index;
    ASSERT_GE(texture, 0);
    const auto& image = model.images[static_cast<std::size_t>(
        model.textures[static_cast<std::size_t>(texture)].source)];
    EXPECT_EQ(image.mimeType, "image/png");
    ASSERT_EQ(image.width, plant.leafPicture.width);
    ASSERT_EQ(image.height, plant.leafPicture.height);
    for (std::size_t i = 0; i < 8; ++i) {
        for (std::size_t c = 0; c < 3; ++c) {
            EXPECT_EQ(image.image[i * static_cast<std::size_t>(image.component) + c],
                      plant.leafPicture.rgba[4 * i + c]);
        }
    }
}

TEST_F(MeshRoundTrip, LeavesCarryTheShapesTextureCoordinates) {
    const auto organs = gltfOrgans(loadGltf(write("plant.glb")));
    const ReadOrgan& leaf = organNamed(organs, "leaf 2");
    ASSERT_TRUE(leaf.textured);
    EXPECT_EQ(texCoordSet(leaf), leafTexCoords(false));
    EXPECT_FALSE(organNamed(organs, "flower 7").textured);
}

TEST_F(MeshRoundTrip, TextGltfKeepsItsBufferAndPicturesBeside) {
    const std::filesystem::path file = write("plant.gltf");
    const MeshScene scene = buildPlantMesh(plant.inputs(), Time);
    const std::string folder = writtenFilesFolder().string() + "/";
    EXPECT_EQ(meshFileNames(file.string(), scene),
              (std::vector<std::string>{file.string(), folder + "plant.bin",
                                        folder + "plant-leaf.png", folder + "plant-land.png"}));
    for (const std::string& name : meshFileNames(file.string(), scene)) {
        EXPECT_TRUE(std::filesystem::exists(name)) << name;
    }
    const std::string json = fileText(file);
    EXPECT_NE(json.find("\"uri\": \"plant.bin\""), std::string::npos);
    EXPECT_EQ(json.find("base64"), std::string::npos) << "nothing embedded";
    expectOrgansAsDrawn(gltfOrgans(loadGltf(file)));
}

TEST_F(MeshRoundTrip, FileNamesWithSpacesBecomeUris) {
    const std::filesystem::path file = write("my plant.gltf");
    EXPECT_NE(fileText(file).find("\"my%20plant.bin\""), std::string::npos);
    EXPECT_EQ(gltfOrgans(loadGltf(file)).size(), organTableRows() + 1);
}

TEST_F(MeshRoundTrip, ObjHoldsEveryOrganAsDrawn) {
    const std::filesystem::path file = write("plant.obj");
    const auto organs = objOrgans(file);
    expectOrgansAsDrawn(organs);
    const std::string materials = fileText(writtenFilesFolder() / "plant.mtl");
    EXPECT_NE(fileText(file).find("mtllib plant.mtl\n"), std::string::npos);
    EXPECT_NE(materials.find("newmtl front_leaf\nKa 0.196078 1 0.196078\nKd 0.196078 1 0.196078\n"),
              std::string::npos);
    EXPECT_NE(materials.find("map_Kd plant-leaf.png\n"), std::string::npos);
    EXPECT_NE(materials.find("newmtl front_flower\n"), std::string::npos);
    EXPECT_NE(materials.find("d 0.5\n"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(writtenFilesFolder() / "plant-leaf.png"));
    // OBJ counts v from the picture's bottom.
    EXPECT_EQ(texCoordSet(organNamed(organs, "leaf 4")), leafTexCoords(true));
}

TEST_F(MeshRoundTrip, PlyHoldsEveryOrganAsDrawn) {
    const PlyFile ply = readPly(write("plant.ply"));
    expectOrgansAsDrawn(ply.organs, Time, false);
    EXPECT_EQ(ply.comments[0], "Burgeon plant at time 30");
    // The leaf's vertices: the upper side's coordinates, and the lower side's untextured 0, 0.
    std::set<std::pair<float, float>> expected = leafTexCoords(true);
    expected.insert({0.0f, 0.0f});
    EXPECT_EQ(texCoordSet(organNamed(ply.organs, "leaf 5")), expected);
    // Colours: the land's slot on the last eight vertices.
    const auto& land = ply.colours.back();
    EXPECT_EQ(land, (std::array<std::uint8_t, 4>{40, 130, 40, 255}));
}

// Organs not yet born are drawn at their size at age 0, as the renderer draws them.
TEST_F(MeshRoundTrip, EarlyPlantHasUnbornOrgansAtTheirFirstSize) {
    constexpr double early = 15.0;
    expectOrgansAsDrawn(gltfOrgans(loadGltf(write("early.glb", early))), early);
}

TEST_F(MeshRoundTrip, WithoutLandOrTexturesThereIsNeither) {
    plant.withLand = false;
    plant.textured = false;
    const tinygltf::Model model = loadGltf(write("bare.glb"));
    const auto organs = gltfOrgans(model);
    expectOrgansAsDrawn(organs);
    EXPECT_EQ(organs.size(), organTableRows());
    EXPECT_TRUE(model.images.empty());
    EXPECT_TRUE(model.textures.empty());
    EXPECT_EQ(meshFileNames("bare.obj", buildPlantMesh(plant.inputs(), Time)),
              (std::vector<std::string>{"bare.obj", "bare.mtl"}));
}

} // namespace
