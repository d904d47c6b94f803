#include "cli/Commands.h"
#include "cli/FileTypeNames.h"
#include "cli/NumberOptions.h"
#include "cli/PlantOptions.h"

#include "base/JsonWriter.h"
#include "base/NumberText.h"
#include "base/StandardError.h"
#include "project/PlantBuild.h"
#include "project/Session.h"
#include "project/SessionKeys.h"

#include <filesystem>
#include <memory>
#include <ostream>

namespace burgeon {

namespace {

const char* const SessionUsage =
    "burgeon session FILE [--set KEY=VALUE] [--max-seconds S] [--json] | burgeon session save OUT "
    "(--session S | --lsystem FILE) [--growth ORGAN=DATA] ...";

// What a summary of a session tells.
struct SessionSummary {
    std::string name;
    int organs = 0;
    int mainStem = 0;
    int levels = 0;
    int leaves = 0;
    int flowers = 0;
    double timeAxisEnd = 0.0;
};

SessionSummary summarise(const PlantProject& project, const std::string& name) {
    SessionSummary summary;
    summary.name = project.plant.definition.lsystemName;
    const PlantState& plant = project.plant;
    summary.organs = plant.nodeCount;
    summary.mainStem = plant.mainStemCount;
    summary.levels = plant.maxLevel;
    for (int k = 1; k <= plant.nodeCount; ++k) {
        const PlantNode& node = plant.nodes[static_cast<std::size_t>(k)];
        summary.leaves += node.hasLeaf;
        summary.flowers += node.hasFlower != 0 && node.hasLeaf == 0 ? 1 : 0;
    }
    // The end of the view's time axis, where the clock loops back to 1.
    summary.timeAxisEnd =
        static_cast<double>(roundHalfEven(std::abs(1.0 - project.parameters.nodeBirthRate) *
                                          project.growth.fittedData.lifeCycleTime) +
                            150);
    (void)name;
    return summary;
}

std::string curveText(const GrowthFunction& curve) {
    return "(" + formatGeneral(curve.bottom) + ", " + formatGeneral(curve.top) + ", " +
           formatGeneral(curve.slope) + ", " + formatGeneral(curve.tmid) + ")";
}

void printSummary(std::ostream& out, const PlantProject& project, const SessionSummary& s) {
    out << "L-system: " << s.name << ", " << project.plant.resultString.size()
        << " characters after " << project.plant.definition.iterations << " iterations\n";
    out << "plant: " << s.organs << " organs, " << s.mainStem << " on the main stem, " << s.levels
        << " levels, " << s.leaves << " leaves, " << s.flowers << " flowers\n";
    for (std::size_t i = 0; i < OrganKeys.size(); ++i) {
        const std::string& data = project.growth.data[i];
        out << "curve " << OrganKeys[i] << ": "
            << curveText(project.growth.curves.getCurve(static_cast<GrowthOrgan>(i)))
            << (data.empty() ? ", typed in" : ", fitted to data") << "\n";
    }
    out << "time: " << formatGeneral(project.animation.currentTime) << " shown, the time axis runs "
        << "from 1 to " << formatGeneral(s.timeAxisEnd) << "\n";
}

void printJson(std::ostream& out, const PlantProject& project, const SessionSummary& s) {
    JsonWriter json;
    json.beginObject();
    json.key("lsystem").value(s.name);
    json.key("result_length").value(static_cast<double>(project.plant.resultString.size()));
    json.key("organs").value(s.organs);
    json.key("main_stem").value(s.mainStem);
    json.key("levels").value(s.levels);
    json.key("leaves").value(s.leaves);
    json.key("flowers").value(s.flowers);
    json.key("curves").beginObject();
    for (std::size_t i = 0; i < OrganKeys.size(); ++i) {
        const GrowthFunction& curve = project.growth.curves.getCurve(static_cast<GrowthOrgan>(i));
        json.key(std::string(OrganKeys[i])).beginObject();
        json.key("bottom").value(curve.bottom).key("top").value(curve.top);
        json.key("slope").value(curve.slope).key("tmid").value(curve.tmid);
        json.key("from_data").value(!project.growth.data[i].empty());
        json.endObject();
    }
    json.endObject();
    json.key("current_time").value(project.animation.currentTime);
    json.key("time_axis_end").value(s.timeAxisEnd);
    json.endObject();
    out << json.text() << '\n';
}

class SessionCommand : public Command {
public:
    const char* name() const override { return "session"; }
    std::string usage() const override { return SessionUsage; }
    const char* work() const override { return "work on the session"; }
    const char* summary() const override {
        return "Checks a session file and summarises its plant, or builds a session from an "
               "L-system, growth data and shapes (session save).";
    }
    void define(CLI::App& app) override {
        app.add_option("FILE", file_, "the session file to check")->type_name(fileType("burgeon"));
        app.add_option("--set", settings_, "KEY=VALUE: a session value by its key path");
        app.add_flag("--json", json_, "one JSON object instead of text");
        addMaxSecondsOption(app, maxSeconds_);
        save_ = app.add_subcommand("save", "builds a session file from the plant options");
        save_->set_help_flag("-h,--help", "print this help and exit");
        save_->add_option("OUT", out_, "the session file to write (.burgeon)")
            ->type_name(fileType("burgeon"))
            ->required();
        plant_.define(*save_);
        app.require_subcommand(0, 1);
    }
    int run(std::ostream& out, std::ostream& err) override {
        return save_->parsed() ? save(out, err) : check(out, err);
    }

private:
    int check(std::ostream& out, std::ostream& err);
    int save(std::ostream& out, std::ostream& err);

    std::string file_;
    std::vector<std::string> settings_;
    bool json_ = false;
    std::optional<double> maxSeconds_;
    CLI::App* save_ = nullptr;
    std::string out_;
    PlantOptions plant_;
};

int SessionCommand::check(std::ostream& out, std::ostream& err) {
    if (file_.empty()) {
        throw UsageError{"expected a session FILE, or save OUT"};
    }
    HeadlessPlant plant;
    PlantOptions options;
    options.recipe.session = file_;
    options.recipe.settings = settings_;
    options.recipe.seed = 0;
    const CompileWatch watch(maxSeconds_);
    if (!buildPlantFromOptions(plant, options, "session", watch, err)) {
        return 1;
    }
    const SessionSummary summary = summarise(plant.project, file_);
    if (json_) {
        printJson(out, plant.project, summary);
    } else {
        out << file_ << ": a valid session\n";
        printSummary(out, plant.project, summary);
    }
    return 0;
}

int SessionCommand::save(std::ostream& out, std::ostream& err) {
    HeadlessPlant plant;
    const CompileWatch watch(plant_.maxSeconds);
    if (!buildPlantFromOptions(plant, plant_, "session save", watch, err)) {
        return 1;
    }
    try {
        saveSession(plant.project, out_);
    } catch (const StandardError& error) {
        err << error.what() << '\n';
        return 1;
    }
    out << out_ << ": " << plant.project.plant.nodeCount << " organs\n";
    return 0;
}

} // namespace

std::unique_ptr<Command> makeSessionCommand() {
    return std::make_unique<SessionCommand>();
}

} // namespace burgeon
