'use strict';
// The target-shooting screen put together the way the game draws it, aimed at the target.
const fs = require('fs');
const path = require('path');
const [picturesDir, outDir, aimX = '-138', aimY = '-76'] = process.argv.slice(2);
const jpg = (n) => 'data:image/jpeg;base64,' + fs.readFileSync(path.join(picturesDir, 'TForm19', `Image${n}.jpg`)).toString('base64');
const img = (n, x, y, w, h) => `<image x="${x}" y="${y}" width="${w}" height="${h}" xlink:href="${jpg(n)}"/>`;
const wind = 5;
const body = [
  `<rect width="800" height="600" fill="white"/>`,
  img(1, aimX, aimY, 600, 450),
  `<path d="M0 0h300v50H0zM0 200h300v50H0zM0 0h50v250H0zM250 0h50v250h-50z" fill="black"/>`,
  `<path d="M300 0h500v601H300zM0 250h300v350H0z" fill="white"/>`,
  img(3, 75, 0, 150, 50), img(4, 0, 0, 50, 50), img(5, 250, 0, 50, 50), img(6, 0, 200, 50, 50), img(7, 250, 200, 50, 50),
  `<path d="M150.5 50V200M0 125.5H250" stroke="black"/><circle cx="150" cy="125" r="3" fill="red" stroke="black"/>`,
  img(8, 300, 50, 500, 150), `<path d="M550.5 200V50" stroke="black"/>`,
  `<rect x="550" y="110" width="${24 * wind}" height="40" fill="red"/>`,
  `<circle cx="550" cy="400" r="200" fill="white" stroke="black"/><circle cx="550" cy="400" r="150" fill="green" stroke="black"/><circle cx="550" cy="400" r="75" fill="red" stroke="black"/>`,
  `<circle cx="550" cy="400" r="10" fill="yellow" stroke="black"/>`,
  `<text x="0" y="325" font-size="26" font-family="Liberation Sans">Score: 0/100</text><text x="0" y="375" font-size="26" font-family="Liberation Sans">Paint:10</text>`,
].join('');
fs.writeFileSync(path.join(outDir, 'range.svg'), `<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="800" height="600">${body}</svg>`);
