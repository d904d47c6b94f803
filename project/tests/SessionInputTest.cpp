// Session texts made to break the reader: values nested without end, bytes that are not
// UTF-8, tokens of a megabyte. Each gets its message, never a crash.
#include "project/Session.h"
#include "project/SessionParser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace burgeon {
namespace {

const std::string Header = R"({"format": "burgeon-session", "version": 1)";

std::string nested(std::size_t depth, const std::string& inner = "") {
    return std::string(depth, '[') + inner + std::string(depth, ']');
}

std::vector<std::string> read(const std::string& text,
                              const std::vector<std::string>& overrides = {}) {
    return messageTexts(readSession(text, "plant.burgeon", ".", ".", overrides).messages);
}

TEST(SessionInput, ValuesNestedWithoutEndAreRefusedByTheirKey) {
    const std::string limit = "lists and objects nest more than 64 levels deep, the limit of a "
                              "session";
    EXPECT_EQ(read(R"({"format": "burgeon-session", "version": )" + nested(50000) + "}"),
              std::vector<std::string>{"plant.burgeon: version: " + limit});
    // An unknown key, with more keys after it, so that the object it is in grows.
    EXPECT_EQ(
        read(Header + R"(, "view": {"extra": )" + nested(100000) + R"(, "zoom": 20, "scale": 1}})"),
        std::vector<std::string>{"plant.burgeon: view.extra: " + limit});
    std::string objects;
    for (int i = 0; i < 70; ++i) {
        objects += R"({"a": )";
    }
    objects += "1" + std::string(70, '}');
    std::string keys = "deep";
    for (int i = 0; i < 18; ++i) {
        keys += ".a";
    }
    EXPECT_EQ(read(Header + R"(, "deep": )" + objects + "}"),
              std::vector<std::string>{"plant.burgeon: " + keys + "\u2026: " + limit})
        << "a long key path is cut";
    EXPECT_EQ(read(nested(10000)), std::vector<std::string>{"plant.burgeon: the top: " + limit});

    // At the limit the value is read (and an unknown key left out).
    const SessionReading deepest =
        readSession(Header + R"(, "extra": )" + nested(63) + "}", "plant.burgeon", ".", ".");
    EXPECT_TRUE(deepest.opened);
}

TEST(SessionInput, SettingsNestedWithoutEndAreRefusedToo) {
    EXPECT_EQ(read(Header + "}", {"version=" + nested(60000)}),
              std::vector<std::string>{"plant.burgeon: --set version: the value's lists and "
                                       "objects nest more than 64 levels deep, the limit of a "
                                       "session"});
    EXPECT_EQ(read(Header + "}", {"view.zoom=" + nested(62, "1")}),
              std::vector<std::string>{"plant.burgeon: view.zoom: expected a number from 2 to "
                                       "175, found " +
                                       std::string(40, '[') + "\u2026"});
}

TEST(SessionInput, MessagesQuoteTheStartOfAHugeValue) {
    std::string list = "[";
    for (int i = 0; i < 20000; ++i) {
        list += "123456789,";
    }
    list += "0]";
    EXPECT_EQ(
        read(Header + R"(, "view": {"zoom": )" + list + "}}"),
        std::vector<std::string>{"plant.burgeon: view.zoom: expected a number from 2 to "
                                 "175, found [123456789,123456789,123456789,123456789\u2026"});
    // A character is never cut in two.
    std::string accents;
    for (int i = 0; i < 100; ++i) {
        accents += "\xC3\xA9";
    }
    EXPECT_EQ(read(Header + R"(, "view": {"zoom": ")" + accents + "\"}}"),
              std::vector<std::string>{"plant.burgeon: view.zoom: expected a number from 2 to "
                                       "175, found \"" +
                                       accents.substr(0, 38) + "\u2026"});
}

} // namespace
} // namespace burgeon
