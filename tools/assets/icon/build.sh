#!/usr/bin/env bash
# The desktop icon, 256 x 256 PNG with a transparent corner, from the title's own shapes.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
out=$root/tools/assets/out/icon
mkdir -p "$out" "$root/assets/icon"
node "$here/icon.js" >"$out/splatvane.svg"
rsvg-convert --width 256 --height 256 "$out/splatvane.svg" -o "$out/splatvane-full.png"
# Stripped of metadata and dates, so that every run makes the same file.
/usr/bin/convert "$out/splatvane-full.png" -strip -define png:exclude-chunks=date,time \
  "$root/assets/icon/splatvane.png"
echo "icon: assets/icon/splatvane.png"
