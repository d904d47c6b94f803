#!/usr/bin/env bash
# One expected-output test: runs burgeon in the examples folder and compares what it printed
# or wrote with the committed file (see CMakeLists.txt). With BURGEON_UPDATE_EXPECTED=1 the
# output becomes the new expected file instead (scripts/update-expected.sh).
#     run-expected-test.sh BURGEON EXAMPLES EXPECTED OUTPUT SOURCE FILTER STATUS -- ARGS...
# SOURCE is "stdout" or the file the command writes into the case's folder, @WORK@ in the
# arguments; the folder's path is written as @WORK@ in the output too, so that the expected
# files do not depend on where the tree lives. FILTER is "whole", "ply-header" (the lines up
# to end_header) or "obj-header" (the header lines and how many records of each kind follow).
# STATUS is the exit status the command must end with.
set -euo pipefail
burgeon=$1 examples=$2 expected=$3 output=$4 source=$5 filter=$6 status=$7
shift 8

. "$(dirname "$0")/../case-folder.sh"
prepare_case "$output" "$examples" "$@"
actual_status=0
"$burgeon" "${arguments[@]}" >"$work/stdout" 2>"$work/stderr" || actual_status=$?
if [ "$actual_status" != "$status" ]; then
    echo "burgeon ended with status $actual_status, not $status:" >&2
    cat "$work/stderr" >&2
    exit 1
fi

case $filter in
whole) cat "$work/$source" ;;
ply-header) sed -n '1,/^end_header$/p' "$work/$source" ;;
obj-header)
    sed -n '/^\(#\|mtllib\)/!q;p' "$work/$source"
    grep -v '^#' "$work/$source" | cut -d' ' -f1 | sort | uniq -c ;;
*) echo "unknown filter $filter" >&2; exit 2 ;;
esac | sed "s|$work|@WORK@|g" >"$output"

if [ "${BURGEON_UPDATE_EXPECTED:-0}" = 1 ]; then
    cp "$output" "$expected"
    exit 0
fi
if ! cmp -s "$output" "$expected"; then
    echo "$output differs from $expected:" >&2
    diff -u "$expected" "$output" | head -40 >&2 || true
    exit 1
fi
