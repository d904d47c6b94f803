#include "cli/CommandLineParser.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace burgeon;

namespace {

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

TEST(CommandLineParser, ChoosesTheCommandWithoutRunningIt) {
    // The file does not exist and the folder is never written: only the parse happens.
    const std::string nowhere = "/nonexistent/burgeon-parse";
    const ParsedCommandLine render = parseCommandLine(
        {"render", "--lsystem", nowhere + "/p.Lsys", "--out", nowhere + "/p.png", "--organs",
         nowhere + "/o.csv", "--size", "64x48", "--set", "parameters.wind=2"});
    ASSERT_NE(render.chosen, nullptr);
    EXPECT_STREQ(render.chosen->name(), "render");
    EXPECT_EQ(render.status, 0);
    EXPECT_EQ(render.out, "");
    EXPECT_EQ(render.err, "");
    EXPECT_FALSE(std::filesystem::exists(nowhere));

    const ParsedCommandLine save =
        parseCommandLine({"session", "save", nowhere + "/s.burgeon", "--lsystem", "p.Lsys"});
    ASSERT_NE(save.chosen, nullptr);
    EXPECT_STREQ(save.chosen->name(), "session");

    // A later word that names a command is the first command's argument, never a second
    // command: a file may be called "render".
    const ParsedCommandLine file = parseCommandLine({"lsystem", "render"});
    ASSERT_NE(file.chosen, nullptr);
    EXPECT_STREQ(file.chosen->name(), "lsystem");
    const ParsedCommandLine two = parseCommandLine({"render", "lsystem"});
    EXPECT_EQ(two.chosen, nullptr);
    EXPECT_EQ(two.status, 2);
    EXPECT_TRUE(contains(two.err, "burgeon render: unexpected argument 'lsystem'"));
    const ParsedCommandLine again = parseCommandLine({"render", "render"});
    EXPECT_TRUE(contains(again.err, "burgeon render: unexpected argument 'render'"));
    const ParsedCommandLine after = parseCommandLine({"lsystem", "p.Lsys", "render"});
    EXPECT_EQ(after.chosen, nullptr); // it once ran lsystem and dropped the word
    EXPECT_TRUE(contains(after.err, "burgeon lsystem: unexpected argument 'render'"));
}

TEST(CommandLineParser, AnswersHelpAndVersionWithTextAlone) {
    const ParsedCommandLine help = parseCommandLine({"help", "fit"});
    EXPECT_EQ(help.chosen, nullptr);
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(contains(help.out, "usage: burgeon fit FILE"));
    EXPECT_TRUE(contains(help.out, "--plots"));

    const ParsedCommandLine optionHelp = parseCommandLine({"lsystem", "--help"});
    EXPECT_EQ(optionHelp.chosen, nullptr);
    EXPECT_TRUE(contains(optionHelp.out, "--max-seconds"));

    const ParsedCommandLine version = parseCommandLine({"--version"});
    EXPECT_EQ(version.chosen, nullptr);
    EXPECT_TRUE(version.out.starts_with("burgeon "));

    const ParsedCommandLine nothing = parseCommandLine({});
    EXPECT_EQ(nothing.status, 2);
    EXPECT_TRUE(contains(nothing.err, "usage: burgeon"));
}

TEST(CommandLineParser, UsageErrorsNameTheFaultAndTheUsage) {
    struct Case {
        std::vector<std::string> arguments;
        std::string fault;
        std::string usage;
    };
    const std::vector<Case> cases = {
        {{"rendr"}, "burgeon: unknown command 'rendr'\ndid you mean 'render'?", "usage: burgeon"},
        {{"help", "grow"}, "burgeon: unknown command 'grow'", "usage: burgeon"},
        {{"lsystem", "x.Lsys", "--colour", "red"},
         "burgeon lsystem: unknown option --colour",
         "usage: burgeon lsystem FILE"},
        {{"lsystem", "x.Lsys", "--blok", "2"},
         "unknown option --blok; did you mean --block?",
         "usage: burgeon lsystem FILE"},
        {{"fit", "a.txt", "b.txt"},
         "burgeon fit: unexpected argument 'b.txt'",
         "usage: burgeon fit"},
        {{"fit", "a.txt", "--scale", "11"}, "burgeon fit: --scale", "usage: burgeon fit"},
        {{"fit"}, "burgeon fit: FILE is required", "usage: burgeon fit"},
        {{"render", "--seed", "x"}, "burgeon render: --seed", "usage: burgeon render"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.back());
        const ParsedCommandLine parsed = parseCommandLine(c.arguments);
        EXPECT_EQ(parsed.chosen, nullptr);
        EXPECT_EQ(parsed.status, 2);
        EXPECT_EQ(parsed.out, "");
        EXPECT_TRUE(contains(parsed.err, c.fault)) << parsed.err;
        EXPECT_TRUE(contains(parsed.err, c.usage)) << parsed.err;
    }
}
