#include "project/Session.h"

#include "base/DataFolder.h"
#include "base/FileIo.h"
#include "base/PrintableText.h"
#include "base/StandardError.h"
#include "project/SessionOverrides.h"
#include "project/SessionParser.h"
#include "project/SessionReader.h"

#include <filesystem>

namespace burgeon {

namespace {

namespace fs = std::filesystem;

// The JSON library's text without its "[json.exception.NAME.N] " prefix.
std::string libraryReason(const std::string& what) {
    const auto end = what.find("] ");
    return end == std::string::npos ? what : what.substr(end + 2);
}

// What a file that is there but holds no picture is.
std::string kindOfFile(fs::file_type type) {
    switch (type) {
    case fs::file_type::directory:
        return "a folder";
    case fs::file_type::fifo:
        return "a FIFO";
    case fs::file_type::socket:
        return "a socket";
    case fs::file_type::block:
    case fs::file_type::character:
        return "a device";
    default:
        return "not a regular file";
    }
}

// Where the leaf texture was found: the first of the file itself, the file beside the session,
// the file in the start folder and the installed copy of a built-in texture that is there. A
// regular file is read; anything else is named with what it is.
struct TexturePlace {
    std::string path;
    bool regular = false;
    std::string kind;
};

std::optional<TexturePlace> findTexture(const std::string& file, const std::string& sessionFolder,
                                        const std::string& startFolder) {
    const fs::path path(file);
    std::vector<fs::path> candidates;
    if (path.is_absolute()) {
        candidates.push_back(path);
    }
    candidates.push_back(fs::path(sessionFolder) / path);
    candidates.push_back(findDataFile(path.filename().string(), startFolder));
    for (const fs::path& candidate : candidates) {
        std::error_code error;
        const fs::file_status status = fs::status(candidate, error);
        if (!error && fs::exists(status)) {
            return TexturePlace{candidate.string(), fs::is_regular_file(status),
                                kindOfFile(status.type())};
        }
    }
    return std::nullopt;
}

// The texture loaded into the project, or the warning that says why it is left out.
void loadSessionTexture(const std::string& file, const std::string& sessionFolder,
                        const std::string& startFolder, SessionReading& reading,
                        const std::string& name) {
    const std::optional<TexturePlace> place = findTexture(file, sessionFolder, startFolder);
    const std::string shown = "\"" + printableField(file, 200) + "\"";
    if (!place) {
        reading.messages.push_back(
            {MessageKind::Warning,
             name + ": the leaf texture " + shown + " is neither beside the session nor in " +
                 printableField(startFolder, 200) + "; the plant opens without it"});
    } else if (!place->regular) {
        reading.messages.push_back(
            {MessageKind::Warning, name + ": the leaf texture " + shown + " at " +
                                       printableField(place->path, 200) + " is " + place->kind +
                                       ", not a picture file; the plant opens without it"});
    } else {
        loadLeafTexture(reading.project.leafTextures, place->path);
    }
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
        json = parseSessionText(text);
    } catch (const SessionValueError& error) {
        addError(reading.messages, name + ": " + error.text);
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
        reading.messages = {{MessageKind::Error, name + ": " + libraryReason(error.what())}};
        reading.project = PlantProject{};
        return reading;
    }
    for (Message& warning : warnings) {
        warning.text = name + ": " + warning.text;
    }
    reading.messages = std::move(warnings);
    if (texture) {
        loadSessionTexture(*texture, sessionFolder, startFolder, reading, name);
    }
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
    return readSession(text, fileName, folder, startFolder, overrides);
}

} // namespace burgeon
