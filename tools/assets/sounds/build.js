'use strict';
// Writes the fourteen wave files into the folder given on the command line.
const fs = require('fs');
const path = require('path');
const { makeRandom } = require('./dsp');
const { SOUNDS } = require('./sounds');
const { encodeWav } = require('./wav');

function renderAll() {
  return SOUNDS.map(([file, make, seed]) => [file, make(makeRandom(seed))]);
}

function main(outputFolder) {
  fs.mkdirSync(outputFolder, { recursive: true });
  for (const [file, samples] of renderAll()) {
    fs.writeFileSync(path.join(outputFolder, file), encodeWav(samples));
    console.log(`${file}: ${(samples.length / 22050).toFixed(3)} s`);
  }
}

if (require.main === module) main(process.argv[2] || 'assets/sounds');

module.exports = { renderAll };
