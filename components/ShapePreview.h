#pragma once

#include "components/OrganShape.h"
#include "imageio/RgbImage.h"

namespace burgeon {

constexpr int ShapePreviewWidth = 185;
constexpr int ShapePreviewHeight = 153;

enum class PreviewKind { Leaf, Flower };

// The whole-number scales of a preview: how many shape units make one pixel on each axis.
struct PreviewScales {
    long long xmin = 0;
    long long ymin = 0;
    long long sx = 1;
    long long sy = 1;
};

// The bounds start at 0 and take in each point's rounded coordinates; both scales come from
// the image width. A leaf leaves a margin of 10 units; an axis whose rounded extent is 0, or
// whose scale comes out 0, has the scale 1.
PreviewScales previewScales(const OrganShape& shape, PreviewKind kind, int width);

// Fills the image white and draws every triangle of the shape in blue, seen from above.
void drawShapePreview(const OrganShape& shape, PreviewKind kind, RgbImage& image);

} // namespace burgeon
