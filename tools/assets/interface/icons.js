'use strict';
// The team page's ten 52 x 52 menu icons: one pictogram each on a raised paper tile.
const { palette, label, svgDocument, buttonFace } = require('./style');

const ink = palette.ink;
const line = `stroke="${ink}" stroke-width="2.5" stroke-linecap="round" stroke-linejoin="round"`;

function tile(drawing, rampName = 'paper') {
  const face = buttonFace(1, 1, 50, 50, rampName, { radius: 9 });
  return svgDocument(52, 52, face.body + drawing, face.defs);
}

const worldInfo = () => tile(
  `<circle cx="26" cy="26" r="16" fill="${palette.blue}" stroke="${ink}" stroke-width="2"/>` +
  `<path d="M17,17 q5,-3 9,1 q-2,5 2,7 q-1,6 -7,4 q-4,-4 -6,-2 Z M29,30 q5,-1 7,3 q-3,6 -7,7 q-2,-5 0,-10 Z M28,12 q6,1 9,6 q-4,1 -6,-1 Z" fill="${palette.fieldLight}" stroke="${ink}" stroke-width="1"/>` +
  `<ellipse cx="26" cy="26" rx="7" ry="16" fill="none" stroke="#FFFFFF" stroke-opacity="0.6" stroke-width="1"/>` +
  `<line x1="10" y1="26" x2="42" y2="26" stroke="#FFFFFF" stroke-opacity="0.6" stroke-width="1"/>`);

function markerShape(fill) {
  return `<rect x="10" y="22" width="24" height="8" rx="2" fill="${fill}" stroke="${ink}" stroke-width="1.5"/>` +
    `<rect x="33" y="24" width="12" height="4" fill="#3E4552" stroke="${ink}" stroke-width="1"/>` +
    `<ellipse cx="22" cy="15" rx="7" ry="5" fill="${ink}"/>` +
    `<path d="M20,29 L25,29 L27,40 L21,40 Z" fill="${ink}"/>` +
    `<rect x="6" y="30" width="12" height="6" rx="3" fill="#6F7888" stroke="${ink}" stroke-width="1"/>`;
}

const gearInfo = () => tile(markerShape(palette.blue) +
  `<circle cx="39" cy="39" r="8" fill="${palette.blue}" stroke="#FFFFFF" stroke-width="1.5"/>` +
  label('i', 39, 39, 12, { fill: '#FFFFFF' }));

const trainPlayer = () => tile(
  `<rect x="9" y="23" width="34" height="6" rx="2" fill="#6F7888" stroke="${ink}" stroke-width="1.5"/>` +
  `<rect x="8" y="15" width="8" height="22" rx="2" fill="${palette.red}" stroke="${ink}" stroke-width="1.5"/>` +
  `<rect x="36" y="15" width="8" height="22" rx="2" fill="${palette.red}" stroke="${ink}" stroke-width="1.5"/>` +
  `<rect x="3" y="19" width="6" height="14" rx="2" fill="${palette.red}" stroke="${ink}" stroke-width="1.5"/>` +
  `<rect x="43" y="19" width="6" height="14" rx="2" fill="${palette.red}" stroke="${ink}" stroke-width="1.5"/>`);

const upgradeGear = () => tile(markerShape(palette.steel) +
  `<path d="M39,46 V34 M33,39 L39,32 L45,39" fill="none" stroke="${palette.green}" stroke-width="4" stroke-linecap="round" stroke-linejoin="round"/>`);

const buyPaint = () => {
  let balls = '';
  const colours = [palette.orange, palette.green, palette.magenta, palette.yellow, palette.blue, palette.orange];
  [[20, 36], [28, 36], [24, 29], [32, 29], [16, 29], [28, 22]].forEach(([x, y], i) => {
    balls += `<circle cx="${x}" cy="${y}" r="4" fill="${colours[i]}" stroke="${ink}" stroke-width="1"/>`;
  });
  return tile(`<path d="M11,14 h26 v26 a4,4 0 0 1 -4,4 h-18 a4,4 0 0 1 -4,-4 Z" fill="#FFFFFF" fill-opacity="0.7" stroke="${ink}" stroke-width="2"/>` +
    `<rect x="9" y="10" width="30" height="5" rx="1.5" fill="${ink}"/>` + balls +
    `<circle cx="40" cy="38" r="8" fill="${palette.green}" stroke="${ink}" stroke-width="1.5"/>` +
    label('$', 40, 38, 12, { fill: '#FFFFFF' }));
};

const toggleMusic = () => tile(
  `<path d="M20,36 V14 L38,10 V32" fill="none" ${line}/>` +
  `<path d="M20,16 L38,12" stroke="${ink}" stroke-width="4"/>` +
  `<ellipse cx="16" cy="37" rx="5.5" ry="4.5" fill="${palette.magenta}" stroke="${ink}" stroke-width="2"/>` +
  `<ellipse cx="34" cy="33" rx="5.5" ry="4.5" fill="${palette.magenta}" stroke="${ink}" stroke-width="2"/>`);

const nextMatch = () => tile(
  `<line x1="14" y1="9" x2="14" y2="44" ${line}/>` +
  `<path d="M15,10 h22 l-5,7 l5,7 h-22 Z" fill="${palette.orange}" stroke="${ink}" stroke-width="2" stroke-linejoin="round"/>` +
  `<path d="M26,32 h10 v-4 l8,7 l-8,7 v-4 h-10 Z" fill="${palette.green}" stroke="${ink}" stroke-width="1.5" stroke-linejoin="round"/>`);

const recruitment = () => tile(
  `<circle cx="21" cy="17" r="7" fill="${palette.paper}" stroke="${ink}" stroke-width="2"/>` +
  `<path d="M8,42 q0,-15 13,-15 q13,0 13,15 Z" fill="${palette.blue}" stroke="${ink}" stroke-width="2" stroke-linejoin="round"/>` +
  `<circle cx="38" cy="34" r="8" fill="${palette.green}" stroke="${ink}" stroke-width="1.5"/>` +
  `<path d="M38,29.5 V38.5 M33.5,34 H42.5" stroke="#FFFFFF" stroke-width="2.5" stroke-linecap="round"/>`);

const exitGame = () => tile(
  `<path d="M12,8 h18 v36 h-18 Z" fill="#8B5A2B" stroke="${ink}" stroke-width="2" stroke-linejoin="round"/>` +
  `<path d="M12,8 L24,12 V48 L12,44 Z" fill="#B07A45" stroke="${ink}" stroke-width="1.5" stroke-linejoin="round"/>` +
  `<circle cx="21" cy="29" r="1.5" fill="${ink}"/>` +
  `<path d="M30,26 h9 v-5 l8,8 l-8,8 v-5 h-9 Z" fill="${palette.red}" stroke="${ink}" stroke-width="1.5" stroke-linejoin="round"/>`);

const questions = () => tile(
  `<path d="M9,10 h34 a3,3 0 0 1 3,3 v20 a3,3 0 0 1 -3,3 h-18 l-9,8 v-8 h-7 a3,3 0 0 1 -3,-3 v-20 a3,3 0 0 1 3,-3 Z" ` +
  `fill="${palette.yellow}" stroke="${ink}" stroke-width="2" stroke-linejoin="round"/>` +
  label('?', 26, 23, 20, { fill: ink }));

function pictures() {
  const icons = [worldInfo, gearInfo, trainPlayer, upgradeGear, buyPaint, toggleMusic, nextMatch,
    recruitment, exitGame, questions];
  return icons.map((draw, i) => ['TForm4', `Image${9 + i}`, 52, 52, draw()]);
}

module.exports = { pictures };
