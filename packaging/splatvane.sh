#!/bin/sh
# Starts Splatvane for this user. The game opens its sounds, help texts and saved career by
# bare name in its working folder, and the install folders belong to the system: so each
# player gets a folder of their own, with the sounds and help texts linked into it, and the
# game runs there and saves its career there. The options go to the game as they are.
set -eu

launcher=$0
case $launcher in
  */*) ;;
  *) launcher=$(command -v -- "$launcher") ;;
esac
# A launcher reached through a link still finds the game beside its real self.
if resolved=$(readlink -f -- "$launcher" 2>/dev/null); then launcher=$resolved; fi
bin_folder=$(cd -P -- "$(dirname -- "$launcher")" && pwd -P)
program_folder=$(cd -P -- "$bin_folder/@PROGRAM_FOLDER_FROM_BIN@" && pwd -P)
data_folder=$(cd -P -- "$bin_folder/@DATA_FOLDER_FROM_BIN@" && pwd -P)

# The base directory rules: a relative XDG_DATA_HOME is no setting, and the default stands.
data_home=${XDG_DATA_HOME:-}
case $data_home in
  /*) ;;
  *) data_home=$HOME/.local/share ;;
esac
player_folder=$data_home/splatvane
mkdir -p -- "$player_folder"

# Linked afresh whenever a link points elsewhere, so an upgrade or a moved install is followed.
for file in "$data_folder"/*.wav "$data_folder"/*.txt; do
  link=$player_folder/${file##*/}
  if [ ! -e "$link" ] || [ ! "$link" -ef "$file" ]; then
    ln -sf -- "$file" "$link"
  fi
done

cd -- "$player_folder"
exec "$program_folder/splatvane" "$@"
