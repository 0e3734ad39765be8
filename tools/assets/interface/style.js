'use strict';
// The house look of Splatvane's pictures: palette, lettering, paint splats, buttons, headings.
// Every function returns SVG markup; nothing here touches files.

const palette = require('../lib/palette.js');

// Colour ramps for raised buttons: [top of gradient, bottom of gradient, border].
const ramps = {
  orange: ['#FF9A55', '#E85A0C', '#A63A00'],
  green: ['#5FDB86', '#1F9E47', '#0E5C27'],
  red: ['#F0606F', '#B81C30', '#6E0E1B'],
  blue: ['#5FA4F0', '#1763BC', '#0B3A73'],
  grey: ['#B7BECB', '#6F7888', '#3E4552'],
  ink: ['#34476A', '#1B2A41', '#0A1220'],
  yellow: ['#FFE585', '#F2B807', '#8A6400'],
  paper: ['#FFFFFF', '#E4DDCB', '#8A94A6'],
  magenta: ['#F27AB5', '#C21F6F', '#6E0C3D'],
};

// Advance widths of Liberation Sans (metric-compatible with Arial), in thousandths of an em.
const boldWidths = {
  A: 722, B: 722, C: 722, D: 722, E: 667, F: 611, G: 778, H: 722, I: 278, J: 556, K: 722, L: 611, M: 833,
  N: 722, O: 778, P: 667, Q: 778, R: 722, S: 667, T: 611, U: 722, V: 667, W: 944, X: 667, Y: 667, Z: 611,
  a: 556, b: 611, c: 556, d: 611, e: 556, f: 333, g: 611, h: 611, i: 278, j: 278, k: 556, l: 278, m: 889,
  n: 611, o: 611, p: 611, q: 611, r: 389, s: 556, t: 333, u: 611, v: 556, w: 778, x: 556, y: 556, z: 500,
  ' ': 278, '!': 333, '$': 556, '.': 278, '-': 333, '&': 722, '(': 333, ')': 333, '#': 556, "'": 238,
  ':': 333, '?': 611, '/': 278, ',': 278, '+': 584,
};
const regularWidths = {
  A: 667, B: 667, C: 722, D: 722, E: 667, F: 611, G: 778, H: 722, I: 278, J: 500, K: 667, L: 556, M: 833,
  N: 722, O: 778, P: 667, Q: 778, R: 722, S: 667, T: 611, U: 722, V: 667, W: 944, X: 667, Y: 667, Z: 611,
  a: 556, b: 556, c: 500, d: 556, e: 556, f: 278, g: 556, h: 556, i: 222, j: 222, k: 500, l: 222, m: 833,
  n: 556, o: 556, p: 556, q: 556, r: 333, s: 500, t: 278, u: 556, v: 500, w: 722, x: 500, y: 500, z: 500,
  ' ': 278, '!': 278, '$': 556, '.': 278, '-': 333, '&': 667, '(': 333, ')': 333, '#': 556, "'": 191,
  ':': 278, '?': 556, '/': 278, ',': 278, '+': 584,
};
const capHeight = 0.716;

function textWidthEm(text, bold = true) {
  const table = bold ? boldWidths : regularWidths;
  let units = 0;
  for (const ch of text) units += table[ch] ?? 556;
  return units / 1000;
}

// The largest font size at which `text` fits maxWidth and whose capitals fit maxCapHeight.
function fitSize(text, maxWidth, maxCapHeight, bold = true) {
  return Math.min(maxWidth / textWidthEm(text, bold), maxCapHeight / capHeight);
}

function escapeXml(text) {
  return String(text).replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');
}

// Text whose capitals are vertically centred on cy.
function label(text, cx, cy, size, opts = {}) {
  const anchor = opts.anchor ?? 'middle';
  const weight = opts.bold === false ? 'normal' : 'bold';
  const fill = opts.fill ?? palette.ink;
  const baseline = (cy + (capHeight * size) / 2).toFixed(2);
  const extra = opts.extra ?? '';
  const shadow = opts.shadow
    ? `<text x="${(cx + 1).toFixed(2)}" y="${(+baseline + 1).toFixed(2)}" font-family="Liberation Sans" ` +
      `font-weight="${weight}" font-size="${size.toFixed(2)}" text-anchor="${anchor}" fill="${opts.shadow}" ` +
      `fill-opacity="0.85">${escapeXml(text)}</text>`
    : '';
  return `${shadow}<text x="${cx.toFixed(2)}" y="${baseline}" font-family="Liberation Sans" ` +
    `font-weight="${weight}" font-size="${size.toFixed(2)}" text-anchor="${anchor}" fill="${fill}" ${extra}>` +
    `${escapeXml(text)}</text>`;
}

function svgDocument(width, height, body, defs = '') {
  return `<svg xmlns="http://www.w3.org/2000/svg" width="${width}" height="${height}" ` +
    `viewBox="0 0 ${width} ${height}">\n<defs>${defs}</defs>\n` +
    `<rect width="${width}" height="${height}" fill="#FFFFFF"/>\n${body}\n</svg>\n`;
}

// Deterministic pseudo-random numbers (mulberry32), so every build draws the same splats.
function seededRandom(seed) {
  let a = seed >>> 0;
  return () => {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = a;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

// A closed smooth curve through points (Catmull-Rom turned into cubic Beziers).
function smoothClosedPath(points) {
  const n = points.length;
  const at = (i) => points[(i + n) % n];
  let d = `M${points[0][0].toFixed(2)},${points[0][1].toFixed(2)}`;
  for (let i = 0; i < n; i++) {
    const [p0, p1, p2, p3] = [at(i - 1), at(i), at(i + 1), at(i + 2)];
    const c1 = [p1[0] + (p2[0] - p0[0]) / 6, p1[1] + (p2[1] - p0[1]) / 6];
    const c2 = [p2[0] - (p3[0] - p1[0]) / 6, p2[1] - (p3[1] - p1[1]) / 6];
    d += `C${c1[0].toFixed(2)},${c1[1].toFixed(2)} ${c2[0].toFixed(2)},${c2[1].toFixed(2)} ` +
      `${p2[0].toFixed(2)},${p2[1].toFixed(2)}`;
  }
  return `${d}Z`;
}

// A paint splat: a lobed blob with a few spikes and round droplets thrown off it.
// rx, ry: the blob's radii; the droplets land up to about 1.6 radii away.
function splat(cx, cy, rx, ry, seed, fill, opts = {}) {
  const rnd = seededRandom(seed);
  const lobes = opts.lobes ?? 14;
  const points = [];
  for (let i = 0; i < lobes * 2; i++) {
    const angle = (Math.PI * 2 * i) / (lobes * 2) + rnd() * 0.15;
    const rough = opts.rough ?? 1;
    const spike = i % 2 === 0 ? 1 - rough * (0.08 + rnd() * 0.14) : 1 + rough * (0.04 + rnd() * 0.24);
    points.push([cx + Math.cos(angle) * rx * spike, cy + Math.sin(angle) * ry * spike]);
  }
  let out = `<path d="${smoothClosedPath(points)}" fill="${fill}" fill-opacity="${opts.opacity ?? 1}"/>`;
  const drops = opts.drops ?? 6;
  for (let i = 0; i < drops; i++) {
    const angle = rnd() * Math.PI * 2;
    const dist = 1.15 + rnd() * 0.45;
    const r = Math.max(0.8, Math.min(rx, ry) * (0.05 + rnd() * 0.1));
    const x = cx + Math.cos(angle) * rx * dist;
    const y = cy + Math.sin(angle) * ry * dist;
    out += `<circle cx="${x.toFixed(2)}" cy="${y.toFixed(2)}" r="${r.toFixed(2)}" fill="${fill}" ` +
      `fill-opacity="${opts.opacity ?? 1}"/>`;
  }
  return out;
}

let gradientCounter = 0;
function verticalGradient(top, bottom) {
  const id = `g${gradientCounter++}`;
  return {
    id,
    def: `<linearGradient id="${id}" x1="0" y1="0" x2="0" y2="1">` +
      `<stop offset="0" stop-color="${top}"/><stop offset="1" stop-color="${bottom}"/></linearGradient>`,
  };
}

// A raised rounded button face filling the box (x, y, w, h) exactly: gradient, 2 px border
// inside the box, a light highlight along the top edge. Returns { defs, body }.
function buttonFace(x, y, w, h, rampName = 'orange', opts = {}) {
  const [top, bottom, border] = ramps[rampName];
  const gradient = verticalGradient(top, bottom);
  const radius = opts.radius ?? Math.max(2, h * 0.2);
  const body =
    `<rect x="${x + 1}" y="${y + 1}" width="${w - 2}" height="${h - 2}" rx="${radius}" ry="${radius}" ` +
    `fill="url(#${gradient.id})" stroke="${border}" stroke-width="2"/>` +
    `<rect x="${x + 2.5 + radius * 0.4}" y="${y + 2.6}" width="${Math.max(1, w - 5 - radius * 0.8)}" ` +
    `height="${Math.max(1, Math.min(h * 0.14, 3))}" rx="${Math.min(h * 0.07, 1.5)}" fill="#FFFFFF" fill-opacity="0.45"/>`;
  return { defs: gradient.def, body };
}

// A whole button picture: face plus bold white shadowed label.
function button(w, h, text, rampName = 'orange', opts = {}) {
  const face = buttonFace(0, 0, w, h, rampName, opts);
  const size = opts.size ?? fitSize(text, w * 0.8, h * 0.42);
  const fill = opts.textFill ?? '#FFFFFF';
  const shadow = opts.textShadow ?? ramps[rampName][2];
  return svgDocument(w, h, face.body + label(text, w / 2, h / 2, size, { fill, shadow }), face.defs);
}

// A heading: bold ink lettering with a soft orange splat behind part of it, on white.
function heading(w, h, text, opts = {}) {
  const inkHeight = opts.inkHeight ?? h;
  const margin = opts.margin ?? Math.max(4, inkHeight * 0.2);
  const size = opts.size ?? fitSize(text, w - margin * 2, inkHeight * 0.62);
  const textWidth = textWidthEm(text) * size;
  const anchor = opts.anchor ?? 'start';
  const x = anchor === 'middle' ? w / 2 : margin;
  const left = anchor === 'middle' ? w / 2 - textWidth / 2 : margin;
  const cy = inkHeight / 2;
  const splatRadius = Math.min(inkHeight * 1.1, textWidth * 0.28);
  // The splat and its droplets stay inside the picture.
  const splatX = Math.max(left + textWidth * (opts.splatAt ?? 0.22), splatRadius * 1.6 + 2);
  const body =
    splat(splatX, cy, splatRadius, inkHeight * 0.3, opts.seed ?? 7,
      opts.splatColour ?? palette.orange, { opacity: 0.85, drops: 4, lobes: 10, rough: 0.6 }) +
    (opts.secondSplat
      ? splat(left + textWidth * 0.86, cy + inkHeight * 0.12, inkHeight * 0.3, inkHeight * 0.24,
        (opts.seed ?? 7) + 101, opts.secondSplat, { opacity: 0.8, drops: 3, lobes: 9, rough: 0.6 })
      : '') +
    label(text, x, cy, size, { anchor, fill: palette.ink });
  return svgDocument(w, h, body);
}

module.exports = {
  palette, ramps, capHeight, textWidthEm, fitSize, label, escapeXml, svgDocument, seededRandom,
  smoothClosedPath, splat, verticalGradient, buttonFace, button, heading,
};
