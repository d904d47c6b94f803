#!/bin/sh
# Records what the headless commands print and write for every example, so that a change that
# must not alter behaviour can be checked byte for byte:
#     scripts/record-outputs.sh build/dev/app/burgeon before/
#     ... change the code, rebuild ...
#     scripts/record-outputs.sh build/dev/app/burgeon after/
#     diff -r before/ after/
set -eu
burgeon=$(realpath "$1")
out=$(realpath -m "$2")
root=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$out"
cd "$root/examples"

# Runs one command; its standard output, standard error and exit status go to $out/NAME.*.
record() {
    name=$1
    shift
    status=0
    "$burgeon" "$@" >"$out/$name.out" 2>"$out/$name.err" || status=$?
    echo "$status" >"$out/$name.status"
}

for block in 1 2 3 4 5 6 7; do
    record "lsystem-$block" lsystem LsysExam.Lsys --block "$block" --seed 1
    record "lsystem-$block-json" lsystem LsysExam.Lsys --block "$block" --seed 1 --json
done

for data in growth/*.txt; do
    stem=$(basename "$data" .txt)
    for organ in internode petiole leaf-length leaf-width apex flower all; do
        record "fit-$stem-$organ" fit "$data" --organ "$organ" --json
    done
    record "fit-$stem" fit "$data"
    mkdir -p "$out/plots-$stem"
    record "fit-$stem-plots" fit "$data" --scale 3 --plots "$out/plots-$stem"
done

record shapes shapes shapes/plant-shapes.txt
record shapes-json shapes shapes/plant-shapes.txt --json

organs() {
    case=render-$1
    shift
    record "$case" render --seed 1 --size 64x48 --out "$out/$case.png" \
        --organs "$out/$case.csv" "$@"
    rm -f "$out/$case.png"
    # The picture's path is the only part of the report that depends on where it was recorded.
    sed -i "s|$out/||" "$out/$case.out"
}
for block in 1 2 3 4 5 6 7; do
    for time in 15 60 150; do
        organs "$block-$time" --lsystem LsysExam.Lsys --block "$block" \
            --growth growth/internode-length.txt --time "$time"
    done
done
organs shapes --lsystem LsysExam.Lsys --block 1 --growth growth/leaf-length.txt \
    --shapes shapes/plant-shapes.txt --leaf 3 --flower 7 --time 80
organs organ --lsystem LsysExam.Lsys --block 6 --growth growth/flower-diameter.txt \
    --organ flower --time 45 --rotate 20,30,0
echo "$out"
