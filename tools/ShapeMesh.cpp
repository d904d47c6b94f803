#include "tools/ShapeMesh.h"

#include "base/FileIo.h"
#include "base/OutputFiles.h"
#include "components/ShapeLibraryReader.h"
#include "components/ShapePreview.h"
#include "imageio/BmpWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <stdexcept>

namespace burgeon::tools {

Mesh sweep(int rows, int columns, bool openTip, const Placer& place) {
    Mesh mesh;
    mesh.points.push_back(place(0.0, 0.0)); // point 1, the base
    const int lastRow = openTip ? rows : rows - 1;
    const auto rowStart = [&](int row) { return 2 + (row - 1) * columns; };
    for (int row = 1; row <= lastRow; ++row) {
        const double t = static_cast<double>(row) / rows;
        for (int c = 0; c < columns; ++c) {
            const double s = -1.0 + 2.0 * c / (columns - 1);
            mesh.points.push_back(place(t, s));
        }
    }
    // Counter-clockwise seen from +z, the side the texture is drawn on.
    for (int c = 0; c + 1 < columns; ++c) {
        mesh.triangles.push_back({1, rowStart(1) + c + 1, rowStart(1) + c});
    }
    for (int row = 1; row < lastRow; ++row) {
        for (int c = 0; c + 1 < columns; ++c) {
            const int a = rowStart(row) + c;
            const int b = rowStart(row + 1) + c;
            mesh.triangles.push_back({a, a + 1, b + 1});
            mesh.triangles.push_back({a, b + 1, b});
        }
    }
    if (!openTip) {
        mesh.points.push_back(place(1.0, 0.0));
        const int tip = static_cast<int>(mesh.points.size());
        for (int c = 0; c + 1 < columns; ++c) {
            mesh.triangles.push_back({rowStart(lastRow) + c, rowStart(lastRow) + c + 1, tip});
        }
    }
    return mesh;
}

Placer leafPlacer(double length, double halfWidth, const std::function<double(double)>& profile,
                  double cup, double droop) {
    return [=](double t, double s) {
        const double w = halfWidth * profile(t);
        return Vector3{w * s, length * t, cup * s * s * profile(t) - droop * t * t};
    };
}

Placer petalPlacer(double length, double halfWidth, double lean,
                   const std::function<double(double)>& profile,
                   const std::function<double(double, double)>& tipCut) {
    const double a = lean * std::numbers::pi / 180.0;
    return [=](double t, double s) {
        const double along = length * t - tipCut(t, s);
        const double cup = 4.0 * s * s * profile(t);
        return Vector3{halfWidth * profile(t) * s, along * std::cos(a), along * std::sin(a) + cup};
    };
}

double bump(double t, double a, double b) {
    return std::pow(t, a) * std::pow(1.0 - t, b);
}

std::function<double(double)> normalised(const std::function<double(double)>& f) {
    double largest = 0.0;
    for (int i = 0; i <= 1000; ++i) {
        largest = std::max(largest, f(i / 1000.0));
    }
    return [=](double t) { return f(t) / largest; };
}

namespace {

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", std::abs(value) < 0.005 ? 0.0 : value);
    return text;
}

} // namespace

void appendShape(std::string& library, const std::string& name, int source, const Mesh& mesh) {
    if (mesh.points.size() > static_cast<std::size_t>(MaxShapePoints) ||
        mesh.triangles.size() > static_cast<std::size_t>(MaxShapeTriangles)) {
        throw std::runtime_error(name + " is too large");
    }
    std::vector<int> uses(mesh.points.size() + 1, 0);
    for (const auto& triangle : mesh.triangles) {
        for (const int corner : triangle) {
            if (++uses[static_cast<std::size_t>(corner)] > 20) {
                throw std::runtime_error(name + " uses a point in more than 20 triangles");
            }
        }
    }
    library += "name=" + name + "\nsource=" + std::to_string(source) + "\n";
    for (const Vector3& p : mesh.points) {
        library += "point=" + number(p.x) + " " + number(p.y) + " " + number(p.z) + "\n";
    }
    for (const auto& t : mesh.triangles) {
        library += "triangle=" + std::to_string(t[0]) + " " + std::to_string(t[1]) + " " +
                   std::to_string(t[2]) + "\n";
    }
}

void writeShapeLibrary(const std::string& library, const std::string& fileName,
                       const std::string& previewFolder) {
    std::vector<OrganShape> entries;
    readShapeLibrary(library, entries); // what we write must read back whole
    writeFileAtomically(fileName, library);
    for (std::size_t i = 0; !previewFolder.empty() && i < entries.size(); ++i) {
        RgbImage preview(ShapePreviewWidth, ShapePreviewHeight);
        const bool petal = entries[i].name.find("petal") != std::string::npos;
        drawShapePreview(entries[i], petal ? PreviewKind::Flower : PreviewKind::Leaf, preview);
        writeBmpFile(joinPath(previewFolder, "preview" + std::to_string(i + 1) + ".bmp"), preview);
    }
}

} // namespace burgeon::tools
