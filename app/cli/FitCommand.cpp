#include "app/cli/Arguments.h"
#include "app/cli/Commands.h"
#include "app/cli/OrganOption.h"
#include "base/FileIo.h"
#include "base/JsonWriter.h"
#include "base/NumberText.h"
#include "base/StandardError.h"
#include "base/TextLines.h"
#include "growth/GrowthDataFile.h"
#include "growth/GrowthFit.h"
#include "growth/GrowthPlot.h"
#include "imageio/BmpWriter.h"
#include "project/PlantGrowth.h"

#include <array>
#include <ostream>

namespace burgeon {

const char* const fitUsage = "burgeon fit FILE [--organ internode|petiole|leaf-length|leaf-width|"
                             "apex|flower|all] [--scale N] [--plots DIR] [--json]";

namespace {

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
    run.boxes = {formatGeneral(curve.Bottom), formatGeneral(curve.Top), formatGeneral(curve.Slope),
                 formatGeneral(curve.Tmid)};
    commitFittedCurve(run.growth, organ, curve, text);
    run.completed = true;
}

// The five plot files; a plot of a curve that was not fitted stays white.
void savePlots(const FitRun& run, GrowthOrgan chosen, int scale, const std::string& folder) {
    for (const auto& [organ, fileName] : savedPlotFiles()) {
        RgbImage image(PlotWidth, PlotHeight);
        if (run.completed && (chosen == GrowthOrgan::All || chosen == organ)) {
            image = plotCurve(run.growth.fittedData, run.growth.curves.getCurve(organ), scale);
        }
        writeBmpFile(joinPath(folder, fileName), image);
    }
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
    json.key("data_last_row").value(data.DataLastRow);
    json.key("life_cycle_time").value(data.LifeCycleTime);
    json.key("data_time").beginArray();
    for (int row = 0; row <= data.DataLastRow; ++row) {
        json.value(data.DataTime[static_cast<std::size_t>(row)]);
    }
    json.endArray();
    json.key("data_mean").beginArray();
    for (int row = 0; row <= data.DataLastRow; ++row) {
        json.value(data.DataMean[static_cast<std::size_t>(row)]);
    }
    json.endArray();
    json.key("curves").beginArray();
    for (int organ = 0; organ < GrowthOrganCount; ++organ) {
        const GrowthFunction& curve = run.growth.curves.getCurve(static_cast<GrowthOrgan>(organ));
        json.beginArray().value(curve.Bottom).value(curve.Top).value(curve.Slope);
        json.value(curve.Tmid).endArray();
    }
    json.endArray();
    json.endObject();
    out << json.text() << "\n";
}

void writeText(std::ostream& out, const FitRun& run) {
    for (const Message& message : run.messages) {
        out << "message: " << message.text << "\n";
    }
    out << "bottom: " << run.boxes[0] << "\n";
    out << "top: " << run.boxes[1] << "\n";
    out << "slope: " << run.boxes[2] << "\n";
    out << "tmid: " << run.boxes[3] << "\n";
}

} // namespace

// Reads FILE, fits a curve for the chosen organ (all six by default) and, with --plots, saves
// the plots into that folder, as "Read Data", "Fit Curve" and "Save Image" do on the page.
int runFitCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream&) {
    const Arguments args(arguments, {"organ", "scale", "plots"}, {"json"});
    if (args.positional().size() != 1) {
        throw UsageError{"expected one FILE"};
    }
    const auto organ = static_cast<GrowthOrgan>(organOption(args));
    const int scale = args.integerOption("scale", 2, 1, 10);

    FitRun run;
    try {
        fit(run, args.positional().front(), organ);
        if (const auto folder = args.option("plots"); folder && run.completed) {
            savePlots(run, organ, scale, *folder);
        }
    } catch (const StandardError& error) {
        addError(run.messages, error.what());
        run.completed = false;
    }

    if (args.has("json")) {
        writeJson(out, run);
    } else {
        writeText(out, run);
    }
    return run.completed ? 0 : 1;
}

} // namespace burgeon
