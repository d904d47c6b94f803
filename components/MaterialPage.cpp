#include "components/MaterialPage.h"

#include "base/HandlerGuard.h"

namespace burgeon {

MaterialPage::MaterialPage(UserInterface& ui, MaterialSet& materials, LeafTextures& textures)
    : ui_(ui), materials_(materials),
      textures_(textures), slots_{{{&RadioButton1, &Panel16, &MaterialSet::InternodeColor},
                                   {&RadioButton2, &Panel17, &MaterialSet::PetioleColor},
                                   {&RadioButton3, &Panel18, &MaterialSet::FrontLeafColor},
                                   {&RadioButton4, &Panel19, &MaterialSet::FrontFlowerColor},
                                   {&RadioButton5, &Panel20, &MaterialSet::BackLeafColor},
                                   {&RadioButton6, &Panel21, &MaterialSet::BackFlowerColor},
                                   {&RadioButton7, &Panel22, &MaterialSet::BackgroundColor},
                                   {&RadioButton8, &Panel23, &MaterialSet::LandColor}}} {
    std::vector<std::string> textureItems;
    for (std::size_t n = 1; n <= BuiltInLeafTextureFiles.size(); ++n) {
        textureItems.push_back("Leaf Texture " + std::to_string(n));
    }
    ComboBox3.setItems(std::move(textureItems));
    ComboBox3.setText("Select Leaf Texture");

    ScrollBar1.onChange = [this] { scrollBarChanged(); };
    ScrollBar2.onChange = [this] { scrollBarChanged(); };
    ScrollBar3.onChange = [this] { scrollBarChanged(); };
    // Setting a control from code runs its handler only when the value changes, so the
    // mirror between the spin boxes and the scroll bars settles after one round.
    SpinEdit2.onChange = [this] { ScrollBar1.setPosition(SpinEdit2.position()); };
    SpinEdit3.onChange = [this] { ScrollBar2.setPosition(SpinEdit3.position()); };
    SpinEdit4.onChange = [this] { ScrollBar3.setPosition(SpinEdit4.position()); };

    for (const Slot& slot : slots_) {
        slot.radio->onChange = [this, slot] {
            if (slot.radio->checked()) {
                slotChosen(slot);
            }
        };
    }
    CheckBox3.onChange = [this] {
        const bool enabled = CheckBox3.checked();
        ComboBox3.setVisible(enabled);
        BitBtn14.setVisible(enabled);
        textures_.TexturesEnabled = enabled;
    };
    ComboBox3.onChange = [this] { builtInTextureChosen(); };
}

void MaterialPage::scrollBarChanged() {
    const RgbColor color{ScrollBar1.position(), ScrollBar2.position(), ScrollBar3.position()};
    SpinEdit2.setPosition(color.red);
    SpinEdit3.setPosition(color.green);
    SpinEdit4.setPosition(color.blue);
    Panel15.setColor(color);
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
    ScrollBar1.setPosition(color.red);
    ScrollBar2.setPosition(color.green);
    ScrollBar3.setPosition(color.blue);
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
    if (const auto chosen = ui_.chooseColor(Panel15.color)) {
        Panel15.setColor(*chosen);
    }
    setScrollBars(Panel15.color);
}

void MaterialPage::builtInTextureChosen() {
    const int n = ComboBox3.itemIndex() + 1;
    if (n < 1) {
        return; // typed text that is no item loads nothing
    }
    loadListLeafTexture(textures_, BuiltInLeafTextureFiles[static_cast<std::size_t>(n - 1)]);
}

void MaterialPage::openTextureFile() {
    runHandler(ui_, [this] {
        if (const auto fileName = ui_.openPictureDialog("Bitmap files (*.bmp)|*.bmp")) {
            loadLeafTexture(textures_, *fileName);
            BitBtn14.pictureFile = *fileName;
            BitBtn14.views.notify();
        }
    });
}

} // namespace burgeon
