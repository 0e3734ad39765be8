'use strict';
// The three training cards of the training menu, each a picture and its word.
const { svgDocument, rect, circle, ellipse, path, group, text, line, linearGradient, defs, palette } = require('./lib/svg');
const { figure } = require('./lib/figure');

const INK = palette.ink;
const SIZE = 250;

function card(word, art, backdrop) {
  const fontSize = word.length > 12 ? 23 : 30;
  return svgDocument(SIZE, SIZE,
    defs(linearGradient('backdrop', [[0, backdrop[0]], [1, backdrop[1]]])) +
    rect({ width: SIZE, height: SIZE, fill: '#FFFFFF' }) +
    rect({ x: 3, y: 3, width: 244, height: 244, rx: 18, fill: 'url(#backdrop)', stroke: INK, strokeWidth: 4 }) +
    group({ clipPath: 'url(#inside)' }, art) +
    `<clipPath id="inside"><rect x="5" y="5" width="240" height="240" rx="16"/></clipPath>` +
    path({ d: 'M3 196 L247 196 L247 229 Q247 247 229 247 L21 247 Q3 247 3 229 Z', fill: INK }) +
    text(word, { x: 125, y: 232, fontSize, fontWeight: 'bold', fill: palette.paper, textAnchor: 'middle' }));
}

function splat(cx, cy, r, colour) {
  let d = '';
  const points = 14;
  for (let i = 0; i <= points; i++) {
    const a = (i / points) * Math.PI * 2;
    const reach = r * (i % 2 ? 0.72 : 1.05 + 0.25 * Math.sin(i * 2.3));
    d += `${i ? 'L' : 'M'}${(cx + reach * Math.cos(a)).toFixed(1)} ${(cy + reach * Math.sin(a)).toFixed(1)} `;
  }
  return path({ d: d + 'Z', fill: colour, stroke: INK, strokeWidth: 2, strokeLinejoin: 'round' }) +
    circle({ cx: cx + r * 1.5, cy: cy - r * 0.6, r: r * 0.18, fill: colour, stroke: INK, strokeWidth: 1.5 }) +
    circle({ cx: cx - r * 1.3, cy: cy + r * 0.9, r: r * 0.14, fill: colour, stroke: INK, strokeWidth: 1.5 });
}

function accuracyArt() {
  const cx = 125;
  const cy = 102;
  const rings = [[80, '#F7F4EC'], [64, palette.ink], [48, palette.blue], [32, palette.red], [14, palette.yellow]]
    .map(([r, fill]) => circle({ cx, cy, r, fill, stroke: INK, strokeWidth: 2 })).join('');
  const hair = group({ stroke: INK, strokeWidth: 3, strokeLinecap: 'round' },
    line({ x1: cx, y1: 8, x2: cx, y2: 40 }) + line({ x1: cx, y1: 164, x2: cx, y2: 192 }) +
    line({ x1: 14, y1: cy, x2: 40, y2: cy }) + line({ x1: 210, y1: cy, x2: 236, y2: cy })) +
    circle({ cx, cy, r: 92, fill: 'none', stroke: INK, strokeWidth: 3, strokeDasharray: '18 10' });
  return rings + splat(cx + 4, cy - 3, 12, palette.orange) + hair;
}

function agilityArt() {
  const bunker = path({ d: 'M120 196 L132 86 Q135 70 150 70 L200 70 Q215 70 218 86 L232 196 Z', fill: palette.green, stroke: INK, strokeWidth: 3 }) +
    path({ d: 'M146 84 L138 180', stroke: '#FFFFFF', strokeOpacity: 0.45, strokeWidth: 8, strokeLinecap: 'round' });
  const marker = path({ d: 'M46 86 L98 76 L100 84 L48 94 Z', fill: palette.steel, stroke: INK, strokeWidth: 2 }) +
    path({ d: 'M78 80 L102 76 L106 92 L82 96 Z', fill: '#2B2F36', stroke: INK, strokeWidth: 2 }) +
    path({ d: 'M82 78 Q82 60 94 58 Q106 58 104 74 Z', fill: '#CFE3F7', stroke: INK, strokeWidth: 2 });
  const player = figure({
    head: [112, 70], neck: [118, 90], hip: [148, 132],
    elbowFront: [96, 96], handFront: [72, 88], elbowBack: [100, 110], handBack: [82, 92],
    kneeFront: [130, 160], footFront: [116, 190], kneeBack: [170, 160], footBack: [160, 192],
  }, { jersey: palette.magenta, facing: -1, width: 11, marker });
  const motion = group({ stroke: INK, strokeWidth: 3, strokeLinecap: 'round', strokeOpacity: 0.5, fill: 'none' },
    path({ d: 'M150 52 Q128 36 104 42' }) + path({ d: 'M160 40 Q134 20 104 28' }));
  const balls = [[30, 60], [44, 112], [24, 150]].map(([x, y]) => circle({ cx: x, cy: y, r: 6, fill: palette.yellow, stroke: INK, strokeWidth: 2 }) +
    line({ x1: x + 10, y1: y, x2: x + 26, y2: y, stroke: INK, strokeWidth: 2, strokeOpacity: 0.4, strokeLinecap: 'round' })).join('');
  return ellipse({ cx: 150, cy: 196, rx: 110, ry: 8, fill: INK, fillOpacity: 0.15 }) + player + bunker + motion + balls;
}

function speedArt() {
  const track = path({ d: 'M-10 180 Q125 150 260 180 L260 200 L-10 200 Z', fill: '#E07A4A', stroke: INK, strokeWidth: 2.5 }) +
    path({ d: 'M-10 188 Q125 160 260 188', fill: 'none', stroke: '#FFFFFF', strokeWidth: 2, strokeDasharray: '12 8' });
  const runner = figure({
    head: [126, 52], neck: [120, 72], hip: [108, 116],
    elbowFront: [142, 92], handFront: [158, 74], elbowBack: [96, 88], handBack: [78, 104],
    kneeFront: [140, 134], footFront: [138, 166], kneeBack: [88, 142], footBack: [62, 138],
  }, { jersey: palette.blue, facing: 1, width: 11 });
  const speedLines = group({ stroke: INK, strokeWidth: 3, strokeLinecap: 'round', strokeOpacity: 0.5 },
    line({ x1: 20, y1: 70, x2: 60, y2: 70 }) + line({ x1: 10, y1: 92, x2: 56, y2: 92 }) + line({ x1: 26, y1: 116, x2: 58, y2: 116 }));
  const watchX = 196;
  const watchY = 60;
  const stopwatch = rect({ x: watchX - 6, y: watchY - 40, width: 12, height: 10, rx: 2, fill: palette.steel, stroke: INK, strokeWidth: 2 }) +
    circle({ cx: watchX, cy: watchY, r: 30, fill: palette.paper, stroke: INK, strokeWidth: 3.5 }) +
    circle({ cx: watchX, cy: watchY, r: 24, fill: 'none', stroke: palette.steel, strokeWidth: 1.5, strokeDasharray: '2 4.28' }) +
    path({ d: `M${watchX} ${watchY} L${watchX} ${watchY - 20} M${watchX} ${watchY} L${watchX + 13} ${watchY + 7}`, stroke: palette.red, strokeWidth: 3, strokeLinecap: 'round' }) +
    circle({ cx: watchX, cy: watchY, r: 3, fill: INK });
  const heart = path({ d: 'M196 128 C196 116 214 112 216 124 C218 112 236 116 236 128 C236 142 216 152 216 156 C216 152 196 142 196 128 Z',
    fill: palette.red, stroke: INK, strokeWidth: 2.5 }) +
    path({ d: 'M200 130 L208 130 L212 122 L218 138 L222 130 L232 130', fill: 'none', stroke: '#FFFFFF', strokeWidth: 2.2, strokeLinejoin: 'round' });
  return track + speedLines + runner + stopwatch + heart;
}

function pictures() {
  return [
    { form: 'TForm16', image: 'Image2', width: SIZE, height: SIZE, svg: card('Accuracy', accuracyArt(), ['#FFF4D6', '#FFE0A8']) },
    { form: 'TForm16', image: 'Image3', width: SIZE, height: SIZE, svg: card('Agility', agilityArt(), ['#E4F4FF', '#BFE0F7']) },
    { form: 'TForm16', image: 'Image4', width: SIZE, height: SIZE, svg: card('Speed and Endurance', speedArt(), ['#E8F7E4', '#C5EBBE']) },
  ];
}

module.exports = { pictures };
