#!/usr/bin/env bash
# Builds the example-making tools and writes the example textures into examples/ and the
# example shape library into examples/shapes/. The outputs are committed; run this again
# only after changing tools/make_textures.cpp or tools/make_shapes.cpp.
set -euo pipefail
cd "$(dirname "$0")/.."

PRESET="${PRESET:-dev}"
cmake --preset "$PRESET" >/dev/null
cmake --build --preset "$PRESET" --target burgeon_make_textures burgeon_make_shapes
"build/$PRESET/tools/burgeon_make_textures" examples
mkdir -p examples/shapes
"build/$PRESET/tools/burgeon_make_shapes" examples/shapes/plant-shapes.txt
