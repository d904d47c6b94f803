#!/usr/bin/env bash
# Makes the gallery anew from its sources: builds burgeon and the example-making tools, writes
# the gallery's growth data, shape library and leaf textures into examples/sessions/, saves
# every gallery session from its L-system (examples/sessions/gallery.Lsys) and the settings
# below, and draws each plant at three times into docs/gallery/NAME-TIME.png. The outputs are
# committed; look at every picture before committing them.
#     scripts/make-gallery.sh [NAME...]    (default: every plant: soybean primula azalea basil)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

preset=${PRESET:-dev}
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target burgeon burgeon_make_growth_data \
    burgeon_make_gallery_shapes burgeon_make_gallery_textures
build="$root/build/$preset"
burgeon="$build/app/burgeon"
pictures="$root/docs/gallery"
mkdir -p examples/sessions/data "$pictures"
"$build/tools/burgeon_make_growth_data" examples/sessions/data
"$build/tools/burgeon_make_gallery_shapes" examples/sessions/gallery-shapes.txt
"$build/tools/burgeon_make_gallery_textures" examples/sessions

# Sessions are saved and drawn in examples/, the folder the desktop starts in: the view takes
# its ground texture ("grass1.bmp") from there.
cd "$root/examples"

# save SESSION BLOCK LEAF FLOWER KEY=VALUE...: sessions/SESSION.burgeon from block BLOCK of the
# gallery L-systems, the plant's growth data for every organ class, the library's leaf and
# flower entries, the plant's leaf texture, and the session values given.
save() {
    local session=$1 block=$2 leaf=$3 flower=$4
    shift 4
    local plant=${session#*-}
    local options=(--lsystem sessions/gallery.Lsys --block "$block" --seed 1
        --shapes sessions/gallery-shapes.txt --leaf "$leaf" --flower "$flower"
        --set "texture.file=sessions/$plant-leaf.bmp")
    for organ in internode petiole leaf-length leaf-width apex flower; do
        options+=(--growth "$organ=sessions/data/$plant-$organ.txt")
    done
    for setting in "$@"; do
        options+=(--set "$setting")
    done
    "$burgeon" session save "sessions/$session.burgeon" "${options[@]}"
}

# draw SESSION TIME...: the plant at each time, 480 x 360.
draw() {
    local session=$1
    shift
    rm -f "$pictures/${session#*-}"-*.png
    for time in "$@"; do
        "$burgeon" render --session "sessions/$session.burgeon" --seed 1 --size 480x360 \
            --time "$time" --out "$pictures/${session#*-}-$time.png"
    done
}

# The sky and the soil every gallery plant stands in.
scene=(materials.background=[150,190,235] materials.land=[180,130,80])

soybean() {
    save 1-soybean 1 1 5 "${scene[@]}" \
        parameters.nodeBirthRate=2 parameters.wind=3 parameters.petioleBitAngle=0 \
        parameters.internodeLength=0.08 parameters.internodeLengthReduce=1.15 \
        parameters.internodeDiameterReduce=0.95 \
        parameters.petioleLength=0.09 parameters.petioleLengthReduce=1.1 \
        parameters.petioleDiameterReduce=0.95 parameters.shortPetioleRatio=0.25 \
        parameters.leafReduce=0.98 parameters.flowerReduce=1 \
        placement.leafSize=[0.66,0.6,0.58] placement.leafAngle=[-10,0,180] \
        placement.flowerSize=[0.65,1,0.6] placement.flowerAngle=[180,0,0] \
        placement.petalCount=5 \
        materials.internode=[120,150,70] materials.petiole=[120,150,70] \
        materials.frontLeaf=[235,240,225] materials.backLeaf=[120,160,90] \
        materials.frontFlower=[160,90,200] materials.backFlower=[215,180,235] \
        view.rotation=[22,30,0] view.translation=[0,0.45,-5.2] view.zoom=40
    draw 1-soybean 24 40 80
}

primula() {
    save 2-primula 2 2 6 "${scene[@]}" \
        parameters.nodeBirthRate=3 parameters.wind=3 parameters.petioleBitAngle=0 \
        parameters.internodeLength=0.1 parameters.internodeLengthReduce=1 \
        parameters.internodeDiameterReduce=1 \
        parameters.petioleLength=1.4 parameters.petioleLengthReduce=0.5 \
        parameters.petioleDiameterReduce=1 parameters.shortPetioleRatio=0.01 \
        parameters.shortPetioleDiameter=0.2 parameters.leafReduce=1 parameters.flowerReduce=1 \
        placement.leafSize=[0.65,0.65,0.5] placement.leafAngle=[10,0,180] \
        placement.flowerSize=[0.65,1,0.6] placement.flowerAngle=[-90,0,0] \
        placement.petalCount=5 \
        materials.internode=[130,160,80] materials.petiole=[130,160,80] \
        materials.frontLeaf=[190,210,170] materials.backLeaf=[140,170,110] \
        materials.frontFlower=[255,225,70] materials.backFlower=[255,240,160] \
        view.rotation=[25,0,0] view.translation=[0,1.25,-4.9] view.zoom=40
    draw 2-primula 25 50 95
}

azalea() {
    save 3-azalea 3 3 7 "${scene[@]}" \
        parameters.nodeBirthRate=3 parameters.wind=3 parameters.petioleBitAngle=0 \
        parameters.internodeLength=0.02 parameters.internodeLengthReduce=1 \
        parameters.internodeDiameterReduce=0.9 \
        parameters.petioleLength=0.07 parameters.petioleLengthReduce=1.1 \
        parameters.petioleDiameterReduce=0.93 parameters.shortPetioleRatio=0.2 \
        parameters.leafReduce=1 parameters.flowerReduce=1 \
        placement.leafSize=[0.93,0.5,0.5] placement.leafAngle=[-20,0,180] \
        placement.flowerSize=[0.22,0.33,0.2] placement.flowerAngle=[180,0,0] \
        placement.petalCount=5 \
        materials.internode=[105,80,55] materials.petiole=[105,80,55] \
        materials.frontLeaf=[200,215,190] materials.backLeaf=[110,140,90] \
        materials.frontFlower=[240,85,155] materials.backFlower=[250,175,210] \
        view.rotation=[22,20,0] view.translation=[0,1.2,-4.1] view.zoom=40
    draw 3-azalea 50 75 110
}

basil() {
    save 4-basil 4 4 8 "${scene[@]}" \
        parameters.nodeBirthRate=3 parameters.wind=3 parameters.petioleBitAngle=0 \
        parameters.internodeLength=0.1 parameters.internodeLengthReduce=1.12 \
        parameters.internodeDiameterReduce=0.95 parameters.shortInternodeRatio=0.4 \
        parameters.petioleLength=0.1 parameters.petioleLengthReduce=1.1 \
        parameters.petioleDiameterReduce=0.95 parameters.shortPetioleRatio=0.5 \
        parameters.leafReduce=0.97 parameters.flowerReduce=1 \
        placement.leafSize=[0.6,0.6,0.5] placement.leafAngle=[-40,0,180] \
        placement.flowerSize=[0.3,0.45,0.26] placement.flowerAngle=[180,0,0] \
        placement.petalCount=5 \
        materials.internode=[110,150,70] materials.petiole=[110,150,70] \
        materials.frontLeaf=[215,230,200] materials.backLeaf=[130,170,100] \
        materials.frontFlower=[245,245,250] materials.backFlower=[225,205,235] \
        view.rotation=[38,25,0] view.translation=[0,1.05,-3.4] view.zoom=40
    draw 4-basil 25 50 90
}

plants=("$@")
if [ ${#plants[@]} -eq 0 ]; then
    plants=(soybean primula azalea basil)
fi
for plant in "${plants[@]}"; do
    case $plant in
    soybean | primula | azalea | basil) "$plant" ;;
    *)
        echo "make-gallery.sh: no gallery plant '$plant' (soybean, primula, azalea, basil)" >&2
        exit 2
        ;;
    esac
done
git -C "$root" status --short examples/sessions docs/gallery
