#include "growth/GrowthFunctionPage.h"

#include "base/FileIo.h"
#include "base/HandlerGuard.h"
#include "base/NumberText.h"
#include "growth/CurveFit.h"
#include "growth/GrowthDataFile.h"
#include "growth/GrowthPlot.h"
#include "imageio/BmpWriter.h"

#include <utility>

namespace burgeon {

namespace {

constexpr int allChoice = static_cast<int>(GrowthOrgan::All);

GrowthFunction readBoxes(const TextControl& bottom, const TextControl& top,
                         const TextControl& slope, const TextControl& tmid) {
    return {parseFloat(bottom.text()), parseFloat(top.text()), parseFloat(slope.text()),
            parseFloat(tmid.text())};
}

} // namespace

GrowthFunctionPage::GrowthFunctionPage(UserInterface& ui, GrowthCurves& curves, GrowthData& data)
    : RadioGroup1("Select Function",
                  {"Internode", "Petiole", "Leaf Length", "Leaf Width", "Apex", "Flower", "All"},
                  allChoice),
      Image1(PlotWidth, PlotHeight), Image2(PlotWidth, PlotHeight), Image3(PlotWidth, PlotHeight),
      Image12(PlotWidth, PlotHeight), Image4(PlotWidth, PlotHeight), Image5(PlotWidth, PlotHeight),
      ui_(ui), curves_(curves), data_(data) {
    Edit1.setCaption("Bottom");
    Edit2.setCaption("Top");
    Edit3.setCaption("Slope");
    Edit4.setCaption("Tmid");
    Button3.setVisible(false);
    SpinEdit1.onChange = [this] { fitCurve(); };
}

RgbImage& GrowthFunctionPage::plot(GrowthOrgan organ) {
    return const_cast<RgbImage&>(std::as_const(*this).plot(organ));
}

const RgbImage& GrowthFunctionPage::plot(GrowthOrgan organ) const {
    switch (organ) {
    case GrowthOrgan::Internode:
        return Image1;
    case GrowthOrgan::Petiole:
        return Image2;
    case GrowthOrgan::LeafLength:
        return Image3;
    case GrowthOrgan::LeafWidth:
        return Image12;
    case GrowthOrgan::Apex:
        return Image4;
    default:
        return Image5;
    }
}

const char* GrowthFunctionPage::plotCaption(GrowthOrgan organ) {
    static const char* const captions[GrowthOrganCount] = {
        "Internode Function (I, i)", "Petiole Function (P, p)", "Leaf Length Function (L)",
        "Leaf Width Function (L)",   "Apex Function (A)",       "Flower Function (F)"};
    return captions[static_cast<int>(organ) % GrowthOrganCount];
}

const std::array<std::pair<GrowthOrgan, const char*>, 5>& GrowthFunctionPage::savedPlots() {
    // The Leaf Width plot is not saved.
    static const std::array<std::pair<GrowthOrgan, const char*>, 5> files = {{
        {GrowthOrgan::Internode, "Internode.bmp"},
        {GrowthOrgan::Petiole, "Petiole.bmp"},
        {GrowthOrgan::LeafLength, "Leaf.bmp"},
        {GrowthOrgan::Apex, "Apex.bmp"},
        {GrowthOrgan::Flower, "Flower.bmp"},
    }};
    return files;
}

bool GrowthFunctionPage::readData() {
    return runHandler(ui_, [this] {
        const auto fileName = ui_.openFileDialog(".", "");
        if (fileName) {
            RichEdit4.setText(readGrowthDataFile(*fileName));
        }
    });
}

bool GrowthFunctionPage::fitCurve() {
    bool completed = false;
    const bool guarded = runHandler(ui_, [this, &completed] { completed = runFit(); });
    return guarded && completed;
}

bool GrowthFunctionPage::runFit() {
    const std::vector<std::string> lines = RichEdit4.lines();
    if (!withinGrowthDataLimits(lines)) {
        ui_.showMessage("Growth data is limited to 501 lines of at most 101 values each.");
        return false;
    }
    FitWorkingState work;
    if (const int badLine = readDataRows(lines, data_, work); badLine != 0) {
        ui_.showMessage("Error Data in line " + std::to_string(badLine));
        return false;
    }
    ui_.showMessage("LifeCycle time=" + std::to_string(data_.LifeCycleTime));
    alignColumns(work, data_.DataLastRow);
    ui_.showMessage("# of Var = " + std::to_string(work.columnCount));
    if (data_.DataLastRow < 0) {
        ui_.showMessage("No growth data to fit.");
        return false;
    }
    Edit1.setText("0");
    Edit2.setText("0");
    computeMeans(work, data_);

    const GrowthFunction fitted = fitCoefficients(data_);
    Edit1.setText(formatGeneral(fitted.Bottom));
    Edit2.setText(formatGeneral(fitted.Top));
    Edit3.setText(formatGeneral(fitted.Slope));
    Edit4.setText(formatGeneral(fitted.Tmid));
    ui_.showMessage("L=" + Edit1.text() + ", U=" + Edit2.text() + ", m=" + Edit3.text() +
                    ", T=" + Edit4.text());

    commitAndPlot();
    if (RadioGroup1.itemIndex() == allChoice) {
        // Each curve once more on its own, then "All" is chosen again.
        for (int organ = 0; organ < GrowthOrganCount; ++organ) {
            RadioGroup1.setItemIndex(organ);
            commitAndPlot();
        }
        RadioGroup1.setItemIndex(allChoice);
    }
    return true;
}

bool GrowthFunctionPage::approximate() {
    return runHandler(ui_, [this] { commitAndPlot(); });
}

void GrowthFunctionPage::drawFrame(RgbImage& image) {
    const PlotOrigin origin = plotOrigin(image.width(), image.height());
    PlotOriginX = origin.x;
    PlotOriginY = origin.y;
    drawPlotFrame(image, data_, PlotScale, origin);
}

void GrowthFunctionPage::commitAndPlot() {
    PlotScale = SpinEdit1.position();
    const int choice = RadioGroup1.itemIndex();
    if (choice >= 0 && choice < GrowthOrganCount) {
        const auto organ = static_cast<GrowthOrgan>(choice);
        RgbImage& image = plot(organ);
        drawFrame(image);
        const GrowthFunction curve = readBoxes(Edit1, Edit2, Edit3, Edit4);
        curves_.setCurve(organ, curve.Bottom, curve.Top, curve.Slope, curve.Tmid);
        drawPlotCurve(image, curves_.getCurve(organ), data_.LifeCycleTime, PlotScale,
                      {PlotOriginX, PlotOriginY});
        return;
    }
    if (choice != allChoice) {
        return;
    }
    const GrowthFunction curve = readBoxes(Edit1, Edit2, Edit3, Edit4);
    curves_.setCurve(GrowthOrgan::All, curve.Bottom, curve.Top, curve.Slope, curve.Tmid);
    for (int organ = 0; organ < GrowthOrganCount; ++organ) {
        RgbImage& image = plot(static_cast<GrowthOrgan>(organ));
        drawFrame(image);
        drawPlotCurve(image, curves_.getCurve(static_cast<GrowthOrgan>(organ)), data_.LifeCycleTime,
                      PlotScale, {PlotOriginX, PlotOriginY});
    }
}

bool GrowthFunctionPage::saveImages(const std::string& folder) {
    return runHandler(ui_, [this, &folder] {
        for (const auto& [organ, fileName] : savedPlots()) {
            writeBmpFile(joinPath(folder, fileName), plot(organ));
        }
    });
}

void GrowthFunctionPage::stepArrow(RangeControl& arrow, TextControl& box, ArrowClick click) {
    // The count takes the box's value only when the box holds a whole number in its range.
    std::int32_t count = 0;
    if (tryParseInteger(box.text(), count) && count >= arrow.minimum() &&
        count <= arrow.maximum()) {
        arrow.setPosition(count);
    }
    arrow.step(click == ArrowClick::Up ? 1 : -1);
    box.setText(std::to_string(arrow.position()));
}

void GrowthFunctionPage::UpDown4Click(ArrowClick click) {
    runHandler(ui_, [&] { stepArrow(UpDown4, Edit1, click); });
}

void GrowthFunctionPage::UpDown5Click(ArrowClick click) {
    runHandler(ui_, [&] { stepArrow(UpDown5, Edit2, click); });
}

void GrowthFunctionPage::UpDown6Click(ArrowClick click) {
    runHandler(ui_, [&] {
        stepArrow(UpDown6, Edit3, click);
        Edit3.setText(formatGeneral(parseFloat(Edit3.text()) * 0.01));
        commitAndPlot();
    });
}

void GrowthFunctionPage::UpDown7Click(ArrowClick click) {
    runHandler(ui_, [&] {
        stepArrow(UpDown7, Edit4, click);
        Edit4.setText(formatGeneral(parseFloat(Edit4.text())));
        commitAndPlot();
    });
}

void GrowthFunctionPage::presetImageScaling(int value) {
    auto handler = std::exchange(SpinEdit1.onChange, nullptr);
    SpinEdit1.setPosition(value);
    SpinEdit1.onChange = std::move(handler);
}

} // namespace burgeon
