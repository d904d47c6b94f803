#!/bin/sh
# Installs the pinned glTF validator into a folder of the build (never into the sources):
# copies package.json and package-lock.json there and runs `npm ci`, unless that lock file is
# installed there already.
#     install.sh SOURCE_FOLDER INSTALL_FOLDER
set -eu
source_folder=$1
install_folder=$2
mkdir -p "$install_folder"
if [ -d "$install_folder/node_modules/gltf-validator" ] &&
    cmp -s "$source_folder/package-lock.json" "$install_folder/installed-lock.json"; then
    exit 0
fi
cp "$source_folder/package.json" "$source_folder/package-lock.json" "$install_folder/"
cd "$install_folder"
npm ci --no-audit --no-fund --loglevel=error
cp package-lock.json installed-lock.json
