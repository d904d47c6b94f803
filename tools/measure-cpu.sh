#!/bin/sh
# CPU use of the desktop with a plant shown, on a virtual display, in three situations: paused
# with wind 1 at the default velocity, animating at velocity 10 and at velocity 0. Each runs
# in a process of its own and is measured over ten seconds from /proc/self/stat.
# tools/measure-cpu.sh [SESSION] (default: the first session of examples/sessions/, else the
# first example L-system with growth data). BURGEON_PRESET=release-desktop measures an
# optimised build (default: dev), e.g. with examples/bench/bushy.burgeon for the frame rate
# of a large plant.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
preset=${BURGEON_PRESET:-dev}
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target burgeon_pacing_probe >/dev/null
session=${1:-$(find "$root/examples/sessions" -name '*.burgeon' 2>/dev/null | sort | head -n 1)}
[ -n "$session" ] && session=$(realpath "$session")
cd "$root/examples"
for situation in still slow fast; do
    xvfb-run -a -s "-screen 0 1280x1024x24" \
        "$root/build/$preset/tests/ui/burgeon_pacing_probe" "$situation" ${session:+"$session"} \
        2>/dev/null
done
