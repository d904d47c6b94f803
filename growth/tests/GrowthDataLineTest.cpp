#include "growth/GrowthDataLine.h"
#include "base/StandardError.h"
#include "base/TextLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace burgeon;

namespace {

// The fields of a line as the fit reads them, converted; the message when one is no number.
std::vector<double> readFields(std::string_view line, std::string* message = nullptr) {
    std::string_view rest = trimControl(line);
    std::vector<double> fields;
    try {
        while (!rest.empty()) {
            fields.push_back(convertDataField(takeDataField(rest)));
        }
    } catch (const StandardError& error) {
        *message = error.what();
    }
    return fields;
}

} // namespace

TEST(GrowthDataLine, OneSeparatorThenBlanksBetweenFields) {
    for (const char* line : {"3 1.2 0.8", "3,1.2,0.8", "3, 1.2, 0.8", "3;1.2;0.8;",
                             " \t3\t1.2\t\t0.8 \r", "3\"1.2'0.8", "3:1.2<0.8>", "3?1.2_0.8~",
                             // Octal escapes end after three digits, where a hex escape would
                             // take the digits that follow it.
                             "3`1.2\1770.8", "3\2601.2\3770.8"}) {
        EXPECT_EQ(readFields(line), (std::vector<double>{3, 1.2, 0.8})) << line;
    }
    EXPECT_EQ(readFields("0.5 .5 5."), (std::vector<double>{0.5, 0.5, 5}));
    EXPECT_EQ(countDataFields("3;1.2;0.8;"), 3U);
}

TEST(GrowthDataLine, EmptyAndMalformedFieldsAreConversionErrors) {
    const std::string huge = "1" + std::string(400, '0'); // too long for a double
    for (const auto& [line, field] : std::vector<std::pair<std::string, std::string>>{
             {"3 , 1.2", ""},
             {"3 1.2 ;", ""},
             {"3,,1.2", ""},
             {"+3 1", ""},
             {"1.2.3 4", "1.2.3"},
             {"3 .", "."},
             // Cut after 40 characters.
             {"3 " + huge, huge.substr(0, 40) + "\xE2\x80\xA6"}}) {
        std::string message;
        readFields(line, &message);
        EXPECT_EQ(message, "'" + field + "' is not a valid floating point value") << line;
    }
}

TEST(GrowthDataLine, ForbiddenCharactersAreExactlyTheListedCodes) {
    std::string forbidden = "!#$%&()*-/=@[\\]^{|}";
    for (char c = 'A'; c <= 'Z'; ++c) {
        forbidden += {c, static_cast<char>(c + 32)};
    }
    for (int code = 0; code < 256; ++code) {
        const char c = static_cast<char>(code);
        EXPECT_EQ(holdsForbiddenCharacter(std::string("1 2") + c + "3"),
                  forbidden.find(c) != std::string::npos)
            << code;
    }
}
