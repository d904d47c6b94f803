#!/bin/sh
# Checks the Debian package `make package` built with lintian; any error fails. The tags left
# on purpose are overridden, each with its reason, in data/lintian-overrides.
set -eu
build_dir=$1
package=$(ls "$build_dir"/burgeon_*.deb)
lintian --fail-on error --info "$package"
echo "$package"
