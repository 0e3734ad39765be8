#!/usr/bin/env bash
# Contact sheets of this area's pictures for looking at them, one per screen.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
out=$root/tools/assets/out/scenes
for form in $(cut -f4 "$out/jobs.tsv" | xargs -n1 dirname | xargs -n1 basename | sort -u); do
  files=$(grep "/$form/" "$out/jobs.tsv" | cut -f4 | tr '\n' ' ')
  # shellcheck disable=SC2086
  /usr/bin/montage $files -label '%t' -geometry '+6+6' -background '#DDDDDD' "$out/preview-$form.png" 2>/dev/null || true
done
