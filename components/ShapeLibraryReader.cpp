#include "components/ShapeLibraryReader.h"

#include "base/NumberText.h"
#include "base/StandardError.h"
#include "base/TextLines.h"

#include <string>

namespace burgeon {

namespace {

StandardError lineError(std::size_t lineNumber, const std::string& what) {
    return StandardError("Shape library error in line " + std::to_string(lineNumber) + ": " + what);
}

// A point or triangle value: x before the first space, y between the first and the last
// space, z after the last space, each trimmed. With fewer than two spaces the missing fields
// are empty, so they fail to convert like any other bad field.
struct ThreeFields {
    std::string_view first;
    std::string_view middle;
    std::string_view last;
};

ThreeFields splitThreeFields(std::string_view value) {
    const std::size_t firstSpace = value.find(' ');
    if (firstSpace == std::string_view::npos) {
        return {trimControl(value), {}, {}};
    }
    const std::size_t lastSpace = value.rfind(' ');
    if (lastSpace == firstSpace) {
        return {trimControl(value.substr(0, firstSpace)),
                {},
                trimControl(value.substr(firstSpace + 1))};
    }
    return {trimControl(value.substr(0, firstSpace)),
            trimControl(value.substr(firstSpace + 1, lastSpace - firstSpace - 1)),
            trimControl(value.substr(lastSpace + 1))};
}

std::string pointsText(std::int32_t count) {
    return std::to_string(count) + (count == 1 ? " point" : " points");
}

class LibraryReader {
public:
    explicit LibraryReader(std::vector<OrganShape>& entries) : entries_(entries) {}

    void readLine(std::size_t lineNumber, std::string_view rawLine) {
        lineNumber_ = lineNumber;
        const std::string_view line = trimControl(rawLine);
        const std::size_t equals = line.find('=');
        if (line.empty() || equals == std::string_view::npos) {
            return;
        }
        // The key is neither trimmed nor cut at blanks: "name =x" has the key "name ".
        const std::string key = toLowerAscii(line.substr(0, equals));
        const std::string_view value = line.substr(equals + 1);
        if (key == "name") {
            startEntry(value);
        } else if (key == "source") {
            currentEntry("source").source = parseInteger(trimControl(value));
        } else if (key == "point") {
            addPoint(value);
        } else if (key == "triangle") {
            addTriangle(value);
        }
    }

private:
    void startEntry(std::string_view name) {
        if (entries_.size() >= static_cast<std::size_t>(MaxLibraryEntries)) {
            throw lineError(lineNumber_, "the library has more than " +
                                             std::to_string(MaxLibraryEntries) + " entries.");
        }
        entries_.emplace_back();
        entries_.back().name = std::string(name);
    }

    OrganShape& currentEntry(const char* kind) {
        if (entries_.empty()) {
            throw lineError(lineNumber_,
                            std::string("a ") + kind + " line comes before the first name line.");
        }
        return entries_.back();
    }

    void addPoint(std::string_view value) {
        OrganShape& entry = currentEntry("point");
        if (entry.pointCount >= MaxShapePoints) {
            throw lineError(lineNumber_, "the entry has more than " +
                                             std::to_string(MaxShapePoints) + " points.");
        }
        const ThreeFields fields = splitThreeFields(trimControl(value));
        const Vector3 point{parseFloat(fields.first), parseFloat(fields.middle),
                            parseFloat(fields.last)};
        const std::int32_t number = ++entry.pointCount;
        entry.points[static_cast<std::size_t>(number)] = point;
    }

    void addTriangle(std::string_view value) {
        OrganShape& entry = currentEntry("triangle");
        if (entry.triangleCount >= MaxShapeTriangles) {
            throw lineError(lineNumber_, "the entry has more than " +
                                             std::to_string(MaxShapeTriangles) + " triangles.");
        }
        const ThreeFields fields = splitThreeFields(trimControl(value));
        const std::array<std::int32_t, 3> corners = {
            parseInteger(fields.first), parseInteger(fields.middle), parseInteger(fields.last)};
        // Checked against the points read so far: the format lists an entry's points first,
        // and a triangle must never reach past them.
        for (const std::int32_t corner : corners) {
            if (corner < 1 || corner > entry.pointCount) {
                throw lineError(lineNumber_, "triangle refers to point " + std::to_string(corner) +
                                                 ", but the entry has " +
                                                 pointsText(entry.pointCount) + ".");
            }
        }
        const std::int32_t number = ++entry.triangleCount;
        entry.triangles[static_cast<std::size_t>(number)] = corners;
    }

    std::vector<OrganShape>& entries_;
    std::size_t lineNumber_ = 0;
};

} // namespace

void readShapeLibrary(std::string_view text, std::vector<OrganShape>& entries) {
    LibraryReader reader(entries);
    const std::vector<std::string> lines = splitLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        try {
            reader.readLine(i + 1, lines[i]);
        } catch (StandardError& error) {
            throw error.atLine(i + 1);
        }
    }
}

} // namespace burgeon
