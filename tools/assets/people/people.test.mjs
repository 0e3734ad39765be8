// Checks of the people generator: run with `node --test tools/assets/people/`.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { reach, skeleton, BUILDS } from './figure.mjs';
import { celebrating, slumping, liftingTrophy, running } from './loops.mjs';
import { pictures } from './pictures.mjs';
import { FACES } from './portraits.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const manifest = path.join(here, '../../../assets/pictures/manifest.tsv');

const distance = (a, b) => Math.hypot(a.x - b.x, a.y - b.y);

test('a limb reaches a target within its length and keeps its bone lengths', () => {
  for (const bend of [1, -1]) {
    const { mid, end } = reach({ x: 0, y: 0 }, { x: 10, y: 20 }, 16, 15, bend);
    assert.ok(distance(end, { x: 10, y: 20 }) < 1e-6);
    assert.ok(Math.abs(distance({ x: 0, y: 0 }, mid) - 16) < 1e-6);
    assert.ok(Math.abs(distance(mid, end) - 15) < 1e-6);
  }
});

test('a target out of reach stretches the limb straight toward it', () => {
  const { mid, end } = reach({ x: 0, y: 0 }, { x: 0, y: 100 }, 16, 15, 1);
  assert.ok(Math.abs(end.y - 31) < 0.05 && Math.abs(end.x) < 0.05);
  assert.ok(Math.abs(mid.x) < 0.5);
});

test('the second hand stays on the marker in every pose that grips it', () => {
  const build = BUILDS.male;
  const pose = running(build)(0.3);
  const joints = skeleton(build, pose);
  const hand = joints.arms.L.end;
  assert.ok(distance(hand, joints.marker.at) < 12, 'fore grip lies near the trigger hand');
});

// Every loop must come back to its first frame, or the animation jumps at the seam.
test('every animation loop joins up where it started', () => {
  const loops = { celebrating, slumping, liftingTrophy, running };
  for (const [name, make] of Object.entries(loops)) {
    for (const build of Object.values(BUILDS)) {
      const at = make(build);
      const start = skeleton(build, at(0));
      const end = skeleton(build, at(1));
      for (const joint of ['head', 'pelvis', 'neckBase']) {
        assert.ok(distance(start[joint], end[joint]) < 1e-6, `${name}: ${joint} jumps at the seam`);
      }
      assert.ok(distance(start.arms.L.end, end.arms.L.end) < 1e-6, `${name}: hand jumps at the seam`);
    }
  }
});

// Which side of the shoulder-to-hand line the elbow lies on; a change between frames is a flip.
function elbowSide(joints, side) {
  const shoulder = joints.shoulders[side];
  const { mid, end } = joints.arms[side];
  return Math.sign((end.x - shoulder.x) * (mid.y - shoulder.y) - (end.y - shoulder.y) * (mid.x - shoulder.x));
}

test('no elbow flips over from one frame to the next in the loops', () => {
  const loops = { celebrating: 18, slumping: 18, liftingTrophy: 10, running: 9 };
  const makers = { celebrating, slumping, liftingTrophy, running };
  for (const [name, count] of Object.entries(loops)) {
    for (const build of Object.values(BUILDS)) {
      const at = makers[name](build);
      const sides = Array.from({ length: count }, (_, i) => skeleton(build, at(i / count)));
      for (const arm of ['L', 'R']) {
        const first = elbowSide(sides[0], arm);
        sides.forEach((joints, i) => assert.equal(elbowSide(joints, arm), first, `${name}: ${arm} elbow flips in frame ${i + 1}`));
      }
    }
  }
});

test('every people picture has the size the picture list gives it', () => {
  const sizes = new Map(fs.readFileSync(manifest, 'utf8').trim().split('\n').slice(1)
    .map((row) => row.split('\t')).map(([form, image, w, h]) => [`${form}/${image}`, [Number(w), Number(h)]]));
  const made = pictures();
  const names = new Set();
  for (const p of made) {
    const key = `TForm${p.form}/Image${p.image}`;
    assert.ok(!names.has(key), `${key} drawn twice`);
    names.add(key);
    assert.deepEqual([p.width, p.height], sizes.get(key), `${key} size`);
  }
  assert.equal(made.length, 133);
});

test('the twenty faces are twenty different people', () => {
  const looks = new Set(FACES.map((f) => [f.skin, f.hair, f.hairStyle, f.shape.width, f.shape.length].join('|')));
  assert.equal(looks.size, 20);
  assert.deepEqual(FACES.map((f) => Boolean(f.male)), [...Array(10).fill(false), ...Array(10).fill(true)]);
});
