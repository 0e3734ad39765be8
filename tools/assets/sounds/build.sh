#!/usr/bin/env bash
# Regenerates assets/sounds/*.wav from the synthesiser; seeded, so every run
# writes the same bytes. Needs only Node, which the machine has.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
command -v node >/dev/null || { echo "sounds: node is needed" >&2; exit 1; }
node "$here/build.js" "$root/assets/sounds"
