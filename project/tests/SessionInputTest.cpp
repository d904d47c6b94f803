// Session texts made to break the reader: values nested without end, bytes that are not
// UTF-8, tokens of a megabyte. Each gets its message, never a crash.
#include "project/Session.h"
#include "project/SessionParser.h"

#include "base/PrintableText.h"
#include "components/BuiltInShapes.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace burgeon {
namespace {

namespace fs = std::filesystem;

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
    // Characters are counted, not bytes.
    std::string accents;
    for (int i = 0; i < 100; ++i) {
        accents += "\xC3\xA9";
    }
    EXPECT_EQ(read(Header + R"(, "view": {"zoom": ")" + accents + "\"}}"),
              std::vector<std::string>{"plant.burgeon: view.zoom: expected a number from 2 to "
                                       "175, found \"" +
                                       accents.substr(0, 78) + "\u2026"});
}

TEST(SessionInput, BytesThatAreNotUtf8AreKeptThroughASavedSession) {
    PlantProject project;
    project.lsystemText = "Caf\xE9{\n Iterations=2\n Angle=45\n Diameter=20\n Axiom=IA\n "
                          "A=I[+IL]A\n}\n// cr\xE8me \xEF\x9F\xA9";
    project.growth.data[0] = "0;0\n1\xB7"
                             "1";
    project.animation.capture.folder = "Ordner \xFC";
    const std::string text = sessionText(project, ".");
    EXPECT_TRUE(isValidUtf8(text));
    EXPECT_NE(text.find("\"Caf\xEF\x9F\xA9{\""), std::string::npos) << "0xE9 as U+F7E9";

    const SessionReading reading = readSession(text, "plant.burgeon", ".", ".");
    ASSERT_TRUE(reading.opened) << messageTexts(reading.messages).front();
    EXPECT_EQ(reading.project.lsystemText, project.lsystemText);
    EXPECT_EQ(reading.project.growth.data[0], project.growth.data[0]);
    EXPECT_EQ(reading.project.animation.capture.folder, project.animation.capture.folder);
    EXPECT_EQ(sessionText(reading.project, "."), text);

    // A --set text that is not UTF-8 is kept as it was typed.
    const SessionReading set =
        readSession(text, "plant.burgeon", ".", ".", {"animation.capture.folder=Lauf \xE9"});
    ASSERT_TRUE(set.opened);
    EXPECT_EQ(set.project.animation.capture.folder, "Lauf \xE9");
}

TEST(SessionInput, ASessionFileIsUtf8AndItsParserQuotesWhatItReadAsAMessageShould) {
    EXPECT_EQ(read(Header + ",\n  \"x\": \"caf\xE9\"}"),
              std::vector<std::string>{"plant.burgeon: not a session file: line 2, column 12: the "
                                       "byte \\xE9 is not UTF-8 text"});
    // What the parser read last is quoted within 40 characters, its bytes shown.
    EXPECT_EQ(read(Header + ", \"x\": \"" + std::string(1000000, 'r') + "\x01\"}"),
              std::vector<std::string>{"plant.burgeon: not a session file: line 1, column "
                                       "1000051: syntax error while parsing value - invalid "
                                       "string: control character U+0001 (SOH) must be escaped "
                                       "to \\u0001; last read: '\"" +
                                       std::string(39, 'r') + "\u2026'"});
    EXPECT_EQ(read(Header + ", \"x\": tru\xEF\xBB\xBF}"),
              std::vector<std::string>{"plant.burgeon: not a session file: line 1, column 53: "
                                       "syntax error while parsing value - invalid literal; last "
                                       "read: '\"x\": tru\\xEF'"});
    // A value quoted in a message shows what a terminal would hide.
    EXPECT_EQ(read(Header + R"(, "view": {"zoom": "\u202Eevil\uFEFF"}})"),
              std::vector<std::string>{"plant.burgeon: view.zoom: expected a number from 2 to "
                                       "175, found \"\\xE2\\x80\\xAEevil\\xEF\\xBB\\xBF\""});
}

TEST(SessionInput, SettingsNameKeysOfTheFormatAndEntriesOfThePlantTheyChange) {
    PlantProject project;
    project.lsystemText = "P{\n Iterations=2\n Angle=45\n Diameter=20\n Axiom=IA\n A=I[+IL]A\n}";
    project.leaf = builtInLeaf();
    project.growth.data[0] = "0 0\n1 1\n2 3\n3 4";
    const std::string text = sessionText(project, ".");
    const SessionReading changed =
        readSession(text, "plant.burgeon", ".", ".",
                    {"leaf.points.0.0=5", "lsystem.1=Iterations=3", "growth.internode.data.3=3 5"});
    ASSERT_TRUE(changed.opened) << messageTexts(changed.messages).front();
    EXPECT_EQ(changed.project.leaf.points[1].x, 5.0f);
    EXPECT_EQ(changed.project.lsystemText,
              "P{\nIterations=3\n Angle=45\n Diameter=20\n Axiom=IA\n A=I[+IL]A\n}");
    EXPECT_EQ(changed.project.growth.data[0], "0 0\n1 1\n2 3\n3 5");

    EXPECT_EQ(read(text, {"lsystem.7=x"}),
              std::vector<std::string>{"plant.burgeon: --set lsystem.7: lsystem holds 7 entries, "
                                       "from 0"});
    EXPECT_EQ(read(text, {"leaf.points.0.3=1"}),
              std::vector<std::string>{"plant.burgeon: --set leaf.points.0.3: leaf.points.0 holds "
                                       "3 entries, from 0"});
    EXPECT_EQ(read(text, {"leaf.points.0.0.1=1"}),
              std::vector<std::string>{
                  "plant.burgeon: --set leaf.points.0.0.1: a session has no such key"});
    EXPECT_EQ(read(text, {"leaf.spikes=1"}),
              std::vector<std::string>{"plant.burgeon: --set leaf.spikes: a session has no such "
                                       "key"})
        << "keys are those of the format";
    EXPECT_EQ(read(Header + R"(, "extra": {"a": 1}})", {"extra.a=2"}),
              std::vector<std::string>{"plant.burgeon: --set extra.a: a session has no such key"});
}

TEST(SessionInput, ATextureThatIsThereButNoPictureFileIsNamedForWhatItIs) {
    const burgeon::testing::TempFolder temp;
    const fs::path folder = temp.path();
    fs::create_directories(folder / "leaf.bmp");
    ASSERT_EQ(::mkfifo((folder / "pipe.bmp").c_str(), 0600), 0);
    auto opened = [&](const std::string& file) {
        const SessionReading reading =
            readSession(Header + R"(, "texture": {"file": ")" + file + "\"}}", "plant.burgeon",
                        folder.string(), folder.string());
        EXPECT_TRUE(reading.opened);
        return messageTexts(reading.messages);
    };
    EXPECT_EQ(opened("leaf.bmp"),
              std::vector<std::string>{"plant.burgeon: the leaf texture \"leaf.bmp\" at " +
                                       (folder / "leaf.bmp").string() +
                                       " is a folder, not a picture file; the plant opens "
                                       "without it"});
    EXPECT_EQ(opened("pipe.bmp"),
              std::vector<std::string>{"plant.burgeon: the leaf texture \"pipe.bmp\" at " +
                                       (folder / "pipe.bmp").string() +
                                       " is a FIFO, not a picture file; the plant opens "
                                       "without it"});
    EXPECT_EQ(opened("/dev/null"),
              std::vector<std::string>{"plant.burgeon: the leaf texture \"/dev/null\" at /dev/null "
                                       "is a device, not a picture file; the plant opens without "
                                       "it"});
}

// A session whose growth data "Fit Curve" would refuse.
std::string withFlowerData(const std::vector<std::string>& rows) {
    std::string data;
    for (const std::string& row : rows) {
        data += (data.empty() ? "\"" : ", \"") + row + "\"";
    }
    return Header + R"(, "growth": {"flower": {"top": 3, "data": [)" + data + "]}}}";
}

TEST(SessionInput, GrowthDataThatDoesNotFitIsRefusedNotDropped) {
    std::vector<std::string> long649;
    long649.reserve(649);
    for (int row = 0; row < 649; ++row) {
        long649.push_back(std::to_string(row) + " " + std::to_string(row % 7));
    }
    EXPECT_EQ(read(withFlowerData(long649)),
              std::vector<std::string>{"plant.burgeon: growth.flower.data: Growth data is "
                                       "limited to 501 lines of at most 101 values each."});
    std::string wide = "0";
    for (int column = 0; column < 102; ++column) {
        wide += " 1";
    }
    EXPECT_EQ(read(withFlowerData({wide})),
              std::vector<std::string>{"plant.burgeon: growth.flower.data: Growth data is "
                                       "limited to 501 lines of at most 101 values each."});
    EXPECT_EQ(read(withFlowerData({"0 0", "1 " + std::string(400, '9')})),
              std::vector<std::string>{"plant.burgeon: growth.flower.data: '" +
                                       std::string(40, '9') +
                                       "\u2026' is not a valid floating point value (in line 2 "
                                       "of the data)"});
    EXPECT_EQ(read(withFlowerData({"0 0", "1 x"})),
              std::vector<std::string>{"plant.burgeon: growth.flower.data: Error Data in line 2"});
    // Data that fits opens as before.
    const SessionReading fits =
        readSession(withFlowerData({"0 0", "1 1", "2 3", "3 4"}), "plant.burgeon", ".", ".");
    EXPECT_TRUE(fits.opened) << messageTexts(fits.messages).front();
}

} // namespace
} // namespace burgeon
