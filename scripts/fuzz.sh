#!/usr/bin/env bash
# Runs every fuzz target (or those named) for FUZZ_SECONDS each (default 600) and prints
# executions, executions per second and coverage per target. Each target keeps its growing
# corpus under build/fuzz/corpus/<target> and starts from the seeds in fuzz/corpus/<target>.
# An input that crashes, takes more than a second or more than 1 GB is kept under
# build/fuzz/artifacts/<target>/ and makes the script fail; commit it under
# fuzz/regressions/<target>/ with the fix. Usage: scripts/fuzz.sh [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
# Below the builds of the people sharing the machine.
if [ -z "${BURGEON_FUZZ_NICE:-}" ]; then
    BURGEON_FUZZ_NICE=1 exec nice -n 10 "$PWD/scripts/fuzz.sh" "$@"
fi

# Allocation stacks cost a fifth of each run in the allocation-heavy targets and only enrich a
# report; running a kept input again without this option prints them in full.
export ASAN_OPTIONS=${ASAN_OPTIONS:-malloc_context_size=0}
# The session commands draw on the headless context; Mesa keeps some blocks past its contexts.
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/fuzz/mesa-leaks.supp}

seconds=${FUZZ_SECONDS:-600}
build=build/fuzz
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(growth_data shape_library bitmap example_file lsystem session command_line
        session_commands)
fi
# Long enough to reach every reader's limits (1000 library entries take 6 KB, 501 data lines
# 1 KB, 101 values on a line 0.2 KB) and a few kilobytes of bitmap rows; longer inputs only
# slow the search down.
max_len=16384
# A target's time limit: the session commands build, draw and export whole plants.
timeout_of() {
    if [ "$1" = session_commands ]; then echo 10; else echo 1; fi
}

# A timeout on a machine shared with builds may be the machine's: an input counts as a hang
# only when it also takes longer than its time limit when run again on its own.
reproduces() {
    local fuzzer=$1 input=$2 seconds=$3
    for _ in 1 2 3; do
        if ! "$fuzzer" -timeout="$seconds" -rss_limit_mb=1024 -runs=1 "$input" >/dev/null 2>&1; then
            return 0
        fi
    done
    return 1
}

# Fuzzes one target for the set time; on an unconfirmed timeout it goes on for the time left.
# Prints "executions coverage features result".
fuzz_target() {
    local target=$1 fuzzer=$build/fuzz/fuzz_$1
    local corpus=$build/corpus/$1 artifacts=$build/artifacts/$1 log=$build/logs/$1.log
    mkdir -p "$corpus" "$artifacts/unconfirmed" "$(dirname "$log")"
    : >"$log"
    local start=$SECONDS executions=0 result=ok
    while :; do
        local left=$((seconds - (SECONDS - start)))
        [ "$left" -gt 0 ] || break
        local segment=$build/logs/$target.segment.log
        local status=0
        "$fuzzer" -max_total_time="$left" -timeout="$(timeout_of "$target")" -rss_limit_mb=1024 \
            -max_len=$max_len \
            -dict="fuzz/dictionaries/$target.dict" -print_final_stats=1 \
            -artifact_prefix="$artifacts/" "$corpus" "fuzz/corpus/$target" >"$segment" 2>&1 ||
            status=$?
        cat "$segment" >>"$log"
        local ran
        ran=$(sed -n 's/^stat::number_of_executed_units: *//p' "$segment" | tail -n 1 || true)
        executions=$((executions + ${ran:-0}))
        [ "$status" -ne 0 ] || break
        local artifact
        artifact=$(ls -t "$artifacts" | grep -v '^unconfirmed$' | head -n 1 || true)
        if [[ "$artifact" == timeout-* ]] &&
            ! reproduces "$fuzzer" "$artifacts/$artifact" "$(timeout_of "$target")"; then
            echo "fuzz: $target: $artifact ran in time on its own; going on" >&2
            mv "$artifacts/$artifact" "$artifacts/unconfirmed/"
            continue
        fi
        result="FAILED: $artifacts/$artifact"
        break
    done
    # A fault among the seeds stops the run before libFuzzer reports any coverage.
    local coverage features
    coverage=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2 || true)
    features=$(grep -o 'ft: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2 || true)
    echo "$executions ${coverage:-?} ${features:-?} $result"
}

status=0
rows=()
for target in "${targets[@]}"; do
    if [ ! -x "$build/fuzz/fuzz_$target" ]; then
        echo "fuzz: $build/fuzz/fuzz_$target is missing; build it with 'make fuzz'" >&2
        exit 2
    fi
    started=$SECONDS
    read -r executions coverage features result < <(fuzz_target "$target")
    elapsed=$((SECONDS - started))
    [ "$result" = ok ] || status=1
    rows+=("$(printf '%-14s %8s %12s %8s %8s %8s  %s' "$target" "$elapsed" "$executions" \
        "$((executions / (elapsed > 0 ? elapsed : 1)))" "$coverage" "$features" "$result")")
done
printf '%-14s %8s %12s %8s %8s %8s  %s\n' target seconds executions "exec/s" cov ft result
printf '%s\n' "${rows[@]}"
exit $status
