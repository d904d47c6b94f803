#include "controls/ComponentPage.h"

#include "base/FileIo.h"
#include "base/HandlerGuard.h"
#include "base/NumberText.h"
#include "components/ShapeLibraryReader.h"
#include "components/ShapePreview.h"
#include "components/SurfacePreparation.h"

namespace burgeon {

namespace {

int sliderPosition(float value, double factor) {
    return static_cast<int>(roundHalfEven(static_cast<double>(value) * factor));
}

} // namespace

ComponentPage::ComponentPage(UserInterface& ui, ShapeLibrary& library, OrganPlacement& placement,
                             OrganSurface& leafSurface, OrganSurface& flowerSurface)
    : ui_(ui), library_(library), placement_(placement), leafSurface_(leafSurface),
      flowerSurface_(flowerSurface) {
    petalCountLabel.setVisible(false);
    petalCountBox.setVisible(false);
    libraryText.setVisible(false);
    leafPreview.picture = RgbImage(ShapePreviewWidth, ShapePreviewHeight);
    flowerPreview.picture = RgbImage(ShapePreviewWidth, ShapePreviewHeight);

    leafSurfaceButton.onChange = [this] {
        if (leafSurfaceButton.checked()) {
            flowerSurfaceButton.setChecked(false);
            runHandler(ui_, [this] { switchToLeafMode(); });
        }
    };
    flowerSurfaceButton.onChange = [this] {
        if (flowerSurfaceButton.checked()) {
            leafSurfaceButton.setChecked(false);
            runHandler(ui_, [this] { switchToFlowerMode(); });
        }
    };
    shapeList.onChange = [this] { runHandler(ui_, [this] { selectEntry(); }); };
    sizeDivisorBox.onChange = [this] { divisorChanged(); };
    petalCountBox.onChange = [this] { placement_.PetalCount = petalCountBox.position(); };

    scaleXSlider.onChange = [this] {
        sliderChanged(scaleXSlider, &OrganPlacement::LeafSizeX, &OrganPlacement::FlowerSizeX, 100,
                      "Leaf Size in X-Axis = ", "Flower Size in X-Axis = ");
    };
    scaleYSlider.onChange = [this] {
        sliderChanged(scaleYSlider, &OrganPlacement::LeafSizeY, &OrganPlacement::FlowerSizeY, 100,
                      "Leaf Size in Y-Axis = ", "Flower Size in Y-Axis = ");
    };
    scaleZSlider.onChange = [this] {
        sliderChanged(scaleZSlider, &OrganPlacement::LeafSizeZ, &OrganPlacement::FlowerSizeZ, 100,
                      "Leaf Size in Z-Axis = ", "Flower Size in Z-Axis = ");
    };
    angleXSlider.onChange = [this] {
        sliderChanged(angleXSlider, &OrganPlacement::LeafAngleX, &OrganPlacement::FlowerAngleX, 1,
                      "Leaf Angle in X-Axis = ", "Flower Angle in X-Axis = ");
    };
    angleYSlider.onChange = [this] {
        sliderChanged(angleYSlider, &OrganPlacement::LeafAngleY, &OrganPlacement::FlowerAngleY, 1,
                      "Leaf Angle in Y-Axis = ", "Flower Angle in Y-Axis = ");
    };
    angleZSlider.onChange = [this] {
        sliderChanged(angleZSlider, &OrganPlacement::LeafAngleZ, &OrganPlacement::FlowerAngleZ, 1,
                      "Leaf Angle in Z-Axis = ", "Flower Angle in Z-Axis = ");
    };
}

void ComponentPage::openLibrary() {
    runHandler(ui_, [this] {
        if (const auto fileName = ui_.openFileDialog(".", "")) {
            // Read whole before anything changes: a file that cannot be read leaves the held
            // text, the list and the library as they were.
            libraryText.setText(readFileText(*fileName));
        }
        shapeList.clearItems();
        library_.Entries.clear();
        readShapeLibrary(libraryText.text(), library_.Entries);
        shapeList.setText("Select Leaf Type");
        library_.RendererEntries = library_.Entries;
        for (const OrganShape& entry : library_.Entries) {
            shapeList.addItem(entry.Name);
        }
    });
}

void ComponentPage::startSurfaceDesigner() {
    if (!ui_.shellOpen("Folix.exe", ".")) {
        ui_.showMessage("Cannot start the surface designer \"Folix.exe\".");
    }
}

void ComponentPage::applySurfaceMode() {
    if (placement_.LeafSurfaceMode) {
        flowerSurfaceButton.setChecked(false);
        if (leafSurfaceButton.checked()) {
            runHandler(ui_, [this] { switchToLeafMode(); });
        } else {
            leafSurfaceButton.setChecked(true);
        }
    } else {
        leafSurfaceButton.setChecked(false);
        if (flowerSurfaceButton.checked()) {
            runHandler(ui_, [this] { switchToFlowerMode(); });
        } else {
            flowerSurfaceButton.setChecked(true);
        }
    }
}

void ComponentPage::showSurfaces() {
    const bool leaf = placement_.LeafSurfaceMode;
    const OrganPlacement& p = placement_;
    scaleXSlider.showPosition(sliderPosition(leaf ? p.LeafSizeX : p.FlowerSizeX, 100));
    scaleYSlider.showPosition(sliderPosition(leaf ? p.LeafSizeY : p.FlowerSizeY, 100));
    scaleZSlider.showPosition(sliderPosition(leaf ? p.LeafSizeZ : p.FlowerSizeZ, 100));
    angleXSlider.showPosition(sliderPosition(leaf ? p.LeafAngleX : p.FlowerAngleX, 1));
    angleYSlider.showPosition(sliderPosition(leaf ? p.LeafAngleY : p.FlowerAngleY, 1));
    angleZSlider.showPosition(sliderPosition(leaf ? p.LeafAngleZ : p.FlowerAngleZ, 1));
    petalCountBox.showPosition(p.PetalCount);
    const OrganSurface& surface = leaf ? leafSurface_ : flowerSurface_;
    sizeDivisorBox.showPosition(sliderPosition(1000.0f / surface.ShapeDivisor, 1));
    drawShapePreview(shapeOfSurface(leafSurface_), PreviewKind::Leaf, leafPreview.picture);
    leafPreview.views.notify();
    drawShapePreview(shapeOfSurface(flowerSurface_), PreviewKind::Flower, flowerPreview.picture);
    flowerPreview.views.notify();
}

void ComponentPage::switchToLeafMode() {
    shapeTypeLabel.setCaption("Select Leaf Type");
    sizeLabel.setCaption("Leaf Size");
    scaleLabel.setCaption("Leaf Scale");
    angleLabel.setCaption("Leaf Angle");
    scaleXSlider.setPosition(sliderPosition(placement_.LeafSizeX, 100));
    scaleYSlider.setPosition(sliderPosition(placement_.LeafSizeY, 100));
    scaleZSlider.setPosition(sliderPosition(placement_.LeafSizeZ, 100));
    angleXSlider.setPosition(sliderPosition(placement_.LeafAngleX, 1));
    angleYSlider.setPosition(sliderPosition(placement_.LeafAngleY, 1));
    angleZSlider.setPosition(sliderPosition(placement_.LeafAngleZ, 1));
    petalCountLabel.setVisible(false);
    petalCountBox.setVisible(false);
    placement_.LeafSurfaceMode = true;
}

void ComponentPage::switchToFlowerMode() {
    shapeTypeLabel.setCaption("Select Flower Type");
    sizeLabel.setCaption("Flower Size");
    scaleLabel.setCaption("Flower Scale");
    angleLabel.setCaption("Flower Angle");
    scaleXSlider.setPosition(sliderPosition(placement_.FlowerSizeX, 100));
    scaleYSlider.setPosition(sliderPosition(placement_.FlowerSizeY, 100));
    scaleZSlider.setPosition(sliderPosition(placement_.FlowerSizeZ, 100));
    angleXSlider.setPosition(sliderPosition(placement_.FlowerAngleX, 1));
    angleYSlider.setPosition(sliderPosition(placement_.FlowerAngleY, 1));
    angleZSlider.setPosition(sliderPosition(placement_.FlowerAngleZ, 1));
    petalCountLabel.setVisible(true);
    petalCountBox.setVisible(true);
    placement_.PetalCount = petalCountBox.position();
    placement_.LeafSurfaceMode = false;
}

void ComponentPage::selectEntry() {
    const std::int32_t k = shapeList.itemIndex() + 1;
    library_.SelectedLeafShape = k;
    library_.SelectedFlowerShape = k;
    if (k < 1) {
        ui_.showMessage("No library, Please Open the Library.");
        return;
    }
    ui_.showMessage("Leaf number " + std::to_string(k) + " was selected.");
    if (k > library_.entryCount() ||
        k > static_cast<std::int32_t>(library_.RendererEntries.size())) {
        return; // the list always mirrors the library; nothing to copy if it ever did not
    }
    const auto divisor = static_cast<float>(1000.0 / sizeDivisorBox.position());
    if (leafSurfaceButton.checked()) {
        const OrganShape& entry = library_.entry(k);
        drawShapePreview(entry, PreviewKind::Leaf, leafPreview.picture);
        leafPreview.views.notify();
        copyShapeToSurface(entry, leafSurface_);
        leafSurface_.ShapeDivisor = divisor;
        prepareLeafShape(entry, leafSurface_);
    } else if (flowerSurfaceButton.checked()) {
        const OrganShape& entry = library_.rendererEntry(k);
        drawShapePreview(entry, PreviewKind::Flower, flowerPreview.picture);
        flowerPreview.views.notify();
        copyShapeToSurface(entry, flowerSurface_);
        flowerSurface_.ShapeDivisor = divisor;
        prepareFlowerShape(entry, flowerSurface_);
    }
}

void ComponentPage::sliderChanged(RangeControl& slider, float OrganPlacement::*leafField,
                                  float OrganPlacement::*flowerField, double divisor,
                                  const char* leafPrefix, const char* flowerPrefix) {
    float OrganPlacement::*field = nullptr;
    const char* prefix = nullptr;
    if (leafSurfaceButton.checked()) {
        field = leafField;
        prefix = leafPrefix;
    } else if (flowerSurfaceButton.checked()) {
        field = flowerField;
        prefix = flowerPrefix;
    } else {
        return;
    }
    const auto value = static_cast<float>(slider.position() / divisor);
    placement_.*field = value;
    ui_.setStatusText(prefix + formatGeneral(static_cast<double>(value)));
}

void ComponentPage::divisorChanged() {
    const auto divisor = static_cast<float>(1000.0 / sizeDivisorBox.position());
    if (leafSurfaceButton.checked()) {
        leafSurface_.ShapeDivisor = divisor;
    } else if (flowerSurfaceButton.checked()) {
        flowerSurface_.ShapeDivisor = divisor;
    }
}

} // namespace burgeon
