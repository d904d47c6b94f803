#include "base/StandardError.h"
#include "components/ShapeLibraryReader.h"
#include "components/ShapePreview.h"
#include "components/SurfacePreparation.h"
#include "fuzz/FuzzEntries.h"

#include <memory>

namespace burgeon {

namespace {

// The renderer draws a surface's triangles by point number: each must name a read point.
void checkSurface(const OrganSurface& surface, const OrganShape& entry) {
    if (surface.triangleCount != entry.triangleCount || surface.pointCount != entry.pointCount) {
        throw FuzzFinding("a surface copies other counts than its entry's");
    }
    for (std::int32_t t = 1; t <= surface.triangleCount; ++t) {
        for (const std::uint8_t corner : surface.triangles[static_cast<std::size_t>(t)]) {
            if (corner < 1 || corner > surface.pointCount) {
                throw FuzzFinding("a surface triangle names a point the entry does not have");
            }
        }
    }
}

} // namespace

void runShapeLibraryInput(std::string_view bytes) {
    std::vector<OrganShape> entries;
    try {
        readShapeLibrary(bytes, entries);
    } catch (const StandardError&) {
        // The entries read before the message stay; the renderer may hold them from an
        // earlier load, so they are prepared like any others.
    }
    RgbImage leafPreview(ShapePreviewWidth, ShapePreviewHeight);
    RgbImage flowerPreview(ShapePreviewWidth, ShapePreviewHeight);
    const auto leaf = std::make_unique<OrganSurface>();
    const auto flower = std::make_unique<OrganSurface>();
    for (const OrganShape& entry : entries) {
        // Each selection runs under the handler guard: a message ends only that one.
        try {
            drawShapePreview(entry, PreviewKind::Leaf, leafPreview);
            copyShapeToSurface(entry, *leaf);
            prepareLeafShape(entry, *leaf);
            checkSurface(*leaf, entry);
            drawShapePreview(entry, PreviewKind::Flower, flowerPreview);
            copyShapeToSurface(entry, *flower);
            prepareFlowerShape(entry, *flower);
            checkSurface(*flower, entry);
        } catch (const StandardError&) {
        }
    }
}

} // namespace burgeon
