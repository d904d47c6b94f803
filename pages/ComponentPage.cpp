#include "pages/ComponentPage.h"

#include "base/FileIo.h"
#include "base/HandlerGuard.h"
#include "base/NumberText.h"
#include "components/ShapeLibraryReader.h"
#include "components/ShapePreview.h"
#include "components/SurfacePreparation.h"

#include <filesystem>
#include <utility>
#include <vector>

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
    petalCountBox.onChange = [this] { placement_.petalCount = petalCountBox.position(); };

    scaleXSlider.onChange = [this] {
        sliderChanged(scaleXSlider, &OrganPlacement::leafSizeX, &OrganPlacement::flowerSizeX, 100,
                      "Leaf Size in X-Axis = ", "Flower Size in X-Axis = ");
    };
    scaleYSlider.onChange = [this] {
        sliderChanged(scaleYSlider, &OrganPlacement::leafSizeY, &OrganPlacement::flowerSizeY, 100,
                      "Leaf Size in Y-Axis = ", "Flower Size in Y-Axis = ");
    };
    scaleZSlider.onChange = [this] {
        sliderChanged(scaleZSlider, &OrganPlacement::leafSizeZ, &OrganPlacement::flowerSizeZ, 100,
                      "Leaf Size in Z-Axis = ", "Flower Size in Z-Axis = ");
    };
    angleXSlider.onChange = [this] {
        sliderChanged(angleXSlider, &OrganPlacement::leafAngleX, &OrganPlacement::flowerAngleX, 1,
                      "Leaf Angle in X-Axis = ", "Flower Angle in X-Axis = ");
    };
    angleYSlider.onChange = [this] {
        sliderChanged(angleYSlider, &OrganPlacement::leafAngleY, &OrganPlacement::flowerAngleY, 1,
                      "Leaf Angle in Y-Axis = ", "Flower Angle in Y-Axis = ");
    };
    angleZSlider.onChange = [this] {
        sliderChanged(angleZSlider, &OrganPlacement::leafAngleZ, &OrganPlacement::flowerAngleZ, 1,
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
        library_.entries.clear();
        readShapeLibrary(libraryText.text(), library_.entries);
        shapeList.setText("Select Leaf Type");
        library_.rendererEntries = library_.entries;
        for (const OrganShape& entry : library_.entries) {
            shapeList.addItem(entry.name);
        }
    });
}

void ComponentPage::startSurfaceDesigner() {
    if (!ui_.shellOpen("Folix.exe", ".")) {
        ui_.showMessage("Cannot start the surface designer \"Folix.exe\".");
    }
}

void ComponentPage::applySurfaceMode() {
    if (placement_.leafSurfaceMode) {
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
    const bool leaf = placement_.leafSurfaceMode;
    const OrganPlacement& p = placement_;
    scaleXSlider.showPosition(sliderPosition(leaf ? p.leafSizeX : p.flowerSizeX, 100));
    scaleYSlider.showPosition(sliderPosition(leaf ? p.leafSizeY : p.flowerSizeY, 100));
    scaleZSlider.showPosition(sliderPosition(leaf ? p.leafSizeZ : p.flowerSizeZ, 100));
    angleXSlider.showPosition(sliderPosition(leaf ? p.leafAngleX : p.flowerAngleX, 1));
    angleYSlider.showPosition(sliderPosition(leaf ? p.leafAngleY : p.flowerAngleY, 1));
    angleZSlider.showPosition(sliderPosition(leaf ? p.leafAngleZ : p.flowerAngleZ, 1));
    petalCountBox.showPosition(p.petalCount);
    const OrganSurface& surface = leaf ? leafSurface_ : flowerSurface_;
    sizeDivisorBox.showPosition(sliderPosition(1000.0f / surface.shapeDivisor, 1));
    drawShapePreview(shapeOfSurface(leafSurface_), PreviewKind::Leaf, leafPreview.picture);
    leafPreview.views.notify();
    drawShapePreview(shapeOfSurface(flowerSurface_), PreviewKind::Flower, flowerPreview.picture);
    flowerPreview.views.notify();
}

void ComponentPage::showShapesOf(const std::string& libraryName) {
    const std::string stem = std::filesystem::path(libraryName).stem().string();
    std::vector<OrganShape> shapes;
    for (const auto& [surface, kind] :
         {std::pair{&leafSurface_, " leaf"}, std::pair{&flowerSurface_, " flower"}}) {
        if (surface->pointCount > 0) {
            shapes.push_back(shapeOfSurface(*surface));
            shapes.back().name = stem + kind;
        }
    }
    if (shapes.empty()) {
        return; // nothing to choose from: the list stays as it was
    }
    library_.entries = shapes;
    library_.rendererEntries = std::move(shapes);
    library_.selectedLeafShape = 0;
    library_.selectedFlowerShape = 0;
    shapeList.clearItems();
    for (const OrganShape& entry : library_.entries) {
        shapeList.addItem(entry.name);
    }
    shapeList.setText(libraryName);
}

void ComponentPage::switchToLeafMode() {
    shapeTypeLabel.setCaption("Select Leaf Type");
    sizeLabel.setCaption("Leaf Size");
    scaleLabel.setCaption("Leaf Scale");
    angleLabel.setCaption("Leaf Angle");
    scaleXSlider.setPosition(sliderPosition(placement_.leafSizeX, 100));
    scaleYSlider.setPosition(sliderPosition(placement_.leafSizeY, 100));
    scaleZSlider.setPosition(sliderPosition(placement_.leafSizeZ, 100));
    angleXSlider.setPosition(sliderPosition(placement_.leafAngleX, 1));
    angleYSlider.setPosition(sliderPosition(placement_.leafAngleY, 1));
    angleZSlider.setPosition(sliderPosition(placement_.leafAngleZ, 1));
    petalCountLabel.setVisible(false);
    petalCountBox.setVisible(false);
    placement_.leafSurfaceMode = true;
}

void ComponentPage::switchToFlowerMode() {
    shapeTypeLabel.setCaption("Select Flower Type");
    sizeLabel.setCaption("Flower Size");
    scaleLabel.setCaption("Flower Scale");
    angleLabel.setCaption("Flower Angle");
    scaleXSlider.setPosition(sliderPosition(placement_.flowerSizeX, 100));
    scaleYSlider.setPosition(sliderPosition(placement_.flowerSizeY, 100));
    scaleZSlider.setPosition(sliderPosition(placement_.flowerSizeZ, 100));
    angleXSlider.setPosition(sliderPosition(placement_.flowerAngleX, 1));
    angleYSlider.setPosition(sliderPosition(placement_.flowerAngleY, 1));
    angleZSlider.setPosition(sliderPosition(placement_.flowerAngleZ, 1));
    petalCountLabel.setVisible(true);
    petalCountBox.setVisible(true);
    placement_.petalCount = petalCountBox.position();
    placement_.leafSurfaceMode = false;
}

void ComponentPage::selectEntry() {
    const std::int32_t k = shapeList.itemIndex() + 1;
    library_.selectedLeafShape = k;
    library_.selectedFlowerShape = k;
    if (k < 1) {
        ui_.showMessage("No library, Please Open the Library.");
        return;
    }
    ui_.showMessage("Leaf number " + std::to_string(k) + " was selected.");
    if (k > library_.entryCount() ||
        k > static_cast<std::int32_t>(library_.rendererEntries.size())) {
        return; // the list always mirrors the library; nothing to copy if it ever did not
    }
    const auto divisor = static_cast<float>(1000.0 / sizeDivisorBox.position());
    if (leafSurfaceButton.checked()) {
        const OrganShape& entry = library_.entry(k);
        drawShapePreview(entry, PreviewKind::Leaf, leafPreview.picture);
        leafPreview.views.notify();
        copyShapeToSurface(entry, leafSurface_);
        leafSurface_.shapeDivisor = divisor;
        prepareLeafShape(entry, leafSurface_);
    } else if (flowerSurfaceButton.checked()) {
        const OrganShape& entry = library_.rendererEntry(k);
        drawShapePreview(entry, PreviewKind::Flower, flowerPreview.picture);
        flowerPreview.views.notify();
        copyShapeToSurface(entry, flowerSurface_);
        flowerSurface_.shapeDivisor = divisor;
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
        leafSurface_.shapeDivisor = divisor;
    } else if (flowerSurfaceButton.checked()) {
        flowerSurface_.shapeDivisor = divisor;
    }
}

} // namespace burgeon
