'use strict';
// Run with: node --test tools/assets/sounds/
const test = require('node:test');
const assert = require('node:assert');
const fs = require('fs');
const path = require('path');
const { renderAll } = require('./build');
const { encodeWav } = require('./wav');
const { readWav } = require('./inspect');
const { RATE, peakOf } = require('./dsp');

const soundsFolder = path.join(__dirname, '../../../assets/sounds');
const rendered = new Map(renderAll());
const seconds = (name) => rendered.get(name).length / RATE;
const LOOPS = ['drummers.wav', 'rain.wav', 'wind2.wav'];

test('the fourteen files the game opens are all made, in the game format', () => {
  const names = ['click3', 'drummers', 'cashreg', 'thunder', 'markerpop', 'markerpop2', 'markerpop3',
    'rain', 'wind2', 'bird', 'bark', 'hiss', 'defeat', 'victory2'].map((n) => `${n}.wav`);
  assert.deepStrictEqual([...rendered.keys()].sort(), names.sort());
  for (const name of names) {
    const wav = readWav(path.join(soundsFolder, name));
    assert.deepStrictEqual([wav.audioFormat, wav.channels, wav.rate, wav.bits], [1, 1, 22050, 16], name);
  }
});

test('the committed files are exactly what the synthesiser makes', () => {
  for (const [name, samples] of rendered) {
    assert.ok(encodeWav(samples).equals(fs.readFileSync(path.join(soundsFolder, name))), `${name} is stale`);
  }
});

test('each sound lasts as long as its use allows', () => {
  const limits = {
    'click3.wav': [0.02, 0.1], 'markerpop.wav': [0.05, 0.2], 'markerpop2.wav': [0.05, 0.2],
    'markerpop3.wav': [0.05, 0.2], 'bark.wav': [0.2, 0.8], 'cashreg.wav': [0.7, 1.3],
    'bird.wav': [1, 2], 'thunder.wav': [2, 6], 'drummers.wav': [20, 40], 'defeat.wav': [1, 3.5],
    'victory2.wav': [2.5, 6], 'hiss.wav': [0.5, 3], 'rain.wav': [4, 20], 'wind2.wav': [4, 20],
  };
  for (const [name, [shortest, longest]] of Object.entries(limits)) {
    assert.ok(seconds(name) >= shortest && seconds(name) < longest, `${name}: ${seconds(name)} s`);
  }
});

test('peaks leave headroom but are not lost in the mix', () => {
  for (const [name, samples] of rendered) {
    const db = 20 * Math.log10(peakOf(samples));
    assert.ok(db <= -5.9 && db >= -12, `${name}: ${db.toFixed(1)} dBFS`);
  }
});

test('one-shot sounds start and end near silence, so they never click', () => {
  for (const [name, samples] of rendered) {
    if (LOOPS.includes(name)) continue;
    assert.ok(Math.abs(samples[samples.length - 1]) < 0.01, `${name} ends on ${samples[samples.length - 1]}`);
    assert.ok(Math.abs(samples[0]) < 0.05, `${name} starts on ${samples[0]}`);
  }
});

test('loops join without a click or a jump in loudness', () => {
  for (const name of LOOPS) {
    const samples = rendered.get(name);
    const steps = [];
    for (let i = 1; i < samples.length; i++) steps.push(Math.abs(samples[i] - samples[i - 1]));
    steps.sort((a, b) => a - b);
    const seam = Math.abs(samples[0] - samples[samples.length - 1]);
    assert.ok(seam <= steps[Math.floor(steps.length * 0.99)], `${name}: seam step ${seam}`);
    const rms = (from, to) => Math.sqrt(samples.slice(from, to).reduce((s, x) => s + x * x, 0) / (to - from));
    const window = RATE / 2;
    const ratioDb = 20 * Math.log10(rms(0, window) / rms(samples.length - window, samples.length));
    assert.ok(Math.abs(ratioDb) < 6, `${name}: ${ratioDb.toFixed(1)} dB across the seam`);
  }
});

test('the three marker shots sound different', () => {
  const pops = ['markerpop.wav', 'markerpop2.wav', 'markerpop3.wav'].map((n) => rendered.get(n));
  assert.strictEqual(new Set(pops.map((p) => p.length)).size, 3);
});
