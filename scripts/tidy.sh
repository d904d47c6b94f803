#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over every C++ file of the project that the
# build compiles (the compile commands of the given build, default build/dev) and fails when
# it reports anything. Usage: scripts/tidy.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/dev}
if [ ! -f "$build/compile_commands.json" ]; then
    echo "scripts/tidy.sh: no $build/compile_commands.json; build first (make build)" >&2
    exit 2
fi
# Every folder of the tree that holds C++ sources.
folders=$(git ls-files '*.cpp' '*.h' | cut -d/ -f1 | sort -u | paste -sd'|')
log=$(mktemp)
trap 'rm -f "$log"' EXIT
run-clang-tidy -p "$build" -j "$(nproc)" -quiet -header-filter="$PWD/($folders)/.*\.h$" \
    "$PWD/($folders)/" 2>&1 |
    sed 's/\x1b\[[0-9;]*m//g' >"$log" || true
# clang-tidy counts the warnings it suppressed in headers outside the project: not findings.
findings=$(grep -E '(warning|error): ' "$log" | grep -vE '^[0-9]+ (warning|error)s? generated' || true)
if [ -n "$findings" ]; then
    grep -vE '^(clang-tidy|[0-9]+ warnings? generated|Suppressed|Use -header-filter)' "$log" >&2
    echo "clang-tidy: $(echo "$findings" | wc -l) findings" >&2
    exit 1
fi
echo "clang-tidy: no findings in $(grep -c '^clang-tidy' "$log") files"
