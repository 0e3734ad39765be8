// What the players wear: the team's two kits, the opposition's, and one per recruit.
import { INK, PALETTE, shade } from './svg.mjs';
import { BUILDS } from './figure.mjs';

const gearDark = '#2A3142';

const kit = (jersey, extra = {}) => ({
  jersey, accent: INK, pants: '#2E3B55', pads: '#3A4358', gloves: gearDark, shoes: gearDark,
  mask: '#27406B', lens: '#3E7CB8', skin: '#E3AC86', hair: '#7A4A26', markerColour: '#5B6B8C', hopper: PALETTE.yellow,
  ...extra,
});

// Set A and the blue strip figure are the women's kit, set B and the grey one the men's.
export const TEAM = {
  female: { build: BUILDS.female, look: kit(PALETTE.blue, { accent: PALETTE.orange, ponytail: true, hair: '#7A4A26', number: '5' }) },
  male: { build: BUILDS.male, look: kit(PALETTE.steel, { accent: PALETTE.orange, headwrap: PALETTE.orange, skin: '#C98E66', number: '12' }) },
};

export const OPPONENT = { build: BUILDS.male, look: kit(PALETTE.red, { accent: INK, pants: shade(PALETTE.red, -0.45), mask: INK, lens: '#6A4A8A', headwrap: INK, number: '3' }) };
export const OPPONENT_B = { build: BUILDS.female, look: kit(PALETTE.red, { accent: PALETTE.yellow, pants: shade(PALETTE.red, -0.45), mask: INK, lens: '#6A4A8A', ponytail: true, hair: '#1F1A1C', number: '9' }) };

// The whole suit in one colour, for the small strip figures of the match.
export function suit(base, colour) {
  return { build: base.build, look: { ...base.look, jersey: colour, pants: shade(colour, -0.3), accent: shade(colour, -0.45), pads: shade(colour, -0.5), headwrap: base.look.headwrap ? shade(colour, -0.45) : undefined } };
}
