#!/bin/sh
# Installs the Debian 12 packages Burgeon needs to build, test and run.
# Does nothing when every package is already present.
set -eu

PACKAGES="
build-essential cmake ninja-build pkg-config git clang-format clang-tidy
clang libclang-rt-14-dev
qt6-base-dev libqt6opengl6-dev fonts-dejavu-core
libgl-dev libglu1-mesa-dev libegl-dev libegl-mesa0 libgl1-mesa-dri
libjpeg62-turbo-dev libgif-dev libpng-dev
libavcodec-dev libavformat-dev libavutil-dev libswscale-dev
libgtest-dev libgmock-dev libbenchmark-dev
nlohmann-json3-dev libcli11-dev
libtinygltf-dev nodejs
xvfb xauth imagemagick openbox x11-utils libxcb1-dev
python3 python3-dev pybind11-dev python3-numpy python3-pytest python3-nbclient
python3-ipykernel python3-matplotlib python3-pandas python3-distributed
help2man man-db desktop-file-utils appstream shared-mime-info libxml2-utils lintian
bash-completion librsvg2-bin dpkg-dev file
"

missing=""
for package in $PACKAGES; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = "installed" ] || missing="$missing $package"
done
# The glTF validator of the tests runs on Node and installs through npm. Some builds of the
# nodejs package bring npm along; Debian's own has it as a package of its own.
if ! command -v npm >/dev/null 2>&1; then
    case " $missing " in
    *" nodejs "*) ;;
    *) missing="$missing npm" ;;
    esac
fi

if [ -z "$missing" ]; then
    exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
    as_root=""
elif command -v sudo >/dev/null 2>&1; then
    as_root="sudo"
else
    echo "install-deps: these packages are missing and neither root nor sudo is available:$missing" >&2
    exit 1
fi

echo "install-deps: installing$missing"
export DEBIAN_FRONTEND=noninteractive
$as_root apt-get update -q
# shellcheck disable=SC2086
$as_root apt-get install -y -q --no-install-recommends $missing
if ! command -v npm >/dev/null 2>&1; then
    $as_root apt-get install -y -q --no-install-recommends npm
fi
