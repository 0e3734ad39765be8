#!/usr/bin/env bash
# Contact sheets: every picture of the manifest at 1:1 with its name, one sheet per screen
# (tools/assets/out/contact/TForm<N>.png), on a mid-grey ground so white edges show.
# Placeholders are framed in red so missing art stands out.
set -euo pipefail
shopt -s inherit_errexit
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
out=$root/tools/assets/out/contact
im=/usr/bin/convert
max_row_width=1620
mkdir -p "$out"
# Tiles go to a private folder, so two builds at once cannot trip over each other.
tiles=$(mktemp -d)
trap 'rm -rf "$tiles"' EXIT

tile() { # form image -> tile png path
  local form=$1 image=$2 jpg=$root/assets/pictures/$1/$2.jpg png=$tiles/$1-$2.png frame=#9AA0A8
  rdjpgcom "$jpg" 2>/dev/null | grep -qx splatvane-placeholder && frame=#D7263D
  $im "$jpg" -bordercolor "$frame" -border 1 \
    \( -background '#9AA0A8' -fill '#1B2A41' -font Liberation-Sans -pointsize 11 label:"$form/$image" \) \
    -background '#9AA0A8' -gravity center -append -bordercolor '#9AA0A8' -border 4 "$png"
  echo "$png"
}

sheet() { # form: lay the form's tiles into rows no wider than max_row_width
  local form=$1 rows=() row=() width=0 n=0
  while IFS=$'\t' read -r f image w _; do
    [[ $f == "$form" ]] || continue
    local png; png=$(tile "$f" "$image")
    if ((width + w + 10 > max_row_width && ${#row[@]} > 0)); then
      $im "${row[@]}" -background '#9AA0A8' -gravity north +append "$tiles/row-$form-$n.png"
      rows+=("$tiles/row-$form-$n.png"); n=$((n + 1)); row=(); width=0
    fi
    row+=("$png"); width=$((width + w + 10))
  done < <(tail -n +2 "$root/assets/pictures/manifest.tsv")
  if ((${#row[@]} > 0)); then
    $im "${row[@]}" -background '#9AA0A8' -gravity north +append "$tiles/row-$form-$n.png"
    rows+=("$tiles/row-$form-$n.png")
  fi
  $im "${rows[@]}" -background '#9AA0A8' -gravity northwest -append "$out/$form.png"
  rm -f "${rows[@]}"
}

forms=$(tail -n +2 "$root/assets/pictures/manifest.tsv" | cut -f1 | sort -u -V)
for form in $forms; do sheet "$form"; done
echo "contact: $(ls "$out"/*.png | wc -l) sheets in $out"
