#!/usr/bin/env bash
# Checks the Debian package as Debian and a player would. lintian finds no error; the
# AppStream metadata, the desktop entry and the manual page pass their validators. apt
# installs it; the command on the PATH tells its version and refuses an unknown option; an
# ordinary user starts it on a 2560 x 1440 virtual display, gets a window named "Splatvane"
# showing the picture fitted to the display at 2.4 times its size, a folder of their own,
# and clicks where they see the buttons from the title to "Next Match", which saves the career in their folder. apt then
# removes it and nothing is left behind under /usr.
# usage: package_test.sh PACKAGE.deb        (as root; exit 77: skipped, with the reason)
set -euo pipefail
deb=$(realpath "$1")

skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*"; exit 1; }
[[ $(id -u) -eq 0 ]] || skip "installing a package needs root"
for tool in apt-get dpkg-deb lintian appstreamcli desktop-file-validate man Xvfb xdotool setpriv useradd; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done
installed_state() { dpkg-query -W -f='${Status}' splatvane 2>/dev/null || true; }
[[ $(installed_state) != *' installed' ]] || skip "splatvane is installed already; the test installs and removes it itself"

player=splatvane-player
work=$(mktemp -d /tmp/splatvane-package.XXXXXX)
chmod 755 "$work"
xvfb_pid='' game_pid='' made_player=''
finish() {
  [[ -n $game_pid ]] && kill -KILL "$game_pid" 2>/dev/null || true
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  [[ $(installed_state) == *' installed' ]] && apt-get remove -y -qq splatvane >/dev/null 2>&1 || true
  [[ -n $made_player ]] && userdel "$player" 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT

# The package's name and fields.
version=$(dpkg-deb -f "$deb" Version)
arch=$(dpkg-deb -f "$deb" Architecture)
[[ ${deb##*/} == "splatvane_${version}_${arch}.deb" ]] || fail "the package is named ${deb##*/}"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libstdc++6 libsdl2 libjpeg libfreetype; do
  [[ $depends == *"$library"* ]] || fail "Depends does not name $library: $depends"
done

# Debian's checks of the package and of its metadata.
lintian --fail-on error --tag-display-limit 0 "$deb" | tee "$work/lintian" || fail "lintian found errors"
dpkg-deb -x "$deb" "$work/tree"
appstreamcli validate --no-net "$work/tree"/usr/share/metainfo/*.metainfo.xml || fail "the AppStream metadata is not valid"
desktop-file-validate "$work/tree/usr/share/applications/splatvane.desktop" || fail "the desktop entry is not valid"
manual_warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
  man --warnings -E UTF-8 -l -Tutf8 -Z "$work/tree/usr/share/man/man6/splatvane.6.gz" 2>&1 >/dev/null)
[[ -z $manual_warnings ]] || fail "the manual page has faults: $manual_warnings"

# Everything under /usr but the caches that other packages' triggers rebuild.
listing() { find /usr -xdev ! -name mimeinfo.cache ! -name icon-theme.cache | sort; }
listing >"$work/before"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >"$work/apt.log" 2>&1 \
  || fail "apt-get install failed: $(cat "$work/apt.log")"
path=/usr/local/bin:/usr/bin:/bin:/usr/games
[[ $(PATH=$path command -v splatvane) == /usr/games/splatvane ]] || fail "the command is not /usr/games/splatvane"
[[ $(/usr/games/splatvane --version) == "Splatvane $version" ]] || fail "--version tells $(/usr/games/splatvane --version)"
status=0
/usr/games/splatvane --no-such-option 2>"$work/refused" || status=$?
[[ $status -eq 2 && -s $work/refused ]] || fail "an unknown option ended with status $status"
[[ -x /usr/lib/games/splatvane/splatvane && -d /usr/share/games/splatvane/pictures ]] \
  || fail "the program or its data are not where Debian keeps games"
[[ -z $(dpkg -L splatvane | xargs -d '\n' find 2>/dev/null -maxdepth 0 -perm -o+w ! -type l) ]] \
  || fail "the package installs files others may write to"

# The player: an ordinary user with a home of their own in the test's folder.
if ! id "$player" >/dev/null 2>&1; then
  useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin "$player"
  made_player=1
fi
home=$work/home
mkdir -p "$home"
chown "$player" "$home"

Xvfb -displayfd 3 -screen 0 2560x1440x24 -nolisten tcp -ac 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 50); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || fail "the virtual display did not start: $(cat "$work/xvfb.log")"
display=:$(head -n 1 "$work/display")

env -i HOME="$home" PATH="$path" DISPLAY="$display" SDL_AUDIODRIVER=dummy \
  setpriv --reuid="$player" --regid="$(id -g "$player")" --clear-groups -- splatvane >"$work/game.log" 2>&1 &
game_pid=$!
window=''
for _ in $(seq 100); do
  window=$(DISPLAY=$display xdotool search --onlyvisible --name '^Splatvane$' 2>/dev/null | head -n 1) && [[ -n $window ]] && break
  sleep 0.2
done
[[ -n $window ]] || fail "no window named Splatvane opened: $(cat "$work/game.log")"
[[ $(ps -o user= -p "$game_pid") == "$player" ]] || fail "the game does not run as the player"
folder=$home/.local/share/splatvane
for file in /usr/share/games/splatvane/*.wav /usr/share/games/splatvane/*.txt; do
  [[ $folder/${file##*/} -ef $file ]] || fail "${file##*/} is not linked into the player's folder"
done
sleep 1

# Fitted, the 800 x 600 picture is 1920 x 1440 at 2.4 times, centred in 2560 x 1440: game
# pixel x shows on window columns 320 + 2.4 x .. 320 + 2.4 (x + 1); the click goes to its middle.
click() { DISPLAY=$display xdotool mousemove $((320 + (2 * $1 + 1) * 6 / 5)) $(((2 * $2 + 1) * 6 / 5)) click 1; sleep 0.3; }
until_caption() {
  for _ in $(seq 100); do
    [[ $(DISPLAY=$display xdotool getwindowname "$window" 2>/dev/null) == "$1" ]] && return 0
    sleep 0.1
  done
  fail "the game did not reach the screen \"$1\""
}
for _ in 1 2 3; do
  click 100 100
  click 100 100
  click 545 196    # New Game
  [[ $(DISPLAY=$display xdotool getwindowname "$window") == "Options Screen" ]] && break
  sleep 1
done
until_caption "Options Screen"
click 400 575
until_caption "Build Your Team"
click 600 575
until_caption "Team Page"
click 775 25     # Next Match
until_caption Form10
for _ in $(seq 50); do [[ -s $folder/datarecord.dat ]] && break; sleep 0.1; done
[[ $(stat -c %s "$folder/datarecord.dat" 2>/dev/null) == 1248 ]] || fail "no career was saved in the player's folder"
kill -KILL "$game_pid"
wait "$game_pid" 2>/dev/null || true
game_pid=''

DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq splatvane >"$work/apt.log" 2>&1 \
  || fail "apt-get remove failed: $(cat "$work/apt.log")"
listing >"$work/after"
diff -u "$work/before" "$work/after" || fail "the removal left something behind under /usr"
echo "lintian: $(grep -c '^W:' "$work/lintian" || true) warnings, no errors; installed, played by $player at the fitted scale, removed cleanly"
