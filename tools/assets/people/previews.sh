#!/usr/bin/env bash
# Contact strips and animated loops of the people pictures, for looking at by eye.
set -euo pipefail
out=$1
pics=assets/pictures
mkdir -p "$out/preview"

# Each face large beside its small card (shown at 1:1 and doubled).
pairs=()
for i in $(seq 0 19) blank masked; do
  case $i in
    blank) big=$pics/TForm2/Image37.jpg small=$pics/TForm7/Image13.jpg ;;
    masked) big=$pics/TForm2/Image45.jpg small=$pics/TForm7/Image45.jpg ;;
    *) big=$pics/TForm2/Image$((17 + i)).jpg small=$pics/TForm7/Image$((14 + i)).jpg ;;
  esac
  pair=$out/preview/pair_$i.png
  /usr/bin/convert "$big" -resize 50% \( "$small" -background white -gravity center -extent 70x120 \) \
    \( "$small" -filter point -resize 200% \) -background white -gravity center +append "$pair"
  pairs+=("$pair")
done
/usr/bin/montage "${pairs[@]}" -tile 4x -geometry +6+6 -background white "$out/preview/portraits.png"
rm -f "${pairs[@]}"

# An animation as a strip of its frames and as a looping GIF at the game's pace (one frame per tick).
animation() {
  local name=$1 delay=$2; shift 2
  local frames=("$@")
  [ -f "${frames[0]}" ] || return 0
  /usr/bin/convert "${frames[@]}" -bordercolor '#DDDDDD' -border 1 +append "$out/preview/$name-strip.png"
  /usr/bin/convert -delay "$delay" -loop 0 "${frames[@]}" "$out/preview/$name.gif"
}
seqimg() { local form=$1 from=$2 to=$3; for i in $(seq "$from" "$to"); do echo "$pics/TForm$form/Image$i.jpg"; done; }

mapfile -t f < <(seqimg 7 34 41); animation lineup 50 "${f[@]}"
mapfile -t f < <(seqimg 8 7 10); animation strip 50 "${f[@]}"
mapfile -t f < <(seqimg 12 1 10); animation recruits 100 "${f[@]}"
mapfile -t f < <(seqimg 17 1 9); animation runner 20 "${f[@]}"
mapfile -t f < <(seqimg 9 7 24); animation victory 10 "${f[@]}"
mapfile -t f < <(seqimg 9 25 42); animation defeat 10 "${f[@]}"
mapfile -t f < <(seqimg 11 4 13); animation trophy 10 "${f[@]}"
mapfile -t f < <(seqimg 18 1 7); animation duel 50 "${f[@]}"
echo "people: previews in $out/preview"
