#include "pages/ParameterPage.h"

#include "base/NumberText.h"

#include <array>
#include <cassert>
#include <string>

namespace burgeon {

namespace {

// The sliders in the order of the parameter scales.
constexpr std::array<RangeControl ParameterPage::*, 18> ScaleSliders = {
    &ParameterPage::petioleAngleSlider,
    &ParameterPage::stemLengthSlider,
    &ParameterPage::nodeDiameterSlider,
    &ParameterPage::nodeBirthRateSlider,
    &ParameterPage::petioleLengthSlider,
    &ParameterPage::petioleBitAngleSlider,
    &ParameterPage::internodeLengthReduceSlider,
    &ParameterPage::petioleLengthReduceSlider,
    &ParameterPage::internodeDiameterReduceSlider,
    &ParameterPage::petioleDiameterReduceSlider,
    &ParameterPage::leafReduceSlider,
    &ParameterPage::flowerReduceSlider,
    &ParameterPage::shortInternodeRatioSlider,
    &ParameterPage::shortInternodeDiameterSlider,
    &ParameterPage::shortPetioleRatioSlider,
    &ParameterPage::shortPetioleDiameterSlider,
    &ParameterPage::timeStepSlider,
    &ParameterPage::windSlider,
};

} // namespace

RangeControl ParameterPage::sliderFor(std::string_view key) {
    const ParameterScale* scale = findParameterScale(key);
    assert(scale != nullptr);
    return RangeControl(scale->minimum, scale->maximum, scale->defaultPosition);
}

ParameterPage::ParameterPage(PlantParameters& parameters, UserInterface& ui)
    : parameters_(parameters), ui_(ui) {
    for (const ParameterScale& scale : parameterScales()) {
        RangeControl& control = slider(scale);
        control.onChange = [this, &control, &scale] {
            const double stored = storeFromPosition(scale, parameters_, control.position());
            if (!quiet_ && !scale.statusPrefix.empty()) {
                ui_.setStatusText(std::string(scale.statusPrefix) + formatGeneral(stored));
            }
        };
    }
    leafArrangementSlider.onChange = [this] { arrangeLeaves(); };
}

RangeControl& ParameterPage::slider(const ParameterScale& scale) {
    const auto index = static_cast<std::size_t>(&scale - parameterScales().data());
    return this->*ScaleSliders.at(index);
}

void ParameterPage::attachLeafArrangement(OrganPlacement& placement, RandomSource& random) {
    leafPlacement_ = &placement;
    leafRandom_ = &random;
}

void ParameterPage::deriveStoredParameters() {
    for (const ParameterScale& scale : parameterScales()) {
        storeFromPosition(scale, parameters_, slider(scale).position());
    }
}

void ParameterPage::showParameters() {
    const PlantParameters values = parameters_;
    quiet_ = true;
    for (const ParameterScale& scale : parameterScales()) {
        slider(scale).setPosition(sliderPosition(scale, scale.read(values)));
    }
    quiet_ = false;
    // A value between two positions stays as it was given.
    parameters_ = values;
}

void ParameterPage::arrangeLeaves() {
    if (leafPlacement_ == nullptr || leafRandom_ == nullptr) {
        return;
    }
    const int p = leafArrangementSlider.position();
    for (float* angle :
         {&leafPlacement_->leafAngleX, &leafPlacement_->leafAngleY, &leafPlacement_->leafAngleZ}) {
        const int a = leafRandom_->uniformInt(p);
        const int b = leafRandom_->uniformInt(p);
        *angle = static_cast<float>(*angle - (a - b) / 10.0);
    }
}

} // namespace burgeon
