// Every people picture of every screen: where it goes, its size, and its drawing.
import { document } from './svg.mjs';
import { FACES, facePortrait, blankPortrait, maskedPortrait, LARGE_OUTLINE, SMALL_OUTLINE } from './portraits.mjs';

import { TEAM, OPPONENT, OPPONENT_B, suit } from './kits.mjs';
import { lineupPoses, lineupFigure, stripFigure } from './lineup.mjs';
import { PALETTE } from './svg.mjs';
import { frames, celebrating, slumping, liftingTrophy, running } from './loops.mjs';
import { placed } from './lineup.mjs';
import { pedestal } from './gear.mjs';
import { RECRUITS, recruitPhoto } from './recruits.mjs';
import { leftOpponent, rightOpponent, traineeView, opponentHit, traineeHit } from './duel.mjs';
import { standingPelvisY } from './figure.mjs';

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

function resultLoops() {
  const kit = TEAM.female;
  const draw = (pose) => placed(kit, pose, 100, 292, 2.2);
  const victory = frames(18, celebrating(kit.build)).map((pose, i) => picture(9, 7 + i, 200, 300, draw(pose)));
  const defeat = frames(18, slumping(kit.build)).map((pose, i) => picture(9, 25 + i, 200, 300, draw(pose)));
  return [...victory, ...defeat];
}

function runner() {
  const kit = TEAM.male;
  return frames(9, running(kit.build)).map((pose, i) => picture(17, 1 + i, 100, 200, placed(kit, pose, 53, 194, 1.6)));
}

// Feet just above row 447, where the pedestal picture is drawn over the figure's lower edge.
const PODIUM_GROUND = 446;

function cheeringPoses() {
  const male = standingPelvisY(TEAM.male.build);
  const female = standingPelvisY(TEAM.female.build);
  return {
    left: { marker: { hand: 'L', angle: -105 }, arms: { L: { to: { x: -11, y: male - 20 } }, R: { to: { x: 14, y: male - 58 } } }, legs: { L: { to: { x: -6, y: -1.5 } }, R: { to: { x: 6.5, y: -1.5 } } }, headTilt: 5, look: 1 },
    right: { marker: { hand: 'R', angle: -75, flip: true }, arms: { R: { to: { x: 11, y: female - 20 } }, L: { to: { x: -14, y: female - 56 } } }, legs: { L: { to: { x: -6, y: -1.5 } }, R: { to: { x: 6, y: -1.5 } } }, headTilt: -5, look: -1, swing: 9 },
  };
}

function tourVictory() {
  const poses = cheeringPoses();
  const champion = TEAM.female;
  const trophyFrames = frames(10, liftingTrophy(champion.build))
    .map((pose, i) => picture(11, 4 + i, 250, 500, placed(champion, pose, 125, PODIUM_GROUND, 3.0)));
  return [
    picture(11, 1, 249, 117, pedestal(249, 117)),
    picture(11, 2, 250, 500, placed(TEAM.male, poses.left, 125, PODIUM_GROUND, 3.0)),
    picture(11, 3, 250, 500, placed({ ...TEAM.female, look: { ...TEAM.female.look, hair: '#1F1A1C' } }, poses.right, 125, PODIUM_GROUND, 3.0)),
    ...trophyFrames,
  ];
}

const recruitPhotos = () => RECRUITS.map((r, i) => picture(12, 1 + i, 300, 600, recruitPhoto(r)));

function tagDuel() {
  return [
    picture(18, 1, 101, 210, leftOpponent(false)),
    picture(18, 2, 101, 210, leftOpponent(true)),
    picture(18, 3, 266, 175, rightOpponent(false)),
    picture(18, 4, 266, 175, rightOpponent(true)),
    picture(18, 5, 340, 281, traineeView(-1)),
    picture(18, 6, 340, 281, traineeView(0)),
    picture(18, 7, 340, 281, traineeView(1)),
    picture(18, 10, 100, 100, opponentHit()),
    picture(18, 11, 150, 150, traineeHit()),
  ];
}

export const pictures = () => [
  ...portraits(), ...lineup(), ...strip(), ...resultLoops(), ...runner(), ...tourVictory(), ...recruitPhotos(), ...tagDuel(),
];
