'use strict';
// Writes the SVG of every interface picture to the folder given, and a list
// "svg<TAB>width<TAB>height<TAB>form/image" on standard output for the rasteriser.
const fs = require('fs');
const path = require('path');
const { widgetPictures } = require('./widgets');

const groups = [widgetPictures];
for (const optional of ['./title', './options', './icons']) {
  if (fs.existsSync(path.join(__dirname, `${optional}.js`))) groups.push(require(optional).pictures);
}

const outDir = process.argv[2];
fs.mkdirSync(outDir, { recursive: true });
const seen = new Set();
for (const group of groups) {
  for (const [form, image, width, height, svg] of group()) {
    const name = `${form}/${image}`;
    if (seen.has(name)) throw new Error(`${name} is made twice`);
    seen.add(name);
    const file = path.join(outDir, `${form}-${image}.svg`);
    fs.writeFileSync(file, svg);
    process.stdout.write(`${file}\t${width}\t${height}\t${name}\n`);
  }
}
