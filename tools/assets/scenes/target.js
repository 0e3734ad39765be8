'use strict';
// The target range seen through the scope: a paintball field with a target board
// whose centre and rings sit exactly where the shots are scored, plus the scope's
// label, its four rounded corners and the windage gauge.
const { svgDocument, rect, circle, ellipse, path, group, text, linearGradient, defs, palette, line, polygon } = require('./lib/svg');
const { seededRandom, between } = require('./lib/random');

const INK = palette.ink;
const TARGET_X = 288;
const TARGET_Y = 201;
// Scoring limits in pixels from the centre, innermost first, and the colour of each band.
const RINGS = [
  { limit: 2, colour: '#FFD23F' },
  { limit: 6, colour: '#D7263D' },
  { limit: 13, colour: '#1F7AE0' },
  { limit: 17, colour: '#1B2A41' },
  { limit: 21, colour: '#F7F4EC' },
];
const BOARD = '#C8965A';

function sky() {
  const random = seededRandom(71);
  let clouds = '';
  for (let c = 0; c < 6; c++) {
    const cx = between(random, 20, 580);
    const cy = between(random, 18, 80);
    const size = between(random, 18, 34);
    clouds += group({ fill: '#FFFFFF', fillOpacity: 0.92 },
      ellipse({ cx, cy, rx: size * 1.6, ry: size * 0.45 }) + circle({ cx: cx - size * 0.5, cy: cy - size * 0.2, r: size * 0.45 }) +
      circle({ cx: cx + size * 0.3, cy: cy - size * 0.35, r: size * 0.55 }));
  }
  return rect({ width: 600, height: 170, fill: 'url(#sky)' }) + clouds;
}

function treeLine() {
  const random = seededRandom(72);
  let far = path({ d: 'M0 150 Q80 118 170 138 Q260 112 360 134 Q460 116 600 140 L600 175 L0 175 Z', fill: '#8DBF7A' });
  let trees = '';
  for (let x = -10; x < 620; x += between(random, 16, 28)) {
    const r = between(random, 14, 24);
    const y = 150 - between(random, 0, 18);
    trees += circle({ cx: x, cy: y, r, fill: random() < 0.5 ? '#3F7A34' : '#356B2C' });
    trees += circle({ cx: x - r * 0.3, cy: y - r * 0.35, r: r * 0.45, fill: '#4E8E3B', fillOpacity: 0.8 });
  }
  return far + trees + rect({ x: 0, y: 150, width: 600, height: 25, fill: '#356B2C' });
}

// Safety netting on poles along the back of the field.
function netting() {
  let out = '';
  for (let x = 0; x <= 600; x += 7) out += line({ x1: x, y1: 70, x2: x, y2: 172, stroke: '#E8ECF2', strokeOpacity: 0.35, strokeWidth: 0.8 });
  for (let y = 70; y <= 172; y += 7) out += line({ x1: 0, y1: y, x2: 600, y2: y, stroke: '#E8ECF2', strokeOpacity: 0.35, strokeWidth: 0.8 });
  for (let x = 30; x < 600; x += 135) {
    out += rect({ x: x - 2, y: 62, width: 4, height: 112, fill: '#5D6676', stroke: INK, strokeWidth: 1 });
  }
  out += path({ d: 'M0 70 L600 70', stroke: '#5D6676', strokeWidth: 2 });
  return out;
}

function ground() {
  let stripes = '';
  const vanishX = 300;
  const vanishY = 60;
  for (let i = -8; i <= 8; i++) {
    if (i % 2) continue;
    const x1 = vanishX + i * 70;
    const x2 = vanishX + (i + 1) * 70;
    const at = (x, y) => vanishX + (x - vanishX) * ((y - vanishY) / (450 - vanishY));
    stripes += polygon({ points: `${at(x1, 172)},172 ${at(x2, 172)},172 ${x2},450 ${x1},450`, fill: '#FFFFFF', fillOpacity: 0.06 });
  }
  return rect({ x: 0, y: 172, width: 600, height: 278, fill: 'url(#grass)' }) + stripes;
}

function inflatable(kind, x, y, size, colour) {
  const shade = { fill: colour, stroke: INK, strokeWidth: Math.max(1, size / 18), strokeLinejoin: 'round' };
  const shadow = ellipse({ cx: x, cy: y, rx: size * 0.9, ry: size * 0.16, fill: INK, fillOpacity: 0.2 });
  const shine = (d) => path({ d, stroke: '#FFFFFF', strokeOpacity: 0.5, strokeWidth: size / 10, fill: 'none', strokeLinecap: 'round' });
  if (kind === 'can') {
    return shadow + rect({ x: x - size * 0.4, y: y - size * 1.3, width: size * 0.8, height: size * 1.3, rx: size * 0.18, ...shade }) +
      shine(`M${x - size * 0.22} ${y - size * 1.1} L${x - size * 0.22} ${y - size * 0.25}`);
  }
  if (kind === 'dorito') {
    return shadow + path({ d: `M${x - size * 0.8} ${y} L${x} ${y - size * 1.1} L${x + size * 0.8} ${y} Z`, ...shade }) +
      shine(`M${x - size * 0.4} ${y - size * 0.25} L${x - size * 0.08} ${y - size * 0.8}`);
  }
  if (kind === 'snake') {
    return shadow + rect({ x: x - size * 1.5, y: y - size * 0.5, width: size * 3, height: size * 0.5, rx: size * 0.25, ...shade }) +
      shine(`M${x - size * 1.3} ${y - size * 0.38} L${x + size * 1.2} ${y - size * 0.38}`);
  }
  return shadow + path({ d: `M${x - size * 0.7} ${y} L${x - size * 0.5} ${y - size} L${x + size * 0.5} ${y - size} L${x + size * 0.7} ${y} Z`, ...shade }) +
    shine(`M${x - size * 0.35} ${y - size * 0.8} L${x - size * 0.45} ${y - size * 0.15}`);
}

function bunkers() {
  const field = [
    ['can', 120, 188, 14, '#FF6B1A'], ['dorito', 200, 182, 12, '#1F7AE0'], ['snake', 430, 186, 12, '#E0338A'],
    ['can', 520, 192, 15, '#FFD23F'], ['temple', 60, 215, 22, '#1F7AE0'], ['dorito', 395, 240, 22, '#FF6B1A'],
    ['snake', 160, 268, 24, '#FFD23F'], ['can', 480, 285, 30, '#2EBF5B'], ['temple', 290, 330, 36, '#E0338A'],
    ['dorito', 90, 360, 40, '#FF6B1A'], ['snake', 470, 420, 44, '#1F7AE0'], ['can', 560, 380, 40, '#E0338A'],
    ['can', 40, 440, 50, '#2EBF5B'],
  ];
  return field.map(([kind, x, y, size, colour]) => inflatable(kind, x, y, size, colour)).join('');
}

// Ring k covers every pixel whose centre lies within its limit of the target's centre pixel.
function targetBoard() {
  const cx = TARGET_X + 0.5;
  const cy = TARGET_Y + 0.5;
  const legs = path({ d: `M${cx - 18} ${cy + 24} L${cx - 26} ${cy + 64} M${cx + 18} ${cy + 24} L${cx + 26} ${cy + 64} M${cx} ${cy + 26} L${cx} ${cy + 60}`,
    stroke: '#6B4A2B', strokeWidth: 4, strokeLinecap: 'round' }) +
    ellipse({ cx, cy: cy + 64, rx: 34, ry: 5, fill: INK, fillOpacity: 0.22 });
  const board = rect({ x: cx - 30, y: cy - 30, width: 60, height: 60, rx: 3, fill: BOARD, stroke: INK, strokeWidth: 1.5 }) +
    rect({ x: cx - 29, y: cy - 10, width: 58, height: 1, fill: '#A97A44' }) + rect({ x: cx - 29, y: cy + 12, width: 58, height: 1, fill: '#A97A44' });
  const splats = circle({ cx: cx - 25, cy: cy - 24, r: 3, fill: '#E0338A' }) + circle({ cx: cx + 25, cy: cy + 25, r: 2.6, fill: '#FF6B1A' }) +
    circle({ cx: cx + 26, cy: cy - 23, r: 2, fill: '#2EBF5B' });
  const rings = [...RINGS].reverse().map(({ limit, colour }) => circle({ cx, cy, r: limit + 0.5, fill: colour })).join('');
  return legs + board + splats + rings;
}

function scene() {
  const gradientDefs = defs(
    linearGradient('sky', [[0, '#8CC6F2'], [1, '#E3F1FB']]) +
    linearGradient('grass', [[0, '#7CB85A'], [0.4, '#6FAE4F'], [1, '#4A8A38']]));
  return svgDocument(600, 450, gradientDefs + sky() + treeLine() + netting() + ground() + bunkers() + targetBoard());
}

function label() {
  return svgDocument(150, 50, defs(linearGradient('plate', [[0, '#2A2F38'], [1, '#0B0D10']])) +
    rect({ width: 150, height: 50, fill: '#000000' }) +
    rect({ x: 8, y: 8, width: 134, height: 34, rx: 7, fill: 'url(#plate)', stroke: '#8A94A6', strokeWidth: 1.5 }) +
    text('SPLATVANE', { x: 75, y: 25, fontSize: 14, fontWeight: 'bold', fill: '#FFD23F', textAnchor: 'middle', letterSpacing: 1.5 }) +
    text('OPTICS  4 x 32', { x: 75, y: 37, fontSize: 9, fill: '#C9CFDA', textAnchor: 'middle', letterSpacing: 1 }));
}

// Each corner rounds off the outside of the black scope body; (cx, cy) is the inner corner.
function scopeCorner(cx, cy) {
  return svgDocument(50, 50, rect({ width: 50, height: 50, fill: '#FFFFFF' }) +
    circle({ cx, cy, r: 50, fill: '#000000' }) +
    circle({ cx, cy, r: 46, fill: 'none', stroke: '#3A404B', strokeWidth: 2 }));
}

function windageGauge() {
  const centre = 250;
  const unit = 24;
  let ticks = '';
  for (let wind = -10; wind <= 10; wind++) {
    const x = centre + wind * unit;
    const major = wind % 5 === 0;
    ticks += line({ x1: x, y1: major ? 40 : 48, x2: x, y2: 58, stroke: INK, strokeWidth: major ? 2 : 1 });
    ticks += line({ x1: x, y1: 102, x2: x, y2: major ? 120 : 110, stroke: INK, strokeWidth: major ? 2 : 1 });
  }
  const labels = [[-10, '-10', 'start', 4], [-5, '-5'], [0, '0'], [5, '+5'], [10, '+10', 'end', -4]].map(([wind, words, anchor, nudge]) =>
    text(words, { x: centre + wind * unit + (nudge || 0), y: 137, fontSize: 15, fontWeight: 'bold', fill: INK, textAnchor: anchor || 'middle' })).join('');
  const arrows = path({ d: 'M24 22 L8 22 M8 22 L15 16 M8 22 L15 28', stroke: palette.blue, strokeWidth: 2.5, fill: 'none', strokeLinecap: 'round' }) +
    path({ d: 'M476 22 L492 22 M492 22 L485 16 M492 22 L485 28', stroke: palette.blue, strokeWidth: 2.5, fill: 'none', strokeLinecap: 'round' });
  return svgDocument(500, 150, rect({ width: 500, height: 150, fill: '#FFFFFF' }) +
    rect({ x: 1, y: 1, width: 498, height: 148, rx: 8, fill: palette.paper, stroke: INK, strokeWidth: 2 }) +
    text('WIND', { x: centre, y: 28, fontSize: 18, fontWeight: 'bold', fill: INK, textAnchor: 'middle', letterSpacing: 3 }) + arrows +
    rect({ x: 8, y: 58, width: 484, height: 44, fill: '#FFFFFF', stroke: INK, strokeWidth: 1.5 }) + ticks + labels);
}

function pictures() {
  return [
    { form: 'TForm19', image: 'Image1', width: 600, height: 450, svg: scene() },
    { form: 'TForm19', image: 'Image3', width: 150, height: 50, svg: label() },
    { form: 'TForm19', image: 'Image4', width: 50, height: 50, svg: scopeCorner(50, 50) },
    { form: 'TForm19', image: 'Image5', width: 50, height: 50, svg: scopeCorner(0, 50) },
    { form: 'TForm19', image: 'Image6', width: 50, height: 50, svg: scopeCorner(50, 0) },
    { form: 'TForm19', image: 'Image7', width: 50, height: 50, svg: scopeCorner(0, 0) },
    { form: 'TForm19', image: 'Image8', width: 500, height: 150, svg: windageGauge() },
  ];
}

module.exports = { pictures, RINGS, BOARD };
