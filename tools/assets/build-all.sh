#!/usr/bin/env bash
# Regenerate every picture from its sources: each art area's build.sh in turn, then a
# placeholder for any picture still missing, then the contact sheet.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bash "$here/deps.sh"
for build in "$here"/*/build.sh; do
  area=$(basename "$(dirname "$build")")
  case $area in placeholders | contact | lib | out) continue ;; esac
  echo "== $area"
  bash "$build"
done
echo "== placeholders"
bash "$here/placeholders/build.sh"
if [[ -x $here/contact/build.sh ]]; then
  echo "== contact"
  bash "$here/contact/build.sh"
fi
