'use strict';
// The six paintball markers, side on with the muzzle to the right, each one
// finer than the last: from a scuffed pump gun to the Black Omega.
const { svgDocument, rect, circle, ellipse, path, group, text, linearGradient, radialGradient, defs, palette, polygon, line } = require('./lib/svg');

const INK = palette.ink;
const OUTLINE = { stroke: INK, strokeWidth: 2, strokeLinejoin: 'round' };

const markers = [
  { level: 1, name: 'Mk1 Peej', body: ['#B8BEC9', '#7C8596'], trim: '#5C6474', shape: 'tube', barrelEnd: 166,
    pump: '#5C4636', hopper: 'stick', air: 'twelveGram', ports: 0 },
  { level: 2, name: 'Mk2 Peej', body: ['#5EA2EE', '#1F5FB0'], trim: '#17457F', shape: 'tube', barrelEnd: 178,
    pump: '#2B2F36', hopper: 'gravity', air: 'co2Small', ports: 0 },
  { level: 3, name: 'Veemer', body: ['#59D07F', '#1F8A44'], trim: '#16622F', shape: 'block', barrelEnd: 184,
    hopper: 'gravityBig', air: 'co2Large', ports: 0 },
  { level: 4, name: 'Blade', body: ['#FF9A55', '#E0520A'], trim: '#2B2F36', shape: 'sleek', barrelEnd: 188,
    hopper: 'loader', loaderColour: ['#9AA3B2', '#5D6676'], air: 'steelHpa', ports: 3, slots: true },
  { level: 5, name: 'Firestorm', body: ['#F2484F', '#A3121E'], trim: '#2B2F36', shape: 'sleek', barrelEnd: 192,
    hopper: 'loader', loaderColour: ['#3A3F4A', '#15181D'], air: 'carbon', ports: 6, flames: true, slots: true, led: '#FF3B30' },
  { level: 6, name: 'Black Omega', body: ['#4A505C', '#0E1014'], trim: '#D9A521', shape: 'sleek', barrelEnd: 196,
    hopper: 'loader', loaderColour: ['#3B404A', '#0B0D10'], air: 'carbonGold', ports: 9, slots: true, gold: true, led: '#37E4FF' },
];

function gradients(m) {
  return defs(
    linearGradient(`body${m.level}`, [[0, m.body[0]], [1, m.body[1]]]) +
    linearGradient('steel', [[0, '#E3E7EE'], [0.45, '#A7AFBC'], [1, '#6B7383']]) +
    linearGradient('darkSteel', [[0, '#6E7584'], [1, '#2A2F38']]) +
    linearGradient('carbon', [[0, '#50555F'], [0.5, '#23262C'], [1, '#0C0E11']]) +
    linearGradient('gold', [[0, '#FFE27A'], [1, '#B7841A']]) +
    linearGradient(`loader${m.level}`, [[0, (m.loaderColour || ['#fff', '#fff'])[0]], [1, (m.loaderColour || ['#fff', '#fff'])[1]]]) +
    radialGradient(`glow${m.level}`, [[0, m.gold ? '#FFE9A8' : '#FFD0B0', 0.55], [1, '#FFFFFF', 0]]) +
    linearGradient('shell', [[0, '#EAF4FF', 0.9], [1, '#B9CBE0', 0.9]]) +
    linearGradient('wood', [[0, '#9A6B44'], [1, '#5C3C22']]) +
    `<pattern id="weave" width="6" height="6" patternUnits="userSpaceOnUse"><rect width="6" height="6" fill="#1C1F24"/><path d="M0 0h3v3H0zM3 3h3v3H3z" fill="#3A3F48"/></pattern>`);
}

function barrel(m) {
  const start = m.shape === 'tube' ? 128 : 126;
  const top = m.shape === 'tube' ? 58 : 60;
  const height = 10;
  let out = rect({ x: start, y: top, width: m.barrelEnd - start, height, rx: 2, fill: m.gold ? 'url(#carbon)' : 'url(#steel)', ...OUTLINE });
  for (let p = 0; p < m.ports; p++) {
    const x = m.barrelEnd - 8 - p * 6;
    out += rect({ x, y: top + 3, width: 3.5, height: 4, rx: 1.5, fill: m.gold ? '#D9A521' : INK });
  }
  if (m.gold) out += rect({ x: m.barrelEnd - 6, y: top - 1, width: 6, height: height + 2, rx: 1.5, fill: 'url(#gold)', ...OUTLINE });
  if (m.ports === 0) out += rect({ x: m.barrelEnd - 5, y: top - 1, width: 5, height: height + 2, rx: 1, fill: 'url(#darkSteel)', ...OUTLINE });
  return out;
}

function pumpHandle(m) {
  if (!m.pump) return '';
  const grooves = [0, 1, 2, 3].map((i) => line({ x1: 138 + i * 6, y1: 72, x2: 138 + i * 6, y2: 80, stroke: '#00000055', strokeWidth: 1.5 })).join('');
  return rect({ x: 132, y: 68, width: 30, height: 14, rx: 4, fill: m.level === 1 ? 'url(#wood)' : m.pump, ...OUTLINE }) + grooves;
}

function bodyShape(m) {
  const fill = `url(#body${m.level})`;
  if (m.shape === 'tube') {
    return rect({ x: 36, y: 52, width: 94, height: 22, rx: 10, fill, ...OUTLINE }) +
      rect({ x: 44, y: 56, width: 70, height: 4, rx: 2, fill: '#FFFFFF', fillOpacity: 0.35 }) +
      circle({ cx: 40, cy: 63, r: 5, fill: 'url(#darkSteel)', ...OUTLINE });
  }
  if (m.shape === 'block') {
    return rect({ x: 38, y: 50, width: 90, height: 28, rx: 4, fill, ...OUTLINE }) +
      rect({ x: 44, y: 54, width: 78, height: 4, rx: 2, fill: '#FFFFFF', fillOpacity: 0.35 }) +
      rect({ x: 100, y: 63, width: 22, height: 8, rx: 2, fill: m.trim });
  }
  let out = path({ d: 'M34 58 Q36 50 46 49 L118 49 Q128 50 130 58 L130 74 Q128 80 120 80 L54 80 Q40 80 34 70 Z', fill, ...OUTLINE });
  out += path({ d: 'M44 53 L120 53', stroke: '#FFFFFF', strokeOpacity: 0.45, strokeWidth: 3, strokeLinecap: 'round' });
  if (m.slots) {
    for (let i = 0; i < 4; i++) out += rect({ x: 60 + i * 14, y: 66, width: 9, height: 4, rx: 2, fill: m.trim, fillOpacity: 0.9 });
  }
  if (m.flames) {
    out += path({ d: 'M36 70 Q50 60 58 66 Q62 56 72 62 Q78 54 86 60 Q94 52 104 62 Q96 64 98 72 Q88 68 84 76 Q76 70 70 78 Q62 72 54 79 Q46 76 36 70 Z',
      fill: '#FFD23F', stroke: '#FF6B1A', strokeWidth: 1.5 });
  }
  if (m.gold) out += path({ d: 'M38 76 L124 76', stroke: 'url(#gold)', strokeWidth: 2.5 });
  return out;
}

function gripFrame(m) {
  const frameFill = m.shape === 'tube' ? 'url(#darkSteel)' : m.gold ? 'url(#carbon)' : m.trim;
  const guard = path({ d: 'M96 78 L96 96 Q96 102 90 102 L78 102', fill: 'none', ...OUTLINE, strokeWidth: 2.5 });
  const trigger = m.shape === 'sleek'
    ? path({ d: 'M88 80 Q93 88 89 96', fill: 'none', stroke: m.gold ? '#D9A521' : INK, strokeWidth: 3.5, strokeLinecap: 'round' })
    : path({ d: 'M88 80 Q92 86 89 92', fill: 'none', stroke: INK, strokeWidth: 3, strokeLinecap: 'round' });
  const grip = path({ d: 'M60 76 L80 76 L76 120 Q75 126 68 126 L56 126 Q50 126 51 119 Z', fill: m.level === 1 ? 'url(#wood)' : '#2B2F36', ...OUTLINE });
  const texture = [0, 1, 2, 3, 4].map((i) => line({ x1: 56 + i * 0.6, y1: 88 + i * 7, x2: 74 - i * 0.8, y2: 88 + i * 7, stroke: '#FFFFFF', strokeOpacity: 0.18, strokeWidth: 2 })).join('');
  const frame = rect({ x: 58, y: 74, width: 40, height: 8, rx: 2, fill: frameFill, ...OUTLINE });
  const led = m.led ? circle({ cx: 67, cy: 82, r: 2.5, fill: m.led, stroke: '#FFFFFF', strokeWidth: 0.8 }) + circle({ cx: 67, cy: 82, r: 5, fill: m.led, fillOpacity: 0.25 }) : '';
  return guard + grip + texture + frame + trigger + led;
}

function airSupply(m) {
  switch (m.air) {
    case 'twelveGram':
      return rect({ x: 118, y: 76, width: 40, height: 9, rx: 4.5, fill: 'url(#steel)', ...OUTLINE });
    case 'co2Small':
      return rect({ x: 20, y: 96, width: 46, height: 18, rx: 9, fill: 'url(#steel)', ...OUTLINE }) +
        rect({ x: 62, y: 100, width: 8, height: 10, fill: 'url(#darkSteel)', ...OUTLINE });
    case 'co2Large':
      return rect({ x: 8, y: 94, width: 62, height: 22, rx: 11, fill: '#C9CDD4', ...OUTLINE }) +
        rect({ x: 14, y: 98, width: 48, height: 4, rx: 2, fill: '#FFFFFF', fillOpacity: 0.6 }) +
        rect({ x: 66, y: 99, width: 10, height: 12, fill: 'url(#darkSteel)', ...OUTLINE });
    case 'steelHpa':
      return rect({ x: 6, y: 92, width: 64, height: 24, rx: 12, fill: 'url(#steel)', ...OUTLINE }) +
        rect({ x: 66, y: 96, width: 14, height: 16, rx: 3, fill: '#2B2F36', ...OUTLINE }) +
        circle({ cx: 26, cy: 104, r: 5, fill: '#FF6B1A', ...OUTLINE, strokeWidth: 1.5 });
    case 'carbon':
      return rect({ x: 4, y: 91, width: 66, height: 26, rx: 13, fill: 'url(#weave)', ...OUTLINE }) +
        rect({ x: 10, y: 95, width: 52, height: 4, rx: 2, fill: '#FFFFFF', fillOpacity: 0.25 }) +
        rect({ x: 66, y: 95, width: 16, height: 18, rx: 3, fill: '#A3121E', ...OUTLINE });
    default:
      return rect({ x: 2, y: 90, width: 68, height: 28, rx: 14, fill: 'url(#weave)', ...OUTLINE }) +
        rect({ x: 8, y: 94, width: 54, height: 4, rx: 2, fill: '#FFFFFF', fillOpacity: 0.25 }) +
        rect({ x: 28, y: 90, width: 6, height: 28, fill: 'url(#gold)' }) +
        rect({ x: 66, y: 94, width: 17, height: 20, rx: 3, fill: 'url(#gold)', ...OUTLINE });
  }
}

function paintballs(cx, cy, width, rows) {
  let out = '';
  for (let row = 0; row < rows; row++) {
    for (let i = 0; i < width; i++) {
      out += circle({ cx: cx + i * 9 + (row % 2) * 4.5, cy: cy - row * 8, r: 4.2, fill: '#FFD23F', stroke: '#C99A00', strokeWidth: 1 });
    }
  }
  return out;
}

let clipCount = 0;

// Paintballs seen through a clear shell stay inside it.
function clipped(shape, content, m) {
  clipCount += 1;
  const id = `hopper${m.level}x${clipCount}`;
  return `<clipPath id="${id}"><path d="${shape}"/></clipPath>` + group({ clipPath: `url(#${id})` }, content) +
    path({ d: shape, fill: 'none', ...OUTLINE });
}

function hopper(m) {
  switch (m.hopper) {
    case 'stick':
      return rect({ x: 74, y: 30, width: 12, height: 24, rx: 3, fill: 'url(#shell)', ...OUTLINE }) +
        circle({ cx: 80, cy: 38, r: 4, fill: '#FFD23F', stroke: '#C99A00' }) + circle({ cx: 80, cy: 46, r: 4, fill: '#FFD23F', stroke: '#C99A00' });
    case 'gravity':
      return rect({ x: 76, y: 42, width: 10, height: 12, fill: 'url(#darkSteel)', ...OUTLINE }) +
        path({ d: 'M58 42 Q56 18 80 16 Q104 18 102 42 Z', fill: 'url(#shell)', ...OUTLINE }) +
        clipped('M58 42 Q56 18 80 16 Q104 18 102 42 Z', paintballs(62, 37, 5, 2), m) + rect({ x: 70, y: 16, width: 20, height: 5, rx: 2, fill: m.trim, ...OUTLINE, strokeWidth: 1.5 });
    case 'gravityBig':
      return rect({ x: 74, y: 40, width: 12, height: 12, fill: 'url(#darkSteel)', ...OUTLINE }) +
        path({ d: 'M50 42 Q48 12 80 10 Q114 12 112 42 Z', fill: 'url(#shell)', ...OUTLINE }) +
        clipped('M50 42 Q48 12 80 10 Q114 12 112 42 Z', paintballs(54, 37, 7, 3), m) + path({ d: 'M58 20 Q80 12 104 20', fill: 'none', stroke: '#FFFFFF', strokeWidth: 3, strokeOpacity: 0.7 }) +
        rect({ x: 68, y: 8, width: 24, height: 6, rx: 2, fill: m.trim, ...OUTLINE, strokeWidth: 1.5 });
    default: {
      const shell = path({ d: 'M46 44 Q44 14 72 9 L100 8 Q118 10 118 30 L116 44 Z', fill: `url(#loader${m.level})`, ...OUTLINE });
      const window = path({ d: 'M58 38 Q58 22 74 18 L96 18 Q106 20 106 30 L104 38 Z', fill: 'url(#shell)', stroke: INK, strokeWidth: 1.2 });
      const balls = clipped('M58 38 Q58 22 74 18 L96 18 Q106 20 106 30 L104 38 Z', paintballs(62, 34, 6, 2), m);
      const neck = rect({ x: 73, y: 42, width: 14, height: 10, fill: 'url(#darkSteel)', ...OUTLINE });
      const lid = path({ d: 'M70 9 L100 8 Q110 9 114 16 L72 16 Z', fill: m.gold ? 'url(#gold)' : m.level === 4 ? '#FF6B1A' : '#F2484F', stroke: INK, strokeWidth: 1.5 });
      const stripe = m.gold ? path({ d: 'M48 40 L116 40', stroke: 'url(#gold)', strokeWidth: 2.5 }) : '';
      return neck + shell + window + balls + lid + stripe;
    }
  }
}

function nameplate(m) {
  const stars = Array.from({ length: m.level }, (_, i) => {
    const cx = 196 - (m.level - i) * 11 + 5;
    return polygon({ points: starPoints(cx, 140, 5, 2.2), fill: m.gold ? '#D9A521' : '#FFD23F', stroke: INK, strokeWidth: 1 });
  }).join('');
  return text(m.name, { x: 4, y: 145, fontSize: 15, fontWeight: 'bold', fill: INK }) + stars;
}

function starPoints(cx, cy, outer, inner) {
  const points = [];
  for (let i = 0; i < 10; i++) {
    const r = i % 2 ? inner : outer;
    const a = -Math.PI / 2 + (i * Math.PI) / 5;
    points.push(`${(cx + r * Math.cos(a)).toFixed(1)},${(cy + r * Math.sin(a)).toFixed(1)}`);
  }
  return points.join(' ');
}

function markerSvg(m) {
  const shadow = ellipse({ cx: 100, cy: 128, rx: 88, ry: 5, fill: INK, fillOpacity: 0.12 });
  const glow = m.level >= 5 ? ellipse({ cx: 100, cy: 66, rx: 100, ry: 64, fill: `url(#glow${m.level})` }) : '';
  const art = shadow + airSupply(m) + barrel(m) + pumpHandle(m) + gripFrame(m) + bodyShape(m) + hopper(m);
  return svgDocument(200, 150, gradients(m) + rect({ width: 200, height: 150, fill: '#FFFFFF' }) + glow +
    group({ transform: 'translate(0 2)' }, art) + nameplate(m));
}

function pictures() {
  const list = [];
  for (const m of markers) {
    const svg = markerSvg(m);
    list.push({ form: 'TForm4', image: `Image${m.level + 2}`, width: 200, height: 150, svg });
    list.push({ form: 'TForm7', image: `Image${m.level + 3}`, width: 100, height: 75, svg });
    if (m.level <= 2) list.push({ form: 'TForm2', image: `Image${m.level + 41}`, width: 200, height: 150, svg });
  }
  return list;
}

module.exports = { pictures };
