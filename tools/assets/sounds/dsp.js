'use strict';
// Signal building blocks for the game's sounds: every buffer is a Float64Array
// of samples at RATE, full scale +-1. Nothing here draws on Math.random, so a
// rebuild gives the same files bit for bit.

const RATE = 22050;

const samples = (seconds) => Math.round(seconds * RATE);

const silence = (seconds) => new Float64Array(samples(seconds));

// mulberry32: small, fast and good enough for noise
function makeRandom(seed) {
  let state = seed >>> 0;
  return function next() {
    state = (state + 0x6d2b79f5) >>> 0;
    let t = state;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

const between = (random, low, high) => low + (high - low) * random();

function whiteNoise(seconds, random) {
  const out = silence(seconds);
  for (let i = 0; i < out.length; i++) out[i] = random() * 2 - 1;
  return out;
}

// Paul Kellet's economical pink filter over white noise
function pinkNoise(seconds, random) {
  const out = silence(seconds);
  let b0 = 0, b1 = 0, b2 = 0;
  for (let i = 0; i < out.length; i++) {
    const white = random() * 2 - 1;
    b0 = 0.99765 * b0 + white * 0.099046;
    b1 = 0.963 * b1 + white * 0.2965164;
    b2 = 0.57 * b2 + white * 1.0526913;
    out[i] = (b0 + b1 + b2 + white * 0.1848) * 0.2;
  }
  return out;
}

function brownNoise(seconds, random) {
  const out = silence(seconds);
  let level = 0;
  for (let i = 0; i < out.length; i++) {
    level = (level + (random() * 2 - 1) * 0.02) * 0.998;
    out[i] = level * 3.5;
  }
  return out;
}

// Robert Bristow-Johnson's biquad recipes
function biquadCoefficients(kind, frequency, q, gainDb = 0) {
  const w = (2 * Math.PI * Math.min(frequency, RATE * 0.49)) / RATE;
  const cos = Math.cos(w);
  const alpha = Math.sin(w) / (2 * q);
  const a = Math.pow(10, gainDb / 40);
  const shapes = {
    lowpass: [(1 - cos) / 2, 1 - cos, (1 - cos) / 2, 1 + alpha, -2 * cos, 1 - alpha],
    highpass: [(1 + cos) / 2, -(1 + cos), (1 + cos) / 2, 1 + alpha, -2 * cos, 1 - alpha],
    bandpass: [alpha, 0, -alpha, 1 + alpha, -2 * cos, 1 - alpha],
    peak: [1 + alpha * a, -2 * cos, 1 - alpha * a, 1 + alpha / a, -2 * cos, 1 - alpha / a],
  };
  const [b0, b1, b2, a0, a1, a2] = shapes[kind];
  return { b0: b0 / a0, b1: b1 / a0, b2: b2 / a0, a1: a1 / a0, a2: a2 / a0 };
}

function biquad(input, kind, frequency, q = Math.SQRT1_2, gainDb = 0) {
  const c = biquadCoefficients(kind, frequency, q, gainDb);
  const out = new Float64Array(input.length);
  let x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  for (let i = 0; i < input.length; i++) {
    const x = input[i];
    const y = c.b0 * x + c.b1 * x1 + c.b2 * x2 - c.a1 * y1 - c.a2 * y2;
    x2 = x1; x1 = x; y2 = y1; y1 = y;
    out[i] = y;
  }
  return out;
}

const lowpass = (input, frequency, q) => biquad(input, 'lowpass', frequency, q);
const highpass = (input, frequency, q) => biquad(input, 'highpass', frequency, q);
const bandpass = (input, frequency, q) => biquad(input, 'bandpass', frequency, q);

// State-variable filter whose centre may move every sample (gusts of wind)
function sweptBandpass(input, frequencyAt, q) {
  const out = new Float64Array(input.length);
  let low = 0, band = 0;
  for (let i = 0; i < input.length; i++) {
    const f = 2 * Math.sin((Math.PI * Math.min(frequencyAt(i / RATE), RATE / 6)) / RATE);
    low += f * band;
    const high = input[i] - low - band / q;
    band += f * high;
    out[i] = band;
  }
  return out;
}

function shaped(input, gainAt) {
  const out = new Float64Array(input.length);
  for (let i = 0; i < input.length; i++) out[i] = input[i] * gainAt(i / RATE);
  return out;
}

// Attack then exponential decay with time constant `decay`
const strike = (attack, decay) => (t) => (t < attack ? t / attack : Math.exp(-(t - attack) / decay));

function adsr(attack, decay, sustain, hold, release) {
  return (t) => {
    if (t < attack) return t / attack;
    if (t < attack + decay) return 1 - (1 - sustain) * ((t - attack) / decay);
    if (t < hold) return sustain;
    return sustain * Math.exp(-(t - hold) / release);
  };
}

// Partials fade out gently below the Nyquist limit instead of vanishing with a click
const nyquistTaper = (f) => Math.max(0, Math.min(1, (RATE * 0.45 - f) / (RATE * 0.05)));

// A tone built from its partials so high notes never alias. `partials` is a
// list of { ratio, level, decay } and `frequencyAt` gives the pitch in Hz.
function additive(seconds, frequencyAt, partials, brightnessAt = () => 1) {
  const out = silence(seconds);
  const phases = partials.map(() => 0);
  for (let i = 0; i < out.length; i++) {
    const t = i / RATE;
    const base = frequencyAt(t);
    const bright = brightnessAt(t);
    let sum = 0;
    partials.forEach((p, k) => {
      const f = base * p.ratio;
      phases[k] += (2 * Math.PI * f) / RATE;
      const fade = p.decay ? Math.exp(-t / p.decay) : 1;
      sum += Math.sin(phases[k]) * p.level * fade * nyquistTaper(f) * Math.pow(bright, p.ratio - 1);
    });
    out[i] = sum;
  }
  return out;
}

const sawPartials = (count) =>
  Array.from({ length: count }, (_, k) => ({ ratio: k + 1, level: 1 / (k + 1) }));

function sine(seconds, frequencyAt) {
  return additive(seconds, frequencyAt, [{ ratio: 1, level: 1 }]);
}

function addInto(target, source, atSeconds, gain = 1) {
  const start = samples(atSeconds);
  for (let i = 0; i < source.length; i++) {
    const j = start + i;
    if (j >= 0 && j < target.length) target[j] += source[i] * gain;
  }
  return target;
}

// Adds a sound into a loop, carrying whatever runs past the end round to the start
function addIntoLoop(target, source, atSeconds, gain = 1) {
  const start = samples(atSeconds);
  for (let i = 0; i < source.length; i++) target[(start + i) % target.length] += source[i] * gain;
  return target;
}

function mix(...layers) {
  const length = Math.max(...layers.map(([buffer]) => buffer.length));
  const out = new Float64Array(length);
  layers.forEach(([buffer, gain]) => addInto(out, buffer, 0, gain));
  return out;
}

const softClip = (input, drive = 1) => input.map((x) => Math.tanh(x * drive) / Math.tanh(drive));

function peakOf(buffer) {
  let peak = 0;
  for (const x of buffer) peak = Math.max(peak, Math.abs(x));
  return peak;
}

function normalise(buffer, peakDb) {
  const target = Math.pow(10, peakDb / 20);
  const peak = peakOf(buffer) || 1;
  return buffer.map((x) => (x * target) / peak);
}

function fadeEdges(buffer, inSeconds, outSeconds) {
  const out = Float64Array.from(buffer);
  const fadeIn = samples(inSeconds);
  const fadeOut = samples(outSeconds);
  for (let i = 0; i < fadeIn && i < out.length; i++) out[i] *= i / fadeIn;
  for (let i = 0; i < fadeOut && i < out.length; i++) out[out.length - 1 - i] *= i / fadeOut;
  return out;
}

// Folds the last `overlap` seconds of a longer render over its start with an
// equal-power crossfade, so the result plays round without a seam.
function loopSeamlessly(buffer, overlapSeconds) {
  const overlap = samples(overlapSeconds);
  const length = buffer.length - overlap;
  const out = buffer.slice(0, length);
  for (let i = 0; i < overlap; i++) {
    const x = i / overlap;
    out[i] = buffer[i] * Math.sin((x * Math.PI) / 2) + buffer[length + i] * Math.cos((x * Math.PI) / 2);
  }
  return out;
}

// A few feedback combs and allpasses: a small room's tail
function reverb(input, seconds, wet = 0.25, roomSize = 1) {
  const length = input.length + samples(seconds);
  const dry = new Float64Array(length);
  dry.set(input);
  const combs = [1116, 1188, 1277, 1356].map((d) => Math.round((d * roomSize * RATE) / 44100));
  const tail = new Float64Array(length);
  for (const delay of combs) {
    const line = new Float64Array(delay);
    let filtered = 0;
    for (let i = 0; i < length; i++) {
      const out = line[i % delay];
      filtered = out * 0.7 + filtered * 0.3;
      line[i % delay] = dry[i] + filtered * 0.82;
      tail[i] += out / combs.length;
    }
  }
  let diffused = tail;
  for (const delay of [225, 341, 441].map((d) => Math.round((d * RATE) / 44100))) {
    const line = new Float64Array(delay);
    const next = new Float64Array(length);
    for (let i = 0; i < length; i++) {
      const buffered = line[i % delay];
      const x = diffused[i] + buffered * 0.5;
      line[i % delay] = x;
      next[i] = buffered - x * 0.5;
    }
    diffused = next;
  }
  return dry.map((x, i) => x * (1 - wet) + diffused[i] * wet);
}

// Runs a loop through a filter in its steady state: play it twice, keep the
// second pass, so what the filter remembers at the end leads into the start
function processLoop(loop, process) {
  const twice = new Float64Array(loop.length * 2);
  twice.set(loop);
  twice.set(loop, loop.length);
  return process(twice).slice(loop.length, loop.length * 2);
}

const reverbLoop = (loop, wet, roomSize) => processLoop(loop, (x) => reverb(x, 0, wet, roomSize));

// Takes away any offset from zero and the rumble below hearing
const removeDc = (input) => highpass(input, 25);

const noteFrequency = (semitonesFromA4) => 440 * Math.pow(2, semitonesFromA4 / 12);

const NOTE_OFFSETS = { C: -9, D: -7, E: -5, F: -4, G: -2, A: 0, B: 2 };

// "C5", "F#4", "Bb3" to Hz
function pitch(name) {
  const [, letter, accidental, octave] = /^([A-G])([#b]?)(-?\d)$/.exec(name);
  const shift = accidental === '#' ? 1 : accidental === 'b' ? -1 : 0;
  return noteFrequency(NOTE_OFFSETS[letter] + shift + (Number(octave) - 4) * 12);
}

module.exports = {
  RATE, samples, silence, makeRandom, between, whiteNoise, pinkNoise, brownNoise,
  biquad, lowpass, highpass, bandpass, sweptBandpass, shaped, strike, adsr,
  additive, sawPartials, sine, addInto, addIntoLoop, mix, softClip, peakOf,
  normalise, fadeEdges, loopSeamlessly, reverb, processLoop, reverbLoop, removeDc, pitch,
};
