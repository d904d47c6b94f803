#!/bin/sh
# Pictures of the desktop as a newcomer sees it, taken on a virtual display: one of the
# "Simulation" window per page, one of the view with a plant and one of the whole screen.
# tools/screenshot.sh [--window-manager] [OUTPUT_FOLDER] (default build/screenshots). With
# --window-manager the display runs openbox, with room kept for panels, as the desktop tests
# do (tests/ui/with-openbox.sh). The plant is the first session of examples/sessions/ when
# there is one, else the first example L-system with growth data.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
window_manager=no
if [ "${1:-}" = "--window-manager" ]; then
    window_manager=yes
    shift
fi
on_display() {
    if [ "$window_manager" = yes ]; then
        "$root/tests/ui/with-openbox.sh" "$@"
    else
        xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
    fi
}
output=$(realpath -m "${1:-$root/build/screenshots}")
cd "$root"
cmake --preset dev >/dev/null
cmake --build --preset dev --target burgeon_screenshot >/dev/null
session=$(find "$root/examples/sessions" -name '*.burgeon' 2>/dev/null | sort | head -n 1)
cd "$root/examples"
on_display "$root/build/dev/tests/ui/burgeon_screenshot" "$output" ${session:+"$session"}
ls "$output"
