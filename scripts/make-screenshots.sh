#!/bin/sh
# Makes the screenshots the AppStream metainfo shows (data/screenshots/) anew: the desktop with
# the first gallery plant and the Growth Function page, taken by tools/screenshot.sh on a
# virtual display and made small (the desktop at 800 x 640 in 256 colours).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
shots=$root/build/screenshots
"$root/tools/screenshot.sh" "$shots" >/dev/null
/usr/bin/convert "$shots/desktop.png" -resize 800x640 -strip -colors 256 \
    "PNG8:$root/data/screenshots/desktop.png"
/usr/bin/convert "$shots/page-2-growth-function.png" -strip \
    "$root/data/screenshots/growth-function.png"
ls -l "$root/data/screenshots"
