// One jointed paintball player, posed from joint angles or hand and foot targets.
// Units: about 100 from sole to crown; origin on the ground between the feet; y points down.
import { INK, PALETTE, el, group, n, pt, shade, add, sub, scale, len, dir, rotate } from './svg.mjs';
import { marker, trophy, splat, MARKER_FOREGRIP } from './gear.mjs';

export const BUILDS = {
  female: {
    thigh: 23, shin: 22.5, upperArm: 15, foreArm: 14, torso: 31, neck: 4.5, headR: 7.4,
    shoulderHalf: 9.2, waistHalf: 6.4, hipHalf: 7.6, legGap: 4.2,
    widths: { thigh: 8.8, shin: 6.8, upper: 5.6, fore: 5 },
  },
  male: {
    thigh: 24, shin: 23.5, upperArm: 16, foreArm: 15, torso: 33, neck: 4.5, headR: 7.6,
    shoulderHalf: 11.2, waistHalf: 8.4, hipHalf: 7.6, legGap: 4.4,
    widths: { thigh: 9.8, shin: 7.6, upper: 6.6, fore: 5.8 },
  },
};

export const standingPelvisY = (b) => -(b.thigh + b.shin + 2);

// Two-bone reach: the middle joint bends to the side given by bend (+1 or -1).
export function reach(root, target, l1, l2, bend) {
  const toTarget = sub(target, root);
  const d = Math.max(Math.abs(l1 - l2) + 0.01, Math.min(l1 + l2 - 0.01, len(toTarget)));
  const unit = scale(toTarget, 1 / (len(toTarget) || 1));
  const cosA = (l1 * l1 + d * d - l2 * l2) / (2 * l1 * d);
  const a = Math.acos(Math.max(-1, Math.min(1, cosA))) * (180 / Math.PI) * bend;
  const mid = add(root, scale(rotate(unit, a), l1));
  const end = add(root, scale(unit, d));
  return { mid, end };
}

function byAngles(root, first, second, l1, l2) {
  const mid = add(root, scale(dir(first), l1));
  const end = add(mid, scale(dir(first + second), l2));
  return { mid, end };
}

// Elbows hang low and a little outward unless told otherwise.
function naturalReach(root, target, l1, l2, outward) {
  const a = reach(root, target, l1, l2, 1);
  const b = reach(root, target, l1, l2, -1);
  const score = (j) => j.mid.y + 0.4 * outward * (j.mid.x - root.x);
  return score(a) >= score(b) ? a : b;
}

function limbJoints(root, limbPose, l1, l2, fallbackBend) {
  if (limbPose.to && limbPose.bend === undefined && typeof fallbackBend === 'object') return naturalReach(root, limbPose.to, l1, l2, fallbackBend.outward);
  if (limbPose.to) return reach(root, limbPose.to, l1, l2, limbPose.bend ?? fallbackBend);
  return byAngles(root, limbPose.first ?? 0, limbPose.second ?? 0, l1, l2);
}

const localToFigure = (pelvis, lean) => (p) => add(pelvis, rotate(p, lean));

// Where the joints are for a pose; everything the drawing needs, nothing drawn.
export function skeleton(build, pose) {
  const view = pose.view ?? 'front';
  const lean = pose.lean ?? 0;
  const pelvis = pose.pelvis ?? { x: 0, y: standingPelvisY(build) };
  const toFigure = localToFigure(pelvis, lean);
  const neckBase = toFigure({ x: 0, y: -build.torso });
  const side = view === 'side';
  const shoulderOf = (s) => toFigure(side ? { x: s * 1.2, y: -build.torso + 3 } : { x: s * (build.shoulderHalf - 2.4), y: -build.torso + 3.2 });
  const hipOf = (s) => add(pelvis, rotate(side ? { x: s * 1, y: 0 } : { x: s * (build.hipHalf - 3.2), y: 0 }, lean * 0.3));
  const headLean = lean + (pose.headTilt ?? 0);
  const head = add(neckBase, rotate({ x: 0, y: -build.neck - build.headR * 0.85 + (pose.headDrop ?? 0) }, headLean));

  const armSpec = (s) => pose.arms?.[s > 0 ? 'R' : 'L'] ?? { first: s * 8, second: 0 };
  const freeArm = (s) => limbJoints(shoulderOf(s), armSpec(s), build.upperArm, build.foreArm, side ? 1 : { outward: s });
  const holding = pose.marker ? pose.marker.hand ?? 'R' : null;
  const holdingArm = holding ? freeArm(holding === 'R' ? 1 : -1) : null;
  const markerPose = pose.marker ? { ...pose.marker, at: pose.marker.at ?? holdingArm.end } : null;
  const arm = (s) => {
    const name = s > 0 ? 'R' : 'L';
    if (name === holding) return holdingArm;
    const limbPose = armSpec(s);
    if (!(limbPose.grip && markerPose)) return freeArm(s);
    return limbJoints(shoulderOf(s), { ...limbPose, to: foregripPoint(markerPose) }, build.upperArm, build.foreArm, side ? 1 : { outward: s });
  };
  const legSpec = (s) => pose.legs?.[s > 0 ? 'R' : 'L'] ?? { to: { x: s * build.legGap, y: -1.5 } };
  const leg = (s) => limbJoints(hipOf(s), legSpec(s), build.thigh, build.shin, side ? -1 : -s);

  const joints = {
    view, lean, headLean, pelvis, neckBase, head,
    shoulders: { L: shoulderOf(-1), R: shoulderOf(1) },
    hips: { L: hipOf(-1), R: hipOf(1) },
    arms: { L: arm(-1), R: arm(1) },
    legs: { L: leg(-1), R: leg(1) },
  };
  if (markerPose) joints.marker = markerPose;
  return joints;
}

function foregripPoint(m) {
  const local = { x: MARKER_FOREGRIP.x, y: MARKER_FOREGRIP.y * (m.flip ? -1 : 1) };
  return add(m.at, rotate(scale(local, m.scale ?? 0.8), m.angle));
}

// ---- drawing ----

const LIGHT = { x: -0.6, y: -0.8 };

function normalTowardLight(a, b) {
  const d = sub(b, a);
  const l = len(d) || 1;
  const nrm = { x: -d.y / l, y: d.x / l };
  const facing = nrm.x * LIGHT.x + nrm.y * LIGHT.y;
  return facing >= 0 ? nrm : scale(nrm, -1);
}

const strokeLine = (a, b, width, colour) =>
  el('line', { x1: a.x, y1: a.y, x2: b.x, y2: b.y, stroke: colour, 'stroke-width': width, 'stroke-linecap': 'round' });

// A limb is a chain of segments: ink under all of them, then colour, then a soft highlight.
function limb(segments, o) {
  const ink = segments.map((s) => strokeLine(s.a, s.b, s.w + 2 * o, INK));
  const base = segments.map((s) => strokeLine(s.a, s.b, s.w, shade(s.colour, -0.1)));
  const light = segments.map((s) => {
    const off = scale(normalTowardLight(s.a, s.b), s.w * 0.18);
    return strokeLine(add(s.a, off), add(s.b, off), s.w * 0.5, shade(s.colour, 0.12));
  });
  return [...ink, ...base, ...light].join('');
}

function pad(at, along, w, h, colour, o) {
  const angle = Math.atan2(along.x, along.y) * (-180 / Math.PI);
  return el('rect', {
    x: -w / 2, y: -h / 2, width: w, height: h, rx: Math.min(w, h) * 0.45, fill: colour,
    stroke: INK, 'stroke-width': o * 2, transform: `translate(${pt(at)}) rotate(${n(angle)})`,
  });
}

// Split a segment so a sleeve or a trouser leg can end part way down it.
function splitSegment(a, b, at, w, upper, lower) {
  if (at >= 1) return [{ a, b, w, colour: upper }];
  if (at <= 0) return [{ a, b, w, colour: lower }];
  const m = add(a, scale(sub(b, a), at));
  return [{ a, b: m, w, colour: upper }, { a: m, b, w: w * 0.97, colour: lower }];
}

function legDrawing(hip, joints, b, look, o, shadeBy) {
  const pants = shade(look.pants, shadeBy);
  const below = shade(look.socks ?? look.skin, shadeBy);
  const cover = look.legCover ?? 2;
  const segments = [
    ...splitSegment(hip, joints.mid, cover, b.widths.thigh, pants, shade(look.skin, shadeBy)),
    ...splitSegment(joints.mid, joints.end, cover - 1, b.widths.shin, pants, below),
  ];
  if (look.civilian) return limb(segments, o);
  const shin = sub(joints.end, joints.mid);
  const knee = add(joints.mid, scale(shin, 0.12));
  const kneePad = pad(knee, shin, b.widths.shin * 1.15, 8, shade(look.pads, shadeBy), o);
  return limb(segments, o) + kneePad;
}

function shoe(ankle, facing, b, look, o, shadeBy) {
  const toe = facing === 0 ? { x: 0, y: 2.2 } : { x: facing * 4.2, y: 1.8 };
  const rx = facing === 0 ? b.widths.shin * 0.62 : 6;
  const centre = add(ankle, toe);
  const sole = el('ellipse', { cx: centre.x, cy: centre.y + 0.3, rx, ry: 3, fill: shade(look.shoes, shadeBy), stroke: INK, 'stroke-width': o * 2 });
  const stripe = el('path', { d: `M${pt(add(centre, { x: -rx * 0.6, y: 1.4 }))} L${pt(add(centre, { x: rx * 0.6, y: 1.4 }))}`, stroke: '#FFFFFF', 'stroke-width': 0.9, opacity: 0.8 });
  return sole + stripe;
}

function armDrawing(shoulder, joints, b, look, o, shadeBy) {
  const sleeve = shade(look.jersey, shadeBy);
  const skin = shade(look.skin, shadeBy);
  const cover = look.sleeve ?? 2;
  const segments = [
    ...splitSegment(shoulder, joints.mid, cover, b.widths.upper, sleeve, skin),
    ...splitSegment(joints.mid, joints.end, cover - 1, b.widths.fore, sleeve, skin),
  ];
  if (look.civilian) return limb(segments, o);
  const fore = sub(joints.end, joints.mid);
  const elbowPad = pad(add(joints.mid, scale(fore, 0.1)), fore, b.widths.fore * 1.2, 5.5, shade(look.pads, shadeBy), o);
  return limb(segments, o) + elbowPad;
}

function glove(at, look, o, shadeBy) {
  const colour = look.civilian ? look.skin : look.gloves;
  return el('circle', { cx: at.x, cy: at.y, r: look.civilian ? 2.6 : 3.1, fill: shade(colour, shadeBy), stroke: INK, 'stroke-width': o * 2 });
}

let clipCounter = 0;

function torsoFront(b, look, o, skel, back) {
  const t = b.torso;
  const sh = b.shoulderHalf;
  const outline = `M${n(-sh + 1.5)},${n(-t + 1)} Q0,${n(-t - 1.5)} ${n(sh - 1.5)},${n(-t + 1)} ` +
    `Q${n(sh + 0.8)},${n(-t + 2.5)} ${n(sh)},${n(-t + 7)} L${n(b.waistHalf + 0.6)},${n(-t * 0.42)} ` +
    `Q${n(b.hipHalf + 0.4)},-6 ${n(b.hipHalf)},-3 L${n(-b.hipHalf)},-3 Q${n(-b.hipHalf - 0.4)},-6 ${n(-b.waistHalf - 0.6)},${n(-t * 0.42)} ` +
    `L${n(-sh)},${n(-t + 7)} Q${n(-sh - 0.8)},${n(-t + 2.5)} ${n(-sh + 1.5)},${n(-t + 1)} Z`;
  const id = `torso${clipCounter++}`;
  const clip = el('clipPath', { id }, el('path', { d: outline }));
  const base = el('path', { d: outline, fill: look.jersey });
  const shadeSide = el('rect', { x: sh * 0.35, y: -t - 3, width: sh, height: t + 4, fill: shade(look.jersey, -0.2) });
  const yoke = el('path', { d: `M${n(-sh - 2)},${n(-t + 6)} Q0,${n(-t + 11)} ${n(sh + 2)},${n(-t + 6)} L${n(sh + 2)},${n(-t + 9.5)} Q0,${n(-t + 14.5)} ${n(-sh - 2)},${n(-t + 9.5)} Z`, fill: look.accent });
  const hem = el('rect', { x: -b.hipHalf - 2, y: -7, width: b.hipHalf * 2 + 4, height: 4, fill: shade(look.accent, -0.1) });
  const details = look.torsoDetails ? [look.torsoDetails(b, o)] : back ? backDetails(b, look, o) : frontDetails(b, look, o);
  const kitParts = look.civilian ? [] : [yoke, hem];
  const inner = group([base, ...kitParts, ...details, shadeSide], { 'clip-path': `url(#${id})` });
  const ink = el('path', { d: outline, fill: 'none', stroke: INK, 'stroke-width': o * 2, 'stroke-linejoin': 'round' });
  const transform = `translate(${pt(skel.pelvis)}) rotate(${n(skel.lean)})`;
  return el('defs', {}, clip) + group([inner, ink], { transform });
}

function frontDetails(b, look, o) {
  const t = b.torso;
  const collar = el('path', { d: `M-3.6,${n(-t - 0.4)} L0,${n(-t + 4.5)} L3.6,${n(-t - 0.4)}`, fill: 'none', stroke: INK, 'stroke-width': o * 1.4, 'stroke-linejoin': 'round' });
  const badge = el('circle', { cx: -b.shoulderHalf * 0.42, cy: -t * 0.58, r: 2.4, fill: look.accent, stroke: INK, 'stroke-width': o * 1.2 });
  const belt = el('rect', { x: -b.hipHalf - 1, y: -3.8, width: b.hipHalf * 2 + 2, height: 2.6, fill: INK });
  return [collar, badge, belt];
}

function backDetails(b, look, o) {
  const t = b.torso;
  const number = el('text', { x: 0, y: -t * 0.42, 'font-family': 'Liberation Sans', 'font-weight': 'bold', 'font-size': 12, 'text-anchor': 'middle', fill: look.accent, stroke: INK, 'stroke-width': o * 0.8 }, look.number ?? '7');
  const belt = el('rect', { x: -b.hipHalf - 1, y: -5, width: b.hipHalf * 2 + 2, height: 3.4, fill: INK });
  const pods = [-4.5, 0, 4.5].map((x) =>
    el('rect', { x: x - 1.9, y: -14, width: 3.8, height: 10, rx: 1.6, fill: shade(PALETTE.steel, -0.3), stroke: INK, 'stroke-width': o * 1.2 }));
  return [number, belt, ...pods];
}

function torsoSide(b, look, o, skel) {
  const t = b.torso;
  const outline = `M-5.5,${n(-t + 1)} Q1,${n(-t - 2)} 6.2,${n(-t + 2)} Q8.6,${n(-t * 0.6)} 6.6,-8 L6,-2 L-6.4,-2 L-7,-10 Q-8.4,${n(-t * 0.6)} -5.5,${n(-t + 1)} Z`;
  const id = `torso${clipCounter++}`;
  const clip = el('clipPath', { id }, el('path', { d: outline }));
  const base = el('path', { d: outline, fill: look.jersey });
  const yoke = el('rect', { x: -9, y: -t + 5, width: 18, height: 3.6, fill: look.accent });
  const hem = el('rect', { x: -9, y: -6.5, width: 18, height: 4.5, fill: shade(look.accent, -0.1) });
  const shadeBack = el('rect', { x: -9, y: -t - 3, width: 5, height: t + 4, fill: shade(look.jersey, -0.2) });
  const inner = group([base, yoke, hem, shadeBack], { 'clip-path': `url(#${id})` });
  const ink = el('path', { d: outline, fill: 'none', stroke: INK, 'stroke-width': o * 2, 'stroke-linejoin': 'round' });
  const pack = el('rect', { x: -10, y: -12, width: 5, height: 9, rx: 2, fill: shade(PALETTE.steel, -0.3), stroke: INK, 'stroke-width': o * 1.6 });
  return el('defs', {}, clip) + group([pack, inner, ink], { transform: `translate(${pt(skel.pelvis)}) rotate(${n(skel.lean)})` });
}

function pantsFront(b, look, o, skel) {
  const w = b.hipHalf;
  const d = `M${n(-w)},-4 L${n(w)},-4 L${n(w + 0.6)},3 Q0,5 ${n(-w - 0.6)},3 Z`;
  return el('path', { d, fill: shade(look.pants, -0.05), stroke: INK, 'stroke-width': o * 2, 'stroke-linejoin': 'round', transform: `translate(${pt(skel.pelvis)}) rotate(${n(skel.lean * 0.3)})` });
}

function skirtDrawing(b, look, o, skel) {
  const w = b.hipHalf + 1;
  const drop = look.skirt.length;
  const flare = look.skirt.flare ?? 5;
  const d = `M${n(-w)},-6 L${n(w)},-6 L${n(w + flare)},${n(drop)} Q0,${n(drop + 2)} ${n(-w - flare)},${n(drop)} Z`;
  const folds = [-0.45, 0.1, 0.6].map((k) => `M${n(k * w)},-2 L${n(k * (w + flare))},${n(drop)}`).join(' ');
  return el('path', { d, fill: look.skirt.colour, stroke: INK, 'stroke-width': o * 2, 'stroke-linejoin': 'round', transform: `translate(${pt(skel.pelvis)})` }) +
    el('path', { d: folds, fill: 'none', stroke: shade(look.skirt.colour, -0.25), 'stroke-width': o * 1.2, transform: `translate(${pt(skel.pelvis)})` });
}

function pantsSide(look, o, skel) {
  return el('ellipse', { cx: skel.pelvis.x, cy: skel.pelvis.y - 1, rx: 7, ry: 6, fill: shade(look.pants, -0.05), stroke: INK, 'stroke-width': o * 2 });
}

function neck(skel, b, look, o) {
  const top = add(skel.neckBase, rotate({ x: 0, y: -b.neck - 1.5 }, skel.headLean));
  return strokeLine(skel.neckBase, top, 5.6 + 2 * o, INK) + strokeLine(skel.neckBase, top, 5.6, shade(look.skin, -0.12));
}

// The head in its mask, seen from the front, the side or the back.
function head(skel, b, look, o) {
  const r = b.headR;
  const place = `translate(${pt(skel.head)}) rotate(${n(skel.headLean)})`;
  if (look.face) return group([look.face], { transform: `${place} scale(${n(r / 60)})` });
  const parts = skel.view === 'side' ? headSide(r, look, o) : skel.view === 'back' ? headBack(r, look, o) : headFront(r, look, o);
  return group(parts, { transform: place });
}

function ponytail(r, look, o, swing, centred = false) {
  if (!look.ponytail) return '';
  const root = centred ? { x: 0, y: -r * 0.2 } : { x: r * 0.5, y: -r * 0.7 };
  const tip = centred ? { x: swing * 0.4, y: r * 2.4 } : { x: r * 1.05 + swing * 0.35, y: r * 2.1 };
  const outer = centred ? { x: swing * 0.3 + r * 0.6, y: r * 1.2 } : { x: r * 1.55 + swing * 0.2, y: r * 0.5 };
  const inner = centred ? { x: swing * 0.3 - r * 0.6, y: r * 1.2 } : { x: r * 0.55, y: r * 0.7 };
  const d = `M${pt({ x: root.x - r * 0.35, y: root.y })} Q${pt(outer)} ${pt(tip)} Q${pt(inner)} ${pt({ x: root.x + r * 0.1, y: root.y + r * 0.5 })} Z`;
  return el('path', { d, fill: look.hair, stroke: INK, 'stroke-width': o * 2, 'stroke-linejoin': 'round' });
}

function headFront(r, look, o) {
  const look2 = look.look ?? 0;
  const line = { stroke: INK, 'stroke-width': o * 2, 'stroke-linejoin': 'round' };
  const skull = el('ellipse', { cx: 0, cy: 0, rx: r * 0.92, ry: r, fill: look.skin, ...line });
  const cap = el('path', { d: `M${n(-r * 0.93)},${n(-r * 0.1)} Q${n(-r)},${n(-r * 1.12)} 0,${n(-r * 1.06)} Q${n(r)},${n(-r * 1.12)} ${n(r * 0.93)},${n(-r * 0.1)} Z`, fill: look.headwrap ?? look.hair, ...line });
  const strap = el('rect', { x: -r * 1.02, y: -r * 0.42, width: r * 2.04, height: r * 0.36, fill: INK });
  const guard = el('path', { d: `M${n(-r * 0.78 + look2)},${n(-r * 0.05)} L${n(r * 0.78 + look2)},${n(-r * 0.05)} L${n(r * 0.64 + look2)},${n(r * 0.7)} Q${n(look2)},${n(r * 1.22)} ${n(-r * 0.64 + look2)},${n(r * 0.7)} Z`, fill: look.mask, ...line });
  const vents = [-0.28, 0, 0.28].map((x) => el('rect', { x: look2 + x * r - 0.5, y: r * 0.42, width: 1, height: r * 0.36, rx: 0.5, fill: INK, opacity: 0.7 }));
  const frame = el('rect', { x: -r * 0.98 + look2, y: -r * 0.62, width: r * 1.96, height: r * 0.76, rx: r * 0.3, fill: look.mask, ...line });
  const lens = el('rect', { x: -r * 0.8 + look2, y: -r * 0.5, width: r * 1.6, height: r * 0.52, rx: r * 0.22, fill: look.lens });
  const glint = el('path', { d: `M${n(-r * 0.6 + look2)},${n(-r * 0.12)} L${n(-r * 0.28 + look2)},${n(-r * 0.44)} L${n(-r * 0.1 + look2)},${n(-r * 0.44)} L${n(-r * 0.42 + look2)},${n(-r * 0.12)} Z`, fill: '#FFFFFF', opacity: 0.75 });
  const nod = group([guard, ...vents, frame, lens, glint], { transform: `translate(0,${n((look.nod ?? 0) * r * 0.3)})` });
  return [ponytail(r, look, o, look.swing ?? 0), skull, cap, strap, nod];
}

function headSide(r, look, o) {
  const line = { stroke: INK, 'stroke-width': o * 2, 'stroke-linejoin': 'round' };
  const tail = look.ponytail
    ? el('path', { d: `M${n(-r * 0.6)},${n(-r * 0.5)} Q${n(-r * 1.9)},${n(-r * 0.2 + (look.swing ?? 0) * 0.3)} ${n(-r * 2.3)},${n(r * 0.9 + (look.swing ?? 0))} Q${n(-r * 1.4)},${n(r * 0.3)} ${n(-r * 0.7)},${n(r * 0.2)} Z`, fill: look.hair, ...line })
    : '';
  const skull = el('circle', { cx: 0, cy: 0, r, fill: look.skin, ...line });
  const cap = el('path', { d: `M${n(-r)},${n(r * 0.1)} Q${n(-r * 1.05)},${n(-r * 1.1)} ${n(r * 0.2)},${n(-r * 1.02)} Q${n(r * 0.9)},${n(-r * 0.8)} ${n(r * 0.7)},${n(-r * 0.55)} L${n(-r * 0.2)},${n(-r * 0.4)} Z`, fill: look.headwrap ?? look.hair, ...line });
  const strap = el('path', { d: `M${n(-r * 0.95)},${n(-r * 0.35)} L${n(r * 0.4)},${n(-r * 0.3)}`, stroke: INK, 'stroke-width': r * 0.34 });
  const guard = el('path', { d: `M${n(r * 0.1)},${n(-r * 0.05)} L${n(r * 1.2)},${n(-r * 0.05)} L${n(r * 1.32)},${n(r * 0.55)} Q${n(r * 1.1)},${n(r * 1.05)} ${n(r * 0.35)},${n(r * 1)} Z`, fill: look.mask, ...line });
  const frame = el('rect', { x: r * 0.2, y: -r * 0.66, width: r * 1.05, height: r * 0.72, rx: r * 0.26, fill: look.mask, ...line });
  const lens = el('rect', { x: r * 0.55, y: -r * 0.54, width: r * 0.6, height: r * 0.48, rx: r * 0.16, fill: look.lens });
  const ear = el('circle', { cx: r * 0.15, cy: -r * 0.2, r: r * 0.3, fill: shade(look.mask, -0.15), ...line });
  return [tail, skull, cap, strap, guard, frame, lens, ear];
}

function headBack(r, look, o) {
  const line = { stroke: INK, 'stroke-width': o * 2, 'stroke-linejoin': 'round' };
  const sides = [-1, 1].map((s) => el('rect', { x: s > 0 ? r * 0.7 : -r * 1.02, y: -r * 0.55, width: r * 0.32, height: r * 1.3, rx: r * 0.15, fill: look.mask, ...line }));
  const skull = el('ellipse', { cx: 0, cy: 0, rx: r * 0.92, ry: r, fill: look.headwrap ?? look.hair, ...line });
  const knot = look.headwrap ? el('path', { d: `M0,${n(r * 0.55)} L${n(-r * 0.5)},${n(r * 1.25)} L${n(r * 0.2)},${n(r * 1.05)} Z`, fill: look.headwrap, ...line }) : '';
  const nape = el('path', { d: `M${n(-r * 0.6)},${n(r * 0.55)} Q0,${n(r * 0.95)} ${n(r * 0.6)},${n(r * 0.55)} L${n(r * 0.5)},${n(r * 0.85)} Q0,${n(r * 1.05)} ${n(-r * 0.5)},${n(r * 0.85)} Z`, fill: look.skin, ...line });
  const strap = el('rect', { x: -r * 1.02, y: -r * 0.4, width: r * 2.04, height: r * 0.36, fill: INK });
  const tail = ponytail(r, look, o, look.swing ?? 0, true);
  return [...sides, nape, skull, knot, strap, tail];
}

function markerDrawing(m, o, look) {
  const s = m.scale ?? 0.8;
  const transform = `translate(${pt(m.at)}) rotate(${n(m.angle)}) scale(${n(s)},${n(s * (m.flip ? -1 : 1))})`;
  return group([marker(o / s, look.markerColour, look.hopper)], { transform });
}

// Where a paintball burst on the jersey.
function hitMark(skel, hit, o) {
  const at = add(skel.pelvis, rotate(hit.at, skel.lean));
  return splat(at.x, at.y, hit.radius ?? 5, hit.colour, hit.seed ?? 3, o * 0.7);
}

function trophyDrawing(at, o) {
  return group([trophy(o)], { transform: `translate(${pt(at)})` });
}

// Draws the posed figure, in figure units, back to front.
export function drawFigure(build, look, pose, pxPerUnit, outlinePx = 1.7) {
  const o = outlinePx / 2 / pxPerUnit;
  const skel = skeleton(build, pose);
  const view = skel.view;
  const legL = legDrawing(skel.hips.L, skel.legs.L, build, look, o, view === 'side' ? -0.22 : 0);
  const legR = legDrawing(skel.hips.R, skel.legs.R, build, look, o, 0);
  const shoeL = shoe(skel.legs.L.end, view === 'side' ? 1 : view === 'back' ? 0 : -0.35, build, look, o, view === 'side' ? -0.22 : 0);
  const shoeR = shoe(skel.legs.R.end, view === 'side' ? 1 : view === 'back' ? 0 : 0.35, build, look, o, 0);
  const armL = armDrawing(skel.shoulders.L, skel.arms.L, build, look, o, view === 'side' ? -0.22 : 0);
  const armR = armDrawing(skel.shoulders.R, skel.arms.R, build, look, o, 0);
  const gloveL = glove(skel.arms.L.end, look, o, view === 'side' ? -0.22 : 0);
  const gloveR = glove(skel.arms.R.end, look, o, 0);
  const gun = skel.marker ? markerDrawing(skel.marker, o, look) : '';
  const cup = pose.trophyAt ? trophyDrawing(pose.trophyAt, o) : '';
  const hit = pose.hit ? hitMark(skel, pose.hit, o) : '';
  const torso = (view === 'side' ? torsoSide(build, look, o, skel) : torsoFront(build, look, o, skel, view === 'back')) + hit;
  const pants = view === 'side' ? pantsSide(look, o, skel) : pantsFront(build, look, o, skel);
  const skirt = look.skirt ? skirtDrawing(build, look, o, skel) : '';
  const theHead = neck(skel, build, look, o) + head(skel, build, { ...look, look: (pose.look ?? 0) * build.headR * 0.18, swing: pose.swing ?? 6, nod: pose.nod ?? 0 }, o);
  const layers = view === 'side'
    ? [armL, gloveL, legL + shoeL, legR + shoeR, pants, torso, theHead, armR, gun, gloveR, cup]
    : view === 'back'
      ? [gun, cup, legL + shoeL, legR + shoeR, pants, torso, theHead, armL, armR, gloveL, gloveR]
      : [legL + shoeL, legR + shoeR, pants, skirt, torso, theHead, armL, armR, gun, cup, gloveL, gloveR];
  return layers.join('');
}
