#include "ui/PageViews.h"

#include "ui/WidgetKit.h"

#include <QFormLayout>
#include <QScrollArea>

namespace burgeon {

QWidget* buildParameterPage(Desktop& desktop, const HintWatcher& watchHint) {
    ParameterPage& page = desktop.state.parameterPage;
    UserInterface& ui = desktop.ui;
    auto* scrollBox = new QScrollArea;
    scrollBox->setObjectName("parameterScrollBox");
    scrollBox->setWidgetResizable(true);
    watchHint(scrollBox, "parameterScrollBox");
    // The box's background is the content it scrolls: the hint follows the mouse there too.
    auto* content = new QWidget(scrollBox);
    watchHint(content, "parameterScrollBox");
    auto* layout = new QFormLayout(content);
    struct Row {
        const char* heading;
        const char* caption;
        const char* name;
        RangeControl* slider;
        int ticks;
    };
    const Row rows[] = {
        {nullptr, "Initial value of Petiole Angle", "petioleAngleSlider", &page.petioleAngleSlider,
         60},
        {nullptr, "Stem length", "stemLengthSlider", &page.stemLengthSlider, 10},
        {nullptr, "Node Diamter", "nodeDiameterSlider", &page.nodeDiameterSlider, 5},
        {nullptr, "Node Birth Rate", "nodeBirthRateSlider", &page.nodeBirthRateSlider, 5},
        {nullptr, "Petiole Length", "petioleLengthSlider", &page.petioleLengthSlider, 10},
        {nullptr, "Petiole BitAngle", "petioleBitAngleSlider", &page.petioleBitAngleSlider, 1000},
        {"Length Adjustment", "Internode Reduce", "internodeLengthReduceSlider",
         &page.internodeLengthReduceSlider, 20},
        {nullptr, "Petiole Reduce", "petioleLengthReduceSlider", &page.petioleLengthReduceSlider,
         20},
        {"Diameter Adjustment", "Internode Reduce", "internodeDiameterReduceSlider",
         &page.internodeDiameterReduceSlider, 2},
        {nullptr, "Petiole Reduce", "petioleDiameterReduceSlider",
         &page.petioleDiameterReduceSlider, 2},
        {nullptr, "Leaf Reduce", "leafReduceSlider", &page.leafReduceSlider, 2},
        {nullptr, "Flower Reduce", "flowerReduceSlider", &page.flowerReduceSlider, 2},
        {nullptr, "Short Internod Ratio", "shortInternodeRatioSlider",
         &page.shortInternodeRatioSlider, 5},
        {nullptr, "Short Internode Diameter", "shortInternodeDiameterSlider",
         &page.shortInternodeDiameterSlider, 5},
        {nullptr, "Short Petiole Ratio", "shortPetioleRatioSlider", &page.shortPetioleRatioSlider,
         5},
        {nullptr, "Short Petiole Diameter", "shortPetioleDiameterSlider",
         &page.shortPetioleDiameterSlider, 5},
        {nullptr, "Time Step", "timeStepSlider", &page.timeStepSlider, 5},
        {nullptr, "Wind", "windSlider", &page.windSlider, 1},
        {nullptr, "Leaf Arrangement", "leafArrangementSlider", &page.leafArrangementSlider, 2},
    };
    for (const Row& row : rows) {
        if (row.heading != nullptr) {
            auto* heading = label(row.heading, content);
            QFont bold = heading->font();
            bold.setBold(true);
            heading->setFont(bold);
            layout->addRow(heading);
        }
        layout->addRow(row.caption, slider(row.name, *row.slider, ui, row.ticks, content));
    }
    scrollBox->setWidget(content);
    return scrollBox;
}

} // namespace burgeon
