#!/usr/bin/env bash
# One picture test: runs burgeon in the examples folder, then compares the picture it wrote
# with the committed baseline (see CMakeLists.txt). With BURGEON_UPDATE_BASELINES=1 the
# picture becomes the new baseline instead (scripts/update-baselines.sh).
#     run-image-test.sh BURGEON COMPARE EXAMPLES BASELINE OUTPUT THRESHOLD PICTURE -- ARGS...
# The arguments name the test's own folder as @WORK@; PICTURE is the file the command writes
# there. The picture is kept as OUTPUT.png, a difference picture as OUTPUT.diff.png.
set -euo pipefail
burgeon=$1 compare=$2 examples=$3 baseline=$4 output=$5 threshold=$6 picture=$7
shift 8

. "$(dirname "$0")/../case-folder.sh"
prepare_case "$output" "$examples" "$@"
"$burgeon" "${arguments[@]}" >"$work/command.out"

if [ "${BURGEON_UPDATE_BASELINES:-0}" = 1 ]; then
    exec "$compare" --update "$work/$picture" "$baseline"
fi
exec "$compare" "$work/$picture" "$baseline" "$threshold" "$output"
