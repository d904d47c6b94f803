#!/bin/sh
# Starts the desktop application in examples/ (called by `make run` after the build), so the
# example L-systems, the manual, the textures, growth data and shapes are at hand. Without a
# display it says so and shows the commands that work headless.
set -eu
build_dir=$1
root=$(cd "$(dirname "$0")/.." && pwd)
burgeon="$root/$build_dir/app/burgeon"
cd "$root/examples"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: the desktop application needs one (try 'xvfb-run make run'); the headless commands are:"
    "$burgeon" --help
    exit 0
fi
# The desktop opens on the first plant of the gallery.
exec "$burgeon" sessions/1-soybean.burgeon
