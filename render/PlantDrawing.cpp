#include "render/PlantDrawing.h"

#include "base/Clock.h"
#include "base/NumberText.h"
#include "base/RandomSource.h"
#include "growth/GrowthCurves.h"
#include "lsystem/PlantState.h"
#include "project/PlantParameters.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace burgeon {

namespace {

bool isOrgan(char kind) {
    return kind == 'A' || kind == 'I' || kind == 'i' || kind == 'P' || kind == 'p';
}

bool isStemKind(char kind) {
    return kind == 'A' || kind == 'I' || kind == 'i';
}

bool isPetioleKind(char kind) {
    return kind == 'P' || kind == 'p';
}

int usedNodeCount(const PlantState& plant) {
    const int capacity = static_cast<int>(plant.Nodes.size()) - 1;
    return std::clamp(plant.NodeCount, 0, std::max(capacity, 0));
}

// A node hangs below its parent only when the parent is an earlier node; anything else is a
// root, which also keeps a damaged table from looping.
bool hasDrawableParent(const PlantNode& node, int index) {
    return node.Parent >= 1 && node.Parent < index;
}

float f32(double value) {
    return static_cast<float>(value);
}

struct NodeSizes {
    double internodeLengthReduce = 1.0;
    double petioleLengthReduce = 1.0;
    double internodeDiameterReduce = 1.0;
    double petioleDiameterReduce = 1.0;
    double leafReduce = 1.0;
    double flowerReduce = 1.0;
    double internode = 0.0;
    double petiole = 0.0;
    double leafLength = 0.0;
    double leafWidth = 0.0;
    double apex = 0.0;
    double flower = 0.0;
};

// One frame's walk: the recursion of drawNode with what every node reads.
class NodeWalk {
public:
    NodeWalk(const PlantScene& scene, DrawingTarget& target) : scene_(scene), target_(target) {}

    void drawNode(int index, double t);

private:
    void drawOrganSegment(const PlantNode& node, const NodeSizes& sizes);
    NodeSizes sizesOf(const PlantNode& node) const;
    NodeSizes sizesFor(const PlantNode& node);

    // Nodes of one level share their reductions and, having one birth time, their age and
    // growth sizes: each level's values are worked out once per frame.
    static constexpr int CachedLevels = 64;
    struct LevelSizes {
        bool known = false;
        double age = 0.0;
        NodeSizes sizes;
    };
    std::array<LevelSizes, CachedLevels> levelSizes_{};

    const PlantScene& scene_;
    DrawingTarget& target_;
    RandomSource random_;
};

void NodeWalk::drawNode(int index, double t) {
    PlantState& plant = *scene_.plant;
    PlantNode& node = plant.Nodes[static_cast<std::size_t>(index)];
    const PlantParameters& parameters = *scene_.parameters;

    target_.enterNode(index);
    random_.seed(static_cast<std::uint32_t>(scene_.clock->millisecondsOfDay()));
    target_.pushMatrix();

    node.Age = organAge(t, node.BirthTime, node.EndTime);
    const NodeSizes sizes = sizesFor(node);

    drawOrganSegment(node, sizes);

    const double nodeDiameter = parameters.nodeDiameter;
    const bool drawsLeaf = node.HasLeaf != 0;
    const bool drawsFlower = node.HasFlower != 0 && !drawsLeaf;
    if (drawsLeaf || drawsFlower) {
        // The orientation turn stays in the node's frame, so the children inherit it.
        if (node.AngleZ < 0.0f) {
            target_.rotate(135.0f, 1.0f, 0.0f, 0.0f);
            target_.rotate(-90.0f, 0.0f, 1.0f, 0.0f);
            target_.rotate(135.0f, 0.0f, 0.0f, 1.0f);
        }
        if (node.AngleZ > 0.0f) {
            target_.rotate(-60.0f, 1.0f, 0.0f, 0.0f);
            target_.rotate(90.0f, 0.0f, 1.0f, 0.0f);
            target_.rotate(60.0f, 0.0f, 0.0f, 1.0f);
        }
        if (node.AngleX > 0.0f) {
            target_.rotate(180.0f, 0.0f, 1.0f, 0.0f);
        }
    }
    if (drawsLeaf) {
        double offset = 0.0;
        switch (node.Kind) {
        case 'A':
        case 'I':
            offset = 0.095 * nodeDiameter * sizes.internode * sizes.internodeDiameterReduce;
            break;
        case 'i':
            offset = 0.095 * parameters.shortInternodeDiameter * nodeDiameter * sizes.internode *
                     sizes.internodeDiameterReduce;
            break;
        case 'P':
            offset = 0.095 * nodeDiameter * sizes.petiole * sizes.petioleDiameterReduce;
            break;
        case 'p':
            offset = 0.095 * parameters.shortPetioleDiameter * nodeDiameter * sizes.petiole *
                     sizes.petioleDiameterReduce;
            break;
        default:
            break;
        }
        target_.translate(0.0f, f32(offset), 0.0f);
        WindTurn wind;
        wind.x = random_.uniformInt(parameters.wind);
        wind.y = random_.uniformInt(parameters.wind);
        wind.z = random_.uniformInt(parameters.wind);
        target_.drawLeaf(1.7 * sizes.leafWidth * sizes.leafReduce,
                         sizes.leafLength * sizes.leafReduce,
                         1.5 * sizes.leafWidth * sizes.leafReduce, wind);
    } else if (drawsFlower) {
        target_.drawFlower(1.7 * sizes.flower * sizes.flowerReduce,
                           sizes.flower * sizes.flowerReduce,
                           1.5 * sizes.flower * sizes.flowerReduce);
    }

    const double bend = 0.02 * node.Age;
    double backOff = 0.0;
    if (isPetioleKind(node.Kind)) {
        backOff = -0.075 * sizes.petiole;
    } else if (node.Kind == 'I' || node.Kind == 'i') {
        backOff = -0.075 * sizes.internode;
    } else if (node.Kind == 'A') {
        backOff = -0.075 * sizes.apex;
    }
    for (int child = node.FirstChild; child != 0;
         child = plant.Nodes[static_cast<std::size_t>(child)].NextSibling) {
        const PlantNode& childNode = plant.Nodes[static_cast<std::size_t>(child)];
        target_.pushMatrix();
        if (isOrgan(node.Kind)) {
            target_.translate(0.0f, f32(backOff), 0.0f);
        }
        if (isStemKind(childNode.Kind) || isPetioleKind(childNode.Kind)) {
            double turnZ = 0.0;
            if (isStemKind(childNode.Kind)) {
                const double side = childNode.AngleZ > 0.0f ? 1.0 : -1.0;
                turnZ = side * bend + childNode.AngleZ;
            } else if (childNode.AngleZ > 0.0f) {
                turnZ = childNode.AngleZ + bend - parameters.petioleBitAngle;
            } else {
                turnZ = childNode.AngleZ - bend + parameters.petioleBitAngle;
            }
            target_.rotate(f32(turnZ), 0.0f, 0.0f, 1.0f);
            target_.rotate(childNode.AngleY, 0.0f, 1.0f, 0.0f);
            target_.rotate(childNode.AngleX, 1.0f, 0.0f, 0.0f);
        }
        drawNode(child, t);
        target_.popMatrix();
    }
    target_.popMatrix();
}

NodeSizes NodeWalk::sizesOf(const PlantNode& node) const {
    const PlantParameters& parameters = *scene_.parameters;
    const GrowthCurves& curves = *scene_.curves;
    const double level = node.Level;
    NodeSizes sizes;
    sizes.internodeLengthReduce = std::pow(parameters.internodeLengthReduce, level);
    sizes.petioleLengthReduce = std::pow(parameters.petioleLengthReduce, level);
    sizes.internodeDiameterReduce = std::pow(parameters.internodeDiameterReduce, level);
    sizes.petioleDiameterReduce = std::pow(parameters.petioleDiameterReduce, level);
    sizes.leafReduce = std::pow(parameters.leafReduce, level);
    sizes.flowerReduce = std::pow(parameters.flowerReduce, level);
    sizes.internode = growthSize(curves.getCurve(GrowthOrgan::Internode), node.Age);
    sizes.flower = growthSize(curves.getCurve(GrowthOrgan::Flower), node.Age);
    sizes.petiole = growthSize(curves.getCurve(GrowthOrgan::Petiole), node.Age);
    sizes.leafLength = growthSize(curves.getCurve(GrowthOrgan::LeafLength), node.Age);
    sizes.leafWidth = growthSize(curves.getCurve(GrowthOrgan::LeafWidth), node.Age);
    sizes.apex = growthSize(curves.getCurve(GrowthOrgan::Apex), node.Age);
    return sizes;
}

NodeSizes NodeWalk::sizesFor(const PlantNode& node) {
    if (node.Level < 0 || node.Level >= CachedLevels) {
        return sizesOf(node);
    }
    LevelSizes& cached = levelSizes_[static_cast<std::size_t>(node.Level)];
    if (!cached.known || cached.age != node.Age) {
        cached.sizes = sizesOf(node);
        cached.age = node.Age;
        cached.known = true;
    }
    return cached.sizes;
}

void NodeWalk::drawOrganSegment(const PlantNode& node, const NodeSizes& sizes) {
    const PlantParameters& parameters = *scene_.parameters;
    const double nodeLength = parameters.internodeLength;
    const double petioleLength = parameters.petioleLength;
    const double nodeDiameter = parameters.nodeDiameter;
    const double maxLevel = scene_.plant->MaxLevel;
    // A level below 1 cannot come from generation; it is read as 1 rather than dividing by 0.
    const double level = std::max(node.Level, 1);
    double length = 0.0;
    double radius = 0.0;
    switch (node.Kind) {
    case 'A':
    case 'I':
        length = sizes.internodeLengthReduce * nodeLength * sizes.internode * maxLevel / level;
        radius = 0.1 * nodeDiameter * sizes.internode * sizes.internodeDiameterReduce;
        break;
    case 'i':
        length = parameters.shortInternodeRatio * nodeLength * sizes.internode * maxLevel / level;
        radius = 0.1 * parameters.shortInternodeDiameter * nodeDiameter * sizes.internode *
                 sizes.internodeDiameterReduce;
        break;
    case 'P':
        length = sizes.petioleLengthReduce * petioleLength * sizes.petiole * maxLevel / level;
        radius = 0.1 * nodeDiameter * sizes.petiole * sizes.petioleDiameterReduce;
        break;
    case 'p':
        length = parameters.shortPetioleRatio * petioleLength * sizes.petiole * maxLevel / level;
        radius = 0.1 * parameters.shortPetioleDiameter * nodeDiameter * sizes.petiole *
                 sizes.petioleDiameterReduce;
        break;
    default:
        return;
    }
    target_.translate(0.0f, f32(length), 0.0f);
    if (isStemKind(node.Kind)) {
        target_.drawInternode(length, radius);
    } else {
        target_.drawPetiole(length, radius);
    }
}

} // namespace

std::int32_t prepareNodes(PlantState& plant, const PlantParameters& parameters) {
    const int count = usedNodeCount(plant);
    const auto totalTime = static_cast<std::int32_t>(
        roundHalfEven(plant.MainStemCount * parameters.nodeBirthRate) + plant.NodeCount + 50);
    for (int k = 1; k <= count; ++k) {
        PlantNode& node = plant.Nodes[static_cast<std::size_t>(k)];
        if (isOrgan(node.Kind)) {
            node.BirthTime = node.Level * parameters.nodeBirthRate + 3.0;
            node.EndTime = totalTime;
            node.Age = 0.0;
        }
        node.ChildCount = 0;
        node.FirstChild = 0;
        node.NextSibling = 0;
    }
    // Walking downwards and putting each node in front of its parent's list leaves every list
    // in increasing index.
    for (int k = count; k >= 2; --k) {
        PlantNode& node = plant.Nodes[static_cast<std::size_t>(k)];
        if (!hasDrawableParent(node, k)) {
            continue;
        }
        PlantNode& parent = plant.Nodes[static_cast<std::size_t>(node.Parent)];
        node.NextSibling = parent.FirstChild;
        parent.FirstChild = k;
        ++parent.ChildCount;
    }
    return totalTime;
}

std::int32_t drawPlant(const PlantScene& scene, DrawingTarget& target, double t) {
    PlantState& plant = *scene.plant;
    target.pushMatrix();
    target.scale(scene.plantScale, scene.plantScale, scene.plantScale);
    target.translate(0.0f, -5.0f, 0.0f);
    const std::int32_t totalTime = prepareNodes(plant, *scene.parameters);
    NodeWalk walk(scene, target);
    const int count = usedNodeCount(plant);
    for (int k = 1; k <= count; ++k) {
        if (!hasDrawableParent(plant.Nodes[static_cast<std::size_t>(k)], k)) {
            walk.drawNode(k, t);
        }
    }
    target.popMatrix();
    return totalTime;
}

} // namespace burgeon
