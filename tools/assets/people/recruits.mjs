// The ten free agents' photos: each person in their own clothes, in their own place.
import { INK, PALETTE, el, group, n, pt, shade, seeded } from './svg.mjs';
import { SKIN, HAIR, faceDrawing, backHair } from './face.mjs';
import { BUILDS, drawFigure, skeleton, standingPelvisY } from './figure.mjs';
import { groundShadow } from './gear.mjs';

const P = PALETTE;
const W = 300;
const H = 600;
const GROUND = 566;
const PX = 4.5;
const FACE_OUTLINE = 3.6;

const line = (o, colour = INK) => ({ stroke: colour, 'stroke-width': o, 'stroke-linejoin': 'round', 'stroke-linecap': 'round' });
const rect = (x, y, width, height, fill, extra = {}) => el('rect', { x, y, width, height, fill, ...extra });

const faceOf = (f) => ({ gaze: 0, lips: undefined, ...f, shape: { top: 70, cheek: 1, ...f.shape } });

const civilian = (face, clothes) => ({
  civilian: true, skin: face.skin, hair: face.hair, face: backHair(faceOf(face), FACE_OUTLINE) + faceDrawing(faceOf(face), FACE_OUTLINE), pants: '#34507A', shoes: INK, accent: INK, pads: INK, gloves: INK, ...clothes,
});

// ---- backgrounds, in picture pixels ----

function sky(top, bottom) {
  const id = `sky${top.slice(1)}`;
  return el('defs', {}, el('linearGradient', { id, x1: 0, y1: 0, x2: 0, y2: 1 }, el('stop', { offset: 0, 'stop-color': top }) + el('stop', { offset: 1, 'stop-color': bottom }))) +
    rect(0, 0, W, H, `url(#${id})`);
}

const floor = (colour, y = 470) => rect(0, y, W, H - y, colour) + el('line', { x1: 0, y1: y, x2: W, y2: y, ...line(2, shade(colour, -0.25)) });

function partyScene() {
  const rnd = seeded(41);
  const lights = Array.from({ length: 16 }, () => el('circle', { cx: rnd() * W, cy: 40 + rnd() * 330, r: 10 + rnd() * 22, fill: [P.yellow, P.magenta, '#FFFFFF'][Math.floor(rnd() * 3)], opacity: 0.22 + rnd() * 0.2 }));
  const curtain = [0, 1].map((s) => el('path', { d: s ? 'M300,0 L230,0 Q250,240 300,420 Z' : 'M0,0 L70,0 Q50,240 0,420 Z', fill: '#7A1E45', ...line(2) })).join('');
  return sky('#3B1E4E', '#8C3A6E') + lights.join('') + curtain + floor('#D9B26A') + rect(0, 470, W, 8, shade('#D9B26A', -0.2));
}

function poolScene() {
  const water = rect(0, 250, W, 220, '#4FB3E8');
  const lanes = [300, 360, 420].map((y) => el('path', { d: `M0,${y} L300,${y}`, stroke: P.red, 'stroke-width': 5, 'stroke-dasharray': '14 10' })).join('');
  const ripples = Array.from({ length: 10 }, (_, i) => el('path', { d: `M${20 + (i % 5) * 60},${270 + Math.floor(i / 5) * 90} q12,-6 24,0`, fill: 'none', ...line(2.5, '#FFFFFF'), opacity: 0.6 })).join('');
  const deck = floor('#E9E4D6');
  const tiles = Array.from({ length: 8 }, (_, i) => el('line', { x1: i * 42, y1: 470, x2: i * 42 - 30, y2: H, ...line(1.5, '#CFC8B4') })).join('');
  const flags = Array.from({ length: 9 }, (_, i) => el('path', { d: `M${i * 36},150 l18,0 l-9,20 Z`, fill: i % 2 ? P.yellow : P.blue, ...line(1.5) })).join('');
  return sky('#CFE8F7', '#EAF5FB') + el('path', { d: 'M0,146 Q150,160 300,146', fill: 'none', ...line(2) }) + flags + water + lanes + ripples + deck + tiles;
}

function officeScene() {
  const wall = rect(0, 0, W, 470, '#E4E9EF');
  const window = rect(150, 60, 130, 200, '#BFD9F0', { ...line(4, '#8A94A6') }) +
    Array.from({ length: 9 }, (_, i) => el('line', { x1: 150, y1: 80 + i * 20, x2: 280, y2: 80 + i * 20, ...line(3, '#F7F4EC') })).join('');
  const shelf = rect(14, 160, 110, 8, '#9C7A52', line(1.5)) + [0, 1, 2, 3, 4].map((i) => rect(20 + i * 20, 118, 14, 42, [P.blue, P.red, P.green, P.yellow, P.steel][i], line(1.5))).join('');
  const chart = rect(24, 250, 90, 70, '#FFFFFF', line(2)) + el('path', { d: 'M32,310 L52,290 L70,298 L104,262', fill: 'none', ...line(3, P.green) });
  return wall + window + shelf + chart + floor('#9AA3B5');
}

function studioScene() {
  const wall = rect(0, 0, W, 470, '#F3E3EC');
  const mirror = rect(20, 60, 260, 330, '#DCEAF2', line(4, '#B8A3AE')) + el('path', { d: 'M60,90 L120,90 L40,200 Z', fill: '#FFFFFF', opacity: 0.5 });
  const barre = el('line', { x1: 0, y1: 300, x2: W, y2: 300, ...line(7, '#B07A4E') }) + [40, 260].map((x) => el('line', { x1: x, y1: 300, x2: x, y2: 330, ...line(4, '#8A5A36') })).join('');
  const boards = floor('#D7A86E') + Array.from({ length: 7 }, (_, i) => el('line', { x1: i * 50, y1: 470, x2: i * 50 - 40, y2: H, ...line(1.5, '#B9894F') })).join('');
  return wall + mirror + barre + boards;
}

function pitchScene() {
  const stands = rect(0, 140, W, 150, '#5A6478') + Array.from({ length: 60 }, (_, i) => el('circle', { cx: (i % 15) * 21 + 8, cy: 158 + Math.floor(i / 15) * 34, r: 7, fill: [P.yellow, P.green, P.blue, '#FFFFFF', P.red][i % 5], opacity: 0.85 })).join('');
  const grass = rect(0, 290, W, 310, P.fieldLight) + [0, 1, 2, 3, 4].map((i) => rect(0, 290 + i * 64, W, 32, P.fieldDark, { opacity: 0.35 })).join('');
  const lines = el('path', { d: 'M0,380 L300,380 M150,380 m-60,0 a60,20 0 1,0 120,0 a60,20 0 1,0 -120,0', fill: 'none', ...line(3, '#FFFFFF'), opacity: 0.8 });
  return sky('#8CC8F0', '#D4ECFA') + stands + grass + lines;
}

function farmScene() {
  const hills = el('path', { d: 'M0,330 Q90,270 180,320 Q240,290 300,310 L300,470 L0,470 Z', fill: P.fieldLight, ...line(2) });
  const barn = el('path', { d: 'M150,330 L150,220 L205,170 L260,220 L260,330 Z', fill: P.red, ...line(2.5) }) +
    rect(182, 250, 46, 80, '#FFFFFF', line(2)) + el('path', { d: 'M182,250 L228,330 M228,250 L182,330', ...line(2, P.red) });
  const fence = Array.from({ length: 8 }, (_, i) => rect(i * 40 + 4, 370, 8, 60, '#C9A36A', line(1.5))).join('') +
    [385, 410].map((y) => rect(0, y, W, 7, '#C9A36A', line(1.5))).join('');
  const field = rect(0, 430, W, 170, '#B9A25A') + Array.from({ length: 6 }, (_, i) => el('line', { x1: i * 60, y1: 430, x2: i * 60 - 50, y2: H, ...line(2, '#9E8844') })).join('');
  return sky('#9ED0F0', '#E6F3FB') + el('circle', { cx: 60, cy: 80, r: 30, fill: P.yellow, ...line(2) }) + hills + barn + fence + field;
}

function clubScene() {
  const wall = rect(0, 0, W, 470, '#2B2F45') + Array.from({ length: 30 }, (_, i) => rect((i % 6) * 50 + (Math.floor(i / 6) % 2) * 25, Math.floor(i / 6) * 30 + 300, 46, 26, '#353A55')).join('');
  const door = rect(60, 130, 180, 340, '#1B1E2E', line(3, '#0E1018'));
  const neon = el('text', { x: 150, y: 100, 'font-family': 'Liberation Sans', 'font-weight': 'bold', 'font-size': 44, 'text-anchor': 'middle', fill: 'none', stroke: P.magenta, 'stroke-width': 3 }, 'CLUB') +
    el('text', { x: 150, y: 100, 'font-family': 'Liberation Sans', 'font-weight': 'bold', 'font-size': 44, 'text-anchor': 'middle', fill: 'none', stroke: P.magenta, 'stroke-width': 12, opacity: 0.25 }, 'CLUB');
  const rope = el('path', { d: 'M0,420 Q40,450 70,420', fill: 'none', ...line(7, '#B0283A') }) + el('path', { d: 'M230,420 Q265,450 300,420', fill: 'none', ...line(7, '#B0283A') }) +
    [70, 230].map((x) => rect(x - 6, 400, 12, 80, '#D9B26A', line(2))).join('');
  return wall + door + neon + floor('#4A4E63') + rope;
}

function streetScene() {
  const buildings = [[0, 120, 90, '#C9B8A6'], [84, 60, 110, '#A7B5C4'], [190, 100, 110, '#D6C08E']].map(([x, y, w, c]) =>
    rect(x, y, w, 360 - y + 110, c, line(2)) + Array.from({ length: 8 }, (_, i) => rect(x + 14 + (i % 2) * (w / 2 - 6), y + 24 + Math.floor(i / 2) * 56, w / 2 - 26, 34, '#EAF3FA', line(1.5))).join('')).join('');
  const bench = rect(190, 420, 100, 10, '#9C7A52', line(2)) + rect(196, 430, 8, 40, INK) + rect(276, 430, 8, 40, INK);
  return sky('#B8D8EE', '#EAF4FA') + buildings + floor('#B7B2A8') + bench;
}

function beachScene() {
  const sea = rect(0, 300, W, 90, '#2F9BD6') + Array.from({ length: 6 }, (_, i) => el('path', { d: `M${i * 55},${320 + (i % 3) * 20} q14,-8 28,0`, fill: 'none', ...line(2.5, '#FFFFFF'), opacity: 0.7 })).join('');
  const sand = rect(0, 390, W, 210, '#F2D79B') + el('path', { d: 'M0,390 Q150,404 300,388', fill: 'none', ...line(5, '#FFFFFF'), opacity: 0.8 });
  const tower = el('path', { d: 'M196,392 L210,250 M262,392 L248,250 M204,330 L256,330', ...line(5, '#FFFFFF') }) + rect(190, 210, 78, 46, P.red, line(2.5)) + el('path', { d: 'M184,212 L229,184 L274,212 Z', fill: P.yellow, ...line(2.5) });
  return sky('#7CC6F2', '#D8F0FC') + el('circle', { cx: 56, cy: 70, r: 28, fill: P.yellow, ...line(2) }) + sea + sand + tower;
}

function clinicScene() {
  const wall = rect(0, 0, W, 470, '#DDF0EA');
  const stripe = rect(0, 300, W, 20, '#9FD3C2');
  const poster = rect(170, 80, 110, 130, '#FFFFFF', line(2.5)) + pawPrint(225, 145, 1.6, P.green);
  const cross = rect(40, 90, 70, 70, '#FFFFFF', line(2.5)) + rect(68, 100, 14, 50, P.red) + rect(50, 118, 50, 14, P.red);
  return wall + stripe + poster + cross + floor('#C5CCD6');
}

function pawPrint(cx, cy, k, colour) {
  const pad = el('ellipse', { cx, cy: cy + 8 * k, rx: 14 * k, ry: 11 * k, fill: colour });
  const toes = [[-14, -8], [-5, -16], [5, -16], [14, -8]].map(([x, y]) => el('ellipse', { cx: cx + x * k, cy: cy + y * k, rx: 5 * k, ry: 6.5 * k, fill: colour })).join('');
  return pad + toes;
}

// ---- props, in figure units, placed from the posed joints ----

const u = (o) => ({ stroke: INK, 'stroke-width': o * 2, 'stroke-linejoin': 'round', 'stroke-linecap': 'round' });

const props = {
  handbag: (s, o) => { const h = s.arms.L.end; return el('path', { d: `M${pt({ x: h.x - 3, y: h.y })} Q${pt({ x: h.x, y: h.y - 5 })} ${pt({ x: h.x + 3, y: h.y })}`, fill: 'none', ...u(o) }) + el('rect', { x: h.x - 5.5, y: h.y + 1, width: 11, height: 8, rx: 2, fill: P.yellow, ...u(o) }); },
  whistle: (s, o) => { const c = { x: s.neckBase.x, y: s.neckBase.y + 12 }; return el('path', { d: `M${pt({ x: s.neckBase.x - 3, y: s.neckBase.y })} L${pt(c)} L${pt({ x: s.neckBase.x + 3, y: s.neckBase.y })}`, fill: 'none', ...u(o * 0.5), stroke: P.red }) + el('rect', { x: c.x - 2, y: c.y, width: 4.5, height: 3, rx: 1.2, fill: '#C9CED8', ...u(o) }); },
  stopwatch: (s, o) => { const h = s.arms.R.end; return el('circle', { cx: h.x, cy: h.y - 3, r: 3.4, fill: '#FFFFFF', ...u(o) }) + el('line', { x1: h.x, y1: h.y - 3, x2: h.x + 1.5, y2: h.y - 5, ...u(o * 0.6) }); },
  folder: (s, o) => { const h = s.arms.L.end; return el('rect', { x: h.x - 3, y: h.y - 9, width: 11, height: 14, rx: 1, fill: P.blue, ...u(o), transform: `rotate(-12 ${n(h.x)} ${n(h.y)})` }); },
  ball: (s, o) => { const f = s.legs.R.end; return el('circle', { cx: f.x + 8, cy: -5.2, r: 5.2, fill: '#FFFFFF', ...u(o) }) + el('path', { d: `M${n(f.x + 8)},${n(-7.5)} l2.2,1.6 l-0.8,2.6 l-2.8,0 l-0.8,-2.6 Z`, fill: INK }); },
  pitchfork: (s, o) => { const h = s.arms.R.end; const top = { x: h.x + 1, y: h.y - 42 }; return el('line', { x1: h.x - 1, y1: h.y + 24, x2: top.x, y2: top.y, ...u(o), 'stroke-width': o * 2 + 1.8 }) + el('line', { x1: h.x - 1, y1: h.y + 24, x2: top.x, y2: top.y, stroke: '#C9A36A', 'stroke-width': 1.8, 'stroke-linecap': 'round' }) + el('path', { d: `M${n(top.x - 4)},${n(top.y - 9)} L${n(top.x - 4)},${n(top.y)} L${n(top.x + 4)},${n(top.y)} L${n(top.x + 4)},${n(top.y - 9)} M${n(top.x)},${n(top.y)} L${n(top.x)},${n(top.y - 9)}`, fill: 'none', ...u(o * 0.8), stroke: '#8A94A6' }); },
  strawHat: (s, o) => { const c = s.head; return el('ellipse', { cx: c.x, cy: c.y - 7.6, rx: 13, ry: 2.6, fill: '#E8C26A', ...u(o) }) + el('path', { d: `M${n(c.x - 7)},${n(c.y - 7.6)} Q${n(c.x - 6.5)},${n(c.y - 15)} ${n(c.x)},${n(c.y - 15)} Q${n(c.x + 6.5)},${n(c.y - 15)} ${n(c.x + 7)},${n(c.y - 7.6)} Z`, fill: '#E8C26A', ...u(o) }) + el('rect', { x: c.x - 7, y: c.y - 10, width: 14, height: 2.2, fill: P.red }); },
  headphones: (s, o) => { const c = s.neckBase; return el('path', { d: `M${n(c.x - 6)},${n(c.y + 1)} Q${n(c.x)},${n(c.y + 7)} ${n(c.x + 6)},${n(c.y + 1)}`, fill: 'none', ...u(o), 'stroke-width': o * 2 + 1.2 }) + [-1, 1].map((k) => el('rect', { x: c.x + k * 6 - 2, y: c.y - 2, width: 4, height: 5, rx: 1.5, fill: P.orange, ...u(o) })).join(''); },
  rescueTube: (s, o) => { const h = s.arms.L.end; return el('rect', { x: h.x - 3.5, y: h.y - 14, width: 7, height: 28, rx: 3.5, fill: P.red, ...u(o) }) + el('text', { x: h.x, y: h.y, 'font-family': 'Liberation Sans', 'font-weight': 'bold', 'font-size': 3.6, 'text-anchor': 'middle', fill: '#FFFFFF', transform: `rotate(-90 ${n(h.x)} ${n(h.y)})` }, 'RESCUE'); },
  stethoscope: (s, o) => { const c = s.neckBase; return el('path', { d: `M${n(c.x - 4.5)},${n(c.y)} Q${n(c.x - 5)},${n(c.y + 12)} ${n(c.x + 1)},${n(c.y + 14)} M${n(c.x + 4.5)},${n(c.y)} Q${n(c.x + 5)},${n(c.y + 9)} ${n(c.x + 1)},${n(c.y + 14)}`, fill: 'none', ...u(o * 0.6), stroke: INK }) + el('circle', { cx: c.x + 1, cy: c.y + 15.5, r: 1.8, fill: '#C9CED8', ...u(o * 0.6) }); },
  puppy: (s, o) => { const h = s.arms.L.end; const b = { x: h.x + 3, y: h.y - 3 }; return el('ellipse', { cx: b.x, cy: b.y, rx: 7, ry: 4.6, fill: '#C98E52', ...u(o) }) + el('circle', { cx: b.x - 6, cy: b.y - 4, r: 3.6, fill: '#C98E52', ...u(o) }) + el('ellipse', { cx: b.x - 8, cy: b.y - 5.5, rx: 1.4, ry: 2.6, fill: '#7A4A26', ...u(o * 0.6) }) + el('circle', { cx: b.x - 7, cy: b.y - 4.2, r: 0.6, fill: INK }) + el('circle', { cx: b.x - 9.4, cy: b.y - 3.2, r: 0.7, fill: INK }); },
  sunglasses: (s, o) => { const c = s.head; return [-1, 1].map((k) => el('rect', { x: c.x + k * 3 - 2.6, y: c.y - 1.4, width: 5.2, height: 3, rx: 1.2, fill: INK })).join('') + el('line', { x1: c.x - 1, y1: c.y - 0.5, x2: c.x + 1, y2: c.y - 0.5, ...u(o * 0.5) }); },
};

// ---- clothes details on the torso (torso-local units: waist at 0, shoulders near -torso) ----

const torsoBits = {
  dress: (colour) => (b, o) => el('path', { d: `M${n(-b.shoulderHalf)},${n(-b.torso + 5)} Q0,${n(-b.torso + 12)} ${n(b.shoulderHalf)},${n(-b.torso + 5)} L${n(b.shoulderHalf + 3)},${n(-b.torso - 4)} L${n(-b.shoulderHalf - 3)},${n(-b.torso - 4)} Z`, fill: 'SKIN' }) +
    el('rect', { x: -b.waistHalf - 2, y: -b.torso * 0.42 - 1.5, width: b.waistHalf * 2 + 4, height: 3, fill: shade(colour, -0.3) }),
  zip: (colour) => (b, o) => el('line', { x1: 0, y1: -b.torso, x2: 0, y2: -3, ...u(o * 0.6), stroke: shade(colour, -0.4) }) + el('rect', { x: -b.shoulderHalf - 2, y: -b.torso + 6, width: b.shoulderHalf * 2 + 4, height: 2.4, fill: '#FFFFFF' }),
  blazer: (shirt) => (b, o) => el('path', { d: `M-4,${n(-b.torso)} L0,${n(-b.torso * 0.5)} L4,${n(-b.torso)} Z`, fill: shirt }) + el('path', { d: `M-4,${n(-b.torso)} L0,${n(-b.torso * 0.5)} L0,-2 M4,${n(-b.torso)} L0,${n(-b.torso * 0.5)}`, fill: 'none', ...u(o * 0.7) }) + [-b.torso * 0.38, -b.torso * 0.22].map((y) => el('circle', { cx: 1.6, cy: y, r: 0.8, fill: INK })).join(''),
  leotard: (b, o) => el('path', { d: `M${n(-b.shoulderHalf + 2)},${n(-b.torso + 1)} Q0,${n(-b.torso + 8)} ${n(b.shoulderHalf - 2)},${n(-b.torso + 1)} L${n(b.shoulderHalf + 3)},${n(-b.torso - 4)} L${n(-b.shoulderHalf - 3)},${n(-b.torso - 4)} Z`, fill: 'SKIN' }),
  football: (b, o) => el('text', { x: 0, y: -b.torso * 0.45, 'font-family': 'Liberation Sans', 'font-weight': 'bold', 'font-size': 10, 'text-anchor': 'middle', fill: '#FFFFFF', stroke: INK, 'stroke-width': o * 0.6 }, '9') + el('rect', { x: -b.shoulderHalf - 2, y: -b.torso, width: b.shoulderHalf * 2 + 4, height: 3, fill: '#FFFFFF' }),
  overalls: (b, o) => el('path', { d: `M${n(-b.waistHalf + 1)},-2 L${n(-b.waistHalf + 1)},${n(-b.torso * 0.55)} L${n(b.waistHalf - 1)},${n(-b.torso * 0.55)} L${n(b.waistHalf - 1)},-2 Z`, fill: '#3F6CA8', ...u(o) }) +
    [-1, 1].map((k) => el('line', { x1: k * (b.waistHalf - 2), y1: -b.torso * 0.55, x2: k * (b.shoulderHalf - 3), y2: -b.torso + 1, ...u(o), 'stroke-width': 2.4, stroke: '#3F6CA8' })).join('') +
    el('rect', { x: -3, y: -b.torso * 0.5, width: 6, height: 5, fill: shade('#3F6CA8', -0.2) }) +
    [-b.torso * 0.8, -b.torso * 0.65].map((y) => el('line', { x1: -b.shoulderHalf, y1: y, x2: b.shoulderHalf, y2: y, stroke: shade(P.red, -0.3), 'stroke-width': 0.9 })).join(''),
  tee: (b, o) => el('path', { d: `M-4,${n(-b.torso - 0.5)} Q0,${n(-b.torso + 4)} 4,${n(-b.torso - 0.5)}`, fill: 'SKIN', ...u(o * 0.6) }) + el('text', { x: 0, y: -b.torso * 0.5, 'font-family': 'Liberation Sans', 'font-weight': 'bold', 'font-size': 4.2, 'text-anchor': 'middle', fill: '#E4E2DE' }, 'SECURITY'),
  hoodie: (colour) => (b, o) => el('path', { d: `M${n(-b.shoulderHalf + 2)},${n(-b.torso + 1)} Q0,${n(-b.torso + 9)} ${n(b.shoulderHalf - 2)},${n(-b.torso + 1)}`, fill: 'none', ...u(o), 'stroke-width': 3.2, stroke: shade(colour, -0.2) }) +
    el('rect', { x: -b.waistHalf + 1, y: -b.torso * 0.35, width: b.waistHalf * 2 - 2, height: 7, rx: 2, fill: shade(colour, -0.12), ...u(o * 0.7) }) +
    [-1.6, 1.6].map((x) => el('line', { x1: x, y1: -b.torso + 3, x2: x, y2: -b.torso + 11, ...u(o * 0.5), stroke: '#FFFFFF' })).join(''),
  tank: (b, o) => el('path', { d: `M${n(-b.shoulderHalf + 3)},${n(-b.torso + 1)} Q0,${n(-b.torso + 10)} ${n(b.shoulderHalf - 3)},${n(-b.torso + 1)} L${n(b.shoulderHalf + 3)},${n(-b.torso - 4)} L${n(-b.shoulderHalf - 3)},${n(-b.torso - 4)} Z`, fill: 'SKIN' }) + el('path', { d: `M0,${n(-b.torso * 0.62)} l-2.4,0 l0,-2.4 l-2.4,0 l0,-2.4 l2.4,0 l0,-2.4 l2.4,0 l0,2.4 l2.4,0 l0,2.4 l-2.4,0 Z`, fill: P.red, transform: 'translate(2.4 0)' }),
  labCoat: (b, o) => el('path', { d: `M-3.5,${n(-b.torso)} L0,${n(-b.torso * 0.62)} L3.5,${n(-b.torso)} Z`, fill: '#3FAE8C' }) + el('path', { d: `M-3.5,${n(-b.torso)} L0,${n(-b.torso * 0.62)} L0,-2 M3.5,${n(-b.torso)} L0,${n(-b.torso * 0.62)}`, fill: 'none', ...u(o * 0.7) }) + el('rect', { x: -b.shoulderHalf * 0.75, y: -b.torso * 0.55, width: 4.5, height: 4, fill: 'none', ...u(o * 0.6) }) + el('line', { x1: -b.shoulderHalf * 0.65, y1: -b.torso * 0.56, x2: -b.shoulderHalf * 0.65, y2: -b.torso * 0.48, stroke: P.blue, 'stroke-width': 0.8 }),
};

const withSkin = (bits, skin) => (b, o) => bits(b, o).replaceAll('SKIN', skin);

const bigBuild = { ...BUILDS.male, shoulderHalf: 13.4, waistHalf: 10, widths: { thigh: 11, shin: 8.6, upper: 8.4, fore: 7.4 } };

function recruit({ face, build, clothes, pose, scene, extras = [], torso }) {
  const look = civilian(face, { ...clothes, torsoDetails: torso ? withSkin(torso, face.skin) : undefined });
  const skel = skeleton(build, pose);
  const o = 1.7 / 2 / PX;
  const figure = drawFigure(build, look, pose, PX);
  const extra = extras.map((name) => props[name](skel, o)).join('');
  const placedFigure = group([groundShadow(0, 0.5, 16, 2.4), figure, extra], { transform: `translate(150,${GROUND}) scale(${PX})` });
  return scene() + placedFigure;
}

const female = BUILDS.female;
const male = BUILDS.male;
const py = (b) => standingPelvisY(b);

export const RECRUITS = [
  {
    face: { id: 101, skin: SKIN.light, hair: HAIR.blonde, hairStyle: 'long', shape: { width: 54, length: 76, jaw: 0.72, chin: 0.28 }, eyes: 'almond', eyeColour: 'blue', brows: 'arched', mouth: 'smirk', lashes: true, blush: true, lips: '#C0283A', age: 22, earrings: P.yellow },
    build: female, clothes: { jersey: P.magenta, sleeve: 0, legCover: 0, skirt: { colour: P.magenta, length: 20, flare: 5 }, shoes: P.yellow },
    torso: torsoBits.dress(P.magenta), scene: partyScene, extras: ['handbag'],
    pose: { arms: { L: { to: { x: -14, y: py(female) + 2 } }, R: { to: { x: 10, y: py(female) - 3 } } }, legs: { L: { to: { x: -2, y: -1.5 } }, R: { to: { x: 5, y: -1.5 } } }, headTilt: 6 },
  },
  {
    face: { id: 102, skin: SKIN.porcelain, hair: HAIR.auburn, hairStyle: 'ponytail', shape: { width: 52, length: 76, jaw: 0.76, chin: 0.32 }, eyes: 'round', eyeColour: 'green', brows: 'soft', mouth: 'grin', lashes: true, freckles: true, age: 18, accessory: P.blue },
    build: female, clothes: { jersey: P.blue, sleeve: 2, pants: '#27406B', legCover: 0.55, shoes: '#FFFFFF' },
    torso: torsoBits.zip(P.blue), scene: poolScene, extras: ['whistle', 'stopwatch'],
    pose: { arms: { L: { to: { x: -10, y: py(female) - 2 } }, R: { to: { x: 10, y: py(female) - 18 } } }, headTilt: -4 },
  },
  {
    face: { id: 103, skin: SKIN.brown, hair: HAIR.black, hairStyle: 'bob', shape: { width: 55, length: 74, jaw: 0.74, chin: 0.28 }, eyes: 'almond', eyeColour: 'darkBrown', brows: 'straight', mouth: 'smile', lashes: true, glasses: INK, age: 25, lips: '#8E3B3B' },
    build: female, clothes: { jersey: '#3A4E78', sleeve: 2, pants: '#3A4E78', legCover: 0.92, skirt: { colour: '#3A4E78', length: 19, flare: 2 }, shoes: INK },
    torso: torsoBits.blazer('#FFFFFF'), scene: officeScene, extras: ['folder'],
    pose: { arms: { L: { to: { x: -5, y: py(female) - 8 } }, R: { to: { x: 9, y: py(female) + 6 } } }, headTilt: 3 },
  },
  {
    face: { id: 104, skin: SKIN.peach, hair: HAIR.black, hairStyle: 'bun', shape: { width: 52, length: 74, jaw: 0.72, chin: 0.3 }, eyes: 'almond', eyeColour: 'brown', brows: 'arched', mouth: 'smile', lashes: true, blush: true, age: 20 },
    build: female, clothes: { jersey: P.green, sleeve: 0, pants: INK, legCover: 2, shoes: '#F3B6C9' },
    torso: torsoBits.leotard, scene: studioScene,
    pose: { lean: 6, arms: { L: { to: { x: -20, y: py(female) - 60 } }, R: { to: { x: 22, y: py(female) - 26 } } }, legs: { L: { to: { x: -3, y: -1.5 } }, R: { to: { x: 24, y: -10 } } }, pelvis: { x: -1, y: py(female) + 1 }, headTilt: -10 },
  },
  {
    face: { id: 105, skin: SKIN.deep, hair: HAIR.black, hairStyle: 'braids', shape: { width: 53, length: 78, jaw: 0.74, chin: 0.3 }, eyes: 'round', eyeColour: 'darkBrown', brows: 'soft', mouth: 'grin', lashes: true, age: 23 },
    build: female, clothes: { jersey: P.green, sleeve: 0.55, pants: '#FFFFFF', legCover: 0.45, socks: P.green, shoes: INK },
    torso: torsoBits.football, scene: pitchScene, extras: ['ball'],
    pose: { arms: { L: { to: { x: -12, y: py(female) - 1 } }, R: { to: { x: 11, y: py(female) - 2 } } }, legs: { L: { to: { x: -5, y: -1.5 } }, R: { to: { x: 7, y: -3 } } }, headTilt: 2 },
  },
  {
    face: { id: 106, male: true, skin: SKIN.light, hair: HAIR.ginger, hairStyle: 'short', shape: { width: 60, length: 80, jaw: 0.94, chin: 0.5 }, eyes: 'almond', eyeColour: 'blue', brows: 'straight', browThick: 6, mouth: 'smile', facialHair: 'beard', freckles: true, age: 27 },
    build: male, clothes: { jersey: P.red, sleeve: 1.3, pants: '#3F6CA8', legCover: 2, shoes: '#6B4A2A' },
    torso: torsoBits.overalls, scene: farmScene, extras: ['pitchfork', 'strawHat'],
    pose: { arms: { L: { to: { x: -11, y: py(male) - 2 } }, R: { to: { x: 13, y: py(male) - 16 } } }, legs: { L: { to: { x: -6, y: -1.5 } }, R: { to: { x: 6, y: -1.5 } } } },
  },
  {
    face: { id: 107, male: true, skin: SKIN.brown, hair: HAIR.black, hairStyle: 'bald', shape: { width: 64, length: 80, jaw: 1, chin: 0.56, cheek: 1.04 }, eyes: 'narrow', eyeColour: 'darkBrown', brows: 'angled', browThick: 8, mouth: 'neutral', facialHair: 'goatee', age: 28 },
    build: bigBuild, clothes: { jersey: INK, sleeve: 0.45, pants: '#2A3142', legCover: 2, shoes: INK },
    torso: torsoBits.tee, scene: clubScene, extras: ['sunglasses'],
    pose: { arms: { L: { to: { x: 7, y: py(male) - 17 }, bend: 1 }, R: { to: { x: -7, y: py(male) - 15 }, bend: -1 } }, legs: { L: { to: { x: -8, y: -1.5 } }, R: { to: { x: 8, y: -1.5 } } } },
  },
  {
    face: { id: 108, male: true, skin: SKIN.peach, hair: HAIR.black, hairStyle: 'spiky', shape: { width: 55, length: 76, jaw: 0.82, chin: 0.38 }, eyes: 'narrow', eyeColour: 'darkBrown', brows: 'soft', browThick: 5, mouth: 'smile', age: 20 },
    build: male, clothes: { jersey: P.orange, sleeve: 2, pants: '#34507A', legCover: 2, shoes: '#FFFFFF' },
    torso: torsoBits.hoodie(P.orange), scene: streetScene, extras: ['headphones'],
    pose: { arms: { L: { to: { x: -7, y: py(male) + 1 } }, R: { to: { x: 7, y: py(male) + 1 } } }, legs: { L: { to: { x: -5, y: -1.5 } }, R: { to: { x: 6, y: -1.5 } } }, headTilt: 7 },
  },
  {
    face: { id: 109, male: true, skin: SKIN.tan, hair: HAIR.darkBrown, hairStyle: 'curlyShort', shape: { width: 57, length: 78, jaw: 0.86, chin: 0.42 }, eyes: 'round', eyeColour: 'hazel', brows: 'straight', browThick: 6, mouth: 'grin', age: 21 },
    build: male, clothes: { jersey: '#FFFFFF', sleeve: 0, pants: P.red, legCover: 0.5, shoes: SKIN.tan },
    torso: torsoBits.tank, scene: beachScene, extras: ['rescueTube'],
    pose: { arms: { L: { to: { x: -14, y: py(male) - 6 } }, R: { to: { x: 12, y: py(male) + 2 } } }, legs: { L: { to: { x: -6, y: -1.5 } }, R: { to: { x: 6, y: -1.5 } } } },
  },
  {
    face: { id: 110, male: true, skin: SKIN.porcelain, hair: HAIR.brown, hairStyle: 'sidePart', shape: { width: 56, length: 80, jaw: 0.84, chin: 0.4 }, eyes: 'almond', eyeColour: 'grey', brows: 'straight', browThick: 5, mouth: 'soft', glasses: '#6B4A2A', facialHair: 'stubble', age: 27 },
    build: male, clothes: { jersey: '#FFFFFF', sleeve: 2, pants: '#3FAE8C', legCover: 2, shoes: INK },
    torso: torsoBits.labCoat, scene: clinicScene, extras: ['stethoscope', 'puppy'],
    pose: { arms: { L: { to: { x: -4, y: py(male) - 13 } }, R: { to: { x: 11, y: py(male) + 3 } } }, legs: { L: { to: { x: -5, y: -1.5 } }, R: { to: { x: 5, y: -1.5 } } }, headTilt: -4 },
  },
];

export const recruitPhoto = (r) => recruit(r);

