#!/usr/bin/env bash
# For a person checking the sounds by eye: duration, peak and RMS of each wave
# file, and a spectrogram with waveform per file in tools/assets/out/sounds/.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
out=$root/tools/assets/out/sounds
command -v sox >/dev/null || { echo "check: sox is needed (apt-get install sox)" >&2; exit 1; }
mkdir -p "$out"
printf '%-16s %8s %9s %9s\n' file seconds peak_dB rms_dB
for wav in "$root"/assets/sounds/*.wav; do
  name=$(basename "$wav" .wav)
  stats=$(sox "$wav" -n stats 2>&1)
  seconds=$(soxi -D "$wav")
  peak=$(awk '/^Pk lev dB/ {print $4}' <<<"$stats")
  rms=$(awk '/^RMS lev dB/ {print $4}' <<<"$stats")
  printf '%-16s %8.3f %9s %9s\n' "$name" "$seconds" "$peak" "$rms"
  sox "$wav" -n spectrogram -x 1000 -y 257 -z 90 -t "$name" -o "$out/$name.png"
  node "$here/inspect.js" waveform "$wav" "$out/$name.pgm" && pnmtopng "$out/$name.pgm" >"$out/$name-wave.png" 2>/dev/null
  rm -f "$out/$name.pgm"
done
for loop in drummers rain wind2; do
  printf '%-16s ' "$loop"; node "$here/inspect.js" seam "$root/assets/sounds/$loop.wav"
done
