#!/bin/sh
# Makes the expected-output tests' files anew from the current build: every case of
# tests/expected/CMakeLists.txt (or those whose names match the pattern given, e.g. organs-2)
# writes its output into tests/expected/. Read every difference before committing, and say in
# the commit why the output changed.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
cmake --preset dev >/dev/null
cmake --build --preset dev --target burgeon
BURGEON_UPDATE_EXPECTED=1 ctest --test-dir build/dev -L expected -R "${1:-.}" --output-on-failure
git status --short tests/expected
