#!/usr/bin/env bash
# The four surfaces with a match drawn over them, stacked into one sheet.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
out=$root/tools/assets/out/scenes
node "$here/preview-match.js" "$root/assets/pictures" "$out"
for s in Image2 Image3 Image4 Image5; do rsvg-convert "$out/match-$s.svg" -o "$out/match-$s.png"; done
/usr/bin/convert "$out"/match-Image{2,3,4,5}.png -append "$out/preview-match.png"
