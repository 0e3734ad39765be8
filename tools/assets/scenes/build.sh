#!/usr/bin/env bash
# Regenerate the scene pictures: field surfaces, markers, the target range,
# travel, landmarks, training menu and duel lights.
# usage: build.sh [area ...]   (no area: all of them)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
out=$root/tools/assets/out/scenes
mkdir -p "$out"
node "$here/gen.js" "$out" "$root/assets/pictures" "$@"
# Two rasterisers at a time, one per core.
tr '\t' ' ' <"$out/jobs.tsv" | xargs -P 2 -L 1 "$root/tools/assets/lib/svg2jpg.sh"
"$here/preview.sh"
echo "scenes: $(wc -l <"$out/jobs.tsv") pictures written"
