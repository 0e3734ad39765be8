// The standing team players: four line-up poses per kit and the small strip figures.
import { group, n } from './svg.mjs';
import { drawFigure, standingPelvisY } from './figure.mjs';
import { groundShadow } from './gear.mjs';

// A figure standing on the ground at (x, groundY) of the picture, px pixels per figure unit.
export function placed({ build, look }, pose, x, groundY, px, outlinePx = 1.7) {
  const shadow = groundShadow(0, 0.5, 16, 2.6);
  return group([shadow, drawFigure(build, look, pose, px, outlinePx)], { transform: `translate(${n(x)},${n(groundY)}) scale(${n(px)})` });
}

// Four poses that differ enough for the line-up to fidget: at ease, marker down,
// marker shouldered with a wave, and a ready stance looking aside.
export function lineupPoses(build) {
  const py = standingPelvisY(build);
  return [
    { marker: { hand: 'R', angle: -127, flip: true }, arms: { R: { to: { x: 7, y: py - 4 } }, L: { grip: true } } },
    {
      marker: { hand: 'R', angle: 96 }, arms: { R: { to: { x: 14, y: py + 3 } }, L: { to: { x: -10, y: py - 3 }, bend: 1 } },
      legs: { L: { to: { x: -7.5, y: -1.5 } } }, headTilt: -7, look: -1, swing: 3,
    },
    {
      marker: { hand: 'R', angle: -78, flip: true }, arms: { R: { to: { x: 11, y: py - 15 } }, L: { to: { x: -12, y: py - 58 }, bend: 1 } },
      legs: { R: { to: { x: 6, y: -1.5 } } }, headTilt: 4, look: 1, swing: 8,
    },
    {
      lean: -4, marker: { hand: 'L', angle: -50 }, arms: { L: { to: { x: -8, y: py - 3 } }, R: { grip: true } },
      legs: { L: { to: { x: -9, y: -1.5 } }, R: { to: { x: 7, y: -1.5 } } }, pelvis: { x: -1, y: py + 1.5 }, headTilt: 6, look: 1, swing: 4,
    },
  ];
}

export const lineupFigure = (kit, pose) => placed(kit, pose, 48, 250, 2.3);

export const stripFigure = (kit) => placed(kit, lineupPoses(kit.build)[0], 19, 98, 0.92, 1.5);
