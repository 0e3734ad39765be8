'use strict';
// The fourteen sounds of the game. Each maker takes its own seeded generator
// and returns finished samples; peaks leave headroom so that a shot, the storm
// and the music can sound together.
const d = require('./dsp');
const kit = require('./instruments');

const finish = (sound, peakDb) => d.normalise(d.removeDc(sound), peakDb);
const finishLoop = (loop, peakDb) => d.normalise(d.processLoop(loop, d.removeDc), peakDb);

function click3(random) {
  const tick = d.shaped(d.sine(0.05, () => 2300), d.strike(0.0005, 0.006));
  const snap = d.shaped(d.bandpass(d.whiteNoise(0.05, random), 3800, 1.5), d.strike(0.0003, 0.003));
  const body = d.shaped(d.sine(0.05, () => 900), d.strike(0.001, 0.01));
  return finish(d.fadeEdges(d.mix([tick, 0.6], [snap, 1], [body, 0.35]), 0, 0.01), -8);
}

// Bar of sixteen steps; each pattern letter names the hit on that step
const GROOVE = {
  kick: 'x.....x...x.....',
  snare: '....x.......x...',
  hat: 'x.x.x.x.x.x.x.xo',
  shaker: '.x.x.x.x.x.x.x.x',
};
const TOM_FILL = '..........h.m.ll';
const SURDO = 'x.......x.x.....';

function drumBar(loop, random, at, step, bar) {
  const velocity = () => d.between(random, 0.8, 1);
  const hit = (pattern, make) => [...pattern].forEach((mark, k) => {
    if (mark !== '.') d.addIntoLoop(loop, make(mark), at + k * step);
  });
  hit(GROOVE.kick, () => kit.kick(random, velocity()));
  hit(GROOVE.snare, () => kit.snare(random, 0.55 * velocity()));
  hit(GROOVE.hat, (mark) => kit.hat(random, (mark === 'o' ? 0.3 : 0.22) * velocity(), mark === 'o'));
  if (bar >= 4) hit(GROOVE.shaker, () => kit.shaker(random, 0.18 * velocity()));
  if (bar >= 8) hit(SURDO, () => kit.tom(random, 62, 0.7 * velocity()));
  if (bar >= 8 && bar < 12) hit('....x.......x...', () => kit.clap(random, 0.45 * velocity()));
  if (bar % 4 === 3) {
    const toms = { h: 196, m: 147, l: 110 };
    hit(TOM_FILL, (mark) => kit.tom(random, toms[mark], 0.6 * velocity()));
  }
}

// A-minor walk under the drums, one chord root a bar
const BASS_ROOTS = ['A1', 'A1', 'F1', 'G1', 'A1', 'C2', 'F1', 'E1'];
const BASS_RHYTHM = [[0, 3], [3, 1], [6, 2], [8, 2], [10, 4], [14, 2]];

function bassBar(loop, at, step, bar) {
  const root = d.pitch(BASS_ROOTS[bar % BASS_ROOTS.length]);
  BASS_RHYTHM.forEach(([start, length], k) => {
    const octave = k === 3 ? 2 : 1;
    d.addIntoLoop(loop, kit.bass(root * octave, length * step * 0.9), at + start * step, 0.22);
  });
}

function drummers(random) {
  const bars = 16;
  const barSeconds = 2; // 120 beats a minute
  const step = barSeconds / 16;
  const loop = d.silence(bars * barSeconds);
  for (let bar = 0; bar < bars; bar++) {
    drumBar(loop, random, bar * barSeconds, step, bar);
    if (bar >= 2) bassBar(loop, bar * barSeconds, step, bar);
  }
  d.addIntoLoop(loop, kit.crash(random, 0.25), 0);
  return finishLoop(d.reverbLoop(loop, 0.12, 0.8), -7);
}

function cashreg(random) {
  const out = d.silence(1.05);
  const keyClick = () => d.shaped(d.lowpass(d.whiteNoise(0.03, random), 2500), d.strike(0.0005, 0.005));
  d.addInto(out, keyClick(), 0, 1);
  d.addInto(out, keyClick(), 0.055, 1.2);
  const ring = d.mix([kit.bell(2093, 0.95, 0.45), 1], [kit.bell(2637, 0.95, 0.35), 0.6]);
  d.addInto(out, d.shaped(ring, d.strike(0.001, 0.6)), 0.09, 0.8);
  const slide = d.shaped(d.bandpass(d.whiteNoise(0.2, random), 900, 0.8), (t) => Math.sin((Math.PI * t) / 0.2));
  d.addInto(out, slide, 0.16, 0.25);
  const thunk = d.shaped(d.sine(0.15, (t) => 110 - 40 * t), d.strike(0.002, 0.035));
  d.addInto(out, thunk, 0.36, 0.8);
  d.addInto(out, d.shaped(d.lowpass(d.whiteNoise(0.05, random), 1200), d.strike(0.001, 0.01)), 0.36, 0.5);
  return finish(d.fadeEdges(d.reverb(out, 0.05, 0.12, 0.5).slice(0, out.length), 0, 0.1), -7);
}

function thunder(random) {
  const seconds = 4.5;
  const crack = d.shaped(d.lowpass(d.whiteNoise(seconds, random), 4000), d.strike(0.004, 0.09));
  const rumble = d.lowpass(d.brownNoise(seconds, random), 160, 0.9);
  const roll = d.lowpass(d.pinkNoise(seconds, random), 600);
  const peals = Array.from({ length: 7 }, () => ({
    at: d.between(random, 0.15, 2.6), size: d.between(random, 0.4, 1), length: d.between(random, 0.3, 0.9),
  }));
  const pealLevel = (t) => peals.reduce((sum, p) => sum + (t < p.at ? 0 :
    p.size * Math.min(1, (t - p.at) / 0.06) * Math.exp(-(t - p.at) / p.length)), 0);
  const overall = (t) => Math.min(1, t / 0.01) * Math.exp(-t / 1.6);
  const body = d.mix(
    [d.shaped(rumble, (t) => overall(t) * (0.6 + pealLevel(t))), 1],
    [d.shaped(roll, (t) => overall(t) * pealLevel(t)), 0.7],
    [crack, 0.5],
  );
  return finish(d.fadeEdges(d.reverb(body, 0, 0.3, 1.4).slice(0, d.samples(seconds)), 0, 0.6), -6);
}

// A marker's shot: a sharp pneumatic pop, the ball's thump and a puff of air
function markerPop(random, { popHz, thumpHz, airSeconds, seconds, bolt }) {
  const out = d.silence(seconds);
  if (bolt) {
    const click = d.shaped(d.bandpass(d.whiteNoise(0.02, random), 3000, 2), d.strike(0.0004, 0.003));
    d.addInto(out, click, 0, 0.7);
  }
  const at = bolt ? 0.012 : 0;
  const pop = d.shaped(d.bandpass(d.whiteNoise(seconds, random), popHz, 1.1), d.strike(0.0008, 0.018));
  const thump = d.shaped(d.sine(seconds, (t) => thumpHz * (1 + 0.8 * Math.exp(-t / 0.006))), d.strike(0.001, 0.009));
  const air = d.shaped(d.highpass(d.whiteNoise(seconds, random), 2500), d.strike(0.004, airSeconds));
  d.addInto(out, d.softClip(d.mix([pop, 1.4], [thump, 0.5]), 1.5), at);
  d.addInto(out, air, at, 0.18);
  return finish(d.fadeEdges(out, 0, 0.03), -6);
}

const markerpop = (random) =>
  markerPop(random, { popHz: 1200, thumpHz: 150, airSeconds: 0.03, seconds: 0.13, bolt: false });
const markerpop2 = (random) =>
  markerPop(random, { popHz: 800, thumpHz: 115, airSeconds: 0.045, seconds: 0.16, bolt: true });
const markerpop3 = (random) =>
  markerPop(random, { popHz: 1900, thumpHz: 190, airSeconds: 0.02, seconds: 0.11, bolt: false });

function rain(random) {
  const loopSeconds = 8;
  const overlap = 1;
  const seconds = loopSeconds + overlap;
  const hush = d.highpass(d.lowpass(d.pinkNoise(seconds, random), 5500), 400);
  const patter = d.bandpass(d.whiteNoise(seconds, random), 3000, 0.6);
  const bed = d.mix([hush, 1], [d.shaped(patter, (t) => 0.5 + 0.15 * Math.sin((2 * Math.PI * t) / 4)), 0.5]);
  const drops = d.silence(seconds);
  for (let k = 0; k < 900; k++) {
    const size = Math.pow(random(), 3);
    const ring = d.between(random, 1800, 4500);
    const drop = d.shaped(d.sine(0.02, (t) => ring * (1 + 2 * t)), d.strike(0.0005, 0.003 + 0.005 * size));
    d.addInto(drops, drop, random() * seconds, 0.15 + 0.5 * size);
  }
  return finishLoop(d.loopSeamlessly(d.mix([bed, 1], [drops, 0.9]), overlap), -10);
}

// Gusts repeat exactly once per loop so the join matches
function wind2(random) {
  const loopSeconds = 10;
  const overlap = 1.5;
  const seconds = loopSeconds + overlap;
  const cycle = (t, turns, phase) => Math.sin((2 * Math.PI * turns * t) / loopSeconds + phase);
  const gust = (t) => 0.55 + 0.3 * cycle(t, 1, 0) + 0.15 * cycle(t, 3, 1.3);
  const howl = d.sweptBandpass(d.whiteNoise(seconds, random), (t) => 420 + 260 * gust(t) + 60 * cycle(t, 7, 0.4), 6);
  const rush = d.lowpass(d.highpass(d.pinkNoise(seconds, random), 150), 1400);
  const body = d.mix(
    [d.shaped(howl, (t) => 0.3 + gust(t)), 0.5],
    [d.shaped(rush, (t) => 0.4 + 0.8 * gust(t)), 1],
  );
  return finishLoop(d.loopSeamlessly(body, overlap), -10);
}

// One whistled note: a pitch path, an amplitude bump and a little warble
function chirp(seconds, frequencyAt, warble = 0) {
  const pathWithWarble = (t) => frequencyAt(t / seconds) * (1 + warble * Math.sin(2 * Math.PI * 38 * t));
  const tone = d.additive(seconds, pathWithWarble, [{ ratio: 1, level: 1 }, { ratio: 2, level: 0.12 }]);
  return d.shaped(tone, (t) => Math.pow(Math.sin((Math.PI * t) / seconds), 1.5));
}

function bird(random) {
  const out = d.silence(1.7);
  d.addInto(out, chirp(0.12, (x) => 3600 + 900 * x), 0.02, 0.6);
  d.addInto(out, chirp(0.12, (x) => 3600 + 900 * x), 0.2, 0.7);
  for (let k = 0; k < 9; k++) {
    const top = d.between(random, 4300, 4700);
    d.addInto(out, chirp(0.045, (x) => top - 1300 * x), 0.42 + k * 0.06, 0.8 - k * 0.03);
  }
  d.addInto(out, chirp(0.28, (x) => 5000 - 2400 * x * x, 0.015), 1.0, 1);
  d.addInto(out, chirp(0.1, (x) => 2900 + 500 * Math.sin(Math.PI * x)), 1.36, 0.5);
  return finish(d.reverb(out, 0, 0.15, 0.6), -10);
}

// A dog's "woof": a rough voiced pulse through mouth resonances
function bark(random) {
  const seconds = 0.55;
  const length = 0.2;
  const voicedPitch = (t) => {
    const x = Math.min(1, t / length);
    return 330 + 320 * Math.sin(Math.PI * Math.pow(x, 0.6)) * (1 - 0.4 * x);
  };
  const pulses = d.silence(seconds);
  let phase = 0;
  for (let i = 0; i < pulses.length; i++) {
    const t = i / d.RATE;
    phase += (voicedPitch(t) * (1 + 0.04 * (random() * 2 - 1))) / d.RATE;
    const growl = Math.floor(phase) % 2 === 0 ? 1 : 0.6; // alternate pulses weaker: a rough throat
    pulses[i] = (phase % 1) < 0.35 ? growl * (1 - (phase % 1) / 0.35) : 0;
  }
  const breath = d.whiteNoise(seconds, random);
  const source = d.mix([d.highpass(pulses, 120), 1], [breath, 0.25]);
  const mouth = d.mix(
    [d.bandpass(source, 700, 4), 1],
    [d.bandpass(source, 1500, 5), 0.7],
    [d.bandpass(source, 2700, 6), 0.35],
  );
  const envelope = (t) => (t < 0.012 ? t / 0.012 : t < length ? Math.exp(-(t - 0.012) / 0.12) : Math.exp(-(length - 0.012) / 0.12) * Math.exp(-(t - length) / 0.02));
  const woof = d.softClip(d.shaped(mouth, envelope), 2);
  return finish(d.fadeEdges(d.reverb(woof, 0, 0.18, 0.5).slice(0, d.samples(seconds)), 0, 0.05), -8);
}

function hiss(random) {
  const seconds = 1.6;
  const crack = d.shaped(d.bandpass(d.whiteNoise(seconds, random), 2500, 1), d.strike(0.0005, 0.01));
  const gas = d.highpass(d.bandpass(d.whiteNoise(seconds, random), 6000, 0.7), 2000);
  const sputterSeeds = Array.from({ length: 40 }, () => random());
  const sputter = (t) => 0.85 + 0.15 * sputterSeeds[Math.floor(t * 25) % 40];
  const pressure = (t) => Math.min(1, t / 0.015) * (0.35 + 0.65 * Math.exp(-t / 0.5));
  const body = d.mix([crack, 0.8], [d.shaped(gas, (t) => pressure(t) * sputter(t)), 1]);
  return finish(d.fadeEdges(body, 0, 0.35), -10);
}

// Notes as [name, start in beats, length in beats]
function playBrass(out, notes, beat, gain, options = {}) {
  notes.forEach(([name, start, length], k) => {
    const last = k === notes.length - 1;
    const tone = kit.brass(d.pitch(name), length * beat, last ? options : {});
    d.addInto(out, tone, start * beat, gain);
  });
}

function defeat() {
  const beat = 0.42;
  const out = d.silence(2.6);
  const melody = [['G4', 0, 0.9], ['F#4', 1, 0.9], ['F4', 2, 0.9], ['E4', 3, 2.4]];
  playBrass(out, melody, beat, 0.5, { vibrato: 0.012, bend: -1.2, release: 0.35 });
  const below = [['E3', 0, 0.9], ['D#3', 1, 0.9], ['D3', 2, 0.9], ['C#3', 3, 2.4]];
  playBrass(out, below, beat, 0.3, { bend: -1.2, release: 0.35 });
  return finish(d.fadeEdges(d.reverb(out, 0, 0.2, 1).slice(0, out.length), 0, 0.3), -6);
}

const FANFARE = [
  ['C5', 0, 0.3], ['E5', 0.33, 0.3], ['G5', 0.67, 0.3], ['C6', 1, 0.9],
  ['A5', 2, 0.45], ['C6', 2.5, 0.45], ['F5', 3, 0.9],
  ['G5', 4, 0.3], ['B5', 4.33, 0.3], ['D6', 4.67, 0.3], ['B5', 5, 0.9],
  ['C6', 6, 1.8],
];
const FANFARE_CHORDS = [
  [['C4', 'E4', 'G4'], 0, 1.9], [['F4', 'A4', 'C5'], 2, 1.9], [['G4', 'B4', 'D5'], 4, 1.9], [['C4', 'E4', 'G4', 'C5'], 6, 1.8],
];

function victory2(random) {
  const beat = 0.5;
  const out = d.silence(4.3);
  playBrass(out, FANFARE, beat, 0.45);
  FANFARE_CHORDS.forEach(([names, start, length]) => {
    names.forEach((name) => d.addInto(out, kit.brass(d.pitch(name), length * beat, { release: 0.2 }), start * beat, 0.16));
  });
  FANFARE.forEach(([name, start]) => d.addInto(out, kit.bell(d.pitch(name) * 2, 1, 0.35), start * beat, 0.12));
  [0, 2, 4].forEach((b) => d.addInto(out, kit.tom(random, 98, 0.8), b * beat, 0.5));
  for (let k = 0; k < 8; k++) d.addInto(out, kit.snare(random, 0.25 + k * 0.04), (5 + k / 8) * beat, 0.5);
  d.addInto(out, kit.tom(random, 82, 1), 6 * beat, 0.7);
  d.addInto(out, kit.crash(random, 0.5), 6 * beat, 0.5);
  return finish(d.fadeEdges(d.reverb(out, 0, 0.18, 1.1).slice(0, out.length), 0, 0.4), -6);
}

// Each entry: the file, its maker and the seed of its generator
const SOUNDS = [
  ['click3.wav', click3, 3], ['drummers.wav', drummers, 2], ['cashreg.wav', cashreg, 4],
  ['thunder.wav', thunder, 5], ['markerpop.wav', markerpop, 6], ['markerpop2.wav', markerpop2, 7],
  ['markerpop3.wav', markerpop3, 8], ['rain.wav', rain, 9], ['wind2.wav', wind2, 10],
  ['bird.wav', bird, 11], ['bark.wav', bark, 12], ['hiss.wav', hiss, 13],
  ['defeat.wav', defeat, 14], ['victory2.wav', victory2, 15],
];

module.exports = { SOUNDS };
