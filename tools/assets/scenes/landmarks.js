'use strict';
// One landmark or landscape for each country of the tour, in the order of the
// country table, drawn as friendly flat illustrations at each picture's size.
const { svgDocument, rect, circle, ellipse, path, group, polygon, line, linearGradient, defs, palette } = require('./lib/svg');
const { seededRandom } = require('./lib/random');

const INK = palette.ink;
const W = 200;
const edge = (width) => ({ stroke: INK, strokeWidth: width || 1.5, strokeLinejoin: 'round' });

function backdrop(h, top, bottom) {
  return defs(linearGradient('sky', [[0, top], [1, bottom]])) + rect({ width: W, height: h, fill: 'url(#sky)' });
}

function frame(h) {
  return rect({ x: 0.75, y: 0.75, width: W - 1.5, height: h - 1.5, fill: 'none', stroke: INK, strokeWidth: 1.5 });
}

function sun(x, y, r, colour) {
  return circle({ cx: x, cy: y, r: r * 1.6, fill: colour || palette.yellow, fillOpacity: 0.25 }) + circle({ cx: x, cy: y, r, fill: colour || palette.yellow });
}

function puff(x, y, s) {
  return group({ fill: '#FFFFFF', fillOpacity: 0.9 },
    ellipse({ cx: x, cy: y, rx: s * 1.6, ry: s * 0.5 }) + circle({ cx: x - s * 0.4, cy: y - s * 0.3, r: s * 0.55 }) + circle({ cx: x + s * 0.35, cy: y - s * 0.4, r: s * 0.65 }));
}

function water(y, h, colour) {
  let ripples = '';
  const random = seededRandom(Math.floor(y * 13 + h));
  for (let i = 0; i < 14; i++) {
    const x = random() * W;
    const ry = y + 4 + random() * (h - y - 6);
    ripples += line({ x1: x, y1: ry, x2: x + 8 + random() * 10, y2: ry, stroke: '#FFFFFF', strokeOpacity: 0.5, strokeWidth: 1.2, strokeLinecap: 'round' });
  }
  return rect({ x: 0, y, width: W, height: h - y, fill: colour || '#2E86D6' }) + ripples;
}

function hill(d, fill) {
  return path({ d, fill, ...edge(1.2) });
}

function pine(x, y, s, fill) {
  return rect({ x: x - s * 0.08, y: y - s * 0.25, width: s * 0.16, height: s * 0.25, fill: '#6B4A2B' }) +
    polygon({ points: `${x},${y - s * 1.3} ${x - s * 0.4},${y - s * 0.2} ${x + s * 0.4},${y - s * 0.2}`, fill: fill || '#2F6B3A', ...edge(1) });
}

// 1 Australia: the Opera House on the harbour, the bridge behind.
function australia(h) {
  const bridge = path({ d: 'M-10 70 Q60 30 130 70', fill: 'none', stroke: '#5D6676', strokeWidth: 4 }) +
    path({ d: 'M-10 70 L130 70', stroke: '#5D6676', strokeWidth: 2.5 }) +
    group({ stroke: '#5D6676', strokeWidth: 1 }, [0, 20, 40, 60, 80, 100, 120].map((x) => line({ x1: x, y1: 70, x2: x, y2: 70 - 34 * Math.sin(((x + 10) / 140) * Math.PI) })).join(''));
  const shell = (x, y, s, flip) => path({ d: `M${x} ${y} Q${x + (flip ? -1 : 1) * s * 0.2} ${y - s} ${x + (flip ? -1 : 1) * s} ${y - s * 1.1} Q${x + (flip ? -1 : 1) * s * 0.75} ${y - s * 0.4} ${x + (flip ? -1 : 1) * s * 0.9} ${y} Z`,
    fill: '#FBF8F0', ...edge(1.3) }) + path({ d: `M${x + (flip ? -1 : 1) * s * 0.3} ${y - s * 0.15} Q${x + (flip ? -1 : 1) * s * 0.35} ${y - s * 0.7} ${x + (flip ? -1 : 1) * s * 0.85} ${y - s * 0.95}`, fill: 'none', stroke: '#C9C2B0', strokeWidth: 1 });
  const house = rect({ x: 70, y: 96, width: 110, height: 10, fill: '#D9B98A', ...edge(1.2) }) +
    shell(78, 96, 34) + shell(104, 96, 42) + shell(132, 96, 36) + shell(156, 96, 26) + shell(176, 96, 18, true);
  return backdrop(h, '#6FB7F2', '#DDF0FF') + sun(30, 24, 9) + puff(160, 22, 10) + bridge + water(100, h, '#1F7AE0') + house;
}

// 2 Azerbaijan: the three Flame Towers of Baku above the Caspian shore.
function azerbaijan(h) {
  const tower = (x, base, width, height) => path({ d: `M${x - width / 2} ${base} Q${x - width * 0.65} ${base - height * 0.6} ${x} ${base - height} Q${x + width * 0.55} ${base - height * 0.55} ${x + width / 2} ${base} Z`,
    fill: 'url(#glass)', ...edge(1.4) }) + group({ stroke: '#FFFFFF', strokeOpacity: 0.35, strokeWidth: 1 },
    [0.2, 0.4, 0.6, 0.8].map((t) => line({ x1: x - width * 0.45 * (1 - t * 0.6), y1: base - height * t, x2: x + width * 0.45 * (1 - t * 0.7), y2: base - height * t })).join(''));
  const flames = [[62, 30, 80], [102, 36, 104], [142, 30, 86]].map(([x, w, ht]) => tower(x, 118, w, ht)).join('');
  return backdrop(h, '#F7A65A', '#FFE3B8') + defs(linearGradient('glass', [[0, '#4FA3E8'], [1, '#1F5FB0']])) + sun(170, 30, 11, '#FFD23F') +
    hill('M0 112 Q60 98 110 110 Q160 100 200 108 L200 150 L0 150 Z', '#C9A46E') + flames +
    rect({ x: 0, y: 118, width: W, height: 6, fill: '#8A94A6' }) + water(124, h, '#2E86D6');
}

// 3 Brazil: Christ the Redeemer on Corcovado, Sugarloaf across the bay.
function brazil(h) {
  const statue = group({ fill: '#EDE7DA', ...edge(0.9), transform: 'translate(71 71) scale(1.7) translate(-71 -66)' },
    rect({ x: 68, y: 38, width: 6, height: 24 }) + path({ d: 'M54 40 L88 40 L88 44 L54 44 Z' }) + circle({ cx: 71, cy: 34, r: 3.4 }) + path({ d: 'M67 62 L75 62 L76 68 L66 68 Z' }));
  return backdrop(h, '#58A8F0', '#CDEBFF') + puff(150, 20, 10) +
    hill('M0 134 L0 90 Q40 62 62 68 Q76 70 86 84 Q110 104 130 110 L130 134 Z', '#3F7A34') + statue +
    water(108, h, '#1F7AE0') + hill('M118 110 Q128 74 148 70 Q166 72 170 110 Z', '#4E8E3B') + hill('M160 110 Q170 92 184 92 Q196 96 200 110 Z', '#5E9E45');
}

// 4 Canada: snowy Rockies above a turquoise lake, pines on the shore.
function canada(h) {
  const peaks = hill('M0 110 L34 50 L52 72 L80 28 L108 70 L128 46 L160 86 L182 58 L200 80 L200 110 Z', '#7C8596') +
    path({ d: 'M72 42 L80 28 L90 44 L84 40 L78 46 Z M44 60 L34 50 L28 62 Z M122 56 L128 46 L136 58 L130 55 Z M176 68 L182 58 L188 68 Z', fill: '#FFFFFF', ...edge(1) });
  let pines = '';
  for (let x = 4; x < W; x += 13) pines += pine(x, 146 + (x % 3) * 2, 16 + (x % 5) * 2);
  return backdrop(h, '#7CC0F5', '#E6F5FF') + peaks + water(110, h, '#2CB6B0') +
    path({ d: 'M0 134 Q100 124 200 134 L200 150 L0 150 Z', fill: '#3F7A34', ...edge(1) }) + pines;
}

// 5 China: the Great Wall winding over green hills.
function china(h) {
  const hills = hill('M0 60 Q40 30 80 56 Q120 24 160 50 Q184 40 200 48 L200 133 L0 133 Z', '#8DBF7A') +
    hill('M0 98 Q50 64 100 90 Q150 60 200 84 L200 133 L0 133 Z', '#5E9E45');
  const wallPath = 'M-5 120 Q30 84 60 92 Q92 100 110 72 Q128 50 160 58 Q184 64 205 44';
  const wall = path({ d: wallPath, fill: 'none', stroke: INK, strokeWidth: 11, strokeLinecap: 'round' }) +
    path({ d: wallPath, fill: 'none', stroke: '#C9A46E', strokeWidth: 8, strokeLinecap: 'round' }) +
    path({ d: wallPath, fill: 'none', stroke: '#8C6C44', strokeWidth: 2, strokeDasharray: '3 3', transform: 'translate(0 -4)' });
  const tower = (x, y) => rect({ x: x - 7, y: y - 16, width: 14, height: 16, fill: '#C9A46E', ...edge(1.3) }) +
    rect({ x: x - 2, y: y - 11, width: 4, height: 6, fill: INK }) + path({ d: `M${x - 8} ${y - 16} h16 v-3 h-3 v2 h-3 v-2 h-4 v2 h-3 v-2 h-3 Z`, fill: '#C9A46E', ...edge(1) });
  return backdrop(h, '#9FD0F5', '#F1F8FF') + sun(36, 26, 8) + hills + wall + tower(60, 94) + tower(111, 74) + tower(170, 58);
}

// 6 Denmark: the coloured gabled houses of Nyhavn along the canal.
function denmark(h) {
  const colours = ['#E0338A', '#FFD23F', '#1F7AE0', '#FF6B1A', '#2EBF5B', '#D7263D', '#F7F4EC', '#8A5CC7'];
  let houses = '';
  for (let i = 0; i < 8; i++) {
    const x = i * 25;
    const top = 26 + ((i * 37) % 14);
    houses += path({ d: `M${x} 80 L${x} ${top + 8} L${x + 12.5} ${top} L${x + 25} ${top + 8} L${x + 25} 80 Z`, fill: colours[i], ...edge(1.2) });
    for (let row = 0; row < 3; row++) {
      for (let col = 0; col < 2; col++) houses += rect({ x: x + 5 + col * 9, y: top + 14 + row * 14, width: 6, height: 8, fill: '#FFFFFF', stroke: INK, strokeWidth: 0.8 });
    }
  }
  const boat = path({ d: 'M40 92 L110 92 L102 102 L48 102 Z', fill: '#8C5A36', ...edge(1.2) }) + line({ x1: 75, y1: 92, x2: 75, y2: 58, stroke: INK, strokeWidth: 2 }) +
    path({ d: 'M77 60 L96 88 L77 88 Z', fill: '#F7F4EC', ...edge(1) });
  return backdrop(h, '#8CC6F2', '#E3F1FB') + houses + rect({ x: 0, y: 80, width: W, height: 6, fill: '#8A94A6' }) + water(86, h, '#2E6FB8') + boat;
}

// 7 France: the Eiffel Tower over the Paris roofs.
function france(h) {
  const t = 'M100 8 L103 40 L110 80 L124 126 L136 146 L118 146 Q100 118 82 146 L64 146 L76 126 L90 80 L97 40 Z';
  const tower = path({ d: t, fill: '#7A5C3E', ...edge(1.4) }) +
    group({ stroke: '#C9A46E', strokeWidth: 1 }, line({ x1: 96, y1: 44, x2: 104, y2: 44 }) + line({ x1: 90, y1: 80, x2: 110, y2: 80 }) + line({ x1: 78, y1: 122, x2: 122, y2: 122 })) +
    path({ d: 'M92 82 L108 120 M108 82 L92 120 M97 46 L104 78 M103 46 L96 78', stroke: '#C9A46E', strokeWidth: 0.8 }) +
    rect({ x: 86, y: 78, width: 28, height: 4, fill: '#7A5C3E', ...edge(1) }) + rect({ x: 74, y: 120, width: 52, height: 5, fill: '#7A5C3E', ...edge(1) }) +
    line({ x1: 100, y1: 2, x2: 100, y2: 8, stroke: INK, strokeWidth: 1.5 });
  let roofs = '';
  for (let x = -4; x < W; x += 22) {
    if (x > 52 && x < 140) continue;
    roofs += rect({ x, y: 128 - (x % 3) * 4, width: 22, height: 40, fill: '#EDE2CC', ...edge(1) }) + rect({ x, y: 124 - (x % 3) * 4, width: 22, height: 6, fill: '#5D6676', ...edge(1) });
  }
  return backdrop(h, '#8CC6F2', '#F6E7D6') + puff(40, 30, 10) + puff(164, 48, 8) + tower + roofs + rect({ x: 0, y: 146, width: W, height: h - 146, fill: '#6FAE4F', ...edge(1) });
}

// 8 Germany: the Brandenburg Gate with the quadriga on top.
function germany(h) {
  const stone = '#E3D3A8';
  let columns = '';
  for (let i = 0; i < 6; i++) columns += rect({ x: 32 + i * 26, y: 58, width: 9, height: 50, fill: stone, ...edge(1.2) });
  const gate = rect({ x: 26, y: 48, width: 148, height: 12, fill: stone, ...edge(1.3) }) + rect({ x: 22, y: 106, width: 156, height: 6, fill: stone, ...edge(1.2) }) +
    path({ d: 'M60 48 L70 36 L130 36 L140 48 Z', fill: stone, ...edge(1.3) }) + columns;
  const quadriga = group({ fill: '#3F8F7A', ...edge(1) },
    path({ d: 'M86 36 L88 26 L96 24 L100 16 L104 24 L112 26 L114 36 Z' }) + circle({ cx: 100, cy: 14, r: 3 }));
  return backdrop(h, '#7CB8EE', '#E4F1FB') + puff(170, 22, 9) + gate + quadriga + rect({ x: 0, y: 112, width: W, height: h - 112, fill: '#B9B3A6', ...edge(1) });
}

// 9 Hong Kong: the skyline over Victoria Harbour and a red-sailed junk.
function hongKong(h) {
  const random = seededRandom(99);
  let towers = '';
  for (let x = 0; x < W; x += 12 + random() * 6) {
    const top = 34 + random() * 50;
    const width = 10 + random() * 8;
    towers += rect({ x, y: top, width, height: 110 - top, fill: random() < 0.5 ? '#5D6676' : '#3A4A63', ...edge(1) });
    for (let y = top + 4; y < 104; y += 6) towers += rect({ x: x + 2, y, width: width - 4, height: 2, fill: '#FFD23F', fillOpacity: 0.75 });
  }
  const bank = path({ d: 'M120 106 L120 30 L130 14 L140 30 L140 106 Z', fill: '#7FA4C8', ...edge(1.2) }) + path({ d: 'M120 30 L140 60 M140 30 L120 60 M120 60 L140 90 M140 60 L120 90', stroke: INK, strokeWidth: 0.8 });
  const junk = path({ d: 'M30 128 L84 128 L78 138 L36 138 Z', fill: '#6B4A2B', ...edge(1.2) }) +
    path({ d: 'M44 126 Q40 104 46 92 L62 96 Q60 112 62 126 Z M64 126 Q60 108 66 98 L78 102 Q76 114 78 126 Z', fill: palette.red, ...edge(1) });
  return backdrop(h, '#2A3F6B', '#E88A5A') + hill('M0 80 Q50 30 110 60 Q160 36 200 66 L200 110 L0 110 Z', '#2F5E28') + towers + bank +
    water(110, h, '#244C80') + junk;
}

// 10 India: the Taj Mahal behind its long pool.
function india(h) {
  const marble = '#FBF8F0';
  const minaret = (x) => rect({ x: x - 3, y: 30, width: 6, height: 70, fill: marble, ...edge(1.1) }) + circle({ cx: x, cy: 29, r: 4, fill: marble, ...edge(1.1) });
  const taj = rect({ x: 62, y: 54, width: 76, height: 46, fill: marble, ...edge(1.3) }) +
    path({ d: 'M78 56 Q76 36 100 22 Q124 36 122 56 Z', fill: marble, ...edge(1.3) }) + line({ x1: 100, y1: 22, x2: 100, y2: 14, stroke: INK, strokeWidth: 1.2 }) +
    path({ d: 'M92 100 L92 74 Q100 64 108 74 L108 100 Z', fill: '#D8CDBA', ...edge(1.1) }) +
    circle({ cx: 70, cy: 52, r: 5, fill: marble, ...edge(1) }) + circle({ cx: 130, cy: 52, r: 5, fill: marble, ...edge(1) }) +
    minaret(44) + minaret(156);
  return backdrop(h, '#F3B37A', '#FFE9CF') + sun(170, 22, 8, '#FFD23F') + rect({ x: 0, y: 100, width: W, height: h - 100, fill: '#6FAE4F', ...edge(1) }) + taj +
    path({ d: 'M86 125 L92 104 L108 104 L114 125 Z', fill: '#5AA9E6', ...edge(1) }) +
    [24, 38, 162, 176].map((x) => ellipse({ cx: x, cy: 104, rx: 4, ry: 10, fill: '#2F6B3A', ...edge(1) })).join('');
}

// 11 Japan: Mount Fuji above a red pagoda.
function japan(h) {
  const fuji = hill('M10 120 L82 40 Q100 30 118 40 L196 120 Z', '#5A79B5') + path({ d: 'M82 40 Q100 30 118 40 L132 56 L120 52 L112 60 L100 50 L90 60 L80 52 L68 56 Z', fill: '#FFFFFF', ...edge(1.2) });
  const storey = (y, width) => path({ d: `M${160 - width} ${y} L${160 + width} ${y} L${160 + width * 0.7} ${y - 6} L${160 - width * 0.7} ${y - 6} Z`, fill: '#2B2F36', ...edge(1) }) +
    rect({ x: 160 - width * 0.45, y: y, width: width * 0.9, height: 12, fill: palette.red, ...edge(1) });
  const pagoda = storey(106, 22) + storey(94, 19) + storey(82, 16) + storey(70, 13) + storey(58, 10) + line({ x1: 160, y1: 52, x2: 160, y2: 36, stroke: INK, strokeWidth: 2 });
  const blossom = [[20, 118], [34, 112], [12, 108], [44, 120]].map(([x, y]) => circle({ cx: x, cy: y, r: 9, fill: '#F7B6D2', ...edge(1) })).join('');
  return backdrop(h, '#FFB7A0', '#FFF0E0') + sun(40, 30, 12, '#D7263D') + fuji + rect({ x: 0, y: 118, width: W, height: h - 118, fill: '#6FAE4F', ...edge(1) }) + pagoda + blossom;
}

// 12 Mexico: the stepped pyramid of Chichen Itza.
function mexico(h) {
  let steps = '';
  for (let i = 0; i < 7; i++) {
    const y = 96 - i * 10;
    const half = 78 - i * 9;
    steps += rect({ x: 100 - half, y: y - 10, width: half * 2, height: 10, fill: i % 2 ? '#C9A46E' : '#BE9860', ...edge(1) });
  }
  const stair = path({ d: 'M90 96 L94 30 L106 30 L110 96 Z', fill: '#D9BC8A', ...edge(1) }) + group({ stroke: INK, strokeWidth: 0.6 }, [40, 50, 60, 70, 80, 90].map((y) => line({ x1: 92 + (96 - y) * 0.04, y1: y, x2: 108 - (96 - y) * 0.04, y2: y })).join(''));
  const temple = rect({ x: 86, y: 16, width: 28, height: 16, fill: '#BE9860', ...edge(1.2) }) + rect({ x: 96, y: 22, width: 8, height: 10, fill: INK });
  const jungle = [8, 22, 176, 190].map((x) => circle({ cx: x, cy: 92, r: 12, fill: '#2F6B3A', ...edge(1) })).join('');
  return backdrop(h, '#58A8F0', '#DDF0FF') + puff(30, 22, 8) + jungle + rect({ x: 0, y: 96, width: W, height: h - 96, fill: '#8DBF7A', ...edge(1) }) + steps + stair + temple;
}

// 13 Netherlands: windmills over rows of tulips.
function netherlands(h) {
  const mill = (x, y, s) => {
    const sail = (angle) => group({ transform: `rotate(${angle} ${x} ${y - s * 1.1})` },
      rect({ x: x - s * 0.07, y: y - s * 2.1, width: s * 0.14, height: s, fill: '#6B4A2B' }) + rect({ x: x + s * 0.07, y: y - s * 2.05, width: s * 0.28, height: s * 0.85, fill: '#F7F4EC', ...edge(0.8) }));
    return path({ d: `M${x - s * 0.35} ${y} L${x - s * 0.22} ${y - s * 1.1} L${x + s * 0.22} ${y - s * 1.1} L${x + s * 0.35} ${y} Z`, fill: '#8C5A36', ...edge(1.1) }) +
      path({ d: `M${x - s * 0.26} ${y - s * 1.1} Q${x} ${y - s * 1.45} ${x + s * 0.26} ${y - s * 1.1} Z`, fill: '#5D6676', ...edge(1) }) +
      [15, 105, 195, 285].map(sail).join('') + circle({ cx: x, cy: y - s * 1.1, r: s * 0.08, fill: INK });
  };
  let tulips = '';
  const rows = ['#D7263D', '#FFD23F', '#E0338A', '#FF6B1A'];
  rows.forEach((colour, i) => {
    const y = 100 + i * 9;
    tulips += rect({ x: 0, y, width: W, height: 7, fill: colour });
    tulips += rect({ x: 0, y: y + 7, width: W, height: 2, fill: '#3F7A34' });
  });
  return backdrop(h, '#7CB8EE', '#E8F4FF') + puff(150, 18, 9) + rect({ x: 0, y: 92, width: W, height: h - 92, fill: '#5E9E45' }) + mill(58, 94, 34) + mill(150, 94, 24) + tulips;
}

// 14 New Zealand: green hills with sheep below snowy peaks.
function newZealand(h) {
  const peaks = hill('M0 64 L30 26 L50 44 L80 14 L106 46 L132 24 L168 54 L200 34 L200 70 L0 70 Z', '#7C8596') +
    path({ d: 'M72 24 L80 14 L88 26 Z M124 32 L132 24 L140 34 Z M24 34 L30 26 L36 34 Z', fill: '#FFFFFF', ...edge(0.8) });
  const sheep = (x, y) => ellipse({ cx: x, cy: y, rx: 6, ry: 4, fill: '#FFFFFF', ...edge(1) }) + circle({ cx: x + 6, cy: y - 1, r: 2.2, fill: INK });
  return backdrop(h, '#6FB7F2', '#E4F4FF') + peaks + hill('M0 76 Q60 52 120 72 Q160 58 200 68 L200 104 L0 104 Z', '#6FAE4F') +
    hill('M0 92 Q70 74 130 90 Q170 80 200 88 L200 104 L0 104 Z', '#4E8E3B') + sheep(40, 84) + sheep(70, 92) + sheep(150, 80) + sheep(168, 94);
}

// 15 Poland: Warsaw's Palace of Culture and Science.
function poland(h) {
  const stone = '#E6DCC6';
  const palace = rect({ x: 40, y: 96, width: 120, height: 30, fill: stone, ...edge(1.2) }) + rect({ x: 64, y: 72, width: 72, height: 26, fill: stone, ...edge(1.2) }) +
    rect({ x: 80, y: 44, width: 40, height: 30, fill: stone, ...edge(1.2) }) + rect({ x: 88, y: 24, width: 24, height: 22, fill: stone, ...edge(1.2) }) +
    path({ d: 'M92 24 L100 10 L108 24 Z', fill: stone, ...edge(1.2) }) + line({ x1: 100, y1: 10, x2: 100, y2: 2, stroke: INK, strokeWidth: 1.5 });
  let windows = '';
  for (let y = 30; y < 124; y += 7) {
    const half = y > 96 ? 56 : y > 72 ? 32 : y > 44 ? 16 : 8;
    for (let x = 100 - half + 2; x < 100 + half - 2; x += 5) windows += rect({ x, y, width: 2, height: 4, fill: '#8A94A6' });
  }
  return backdrop(h, '#8CC6F2', '#EAF5FF') + puff(36, 26, 9) + puff(168, 40, 8) + palace + windows + rect({ x: 0, y: 126, width: W, height: h - 126, fill: '#6FAE4F', ...edge(1) }) +
    [12, 28, 172, 188].map((x) => circle({ cx: x, cy: 116, r: 10, fill: '#3F7A34', ...edge(1) })).join('');
}

// 16 United Kingdom: Big Ben by the river, a red bus on the bridge.
function unitedKingdom(h) {
  const stone = '#D9BC8A';
  const tower = rect({ x: 40, y: 40, width: 22, height: 84, fill: stone, ...edge(1.3) }) + rect({ x: 37, y: 36, width: 28, height: 26, fill: stone, ...edge(1.3) }) +
    circle({ cx: 51, cy: 49, r: 9, fill: '#FBF8F0', ...edge(1.2) }) + path({ d: 'M51 49 L51 43 M51 49 L55 51', stroke: INK, strokeWidth: 1.3 }) +
    path({ d: 'M37 36 L51 10 L65 36 Z', fill: '#5D6676', ...edge(1.3) }) + line({ x1: 51, y1: 10, x2: 51, y2: 4, stroke: INK, strokeWidth: 1.5 });
  let parliament = rect({ x: 62, y: 86, width: 138, height: 38, fill: stone, ...edge(1.2) });
  for (let x = 66; x < 200; x += 8) parliament += rect({ x, y: 92, width: 3, height: 26, fill: '#B89968' }) + path({ d: `M${x - 1} 86 L${x + 1.5} 80 L${x + 4} 86 Z`, fill: stone, ...edge(0.8) });
  const bridge = rect({ x: 0, y: 124, width: W, height: 6, fill: '#3F7A34', ...edge(1) });
  const bus = rect({ x: 120, y: 108, width: 40, height: 18, rx: 3, fill: palette.red, ...edge(1.3) }) + rect({ x: 124, y: 111, width: 32, height: 5, fill: '#CFE3F7' }) +
    rect({ x: 124, y: 119, width: 32, height: 4, fill: '#CFE3F7' }) + circle({ cx: 128, cy: 127, r: 3, fill: INK }) + circle({ cx: 152, cy: 127, r: 3, fill: INK });
  return backdrop(h, '#A9C6E0', '#EEF3F8') + puff(150, 30, 12) + parliament + tower + bridge + water(130, h, '#4A7FA8') + bus;
}

// 17 United States: the Statue of Liberty in the harbour.
function unitedStates(h) {
  const copper = '#5FB8A0';
  const statue = group({ fill: copper, ...edge(1.3) },
    path({ d: 'M88 124 L92 70 Q94 58 100 56 Q108 58 110 70 L114 124 Z' }) +
    path({ d: 'M106 64 L116 24 L122 26 L112 66 Z' }) + path({ d: 'M114 20 L124 22 L122 28 L116 26 Z' }) +
    circle({ cx: 100, cy: 50, r: 7 }) + path({ d: 'M92 46 L88 38 L95 43 L96 34 L100 42 L104 34 L105 43 L112 38 L108 46 Z' }) +
    path({ d: 'M88 82 L80 88 L92 92 Z' })) +
    path({ d: 'M116 16 Q119 6 123 16 Q121 20 119 20 Q116 20 116 16 Z', fill: palette.orange, stroke: INK, strokeWidth: 1 });
  const pedestal = rect({ x: 80, y: 124, width: 42, height: 24, fill: '#C9B48A', ...edge(1.3) }) + rect({ x: 72, y: 146, width: 58, height: 8, fill: '#B9A47A', ...edge(1.2) });
  let skyline = '';
  [[150, 112], [160, 100], [172, 116], [182, 94], [192, 108]].forEach(([x, top]) => { skyline += rect({ x, y: top, width: 10, height: 146 - top, fill: '#8A94A6', ...edge(0.8) }); });
  return backdrop(h, '#7CB8EE', '#E8F4FF') + puff(40, 30, 10) + skyline + water(146, h, '#2E6FB8') + pedestal + statue;
}

// 18 Wales: a castle of round towers on a green hill, the red dragon flying.
function wales(h) {
  const stone = '#A9A293';
  const crenel = (x, y, width) => { let out = ''; for (let cx = x; cx < x + width - 2; cx += 5) out += rect({ x: cx, y: y - 3, width: 3, height: 3, fill: stone, ...edge(0.6) }); return out; };
  const towerAt = (x, top, width) => rect({ x, y: top, width, height: 84 - top, fill: stone, ...edge(1.2) }) + crenel(x, top, width) + rect({ x: x + width / 2 - 1.5, y: top + 10, width: 3, height: 7, fill: INK });
  const castle = rect({ x: 52, y: 50, width: 96, height: 34, fill: stone, ...edge(1.2) }) + crenel(52, 50, 96) +
    towerAt(40, 30, 20) + towerAt(140, 30, 20) + towerAt(90, 22, 20) + path({ d: 'M92 84 L92 68 Q100 60 108 68 L108 84 Z', fill: '#5D4636', ...edge(1) });
  const flag = line({ x1: 100, y1: 22, x2: 100, y2: 4, stroke: INK, strokeWidth: 1.3 }) + rect({ x: 100, y: 4, width: 20, height: 6, fill: '#FFFFFF', ...edge(0.8) }) +
    rect({ x: 100, y: 10, width: 20, height: 6, fill: '#2EBF5B', ...edge(0.8) }) + path({ d: 'M104 12 Q108 6 112 10 Q116 8 116 12 L110 14 Z', fill: palette.red });
  return backdrop(h, '#9FC2E4', '#EEF4FA') + puff(170, 24, 9) + castle + flag + hill('M0 84 Q100 74 200 84 L200 112 L0 112 Z', '#4E8E3B') +
    hill('M0 98 Q90 88 200 100 L200 112 L0 112 Z', '#3F7A34');
}

// 19 Yemen: the tall decorated tower houses of old Sana'a.
function yemen(h) {
  const browns = ['#A86B3C', '#B97A46', '#9A5F33', '#C28650', '#A3683A'];
  let houses = '';
  [[4, 40, 34], [36, 24, 30], [64, 46, 32], [94, 16, 34], [126, 36, 30], [154, 28, 42]].forEach(([x, top, width], i) => {
    houses += rect({ x, y: top, width, height: 120 - top, fill: browns[i % browns.length], ...edge(1.2) }) + rect({ x, y: top, width, height: 4, fill: '#FBF8F0', ...edge(0.8) });
    for (let y = top + 10; y < 112; y += 16) {
      houses += rect({ x, y: y - 3, width, height: 1.5, fill: '#FBF8F0' });
      for (let wx = x + 5; wx < x + width - 6; wx += 10) {
        houses += path({ d: `M${wx} ${y + 8} L${wx} ${y + 2} Q${wx + 3} ${y - 2} ${wx + 6} ${y + 2} L${wx + 6} ${y + 8} Z`, fill: '#2B2F36', stroke: '#FBF8F0', strokeWidth: 1.3 });
      }
    }
  });
  return backdrop(h, '#F7C07A', '#FFF0D6') + hill('M0 60 Q50 30 100 54 Q150 26 200 50 L200 120 L0 120 Z', '#C9A46E') + houses +
    rect({ x: 0, y: 120, width: W, height: h - 120, fill: '#D9BC8A', ...edge(1) });
}

// 20 Zimbabwe: Victoria Falls in its mist, with a rainbow.
function zimbabwe(h) {
  const cliffs = hill('M0 40 L200 40 L200 120 L0 120 Z', '#7A5C3E');
  let falls = rect({ x: 20, y: 38, width: 160, height: 62, fill: '#E8F4FF', ...edge(1) });
  for (let x = 24; x < 178; x += 6) falls += line({ x1: x, y1: 40, x2: x + 1, y2: 98, stroke: '#9CC8F0', strokeWidth: 1.6 });
  const river = rect({ x: 0, y: 30, width: W, height: 10, fill: '#4A8FD0', ...edge(1) });
  const bush = [6, 18, 186, 196].map((x) => circle({ cx: x, cy: 32, r: 10, fill: '#3F7A34', ...edge(1) })).join('') +
    [30, 60, 100, 140, 170].map((x) => circle({ cx: x, cy: 28, r: 7, fill: '#4E8E3B', ...edge(1) })).join('');
  const mist = rect({ x: 0, y: 96, width: W, height: h - 96, fill: '#E8F4FF' }) +
    [20, 50, 80, 110, 140, 170, 195].map((x, i) => ellipse({ cx: x, cy: 98 + (i % 2) * 4, rx: 22, ry: 10, fill: '#FFFFFF', fillOpacity: 0.9 })).join('');
  const rainbow = ['#D7263D', '#FF6B1A', '#FFD23F', '#2EBF5B', '#1F7AE0'].map((colour, i) =>
    path({ d: `M${40 + i * 3} 110 A${60 - i * 3} ${52 - i * 3} 0 0 1 ${160 - i * 3} 110`, fill: 'none', stroke: colour, strokeWidth: 3, strokeOpacity: 0.55 })).join('');
  return backdrop(h, '#7CC0F5', '#E6F5FF') + river + cliffs + falls + bush + rainbow + mist;
}

const countries = [australia, azerbaijan, brazil, canada, china, denmark, france, germany, hongKong, india,
  japan, mexico, netherlands, newZealand, poland, unitedKingdom, unitedStates, wales, yemen, zimbabwe];
const heights = [133, 150, 134, 150, 133, 112, 164, 133, 150, 125, 150, 120, 133, 104, 133, 150, 164, 112, 140, 120];

function pictures() {
  return countries.map((draw, i) => ({
    form: 'TForm5', image: `Image${i + 4}`, width: W, height: heights[i],
    svg: svgDocument(W, heights[i], draw(heights[i]) + frame(heights[i])),
  }));
}

module.exports = { pictures };
