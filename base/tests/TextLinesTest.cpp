#include "base/TextLines.h"

#include <gtest/gtest.h>

using namespace burgeon;
using Lines = std::vector<std::string>;

TEST(SplitLines, AFinalLineBreakStartsNoExtraLine) {
    EXPECT_EQ(splitLines(""), Lines{});
    EXPECT_EQ(splitLines("a"), Lines{"a"});
    EXPECT_EQ(splitLines("a\nb\n"), (Lines{"a", "b"}));
    EXPECT_EQ(splitLines("a\r\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(splitLines("a\n\n"), (Lines{"a", ""}));
    EXPECT_EQ(splitLines("\n"), Lines{""});
}

TEST(SplitLines, JoinIsItsInverse) {
    const Lines lines{"Plant{", "     Iterations=1", "", "}"};
    EXPECT_EQ(splitLines(joinLines(lines)), lines);
}

TEST(TrimControl, RemovesBlanksAndControlCharacters) {
    EXPECT_EQ(trimControl(" \t\x01 x y \r\x1f"), "x y");
    EXPECT_EQ(trimControl("   "), "");
    EXPECT_EQ(trimLeftControl("  a "), "a ");
    EXPECT_EQ(trimRightControl("  a "), "  a");
    EXPECT_EQ(toLowerAscii("ITERATIONS"), "iterations");
    EXPECT_EQ(toUpperAscii("EndRule"), "ENDRULE");
}
