#!/usr/bin/env bash
# Rasterise one SVG to a baseline JPEG of exactly W x H pixels.
# usage: svg2jpg.sh IN.svg W H OUT.jpg
set -euo pipefail
in=$1 w=$2 h=$3 out=$4
tmp=$(mktemp --suffix=.png)
trap 'rm -f "$tmp"' EXIT
rsvg-convert --width "$w" --height "$h" --keep-aspect-ratio=false "$in" -o "$tmp" 2>/dev/null \
  || rsvg-convert -w "$w" -h "$h" "$in" -o "$tmp"
mkdir -p "$(dirname "$out")"
# /usr/bin/convert explicitly: some machines shadow it with a stand-in in /usr/local/bin.
/usr/bin/convert "$tmp" -background white -alpha remove -alpha off -resize "${w}x${h}!" \
  -strip -sampling-factor 4:2:0 -interlace none -quality 90 "$out"
