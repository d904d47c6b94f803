#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace burgeon {

// A small streaming JSON writer for the command line's --json output. Numbers are written so
// that they read back to the same double; texts in ASCII, every other character as \uXXXX, and
// bytes that are not UTF-8 as the characters encodeStrayBytes carries them in (0xE9 as \uf7e9).
class JsonWriter {
public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& key(std::string_view name);
    JsonWriter& value(std::string_view text);
    JsonWriter& value(const char* text) { return value(std::string_view(text)); }
    JsonWriter& value(const std::string& text) { return value(std::string_view(text)); }
    JsonWriter& value(double number);
    JsonWriter& value(std::int64_t number);
    JsonWriter& value(int number) { return value(static_cast<std::int64_t>(number)); }
    JsonWriter& value(bool flag);
    JsonWriter& stringArray(const std::vector<std::string>& texts);

    const std::string& text() const { return text_; }

private:
    void separate();

    std::string text_;
    std::vector<bool> hasMembers_;
    bool afterKey_ = false;
};

} // namespace burgeon
