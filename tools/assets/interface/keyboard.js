'use strict';
// The team-building screen's on-screen keyboard, generated from the key ranges the screen
// tests: every key's face covers exactly its X and Y range, relative to the keyboard's
// drawing position (100, 300).
const { palette, label, svgDocument, fitSize } = require('./style');

const origin = { x: 100, y: 300 };
const size = { width: 319, height: 125 };

// Inclusive pixel ranges in picture coordinates. The rows' bands are strict (302 < Y < 329).
const rows = [
  { y: [303, 328], keys: [['Q', 103, 127], ['W', 129, 154], ['E', 156, 181], ['R', 183, 208], ['T', 210, 235],
    ['Y', 237, 261], ['U', 263, 289], ['I', 291, 315], ['O', 317, 342], ['P', 344, 372]] },
  { y: [331, 360], keys: [['A', 117, 141], ['S', 143, 168], ['D', 170, 195], ['F', 197, 222], ['G', 224, 249],
    ['H', 251, 275], ['J', 277, 302], ['K', 304, 329], ['L', 331, 356]] },
  { y: [364, 391], keys: [['Z', 144, 170], ['X', 172, 196], ['C', 198, 223], ['V', 225, 250], ['B', 252, 277],
    ['N', 279, 304], ['M', 306, 330]] },
];
const specialKeys = [
  { name: 'SPACE', x: [159, 315], y: [398, 422], face: palette.paper, text: palette.ink },
  { name: 'CLR', x: [361, 417], y: [327, 355], face: palette.red, text: '#FFFFFF' },
  { name: 'OK', x: [361, 417], y: [357, 386], face: palette.green, text: '#FFFFFF' },
];
const panelColour = palette.ink;

function allKeys() {
  const letters = rows.flatMap((row) => row.keys.map(([name, x0, x1]) => (
    { name, x: [x0, x1], y: row.y, face: palette.paper, text: palette.ink })));
  return [...letters, ...specialKeys];
}

// A key face in keyboard-local pixels: flat face, a darker lip on its bottom two rows.
function keyMarkup(key) {
  const x = key.x[0] - origin.x;
  const y = key.y[0] - origin.y;
  const w = key.x[1] - key.x[0] + 1;
  const h = key.y[1] - key.y[0] + 1;
  const lip = key.face === palette.paper ? '#D6CFBD' : 'rgba(0,0,0,0.22)';
  const textSize = Math.min(fitSize(key.name, w - 8, h * 0.5), 14);
  return `<rect x="${x}" y="${y}" width="${w}" height="${h}" rx="1.5" fill="${key.face}"/>` +
    `<rect x="${x}" y="${y + h - 2}" width="${w}" height="2" fill="${lip}"/>` +
    label(key.name, x + w / 2, y + h / 2 - 1, textSize, { fill: key.text });
}

function keyboardSvg() {
  const panel = `<rect width="${size.width}" height="${size.height}" rx="6" fill="${panelColour}"/>`;
  return svgDocument(size.width, size.height, panel + allKeys().map(keyMarkup).join(''));
}

module.exports = { origin, size, rows, specialKeys, allKeys, keyboardSvg };
