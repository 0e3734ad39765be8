// The twenty team faces, the blank face and the recruits' masked face, as 320 x 240 cards.
import { INK, PALETTE, el, group, shade } from './svg.mjs';
import { SKIN, HAIR, bust, portraitCard } from './face.mjs';

const P = PALETTE;

const shape = (width, length, jaw, chin, cheek = 1, top = 70) => ({ width, length, jaw, chin, cheek, top });

// Face numbers 1..10 are women, 11..20 men.
export const FACES = [
  { id: 1, skin: SKIN.porcelain, hair: HAIR.blonde, hairStyle: 'long', shape: shape(54, 76, 0.74, 0.3), eyes: 'round', eyeColour: 'blue', brows: 'arched', mouth: 'smile', lashes: true, blush: true, age: 24, shirt: P.orange, tint: P.blue, lips: '#C8505A' },
  { id: 2, skin: SKIN.brown, hair: HAIR.black, hairStyle: 'afro', shape: shape(58, 74, 0.82, 0.4), eyes: 'round', eyeColour: 'darkBrown', brows: 'soft', mouth: 'grin', lashes: true, age: 27, shirt: P.green, tint: P.yellow, earrings: P.yellow },
  { id: 3, skin: SKIN.olive, hair: HAIR.darkBrown, hairStyle: 'bob', shape: shape(56, 72, 0.7, 0.24, 1.02), eyes: 'almond', eyeColour: 'hazel', brows: 'straight', mouth: 'soft', lashes: true, age: 31, shirt: P.blue, tint: P.magenta, glasses: '#7A2C52', lips: '#B04A5A' },
  { id: 4, skin: SKIN.light, hair: HAIR.ginger, hairStyle: 'ponytail', shape: shape(52, 82, 0.72, 0.3), eyes: 'round', eyeColour: 'green', brows: 'soft', mouth: 'open', lashes: true, freckles: true, age: 20, shirt: P.magenta, tint: P.green, accessory: P.green },
  { id: 5, skin: SKIN.peach, hair: HAIR.black, hairStyle: 'bangs', shape: shape(55, 72, 0.8, 0.34), eyes: 'narrow', eyeColour: 'darkBrown', brows: 'straight', mouth: 'smile', lashes: true, blush: true, age: 23, shirt: P.yellow, tint: P.orange },
  { id: 6, skin: SKIN.light, hair: HAIR.grey, hairStyle: 'pixie', shape: shape(56, 76, 0.78, 0.34), eyes: 'almond', eyeColour: 'grey', brows: 'soft', mouth: 'smile', lashes: true, age: 54, shirt: P.steel, tint: P.blue, glasses: INK, browColour: '#8A8A8E' },
  { id: 7, skin: SKIN.tan, hair: HAIR.black, hairStyle: 'braids', shape: shape(53, 78, 0.72, 0.28), eyes: 'almond', eyeColour: 'brown', brows: 'arched', mouth: 'smirk', lashes: true, age: 26, shirt: P.orange, tint: P.magenta, earrings: '#C9CED8', lips: '#8E3B3B' },
  { id: 8, skin: SKIN.olive, hair: HAIR.brown, hairStyle: 'curlyBig', shape: shape(58, 70, 0.86, 0.42, 1.04), eyes: 'round', eyeColour: 'brown', brows: 'soft', mouth: 'open', lashes: true, browThick: 6, blush: true, age: 29, shirt: P.green, tint: P.orange },
  { id: 9, skin: SKIN.porcelain, hair: HAIR.black, hairStyle: 'bun', shape: shape(56, 74, 0.9, 0.44), eyes: 'almond', eyeColour: 'blue', brows: 'angled', mouth: 'soft', lashes: true, age: 35, shirt: P.blue, tint: P.red, lips: '#C0283A' },
  { id: 10, skin: SKIN.deep, hair: HAIR.black, hairStyle: 'crop', shape: shape(52, 84, 0.7, 0.3), eyes: 'round', eyeColour: 'darkBrown', brows: 'arched', mouth: 'grin', lashes: true, age: 22, shirt: P.magenta, tint: P.yellow, headband: P.yellow, earrings: P.yellow },
  { id: 11, male: true, skin: SKIN.light, hair: HAIR.brown, hairStyle: 'short', shape: shape(60, 78, 0.96, 0.5, 1.02), eyes: 'almond', eyeColour: 'blue', brows: 'straight', browThick: 6, mouth: 'smile', facialHair: 'stubble', age: 30, shirt: P.blue, tint: P.orange },
  { id: 12, male: true, skin: SKIN.deep, hair: HAIR.black, hairStyle: 'bald', shape: shape(62, 76, 0.92, 0.5, 1.04), eyes: 'round', eyeColour: 'darkBrown', brows: 'straight', browThick: 7, mouth: 'grin', facialHair: 'beard', age: 36, shirt: P.orange, tint: P.green },
  { id: 13, male: true, skin: SKIN.peach, hair: HAIR.black, hairStyle: 'spiky', shape: shape(56, 76, 0.84, 0.4), eyes: 'narrow', eyeColour: 'darkBrown', brows: 'angled', browThick: 6, mouth: 'neutral', age: 21, shirt: P.green, tint: P.blue },
  { id: 14, male: true, skin: SKIN.light, hair: HAIR.grey, hairStyle: 'receding', shape: shape(60, 80, 0.86, 0.42), eyes: 'almond', eyeColour: 'grey', brows: 'soft', browThick: 7, mouth: 'smile', facialHair: 'moustache', beardColour: HAIR.grey, age: 61, shirt: P.steel, tint: P.yellow, glasses: '#6B4A2A', browColour: '#77777B' },
  { id: 15, male: true, skin: SKIN.porcelain, hair: HAIR.ginger, hairStyle: 'curlyShort', shape: shape(54, 84, 0.76, 0.34), eyes: 'round', eyeColour: 'green', brows: 'soft', mouth: 'grin', freckles: true, age: 19, shirt: P.yellow, tint: P.magenta },
  { id: 16, male: true, skin: SKIN.tan, hair: HAIR.black, hairStyle: 'sidePart', shape: shape(57, 78, 0.8, 0.36), eyes: 'almond', eyeColour: 'brown', brows: 'arched', browThick: 5.5, mouth: 'smirk', facialHair: 'moustache', age: 33, shirt: P.magenta, tint: P.green },
  { id: 17, male: true, skin: SKIN.light, hair: HAIR.ashBlonde, hairStyle: 'buzz', shape: shape(55, 86, 0.9, 0.48), eyes: 'narrow', eyeColour: 'blue', brows: 'straight', browThick: 5, mouth: 'neutral', age: 27, shirt: P.green, tint: P.red, browColour: '#9C8A5E' },
  { id: 18, male: true, skin: SKIN.brown, hair: HAIR.black, hairStyle: 'twists', shape: shape(58, 78, 0.84, 0.38), eyes: 'round', eyeColour: 'darkBrown', brows: 'soft', browThick: 6, mouth: 'smile', facialHair: 'goatee', age: 25, shirt: P.blue, tint: P.yellow },
  { id: 19, male: true, skin: SKIN.olive, hair: HAIR.darkBrown, hairStyle: 'manBun', shape: shape(59, 80, 0.9, 0.46), eyes: 'almond', eyeColour: 'hazel', brows: 'straight', browThick: 7, mouth: 'smile', facialHair: 'beard', age: 34, shirt: P.orange, tint: P.blue },
  { id: 20, male: true, skin: SKIN.peach, hair: HAIR.black, hairStyle: 'curlyShort', shape: shape(62, 72, 0.92, 0.5, 1.05), eyes: 'round', eyeColour: 'brown', brows: 'angled', browThick: 8, mouth: 'open', age: 40, shirt: P.steel, tint: P.green, glasses: INK, facialHair: 'stubble' },
];

const withDefaults = (f) => ({ gaze: 0, shirtAccent: INK, ...f, shirtAccent: f.shirt === P.steel ? P.orange : INK });

// Each face sits on its card centred slightly above the middle.
const FACE_CENTRE = { x: 160, y: 100 };

export function facePortrait(face, o) {
  const p = withDefaults(face);
  const drawn = group([bust(p, o)], { transform: `translate(${FACE_CENTRE.x},${FACE_CENTRE.y}) scale(0.84)` });
  return portraitCard(p.tint, o * 1.4, drawn);
}

export function blankPortrait(o) {
  const grey = '#A4ABB8';
  const head = el('ellipse', { cx: 160, cy: 96, rx: 52, ry: 62, fill: grey });
  const shoulders = el('path', { d: 'M34,250 Q40,176 108,166 Q160,186 212,166 Q280,176 286,250 Z', fill: grey });
  const neck = el('rect', { x: 136, y: 140, width: 48, height: 40, fill: grey });
  const mark = el('text', { x: 160, y: 128, 'font-family': 'Liberation Sans', 'font-weight': 'bold', 'font-size': 96, 'text-anchor': 'middle', fill: '#FFFFFF', stroke: shade(grey, -0.3), 'stroke-width': o }, '?');
  return portraitCard(P.steel, o * 1.4, [neck, shoulders, head, mark].join(''));
}

// A recruit arrives in full head gear: helmet, goggles and mouth guard.
export function maskedPortrait(o) {
  const line = { stroke: INK, 'stroke-width': o, 'stroke-linejoin': 'round' };
  const jersey = el('path', { d: 'M22,250 Q30,178 106,166 Q160,196 214,166 Q290,178 298,250 Z', fill: P.orange, ...line });
  const yoke = el('path', { d: 'M40,208 Q60,176 106,168 Q160,196 214,168 Q262,176 280,208 Q160,232 40,208 Z', fill: INK, opacity: 0.9 });
  const neck = el('rect', { x: 132, y: 140, width: 56, height: 40, fill: '#2A3142', ...line });
  const helmet = el('path', { d: 'M92,112 Q88,34 160,30 Q232,34 228,112 Z', fill: P.blue, ...line });
  const ridge = el('path', { d: 'M160,31 L160,70', stroke: shade(P.blue, -0.35), 'stroke-width': 10, 'stroke-linecap': 'round' });
  const shine = el('path', { d: 'M112,72 Q118,46 146,40', fill: 'none', stroke: '#FFFFFF', 'stroke-width': 7, 'stroke-linecap': 'round', opacity: 0.55 });
  const guard = el('path', { d: 'M104,110 L216,110 L204,160 Q160,186 116,160 Z', fill: '#27406B', ...line });
  const vents = [-22, -8, 8, 22].map((x) => el('rect', { x: 160 + x - 3, y: 132, width: 6, height: 22, rx: 3, fill: INK, opacity: 0.75 })).join('');
  const ears = [-1, 1].map((s) => el('ellipse', { cx: 160 + s * 64, cy: 108, rx: 12, ry: 22, fill: '#27406B', ...line })).join('');
  const frame = el('rect', { x: 94, y: 76, width: 132, height: 46, rx: 18, fill: '#27406B', ...line });
  const lens = el('rect', { x: 104, y: 83, width: 112, height: 32, rx: 13, fill: '#3E7CB8' });
  const glint = el('path', { d: 'M118,110 L134,88 L146,88 L130,110 Z', fill: '#FFFFFF', opacity: 0.7 });
  const strap = el('rect', { x: 86, y: 90, width: 10, height: 20, fill: INK });
  const strap2 = el('rect', { x: 224, y: 90, width: 10, height: 20, fill: INK });
  return portraitCard(P.orange, o * 1.4, [jersey, yoke, neck, ears, helmet, ridge, shine, guard, vents, strap, strap2, frame, lens, glint].join(''));
}

export const LARGE_OUTLINE = 2.6;
// The small cards are the same drawing; heavier lines keep them readable at a fifth of the size.
export const SMALL_OUTLINE = 5.2;

