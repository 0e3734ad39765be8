'use strict';
// Seeded randomness only, so every build draws the same pictures.

function seededRandom(seed) {
  let state = seed >>> 0 || 1;
  return function next() {
    state = (state + 0x6d2b79f5) >>> 0;
    let t = state;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

function between(random, low, high) {
  return low + (high - low) * random();
}

module.exports = { seededRandom, between };
