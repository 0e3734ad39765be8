'use strict';
// The four play surfaces seen from above, painted pixel by pixel from organic
// noise so nothing repeats. They stay calm and mid-toned: players, bunkers,
// paintballs, the path dots and the weather are drawn over them.
const { makePixels, setPixel, getPixel, pngDataUri, makeFractalNoise, makeNoise, mix, hexColour } = require('./lib/raster');
const { seededRandom } = require('./lib/random');
const { svgDocument, image, rect, group, text, palette } = require('./lib/svg');

const WIDTH = 800;
const HEIGHT = 400;

function paint(width, height, shade) {
  const pixels = makePixels(width, height);
  for (let y = 0; y < height; y++) {
    for (let x = 0; x < width; x++) setPixel(pixels, x, y, shade(x, y));
  }
  return pixels;
}

function scale(rgb, factor) {
  return [rgb[0] * factor, rgb[1] * factor, rgb[2] * factor];
}

function softBand(position, period, softness) {
  const phase = (position / period) % 2;
  const distance = Math.min(Math.abs(phase - 1), 1 - Math.abs(phase - 1));
  return Math.max(-1, Math.min(1, (phase < 1 ? 1 : -1) * Math.min(1, distance * period / softness)));
}

function grassShade(brighten) {
  const broad = makeFractalNoise(11, 4);
  const clumps = makeFractalNoise(12, 3);
  const blades = makeNoise(13, 256);
  const worn = makeFractalNoise(14, 3);
  const grain = seededRandom(15);
  const deep = hexColour('#4E8E3B');
  const light = hexColour('#79B457');
  const straw = hexColour('#A7B465');
  return (x, y) => {
    let colour = mix(deep, light, broad(x / 140, y / 140) * 1.3 - 0.15);
    const mowing = softBand(x + 3 * Math.sin(y / 60), 100, 6) * 0.035;
    const clump = (clumps(x / 9, y / 9) - 0.5) * 0.16;
    const blade = (blades(x / 1.3, y / 4.5) - 0.5) * 0.14;
    colour = scale(colour, 1 + mowing + clump + blade + (grain() - 0.5) * 0.05);
    const nearStation = Math.max(0, 1 - Math.min(x, WIDTH - x) / 90);
    const wear = Math.max(0, worn(x / 45, y / 45) - 0.5) * 1.4 * nearStation;
    colour = mix(colour, straw, Math.min(0.5, wear));
    return brighten ? mix(colour, [255, 255, 235], brighten) : colour;
  };
}

function dirtShade() {
  const broad = makeFractalNoise(21, 4);
  const mottle = makeFractalNoise(22, 3);
  const grain = seededRandom(23);
  const tyre = makeNoise(24, 256);
  const dark = hexColour('#A9875A');
  const light = hexColour('#C8A977');
  return (x, y) => {
    let colour = mix(dark, light, broad(x / 120, y / 120) * 1.2 - 0.1);
    const mottling = (mottle(x / 14, y / 14) - 0.5) * 0.18;
    const sand = (grain() - 0.5) * 0.12;
    const ruts = (tyre(x / 60, y / 2.5) - 0.5) * 0.04;
    return scale(colour, 1 + mottling + sand + ruts);
  };
}

// Flat, grey-brown stones scattered thinly, each with a soft shadow on its lower right.
function scatterStones(pixels, seed, count) {
  const random = seededRandom(seed);
  const stoneColours = ['#A08E72', '#B09D80', '#958469', '#BBA98A'].map(hexColour);
  for (let n = 0; n < count; n++) {
    const cx = random() * pixels.width;
    const cy = random() * pixels.height;
    const radius = random() < 0.8 ? 2 + random() * 2 : 4 + random() * 3;
    const stretch = 0.6 + random() * 0.5;
    const tint = stoneColours[Math.floor(random() * stoneColours.length)];
    stampStone(pixels, cx, cy, radius, stretch, tint);
  }
}

function stampStone(pixels, cx, cy, radius, stretch, tint) {
  const reach = Math.ceil(radius + 3);
  for (let y = Math.floor(cy - reach); y <= cy + reach; y++) {
    for (let x = Math.floor(cx - reach); x <= cx + reach; x++) {
      if (x < 0 || y < 0 || x >= pixels.width || y >= pixels.height) continue;
      const here = getPixel(pixels, x, y);
      const shadow = Math.hypot((x - cx - 1.2) / radius, (y - cy - 1.2) / (radius * stretch));
      const body = Math.hypot((x - cx) / radius, (y - cy) / (radius * stretch));
      if (body <= 1) {
        const light = 1.08 - 0.22 * Math.max(0, (x - cx + y - cy) / (2 * radius));
        setPixel(pixels, x, y, mix(here, scale(tint, light), Math.min(1, (1 - body) * 4)));
      } else if (shadow <= 1) {
        setPixel(pixels, x, y, scale(here, 0.9));
      }
    }
  }
}

function snowShade() {
  const drifts = makeFractalNoise(31, 5);
  const crust = makeFractalNoise(32, 3);
  const grain = seededRandom(33);
  const ripples = makeNoise(35, 256);
  const shadow = hexColour('#B4C5DA');
  const bright = hexColour('#E6EDF6');
  return (x, y) => {
    const height = drifts(x / 160, y / 110);
    const slope = height - drifts((x + 6) / 160, (y - 6) / 110);
    let colour = mix(shadow, bright, 0.6 + slope * 7 + (height - 0.5) * 0.4);
    const windblown = (ripples(x / 26 + y / 90, y / 3.2) - 0.5) * 0.05;
    colour = scale(colour, 1 + (crust(x / 7, y / 7) - 0.5) * 0.05 + windblown + (grain() - 0.5) * 0.03);
    return colour;
  };
}

// Trodden tracks in the snow along the team's usual runs.
function treadTracks(pixels, seed) {
  const random = seededRandom(seed);
  for (let track = 0; track < 5; track++) {
    let x = 40 + random() * 60;
    let y = 60 + random() * 280;
    const heading = (random() - 0.5) * 0.5;
    for (let step = 0; step < 70; step++) {
      x += 10;
      y += Math.sin(step / 6 + track) * 2 + heading * 10;
      const side = step % 2 ? 3 : -3;
      stampPrint(pixels, x, y + side);
    }
  }
}

function stampPrint(pixels, cx, cy) {
  for (let y = Math.floor(cy - 3); y <= cy + 3; y++) {
    for (let x = Math.floor(cx - 4); x <= cx + 4; x++) {
      if (x < 0 || y < 0 || x >= pixels.width || y >= pixels.height) continue;
      const d = Math.hypot((x - cx) / 4, (y - cy) / 2.4);
      if (d <= 1) setPixel(pixels, x, y, scale(getPixel(pixels, x, y), 0.93 + 0.05 * d));
    }
  }
}

function turfShade() {
  const rolls = makeNoise(41, 256);
  const fibre = makeNoise(42, 256);
  const grain = seededRandom(43);
  const wear = makeFractalNoise(44, 3);
  const base = hexColour('#4FA64A');
  const rollWidth = 80;
  return (x, y) => {
    const roll = Math.floor(x / rollWidth);
    const rollTone = (rolls(roll * 3.7, 0.5) - 0.5) * 0.06 + (roll % 2 ? 0.025 : -0.025);
    const seam = x % rollWidth === 0 ? -0.07 : 0;
    const tuft = (fibre(x / 1.1, y / 1.1) - 0.5) * 0.16 + (grain() - 0.5) * 0.08;
    const scuff = Math.max(0, wear(x / 70, y / 70) - 0.55) * 0.35;
    return mix(scale(base, 1 + rollTone + seam + tuft), hexColour('#7DB56E'), scuff);
  };
}

// Painted white boundary inside the indoor pitch.
function turfMarkings(width, height) {
  return group({ fill: 'none', stroke: '#EEF2E8', strokeOpacity: 0.8, strokeWidth: 3 },
    rect({ x: 6, y: 6, width: width - 12, height: height - 12 })) +
    rect({ x: 398.5, y: 6, width: 3, height: height - 12, fill: '#EEF2E8', fillOpacity: 0.55 });
}

const surfaces = [
  { name: 'grass', label: 'Grass', image: 'Image2', thumb: 'Image2', pixels: () => paint(WIDTH, HEIGHT, grassShade(0)) },
  { name: 'dirt', label: 'Dirt & Stone', image: 'Image3', thumb: 'Image3', pixels: () => {
    const pixels = paint(WIDTH, HEIGHT, dirtShade());
    scatterStones(pixels, 25, 260);
    return pixels;
  } },
  { name: 'snow', label: 'Snow', image: 'Image4', thumb: 'Image42', pixels: () => {
    const pixels = paint(WIDTH, HEIGHT, snowShade());
    treadTracks(pixels, 34);
    return pixels;
  } },
  { name: 'turf', label: 'Artificial Turf', image: 'Image5', thumb: 'Image43', overlay: turfMarkings, pixels: () => paint(WIDTH, HEIGHT, turfShade()) },
];

function fieldSvg(uri, overlay) {
  return svgDocument(WIDTH, HEIGHT, image(uri, WIDTH, HEIGHT) + (overlay ? overlay(WIDTH, HEIGHT) : ''));
}

// A square corner of the field, so the texture reads at thumbnail size.
function thumbnailSvg(uri, overlay, label) {
  const side = 240;
  const caption = rect({ x: 0, y: side - 52, width: side, height: 52, fill: palette.ink, fillOpacity: 0.78 }) +
    text(label, { x: side / 2, y: side - 17, fontSize: label.length > 10 ? 27 : 34, fontWeight: 'bold', fill: palette.paper, textAnchor: 'middle' });
  return svgDocument(107, 107, image(uri, WIDTH, HEIGHT) + (overlay ? overlay(WIDTH, HEIGHT) : '') + caption +
    rect({ x: 1.5, y: 1.5, width: side - 3, height: side - 3, fill: 'none', stroke: palette.ink, strokeWidth: 4 }),
  `0 0 ${side} ${side}`);
}

function pictures() {
  const list = [];
  for (const surface of surfaces) {
    const uri = pngDataUri(surface.pixels());
    list.push({ form: 'TForm8', image: surface.image, width: WIDTH, height: HEIGHT, svg: fieldSvg(uri, surface.overlay) });
    list.push({ form: 'TForm7', image: surface.thumb, width: 107, height: 107, svg: thumbnailSvg(uri, surface.overlay, surface.label) });
  }
  const flash = pngDataUri(paint(WIDTH, HEIGHT, grassShade(0.55)));
  list.push({ form: 'TForm8', image: 'Image16', width: WIDTH, height: HEIGHT, svg: fieldSvg(flash) });
  return list;
}

module.exports = { pictures };
