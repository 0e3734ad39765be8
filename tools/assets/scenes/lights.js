'use strict';
// The tag duel's status lights beside each opponent: green while it hides,
// yellow while it takes aim, red while it fires.
const { svgDocument, rect, circle, ellipse, text, radialGradient, defs, palette } = require('./lib/svg');

const lights = [
  { image: 'Image12', word: 'HIDDEN', lit: '#2EBF5B', glow: '#B8F5C9', dark: '#17692F', letters: palette.paper },
  { image: 'Image13', word: 'AIMING', lit: '#FFD23F', glow: '#FFF3B8', dark: '#B88A00', letters: palette.ink },
  { image: 'Image14', word: 'FIRING', lit: '#D7263D', glow: '#FFB3BC', dark: '#7A0F1E', letters: palette.paper },
];

function lightSvg(light) {
  return svgDocument(100, 100,
    defs(radialGradient('lamp', [[0, light.glow], [0.45, light.lit], [1, light.dark]], [0.5, 0.5, 0.55, 0.38, 0.32])) +
    rect({ width: 100, height: 100, fill: '#FFFFFF' }) +
    circle({ cx: 50, cy: 50, r: 47, fill: '#2B2F36', stroke: palette.ink, strokeWidth: 3 }) +
    circle({ cx: 50, cy: 50, r: 40, fill: 'url(#lamp)', stroke: palette.ink, strokeWidth: 2 }) +
    ellipse({ cx: 40, cy: 32, rx: 14, ry: 8, fill: '#FFFFFF', fillOpacity: 0.55, transform: 'rotate(-25 40 32)' }) +
    text(light.word, { x: 50, y: 62, fontSize: 15, fontWeight: 'bold', fill: light.letters, textAnchor: 'middle', letterSpacing: 0.5 }));
}

function pictures() {
  return lights.map((light) => ({ form: 'TForm18', image: light.image, width: 100, height: 100, svg: lightSvg(light) }));
}

module.exports = { pictures };
