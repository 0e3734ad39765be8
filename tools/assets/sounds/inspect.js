'use strict';
// Checking aids: read a wave file back, measure how a loop joins, and draw
// its waveform as a greyscale picture (PGM) for a person to look at.
const fs = require('fs');

function readWav(file) {
  const bytes = fs.readFileSync(file);
  const format = {
    audioFormat: bytes.readUInt16LE(20), channels: bytes.readUInt16LE(22),
    rate: bytes.readUInt32LE(24), bits: bytes.readUInt16LE(34),
  };
  const dataBytes = bytes.readUInt32LE(40);
  const samples = new Float64Array(dataBytes / 2);
  for (let i = 0; i < samples.length; i++) samples[i] = bytes.readInt16LE(44 + i * 2) / 32768;
  return { ...format, samples };
}

// How ordinary the jump from the last sample back to the first is: the share
// of the loop's own sample-to-sample steps that are at least as large. A few
// per cent or more means the join is lost among them; near 0 means a click.
function seamShare(samples) {
  const seam = Math.abs(samples[0] - samples[samples.length - 1]);
  let larger = 0;
  for (let i = 1; i < samples.length; i++) if (Math.abs(samples[i] - samples[i - 1]) >= seam) larger++;
  return larger / (samples.length - 1);
}

// Loudness just before and just after the join, in dB of RMS over `window` samples
function seamLevels(samples, window = 2205) {
  const rms = (from, to) => {
    let s = 0;
    for (let i = from; i < to; i++) s += samples[i] * samples[i];
    return 10 * Math.log10(s / (to - from) + 1e-12);
  };
  return { end: rms(samples.length - window, samples.length), start: rms(0, window) };
}

function waveformPgm(samples, width = 1000, height = 200) {
  const pixels = Buffer.alloc(width * height, 255);
  const middle = height / 2;
  for (let x = 0; x < width; x++) {
    const from = Math.floor((x * samples.length) / width);
    const to = Math.max(from + 1, Math.floor(((x + 1) * samples.length) / width));
    let low = 0, high = 0;
    for (let i = from; i < to; i++) { low = Math.min(low, samples[i]); high = Math.max(high, samples[i]); }
    const top = Math.round(middle - high * middle);
    const bottom = Math.round(middle - low * middle);
    for (let y = Math.max(0, top); y <= Math.min(height - 1, bottom); y++) pixels[y * width + x] = 40;
    pixels[Math.round(middle) * width + x] = Math.min(pixels[Math.round(middle) * width + x], 160);
  }
  return Buffer.concat([Buffer.from(`P5\n${width} ${height}\n255\n`, 'ascii'), pixels]);
}

if (require.main === module) {
  const [command, file, output] = process.argv.slice(2);
  const wav = readWav(file);
  if (command === 'seam') {
    const levels = seamLevels(wav.samples);
    console.log(`seam step as large as ${(100 * seamShare(wav.samples)).toFixed(1)}% of all steps, rms end ${levels.end.toFixed(1)} dB, start ${levels.start.toFixed(1)} dB`);
  }
  if (command === 'waveform') fs.writeFileSync(output, waveformPgm(wav.samples));
}

module.exports = { readWav, seamShare, seamLevels };
