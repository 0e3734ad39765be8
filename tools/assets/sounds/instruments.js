'use strict';
// The drum kit, brass, bells and bass that the music and jingles are played on.
const d = require('./dsp');

function kick(random, velocity = 1) {
  const seconds = 0.45;
  const body = d.shaped(
    d.sine(seconds, (t) => 46 + 95 * Math.exp(-t / 0.028)),
    d.strike(0.002, 0.16),
  );
  const beater = d.shaped(d.highpass(d.whiteNoise(seconds, random), 1800), d.strike(0.0005, 0.004));
  return d.softClip(d.mix([body, 1], [beater, 0.35]), 1.6).map((x) => x * velocity);
}

function snare(random, velocity = 1) {
  const seconds = 0.35;
  const shell = d.shaped(
    d.additive(seconds, (t) => 185 * (1 + 0.25 * Math.exp(-t / 0.01)), [
      { ratio: 1, level: 1 },
      { ratio: 1.78, level: 0.5 },
    ]),
    d.strike(0.001, 0.035),
  );
  const wires = d.shaped(
    d.highpass(d.bandpass(d.whiteNoise(seconds, random), 4200, 0.7), 1500),
    d.strike(0.001, 0.055),
  );
  return d.mix([shell, 0.55], [wires, 1.6]).map((x) => x * velocity);
}

function hat(random, velocity = 1, open = false) {
  const seconds = open ? 0.4 : 0.09;
  const noise = d.highpass(d.bandpass(d.whiteNoise(seconds, random), 8500, 0.9), 6000);
  return d.shaped(noise, d.strike(0.0008, open ? 0.12 : 0.018)).map((x) => x * velocity);
}

function shaker(random, velocity = 1) {
  const noise = d.bandpass(d.whiteNoise(0.12, random), 6500, 1.2);
  return d.shaped(noise, (t) => (t < 0.02 ? t / 0.02 : Math.exp(-(t - 0.02) / 0.025)))
    .map((x) => x * velocity);
}

function tom(random, frequency, velocity = 1) {
  const seconds = 0.6;
  const body = d.shaped(
    d.additive(seconds, (t) => frequency * (1 + 0.45 * Math.exp(-t / 0.04)), [
      { ratio: 1, level: 1 },
      { ratio: 1.59, level: 0.25, decay: 0.08 },
    ]),
    d.strike(0.002, 0.2),
  );
  const skin = d.shaped(d.bandpass(d.whiteNoise(seconds, random), frequency * 6, 1), d.strike(0.001, 0.02));
  return d.softClip(d.mix([body, 1], [skin, 0.4]), 1.3).map((x) => x * velocity);
}

function clap(random, velocity = 1) {
  const seconds = 0.3;
  const out = d.silence(seconds);
  [0, 0.011, 0.022, 0.031].forEach((at, k) => {
    const burst = d.shaped(d.bandpass(d.whiteNoise(0.02, random), 1300, 1.4), d.strike(0.0005, 0.004));
    d.addInto(out, burst, at, k === 3 ? 1 : 0.7);
  });
  const tail = d.shaped(d.bandpass(d.whiteNoise(seconds, random), 1300, 1.1), (t) =>
    t < 0.031 ? 0 : Math.exp(-(t - 0.031) / 0.07));
  return d.mix([out, 1], [tail, 0.7]).map((x) => x * velocity);
}

function crash(random, velocity = 1) {
  const seconds = 2.2;
  const noise = d.highpass(d.whiteNoise(seconds, random), 3500);
  const shimmer = d.bandpass(d.whiteNoise(seconds, random), 7000, 2);
  return d.shaped(d.mix([noise, 0.7], [shimmer, 0.8]), d.strike(0.002, 0.55)).map((x) => x * velocity);
}

// A round brass voice: bright on the attack, mellower as the note holds
function brass(frequency, seconds, options = {}) {
  const { vibrato = 0, bend = 0, release = 0.12 } = options;
  const hold = Math.max(0.02, seconds - release);
  const frequencyAt = (t) =>
    frequency * (1 + vibrato * Math.sin(2 * Math.PI * 5.5 * t) * Math.min(1, t / 0.3)) *
    Math.pow(2, (bend * Math.max(0, t - hold * 0.5)) / 12);
  const brightness = (t) => 0.35 + 0.45 * Math.exp(-t / 0.12) * Math.min(1, t / 0.02);
  const tone = d.additive(seconds + release * 3, frequencyAt, d.sawPartials(18), brightness);
  return d.shaped(tone, d.adsr(0.025, 0.08, 0.8, hold, release));
}

// Glockenspiel-like bar: inharmonic partials that die quickly
function bell(frequency, seconds = 1.2, decay = 0.5) {
  const partials = [
    { ratio: 1, level: 1, decay },
    { ratio: 2.76, level: 0.45, decay: decay * 0.45 },
    { ratio: 5.4, level: 0.22, decay: decay * 0.25 },
    { ratio: 8.93, level: 0.1, decay: decay * 0.15 },
  ];
  return d.shaped(d.additive(seconds, () => frequency, partials), d.strike(0.001, 10));
}

// A plucked, rounded bass note
function bass(frequency, seconds) {
  const brightness = (t) => 0.25 + 0.5 * Math.exp(-t / 0.09);
  const tone = d.additive(seconds + 0.1, () => frequency, d.sawPartials(14), brightness);
  return d.shaped(tone, d.adsr(0.006, 0.25, 0.55, seconds, 0.05));
}

module.exports = { kick, snare, hat, shaker, tom, clap, crash, brass, bell, bass };
