'use strict';
// The options screen's twenty 200 x 200 flags (Image14..Image33) and twenty 200 x 30 name
// labels (Image34..Image53). Flags are the flag-icons package's square flags, framed in ink.
const fs = require('fs');
const path = require('path');
const countries = require('./countries');
const { palette, label, svgDocument, fitSize, buttonFace } = require('../interface/style');

function flagSource(code) {
  const file = path.join(path.dirname(require.resolve('flag-icons/package.json')), 'flags', '1x1', `${code}.svg`);
  return fs.readFileSync(file, 'utf8');
}

// The package's flag, nested at full size, with a thin ink frame so white flags meet the screen.
function flagSvg(code) {
  const inner = flagSource(code).replace(/^<svg /, '<svg width="200" height="200" ');
  return svgDocument(200, 200, inner +
    `<rect x="0.5" y="0.5" width="199" height="199" fill="none" stroke="${palette.ink}" stroke-width="1"/>`);
}

function nameLabelSvg(name) {
  const face = buttonFace(0, 0, 200, 30, 'ink', { radius: 6 });
  const size = Math.min(16, fitSize(name, 184, 13));
  return svgDocument(200, 30, face.body + label(name, 100, 15, size, { fill: '#FFFFFF', shadow: '#000000' }), face.defs);
}

function pictures() {
  return countries.flatMap((c) => [
    ['TForm3', `Image${13 + c.number}`, 200, 200, flagSvg(c.code)],
    ['TForm3', `Image${33 + c.number}`, 200, 30, nameLabelSvg(c.name)],
  ]);
}

const outDir = process.argv[2];
fs.mkdirSync(outDir, { recursive: true });
for (const [form, image, width, height, svg] of pictures()) {
  const file = path.join(outDir, `${form}-${image}.svg`);
  fs.writeFileSync(file, svg);
  process.stdout.write(`${file}\t${width}\t${height}\t${form}/${image}\n`);
}
