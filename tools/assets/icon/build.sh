#!/usr/bin/env bash
# The desktop icon, 256 x 256 PNG with a transparent corner, from the title's own shapes; and
# the page's icons for an installed app: the same at 192 and 512, and a maskable one at 512.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
out=$root/tools/assets/out/icon
mkdir -p "$out" "$root/assets/icon"
node "$here/icon.js" >"$out/splatvane.svg"
node "$here/icon.js" maskable >"$out/splatvane-maskable.svg"

# Stripped of metadata and dates, so that every run makes the same file. The page's icons come
# over the network, so they are kept to 256 colours, a third of the weight with the same look.
render() { # SVG SIZE OUTPUT [CONVERT OPTION...]
  rsvg-convert --width "$2" --height "$2" "$1" -o "$out/full.png"
  /usr/bin/convert "$out/full.png" -strip -define png:exclude-chunks=date,time "${@:4}" "$3"
  echo "icon: ${3#*"$root"/}"
}
render "$out/splatvane.svg" 256 "$root/assets/icon/splatvane.png"
for size in 192 512; do
  render "$out/splatvane.svg" $size "PNG8:$root/assets/icon/page-$size.png" -colors 256
done
render "$out/splatvane-maskable.svg" 512 "PNG8:$root/assets/icon/page-maskable-512.png" -colors 256
