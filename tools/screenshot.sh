#!/bin/sh
# A picture of the three windows as a newcomer sees them after `make run`, taken on a virtual
# display: tools/screenshot.sh [OUTPUT.png] (default build/screenshot.png).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
output=$(realpath -m "${1:-$root/build/screenshot.png}")
cd "$root"
cmake --preset dev >/dev/null
cmake --build --preset dev --target burgeon_screenshot >/dev/null
cd "$root/examples"
xvfb-run -a -s "-screen 0 1280x1024x24" "$root/build/dev/tests/ui/burgeon_screenshot" "$output" 4000
echo "$output"
