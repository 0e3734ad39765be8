#!/usr/bin/env bash
# The twenty country flags and their name labels, from the pinned flag-icons package.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
out=$root/tools/assets/out/flags
. "$root/tools/assets/interface/npm-env.sh" "$root/tools/assets/interface"
rm -rf "$out" && mkdir -p "$out"
node "$here/flags.js" "$out" >"$out/list.tsv"
export root
tr '\t' ' ' <"$out/list.tsv" | xargs -P 2 -L 1 bash -c \
  '"$root/tools/assets/lib/svg2jpg.sh" "$0" "$1" "$2" "$root/assets/pictures/$3.jpg"'
echo "flags: $(wc -l <"$out/list.tsv") pictures"
