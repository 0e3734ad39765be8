#!/usr/bin/env bash
# The page's fonts: the bundled Liberation Sans, cut to the Latin-1 letters the game draws and
# renamed as the font licence asks of a modified font. The desktop keeps the whole fonts.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
out=$root/assets/page_fonts
mkdir -p "$out"
for style in Regular Bold; do
  /usr/bin/python3 "$here/subset.py" "$root/assets/fonts/LiberationSans-$style.ttf" "$out/SplatvanePageSans-$style.ttf" \
    "Splatvane Page Sans"
  echo "font: assets/page_fonts/SplatvanePageSans-$style.ttf"
done
cp "$root/assets/fonts/LICENSE.txt" "$out/LICENSE.txt"
