// The worklet's mixer under node: its voices follow the game's rules to the sample, also for
// requests that arrive after their sample has been played.
// usage: node sound_worklet_test.mjs
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import vm from 'node:vm';
import {fileURLToPath} from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const source = fs.readFileSync(path.join(here, '../../src/platform/web/sound_worklet.js'), 'utf8');
const SplatvaneVoices = vm.runInNewContext(source + '\nSplatvaneVoices;', {});

const BLOCK = 128;

// Two sounds: a ramp 1, 2, 3, ... of 300 samples, and a loud one of 1000.
function mixer() {
  const told = [];
  const voices = new SplatvaneVoices((message) => told.push(message));
  voices.take({sound: 0, samples: Int16Array.from({length: 300}, (unused, i) => i + 1)});
  voices.take({sound: 1, samples: new Int16Array(1000).fill(32700)});
  return {voices, told};
}

// Renders blocks from frame `begin` up to `until`; returns their samples as the game's whole numbers.
function play(voices, until, begin = 0) {
  const out = [];
  for (let from = begin; from < until; from += BLOCK) {
    const block = new Float32Array(BLOCK);
    voices.render(block, from);
    out.push(...Array.from(block, (sample) => Math.round(sample * 32768)));
  }
  return out;
}

const tests = {
  'a request on time sounds from its very sample, and the sound ends where it ends'() {
    const {voices, told} = mixer();
    voices.take({request: 'play', sound: 0, at: 200, posted: 150});
    const out = play(voices, 1024);
    assert.equal(out[199], 0);
    assert.deepEqual(out.slice(200, 203), [1, 2, 3]);
    assert.equal(out[499], 300);
    assert.equal(out[500], 0);
    assert.deepEqual(JSON.parse(JSON.stringify(told)), [{started: 0, at: 200, due: 200, posted: 150}]);
  },
  'a late play misses only the samples gone, and the voice ends where the game\'s does'() {
    const {voices} = mixer();
    play(voices, 256);
    voices.take({request: 'play', sound: 0, at: 200, posted: 150});
    const out = play(voices, 1024, 256);
    assert.equal(out[0], 57);  // sample 256 is the 57th of the sound
    assert.equal(out[499 - 256], 300);
    assert.equal(out[500 - 256], 0);
  },
  'a late stop and play continue where the game\'s voice stopped'() {
    const {voices} = mixer();
    voices.take({request: 'play', sound: 0, at: 0, posted: 0});
    play(voices, 256);
    voices.take({request: 'stop', sound: 0, at: 100, posted: 90});
    voices.take({request: 'play', sound: 0, at: 150, posted: 140});
    const out = play(voices, 512, 256);
    // Stopped at 100 samples in, going on at 150: sample 256 is the sound's 207th.
    assert.equal(out[0], 207);
  },
  'a late play of a sound that was still playing then does not start it again'() {
    const {voices} = mixer();
    voices.take({request: 'play', sound: 0, at: 0, posted: 0});
    play(voices, 384);
    voices.take({request: 'play', sound: 0, at: 250, posted: 240});
    assert.ok(play(voices, 768, 384).every((sample) => sample === 0));
  },
  'the voices the page hands over go on from where they stand, and the sum is clipped'() {
    const {voices} = mixer();
    voices.take({voices: [[1, 100], [1, 0]], at: 10});
    voices.take({request: 'rewind', sound: 0, at: 20, posted: 0});
    const out = play(voices, 256);
    assert.deepEqual(out.slice(9, 13), [0, 32767, 32767, 32767]);
    assert.equal(voices.voice(0).position, 256 - 20);
  },
};

let failed = 0;
for (const [name, test] of Object.entries(tests)) {
  try {
    test();
    console.log('sound worklet: ' + name);
  } catch (error) {
    failed = 1;
    console.error('sound worklet FAILED: ' + name + '\n' + error.message);
  }
}
process.exit(failed);
