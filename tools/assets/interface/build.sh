#!/usr/bin/env bash
# The interface pictures: title artworks, headings, buttons, keyboard, option pictures,
# menu and status icons. Everything is drawn from code; no packages needed.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
out=$root/tools/assets/out/interface
rm -rf "$out" && mkdir -p "$out"
node "$here/art.js" "$out" >"$out/list.tsv"
export root
# Two at a time: the machine has two cores.
tr '\t' ' ' <"$out/list.tsv" | xargs -P 2 -L 1 bash -c \
  '"$root/tools/assets/lib/svg2jpg.sh" "$0" "$1" "$2" "$root/assets/pictures/$3.jpg"'
echo "interface: $(wc -l <"$out/list.tsv") pictures"
