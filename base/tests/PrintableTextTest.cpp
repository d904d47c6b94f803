#include "base/PrintableText.h"
#include "base/StandardError.h"

#include <gtest/gtest.h>

#include <string>

using namespace burgeon;

namespace {

const std::string Ellipsis = "\xE2\x80\xA6";

} // namespace

TEST(PrintableText, ASymbolOnItsOwnIsAlwaysVisible) {
    EXPECT_EQ(printableByte('A'), "A");
    EXPECT_EQ(printableByte('\\'), "\\"); // a turn symbol, not an escape
    EXPECT_EQ(printableByte('~'), "~");
    EXPECT_EQ(printableByte('\0'), "\\x00");
    EXPECT_EQ(printableByte(' '), "\\x20");
    EXPECT_EQ(printableByte('\n'), "\\x0A");
    EXPECT_EQ(printableByte('\x7f'), "\\x7F");
    EXPECT_EQ(printableByte('\xe9'), "\\xE9"); // one byte of a character is no character
}

TEST(PrintableText, FieldsKeepTextAndShowWhatWouldVanish) {
    EXPECT_EQ(printableField("1.5 x"), "1.5 x");
    EXPECT_EQ(printableField(""), "");
    EXPECT_EQ(printableField(std::string("1\0"
                                         "2",
                                         3)),
              "1\\x002");
    EXPECT_EQ(printableField("a\tb\r\n"), "a\\x09b\\x0D\\x0A");
    EXPECT_EQ(printableField("caf\xC3\xA9 \xE2\x80\x94"), "caf\xC3\xA9 \xE2\x80\x94");
    EXPECT_EQ(printableField("caf\xE9"), "caf\\xE9");               // Latin-1, not UTF-8
    EXPECT_EQ(printableField("\xC0\x80"), "\\xC0\\x80");            // an overlong NUL
    EXPECT_EQ(printableField("\xED\xA0\x80"), "\\xED\\xA0\\x80");   // a lone surrogate
    EXPECT_EQ(printableField("\xC2\x85"), "\\xC2\\x85");            // a C1 line break
    EXPECT_EQ(printableField("\xEF\xBB\xBF{"), "\\xEF\\xBB\\xBF{"); // a byte order mark
    EXPECT_EQ(printableField("a\xE2\x80\xAE"
                             "b"),
              "a\\xE2\\x80\\xAE"
              "b");                                               // right-to-left override
    EXPECT_EQ(printableField("\xE2\x80\x8B"), "\\xE2\\x80\\x8B"); // a zero-width space
}

TEST(PrintableText, LongFieldsAreCutAfterFortyCharacters) {
    const std::string forty(40, '7');
    EXPECT_EQ(printableField(forty), forty);
    EXPECT_EQ(printableField(forty + "8"), forty + Ellipsis);
    EXPECT_EQ(printableField(std::string(1000000, '9')), std::string(40, '9') + Ellipsis);
    // Characters are counted, not bytes, and an escape counts as the one byte it shows.
    std::string accented;
    for (int i = 0; i < 41; ++i) {
        accented += "\xC3\xA9";
    }
    EXPECT_EQ(printableField(accented), accented.substr(0, 80) + Ellipsis);
    EXPECT_EQ(printableField(std::string(45, '\0')).size(), 40 * 4 + Ellipsis.size());
    EXPECT_EQ(printableField("abcdef", 3), "abc" + Ellipsis);
}

TEST(PrintableText, Utf8Validity) {
    EXPECT_TRUE(isValidUtf8(""));
    EXPECT_TRUE(isValidUtf8("plain \xC3\xA9 \xE2\x82\xAC \xF0\x9F\x8C\xB1"));
    EXPECT_TRUE(isValidUtf8(std::string("nul\0inside", 10)));
    EXPECT_FALSE(isValidUtf8("\xE9"));
    EXPECT_FALSE(isValidUtf8("\xC3"));             // cut short
    EXPECT_FALSE(isValidUtf8("\xE0\x80\xAF"));     // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xB0\x80"));     // surrogate
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80")); // beyond U+10FFFF
    EXPECT_FALSE(isValidUtf8("\xF8\x88\x80\x80\x80"));
    EXPECT_FALSE(isValidUtf8("\x80"));
}

TEST(PrintableText, ConversionMessagesQuoteThePrintableField) {
    EXPECT_STREQ(StandardError::notAFloat(std::string("1\0", 2)).what(),
                 "'1\\x00' is not a valid floating point value");
    EXPECT_STREQ(
        StandardError::notAnInteger(std::string(50, '1')).what(),
        ("'" + std::string(40, '1') + Ellipsis + "' is not a valid integer value").c_str());
}
