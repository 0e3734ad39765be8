#!/usr/bin/env bash
# What the real game costs while the player only looks: the processor time of the whole
# process (every thread) over 10 s on the title screen and on the team page, from
# /proc/PID/stat, and the wall time of an untouched speed-training run of 500 ticks.
# usage: desktop_idle.sh GAME_FOLDER [WIDTHxHEIGHT] [OPTIONS...]
#   e.g. desktop_idle.sh build-release/game 1920x1080 --scale 1
set -euo pipefail
game=$(cd "$1" && pwd)
screen=${2:-1920x1080}
shift $(($# > 1 ? 2 : 1))
width=${screen%x*} height=${screen#*x}
for tool in Xvfb xdotool; do command -v "$tool" >/dev/null || { echo "needs $tool"; exit 1; }; done

work=$(mktemp -d /tmp/splatvane-idle.XXXXXX)
xvfb_pid='' game_pid=''
finish() {
  [[ -n $game_pid ]] && kill "$game_pid" 2>/dev/null || true
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT

Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 50); do [[ -s $work/display ]] && break; sleep 0.1; done
export DISPLAY=:$(head -n 1 "$work/display")

# A copy of the game folder, so that the run's career never lands in the build.
cp -r "$game" "$work/game"
(cd "$work/game" && exec ./splatvane "$@") >"$work/game.log" 2>&1 &
game_pid=$!
window=$(xdotool search --sync --onlyvisible --name '^Splatvane$' | head -n 1)
sleep 1

# Where a point of the picture shows: the picture sits centred in a window of whole game
# pixels, each shown as a square of SCALE window pixels.
scale=$(( width / 800 < height / 600 ? width / 800 : height / 600 ))
((scale >= 1)) || scale=1
[[ ${1:-} == --scale && ${2:-auto} != auto ]] && scale=$2
left=$(((width / scale / 2 - 400) * scale)) top=$(((height / scale / 2 - 300) * scale))
click() {
  xdotool mousemove $((left + $1 * scale)) $((top + $2 * scale)) click 1
  sleep 0.4
}
# Waits, looking every 20 ms, until the window's caption names the screen.
until_caption() {
  local deadline=$((SECONDS + ${2:-20}))
  until [[ $(xdotool getwindowname "$window") == "$1" ]]; do
    ((SECONDS < deadline)) || { echo "no screen \"$1\""; exit 1; }
    sleep 0.02
  done
}

ticks_per_second=$(getconf CLK_TCK)
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$game_pid/stat"; }
# The same to the nanosecond, every thread of the process added up.
cpu_ns() { cat /proc/"$game_pid"/task/*/schedstat | awk '{ sum += $1 } END { printf "%d", sum }'; }
# Processor time over 10 s as a share of one core, with the pointer out of the picture.
measure() {
  xdotool mousemove 0 0
  sleep 2
  local before after before_ns after_ns
  before=$(cpu_ticks) before_ns=$(cpu_ns)
  sleep 10
  after=$(cpu_ticks) after_ns=$(cpu_ns)
  awk -v used=$((after - before)) -v hz="$ticks_per_second" -v what="$1" -v ns=$((after_ns - before_ns)) \
    'BEGIN { printf "%s: %.1f%% of one core (%d ticks of 1/%d s in 10 s; %.2f%% from schedstat)\n",
             what, used * 100 / hz / 10, used, hz, ns / 1e9 * 10 }'
}

echo "display $screen, options: ${*:-none}, scale $scale"
measure "title screen"
click 100 100
click 100 100
click 500 200    # New Game
until_caption "Options Screen"
click 400 575
until_caption "Build Your Team"
click 600 575
until_caption "Team Page"
measure "team page"

click 575 25     # Train Player ($500)
until_caption Form16
# The run's clock starts with the press on its picture.
xdotool mousemove $((left + 675 * scale)) $((top + 225 * scale))
started=$(date +%s.%N)
xdotool click 1
until_caption Form17
xdotool mousemove 0 0
until_caption "Team Page" 70
ended=$(date +%s.%N)
awk -v from="$started" -v to="$ended" 'BEGIN { printf "speed run of 500 ticks: %.2f s of wall time\n", to - from }'
