#include "components/ShapePreview.h"

#include "base/NumberText.h"
#include "imageio/Canvas.h"

#include <algorithm>

namespace burgeon {

namespace {

// Coordinates far outside any picture are held to +-1e9, so that the whole-number
// arithmetic below can neither overflow nor leave the range of a pixel position.
constexpr double CoordinateLimit = 1e9;

long long roundedCoordinate(double value) {
    return roundHalfEven(std::clamp(value, -CoordinateLimit, CoordinateLimit));
}

long long axisScale(long long extent, PreviewKind kind, int width) {
    if (extent == 0) {
        return 1;
    }
    const long long divisor = kind == PreviewKind::Leaf ? extent + 10 : extent;
    const long long scale = width / divisor;
    return scale == 0 ? 1 : scale;
}

} // namespace

PreviewScales previewScales(const OrganShape& shape, PreviewKind kind, int width) {
    long long xmin = 0;
    long long xmax = 0;
    long long ymin = 0;
    long long ymax = 0;
    for (std::size_t k = 1; k <= static_cast<std::size_t>(shape.pointCount); ++k) {
        const Vector3& p = shape.points[k];
        if (p.x < static_cast<double>(xmin)) {
            xmin = roundedCoordinate(p.x);
        }
        if (p.x > static_cast<double>(xmax)) {
            xmax = roundedCoordinate(p.x);
        }
        if (p.y < static_cast<double>(ymin)) {
            ymin = roundedCoordinate(p.y);
        }
        if (p.y > static_cast<double>(ymax)) {
            ymax = roundedCoordinate(p.y);
        }
    }
    return {xmin, ymin, axisScale(xmax - xmin, kind, width), axisScale(ymax - ymin, kind, width)};
}

void drawShapePreview(const OrganShape& shape, PreviewKind kind, RgbImage& image) {
    const PreviewScales scales = previewScales(shape, kind, image.width());
    const long long height = image.height();
    image.fill({255, 255, 255});
    Canvas canvas(image);
    canvas.setPenColor({0, 0, 255});
    // "/" truncates toward zero, as the preview's integer division does.
    const auto screenPoint = [&](std::int32_t number, int& x, int& y) {
        const Vector3& v = shape.points[static_cast<std::size_t>(number)];
        x = static_cast<int>((roundedCoordinate(v.x) - scales.xmin) / scales.sx);
        y = static_cast<int>((height - (roundedCoordinate(v.y) - scales.ymin)) / scales.sy);
    };
    for (std::size_t k = 1; k <= static_cast<std::size_t>(shape.triangleCount); ++k) {
        const auto& corners = shape.triangles[k];
        int ax = 0, ay = 0, bx = 0, by = 0, cx = 0, cy = 0;
        screenPoint(corners[0], ax, ay);
        screenPoint(corners[1], bx, by);
        screenPoint(corners[2], cx, cy);
        canvas.moveTo(ax, ay);
        canvas.lineTo(bx, by);
        canvas.lineTo(cx, cy);
        canvas.lineTo(ax, ay);
    }
}

} // namespace burgeon
