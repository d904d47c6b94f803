#!/bin/sh
# The installed program run as a person runs it: from a folder of their own that holds none of
# its data, so the land and leaf textures must come from the installed data folder.
#     check-installed-program.sh STAGE BUILT_BURGEON EXAMPLES HAS_PYTHON_MODULE(1|0)
set -eu
stage=$1 built=$2 examples=$3 python=$4
burgeon=$stage/usr/bin/burgeon
data=$stage/usr/share/burgeon
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

"$burgeon" --version | grep -qx 'burgeon [0-9][0-9.]*' || fail "burgeon --version"

# An installed gallery session drawn in an empty folder is the picture the build tree draws in
# examples/, land texture and all; the built executable, which has no data folder, draws the
# land plain there.
picture="--seed 1 --size 200x150 --time 60"
# shellcheck disable=SC2086
"$burgeon" render --session "$data/sessions/1-soybean.burgeon" $picture --out installed.png
# shellcheck disable=SC2086
(cd "$examples" && "$built" render --session sessions/1-soybean.burgeon $picture \
    --out "$work/built.png")
cmp installed.png built.png || fail "the installed session draws another picture"
# shellcheck disable=SC2086
"$built" render --session "$data/sessions/1-soybean.burgeon" $picture --out plain.png
! cmp -s installed.png plain.png || fail "the land is textured without the data folder"

# A built-in leaf texture, read from the data folder: the plant drawn there and elsewhere.
plant="--block 7 --texture 5 $picture"
# shellcheck disable=SC2086
(cd "$data" && "$burgeon" render --lsystem LsysExam.Lsys --growth growth/internode-length.txt \
    $plant --out "$work/in-data.png")
mkdir elsewhere
# shellcheck disable=SC2086
(cd elsewhere && "$burgeon" render --lsystem "$data/LsysExam.Lsys" \
    --growth "$data/growth/internode-length.txt" $plant --out "$work/elsewhere.png")
cmp in-data.png elsewhere.png || fail "the built-in leaf texture is not read from the data"

if [ "$python" = 1 ]; then
    module=$(PYTHONPATH=$stage/usr/lib/python3/dist-packages /usr/bin/python3 -c \
        'import burgeon; print(burgeon.__file__)')
    case $module in
    "$stage"/*) echo "import burgeon: $module" ;;
    *) fail "import burgeon found $module, not the installed module" ;;
    esac
else
    echo "skipped: import burgeon (this build has no Python module, target burgeon_python)"
fi
echo "the installed program reads its data from $data"
