#include "base/StrayBytes.h"
#include "base/PrintableText.h"

#include <gtest/gtest.h>

#include <string>

using namespace burgeon;

TEST(StrayBytes, StrayBytesTravelAsPrivateUseCharactersAndComeBack) {
    EXPECT_EQ(encodeStrayBytes("plain \xC3\xA9"), "plain \xC3\xA9") << "UTF-8 stays as it is";
    EXPECT_EQ(encodeStrayBytes("caf\xE9"), "caf\xEF\x9F\xA9");           // U+F7E9
    EXPECT_EQ(encodeStrayBytes("\x80\xFF"), "\xEF\x9E\x80\xEF\x9F\xBF"); // U+F780, U+F7FF
    EXPECT_EQ(decodeStrayBytes("caf\xEF\x9F\xA9"), "caf\xE9");
    EXPECT_EQ(decodeStrayBytes("\xEF\x9D\xBF"), "\xEF\x9D\xBF") << "U+F77F carries nothing";
}

TEST(StrayBytes, EveryTextComesBackByteForByte) {
    const std::string texts[] = {
        "",
        "Plant{ # caf\xE9 \xE0 la cr\xE8me",
        std::string("nul\0inside", 10),
        "\xEF\x9F\xA9 is really in the text",     // a carrier character of its own
        "\xEF\x9F",                               // a carrier cut short
        "\xC0\x80 \xED\xA0\x80 \xF4\x90\x80\x80", // overlong, surrogate, past U+10FFFF
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(printableField(text));
        const std::string encoded = encodeStrayBytes(text);
        EXPECT_TRUE(isValidUtf8(encoded));
        EXPECT_EQ(decodeStrayBytes(encoded), text);
    }
    std::string everyByte;
    for (int byte = 0; byte < 256; ++byte) {
        everyByte += static_cast<char>(byte);
    }
    EXPECT_EQ(decodeStrayBytes(encodeStrayBytes(everyByte)), everyByte);
}
