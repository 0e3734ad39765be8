#!/usr/bin/env bash
# Installs the game into a temporary prefix and plays it there as a player would: the launcher
# starts it under a virtual display, the mouse goes from the title through a new career to
# "Next Match" on the team page, which saves the career; a second start continues that career
# and saves again. The career must land in the player's own folder and nothing may be
# written under the prefix, which the player is given the right to write to, so that a stray
# file would show.
# usage: install_test.sh BUILD_FOLDER        (exit 77: skipped, with the reason)
set -euo pipefail
build=$(cd "$1" && pwd)

skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*"; exit 1; }
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || skip "$tool is not installed; the game cannot be played without a display"
done

work=$(mktemp -d /tmp/splatvane-install.XXXXXX)
chmod 755 "$work"
xvfb_pid='' game_pid=''
finish() {
  [[ -n $game_pid ]] && kill -KILL "$game_pid" 2>/dev/null || true
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT

prefix=$work/prefix
home=$work/home
mkdir -p "$home"
cmake --install "$build" --prefix "$prefix" >/dev/null

# The player: this user, or "nobody" when the test runs as root (root could write anywhere).
as_player=()
if [[ $(id -u) -eq 0 ]]; then
  command -v setpriv >/dev/null || skip "running as root and setpriv is not installed to become a player"
  id nobody >/dev/null 2>&1 || skip "running as root and there is no user nobody to play as"
  as_player=(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups --)
  chown -R nobody "$prefix" "$home"
fi
listing() { (cd "$prefix" && find . -printf '%p %y %s %T@\n' | sort); }
listing >"$work/before"

Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -ac 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 50); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || fail "the virtual display did not start: $(cat "$work/xvfb.log")"
display=:$(head -n 1 "$work/display")
# The number comes as the server starts listening; the game starts only once it answers.
for _ in $(seq 50); do DISPLAY=$display xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

# Waits up to 20 s for a window named as asked. xdotool stops on an X error when a window it
# is looking at goes away under it, as the game's start-up windows may, so it looks again.
wait_for_window() {
  for _ in $(seq 100); do
    DISPLAY=$display xdotool search "$@" >/dev/null 2>&1 && return 0
    sleep 0.2
  done
  return 1
}

# usage: start_game [VARIABLE=value...]: more of the player's environment
start_game() {
  env -i -C "$work" HOME="$home" PATH=/usr/bin:/bin DISPLAY="$display" SDL_AUDIODRIVER=dummy "$@" \
    "${as_player[@]}" "$prefix/bin/splatvane" >"$work/game.log" 2>&1 &
  game_pid=$!
  wait_for_window --onlyvisible --name '^Splatvane$' \
    || fail "the game's window did not open: $(cat "$work/game.log"); the display: $(tail -n 5 "$work/xvfb.log")"
  # A window just shown misses the first clicks for a moment.
  sleep 1
}
stop_game() {
  kill -KILL "$game_pid" 2>/dev/null || true
  wait "$game_pid" 2>/dev/null || true
  game_pid=''
}
# A press and release at a point of the 800 x 600 picture, which fills the virtual display.
click() { DISPLAY=$display xdotool mousemove "$1" "$2" click 1; }
# A click that hands over to another screen: the window's caption names the screen shown.
click_on_to() {
  click "$1" "$2"
  wait_for_window --name "^$3\$" \
    || fail "a click at ($1, $2) did not lead to the screen \"$3\""
}
# The title's pictures turn on a click each, the credits, then the menu; there a click on a
# button leads on. A game slow to start may miss the first clicks, and more clicks on the
# title do no harm, so the whole way is tried again a few times.
from_title_menu() {
  local x=$1 y=$2 screen=$3
  for _ in 1 2 3; do
    click 100 100
    sleep 0.3
    click 100 100
    sleep 0.3
    click "$x" "$y"
    DISPLAY=$display timeout 5 xdotool search --sync --name "^$screen\$" >/dev/null && return 0
  done
  fail "the title's menu did not lead to the screen \"$screen\""
}
next_match_on_team_page() { click_on_to 775 25 Form10; }

save=$home/.local/share/splatvane/datarecord.dat
wait_for_save() {
  for _ in $(seq 50); do [[ -s $save && $(stat -c %s "$save") -eq 1248 ]] && return 0; sleep 0.1; done
  fail "no career of 1248 bytes was saved in the player's folder: $(ls -la "$(dirname "$save")" 2>&1)"
}

start_game
from_title_menu 500 200 "Options Screen"   # New Game
click_on_to 400 575 "Build Your Team"
click_on_to 600 575 "Team Page"        # the team is done
next_match_on_team_page
wait_for_save
stop_game
touch -d '2000-01-01' "$save"

# A relative XDG_DATA_HOME is no setting: the career stays where it is, not in a folder of
# whatever working folder the game was started from.
start_game XDG_DATA_HOME=saves
from_title_menu 500 280 "Team Page"        # Continue Game
next_match_on_team_page
for _ in $(seq 50); do [[ $(stat -c %Y "$save") -gt 946771200 ]] && break; sleep 0.1; done
[[ $(stat -c %Y "$save") -gt 946771200 ]] || fail "the continued career was not saved again"
stop_game

[[ ! -e $work/saves ]] || fail "a relative XDG_DATA_HOME made a career folder in the working folder"

for file in "$prefix"/lib/splatvane/*.wav "$prefix"/lib/splatvane/*.txt; do
  [[ $home/.local/share/splatvane/${file##*/} -ef $file ]] || fail "${file##*/} is not linked into the player's folder"
done
listing >"$work/after"
diff -u "$work/before" "$work/after" || fail "the game wrote under the install prefix"
echo "the career was saved and continued in the player's folder; nothing was written under the prefix"
