#include "ui/PageViews.h"

#include "components/ShapePreview.h"
#include "ui/Bindings.h"
#include "ui/WidgetKit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <array>
#include <tuple>

namespace burgeon {

namespace {

// A group of three sliders under a caption, one for each axis.
QGroupBox* axisSliders(ControlModel& caption, std::array<RangeControl*, 3> sliders,
                       std::array<const char*, 3> names, int ticks, UserInterface& ui,
                       QWidget* parent) {
    const std::array<const char*, 3> axes = {"X-Axis", "Y-Axis", "Z-Axis"};
    auto* group = new QGroupBox(parent);
    auto* grid = new QGridLayout(group);
    grid->addWidget(captionLabel(caption, group), 0, 0, 1, 2);
    for (std::size_t i = 0; i < 3; ++i) {
        grid->addWidget(label(axes[i], group), static_cast<int>(i) + 1, 0);
        grid->addWidget(slider(names[i], *sliders[i], ui, ticks, group), static_cast<int>(i) + 1,
                        1);
    }
    return group;
}

} // namespace

QWidget* buildComponentPage(Desktop& desktop, const HintWatcher& watchHint) {
    ComponentPage& page = desktop.state.componentPage;
    UserInterface& ui = desktop.ui;
    QWidget* background = panel("componentBackground", watchHint);
    auto* layout = new QVBoxLayout(background);

    auto* files = new QHBoxLayout;
    files->addWidget(button(
        "openSurfaceButton", page.openSurfaceButton, ui, [&page] { page.openLibrary(); },
        background));
    files->addWidget(button(
        "newSurfaceButton", page.newSurfaceButton, ui, [&page] { page.startSurfaceDesigner(); },
        background));
    files->addStretch();
    layout->addLayout(files);
    auto* modes = new QHBoxLayout;
    modes->addWidget(radio(
        "leafSurfaceButton", page.leafSurfaceButton, ui, [&page] { page.chooseLeafSurface(); },
        background));
    modes->addWidget(radio(
        "flowerSurfaceButton", page.flowerSurfaceButton, ui,
        [&page] { page.chooseFlowerSurface(); }, background));
    modes->addStretch();
    layout->addLayout(modes);

    auto* form = new QGridLayout;
    form->addWidget(captionLabel(page.shapeTypeLabel, background), 0, 0);
    form->addWidget(choiceBox("shapeList", page.shapeList, ui, background), 0, 1, 1, 3);
    form->addWidget(captionLabel(page.sizeLabel, background), 1, 0);
    form->addWidget(arrowSpin("sizeDivisorBox", page.sizeDivisorBox, ui, background), 1, 1);
    form->addWidget(captionLabel(page.petalCountLabel, background), 1, 2);
    form->addWidget(spin("petalCountBox", page.petalCountBox, ui, background), 1, 3);
    form->setColumnStretch(1, 1);
    form->setColumnStretch(3, 1);
    layout->addLayout(form);

    // Scale and angle side by side: each group's sliders are half the page wide.
    auto* sliders = new QHBoxLayout;
    sliders->addWidget(
        axisSliders(page.scaleLabel, {&page.scaleXSlider, &page.scaleYSlider, &page.scaleZSlider},
                    {"scaleXSlider", "scaleYSlider", "scaleZSlider"}, 10, ui, background));
    sliders->addWidget(
        axisSliders(page.angleLabel, {&page.angleXSlider, &page.angleYSlider, &page.angleZSlider},
                    {"angleXSlider", "angleYSlider", "angleZSlider"}, 15, ui, background));
    layout->addLayout(sliders);

    auto* previews = new QGridLayout;
    const std::array<std::tuple<ShapePreviewImage*, const char*, const char*>, 2> images = {
        {{&page.leafPreview, "leafPreview", "Leaf Shape"},
         {&page.flowerPreview, "flowerPreview", "Flower Shape"}}};
    int column = 0;
    for (const auto& [preview, name, caption] : images) {
        previews->addWidget(label(caption, background), 0, column);
        auto* image = picture(name, ShapePreviewWidth, ShapePreviewHeight, background);
        bindImage(image, preview->picture, preview->views);
        previews->addWidget(image, 1, column);
        ++column;
    }
    previews->setColumnStretch(2, 1);
    layout->addLayout(previews);
    layout->addStretch();
    return background;
}

} // namespace burgeon
