#include "testing/RunBurgeon.h"

#include <gtest/gtest.h>

using burgeon::testing::runBurgeon;

TEST(CommandLine, UnknownCommandsAndOptionsAreUsageErrors) {
    const auto unknown = runBurgeon({"grow"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("unknown command 'grow'"), std::string::npos);
    EXPECT_NE(unknown.err.find("usage:"), std::string::npos);

    const auto badOption = runBurgeon({"lsystem", "x.Lsys", "--colour", "red"});
    EXPECT_EQ(badOption.status, 2);
    EXPECT_NE(badOption.err.find("unknown option --colour"), std::string::npos);
}

TEST(CommandLine, HelpListsTheCommands) {
    const auto help = runBurgeon({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("burgeon lsystem FILE"), std::string::npos);
}
