#!/usr/bin/env bash
# The README's screenshots: renders every shot listed below with the snapshot tool, keeps those
# whose screen draws something (a screen still to be built draws a blank page), shrinks each
# to a small PNG in docs/, and rewrites the README's "Screens" section to show them.
# usage: docs-shots.sh BUILD_FOLDER    (after a build; `make docs-shots` does both)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
docs=$root/docs
largest=$((150 * 1024))

# screen[:scenario] <TAB> file name in docs/ <TAB> caption
shots=$(cat <<'LIST'
1	title	The title screen
1:menu	title-menu	New Game or Continue Game
3	options	Options of a new career: challenge, weather, technology and home country
2:keyboard	team-building	Team building: names on the on-screen keyboard and faces
4:team	team-page	The team page, the hub between matches
6	gear	The gear catalogue
12:recruit	recruitment	Recruitment of free agents
13:topic	help	The help screen
10:flight	travel	Travel to the next country
7:team	next-match	The next match and its line-up
8:match	match	The match in play
8:dust	match-storm	The match in a duststorm
8:rain	match-rain	The match in a rainstorm, paused
9:win	result	The match result
5:wales	world	The world map
16	training	The training menu
17:running	speed-training	Speed training
18:duel	tag-duel	Tag-duel training
19:flying	target-shooting	Target-shooting training
11	victory	The tour victory
LIST
)

rendered=$(mktemp -d)
trap 'rm -rf "$rendered"' EXIT
mkdir -p "$docs"
section=$rendered/section.md
: >"$section"
while IFS=$'\t' read -r shot name caption; do
  (cd "$build/game" && ../snapshot "$rendered" "$shot" >/dev/null)
  png=$rendered/TForm${shot/:/-}.png
  if [[ $(/usr/bin/convert "$png" -format '%[fx:minima]' info:) == 1 ]]; then
    echo "skipped $shot: the screen draws nothing yet"
    rm -f "$docs/$name.png"
    continue
  fi
  # 256 colours keep the flat art exact enough and the file small; the textured fields of the
  # match need fewer colours, and then a smaller picture, to stay small.
  for shrink in "-colors 256" "-colors 64" "-resize 75% -colors 64"; do
    /usr/bin/convert "$png" -strip -dither None $shrink -define png:exclude-chunks=date,time "PNG8:$docs/$name.png"
    size=$(stat -c %s "$docs/$name.png")
    ((size > largest)) || break
  done
  ((size <= largest)) || { echo "$docs/$name.png is $size bytes, more than $largest" >&2; exit 1; }
  echo "docs/$name.png  $((size / 1024)) KB  $caption"
  printf '![%s](docs/%s.png)\n*%s*\n\n' "$caption" "$name" "$caption" >>"$section"
done <<<"$shots"

# The section between its two markers is replaced; the rest of the README stays as it is.
readme=$root/README.md
awk -v section="$section" '
  /<!-- screens:begin -->/ { print; while ((getline line < section) > 0) print line; skipping = 1; next }
  /<!-- screens:end -->/ { skipping = 0 }
  !skipping { print }
' "$readme" >"$rendered/README.md"
cp "$rendered/README.md" "$readme"
