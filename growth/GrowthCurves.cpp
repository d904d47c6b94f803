#include "growth/GrowthCurves.h"

#include <cmath>

namespace burgeon {

// An exponent beyond the double range gives the curve's limit; no trap and no message. The
// limit is taken explicitly, so that a rise too large for a double still gives its limit and
// not infinity over infinity.
double logisticValue(const GrowthFunction& curve, double t) {
    const double power = std::exp(curve.slope * (curve.tmid - t));
    if (std::isinf(power)) {
        return curve.bottom;
    }
    return curve.bottom + (curve.top - curve.bottom) / (1.0 + power);
}

double growthSize(const GrowthFunction& curve, double age) {
    const double power = std::exp(curve.slope * (curve.tmid - age));
    if (std::isinf(power)) {
        return 0.0;
    }
    return (curve.top - curve.bottom) * 6.0 / (1.0 + power) / 30.0;
}

double organAge(double t, double birthTime, double endTime) {
    if (t < birthTime) {
        return 0.0;
    }
    if (t < endTime) {
        return t - birthTime;
    }
    return endTime - birthTime;
}

void GrowthCurves::setCurve(GrowthOrgan organ, double bottom, double top, double slope,
                            double tmid) {
    const GrowthFunction curve{bottom, top, slope, tmid};
    if (organ == GrowthOrgan::All) {
        curves_.fill(curve);
    } else {
        curves_[static_cast<std::size_t>(organ)] = curve;
    }
}

const GrowthFunction& GrowthCurves::getCurve(GrowthOrgan organ) const {
    return curves_[static_cast<std::size_t>(organ)];
}

} // namespace burgeon
