// Small SVG-writing helpers shared by the people pictures.

import shared from '../lib/palette.js';

export const INK = shared.ink;
export const PALETTE = {
  orange: shared.orange,
  green: shared.green,
  blue: shared.blue,
  magenta: shared.magenta,
  yellow: shared.yellow,
  red: shared.red,
  fieldDark: shared.fieldDark,
  fieldLight: shared.fieldLight,
  steel: shared.steel,
};

export const n = (v) => (Math.round(v * 100) / 100).toString();
export const pt = (p) => `${n(p.x)},${n(p.y)}`;

export function attrs(a) {
  return Object.entries(a)
    .filter(([, v]) => v !== undefined && v !== null)
    .map(([k, v]) => `${k}="${typeof v === 'number' ? n(v) : v}"`)
    .join(' ');
}

export const el = (tag, a, inner) =>
  inner === undefined ? `<${tag} ${attrs(a)}/>` : `<${tag} ${attrs(a)}>${inner}</${tag}>`;

export const group = (children, a = {}) => el('g', a, children.join(''));

export function document(width, height, body, viewBox) {
  const vb = viewBox ?? `0 0 ${width} ${height}`;
  return `<svg xmlns="http://www.w3.org/2000/svg" width="${width}" height="${height}" viewBox="${vb}">` +
    `<rect x="-10000" y="-10000" width="20000" height="20000" fill="#FFFFFF"/>${body}</svg>`;
}

function channel(hex, i) {
  return parseInt(hex.slice(1 + 2 * i, 3 + 2 * i), 16);
}

function toHex(r, g, b) {
  const c = (v) => Math.max(0, Math.min(255, Math.round(v))).toString(16).padStart(2, '0');
  return `#${c(r)}${c(g)}${c(b)}`;
}

// Mix a colour toward black (f < 0) or white (f > 0).
export function shade(hex, f) {
  const target = f < 0 ? 0 : 255;
  const t = Math.abs(f);
  const mixOne = (i) => channel(hex, i) + (target - channel(hex, i)) * t;
  return toHex(mixOne(0), mixOne(1), mixOne(2));
}

export function mix(a, b, t) {
  const mixOne = (i) => channel(a, i) + (channel(b, i) - channel(a, i)) * t;
  return toHex(mixOne(0), mixOne(1), mixOne(2));
}

// Seeded generator so every build draws the same splats and freckles.
export function seeded(seed) {
  let s = seed >>> 0;
  return () => {
    s = (s + 0x6d2b79f5) >>> 0;
    let t = s;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

export const rad = (deg) => (deg * Math.PI) / 180;
export const add = (a, b) => ({ x: a.x + b.x, y: a.y + b.y });
export const sub = (a, b) => ({ x: a.x - b.x, y: a.y - b.y });
export const scale = (a, k) => ({ x: a.x * k, y: a.y * k });
export const len = (a) => Math.hypot(a.x, a.y);

// Direction of a limb: 0 degrees hangs straight down, 90 points to +x.
export const dir = (deg) => ({ x: Math.sin(rad(deg)), y: Math.cos(rad(deg)) });

export function rotate(p, deg) {
  const c = Math.cos(rad(deg));
  const s = Math.sin(rad(deg));
  return { x: p.x * c - p.y * s, y: p.x * s + p.y * c };
}

// Closed smooth path through points (Catmull-Rom turned into cubic Béziers).
export function smoothPath(points, closed = true) {
  const count = points.length;
  const at = (i) => points[closed ? (i + count) % count : Math.max(0, Math.min(count - 1, i))];
  let d = `M${pt(points[0])}`;
  const last = closed ? count : count - 1;
  for (let i = 0; i < last; i++) {
    const p0 = at(i - 1);
    const p1 = at(i);
    const p2 = at(i + 1);
    const p3 = at(i + 2);
    const c1 = { x: p1.x + (p2.x - p0.x) / 6, y: p1.y + (p2.y - p0.y) / 6 };
    const c2 = { x: p2.x - (p3.x - p1.x) / 6, y: p2.y - (p3.y - p1.y) / 6 };
    d += `C${pt(c1)} ${pt(c2)} ${pt(p2)}`;
  }
  return closed ? `${d}Z` : d;
}
