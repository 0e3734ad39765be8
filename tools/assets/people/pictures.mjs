// Every people picture of every screen: where it goes, its size, and its drawing.
import { document } from './svg.mjs';
import { FACES, facePortrait, blankPortrait, maskedPortrait, LARGE_OUTLINE, SMALL_OUTLINE } from './portraits.mjs';

import { TEAM, OPPONENT, OPPONENT_B, suit } from './kits.mjs';
import { lineupPoses, lineupFigure, stripFigure } from './lineup.mjs';
import { PALETTE } from './svg.mjs';

const picture = (form, image, width, height, body, viewBox) =>
  ({ form, image, width, height, svg: document(width, height, body, viewBox) });

const CARD = '0 0 320 240';

function portraits() {
  const large = FACES.map((f, i) => picture(2, 17 + i, 320, 240, facePortrait(f, LARGE_OUTLINE)));
  const small = FACES.map((f, i) => picture(7, 14 + i, 62, 47, facePortrait(f, SMALL_OUTLINE), CARD));
  return [
    ...large, ...small,
    picture(2, 37, 320, 240, blankPortrait(LARGE_OUTLINE)),
    picture(7, 13, 62, 47, blankPortrait(SMALL_OUTLINE), CARD),
    picture(2, 45, 320, 240, maskedPortrait(LARGE_OUTLINE)),
    picture(7, 45, 62, 47, maskedPortrait(SMALL_OUTLINE), CARD),
  ];
}

function lineup() {
  const set = (kit, first) => lineupPoses(kit.build).map((pose, i) => picture(7, first + i, 96, 255, lineupFigure(kit, pose)));
  return [...set(TEAM.female, 34), ...set(TEAM.male, 38)];
}

function strip() {
  return [
    picture(8, 7, 38, 100, stripFigure(suit(TEAM.female, PALETTE.blue))),
    picture(8, 8, 38, 100, stripFigure(suit(TEAM.male, PALETTE.steel))),
    picture(8, 9, 38, 100, stripFigure(suit(OPPONENT, PALETTE.red))),
    picture(8, 10, 38, 100, stripFigure(suit(OPPONENT_B, PALETTE.red))),
  ];
}

export const pictures = () => [...portraits(), ...lineup(), ...strip()];
