#include "growth/GrowthDataLine.h"
#include "base/StandardError.h"
#include "base/TextLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace burgeon;

namespace {

// The fields of a line as the fit reads them, converted.
std::vector<double> readFields(std::string_view line) {
    std::string_view rest = trimControl(line);
    std::vector<double> fields;
    while (!rest.empty()) {
        fields.push_back(convertDataField(takeDataField(rest)));
    }
    return fields;
}

std::string conversionMessage(std::string_view line) {
    try {
        readFields(line);
    } catch (const StandardError& error) {
        return error.what();
    }
    return "";
}

} // namespace

TEST(GrowthDataLine, OneSeparatorThenBlanksBetweenFields) {
    const std::vector<double> expected{3, 1.2, 0.8};
    EXPECT_EQ(readFields("3 1.2 0.8"), expected);
    EXPECT_EQ(readFields("3,1.2,0.8"), expected);
    EXPECT_EQ(readFields("3, 1.2, 0.8"), expected);
    EXPECT_EQ(readFields("3;1.2;0.8;"), expected);
    EXPECT_EQ(readFields("  \t3\t1.2\t\t0.8 \r"), expected);
    EXPECT_EQ(readFields("3\"1.2'0.8"), expected);
    EXPECT_EQ(readFields("3:1.2<0.8>"), expected);
    EXPECT_EQ(readFields("3?1.2_0.8~"), expected);
    EXPECT_EQ(readFields("3`1.2\x7f"
                         "0.8"),
              expected);
    EXPECT_EQ(readFields("3\xb0"
                         "1.2\xff"
                         "0.8"),
              expected);
    EXPECT_EQ(readFields("0.5 .5 5."), (std::vector<double>{0.5, 0.5, 5}));
    EXPECT_EQ(countDataFields("3;1.2;0.8;"), 3U);
    EXPECT_EQ(countDataFields("   "), 0U);
}

TEST(GrowthDataLine, EmptyAndMalformedFieldsAreConversionErrors) {
    const std::string empty = "'' is not a valid floating point value";
    EXPECT_EQ(conversionMessage("3 , 1.2"), empty);
    EXPECT_EQ(conversionMessage("3 1.2 ;"), empty);
    EXPECT_EQ(conversionMessage("3,,1.2"), empty);
    EXPECT_EQ(conversionMessage("+3 1"), empty);
    EXPECT_EQ(conversionMessage(", 3"), empty);
    EXPECT_EQ(conversionMessage("1.2.3 4"), "'1.2.3' is not a valid floating point value");
    EXPECT_EQ(conversionMessage("3 ."), "'.' is not a valid floating point value");
    // A run of digits too long for a double is no number either.
    const std::string huge = "1" + std::string(400, '0');
    EXPECT_EQ(conversionMessage("3 " + huge), "'" + huge + "' is not a valid floating point value");
}

TEST(GrowthDataLine, ForbiddenCharactersAreExactlyTheListedCodes) {
    std::string forbidden = "!#$%&()*-/=@[\\]^{|}";
    for (char c = 'A'; c <= 'Z'; ++c) {
        forbidden += c;
    }
    for (char c = 'a'; c <= 'z'; ++c) {
        forbidden += c;
    }
    for (int code = 0; code < 256; ++code) {
        const char c = static_cast<char>(code);
        const bool expected = forbidden.find(c) != std::string::npos;
        EXPECT_EQ(holdsForbiddenCharacter(std::string("1 2") + c + "3"), expected) << code;
    }
    EXPECT_TRUE(holdsForbiddenCharacter("1 -2"));
    EXPECT_TRUE(holdsForbiddenCharacter("t 1 2"));
    EXPECT_TRUE(holdsForbiddenCharacter("1 2e3"));
    EXPECT_FALSE(holdsForbiddenCharacter("3 , 1.2"));
}
