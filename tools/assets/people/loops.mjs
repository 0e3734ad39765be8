// Poses that move: each takes a phase t in [0, 1) and comes back to where it began at t = 1.
import { PALETTE } from './svg.mjs';
import { standingPelvisY } from './figure.mjs';

const TAU = Math.PI * 2;
const wave = (t, cycles = 1, offset = 0) => Math.sin(TAU * (t * cycles + offset));

export const frames = (count, poseAt) => Array.from({ length: count }, (_, i) => poseAt(i / count));

// Two jumps a loop: up with a fist pump and the marker raised, down into a crouch.
export function celebrating(build) {
  const py = standingPelvisY(build);
  return (t) => {
    const beat = wave(t, 2);
    const air = Math.max(0, beat) * 9;
    const crouch = Math.max(0, -beat) * 5;
    const pelvisY = py - air + crouch;
    const footLift = air * 0.55;
    const shoulderY = pelvisY - build.torso + 3;
    return {
      pelvis: { x: 0, y: pelvisY },
      legs: { L: { to: { x: -6.5, y: -1.5 - footLift } }, R: { to: { x: 6.5, y: -1.5 - footLift } } },
      arms: {
        L: { to: { x: -13 - beat * 2, y: shoulderY - 15 - beat * 9 } },
        R: { to: { x: 21, y: shoulderY - 7 - beat * 4 } },
      },
      marker: { hand: 'R', angle: -56 - beat * 8 },
      headTilt: -3 * beat, look: 0, swing: 4 - beat * 6,
    };
  };
}

// Shoulders down, marker dragging on the ground, a hand to the mask and a slow shake of the head.
export function slumping(build) {
  const py = standingPelvisY(build);
  return (t) => {
    const sigh = wave(t);
    const shake = wave(t, 2);
    const pelvisY = py + 3 + sigh * 0.8;
    const headY = pelvisY - build.torso - build.neck - build.headR * 0.85 + 3;
    return {
      pelvis: { x: 0, y: pelvisY }, lean: sigh * 1.5,
      legs: { L: { to: { x: -6, y: -1.5 } }, R: { to: { x: 5.5, y: -1.5 } } },
      arms: {
        L: { to: { x: -2.5 + shake * 1.2, y: headY + 4 }, bend: 1 },
        R: { to: { x: 13.5, y: py + 6 + sigh * 0.8 } },
      },
      marker: { hand: 'R', angle: 104 + sigh * 2 },
      headDrop: 3, headTilt: shake * 6, nod: 0.6, look: shake * 0.6, swing: 2 + shake * 2,
      hit: { at: { x: 3, y: -build.torso * 0.62 }, radius: 5.2, colour: PALETTE.magenta, seed: 11 },
    };
  };
}

// Holding the cup high and pumping it: a bounce on the toes once per loop.
export function liftingTrophy(build) {
  const py = standingPelvisY(build);
  return (t) => {
    const lift = wave(t, 1, -0.25) * 0.5 + 0.5;
    const shoulderY = py - build.torso + 3 + lift * -1.5;
    const hands = { x: 0, y: shoulderY - 22 - lift * 9 };
    return {
      pelvis: { x: 0, y: py - lift * 1.5 },
      legs: { L: { to: { x: -6, y: -1.5 } }, R: { to: { x: 6, y: -1.5 } } },
      arms: { L: { to: { x: hands.x - 4.5, y: hands.y } }, R: { to: { x: hands.x + 4.5, y: hands.y } } },
      trophyAt: { x: hands.x, y: hands.y + 1 },
      headTilt: 0, look: 0, swing: 5 + lift * 3,
    };
  };
}

// A running stride seen from the side, marker held across the chest; nine frames a stride.
export function running(build) {
  const py = standingPelvisY(build);
  return (t) => {
    const a = TAU * t;
    const stride = (phase) => {
      const s = Math.sin(a + phase);
      const c = Math.cos(a + phase);
      const thigh = s * 33;
      const knee = -(c > 0 ? 20 + c * 70 : 20 + c * 10);
      return { first: thigh, second: knee };
    };
    const bob = Math.abs(Math.cos(a)) * 2.5;
    return {
      view: 'side', lean: 14, pelvis: { x: 0, y: py + 4 - bob },
      legs: { L: stride(Math.PI), R: stride(0) },
      arms: { R: { to: { x: 9, y: py - 11 - bob + Math.sin(a) * 1.2 }, bend: 1 }, L: { grip: true, bend: 1 } },
      marker: { hand: 'R', angle: -18 + Math.sin(a) * 3, scale: 0.75 },
      headTilt: -8, swing: Math.sin(a) * 3,
    };
  };
}
