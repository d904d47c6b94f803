#include "project/PlantGrowth.h"

#include "growth/GrowthFit.h"

namespace burgeon {

void commitFittedCurve(PlantGrowth& growth, GrowthOrgan organ, const GrowthFunction& fitted,
                       const std::string& dataText) {
    const GrowthFunction shown = curveAsShown(fitted);
    growth.curves.setCurve(organ, shown.bottom, shown.top, shown.slope, shown.tmid);
    growth.fittedOrgan = organ;
    for (int index = 0; index < GrowthOrganCount; ++index) {
        if (organ == GrowthOrgan::All || organ == static_cast<GrowthOrgan>(index)) {
            growth.data[static_cast<std::size_t>(index)] = dataText;
        }
    }
}

} // namespace burgeon
