#include "pages/GrowthFunctionPage.h"

#include "base/FileIo.h"
#include "base/HandlerGuard.h"
#include "base/NumberText.h"
#include "growth/GrowthDataFile.h"
#include "growth/GrowthFit.h"
#include "growth/GrowthPlot.h"
#include "imageio/BmpWriter.h"

#include <utility>

namespace burgeon {

namespace {

constexpr int AllChoice = static_cast<int>(GrowthOrgan::All);

GrowthFunction readBoxes(const TextControl& bottom, const TextControl& top,
                         const TextControl& slope, const TextControl& tmid) {
    return {parseFloat(bottom.text()), parseFloat(top.text()), parseFloat(slope.text()),
            parseFloat(tmid.text())};
}

} // namespace

GrowthFunctionPage::GrowthFunctionPage(UserInterface& ui, PlantGrowth& growth)
    : functionChoice("Select Function",
                     {"Internode", "Petiole", "Leaf Length", "Leaf Width", "Apex", "Flower", "All"},
                     AllChoice),
      internodePlot(PlotWidth, PlotHeight), petiolePlot(PlotWidth, PlotHeight),
      leafLengthPlot(PlotWidth, PlotHeight), leafWidthPlot(PlotWidth, PlotHeight),
      apexPlot(PlotWidth, PlotHeight), flowerPlot(PlotWidth, PlotHeight), ui_(ui), growth_(growth),
      curves_(growth.curves), data_(growth.fittedData) {
    bottomBox.setCaption("Bottom");
    topBox.setCaption("Top");
    slopeBox.setCaption("Slope");
    tmidBox.setCaption("Tmid");
    approximateButton.setVisible(false);
    imageScalingBox.onChange = [this] { fitCurve(); };
}

RgbImage& GrowthFunctionPage::plot(GrowthOrgan organ) {
    return const_cast<RgbImage&>(std::as_const(*this).plot(organ));
}

const RgbImage& GrowthFunctionPage::plot(GrowthOrgan organ) const {
    switch (organ) {
    case GrowthOrgan::Internode:
        return internodePlot;
    case GrowthOrgan::Petiole:
        return petiolePlot;
    case GrowthOrgan::LeafLength:
        return leafLengthPlot;
    case GrowthOrgan::LeafWidth:
        return leafWidthPlot;
    case GrowthOrgan::Apex:
        return apexPlot;
    default:
        return flowerPlot;
    }
}

const char* GrowthFunctionPage::plotCaption(GrowthOrgan organ) {
    static const char* const captions[GrowthOrganCount] = {
        "Internode Function (I, i)", "Petiole Function (P, p)", "Leaf Length Function (L)",
        "Leaf Width Function (L)",   "Apex Function (A)",       "Flower Function (F)"};
    return captions[static_cast<int>(organ) % GrowthOrganCount];
}

bool GrowthFunctionPage::readData() {
    return runHandler(ui_, [this] {
        const auto fileName = ui_.openFileDialog(".", "");
        if (fileName) {
            dataBox.setText(readGrowthDataFile(*fileName));
        }
    });
}

bool GrowthFunctionPage::fitCurve() {
    bool completed = false;
    const bool guarded = runHandler(ui_, [this, &completed] { completed = runFit(); });
    return guarded && completed;
}

bool GrowthFunctionPage::runFit() {
    const std::string dataText = dataBox.text();
    const FitOutcome outcome = fitGrowthData(dataBox.lines(), data_);
    if (outcome.columnsCounted) {
        bottomBox.setText("0");
        topBox.setText("0");
    }
    if (outcome.completed) {
        bottomBox.setText(formatGeneral(outcome.curve.bottom));
        topBox.setText(formatGeneral(outcome.curve.top));
        slopeBox.setText(formatGeneral(outcome.curve.slope));
        tmidBox.setText(formatGeneral(outcome.curve.tmid));
    }
    showMessages(ui_, outcome.messages);
    if (!outcome.completed) {
        return false;
    }

    const int choice = functionChoice.itemIndex();
    growth_.fittedOrgan = static_cast<GrowthOrgan>(choice);
    for (int organ = 0; organ < GrowthOrganCount; ++organ) {
        if (choice == organ || choice == AllChoice) {
            growth_.data[static_cast<std::size_t>(organ)] = dataText;
        }
    }
    commitAndPlot();
    if (choice == AllChoice) {
        // Each curve once more on its own, then "All" is chosen again.
        for (int organ = 0; organ < GrowthOrganCount; ++organ) {
            functionChoice.setItemIndex(organ);
            commitAndPlot();
        }
        functionChoice.setItemIndex(AllChoice);
    }
    return true;
}

bool GrowthFunctionPage::approximate() {
    return runHandler(ui_, [this] { commitAndPlot(); });
}

void GrowthFunctionPage::drawFrame(RgbImage& image) {
    const PlotOrigin origin = plotOrigin(image.width(), image.height());
    plotOriginX = origin.x;
    plotOriginY = origin.y;
    drawPlotFrame(image, data_, plotScale, origin);
}

void GrowthFunctionPage::commitAndPlot() {
    plotScale = imageScalingBox.position();
    const int choice = functionChoice.itemIndex();
    if (choice >= 0 && choice < GrowthOrganCount) {
        const auto organ = static_cast<GrowthOrgan>(choice);
        RgbImage& image = plot(organ);
        drawFrame(image);
        const GrowthFunction curve = readBoxes(bottomBox, topBox, slopeBox, tmidBox);
        curves_.setCurve(organ, curve.bottom, curve.top, curve.slope, curve.tmid);
        drawPlotCurve(image, curves_.getCurve(organ), data_.lifeCycleTime, plotScale,
                      {plotOriginX, plotOriginY});
        return;
    }
    if (choice != AllChoice) {
        return;
    }
    const GrowthFunction curve = readBoxes(bottomBox, topBox, slopeBox, tmidBox);
    curves_.setCurve(GrowthOrgan::All, curve.bottom, curve.top, curve.slope, curve.tmid);
    for (int organ = 0; organ < GrowthOrganCount; ++organ) {
        RgbImage& image = plot(static_cast<GrowthOrgan>(organ));
        drawFrame(image);
        drawPlotCurve(image, curves_.getCurve(static_cast<GrowthOrgan>(organ)), data_.lifeCycleTime,
                      plotScale, {plotOriginX, plotOriginY});
    }
}

bool GrowthFunctionPage::saveImages(const std::string& folder) {
    return runHandler(ui_, [this, &folder] {
        for (const auto& [organ, fileName] : savedPlotFiles()) {
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

void GrowthFunctionPage::onBottomArrowClicked(ArrowClick click) {
    runHandler(ui_, [&] { stepArrow(bottomArrows, bottomBox, click); });
}

void GrowthFunctionPage::onTopArrowClicked(ArrowClick click) {
    runHandler(ui_, [&] { stepArrow(topArrows, topBox, click); });
}

void GrowthFunctionPage::onSlopeArrowClicked(ArrowClick click) {
    runHandler(ui_, [&] {
        stepArrow(slopeArrows, slopeBox, click);
        slopeBox.setText(formatGeneral(parseFloat(slopeBox.text()) * 0.01));
        commitAndPlot();
    });
}

void GrowthFunctionPage::onTmidArrowClicked(ArrowClick click) {
    runHandler(ui_, [&] {
        stepArrow(tmidArrows, tmidBox, click);
        tmidBox.setText(formatGeneral(parseFloat(tmidBox.text())));
        commitAndPlot();
    });
}

void GrowthFunctionPage::showGrowth() {
    const int choice = functionChoice.itemIndex();
    const auto shown = choice >= 0 && choice < GrowthOrganCount ? static_cast<GrowthOrgan>(choice)
                                                                : GrowthOrgan::Internode;
    const GrowthFunction& curve = curves_.getCurve(shown);
    bottomBox.setText(formatGeneral(curve.bottom));
    topBox.setText(formatGeneral(curve.top));
    slopeBox.setText(formatGeneral(curve.slope));
    tmidBox.setText(formatGeneral(curve.tmid));
    if (growth_.fittedOrgan) {
        const GrowthOrgan fitted = *growth_.fittedOrgan;
        const auto index = fitted == GrowthOrgan::All ? 0u : static_cast<std::size_t>(fitted);
        dataBox.setText(growth_.data[index]);
    }
    plotScale = imageScalingBox.position();
    for (int organ = 0; organ < GrowthOrganCount; ++organ) {
        RgbImage& image = plot(static_cast<GrowthOrgan>(organ));
        drawFrame(image);
        drawPlotCurve(image, curves_.getCurve(static_cast<GrowthOrgan>(organ)), data_.lifeCycleTime,
                      plotScale, {plotOriginX, plotOriginY});
    }
    plotViews.notify();
}

} // namespace burgeon
