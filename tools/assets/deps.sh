#!/usr/bin/env bash
# Install the Debian tools the picture pipeline needs; packages already present are skipped.
set -euo pipefail
packages=(librsvg2-bin imagemagick fonts-liberation fonts-liberation2 libjpeg-turbo-progs netpbm fonttools nodejs npm)

is_installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

missing=()
for p in "${packages[@]}"; do
  is_installed "$p" || missing+=("$p")
done
# A machine may carry its own node and npm outside Debian's packages.
if command -v node >/dev/null && command -v npm >/dev/null; then
  filtered=()
  for p in "${missing[@]}"; do [[ $p == nodejs || $p == npm ]] || filtered+=("$p"); done
  missing=("${filtered[@]}")
fi
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
echo "deps: installing ${missing[*]}"
"${sudo[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
