#include "drawing/PlantWalk.h"

#include "base/Clock.h"
#include "base/NumberText.h"
#include "project/PlantProject.h"

#include <algorithm>
#include <cmath>

namespace burgeon {

namespace {

// The plant stands on the ground square: its base lies 5 units below the scene origin before
// the plant scale (at the start-up scale of 0.5, on the land at -2.5).
constexpr float PlantBaseDrop = 5.0f;

// The organs of level L are born at L x NodeBirthRate + 3; all of them stop growing at
// TotalTime = Round(mainStemCount x NodeBirthRate) + nodeCount + 50.
constexpr double FirstBirthTime = 3.0;
constexpr int GrowthEndMargin = 50;

// A segment's radius is a tenth of its diameter; a leaf sits at 0.095 of it, just inside the
// segment's surface, so no gap shows between them.
constexpr double SegmentRadiusFactor = 0.1;
constexpr double LeafOffsetFactor = 0.095;

// A leaf's depth and width are 1.7 and 1.5 times its width growth; a flower's are 1.7 and 1.5
// times its one growth size.
constexpr double SurfaceDepthFactor = 1.7;
constexpr double SurfaceWidthFactor = 1.5;

// Children start a little below their parent's upper end, so the joint lies inside the
// parent's cap: 0.075 of the parent's growth size.
constexpr double ChildBackOff = 0.075;
// Branches open with the parent's age: degrees per time unit.
constexpr double BendPerAge = 0.02;

// The turn that puts a leaf or flower the right way round on its node, about X, then Y, then
// Z, in degrees: one for a node turned clockwise about Z (angleZ < 0), one for a node turned
// anticlockwise (angleZ > 0), and half a turn about Y for a node turned forward about X.
struct OrientationTurn {
    float aboutX;
    float aboutY;
    float aboutZ;
};
constexpr OrientationTurn ClockwiseNodeTurn{135.0f, -90.0f, 135.0f};
constexpr OrientationTurn AnticlockwiseNodeTurn{-60.0f, 90.0f, 60.0f};
constexpr float ForwardNodeHalfTurn = 180.0f;

bool isStem(OrganKind kind) {
    return kind == OrganKind::Apex || kind == OrganKind::Internode ||
           kind == OrganKind::ShortInternode;
}

bool isPetiole(OrganKind kind) {
    return kind == OrganKind::Petiole || kind == OrganKind::ShortPetiole;
}

bool isOrgan(OrganKind kind) {
    return isStem(kind) || isPetiole(kind);
}

int usedNodeCount(const PlantState& plant) {
    const int capacity = static_cast<int>(plant.nodes.size()) - 1;
    return std::clamp(plant.nodeCount, 0, std::max(capacity, 0));
}

// A node hangs below its parent only when the parent is an earlier node; anything else is a
// root, which also keeps a damaged table from looping.
bool hasDrawableParent(const PlantNode& node, int index) {
    return node.parent >= 1 && node.parent < index;
}

float f32(double value) {
    return static_cast<float>(value);
}

std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

void applyTurn(DrawingTarget& target, const OrientationTurn& turn) {
    target.rotate(turn.aboutX, 1.0f, 0.0f, 0.0f);
    target.rotate(turn.aboutY, 0.0f, 1.0f, 0.0f);
    target.rotate(turn.aboutZ, 0.0f, 0.0f, 1.0f);
}

} // namespace

PlantWalk::PlantWalk(const PlantProject& project, Clock& clock)
    : project_(project), clock_(clock), firstChild_(project.plant.nodes.size(), 0),
      nextSibling_(project.plant.nodes.size(), 0) {}

std::int32_t PlantWalk::draw(DrawingTarget& target, double t) {
    const PlantState& plant = project_.plant;
    const float scale = project_.view.plantScale;
    target_ = &target;
    time_ = t;
    target.pushMatrix();
    target.scale(scale, scale, scale);
    target.translate(0.0f, -PlantBaseDrop, 0.0f);
    prepareFrame();
    const int count = usedNodeCount(plant);
    for (int k = 1; k <= count; ++k) {
        if (!hasDrawableParent(plant.nodes[at(k)], k)) {
            drawNode(k);
        }
    }
    target.popMatrix();
    target_ = nullptr;
    return totalTime_;
}

void PlantWalk::prepareFrame() {
    const PlantState& plant = project_.plant;
    totalTime_ = static_cast<std::int32_t>(
        roundHalfEven(plant.mainStemCount * project_.parameters.nodeBirthRate) + plant.nodeCount +
        GrowthEndMargin);
    for (LevelSizes& level : levelSizes_) {
        level.known = false;
    }
    const int count = usedNodeCount(plant);
    const std::size_t used = at(count) + 1;
    // Sized with the node table; it only grows when the table does.
    if (firstChild_.size() < used) {
        firstChild_.resize(std::max(used, plant.nodes.size()));
        nextSibling_.resize(firstChild_.size());
    }
    std::fill_n(firstChild_.begin(), used, 0);
    std::fill_n(nextSibling_.begin(), used, 0);
    // Walking downwards and putting each node in front of its parent's list leaves every list
    // in increasing index.
    for (int k = count; k >= 2; --k) {
        const PlantNode& node = plant.nodes[at(k)];
        if (hasDrawableParent(node, k)) {
            nextSibling_[at(k)] = firstChild_[at(node.parent)];
            firstChild_[at(node.parent)] = k;
        }
    }
}

void PlantWalk::drawNode(int index) {
    const PlantState& plant = project_.plant;
    const PlantNode& node = plant.nodes[at(index)];
    const double birthTime = birthTimeOf(node);
    const double age = isOrgan(node.kind) ? organAge(time_, birthTime, totalTime_) : 0.0;
    target_->enterNode({index, node.kind, node.level, age, birthTime});
    random_.seed(static_cast<std::uint32_t>(clock_.millisecondsOfDay()));
    target_->pushMatrix();

    const NodeSizes sizes = sizesFor(node, age);
    drawSegment(node, sizes);
    drawLeafOrFlower(node, sizes);

    double backOff = 0.0;
    if (isPetiole(node.kind)) {
        backOff = -ChildBackOff * sizes.petiole;
    } else if (node.kind == OrganKind::Internode || node.kind == OrganKind::ShortInternode) {
        backOff = -ChildBackOff * sizes.internode;
    } else if (node.kind == OrganKind::Apex) {
        backOff = -ChildBackOff * sizes.apex;
    }
    const double bend = BendPerAge * age;
    for (int child = firstChild_[at(index)]; child != 0; child = nextSibling_[at(child)]) {
        target_->pushMatrix();
        if (isOrgan(node.kind)) {
            target_->translate(0.0f, f32(backOff), 0.0f);
        }
        turnTowardsChild(plant.nodes[at(child)], bend);
        drawNode(child);
        target_->popMatrix();
    }
    target_->popMatrix();
}

// A node of no organ kind has no birth time: it stays at age 0.
double PlantWalk::birthTimeOf(const PlantNode& node) const {
    if (!isOrgan(node.kind)) {
        return 0.0;
    }
    return node.level * project_.parameters.nodeBirthRate + FirstBirthTime;
}

PlantWalk::NodeSizes PlantWalk::sizesOf(const PlantNode& node, double age) const {
    const PlantParameters& parameters = project_.parameters;
    const GrowthCurves& curves = project_.growth.curves;
    const double level = node.level;
    NodeSizes sizes;
    sizes.internodeLengthReduce = std::pow(parameters.internodeLengthReduce, level);
    sizes.petioleLengthReduce = std::pow(parameters.petioleLengthReduce, level);
    sizes.internodeDiameterReduce = std::pow(parameters.internodeDiameterReduce, level);
    sizes.petioleDiameterReduce = std::pow(parameters.petioleDiameterReduce, level);
    sizes.leafReduce = std::pow(parameters.leafReduce, level);
    sizes.flowerReduce = std::pow(parameters.flowerReduce, level);
    sizes.internode = growthSize(curves.getCurve(GrowthOrgan::Internode), age);
    sizes.flower = growthSize(curves.getCurve(GrowthOrgan::Flower), age);
    sizes.petiole = growthSize(curves.getCurve(GrowthOrgan::Petiole), age);
    sizes.leafLength = growthSize(curves.getCurve(GrowthOrgan::LeafLength), age);
    sizes.leafWidth = growthSize(curves.getCurve(GrowthOrgan::LeafWidth), age);
    sizes.apex = growthSize(curves.getCurve(GrowthOrgan::Apex), age);
    return sizes;
}

PlantWalk::NodeSizes PlantWalk::sizesFor(const PlantNode& node, double age) {
    if (node.level < 0 || node.level >= CachedLevels) {
        return sizesOf(node, age);
    }
    LevelSizes& cached = levelSizes_[at(node.level)];
    if (!cached.known || cached.age != age) {
        cached.sizes = sizesOf(node, age);
        cached.age = age;
        cached.known = true;
    }
    return cached.sizes;
}

// A level below 1 cannot come from generation; it is read as 1 rather than dividing by 0.
double PlantWalk::segmentLength(const PlantNode& node, const NodeSizes& sizes) const {
    const PlantParameters& parameters = project_.parameters;
    const double nodeLength = parameters.internodeLength;
    const double petioleLength = parameters.petioleLength;
    const double maxLevel = project_.plant.maxLevel;
    const double level = std::max(node.level, 1);
    switch (node.kind) {
    case OrganKind::Apex:
    case OrganKind::Internode:
        return sizes.internodeLengthReduce * nodeLength * sizes.internode * maxLevel / level;
    case OrganKind::ShortInternode:
        return parameters.shortInternodeRatio * nodeLength * sizes.internode * maxLevel / level;
    case OrganKind::Petiole:
        return sizes.petioleLengthReduce * petioleLength * sizes.petiole * maxLevel / level;
    case OrganKind::ShortPetiole:
        return parameters.shortPetioleRatio * petioleLength * sizes.petiole * maxLevel / level;
    }
    return 0.0;
}

// A share of the segment's grown diameter: the radius and the leaf offset.
double PlantWalk::diameterShare(double share, const PlantNode& node, const NodeSizes& sizes) const {
    const PlantParameters& parameters = project_.parameters;
    const double nodeDiameter = parameters.nodeDiameter;
    switch (node.kind) {
    case OrganKind::Apex:
    case OrganKind::Internode:
        return share * nodeDiameter * sizes.internode * sizes.internodeDiameterReduce;
    case OrganKind::ShortInternode:
        return share * parameters.shortInternodeDiameter * nodeDiameter * sizes.internode *
               sizes.internodeDiameterReduce;
    case OrganKind::Petiole:
        return share * nodeDiameter * sizes.petiole * sizes.petioleDiameterReduce;
    case OrganKind::ShortPetiole:
        return share * parameters.shortPetioleDiameter * nodeDiameter * sizes.petiole *
               sizes.petioleDiameterReduce;
    }
    return 0.0;
}

// The segment runs from the node's new origin, its upper end, down to the previous one; the
// translation stays for the rest of the node.
void PlantWalk::drawSegment(const PlantNode& node, const NodeSizes& sizes) {
    if (!isOrgan(node.kind)) {
        return;
    }
    const double length = segmentLength(node, sizes);
    const double radius = diameterShare(SegmentRadiusFactor, node, sizes);
    target_->translate(0.0f, f32(length), 0.0f);
    if (isStem(node.kind)) {
        target_->drawInternode(length, radius);
    } else {
        target_->drawPetiole(length, radius);
    }
}

// A node with both a leaf and a flower draws only the leaf. The orientation turn and the leaf
// offset stay in the node's frame, so the children inherit them.
void PlantWalk::drawLeafOrFlower(const PlantNode& node, const NodeSizes& sizes) {
    const bool drawsLeaf = node.hasLeaf != 0;
    const bool drawsFlower = node.hasFlower != 0 && !drawsLeaf;
    if (!drawsLeaf && !drawsFlower) {
        return;
    }
    if (node.angleZ < 0.0f) {
        applyTurn(*target_, ClockwiseNodeTurn);
    }
    if (node.angleZ > 0.0f) {
        applyTurn(*target_, AnticlockwiseNodeTurn);
    }
    if (node.angleX > 0.0f) {
        target_->rotate(ForwardNodeHalfTurn, 0.0f, 1.0f, 0.0f);
    }
    if (drawsLeaf) {
        target_->translate(0.0f, f32(diameterShare(LeafOffsetFactor, node, sizes)), 0.0f);
        const int wind = project_.parameters.wind;
        WindTurn turn;
        turn.x = random_.uniformInt(wind);
        turn.y = random_.uniformInt(wind);
        turn.z = random_.uniformInt(wind);
        target_->drawLeaf(SurfaceDepthFactor * sizes.leafWidth * sizes.leafReduce,
                          sizes.leafLength * sizes.leafReduce,
                          SurfaceWidthFactor * sizes.leafWidth * sizes.leafReduce, turn);
    } else {
        target_->drawFlower(SurfaceDepthFactor * sizes.flower * sizes.flowerReduce,
                            sizes.flower * sizes.flowerReduce,
                            SurfaceWidthFactor * sizes.flower * sizes.flowerReduce);
    }
}

// A stem or petiole turns by its own angle about Z, opened further by the bend on the side it
// leans to; a petiole's turn is closed a little by the petiole angle. Then both turn about Y
// and X.
void PlantWalk::turnTowardsChild(const PlantNode& child, double bend) {
    if (!isOrgan(child.kind)) {
        return;
    }
    double turnZ = 0.0;
    if (isStem(child.kind)) {
        const double side = child.angleZ > 0.0f ? 1.0 : -1.0;
        turnZ = side * bend + child.angleZ;
    } else if (child.angleZ > 0.0f) {
        turnZ = child.angleZ + bend - project_.parameters.petioleBitAngle;
    } else {
        turnZ = child.angleZ - bend + project_.parameters.petioleBitAngle;
    }
    target_->rotate(f32(turnZ), 0.0f, 0.0f, 1.0f);
    target_->rotate(child.angleY, 0.0f, 1.0f, 0.0f);
    target_->rotate(child.angleX, 1.0f, 0.0f, 0.0f);
}

} // namespace burgeon
