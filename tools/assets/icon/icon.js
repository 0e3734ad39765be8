'use strict';
// The desktop icon: the title's wordmark splat and a big S, on a rounded paper tile.
// Writes the SVG to standard output.
const { palette, label, splat } = require('../interface/style');

const size = 256;

function tile() {
  return `<rect x="8" y="8" width="240" height="240" rx="44" fill="${palette.paper}" ` +
    `stroke="${palette.ink}" stroke-width="6"/>`;
}

function icon() {
  const body = tile() +
    splat(122, 132, 92, 74, 4242, palette.orange, { opacity: 0.95, drops: 6 }) +
    splat(190, 70, 30, 26, 4343, palette.blue, { opacity: 0.9, drops: 3 }) +
    label('S', 132, 136, 170, { fill: palette.ink, extra: 'fill-opacity="0.25"' }) +
    label('S', 126, 130, 170, { fill: palette.ink });
  return `<svg xmlns="http://www.w3.org/2000/svg" width="${size}" height="${size}" ` +
    `viewBox="0 0 ${size} ${size}">\n<defs><clipPath id="tile"><rect x="8" y="8" width="240" height="240" rx="44"/>` +
    `</clipPath></defs>\n<g clip-path="url(#tile)">${body}</g>\n` +
    `<rect x="8" y="8" width="240" height="240" rx="44" fill="none" stroke="${palette.ink}" stroke-width="6"/>\n</svg>\n`;
}

process.stdout.write(icon());
