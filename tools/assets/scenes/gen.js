'use strict';
// Writes the SVG source of every picture of this area and a job list that
// build.sh rasterises: one line per picture, "svg width height jpg".
const fs = require('fs');
const path = require('path');

const areas = {
  surfaces: require('./surfaces'),
  markers: require('./markers'),
  target: require('./target'),
  training: require('./training'),
  lights: require('./lights'),
  travel: require('./travel'),
  landmarks: require('./landmarks'),
};

function main() {
  const [outDir, picturesDir, ...only] = process.argv.slice(2);
  const jobs = [];
  for (const [name, area] of Object.entries(areas)) {
    if (only.length && !only.includes(name)) continue;
    for (const picture of area.pictures()) {
      const svgPath = path.join(outDir, picture.form, `${picture.image}.svg`);
      fs.mkdirSync(path.dirname(svgPath), { recursive: true });
      fs.writeFileSync(svgPath, picture.svg);
      const jpgPath = path.join(picturesDir, picture.form, `${picture.image}.jpg`);
      jobs.push([svgPath, picture.width, picture.height, jpgPath].join('\t'));
    }
  }
  fs.writeFileSync(path.join(outDir, 'jobs.tsv'), jobs.join('\n') + '\n');
}

main();
