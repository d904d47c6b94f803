#!/bin/sh
# Installs the build into a fresh staging folder under the prefix /usr, as the package does.
#     stage-install.sh BUILD_DIR STAGE
set -eu
build=$1 stage=$2
rm -rf "$stage"
DESTDIR=$stage cmake --install "$build" --prefix /usr >"$stage.log"
echo "installed into $stage (list: $stage.log)"
