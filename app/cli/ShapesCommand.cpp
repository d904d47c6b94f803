#include "app/cli/Arguments.h"
#include "app/cli/Commands.h"

#include "base/FileIo.h"
#include "base/JsonWriter.h"
#include "base/StandardError.h"
#include "components/ShapeLibraryReader.h"

#include <ostream>

namespace burgeon {

const char* const shapesUsage = "burgeon shapes FILE [--json]";

namespace {

void printTable(const std::vector<OrganShape>& entries, std::ostream& out) {
    out << "entry\tname\tsource\tpoints\ttriangles\n";
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const OrganShape& entry = entries[i];
        out << i + 1 << '\t' << entry.Name << '\t' << entry.Source << '\t' << entry.PointCount
            << '\t' << entry.TriangleCount << '\n';
    }
}

void printJson(const std::vector<std::string>& messages, const std::vector<OrganShape>& entries,
               std::ostream& out) {
    JsonWriter json;
    json.beginObject().key("messages").stringArray(messages).key("entries").beginArray();
    for (const OrganShape& entry : entries) {
        json.beginObject()
            .key("name")
            .value(entry.Name)
            .key("source")
            .value(entry.Source)
            .key("point_count")
            .value(entry.PointCount)
            .key("triangle_count")
            .value(entry.TriangleCount)
            .endObject();
    }
    json.endArray().endObject();
    out << json.text() << '\n';
}

} // namespace

// Reads a shape library as "Open 3D Surface" does and lists its entries; a reading that stops
// at a message lists none, as the page's list stays empty then.
int runShapesCommand(const std::vector<std::string>& arguments, std::ostream& out,
                     std::ostream& err) {
    const Arguments args(arguments, {}, {"json"});
    if (args.positional().size() != 1) {
        throw UsageError{"expected one FILE"};
    }
    std::vector<OrganShape> entries;
    std::vector<std::string> messages;
    try {
        readShapeLibrary(readFileText(args.positional()[0]), entries);
    } catch (const StandardError& error) {
        messages.push_back(error.what());
        entries.clear();
    }
    if (args.has("json")) {
        printJson(messages, entries, out);
    } else if (messages.empty()) {
        printTable(entries, out);
    } else {
        err << messages.front() << '\n';
    }
    return messages.empty() ? 0 : 1;
}

} // namespace burgeon
