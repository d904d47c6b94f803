#pragma once

#include <array>

namespace burgeon {

// One logistic curve: Bottom + (Top - Bottom) / (1 + e^(Slope (Tmid - t))).
struct GrowthFunction {
    double bottom = 0.0;
    double top = 0.0;
    double slope = 0.0;
    double tmid = 0.0;
    friend bool operator==(const GrowthFunction&, const GrowthFunction&) = default;
};

// The curve index; All (6) addresses the six curves at once.
enum class GrowthOrgan { Internode = 0, Petiole, LeafLength, LeafWidth, Apex, Flower, All };

constexpr int GrowthOrganCount = 6;

// The value a plot shows at time t.
double logisticValue(const GrowthFunction& curve, double t);

// The size factor of an organ of that age: one fifth of the curve's rise above Bottom.
double growthSize(const GrowthFunction& curve, double age);

// The age at which the renderer evaluates an organ drawn at time t.
double organAge(double t, double birthTime, double endTime);

// The six curves, all zero at start: organs are drawn at size zero until a curve is set.
class GrowthCurves {
public:
    void setCurve(GrowthOrgan organ, double bottom, double top, double slope, double tmid);
    const GrowthFunction& getCurve(GrowthOrgan organ) const;

private:
    std::array<GrowthFunction, GrowthOrganCount> curves_{};
};

} // namespace burgeon
