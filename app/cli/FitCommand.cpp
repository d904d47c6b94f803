#include "app/cli/Arguments.h"
#include "app/cli/Commands.h"
#include "app/cli/OrganOption.h"
#include "base/JsonWriter.h"
#include "base/RecordingUserInterface.h"
#include "growth/GrowthCurves.h"
#include "growth/GrowthData.h"
#include "growth/GrowthFunctionPage.h"

#include <array>
#include <ostream>

namespace burgeon {

const char* const fitUsage = "burgeon fit FILE [--organ internode|petiole|leaf-length|leaf-width|"
                             "apex|flower|all] [--scale N] [--plots DIR] [--json]";

namespace {

void writeJson(std::ostream& out, const RecordingUserInterface& ui, const GrowthFunctionPage& page,
               const GrowthData& data, const GrowthCurves& curves) {
    JsonWriter json;
    json.beginObject();
    json.key("messages").stringArray(ui.messages);
    json.key("boxes").beginObject();
    json.key("bottom").value(page.bottomBox.text());
    json.key("top").value(page.topBox.text());
    json.key("slope").value(page.slopeBox.text());
    json.key("tmid").value(page.tmidBox.text());
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
        const GrowthFunction& curve = curves.getCurve(static_cast<GrowthOrgan>(organ));
        json.beginArray().value(curve.Bottom).value(curve.Top).value(curve.Slope);
        json.value(curve.Tmid).endArray();
    }
    json.endArray();
    json.endObject();
    out << json.text() << "\n";
}

void writeText(std::ostream& out, const RecordingUserInterface& ui,
               const GrowthFunctionPage& page) {
    for (const auto& message : ui.messages) {
        out << "message: " << message << "\n";
    }
    out << "bottom: " << page.bottomBox.text() << "\n";
    out << "top: " << page.topBox.text() << "\n";
    out << "slope: " << page.slopeBox.text() << "\n";
    out << "tmid: " << page.tmidBox.text() << "\n";
}

} // namespace

// "Read Data" with FILE chosen in the dialog, then "Fit Curve" with the chosen function and
// image scaling, then, with --plots, "Save Image" into that folder.
int runFitCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream&) {
    const Arguments args(arguments, {"organ", "scale", "plots"}, {"json"});
    if (args.positional().size() != 1) {
        throw UsageError{"expected one FILE"};
    }
    const int choice = organOption(args);
    const int scale = args.integerOption("scale", 2, 1, 10);

    RecordingUserInterface ui;
    GrowthCurves curves;
    GrowthData data;
    GrowthFunctionPage page(ui, curves, data);
    page.functionChoice.setItemIndex(choice);
    // Set before the fit, so that the change does not run a fit of its own.
    page.presetImageScaling(scale);

    ui.fileAnswers.push_back(args.positional().front());
    bool completed = page.readData() && page.fitCurve();
    if (const auto folder = args.option("plots"); folder && completed) {
        completed = page.saveImages(*folder);
    }

    if (args.has("json")) {
        writeJson(out, ui, page, data, curves);
    } else {
        writeText(out, ui, page);
    }
    return completed ? 0 : 1;
}

} // namespace burgeon
