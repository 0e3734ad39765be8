// Faces drawn from parts: face shape, skin, hair, eyes, brows, nose, mouth and age cues.
// A face is laid out around its centre (0, 0): eye line at y = 0, chin at y = shape.length.
import { INK, el, group, n, pt, shade, mix, seeded, smoothPath } from './svg.mjs';

export const SKIN = {
  porcelain: '#F6D5BC', light: '#EEC3A2', peach: '#E3AC86', olive: '#CC9468',
  tan: '#AE7249', brown: '#8B5636', deep: '#603723',
};

export const HAIR = {
  black: '#1F1A1C', darkBrown: '#4A2E1F', brown: '#7A4A26', auburn: '#9C3F1E',
  ginger: '#D0672A', blonde: '#E8C26A', ashBlonde: '#CDB88A', grey: '#A9A9AD', white: '#E4E2DE',
};

const EYE = { brown: '#6B3E1F', darkBrown: '#3B2414', blue: '#3C7CC4', green: '#4E8A4A', hazel: '#8A6B2E', grey: '#6F8294' };

const mirror = (points) => [...points, ...points.slice(1, -1).reverse().map((p) => ({ x: -p.x, y: p.y }))];

// Right half of the face outline from the crown to the chin, then mirrored.
function faceOutline(shape) {
  const { width: w, top: t, length: l, cheek = 1, jaw = 0.8, chin = 0.32 } = shape;
  const half = [
    { x: 0, y: -t }, { x: w * 0.74, y: -t * 0.82 }, { x: w, y: -t * 0.3 }, { x: w * cheek, y: l * 0.18 },
    { x: w * jaw, y: l * 0.62 }, { x: w * chin, y: l * 0.93 }, { x: 0, y: l },
  ];
  return mirror(half);
}

const line = (o, colour = INK) => ({ stroke: colour, 'stroke-width': o, 'stroke-linejoin': 'round', 'stroke-linecap': 'round' });

function ears(p, o) {
  const w = p.shape.width;
  return [-1, 1].map((s) => {
    const d = `M${n(s * w * 0.96)},${n(-6)} Q${n(s * (w + 15))},${n(-14)} ${n(s * (w + 11))},${n(10)} Q${n(s * (w + 7))},${n(26)} ${n(s * w * 0.94)},${n(24)} Z`;
    const inner = `M${n(s * (w + 2))},${n(0)} Q${n(s * (w + 8))},${n(-4)} ${n(s * (w + 6))},${n(10)}`;
    const ring = p.earrings ? el('circle', { cx: s * (w + 6), cy: 31, r: 5, fill: 'none', ...line(o * 0.9, p.earrings) }) : '';
    return el('path', { d, fill: shade(p.skin, -0.06), ...line(o) }) + el('path', { d: inner, fill: 'none', ...line(o * 0.7, shade(p.skin, -0.3)) }) + ring;
  }).join('');
}

function neckAndShirt(p, o) {
  const w = p.shape.width;
  const neckW = w * (p.male ? 0.62 : 0.5);
  const neck = `M${n(-neckW)},${n(p.shape.length * 0.5)} L${n(-neckW)},${n(p.shape.length + 34)} L${n(neckW)},${n(p.shape.length + 34)} L${n(neckW)},${n(p.shape.length * 0.5)} Z`;
  const neckShadow = `M${n(-neckW)},${n(p.shape.length * 0.7)} Q0,${n(p.shape.length + 16)} ${n(neckW)},${n(p.shape.length * 0.7)} L${n(neckW)},${n(p.shape.length + 10)} L${n(-neckW)},${n(p.shape.length + 10)} Z`;
  const shoulder = p.male ? 148 : 132;
  const collarY = p.shape.length + 24;
  const shirt = `M${n(-shoulder)},200 Q${n(-shoulder + 6)},${n(collarY + 14)} ${n(-neckW - 16)},${n(collarY)} Q0,${n(collarY + 30)} ${n(neckW + 16)},${n(collarY)} Q${n(shoulder - 6)},${n(collarY + 14)} ${n(shoulder)},200 Z`;
  const yoke = `M${n(-shoulder + 4)},${n(collarY + 32)} Q${n(-shoulder + 12)},${n(collarY + 10)} ${n(-neckW - 16)},${n(collarY)} Q0,${n(collarY + 30)} ${n(neckW + 16)},${n(collarY)} Q${n(shoulder - 12)},${n(collarY + 10)} ${n(shoulder - 4)},${n(collarY + 32)} Q0,${n(collarY + 52)} ${n(-shoulder + 4)},${n(collarY + 32)} Z`;
  const trim = `M${n(-neckW - 16)},${n(collarY)} Q0,${n(collarY + 30)} ${n(neckW + 16)},${n(collarY)}`;
  return [
    el('path', { d: neck, fill: shade(p.skin, -0.08), ...line(o) }),
    el('path', { d: neckShadow, fill: shade(p.skin, -0.2), opacity: 0.7 }),
    el('defs', {}, el('clipPath', { id: `shirt${p.id}` }, el('path', { d: shirt }))),
    el('path', { d: shirt, fill: p.shirt }),
    group([el('path', { d: yoke, fill: p.shirtAccent, opacity: 0.9 })], { 'clip-path': `url(#shirt${p.id})` }),
    el('path', { d: trim, fill: 'none', ...line(o * 2.2, shade(p.shirtAccent, -0.2)) }),
    el('path', { d: shirt, fill: 'none', ...line(o) }),
  ];
}

// ---- hair ----

function capPoints(p, volume, sideDrop, hairline) {
  const { width: w, top: t } = p.shape;
  const outer = [
    { x: w + volume * 0.6, y: sideDrop }, { x: w + volume * 0.9, y: -t * 0.4 },
    { x: w * 0.78 + volume * 0.6, y: -t * 0.88 - volume * 0.6 }, { x: 0, y: -t - volume },
    { x: -w * 0.78 - volume * 0.6, y: -t * 0.88 - volume * 0.6 }, { x: -w - volume * 0.9, y: -t * 0.4 },
    { x: -w - volume * 0.6, y: sideDrop },
  ];
  return [...outer, ...hairline];
}

const HAIRLINES = {
  // From the left temple to the right one, across the forehead.
  sweep: (w, t) => [{ x: -w * 0.92, y: -t * 0.25 }, { x: -w * 0.5, y: -t * 0.52 }, { x: w * 0.1, y: -t * 0.42 }, { x: w * 0.7, y: -t * 0.6 }, { x: w * 0.93, y: -t * 0.25 }],
  fringe: (w, t) => [{ x: -w * 0.95, y: -t * 0.1 }, { x: -w * 0.6, y: -t * 0.32 }, { x: 0, y: -t * 0.34 }, { x: w * 0.6, y: -t * 0.32 }, { x: w * 0.95, y: -t * 0.1 }],
  centre: (w, t) => [{ x: -w * 0.9, y: -t * 0.25 }, { x: -w * 0.45, y: -t * 0.5 }, { x: 0, y: -t * 0.7 }, { x: w * 0.45, y: -t * 0.5 }, { x: w * 0.9, y: -t * 0.25 }],
  high: (w, t) => [{ x: -w * 0.9, y: -t * 0.3 }, { x: -w * 0.55, y: -t * 0.62 }, { x: 0, y: -t * 0.66 }, { x: w * 0.55, y: -t * 0.62 }, { x: w * 0.9, y: -t * 0.3 }],
  receding: (w, t) => [{ x: -w * 0.92, y: -t * 0.3 }, { x: -w * 0.62, y: -t * 0.78 }, { x: -w * 0.2, y: -t * 0.88 }, { x: w * 0.2, y: -t * 0.88 }, { x: w * 0.62, y: -t * 0.78 }, { x: w * 0.92, y: -t * 0.3 }],
  side: (w, t) => [{ x: -w * 0.92, y: -t * 0.3 }, { x: -w * 0.6, y: -t * 0.58 }, { x: -w * 0.3, y: -t * 0.7 }, { x: w * 0.3, y: -t * 0.45 }, { x: w * 0.8, y: -t * 0.45 }, { x: w * 0.93, y: -t * 0.25 }],
};

function hairCap(p, o, { volume, sideDrop, hairline }) {
  const pts = capPoints(p, volume, sideDrop, HAIRLINES[hairline](p.shape.width, p.shape.top));
  return el('path', { d: smoothPath(pts), fill: p.hair, ...line(o) }) + hairShine(p, volume);
}

function hairShine(p, volume) {
  const t = p.shape.top;
  const w = p.shape.width;
  const d = `M${n(-w * 0.5)},${n(-t * 0.86 - volume * 0.3)} Q${n(-w * 0.1)},${n(-t * 1.02 - volume * 0.5)} ${n(w * 0.3)},${n(-t * 0.94 - volume * 0.4)}`;
  return el('path', { d, fill: 'none', ...line(5, shade(p.hair, 0.3)), opacity: 0.7 });
}

function curlyEdge(p, o, cx, cy, rx, ry, bump, count, colour = p.hair) {
  const circles = Array.from({ length: count }, (_, i) => {
    const a = (i / count) * Math.PI * 2;
    return el('circle', { cx: cx + Math.cos(a) * rx, cy: cy + Math.sin(a) * ry, r: bump, fill: colour, ...line(o) });
  });
  const core = el('ellipse', { cx, cy, rx, ry, fill: colour });
  return circles.join('') + core;
}

export function backHair(p, o) {
  const { width: w, top: t, length: l } = p.shape;
  const fill = { fill: shade(p.hair, -0.12), ...line(o) };
  switch (p.hairStyle) {
    case 'long': return el('path', { d: smoothPath([{ x: 0, y: -t - 12 }, { x: w * 1.2, y: -t * 0.7 }, { x: w * 1.32, y: l * 0.4 }, { x: w * 1.42, y: l + 60 }, { x: w * 0.4, y: l + 66 }, { x: -w * 0.4, y: l + 66 }, { x: -w * 1.42, y: l + 60 }, { x: -w * 1.32, y: l * 0.4 }, { x: -w * 1.2, y: -t * 0.7 }]), ...fill });
    case 'bob': return el('path', { d: smoothPath([{ x: 0, y: -t - 12 }, { x: w * 1.25, y: -t * 0.6 }, { x: w * 1.32, y: l * 0.5 }, { x: w * 1.2, y: l * 0.86 }, { x: -w * 1.2, y: l * 0.86 }, { x: -w * 1.32, y: l * 0.5 }, { x: -w * 1.25, y: -t * 0.6 }]), ...fill });
    case 'bangs': return el('path', { d: smoothPath([{ x: 0, y: -t - 10 }, { x: w * 1.22, y: -t * 0.6 }, { x: w * 1.26, y: l * 0.6 }, { x: w * 1.3, y: l + 24 }, { x: -w * 1.3, y: l + 24 }, { x: -w * 1.26, y: l * 0.6 }, { x: -w * 1.22, y: -t * 0.6 }]), ...fill });
    case 'afro': return curlyEdge(p, o, 0, -t * 0.35, w * 1.42, t * 1.05, 16, 22, shade(p.hair, -0.05));
    case 'curlyBig': return curlyEdge(p, o, 0, -t * 0.05, w * 1.3, t * 1.05, 14, 20, shade(p.hair, -0.05));
    case 'braids': return braids(p, o);
    case 'ponytail': return el('path', { d: `M${n(w * 0.7)},${n(-t * 0.7)} Q${n(w * 1.9)},${n(-t * 0.5)} ${n(w * 1.45)},${n(l * 0.9)} Q${n(w * 1.25)},${n(l * 0.2)} ${n(w * 0.95)},${n(-t * 0.2)} Z`, ...fill });
    case 'bun': case 'manBun': return el('circle', { cx: p.hairStyle === 'bun' ? 0 : w * 0.2, cy: -t - (p.hairStyle === 'bun' ? 18 : 8), r: p.hairStyle === 'bun' ? 26 : 19, ...fill });
    default: return '';
  }
}

function braids(p, o) {
  const { width: w, top: t, length: l } = p.shape;
  const strands = [-1.25, -1.08, 1.08, 1.25].map((k) => {
    const x = w * k;
    const beads = Array.from({ length: 8 }, (_, i) =>
      el('ellipse', { cx: x + (i % 2 ? 1.5 : -1.5), cy: -t * 0.2 + i * ((l + 70 + t * 0.2) / 8), rx: 9, ry: 10, fill: shade(p.hair, -0.08), ...line(o) }));
    return beads.join('');
  });
  const mass = el('path', { d: smoothPath([{ x: 0, y: -t - 10 }, { x: w * 1.2, y: -t * 0.6 }, { x: w * 1.15, y: l * 0.4 }, { x: -w * 1.15, y: l * 0.4 }, { x: -w * 1.2, y: -t * 0.6 }]), fill: shade(p.hair, -0.12), ...line(o) });
  return mass + strands.join('');
}

function frontHair(p, o) {
  const { width: w, top: t } = p.shape;
  switch (p.hairStyle) {
    case 'long': return hairCap(p, o, { volume: 10, sideDrop: 30, hairline: 'sweep' });
    case 'bob': return hairCap(p, o, { volume: 12, sideDrop: 40, hairline: 'fringe' });
    case 'bangs': return hairCap(p, o, { volume: 9, sideDrop: 44, hairline: 'fringe' });
    case 'ponytail': return hairCap(p, o, { volume: 6, sideDrop: -2, hairline: 'high' }) + el('rect', { x: w * 0.72, y: -t * 0.72, width: 14, height: 12, rx: 4, fill: p.accessory ?? '#E0338A', ...line(o), transform: `rotate(20 ${n(w * 0.78)} ${n(-t * 0.66)})` });
    case 'pixie': return hairCap(p, o, { volume: 7, sideDrop: 6, hairline: 'side' });
    case 'bun': return hairCap(p, o, { volume: 5, sideDrop: -4, hairline: 'high' });
    case 'manBun': return hairCap(p, o, { volume: 5, sideDrop: 2, hairline: 'high' });
    case 'braids': return hairCap(p, o, { volume: 6, sideDrop: 0, hairline: 'centre' });
    case 'afro': return curlyFringe(p, o, 13);
    case 'curlyBig': return curlyFringe(p, o, 11);
    case 'crop': return hairCap(p, o, { volume: 4, sideDrop: -8, hairline: 'high' });
    case 'short': return hairCap(p, o, { volume: 7, sideDrop: -6, hairline: 'fringe' });
    case 'sidePart': return hairCap(p, o, { volume: 10, sideDrop: -4, hairline: 'side' });
    case 'receding': return hairCap(p, o, { volume: 4, sideDrop: 4, hairline: 'receding' });
    case 'buzz': return el('path', { d: smoothPath(capPoints(p, 2, -10, HAIRLINES.high(w, t))), fill: p.hair, opacity: 0.75, ...line(o * 0.6, shade(p.hair, -0.2)) });
    case 'spiky': return spikes(p, o) + hairCap(p, o, { volume: 8, sideDrop: -8, hairline: 'fringe' });
    case 'curlyShort': return curlyFringe(p, o, 9, 0.6);
    case 'twists': return twists(p, o) + hairCap(p, o, { volume: 6, sideDrop: -8, hairline: 'high' });
    case 'bald': return el('ellipse', { cx: -w * 0.3, cy: -t * 0.8, rx: 14, ry: 7, fill: '#FFFFFF', opacity: 0.35, transform: `rotate(-20 ${n(-w * 0.3)} ${n(-t * 0.8)})` });
    default: return '';
  }
}

function curlyFringe(p, o, bump, depth = 1) {
  const { width: w, top: t } = p.shape;
  const count = 13;
  const curls = Array.from({ length: count }, (_, i) => {
    const a = Math.PI * (1.02 + (i / (count - 1)) * 0.96);
    const ry = t * (0.9 + 0.18 * depth);
    return el('circle', { cx: Math.cos(a) * w * 1.04, cy: -t * 0.28 + Math.sin(a) * ry * 0.82, r: bump, fill: p.hair, ...line(o) });
  });
  const cap = el('path', { d: smoothPath(capPoints(p, 4 + 6 * depth, -t * 0.1, HAIRLINES.high(w, t))), fill: p.hair });
  return curls.join('') + cap + hairShine(p, 6);
}

function spikes(p, o) {
  const { width: w, top: t } = p.shape;
  return Array.from({ length: 7 }, (_, i) => {
    const x = -w * 0.8 + (i * w * 1.6) / 6;
    const tipY = -t - 22 - (i % 2) * 6 + Math.abs(i - 3) * 4;
    return el('path', { d: `M${n(x - 14)},${n(-t * 0.85)} L${n(x + 3)},${n(tipY)} L${n(x + 14)},${n(-t * 0.85)} Z`, fill: p.hair, ...line(o) });
  }).join('');
}

function twists(p, o) {
  const { width: w, top: t } = p.shape;
  return Array.from({ length: 9 }, (_, i) => {
    const a = Math.PI * (1.08 + (i / 8) * 0.84);
    const x = Math.cos(a) * w * 0.95;
    const y = -t * 0.3 + Math.sin(a) * t * 0.8;
    return el('rect', { x: x - 7, y: y - 16, width: 14, height: 24, rx: 7, fill: shade(p.hair, 0.08), ...line(o), transform: `rotate(${n(Math.cos(a) * 25)} ${n(x)} ${n(y)})` });
  }).join('');
}

// ---- features ----

function eye(p, s, o) {
  const spread = p.shape.width * 0.43;
  const cx = s * spread;
  const ry = { round: 8, almond: 6.4, narrow: 4.6 }[p.eyes] ?? 7;
  const rx = 12;
  const white = el('ellipse', { cx, cy: 0, rx, ry, fill: '#FFFFFF', ...line(o * 0.8) });
  const id = `eye${p.id}${s > 0 ? 'r' : 'l'}`;
  const clip = el('clipPath', { id }, el('ellipse', { cx, cy: 0, rx, ry }));
  const irisR = Math.min(6.4, ry + 1.2);
  const iris = group([
    el('circle', { cx: cx + p.gaze, cy: 0.5, r: irisR, fill: EYE[p.eyeColour] }),
    el('circle', { cx: cx + p.gaze, cy: 0.5, r: irisR * 0.45, fill: INK }),
    el('circle', { cx: cx + p.gaze - 2, cy: -1.8, r: 1.8, fill: '#FFFFFF' }),
  ], { 'clip-path': `url(#${id})` });
  const lid = `M${n(cx - rx - 1.5)},${n(1)} Q${n(cx)},${n(-ry * 1.9)} ${n(cx + rx + 1.5)},${n(1)}`;
  const lidLine = el('path', { d: lid, fill: 'none', ...line(o * 1.5) });
  const lashes = p.lashes ? [0.5, 0.85].map((k) => {
    const x = cx + s * rx * k;
    return el('path', { d: `M${n(x)},${n(-ry * 0.75 * (1.1 - k * 0.3))} l${n(s * 4)},${n(-4)}`, fill: 'none', ...line(o * 1.1) });
  }).join('') : '';
  const bag = p.age >= 45 ? el('path', { d: `M${n(cx - rx * 0.7)},${n(ry + 3.5)} Q${n(cx)},${n(ry + 7)} ${n(cx + rx * 0.7)},${n(ry + 3.5)}`, fill: 'none', ...line(o * 0.8, shade(p.skin, -0.3)) }) : '';
  const crow = p.age >= 50 ? [-4, 0, 4].map((dy) => el('path', { d: `M${n(cx + s * (rx + 3))},${n(dy * 0.6)} l${n(s * 6)},${n(dy)}`, fill: 'none', ...line(o * 0.7, shade(p.skin, -0.3)) })).join('') : '';
  return el('defs', {}, clip) + white + iris + lidLine + lashes + bag + crow;
}

function brow(p, s, o) {
  const spread = p.shape.width * 0.43;
  const y = -17 - (p.browLift ?? 0);
  const arch = { arched: -7, straight: -2, angled: -4, soft: -4 }[p.brows] ?? -4;
  const thick = p.browThick ?? 4.5;
  const inner = { x: s * (spread - 11), y: y + (p.brows === 'angled' ? 3 : 1) };
  const peak = { x: s * (spread + 1), y: y + arch };
  const outer = { x: s * (spread + 14), y: y + 2 };
  const colour = p.browColour ?? shade(p.hair, -0.25);
  return el('path', { d: `M${pt(inner)} Q${pt(peak)} ${pt(outer)}`, fill: 'none', ...line(thick, colour) });
}

function nose(p, o) {
  const k = { small: 0.8, long: 1.15, wide: 1 }[p.nose] ?? 1;
  const wide = p.nose === 'wide' ? 9 : 6.5;
  const d = `M${n(-2)},${n(4)} Q${n(-4)},${n(20 * k)} ${n(-wide)},${n(24 * k)} Q${n(0)},${n(30 * k)} ${n(wide)},${n(24 * k)}`;
  const shadow = el('ellipse', { cx: 3, cy: 20 * k, rx: 4.5, ry: 8 * k, fill: shade(p.skin, -0.12), opacity: 0.6 });
  return shadow + el('path', { d, fill: 'none', ...line(o * 1.1, shade(p.skin, -0.45)) });
}

function mouth(p, o) {
  const y = p.shape.length * 0.56;
  const w = { smile: 20, grin: 25, soft: 17, neutral: 15, smirk: 18, open: 19 }[p.mouth] ?? 18;
  const lip = p.lips ?? shade(p.skin, -0.35);
  switch (p.mouth) {
    case 'grin': case 'open': {
      const depth = p.mouth === 'grin' ? 18 : 22;
      const d = `M${n(-w)},${n(y)} Q0,${n(y + 4)} ${n(w)},${n(y)} Q${n(w * 0.6)},${n(y + depth)} 0,${n(y + depth)} Q${n(-w * 0.6)},${n(y + depth)} ${n(-w)},${n(y)} Z`;
      const teeth = `M${n(-w * 0.85)},${n(y + 1)} Q0,${n(y + 5)} ${n(w * 0.85)},${n(y + 1)} L${n(w * 0.7)},${n(y + 7)} Q0,${n(y + 10)} ${n(-w * 0.7)},${n(y + 7)} Z`;
      const tongue = el('ellipse', { cx: 0, cy: y + depth - 4, rx: w * 0.4, ry: 3.5, fill: '#E07A7A' });
      return el('path', { d, fill: '#7E2430', ...line(o) }) + el('path', { d: teeth, fill: '#FFFFFF' }) + tongue + el('path', { d, fill: 'none', ...line(o, p.lips ?? INK) });
    }
    case 'smile': return el('path', { d: `M${n(-w)},${n(y)} Q0,${n(y + 14)} ${n(w)},${n(y)}`, fill: 'none', ...line(o * 1.6, lip) }) + dimples(p, y, w, o);
    case 'soft': return el('path', { d: `M${n(-w)},${n(y + 1)} Q0,${n(y + 8)} ${n(w)},${n(y + 1)}`, fill: 'none', ...line(o * 1.6, lip) }) + (p.lips ? el('path', { d: `M${n(-w * 0.7)},${n(y + 5)} Q0,${n(y + 14)} ${n(w * 0.7)},${n(y + 5)} Q0,${n(y + 8)} ${n(-w * 0.7)},${n(y + 5)} Z`, fill: p.lips, opacity: 0.85 }) : '');
    case 'smirk': return el('path', { d: `M${n(-w)},${n(y + 3)} Q${n(w * 0.2)},${n(y + 7)} ${n(w)},${n(y - 4)}`, fill: 'none', ...line(o * 1.6, lip) });
    default: return el('path', { d: `M${n(-w)},${n(y + 2)} Q0,${n(y + 4)} ${n(w)},${n(y + 2)}`, fill: 'none', ...line(o * 1.6, lip) });
  }
}

function dimples(p, y, w, o) {
  return [-1, 1].map((s) => el('path', { d: `M${n(s * (w + 1))},${n(y - 4)} q${n(s * 3)},${n(3)} ${n(0)},${n(7)}`, fill: 'none', ...line(o * 0.8, shade(p.skin, -0.35)) })).join('');
}

function ageLines(p, o) {
  if (p.age < 40) return '';
  const t = p.shape.top;
  const tone = shade(p.skin, -0.28);
  const forehead = [0, 1].map((i) => el('path', { d: `M-18,${n(-t * 0.5 + i * 8)} Q0,${n(-t * 0.5 + i * 8 - 3)} 18,${n(-t * 0.5 + i * 8)}`, fill: 'none', ...line(o * 0.7, tone) })).join('');
  const folds = [-1, 1].map((s) => el('path', { d: `M${n(s * 12)},${n(26)} Q${n(s * 24)},${n(38)} ${n(s * 24)},${n(p.shape.length * 0.6)}`, fill: 'none', ...line(o * 0.8, tone) })).join('');
  return forehead + folds;
}

function cheeks(p) {
  if (!p.blush) return '';
  return [-1, 1].map((s) => el('ellipse', { cx: s * p.shape.width * 0.58, cy: 24, rx: 12, ry: 7, fill: '#E8767A', opacity: 0.28 })).join('');
}

function freckles(p) {
  if (!p.freckles) return '';
  const rnd = seeded(p.id * 97 + 5);
  return Array.from({ length: 22 }, () => {
    const s = rnd() < 0.5 ? -1 : 1;
    return el('circle', { cx: s * (10 + rnd() * 30), cy: 10 + rnd() * 16, r: 1.3 + rnd() * 0.8, fill: shade(p.skin, -0.35), opacity: 0.8 });
  }).join('');
}

function facialHair(p, o) {
  const { width: w, length: l } = p.shape;
  const colour = p.beardColour ?? p.hair;
  const my = l * 0.56;
  const moustache = `M${n(-24)},${n(my - 2)} Q${n(-14)},${n(my - 16)} 0,${n(my - 10)} Q${n(14)},${n(my - 16)} ${n(24)},${n(my - 2)} Q${n(12)},${n(my - 6)} 0,${n(my - 5)} Q${n(-12)},${n(my - 6)} ${n(-24)},${n(my - 2)} Z`;
  switch (p.facialHair) {
    case 'beard': {
      const d = smoothPath([{ x: -w * 0.98, y: 6 }, { x: -w * 0.9, y: l * 0.5 }, { x: -w * 0.45, y: l * 0.98 }, { x: 0, y: l + 12 }, { x: w * 0.45, y: l * 0.98 }, { x: w * 0.9, y: l * 0.5 }, { x: w * 0.98, y: 6 }, { x: w * 0.7, y: l * 0.42 }, { x: 0, y: l * 0.5 }, { x: -w * 0.7, y: l * 0.42 }]);
      const mouthHole = el('ellipse', { cx: 0, cy: my + 3, rx: 20, ry: 9, fill: shade(p.skin, -0.1) });
      return el('path', { d, fill: colour, ...line(o) }) + mouthHole + el('path', { d: moustache, fill: colour, ...line(o) });
    }
    case 'goatee': return el('path', { d: `M-14,${n(l * 0.76)} Q0,${n(l * 0.7)} 14,${n(l * 0.76)} Q12,${n(l + 6)} 0,${n(l + 8)} Q-12,${n(l + 6)} -14,${n(l * 0.76)} Z`, fill: colour, ...line(o) }) + el('path', { d: moustache, fill: colour, ...line(o) });
    case 'moustache': return el('path', { d: moustache, fill: colour, ...line(o) });
    case 'stubble': {
      const d = smoothPath([{ x: -w * 0.95, y: 14 }, { x: -w * 0.8, y: l * 0.6 }, { x: 0, y: l + 2 }, { x: w * 0.8, y: l * 0.6 }, { x: w * 0.95, y: 14 }, { x: w * 0.5, y: l * 0.4 }, { x: 0, y: l * 0.36 }, { x: -w * 0.5, y: l * 0.4 }]);
      return el('path', { d, fill: colour, opacity: 0.22 });
    }
    default: return '';
  }
}

function glasses(p, o) {
  if (!p.glasses) return '';
  const spread = p.shape.width * 0.43;
  const frame = { fill: '#FFFFFF', 'fill-opacity': 0.22, ...line(o * 1.4, p.glasses) };
  const lenses = [-1, 1].map((s) => el('rect', { x: s * spread - 17, y: -12, width: 34, height: 24, rx: 9, ...frame })).join('');
  const bridge = el('path', { d: `M${n(-spread + 17)},${n(-3)} Q0,${n(-9)} ${n(spread - 17)},${n(-3)}`, fill: 'none', ...line(o * 1.4, p.glasses) });
  const arms = [-1, 1].map((s) => el('path', { d: `M${n(s * (spread + 17))},${n(-4)} L${n(s * p.shape.width * 1.02)},${n(-6)}`, fill: 'none', ...line(o * 1.4, p.glasses) })).join('');
  return lenses + bridge + arms;
}

function headband(p, o) {
  if (!p.headband) return '';
  const { width: w, top: t } = p.shape;
  const d = `M${n(-w * 1.02)},${n(-t * 0.42)} Q0,${n(-t * 0.72)} ${n(w * 1.02)},${n(-t * 0.42)} L${n(w * 1.02)},${n(-t * 0.2)} Q0,${n(-t * 0.5)} ${n(-w * 1.02)},${n(-t * 0.2)} Z`;
  return el('path', { d, fill: p.headband, ...line(o) });
}

// The face itself, centred on (0, 0); o is the outline width.
export function faceDrawing(p, o) {
  const outline = smoothPath(faceOutline(p.shape));
  const skinShade = el('path', { d: smoothPath(faceOutline(p.shape).map((q) => ({ x: q.x * 0.45 + p.shape.width * 0.62, y: q.y }))), fill: shade(p.skin, -0.1), opacity: 0.4 });
  const id = `face${p.id}`;
  const clip = el('clipPath', { id }, el('path', { d: outline }));
  return [
    ears(p, o),
    el('path', { d: outline, fill: p.skin }),
    el('defs', {}, clip),
    group([skinShade], { 'clip-path': `url(#${id})` }),
    el('path', { d: outline, fill: 'none', ...line(o) }),
    cheeks(p), freckles(p), ageLines(p, o),
    eye(p, -1, o), eye(p, 1, o), brow(p, -1, o), brow(p, 1, o),
    nose(p, o), facialHair(p, o), mouth(p, o),
    headband(p, o), frontHair(p, o), glasses(p, o),
  ].join('');
}

// Long hair falls forward over the shoulders, in front of the shirt and behind the face.
function shoulderLocks(p, o) {
  if (p.hairStyle !== 'long') return '';
  const { width: w, top: t, length: l } = p.shape;
  return [-1, 1].map((s) => el('path', {
    d: smoothPath([{ x: s * w * 0.9, y: -t * 0.5 }, { x: s * w * 1.3, y: l * 0.3 }, { x: s * w * 1.42, y: l + 48 }, { x: s * w * 1.05, y: l + 62 }, { x: s * w * 0.8, y: l * 0.6 }]),
    fill: p.hair, ...line(o),
  })).join('');
}

export function bust(p, o) {
  return [backHair(p, o), ...neckAndShirt(p, o), shoulderLocks(p, o), faceDrawing(p, o)].join('');
}

// The photo-card backdrop every portrait sits on.
export function portraitCard(tint, o, content) {
  const backdrop = el('rect', { x: o / 2, y: o / 2, width: 320 - o, height: 240 - o, rx: 14, fill: mix(tint, '#FFFFFF', 0.78) });
  const glow = el('circle', { cx: 160, cy: 100, r: 118, fill: mix(tint, '#FFFFFF', 0.62) });
  const id = `card${tint.slice(1)}${Math.round(o * 10)}`;
  const clip = el('clipPath', { id }, el('rect', { x: o / 2, y: o / 2, width: 320 - o, height: 240 - o, rx: 14 }));
  const frame = el('rect', { x: o / 2, y: o / 2, width: 320 - o, height: 240 - o, rx: 14, fill: 'none', stroke: INK, 'stroke-width': o });
  return el('defs', {}, clip) + group([backdrop, glow, content], { 'clip-path': `url(#${id})` }) + frame;
}
