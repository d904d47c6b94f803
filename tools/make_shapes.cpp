// Writes the example shape library: leaves and petals built as triangle meshes from outline
// functions. Every shape keeps within 121 points and 150 triangles, and no point is used by
// more than 20 triangles. Usage: burgeon_make_shapes OUTPUT_FILE [PREVIEW_FOLDER]; with a
// preview folder it also writes each shape's wire-frame preview as the Component page draws it.

#include "base/FileIo.h"
#include "base/StandardError.h"
#include "components/ShapeLibraryReader.h"
#include "components/ShapePreview.h"
#include "imageio/BmpWriter.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

namespace {

using burgeon::Vector3;

struct Mesh {
    std::vector<Vector3> points;
    std::vector<std::array<int, 3>> triangles; // point numbers from 1
};

// A shape swept from the base (t = 0) to the tip (t = 1): `place(t, s)` gives the point at
// height t and across-position s in -1..1. The base collapses to one point; the tip too
// unless `openTip`, which keeps the last row (for notched outlines).
Mesh sweep(int rows, int columns, bool openTip,
           const std::function<Vector3(double t, double s)>& place) {
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

// A leaf lying along +y: half-width profile w(t) in 0..1 scaled by `halfWidth`, a gentle
// cup across and a droop towards the tip.
std::function<Vector3(double, double)> leafPlacer(double length, double halfWidth,
                                                  std::function<double(double)> profile,
                                                  double cup = 5.0, double droop = 8.0) {
    return [=](double t, double s) {
        const double w = halfWidth * profile(t);
        return Vector3{w * s, length * t, cup * s * s * profile(t) - droop * t * t};
    };
}

// A petal leaning outwards from the flower's axis by `lean` degrees.
std::function<Vector3(double, double)> petalPlacer(double length, double halfWidth, double lean,
                                                   std::function<double(double)> profile,
                                                   std::function<double(double, double)> tipCut) {
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

// A profile normalised to a largest value of 1.
std::function<double(double)> normalised(std::function<double(double)> f) {
    double largest = 0.0;
    for (int i = 0; i <= 1000; ++i) {
        largest = std::max(largest, f(i / 1000.0));
    }
    return [=](double t) { return f(t) / largest; };
}

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", std::abs(value) < 0.005 ? 0.0 : value);
    return text;
}

void append(std::string& library, const std::string& name, int source, const Mesh& mesh) {
    if (mesh.points.size() > 121 || mesh.triangles.size() > 150) {
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

std::string makeLibrary() {
    std::string library;
    const auto noCut = [](double, double) { return 0.0; };

    append(library, "Ovate leaf", 1,
           sweep(13, 7, false,
                 leafPlacer(110, 40, normalised([](double t) { return bump(t, 0.55, 0.9); }))));
    append(library, "Lanceolate leaf", 2,
           sweep(14, 5, false,
                 leafPlacer(125, 17, normalised([](double t) { return bump(t, 0.45, 1.3); }))));
    // Heart-shaped: wide at the base, with the outer points near the base pulled below it
    // into two rounded lobes.
    append(library, "Heart-shaped leaf", 3, sweep(13, 7, false, [](double t, double s) {
               const double w = 42.0 * std::pow(std::sin(std::numbers::pi * (t + 0.3) / 1.3), 0.8);
               const double lobe = 28.0 * s * s * std::pow(1.0 - t, 4.0);
               return Vector3{w * s, 100.0 * t - lobe, 4.0 * s * s - 6.0 * t * t};
           }));
    append(library, "Lobed leaf", 4,
           sweep(13, 7, false,
                 leafPlacer(110, 44, normalised([](double t) {
                                return bump(t, 0.5, 0.8) *
                                       (0.78 + 0.22 * std::cos(6.0 * std::numbers::pi * (t - 0.2)));
                            }))));
    append(library, "Needle leaf", 5,
           sweep(12, 3, false,
                 leafPlacer(
                     100, 4.0, [](double t) { return 1.0 - std::pow(t, 4.0); }, 1.0, 4.0)));
    append(library, "Round leaf", 6,
           sweep(12, 7, false,
                 leafPlacer(85, 40, normalised([](double t) { return bump(t, 0.5, 0.5); }), 6.0,
                            2.0)));

    append(library, "Round petal", 11,
           sweep(10, 5, false,
                 petalPlacer(90, 30, 40, normalised([](double t) {
                                 return std::pow(t, 0.6) * std::sqrt(1.0 - t * t * t * t);
                             }),
                             noCut)));
    append(library, "Pointed petal", 12,
           sweep(10, 5, false,
                 petalPlacer(95, 22, 40, normalised([](double t) { return bump(t, 0.7, 0.8); }),
                             noCut)));
    // Notched: the tip row stays open and its middle is pulled back into a notch.
    const auto notchedProfile =
        normalised([](double t) { return std::pow(t, 0.6) * (1.0 - 0.45 * t * t * t); });
    append(library, "Notched petal", 13,
           sweep(10, 5, true, petalPlacer(90, 32, 45, notchedProfile, [](double t, double s) {
                     return 16.0 * (1.0 - s * s) * std::pow(t, 8.0);
                 })));
    return library;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::cerr << "usage: burgeon_make_shapes OUTPUT_FILE [PREVIEW_FOLDER]\n";
        return 2;
    }
    try {
        const std::string library = makeLibrary();
        std::vector<burgeon::OrganShape> entries;
        burgeon::readShapeLibrary(library, entries); // what we write must read back whole
        burgeon::writeFileAtomically(argv[1], library);
        for (std::size_t i = 0; argc == 3 && i < entries.size(); ++i) {
            burgeon::RgbImage preview(burgeon::ShapePreviewWidth, burgeon::ShapePreviewHeight);
            const bool petal = entries[i].Name.find("petal") != std::string::npos;
            burgeon::drawShapePreview(
                entries[i], petal ? burgeon::PreviewKind::Flower : burgeon::PreviewKind::Leaf,
                preview);
            burgeon::writeBmpFile(
                burgeon::joinPath(argv[2], "preview" + std::to_string(i + 1) + ".bmp"), preview);
        }
        std::cout << "wrote " << entries.size() << " shapes to " << argv[1] << "\n";
    } catch (const std::exception& error) {
        std::cerr << "burgeon_make_shapes: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
