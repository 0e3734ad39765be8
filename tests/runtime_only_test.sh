#!/usr/bin/env bash
# A player's build, as on a machine that has only the development files of SDL2, libjpeg and
# FreeType: the build folder holds the game and nothing of the suite or the tools, the program
# asks for no other library, and it starts and shows its window on a virtual display.
# usage: runtime_only_test.sh BUILD_FOLDER
set -euo pipefail
build=$(cd "$1" && pwd)
fail() { echo "FAILED: $*"; exit 1; }

program=$build/game/splatvane
[[ -x $program ]] || fail "$program was not built"
for left_out in splatvane_tests splatvane_platform_test splatvane_decoders_test splatvane_bench replay snapshot tour_bot; do
  [[ ! -e $build/$left_out ]] || fail "$left_out was built, and a player's build has no use for it"
done

# The program's own libraries, beside the C and C++ runtimes.
allowed='^(libSDL2-2\.0|libjpeg|libfreetype|libstdc\+\+|libm|libgcc_s|libc)\.so'
needed=$(readelf -d "$program" | sed -nE 's/.*\(NEEDED\).*\[(.*)\]/\1/p')
unexpected=$(grep -vE "$allowed" <<<"$needed" || true)
[[ -z $unexpected ]] || fail "the program needs libraries a player's machine may lack: $unexpected"

command -v xvfb-run >/dev/null || { echo "SKIPPED the start: xvfb-run is not installed"; exit 0; }
work=$(mktemp -d /tmp/splatvane-runtime-only.XXXXXX)
trap 'rm -rf "$work"' EXIT
# The game runs in its folder, reading its files by bare name; its career would be saved
# there, so it plays a copy. After two seconds it must still run and show its window.
cp -r "$build/game" "$work/game"
cd "$work/game"
SDL_AUDIODRIVER=dummy xvfb-run --auto-servernum --server-args='-screen 0 800x600x24 -nolisten tcp' bash -c '
  ./splatvane >game.log 2>&1 &
  game=$!
  sleep 2
  kill -0 $game 2>/dev/null || { echo "FAILED: the game ended at its start: $(cat game.log)"; exit 1; }
  if command -v xdotool >/dev/null && ! xdotool search --onlyvisible --name "^Splatvane\$" >/dev/null; then
    echo "FAILED: the game runs but shows no window: $(cat game.log)"; kill -KILL $game; exit 1
  fi
  exec 2>/dev/null
  kill -KILL $game
  wait $game || true'
echo "The game built from SDL2, libjpeg and FreeType alone starts and shows its window"
