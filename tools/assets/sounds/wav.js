'use strict';
// 16-bit PCM mono RIFF/WAVE, the plainest form every player opens.
const { RATE } = require('./dsp');

const toInt16 = (x) => Math.max(-32768, Math.min(32767, Math.round(x * 32767)));

function encodeWav(samples) {
  const dataBytes = samples.length * 2;
  const out = Buffer.alloc(44 + dataBytes);
  out.write('RIFF', 0, 'ascii');
  out.writeUInt32LE(36 + dataBytes, 4);
  out.write('WAVE', 8, 'ascii');
  out.write('fmt ', 12, 'ascii');
  out.writeUInt32LE(16, 16);
  out.writeUInt16LE(1, 20); // PCM
  out.writeUInt16LE(1, 22); // mono
  out.writeUInt32LE(RATE, 24);
  out.writeUInt32LE(RATE * 2, 28);
  out.writeUInt16LE(2, 32);
  out.writeUInt16LE(16, 34);
  out.write('data', 36, 'ascii');
  out.writeUInt32LE(dataBytes, 40);
  samples.forEach((x, i) => out.writeInt16LE(toInt16(x), 44 + i * 2));
  return out;
}

module.exports = { encodeWav, toInt16 };
