#include "pages/MaterialPage.h"

#include "base/HandlerGuard.h"

#include <filesystem>
#include <tuple>

namespace burgeon {

MaterialPage::MaterialPage(UserInterface& ui, MaterialSet& materials, LeafTextures& textures)
    : ui_(ui), materials_(materials), textures_(textures),
      slots_{{{&internodeSlotButton, &internodeSwatch, &MaterialSet::internodeColor},
              {&petioleSlotButton, &petioleSwatch, &MaterialSet::petioleColor},
              {&frontLeafSlotButton, &frontLeafSwatch, &MaterialSet::frontLeafColor},
              {&frontFlowerSlotButton, &frontFlowerSwatch, &MaterialSet::frontFlowerColor},
              {&backLeafSlotButton, &backLeafSwatch, &MaterialSet::backLeafColor},
              {&backFlowerSlotButton, &backFlowerSwatch, &MaterialSet::backFlowerColor},
              {&backgroundSlotButton, &backgroundSwatch, &MaterialSet::backgroundColor},
              {&landSlotButton, &landSwatch, &MaterialSet::landColor}}} {
    std::vector<std::string> textureItems;
    for (std::size_t n = 1; n <= BuiltInLeafTextureFiles.size(); ++n) {
        textureItems.push_back("Leaf Texture " + std::to_string(n));
    }
    textureList.setItems(std::move(textureItems));
    textureList.setText("Select Leaf Texture");

    redBar.onChange = [this] { scrollBarChanged(); };
    greenBar.onChange = [this] { scrollBarChanged(); };
    blueBar.onChange = [this] { scrollBarChanged(); };
    // Setting a control from code runs its handler only when the value changes, so the
    // mirror between the spin boxes and the scroll bars settles after one round.
    redBox.onChange = [this] { redBar.setPosition(redBox.position()); };
    greenBox.onChange = [this] { greenBar.setPosition(greenBox.position()); };
    blueBox.onChange = [this] { blueBar.setPosition(blueBox.position()); };

    for (const Slot& slot : slots_) {
        slot.radio->onChange = [this, slot] {
            if (slot.radio->checked()) {
                slotChosen(slot);
            }
        };
    }
    leafTextureCheck.onChange = [this] {
        const bool enabled = leafTextureCheck.checked();
        textureList.setVisible(enabled);
        textureButton.setVisible(enabled);
        textures_.texturesEnabled = enabled;
    };
    textureList.onChange = [this] { builtInTextureChosen(); };
}

void MaterialPage::scrollBarChanged() {
    const RgbColor color{redBar.position(), greenBar.position(), blueBar.position()};
    redBox.setPosition(color.red);
    greenBox.setPosition(color.green);
    blueBox.setPosition(color.blue);
    colorPanel.setColor(color);
    for (const Slot& slot : slots_) {
        if (slot.radio->checked()) {
            materials_.*slot.color = color;
            slot.panel->setColor(color);
            return;
        }
    }
}

void MaterialPage::setScrollBars(RgbColor color) {
    // One after the other: the edited slot passes through the mixed colours on the way.
    redBar.setPosition(color.red);
    greenBar.setPosition(color.green);
    blueBar.setPosition(color.blue);
}

void MaterialPage::slotChosen(const Slot& slot) {
    for (const Slot& other : slots_) {
        if (other.radio != slot.radio) {
            other.radio->setChecked(false);
        }
    }
    // The target is taken before the first bar moves, since every move recolours the panel.
    setScrollBars(slot.panel->color);
}

void MaterialPage::chooseColor() {
    if (const auto chosen = ui_.chooseColor(colorPanel.color)) {
        colorPanel.setColor(*chosen);
    }
    setScrollBars(colorPanel.color);
}

void MaterialPage::showMaterials() {
    for (const Slot& slot : slots_) {
        slot.panel->setColor(materials_.*slot.color);
        if (slot.radio->checked()) {
            const RgbColor color = materials_.*slot.color;
            for (auto [bar, box, value] : {std::tuple{&redBar, &redBox, color.red},
                                           std::tuple{&greenBar, &greenBox, color.green},
                                           std::tuple{&blueBar, &blueBox, color.blue}}) {
                bar->showPosition(value);
                box->showPosition(value);
            }
            colorPanel.setColor(color);
        }
    }
    leafTextureCheck.setChecked(textures_.texturesEnabled);
    showTexture();
}

void MaterialPage::showTexture() {
    const int current = textures_.leafTextureCount;
    const std::string file =
        current > 0 ? textures_.slots[static_cast<std::size_t>(current - 1)].fileName : "";
    textureButton.pictureFile = file;
    textureButton.views.notify();
    textureList.setItemIndex(-1);
    if (file.empty()) {
        textureList.setText("Select Leaf Texture");
        return;
    }
    // A built-in texture shows as its item in the list, another as its file's name.
    const std::string name = std::filesystem::path(file).filename().string();
    for (std::size_t i = 0; i < BuiltInLeafTextureFiles.size(); ++i) {
        if (name == BuiltInLeafTextureFiles[i]) {
            textureList.setItemIndex(static_cast<int>(i));
            return;
        }
    }
    textureList.setText(name);
}

void MaterialPage::builtInTextureChosen() {
    const int n = textureList.itemIndex() + 1;
    if (n < 1) {
        return; // typed text that is no item loads nothing
    }
    loadListLeafTexture(textures_, BuiltInLeafTextureFiles[static_cast<std::size_t>(n - 1)]);
}

void MaterialPage::openTextureFile() {
    runHandler(ui_, [this] {
        if (const auto fileName = ui_.openPictureDialog("Bitmap files (*.bmp)|*.bmp")) {
            loadLeafTexture(textures_, *fileName);
            textureButton.pictureFile = *fileName;
            textureButton.views.notify();
        }
    });
}

} // namespace burgeon
