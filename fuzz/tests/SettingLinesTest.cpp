#include "fuzz/SettingLines.h"

#include <gtest/gtest.h>

namespace burgeon {
namespace {

TEST(SettingLines, TakesTheLeadingSetLinesUpToTheMostAndLeavesTheRest) {
    const SettingLines two = splitSettingLines("--set a=1\n--set b=2\nSession{\n--set c=3\n", 4);
    EXPECT_EQ(two.settings, (std::vector<std::string>{"a=1", "b=2"}));
    EXPECT_EQ(two.rest, "Session{\n--set c=3\n");

    const SettingLines capped = splitSettingLines("--set a=1\n--set b=2\n--set c=3\nrest", 2);
    EXPECT_EQ(capped.settings, (std::vector<std::string>{"a=1", "b=2"}));
    EXPECT_EQ(capped.rest, "--set c=3\nrest");

    // A last line without its newline is a setting too, and leaves no session text.
    const SettingLines unended = splitSettingLines("--set a=1", 4);
    EXPECT_EQ(unended.settings, (std::vector<std::string>{"a=1"}));
    EXPECT_EQ(unended.rest, "");

    // Only "--set " at the very start of a line counts.
    const SettingLines none = splitSettingLines(" --set a=1\n--setb=2\n", 4);
    EXPECT_TRUE(none.settings.empty());
    EXPECT_EQ(none.rest, " --set a=1\n--setb=2\n");
}

} // namespace
} // namespace burgeon
