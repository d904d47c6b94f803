#include "pages/RtfText.h"

#include <gtest/gtest.h>

namespace burgeon {
namespace {

TEST(RtfText, RecognisesRichTextByItsOpening) {
    EXPECT_TRUE(isRichText("{\\rtf1\\ansi x}"));
    EXPECT_FALSE(isRichText(" {\\rtf1"));
    EXPECT_FALSE(isRichText("Plant{"));
    EXPECT_FALSE(isRichText(""));
}

TEST(RtfText, ReadsTheTextOfAnEditorDocumentWithoutItsTablesAndFormatting) {
    const std::string rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fcharset0 "
        "Arial;}}\r\n{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
        "{\\*\\generator Riched20 5.50.99.2050;}\\viewkind4\\uc1\\pard\\b\\f0\\fs20 Plant\\{"
        "\\par\r\n     Iterations=7\\par\r\n     Axiom=I[-1][+2][/3][\\\\4]A\\par\r\n"
        "\\cf1 \\}\\cf0\\b0\\par\r\n}\r\n";
    EXPECT_EQ(richTextToPlainText(rtf),
              "Plant{\n     Iterations=7\n     Axiom=I[-1][+2][/3][\\4]A\n}\n");
}

TEST(RtfText, DecodesEscapedCharacters) {
    // Code-page escapes, Unicode with its stand-in, tabs, line breaks and named characters.
    EXPECT_EQ(richTextToPlainText("{\\rtf1 caf\\'e9 \\'80}"), "caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(richTextToPlainText("{\\rtf1\\uc1 a\\u8364?b}"), "a\xE2\x82\xAC"
                                                               "b");
    EXPECT_EQ(richTextToPlainText("{\\rtf1\\uc2 a\\u-4064\\'3f\\'3fb}"), "a\xEF\x80\xA0"
                                                                         "b");
    EXPECT_EQ(richTextToPlainText("{\\rtf1 a\\tab b\\line c}"), "a\tb\nc");
    EXPECT_EQ(richTextToPlainText("{\\rtf1 \\ldblquote x\\rdblquote}"),
              "\xE2\x80\x9Cx\xE2\x80\x9D");
    // Unknown optional destinations and pictures are left out; unknown words are ignored.
    EXPECT_EQ(richTextToPlainText("{\\rtf1 a{\\*\\unknown skip}{\\pict 0a0b}\\foo12 b}"), "ab");
}

TEST(RtfText, SurvivesBrokenDocuments) {
    EXPECT_EQ(richTextToPlainText("{\\rtf1 text"), "text");
    EXPECT_EQ(richTextToPlainText("{\\rtf1 a}}}b"), "ab");
    EXPECT_EQ(richTextToPlainText("{\\rtf1 a\\'"), "a");
    EXPECT_EQ(richTextToPlainText("{\\rtf1 a\\'zz b\\"), "a b");
    EXPECT_EQ(richTextToPlainText("{\\rtf1 \\u99999999999999999999"), "");
}

TEST(RtfText, WrittenTextReadsBackUnchanged) {
    const std::string texts[] = {
        "",
        "{\\rtf1 this text looks like rich text}",
        "braces { } and \\ backslashes \\\\ \\par",
        "lines\nwith\r\nbreaks\rand\ttabs\n\n",
        "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x8C\xB1 \x7F",
        std::string("a NUL \0 and \x01 control characters", 32),
    };
    for (const auto& text : texts) {
        const std::string rtf = plainTextToRichText(text);
        EXPECT_TRUE(isRichText(rtf));
        EXPECT_EQ(richTextToPlainText(rtf), text) << rtf;
    }
}

} // namespace
} // namespace burgeon
