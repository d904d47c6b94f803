#!/bin/sh
# The installed desktop entry, AppStream metainfo, MIME type, thumbnailer and icons, checked as
# the desktop's own tools read them.
#     check-desktop-files.sh STAGE APP_ID
set -eu
stage=$1 id=$2
share=$stage/usr/share
fail() { echo "FAIL: $*" >&2; exit 1; }

desktop-file-validate "$share/applications/$id.desktop"
grep -qx 'Exec=burgeon %f' "$share/applications/$id.desktop" || fail "the entry's Exec line"
grep -qx 'MimeType=application/x-burgeon-session;' "$share/applications/$id.desktop" ||
    fail "the entry's MimeType line"
appstreamcli validate --no-net --pedantic "$share/metainfo/$id.metainfo.xml"
for xml in "$share/metainfo/$id.metainfo.xml" "$share/mime/packages/burgeon.xml" \
    "$share/icons/hicolor/scalable/apps/$id.svg" \
    "$share/icons/hicolor/scalable/mimetypes/application-x-burgeon-session.svg"; do
    xmllint --noout "$xml"
done

# The MIME database built from the package's file: *.burgeon is a session, a kind of JSON.
mime=$(mktemp -d)
trap 'rm -rf "$mime"' EXIT
mkdir -p "$mime/packages"
cp "$share/mime/packages/burgeon.xml" "$mime/packages/"
update-mime-database "$mime" >/dev/null
grep -q ':application/x-burgeon-session:\*\.burgeon' "$mime/globs2" || fail "no *.burgeon glob"
grep -qx 'application/x-burgeon-session application/json' "$mime/subclasses" ||
    fail "a session is no sub-class of application/json"

thumbnailer=$share/thumbnailers/burgeon.thumbnailer
grep -qx 'Exec=burgeon thumbnail %i %o --size %s' "$thumbnailer" || fail "the thumbnailer's Exec"
grep -qx 'MimeType=application/x-burgeon-session;' "$thumbnailer" || fail "the thumbnailer's type"

# Every hicolor size of both icons, each a PNG of its size.
for size in 16 22 24 32 48 64 128 256; do
    for icon in apps/$id mimetypes/application-x-burgeon-session; do
        png=$share/icons/hicolor/${size}x$size/$icon.png
        [ "$(identify -format '%wx%h' "$png")" = "${size}x$size" ] || fail "$png"
    done
done
echo "desktop entry, metainfo, MIME type, thumbnailer and icons are valid"
