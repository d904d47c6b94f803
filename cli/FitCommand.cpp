#include "base/FileIo.h"
#include "base/JsonWriter.h"
#include "base/NumberText.h"
#include "base/OutputFiles.h"
#include "base/StandardError.h"
#include "base/TextLines.h"
#include "cli/Commands.h"
#include "cli/FileTypeNames.h"
#include "cli/NoticePrinting.h"
#include "cli/NumberOptions.h"
#include "cli/OrganOption.h"
#include "growth/GrowthDataFile.h"
#include "growth/GrowthFit.h"
#include "growth/GrowthPlot.h"
#include "imageio/BmpWriter.h"
#include "project/PlantGrowth.h"

#include <array>
#include <memory>
#include <ostream>

namespace burgeon {

namespace {

const char* const FitUsage = "burgeon fit FILE [--organ internode|petiole|leaf-length|leaf-width|"
                             "apex|flower|all] [--scale N] [--plots DIR] [--json]";

// What the Growth Function page shows after "Read Data", "Fit Curve" and "Save Image".
struct FitRun {
    Messages messages;
    PlantGrowth growth;
    // The Bottom, Top, Slope and Tmid boxes.
    std::array<std::string, 4> boxes{"0", "0", "0", "0"};
    bool completed = false;
};

void fit(FitRun& run, const std::string& fileName, GrowthOrgan organ) {
    const std::string text = readGrowthDataFile(fileName);
    const FitOutcome fitted = fitGrowthData(splitLines(text), run.growth.fittedData);
    run.messages = fitted.messages;
    if (!fitted.completed) {
        return;
    }
    const GrowthFunction& curve = fitted.curve;
    run.boxes = {formatGeneral(curve.bottom), formatGeneral(curve.top), formatGeneral(curve.slope),
                 formatGeneral(curve.tmid)};
    commitFittedCurve(run.growth, organ, curve, text);
    run.completed = true;
}

// The five plot files, all or none; a plot of a curve that was not fitted stays white.
void savePlots(const FitRun& run, GrowthOrgan chosen, int scale, const std::string& folder) {
    std::vector<std::string> encoded;
    for (const auto& [organ, fileName] : savedPlotFiles()) {
        RgbImage image(PlotWidth, PlotHeight);
        if (run.completed && (chosen == GrowthOrgan::All || chosen == organ)) {
            image = plotCurve(run.growth.fittedData, run.growth.curves.getCurve(organ), scale);
        }
        encoded.push_back(encodeBmp(image));
    }
    std::vector<FileToWrite> files;
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        files.push_back({joinPath(folder, savedPlotFiles()[i].second), encoded[i]});
    }
    writeFilesAtomically(files);
}

void writeJson(std::ostream& out, const FitRun& run) {
    const GrowthData& data = run.growth.fittedData;
    JsonWriter json;
    json.beginObject();
    json.key("messages").stringArray(messageTexts(run.messages));
    json.key("boxes").beginObject();
    json.key("bottom").value(run.boxes[0]);
    json.key("top").value(run.boxes[1]);
    json.key("slope").value(run.boxes[2]);
    json.key("tmid").value(run.boxes[3]);
    json.endObject();
    json.key("data_last_row").value(data.dataLastRow);
    json.key("life_cycle_time").value(data.lifeCycleTime);
    json.key("data_time").beginArray();
    for (int row = 0; row <= data.dataLastRow; ++row) {
        json.value(data.dataTime[static_cast<std::size_t>(row)]);
    }
    json.endArray();
    json.key("data_mean").beginArray();
    for (int row = 0; row <= data.dataLastRow; ++row) {
        json.value(data.dataMean[static_cast<std::size_t>(row)]);
    }
    json.endArray();
    json.key("curves").beginArray();
    for (int organ = 0; organ < GrowthOrganCount; ++organ) {
        const GrowthFunction& curve = run.growth.curves.getCurve(static_cast<GrowthOrgan>(organ));
        json.beginArray().value(curve.bottom).value(curve.top).value(curve.slope);
        json.value(curve.tmid).endArray();
    }
    json.endArray();
    json.endObject();
    out << json.text() << "\n";
}

void writeText(std::ostream& out, const FitRun& run, const std::string& fileName) {
    printMessages(out, run.messages, fileName);
    out << "bottom: " << run.boxes[0] << "\n";
    out << "top: " << run.boxes[1] << "\n";
    out << "slope: " << run.boxes[2] << "\n";
    out << "tmid: " << run.boxes[3] << "\n";
}

// Reads FILE, fits a curve for the chosen organ (all six by default) and, with --plots, saves
// the plots into that folder, as "Read Data", "Fit Curve" and "Save Image" do on the page.
class FitCommand : public Command {
public:
    const char* name() const override { return "fit"; }
    std::string usage() const override { return FitUsage; }
    const char* work() const override { return "fit the growth data"; }
    const char* summary() const override {
        return "Fits a logistic growth curve to a growth data file, for one organ or all.";
    }
    void define(CLI::App& app) override {
        app.add_option("FILE", file_, "the growth data file")->required();
        app.add_option("--organ", organ_, "the organ whose curve is fitted")
            ->check(CLI::IsMember(growthOrganNames()))
            ->capture_default_str();
        app.add_option("--scale", scale_, "pixels per time unit of the plots")
            ->check(wholeNumber(1, 10))
            ->capture_default_str();
        app.add_option("--plots", plots_, "saves the five curve plots as bitmaps in this folder")
            ->type_name(std::string(FolderType));
        app.add_flag("--json", json_, "one JSON object instead of text");
    }
    int run(std::ostream& out, std::ostream& err) override;

private:
    std::string file_;
    std::string organ_ = "all";
    int scale_ = 2;
    std::string plots_;
    bool json_ = false;
};

int FitCommand::run(std::ostream& out, std::ostream&) {
    const GrowthOrgan organ = organFromName(organ_, "--organ");
    FitRun run;
    try {
        fit(run, file_, organ);
        if (!plots_.empty() && run.completed) {
            savePlots(run, organ, scale_, plots_);
        }
    } catch (const StandardError& error) {
        addError(run.messages, error.what());
        run.completed = false;
    }

    if (json_) {
        writeJson(out, run);
    } else {
        writeText(out, run, file_);
    }
    return run.completed ? 0 : 1;
}

} // namespace

std::unique_ptr<Command> makeFitCommand() {
    return std::make_unique<FitCommand>();
}

} // namespace burgeon
