'use strict';
// The icon: the title's wordmark splat and a big S, on a rounded paper tile.
// Writes the SVG to standard output; `node icon.js maskable` writes the page's maskable icon,
// the same drawing smaller on paper to every edge, so that any mask a phone cuts keeps it whole.
const { palette, label, splat } = require('../interface/style');

const size = 256;
// A phone may cut a maskable icon down to the circle of 40% of its size round the centre.
const maskableScale = 0.72;

function drawing() {
  return splat(122, 132, 92, 74, 4242, palette.orange, { opacity: 0.95, drops: 6 }) +
    splat(190, 70, 30, 26, 4343, palette.blue, { opacity: 0.9, drops: 3 }) +
    label('S', 132, 136, 170, { fill: palette.ink, extra: 'fill-opacity="0.25"' }) +
    label('S', 126, 130, 170, { fill: palette.ink });
}

function svg(body) {
  return `<svg xmlns="http://www.w3.org/2000/svg" width="${size}" height="${size}" ` +
    `viewBox="0 0 ${size} ${size}">\n${body}\n</svg>\n`;
}

function tileIcon() {
  const tile = `<rect x="8" y="8" width="240" height="240" rx="44" fill="${palette.paper}" ` +
    `stroke="${palette.ink}" stroke-width="6"/>`;
  return svg(`<defs><clipPath id="tile"><rect x="8" y="8" width="240" height="240" rx="44"/>` +
    `</clipPath></defs>\n<g clip-path="url(#tile)">${tile}${drawing()}</g>\n` +
    `<rect x="8" y="8" width="240" height="240" rx="44" fill="none" stroke="${palette.ink}" stroke-width="6"/>`);
}

function maskableIcon() {
  const shift = (size * (1 - maskableScale)) / 2;
  return svg(`<rect width="${size}" height="${size}" fill="${palette.paper}"/>\n` +
    `<g transform="translate(${shift} ${shift}) scale(${maskableScale})">${drawing()}</g>`);
}

process.stdout.write(process.argv[2] === 'maskable' ? maskableIcon() : tileIcon());
