// Props the players carry or stand on: marker, trophy, splats, bunkers, pedestal.
import { INK, PALETTE, el, group, n, shade, seeded, smoothPath } from './svg.mjs';

// Where the second hand holds the marker, in marker-local units (x along the barrel).
export const MARKER_FOREGRIP = { x: 7, y: 1.5 };

const outlined = (o) => ({ stroke: INK, 'stroke-width': o * 2, 'stroke-linejoin': 'round' });

// A paintball marker in side profile: air tank at the back, body, barrel, hopper on top.
export function marker(o, colour = '#4A5878', hopper = PALETTE.yellow) {
  const line = outlined(o);
  const tank = el('rect', { x: -15, y: -8.4, width: 10, height: 5.4, rx: 2.4, fill: PALETTE.steel, ...line });
  const tankBand = el('rect', { x: -9.5, y: -8.2, width: 1.6, height: 5, fill: shade(PALETTE.steel, -0.35) });
  const body = el('rect', { x: -6, y: -9.2, width: 15.5, height: 7.4, rx: 1.8, fill: colour, ...line });
  const bodyShine = el('rect', { x: -4.8, y: -8.4, width: 12.8, height: 1.6, rx: 0.8, fill: shade(colour, 0.35) });
  const barrel = el('rect', { x: 9, y: -7.6, width: 18.5, height: 3.2, rx: 0.8, fill: '#3A4358', ...line });
  const muzzle = el('rect', { x: 25.2, y: -8.1, width: 2.6, height: 4.2, rx: 0.6, fill: '#2A3142', ...line });
  const grip = el('path', { d: 'M-2.5,-2.5 L1.8,-2.5 L0.8,5.5 Q-0.6,6.6 -2,5.6 L-3.4,-1.5 Z', fill: '#2A3142', ...line });
  const guard = el('path', { d: 'M1.6,-2 Q5,-1.8 4.6,2.2 L2.6,2.2', fill: 'none', stroke: INK, 'stroke-width': o * 1.6, 'stroke-linecap': 'round' });
  const foregrip = el('rect', { x: 5.4, y: -2.4, width: 3.2, height: 6, rx: 1.4, fill: '#2A3142', ...line });
  const neck = el('rect', { x: -2.2, y: -13, width: 4.4, height: 4.4, fill: '#2A3142', ...line });
  const bulb = el('ellipse', { cx: -0.5, cy: -16.2, rx: 7.4, ry: 4.6, fill: hopper, ...line });
  const bulbShine = el('ellipse', { cx: -2.6, cy: -17.6, rx: 3.4, ry: 1.3, fill: shade(hopper, 0.5) });
  const balls = [-3.6, 0, 3.4].map((x) =>
    el('circle', { cx: x, cy: -14.6, r: 1.5, fill: shade(hopper, -0.25) }));
  return group([tank, tankBand, neck, bulb, ...balls, bulbShine, barrel, muzzle, body, bodyShine, grip, guard, foregrip]);
}

// A winner's cup held by its stem; origin at the hands, cup above.
export function trophy(o) {
  const gold = PALETTE.yellow;
  const line = outlined(o);
  const handles = ['M-9,-27 Q-17,-27 -15,-19 Q-13.5,-13 -7,-14', 'M9,-27 Q17,-27 15,-19 Q13.5,-13 7,-14']
    .map((d) => el('path', { d, fill: 'none', stroke: INK, 'stroke-width': o * 2 + 2.6, 'stroke-linecap': 'round' }) +
      el('path', { d, fill: 'none', stroke: shade(gold, -0.12), 'stroke-width': 2.6, 'stroke-linecap': 'round' }));
  const cup = el('path', { d: 'M-11,-30 L11,-30 Q11,-14 2.5,-10 L2.5,-5 L-2.5,-5 L-2.5,-10 Q-11,-14 -11,-30 Z', fill: gold, ...line });
  const shine = el('path', { d: 'M-7.5,-27.5 Q-7,-17 -2,-13 Q-4,-19 -4.5,-27.5 Z', fill: shade(gold, 0.6) });
  const rim = el('ellipse', { cx: 0, cy: -30, rx: 11, ry: 2.2, fill: shade(gold, -0.2), ...line });
  const base = el('path', { d: 'M-7,-5 L7,-5 L8.5,2 L-8.5,2 Z', fill: shade(gold, -0.18), ...line });
  const plate = el('rect', { x: -4, y: -3.2, width: 8, height: 3, fill: INK, opacity: 0.55 });
  const star = el('path', { d: starPath(0, -21, 4, 1.8), fill: PALETTE.orange, stroke: INK, 'stroke-width': o * 0.8 });
  return group([...handles, cup, shine, rim, star, base, plate]);
}

function starPath(cx, cy, outer, inner) {
  const points = Array.from({ length: 10 }, (_, i) => {
    const r = i % 2 === 0 ? outer : inner;
    const a = -Math.PI / 2 + (i * Math.PI) / 5;
    return `${n(cx + r * Math.cos(a))},${n(cy + r * Math.sin(a))}`;
  });
  return `M${points.join('L')}Z`;
}

// A burst of paint: a lumpy blob with drops thrown around it.
export function splat(cx, cy, radius, colour, seed, o) {
  const rnd = seeded(seed);
  const count = 22;
  const rim = Array.from({ length: count }, (_, i) => {
    const a = (i / count) * Math.PI * 2;
    const lobe = i % 2 === 0 ? 0.72 + rnd() * 0.5 : 0.62 + rnd() * 0.18;
    return { x: cx + Math.cos(a) * radius * lobe, y: cy + Math.sin(a) * radius * lobe };
  });
  const drops = Array.from({ length: 9 }, () => {
    const a = rnd() * Math.PI * 2;
    const d = radius * (1.02 + rnd() * 0.35);
    return el('circle', { cx: cx + Math.cos(a) * d, cy: cy + Math.sin(a) * d, r: radius * (0.05 + rnd() * 0.08), fill: colour, stroke: INK, 'stroke-width': o });
  });
  const blob = el('path', { d: smoothPath(rim), fill: colour, stroke: INK, 'stroke-width': o * 2 });
  const inner = el('path', { d: smoothPath(rim.map((p) => ({ x: cx + (p.x - cx) * 0.55 - radius * 0.12, y: cy + (p.y - cy) * 0.5 - radius * 0.14 }))), fill: shade(colour, 0.32) });
  const gloss = el('ellipse', { cx: cx - radius * 0.28, cy: cy - radius * 0.3, rx: radius * 0.16, ry: radius * 0.09, fill: '#FFFFFF', opacity: 0.8 });
  return group([...drops, blob, inner, gloss]);
}

// An inflatable field bunker: rounded body, seams and a light side.
export function bunker({ x, y, width, height, colour, o, shape = 'can' }) {
  const rx = shape === 'can' ? width * 0.45 : Math.min(width, height) * 0.28;
  const body = el('rect', { x, y, width, height, rx, ry: shape === 'can' ? width * 0.3 : rx, fill: colour, stroke: INK, 'stroke-width': o * 2 });
  const light = el('rect', { x: x + width * 0.1, y: y + height * 0.08, width: width * 0.2, height: height * 0.8, rx: width * 0.1, fill: shade(colour, 0.28) });
  const dark = el('rect', { x: x + width * 0.7, y: y + height * 0.1, width: width * 0.18, height: height * 0.8, rx: width * 0.09, fill: shade(colour, -0.18) });
  const seams = [0.33, 0.66].map((t) =>
    el('path', { d: `M${n(x + width * 0.04)},${n(y + height * t)} Q${n(x + width / 2)},${n(y + height * t + height * 0.04)} ${n(x + width * 0.96)},${n(y + height * t)}`, fill: 'none', stroke: shade(colour, -0.35), 'stroke-width': o * 1.2 }));
  return group([body, light, dark, ...seams]);
}

export function groundShadow(cx, cy, rx, ry = rx * 0.18) {
  return el('ellipse', { cx, cy, rx, ry, fill: INK, opacity: 0.16 });
}

// The winners' pedestal: a block with a gold band and a star.
export function pedestal(width, height) {
  const o = 1;
  const top = el('path', { d: `M8,${n(height * 0.18)} L${n(width - 8)},${n(height * 0.18)} L${n(width - 2)},4 L2,4 Z`, fill: '#E9E4D6', stroke: INK, 'stroke-width': o * 2, 'stroke-linejoin': 'round' });
  const front = el('rect', { x: 8, y: height * 0.18, width: width - 16, height: height * 0.82 - 2, fill: '#DCD5C3', stroke: INK, 'stroke-width': o * 2 });
  const side = el('rect', { x: width - 40, y: height * 0.18 + 1, width: 31, height: height * 0.82 - 4, fill: '#C8C0AB' });
  const band = el('rect', { x: 8, y: height * 0.36, width: width - 16, height: height * 0.16, fill: PALETTE.yellow, stroke: INK, 'stroke-width': o * 1.6 });
  const star = el('path', { d: starPath(width / 2, height * 0.7, 14, 6), fill: PALETTE.orange, stroke: INK, 'stroke-width': o * 1.6, 'stroke-linejoin': 'round' });
  const shine = el('rect', { x: 14, y: height * 0.2, width: 10, height: height * 0.74, fill: '#FFFFFF', opacity: 0.35 });
  return group([top, front, side, shine, band, star]);
}

