#include "controls/ParameterPage.h"

#include "base/NumberText.h"

#include <array>
#include <span>
#include <string>

namespace burgeon {

// One storing slider: its divisor, its status prefix and how its value lands in its field
// (narrowed to the field's width). store() returns the value as stored.
struct ParameterPage::StoredSlider {
    RangeControl ParameterPage::*slider;
    double divisor;
    const char* prefix;
    double (*store)(PlantParameters&, double);
};

namespace {

template <float PlantParameters::*Field> double storeFloat(PlantParameters& p, double value) {
    p.*Field = static_cast<float>(value);
    return p.*Field;
}

template <double PlantParameters::*Field> double storeDouble(PlantParameters& p, double value) {
    p.*Field = value;
    return p.*Field;
}

struct ReductionSlider {
    RangeControl ParameterPage::*slider;
    const char* prefix;
};

} // namespace

ParameterPage::ParameterPage(PlantParameters& parameters, UserInterface& ui)
    : parameters_(parameters), ui_(ui) {
    wireStoredSliders();
    wireReductionSliders();
    leafArrangementSlider.onChange = [this] { arrangeLeaves(); };
}

void ParameterPage::attachLeafArrangement(OrganPlacement& placement, RandomSource& random) {
    leafPlacement_ = &placement;
    leafRandom_ = &random;
}

void ParameterPage::wireStoredSliders() {
    for (const StoredSlider& entry : storedSliders()) {
        RangeControl& slider = this->*entry.slider;
        slider.onChange = [this, &slider, &entry] {
            const double stored = entry.store(parameters_, slider.position() / entry.divisor);
            ui_.setStatusText(entry.prefix + formatGeneral(stored));
        };
    }
}

void ParameterPage::wireReductionSliders() {
    // The length reductions store nothing either; they show their factor like the diameter
    // reductions do.
    static const std::array<ReductionSlider, 6> reductions{{
        {&ParameterPage::internodeLengthReduceSlider, "InterNode Length Reduce = "},
        {&ParameterPage::petioleLengthReduceSlider, "Petiole Length Reduce = "},
        {&ParameterPage::internodeDiameterReduceSlider, "InterNode Reduce = "},
        {&ParameterPage::petioleDiameterReduceSlider, "Petiole Reduce = "},
        {&ParameterPage::leafReduceSlider, "Leaf Reduce = "},
        {&ParameterPage::flowerReduceSlider, "Flower Reduce = "},
    }};
    for (const ReductionSlider& entry : reductions) {
        RangeControl& slider = this->*entry.slider;
        slider.onChange = [this, &slider, &entry] {
            ui_.setStatusText(entry.prefix + formatGeneral(slider.position() / 100.0));
        };
    }
}

void ParameterPage::deriveStoredParameters() {
    for (const StoredSlider& entry : storedSliders()) {
        entry.store(parameters_, (this->*entry.slider).position() / entry.divisor);
    }
}

SliderHeldParameters ParameterPage::sliderHeld() const {
    SliderHeldParameters held;
    held.InternodeLengthReduce = InternodeLengthReduce();
    held.PetioleLengthReduce = PetioleLengthReduce();
    held.InternodeDiameterReduce = InternodeDiameterReduce();
    held.PetioleDiameterReduce = PetioleDiameterReduce();
    held.LeafReduce = LeafReduce();
    held.FlowerReduce = FlowerReduce();
    held.Wind = Wind();
    return held;
}

void ParameterPage::arrangeLeaves() {
    if (leafPlacement_ == nullptr || leafRandom_ == nullptr) {
        return;
    }
    const int p = leafArrangementSlider.position();
    for (float* angle :
         {&leafPlacement_->LeafAngleX, &leafPlacement_->LeafAngleY, &leafPlacement_->LeafAngleZ}) {
        const int a = leafRandom_->uniformInt(p);
        const int b = leafRandom_->uniformInt(p);
        *angle = static_cast<float>(*angle - (a - b) / 10.0);
    }
}

std::span<const ParameterPage::StoredSlider> ParameterPage::storedSliders() {
    using P = PlantParameters;
    using Page = ParameterPage;
    static const std::array<Page::StoredSlider, 11> table{{
        {&Page::petioleAngleSlider, 10.0, "Petiole Angle = ", storeFloat<&P::TurnStep>},
        {&Page::stemLengthSlider, 100.0, "Node Length = ", storeDouble<&P::NodeLength>},
        {&Page::nodeDiameterSlider, 10.0, "Node Diamter = ", storeDouble<&P::NodeDiameter>},
        {&Page::nodeBirthRateSlider, 10.0, "Node Birth Rate = ", storeDouble<&P::NodeBirthRate>},
        {&Page::petioleLengthSlider, 100.0, "Petiole Length = ", storeDouble<&P::PetioleLength>},
        {&Page::petioleBitAngleSlider, 100.0,
         "Petiole BitAngle = ", storeFloat<&P::PetioleBitAngle>},
        {&Page::shortInternodeRatioSlider, 100.0,
         "Short Internode Ratio = ", storeDouble<&P::ShortInternodeRatio>},
        {&Page::shortInternodeDiameterSlider, 100.0,
         "Short Internode Diameter = ", storeDouble<&P::ShortInternodeDiameter>},
        {&Page::shortPetioleRatioSlider, 100.0,
         "Short Petiole Ratio = ", storeDouble<&P::ShortPetioleRatio>},
        {&Page::shortPetioleDiameterSlider, 100.0,
         "Short Petiole Diameter = ", storeDouble<&P::ShortPetioleDiameter>},
        {&Page::timeStepSlider, 100.0, "Time Step Zize = ", storeDouble<&P::TimeStep>},
    }};
    return table;
}

} // namespace burgeon
