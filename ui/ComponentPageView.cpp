#include "ui/PageViews.h"

#include "ui/Bindings.h"
#include "ui/WidgetKit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include <array>

namespace burgeon {

QWidget* buildComponentPage(Desktop& desktop, const HintWatcher& watchHint) {
    ComponentPage& page = desktop.state.componentPage;
    UserInterface& ui = desktop.ui;
    QWidget* background = panel("componentBackground", watchHint);
    auto* layout = new QVBoxLayout(background);

    auto* top = new QHBoxLayout;
    top->addWidget(button(
        "openSurfaceButton", page.openSurfaceButton, ui, [&page] { page.openLibrary(); },
        background));
    top->addWidget(button(
        "newSurfaceButton", page.newSurfaceButton, ui, [&page] { page.startSurfaceDesigner(); },
        background));
    top->addWidget(radio(
        "leafSurfaceButton", page.leafSurfaceButton, ui, [&page] { page.chooseLeafSurface(); },
        background));
    top->addWidget(radio(
        "flowerSurfaceButton", page.flowerSurfaceButton, ui,
        [&page] { page.chooseFlowerSurface(); }, background));
    layout->addLayout(top);

    auto* form = new QGridLayout;
    form->addWidget(captionLabel(page.shapeTypeLabel, background), 0, 0);
    auto* shapes = new QComboBox(background);
    shapes->setObjectName("shapeList");
    shapes->setEditable(true);
    bindChoice(shapes, page.shapeList, ui);
    form->addWidget(shapes, 0, 1, 1, 3);
    form->addWidget(captionLabel(page.sizeLabel, background), 1, 0);
    auto* divisor = spin("sizeDivisorBox", page.sizeDivisorBox, ui, background);
    divisor->findChild<QLineEdit*>()->setReadOnly(true); // arrows only
    form->addWidget(divisor, 1, 1);
    form->addWidget(captionLabel(page.petalCountLabel, background), 1, 2);
    form->addWidget(spin("petalCountBox", page.petalCountBox, ui, background), 1, 3);
    layout->addLayout(form);

    const std::array<const char*, 3> axes = {"X-Axis", "Y-Axis", "Z-Axis"};
    auto addSliders = [&](ControlModel& caption, std::array<RangeControl*, 3> sliders,
                          std::array<const char*, 3> names, int ticks) {
        auto* group = new QGroupBox(background);
        auto* grid = new QGridLayout(group);
        grid->addWidget(captionLabel(caption, group), 0, 0, 1, 2);
        for (std::size_t i = 0; i < 3; ++i) {
            grid->addWidget(label(axes[i], group), static_cast<int>(i) + 1, 0);
            grid->addWidget(slider(names[i], *sliders[i], ui, ticks, group),
                            static_cast<int>(i) + 1, 1);
        }
        layout->addWidget(group);
    };
    addSliders(page.scaleLabel, {&page.scaleXSlider, &page.scaleYSlider, &page.scaleZSlider},
               {"scaleXSlider", "scaleYSlider", "scaleZSlider"}, 10);
    addSliders(page.angleLabel, {&page.angleXSlider, &page.angleYSlider, &page.angleZSlider},
               {"angleXSlider", "angleYSlider", "angleZSlider"}, 15);

    auto* previews = new QHBoxLayout;
    for (auto* preview : {&page.leafPreview, &page.flowerPreview}) {
        auto* image =
            picture(preview == &page.leafPreview ? "leafPreview" : "flowerPreview", background);
        bindImage(image, preview->picture, preview->views);
        previews->addWidget(image);
    }
    layout->addLayout(previews);
    layout->addStretch();
    return background;
}

} // namespace burgeon
