#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace burgeon {

// One 8 x 16 glyph: a byte a row, bottom row first, most significant bit leftmost.
using GlyphRows = std::array<std::uint8_t, 16>;

// The glyph of a character code. Letters, digits and common punctuation have glyphs (lower
// case is shown in capitals); other codes are blank.
GlyphRows glyphFor(unsigned char code);

// The bitmap font as 256 display lists, one per code: the glyph with origin (0, 2) and an
// advance of (8, 0).
class BitmapFont {
public:
    BitmapFont() = default;
    BitmapFont(const BitmapFont&) = delete;
    BitmapFont& operator=(const BitmapFont&) = delete;
    ~BitmapFont();

    void build();
    void release();
    // Draws the bytes of the text at the current raster position.
    void drawText(std::string_view text) const;

private:
    unsigned base_ = 0;
};

} // namespace burgeon
