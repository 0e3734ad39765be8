'use strict';
// Headings, captions, buttons and the match's small controls.
const {
  palette, ramps, label, svgDocument, fitSize, splat, buttonFace, button, heading, verticalGradient,
} = require('./style');
const { keyboardSvg } = require('./keyboard');

function headings() {
  return [
    ['TForm2', 'Image1', 800, 84, heading(800, 84, 'Build Your Team', {
      anchor: 'middle', seed: 21, splatAt: 0.12, secondSplat: palette.blue, size: 50 })],
    ['TForm3', 'Image11', 440, 50, heading(440, 50, 'Game Options', { anchor: 'middle', seed: 31 })],
    ['TForm4', 'Image2', 299, 40, heading(299, 40, 'Team Page', { seed: 41 })],
    ['TForm5', 'Image3', 300, 40, heading(300, 40, 'World Page', { seed: 51, splatColour: palette.blue })],
    ['TForm6', 'Image2', 300, 40, heading(300, 40, 'Gear Page', { seed: 61 })],
    ['TForm7', 'Image10', 300, 40, heading(300, 40, 'Next Game', { seed: 71 })],
    // The field covers this picture's rows 40 and below, so the lettering keeps to the top 40.
    ['TForm8', 'Image6', 263, 49, heading(263, 49, 'GAME ON', { seed: 81, inkHeight: 40 })],
    ['TForm9', 'Image1', 370, 40, heading(370, 40, 'Team Stats', { seed: 91 })],
    ['TForm9', 'Image2', 386, 40, heading(386, 40, 'Game Score', { seed: 92, splatColour: palette.green })],
    ['TForm13', 'Image1', 300, 40, heading(300, 40, 'Help Page', { seed: 131 })],
    ['TForm16', 'Image1', 300, 40, heading(300, 40, 'Training', { seed: 161, splatColour: palette.green })],
  ];
}

function optionCaptions() {
  const caption = (text, seed, colour) => heading(200, 50, text, {
    anchor: 'middle', seed, splatColour: colour, splatAt: 0.5 });
  return [
    ['TForm3', 'Image8', 200, 50, caption('Challenge', 38, palette.orange)],
    ['TForm3', 'Image9', 200, 50, caption('Technology', 39, palette.magenta)],
    ['TForm3', 'Image10', 200, 50, caption('Weather', 40, palette.blue)],
  ];
}

// A flat banner with bold lettering: result captions and the pause banner.
function banner(w, h, text, rampName, opts = {}) {
  const face = buttonFace(0, 0, w, h, rampName, { radius: opts.radius ?? h * 0.3 });
  const size = fitSize(text, w * 0.85, h * (opts.capShare ?? 0.5));
  const stripes = opts.stripes ? hazardStripes(w, h) : '';
  return svgDocument(w, h, face.body + stripes +
    label(text, w / 2, h / 2, size, { fill: opts.textFill ?? '#FFFFFF', shadow: ramps[rampName][2] }), face.defs);
}

function hazardStripes(w, h) {
  let out = '';
  for (const x0 of [8, w - 26]) {
    for (let i = 0; i < 3; i++) {
      const x = x0 + i * 6;
      out += `<path d="M${x},${h - 8} L${x + 4},${h - 8} L${x + 10},8 L${x + 6},8 Z" fill="${palette.ink}" fill-opacity="0.75"/>`;
    }
  }
  return out;
}

function captions() {
  return [
    ['TForm9', 'Image4', 200, 20, banner(200, 20, 'VICTORY', 'green', { capShare: 0.6 })],
    ['TForm9', 'Image5', 200, 20, banner(200, 20, 'DEFEAT', 'red', { capShare: 0.6 })],
    ['TForm8', 'Image19', 198, 49, banner(198, 49, 'PAUSED', 'yellow', {
      textFill: palette.ink, stripes: true, capShare: 0.45 })],
  ];
}

function plainButtons() {
  const next = button(100, 50, 'NEXT');
  const cancel = button(100, 50, 'CANCEL', 'grey');
  return [
    ['TForm2', 'Image38', 100, 50, next],
    ['TForm3', 'Image13', 100, 50, next],
    ['TForm9', 'Image6', 100, 50, next],
    ['TForm12', 'Image12', 100, 50, next],
    ['TForm2', 'Image39', 100, 50, button(100, 50, 'PREV')],
    ['TForm12', 'Image14', 100, 50, cancel],
    ['TForm13', 'Image2', 100, 50, cancel],
    ['TForm12', 'Image13', 100, 50, button(100, 50, 'RECRUIT', 'green')],
    ['TForm12', 'Image15', 62, 15, button(62, 15, 'next', 'orange', { size: 11 })],
    ['TForm2', 'Image40', 56, 31, button(56, 31, 'Change', 'blue', { size: 13 })],
    ['TForm2', 'Image44', 313, 51, button(313, 51, 'Team Build Complete', 'green')],
    ['TForm7', 'Image11', 100, 25, swapButton()],
    ['TForm8', 'Image20', 100, 20, button(100, 20, 'All Stop Firing', 'red', { size: 11 })],
  ];
}

function swapButton() {
  const face = buttonFace(0, 0, 100, 25, 'blue');
  return svgDocument(100, 25, face.body +
    label('SWAP', 50, 12.5, 12, { fill: '#FFFFFF', shadow: ramps.blue[2] }) +
    `<path d="M14,12.5 l5,-5 v3 h6 v4 h-6 v3 Z" fill="#FFFFFF"/>` +
    `<path d="M86,12.5 l-5,-5 v3 h-6 v4 h6 v3 Z" fill="#FFFFFF"/>`, face.defs);
}

// The team-building screen's round player buttons 1..7, plain and highlighted.
function numberButton(number, highlighted) {
  const rampName = highlighted ? 'orange' : 'blue';
  const [top, bottom, border] = ramps[rampName];
  const gradient = verticalGradient(top, bottom);
  const ring = highlighted
    ? `<circle cx="50" cy="50" r="47" fill="none" stroke="${palette.yellow}" stroke-width="5"/>`
    : `<circle cx="50" cy="50" r="47" fill="none" stroke="${palette.paper}" stroke-width="3"/>`;
  const body = ring +
    `<circle cx="50" cy="50" r="42" fill="url(#${gradient.id})" stroke="${border}" stroke-width="2"/>` +
    `<ellipse cx="50" cy="27" rx="26" ry="11" fill="#FFFFFF" fill-opacity="0.3"/>` +
    label(String(number), 50, 51, 46, { fill: '#FFFFFF', shadow: border });
  return svgDocument(100, 100, body, gradient.def);
}

function numberButtons() {
  const list = [];
  for (let k = 1; k <= 7; k++) {
    list.push(['TForm2', `Image${2 + k}`, 100, 100, numberButton(k, false)]);
    list.push(['TForm2', `Image${9 + k}`, 100, 100, numberButton(k, true)]);
  }
  return list;
}

function playButton() {
  const gradient = verticalGradient(ramps.green[0], ramps.green[1]);
  const body = `<circle cx="35" cy="35" r="33" fill="url(#${gradient.id})" stroke="${ramps.green[2]}" stroke-width="2"/>` +
    `<ellipse cx="35" cy="17" rx="20" ry="8" fill="#FFFFFF" fill-opacity="0.3"/>` +
    `<path d="M27,14 L49,28 L27,42 Z" fill="#FFFFFF" stroke="${ramps.green[2]}" stroke-width="1" stroke-linejoin="round"/>` +
    label('PLAY', 35, 53, 13, { fill: '#FFFFFF', shadow: ramps.green[2] });
  return svgDocument(70, 70, body, gradient.def);
}

function versus() {
  const body = splat(49.5, 16.5, 30, 13, 1212, palette.orange, { opacity: 0.85, drops: 4 }) +
    label('VS', 49.5, 16.5, 28, { fill: palette.ink, extra: 'font-style="italic"' });
  return svgDocument(99, 33, body);
}

// The order button: MOVE on the left half, FIRE on the right; the lit half is the mode in force.
function orderButton(lit) {
  const halves = [
    { text: 'MOVE', x: 0, ramp: lit === 'MOVE' ? 'green' : 'grey' },
    { text: 'FIRE', x: 50, ramp: lit === 'FIRE' ? 'red' : 'grey' },
  ];
  let defs = '';
  let body = '';
  for (const half of halves) {
    const face = buttonFace(half.x, 0, 50, 50, half.ramp, { radius: 8 });
    defs += face.defs;
    const on = half.ramp !== 'grey';
    body += face.body + label(half.text, half.x + 25, 25, on ? 13 : 12, {
      fill: on ? '#FFFFFF' : '#D9DDE4', shadow: ramps[half.ramp][2] });
  }
  return svgDocument(100, 50, body, defs);
}

function sprintButton(state) {
  const looks = {
    available: { ramp: 'ink', text: palette.yellow },
    spent: { ramp: 'grey', text: '#4A5160' },
    running: { ramp: 'red', text: '#FFFFFF' },
  }[state];
  const face = buttonFace(0, 0, 100, 30, looks.ramp);
  const shadow = state === 'spent' ? '#9AA2B0' : '#000000';
  return svgDocument(100, 30, face.body + label('SPRINT', 50, 15, 14, { fill: looks.text, shadow }), face.defs);
}

function playSymbol() {
  const face = buttonFace(0, 0, 50, 50, 'green', { radius: 25 });
  return svgDocument(50, 50, face.body +
    `<path d="M19,13 L37,25 L19,37 Z" fill="#FFFFFF" stroke="${ramps.green[2]}" stroke-width="1" stroke-linejoin="round"/>`,
  face.defs);
}

function pauseSymbol() {
  const face = buttonFace(0, 0, 50, 50, 'grey', { radius: 25 });
  return svgDocument(50, 50, face.body +
    `<rect x="16" y="14" width="7" height="22" rx="1.5" fill="#FFFFFF"/>` +
    `<rect x="27" y="14" width="7" height="22" rx="1.5" fill="#FFFFFF"/>`, face.defs);
}

// The Random training button: its face keeps to the top 50 rows, the part the menu answers to.
function randomButton() {
  const face = buttonFace(0, 0, 200, 50, 'magenta');
  const die = `<g transform="translate(150,10) rotate(12 15 15)">` +
    `<rect width="30" height="30" rx="5" fill="#FFFFFF" stroke="${palette.ink}" stroke-width="1.5"/>` +
    [[8, 8], [22, 8], [15, 15], [8, 22], [22, 22]].map(([x, y]) =>
      `<circle cx="${x}" cy="${y}" r="2.6" fill="${palette.ink}"/>`).join('') + '</g>';
  const shadow = `<ellipse cx="100" cy="54" rx="88" ry="3.5" fill="${palette.ink}" fill-opacity="0.18"/>`;
  return svgDocument(200, 60, shadow + face.body + die +
    label('Random', 78, 25, 24, { fill: '#FFFFFF', shadow: ramps.magenta[2] }), face.defs);
}

function statusIcon(kind) {
  const looks = {
    ok: { ramp: 'green', text: 'OK' },
    out: { ramp: 'red', text: 'Out' },
    fault: { ramp: 'yellow', text: 'MK!' },
  }[kind];
  const face = buttonFace(0, 0, 38, 38, looks.ramp, { radius: 7 });
  const fill = kind === 'fault' ? palette.ink : '#FFFFFF';
  const shadow = kind === 'fault' ? '#FFF3C4' : ramps[looks.ramp][2];
  const size = fitSize(looks.text, 30, 15);
  return svgDocument(38, 38, face.body + label(looks.text, 19, 19.5, size, { fill, shadow }), face.defs);
}

function matchControls() {
  return [
    ['TForm8', 'Image11', 38, 38, statusIcon('ok')],
    ['TForm8', 'Image12', 38, 38, statusIcon('out')],
    ['TForm8', 'Image13', 38, 38, statusIcon('fault')],
    ['TForm8', 'Image14', 100, 50, orderButton('MOVE')],
    ['TForm8', 'Image15', 100, 50, orderButton('FIRE')],
    ['TForm8', 'Image17', 50, 50, playSymbol()],
    ['TForm8', 'Image18', 50, 50, pauseSymbol()],
    ['TForm8', 'Image21', 100, 30, sprintButton('available')],
    ['TForm8', 'Image22', 100, 30, sprintButton('spent')],
    ['TForm8', 'Image23', 100, 30, sprintButton('running')],
    ['TForm7', 'Image44', 70, 70, playButton()],
    ['TForm7', 'Image12', 99, 33, versus()],
    ['TForm16', 'Image6', 200, 60, randomButton()],
    ['TForm2', 'Image41', 319, 125, keyboardSvg()],
  ];
}

function widgetPictures() {
  return [...headings(), ...optionCaptions(), ...captions(), ...plainButtons(), ...numberButtons(),
    ...matchControls()];
}

module.exports = { widgetPictures };
