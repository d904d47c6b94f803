#include "engine/CompileReport.h"
#include "engine/NodeTable.h"
#include "mesh/ProjectMeshExport.h"
#include "python/Bindings.h"
#include "python/Tables.h"

#include <pybind11/operators.h>
#include <pybind11/stl.h>

namespace burgeon::python {

namespace {

const char* messageKindName(MessageKind kind) {
    switch (kind) {
    case MessageKind::Information:
        return "information";
    case MessageKind::Warning:
        return "warning";
    case MessageKind::Error:
        return "error";
    }
    return "information";
}

// "message: TEXT", then the place on a line of its own, as the command line prints it.
std::string printedMessage(const ReportedMessage& message) {
    std::string text = "message: " + message.text;
    if (!message.place.empty()) {
        text += "\n" + message.place;
    }
    return text;
}

void bindMessage(py::module_& module) {
    py::class_<ReportedMessage>(module, "Message", R"(One message of a compilation or a fit.

str(message) is the message as the command line prints it: "message: TEXT", followed by its
place on a line of its own when it has one.)")
        .def_property_readonly(
            "kind", [](const ReportedMessage& message) { return messageKindName(message.kind); },
            "\"information\", \"warning\" or \"error\" (an error ends the work that told it).")
        .def_readonly("text", &ReportedMessage::text, "The message's text.")
        .def_readonly("place", &ReportedMessage::place,
                      "Where in a file it arose (\"in line 7 of leaf.txt\"), or \"\".")
        .def("__str__", &printedMessage)
        .def("__repr__",
             [](const ReportedMessage& message) {
                 return "Message(" +
                        py::repr(py::str(messageKindName(message.kind))).cast<std::string>() +
                        ", " + py::repr(py::str(message.text)).cast<std::string>() + ", " +
                        py::repr(py::str(message.place)).cast<std::string>() + ")";
             })
        .def(py::self == py::self);
}

void bindCompileReport(py::module_& module) {
    py::class_<CompileReport>(module, "CompileReport",
                              R"(What compiling a plant's L-system and generating its plant showed.

The same as `burgeon lsystem --json` reports: the messages in order, the three result panes,
the editor's lines, the result string, the turn step and node diameter the header set, and
the node table of the plant it generated.)")
        .def_readonly("completed", &CompileReport::completed,
                      "Whether the L-system compiled and its plant was generated.")
        .def_readonly("messages", &CompileReport::messages,
                      "The messages in order (list of Message).")
        .def_readonly("compiles_pane", &CompileReport::compilesPane,
                      "The \"L-system Compiles\" pane: a pass or error line a header line.")
        .def_readonly("compiles_pane_red", &CompileReport::compilesPaneRed,
                      "Whether the pane turned red (after an error).")
        .def_readonly("results_pane", &CompileReport::resultsPane,
                      "The \"L-system Results\" pane: the compile report.")
        .def_readonly("tree_pane", &CompileReport::treePane,
                      "The \"Tree Results\" pane: the result string as generated.")
        .def_readonly("editor_lines", &CompileReport::editorLines,
                      "The L-system's lines as the editor holds them after compiling.")
        .def_property_readonly(
            "result_string", [](const CompileReport& report) { return report.plant.resultString; },
            "The bracketed string the rules rewrote the axiom into.")
        .def_readonly("turn_step", &CompileReport::turnStep,
                      "The turn step in degrees (the header's Angle).")
        .def_readonly("node_diameter", &CompileReport::nodeDiameter,
                      "The node diameter (the header's Diameter).")
        .def_property_readonly(
            "node_count", [](const CompileReport& report) { return report.plant.nodeCount; },
            "The organs the plant was generated with.")
        .def_property_readonly(
            "main_stem_count",
            [](const CompileReport& report) { return report.plant.mainStemCount; },
            "The organs on the main stem.")
        .def_property_readonly(
            "max_level", [](const CompileReport& report) { return report.plant.maxLevel; },
            "The highest branching level.")
        .def_property_readonly(
            "nodes",
            [](const CompileReport& report) { return nodeTableArray(nodeTableRows(report.plant)); },
            "The node table (a burgeon.Table): node, kind, parent, level, angle_x, angle_y, "
            "angle_z, has_leaf, has_flower.")
        .def("__repr__", [](const CompileReport& report) {
            return "<burgeon.CompileReport " +
                   std::string(report.completed ? "completed" : "not completed") + ", " +
                   std::to_string(report.plant.nodeCount) + " nodes>";
        });
}

void bindExportSummary(py::module_& module) {
    py::class_<MeshExportSummary>(module, "ExportSummary", "What a mesh export wrote.")
        .def_readonly("files", &MeshExportSummary::files,
                      "Every file written, the model first (list of str).")
        .def_readonly("organs", &MeshExportSummary::organs, "The organ nodes the model holds.")
        .def_readonly("frames", &MeshExportSummary::frames,
                      "Keyframes of the growth; 0 for a plant at one time.")
        .def("__repr__", [](const MeshExportSummary& summary) {
            const std::string model = summary.files.empty() ? "" : summary.files.front();
            return "<burgeon.ExportSummary " + model + ": " + std::to_string(summary.organs) +
                   " organs, " + std::to_string(summary.frames) + " frames>";
        });
}

} // namespace

void bindReports(py::module_& module) {
    bindMessage(module);
    bindCompileReport(module);
    bindExportSummary(module);
}

} // namespace burgeon::python
