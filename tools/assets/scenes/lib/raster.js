'use strict';
// Pixel pictures written by hand: an RGB buffer, organic noise, and PNG output
// that an SVG can carry inline.
const zlib = require('zlib');
const { seededRandom } = require('./random');

function makePixels(width, height) {
  return { width, height, data: new Float32Array(width * height * 3) };
}

function setPixel(pixels, x, y, rgb) {
  const i = (y * pixels.width + x) * 3;
  pixels.data[i] = rgb[0];
  pixels.data[i + 1] = rgb[1];
  pixels.data[i + 2] = rgb[2];
}

function getPixel(pixels, x, y) {
  const i = (y * pixels.width + x) * 3;
  return [pixels.data[i], pixels.data[i + 1], pixels.data[i + 2]];
}

const crcTable = (() => {
  const table = new Uint32Array(256);
  for (let n = 0; n < 256; n++) {
    let c = n;
    for (let k = 0; k < 8; k++) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
    table[n] = c >>> 0;
  }
  return table;
})();

function crc32(buffer) {
  let c = 0xffffffff;
  for (const byte of buffer) c = crcTable[(c ^ byte) & 0xff] ^ (c >>> 8);
  return (c ^ 0xffffffff) >>> 0;
}

function pngChunk(type, body) {
  const length = Buffer.alloc(4);
  length.writeUInt32BE(body.length);
  const typed = Buffer.concat([Buffer.from(type, 'ascii'), body]);
  const crc = Buffer.alloc(4);
  crc.writeUInt32BE(crc32(typed));
  return Buffer.concat([length, typed, crc]);
}

function clampByte(value) {
  return Math.max(0, Math.min(255, Math.round(value)));
}

function encodePng(pixels) {
  const { width, height, data } = pixels;
  const rows = Buffer.alloc((width * 3 + 1) * height);
  for (let y = 0; y < height; y++) {
    const row = y * (width * 3 + 1);
    rows[row] = 0;
    for (let i = 0; i < width * 3; i++) rows[row + 1 + i] = clampByte(data[y * width * 3 + i]);
  }
  const header = Buffer.alloc(13);
  header.writeUInt32BE(width, 0);
  header.writeUInt32BE(height, 4);
  header[8] = 8;
  header[9] = 2;
  const signature = Buffer.from([137, 80, 78, 71, 13, 10, 26, 10]);
  return Buffer.concat([
    signature,
    pngChunk('IHDR', header),
    pngChunk('IDAT', zlib.deflateSync(rows, { level: 9 })),
    pngChunk('IEND', Buffer.alloc(0)),
  ]);
}

function pngDataUri(pixels) {
  return 'data:image/png;base64,' + encodePng(pixels).toString('base64');
}

// Value noise on a lattice that wraps every `period` cells, summed over octaves.
function makeNoise(seed, period) {
  const random = seededRandom(seed);
  const lattice = new Float32Array(period * period).map(() => random());
  const smooth = (t) => t * t * (3 - 2 * t);
  const at = (ix, iy) => lattice[((iy % period) + period) % period * period + (((ix % period) + period) % period)];
  return function sample(x, y) {
    const ix = Math.floor(x);
    const iy = Math.floor(y);
    const fx = smooth(x - ix);
    const fy = smooth(y - iy);
    const top = at(ix, iy) + (at(ix + 1, iy) - at(ix, iy)) * fx;
    const bottom = at(ix, iy + 1) + (at(ix + 1, iy + 1) - at(ix, iy + 1)) * fx;
    return top + (bottom - top) * fy;
  };
}

function makeFractalNoise(seed, octaves) {
  const layers = Array.from({ length: octaves }, (_, i) => makeNoise(seed * 31 + i * 7919, 256));
  return function sample(x, y) {
    let sum = 0;
    let weight = 1;
    let total = 0;
    let scale = 1;
    for (const layer of layers) {
      sum += layer(x * scale + 17.3 * scale, y * scale + 5.1 * scale) * weight;
      total += weight;
      weight *= 0.5;
      scale *= 2;
    }
    return sum / total;
  };
}

function mix(a, b, t) {
  return [a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t, a[2] + (b[2] - a[2]) * t];
}

function hexColour(hex) {
  const value = parseInt(hex.replace('#', ''), 16);
  return [(value >> 16) & 255, (value >> 8) & 255, value & 255];
}

module.exports = { makePixels, setPixel, getPixel, encodePng, pngDataUri, makeNoise, makeFractalNoise, mix, hexColour };
