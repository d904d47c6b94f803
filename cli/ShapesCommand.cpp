#include "base/MessagePlace.h"
#include "cli/Commands.h"
#include "cli/NoticePrinting.h"

#include "base/FileIo.h"
#include "base/JsonWriter.h"
#include "base/StandardError.h"
#include "components/ShapeLibraryReader.h"

#include <memory>
#include <ostream>

namespace burgeon {

namespace {

const char* const ShapesUsage = "burgeon shapes FILE [--json]";

void printTable(const std::vector<OrganShape>& entries, std::ostream& out) {
    out << "entry\tname\tsource\tpoints\ttriangles\n";
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const OrganShape& entry = entries[i];
        out << i + 1 << '\t' << entry.name << '\t' << entry.source << '\t' << entry.pointCount
            << '\t' << entry.triangleCount << '\n';
    }
}

void printJson(const std::vector<std::string>& messages, const std::vector<OrganShape>& entries,
               std::ostream& out) {
    JsonWriter json;
    json.beginObject().key("messages").stringArray(messages).key("entries").beginArray();
    for (const OrganShape& entry : entries) {
        json.beginObject()
            .key("name")
            .value(entry.name)
            .key("source")
            .value(entry.source)
            .key("point_count")
            .value(entry.pointCount)
            .key("triangle_count")
            .value(entry.triangleCount)
            .endObject();
    }
    json.endArray().endObject();
    out << json.text() << '\n';
}

// Reads a shape library as "Open 3D Surface" does and lists its entries; a reading that stops
// at a message lists none, as the page's list stays empty then.
class ShapesCommand : public Command {
public:
    const char* name() const override { return "shapes"; }
    std::string usage() const override { return ShapesUsage; }
    const char* work() const override { return "read the shape library"; }
    const char* summary() const override {
        return "Lists the entries of a leaf and flower shape library.";
    }
    void define(CLI::App& app) override {
        app.add_option("FILE", file_, "the shape library file")->required();
        app.add_flag("--json", json_, "one JSON object instead of a table");
    }
    int run(std::ostream& out, std::ostream& err) override {
        std::vector<OrganShape> entries;
        std::vector<std::string> messages;
        std::string place;
        try {
            readShapeLibrary(readFileText(file_), entries);
        } catch (const StandardError& error) {
            messages.push_back(error.what());
            place = messagePlace(error.lineNumber(), file_);
            entries.clear();
        }
        if (json_) {
            printJson(messages, entries, out);
        } else if (messages.empty()) {
            printTable(entries, out);
        } else {
            err << messages.front() << '\n';
            if (!place.empty()) {
                err << place << '\n';
            }
        }
        return messages.empty() ? 0 : 1;
    }

private:
    std::string file_;
    bool json_ = false;
};

} // namespace

std::unique_ptr<Command> makeShapesCommand() {
    return std::make_unique<ShapesCommand>();
}

} // namespace burgeon
