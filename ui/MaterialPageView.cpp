#include "ui/PageViews.h"

#include "imageio/BmpReader.h"
#include "ui/Bindings.h"
#include "ui/WidgetKit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include <array>
#include <tuple>

namespace burgeon {

namespace {

constexpr int TextureButtonSize = 57;

// The texture button shows the last texture opened from a file; until then, the open icon.
QPushButton* textureButton(MaterialPage& page, UserInterface& ui, const HintWatcher& watchHint,
                           QWidget* parent) {
    auto* open = new QPushButton(parent);
    open->setObjectName("textureButton");
    open->setFixedSize(TextureButtonSize, TextureButtonSize);
    constexpr int inner = TextureButtonSize - 8;
    open->setIconSize(QSize(inner, inner));
    watchHint(open, "textureButton");
    bindButton(open, page.textureButton, ui, [&page] { page.openTextureFile(); });
    QPointer<QPushButton> guarded(open);
    auto refresh = [guarded, &page] {
        if (!guarded) {
            return;
        }
        const auto bitmap = page.textureButton.pictureFile.empty()
                                ? std::nullopt
                                : readBitmapFile(page.textureButton.pictureFile);
        if (!bitmap) {
            guarded->setIcon(guarded->style()->standardIcon(QStyle::SP_DialogOpenButton));
            return;
        }
        const QImage image(bitmap->rgba.data(), bitmap->width, bitmap->height, bitmap->width * 4,
                           QImage::Format_RGBX8888);
        guarded->setIcon(QPixmap::fromImage(
            image.scaled(inner, inner, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    };
    page.textureButton.views.subscribe(refresh);
    refresh();
    return open;
}

} // namespace

QWidget* buildMaterialPage(Desktop& desktop, const HintWatcher& watchHint) {
    MaterialPage& page = desktop.state.materialPage;
    UserInterface& ui = desktop.ui;
    QWidget* background = panel("materialBackground", watchHint);
    auto* layout = new QVBoxLayout(background);
    auto* title = captionLabel(page.titleLabel, background);
    title->setObjectName("materialTitle");
    title->setStyleSheet("color: blue;");
    layout->addWidget(title);

    auto* mixer = new QGridLayout;
    auto* colour = new ColorSwatch(
        page.colorPanel, ui, [&page] { page.chooseColor(); }, background);
    colour->setObjectName("colorPanel");
    colour->setFixedSize(80, 80);
    mixer->addWidget(colour, 0, 0, 3, 1);
    const std::array<
        std::tuple<const char*, const char*, RangeControl*, const char*, RangeControl*>, 3>
        channels = {{{"Red", "redBar", &page.redBar, "redBox", &page.redBox},
                     {"Green", "greenBar", &page.greenBar, "greenBox", &page.greenBox},
                     {"Blue", "blueBar", &page.blueBar, "blueBox", &page.blueBox}}};
    int line = 0;
    for (const auto& [caption, barName, bar, spinName, spinModel] : channels) {
        mixer->addWidget(label(caption, background), line, 1);
        auto* scrollBar = new QScrollBar(Qt::Horizontal, background);
        scrollBar->setObjectName(barName);
        bindSlider(scrollBar, *bar, ui);
        mixer->addWidget(scrollBar, line, 2);
        mixer->addWidget(arrowSpin(spinName, *spinModel, ui, background), line, 3);
        ++line;
    }
    mixer->setColumnStretch(2, 1);
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
    texture->addWidget(choiceBox("textureList", page.textureList, ui, background), 1);
    texture->addWidget(textureButton(page, ui, watchHint, background));
    layout->addLayout(texture);
    layout->addStretch();
    return background;
}

} // namespace burgeon
