'use strict';
// The options screen's six option pictures (200 x 152): a picture over its label.
const { palette, ramps, label, svgDocument, splat, verticalGradient } = require('./style');

// A framed card: the drawing on top, the label in a band along the bottom.
function card(text, accent, drawing, defs = '') {
  const darkText = accent === palette.yellow;
  const body =
    `<rect x="1" y="1" width="198" height="150" rx="12" fill="${palette.paper}" stroke="${palette.ink}" stroke-width="2"/>` +
    `<path d="M2,112 H198 V139 a11,11 0 0 1 -11,11 H13 a11,11 0 0 1 -11,-11 Z" fill="${accent}"/>` +
    `<line x1="2" y1="112" x2="198" y2="112" stroke="${palette.ink}" stroke-width="2"/>` +
    drawing +
    label(text, 100, 131, 20, darkText
      ? { fill: palette.ink, shadow: '#FFF3C4' } : { fill: '#FFFFFF', shadow: palette.ink });
  return svgDocument(200, 152, body, defs);
}

// Challenge: one, two or three paintballs splatted on a target, the meter filled to match.
function challenge(level) {
  const colours = [palette.green, palette.yellow, palette.red];
  const names = ['Easy', 'Medium', 'Hard'];
  let drawing = '';
  for (const [r, fill] of [[42, '#FFFFFF'], [34, palette.red], [26, '#FFFFFF'], [18, palette.red], [9, '#FFFFFF']]) {
    drawing += `<circle cx="70" cy="56" r="${r}" fill="${fill}" stroke="${palette.ink}" stroke-width="1"/>`;
  }
  const hits = [[62, 46], [82, 64], [56, 72]];
  for (let i = 0; i < level; i++) {
    drawing += splat(hits[i][0], hits[i][1], 9, 8, 500 + i * 7 + level, palette.blue, { drops: 3, rough: 0.8 });
  }
  for (let i = 0; i < 3; i++) {
    const h = 22 + i * 18;
    const filled = i < level;
    drawing += `<rect x="${132 + i * 20}" y="${96 - h}" width="14" height="${h}" rx="2" ` +
      `fill="${filled ? colours[level - 1] : '#DDD8CB'}" stroke="${palette.ink}" stroke-width="1.5"/>`;
  }
  return card(names[level - 1], colours[level - 1], drawing);
}

function sun(cx, cy, r) {
  let rays = '';
  for (let i = 0; i < 12; i++) {
    const a = (Math.PI * 2 * i) / 12;
    rays += `<line x1="${(cx + Math.cos(a) * (r + 5)).toFixed(1)}" y1="${(cy + Math.sin(a) * (r + 5)).toFixed(1)}" ` +
      `x2="${(cx + Math.cos(a) * (r + 15)).toFixed(1)}" y2="${(cy + Math.sin(a) * (r + 15)).toFixed(1)}" ` +
      `stroke="${palette.orange}" stroke-width="4" stroke-linecap="round"/>`;
  }
  return rays + `<circle cx="${cx}" cy="${cy}" r="${r}" fill="${palette.yellow}" stroke="${palette.orange}" stroke-width="3"/>`;
}

function cloud(x, y, s, fill) {
  return `<g transform="translate(${x},${y}) scale(${s})" fill="${fill}" stroke="${palette.ink}" stroke-width="${2 / s}">` +
    `<path d="M-40,10 a16,16 0 0 1 8,-30 a22,22 0 0 1 40,-8 a18,18 0 0 1 30,14 a14,14 0 0 1 2,24 Z"/></g>`;
}

function weather(allowed) {
  if (!allowed) return card('No Weather', palette.yellow, sun(100, 56, 24));
  let drawing = sun(150, 42, 12) + cloud(92, 52, 1.25, '#C9D2DE');
  drawing += `<path d="M104,66 L92,86 L102,86 L94,104 L116,78 L105,78 L112,66 Z" fill="${palette.yellow}" stroke="${palette.ink}" stroke-width="1.5"/>`;
  for (const [x, y] of [[54, 74], [66, 86], [78, 72], [124, 76], [138, 90]]) {
    drawing += `<line x1="${x}" y1="${y}" x2="${x - 5}" y2="${y + 12}" stroke="${palette.blue}" stroke-width="3" stroke-linecap="round"/>`;
  }
  drawing += snowflake(40, 96, 7) + snowflake(160, 100, 6);
  return card('Allow Weather', palette.blue, drawing);
}

function snowflake(cx, cy, r) {
  let out = '';
  for (let i = 0; i < 3; i++) {
    const a = (Math.PI * i) / 3;
    out += `<line x1="${(cx - Math.cos(a) * r).toFixed(1)}" y1="${(cy - Math.sin(a) * r).toFixed(1)}" ` +
      `x2="${(cx + Math.cos(a) * r).toFixed(1)}" y2="${(cy + Math.sin(a) * r).toFixed(1)}" ` +
      `stroke="${palette.ink}" stroke-width="2" stroke-linecap="round"/>`;
  }
  return out;
}

// A paintball marker seen from the side, facing right. Low tech: a plain pump gun with a
// stick feed; hi tech: an electronic marker with a loader, a lit board and a bottle.
function marker(hiTech) {
  const gradient = verticalGradient(hiTech ? '#4C9BF0' : '#B7BECB', hiTech ? '#14508F' : '#6F7888');
  const g = `url(#${gradient.id})`;
  const s = `stroke="${palette.ink}" stroke-width="1.5" stroke-linejoin="round"`;
  let d = '';
  if (hiTech) {
    d += `<rect x="26" y="58" width="56" height="14" rx="6" fill="#6F7888" ${s}/>`; // bottle
    d += `<ellipse cx="90" cy="26" rx="24" ry="16" fill="${palette.ink}" ${s}/>`; // loader
    d += `<rect x="84" y="38" width="12" height="10" fill="#3E4552" ${s}/>`;
    d += `<rect x="60" y="46" width="74" height="18" rx="5" fill="${g}" ${s}/>`;
    d += `<rect x="132" y="50" width="54" height="8" rx="2" fill="#3E4552" ${s}/>`;
    d += `<path d="M96,62 L110,62 L116,92 L102,92 Z" fill="${palette.ink}" ${s}/>`;
    d += `<path d="M84,64 q4,14 16,14" fill="none" ${s}/>`;
    d += `<circle cx="72" cy="55" r="2.5" fill="${palette.green}"/><circle cx="80" cy="55" r="2.5" fill="${palette.yellow}"/>`;
    d += `<rect x="110" y="51" width="18" height="4" fill="${palette.green}" fill-opacity="0.9"/>`;
  } else {
    d += `<rect x="22" y="56" width="40" height="12" rx="5" fill="#B7BECB" ${s}/>`;
    d += `<rect x="84" y="24" width="10" height="26" fill="#D6CFBD" ${s}/>`; // stick feed
    d += `<rect x="56" y="46" width="66" height="16" rx="3" fill="${g}" ${s}/>`;
    d += `<rect x="120" y="50" width="58" height="7" rx="1" fill="#6F7888" ${s}/>`;
    d += `<rect x="128" y="60" width="34" height="8" rx="3" fill="#8B5A2B" ${s}/>`; // pump handle
    d += `<path d="M86,60 L98,60 L104,90 L90,90 Z" fill="#8B5A2B" ${s}/>`;
    d += `<path d="M76,62 q4,12 14,12" fill="none" ${s}/>`;
  }
  return { defs: gradient.def, drawing: d };
}

function technology(hiTech) {
  const m = marker(hiTech);
  return card(hiTech ? 'Hi Tech' : 'Low Tech', hiTech ? palette.magenta : palette.steel, m.drawing, m.defs);
}

function pictures() {
  return [
    ['TForm3', 'Image1', 200, 152, challenge(1)],
    ['TForm3', 'Image2', 200, 152, challenge(2)],
    ['TForm3', 'Image3', 200, 152, challenge(3)],
    ['TForm3', 'Image4', 200, 152, technology(false)],
    ['TForm3', 'Image5', 200, 152, technology(true)],
    ['TForm3', 'Image6', 200, 152, weather(false)],
    ['TForm3', 'Image7', 200, 152, weather(true)],
  ];
}

module.exports = { pictures, marker, ramps };
