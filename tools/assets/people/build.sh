#!/usr/bin/env bash
# Regenerates the people pictures: portraits, figures and their animations.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
out="$root/tools/assets/out/people"
mkdir -p "$out"
cd "$root"
node --test "$here/" >/dev/null || { echo "people: generator checks failed" >&2; node --test "$here/" >&2; exit 1; }
node "$here/build.mjs" "$out"
# Two at a time: one per core.
xargs -P 2 -L 1 -d '\n' bash -c 'IFS=$'"'"'\t'"'"' read -r svg w h jpg <<<"$0"; tools/assets/lib/svg2jpg.sh "$svg" "$w" "$h" "$jpg"' < "$out/jobs.tsv"
"$here/previews.sh" "$out"
