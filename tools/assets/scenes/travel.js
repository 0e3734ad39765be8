'use strict';
// The travel screen: the team's airliner heading right, and the band of sky and
// clouds that drifts past beneath it.
const { svgDocument, rect, circle, ellipse, path, group, linearGradient, defs, palette } = require('./lib/svg');
const { seededRandom, between } = require('./lib/random');

const INK = palette.ink;

function airliner() {
  const outline = { stroke: INK, strokeWidth: 2, strokeLinejoin: 'round' };
  const farWing = path({ d: 'M150 52 L118 30 L132 30 L178 52 Z', fill: '#B9C2D0', ...outline });
  const tailPlane = path({ d: 'M30 50 L8 40 L18 40 L52 50 Z', fill: '#B9C2D0', ...outline });
  const fin = path({ d: 'M22 50 L6 6 L26 6 L62 46 Z', fill: palette.orange, ...outline });
  const finSplat = circle({ cx: 24, cy: 24, r: 7, fill: palette.yellow, stroke: INK, strokeWidth: 1.5 }) +
    circle({ cx: 33, cy: 18, r: 2.5, fill: palette.yellow, stroke: INK, strokeWidth: 1 });
  const body = path({ d: 'M14 52 Q14 40 40 40 L252 40 Q280 40 292 52 Q296 58 290 62 Q280 68 252 68 L44 68 Q24 68 14 56 Z', fill: 'url(#hull)', ...outline });
  const stripe = path({ d: 'M20 58 L286 58 Q283 62 278 63 L30 63 Q24 61 20 58 Z', fill: palette.orange });
  const cockpit = path({ d: 'M270 46 L282 46 Q288 49 289 52 L274 52 Z', fill: '#2F4A6B', stroke: INK, strokeWidth: 1.2 });
  const door = rect({ x: 240, y: 43, width: 8, height: 14, rx: 2, fill: 'none', stroke: INK, strokeWidth: 1.2 });
  let windows = '';
  for (let x = 60; x < 232; x += 9) windows += rect({ x, y: 46, width: 5, height: 6, rx: 2, fill: '#2F4A6B' });
  const nearWing = path({ d: 'M138 60 L96 90 L116 90 L184 62 Z', fill: '#DCE2EA', ...outline });
  const engine = rect({ x: 128, y: 70, width: 34, height: 13, rx: 6.5, fill: '#C9D0DA', ...outline }) +
    ellipse({ cx: 161, cy: 76.5, rx: 3, ry: 6, fill: '#2B2F36' });
  const shadowLine = path({ d: 'M44 66 L252 66', stroke: '#9AA6B8', strokeWidth: 2 });
  return svgDocument(301, 97,
    defs(linearGradient('hull', [[0, '#FFFFFF'], [0.6, '#EEF1F6'], [1, '#C9D1DD']])) +
    rect({ width: 301, height: 97, fill: '#FFFFFF' }) +
    farWing + tailPlane + fin + body + stripe + shadowLine + windows + cockpit + door + finSplat + engine + nearWing);
}

function cloud(x, y, size, random) {
  const puffs = [];
  const count = 4 + Math.floor(random() * 3);
  for (let i = 0; i < count; i++) {
    const t = i / (count - 1);
    puffs.push([x + (t - 0.5) * size * 2.2, y - Math.sin(t * Math.PI) * size * 0.45 - random() * size * 0.2, size * (0.45 + Math.sin(t * Math.PI) * 0.35)]);
  }
  const base = ellipse({ cx: x, cy: y, rx: size * 1.45, ry: size * 0.32 });
  const shapes = base + puffs.map(([cx, cy, r]) => circle({ cx, cy, r })).join('');
  const shade = ellipse({ cx: x, cy: y + size * 0.1, rx: size * 1.35, ry: size * 0.2, fill: '#C8DAEE' });
  return group({ fill: '#FFFFFF', stroke: '#9DB7D5', strokeWidth: 5 }, shapes) + group({ fill: '#FFFFFF' }, shapes) + shade;
}

// Clouds near the ends are drawn a second time a strip-width away, so the strip joins seamlessly end to end.
function cloudStrip() {
  const width = 1600;
  const random = seededRandom(91);
  let far = '';
  let near = '';
  for (let x = 20; x < width; x += between(random, 70, 120)) {
    const y = between(random, 40, 90);
    const size = between(random, 10, 18);
    const drawn = [0, -width, width].map((shift) => group({ opacity: 0.75 }, cloud(x + shift, y, size, seededRandom(Math.floor(x))))).join('');
    far += drawn;
  }
  for (let x = 60; x < width; x += between(random, 170, 260)) {
    const y = between(random, 110, 150);
    const size = between(random, 26, 40);
    near += [0, -width, width].map((shift) => cloud(x + shift, y, size, seededRandom(Math.floor(x) + 7))).join('');
  }
  return svgDocument(width, 175,
    defs(linearGradient('sky', [[0, '#FFFFFF'], [0.35, '#E6F2FC'], [1, '#A6CAF0']])) +
    rect({ width, height: 175, fill: 'url(#sky)' }) + far + near);
}

function pictures() {
  return [
    { form: 'TForm10', image: 'Image1', width: 301, height: 97, svg: airliner() },
    { form: 'TForm10', image: 'Image3', width: 1600, height: 175, svg: cloudStrip() },
  ];
}

module.exports = { pictures };
