#!/bin/bash
# The replay tool built to WebAssembly, run under node, writes every golden trace byte for
# byte as the native tool does.
# usage: golden_under_node.sh REPLAY.js
set -euo pipefail
replay=$1
folder=$(cd "$(dirname "$0")/../golden" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failed=0
for scenario in "$folder"/*.json; do
  name=$(basename "$scenario" .json)
  node "$replay" "$scenario" > "$out/$name.jsonl"
  if cmp -s "$out/$name.jsonl" "$folder/$name.jsonl"; then
    echo "golden trace under node: $name is the same"
  else
    echo "golden trace under node: $name differs" >&2
    cmp "$out/$name.jsonl" "$folder/$name.jsonl" >&2 || true
    failed=1
  fi
done
exit $failed
