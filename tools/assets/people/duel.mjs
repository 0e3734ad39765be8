// The tag duel: two opponents behind their bunkers, the trainee behind the red one, and the hits.
import { INK, PALETTE, el, group, n, shade } from './svg.mjs';
import { drawFigure, standingPelvisY } from './figure.mjs';
import { bunker, groundShadow, splat } from './gear.mjs';
import { OPPONENT, OPPONENT_B, TEAM } from './kits.mjs';

const P = PALETTE;

function figureAt(kit, pose, x, groundY, px) {
  return group([drawFigure(kit.build, kit.look, pose, px)], { transform: `translate(${n(x)},${n(groundY)}) scale(${n(px)})` });
}

const turf = (x, y, rx) => groundShadow(x, y, rx, rx * 0.14);

// Leaning out sideways from cover, marker aimed across at the trainee.
function leaningOut(build, side) {
  const py = standingPelvisY(build);
  const s = side;
  const hand = s > 0 ? 'R' : 'L';
  return {
    pelvis: { x: 0, y: py + 4 }, lean: 24 * s,
    legs: { L: { to: { x: -7, y: -1.5 } }, R: { to: { x: 7, y: -1.5 } } },
    arms: { [hand]: { to: { x: s * 26, y: py - 24 } }, [s > 0 ? 'L' : 'R']: { grip: true } },
    marker: { hand, angle: s > 0 ? 14 : 166, flip: s < 0 },
    headTilt: -8 * s, look: s,
  };
}

// Only the top of a hopper shows over the bunker while its player hides.
function peekingHopper(x, y, px) {
  return el('ellipse', { cx: x, cy: y, rx: 6.2 * px, ry: 4 * px, fill: P.yellow, stroke: INK, 'stroke-width': 1.6 }) +
    el('ellipse', { cx: x - 2 * px, cy: y - 1.4 * px, rx: 2.6 * px, ry: 1 * px, fill: '#FFFFFF', opacity: 0.6 });
}

export function leftOpponent(out) {
  const can = bunker({ x: 4, y: 84, width: 60, height: 120, colour: P.green, o: 1, shape: 'can' });
  const kit = OPPONENT;
  const person = out ? figureAt(kit, leaningOut(kit.build, 1), 40, 204, 1.5) : peekingHopper(40, 86, 1.5);
  return turf(48, 204, 46) + person + can;
}

export function rightOpponent(out) {
  const wall = bunker({ x: 84, y: 92, width: 176, height: 76, colour: P.blue, o: 1, shape: 'brick' });
  const kit = OPPONENT_B;
  const person = out ? figureAt(kit, leaningOut(kit.build, -1), 118, 168, 1.5) : peekingHopper(196, 94, 1.5);
  return turf(170, 169, 100) + person + wall;
}

// The trainee seen over the shoulder from behind, at the red bunker; legs below the picture.
const TRAINEE_GROUND = 392;
const TRAINEE_PX = 3;

function trainee(side) {
  const kit = TEAM.female;
  const py = standingPelvisY(kit.build);
  if (side === 0) {
    return {
      view: 'back', pelvis: { x: 0, y: py + 15 },
      arms: { L: { to: { x: -9, y: py - 6 } }, R: { to: { x: 10, y: py - 8 } } },
      marker: { hand: 'R', angle: -95, flip: true }, headDrop: 2, swing: 0,
    };
  }
  const hand = side < 0 ? 'L' : 'R';
  return {
    view: 'back', pelvis: { x: side * 4, y: py + 6 }, lean: side * 28,
    arms: { [hand]: { to: { x: side * 24, y: py - 30 } }, [side < 0 ? 'R' : 'L']: { grip: true } },
    marker: { hand, angle: side < 0 ? -150 : -30, flip: side < 0 },
    headTilt: -side * 8, swing: -side * 8,
  };
}

export function traineeView(side) {
  const cover = bunker({ x: 96, y: 78, width: 150, height: 220, colour: P.red, o: 1.2, shape: 'brick' });
  const kit = TEAM.female;
  const person = group([drawFigure(kit.build, kit.look, trainee(side), TRAINEE_PX)], { transform: `translate(170,${TRAINEE_GROUND}) scale(${TRAINEE_PX})` });
  return cover + person;
}

// A comic burst behind the paint, so the hit reads at a glance.
function burst(cx, cy, outer, inner, colour, spikes = 12) {
  const points = Array.from({ length: spikes * 2 }, (_, i) => {
    const r = i % 2 ? inner : outer;
    const a = (i / (spikes * 2)) * Math.PI * 2;
    return `${n(cx + Math.cos(a) * r)},${n(cy + Math.sin(a) * r)}`;
  });
  return el('path', { d: `M${points.join('L')}Z`, fill: colour, stroke: INK, 'stroke-width': 1.6, 'stroke-linejoin': 'round' });
}

export function opponentHit() {
  return burst(50, 50, 49, 30, P.yellow) + splat(50, 50, 34, P.orange, 21, 1);
}

export function traineeHit() {
  const drips = [-18, 4, 22].map((x, i) => el('path', { d: `M${n(75 + x - 5)},80 L${n(75 + x - 4)},${n(118 + i * 8)} Q${n(75 + x)},${n(126 + i * 8)} ${n(75 + x + 4)},${n(118 + i * 8)} L${n(75 + x + 5)},80 Z`, fill: P.magenta, stroke: INK, 'stroke-width': 1.6 }));
  return burst(75, 75, 74, 46, shade(P.red, 0.25), 14) + drips.join('') + splat(75, 70, 50, P.magenta, 33, 1.1);
}
