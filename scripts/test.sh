#!/bin/sh
# Runs the whole suite through CTest (called by `make test` after the build). Without a
# display the suite runs under a virtual X server, ready for the desktop tests.
set -eu
build_dir=$1
jobs=$(nproc 2>/dev/null || echo 2)
if [ -z "${DISPLAY:-}" ] && command -v xvfb-run >/dev/null 2>&1; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir "$build_dir" --output-on-failure -j "$jobs"
fi
exec ctest --test-dir "$build_dir" --output-on-failure -j "$jobs"
