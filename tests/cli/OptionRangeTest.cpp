// Every number option of every command refuses what its output cannot hold (not a number, an
// infinity, a value out of its range) with a usage error that names the option and its range
// in a few words, before any work is done.
#include "testing/RunBurgeon.h"
#include "testing/SamplePlants.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

using burgeon::testing::exampleLsystems;
using burgeon::testing::examplesFolder;
using burgeon::testing::runBurgeon;

namespace {

struct OptionCase {
    std::vector<std::string> command; // the command and what it needs besides the option
    std::string option;
    std::vector<std::string> refused;
    std::string kind;  // "whole number" or "number"
    std::string range; // as the message and the help state it; empty: any finite number
};

std::vector<OptionCase> optionCases() {
    const std::string lsystem = exampleLsystems();
    const std::string data = examplesFolder() + "/growth/leaf-length.txt";
    const std::vector<std::string> render = {"render", "--lsystem", lsystem, "--out", "x.png"};
    const std::vector<std::string> animate = {"animate", "--lsystem", lsystem, "--from",
                                              "1",       "--to",      "2"};
    const std::vector<std::string> video = {"animate", "--lsystem", lsystem,   "--from", "1",
                                            "--to",    "2",         "--video", "x.mp4"};
    const std::vector<std::string> exportMesh = {"export", "--lsystem", lsystem, "--out", "x.glb"};
    const std::vector<std::string> nonFinite = {"nan", "inf", "-inf", "1e999"};
    auto with = [](std::vector<std::string> values, std::initializer_list<const char*> more) {
        values.insert(values.end(), more.begin(), more.end());
        return values;
    };
    const std::string whole = "whole number";
    const std::string number = "number";
    return {
        {{"lsystem", lsystem},
         "--block",
         with(nonFinite, {"0", "1.5", "3e9"}),
         whole,
         "1 to 2147483647"},
        {{"lsystem", lsystem}, "--seed", with(nonFinite, {"-1", "0.5"}), whole, "0 to 2147483647"},
        {{"lsystem", lsystem},
         "--max-seconds",
         with(nonFinite, {"0", "-1", "1e300"}),
         number,
         "0.001 to 1000000000"},
        {{"session", "x.burgeon"},
         "--max-seconds",
         with(nonFinite, {"0"}),
         number,
         "0.001 to 1000000000"},
        {{"fit", data}, "--scale", with(nonFinite, {"0", "11", "2.5"}), whole, "1 to 10"},
        {render, "--leaf", with(nonFinite, {"0", "1001"}), whole, "1 to 1000"},
        {render, "--texture", with(nonFinite, {"0", "16"}), whole, "1 to 15"},
        {render, "--time", nonFinite, number, ""},
        {exportMesh, "--time", nonFinite, number, ""},
        {with(exportMesh, {"--animate", "1:2:1"}), "--fps",
         with(nonFinite, {"0", "1e-40", "1e300", "-25"}), number, "0.001 to 1000"},
        {animate, "--from", with(nonFinite, {"-1", "501", "2.5"}), whole, "0 to 500"},
        {animate, "--to", with(nonFinite, {"1001"}), whole, "0 to 1000"},
        {animate, "--step", with(nonFinite, {"0", "2"}), number, "0.01 to 1"},
        {animate, "--quality", with(nonFinite, {"101"}), whole, "0 to 100"},
        {animate, "--delay", with(nonFinite, {"0", "101"}), whole, "1 to 100"},
        {video, "--fps", with(nonFinite, {"0", "2.5", "241"}), whole, "1 to 240"},
        {video, "--crf", with(nonFinite, {"-1", "64"}), whole, "0 to 63"},
    };
}

TEST(OptionRange, EveryNumberOptionRefusesWhatItsOutputCannotHold) {
    const std::regex longNumber("[0-9]{20}");
    for (const OptionCase& c : optionCases()) {
        for (const std::string& value : c.refused) {
            std::vector<std::string> arguments = c.command;
            arguments.push_back(c.option);
            arguments.push_back(value);
            SCOPED_TRACE(arguments[0] + " " + c.option + " " + value);
            const auto result = runBurgeon(arguments);
            EXPECT_EQ(result.status, 2) << result.err;
            const std::string said = c.range.empty()
                                         ? value + " is not a finite number"
                                         : value + " is not a " + c.kind + " from " + c.range;
            EXPECT_NE(result.err.find(said), std::string::npos) << result.err;
            EXPECT_NE(result.err.find(" " + c.option + ": "), std::string::npos) << result.err;
            EXPECT_FALSE(std::regex_search(result.err, longNumber)) << result.err;
        }
    }
}

TEST(OptionRange, MessagesFitWhatWasTyped) {
    const std::string lsystem = exampleLsystems();
    const auto rate = runBurgeon({"animate", "--lsystem", lsystem, "--from", "1", "--to", "2",
                                  "--video", "x.mp4", "--fps", "2.5"});
    EXPECT_EQ(rate.err.substr(0, rate.err.find('\n')),
              "burgeon animate: --fps: 2.5 is not a whole number from 1 to 240");
    const auto pace = runBurgeon(
        {"export", "--lsystem", lsystem, "--out", "x.glb", "--animate", "1:2:1", "--fps", "0"});
    EXPECT_EQ(pace.err.substr(0, pace.err.find('\n')),
              "burgeon export: --fps: 0 is not a number from 0.001 to 1000");
    // Refused before the plant is built: the L-system file is not even read.
    const auto frames = runBurgeon({"export", "--lsystem", "/nonexistent/plant.Lsys", "--out",
                                    "x.glb", "--animate", "0:20000:1"});
    EXPECT_EQ(frames.status, 2);
    EXPECT_EQ(frames.err.substr(0, frames.err.find('\n')),
              "burgeon export: --animate '0:20000:1' makes more than 10000 frames, the most a "
              "growth animation holds");
    const auto help = runBurgeon({"animate", "--help"});
    EXPECT_NE(help.out.find("--fps INT:in 1 to 240"), std::string::npos) << help.out;
}

} // namespace
