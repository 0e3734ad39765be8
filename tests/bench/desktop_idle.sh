#!/usr/bin/env bash
# What the real game costs while the player only looks or lets it run: the processor time of
# the whole process (every thread) from /proc/PID/stat on the title screen and the team page
# (10 s each), during an untouched speed-training run (30 s of its 50) and in a live match of
# seven against seven (15 s), and the wall time of the speed run of 500 ticks.
# usage: desktop_idle.sh GAME_FOLDER [WIDTHxHEIGHT] [OPTIONS...]
#   e.g. desktop_idle.sh build-release/game 2560x1440 --scale 2
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

# Where the picture shows, from the window's size and the scale asked for (fit when none):
# the game is given the window divided by the scale, the picture sits centred in that area,
# and the area centred in the window.
mode=fit
for ((i = 1; i <= $#; ++i)); do
  [[ ${!i} == --scale ]] && { j=$((i + 1)); mode=${!j}; }
  [[ ${!i} == --scale=* ]] && mode=${!i#--scale=}
done
read -r left top scale < <(awk -v w="$width" -v h="$height" -v mode="$mode" 'BEGIN {
  whole = int(w / 800) < int(h / 600) ? int(w / 800) : int(h / 600); if (whole < 1) whole = 1
  if (mode == "fit") s = w / 800 < h / 600 ? w / 800 : h / 600
  else if (mode == "auto") s = whole
  else s = mode + 0 < whole ? mode + 0 : whole
  aw = int(w / s + 1e-9); ah = int(h / s + 1e-9)
  printf "%f %f %f\n", (w - aw * s) / 2 + (int(aw / 2) - 400) * s, (h - ah * s) / 2 + (int(ah / 2) - 300) * s, s }')
at() { awk -v l="$left" -v t="$top" -v s="$scale" -v x="$1" -v y="$2" 'BEGIN { printf "%d %d", l + (x + 0.5) * s, t + (y + 0.5) * s }'; }
click() {
  # shellcheck disable=SC2046
  xdotool mousemove $(at "$1" "$2") click 1
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
cpu_ns() { cat /proc/"$game_pid"/task/*/schedstat | awk '{ sum += $1 } END { printf "%.0f", sum }'; }
# Processor time over SECONDS (10 unless told) as a share of one core.
measure() {
  local seconds=${2:-10} before after before_ns after_ns
  before=$(cpu_ticks) before_ns=$(cpu_ns)
  sleep "$seconds"
  after=$(cpu_ticks) after_ns=$(cpu_ns)
  awk -v used=$((after - before)) -v hz="$ticks_per_second" -v what="$1" -v ns=$((after_ns - before_ns)) -v s="$seconds" \
    'BEGIN { printf "%s: %.1f%% of one core (%d ticks of 1/%d s in %d s; %.2f%% from schedstat)\n",
             what, used * 100 / hz / s, used, hz, s, ns / 1e9 * 100 / s }'
}
# The pointer out of the picture, and the screen given time to settle.
still() {
  xdotool mousemove 0 0
  sleep 2
}

echo "display $screen, options: ${*:-none}, the picture at ($left, $top), scale $scale"
still
measure "title screen"
click 100 100
click 100 100
click 500 200    # New Game
until_caption "Options Screen"
click 400 575
until_caption "Build Your Team"
click 600 575
until_caption "Team Page"
still
measure "team page"

click 575 25     # Train Player ($500)
until_caption Form16
# The run's clock starts with the press on its picture.
# shellcheck disable=SC2046
xdotool mousemove $(at 675 225)
started=$(date +%s.%N)
xdotool click 1
until_caption Form17
xdotool mousemove 0 0
sleep 5
measure "speed training" 30
until_caption "Team Page" 70
ended=$(date +%s.%N)
awk -v from="$started" -v to="$ended" 'BEGIN { printf "speed run of 500 ticks: %.2f s of wall time\n", to - from }'

click 775 25     # Next Match: the flight to the first country
until_caption Form10
click 400 300
until_caption "Next Match"
click 765 500    # PLAY
until_caption "Game On"
click 675 505    # the match starts paused
xdotool mousemove 0 0
sleep 3
measure "live match, seven against seven" 15
