#!/bin/sh
# Makes the picture tests' baselines anew from the current build: every case of
# tests/image/CMakeLists.txt (or those whose names match the pattern given, e.g. block2)
# writes its picture into tests/image/baselines/. Look at every picture before committing
# them, and say in the commit why they changed.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
cmake --preset dev >/dev/null
cmake --build --preset dev --target burgeon burgeon_image_compare
BURGEON_UPDATE_BASELINES=1 ctest --test-dir build/dev -L image -R "${1:-.}" --output-on-failure
git status --short tests/image/baselines
