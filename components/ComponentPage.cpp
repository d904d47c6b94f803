#include "components/ComponentPage.h"

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
    Label33.setVisible(false);
    SpinEdit6.setVisible(false);
    RichEdit6.setVisible(false);
    Image6.picture = RgbImage(ShapePreviewWidth, ShapePreviewHeight);
    Image7.picture = RgbImage(ShapePreviewWidth, ShapePreviewHeight);

    RadioButton9.onChange = [this] {
        if (RadioButton9.checked()) {
            RadioButton10.setChecked(false);
            runHandler(ui_, [this] { switchToLeafMode(); });
        }
    };
    RadioButton10.onChange = [this] {
        if (RadioButton10.checked()) {
            RadioButton9.setChecked(false);
            runHandler(ui_, [this] { switchToFlowerMode(); });
        }
    };
    ComboBox1.onChange = [this] { runHandler(ui_, [this] { selectEntry(); }); };
    SpinEdit5.onChange = [this] { divisorChanged(); };
    SpinEdit6.onChange = [this] { placement_.PetalCount = SpinEdit6.position(); };

    TrackBar11.onChange = [this] {
        sliderChanged(TrackBar11, &OrganPlacement::LeafSizeX, &OrganPlacement::FlowerSizeX, 100,
                      "Leaf Size in X-Axis = ", "Flower Size in X-Axis = ");
    };
    TrackBar12.onChange = [this] {
        sliderChanged(TrackBar12, &OrganPlacement::LeafSizeY, &OrganPlacement::FlowerSizeY, 100,
                      "Leaf Size in Y-Axis = ", "Flower Size in Y-Axis = ");
    };
    TrackBar13.onChange = [this] {
        sliderChanged(TrackBar13, &OrganPlacement::LeafSizeZ, &OrganPlacement::FlowerSizeZ, 100,
                      "Leaf Size in Z-Axis = ", "Flower Size in Z-Axis = ");
    };
    TrackBar14.onChange = [this] {
        sliderChanged(TrackBar14, &OrganPlacement::LeafAngleX, &OrganPlacement::FlowerAngleX, 1,
                      "Leaf Angle in X-Axis = ", "Flower Angle in X-Axis = ");
    };
    TrackBar17.onChange = [this] {
        sliderChanged(TrackBar17, &OrganPlacement::LeafAngleY, &OrganPlacement::FlowerAngleY, 1,
                      "Leaf Angle in Y-Axis = ", "Flower Angle in Y-Axis = ");
    };
    TrackBar18.onChange = [this] {
        sliderChanged(TrackBar18, &OrganPlacement::LeafAngleZ, &OrganPlacement::FlowerAngleZ, 1,
                      "Leaf Angle in Z-Axis = ", "Flower Angle in Z-Axis = ");
    };
}

void ComponentPage::openLibrary() {
    runHandler(ui_, [this] {
        if (const auto fileName = ui_.openFileDialog(".", "")) {
            // Read whole before anything changes: a file that cannot be read leaves the held
            // text, the list and the library as they were.
            RichEdit6.setText(readFileText(*fileName));
        }
        ComboBox1.clearItems();
        library_.Entries.clear();
        readShapeLibrary(RichEdit6.text(), library_.Entries);
        ComboBox1.setText("Select Leaf Type");
        library_.RendererEntries = library_.Entries;
        for (const OrganShape& entry : library_.Entries) {
            ComboBox1.addItem(entry.Name);
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
        RadioButton10.setChecked(false);
        if (RadioButton9.checked()) {
            runHandler(ui_, [this] { switchToLeafMode(); });
        } else {
            RadioButton9.setChecked(true);
        }
    } else {
        RadioButton9.setChecked(false);
        if (RadioButton10.checked()) {
            runHandler(ui_, [this] { switchToFlowerMode(); });
        } else {
            RadioButton10.setChecked(true);
        }
    }
}

void ComponentPage::switchToLeafMode() {
    Label16.setCaption("Select Leaf Type");
    Label22.setCaption("Leaf Size");
    Label28.setCaption("Leaf Scale");
    Label32.setCaption("Leaf Angle");
    TrackBar11.setPosition(sliderPosition(placement_.LeafSizeX, 100));
    TrackBar12.setPosition(sliderPosition(placement_.LeafSizeY, 100));
    TrackBar13.setPosition(sliderPosition(placement_.LeafSizeZ, 100));
    TrackBar14.setPosition(sliderPosition(placement_.LeafAngleX, 1));
    TrackBar17.setPosition(sliderPosition(placement_.LeafAngleY, 1));
    TrackBar18.setPosition(sliderPosition(placement_.LeafAngleZ, 1));
    Label33.setVisible(false);
    SpinEdit6.setVisible(false);
    placement_.LeafSurfaceMode = true;
}

void ComponentPage::switchToFlowerMode() {
    Label16.setCaption("Select Flower Type");
    Label22.setCaption("Flower Size");
    Label28.setCaption("Flower Scale");
    Label32.setCaption("Flower Angle");
    TrackBar11.setPosition(sliderPosition(placement_.FlowerSizeX, 100));
    TrackBar12.setPosition(sliderPosition(placement_.FlowerSizeY, 100));
    TrackBar13.setPosition(sliderPosition(placement_.FlowerSizeZ, 100));
    TrackBar14.setPosition(sliderPosition(placement_.FlowerAngleX, 1));
    TrackBar17.setPosition(sliderPosition(placement_.FlowerAngleY, 1));
    TrackBar18.setPosition(sliderPosition(placement_.FlowerAngleZ, 1));
    Label33.setVisible(true);
    SpinEdit6.setVisible(true);
    placement_.PetalCount = SpinEdit6.position();
    placement_.LeafSurfaceMode = false;
}

void ComponentPage::selectEntry() {
    const std::int32_t k = ComboBox1.itemIndex() + 1;
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
    const float divisor = static_cast<float>(1000.0 / SpinEdit5.position());
    if (RadioButton9.checked()) {
        const OrganShape& entry = library_.entry(k);
        drawShapePreview(entry, PreviewKind::Leaf, Image6.picture);
        Image6.views.notify();
        copyShapeToSurface(entry, leafSurface_);
        leafSurface_.ShapeDivisor = divisor;
        prepareLeafShape(entry, leafSurface_);
    } else if (RadioButton10.checked()) {
        const OrganShape& entry = library_.rendererEntry(k);
        drawShapePreview(entry, PreviewKind::Flower, Image7.picture);
        Image7.views.notify();
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
    if (RadioButton9.checked()) {
        field = leafField;
        prefix = leafPrefix;
    } else if (RadioButton10.checked()) {
        field = flowerField;
        prefix = flowerPrefix;
    } else {
        return;
    }
    const float value = static_cast<float>(slider.position() / divisor);
    placement_.*field = value;
    ui_.setStatusText(prefix + formatGeneral(static_cast<double>(value)));
}

void ComponentPage::divisorChanged() {
    const float divisor = static_cast<float>(1000.0 / SpinEdit5.position());
    if (RadioButton9.checked()) {
        leafSurface_.ShapeDivisor = divisor;
    } else if (RadioButton10.checked()) {
        flowerSurface_.ShapeDivisor = divisor;
    }
}

} // namespace burgeon
