#include "mesh/MeshTarget.h"

#include "mesh/TransformMath.h"

#include <algorithm>
#include <initializer_list>
#include <optional>

namespace burgeon {

namespace {

// Organs placed between two progress reports.
constexpr std::size_t ProgressEvery = 256;

std::int64_t organKey(int node, RecordedShape shape) {
    return static_cast<std::int64_t>(node) * 8 + static_cast<std::int64_t>(shape);
}

std::optional<double> ratio(double drawn, double atFactorOne) {
    if (atFactorOne == 0.0) {
        return std::nullopt;
    }
    return drawn / atFactorOne;
}

// The factor of sizes that grow together: the first that has a size at factor 1 (a shape
// with no size even at factor 1 has none at any factor).
double firstFactor(std::initializer_list<std::optional<double>> factors) {
    for (const auto& factor : factors) {
        if (factor) {
            return *factor;
        }
    }
    return 0.0;
}

} // namespace

MeshTarget::MeshTarget(MeshLibrary& library, const std::vector<RecordedOrgan>& factorOne)
    : library_(library), factorOne_(factorOne) {
    for (std::size_t i = 0; i < factorOne_.size(); ++i) {
        factorOneIndex_.emplace(organKey(factorOne_[i].node, factorOne_[i].shape), i);
    }
    organs_.reserve(factorOne_.size() + 1);
}

void MeshTarget::clear() {
    recording_.clear();
    organs_.clear();
}

const RecordedOrgan& MeshTarget::factorOneOf(const RecordedOrgan& organ) const {
    const auto found = factorOneIndex_.find(organKey(organ.node, organ.shape));
    return found == factorOneIndex_.end() ? organ : factorOne_[found->second];
}

void MeshTarget::drawInternode(double length, double radius) {
    recording_.drawInternode(length, radius);
    placeLast();
}

void MeshTarget::drawPetiole(double length, double radius) {
    recording_.drawPetiole(length, radius);
    placeLast();
}

void MeshTarget::drawLeaf(double depth, double length, double width, const WindTurn& wind) {
    recording_.drawLeaf(depth, length, width, wind);
    placeLast();
}

void MeshTarget::drawFlower(double depth, double length, double width) {
    recording_.drawFlower(depth, length, width);
    placeLast();
}

void MeshTarget::drawLand() {
    recording_.drawLand();
    placeLast();
}

// Segment arguments are (length, radius), surface arguments (depth, length, width); the
// leaf's mesh axes are x width, y length, z depth.
void MeshTarget::placeLast() {
    const RecordedOrgan& drawn = recording_.organs().back();
    const RecordedOrgan& unit = factorOneOf(drawn);
    PlacedOrgan& placed = organs_.emplace_back();
    placed.node = {drawn.node, drawn.kind, drawn.level, drawn.age, drawn.birthTime};
    placed.shape = drawn.shape;
    placed.frame = drawn.matrix;
    switch (drawn.shape) {
    case RecordedShape::Internode:
    case RecordedShape::Petiole: {
        const MaterialRole role = drawn.shape == RecordedShape::Internode ? MaterialRole::Internode
                                                                          : MaterialRole::Petiole;
        placed.mesh = library_.segment(role, unit.a, unit.b);
        const double factor = firstFactor({ratio(drawn.a, unit.a), ratio(drawn.b, unit.b)});
        placed.growth = {factor, factor, factor};
        break;
    }
    case RecordedShape::Leaf: {
        const PlacedMesh mesh = library_.leaf(unit.a, unit.b, unit.c, drawn.wind);
        placed.mesh = mesh.mesh;
        placed.frame = multiplyMatrices(drawn.matrix, mesh.turn);
        const auto depth = ratio(drawn.a, unit.a);
        const auto width = ratio(drawn.c, unit.c);
        placed.growth = {firstFactor({width, depth}), firstFactor({ratio(drawn.b, unit.b)}),
                         firstFactor({depth, width})};
        break;
    }
    case RecordedShape::Flower: {
        const PlacedMesh mesh = library_.flower(unit.a, unit.b, unit.c);
        placed.mesh = mesh.mesh;
        placed.frame = multiplyMatrices(drawn.matrix, mesh.turn);
        const double factor =
            firstFactor({ratio(drawn.b, unit.b), ratio(drawn.a, unit.a), ratio(drawn.c, unit.c)});
        placed.growth = {factor, factor, factor};
        break;
    }
    case RecordedShape::Land:
        placed.mesh = library_.land();
        break;
    }
    if (progress_ && organs_.size() % ProgressEvery == 0 && !factorOne_.empty()) {
        progress_(
            static_cast<int>(std::min<std::size_t>(100, 100 * organs_.size() / factorOne_.size())));
    }
}

} // namespace burgeon
