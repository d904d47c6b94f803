#pragma once

#include "base/Message.h"
#include "project/PlantProject.h"

#include <string>
#include <vector>

namespace burgeon {

// A plant saved as a session file (".burgeon"): JSON holding everything the plant is made of,
// so that a session needs no other file but its leaf texture.
inline constexpr const char* SessionFormatName = "burgeon-session";
inline constexpr int SessionVersion = 1;

// What reading a session gave: the plant (start-up values for every key the file leaves out),
// or, when it could not be read, the one error that says why; warnings either way (unknown
// keys dropped, a leaf texture not found).
struct SessionReading {
    bool opened = false;
    PlantProject project;
    Messages messages;
};

// The session text of a project: keys in a fixed order, two-space indentation, numbers that
// read back to the same values. The leaf texture's file name is written relative to
// sessionFolder when it lies there.
std::string sessionText(const PlantProject& project, const std::string& sessionFolder);

// Writes the session file whole or not at all; throws "Cannot create file %s".
void saveSession(const PlantProject& project, const std::string& fileName);

// Reads a session text. name is how messages call it (the file's name); the leaf texture is
// looked up beside the session (sessionFolder), then in startFolder. overrides are
// "key.path=value" settings applied to the file's values before they are checked (a value
// that is not JSON is taken as text). The plant is not compiled or generated.
SessionReading readSession(const std::string& text, const std::string& name,
                           const std::string& sessionFolder, const std::string& startFolder,
                           const std::vector<std::string>& overrides = {});

// Reads a session file (see readSession); messages name it as it was given.
SessionReading openSession(const std::string& fileName, const std::string& startFolder,
                           const std::vector<std::string>& overrides = {});

} // namespace burgeon
