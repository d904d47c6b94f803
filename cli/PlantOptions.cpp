#include "cli/PlantOptions.h"

#include "base/NumberText.h"
#include "base/PrintableText.h"
#include "cli/FileTypeNames.h"
#include "cli/NoticePrinting.h"
#include "cli/NumberOptions.h"
#include "components/LeafTextures.h"
#include "components/OrganShape.h"
#include "growth/GrowthOrganNames.h"

#include <climits>
#include <cmath>
#include <ostream>

namespace burgeon {

namespace {

constexpr int MaxPictureSide = 8192;
// The view's turns, as its sliders and a session hold them.
constexpr double MaxRotation = 180.0;

} // namespace

void PlantOptions::define(CLI::App& app) {
    app.add_option("--session", recipe.session, "the plant from a session file (.burgeon)")
        ->type_name(fileType("burgeon"));
    app.add_option("--set", recipe.settings,
                   "KEY=VALUE: a session value by its key path, e.g. "
                   "parameters.internodeLength=0.6 (repeatable)");
    app.add_option("--lsystem", recipe.lsystemFile, "the L-system file (instead of the session's)")
        ->type_name(fileType("Lsys"));
    app.add_option("--block", recipe.block, "the N-th L-system of a file that holds several")
        ->check(wholeNumber(1, INT_MAX));
    app.add_option("--seed", recipe.seed,
                   "fixes the main stem's jitter and the wind (default: the time)")
        ->check(wholeNumber(0, INT_MAX));
    app.add_option("--growth", recipe.growth,
                   "growth data fitted for --organ, or ORGAN=FILE for one organ (repeatable)")
        ->type_name("[ORGAN=]" + std::string(AnyFileType));
    app.add_option("--organ", recipe.organ, "the organ a --growth FILE is fitted for")
        ->check(CLI::IsMember(growthOrganNames()))
        ->capture_default_str();
    app.add_option("--shapes", recipe.shapes, "a leaf and flower shape library")
        ->type_name(std::string(AnyFileType));
    app.add_option("--leaf", recipe.leaf, "the library entry of the leaf (default 1)")
        ->check(wholeNumber(1, MaxLibraryEntries));
    app.add_option("--flower", recipe.flower, "the library entry of the flower (default 1)")
        ->check(wholeNumber(1, MaxLibraryEntries));
    app.add_option("--texture", recipe.texture, "a built-in leaf texture")
        ->check(wholeNumber(1, static_cast<int>(BuiltInLeafTextureFiles.size())));
    app.add_option("--rotate", rotate, "X,Y,Z: the view's rotation in degrees, each -180 to 180");
    app.add_option("--detail", detail,
                   "full: every stem and petiole at full detail; auto: each as finely as its "
                   "size on screen asks (default: the session's, else auto)")
        ->check(CLI::IsMember({"full", "auto"}));
    addMaxSecondsOption(app, maxSeconds);
}

PictureSize parsePictureSize(const std::string& text) {
    const auto cross = text.find('x');
    int width = 0;
    int height = 0;
    try {
        if (cross == std::string::npos) {
            throw UsageError{};
        }
        width = parseInteger(text.substr(0, cross));
        height = parseInteger(text.substr(cross + 1));
    } catch (...) {
        throw UsageError{"--size needs WIDTHxHEIGHT, not '" + printableField(text) + "'"};
    }
    if (width < 1 || height < 1 || width > MaxPictureSide || height > MaxPictureSide) {
        throw UsageError{"--size: each side must be 1.." + std::to_string(MaxPictureSide)};
    }
    return {width, height};
}

std::array<double, 3> parseRotation(const std::string& text) {
    std::array<double, 3> angles{0.0, 0.0, 0.0};
    std::size_t start = 0;
    for (std::size_t axis = 0; axis < 3; ++axis) {
        const auto comma = text.find(',', start);
        const bool last = axis == 2;
        if (last != (comma == std::string::npos)) {
            throw UsageError{"--rotate needs X,Y,Z in degrees, not '" + printableField(text) + "'"};
        }
        const std::string part = text.substr(start, last ? std::string::npos : comma - start);
        if (!tryParseFloat(part, angles[axis]) || !std::isfinite(angles[axis])) {
            throw UsageError{"--rotate needs X,Y,Z in degrees, not '" + printableField(text) + "'"};
        }
        if (std::fabs(angles[axis]) > MaxRotation) {
            throw UsageError{"--rotate needs each angle from -180 to 180, not '" +
                             printableField(text) + "'"};
        }
        start = comma + 1;
    }
    return angles;
}

bool buildPlantFromOptions(HeadlessPlant& plant, const PlantOptions& options,
                           const std::string& command, const CompileWatch& watch,
                           std::ostream& err) {
    const std::string prefix = "burgeon " + command + ": ";
    PlantRecipe recipe = options.recipe;
    if (recipe.session.empty() && recipe.lsystemFile.empty()) {
        throw UsageError{"--lsystem FILE or --session FILE is needed"};
    }
    if (!options.rotate.empty()) {
        recipe.rotation = parseRotation(options.rotate);
    }
    if (!options.detail.empty()) {
        recipe.detail = drawingDetailNamed(options.detail);
    }
    Outcome outcome = openPlant(recipe, plant, watch.compilation());
    if (outcome.ending == Outcome::Ending::BadRequest) {
        // What came before the refusal (a session's warnings) is still told.
        const std::string refusal = outcome.failureText();
        outcome.notices.pop_back();
        printNotices(err, outcome, prefix);
        throw UsageError{refusal};
    }
    printNotices(err, outcome, prefix);
    if (outcome.ending == Outcome::Ending::Stopped) {
        err << prefix << "the compilation stopped: " << watch.reason(outcome.stopCause) << '\n';
    }
    return outcome.completed();
}

} // namespace burgeon
