#include "project/Session.h"

#include "base/DataFolder.h"
#include "base/FileIo.h"
#include "base/PrintableText.h"
#include "base/StandardError.h"
#include "project/SessionOverrides.h"
#include "project/SessionReader.h"

#include <filesystem>

namespace burgeon {

namespace {

namespace fs = std::filesystem;

// "line 3, column 7: <what the parser says>" for the last character the parser read (byte
// counts the characters read, so that character is byte - 1 from the start).
std::string parsePlace(const std::string& text, std::size_t byte, const std::string& what) {
    const std::size_t place = std::min(byte > 0 ? byte - 1 : 0, text.size());
    std::size_t line = 1;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < place; ++i) {
        if (text[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    }
    // The parser's own text names a place too; keep what it says after it.
    std::string reason = what;
    if (const auto column = reason.find("column "); column != std::string::npos) {
        if (const auto colon = reason.find(": ", column); colon != std::string::npos) {
            reason = reason.substr(colon + 2);
        }
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(place - lineStart + 1) +
           ": " + reason;
}

// The parser's text without its "[json.exception.NAME.N] " prefix.
std::string parserReason(const std::string& what) {
    const auto end = what.find("] ");
    return end == std::string::npos ? what : what.substr(end + 2);
}

// A number too large for a double: the parser names the number but not its place, so the
// place is where the number first stands in the text.
std::string overflowPlace(const std::string& text, const std::string& what) {
    const auto open = what.find('\'');
    const auto close = what.rfind('\'');
    if (open == std::string::npos || close <= open) {
        return parserReason(what);
    }
    const std::string number = what.substr(open + 1, close - open - 1);
    const std::string reason = "number overflow parsing '" + printableField(number) + "'";
    const auto at = text.find(number);
    return at == std::string::npos ? reason : parsePlace(text, at + 1, reason);
}

// The first of the file itself, the file beside the session, the file in the start folder and
// the installed copy of a built-in texture that exists.
std::optional<std::string> findTexture(const std::string& file, const std::string& sessionFolder,
                                       const std::string& startFolder) {
    std::error_code error;
    const fs::path path(file);
    std::vector<fs::path> candidates;
    if (path.is_absolute()) {
        candidates.push_back(path);
    }
    candidates.push_back(fs::path(sessionFolder) / path);
    candidates.push_back(findDataFile(path.filename().string(), startFolder));
    for (const fs::path& candidate : candidates) {
        if (fs::is_regular_file(candidate, error)) {
            return candidate.string();
        }
    }
    return std::nullopt;
}

bool checkHeader(const SessionJson& json, const std::string& name, Messages& messages) {
    const SessionJson* format = SessionChecks::member(json, "format");
    if (!json.is_object() || format == nullptr || *format != SessionFormatName) {
        addError(messages, name + ": not a session file: it has no \"format\": \"" +
                               SessionFormatName + "\"");
        return false;
    }
    const SessionJson* version = SessionChecks::member(json, "version");
    if (version == nullptr || !version->is_number_integer() || version->get<long long>() < 1) {
        addError(messages, name + ": version: expected a whole number from 1, found " +
                               (version ? quoteFound(*version) : std::string("nothing")));
        return false;
    }
    if (version->get<long long>() > SessionVersion) {
        addError(messages, name + " was written by a newer Burgeon (session version " +
                               std::to_string(version->get<long long>()) + ")");
        return false;
    }
    return true;
}

} // namespace

SessionReading readSession(const std::string& text, const std::string& name,
                           const std::string& sessionFolder, const std::string& startFolder,
                           const std::vector<std::string>& overrides) {
    SessionReading reading;
    SessionJson json;
    try {
        json = SessionJson::parse(text);
    } catch (const SessionJson::parse_error& error) {
        addError(reading.messages,
                 name + ": not a session file: " + parsePlace(text, error.byte, error.what()));
        return reading;
    } catch (const SessionJson::out_of_range& error) {
        addError(reading.messages,
                 name + ": not a session file: " + overflowPlace(text, error.what()));
        return reading;
    }
    Messages warnings;
    std::optional<std::string> texture;
    try {
        // The header is checked after the overrides: they may set any key.
        applySessionOverrides(json, overrides);
        if (!checkHeader(json, name, reading.messages)) {
            return reading;
        }
        SessionChecks checks(warnings);
        texture = readSessionValues(json, reading.project, checks);
    } catch (const SessionValueError& error) {
        reading.messages = {{MessageKind::Error, name + ": " + error.text}};
        reading.project = PlantProject{};
        return reading;
    } catch (const SessionJson::exception& error) {
        // A value the checks let through that the JSON library still refuses.
        reading.messages = {{MessageKind::Error, name + ": " + parserReason(error.what())}};
        reading.project = PlantProject{};
        return reading;
    }
    for (Message& warning : warnings) {
        warning.text = name + ": " + warning.text;
    }
    if (texture) {
        if (const auto found = findTexture(*texture, sessionFolder, startFolder)) {
            loadLeafTexture(reading.project.leafTextures, *found);
        } else {
            warnings.push_back(
                {MessageKind::Warning, name + ": the leaf texture \"" + *texture +
                                           "\" is neither beside the session nor in " +
                                           startFolder + "; the plant opens without it"});
        }
    }
    reading.messages = std::move(warnings);
    reading.opened = true;
    return reading;
}

SessionReading openSession(const std::string& fileName, const std::string& startFolder,
                           const std::vector<std::string>& overrides) {
    std::string text;
    try {
        text = readFileText(fileName);
    } catch (const StandardError& error) {
        SessionReading reading;
        addError(reading.messages, error.what());
        return reading;
    }
    const fs::path path(fileName);
    const std::string folder = path.has_parent_path() ? path.parent_path().string() : ".";
    return readSession(text, path.filename().string(), folder, startFolder, overrides);
}

} // namespace burgeon
