#!/usr/bin/env bash
# The world map, and the check that every country's map point lies on that country.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
out=$root/tools/assets/out/map
. "$root/tools/assets/interface/npm-env.sh" "$root/tools/assets/interface"
rm -rf "$out" && mkdir -p "$out"
node "$here/check.js"
node "$here/map.js" "$out/TForm5-Image2.svg"
"$root/tools/assets/lib/svg2jpg.sh" "$out/TForm5-Image2.svg" 431 292 "$root/assets/pictures/TForm5/Image2.jpg"
echo "map: 1 picture"
