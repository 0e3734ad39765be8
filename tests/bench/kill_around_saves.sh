#!/usr/bin/env bash
# Kills the real game (kill -9) at random moments around its saves, again and again, with the
# career linked into another folder (as players link it into a synced one) and something
# stale under the save's temporary name each time: a link to another file, a named pipe, a
# plain file. After every kill the career must be whole, one career of 1248 bytes, the old one
# or the new one, still reached through its link, and the other file untouched.
# usage: bench/kill_around_saves.sh GAME_FOLDER [ROUNDS]     (GAME_FOLDER: e.g. build-release/game)
set -euo pipefail
game=$(cd "$1" && pwd)
rounds=${2:-60}

fail() { echo "FAILED: $*"; exit 1; }
for tool in Xvfb xdotool sha1sum; do command -v "$tool" >/dev/null || fail "$tool is not installed"; done

work=$(mktemp -d /tmp/splatvane-kills.XXXXXX)
xvfb_pid='' game_pid=''
finish() {
  [[ -n $game_pid ]] && kill -KILL "$game_pid" 2>/dev/null || true
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT

# The working folder: the sounds and help texts linked in, the career a link into "synced".
folder=$work/player synced=$work/synced
mkdir -p "$folder" "$synced"
for file in "$game"/*.wav "$game"/*.txt; do ln -s "$file" "$folder/"; done
ln -s ../synced/career.dat "$folder/datarecord.dat"
echo "nobody's but the player's" >"$work/victim.txt"
victim_sum=$(sha1sum <"$work/victim.txt")

Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -ac 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 50); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || fail "the virtual display did not start"
export DISPLAY=:$(head -n 1 "$work/display")

wait_for_window() {
  for _ in $(seq 100); do xdotool search "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
  return 1
}
start_game() {
  (cd "$folder" && SDL_AUDIODRIVER=dummy exec "$game/splatvane" --scale 1 >>"$work/game.log" 2>&1) &
  game_pid=$!
  wait_for_window --onlyvisible --name '^Splatvane$' || fail "the game's window did not open: $(tail -3 "$work/game.log")"
  sleep 0.5
}
kill_game() {
  kill -KILL "$game_pid" 2>/dev/null || true
  wait "$game_pid" 2>/dev/null || true
  game_pid=''
}
click() { xdotool mousemove "$1" "$2" click 1; }
click_on_to() {
  click "$1" "$2"
  xdotool search --sync --name "^$3\$" >/dev/null 2>&1 & local waiting=$!
  ( sleep 5; kill "$waiting" 2>/dev/null ) & local timer=$!
  wait "$waiting" || fail "a click at ($1, $2) did not lead to \"$3\""
  kill "$timer" 2>/dev/null || true
}
from_title_menu() {
  for _ in 1 2 3; do
    click 100 100; sleep 0.3; click 100 100; sleep 0.3; click "$1" "$2"
    wait_for_window --name "^$3\$" && return 0
  done
  fail "the title's menu did not lead to \"$3\""
}

# A leftover of another kind under the temporary name each round, where the save makes it:
# beside the file the link stands for.
leave_stale() {
  local stale=$synced/career.dat.new
  rm -rf "$stale"
  case $(($1 % 3)) in
    0) ln -s ../victim.txt "$stale" ;;
    1) mkfifo "$stale" ;;
    2) echo "half a save" >"$stale" ;;
  esac
}

# The first career: a new one, to the team page and saved by Next Match.
start_game
from_title_menu 500 200 "Options Screen"
click_on_to 400 575 "Build Your Team"
click_on_to 600 575 "Team Page"
click_on_to 775 25 Form10
kill_game
[[ $(stat -L -c %s "$folder/datarecord.dat") -eq 1248 ]] || fail "the first career was not saved"

old=0 new=0
for round in $(seq "$rounds"); do
  leave_stale "$round"
  before=$(sha1sum <"$synced/career.dat")
  start_game
  from_title_menu 500 280 "Team Page"  # Continue Game
  click 725 25                         # the music turned over: the new career differs
  sleep 0.2
  # Next Match, the save, with the kill on its way: from before the click reaches the game
  # to well after the save is done.
  click 775 25 &
  sleep "$(printf '0.%03d' $((RANDOM % 80)))"
  kill_game
  wait $! 2>/dev/null || true
  [[ -L $folder/datarecord.dat ]] || fail "round $round: the career's link was replaced"
  [[ $(stat -L -c %s "$folder/datarecord.dat") -eq 1248 ]] || fail "round $round: the career is not 1248 bytes"
  [[ $(sha1sum <"$work/victim.txt") == "$victim_sum" ]] || fail "round $round: the other file was written"
  if [[ $(sha1sum <"$synced/career.dat") == "$before" ]]; then old=$((old + 1)); else new=$((new + 1)); fi
done
echo "$rounds kills around saves: the career was whole every time ($old times the old one, $new times the new one);" \
  "the link stayed and the other file was never written"
