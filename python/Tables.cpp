#include "python/Tables.h"

#include "python/Errors.h"

#include <cstddef>
#include <string>
#include <utility>

namespace burgeon::python {

namespace {

struct Field {
    const char* name;
    const char* format;
    std::size_t offset;
};

// A structured dtype of the fields at their offsets in a row of the given size.
py::dtype structuredType(std::initializer_list<Field> fields, std::size_t rowSize) {
    py::list names;
    py::list formats;
    py::list offsets;
    for (const Field& field : fields) {
        names.append(field.name);
        formats.append(field.format);
        offsets.append(field.offset);
    }
    return {names, formats, offsets, static_cast<py::ssize_t>(rowSize)};
}

// The rows moved into an array that owns them and viewed as a burgeon.Table.
template <typename Row> py::object tableOver(std::vector<Row> rows, const py::dtype& type) {
    auto* owned = new std::vector<Row>(std::move(rows));
    const py::capsule owner(owned, [](void* held) { delete static_cast<std::vector<Row>*>(held); });
    const py::array array(type, {static_cast<py::ssize_t>(owned->size())},
                          {static_cast<py::ssize_t>(sizeof(Row))}, owned->data(), owner);
    // Kept for the life of the process, as the interpreter may be gone when statics end.
    static const auto* table = new py::object(support().attr("Table"));
    return array.attr("view")(*table);
}

const py::dtype& organRowType() {
    static const auto* type =
        new py::dtype(structuredType({{"node", "i4", offsetof(OrganTableRow, node)},
                                      {"organ", "U1", offsetof(OrganTableRow, organ)},
                                      {"level", "i4", offsetof(OrganTableRow, level)},
                                      {"age", "f8", offsetof(OrganTableRow, age)},
                                      {"a", "f8", offsetof(OrganTableRow, a)},
                                      {"b", "f8", offsetof(OrganTableRow, b)},
                                      {"c", "f8", offsetof(OrganTableRow, c)},
                                      {"x0", "f8", offsetof(OrganTableRow, x0)},
                                      {"y0", "f8", offsetof(OrganTableRow, y0)},
                                      {"z0", "f8", offsetof(OrganTableRow, z0)},
                                      {"x1", "f8", offsetof(OrganTableRow, x1)},
                                      {"y1", "f8", offsetof(OrganTableRow, y1)},
                                      {"z1", "f8", offsetof(OrganTableRow, z1)}},
                                     sizeof(OrganTableRow)));
    return *type;
}

const py::dtype& nodeRowType() {
    static const auto* type =
        new py::dtype(structuredType({{"node", "i4", offsetof(NodeTableRow, node)},
                                      {"kind", "U1", offsetof(NodeTableRow, kind)},
                                      {"parent", "i4", offsetof(NodeTableRow, parent)},
                                      {"level", "i4", offsetof(NodeTableRow, level)},
                                      {"angle_x", "f8", offsetof(NodeTableRow, angleX)},
                                      {"angle_y", "f8", offsetof(NodeTableRow, angleY)},
                                      {"angle_z", "f8", offsetof(NodeTableRow, angleZ)},
                                      {"has_leaf", "?", offsetof(NodeTableRow, hasLeaf)},
                                      {"has_flower", "?", offsetof(NodeTableRow, hasFlower)}},
                                     sizeof(NodeTableRow)));
    return *type;
}

} // namespace

py::object organTableArray(std::vector<OrganTableRow> rows) {
    return tableOver(std::move(rows), organRowType());
}

py::object nodeTableArray(std::vector<NodeTableRow> rows) {
    return tableOver(std::move(rows), nodeRowType());
}

py::array imageArray(RgbImage image) {
    auto* owned = new RgbImage(std::move(image));
    const py::capsule owner(owned, [](void* held) { delete static_cast<RgbImage*>(held); });
    const py::ssize_t width = owned->width();
    return py::array_t<std::uint8_t>(
        {static_cast<py::ssize_t>(owned->height()), width, py::ssize_t{3}},
        {width * 3, py::ssize_t{3}, py::ssize_t{1}}, owned->bytes().data(), owner);
}

py::array_t<double> doubleArray(const std::vector<double>& values) {
    return py::array_t<double>(static_cast<py::ssize_t>(values.size()), values.data());
}

} // namespace burgeon::python
