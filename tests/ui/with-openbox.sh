#!/bin/sh
# Runs a command on a virtual display of its own under the openbox window manager, whose
# configuration keeps room for panels at the top and bottom of the screen, as a person's
# desktop does. Each run has its own display, so tests with and without a window manager can
# run side by side.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
for program in Xvfb openbox xprop; do
    if ! command -v "$program" >/dev/null 2>&1; then
        echo "with-openbox: $program is missing (scripts/install-deps.sh installs it)" >&2
        exit 1
    fi
done

scratch=$(mktemp -d)
server=""
manager=""
finish() {
    [ -z "$manager" ] || kill "$manager" 2>/dev/null || true
    [ -z "$server" ] || kill "$server" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$scratch"
}
trap finish EXIT INT TERM

# The display server and the window manager are not the program under test: a preloaded
# library or a sanitizer's settings are not for them.
env -u LD_PRELOAD -u ASAN_OPTIONS -u LSAN_OPTIONS -u UBSAN_OPTIONS \
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
    3>"$scratch/display" 2>"$scratch/server.log" &
server=$!
tries=0
until [ -s "$scratch/display" ]; do
    tries=$((tries + 1))
    if [ "$tries" -gt 200 ] || ! kill -0 "$server" 2>/dev/null; then
        echo "with-openbox: the virtual display did not start" >&2
        cat "$scratch/server.log" >&2
        exit 1
    fi
    sleep 0.05
done
DISPLAY=":$(cat "$scratch/display")"
export DISPLAY

env -u LD_PRELOAD -u ASAN_OPTIONS -u LSAN_OPTIONS -u UBSAN_OPTIONS \
    openbox --config-file "$here/openbox-rc.xml" >"$scratch/openbox.log" 2>&1 &
manager=$!
# The window manager is ready once it names itself on the root window and has set the work
# area its margins leave.
tries=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" &&
    xprop -root _NET_WORKAREA 2>/dev/null | grep -q "= 0, 24,"; do
    tries=$((tries + 1))
    if [ "$tries" -gt 200 ] || ! kill -0 "$manager" 2>/dev/null; then
        echo "with-openbox: the window manager did not start" >&2
        cat "$scratch/openbox.log" >&2
        exit 1
    fi
    sleep 0.05
done

status=0
"$@" || status=$?
exit "$status"
