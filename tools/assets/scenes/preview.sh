#!/usr/bin/env bash
# Sheets for looking at this area's pictures: one per screen, the four surfaces
# with a match drawn over them, and the target range as the game puts it together.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
out=$root/tools/assets/out/scenes
command -v /usr/bin/montage >/dev/null || exit 0
for form in $(cut -f4 "$out/jobs.tsv" | xargs -n1 dirname | xargs -n1 basename | sort -u); do
  files=$(grep "/$form/" "$out/jobs.tsv" | cut -f4 | tr '\n' ' ')
  # shellcheck disable=SC2086
  /usr/bin/montage $files -label '%t' -geometry '+6+6' -background '#DDDDDD' "$out/preview-$form.png"
done
if grep -q '/TForm8/Image5.jpg' "$out/jobs.tsv"; then "$here/preview-surfaces.sh"; fi
if grep -q '/TForm19/Image1.jpg' "$out/jobs.tsv"; then
  node "$here/preview-range.js" "$root/assets/pictures" "$out"
  rsvg-convert "$out/range.svg" -o "$out/preview-range.png"
fi
