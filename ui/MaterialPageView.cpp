#include "ui/PageViews.h"

#include "ui/Bindings.h"
#include "ui/WidgetKit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include <array>
#include <tuple>

namespace burgeon {

QWidget* buildMaterialPage(Desktop& desktop, const HintWatcher& watchHint) {
    MaterialPage& page = desktop.state.materialPage;
    UserInterface& ui = desktop.ui;
    QWidget* background = panel("materialBackground", watchHint);
    auto* layout = new QVBoxLayout(background);
    layout->addWidget(captionLabel(page.titleLabel, background));

    auto* mixer = new QGridLayout;
    auto* colour = new ColorSwatch(
        page.colorPanel, ui, [&page] { page.chooseColor(); }, background);
    colour->setObjectName("colorPanel");
    colour->setMinimumSize(80, 80);
    mixer->addWidget(colour, 0, 0, 3, 1);
    const std::array<std::tuple<const char*, RangeControl*, const char*, RangeControl*>, 3>
        channels = {{{"redBar", &page.redBar, "redBox", &page.redBox},
                     {"greenBar", &page.greenBar, "greenBox", &page.greenBox},
                     {"blueBar", &page.blueBar, "blueBox", &page.blueBox}}};
    int line = 0;
    for (const auto& [barName, bar, spinName, spinModel] : channels) {
        auto* scrollBar = new QScrollBar(Qt::Horizontal, background);
        scrollBar->setObjectName(barName);
        bindSlider(scrollBar, *bar, ui);
        mixer->addWidget(scrollBar, line, 1);
        mixer->addWidget(spin(spinName, *spinModel, ui, background), line, 2);
        ++line;
    }
    layout->addLayout(mixer);

    auto* slotGrid = new QGridLayout;
    const std::array<std::tuple<const char*, CheckControl*, ColorPanel*>, 8> rows = {
        {{"internodeSlotButton", &page.internodeSlotButton, &page.internodeSwatch},
         {"petioleSlotButton", &page.petioleSlotButton, &page.petioleSwatch},
         {"frontLeafSlotButton", &page.frontLeafSlotButton, &page.frontLeafSwatch},
         {"frontFlowerSlotButton", &page.frontFlowerSlotButton, &page.frontFlowerSwatch},
         {"backLeafSlotButton", &page.backLeafSlotButton, &page.backLeafSwatch},
         {"backFlowerSlotButton", &page.backFlowerSlotButton, &page.backFlowerSwatch},
         {"backgroundSlotButton", &page.backgroundSlotButton, &page.backgroundSwatch},
         {"landSlotButton", &page.landSlotButton, &page.landSwatch}}};
    int index = 0;
    for (const auto& [name, check, swatch] : rows) {
        CheckControl* model = check;
        slotGrid->addWidget(radio(
                                name, *model, ui, [model] { model->setChecked(true); }, background),
                            index / 2, 2 * (index % 2));
        slotGrid->addWidget(new ColorSwatch(*swatch, ui, nullptr, background), index / 2,
                            2 * (index % 2) + 1);
        ++index;
    }
    layout->addLayout(slotGrid);

    auto* texture = new QHBoxLayout;
    auto* enabled = new QCheckBox(background);
    enabled->setObjectName("leafTextureCheck");
    bindCheck(enabled, page.leafTextureCheck, ui);
    texture->addWidget(enabled);
    auto* textures = new QComboBox(background);
    textures->setObjectName("textureList");
    textures->setEditable(true);
    bindChoice(textures, page.textureList, ui);
    texture->addWidget(textures, 1);
    auto* open = new QPushButton(background);
    open->setObjectName("textureButton");
    open->setIcon(open->style()->standardIcon(QStyle::SP_DialogOpenButton));
    watchHint(open, "textureButton");
    bindButton(open, page.textureButton, ui, [&page] { page.openTextureFile(); });
    texture->addWidget(open);
    layout->addLayout(texture);
    layout->addStretch();
    return background;
}

} // namespace burgeon
