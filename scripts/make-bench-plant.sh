#!/usr/bin/env bash
# Makes the session of the large plant the benchmarks, the picture tests and the pacing probe
# draw (examples/bench/bushy.burgeon) from its L-system (examples/bench/bushy.Lsys): 4950
# organs, every growth curve rising from 0 to 10 with slope 0.3 and its middle at 15, the
# start-up values of everything else. The session is committed; run this after changing the
# L-system or the session format.
#     scripts/make-bench-plant.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

preset=${PRESET:-dev}
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target burgeon
burgeon="$root/build/$preset/app/burgeon"

cd "$root/examples"
options=(--lsystem bench/bushy.Lsys --seed 1)
for organ in internode petiole leafLength leafWidth apex flower; do
    options+=(--set "growth.$organ.bottom=0" --set "growth.$organ.top=10"
        --set "growth.$organ.slope=0.3" --set "growth.$organ.tmid=15")
done
"$burgeon" session save bench/bushy.burgeon "${options[@]}"
