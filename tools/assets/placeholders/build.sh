#!/usr/bin/env bash
# Fill every picture of the manifest that has no art yet with a placeholder:
# light grey, a thin border and its own name, marked with the JPEG comment
# "splatvane-placeholder". Real art (a picture without the marker) is never touched.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
manifest=$root/assets/pictures/manifest.tsv
out=$root/tools/assets/out/placeholders
marker=splatvane-placeholder
mkdir -p "$out"

is_placeholder() { rdjpgcom "$1" 2>/dev/null | grep -qx "$marker"; }

needs_placeholder() { [[ ! -f $1 ]] || is_placeholder "$1"; }

font_size() { # fit "TFormN/ImageM" inside w x h
  local w=$1 h=$2 label=$3
  awk -v w="$w" -v h="$h" -v n="${#label}" 'BEGIN {
    s = (w - 4) / (n * 0.56); if (s > h * 0.6) s = h * 0.6; if (s > 28) s = 28; if (s < 4) s = 4
    printf "%.1f", s }'
}

write_svg() { # w h label svg
  local w=$1 h=$2 label=$3 svg=$4 size
  size=$(font_size "$w" "$h" "$label")
  cat >"$svg" <<SVG
<svg xmlns="http://www.w3.org/2000/svg" width="$w" height="$h" viewBox="0 0 $w $h">
  <rect x="0.5" y="0.5" width="$((w - 1))" height="$((h - 1))" fill="#D9D9D9" stroke="#8A94A6" stroke-width="1"/>
  <text x="$((w / 2))" y="$((h / 2))" font-family="Liberation Sans" font-size="$size" fill="#1B2A41"
        text-anchor="middle" dominant-baseline="central">$label</text>
</svg>
SVG
}

made=0
while IFS=$'\t' read -r form image w h _; do
  [[ $form == form ]] && continue
  jpg=$root/assets/pictures/$form/$image.jpg
  needs_placeholder "$jpg" || continue
  svg=$out/$form-$image.svg
  write_svg "$w" "$h" "$form/$image" "$svg"
  "$root/tools/assets/lib/svg2jpg.sh" "$svg" "$w" "$h" "$out/$form-$image.jpg"
  mkdir -p "$(dirname "$jpg")"
  wrjpgcom -replace -comment "$marker" "$out/$form-$image.jpg" >"$jpg.tmp"
  mv "$jpg.tmp" "$jpg"
  made=$((made + 1))
done <"$manifest"
echo "placeholders: $made written"
