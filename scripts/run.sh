#!/bin/sh
# Starts burgeon on the bundled examples (called by `make run` after the build).
set -eu
build_dir=$1
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root/examples"
exec "$root/$build_dir/app/burgeon" lsystem LsysExam.Lsys --block 1
