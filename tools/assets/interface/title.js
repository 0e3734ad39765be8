'use strict';
// The title screen's four 800 x 600 artworks: title, credits, menu and closing picture.
const { palette, label, svgDocument, splat, buttonFace, fitSize, seededRandom } = require('./style');

// The menu buttons' boxes (inclusive pixels): the title screen answers presses exactly there.
const menuButtons = [
  { text: 'New Game', x: [406, 685], y: [162, 230] },
  { text: 'Continue Game', x: [406, 685], y: [251, 317] },
];

const fieldTop = 380;
const versionBandTop = 572; // the game writes its version text at (350, 580) on white

// A paintball field in perspective, with inflatable bunkers and old splats.
function field(seed) {
  const rnd = seededRandom(seed);
  let out = `<rect x="0" y="${fieldTop}" width="800" height="${versionBandTop - fieldTop}" fill="${palette.fieldDark}"/>`;
  for (let i = 0; i < 8; i += 2) {
    const x0 = -400 + i * 200;
    out += `<path d="M${400 + (x0 - 400) * 0.35},${fieldTop} L${400 + (x0 + 200 - 400) * 0.35},${fieldTop} ` +
      `L${x0 + 200},${versionBandTop} L${x0},${versionBandTop} Z" fill="${palette.fieldLight}"/>`;
  }
  out += `<line x1="0" y1="${fieldTop}" x2="800" y2="${fieldTop}" stroke="${palette.ink}" stroke-width="2"/>`;
  // netting posts along the far edge
  for (let x = 20; x < 800; x += 60) {
    out += `<line x1="${x}" y1="${fieldTop - 46}" x2="${x}" y2="${fieldTop}" stroke="${palette.steel}" stroke-width="2"/>`;
  }
  out += `<path d="M0,${fieldTop - 40} H800" stroke="${palette.steel}" stroke-width="1.5"/>`;
  for (let x = 0; x < 800; x += 8) {
    out += `<line x1="${x}" y1="${fieldTop - 40}" x2="${x}" y2="${fieldTop}" stroke="${palette.steel}" stroke-opacity="0.35" stroke-width="0.8"/>`;
  }
  const bunkers = [
    ['can', 90, 470, 1.0, palette.blue], ['dorito', 250, 430, 0.7, palette.yellow],
    ['can', 560, 430, 0.7, palette.orange], ['dorito', 700, 490, 1.1, palette.magenta],
    ['snake', 400, 520, 1.0, palette.blue],
  ];
  for (const [kind, x, y, s, colour] of bunkers) out += bunker(kind, x, y, s, colour);
  for (let i = 0; i < 10; i++) {
    const colours = [palette.orange, palette.magenta, palette.yellow, palette.blue, palette.green];
    out += splat(20 + rnd() * 760, fieldTop + 30 + rnd() * 150, 6 + rnd() * 8, 3 + rnd() * 3,
      seed * 31 + i, colours[i % colours.length], { drops: 3, opacity: 0.9, rough: 0.7 });
  }
  return out;
}

function bunker(kind, x, y, s, colour) {
  const stroke = `stroke="${palette.ink}" stroke-width="2" stroke-linejoin="round"`;
  const g = `<g transform="translate(${x},${y}) scale(${s})">`;
  const shadow = `<ellipse cx="0" cy="2" rx="${kind === 'snake' ? 120 : 48}" ry="8" fill="#000" fill-opacity="0.2"/>`;
  if (kind === 'can') {
    return g + shadow + `<path d="M-34,0 V-70 a34,10 0 0 1 68,0 V0 a34,10 0 0 1 -68,0 Z" fill="${colour}" ${stroke}/>` +
      `<ellipse cx="0" cy="-70" rx="34" ry="10" fill="#FFFFFF" fill-opacity="0.35" ${stroke}/>` +
      `<path d="M-34,-35 a34,10 0 0 0 68,0" fill="none" stroke="${palette.ink}" stroke-opacity="0.5" stroke-width="1.5"/>` +
      `<rect x="-22" y="-64" width="8" height="56" fill="#FFFFFF" fill-opacity="0.25"/></g>`;
  }
  if (kind === 'dorito') {
    return g + shadow + `<path d="M-44,0 L0,-80 L44,0 Z" fill="${colour}" ${stroke}/>` +
      `<path d="M0,-80 L8,0" stroke="${palette.ink}" stroke-opacity="0.4" stroke-width="1.5"/>` +
      `<path d="M-30,-4 L-4,-60" stroke="#FFFFFF" stroke-opacity="0.35" stroke-width="6"/></g>`;
  }
  return g + shadow + `<rect x="-120" y="-30" width="240" height="30" rx="15" fill="${colour}" ${stroke}/>` +
    [-80, -40, 0, 40, 80].map((dx) => `<line x1="${dx}" y1="-29" x2="${dx}" y2="-1" stroke="${palette.ink}" stroke-opacity="0.4" stroke-width="1.5"/>`).join('') +
    `<rect x="-110" y="-26" width="220" height="6" rx="3" fill="#FFFFFF" fill-opacity="0.3"/></g>`;
}

function paperBackdrop() {
  return `<rect width="800" height="${versionBandTop}" fill="${palette.paper}"/>`;
}

function bigSplats(seed, avoid) {
  const spots = [
    [110, 90, 60, palette.magenta], [700, 80, 46, palette.blue], [60, 300, 34, palette.green],
    [750, 300, 38, palette.yellow], [300, 40, 28, palette.green],
  ];
  return spots.filter(([x, y]) => !avoid || !avoid(x, y))
    .map(([x, y, r, c], i) => splat(x, y, r, r * 0.85, seed + i * 13, c, { opacity: 0.85, drops: 7 })).join('');
}

// The game's name, big, with a splat behind its first letters.
function wordmark(cx, cy, size) {
  const width = size * 4.8;
  return splat(cx - width * 0.33, cy, size * 0.9, size * 0.55, 4242, palette.orange, { opacity: 0.9, drops: 8 }) +
    splat(cx + width * 0.4, cy + size * 0.15, size * 0.35, size * 0.3, 4343, palette.blue, { opacity: 0.85, drops: 4 }) +
    label('Splatvane', cx + 4, cy + 4, size, { fill: palette.ink, extra: 'fill-opacity="0.25"' }) +
    label('Splatvane', cx, cy, size, { fill: palette.ink });
}

function titleArt() {
  const body = paperBackdrop() + bigSplats(100) + field(11) +
    wordmark(400, 190, 120) +
    label('A paintball tournament game', 400, 285, 28, { fill: palette.ink, bold: false }) +
    label('Click to continue', 400, 318, 18, { fill: palette.orangeDark });
  return svgDocument(800, 600, body);
}

function creditsArt() {
  const lines = [
    ['Made by The Splatvane team', 30, true],
    ['Lettering: Liberation Sans (SIL Open Font License 1.1)', 18, false],
    ['Flags: flag-icons (MIT License)', 18, false],
    ['World map: Natural Earth data via world-atlas (public domain, ISC License)', 18, false],
  ];
  let text = '';
  lines.forEach(([t, size, bold], i) => {
    text += label(t, 400, i === 0 ? 150 : 168 + i * 32, size, { fill: palette.ink, bold });
  });
  const body = paperBackdrop() + bigSplats(200) + field(12) +
    splat(330, 80, 70, 36, 77, palette.green, { opacity: 0.85, drops: 6 }) +
    label('Credits', 400, 80, 64, { fill: palette.ink }) + text +
    label('Click to continue', 400, 318, 18, { fill: palette.orangeDark });
  return svgDocument(800, 600, body);
}

function menuButton(b) {
  const w = b.x[1] - b.x[0] + 1;
  const h = b.y[1] - b.y[0] + 1;
  const face = buttonFace(b.x[0], b.y[0], w, h, 'orange');
  const size = fitSize(b.text, w * 0.8, h * 0.36);
  return { defs: face.defs, body: face.body +
    label(b.text, b.x[0] + w / 2, b.y[0] + h / 2, size, { fill: '#FFFFFF', shadow: palette.orangeDark }) };
}

// Splats keep clear of the buttons so the buttons' edges read cleanly.
const nearButtons = (x, y) => x > 330 && x < 760 && y > 110 && y < 370;

function menuArt() {
  const buttons = menuButtons.map(menuButton);
  const body = paperBackdrop() + bigSplats(300, nearButtons) + field(13) +
    wordmark(200, 235, 60) +
    label('Choose your career', 200, 300, 18, { fill: palette.ink, bold: false }) +
    buttons.map((b) => b.body).join('');
  return svgDocument(800, 600, body, buttons.map((b) => b.defs).join(''));
}

function closingArt() {
  const body = paperBackdrop() + bigSplats(400) + field(14) +
    label('Thanks for playing', 400, 110, 40, { fill: palette.ink }) +
    wordmark(400, 210, 100) +
    label('Close this window to end the game.', 400, 310, 22, { fill: palette.ink, bold: false });
  return svgDocument(800, 600, body);
}

function pictures() {
  return [
    ['TForm1', 'Image1', 800, 600, titleArt()],
    ['TForm1', 'Image2', 800, 600, creditsArt()],
    ['TForm1', 'Image3', 800, 600, closingArt()],
    ['TForm1', 'Image4', 800, 600, menuArt()],
  ];
}

module.exports = { pictures, menuButtons };
