#pragma once

#include "components/LeafTextures.h"

namespace burgeon {

// The pictures the renderer's textured passes bind, for MeshShapes. The leaf pass binds the
// last loaded leaf texture slot, or the land's picture while no slot is in use; the land pass
// binds the land's picture. Nothing when "Set Leaf Texture" is off or the slot holds no
// picture: the pass is then plain colour.
const BitmapPixels* leafPassPicture(const LeafTextures& textures, const BitmapPixels* landPicture);
const BitmapPixels* landPassPicture(const LeafTextures& textures, const BitmapPixels* landPicture);

} // namespace burgeon
