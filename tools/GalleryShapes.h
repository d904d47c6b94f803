#pragma once

#include <string>

namespace burgeon::tools {

// The shape library of the gallery plants: one leaf and one petal for each plant, shaped like
// that plant's own, entries 1-4 the leaves (soybean, primula, azalea, basil) and 5-8 the
// petals in the same order.
std::string galleryShapeLibrary();

} // namespace burgeon::tools
